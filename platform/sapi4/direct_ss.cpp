#include "direct_ss.h"

#include "audio/speech_player.h"
#include "flite_thread.h"
#include "flite_voices.h"
#include "mode_finder.h"
#include "sapi4_logging.h"
#include "text/text_chunker.h"

#include <QMetaObject>
#include <QTimer>
#include <QMutex>
#include <algorithm>
#include <deque>
#include <optional>

Q_LOGGING_CATEGORY(lcSapi4, "sayora.sapi4")

namespace {

// The first piece of a run is short (how short depends on the voice) so
// that the first sound comes quickly even from the slowest voice; later
// pieces are longer, fewer utterances.
constexpr qsizetype kPieceChars = TextChunker::pieceChars;

constexpr int kMaxVolume = 65535;


// Marks handed to the player carry the text they belong to in their upper
// bits, so a position taken back from the player names its text even across
// the boundary between two queued texts.
constexpr int kTextShift = 36;
constexpr qint64 kOffsetMask = (qint64(1) << kTextShift) - 1;
constexpr quint64 kTextIdMask = (quint64(1) << (63 - kTextShift)) - 1;

qint64 tagged(quint64 textId, qint64 offset)
{
    return qint64((textId & kTextIdMask) << kTextShift) | (offset & kOffsetMask);
}

} // namespace

// What the flite thread shares with its owner: the generation that makes
// stale work void (bumped by a reset), and the object to deliver results to, cleared (under the
// mutex) when the owner goes away.
struct Sapi4Channel
{
    mutable QMutex mutex;
    QObject *target = nullptr;
    quint64 generation = 0;

    quint64 current() const
    {
        QMutexLocker lock(&mutex);
        return generation;
    }
    void advance()
    {
        QMutexLocker lock(&mutex);
        ++generation;
    }
};

struct DirectSS::Private
{
    QTimer *remakeTimer = nullptr;
    struct Queued
    {
        QString text;
        qsizetype position = 0;  // where the next piece is looked for
        quint64 id = 0;
        bool nextRun = false;    // queued after the run's input had closed
    };

    // A piece of a text handed to flite in this run; kept while its audio
    // may still be dropped and made again.
    struct Sent
    {
        quint64 textId = 0;
        QString text;
        qsizetype start = 0;
        qint64 firstSample = -1;  // in the player's stream; -1 while in flight
    };

    DirectSS *q = nullptr;
    QList<FliteVoice> engines;
    int current = -1;  // 0-based
    QList<int> speed;
    QList<int> pitch;
    int volumeLeft = kMaxVolume;
    int volumeRight = kMaxVolume;

    std::shared_ptr<FliteThread> thread;
    std::shared_ptr<Sapi4Channel> channel = std::make_shared<Sapi4Channel>();
    SpeechPlayer *player = nullptr;

    // The run: speech played as one stream, from the first Speak until the
    // queue has run dry. Its engine stays fixed (the stream has one rate).
    std::deque<Queued> queue;
    int runEngine = -1;
    bool runActive = false;
    bool firstPiece = true;
    // The next piece leaves out flite's pause before its first word: it
    // starts a reading, or goes on with a sentence cut short.
    bool trimNext = true;
    bool inFlight = false;
    bool wantMore = false;
    bool inputFinished = false;
    bool paused = false;
    quint64 lastTextId = 0;
    std::deque<Sent> sent;        // pieces whose audio is in the player, in order
    std::optional<Sent> flying;   // the piece flite is working on
    bool flyingStarted = false;   // its first audio reached the player (it is in sent too)

    bool valid(int index) const { return index >= 0 && index < engines.size(); }

    void startRun()
    {
        runEngine = current;
        runActive = true;
        firstPiece = true;
        trimNext = true;
        inFlight = false;
        wantMore = true;
        inputFinished = false;
        sent.clear();
        flying.reset();
        flyingStarted = false;
        for (Queued &text : queue)
            text.nextRun = false;
        player->setVolume(double(volumeLeft) / kMaxVolume);
        // flite starts on the first piece while the audio output opens.
        pump();
        player->begin(engines.at(runEngine).sampleRate);
        if (inputFinished)
            player->finishInput();
        if (paused)
            player->pause();
    }

