#pragma once

#include <QString>

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
    // set to come near it); 0: the codec's default.
    SoundFileWriter(const QString &path, Codec codec, int sampleRate, int kbps, const Tags &tags);
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

private:
    bool fail(const QString &why);
    bool writeFloats(const float *samples, qsizetype count);
    bool resample(const float *samples, qsizetype count, bool last);

    sf_private_tag *m_file = nullptr;
    SRC_STATE_tag *m_resampler = nullptr;
    double m_ratio = 1;
    QString m_error;
};
