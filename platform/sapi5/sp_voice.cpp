#include "sapi5/sp_voice.h"

#include "audio/speech_player.h"
#include "audio/wave_file.h"
#include "sapi5/espeak_engine.h"
#include "sapi5/speech_text.h"
#include "text/text_chunker.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>

namespace {

// Synthesis keeps about this much audio ahead of the play clock.
constexpr int kAheadMs = 1500;

QVariant bytePosition(qint64 samples)
{
    return QVariant::fromValue<qint64>(samples * 2);
}


}  // namespace

// ---- SpObjectToken ---------------------------------------------------------

SpObjectToken::SpObjectToken(QString id, QString description, QString language)
    : m_id(std::move(id)), m_description(std::move(description)), m_language(std::move(language))
{
}

QString SpObjectToken::GetDescription(int) const
{
    return m_description;
}

QString SpObjectToken::Id() const
{
    return m_id;
}

QString SpObjectToken::Language() const
{
    return m_language;
}

bool SpObjectToken::isNull() const
{
    return m_id.isEmpty();
}

bool SpObjectToken::operator==(const SpObjectToken &other) const
{
    return m_id == other.m_id;
}

// ---- SpVoice ---------------------------------------------------------------

struct SpVoice::Private
{
    struct Stream
    {
        long number = 0;
        QString text;
        QString espeakName;
        qsizetype next = 0;               // start of the text not yet synthesized
        bool toFile = false;              // rendered into a file, not played
        QPointer<SpFileStream> file;
        bool started = false;             // StartStream raised
        qint64 samples = 0;               // audio synthesized so far
        qsizetype markedUpTo = 0;         // end of the last word handed to the player
    };

    SpVoice *q = nullptr;
    QTimer remakeTimer;
    EspeakEngine *engine = nullptr;
    SpeechPlayer player;
    SpObjectToken voice;
    long rate = 0;
    long volume = 100;
    QPointer<SpFileStream> output;
    long lastStream = 0;
    std::deque<Stream> streams;  // front() is the one being spoken
    bool streamOpen = false;     // front() has been handed to the player or file
    quint64 inflightJob = 0;
    std::shared_ptr<std::atomic<quint64>> generation = std::make_shared<std::atomic<quint64>>(0);

    bool hasText(const Stream &s) const { return s.next < s.text.size(); }

    QString espeakNameFor(const SpObjectToken &token) const
    {
        for (const EspeakVoiceInfo &info : engine->voices()) {
            if (info.id == token.Id())
                return info.espeakName;
        }
        return token.Id();
    }

    void startNext()
    {
        if (streams.empty() || streamOpen)
            return;
        streamOpen = true;
        if (!streams.front().toFile)
            player.begin(engine->sampleRate());
        requestChunk();
    }

    void requestChunk()
    {
        if (inflightJob != 0 || streams.empty() || !streamOpen)
            return;
        Stream &s = streams.front();
        // White space alone makes no sound: the chunker steps over it.
        TextChunker::Piece piece;
        if (hasText(s) && TextChunker::next(s.text, s.next, TextChunker::pieceChars, &piece)) {
            s.next = piece.end;
            SynthRequest r;
            r.job = engine->newJobId();
            r.generation = generation;
            r.expectedGeneration = generation->load();
            r.espeakName = s.espeakName;
            r.wordsPerMinute = speechtext::wordsPerMinute(rate);
            r.text = s.text.mid(piece.start, piece.end - piece.start);
            inflightJob = r.job;
            chunkOffset = piece.start;
            engine->synthesize(r);
            return;
        }
        s.next = s.text.size();
        inputDone();
    }

    // The whole text of the front stream is synthesized.
    void inputDone()
    {
        if (streams.front().toFile)
            finishStream();
        else
            player.finishInput();
    }

