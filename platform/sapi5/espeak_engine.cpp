#include "sapi5/espeak_engine.h"

#include "sapi5/speech_text.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QLoggingCategory>
#include <QThread>

#include <espeak-ng/speak_lib.h>

#include <algorithm>

Q_LOGGING_CATEGORY(lcEspeak, "sayora.sapi5")

namespace {

EspeakEngine *s_instance = nullptr;

// Small buffers: the first sound comes sooner and a cancel is noticed within
// one buffer.
constexpr int kBufferMs = 20;
// Audio is forwarded in pieces of about this length (the first piece of a
// job at once), so the GUI thread gets tens of events per second of speech
// rather than one per synthesizer buffer.
constexpr int kForwardMs = 100;

QString statusText(int status)
{
    switch (status) {
    case EE_OK: return QStringLiteral("no error");
    case EE_BUFFER_FULL: return QStringLiteral("the synthesizer's buffer is full");
    case EE_NOT_FOUND: return QStringLiteral("not found");
    default: return QStringLiteral("internal error of espeak-ng (%1)").arg(status);
    }
}

// The first language of espeak-ng's list: a priority byte, then the name.
QString firstLanguage(const espeak_VOICE *v)
{
    if (!v->languages || !v->languages[0])
        return {};
    return QString::fromUtf8(v->languages + 1);
}

QString readableName(const espeak_VOICE *v, const QString &language)
{
    QString name = QString::fromUtf8(v->name ? v->name : "").replace(u'_', u' ').simplified();
    if (name.isEmpty() || name.compare(language, Qt::CaseInsensitive) == 0) {
        const QLocale locale(language);
        if (locale.language() != QLocale::C) {
            name = QLocale::languageToString(locale.language());
            if (language.contains(u'-') && locale.territory() != QLocale::AnyTerritory)
                name += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
        }
    }
    return name.isEmpty() ? language : name;
}

}  // namespace

class EspeakEngine::Worker : public QObject
{
public:
    explicit Worker(EspeakEngine *engine) : m_engine(engine) {}

    std::atomic<bool> stopping{false};

    void initialise()
    {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kBufferMs, nullptr,
                                           espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0) {
            m_engine->m_error = QStringLiteral("espeak-ng could not be initialised: %1").arg(statusText(rate));
            return;
        }
        m_rate = rate;
        espeak_SetSynthCallback(&Worker::synthCallback);
        m_engine->m_sampleRate = rate;
        m_engine->m_voices = listVoices();
        if (m_engine->m_voices.isEmpty()) {
            m_engine->m_error = QStringLiteral("espeak-ng has no voices installed");
            return;
        }
        m_initialised = true;
        m_engine->m_valid = true;
    }

    void terminate()
    {
        if (m_initialised)
            espeak_Terminate();
        m_initialised = false;
    }

    void run(const SynthRequest &request)
    {
        if (!m_initialised || stopping || cancelled(request)) {
            emit m_engine->jobDone(request.job, false);
            return;
        }
        if (request.espeakName != m_voice) {
            // espeak-ng keeps the voice it had when another cannot be
            // loaded: speaking on would pass one voice off as another.
            if (const QString why = load(request.espeakName); !why.isEmpty()) {
                qCWarning(lcEspeak).noquote() << why;
                emit m_engine->voiceFailed(request.job, why);
                emit m_engine->jobDone(request.job, false);
                return;
            }
            m_wpm = -1;  // a new voice brings its own rate
        }
        if (request.wordsPerMinute != m_wpm) {
            espeak_SetParameter(espeakRATE, request.wordsPerMinute, 0);
            m_wpm = request.wordsPerMinute;
        }

        m_request = &request;
        m_offsets = speechtext::codePointOffsets(request.text);
        m_pending.clear();
        m_pendingMarks.clear();
        m_samples = m_pendingStart = m_lastMark = 0;
        m_lastWordEnd = 0;
        m_sentFirst = false;
        m_aborted = false;

        const QByteArray utf8 = request.text.toUtf8();
        const int status = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                        espeakCHARS_UTF8 | espeakENDPAUSE, nullptr, this);
        if (!m_aborted)
            flush();
        m_request = nullptr;
        if (status != EE_OK && !m_aborted)
            qCWarning(lcEspeak) << "synthesis failed:" << statusText(status);
        emit m_engine->jobDone(request.job, status == EE_OK && !m_aborted);
    }

    // Makes espeakName the voice that speaks; why not, when it cannot be.
    QString load(const QString &espeakName)
    {
        m_voice.clear();
        if (!m_initialised)
            return m_engine->m_error;
        const int status = espeak_SetVoiceByName(espeakName.toUtf8().constData());
        if (status != EE_OK)
            return QStringLiteral("The voice \"%1\" could not be loaded: %2.").arg(espeakName, statusText(status));
        m_voice = espeakName;
        return {};
    }

