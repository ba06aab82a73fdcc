#pragma once

#include "convert/m4b_writer.h"
#include "export/growing_wave_encoder.h"

#include <QString>
#include <memory>

// A worker's piece of an audiobook encoded into its part (AAC in MP4, see
// M4bWriter) as the voice renders it: the parts of a book are encoded by
// the workers that render them, all at once, and only joined afterwards.
class M4bPartSink final : public GrowingWaveEncoder::Sink
{
public:
    // kbps: the AAC bit rate; 0: M4bWriter's default.
    M4bPartSink(const QString &path, int kbps);

    bool open(int sampleRate) override;
    bool write(const qint16 *samples, qsizetype count) override;
    bool finish() override;
    QString errorString() const override;

private:
    QString m_path;
    int m_kbps = 0;
    std::unique_ptr<M4bWriter> m_writer;
};
