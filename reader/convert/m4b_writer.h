#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// Speech in 16-bit mono PCM written as an audiobook: AAC in an MP4
// container (.m4b) by FFmpeg's libraries, tagged, with the book's chapters
// in the file's chapter list (a QuickTime chapter track and Nero chapters,
// which audiobook players and ffprobe read). The chapters are written
// with the header, so their times are known before the sound.
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

    // kbps: the AAC bit rate; 0: 64 kbit/s, plenty for a voice. The last
    // chapter ends at totalSeconds.
    M4bWriter(const QString &path, int sampleRate, int kbps, const Tags &tags, const QList<Chapter> &chapters,
              double totalSeconds);
    ~M4bWriter();
    M4bWriter(const M4bWriter &) = delete;
    M4bWriter &operator=(const M4bWriter &) = delete;

    bool isOpen() const { return m_codec != nullptr; }
    bool write(const qint16 *samples, qsizetype count);
    // Writes what is buffered and the index, and closes the file.
    bool finish();
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &why);
    bool failed(int code, const char *what);
    bool encode(bool last);
    bool drain();

    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_codec = nullptr;
    AVStream *m_stream = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_packet = nullptr;
    QList<float> m_pending;  // samples waiting for a whole frame, from m_taken on
    qsizetype m_taken = 0;
    qint64 m_samples = 0;    // sent to the encoder so far
    int m_sampleRate = 0;
    QString m_error;
};