private:
    static bool cancelled(const SynthRequest &r)
    {
        return r.generation && r.generation->load() != r.expectedGeneration;
    }

    static int synthCallback(short *wav, int numsamples, espeak_EVENT *events)
    {
        auto *self = events ? static_cast<Worker *>(events->user_data) : nullptr;
        if (!self || !self->m_request)
            return 1;
        return self->onAudio(wav, numsamples, events);
    }

    int onAudio(const short *wav, int numsamples, const espeak_EVENT *events)
    {
        if (stopping || cancelled(*m_request)) {
            m_aborted = true;
            return 1;
        }
        const qint64 bufferStart = m_samples;
        const qint64 bufferEnd = m_samples + std::max(numsamples, 0);
        for (const espeak_EVENT *e = events; e->type != espeakEVENT_LIST_TERMINATED; ++e) {
            if (e->type == espeakEVENT_WORD)
                addWord(*e, bufferStart, bufferEnd);
        }
        if (wav && numsamples > 0) {
            m_pending.append(reinterpret_cast<const char *>(wav), qsizetype(numsamples) * 2);
            m_samples = bufferEnd;
        }
        if (!m_sentFirst || m_pending.size() >= qsizetype(m_rate) * 2 * kForwardMs / 1000)
            flush();
        return 0;
    }

    // espeak-ng's word events need mending: text_position counts code
    // points from 1, length is unreliable, and a spoken number or symbol
    // raises extra events inside the word or on the space after it.
    void addWord(const espeak_EVENT &e, qint64 bufferStart, qint64 bufferEnd)
    {
        const QString &text = m_request->text;
        const qsizetype codePoint = qsizetype(e.text_position) - 1;
        if (codePoint < 0 || codePoint >= m_offsets.size() - 1)
            return;
        const qsizetype start = m_offsets.at(codePoint);
        if (text.at(start).isSpace() || start < m_lastWordEnd)
            return;
        const qsizetype end = speechtext::wordEnd(text, start);
        m_lastWordEnd = end;
        // audio_position is exact at ordinary rates but may run ahead of
        // the buffer it came with at high ones: keep it inside.
        qint64 sample = qint64(e.audio_position) * m_rate / 1000;
        sample = std::clamp(sample, bufferStart, bufferEnd);
        sample = std::max(sample, m_lastMark);
        m_lastMark = sample;
        m_pendingMarks.append({sample - m_pendingStart, start, end - start});
    }

    void flush()
    {
        if (m_pending.isEmpty() && m_pendingMarks.isEmpty())
            return;
        emit m_engine->audio(m_request->job, m_pending, m_pendingMarks);
        m_sentFirst = true;
        m_pendingStart = m_samples;
        m_pending.clear();
        m_pendingMarks.clear();
    }

    QList<EspeakVoiceInfo> listVoices() const
    {
        QList<EspeakVoiceInfo> result;
        const espeak_VOICE **voices = espeak_ListVoices(nullptr);
        QHash<QString, int> languageCount;
        for (const espeak_VOICE **v = voices; v && *v; ++v)
            ++languageCount[firstLanguage(*v)];
        for (const espeak_VOICE **v = voices; v && *v; ++v) {
            const QString language = firstLanguage(*v);
            const QString identifier = QString::fromUtf8((*v)->identifier ? (*v)->identifier : "");
            if (language.isEmpty() || identifier.isEmpty())
                continue;
            EspeakVoiceInfo info;
            // The language code is what users know a voice by; where two
            // voices share one, the file identifier tells them apart.
            info.id = languageCount.value(language) == 1 ? language : identifier;
            // Loaded by its file: espeak-ng finds no voice by some of the
            // language codes it lists ("en-gb", "fr-fr").
            info.espeakName = identifier;
            info.language = language;
            info.description = readableName(*v, language);
            result.append(info);
        }
        if (result.isEmpty())
            return result;

        // Variants change the sound of any language; they are offered on
        // the default voice.
        auto base = std::find_if(result.cbegin(), result.cend(),
                                 [](const EspeakVoiceInfo &i) { return i.id == QLatin1String("en-us"); });
        const EspeakVoiceInfo baseVoice = base != result.cend() ? *base : result.first();
        espeak_VOICE spec{};
        spec.languages = "variant";
        const espeak_VOICE **variants = espeak_ListVoices(&spec);
        for (const espeak_VOICE **v = variants; v && *v; ++v) {
            const QString identifier = QString::fromUtf8((*v)->identifier ? (*v)->identifier : "");
            const QString file = identifier.section(u'/', -1);
            if (file.isEmpty())
                continue;
            QString name = QString::fromUtf8((*v)->name ? (*v)->name : "").replace(u'_', u' ').simplified();
            if (name.isEmpty())
                name = file;
            name[0] = name[0].toUpper();
            EspeakVoiceInfo info;
            info.id = baseVoice.id + u'+' + file;
            info.espeakName = baseVoice.espeakName + u'+' + file;
            info.language = baseVoice.language;
            info.description = QStringLiteral("%1, variant %2").arg(baseVoice.description, name);
            result.append(info);
        }
        return result;
    }

    EspeakEngine *m_engine;
    bool m_initialised = false;
    int m_rate = 22050;
    QString m_voice;
    int m_wpm = -1;

    const SynthRequest *m_request = nullptr;
    QList<qsizetype> m_offsets;
    QByteArray m_pending;
    QList<WordMark> m_pendingMarks;
    qint64 m_samples = 0;
    qint64 m_pendingStart = 0;
    qint64 m_lastMark = 0;
    qsizetype m_lastWordEnd = 0;
    bool m_sentFirst = false;
    bool m_aborted = false;
};

