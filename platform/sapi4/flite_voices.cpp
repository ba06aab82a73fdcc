#include "flite_voices.h"

#include "sapi4_logging.h"

#include <flite/flite.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <vector>

extern "C" {
cst_voice *register_cmu_us_kal(const char *voxdir);
cst_voice *register_cmu_us_kal16(const char *voxdir);
cst_voice *register_cmu_us_awb(const char *voxdir);
cst_voice *register_cmu_us_rms(const char *voxdir);
cst_voice *register_cmu_us_slt(const char *voxdir);
}

namespace {

// flite reports fatal errors through cst_error(), which exits the process
// unless cst_errjmp is set, and else longjmps there. A longjmp must never
// pass a C++ frame with something to destroy (its destructors would not
// run): each guard below sets its own cst_errjmp right around flite's C
// code. Between guardedSynth's setjmp and any error lie only flite's frames:
// the streaming callback, the one piece of ours flite calls back, makes its
// own flite calls through guardedReadUtterance, whose frames hold nothing
// to destroy and which catches their errors before they reach the callback.
// On an error in synthesis the half-built utterance is leaked: its state is
// unknown.
cst_utterance *guardedSynth(cst_utterance *utterance, cst_voice *voice)
{
    jmp_buf env;
    jmp_buf *previous = cst_errjmp;
    cst_errjmp = &env;
    cst_utterance *result = nullptr;
    if (setjmp(env) == 0)
        result = flite_do_synth(utterance, voice, utt_synth);
    cst_errjmp = previous;
    return result;
}

cst_voice *guardedRegister(cst_voice *(*reg)(const char *))
{
    jmp_buf env;
    jmp_buf *previous = cst_errjmp;
    cst_errjmp = &env;
    cst_voice *result = nullptr;
    if (setjmp(env) == 0)
        result = reg(nullptr);
    cst_errjmp = previous;
    return result;
}

// What word marks and the leading pause are made from, read out of an
// utterance as plain data, so that the reading can be guarded.
struct RawWord
{
    const char *token;  // the token's name, owned by the utterance
    float start;        // seconds
};

struct UtteranceFacts
{
    RawWord *words = nullptr;  // room for capacity
    int capacity = 0;
    int count = 0;
    bool leadingPause = false;
    float pauseEnd = 0;  // seconds
};

std::atomic<FliteVoices::ReadingFault> readingFault{nullptr};

// Each token starts where the first segment of its first sounding word
// starts. Nothing here has a destructor: a flite error may longjmp across.
void readUtterance(cst_utterance *utterance, UtteranceFacts *facts, bool fail)
{
    const cst_item *lastToken = nullptr;
    for (cst_item *word = relation_head(utt_relation(utterance, "Word")); word && facts->count < facts->capacity;
         word = item_next(word)) {
        if (!path_to_item(word, "R:SylStructure.daughter1.daughter1.R:Segment"))
            continue;
        const cst_item *token = path_to_item(word, "R:Token.parent");
        if (!token || token == lastToken)
            continue;
        lastToken = token;
        if (fail && facts->count == 1)
            val_int(nullptr);  // raises flite's error, as a failed allocation would
        facts->words[facts->count].token = item_name(token);
        facts->words[facts->count].start = ffeature_float(word, "R:SylStructure.daughter1.daughter1.R:Segment.p.end");
        ++facts->count;
    }
    const cst_item *first = relation_head(utt_relation(utterance, "Segment"));
    if (first && std::strcmp(item_name(first), "pau") == 0) {
        facts->leadingPause = true;
        facts->pauseEnd = ffeature_float(first, "end");
    }
}

// False when flite raised an error while reading.
bool guardedReadUtterance(cst_utterance *utterance, UtteranceFacts *facts)
{
    const FliteVoices::ReadingFault fault = readingFault.load();
    const bool fail = fault && fault();
    jmp_buf env;
    jmp_buf *previous = cst_errjmp;
    cst_errjmp = &env;
    volatile bool read = false;
    if (setjmp(env) == 0) {
        readUtterance(utterance, facts, fail);
        read = true;
    }
    cst_errjmp = previous;
    return read;
}

float featureFloat(const cst_voice *voice, const char *name, float fallback)
{
    return get_param_float(voice->features, name, fallback);
}

// Normal speeds were measured on a paragraph of prose at flite's own
// durations. Limits run from half to two and a half times normal. Pitch
// ranges keep every setting voice-like; rms moves its pitch by resampling,
// which also shifts its formants, so its range is narrower. The slower
// (clustergen) voices plan a whole utterance before their first audio, so
// a reading starts with a short piece there.
QList<FliteVoice> registerVoices()
{
    struct Known
    {
        const char *id;
        cst_voice *(*reg)(const char *);
        const char *name;
        const char *speaker;
        const char *language;
        int gender;
        int normalSpeed, minSpeed, maxSpeed;
        int normalPitch, minPitch, maxPitch;
        bool pitchByResampling;
        int firstPieceChars;
    };
    static const Known known[] = {
        {"kal", register_cmu_us_kal, "Flite Kal (US English, male, 8 kHz)", "Kal", "US English", 2,
         190, 95, 475, 95, 60, 190, false, 160},
        {"kal16", register_cmu_us_kal16, "Flite Kal (US English, male, 16 kHz)", "Kal", "US English", 2,
         190, 95, 475, 95, 60, 190, false, 160},
        {"awb", register_cmu_us_awb, "Flite AWB (Scottish English, male)", "AWB", "Scottish English", 2,
         205, 100, 510, 121, 75, 240, false, 40},
        {"rms", register_cmu_us_rms, "Flite RMS (US English, male)", "RMS", "US English", 2,
         175, 85, 440, 100, 75, 140, true, 40},
        {"slt", register_cmu_us_slt, "Flite SLT (US English, female)", "SLT", "US English", 1,
         205, 100, 510, 163, 100, 320, false, 40},
    };

    QList<FliteVoice> voices;
    flite_init();
    for (const Known &k : known) {
        cst_voice *voice = guardedRegister(k.reg);
        if (!voice) {
            qCWarning(lcSapi4) << "flite voice" << k.id << "did not register";
            continue;
        }
        FliteVoice v;
        v.id = QString::fromLatin1(k.id);
        v.name = QString::fromUtf8(k.name);
        v.speaker = QString::fromLatin1(k.speaker);
        v.language = QString::fromLatin1(k.language);
        v.gender = k.gender;
        v.sampleRate = get_param_int(voice->features, "sample_rate", 16000);
        v.normalSpeed = k.normalSpeed;
        v.minSpeed = k.minSpeed;
        v.maxSpeed = k.maxSpeed;
        v.normalPitch = k.normalPitch;
        v.minPitch = k.minPitch;
        v.maxPitch = k.maxPitch;
        v.pitchByResampling = k.pitchByResampling;
        v.defaultStretch = featureFloat(voice, "duration_stretch", 1.0f);
        v.firstPieceChars = k.firstPieceChars;
        v.voice = voice;
        voices.append(v);
    }
    return voices;
}

QByteArray asciiFor(char32_t cp)
{
    switch (cp) {
    case 0x00DF: return "ss";
    case 0x00E6: return "ae";
    case 0x00C6: return "AE";
    case 0x0153: return "oe";
    case 0x0152: return "OE";
    case 0x00F8: return "o";
    case 0x00D8: return "O";
    case 0x0111: return "d";
    case 0x0110: return "D";
    case 0x0142: return "l";
    case 0x0141: return "L";
    case 0x0131: return "i";
    case 0x00FE: return "th";
    case 0x00DE: return "Th";
    case 0x00F0: return "d";
    case 0x00D0: return "D";
    case 0x2018: case 0x2019: case 0x201A: case 0x201B: case 0x2032: case 0x00B4: case 0x02BC:
        return "'";
    case 0x201C: case 0x201D: case 0x201E: case 0x201F: case 0x2033: case 0x00AB: case 0x00BB:
        return "\"";
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015: case 0x2212:
        return "-";
    case 0x2026: return "...";
    default: break;
    }
    if (cp < 0x80)
        return QByteArray(1, char(cp));
    // Compatibility decomposition turns "é" into "e" + accent, "ﬁ" into "fi",
    // "²" into "2"; keep what is ASCII of it.
    const QString decomposed = QString::fromUcs4(&cp, 1).normalized(QString::NormalizationForm_KD);
    QByteArray out;
    for (QChar c : decomposed) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out.append(char(c.unicode()));
    }
    return out;
}

