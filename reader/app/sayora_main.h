#pragma once

#include "app/command_line.h"
#include "app/reading_positions.h"
#include "app/settings_record.h"
#include "registry/registry_key.h"
#include "documents/save_types.h"
#include "documents/document_loader.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <optional>

class BookNavigation;
class ControlHost;
class ImageButton;
class PositionSlider;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPlainTextEdit;
class QScrollBar;
class SpeechController;
class SpeechPanel;
class WindowExport;
class WindowSettings;

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
    void load(const QString &argumentText, StartText meaning = StartText::PathOrText);

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
    // Reads a text handed over from another program (the selection) from
    // its start, in place of the text box's text; a reading under way stops.
    void readText(const QString &text);
    // A short note over the text box, hidden after a few seconds.
    void showNote(const QString &text);
    // Stores where the reading of the open document stopped.
    void rememberReadingPosition();
    ReadingPositions &readingPositions() { return m_positions; }
    // The short note that a document resumed (hidden after a few seconds).
    QLabel *resumeNote() const { return m_resumeNote; }
    // The Save button: text, rich text or an MP3 export with the selected
    // voice, watched by the four export timers.
    void saveClick();
    // The MP3 export, its labels and timers.
    WindowExport *exporter() const { return m_export; }

    // Reloads the normal picture of all eight state buttons.
    void initButton();

    // Outer window size in twips, as the layout rules use it.
    int outerWidthTwips() const;
    int outerHeightTwips() const;
    void setOuterHeightTwips(int height);
    // The resize layout for an outer window size in twips.
    void layoutForOuterSize(int outerWidth, int outerHeight);

    SpeechController *speech() const { return m_speech; }
    // The open document's chapters and the steps through it.
    BookNavigation *navigation() const { return m_navigation; }
    bool exitRequested() const { return m_exitRequested; }

    // The settings record the window keeps (the open and save dialogs start
    // from its folders).
    SettingsRecord &settings() { return Settings; }
    // No settings file was found at start-up.
    bool firstRun() const { return FurstRun; }
    // How the program was started, as the command line said.
    QString startFrom() const { return StartFromS; }

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
    // The window's keyboard layer works on its widgets.
    friend class KeyboardAccess;

    // Widgets, each named as its object name, by which the tests and the
    // accessibility tools find it.
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

    // Window state.
    int LoadStep = 0;
    bool FurstRun = false;
    QString StartFromS;
    int OpenStatus = 1;
    int SaveStatus = 1;
    int BColorStatus = 1;
    int TColorStatus = 1;
    SettingsRecord Settings;
    DocumentLoader RichTextBox1;

    void buildWidgets();
    void connectButtons();
    bool loadSteps(const QString &argumentText, StartText meaning);
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
    void exportBook(const QString &name, SaveTypes::Type type);
    bool askOverwrite(const QString &target);
    void reportNothingSpoken(const QString &voiceName);

    // Settings: captured on a first run, applied at start-up, saved at the end.
    std::unique_ptr<WindowSettings> m_windowSettings;
    void textBoxHiddenAtStart();
    void updateMinimumSize();

    SpeechPanel *m_speechPanel = nullptr;  // what speech sees of the window
    SpeechController *m_speech = nullptr;
    BookNavigation *m_navigation = nullptr;
    bool m_exitRequested = false;
    bool m_shownOnce = false;
    bool m_text1Pressed = false;
    QPointer<QMessageBox> m_nothingSpokenBox;
    WindowExport *m_export = nullptr;
    ReadingPositions m_positions;
    std::optional<ReadingPositions::Entry> m_document;  // the open document as it was opened
    QLabel *m_resumeNote = nullptr;
    QTimer *m_resumeNoteTimer = nullptr;
    void showResumeNote(const QString &text);
};
