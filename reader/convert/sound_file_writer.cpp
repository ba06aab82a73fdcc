#include "convert/sound_file_writer.h"

#include <QCoreApplication>

#include <QFile>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include <samplerate.h>
#include <sndfile.h>

int SoundFileWriter::fileRate(Codec codec, int sampleRate)
{
    if (codec != Codec::Opus)
        return sampleRate;
    for (const int rate : {8000, 12000, 16000, 24000, 48000}) {
        if (rate >= sampleRate)
            return rate;
    }
    return 48000;
}

namespace {

// A file that is only counted: how many bytes an encoder makes.
struct CountedFile
{
    sf_count_t size = 0;
    sf_count_t position = 0;
};

SF_VIRTUAL_IO countingIo()
{
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void *file) { return static_cast<CountedFile *>(file)->size; };
    io.seek = [](sf_count_t offset, int whence, void *file) {
        auto *counted = static_cast<CountedFile *>(file);
        counted->position = whence == SEEK_SET ? offset : whence == SEEK_CUR ? counted->position + offset : counted->size + offset;
        return counted->position;
    };
    io.read = [](void *, sf_count_t, void *) -> sf_count_t { return 0; };
    io.write = [](const void *, sf_count_t count, void *file) {
        auto *counted = static_cast<CountedFile *>(file);
        counted->position += count;
        counted->size = std::max(counted->size, counted->position);
        return count;
    };
    io.tell = [](void *file) { return static_cast<CountedFile *>(file)->position; };
    return io;
}

}  // namespace

double SoundFileWriter::vorbisKbps(int sampleRate, double level, const QByteArray &sample)
{
    const qsizetype count = sample.size() / 2;
    if (count == 0 || sampleRate <= 0)
        return 0;
    CountedFile counted;
    SF_VIRTUAL_IO io = countingIo();
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE *file = sf_open_virtual(&io, SFM_WRITE, &info, &counted);
    if (!file)
        return 0;
    sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    sf_write_short(file, reinterpret_cast<const short *>(sample.constData()), count);
    sf_close(file);
    return double(counted.size) * 8.0 / (double(count) / sampleRate) / 1000.0;
}

double SoundFileWriter::vorbisLevel(int kbps, int sampleRate, const QByteArray &sample)
{
    // Vorbis takes a quality, not a rate, and what a quality gives depends
    // on the sample rate and on the sound: measured on the speech itself,
    // at a few levels, and taken between the two nearest.
    QByteArray measured = sample;
    if (measured.isEmpty()) {
        // Nothing to measure: a tone's worth of bytes stands in.
        measured.resize(qsizetype(sampleRate) * 2 * 5);
        auto *samples = reinterpret_cast<qint16 *>(measured.data());
        for (qsizetype i = 0; i < measured.size() / 2; ++i)
            samples[i] = qint16(8000 * std::sin(double(i) * 0.05) * std::sin(double(i) * 0.0007));
    }
    constexpr double levels[] = {0.0, 0.25, 0.5, 0.75, 1.0};
    double rates[std::size(levels)];
    for (size_t i = 0; i < std::size(levels); ++i)
        rates[i] = vorbisKbps(sampleRate, levels[i], measured);
    m_reachable = {int(std::lround(rates[std::size(levels) - 1])), int(std::lround(rates[0]))};
    if (kbps >= rates[0])
        return levels[0];
    for (size_t i = 1; i < std::size(levels); ++i) {
        if (kbps >= rates[i]) {
            const double share = rates[i - 1] > rates[i] ? (rates[i - 1] - kbps) / (rates[i - 1] - rates[i]) : 0.0;
            return levels[i - 1] + share * (levels[i] - levels[i - 1]);
        }
    }
    return levels[std::size(levels) - 1];
}

QString SoundFileWriter::bitrateNote(int kbps) const
{
    if (kbps <= 0 || m_reachable.first <= 0)
        return {};
    // A little either way is as near as the encoder comes anyhow.
    if (kbps < m_reachable.first * 0.9 || kbps > m_reachable.second * 1.1)
        return QCoreApplication::translate("Convert", "Ogg Vorbis reaches %1 to %2 kbit/s at this voice's sample rate, not %3; the nearest was taken")
            .arg(m_reachable.first).arg(m_reachable.second).arg(kbps);
    return {};
}

