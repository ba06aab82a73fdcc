#include "convert/ffmpeg_m4b_writer.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
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

FfmpegM4bWriter::FfmpegM4bWriter(const QString &path, const Tags &tags)
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
    setText(&m_format->metadata, "title", tags.title);
    setText(&m_format->metadata, "artist", tags.artist);
    setText(&m_format->metadata, "album_artist", tags.artist);
    setText(&m_format->metadata, "album", tags.album);
    setText(&m_format->metadata, "track", tags.track);
    av_dict_set(&m_format->metadata, "genre", "Audiobook", 0);
    if (code = avio_open(&m_format->pb, QFile::encodeName(path).constData(), AVIO_FLAG_WRITE); code < 0) {
        failed(code, "the file could not be created");
        return;
    }
    m_packet = av_packet_alloc();
    m_held = av_packet_alloc();
    if (!m_packet || !m_held)
        fail(QStringLiteral("out of memory"));
}

FfmpegM4bWriter::~FfmpegM4bWriter()
{
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    av_packet_free(&m_held);
    avcodec_free_context(&m_codec);
    if (m_format) {
        if (m_format->pb)
            avio_closep(&m_format->pb);
        avformat_free_context(m_format);
    }
}

bool FfmpegM4bWriter::fail(const QString &why)
{
    if (m_error.isEmpty())
        m_error = why;
    avcodec_free_context(&m_codec);
    return false;
}

bool FfmpegM4bWriter::failed(int code, const char *what)
{
    return fail(code < 0 ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(what), avError(code)) : QString::fromUtf8(what));
}

double FfmpegM4bWriter::seconds() const
{
    return m_sampleRate > 0 ? double(m_samples) / m_sampleRate : 0.0;
}

bool FfmpegM4bWriter::writeHeader()
{
    m_stream->time_base = AVRational{1, m_sampleRate};
    // An audiobook's brand, whatever the file's name: players treat an
    // M4B as a book (they remember its place).
    AVDictionary *options = nullptr;
    av_dict_set(&options, "brand", "M4B ", 0);
    const int code = avformat_write_header(m_format, &options);
    av_dict_free(&options);
    if (code < 0)
        return failed(code, "the MP4 header could not be written");
    return true;
}

bool FfmpegM4bWriter::startEncoding(int sampleRate, int kbps)
{
    if (!isOpen() || m_stream)
        return false;
    const AVCodec *aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!aac)
        return fail(QStringLiteral("FFmpeg has no AAC encoder"));
    m_stream = avformat_new_stream(m_format, nullptr);
    m_codec = avcodec_alloc_context3(aac);
    m_frame = av_frame_alloc();
    if (!m_stream || !m_codec || !m_frame)
        return fail(QStringLiteral("out of memory"));
    m_sampleRate = sampleRate;
    m_codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    m_codec->sample_rate = sampleRate;
    av_channel_layout_default(&m_codec->ch_layout, 1);
    m_codec->bit_rate = (kbps > 0 ? kbps : 64) * 1000;
    m_codec->time_base = AVRational{1, sampleRate};
    if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
        m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // The fast coder: the default searches far longer for a difference a
    // voice does not make. Noise substitution is for noisy music; on a
    // voice it buys nothing but a hiss now and then, and costs time.
    av_opt_set(m_codec->priv_data, "aac_coder", "fast", 0);
    av_opt_set_int(m_codec->priv_data, "aac_pns", 0, 0);
    if (const int code = avcodec_open2(m_codec, aac, nullptr); code < 0)
        return failed(code, "the AAC encoder could not be opened");
    m_frameSize = m_codec->frame_size;
    if (const int code = avcodec_parameters_from_context(m_stream->codecpar, m_codec); code < 0)
        return failed(code, "the AAC stream could not be set up");
    return writeHeader();
}

