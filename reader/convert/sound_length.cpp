#include "convert/sound_length.h"

#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "convert/m4b_writer.h"

#include <QFile>

#include <sndfile.h>

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
        return M4bWriter::fileSeconds(path, seconds);
    case Convert::Format::Text:
        break;
    }
    return false;
}

}  // namespace SoundLength