    // Sends the next piece to flite when the player wants audio, or closes
    // the input when the queue has run dry. One piece is in flight at most,
    // so at most one piece more than the player asked for exists.
    void pump()
    {
        if (!runActive || inFlight || inputFinished)
            return;
        const FliteVoice &voice = engines.at(runEngine);
        const qsizetype limit = firstPiece ? std::min<qsizetype>(voice.firstPieceChars, kPieceChars) : kPieceChars;
        TextChunker::Piece piece;
        while (!queue.empty() && !queue.front().nextRun) {
            Queued &front = queue.front();
            if (TextChunker::next(front.text, front.position, limit, &piece))
                break;
            queue.pop_front();
        }
        if (queue.empty() || queue.front().nextRun) {
            inputFinished = true;
            player->finishInput();
            return;
        }
        if (!wantMore)
            return;

        Queued &front = queue.front();
        // A piece cut inside its sentence goes on in the next one, where
        // flite's pause before the first word would be a gap mid-sentence.
        TextChunker::Piece whole;
        TextChunker::next(front.text, piece.start, 4 * kPieceChars, &whole);
        const bool dropLeadingPause = trimNext;
        trimNext = whole.end != piece.end;
        front.position = piece.end;
        firstPiece = false;
        inFlight = true;

        const quint64 generation = channel->current();
        const int wpm = speed.at(runEngine);
        const int hz = pitch.at(runEngine);
        const QString text = front.text.mid(piece.start, piece.end - piece.start);
        const qint64 offset = tagged(front.id, piece.start);
        flying = Sent{front.id, front.text, piece.start, -1};
        flyingStarted = false;
        // flite streams the piece: its first audio plays while the rest is
        // being made.
        thread->post([channel = channel, generation, voice, text, offset, wpm, hz, dropLeadingPause] {
            if (channel->current() != generation)
                return;
            FliteVoices::synthesizeStreaming(voice, text, wpm, hz, dropLeadingPause, [&](FliteSpeech &&chunk, bool last) {
                for (WordMark &mark : chunk.marks)
                    mark.textPosition += offset;
                QMutexLocker lock(&channel->mutex);
                if (!channel->target || channel->generation != generation)
                    return false;  // reset or gone: stop making audio nobody plays
                auto *owner = static_cast<DirectSS *>(channel->target);
                QMetaObject::invokeMethod(
                    owner,
                    [owner, generation, last, chunk = std::move(chunk)]() mutable {
                        owner->d->deliver(generation, std::move(chunk), last);
                    },
                    Qt::QueuedConnection);
                return true;
            });
        });
    }

    void deliver(quint64 generation, FliteSpeech chunk, bool last)
    {
        if (generation != channel->current() || !runActive)
            return;
        if (!chunk.pcm.isEmpty()) {
            if (flying && !flyingStarted) {
                // A piece that starts before the clock can no longer be cut.
                while (sent.size() > 1 && sent.at(1).firstSample < player->playedSamples())
                    sent.pop_front();
                flying->firstSample = player->appendedSamples();
                sent.push_back(*flying);
                flyingStarted = true;
            }
            // The player asks again (needData) while it is short of audio.
            wantMore = false;
            player->append(chunk.pcm, chunk.marks);
        }
        if (!last)
            return;
        inFlight = false;
        flying.reset();
        flyingStarted = false;
        pump();
    }

