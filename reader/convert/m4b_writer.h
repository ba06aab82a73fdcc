#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// An audiobook file: AAC sound in an MP4 container (.m4b) written by
// FFmpeg's libraries, tagged, with the book's chapters in the file's
// chapter list (a QuickTime chapter track and Nero chapters, which
// audiobook players and ffprobe read). The sound comes one of two ways:
//
//   startEncoding() → write()… → finish()     16-bit mono PCM, encoded here
//   appendPart()… → setChapters() → finish()  files this class encoded,
//                                             their AAC copied as it is
//
// so that a book's pieces are encoded where they are rendered, in
// parallel, and joined without being encoded again.
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

    // Creates the file; nothing is in it until the sound's kind is known.
    explicit M4bWriter(const QString &path, const Tags &tags = {});
    ~M4bWriter();
    M4bWriter(const M4bWriter &) = delete;
    M4bWriter &operator=(const M4bWriter &) = delete;

    bool isOpen() const { return m_format != nullptr && m_error.isEmpty(); }

    // kbps: the AAC bit rate; 0: 64 kbit/s, plenty for a voice.
    bool startEncoding(int sampleRate, int kbps);
    bool write(const qint16 *samples, qsizetype count);

    // The AAC of a file made by startEncoding() and write(), added to the
    // end of this one. start: where its sound begins here, in seconds.
    // Each part's own start-up frame is left out but for the first's, and
    // all but the last end on a whole frame: parts cut at a pause join
    // without a gap a listener hears.
    bool appendPart(const QString &part, double *start);

    // Before finish(): the chapters, by their starts; the last ends where
    // the sound does.
    void setChapters(const QList<Chapter> &chapters) { m_chapters = chapters; }
    // Writes what is buffered, the chapters and the index, and closes the
    // file.
    bool finish();
    // The sound's duration so far.
    double seconds() const;
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &why);
    bool failed(int code, const char *what);
    bool writeHeader();
    bool encode(bool last);
    bool drain();
    bool writeHeld(bool last);
    bool writeChapters();

    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_codec = nullptr;
    AVStream *m_stream = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_packet = nullptr;
    // Joining: the last packet of the part before, whose length depends on
    // whether another part follows.
    AVPacket *m_held = nullptr;
    QList<float> m_pending;  // samples waiting for a whole frame, from m_taken on
    qsizetype m_taken = 0;
    qint64 m_samples = 0;    // encoding: sent to the encoder so far; joining: placed so far
    int m_sampleRate = 0;
    int m_frameSize = 1024;
    int m_parts = 0;
    QList<Chapter> m_chapters;
    QString m_error;
};