bool FfmpegM4bWriter::write(const qint16 *samples, qsizetype count)
{
    if (!isOpen() || !m_codec)
        return false;
    // What is left of the last call (less than a frame) moves to the front
    // once per call, not once per frame.
    const auto left = std::distance(m_pending.begin() + m_taken, m_pending.end());
    std::move(m_pending.begin() + m_taken, m_pending.end(), m_pending.begin());
    m_pending.resize(size_t(left + count));
    m_taken = 0;
    std::transform(samples, samples + count, m_pending.begin() + left, [](qint16 s) { return float(s) / 32768.0f; });
    while (qsizetype(m_pending.size()) - m_taken >= m_frameSize) {
        if (!encode(false))
            return false;
    }
    return true;
}

// One frame of the pending samples to the encoder, and whatever packets it
// has ready to the file. The last frame may be short: the encoder then
// knows where the sound ends, and so does the file.
bool FfmpegM4bWriter::encode(bool last)
{
    const qsizetype taken = std::min<qsizetype>(m_frameSize, qsizetype(m_pending.size()) - m_taken);
    if (taken == 0 && last)
        return true;
    av_frame_unref(m_frame);
    m_frame->nb_samples = int(taken);
    m_frame->format = m_codec->sample_fmt;
    m_frame->sample_rate = m_sampleRate;
    if (int code = av_channel_layout_copy(&m_frame->ch_layout, &m_codec->ch_layout); code < 0)
        return failed(code, "the encoder's frame could not be made");
    if (int code = av_frame_get_buffer(m_frame, 0); code < 0)
        return failed(code, "the encoder's frame could not be made");
    auto *into = reinterpret_cast<float *>(m_frame->data[0]);
    std::copy(m_pending.cbegin() + m_taken, m_pending.cbegin() + m_taken + taken, into);
    m_taken += taken;
    m_frame->pts = m_samples;
    m_samples += taken;
    if (int code = avcodec_send_frame(m_codec, m_frame); code < 0)
        return failed(code, "the AAC encoder failed");
    return drain();
}

bool FfmpegM4bWriter::drain()
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

bool FfmpegM4bWriter::appendPart(const QString &part, double *start)
{
    if (!isOpen() || m_codec)
        return false;
    AVFormatContext *in = nullptr;
    if (const int code = avformat_open_input(&in, QFile::encodeName(part).constData(), nullptr, nullptr); code < 0)
        return failed(code, "a part could not be read");
    const auto closeInput = qScopeGuard([&in] { avformat_close_input(&in); });
    const AVStream *from = in->nb_streams == 1 ? in->streams[0] : nullptr;
    if (!from || from->codecpar->codec_id != AV_CODEC_ID_AAC || from->codecpar->sample_rate <= 0)
        return fail(QStringLiteral("a part holds no AAC sound"));
    if (!m_stream) {
        m_stream = avformat_new_stream(m_format, nullptr);
        if (!m_stream)
            return fail(QStringLiteral("out of memory"));
        if (const int code = avcodec_parameters_copy(m_stream->codecpar, from->codecpar); code < 0)
            return failed(code, "the AAC stream could not be set up");
        m_stream->codecpar->codec_tag = 0;
        m_sampleRate = from->codecpar->sample_rate;
        if (from->codecpar->frame_size > 0)
            m_frameSize = from->codecpar->frame_size;
        if (!writeHeader())
            return false;
    } else if (from->codecpar->sample_rate != m_sampleRate
               || from->codecpar->ch_layout.nb_channels != m_stream->codecpar->ch_layout.nb_channels) {
        return fail(QStringLiteral("the parts' sound differs"));
    }
    // The part before goes on to this one: its last frame is whole.
    if (m_held->data && !writeHeld(false))
        return false;
    *start = seconds();
    const bool first = m_parts++ == 0;
    const qint64 offset = m_samples;
    const AVRational samples{1, m_sampleRate};
    for (;;) {
        const int code = av_read_frame(in, m_packet);
        if (code == AVERROR_EOF)
            break;
        if (code < 0)
            return failed(code, "a part could not be read");
        av_packet_rescale_ts(m_packet, from->time_base, samples);
        // The encoder's start-up frame comes before the sound: the file
        // begins with the first part's, which the container's edit list
        // hides; a later part's would be a gap.
        if (m_packet->pts < 0 && !first) {
            av_packet_unref(m_packet);
            continue;
        }
        m_packet->pts += offset;
        m_packet->dts = m_packet->pts;
        m_packet->stream_index = m_stream->index;
        m_packet->pos = -1;
        if (m_held->data && !writeHeld(false))
            return false;
        av_packet_move_ref(m_held, m_packet);
    }
    if (m_held->data)
        m_samples = m_held->pts + m_frameSize;
    return true;
}

