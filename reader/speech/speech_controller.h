#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "speech/pronunciation_rules.h"
#include "speech/reading_runs.h"
#include "speech/voice_choice.h"

class DirectSS;
class ReadingView;
class SpObjectToken;
class SpVoice;

// Speech as the main window sees it: the voice list and voice selection,
// speaking from the caret, the engines' progress events with word
// highlighting, pause / stop / rewind, and the voice parameters with the
// position slider. Owns the playback state of the window, and sees the
// window only as a ReadingView.
//
// Every operation keeps going past a failing step unless noted; none ends
// the program except an end of speech while `Disappear` is set, which raises
// exitRequested().
class SpeechController : public QObject
{
    Q_OBJECT
public:
    // Engine generations, carried as item data of the voice list entries.
    static constexpr int Sapi4 = VoiceChoice::Sapi4;
    static constexpr int Sapi5 = VoiceChoice::Sapi5;

    // The view must outlive the controller.
    explicit SpeechController(ReadingView &view, QObject *parent = nullptr);
    ~SpeechController() override;

    // Start-up: the SAPI 4 widget, then the SAPI 5 voices. createNewsVoice()
    // and createWaveVoice() return false when their voice cannot be created
    // (no SAPI 5).
    void GetEngines4();
    bool createNewsVoice();
    bool createWaveVoice();
    bool GetEngines5();

    // Voice list.
    void setVoiceListPosition(int position);  // runs the voice selection
    void selectFallbackVoice();
    void selectVoice();
    void openVoiceList();                      // the voice chooser's face was clicked
    static int dropDownWidth(int longestNameLength);  // 0: keep the box's width
    // Before a reading: when the selected voice cannot read the text's
    // script, selects the espeak-ng voice of the text's language as if the
    // user had chosen it. Returns true when it changed the voice.
    bool chooseVoiceForText(const QString &text);

    // Speaking and playback control. `clearDisappear` is false only for the
    // command-line start, which keeps the program ending after its reading.
    void Speak(bool clearDisappear = true);
    void Pause();
    void Stop();
    void Rewind();

    // Where the reading stopped: the start of the last word spoken, or the
    // caret where the user has put it since; 0 once a reading ran to the end.
    // The end-of-speech reset of the caret does not change it.
    qint64 readingPosition() const { return m_readingPosition; }
    // Puts the caret and the slider at a place in the text (a document opened
    // again resumes there) and makes it the reading position.
    void resumeAt(qint64 position);
    // Moves the reading to a place in the text (a step or a chapter chosen):
    // a running reading goes on from there at once, a paused one resumes
    // from there, and with nothing read the caret and the slider go there
    // for the next Speak (the view scrolls only as far as it must).
    void readFrom(qint64 position);
    // A reading is under way, speaking or paused.
    bool readingUnderway() const { return PauseStatus != 1; }

    // Button pictures follow the state numbers; each setter loads the picture.
    void setPlayStatus(int status);
    void setPauseStatus(int status);
    void setStopStatus(int status);

    // Pure helpers of the SAPI 4 highlighting.
    static bool StartFrom(const QString &character, const QString &delimiters);
    static qint64 FindWordEnd(const QString &text, qint64 start, const QString &delimiters);
    static const QString &wordDelimiters();

    // The user's pronunciation rules; what Speak hands to an engine is the
    // text after these rules, and word events are mapped back through them.
    PronunciationLists &pronunciation() { return m_pronunciation; }
    // Language of the selected voice ("en-us"; flite's voices are "en").
    QString voiceLanguage() const { return CurVoiceLanguage; }
    // Sentences in another language than the selected voice's are read by
    // the best installed voice of theirs, the reading going back to the
    // selected voice after them. On unless turned off; a change counts
    // from the next reading.
    bool languageSwitch() const { return m_languageSwitch; }
    void setLanguageSwitch(bool on) { m_languageSwitch = on; }
    // A text cut as reading aloud cuts it, each part in the spoken form of
    // its voice's rules, for a sound file that switches voices where
    // reading aloud does. token: the SAPI 5 voice (an index among
    // NewsVoice1's voices) of another language, -1 for the selected voice.
    struct VoicedRun
    {
        qsizetype start = 0;  // in text
        QString spoken;
        int token = -1;
    };
    QList<VoicedRun> voicedRuns(const QString &text);

