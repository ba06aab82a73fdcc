// Speaking from the caret, the engines' progress events with word
// highlighting, and pause / stop / rewind.
//
// `HaltReason` exists because pausing, resetting or restarting an engine
// can itself produce an end-of-speech notification: whoever interrupts sets
// the cause before calling the engine, and the end handlers look at it.

#include "speech/speech_controller.h"

#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/reading_view.h"

#include <QLocale>

namespace {

const QString chineseVoice = QStringLiteral("Microsoft Simplified Chinese");

// Full-width digits to ASCII, in the order the Chinese voice needs them.
QString withAsciiDigits(QString text)
{
    for (int digit = 1; digit <= 10; ++digit) {
        const int d = digit % 10;
        text.replace(QChar(0xFF10 + d), QChar(u'0' + d));
    }
    return text;
}

}  // namespace

void SpeechController::Speak(bool clearDisappear)
{
    if (clearDisappear)
        Disappear = false;
    if (TextLength == 0 || PlayStatus != 2)
        return;
    HaltReason = 0;
    if (CurEngine != Sapi4 && CurEngine != Sapi5)
        return;
    if (PauseStatus == 3 && m_runPending) {
        m_runPending = false;
        // The engine paused after its run had ended plays again, idle.
        if (PlayingEngine == Sapi4)
            DirectSS1->AudioResume();
        else if (NewsVoice1)
            NewsVoice1->Resume();
        if (!speakNextRun()) {
            endOfSpeech();
            return;
        }
        setPlayStatus(3);
        setPauseStatus(2);
        return;
    }
    if (PauseStatus == 3) {
        const int engine = PlayingEngine ? PlayingEngine : CurEngine;
        if (engine == Sapi4)
            DirectSS1->AudioResume();
        else if (NewsVoice1)
            NewsVoice1->Resume();
        // A resumed engine raises no new start notification, so the buttons
        // would stay paused and the speech could not be paused again.
        setPlayStatus(3);
        setPauseStatus(2);
        return;
    }
    qint64 caret = caretPosition();
    SpeakStart = caret;
    if (caret >= TextLength) {
        setCaretPosition(0);
        caret = 0;
        SpeakStart = 0;
    }
    SpokenText = textFrom(caret);
    m_readingPosition = caret;
    chooseVoiceForText(SpokenText);
    startReading();
    prepareRuns(caret, SpokenText);
    speakNextRun();
}

// ---- reading run by run

void SpeechController::prepareRuns(qint64 from, const QString &text)
{
    ++m_runGeneration;
    m_runStream = 0;
    m_runPending = false;
    m_runsFrom = from;
    m_runsText = text;
    const QStringList voiced = NewsVoice1 ? VoiceChoice::voicedLanguages(NewsVoice1->GetVoices()) : QStringList();
    m_runs.start(text, CurVoiceLanguage, voiced, m_languageSwitch && NewsVoice1);
}

bool SpeechController::speakNextRun()
{
    LanguageRun run;
    if (!m_runs.next(&run))
        return false;
    SpeakStart = m_runsFrom + run.start;
    SpokenText = run.start == 0 && run.length == m_runsText.size() ? m_runsText : m_runsText.mid(run.start, run.length);
    // Another language's voice, where one is installed and it is not the
    // selected voice itself; else the selected voice reads the run.
    int engine = CurEngine;
    QString language = CurVoiceLanguage;
    QString name = CurVoiceName;
    int token = -1;
    QList<SpObjectToken> tokens;
    if (!run.language.isEmpty() && NewsVoice1) {
        tokens = NewsVoice1->GetVoices();
        token = VoiceChoice::voiceForLanguage(run.language, tokens, QLocale());
        if (CurEngine == Sapi5 && token == CurVoiceIndex)
            token = -1;
    }
    if (token >= 0) {
        engine = Sapi5;
        language = tokens.at(token).Language();
        name = tokens.at(token).GetDescription(0);
        NewsVoice1->setVoice(tokens.at(token));
        m_voiceSwitched = true;
        // flite's scrollbars, on espeak-ng's scales.
        if (CurEngine == Sapi4) {
            if (m_ratePosition >= 0)
                NewsVoice1->setRate(VoiceChoice::sapi5Rate(m_ratePosition));
            if (m_volumePosition >= 0)
                NewsVoice1->setVolume(m_volumePosition);
        }
    } else {
        restoreVoice();
    }
    toSpokenForm(language);
    if (token < 0 && CurEngine == Sapi5 && m_view.shownVoiceName() == chineseVoice)
        SpokenText = withAsciiDigits(SpokenText);
    PlayingEngine = engine;
    emit runStarted(SpeakStart, run.length, name);
    if (engine == Sapi4)
        DirectSS1->Speak(SpokenText);
    else if (NewsVoice1)
        m_runStream = NewsVoice1->Speak(SpokenText, SpVoice::SVSFlagsAsync);
    return true;
}

