#include "export/speech_export.h"

#include "audio/wave_file.h"
#include "export/growing_wave_encoder.h"

#include <QFile>
#include <QFileInfo>

#include <samplerate.h>

SpeechExport::SpeechExport(QObject *parent)
    : QObject(parent)
    , m_files(this)
{
    m_stallTimer.setInterval(500);
    connect(&m_stallTimer, &QTimer::timeout, this, &SpeechExport::checkStall);
    connect(&m_files, &SoundFileCommit::encoderStarted, this, &SpeechExport::encoderStarted);
    connect(&m_files, &SoundFileCommit::encoderFinished, this, &SpeechExport::encoderDone);
}

SpeechExport::~SpeechExport()
{
    stopRendering();
    stopFollowing();
    m_files.cancel();
}

bool SpeechExport::prepare(const QString &target, Format format)
{
    m_format = format;
    m_error.clear();
    if (!m_files.prepare(target, format != Format::Wav)) {
        m_error = m_files.errorString();
        return false;
    }
    m_running = true;
    return true;
}

void SpeechExport::render(const QString &text, const FileVoice &voice)
{
    m_runs.clear();
    m_runIndex = -1;
    m_runOffset = 0;
    m_wholeLength = text.size();
    m_renderPath = tmpWav();
    m_text = text;
    m_rendered = 0;
    m_lastSize = -1;
    startRendering(voice);
    if (m_running)
        startFollowing(voice.sampleRate());
    if (m_running && m_stallSeconds > 0) {
        m_sinceGrowth.start();
        m_stallTimer.start();
    }
}

void SpeechExport::render(const QList<Run> &runs, int sampleRate)
{
    if (runs.size() == 1 && runs.first().offset == 0
        && (sampleRate == 0 || runs.first().voice.sampleRate() == sampleRate))
        return render(runs.first().text, runs.first().voice);
    m_runs = runs;
    m_runIndex = 0;
    m_wholeLength = runs.isEmpty() ? 0 : runs.last().offset + runs.last().text.size();
    m_rendered = 0;
    m_joinedRate = sampleRate;
    m_joinedBytes = 0;
    m_joined = std::make_unique<QFile>(tmpWav());
    // The header is written last, once the rate and the length are known.
    if (!m_joined->open(QIODevice::WriteOnly | QIODevice::Truncate)
        || m_joined->write(QByteArray(WaveFile::headerBytes, '\0')) != WaveFile::headerBytes)
        return fail(tr("The sound file could not be created: %1").arg(m_joined->errorString()));
    m_renderPath = tmpWav() + QStringLiteral(".run");
    startFollowing(m_joinedRate);
    if (m_runs.isEmpty())
        return renderingDone();
    startRun();
    if (m_running && m_stallSeconds > 0) {
        m_sinceGrowth.start();
        m_stallTimer.start();
    }
}

void SpeechExport::startRun()
{
    const Run &run = m_runs.at(m_runIndex);
    m_text = run.text;
    m_runOffset = run.offset;
    m_lastSize = -1;
    startRendering(run.voice);
}

