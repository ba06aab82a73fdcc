#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "speech/file_voice.h"
#include "speech/playback_state.h"
#include "speech/pronunciation_rules.h"
#include "speech/reading_runs.h"
#include "speech/voice_choice.h"

class DirectSS;
class ReadingView;
class Sapi4Voice;
class Sapi5Voice;
class SpeakingVoice;
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
    // user had chosen it. Returns true when it changed the voice. Read
    // sentence by sentence, a text with a fair share the selected voice can
    // read keeps it, and the other sentences find their own voices.
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
    using State = PlaybackState;
    State state() const { return m_state; }
    // A reading is under way, speaking or paused.
    bool readingUnderway() const { return m_state != State::Idle; }
    // Start-up: idle, with the buttons shown so.
    void resetPlayback();

    // The program ends once the reading ends (a reading started from the
    // command line); any action of the user clears it.
    bool disappear() const { return Disappear; }
    void setDisappear(bool on) { Disappear = on; }

    // Where the speech handed to the engine began in the text box, and that
    // text (after the pronunciation rules).
    qint64 speakStart() const { return SpeakStart; }
    const QString &spokenText() const { return SpokenText; }
    qint64 textLength() const { return TextLength; }

    // The selected voice: its engine generation (0: none yet), its index
    // among that generation's voices (SAPI 4 modes count from 1) and name.
    int currentEngine() const { return CurEngine; }
    int currentVoiceIndex() const { return CurVoiceIndex; }
    QString currentVoiceName() const { return CurVoiceName; }
    // How many voices each generation put in the voice list.
    int sapi4Count() const { return Sapi4Count; }
    int sapi5Count() const { return Sapi5Count; }
    // The selected voice; none before a voice is chosen.
    SpeakingVoice *selectedVoice() const;
    // The name the selected voice's quirks go by; empty for a voice with none.
    QString quirksName() const;
    // The languages of the voices in the list ("en", "en-us", "de", ...),
    // once per voice.
    QStringList voiceLanguages() const;

    // A voice of the list as the settings record keeps it: its engine
    // generation, its index among that generation's voices, and where its
    // engine's rate and pitch put the bars now. What a voice lacks is unset.
    struct StoredVoice
    {
        int engine = 0;
        std::optional<int> index;
        std::optional<int> ratePercent;
        std::optional<int> pitchPercent;
    };
    StoredVoice storedVoice(int position) const;
    // The list position of a voice the settings record keeps; -1 when the
    // list has none such.
    int listPosition(int engine, int index) const;

    // A voice for a sound file, as the bars have set it: the selected one,
    // or (a token of voicedRuns()) another language's, at the rate and
    // volume espeak-ng has. Null with no voice selected.
    FileVoice fileVoice(int token = -1) const;

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

signals:
    // The reading went from one state to another.
    void stateChanged(SpeechController::State state);
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
    // Why the voice's current speech is being interrupted. Pausing,
    // resetting or restarting an engine can itself raise an end-of-speech
    // notification: whoever interrupts says so before calling the engine,
    // and only an end with no interruption under way ends the reading.
    enum class Interruption {
        None,
        RestartAtSlider,  // the reading starts again where the slider was let go
        EnginePaused,     // a flite voice paused: its audio may report an end
    };

    void setState(State state);

    State m_state = State::Idle;
    Interruption HaltReason = Interruption::None;
    // The voice that holds the current speech (none when idle). It differs
    // from the selected one when the user picks a voice of the other engine
    // while speaking, or while another language's voice reads; pause, resume
    // and stop act on this one.
    SpeakingVoice *m_playing = nullptr;
    bool Disappear = false;
    // Positions are text-box positions in UTF-16 units, wider than 16 bits
    // so long texts highlight correctly.
    qint64 SpeakStart = 0;
    qint64 TextLength = 0;
    QString SpokenText;

    int Sapi4Count = 0;
    int Sapi5Count = 0;
    int CurEngine = 0;
    int CurVoiceIndex = 0;
    QString CurVoiceName;
    QString CurVoiceLanguage;

    // The speaking voices' events.
    void listen(SpeakingVoice *voice);
    void voiceStarted();
    void voiceWord(qint64 position, qint64 length);
    void endOfSpeech();
    void startReading();

    // The voice that holds the speech, else the selected one.
    SpeakingVoice *playingVoice() const;
    void silenceAllBut(SpeakingVoice *voice);
    // Another language's voice: its index among NewsVoice1's voices, -1 when
    // there is none or it is the selected voice itself.
    int languageVoice(const QString &language) const;
    // Makes that voice read, with the bars' rate and volume; gives its
    // language and name.
    SpeakingVoice *useLanguageVoice(int token, QString *language, QString *name);
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
    Sapi4Voice *m_sapi4Voice = nullptr;  // over DirectSS1
    Sapi5Voice *m_sapi5Voice = nullptr;  // over NewsVoice1
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
    bool m_runPending = false;     // paused between two runs: the next starts on resuming
    quint64 m_runGeneration = 0;   // a pending start of the next run counts only for its reading
    int m_ratePosition = -1;       // the scrollbars, for another language's voice
    int m_volumePosition = -1;
};