    void onAudio(quint64 job, const QByteArray &pcm, const QList<WordMark> &marks)
    {
        if (job != inflightJob || streams.empty())
            return;
        Stream &s = streams.front();
        if (!s.toFile) {
            QList<WordMark> shifted = marks;
            for (WordMark &m : shifted)
                m.textPosition += chunkOffset;
            if (!shifted.isEmpty())
                s.markedUpTo = shifted.last().textPosition + shifted.last().length;
            s.samples += pcm.size() / 2;
            player.append(pcm, shifted);
            return;
        }
        // A file takes audio as fast as it comes; events follow the writing.
        const long number = s.number;
        const qint64 base = s.samples;
        QByteArray scaled = pcm;
        WaveFile::scale(scaled, std::clamp(volume, 0L, 100L) / 100.0);
        if (!s.started) {
            s.started = true;
            emit q->StartStream(number, bytePosition(0));
            if (!isFront(number))
                return;
        }
        const qint64 samples = scaled.size() / 2;
        for (const WordMark &m : marks) {
            const qint64 at = base + std::clamp<qint64>(m.sample, 0, samples);
            emit q->Word(number, bytePosition(at), chunkOffset + m.textPosition, m.length);
            if (!isFront(number))
                return;
        }
        // A file that refuses a write (a full disk) ends the text here; its
        // stream keeps the reason.
        if (s.file && !s.file->writePcm(scaled, engine->sampleRate()))
            s.next = s.text.size();
        s.samples += samples;
    }

    void onJobDone(quint64 job, bool)
    {
        if (job != inflightJob || streams.empty())
            return;
        inflightJob = 0;
        Stream &s = streams.front();
        if (!hasText(s)) {
            inputDone();
            return;
        }
        if (s.toFile || player.queuedSamples() < qint64(engine->sampleRate()) * kAheadMs / 1000)
            requestChunk();
    }

    // A new rate is heard from the next word the player has not started
    // yet: the audio made ahead at the old rate is dropped and the text
    // from that word on is made again. The stream goes on as one, so no
    // StartStream or EndStream comes and no word is raised twice.
    void remakeAhead()
    {
        if (streams.empty() || !streamOpen || streams.front().toFile || !player.isActive())
            return;
        Stream &s = streams.front();
        const bool inFlight = inflightJob != 0;
        const qint64 from = player.dropUnplayed();
        if (from < 0 && !inFlight)
            return;  // all that is made is already in the sink; the next piece takes the rate
        if (inFlight) {
            generation->fetch_add(1);
            inflightJob = 0;
        }
        if (from >= 0) {
            s.next = from;
            s.markedUpTo = 0;
        } else {
            // Nothing dropped: go on after the last word the sink has.
            s.next = std::max(chunkOffset, s.markedUpTo);
        }
        s.samples = player.appendedSamples();
        requestChunk();
    }

    bool isFront(long number) const { return !streams.empty() && streams.front().number == number && streamOpen; }

    void onStarted()
    {
        if (streams.empty())
            return;
        Stream &s = streams.front();
        s.started = true;
        emit q->StartStream(s.number, bytePosition(0));
    }

    void onWord(const WordMark &m)
    {
        if (streams.empty())
            return;
        emit q->Word(streams.front().number, bytePosition(m.sample), m.textPosition, m.length);
    }

    void onPlayerFinished(bool cancelled)
    {
        if (cancelled || streams.empty())
            return;  // a purge raises its own EndStream
        finishStream();
    }

    // The front stream has ended by itself.
    void finishStream()
    {
        const Stream s = streams.front();
        streams.pop_front();
        streamOpen = false;
        inflightJob = 0;
        // Speech with no sound still starts before it ends.
        if (!s.started)
            emit q->StartStream(s.number, bytePosition(0));
        // The next stream starts first, so a handler of EndStream sees the
        // voice as it will be (speaking on, or done).
        startNext();
        emit q->EndStream(s.number, bytePosition(s.samples));
    }

    void purge()
    {
        if (streams.empty())
            return;
        generation->fetch_add(1);
        inflightJob = 0;
        std::deque<Stream> dropped;
        dropped.swap(streams);
        const qint64 played = player.playedSamples();
        streamOpen = false;
        player.cancel();
        bool first = true;
        for (const Stream &s : dropped) {
            const qint64 pos = s.toFile ? s.samples : (first ? played : 0);
            first = false;
            emit q->EndStream(s.number, bytePosition(pos));
        }
    }

    qsizetype chunkOffset = 0;
};

