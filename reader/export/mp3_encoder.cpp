#include "export/mp3_encoder.h"

#include <lame/lame.h>

namespace {

// What the lame program's -f sets.
constexpr int fastQuality = 7;

}  // namespace

Mp3Encoder::Mp3Encoder(const QString &path, int kbps, const QByteArray &tag)
    : m_file(path)
    , m_kbps(kbps)
    , m_tag(tag)
{
}

Mp3Encoder::~Mp3Encoder()
{
    if (m_lame)
        lame_close(m_lame);
}

bool Mp3Encoder::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool Mp3Encoder::open(int sampleRate)
{
    if (m_lame)
        lame_close(std::exchange(m_lame, nullptr));
    m_file.close();
    m_lame = lame_init();
    if (!m_lame)
        return fail(tr("the MP3 encoder could not be started"));
    lame_set_in_samplerate(m_lame, sampleRate);
    lame_set_num_channels(m_lame, 1);
    lame_set_quality(m_lame, fastQuality);
    if (m_kbps > 0)
        lame_set_brate(m_lame, m_kbps);
    if (lame_init_params(m_lame) < 0)
        return fail(tr("the MP3 encoder does not take this sound (%1 Hz at %2 kbit/s)").arg(sampleRate).arg(m_kbps));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(m_file.errorString());
    return put(reinterpret_cast<const unsigned char *>(m_tag.constData()), int(m_tag.size()));
}

bool Mp3Encoder::put(const unsigned char *bytes, int count)
{
    if (count < 0)
        return fail(tr("the MP3 encoder failed (error %1)").arg(count));
    if (count > 0 && m_file.write(reinterpret_cast<const char *>(bytes), count) != count)
        return fail(m_file.errorString());
    return true;
}

bool Mp3Encoder::write(const qint16 *samples, qsizetype count)
{
    if (!m_lame)
        return fail(tr("the MP3 encoder was not started"));
    // In pieces the encoder's int counts hold, with its worst case of output.
    constexpr qsizetype most = 1 << 20;
    for (qsizetype at = 0; at < count; at += most) {
        const int n = int(std::min(most, count - at));
        m_frames.resize(qsizetype(n) * 5 / 4 + 7200);
        auto *out = reinterpret_cast<unsigned char *>(m_frames.data());
        if (!put(out, lame_encode_buffer(m_lame, samples + at, nullptr, n, out, int(m_frames.size()))))
            return false;
    }
    return true;
}

bool Mp3Encoder::finish()
{
    if (!m_lame)
        return fail(tr("the MP3 encoder was not started"));
    m_frames.resize(7200);
    auto *out = reinterpret_cast<unsigned char *>(m_frames.data());
    if (!put(out, lame_encode_flush(m_lame, out, int(m_frames.size()))))
        return false;
    // The "Info" frame in the place kept for it, after the tag.
    const size_t info = lame_get_lametag_frame(m_lame, out, size_t(m_frames.size()));
    if (info > 0 && !m_file.seek(m_tag.size()))
        return fail(m_file.errorString());
    if (info > 0 && !put(out, int(info)))
        return false;
    if (!m_file.flush())
        return fail(m_file.errorString());
    m_file.close();
    return true;
}
