#pragma once

#include <QCursor>
#include <QString>

// A pointer loaded from a Windows cursor file (.cur) with the hot spot the
// file gives. A file that cannot be read gives the fallback shape.
QCursor cursorFromFile(const QString &path, Qt::CursorShape fallback = Qt::PointingHandCursor);