QList<SpeechController::VoicedRun> SpeechController::voicedRuns(const QString &text)
{
    QList<VoicedRun> runs;
    QList<SpObjectToken> tokens;
    QList<LanguageRun> parts{{0, text.size(), QString()}};
    if (m_languageSwitch && NewsVoice1) {
        tokens = NewsVoice1->GetVoices();
        parts = LanguageRuns::split(text, CurVoiceLanguage, &LanguageGuesser::shared(), VoiceChoice::voicedLanguages(tokens));
    }
    for (const LanguageRun &part : std::as_const(parts)) {
        int token = part.language.isEmpty() ? -1 : VoiceChoice::voiceForLanguage(part.language, tokens, QLocale());
        if (CurEngine == Sapi5 && token == CurVoiceIndex)
            token = -1;
        const QString written = text.mid(part.start, part.length);
        if (!runs.isEmpty() && runs.last().token == token) {
            runs.last().spoken += written;  // in the written form until the rules below
            continue;
        }
        runs.append({part.start, written, token});
    }
    for (VoicedRun &run : runs) {
        const QString language = run.token >= 0 ? tokens.at(run.token).Language() : CurVoiceLanguage;
        run.spoken = m_pronunciation.rulesFor(language).apply(run.spoken).text;
    }
    return runs;
}

// The selected voice speaks again after another language's.
void SpeechController::restoreVoice()
{
    if (!m_voiceSwitched || !NewsVoice1)
        return;
    m_voiceSwitched = false;
    if (CurEngine == Sapi5) {
        const QList<SpObjectToken> tokens = NewsVoice1->GetVoices();
        if (CurVoiceIndex >= 0 && CurVoiceIndex < tokens.size())
            NewsVoice1->setVoice(tokens.at(CurVoiceIndex));
    }
}

// ---- SAPI 5 events

void SpeechController::NewsVoice1_StartStream()
{
    setPlayStatus(3);
    setPauseStatus(2);
    setStopStatus(2);
}

void SpeechController::NewsVoice1_Word(qint64 characterPosition, qint64 length)
{
    ++m_wordsSpoken;
    // Positions are in the spoken form; the user sees the written words.
    const PositionMap::Range written = m_spokenMap.writtenRange(characterPosition, length);
    const qint64 offset = SpeakStart + written.start;
    m_readingPosition = offset;
    select(offset, written.length);
    if (offset <= m_view.sliderMaximum() && !m_view.sliderHeld())
        setSliderValue(offset);
}

void SpeechController::NewsVoice1_EndStream(long stream)
{
    // The end of a run's stream that was dropped for another says nothing
    // about the reading.
    if (m_readingRuns && m_runStream != 0 && stream != m_runStream)
        return;
    endOfSpeech();
}

void SpeechController::toSpokenForm(const QString &language)
{
    // Only the text from the caret on, once per run: with no rules this is
    // a copy, so the first sound comes as soon as without them.
    SpokenForm form = m_pronunciation.rulesFor(language).apply(SpokenText);
    SpokenText = std::move(form.text);
    m_spokenMap = std::move(form.map);
}

void SpeechController::startReading()
{
    m_wordsSpoken = 0;
    m_readingRuns = true;
    PlayingEngine = CurEngine;
}

void SpeechController::endOfSpeech()
{
    if (HaltReason == 0 && m_readingRuns && m_runs.hasNext()) {
        // The next run starts from the event loop: the engine that ended
        // may still be inside its notification. A stop or a new reading
        // meanwhile cancels it.
        const quint64 generation = ++m_runGeneration;
        QMetaObject::invokeMethod(this, [this, generation] {
            if (generation != m_runGeneration || !m_readingRuns)
                return;
            // Paused between the runs: the next waits for the resume.
            if (PauseStatus == 3) {
                m_runPending = true;
                return;
            }
            if (!speakNextRun())
                endOfSpeech();
        }, Qt::QueuedConnection);
        return;
    }
    if (HaltReason == 0) {
        m_runs.clear();
        m_runStream = 0;
        restoreVoice();
        // A reading that ran to the end leaves nothing to resume; a stopped
        // one keeps its place although the caret goes back to the start.
        if (m_readingRuns)
            m_readingPosition = 0;
        setPlayStatus(2);
        setPauseStatus(1);
        setStopStatus(1);
        setSliderValue(0);
        setCaretPosition(0);
        PlayingEngine = 0;
        const bool silent = m_readingRuns && m_wordsSpoken == 0;
        m_readingRuns = false;
        emit readingStopped();
        if (silent) {
            // Ending the program now would look like a crash: the window
            // would vanish without a sound.
            Disappear = false;
            emit nothingSpoken(CurVoiceName);
            return;
        }
    }
    if (Disappear)
        emit exitRequested();
}