bool hasSpeakable(const QByteArray &bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// Raises the pitch of rms by factor (playing faster), the caller having
// stretched the durations by the same factor beforehand.
QByteArray resampled(const short *samples, int count, double factor)
{
    const qint64 outCount = count > 0 ? qint64(std::floor((count - 1) / factor)) + 1 : 0;
    QByteArray out(outCount * 2, Qt::Uninitialized);
    auto *dst = reinterpret_cast<short *>(out.data());
    for (qint64 j = 0; j < outCount; ++j) {
        const double x = j * factor;
        const qint64 i = qint64(x);
        const double frac = x - double(i);
        const double a = samples[i];
        const double b = i + 1 < count ? samples[i + 1] : a;
        dst[j] = short(std::lround(a + (b - a) * frac));
    }
    return out;
}


// The pieces of one synthesis that both ways of handing out audio share.
struct Prepared
{
    FliteText input;
    double factor = 1.0;  // rms: pitch raised by playing faster
    cst_utterance *utterance = nullptr;
};

// Builds the utterance for text at speed and pitch; false when there is
// nothing to say.
bool prepare(const FliteVoice &voice, const QString &text, int speed, int pitch, Prepared *out)
{
    out->input = FliteVoices::toFliteText(text);
    if (!voice.voice || !hasSpeakable(out->input.bytes) || speed <= 0 || pitch <= 0)
        return false;

    double stretch = double(voice.defaultStretch) * voice.normalSpeed / speed;
    out->factor = voice.pitchByResampling ? double(pitch) / voice.normalPitch : 1.0;
    stretch *= out->factor;

    out->utterance = new_utterance();
    utt_set_input_text(out->utterance, out->input.bytes.constData());
    // Set on the utterance, whose features are looked up before the
    // voice's: the voice stays untouched for other callers.
    feat_set_float(out->utterance->features, "duration_stretch", float(stretch));
    if (!voice.pitchByResampling)
        feat_set_float(out->utterance->features, "int_f0_target_mean", float(pitch));
    return true;
}

// Word timing, from the facts read out of the utterance. Token names are
// substrings of the input; find them from a running cursor (file_pos is off
// by one and drops punctuation). Samples are of the output (after
// resampling), non-decreasing, and not yet clamped to the audio's length.
// The segments exist before the audio does.
QList<WordMark> wordMarks(const UtteranceFacts &facts, const FliteText &input, int rate, double factor)
{
    QList<WordMark> marks;
    qsizetype cursor = 0;
    qint64 lastSample = 0;
    for (int i = 0; i < facts.count; ++i) {
        const char *name = facts.words[i].token;
        if (!name || !*name)
            continue;
        const qsizetype at = input.bytes.indexOf(name, cursor);
        if (at < 0)
            continue;
        const qsizetype end = at + qsizetype(std::strlen(name));
        cursor = end;

        const float seconds = facts.words[i].start;
        const qint64 sample = std::max(lastSample, qint64(std::llround(double(seconds) * rate / factor)));
        lastSample = sample;

        WordMark mark;
        mark.sample = sample;
        mark.textPosition = input.sourceStart.at(at);
        mark.length = input.sourceEnd.at(end - 1) - mark.textPosition;
        marks.append(mark);
    }
    return marks;
}

// Dropping the leading pause: the audio starts a few milliseconds before
// the first sample a listener can hear (about -40 dB), faded in. That
// sample is looked for from a little before the pause's end (a phone may
// begin before its segment does) to a little after it (the first phone may
// begin very softly, as the "th" of "the" does); none found, the audio
// starts just before the pause's end.
constexpr int kAudible = 300;
constexpr int kFadeInMs = 5;
constexpr int kOnsetBeforeMs = 10;
constexpr int kOnsetAfterMs = 60;
// The first chunk goes out as soon as it holds this much audio, later ones
// in larger batches (each is one event on the GUI thread).
constexpr int kFirstChunkMs = 20;
constexpr int kChunkMs = 100;

// Turns flite's streamed wave into chunks for a sink: drops the leading
// pause if asked, resamples for rms, and hands each mark out with the chunk
// its sample falls in. Lives on the flite thread for one synthesis.
class Streamer
{
public:
    Streamer(const Prepared &prepared, bool dropLeadingPause, const FliteChunkSink &sink)
        : m_prepared(prepared), m_dropLead(dropLeadingPause), m_sink(sink)
    {
    }

    bool done() const { return m_done; }

    // The wave holds `available` finished samples; false stops flite.
    bool take(const cst_wave *wave, qint64 available, bool last)
    {
        if (m_done)
            return false;
        if (!m_started && !start(wave)) {
            finish(true);
            return false;
        }
        produce(wave->samples, std::min<qint64>(available, wave->num_samples), last);
        const qint64 n = m_pending.size() / 2;
        if (last)
            return flush(true);
        if (n > 0 && n >= qint64(m_rate) * (m_emitted == 0 ? kFirstChunkMs : kChunkMs) / 1000)
            return flush(false);
        return true;
    }

    // Ends the stream without more audio (nothing made, or flite failed).
    void finish(bool failed)
    {
        if (m_done)
            return;
        m_failed = failed;
        flush(true);
    }

private:
    // False when the utterance could not be read.
    bool start(const cst_wave *wave)
    {
        m_started = true;
        m_rate = wave->sample_rate;
        const double factor = m_prepared.factor;
        std::vector<RawWord> words(size_t(m_prepared.input.bytes.size()) + 1);
        UtteranceFacts facts;
        facts.words = words.data();
        facts.capacity = int(words.size());
        if (!guardedReadUtterance(m_prepared.utterance, &facts))
            return false;
        m_marks = wordMarks(facts, m_prepared.input, m_rate, factor);
        if (m_dropLead && facts.leadingPause) {
            const qint64 pauseEnd = std::llround(double(facts.pauseEnd) * m_rate / factor);
            m_searchFrom = std::max<qint64>(0, pauseEnd - qint64(m_rate) * kOnsetBeforeMs / 1000);
            m_searchEnd = pauseEnd + qint64(m_rate) * kOnsetAfterMs / 1000;
            m_searching = true;
        }
        return true;
    }

    // Output starts here: the first audible sample (or -1: none found).
    void startAt(qint64 audible)
    {
        const qint64 fade = qint64(m_rate) * kFadeInMs / 1000;
        const qint64 start = audible < 0 ? m_searchFrom : std::max(m_searchFrom, audible - fade);
        const qint64 fadeLength = audible < 0 ? std::min<qint64>(2 * fade, m_held.size() / 2) : audible - start;
        const auto *held = reinterpret_cast<const qint16 *>(m_held.constData());
        for (qint64 j = start - m_searchFrom; j < m_held.size() / 2; ++j) {
            const qint64 k = j - (start - m_searchFrom);
            const qint16 value = k < fadeLength ? qint16(held[j] * k / fadeLength) : held[j];
            m_pending.append(reinterpret_cast<const char *>(&value), 2);
        }
        m_held = QByteArray();
        m_searching = false;
        for (WordMark &mark : m_marks)
            mark.sample = std::max<qint64>(0, mark.sample - start);
    }

    // Output sample j is made from input position j × factor (linear
    // interpolation), as the whole-piece resampling does.
    void produce(const short *samples, qint64 available, bool last)
    {
        const double factor = m_prepared.factor;
        while (true) {
            qint16 value;
            if (factor == 1.0) {
                if (m_next >= available)
                    break;
                value = samples[m_next];
            } else {
                const double x = double(m_next) * factor;
                const qint64 i = qint64(x);
                if (i + 1 >= available && !(last && x <= double(available - 1)))
                    break;
                const double a = samples[i];
                const double b = i + 1 < available ? samples[i + 1] : a;
                value = qint16(std::lround(a + (b - a) * (x - double(i))));
            }
            const qint64 j = m_next++;
            if (!m_searching) {
                m_pending.append(reinterpret_cast<const char *>(&value), 2);
                continue;
            }
            if (j < m_searchFrom)
                continue;
            m_held.append(reinterpret_cast<const char *>(&value), 2);
            if (std::abs(value) >= kAudible)
                startAt(j);
            else if (j >= m_searchEnd)
                startAt(-1);
        }
        if (last && m_searching)
            startAt(-1);
    }

    bool flush(bool last)
    {
        const qint64 n = m_pending.size() / 2;
        FliteSpeech chunk;
        chunk.sampleRate = m_rate;
        chunk.failed = m_failed;
        chunk.pcm = std::move(m_pending);
        m_pending = QByteArray();
        while (m_nextMark < m_marks.size() && (last || m_marks.at(m_nextMark).sample < m_emitted + n)) {
            WordMark mark = m_marks.at(m_nextMark++);
            mark.sample = std::clamp<qint64>(mark.sample - m_emitted, 0, n);
            chunk.marks.append(mark);
        }
        m_emitted += n;
        if (last)
            m_done = true;
        if (!m_sink(std::move(chunk), last)) {
            m_done = true;
            return false;
        }
        return true;
    }

    const Prepared &m_prepared;
    const bool m_dropLead;
    const FliteChunkSink &m_sink;
    bool m_started = false;
    bool m_done = false;
    bool m_failed = false;
    int m_rate = 0;
    // Looking for where the audio starts, in output samples.
    bool m_searching = false;
    qint64 m_searchFrom = 0;
    qint64 m_searchEnd = 0;
    QByteArray m_held;  // output from m_searchFrom while searching
    qint64 m_next = 0;  // next output sample to make (counting skipped ones)
    qint64 m_emitted = 0;
    QByteArray m_pending;
    QList<WordMark> m_marks;
    qsizetype m_nextMark = 0;
};

// The streamer of the synthesis running on this thread: flite's callback
// gets no reliable pointer of ours (some versions pass asi->userdata).
thread_local Streamer *t_streamer = nullptr;

int streamChunk(const cst_wave *wave, int start, int size, int last, cst_audio_streaming_info *)
{
    Streamer *streamer = t_streamer;
    if (!streamer)
        return CST_AUDIO_STREAM_CONT;
    return streamer->take(wave, qint64(start) + size, last != 0) ? CST_AUDIO_STREAM_CONT : CST_AUDIO_STREAM_STOP;
}

} // namespace

