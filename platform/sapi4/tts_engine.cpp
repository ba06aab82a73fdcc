#include "sapi4/tts_engine.h"

#include "audio/wave_file.h"
#include "com/component_runtime.h"
#include "com/ref_count.h"
#include "sapi4/audio_dest_file.h"
#include "sapi4/flite_thread.h"
#include "sapi4/flite_voices.h"
#include "sapi4/mode_finder.h"
#include "sapi4/sapi4_logging.h"
#include "text/text_chunker.h"
#include "text/utf8_offsets.h"

#include <QElapsedTimer>
#include <QMap>
#include <QMetaObject>
#include <QMutex>
#include <QPointer>
#include <QRegularExpression>
#include <deque>
#include <functional>
#include <mutex>

namespace {

// Pieces as long as playback's later ones: a file has no first sound to
// hurry.
constexpr qsizetype kPieceChars = TextChunker::pieceChars;

const Guid fliteEngineId = makeGuid(0x53415934, 0x464C, 0x4954, 0x45, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00);

HRESULT answer(IUnknown *self, void **object)
{
    if (!object)
        return E_POINTER;
    *object = self;
    self->AddRef();
    return S_OK;
}

QList<ModeFinder::Pair> criteriaPairs(const TTSMODEINFOA &c)
{
    QList<ModeFinder::Pair> pairs;
    auto text = [&pairs](const char *key, const QByteArray &value) {
        if (!value.isEmpty())
            pairs.append({QString::fromLatin1(key), QString::fromUtf8(value)});
    };
    text("ModeName", c.szModeName);
    text("Mfg", c.szMfgName);
    text("Product", c.szProductName);
    text("Speaker", c.szSpeaker);
    text("Style", c.szStyle);
    if (c.wGender != 0)
        pairs.append({QStringLiteral("Gender"), QString::number(c.wGender)});
    if (c.LanguageID != 0)
        pairs.append({QStringLiteral("Language"), QString::number(c.LanguageID)});
    return pairs;
}

TTSMODEINFOA modeInfo(const FliteVoice &voice)
{
    TTSMODEINFOA info{};
    info.gEngineID = fliteEngineId;
    info.szMfgName = "Carnegie Mellon University";
    info.szProductName = "Flite";
    info.gModeID = fliteModeId(voice.id);
    info.szModeName = voice.name.toUtf8();
    info.LanguageID = 0x0409;
    info.szDialect = voice.language.toUtf8();
    info.szSpeaker = voice.speaker.toUtf8();
    info.wGender = quint16(voice.gender);
    info.wAge = 30;
    return info;
}

// A text TextData accepted, with the sink that hears about it alone and a
// cursor that turns UTF-16 word positions into byte offsets of its UTF-8
// (the interface's positions are into the bytes it was handed).
struct QueuedText
{
    QString text;
    ComPtr<ITTSBufNotifySinkA> sink;
    Utf8Offsets offsets;

