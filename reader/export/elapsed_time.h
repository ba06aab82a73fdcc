#pragma once

#include <QString>

// The export's clock as the window shows it.
// hh:mm:ss from whole seconds; hours beyond 99 keep their last two digits.
QString FormatElapsed(qint64 seconds);
