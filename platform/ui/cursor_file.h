#pragma once

#include <QCursor>
#include <QGuiApplication>
#include <QString>

// A pointer loaded from a Windows cursor file (.cur) with the hot spot the
// file gives. A file may hold the pointer at several sizes, its first image
// the one for ordinary screens; the image that fits a screen of
// `devicePixelRatio` is shown (by default the densest screen's), so the
// pointer is sharp at a scale of 1.5 or 2 and keeps its size. A file that
// cannot be read gives the fallback shape.
QCursor cursorFromFile(const QString &path, Qt::CursorShape fallback = Qt::PointingHandCursor,
                       qreal devicePixelRatio = qGuiApp->devicePixelRatio());
