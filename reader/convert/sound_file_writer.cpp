#include "convert/sound_file_writer.h"

#include <QFile>
#include <algorithm>
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

SoundFileWriter::SoundFileWriter(const QString &path, Codec codec, int sampleRate, int kbps, const Tags &tags)
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
    if (kbps > 0 && codec != Codec::Flac) {
        // libsndfile sets a quality between 0 (best) and 1; over the rates
        // speech is sent at, it runs near linearly with the bit rate.
        const double best = codec == Codec::Opus ? 256.0 : 240.0, least = codec == Codec::Opus ? 6.0 : 32.0;
        double level = std::clamp(1.0 - (kbps - least) / (best - least), 0.0, 1.0);
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
        return fail(QStringLiteral("the file is not open"));
    if (m_resampler && m_error.isEmpty() && !resample(nullptr, 0, true))
        return false;
    sf_write_sync(m_file);
    const int result = sf_close(m_file);
    m_file = nullptr;
    if (result != 0)
        return fail(QString::fromLocal8Bit(sf_error_number(result)));
    return m_error.isEmpty();
}