SpVoice::SpVoice(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->q = this;
    // Reachable with findChild(), like the SAPI 4 object's, for measurements.
    d->player.setParent(this);
    // A dragged rate scrollbar changes the rate on every step: the audio made
    // ahead is made again once the changes pause, not for each of them.
    d->remakeTimer.setSingleShot(true);
    d->remakeTimer.setInterval(SpeechPlayer::remakeDelayMs);
    connect(&d->remakeTimer, &QTimer::timeout, this, [this] { d->remakeAhead(); });
    d->engine = EspeakEngine::instance();
    if (!d->engine->isValid())
        return;
    const QList<SpObjectToken> voices = GetVoices();
    auto it = std::find_if(voices.cbegin(), voices.cend(),
                           [](const SpObjectToken &t) { return t.Id() == QLatin1String("en-us"); });
    d->voice = it != voices.cend() ? *it : voices.value(0);

    connect(d->engine, &EspeakEngine::audio, this,
            [this](quint64 job, const QByteArray &pcm, const QList<WordMark> &marks) { d->onAudio(job, pcm, marks); });
    connect(d->engine, &EspeakEngine::voiceFailed, this, [this](quint64 job, const QString &why) {
        if (job != d->inflightJob || d->streams.empty())
            return;
        // The rest of the text would fail alike: the stream ends here.
        Private::Stream &s = d->streams.front();
        s.next = s.text.size();
        emit VoiceFailed(s.number, why);
    });
    connect(d->engine, &EspeakEngine::jobDone, this, [this](quint64 job, bool ok) { d->onJobDone(job, ok); });
    connect(&d->player, &SpeechPlayer::needData, this, [this] { d->requestChunk(); });
    connect(&d->player, &SpeechPlayer::started, this, [this] { d->onStarted(); });
    connect(&d->player, &SpeechPlayer::wordReached, this, [this](const WordMark &m) { d->onWord(m); });
    connect(&d->player, &SpeechPlayer::finished, this, [this](bool cancelled) { d->onPlayerFinished(cancelled); });
    connect(&d->player, &SpeechPlayer::firstSampleQueued, this, &SpVoice::firstSampleQueued);
}

SpVoice::~SpVoice()
{
    // Abandon queued jobs without raising events into a half-destroyed object.
    d->generation->fetch_add(1);
    d->streams.clear();
    d->player.disconnect(this);
}

bool SpVoice::isValid() const
{
    return d->engine->isValid();
}

QString SpVoice::errorString() const
{
    return d->engine->errorString();
}

QList<SpObjectToken> SpVoice::GetVoices(const QString &, const QString &) const
{
    QList<SpObjectToken> tokens;
    for (const EspeakVoiceInfo &info : d->engine->voices())
        tokens.append(SpObjectToken(info.id, info.description, info.language));
    return tokens;
}

SpObjectToken SpVoice::Voice() const
{
    return d->voice;
}

void SpVoice::setVoice(const SpObjectToken &token)
{
    if (!token.isNull())
        d->voice = token;
}

long SpVoice::Rate() const
{
    return d->rate;
}

void SpVoice::setRate(long rate)
{
    const long clamped = std::clamp(rate, -10L, 10L);
    if (clamped == d->rate)
        return;
    d->rate = clamped;
    if (isValid())
        d->remakeTimer.start();
}

long SpVoice::Volume() const
{
    return d->volume;
}

void SpVoice::setVolume(long volume)
{
    d->volume = std::clamp(volume, 0L, 100L);
    d->player.setVolume(d->volume / 100.0);
}

long SpVoice::Speak(const QString &text, int flags)
{
    if (!isValid())
        return 0;
    if (flags & SVSFPurgeBeforeSpeak)
        d->purge();
    if (text.isEmpty())
        return 0;
    Private::Stream s;
    s.number = ++d->lastStream;
    s.text = text;
    s.espeakName = d->espeakNameFor(d->voice);
    s.file = d->output;
    s.toFile = !d->output.isNull();
    d->streams.push_back(s);
    const long number = s.number;
    d->startNext();
    if (!(flags & SVSFlagsAsync))
        WaitUntilDone(-1);
    return number;
}

void SpVoice::Pause()
{
    d->player.pause();
}

void SpVoice::Resume()
{
    d->player.resume();
}

void SpVoice::setAudioOutputStream(SpFileStream *stream)
{
    d->output = stream;
}

SpFileStream *SpVoice::AudioOutputStream() const
{
    return d->output;
}

bool SpVoice::WaitUntilDone(long msTimeout)
{
    if (d->streams.empty())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &SpVoice::EndStream, &loop, [this, &loop] {
        if (d->streams.empty())
            loop.quit();
    });
    if (msTimeout >= 0)
        timer.start(int(std::min<long>(msTimeout, INT_MAX)));
    loop.exec();
    return d->streams.empty();
}

QString SpVoice::loadError(const SpObjectToken &token) const
{
    return isValid() ? d->engine->loadError(d->espeakNameFor(token)) : errorString();
}

int SpVoice::sampleRate() const
{
    return d->engine->sampleRate();
}

bool SpVoice::isSpeaking() const
{
    return !d->streams.empty();
}