EspeakEngine *EspeakEngine::instance()
{
    if (!s_instance) {
        s_instance = new EspeakEngine;
        qAddPostRoutine(&EspeakEngine::shutdown);
    }
    return s_instance;
}

void EspeakEngine::shutdown()
{
    delete s_instance;
    s_instance = nullptr;
}

EspeakEngine::EspeakEngine()
{
    qRegisterMetaType<WordMark>();
    qRegisterMetaType<QList<WordMark>>();
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("espeak-ng"));
    m_worker = new Worker(this);
    m_worker->moveToThread(m_thread);
    m_thread->start();
    Worker *worker = m_worker;
    QMetaObject::invokeMethod(m_worker, [worker] { worker->initialise(); }, Qt::BlockingQueuedConnection);
    if (!m_valid)
        qCWarning(lcEspeak) << m_error;
}

EspeakEngine::~EspeakEngine()
{
    m_worker->stopping = true;
    Worker *worker = m_worker;
    QMetaObject::invokeMethod(m_worker, [worker] { worker->terminate(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_worker;
    delete m_thread;
}

bool EspeakEngine::isValid() const
{
    return m_valid;
}

QString EspeakEngine::errorString() const
{
    return m_error;
}

int EspeakEngine::sampleRate() const
{
    return m_sampleRate;
}

const QList<EspeakVoiceInfo> &EspeakEngine::voices() const
{
    return m_voices;
}

QString EspeakEngine::loadError(const QString &espeakName)
{
    Worker *worker = m_worker;
    QString why;
    QMetaObject::invokeMethod(m_worker, [worker, espeakName, &why] { why = worker->load(espeakName); },
                              Qt::BlockingQueuedConnection);
    return why;
}

quint64 EspeakEngine::newJobId()
{
    return m_nextJob.fetch_add(1);
}

void EspeakEngine::synthesize(const SynthRequest &request)
{
    Worker *worker = m_worker;
    QMetaObject::invokeMethod(m_worker, [worker, request] { worker->run(request); }, Qt::QueuedConnection);
}
