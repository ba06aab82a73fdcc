#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QString>

// MPEG audio layer III as encoders write it: the frames after an ID3v2 tag,
// the informational first frame ("Xing" or "Info") that says how many frames
// follow, and MP3 files joined end to end into one whose first frame tells
// the truth about the whole.
namespace Mp3Stream {

struct Frame
{
    quint32 header = 0;
    qsizetype length = 0;  // bytes, header included
    int samples = 0;       // per channel
    int sampleRate = 0;
    int kbps = 0;
    double seconds() const { return sampleRate > 0 ? double(samples) / sampleRate : 0; }
};

// The MPEG-1/2/2.5 layer III frame whose header starts at `at`; false when
// none does.
bool frameAt(QByteArrayView bytes, qsizetype at, Frame *frame);
// Where the frames start: after an ID3v2 tag, if there is one.
qsizetype firstFrame(QByteArrayView bytes);
// The frame at `at` carries no sound but the encoder's "Xing"/"Info" notes.
// delaySamples, when given, gets the samples of silence a decoder puts
// before the sound (the encoder's and its own delay): LAME's count when the
// frame has one, else LAME's usual 1105.
bool isInfoFrame(QByteArrayView bytes, qsizetype at, const Frame &frame, int *delaySamples = nullptr);

// Walks the frames from the first to the last; false unless they run
// unbroken to the end (a trailing ID3v1 tag aside) and there is at least one.
bool check(QByteArrayView bytes, double *seconds);
// The same for a file, read a slice at a time: a book's MP3 is large.
bool checkFile(const QString &path, double *seconds);

// MP3 parts, encoded one after another with the same settings, written as
// one file: a new informational frame that counts every frame, then each
// part's sound frames in order (the parts' tags are left out). Parts are
// small; the whole is never held in memory.
class Joiner
{
public:
    explicit Joiner(const QString &path);
    ~Joiner();
    Joiner(const Joiner &) = delete;
    Joiner &operator=(const Joiner &) = delete;

    // Appends one part. Its sound starts soundStart seconds into it, as a
    // player hears it, and the part lasts seconds (both in the joined file).
    bool append(QByteArrayView part, double *soundStart = nullptr, double *seconds = nullptr);
    // Writes the informational frame and closes the file.
    bool finish();
    double seconds() const { return m_seconds; }
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &why);
    bool write(QByteArrayView bytes);
    void noteFrame(qint64 offset);

    QFile m_file;
    QString m_error;
    Frame m_first;          // of the first sound frame: the layout of the info frame
    qint64 m_infoAt = -1;   // where the info frame's room starts
    qint64 m_infoLength = 0;
    int m_infoIndex = 1;    // its bit rate's index
    bool m_variable = false;
    qint64 m_frames = 0;
    double m_seconds = 0;
    // Every stride-th frame's offset from the info frame, for its table of
    // contents; the stride doubles as the list grows, so memory stays flat.
    QList<qint64> m_offsets;
    qint64 m_stride = 1;
};

}  // namespace Mp3Stream
