#pragma once

#include "export/speech_export.h"
#include "registry/registry_key.h"
#include "speech/prepared_speech.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class ControlHost;
class ConverterRun;
class QFileSystemWatcher;
class QTemporaryDir;
class QLabel;
class QTimer;
class QWidget;

// The main window's MP3 export: its two status labels, its four timers and
// the completion window around one SpeechExport. A flite voice renders
// through the wave rendering control MyTavo1, which reports its end through
// "WaveEnd"; the small adapter here drives it into the export's temporary
// WAV and then hands the file to the export. An espeak-ng voice renders in
// the export itself. Nothing here waits: every step comes from a timer or a
// signal.
class WindowExport : public QObject
{
    Q_OBJECT
public:
    // Where the labels go: on panel, right of x 0 and left of the two
    // limits. Messages are shown over window.
    struct Place
    {
        QWidget *window = nullptr;
        QWidget *panel = nullptr;
        int progressRight = 0;  // the voice list's face
        int timeRight = 0;      // the help picture
        ControlHost *control = nullptr;
        // The time left stands in its lower right corner, over the text:
        // the panel has no room left for it.
        QWidget *textBox = nullptr;
    };
    // The voice the export speaks with.
    struct Voice
    {
        QString name;       // as the voice list shows it
        int rateShown = 0;  // the number the rate label shows
        // The voice that renders: through the control when it has a
        // controlVoice() (a flite voice), in the export otherwise.
        FileVoice file;
        // A text in several languages: its runs, each with its voice,
        // rendered in the export itself whatever the selected voice; none
        // for a text in the voice's language. Asked for once the text is
        // known to fit, since cutting a long text into runs takes a while.
        std::function<QList<SpeechExport::Run>()> runs;
    };

    // An export for listeners of books, made by the converter's pipeline:
    // pieces rendered on every core, joined, encoded.
    struct Book
    {
        enum class Kind { Chapters, MarkedMp3, M4b, Ogg, Opus, Flac };
        Kind kind = Kind::Chapters;
        QString voice;  // as the voice list shows it
        int rate = -1;  // 0 … 100, as the bars show them
        int pitch = -1;
        int volume = -1;
        // Sentences in other languages read by voices of their own, as
        // reading aloud does.
        bool languageSwitch = true;
        // The file the text box's text was opened from, while the box still
        // holds that text (its chapters are read from it); otherwise the
        // text alone, one chapter.
        QString document;
        QString text;
    };

    WindowExport(const Place &place, QObject *parent = nullptr);
    ~WindowExport() override;

    // Shows the labels at "Waiting" for target, before the window asks
    // whether to overwrite it; hideStatus() when it does not go on.
    void showWaiting(const QString &target);
    void hideStatus();
    // Exports text (as spoken) to the target showWaiting() named.
    void start(const PreparedSpeech &speech, const Voice &voice);
    // Exports a book to the target showWaiting() named: a folder of
    // chapters, or one file.
    void startBook(const Book &book);
    bool running() const;
    // Stops a running export; the target stays as it was.
    void cancel();
    // A termination signal: stops a running export, removes its temporary
    // files, then ends the program by the same signal.
    void endBySignal(int signalNumber);
    // The window closes: a rendering through the control is stopped too.
    void shutdown();

    QLabel *Label7 = nullptr;   // export progress, 0 … 100
    QLabel *Label8 = nullptr;   // export time, hh:mm:ss
    QLabel *TimeLeft = nullptr; // the time the export still needs, hh:mm:ss
    QTimer *Timer101 = nullptr; // waiting for the WAV file (flite voices)
    QTimer *Timer1 = nullptr;   // rendering through MyTavo1
    QTimer *Timer102 = nullptr; // waiting for the MP3 file
    QTimer *Timer2 = nullptr;   // encoding

    // The value last read from or written to "WaveEnd" by an export through
    // MyTavo1: 2 while the control renders.
    quint32 WaveEndValue = 0;
    QString TargetFile;
    QString TmpWavFile;
    QString TmpMp3File;
    QDateTime ExportStart;
    qint64 ElapsedSeconds = 0;
    double EstimateWaveSize = 0;
    double EstimateMp3Size = 0;
    qint64 WaveSize = 0;
    int PercentWave = 0;
    RegistryKey AppPathsKey;
    // An export whose files stop growing for this long is given up.
    int exportStallSeconds = 60;

private:
    // length: the text's length as the size estimates count it.
    void renderWithControl(const QString &text, qint64 length, const Voice &voice);
    void Timer101_Timer();
    void Timer1_Timer();
    void Timer102_Timer();
    void Timer2_Timer();
    // The control's rendering is complete: the export checks the WAV and
    // starts the encoder.
    void startEncoding();
    void encodingStarted();
    void exportFinished(bool ok, const QString &why);
    void showElapsed();
    void clockTick();
    void showFraction(double fraction);
    void bookFinished(bool ok, const QString &why);
    bool putChaptersInPlace(QString *why);
    bool stalled(qint64 size);
    void exportFailed(const QString &why);
    void endExport();
    // Takes over a 1 an earlier export left in "WaveEnd" and starts the
    // control's rendering; tried again at the next tick while another
    // process holds the registry store.
    void speakThroughControl();
    QString storeCannotBeWritten() const;
    QString storeLockedTooLong() const;
    enum class ControlLock { Taken, HeldByAnother, CannotBeMade };
    ControlLock lockControlExport();
    void unlockControlExport();

    Place m_place;
    QPointer<SpeechExport> m_export;
    ConverterRun *m_book = nullptr;
    std::unique_ptr<QTemporaryDir> m_bookInput;     // the text given to the converter
    std::unique_ptr<QTemporaryDir> m_bookChapters;  // the chapters, until complete
    // Ticks every second while an export runs: the time taken and the
    // time left move during the rendering too.
    QTimer *m_clock = nullptr;
    bool m_renderingShown = false;  // the progress number follows the rendering
    qint64 m_lastSize = -1;
    QElapsedTimer m_sinceProgress;
    QFileSystemWatcher *m_storeWatch = nullptr;
    // Held while an export through the control waits for "WaveEnd": the
    // flag is one per user, so one such export per user at a time.
    int m_controlExportLock = -1;
    // The control's rendering waiting for the store to be free, and what it
    // is to render.
    struct ControlSpeak
    {
        QString text;
        Voice voice;
    };
    std::optional<ControlSpeak> m_controlSpeak;
    int m_endSignal = 0;
};
