#pragma once

#include <QByteArray>
#include <QString>
#include <utility>

struct sf_private_tag;
struct SRC_STATE_tag;

// Speech in 16-bit mono PCM written as Ogg Vorbis, Ogg Opus or FLAC by
// libsndfile, resampled by libsamplerate where the codec does not take the
// voice's rate (Opus knows 8, 12, 16, 24 and 48 kHz only). The tag's texts
// become Vorbis comments.
class SoundFileWriter
{
public:
    enum class Codec { Vorbis, Opus, Flac };
    struct Tags
    {
        QString title;
        QString artist;
        QString album;
        QString track;  // "3" or "3/12"
    };

    // kbps: the aimed average bit rate of Vorbis and Opus (their quality is
    // set to come near it: for Vorbis as measured on sample, some seconds
    // of the speech in 16-bit PCM); 0: the codec's default.
    SoundFileWriter(const QString &path, Codec codec, int sampleRate, int kbps, const Tags &tags,
                    const QByteArray &sample = {});
    ~SoundFileWriter();
    SoundFileWriter(const SoundFileWriter &) = delete;
    SoundFileWriter &operator=(const SoundFileWriter &) = delete;

    bool isOpen() const { return m_file != nullptr; }
    bool write(const qint16 *samples, qsizetype count);
    // Writes what the resampler holds and closes the file.
    bool finish();
    QString errorString() const { return m_error; }

    // The rate the file is written at for a voice of this rate.
    static int fileRate(Codec codec, int sampleRate);
    // The bit rate Vorbis makes of sample at a compression level (0 best
    // … 1 least).
    static double vorbisKbps(int sampleRate, double level, const QByteArray &sample);
    // When kbps was out of the codec's reach for this sound: a line saying
    // what it reaches. Empty otherwise.
    QString bitrateNote(int kbps) const;

private:
    bool fail(const QString &why);
    double vorbisLevel(int kbps, int sampleRate, const QByteArray &sample);
    bool writeFloats(const float *samples, qsizetype count);
    bool resample(const float *samples, qsizetype count, bool last);

    sf_private_tag *m_file = nullptr;
    SRC_STATE_tag *m_resampler = nullptr;
    double m_ratio = 1;
    std::pair<int, int> m_reachable{0, 0};  // Vorbis's lowest and highest kbit/s for the sound
    QString m_error;
};
