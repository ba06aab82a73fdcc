#include "convert/m4b_writer.h"

#include <QCoreApplication>

#include <QFile>

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libavutil/mem.h>
}

namespace {

QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

void setText(AVDictionary **dictionary, const char *key, const QString &value)
{
    if (!value.trimmed().isEmpty())
        av_dict_set(dictionary, key, value.simplified().toUtf8().constData(), 0);
}

}  // namespace

M4bWriter::M4bWriter(const QString &path, int sampleRate, int kbps, const Tags &tags, const QList<Chapter> &chapters,
                     double totalSeconds)
    : m_sampleRate(sampleRate)
{
    // The encoder's statistics and the muxer's remarks on the (temporary)
    // file's name are no news to a user.
    av_log_set_level(AV_LOG_ERROR);
    // The "ipod" muxer writes MP4 as Apple's players want it, chapters
    // included, whatever the file's name.
    int code = avformat_alloc_output_context2(&m_format, nullptr, "ipod", nullptr);
    if (code < 0 || !m_format) {
        failed(code, "the MP4 writer is missing");
        return;
    }
    const AVCodec *aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!aac) {
        fail(QCoreApplication::translate("Convert", "FFmpeg has no AAC encoder"));
        return;
    }
    m_stream = avformat_new_stream(m_format, nullptr);
    AVCodecContext *codec = avcodec_alloc_context3(aac);
    if (!m_stream || !codec) {
        avcodec_free_context(&codec);
        fail(QCoreApplication::translate("Convert", "out of memory"));
        return;
    }
    codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    codec->sample_rate = sampleRate;
    av_channel_layout_default(&codec->ch_layout, 1);
    codec->bit_rate = (kbps > 0 ? kbps : 64) * 1000;
    codec->time_base = AVRational{1, sampleRate};
    if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // The fast coder: the default searches far longer for a difference a
    // voice does not make.
    av_opt_set(codec->priv_data, "aac_coder", "fast", 0);
    if (code = avcodec_open2(codec, aac, nullptr); code < 0) {
        avcodec_free_context(&codec);
        failed(code, "the AAC encoder could not be opened");
        return;
    }
    m_codec = codec;
    if (code = avcodec_parameters_from_context(m_stream->codecpar, m_codec); code < 0) {
        failed(code, "the AAC stream could not be set up");
        return;
    }
    m_stream->time_base = m_codec->time_base;

    setText(&m_format->metadata, "title", tags.title);
    setText(&m_format->metadata, "artist", tags.artist);
    setText(&m_format->metadata, "album_artist", tags.artist);
    setText(&m_format->metadata, "album", tags.album);
    setText(&m_format->metadata, "track", tags.track);
    av_dict_set(&m_format->metadata, "genre", "Audiobook", 0);

    // The muxer writes its chapter track with the header.
    if (!chapters.isEmpty()) {
        m_format->chapters = static_cast<AVChapter **>(av_calloc(size_t(chapters.size()), sizeof(AVChapter *)));
        if (!m_format->chapters) {
            fail(QCoreApplication::translate("Convert", "out of memory"));
            return;
        }
        const auto ms = [totalSeconds](double seconds) {
            return int64_t(std::clamp(seconds, 0.0, totalSeconds) * 1000.0 + 0.5);
        };
        for (qsizetype i = 0; i < chapters.size(); ++i) {
            auto *chapter = static_cast<AVChapter *>(av_mallocz(sizeof(AVChapter)));
            if (!chapter) {
                fail(QCoreApplication::translate("Convert", "out of memory"));
                return;
            }
            chapter->id = i + 1;
            chapter->time_base = AVRational{1, 1000};
            chapter->start = i == 0 ? 0 : ms(chapters.at(i).start);
            chapter->end = i + 1 < chapters.size() ? ms(chapters.at(i + 1).start) : ms(totalSeconds);
            chapter->end = std::max(chapter->end, chapter->start);
            setText(&chapter->metadata, "title", chapters.at(i).title);
            m_format->chapters[m_format->nb_chapters++] = chapter;
        }
    }

    if (code = avio_open(&m_format->pb, QFile::encodeName(path).constData(), AVIO_FLAG_WRITE); code < 0) {
        failed(code, "the file could not be created");
        return;
    }
    // An audiobook's brand, whatever the file's name: players treat an
    // M4B as a book (they remember its place).
    AVDictionary *options = nullptr;
    av_dict_set(&options, "brand", "M4B ", 0);
    code = avformat_write_header(m_format, &options);
    av_dict_free(&options);
    if (code < 0) {
        failed(code, "the MP4 header could not be written");
        return;
    }
    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (!m_frame || !m_packet)
        fail(QCoreApplication::translate("Convert", "out of memory"));
}

