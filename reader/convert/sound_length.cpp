#include "convert/sound_length.h"

#include "audio/mp3_stream.h"
#include "audio/wave_file.h"

#include <QFile>
#include <QScopeGuard>

#include <sndfile.h>

extern "C" {
#include <libavformat/avformat.h>
}

namespace SoundLength {

namespace {

// Ogg Vorbis, Ogg Opus and FLAC, as libsndfile wrote them.
bool sndfileSeconds(const QString &path, double *seconds)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return false;
    sf_close(file);
    if (info.samplerate <= 0)
        return false;
    *seconds = double(info.frames) / info.samplerate;
    return true;
}

// An audiobook, as its container gives its duration.
bool mp4Seconds(const QString &path, double *seconds)
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

}  // namespace

bool seconds(const QString &path, Convert::Format format, double *seconds)
{
    switch (format) {
    case Convert::Format::Mp3:
        return Mp3Stream::checkFile(path, seconds);
    case Convert::Format::Wav: {
        const WaveFile::Info info = WaveFile::readFile(path);
        *seconds = info.seconds();
        return info.valid;
    }
    case Convert::Format::Ogg:
    case Convert::Format::Opus:
    case Convert::Format::Flac:
        return sndfileSeconds(path, seconds);
    case Convert::Format::M4b:
        return mp4Seconds(path, seconds);
    case Convert::Format::Text:
        break;
    }
    return false;
}

}  // namespace SoundLength
