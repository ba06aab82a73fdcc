#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The Save button's filters (the dialog itself: documents/file_dialogs.h),
// its name rules and the text and rich-text files it writes.
namespace DocumentSaver {

// The dialog's filter index. After the MP3 export, the types a listener of
// books wants, made by the converter's pipeline and of any length.
enum Type {
    RichText = 1,
    Text = 2,
    Mp3 = 3,
    ChapterFiles = 4,  // a folder: "01 Title.mp3", … and a playlist
    MarkedMp3 = 5,     // one MP3 with ID3 chapter marks
    M4b = 6,           // AAC in MP4, with chapters
    Ogg = 7,
    Opus = 8,
    Flac = 9,
};

// "Rich Text File(*.rtf)", "Text File(*.txt)", "MP3 File (*.mp3)", then
// the audiobook types and OGG Vorbis, Opus and FLAC.
const QStringList &filters();
// What SaveExt keeps for a type, which names the filter the next Save
// starts on: the extension, except for the folder of chapters and the MP3
// with chapter marks.
QString saveExtFor(Type type);
// The name a save of this type writes: the extension appended as
// withExtension() does; a folder of chapters takes the name as it is.
QString targetFor(const QString &name, Type type);
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
// The most WAV bytes (16-bit mono at sampleRate) the speech of textLength
// characters may need from a voice speaking wordsPerMinute: counted at five
// characters a word, short for prose, so that the estimate errs long. It
// decides before rendering whether the speech fits one WAV file.
double longestWaveBytes(qint64 textLength, int wordsPerMinute, int sampleRate);
// The most sound data one WAV file holds: its RIFF sizes are 32-bit.
constexpr qint64 maxWaveDataBytes = 0xFFFFFFFFLL - 36;
// One fiftieth of the expected MP3 size: 2253740 bytes per 24844076 of WAV.
double estimateMp3Size(qint64 waveBytes);
// hh:mm:ss from whole seconds; hours beyond 99 keep their last two digits.
QString FormatElapsed(qint64 seconds);

} // namespace DocumentSaver