    quint32 byteOffset(qsizetype position) { return quint32(offsets.toUtf8(text, position)); }
};

// What the flite thread shares with an engine: the text still to render,
// the generation that voids stale work (bumped by AudioReset and by the
// engine's end), and where to deliver notifications.
struct RenderState
{
    QMutex mutex;
    quint64 generation = 0;
    FliteVoice voice;
    int speed = 0;
    int pitch = 0;
    quint32 volume = 0xFFFFFFFF;
    bool paused = false;
    bool pumping = false;          // the render chain is queued or running on the flite thread
    std::deque<QueuedText> texts;  // what TextData queued, front being rendered
    qsizetype position = 0;        // in texts.front()
    QWORD written = 0;             // bytes of audio handed to the destination
    ComPtr<IWaveSink> destination;
    QPointer<QObject> notifier;    // lives on the engine's thread
    std::function<void(bool start)> notify;  // runs on the notifier's thread
};

// Runs on the flite thread: renders one piece of the front text, then
// queues itself again, so other flite work (a voice speaking meanwhile) is
// never held up long. One such chain drains an engine's texts in order,
// across resets: a reset voids the piece in hand and the chain goes on with
// whatever was queued after it.
void renderNext(const std::shared_ptr<RenderState> &state);

// Runs call on the engine's thread unless the generation has moved on by
// then. Called with state->mutex held.
void deliverCall(const std::shared_ptr<RenderState> &state, quint64 generation, std::function<void()> call)
{
    if (!state->notifier)
        return;
    QMetaObject::invokeMethod(state->notifier, [state, generation, call = std::move(call)] {
        {
            QMutexLocker lock(&state->mutex);
            if (state->generation != generation)
                return;
        }
        call();
    }, Qt::QueuedConnection);
}

void deliver(const std::shared_ptr<RenderState> &state, quint64 generation, bool start)
{
    deliverCall(state, generation, [state, start] {
        // A copy: the engine may be released, and this cleared, from the sink.
        const std::function<void(bool)> notify = state->notify;
        if (notify)
            notify(start);
    });
}

// The front text starts: its buffer sink hears it before the engine's sinks.
void deliverStart(const std::shared_ptr<RenderState> &state, quint64 generation)
{
    if (ComPtr<ITTSBufNotifySinkA> sink = state->texts.front().sink)
        deliverCall(state, generation, [sink, stamp = state->written] { sink->TextDataStarted(stamp); });
    deliver(state, generation, true);
}

// The mean of the two channels' levels (low and high word), 0 … 0xFFFF.
void scaleVolume(QByteArray &pcm, quint32 volume)
{
    WaveFile::scale(pcm, double((volume & 0xFFFF) + (volume >> 16)) / 2 / 0xFFFF);
}

// Called with state->mutex held, while the engine lives (texts are queued
// only then): its hold keeps the flite thread.
void post(const std::shared_ptr<RenderState> &state)
{
    state->pumping = true;
    FliteThread::instance()->post([state] { renderNext(state); });
}

void renderNext(const std::shared_ptr<RenderState> &state)
{
    QString text;
    qsizetype pieceStart = 0;
    FliteVoice voice;
    int speed = 0, pitch = 0;
    quint64 generation = 0;
    {
        QMutexLocker lock(&state->mutex);
        if (state->paused) {
            state->pumping = false;
            return;
        }
        generation = state->generation;
        TextChunker::Piece piece;
        while (!state->texts.empty()
               && !TextChunker::next(state->texts.front().text, state->position, kPieceChars, &piece)) {
            // This text is done: its AudioStop, then the next text's start.
            if (ComPtr<ITTSBufNotifySinkA> sink = state->texts.front().sink)
                deliverCall(state, generation, [sink, stamp = state->written] { sink->TextDataDone(stamp, 0); });
            state->texts.pop_front();
            state->position = 0;
            deliver(state, generation, false);
            if (!state->texts.empty())
                deliverStart(state, generation);
        }
        if (state->texts.empty()) {
            state->pumping = false;
            return;
        }
        pieceStart = piece.start;
        text = state->texts.front().text.mid(piece.start, piece.end - piece.start);
        state->position = piece.end;
        voice = state->voice;
        speed = state->speed;
        pitch = state->pitch;
    }
    FliteSpeech speech = FliteVoices::synthesize(voice, text, speed, pitch);
    QMutexLocker lock(&state->mutex);
    if (state->generation != generation) {
        // Reset meanwhile: this piece is void, what came after the reset is not.
        if (state->texts.empty() || state->paused)
            state->pumping = false;
        else
            post(state);
        return;
    }
    QueuedText &queued = state->texts.front();
    if (queued.sink && !speech.marks.isEmpty()) {
        QList<std::pair<QWORD, quint32>> words;
        const qint64 samples = speech.pcm.size() / 2;
        for (const WordMark &m : std::as_const(speech.marks))
            words.append({state->written + QWORD(std::clamp<qint64>(m.sample, 0, samples)) * 2,
                          queued.byteOffset(pieceStart + m.textPosition)});
        deliverCall(state, generation, [sink = queued.sink, words] {
            for (const auto &[stamp, offset] : words)
                sink->WordPosition(stamp, offset);
        });
    }
    if (state->destination && !speech.pcm.isEmpty()) {
        scaleVolume(speech.pcm, state->volume);
        if (failed(state->destination->WaveWrite(speech.pcm.constData(), speech.pcm.size())))
            state->position = queued.text.size();  // the destination is lost (a full disk): this text ends now
        else
            state->written += QWORD(speech.pcm.size());
    }
    if (state->paused)
        state->pumping = false;
    else
        post(state);
}

class FliteTtsEngine final : public ITTSCentralA, public ITTSAttributesA
{
public:
    FliteTtsEngine(const FliteVoice &voice, ComPtr<IWaveSink> destination)
        : m_thread(FliteThread::instance())
    {
        m_notifier = new QObject;
        m_state->voice = voice;
        m_state->speed = voice.normalSpeed;
        m_state->pitch = voice.normalPitch;
        m_state->destination = std::move(destination);
        m_state->notifier = m_notifier;
        m_state->notify = [this](bool start) { raise(start); };
        if (m_state->destination)
            m_state->destination->WaveFormatSet(voice.sampleRate);
    }