// ---- SAPI 4 notifications

void SpeechController::DirectSS1_AudioStart()
{
    setPlayStatus(3);
    setPauseStatus(2);
    setStopStatus(2);
}

void SpeechController::DirectSS1_AudioStop()
{
    endOfSpeech();
}

void SpeechController::DirectSS1_WordPosition(qint64 byteOffset)
{
    ++m_wordsSpoken;
    // The offset is in the spoken form: the caret goes to the written word
    // it came from, and a replaced phrase is selected whole.
    const PositionMap::Range written =
        m_spokenMap.writtenRange(VoiceChoice::roundHalfEven(double(byteOffset) / 2.0), 1);
    setCaretPosition(SpeakStart + written.start);
    const qint64 s = caretPosition();
    m_readingPosition = s;
    const qint64 e = std::max<qint64>(FindWordEnd(m_view.text(), s, wordDelimiters()),
                                      std::min<qint64>(SpeakStart + written.start + written.length, TextLength));
    select(s, e - s);
    if (!m_view.sliderHeld())
        setSliderValue(e - 1);
}

const QString &SpeechController::wordDelimiters()
{
    static const QString delimiters = QStringLiteral(" \r\n\n\r\r\n");
    return delimiters;
}

bool SpeechController::StartFrom(const QString &character, const QString &delimiters)
{
    if (character.isEmpty())
        return false;
    for (qsizetype i = 0; i < delimiters.size(); ++i) {
        if (delimiters.mid(i, 1) == character)
            return true;
    }
    return false;
}

qint64 SpeechController::FindWordEnd(const QString &text, qint64 start, const QString &delimiters)
{
    if (text.isEmpty())
        return 1;
    const qint64 length = text.size();
    qint64 i = start;
    for (; i <= length; ++i) {
        const QString character = i < length ? text.mid(i, 1) : QString();
        if (StartFrom(character, delimiters))
            return i;
    }
    return i;
}

// ---- buttons

void SpeechController::Pause()
{
    Disappear = false;
    if (PauseStatus != 2)
        return;
    const int engine = PlayingEngine ? PlayingEngine : CurEngine;
    if (engine == Sapi4) {
        setPlayStatus(2);
        setPauseStatus(3);
        HaltReason = 99;
        DirectSS1->AudioPause();
    } else if (engine == Sapi5) {
        if (NewsVoice1)
            NewsVoice1->Pause();
        setPlayStatus(2);
        setPauseStatus(3);
    }
}

void SpeechController::Stop()
{
    Disappear = false;
    if (StopStatus != 2)
        return;
    m_readingRuns = false;
    m_runs.clear();
    m_runPending = false;
    ++m_runGeneration;
    const int engine = PlayingEngine ? PlayingEngine : CurEngine;
    if (engine == Sapi4) {
        setPlayStatus(2);
        setStopStatus(1);
        HaltReason = 0;
        if (PauseStatus == 3)
            DirectSS1->AudioResume();
        DirectSS1->AudioReset();
        setPauseStatus(1);
    } else if (engine == Sapi5) {
        if (NewsVoice1) {
            if (PauseStatus == 3)
                NewsVoice1->Resume();
            NewsVoice1->Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
        }
        setPlayStatus(2);
        setStopStatus(1);
        setPauseStatus(1);
    }
    // Whatever else may still talk is silenced too (both calls do nothing
    // when idle).
    HaltReason = 0;
    silence(engine == Sapi4 ? Sapi5 : Sapi4);
    PlayingEngine = 0;
    m_runStream = 0;
    restoreVoice();
    emit readingStopped();
}

void SpeechController::silence(int engine)
{
    if (engine == Sapi4) {
        DirectSS1->AudioResume();
        DirectSS1->AudioReset();
    } else if (engine == Sapi5 && NewsVoice1) {
        NewsVoice1->Resume();
        NewsVoice1->Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
    }
}

void SpeechController::Rewind()
{
    setSliderValue(0);
    setCaretPosition(0);
    if (PauseStatus != 3 && PlayStatus == 2)
        m_readingPosition = 0;
}

void SpeechController::resumeAt(qint64 position)
{
    setCaretPosition(position);
    m_readingPosition = caretPosition();
    setSliderValue(m_readingPosition);
    m_view.centerCaret();
}