const QList<FliteVoice> &FliteVoices::all()
{
    static const QList<FliteVoice> voices = registerVoices();
    return voices;
}

FliteText FliteVoices::toFliteText(const QString &text)
{
    FliteText out;
    out.bytes.reserve(text.size());
    out.sourceStart.reserve(text.size());
    out.sourceEnd.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        char32_t cp = c.unicode();
        qsizetype units = 1;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, text.at(i + 1));
            units = 2;
        }
        QByteArray piece;
        if (cp == '\t' || cp == '\n' || cp == '\r')
            piece = QByteArray(1, char(cp));
        else if (cp < 0x20 || cp == 0x7F || QChar::isSpace(cp) || QChar::isSurrogate(cp))
            piece = " ";
        else
            piece = asciiFor(cp);
        if (piece.isEmpty())
            piece = " ";
        for (char b : std::as_const(piece)) {
            out.bytes.append(b);
            out.sourceStart.append(int(i));
            out.sourceEnd.append(int(i + units));
        }
        i += units;
    }
    return out;
}

FliteSpeech FliteVoices::synthesize(const FliteVoice &voice, const QString &text, int speed, int pitch)
{
    FliteSpeech speech;
    speech.sampleRate = voice.sampleRate;
    Prepared prepared;
    if (!prepare(voice, text, speed, pitch, &prepared))
        return speech;
    cst_utterance *utterance = guardedSynth(prepared.utterance, voice.voice);
    if (!utterance) {
        qCWarning(lcSapi4) << "flite failed on" << text.left(80);
        speech.failed = true;
        return speech;
    }

    const cst_wave *wave = utt_wave(utterance);
    const int rate = wave ? wave->sample_rate : voice.sampleRate;
    const int count = wave ? wave->num_samples : 0;
    if (count > 0) {
        if (prepared.factor != 1.0)
            speech.pcm = resampled(wave->samples, count, prepared.factor);
        else
            speech.pcm = QByteArray(reinterpret_cast<const char *>(wave->samples), qsizetype(count) * 2);
    }
    speech.sampleRate = rate;
    const qint64 outSamples = speech.pcm.size() / 2;
    std::vector<RawWord> words(size_t(prepared.input.bytes.size()) + 1);
    UtteranceFacts facts;
    facts.words = words.data();
    facts.capacity = int(words.size());
    if (!guardedReadUtterance(utterance, &facts)) {
        qCWarning(lcSapi4) << "flite failed on" << text.left(80);
        delete_utterance(utterance);
        return FliteSpeech{{}, {}, rate, true};
    }
    // kal's last segment ends after its audio.
    speech.marks = wordMarks(facts, prepared.input, rate, prepared.factor);
    for (WordMark &mark : speech.marks)
        mark.sample = std::min(mark.sample, outSamples);
    delete_utterance(utterance);
    return speech;
}

