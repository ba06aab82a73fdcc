#pragma once

#include "export/growing_wave_encoder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

struct lame_global_struct;

// Speech encoded to MP3 in this process by libmp3lame, with the settings
// of `lame -f` (quality 7, the encoder's own default bit rate unless one is
// given): the same frames the lame program writes of the same sound, so
// that a file the converter encodes is the file a user would have made with
// lame, without a process, a second read of the WAV or a wait for the voice
// to finish. The first frame, reserved while encoding, is rewritten at the
// end with the encoder's "Info" notes (frame count, delay and padding).
class Mp3Encoder final : public GrowingWaveEncoder::Sink
{
    Q_DECLARE_TR_FUNCTIONS(Mp3Encoder)

public:
    // kbps: a constant bit rate; 0: the encoder's default. tag: an ID3v2
    // tag put before the frames (see Mp3Tag::render), or nothing.
    Mp3Encoder(const QString &path, int kbps, const QByteArray &tag = {});
    ~Mp3Encoder() override;
    Mp3Encoder(const Mp3Encoder &) = delete;
    Mp3Encoder &operator=(const Mp3Encoder &) = delete;

    bool open(int sampleRate) override;
    bool write(const qint16 *samples, qsizetype count) override;
    bool finish() override;
    QString errorString() const override { return m_error; }

private:
    bool fail(const QString &why);
    bool put(const unsigned char *bytes, int count);

    QFile m_file;
    int m_kbps = 0;
    QByteArray m_tag;
    lame_global_struct *m_lame = nullptr;
    QByteArray m_frames;  // the encoder's output buffer
    QString m_error;
};