    ~FliteTtsEngine()
    {
        ComPtr<IWaveSink> destination;
        {
            QMutexLocker lock(&m_state->mutex);
            ++m_state->generation;
            m_state->texts.clear();
            m_state->notifier = nullptr;
            m_state->notify = nullptr;
            destination = std::move(m_state->destination);
        }
        // A notification being delivered may be what released us.
        m_notifier->deleteLater();
    }

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (iid == IID_IUnknown || iid == IID_ITTSCentralA)
            return answer(static_cast<ITTSCentralA *>(this), object);
        if (iid == IID_ITTSAttributesA)
            return answer(static_cast<ITTSAttributesA *>(this), object);
        if (object)
            *object = nullptr;
        return E_NOINTERFACE;
    }
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }

    HRESULT TextData(quint32 charSet, quint32 flags, SDATA data, IUnknown *bufferNotify, const Guid &bufferNotifyIid) override
    {
        if (charSet != CHARSET_TEXT)
            return E_INVALIDARG;
        if (!data.pData && data.dwSize > 0)
            return E_POINTER;
        ComPtr<ITTSBufNotifySinkA> sink;
        if (bufferNotify) {
            if (bufferNotifyIid != IID_ITTSBufNotifySinkA)
                return E_NOINTERFACE;
            if (failed(bufferNotify->QueryInterface(IID_ITTSBufNotifySinkA, sink.put())))
                return E_NOINTERFACE;
        }
        QByteArray bytes(static_cast<const char *>(data.pData), qsizetype(data.dwSize));
        // The size counts the terminating NUL; anything after one is not text.
        const qsizetype nul = bytes.indexOf('\0');
        if (nul >= 0)
            bytes.truncate(nul);
        QString text = QString::fromUtf8(bytes);
        if (flags & TTSDATAFLAG_TAGGED)
            text = stripEngineTags(text);

        ++m_pending;
        QMutexLocker lock(&m_state->mutex);
        const bool idle = m_state->texts.empty();
        m_state->texts.push_back({text, std::move(sink), {}});
        if (idle) {
            m_state->position = 0;
            deliverStart(m_state, m_state->generation);
            if (!m_state->pumping && !m_state->paused)
                post(m_state);
        }
        return S_OK;
    }

    HRESULT Register(IUnknown *sink, const Guid &iid, quint32 *key) override
    {
        if (!sink)
            return E_POINTER;
        if (iid != IID_ITTSNotifySinkA)
            return E_NOINTERFACE;
        ComPtr<ITTSNotifySinkA> notifySink;
        if (failed(sink->QueryInterface(IID_ITTSNotifySinkA, notifySink.put())))
            return E_NOINTERFACE;
        const quint32 id = ++m_lastKey;
        m_sinks.insert(id, notifySink);
        if (key)
            *key = id;
        return S_OK;
    }
    HRESULT UnRegister(quint32 key) override
    {
        return m_sinks.remove(key) ? S_OK : E_INVALIDARG;
    }

    HRESULT AudioPause() override
    {
        QMutexLocker lock(&m_state->mutex);
        m_state->paused = true;
        return S_OK;
    }
    HRESULT AudioResume() override
    {
        QMutexLocker lock(&m_state->mutex);
        m_state->paused = false;
        if (!m_state->texts.empty() && !m_state->pumping)
            post(m_state);
        return S_OK;
    }
    HRESULT AudioReset() override
    {
        {
            QMutexLocker lock(&m_state->mutex);
            ++m_state->generation;  // voids queued pieces and notifications
            m_state->texts.clear();
            m_state->position = 0;
        }
        // Texts accepted and not yet stopped end here, with one start (if
        // theirs was still queued) and one stop.
        if (m_pending > 0) {
            m_pending = 1;
            // The sink may release this engine from AudioStop.
            AddRef();
            raise(true);
            raise(false);
            Release();
        }
        return S_OK;
    }

    HRESULT SpeedSet(quint32 wpm) override
    {
        QMutexLocker lock(&m_state->mutex);
        const FliteVoice &v = m_state->voice;
        m_state->speed = int(std::clamp<quint32>(wpm, quint32(v.minSpeed), quint32(v.maxSpeed)));
        return S_OK;
    }
    HRESULT SpeedGet(quint32 *wpm) override { return read(wpm, &RenderState::speed); }
    HRESULT PitchSet(quint16 hz) override
    {
        QMutexLocker lock(&m_state->mutex);
        const FliteVoice &v = m_state->voice;
        m_state->pitch = std::clamp<int>(hz, v.minPitch, v.maxPitch);
        return S_OK;
    }
    HRESULT PitchGet(quint16 *hz) override { return read(hz, &RenderState::pitch); }
    HRESULT VolumeSet(quint32 volume) override
    {
        QMutexLocker lock(&m_state->mutex);
        m_state->volume = volume;
        return S_OK;
    }
    HRESULT VolumeGet(quint32 *volume) override { return read(volume, &RenderState::volume); }