void FliteVoices::setReadingFault(ReadingFault fault)
{
    readingFault = fault;
}

QList<FliteVoice> FliteVoices::offered()
{
    const QList<FliteVoice> &voices = all();
    if (!qEnvironmentVariableIsSet("SAYORA_FLITE_VOICES"))
        return voices;
    const QStringList wanted = qEnvironmentVariable("SAYORA_FLITE_VOICES").split(u',', Qt::SkipEmptyParts);
    QList<FliteVoice> out;
    for (const FliteVoice &v : voices) {
        if (wanted.contains(v.id, Qt::CaseInsensitive))
            out.append(v);
    }
    return out;
}

void FliteVoices::synthesizeStreaming(const FliteVoice &voice, const QString &text, int speed, int pitch,
                                      bool dropLeadingPause, const FliteChunkSink &sink)
{
    Prepared prepared;
    if (!prepare(voice, text, speed, pitch, &prepared)) {
        FliteSpeech nothing;
        nothing.sampleRate = voice.sampleRate;
        sink(std::move(nothing), true);
        return;
    }
    Streamer streamer(prepared, dropLeadingPause, sink);
    // Owned by the utterance's features from here on.
    cst_audio_streaming_info *info = new_audio_streaming_info();
    info->asc = streamChunk;
    feat_set(prepared.utterance->features, "streaming_info", audio_streaming_info_val(info));

    Streamer *outer = t_streamer;
    t_streamer = &streamer;
    cst_utterance *utterance = guardedSynth(prepared.utterance, voice.voice);
    t_streamer = outer;
    if (!utterance) {
        qCWarning(lcSapi4) << "flite failed on" << text.left(80);
        streamer.finish(true);
        return;
    }
    // A voice that did not stream, or did not say it was done: hand out what
    // is left of the finished wave.
    const cst_wave *wave = utt_wave(utterance);
    if (wave && !streamer.done())
        streamer.take(wave, wave->num_samples, true);
    streamer.finish(false);
    delete_utterance(utterance);
}