// The packet held back, as a whole frame when more sound follows, else with
// the length its part gave it: the file ends where the sound does.
bool FfmpegM4bWriter::writeHeld(bool last)
{
    if (!last)
        m_held->duration = m_frameSize;
    m_samples = m_held->pts + m_held->duration;
    av_packet_rescale_ts(m_held, AVRational{1, m_sampleRate}, m_stream->time_base);
    if (const int code = av_interleaved_write_frame(m_format, m_held); code < 0)
        return failed(code, "the file could not be written");
    av_packet_unref(m_held);
    return true;
}

// The chapter track is made with the index, so the chapters may come once
// the sound is placed.
bool FfmpegM4bWriter::writeChapters()
{
    if (m_chapters.isEmpty())
        return true;
    const double total = seconds();
    m_format->chapters = static_cast<AVChapter **>(av_calloc(size_t(m_chapters.size()), sizeof(AVChapter *)));
    if (!m_format->chapters)
        return fail(QStringLiteral("out of memory"));
    const auto ms = [total](double seconds) { return int64_t(std::clamp(seconds, 0.0, total) * 1000.0 + 0.5); };
    for (qsizetype i = 0; i < m_chapters.size(); ++i) {
        auto *chapter = static_cast<AVChapter *>(av_mallocz(sizeof(AVChapter)));
        if (!chapter)
            return fail(QStringLiteral("out of memory"));
        chapter->id = i + 1;
        chapter->time_base = AVRational{1, 1000};
        chapter->start = i == 0 ? 0 : ms(m_chapters.at(i).start);
        chapter->end = i + 1 < m_chapters.size() ? ms(m_chapters.at(i + 1).start) : ms(total);
        chapter->end = std::max(chapter->end, chapter->start);
        setText(&chapter->metadata, "title", m_chapters.at(i).title);
        m_format->chapters[m_format->nb_chapters++] = chapter;
    }
    return true;
}

bool FfmpegM4bWriter::finish()
{
    if (!isOpen() || !m_stream)
        return false;
    if (m_codec) {
        while (m_taken < qsizetype(m_pending.size())) {
            if (!encode(true))
                return false;
        }
        if (int code = avcodec_send_frame(m_codec, nullptr); code < 0)
            return failed(code, "the AAC encoder failed");
        if (!drain())
            return false;
    } else if (m_held->data && !writeHeld(true)) {
        return false;
    }
    if (!writeChapters())
        return false;
    if (int code = av_write_trailer(m_format); code < 0)
        return failed(code, "the MP4 index could not be written");
    if (int code = avio_closep(&m_format->pb); code < 0)
        return failed(code, "the file could not be written");
    avcodec_free_context(&m_codec);
    return true;
}

// What M4bWriter looks for in this library.
extern "C" Q_DECL_EXPORT M4bWriter *sayora_m4b_writer(const QString &path, const M4bWriter::Tags &tags)
{
    return new FfmpegM4bWriter(path, tags);
}

extern "C" Q_DECL_EXPORT bool sayora_m4b_seconds(const QString &path, double *seconds)
{
    AVFormatContext *in = nullptr;
    if (avformat_open_input(&in, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return false;
    const auto close = qScopeGuard([&in] { avformat_close_input(&in); });
    if (in->duration <= 0 && avformat_find_stream_info(in, nullptr) < 0)
        return false;
    if (in->duration <= 0)
        return false;
    *seconds = double(in->duration) / AV_TIME_BASE;
    return true;
}