    // A new speed or pitch is heard from the next word the player has not
    // started yet: the audio made ahead is dropped and the text from that
    // word on is made again, in the same run (no stop, no start, no word
    // twice).
    void remakeAhead()
    {
        if (!runActive || current != runEngine)
            return;
        const qint64 from = player->dropUnplayed();
        if (from < 0 && (!flying || flyingStarted))
            return;  // everything made is in the sink already, or streaming into it; the next piece takes the change
        channel->advance();

        // Where each text must be made again from, in speaking order.
        std::vector<Queued> redo;
        if (from >= 0) {
            const quint64 cutText = quint64(from) >> kTextShift;
            const qint64 cut = player->appendedSamples();
            const auto owner = std::find_if(sent.cbegin(), sent.cend(), [cutText](const Sent &piece) {
                return (piece.textId & kTextIdMask) == cutText;
            });
            if (owner != sent.cend())
                redo.push_back({owner->text, qsizetype(from & kOffsetMask), owner->textId, false});
            else if (!queue.empty() && (queue.front().id & kTextIdMask) == cutText)
                redo.push_back({queue.front().text, qsizetype(from & kOffsetMask), queue.front().id, false});
            for (const Sent &piece : sent) {
                if (piece.firstSample >= cut && (redo.empty() || piece.textId != redo.back().id))
                    redo.push_back({piece.text, piece.start, piece.textId, false});
            }
            std::erase_if(sent, [cut](const Sent &piece) { return piece.firstSample >= cut; });
        }
        // A piece that had begun to stream is in sent and was handled there.
        if (flying && !flyingStarted && (redo.empty() || flying->textId != redo.back().id))
            redo.push_back({flying->text, flying->start, flying->textId, false});
        flying.reset();
        flyingStarted = false;
        for (auto r = redo.rbegin(); r != redo.rend(); ++r) {
            if (!queue.empty() && queue.front().id == r->id)
                queue.front().position = r->position;
            else
                queue.push_front(*r);
        }
        inFlight = false;
        wantMore = true;
        inputFinished = false;
        // Short, so that even the slowest voice has it ready before the
        // audio kept in the sink has played; it goes on where the kept
        // audio stops, without flite's leading pause.
        firstPiece = true;
        trimNext = true;
        pump();
    }

    void onNeedData()
    {
        wantMore = true;
        pump();
    }

    void onFinished(bool cancelled)
    {
        // A cancel comes only from AudioReset, which raises AudioStop itself.
        if (cancelled || !runActive)
            return;
        runActive = false;
        emit q->AudioStop(0, 0);
        // Text queued after the input had closed starts a new run.
        if (!queue.empty() && valid(current))
            startRun();
    }
};

DirectSS::DirectSS(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
    // A dragged scrollbar changes speed or pitch on every step: the audio
    // made ahead is made again once the changes pause, not for each of them.
    d->remakeTimer = new QTimer(this);
    d->remakeTimer->setSingleShot(true);
    d->remakeTimer->setInterval(SpeechPlayer::remakeDelayMs);
    connect(d->remakeTimer, &QTimer::timeout, this, [this] { d->remakeAhead(); });
    d->engines = FliteVoices::offered();
    for (const FliteVoice &v : std::as_const(d->engines)) {
        d->speed.append(v.normalSpeed);
        d->pitch.append(v.normalPitch);
    }
    if (d->engines.isEmpty())
        return;

    // SLT is the most natural of the flite voices.
    d->current = 0;
    for (int i = 0; i < d->engines.size(); ++i) {
        if (d->engines.at(i).id == u"slt"_qs)
            d->current = i;
    }

    d->thread = FliteThread::instance();
    d->channel->target = this;
    d->player = new SpeechPlayer(this);
    connect(d->player, &SpeechPlayer::started, this, [this] { emit AudioStart(0, 0); });
    connect(d->player, &SpeechPlayer::wordReached, this,
            [this](const WordMark &mark) { emit WordPosition(0, 0, 2 * (mark.textPosition & kOffsetMask)); });
    connect(d->player, &SpeechPlayer::finished, this, [this](bool cancelled) { d->onFinished(cancelled); });
    connect(d->player, &SpeechPlayer::needData, this, [this] { d->onNeedData(); });
}

DirectSS::~DirectSS()
{
    {
        QMutexLocker lock(&d->channel->mutex);
        d->channel->target = nullptr;
        ++d->channel->generation;
    }
    if (d->player) {
        d->player->disconnect(this);
        delete d->player;
        d->player = nullptr;
    }
}

int DirectSS::CountEngines() const
{
    return int(d->engines.size());
}

