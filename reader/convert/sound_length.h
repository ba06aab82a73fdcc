#pragma once

#include "convert/convert_options.h"

#include <QString>

// How long the sound of a finished file is, read back from the file in the
// format the converter wrote it in: for a playlist's durations, and for the
// parts a split output is planned from.
namespace SoundLength {

// False when the file cannot be read as that format.
bool seconds(const QString &path, Convert::Format format, double *seconds);

}  // namespace SoundLength