// The run's sound after what is joined, at the joined rate. A run that
// made no sound (a voice with nothing to say for its text) adds nothing.
bool SpeechExport::appendRun(QString *why)
{
    const WaveFile::Info info = WaveFile::readFile(m_renderPath);
    QFile run(m_renderPath);
    const auto done = [&](bool ok) {
        run.close();
        QFile::remove(m_renderPath);
        return ok;
    };
    if (!info.valid || info.dataBytes < 2 || info.channels != 1)
        return done(true);
    if (!run.open(QIODevice::ReadOnly) || !run.seek(WaveFile::headerBytes)) {
        *why = run.errorString();
        return done(false);
    }
    if (m_joinedRate == 0)
        m_joinedRate = info.sampleRate;
    SRC_STATE *resampler = nullptr;
    const double ratio = double(m_joinedRate) / info.sampleRate;
    if (info.sampleRate != m_joinedRate) {
        int error = 0;
        resampler = src_new(SRC_SINC_MEDIUM_QUALITY, 1, &error);
        if (!resampler) {
            *why = QString::fromUtf8(src_strerror(error));
            return done(false);
        }
    }
    bool ok = true;
    std::vector<float> in, out;
    std::vector<short> samples;
    for (qint64 left = info.dataBytes & ~qint64(1); ok && left > 0;) {
        const QByteArray slice = run.read(std::min<qint64>(left, 1 << 20) & ~qint64(1));
        if (slice.isEmpty()) {
            *why = run.errorString();
            ok = false;
            break;
        }
        left -= slice.size();
        const long count = long(slice.size() / 2);
        if (!resampler) {
            ok = m_joined->write(slice) == slice.size();
            m_joinedBytes += slice.size();
            continue;
        }
        in.resize(size_t(count));
        src_short_to_float_array(reinterpret_cast<const short *>(slice.constData()), in.data(), int(count));
        out.resize(size_t(double(count) * ratio) + 64);
        SRC_DATA data{};
        data.data_in = in.data();
        data.input_frames = count;
        data.end_of_input = left == 0;
        data.src_ratio = ratio;
        // All of the slice is taken in, a piece of the output at a time.
        while (ok && (data.input_frames > 0 || data.end_of_input)) {
            data.data_out = out.data();
            data.output_frames = long(out.size());
            if (const int error = src_process(resampler, &data); error != 0) {
                *why = QString::fromUtf8(src_strerror(error));
                ok = false;
                break;
            }
            samples.resize(size_t(data.output_frames_gen));
            src_float_to_short_array(out.data(), samples.data(), int(data.output_frames_gen));
            const qint64 bytes = qint64(samples.size()) * 2;
            ok = m_joined->write(reinterpret_cast<const char *>(samples.data()), bytes) == bytes;
            m_joinedBytes += bytes;
            data.data_in += data.input_frames_used;
            data.input_frames -= data.input_frames_used;
            if (data.end_of_input && data.output_frames_gen == 0 && data.input_frames == 0)
                break;
        }
    }
    if (resampler)
        src_delete(resampler);
    if (ok && (!m_joined->flush() || m_joined->error() != QFileDevice::NoError)) {
        *why = m_joined->errorString();
        ok = false;
    }
    if (ok && m_follower)
        m_follower->grown();
    return done(ok);
}

bool SpeechExport::finishJoined(QString *why)
{
    const QByteArray header = WaveFile::header(m_joinedRate > 0 ? m_joinedRate : 22050, m_joinedBytes);
    const bool ok = m_joined->seek(0) && m_joined->write(header) == header.size() && m_joined->flush();
    if (!ok)
        *why = m_joined->errorString();
    m_joined->close();
    m_joined.reset();
    return ok;
}

void SpeechExport::startRendering(const FileVoice &voice)
{
    FileVoice::Events events;
    events.word = [this](qint64 position, qint64 audioBytes) { wordAt(position, audioBytes); };
    events.done = [this] { renderingDone(); };
    events.failed = [this](const QString &why) { fail(why); };
    m_rendering = voice.rendering(events);
    m_bytesPerSecond = 2.0 * voice.sampleRate();
    if (QString why; !m_rendering->start(m_text, m_renderPath, &why))
        fail(why);
}

void SpeechExport::wordAt(qint64 position, qint64 audioBytes)
{
    // The sound before the word is in the file: the encoder may go on.
    if (m_follower && m_runIndex < 0)
        m_follower->grown();
    const double before = m_joinedRate > 0 ? double(m_joinedBytes) / (2.0 * m_joinedRate) : 0.0;
    emit word(m_runOffset + position, before + double(audioBytes) / m_bytesPerSecond);
    const double rendered = m_wholeLength == 0 ? 0.0 : double(m_runOffset + position) / double(m_wholeLength);
    if (rendered > m_rendered) {
        m_rendered = rendered;
        emit progressed(m_rendered);
    }
}

void SpeechExport::checkStall()
{
    const qint64 written = m_rendering ? m_rendering->bytesWritten() : -1;
    const qint64 size = written >= 0 ? written : QFileInfo(m_renderPath).size();
    if (size != m_lastSize) {
        m_lastSize = size;
        m_sinceGrowth.restart();
        return;
    }
    if (m_sinceGrowth.elapsed() > qint64(m_stallSeconds) * 1000)
        fail(tr("The speech rendering made no progress for %n seconds.", nullptr, m_stallSeconds));
}

// Ends the engine's part, without waiting for anything.
void SpeechExport::stopRendering()
{
    m_stallTimer.stop();
    m_rendering.reset();
}

// What rendering run by run leaves behind, when it does not finish.
static void removeRunFiles(std::unique_ptr<QFile> &joined, qsizetype &runIndex, const QString &runPath)
{
    joined.reset();
    if (runIndex >= 0 && !runPath.isEmpty())
        QFile::remove(runPath);
    runIndex = -1;
}