QString DirectSS::ModeName(int index) const
{
    return d->valid(index - 1) ? d->engines.at(index - 1).name : QString();
}

int DirectSS::CurrentMode() const
{
    return d->current + 1;
}

void DirectSS::setCurrentMode(int index)
{
    if (d->valid(index - 1))
        d->current = index - 1;
}

int DirectSS::Find(const QString &attributes) const
{
    return ModeFinder::best(d->engines, attributes, d->current) + 1;
}

int DirectSS::Speed() const
{
    return d->valid(d->current) ? d->speed.at(d->current) : 0;
}

void DirectSS::setSpeed(int wordsPerMinute)
{
    if (!d->valid(d->current))
        return;
    const FliteVoice &v = d->engines.at(d->current);
    const int speed = std::clamp(wordsPerMinute, v.minSpeed, v.maxSpeed);
    if (speed == d->speed.at(d->current))
        return;
    d->speed[d->current] = speed;
    d->remakeTimer->start();
}

int DirectSS::MaxSpeed() const
{
    return d->valid(d->current) ? d->engines.at(d->current).maxSpeed : 0;
}

int DirectSS::MinSpeed() const
{
    return d->valid(d->current) ? d->engines.at(d->current).minSpeed : 0;
}

int DirectSS::Pitch() const
{
    return d->valid(d->current) ? d->pitch.at(d->current) : 0;
}

void DirectSS::setPitch(int hertz)
{
    if (!d->valid(d->current))
        return;
    const FliteVoice &v = d->engines.at(d->current);
    const int pitch = std::clamp(hertz, v.minPitch, v.maxPitch);
    if (pitch == d->pitch.at(d->current))
        return;
    d->pitch[d->current] = pitch;
    d->remakeTimer->start();
}

int DirectSS::MaxPitch() const
{
    return d->valid(d->current) ? d->engines.at(d->current).maxPitch : 0;
}

int DirectSS::MinPitch() const
{
    return d->valid(d->current) ? d->engines.at(d->current).minPitch : 0;
}

int DirectSS::VolumeLeft() const
{
    return d->volumeLeft;
}

void DirectSS::setVolumeLeft(int volume)
{
    d->volumeLeft = std::clamp(volume, 0, kMaxVolume);
    if (d->player)
        d->player->setVolume(double(d->volumeLeft) / kMaxVolume);
}

int DirectSS::VolumeRight() const
{
    return d->volumeRight;
}

void DirectSS::setVolumeRight(int volume)
{
    // One channel: the reader copies the first value here.
    d->volumeRight = std::clamp(volume, 0, kMaxVolume);
}

void DirectSS::Speak(const QString &text)
{
    if (!d->valid(d->current))
        return;
    TextChunker::Piece piece;
    if (!TextChunker::next(text, 0, 1, &piece))
        return;  // nothing but blanks: nothing to say, no events
    // Text queued once the run's input has closed waits for the next run.
    d->queue.push_back({text, 0, ++d->lastTextId, d->runActive && d->inputFinished});
    if (!d->runActive)
        d->startRun();
    else
        d->pump();
}

void DirectSS::AudioPause()
{
    if (!d->player)
        return;
    d->paused = true;
    d->player->pause();
}

void DirectSS::AudioResume()
{
    if (!d->player)
        return;
    d->paused = false;
    d->player->resume();
}

void DirectSS::AudioReset()
{
    if (!d->player)
        return;
    const bool hadSpeech = d->runActive || !d->queue.empty();
    d->channel->advance();
    d->queue.clear();
    d->runActive = false;
    d->inFlight = false;
    d->wantMore = false;
    d->inputFinished = false;
    d->sent.clear();
    d->flying.reset();
    d->flyingStarted = false;
    d->player->cancel();
    // Raised here, during the call: the reader sets its halt reason before
    // resetting and expects the stop while that reason holds.
    if (hadSpeech)
        emit AudioStop(0, 0);
}

int DirectSS::sampleRate() const
{
    return d->valid(d->current) ? d->engines.at(d->current).sampleRate : 0;
}
