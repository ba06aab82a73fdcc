#pragma once

#include "convert/convert_options.h"

#include <QString>
#include <QStringList>

// What a conversion checks in the folder it writes to, before and after
// the work: outputs already there, room for the new one, the hidden
// temporaries a conversion killed outright (SIGKILL, a power cut) left
// behind, and whether a failure is worth trying again.
namespace OutputFolder {

// An output a batch may skip: a regular file with something in it. A
// conversion puts its output in place only once complete, so one standing
// under the output's own name was finished.
bool isComplete(const QString &output);

// Removes the hidden temporaries of conversions that were killed outright
// (".NAME.XXXXXX.wav", ".NAME.XXXXXX.mp3", and the folders of a long
// text's parts, ".NAME.XXXXXX.parts") from `folder`: those a conversion
// wrote down as its own (see TemporaryRecord) and whose conversion has
// ended. Returns the names removed.
QStringList removeStaleTemporaries(const QString &folder);

// About how many bytes converting `textLength` characters takes beside the
// output, temporaries included: the speech as WAV, and for an MP3 the MP3
// as well. `rate` on the window's scale, -1 for the voice's own.
qint64 neededBytes(qint64 textLength, Convert::Format format, int rate);
// A line saying how much room is needed when the output's folder has less
// than `needed` bytes free; empty when there is room (or it cannot be told).
QString roomShortage(const QString &output, qint64 needed);
QString sizeText(qint64 bytes);

// A failure that may pass when tried again (the disk was full, the encoder
// or the worker was killed by a signal) becomes RetryFailed; others stay.
Convert::ExitCode classifyFailure(Convert::ExitCode code, const QString &error);

}  // namespace OutputFolder
