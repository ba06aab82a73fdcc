#include "flite_voices.h"

#include "sapi4_logging.h"

#include <flite/flite.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstring>

extern "C" {
cst_voice *register_cmu_us_kal(const char *voxdir);
cst_voice *register_cmu_us_kal16(const char *voxdir);
cst_voice *register_cmu_us_awb(const char *voxdir);
cst_voice *register_cmu_us_rms(const char *voxdir);
cst_voice *register_cmu_us_slt(const char *voxdir);
}

namespace {

// flite reports fatal errors through cst_error(), which exits the process
// unless cst_errjmp is set. Only C frames lie between setjmp and longjmp here.
// On an error the half-built utterance is leaked: its state is unknown.
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

float featureFloat(const cst_voice *voice, const char *name, float fallback)
{
    return get_param_float(voice->features, name, fallback);
}

// Normal speeds were measured on a paragraph of prose at flite's own
// durations. Limits run from half to two and a half times normal. Pitch
// ranges keep every setting voice-like; rms moves its pitch by resampling,
// which also shifts its formants, so its range is narrower.
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
    };
    static const Known known[] = {
        {"kal", register_cmu_us_kal, "Flite Kal (US English, male, 8 kHz)", "Kal", "US English", 2,
         190, 95, 475, 95, 60, 190, false},
        {"kal16", register_cmu_us_kal16, "Flite Kal (US English, male, 16 kHz)", "Kal", "US English", 2,
         190, 95, 475, 95, 60, 190, false},
        {"awb", register_cmu_us_awb, "Flite AWB (Scottish English, male)", "AWB", "Scottish English", 2,
         205, 100, 510, 121, 75, 240, false},
        {"rms", register_cmu_us_rms, "Flite RMS (US English, male)", "RMS", "US English", 2,
         175, 85, 440, 100, 75, 140, true},
        {"slt", register_cmu_us_slt, "Flite SLT (US English, female)", "SLT", "US English", 1,
         205, 100, 510, 163, 100, 320, false},
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
    const FliteText input = toFliteText(text);
    if (!voice.voice || !hasSpeakable(input.bytes) || speed <= 0 || pitch <= 0)
        return speech;

    double stretch = double(voice.defaultStretch) * voice.normalSpeed / speed;
    const double factor = voice.pitchByResampling ? double(pitch) / voice.normalPitch : 1.0;
    stretch *= factor;

    cst_utterance *utterance = new_utterance();
    utt_set_input_text(utterance, input.bytes.constData());
    // Set on the utterance, whose features are looked up before the
    // voice's: the voice stays untouched for other callers.
    feat_set_float(utterance->features, "duration_stretch", float(stretch));
    if (!voice.pitchByResampling)
        feat_set_float(utterance->features, "int_f0_target_mean", float(pitch));
    utterance = guardedSynth(utterance, voice.voice);
    if (!utterance) {
        qCWarning(lcSapi4) << "flite failed on" << text.left(80);
        speech.failed = true;
        return speech;
    }

    const cst_wave *wave = utt_wave(utterance);
    const int rate = wave ? wave->sample_rate : voice.sampleRate;
    const int count = wave ? wave->num_samples : 0;
    if (count > 0) {
        if (factor != 1.0)
            speech.pcm = resampled(wave->samples, count, factor);
        else
            speech.pcm = QByteArray(reinterpret_cast<const char *>(wave->samples), qsizetype(count) * 2);
    }
    speech.sampleRate = rate;
    const qint64 outSamples = speech.pcm.size() / 2;

    // Word timing: each token starts where the first segment of its first
    // sounding word starts. Token names are substrings of the input; find
    // them from a running cursor (file_pos is off by one and drops
    // punctuation).
    const cst_item *lastToken = nullptr;
    qsizetype cursor = 0;
    qint64 lastSample = 0;
    for (cst_item *word = relation_head(utt_relation(utterance, "Word")); word; word = item_next(word)) {
        if (!path_to_item(word, "R:SylStructure.daughter1.daughter1.R:Segment"))
            continue;
        const cst_item *token = path_to_item(word, "R:Token.parent");
        if (!token || token == lastToken)
            continue;
        lastToken = token;
        const char *name = item_name(token);
        if (!name || !*name)
            continue;
        const qsizetype at = input.bytes.indexOf(name, cursor);
        if (at < 0)
            continue;
        const qsizetype end = at + qsizetype(std::strlen(name));
        cursor = end;

        const float seconds = ffeature_float(word, "R:SylStructure.daughter1.daughter1.R:Segment.p.end");
        qint64 sample = std::llround(double(seconds) * rate / factor);
        sample = std::clamp<qint64>(sample, lastSample, outSamples);
        lastSample = sample;

        WordMark mark;
        mark.sample = sample;
        mark.textPosition = input.sourceStart.at(at);
        mark.length = input.sourceEnd.at(end - 1) - mark.textPosition;
        speech.marks.append(mark);
    }
    delete_utterance(utterance);
    return speech;
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
