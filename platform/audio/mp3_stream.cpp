#include "audio/mp3_stream.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace Mp3Stream {

namespace {

constexpr int bitratesV1[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
constexpr int bitratesV2[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
constexpr int sampleRates[3] = {44100, 48000, 32000};

// What a decoder adds before the first sample to the encoder's own delay.
constexpr int decoderDelay = 529;
// LAME's encoder delay, when its notes do not say.
constexpr int lameDelay = 576;

bool mpeg1(quint32 header) { return ((header >> 19) & 3) == 3; }
bool mono(quint32 header) { return ((header >> 6) & 3) == 3; }

// The side information between a frame's header and its main data, where
// the informational notes begin.
int sideInfoBytes(quint32 header)
{
    return mpeg1(header) ? (mono(header) ? 17 : 32) : (mono(header) ? 9 : 17);
}

qsizetype frameLength(quint32 header, int bitrateIndex, int sampleRate)
{
    const int kbps = (mpeg1(header) ? bitratesV1 : bitratesV2)[bitrateIndex];
    const int samples = mpeg1(header) ? 1152 : 576;
    return qsizetype(samples / 8 * kbps * 1000 / sampleRate);
}

// Where the notes' "Xing" or "Info" stands in the frame at `at`, or -1.
qsizetype notesAt(QByteArrayView bytes, qsizetype at, const Frame &frame)
{
    const qsizetype tag = at + 4 + sideInfoBytes(frame.header);
    if (tag + 8 > at + frame.length || tag + 8 > bytes.size())
        return -1;
    const QByteArrayView name = bytes.sliced(tag, 4);
    return name == "Xing" || name == "Info" ? tag : -1;
}

void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToBigEndian<quint32>(value, bytes.data() + at);
}

}  // namespace

bool frameAt(QByteArrayView bytes, qsizetype at, Frame *frame)
{
    if (at < 0 || at + 4 > bytes.size())
        return false;
    const quint32 h = qFromBigEndian<quint32>(bytes.data() + at);
    const int version = (h >> 19) & 3;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    const int layer = (h >> 17) & 3;    // 1 layer III
    const int bitrateIndex = (h >> 12) & 15;
    const int rateIndex = (h >> 10) & 3;
    if ((h & 0xFFE00000) != 0xFFE00000 || version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15
        || rateIndex == 3)
        return false;
    frame->header = h;
    frame->sampleRate = sampleRates[rateIndex] >> (mpeg1(h) ? 0 : version == 2 ? 1 : 2);
    frame->samples = mpeg1(h) ? 1152 : 576;
    frame->kbps = (mpeg1(h) ? bitratesV1 : bitratesV2)[bitrateIndex];
    frame->length = frameLength(h, bitrateIndex, frame->sampleRate) + ((h >> 9) & 1);
    return true;
}

qsizetype firstFrame(QByteArrayView bytes)
{
    // "ID3", version, flags, then a 28-bit size in 7-bit bytes.
    if (bytes.size() < 10 || !bytes.startsWith("ID3"))
        return 0;
    const auto b = [&bytes](int i) { return quint32(quint8(bytes.at(i)) & 0x7F); };
    return 10 + qsizetype((b(6) << 21) | (b(7) << 14) | (b(8) << 7) | b(9));
}

bool isInfoFrame(QByteArrayView bytes, qsizetype at, const Frame &frame, int *delaySamples)
{
    const qsizetype tag = notesAt(bytes, at, frame);
    if (tag < 0)
        return false;
    if (delaySamples) {
        *delaySamples = lameDelay + decoderDelay;
        const quint32 flags = qFromBigEndian<quint32>(bytes.data() + tag + 4);
        qsizetype lame = tag + 8 + ((flags & 1) ? 4 : 0) + ((flags & 2) ? 4 : 0) + ((flags & 4) ? 100 : 0)
                         + ((flags & 8) ? 4 : 0);
        // LAME's notes: its name and version, then at 21 bytes in the
        // delay and the padding, 12 bits each.
        if (lame + 24 <= std::min(bytes.size(), at + frame.length) && bytes.sliced(lame, 4) == "LAME") {
            const quint8 *d = reinterpret_cast<const quint8 *>(bytes.data() + lame + 21);
            *delaySamples = ((d[0] << 4) | (d[1] >> 4)) + decoderDelay;
        }
    }
    return true;
}

bool check(QByteArrayView bytes, double *seconds)
{
    qsizetype at = firstFrame(bytes);
    qint64 frames = 0;
    double total = 0;
    Frame frame;
    while (frameAt(bytes, at, &frame)) {
        if (at + frame.length > bytes.size())
            break;  // a cut frame
        at += frame.length;
        ++frames;
        total += frame.seconds();
    }
    // Only a trailing ID3v1 tag ("TAG", 128 bytes) may follow the frames.
    const qsizetype rest = bytes.size() - at;
    const bool clean = rest == 0 || (rest == 128 && bytes.sliced(at, 3) == "TAG");
    *seconds = total;
    return frames > 0 && clean;
}

bool checkFile(const QString &path, double *seconds)
{
    *seconds = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    qint64 at = firstFrame(file.read(10));
    qint64 frames = 0;
    QByteArray slice;
    qint64 sliceAt = at;
    file.seek(at);
    Frame frame;
    for (;;) {
        qint64 offset = at - sliceAt;
        if (offset + 4 > slice.size()) {
            // The next header, and what follows it, from the file.
            if (offset >= slice.size()) {
                file.seek(at);
                slice = file.read(1 << 20);
            } else {
                slice = slice.mid(offset) + file.read(1 << 20);
            }
            sliceAt = at;
            offset = 0;
        }
        if (!frameAt(slice, offset, &frame) || at + frame.length > size)
            break;
        at += frame.length;
        ++frames;
        *seconds += frame.seconds();
    }
    // Only a trailing ID3v1 tag ("TAG", 128 bytes) may follow the frames.
    const qint64 rest = size - at;
    bool clean = rest == 0;
    if (rest == 128 && file.seek(at))
        clean = file.read(3) == "TAG";
    return frames > 0 && clean;
}

Joiner::Joiner(const QString &path)
    : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        m_error = m_file.errorString();
}

