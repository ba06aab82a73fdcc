#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The Save button's filters (the dialog itself: documents/file_dialogs.h),
// its name rules and the text and rich-text files it writes.
namespace DocumentSaver {

enum Type { RichText = 1, Text = 2, Mp3 = 3 };  // the dialog's filter index

// "Rich Text File(*.rtf)", "Text File(*.txt)", "MP3 File (*.mp3)".
const QStringList &filters();
// The filter index the dialog starts on for the type last saved.
int initialFilter(const QString &saveExt);

// NULs and surrounding blanks removed.
QString cleanName(const QString &name);
// The folder of a name, ending in a separator; empty without one.
QString saveDirFor(const QString &name);
// The name, with extension appended unless it already ends in exactly
// that (case-sensitive: "A.MP3" becomes "A.MP3.mp3").
QString withExtension(const QString &name, const QString &extension);
// The question asked before an existing file is replaced.
QString overwriteQuestion(const QString &target);

// A text file: the text exactly as it stands, in UTF-8, then CR LF.
QByteArray textFile(const QString &text);
// A rich-text document holding exactly the same text: special characters
// escaped, anything beyond ASCII as \uN, line breaks as \par.
QByteArray richTextFile(const QString &text);
// Writes bytes to path, replacing an existing file only once the new one
// is complete. False with a reason on failure; the old file is kept then.
bool writeFile(const QString &path, const QByteArray &bytes, QString *error);

// The text an export renders: surrounding blanks removed.
QString exportText(const QString &boxText);
// The length the WAV estimate uses: of the export text with every pair of
// adjacent blanks removed (left to right, so three blanks leave one).
qint64 estimateTextLength(const QString &exportText);
// The sample rate of the speech the WAV estimate's constants describe
// (16-bit mono).
constexpr int estimateSampleRate = 22050;
// One fiftieth of the expected WAV size: 24844076 bytes for 10,000
// characters at rate 29, inversely proportional to the rate shown (a rate
// below 1 counts as 1), and proportional to the voice's sample rate.
double estimateWaveSize(qint64 textLength, int rate, int sampleRate = estimateSampleRate);
// One fiftieth of the expected MP3 size: 2253740 bytes per 24844076 of WAV.
double estimateMp3Size(qint64 waveBytes);
// hh:mm:ss from whole seconds; hours beyond 99 keep their last two digits.
QString FormatElapsed(qint64 seconds);

} // namespace DocumentSaver
