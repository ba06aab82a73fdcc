#pragma once

#include "app/reading_positions.h"
#include "app/settings_record.h"
#include "registry/registry_key.h"
#include "documents/rich_text_box.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>

class ControlHost;
class ImageButton;
class Mp3Export;
class QTimer;
class QFileSystemWatcher;
class PositionSlider;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPlainTextEdit;
class QScrollBar;
class SpeechController;

// The main window `sayoramain`: the text box above a green panel of picture
// buttons, the voice chooser, the voice parameter scrollbars and the
// position slider. Its load() is the program's start; closing it is the
// program's orderly end.
class SayoraMain : public QWidget
{
    Q_OBJECT
public:
    explicit SayoraMain(QWidget *parent = nullptr);
    ~SayoraMain() override;

    // Start-up with the command line's argument text.
    void load(const QString &argumentText);

    // The text box's buttons: font, back colour, show / hide, open.
    void fontClick();
    void backColourClick();
    void showHideClick();
    void openClick();
    // Loads a file into the text box; a file that cannot be read is reported
    // and the text box keeps its text.
    // A document opened again, unchanged, resumes where its reading stopped.
    bool openDocument(const QString &path);
    // RichTextBox1's newly loaded file into the text box, resumed as above.
    void showLoadedDocument(const QString &path);
    // Stores where the reading of the open document stopped.
    void rememberReadingPosition();
    ReadingPositions &readingPositions() { return m_positions; }
    // The short note that a document resumed (hidden after a few seconds).
    QLabel *resumeNote() const { return m_resumeNote; }
    // The Save button: text, rich text or an MP3 export with the selected
    // voice, watched by the four export timers.
    void saveClick();
    bool exportRunning() const;
    // Stops a running export; the target stays as it was.
    void cancelExport();
    // A termination signal: stops a running export, removes its temporary
    // files, then ends the program by the same signal.
    void endBySignal(int signalNumber);

    // Reloads the normal picture of all eight state buttons.
    void initButton();

    // Outer window size in twips, as the layout rules use it.
    int outerWidthTwips() const;
    int outerHeightTwips() const;
    void setOuterHeightTwips(int height);
    // The resize layout for an outer window size in twips.
    void layoutForOuterSize(int outerWidth, int outerHeight);

    SpeechController *speech() const { return m_speech; }
    bool exitRequested() const { return m_exitRequested; }

    // Widgets, by the names the behaviour is described with.
    QPlainTextEdit *MainTxtBox = nullptr;
    QFrame *Frame1 = nullptr;
    ImageButton *Image8 = nullptr;   // back colour
    ImageButton *Image7 = nullptr;   // font
    ImageButton *Image3 = nullptr;   // open
    ImageButton *Image2 = nullptr;   // save
    ImageButton *Image20 = nullptr;  // show / hide text box
    ImageButton *Image4 = nullptr;   // speak
    ImageButton *Image5 = nullptr;   // pause
    ImageButton *Image6 = nullptr;   // stop
    ImageButton *Image9 = nullptr;   // rewind
    ImageButton *Image19 = nullptr;  // help
    ImageButton *Image1 = nullptr;   // update
    ImageButton *Picture2 = nullptr; // the voice list's drop-down arrow
    QComboBox *Combo1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QScrollBar *VScroll2 = nullptr;
    QScrollBar *VScroll3 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label60 = nullptr;
    QLabel *Label70 = nullptr;
    PositionSlider *cpvSlider1 = nullptr;
    ControlHost *MyTavo1 = nullptr;  // the wave rendering control
    QLabel *Label7 = nullptr;        // export progress, 0 … 100
    QLabel *Label8 = nullptr;        // export time, hh:mm:ss
    QTimer *Timer101 = nullptr;      // waiting for the WAV file (flite voices)
    QTimer *Timer1 = nullptr;        // rendering through MyTavo1
    QTimer *Timer102 = nullptr;      // waiting for the MP3 file
    QTimer *Timer2 = nullptr;        // encoding

    // Window state.
    int LoadStep = 0;
    bool FurstRun = false;
    QString StartFromS;
    int OpenStatus = 1;
    int SaveStatus = 1;
    int BColorStatus = 1;
    int TColorStatus = 1;
    SettingsRecord Settings;
    // The value last read from or written to "WaveEnd" by an export through
    // MyTavo1: 2 while the control renders.
    quint32 WaveEndValue = 0;
    // Export state.
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
    RichTextBox RichTextBox1;

signals:
    // The window is shown for the first time (start-up measurement).
    void firstShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A file dropped on the window or the text box opens as with Open.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildWidgets();
    void connectButtons();
    bool loadSteps(const QString &argumentText);
    void shutdown();
    void hover(ImageButton *button);
    void helpPointerMoved();
    void dragWindow(Qt::MouseButton button);
    void quitAfterSpeech();
    void openUpdateWindow();
    void openHelpWindow();

    // Saving and the export timers.
    void buildExportWidgets();
    void saveTextFile(const QString &name, const QString &extension);
    void exportMp3(const QString &name);
    void renderWithControl(const QString &text);
    bool renderWithWaveVoice(const QString &text);
    bool askOverwrite(const QString &target);
    void Timer101_Timer();
    void Timer1_Timer();
    void Timer102_Timer();
    void Timer2_Timer();
    void WaveStop();
    void showElapsed();
    bool stalled(qint64 size);
    void exportFailed(const QString &why);
    void endExport();
    enum class ControlLock { Taken, HeldByAnother, CannotBeMade };
    ControlLock lockControlExport();
    void unlockControlExport();
    void reportNothingSpoken(const QString &voiceName);

    // Settings: captured on a first run, applied at start-up, saved at the end.
    bool captureSettings();
    bool loadAndApplySettings();
    void saveSettings();
    void captureGeometry();
    void captureTextBox();
    void applyGeometry();
    void applyOuterGeometry();
    void applyTextBox(const SettingsRecord &file, int fieldsRead);
    void applyVoice(const SettingsRecord &file);

    SpeechController *m_speech = nullptr;
    bool m_exitRequested = false;
    bool m_shownOnce = false;
    bool m_text1Pressed = false;
    QMessageBox *m_nothingSpokenBox = nullptr;
    std::optional<QRect> m_pendingOuterGeometry;
    QPointer<Mp3Export> m_export;
    bool m_exportCancelled = false;
    qint64 m_lastSize = -1;
    QElapsedTimer m_sinceProgress;
    QFileSystemWatcher *m_storeWatch = nullptr;
    // Held while an export through the control waits for "WaveEnd": the
    // flag is one per user, so one such export per user at a time.
    int m_controlExportLock = -1;
    int m_endSignal = 0;
    ReadingPositions m_positions;
    std::optional<ReadingPositions::Entry> m_document;  // the open document as it was opened
    QLabel *m_resumeNote = nullptr;
    QTimer *m_resumeNoteTimer = nullptr;
    void showResumeNote(const QString &text);
};
