#pragma once

#include <QString>
#include <QStringList>

// What the converter was asked to do, read from its command line.
namespace Convert {

// The converter's exit statuses.
enum ExitCode {
    Success = 0,
    UsageError = 1,
    InputUnreadable = 2,
    UnknownVoice = 3,
    RenderFailed = 4,     // for good: trying again fails the same way
    RetryFailed = 5,      // the disk was full, the encoder or a worker was killed
};

// Ogg (Vorbis), Opus and FLAC are written from the rendered sound by
// libsndfile, MP3 by lame, M4B (AAC in MP4, with chapters) by FFmpeg's
// libraries.
enum class Format { Mp3, Wav, Text, Ogg, Opus, Flac, M4b };

// The share of a conversion's time its rendering takes, when the voice is
// not known yet.
inline constexpr double defaultRenderShare = 0.75;

// The format an output name's extension picks (any case); false for others.
bool formatForName(const QString &name, Format *format);
QString extension(Format format);  // "mp3", "wav", "txt", "ogg", "opus", "flac", "m4b"

struct Options
{
    // Batch: every input into outputDir; SplitChapters: the one input, a
    // book, into outputDir a file per chapter; Serve: a worker of a pool,
    // converting what it is given on standard input (see WorkerPool).
    enum class Mode { Convert, Batch, SplitChapters, ListVoices, Help, Version, Serve };
    Mode mode = Mode::Convert;

    QString voice;     // empty: the reader's choice for the text
    int rate = -1;     // 0 … 100 on the window's scales; -1: the voice's own
    int pitch = -1;
    int volume = -1;
    QString subtitles; // .srt, .lrc or .vtt; empty: none
    // A book split into chapters: the kind of subtitles beside each
    // chapter's file ("srt", "lrc" or "vtt"); empty: none.
    QString subtitleFormat;
    QString encoding;  // of plain-text inputs, as QStringDecoder names it; empty: found from the bytes
    // Pronunciation rules: this file's instead of the user's own lists,
    // or none at all.
    QString rules;
    bool noRules = false;
    // Sentences in other languages read by the voice chosen for the text,
    // not by voices of their own languages.
    bool noLanguageSwitch = false;
    bool quiet = false;
    // The MP3's tag; empty or 0: not written.
    QString title;
    QString artist;
    QString album;
    int track = 0;
    int total = 0;
    int bitrate = 0;          // kbit/s of MP3, Vorbis and Opus; 0: the encoder's default
    // One output split into numbered files of at most this many minutes or
    // megabytes (cut at a sentence's end), with a playlist; 0: one file.
    int splitMinutes = 0;
    int splitMegabytes = 0;
    // A worker of a batch reports its progress on standard output.
    bool reportProgress = false;
    // A worker renders one piece of a long text: the room for the whole
    // was found by its parent.
    bool piece = false;
    // An MP3 with the book's chapters marked in its ID3 tag (CHAP, CTOC);
    // an M4B always has them.
    bool chapterMarks = false;
    // "done FRACTION" lines on standard output, for a program that runs
    // the converter (the reader's window), without becoming a worker.
    bool progressLines = false;

    // One conversion: inputs holds one name ("-" is standard input).
    QString output;
    Format format = Format::Mp3;

    // A batch: every input into outputDir, named after it.
    QStringList inputs;
    QString outputDir;
    int jobs = 0;      // 0: one per core; for one input, its pieces at once
    bool skipExisting = false;  // outputs already there are left as they are

    // Set when the command line is wrong: one line saying why.
    QString error;
};

Options parseOptions(const QStringList &arguments);  // without the program's name

// Where a batch writes an input: DIR/NAME.EXT, NAME being the input's name
// without its last extension.
QString batchOutput(const QString &input, const QString &outputDir, Format format);
// Checks a batch's inputs against their outputs: two inputs into one file,
// or an input that would be written over, make a usage error (the reason).
QString checkBatch(const Options &options);

QString helpText();

// The command line of a worker process that converts as options say, with
// its progress on standard output, less the files it works on.
QStringList workerArguments(const Options &options);

}  // namespace Convert