private:
    template<typename T, typename Field>
    HRESULT read(T *out, Field RenderState::*field)
    {
        if (!out)
            return E_POINTER;
        QMutexLocker lock(&m_state->mutex);
        *out = T(m_state.get()->*field);
        return S_OK;
    }

    // On the engine's thread. Each text's stop follows its start.
    void raise(bool start)
    {
        if (start == m_started)
            return;
        m_started = start;
        if (!start)
            m_pending = std::max(0, m_pending - 1);
        const QList<ComPtr<ITTSNotifySinkA>> sinks = m_sinks.values();
        const QWORD stamp = QWORD(m_clock.isValid() ? m_clock.nsecsElapsed() : 0);
        for (const ComPtr<ITTSNotifySinkA> &sink : sinks) {
            if (start)
                sink->AudioStart(stamp);
            else
                sink->AudioStop(stamp);
        }
    }

    RefCount m_refs;
    std::shared_ptr<FliteThread> m_thread;  // keeps the flite thread while we render
    std::shared_ptr<RenderState> m_state = std::make_shared<RenderState>();
    QObject *m_notifier = nullptr;
    QMap<quint32, ComPtr<ITTSNotifySinkA>> m_sinks;
    quint32 m_lastKey = 0;
    bool m_started = false;
    int m_pending = 0;  // texts accepted whose AudioStop is still to come
    QElapsedTimer m_clock = [] { QElapsedTimer t; t.start(); return t; }();
};