Joiner::~Joiner() = default;

bool Joiner::fail(const QString &why)
{
    if (m_error.isEmpty())
        m_error = why;
    return false;
}

bool Joiner::write(QByteArrayView bytes)
{
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
        return fail(m_file.errorString());
    return true;
}

void Joiner::noteFrame(qint64 offset)
{
    if (m_frames % m_stride == 0)
        m_offsets.append(offset);
    if (m_offsets.size() >= 4096) {
        QList<qint64> half;
        half.reserve(2048);
        for (qsizetype i = 0; i < m_offsets.size(); i += 2)
            half.append(m_offsets.at(i));
        m_offsets = std::move(half);
        m_stride *= 2;
    }
}

bool Joiner::append(QByteArrayView part, double *soundStart, double *seconds)
{
    if (!m_error.isEmpty())
        return false;
    qsizetype at = firstFrame(part);
    Frame frame;
    if (!frameAt(part, at, &frame))
        return fail(QStringLiteral("a part holds no MP3 sound"));
    int delay = 0;
    if (isInfoFrame(part, at, frame, &delay))
        at += frame.length;
    else
        delay = lameDelay + decoderDelay;
    if (m_infoAt < 0) {
        // Room for the notes, in a frame of the sound's own kind; none in a
        // stream that cannot be gone back to (a pipe).
        if (!frameAt(part, at, &m_first))
            return fail(QStringLiteral("a part holds no MP3 sound"));
        m_infoAt = m_file.isSequential() ? 0 : m_file.pos();
        if (!m_file.isSequential()) {
            const int needed = 4 + sideInfoBytes(m_first.header) + 8 + 8 + 100;
            int index = 1;
            while (index < 14 && frameLength(m_first.header, index, m_first.sampleRate) < needed)
                ++index;
            m_infoIndex = index;
            m_infoLength = frameLength(m_first.header, index, m_first.sampleRate);
            if (!write(QByteArray(m_infoLength, '\0')))
                return false;
        }
    }
    const double startedAt = m_seconds;
    const qsizetype from = at;
    double partSeconds = 0;
    while (frameAt(part, at, &frame) && at + frame.length <= part.size()) {
        if (frame.sampleRate != m_first.sampleRate || mono(frame.header) != mono(m_first.header))
            return fail(QStringLiteral("the parts were encoded differently"));
        m_variable = m_variable || frame.kbps != m_first.kbps;
        noteFrame(m_file.pos() - m_infoAt + (at - from));
        at += frame.length;
        ++m_frames;
        partSeconds += frame.seconds();
    }
    const qsizetype rest = part.size() - at;
    if (at == from || !(rest == 0 || (rest == 128 && part.sliced(at, 3) == "TAG")))
        return fail(QStringLiteral("a part is not a complete MP3 file"));
    if (!write(part.sliced(from, at - from)))
        return false;
    m_seconds += partSeconds;
    if (soundStart)
        *soundStart = startedAt + double(delay) / m_first.sampleRate;
    if (seconds)
        *seconds = partSeconds;
    return true;
}

bool Joiner::finish()
{
    if (!m_error.isEmpty())
        return false;
    if (m_infoAt < 0)
        return fail(QStringLiteral("there is no sound to write"));
    if (m_infoLength == 0) {
        if (!m_file.flush())
            return fail(m_file.errorString());
        m_file.close();
        return true;
    }
    const qint64 bytes = m_file.pos() - m_infoAt;
    // A frame header of the sound's kind, its rate index the one that fits
    // the notes, no CRC and no padding.
    QByteArray info(m_infoLength, '\0');
    const quint32 header = (m_first.header & ~(0xFu << 12) & ~(1u << 9)) | (1u << 16) | (quint32(m_infoIndex) << 12);
    put32(info, 0, header);
    const qsizetype tag = 4 + sideInfoBytes(header);
    // "Info" tells a player the rate is constant; "Xing" that it varies.
    std::memcpy(info.data() + tag, m_variable ? "Xing" : "Info", 4);
    put32(info, tag + 4, 0x7);  // frames, bytes and the table of contents
    put32(info, tag + 8, quint32(std::min<qint64>(m_frames, 0xFFFFFFFF)));
    put32(info, tag + 12, quint32(std::min<qint64>(bytes, 0xFFFFFFFF)));
    // Each hundredth of the duration, as a 256th of the file.
    for (int i = 0; i < 100; ++i) {
        const qint64 frame = m_frames * i / 100;
        const qint64 offset = m_offsets.value(qsizetype(frame / m_stride), bytes);
        info[tag + 16 + i] = char(std::min<qint64>(255, offset * 256 / std::max<qint64>(1, bytes)));
    }
    if (!m_file.seek(m_infoAt) || !write(info))
        return fail(m_file.errorString());
    if (!m_file.flush())
        return fail(m_file.errorString());
    m_file.close();
    return true;
}

}  // namespace Mp3Stream
