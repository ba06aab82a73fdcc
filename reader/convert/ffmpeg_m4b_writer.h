#pragma once

#include "convert/m4b_writer.h"

#include <vector>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// The M4bWriter of the M4B library, over FFmpeg's libraries; made only
// by M4bWriter::create().
class FfmpegM4bWriter final : public M4bWriter
{
public:
    FfmpegM4bWriter(const QString &path, const Tags &tags);
    ~FfmpegM4bWriter() override;

    bool isOpen() const override { return m_format != nullptr && m_error.isEmpty(); }
    bool startEncoding(int sampleRate, int kbps) override;
    bool write(const qint16 *samples, qsizetype count) override;
    bool appendPart(const QString &part, double *start) override;
    void setChapters(const QList<Chapter> &chapters) override { m_chapters = chapters; }
    bool finish() override;
    double seconds() const override;
    QString errorString() const override { return m_error; }

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
    // Samples waiting for a whole frame, from m_taken on; its room is kept
    // from one write() to the next.
    std::vector<float> m_pending;
    qsizetype m_taken = 0;
    qint64 m_samples = 0;    // encoding: sent to the encoder so far; joining: placed so far
    int m_sampleRate = 0;
    int m_frameSize = 1024;
    int m_parts = 0;
    QList<Chapter> m_chapters;
    QString m_error;
};