M4bWriter::~M4bWriter()
{
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    avcodec_free_context(&m_codec);
    if (m_format) {
        if (m_format->pb)
            avio_closep(&m_format->pb);
        avformat_free_context(m_format);
    }
}

bool M4bWriter::fail(const QString &why)
{
    m_error = why;
    avcodec_free_context(&m_codec);
    return false;
}

bool M4bWriter::failed(int code, const char *what)
{
    return fail(code < 0 ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(what), avError(code)) : QString::fromUtf8(what));
}

bool M4bWriter::write(const qint16 *samples, qsizetype count)
{
    if (!isOpen())
        return false;
    m_pending.reserve(m_pending.size() + count);
    for (qsizetype i = 0; i < count; ++i)
        m_pending.append(float(samples[i]) / 32768.0f);
    while (m_pending.size() - m_taken >= m_codec->frame_size) {
        if (!encode(false))
            return false;
    }
    // What is left (less than a frame) moves to the front once per call,
    // not once per frame.
    m_pending.remove(0, m_taken);
    m_taken = 0;
    return true;
}

// One frame of the pending samples to the encoder (the last one padded
// with silence), and whatever packets it has ready to the file.
bool M4bWriter::encode(bool last)
{
    const int size = m_codec->frame_size;
    const qsizetype taken = std::min<qsizetype>(size, m_pending.size() - m_taken);
    if (taken == 0 && last)
        return true;
    av_frame_unref(m_frame);
    m_frame->nb_samples = size;
    m_frame->format = m_codec->sample_fmt;
    m_frame->sample_rate = m_sampleRate;
    if (int code = av_channel_layout_copy(&m_frame->ch_layout, &m_codec->ch_layout); code < 0)
        return failed(code, "the encoder's frame could not be made");
    if (int code = av_frame_get_buffer(m_frame, 0); code < 0)
        return failed(code, "the encoder's frame could not be made");
    auto *into = reinterpret_cast<float *>(m_frame->data[0]);
    std::copy(m_pending.cbegin() + m_taken, m_pending.cbegin() + m_taken + taken, into);
    std::fill(into + taken, into + size, 0.0f);
    m_taken += taken;
    m_frame->pts = m_samples;
    m_samples += size;
    if (int code = avcodec_send_frame(m_codec, m_frame); code < 0)
        return failed(code, "the AAC encoder failed");
    return drain();
}

bool M4bWriter::drain()
{
    for (;;) {
        const int code = avcodec_receive_packet(m_codec, m_packet);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            return true;
        if (code < 0)
            return failed(code, "the AAC encoder failed");
        av_packet_rescale_ts(m_packet, m_codec->time_base, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        if (const int written = av_interleaved_write_frame(m_format, m_packet); written < 0)
            return failed(written, "the file could not be written");
    }
}

bool M4bWriter::finish()
{
    if (!isOpen())
        return false;
    while (m_taken < m_pending.size()) {
        if (!encode(true))
            return false;
    }
    if (int code = avcodec_send_frame(m_codec, nullptr); code < 0)
        return failed(code, "the AAC encoder failed");
    if (!drain())
        return false;
    if (int code = av_write_trailer(m_format); code < 0)
        return failed(code, "the MP4 index could not be written");
    if (int code = avio_closep(&m_format->pb); code < 0)
        return failed(code, "the file could not be written");
    avcodec_free_context(&m_codec);
    return true;
}