    DirectSS *directSS() const { return DirectSS1; }
    SpVoice *newsVoice() const { return NewsVoice1; }
    SpVoice *waveVoice() const { return WaveVoice1; }

    // Window state. Positions are text-box positions in UTF-16 units, wider
    // than 16 bits so long texts highlight correctly.
    int PlayStatus = 2;
    int PauseStatus = 1;
    int StopStatus = 1;
    int HaltReason = 0;
    // Generation of the engine that holds the current speech (0: none). It
    // differs from CurEngine when the user picks a voice of the other
    // generation while speaking; pause, resume and stop act on this one.
    int PlayingEngine = 0;
    bool Disappear = false;
    bool Sapi5Present = false;
    qint64 SpeakStart = 0;
    qint64 TextLength = 0;
    QString SpokenText;

    int Sapi4Count = 0;
    int Sapi5Count = 0;
    int CurEngine = 0;
    int CurVoiceIndex = 0;
    QString CurVoiceName;
    QString CurVoiceLanguage;
    int Sapi4MaxSpeed = 0;
    int Sapi4MinSpeed = 0;
    int Sapi4MaxPitch = 0;
    int Sapi4MinPitch = 0;

signals:
    // A speech ended while `Disappear` was set: the program ends at once,
    // without its closing steps.
    void exitRequested();
    // A reading ended without a single word spoken: the voice could not read
    // the text. The program then stays open whatever `Disappear` said.
    void nothingSpoken(const QString &voiceName);
    // A reading was stopped or ended: readingPosition() is where.
    void readingStopped();
    // A reading goes on with the text box's text from start, length long,
    // read by the voice of that name (the selected one, or one of another
    // language's).
    void runStarted(qint64 start, qint64 length, const QString &voiceName);

private:
    // SAPI 5 events of the speaking voice.
    void NewsVoice1_StartStream();
    void NewsVoice1_Word(qint64 characterPosition, qint64 length);
    void NewsVoice1_EndStream(long stream);
    // SAPI 4 notifications.
    void DirectSS1_AudioStart();
    void DirectSS1_AudioStop();
    void DirectSS1_WordPosition(qint64 byteOffset);
    void endOfSpeech();
    void startReading();
    void silence(int engine);
    void toSpokenForm(const QString &language);
    // Reading run by run: the runs of the text from `from` on, and the next
    // of them spoken by its voice (false when none is left).
    void prepareRuns(qint64 from, const QString &text);
    bool speakNextRun();
    void restoreVoice();

    // Voice parameters and the slider.
    void volumeChanged(int v);
    void rateChanged(int v);
    void pitchChanged(int v);
    void textChanged();
    void caretMovedByUser();
    void sliderMoved();
    void sliderPressed();
    void sliderReleased();
    void restartAtSlider();
    void textKeyPressed(bool toStart);
    void textKeyReleased();
    void textPressed();

    // Text box helpers.
    qint64 caretPosition() const;
    void setCaretPosition(qint64 position);
    void select(qint64 start, qint64 length);
    QString textFrom(qint64 position) const;
    void setSliderValue(qint64 value);

    ReadingView &m_view;
    DirectSS *DirectSS1 = nullptr;
    SpVoice *NewsVoice1 = nullptr;
    SpVoice *WaveVoice1 = nullptr;
    PronunciationLists m_pronunciation;
    PositionMap m_spokenMap;  // from SpokenText back to the text box, less SpeakStart
    qint64 m_wordsSpoken = 0;
    bool m_readingRuns = false;  // a reading was started and has not been stopped
    qint64 m_readingPosition = 0;
    qint64 m_caretAtKeyPress = -1;
    // The reading's runs, from m_runsFrom in the text box on.
    ReadingRuns m_runs;
    qint64 m_runsFrom = 0;
    QString m_runsText;
    bool m_languageSwitch = true;
    bool m_voiceSwitched = false;  // NewsVoice1 speaks another language's voice
    long m_runStream = 0;          // NewsVoice1's stream of the running run
    bool m_runPending = false;     // paused between two runs: the next starts on resuming
    quint64 m_runGeneration = 0;   // a pending start of the next run counts only for its reading
    int m_ratePosition = -1;       // the scrollbars, for another language's voice
    int m_volumePosition = -1;
};
