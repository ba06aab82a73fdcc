#pragma once

#include <QList>
#include <QString>

#include <memory>

// An audiobook file: AAC sound in an MP4 container (.m4b), tagged, with the
// book's chapters in the file's chapter list (a QuickTime chapter track and
// Nero chapters, which audiobook players and ffprobe read). The sound comes
// one of two ways:
//
//   startEncoding() → write()… → finish()     16-bit mono PCM, encoded here
//   appendPart()… → setChapters() → finish()  files this class encoded,
//                                             their AAC copied as it is
//
// so that a book's pieces are encoded where they are rendered, in
// parallel, and joined without being encoded again.
//
// FFmpeg's libraries, which do the work, cost a process about a tenth of a
// second of CPU time to load, and every worker of a conversion is a process
// of its own: they live in a library loaded the first time an M4B is
// written (see FfmpegM4bWriter), so that converting to any other format
// never pays for them.
class M4bWriter
{
public:
    struct Tags
    {
        QString title;
        QString artist;
        QString album;
        QString track;  // "3" or "3/12"
    };

    struct Chapter
    {
        QString title;
        double start = 0;  // seconds
    };

    // The library's file name, looked for as programLibrary() says.
    static constexpr char libraryName[] = "libsayora_m4b.so";

    // Creates the file; nothing is in it until the sound's kind is known.
    // When the library cannot be loaded, a writer that is not open, whose
    // errorString() says so.
    static std::unique_ptr<M4bWriter> create(const QString &path, const Tags &tags = {});

    // Loads the library now, on the caller's thread, should it not be
    // loaded yet: a conversion that joins an M4B at its end loads it while
    // its workers render, not when the book is otherwise done.
    static void load();

    // The duration of an M4B's sound, as its container gives it; false
    // when the file cannot be read as one.
    static bool fileSeconds(const QString &path, double *seconds);

    virtual ~M4bWriter() = default;
    M4bWriter(const M4bWriter &) = delete;
    M4bWriter &operator=(const M4bWriter &) = delete;

    virtual bool isOpen() const = 0;

    // kbps: the AAC bit rate; 0: 64 kbit/s, plenty for a voice.
    virtual bool startEncoding(int sampleRate, int kbps) = 0;
    virtual bool write(const qint16 *samples, qsizetype count) = 0;

    // The AAC of a file made by startEncoding() and write(), added to the
    // end of this one. start: where its sound begins here, in seconds.
    // Each part's own start-up frame is left out but for the first's, and
    // all but the last end on a whole frame: parts cut at a pause join
    // without a gap a listener hears.
    virtual bool appendPart(const QString &part, double *start) = 0;

    // Before finish(): the chapters, by their starts; the last ends where
    // the sound does.
    virtual void setChapters(const QList<Chapter> &chapters) = 0;
    // Writes what is buffered, the chapters and the index, and closes the
    // file.
    virtual bool finish() = 0;
    // The sound's duration so far.
    virtual double seconds() const = 0;
    virtual QString errorString() const = 0;

protected:
    M4bWriter() = default;
};