class TtsEnumerator final : public ITTSFindA
{
public:
    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (iid == IID_IUnknown || iid == IID_ITTSFindA)
            return answer(this, object);
        if (object)
            *object = nullptr;
        return E_NOINTERFACE;
    }
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }

    HRESULT Find(const TTSMODEINFOA *criteria, const TTSMODEINFORANK *rank, TTSMODEINFOA *found) override
    {
        if (!criteria || !found)
            return E_POINTER;
        if (rank)
            return E_INVALIDARG;
        const QList<ModeFinder::Pair> pairs = criteriaPairs(*criteria);
        for (const FliteVoice &voice : m_voices) {
            const bool all = std::all_of(pairs.begin(), pairs.end(),
                                         [&voice](const ModeFinder::Pair &p) { return ModeFinder::matches(voice, p); });
            if (all) {
                *found = modeInfo(voice);
                return S_OK;
            }
        }
        return TTSERR_NOENGINE;
    }

    HRESULT Select(const Guid &modeId, ITTSCentralA **central, IUnknown *audioDestination) override
    {
        if (!central)
            return E_POINTER;
        *central = nullptr;
        for (const FliteVoice &voice : m_voices) {
            if (fliteModeId(voice.id) != modeId)
                continue;
            ComPtr<IWaveSink> destination;
            if (audioDestination && failed(audioDestination->QueryInterface(IID_IWaveSink, destination.put())))
                return TTSERR_NOAUDIO;
            *central = new FliteTtsEngine(voice, std::move(destination));
            return S_OK;
        }
        return E_INVALIDARG;
    }

private:
    RefCount m_refs;
    const QList<FliteVoice> m_voices = FliteVoices::offered();
};

// The class factories the runtime keeps for this process.
template<HRESULT (*Create)(const Guid &, void **)>
class BuiltinFactory final : public IClassFactory
{
public:
    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (iid == IID_IUnknown || iid == IID_IClassFactory)
            return answer(this, object);
        if (object)
            *object = nullptr;
        return E_NOINTERFACE;
    }
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }
    HRESULT CreateInstance(IUnknown *outer, const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return Create(iid, object);
    }
    HRESULT LockServer(bool) override { return S_OK; }

private:
    RefCount m_refs;
};

} // namespace

QString stripEngineTags(const QString &text)
{
    static const QRegularExpression tag(
        QStringLiteral(R"(\\\\|\\(?:Chr|Com|Ctx|Dem|Emp|Eng|Mrk|Pau|Pit|Prn|Pro|Prt|RmS|RmW|RPit|RSpd|Rst|Spd|Vce|Vol)(?:=[^\\]*)?\\)"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    out.reserve(text.size());
    qsizetype at = 0;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(at, m.capturedStart() - at);
        out += m.capturedLength() == 2 ? QStringLiteral("\\") : QStringLiteral(" ");
        at = m.capturedEnd();
    }
    out += QStringView(text).mid(at);
    return out;
}

Guid fliteModeId(const QString &voiceId)
{
    Guid id = fliteEngineId;
    const QByteArray bytes = voiceId.toLatin1().left(7);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        id.data4[1 + i] = quint8(bytes.at(i));
    id.data4[0] = 0x01;
    return id;
}

HRESULT createTtsEnumerator(const Guid &iid, void **object)
{
    auto *enumerator = new TtsEnumerator;
    const HRESULT result = enumerator->QueryInterface(iid, object);
    enumerator->Release();
    return result;
}

namespace Sapi4Objects {

void registerClassObjects()
{
    static std::once_flag once;
    std::call_once(once, [] {
        auto *enumerators = new BuiltinFactory<createTtsEnumerator>;
        auto *files = new BuiltinFactory<createAudioDestFile>;
        ComponentRuntime::registerClassObject(CLSID_TTSEnumerator, enumerators);
        ComponentRuntime::registerClassObject(CLSID_AudioDestFile, files);
        enumerators->Release();
        files->Release();
    });
}

} // namespace Sapi4Objects