SoundFileWriter::SoundFileWriter(const QString &path, Codec codec, int sampleRate, int kbps, const Tags &tags,
                                 const QByteArray &sample)
{
    SF_INFO info{};
    info.samplerate = fileRate(codec, sampleRate);
    info.channels = 1;
    info.format = codec == Codec::Flac    ? SF_FORMAT_FLAC | SF_FORMAT_PCM_16
                  : codec == Codec::Opus ? SF_FORMAT_OGG | SF_FORMAT_OPUS
                                         : SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    m_file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!m_file) {
        m_error = QString::fromLocal8Bit(sf_strerror(nullptr));
        return;
    }
    if (kbps > 0 && codec == Codec::Opus) {
        // libsndfile sets a quality between 0 (best) and 1; over the rates
        // speech is sent at, it runs near linearly with the bit rate.
        const double best = 256.0, least = 6.0;
        double level = std::clamp(1.0 - (kbps - least) / (best - least), 0.0, 1.0);
        sf_command(m_file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    } else if (kbps > 0 && codec == Codec::Vorbis) {
        double level = vorbisLevel(kbps, info.samplerate, sample);
        sf_command(m_file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
    const std::pair<int, QString> strings[] = {
        {SF_STR_TITLE, tags.title}, {SF_STR_ARTIST, tags.artist}, {SF_STR_ALBUM, tags.album}, {SF_STR_TRACKNUMBER, tags.track}};
    for (const auto &[kind, text] : strings) {
        if (!text.trimmed().isEmpty())
            sf_set_string(m_file, kind, text.simplified().toUtf8().constData());
    }
    if (info.samplerate != sampleRate) {
        int error = 0;
        m_resampler = src_new(SRC_SINC_MEDIUM_QUALITY, 1, &error);
        m_ratio = double(info.samplerate) / sampleRate;
        if (!m_resampler)
            fail(QString::fromLocal8Bit(src_strerror(error)));
    }
}

SoundFileWriter::~SoundFileWriter()
{
    if (m_resampler)
        src_delete(m_resampler);
    if (m_file)
        sf_close(m_file);
}

bool SoundFileWriter::fail(const QString &why)
{
    if (m_error.isEmpty())
        m_error = why;
    return false;
}

bool SoundFileWriter::writeFloats(const float *samples, qsizetype count)
{
    if (sf_write_float(m_file, samples, count) != count)
        return fail(QString::fromLocal8Bit(sf_strerror(m_file)));
    return true;
}

bool SoundFileWriter::write(const qint16 *samples, qsizetype count)
{
    if (!m_file || !m_error.isEmpty())
        return false;
    if (!m_resampler) {
        if (sf_write_short(m_file, samples, count) != count)
            return fail(QString::fromLocal8Bit(sf_strerror(m_file)));
        return true;
    }
    std::vector<float> in(size_t(count), 0.0f);
    src_short_to_float_array(samples, in.data(), int(count));
    return resample(in.data(), count, false);
}

// Through the resampler into the file; at the end of the input, what the
// filter still holds comes out too.
bool SoundFileWriter::resample(const float *samples, qsizetype count, bool last)
{
    std::vector<float> out(size_t(double(count) * m_ratio) + 4096);
    SRC_DATA data{};
    data.data_in = samples;
    data.input_frames = long(count);
    data.src_ratio = m_ratio;
    data.end_of_input = last ? 1 : 0;
    do {
        data.data_out = out.data();
        data.output_frames = long(out.size());
        if (const int error = src_process(m_resampler, &data))
            return fail(QString::fromLocal8Bit(src_strerror(error)));
        if (!writeFloats(out.data(), data.output_frames_gen))
            return false;
        data.data_in += data.input_frames_used;
        data.input_frames -= data.input_frames_used;
        if (data.input_frames_used == 0 && data.output_frames_gen == 0)
            break;
    } while (data.input_frames > 0 || last);
    return true;
}

bool SoundFileWriter::finish()
{
    if (!m_file)
        return fail(QCoreApplication::translate("Convert", "the file is not open"));
    if (m_resampler && m_error.isEmpty() && !resample(nullptr, 0, true))
        return false;
    sf_write_sync(m_file);
    const int result = sf_close(m_file);
    m_file = nullptr;
    if (result != 0)
        return fail(QString::fromLocal8Bit(sf_error_number(result)));
    return m_error.isEmpty();
}
