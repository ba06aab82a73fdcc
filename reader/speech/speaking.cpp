// Speaking from the caret, the engines' progress events with word
// highlighting, and pause / stop / rewind.

#include "speech/speech_controller.h"

#include "sapi5/sp_voice.h"
#include "speech/prepared_speech.h"
#include "speech/reading_view.h"
#include "speech/speaking_voice.h"

#include <QLocale>

void SpeechController::Speak(bool clearDisappear)
{
    if (clearDisappear)
        Disappear = false;
    if (TextLength == 0 || m_state == State::Speaking)
        return;
    HaltReason = Interruption::None;
    if (!selectedVoice())
        return;
    if (m_state == State::Paused && m_runPending) {
        m_runPending = false;
        // The voice paused after its run had ended plays again, idle.
        if (SpeakingVoice *voice = playingVoice())
            voice->resume();
        if (!speakNextRun()) {
            endOfSpeech();
            return;
        }
        setState(State::Speaking);
        return;
    }
    if (m_state == State::Paused) {
        if (SpeakingVoice *voice = playingVoice())
            voice->resume();
        // A resumed engine raises no new start notification, so the buttons
        // would stay paused and the speech could not be paused again.
        setState(State::Speaking);
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
    SpeakingVoice *voice = selectedVoice();
    if (!voice)
        return false;
    QString language = CurVoiceLanguage;
    QString name = CurVoiceName;
    QString quirks = quirksName();
    if (const int token = run.language.isEmpty() ? -1 : languageVoice(run.language); token >= 0) {
        voice = useLanguageVoice(token, &language, &name);
        quirks.clear();
    } else {
        restoreVoice();
    }
    // Only the text from the caret on, once per run.
    PreparedSpeech prepared = prepareSpeech(SpokenText, m_pronunciation.rulesFor(language), quirks);
    SpokenText = std::move(prepared.spoken);
    m_spokenMap = std::move(prepared.map);
    m_playing = voice;
    emit runStarted(SpeakStart, run.length, name);
    voice->speak(SpokenText);
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
        const int token = part.language.isEmpty() ? -1 : languageVoice(part.language);
        const QString written = text.mid(part.start, part.length);
        if (!runs.isEmpty() && runs.last().token == token) {
            runs.last().spoken += written;  // in the written form until the rules below
            continue;
        }
        runs.append({part.start, written, token});
    }
    for (VoicedRun &run : runs) {
        const QString language = run.token >= 0 ? tokens.at(run.token).Language() : CurVoiceLanguage;
        run.spoken = prepareSpeech(run.spoken, m_pronunciation.rulesFor(language)).spoken;
    }
    return runs;
}

// ---- the voice's events

void SpeechController::voiceStarted()
{
    setState(State::Speaking);
}

void SpeechController::voiceWord(qint64 position, qint64 length)
{
    ++m_wordsSpoken;
    // Positions are in the spoken form; the user sees the written words.
    if (length == SpeakingVoice::unknownLength) {
        // The caret goes to the written word the voice is at, selected to the
        // next delimiter, and a replaced phrase is selected whole.
        const PositionMap::Range written = m_spokenMap.writtenRange(position, 1);
        setCaretPosition(SpeakStart + written.start);
        const qint64 s = caretPosition();
        m_readingPosition = s;
        const qint64 e = std::max<qint64>(FindWordEnd(m_view.text(), s, wordDelimiters()),
                                          std::min<qint64>(SpeakStart + written.start + written.length, TextLength));
        select(s, e - s);
        if (!m_view.sliderHeld())
            setSliderValue(e - 1);
        return;
    }
    const PositionMap::Range written = m_spokenMap.writtenRange(position, length);
    const qint64 offset = SpeakStart + written.start;
    m_readingPosition = offset;
    select(offset, written.length);
    if (offset <= m_view.sliderMaximum() && !m_view.sliderHeld())
        setSliderValue(offset);
}

void SpeechController::startReading()
{
    m_wordsSpoken = 0;
    m_readingRuns = true;
    m_playing = selectedVoice();
}

void SpeechController::endOfSpeech()
{
    if (HaltReason == Interruption::None && m_readingRuns && m_runs.hasNext()) {
        // The next run starts from the event loop: the engine that ended
        // may still be inside its notification. A stop or a new reading
        // meanwhile cancels it.
        const quint64 generation = ++m_runGeneration;
        QMetaObject::invokeMethod(this, [this, generation] {
            if (generation != m_runGeneration || !m_readingRuns)
                return;
            // Paused between the runs: the next waits for the resume.
            if (m_state == State::Paused) {
                m_runPending = true;
                return;
            }
            if (!speakNextRun())
                endOfSpeech();
        }, Qt::QueuedConnection);
        return;
    }
    if (HaltReason == Interruption::None) {
        m_runs.clear();
        restoreVoice();
        // A reading that ran to the end leaves nothing to resume; a stopped
        // one keeps its place although the caret goes back to the start.
        if (m_readingRuns)
            m_readingPosition = 0;
        setState(State::Idle);
        setSliderValue(0);
        setCaretPosition(0);
        m_playing = nullptr;
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

// ---- word ends

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
    if (m_state != State::Speaking)
        return;
    SpeakingVoice *voice = playingVoice();
    setState(State::Paused);
    if (!voice)
        return;
    if (voice->mayEndWhilePaused())
        HaltReason = Interruption::EnginePaused;
    voice->pause();
}

void SpeechController::Stop()
{
    Disappear = false;
    if (m_state == State::Idle)
        return;
    m_readingRuns = false;
    m_runs.clear();
    m_runPending = false;
    ++m_runGeneration;
    SpeakingVoice *voice = playingVoice();
    HaltReason = Interruption::None;
    if (voice)
        voice->stop();
    setState(State::Idle);
    // Whatever else may still talk is silenced too (a voice that is idle
    // stays so).
    silenceAllBut(voice);
    m_playing = nullptr;
    restoreVoice();
    emit readingStopped();
}

void SpeechController::Rewind()
{
    setSliderValue(0);
    setCaretPosition(0);
    if (m_state == State::Idle)
        m_readingPosition = 0;
}

void SpeechController::resumeAt(qint64 position)
{
    setCaretPosition(position);
    m_readingPosition = caretPosition();
    setSliderValue(m_readingPosition);
    m_view.centerCaret();
}