void SpeechExport::renderingDone()
{
    if (!m_running)
        return;
    m_stallTimer.stop();
    // The audio is complete: the WAV is closed before anyone reads it.
    bool written = true;
    QString why;
    if (m_rendering)
        written = m_rendering->finish(&why);
    stopRendering();
    if (written && m_runIndex >= 0) {
        if (m_runIndex < m_runs.size())
            written = appendRun(&why);
        if (written && ++m_runIndex < m_runs.size()) {
            // Started from the event loop: the engine that ended the run
            // may still be inside its own notification.
            QMetaObject::invokeMethod(this, [this] {
                if (m_running && m_runIndex >= 0 && m_runIndex < m_runs.size()) {
                    startRun();
                    if (m_running && m_stallSeconds > 0) {
                        m_sinceGrowth.restart();
                        m_stallTimer.start();
                    }
                }
            }, Qt::QueuedConnection);
            return;
        }
        if (written)
            written = finishJoined(&why);
    }
    if (!written) {
        const QString full = SoundFileCommit::diskFull(tmpWav());
        return fail(!full.isEmpty() ? full : tr("The sound file could not be written: %1").arg(why));
    }
    m_rendered = 1;
    emit progressed(m_rendered);
    if (m_format == Format::Wav) {
        if (!m_files.keepWave())
            return fail(m_files.errorString());
        return succeed();
    }
    if (!m_follower) {
        if (!m_files.startEncoder())
            fail(m_files.errorString());
        return;
    }
    if (!m_files.checkRendering())
        return fail(m_files.errorString());
    const WaveFile::Info wave = WaveFile::readFile(tmpWav());
    m_renderingComplete = true;
    m_follower->complete(wave.dataBytes, wave.sampleRate);
    emit encoderStarted();
}

// The encoder follows the WAV from the start of the rendering.
void SpeechExport::startFollowing(int sampleRate)
{
    stopFollowing();
    m_renderingComplete = false;
    m_encodedHere = false;
    if (!m_makeSink || m_format == Format::Wav)
        return;
    m_follower = new GrowingWaveEncoder(this);
    connect(m_follower, &GrowingWaveEncoder::finished, this, &SpeechExport::followerDone);
    m_follower->start(tmpWav(), sampleRate, m_makeSink(tmpEncoded()));
}

void SpeechExport::followerDone(const QString &error)
{
    if (!m_running)
        return;
    if (!error.isEmpty()) {
        const QString full = SoundFileCommit::diskFull(tmpEncoded());
        return fail(!full.isEmpty() ? full : tr("The sound could not be encoded: %1").arg(error));
    }
    // The encoder only ends by itself once the rendering is complete.
    const bool kept = m_format == Format::Mp3 ? m_files.keepMp3(m_files.waveSeconds()) : m_files.keepEncoded();
    if (!kept)
        return fail(m_files.errorString());
    m_encodedHere = true;
    succeed();
}

bool SpeechExport::encoderRunning() const
{
    return m_follower ? m_renderingComplete && m_follower->running() : m_files.encoderRunning();
}

double SpeechExport::encoded() const
{
    if (m_follower)
        return m_follower->progress(m_rendered);
    return m_encodedHere ? 1.0 : m_files.encodedFraction();
}

void SpeechExport::encoderDone()
{
    if (!m_running)
        return;
    if (!m_files.finish())
        return fail(m_files.errorString());
    succeed();
}

// The encoder ends before its file is removed.
void SpeechExport::stopFollowing()
{
    // Later: this may be the encoder's own finished().
    if (GrowingWaveEncoder *follower = std::exchange(m_follower, nullptr)) {
        follower->disconnect(this);
        follower->stop();
        follower->deleteLater();
    }
}

void SpeechExport::cancel()
{
    if (!m_running)
        return;
    stopRendering();
    stopFollowing();
    removeRunFiles(m_joined, m_runIndex, m_renderPath);
    m_files.cancel();
    m_running = false;
    emit finished(false, QString());
}

void SpeechExport::fail(const QString &why)
{
    if (!m_running)
        return;
    stopRendering();
    stopFollowing();
    removeRunFiles(m_joined, m_runIndex, m_renderPath);
    m_files.cancel();
    m_error = why;
    m_running = false;
    emit finished(false, why);
}

void SpeechExport::succeed()
{
    stopFollowing();
    m_running = false;
    emit finished(true, m_files.notice());
}
