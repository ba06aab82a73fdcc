#include "app/sayora_main.h"

#include "app/book_navigation.h"
#include "app/command_line.h"
#include "app/installation.h"
#include "app/keyboard_access.h"
#include "app/language_switch.h"
#include "app/pronunciation_window.h"
#include "app/selection_key.h"
#include "app/speech_panel.h"
#include "app/window_export.h"
#include "app/window_settings.h"
#include "com/component_runtime.h"
#include "help/help_window.h"
#include "shell/program_folder.h"
#include "speech/speech_controller.h"
#include "ui/control_host.h"
#include "ui/image_button.h"
#include "ui/label_fit.h"
#include "ui/parameter_scroll_bar.h"
#include "ui/position_slider.h"
#include "ui/twips.h"
#include "update/update_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QTextDocument>
#include <QWindow>

#include <algorithm>

namespace {

// Colours are written as the platform's 0x00BBGGRR values.
QColor bgr(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
    }
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QLabel *panelLabel(QWidget *panel, const QString &text, quint32 colour, QRect geometry, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, panel);
    label->setGeometry(geometry);
    label->setFont(QFont(QStringLiteral("Tahoma"), 8));
    label->setAlignment(alignment | Qt::AlignVCenter);
    setColours(label, bgr(colour), QColor());
    label->setMouseTracking(true);
    return label;
}

QScrollBar *parameterScrollBar(QWidget *panel, QRect geometry)
{
    auto *bar = new ParameterScrollBar(panel);
    bar->setRange(0, 100);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setGeometry(geometry);
    return bar;
}

// The application's colours for a widget, every role set, so a parent's
// palette does not shine through.
QPalette ownPalette(const QWidget *widget)
{
    QPalette palette = QApplication::palette(widget);
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

ImageButton *pictureButton(QWidget *panel, QRect geometry, const QString &picture, const QString &toolTip)
{
    auto *button = new ImageButton(panel);
    button->setGeometry(geometry);
    button->setPicture(picture);
    button->setToolTip(toolTip);
    return button;
}

constexpr int panelHeightTwips = 1455;

// The first local file a drag carries; empty for text and remote links.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

}  // namespace

SayoraMain::SayoraMain(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("sayoramain"));
    setWindowTitle(QStringLiteral("Sayora " SAYORA_VERSION));
    setWindowIcon(QIcon(programFile(QStringLiteral("sayora.png"))));
    setMouseTracking(true);
    setColours(this, QColor(), bgr(0x008000));
    resize(twips::toPixels(6930), twips::toPixels(7695));
    Settings.ShowText = true;
    // The window thread's hold on the component runtime, for the control.
    ComponentRuntime::initialize();
    Installation::ensureInstalled();
    UpdateWindow::removeInstallerLeftover();  // the installer the last run started
    buildWidgets();

    SpeechWidgets widgets;
    widgets.MainTxtBox = MainTxtBox;
    widgets.Combo1 = Combo1;
    widgets.Text1 = Text1;
    widgets.Image4 = Image4;
    widgets.Image5 = Image5;
    widgets.Image6 = Image6;
    widgets.VScroll1 = VScroll1;
    widgets.VScroll2 = VScroll2;
    widgets.VScroll3 = VScroll3;
    widgets.Label1 = Label1;
    widgets.Label5 = Label5;
    widgets.Label3 = Label3;
    widgets.cpvSlider1 = cpvSlider1;
    m_speechPanel = new SpeechPanel(widgets, this);
    m_speech = new SpeechController(*m_speechPanel, this);
    connect(m_speech, &SpeechController::exitRequested, this, &SayoraMain::quitAfterSpeech);
    connect(cpvSlider1, &PositionSlider::pointerMoved, this, &SayoraMain::initButton);
    connect(m_speech, &SpeechController::nothingSpoken, this, &SayoraMain::reportNothingSpoken);
    connect(m_speech, &SpeechController::readingStopped, this, &SayoraMain::rememberReadingPosition);
    WindowSettings::Parts settingsParts;
    settingsParts.window = this;
    settingsParts.textBox = MainTxtBox;
    settingsParts.speech = m_speech;
    settingsParts.voiceList = Combo1;
    settingsParts.voiceFace = Text1;
    settingsParts.rate = VScroll2;
    settingsParts.pitch = VScroll3;
    settingsParts.textBoxHidden = [this] { textBoxHiddenAtStart(); };
    m_windowSettings = std::make_unique<WindowSettings>(Settings, settingsParts);
    connectButtons();
    KeyboardAccess::install(this);
    m_navigation = new BookNavigation(this, MainTxtBox, m_speech);
    PronunciationWindow::attach(MainTxtBox, m_speech, this);
    new LanguageSwitchOption(m_speech, this);
    new SelectionKey(this, WindowOptions::defaultPath());
}

SayoraMain::~SayoraMain()
{
    // It follows the text box's signals: gone before the text box is.
    delete m_navigation;
    m_navigation = nullptr;
    // The export's lock goes with it, and it talks to the control.
    delete m_export;
    m_export = nullptr;
    // The control goes before the runtime hold that may unload its library.
    delete MyTavo1;
    MyTavo1 = nullptr;
    ComponentRuntime::uninitialize();
}

void SayoraMain::buildWidgets()
{
    MainTxtBox = new QPlainTextEdit(this);
    MainTxtBox->setObjectName(QStringLiteral("MainTxtBox"));
    MainTxtBox->setGeometry(twips::rect(120, 0, 6735, 6135));
    QFont textFont(QStringLiteral("Tahoma"));
    textFont.setPointSizeF(10.5);  // QFont(family, int) would drop the half point
    MainTxtBox->setFont(textFont);
    MainTxtBox->setToolTip(tr("Text box"));
    MainTxtBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setColours(MainTxtBox, bgr(0xFFFFFF), bgr(0xC00000));
    // The highlighted word must stand out on the dark blue background even
    // when the text box does not have the focus.
    QPalette palette = MainTxtBox->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::HighlightedText));
    MainTxtBox->setPalette(palette);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(0, 6240, 7080, panelHeightTwips));
    Frame1->setMouseTracking(true);
    setColours(Frame1, QColor(), bgr(0x008000));

    Image8 = pictureButton(Frame1, twips::rect(0, 480, 525, 450), QStringLiteral("bcolor1.bmp"), tr("Change backcolor of text box"));
    Image7 = pictureButton(Frame1, twips::rect(525, 480, 525, 450), QStringLiteral("tcolor1.bmp"), tr("Change font of text box"));
    Image3 = pictureButton(Frame1, twips::rect(1050, 480, 525, 525), QStringLiteral("Open1.bmp"), tr("Open file"));
    Image2 = pictureButton(Frame1, twips::rect(1575, 480, 525, 525), QStringLiteral("Save1.bmp"), tr("Save as mp3, text file"));
    Image20 = pictureButton(Frame1, twips::rect(2100, 480, 525, 525), QStringLiteral("checkyes1.bmp"), tr("Hide text box"));
    Image4 = pictureButton(Frame1, twips::rect(2625, 480, 525, 525), QStringLiteral("play2.bmp"), tr("Speak"));
    Image5 = pictureButton(Frame1, twips::rect(3150, 480, 525, 525), QStringLiteral("Pause1.bmp"), tr("Pause"));
    Image6 = pictureButton(Frame1, twips::rect(3675, 480, 525, 525), QStringLiteral("Stop1.bmp"), tr("Stop"));
    Image9 = pictureButton(Frame1, twips::rect(3840, 120, 360, 360), QStringLiteral("rewind.bmp"), tr("set to head"));
    Image19 = pictureButton(Frame1, twips::rect(5700, 960, 585, 420), QStringLiteral("howto.bmp"), tr("How does it work?"));
    Image1 = pictureButton(Frame1, twips::rect(6400, 1000, 300, 300), QStringLiteral("update.bmp"), tr("Click here to check new version"));

    // The voice list lies under its face, a text box and an arrow picture.
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // As tall as its face, so no edge of it shows below; the drop-down
    // opens below the face all the same.
    Combo1->setGeometry(twips::rect(1080, 1000, 3405, 300));
    // The panel's green must not reach the drop-down list: it takes the
    // application's own colours, like every dialog.
    Combo1->setPalette(ownPalette(Combo1));
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(1080, 1000, 3135, 300));
    Text1->setReadOnly(true);
    Text1->setFrame(false);
    Text1->setFont(QFont(QStringLiteral("Tahoma"), 12));
    Text1->setText(tr("Not find speech engine"));
    Text1->setToolTip(tr("Change pronunciation"));
    Text1->setCursor(Qt::PointingHandCursor);
    Text1->setMouseTracking(true);
    setColours(Text1, bgr(0x000000), bgr(0xC0E0FF));
    Text1->installEventFilter(this);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Picture2 = pictureButton(Frame1, twips::rect(4200, 1000, 285, 300), QStringLiteral("arrow.bmp"), tr("Change pronunciation"));

    Label2 = panelLabel(Frame1, tr("Volume"), 0x0000FFFF, twips::rect(4320, 0, 885, 270), Qt::AlignLeft);
    Label6 = panelLabel(Frame1, tr("Rate"), 0x00FFC0C0, twips::rect(5280, 0, 675, 270), Qt::AlignLeft);
    Label4 = panelLabel(Frame1, tr("Pitch"), 0x0000C000, twips::rect(6000, 0, 765, 270), Qt::AlignLeft);
    Label1 = panelLabel(Frame1, QStringLiteral("100"), 0x0080FFFF, twips::rect(4200, 480, 450, 285), Qt::AlignRight);
    Label5 = panelLabel(Frame1, QStringLiteral("29"), 0x00FFC0C0, twips::rect(4800, 480, 690, 285), Qt::AlignRight);
    Label3 = panelLabel(Frame1, QStringLiteral("29"), 0x0000C000, twips::rect(5880, 480, 450, 285), Qt::AlignRight);
    for (QLabel *caption : {Label2, Label4, Label6}) {
        fitLabelText(caption);
        caption->installEventFilter(this);
    }
    VScroll1 = parameterScrollBar(Frame1, twips::rect(4680, 360, 375, 495));
    VScroll1->setValue(100);
    VScroll2 = parameterScrollBar(Frame1, twips::rect(5520, 360, 375, 495));
    VScroll3 = parameterScrollBar(Frame1, twips::rect(6360, 360, 375, 495));

    Label70 = new QLabel(Frame1);
    Label70->setGeometry(twips::rect(60, 940, 400, 75));
    setColours(Label70, QColor(), bgr(0xFFFFFF));
    Label60 = new QLabel(Frame1);
    Label60->setGeometry(twips::rect(585, 940, 400, 75));
    setColours(Label60, QColor(), bgr(0x000000));
    for (QLabel *strip : {Label60, Label70}) {
        strip->setMouseTracking(true);
        strip->installEventFilter(this);
    }

    cpvSlider1 = new PositionSlider(Frame1);
    cpvSlider1->setObjectName(QStringLiteral("cpvSlider1"));
    cpvSlider1->setGeometry(twips::rect(60, 120, 3720, 330));
    cpvSlider1->setToolTip(tr("Position in the text"));

    // The control renders exports; its own window is a small mark in the
    // panel's bottom-right corner, out of the way of every button.
    MyTavo1 = new ControlHost(Installation::CLSID_MyTavo, Frame1);
    MyTavo1->setObjectName(QStringLiteral("MyTavo1"));
    MyTavo1->setGeometry(twips::rect(6720, 1245, 165, 135));
    buildExportWidgets();

    // Says briefly that a document resumed; over the top of the text box.
    m_resumeNote = new QLabel(this);
    m_resumeNote->setObjectName(QStringLiteral("resumeNote"));
    m_resumeNote->setFont(QFont(QStringLiteral("Tahoma"), 9));
    m_resumeNote->setMargin(3);
    setColours(m_resumeNote, bgr(0x000000), bgr(0xC0E0FF));
    m_resumeNote->hide();
    m_resumeNoteTimer = new QTimer(this);
    m_resumeNoteTimer->setSingleShot(true);
    m_resumeNoteTimer->setInterval(5000);
    connect(m_resumeNoteTimer, &QTimer::timeout, m_resumeNote, &QWidget::hide);

    // Named as the behaviour names them, so they can be found by name.
    const std::pair<QObject *, const char *> named[] = {
        {Image8, "Image8"},   {Image7, "Image7"},   {Image3, "Image3"},     {Image2, "Image2"},
        {Image20, "Image20"}, {Image4, "Image4"},   {Image5, "Image5"},     {Image6, "Image6"},
        {Image9, "Image9"},   {Image19, "Image19"}, {Image1, "Image1"},     {Picture2, "Picture2"},
        {Label1, "Label1"},   {Label2, "Label2"},   {Label3, "Label3"},     {Label4, "Label4"},
        {Label5, "Label5"},   {Label6, "Label6"},   {Label60, "Label60"},   {Label70, "Label70"},
        {VScroll1, "VScroll1"}, {VScroll2, "VScroll2"}, {VScroll3, "VScroll3"},
    };
    for (const auto &[object, name] : named)
        object->setObjectName(QString::fromLatin1(name));

    Frame1->installEventFilter(this);
    Image9->installEventFilter(this);
    setAcceptDrops(true);
    MainTxtBox->viewport()->installEventFilter(this);
}

void SayoraMain::connectButtons()
{
    for (ImageButton *button : {Image8, Image7, Image3, Image2, Image20, Image4, Image5, Image6})
        connect(button, &ImageButton::pointerMoved, this, [this, button] { hover(button); });
    connect(Image19, &ImageButton::pointerMoved, this, &SayoraMain::helpPointerMoved);

    connect(Image4, &ImageButton::clicked, m_speech, [this] { m_speech->Speak(); });
    connect(Image5, &ImageButton::clicked, m_speech, &SpeechController::Pause);
    // Stop (and its keys F7 and Escape) stops the speech; with nothing
    // spoken it cancels a running export.
    connect(Image6, &ImageButton::clicked, m_speech, [this] {
        const bool speaking = m_speech->readingUnderway();
        m_speech->Stop();
        if (!speaking)
            m_export->cancel();
    });
    connect(Image9, &ImageButton::clicked, m_speech, &SpeechController::Rewind);
    connect(Picture2, &ImageButton::clicked, m_speech, &SpeechController::openVoiceList);
    connect(Image3, &ImageButton::clicked, this, &SayoraMain::openClick);
    connect(Image7, &ImageButton::clicked, this, &SayoraMain::fontClick);
    connect(Image8, &ImageButton::clicked, this, &SayoraMain::backColourClick);
    connect(Image20, &ImageButton::clicked, this, &SayoraMain::showHideClick);
    connect(Image2, &ImageButton::clicked, this, &SayoraMain::saveClick);
    // Buttons whose windows arrive later still count as a user action.
    for (ImageButton *button : {Image1, Image19})
        connect(button, &ImageButton::clicked, this, [this] { m_speech->setDisappear(false); });
    connect(Image1, &ImageButton::clicked, this, &SayoraMain::openUpdateWindow);
    connect(Image19, &ImageButton::clicked, this, &SayoraMain::openHelpWindow);
}

// ---- start-up

void SayoraMain::load(const QString &argumentText, StartText meaning)
{
    // Step 1 can only cut the SAPI 4 listing short; step 3's failure means
    // no SAPI 5 and start-up goes on without it.
    m_speech->GetEngines4();
    LoadStep = 0;
    m_speech->createNewsVoice();
    LoadStep = 1;
    // From here on a failing step ends start-up where it stands; the window
    // still opens with what was done.
    loadSteps(argumentText, meaning);
}

bool SayoraMain::loadSteps(const QString &argumentText, StartText meaning)
{
    if (m_speech->newsVoice()) {
        if (!m_speech->createWaveVoice() || !m_speech->GetEngines5())
            return false;
        m_speech->selectFallbackVoice();
    }
    FurstRun = !QFile::exists(SettingsRecord::defaultPath());
    if (FurstRun) {
        if (!m_windowSettings->capture())
            return false;
    } else if (!m_windowSettings->loadAndApply()) {
        return false;
    }
    m_speech->resetPlayback();
    OpenStatus = SaveStatus = BColorStatus = TColorStatus = 1;

    const CommandLineKind kind =
        meaning == StartText::TextOnly ? classifyText(argumentText) : classifyCommandLine(argumentText);
    StartFromS = kind.kind;
    if (StartFromS == QLatin1String("explorer")) {
        if (!RichTextBox1.LoadFile(kind.filePath)) {
            QMessageBox *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Sayora"),
                                               tr("\"%1\" could not be opened: %2").arg(kind.filePath, RichTextBox1.errorString()),
                                               QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
            return false;
        }
        showLoadedDocument(kind.filePath);
        m_speech->setDisappear(true);
        m_speech->Speak(false);
    } else if (StartFromS == QLatin1String("internet")) {
        MainTxtBox->setPlainText(argumentText);
        m_navigation->showText();
        m_speech->setDisappear(true);
        m_speech->Speak(false);
    } else if (StartFromS == QLatin1String("program")) {
        m_speech->setDisappear(false);
    }
    return true;
}

// ---- shutdown

void SayoraMain::closeEvent(QCloseEvent *event)
{
    shutdown();
    event->accept();
}

void SayoraMain::shutdown()
{
    m_export->shutdown();
    QFile::remove(userFile(QStringLiteral("newversion.ini")));
    rememberReadingPosition();
    m_windowSettings->save();
}

void SayoraMain::quitAfterSpeech()
{
    // Ends at once: the closing steps, settings included, do not run.
    // Queued, so that an end that comes before the event loop runs is not lost.
    m_exitRequested = true;
    // Not quit(): that would close the window and run the closing steps.
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

// ---- the update and help windows

void SayoraMain::openUpdateWindow()
{
    auto *update = new UpdateWindow(this);
    update->setAttribute(Qt::WA_DeleteOnClose);
    // A started installer replaces this program: it ends at once, as after
    // a command-line reading.
    connect(update, &UpdateWindow::installerStarted, this, &SayoraMain::quitAfterSpeech);
    update->open();
}

void SayoraMain::openHelpWindow()
{
    // One help window: a second click brings it to the front.
    auto *help = findChild<HelpWindow *>();
    if (!help) {
        help = new HelpWindow(this);
        help->setAttribute(Qt::WA_DeleteOnClose);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void SayoraMain::reportNothingSpoken(const QString &voiceName)
{
    // Not modal: the user can pick another voice with the message in view.
    if (!m_nothingSpokenBox) {
        m_nothingSpokenBox = new QMessageBox(QMessageBox::Warning, QStringLiteral("Sayora"), QString(), QMessageBox::Ok, this);
        m_nothingSpokenBox->setWindowModality(Qt::NonModal);
        // Gone once closed: a hidden window by the main window's title
        // would take the close a window manager or a script means for the
        // main window.
        m_nothingSpokenBox->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_nothingSpokenBox->setText(tr("The voice \"%1\" could not read this text: nothing was spoken.").arg(voiceName));
    m_nothingSpokenBox->setInformativeText(tr("Choose a voice of the text's language in the voice list and press Speak."));
    m_nothingSpokenBox->show();
    m_nothingSpokenBox->raise();
    m_nothingSpokenBox->activateWindow();
}

// ---- chrome: pictures, hover, drag, layout

void SayoraMain::initButton()
{
    Image8->setPicture(QStringLiteral("bcolor1.bmp"));
    Image7->setPicture(QStringLiteral("tcolor1.bmp"));
    Image3->setPicture(QStringLiteral("Open1.bmp"));
    Image2->setPicture(QStringLiteral("Save1.bmp"));
    m_speechPanel->showPlayback(m_speech->state());
    Image20->setPicture(Settings.ShowText ? QStringLiteral("checkyes1.bmp") : QStringLiteral("checkno1.bmp"));
}

void SayoraMain::hover(ImageButton *button)
{
    initButton();
    if (button == Image8)
        Image8->setPicture(QStringLiteral("bcolor0.bmp"));
    else if (button == Image7)
        Image7->setPicture(QStringLiteral("tcolor0.bmp"));
    else if (button == Image3)
        Image3->setPicture(QStringLiteral("Open0.bmp"));
    else if (button == Image2)
        Image2->setPicture(QStringLiteral("Save0.bmp"));
    else if (button == Image20)
        Image20->setPicture(Settings.ShowText ? QStringLiteral("checkyes0.bmp") : QStringLiteral("checkno0.bmp"));
    else if (button == Image4 || button == Image5 || button == Image6)
        m_speechPanel->showPlaybackHover(m_speech->state(), button);
}

void SayoraMain::helpPointerMoved()
{
    m_speechPanel->showPlayback(m_speech->state());
    Image3->setPicture(QStringLiteral("Open%1.bmp").arg(OpenStatus));
    Image2->setPicture(QStringLiteral("Save%1.bmp").arg(SaveStatus));
    Image8->setPicture(QStringLiteral("bcolor%1.bmp").arg(BColorStatus));
    Image7->setPicture(QStringLiteral("tcolor%1.bmp").arg(TColorStatus));
}

void SayoraMain::dragWindow(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    if (QWindow *window = windowHandle())
        window->startSystemMove();
}

void SayoraMain::mouseMoveEvent(QMouseEvent *event)
{
    initButton();
    QWidget::mouseMoveEvent(event);
}

void SayoraMain::mousePressEvent(QMouseEvent *event)
{
    dragWindow(event->button());
    QWidget::mousePressEvent(event);
}

void SayoraMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SayoraMain::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    m_speech->setDisappear(false);
    // Opened once the drop is over: a message about an unreadable file must
    // not run its own event loop inside the drag.
    QMetaObject::invokeMethod(this, [this, path] { openDocument(path); }, Qt::QueuedConnection);
}

bool SayoraMain::eventFilter(QObject *watched, QEvent *event)
{
    // The text box takes dropped text as it always did; a dropped file is
    // the window's.
    if (watched == MainTxtBox->viewport()) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!droppedFile(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (!droppedFile(drop->mimeData()).isEmpty()) {
                dropEvent(drop);
                return true;
            }
        }
    }
    const bool caption = watched == Label2 || watched == Label4 || watched == Label6;
    if (event->type() == QEvent::MouseMove) {
        if (watched == Frame1 || watched == Image9 || watched == Label60 || watched == Label70 || watched == Text1)
            initButton();
    } else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto button = static_cast<QMouseEvent *>(event)->button();
        if (watched == Frame1 || caption) {
            dragWindow(button);
        } else if (watched == Text1) {
            // The list opens on the release, as a click on the arrow picture
            // does: opened on the press, it would take the pointer and close
            // again on the release.
            m_text1Pressed = button == Qt::LeftButton;
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease && watched == Text1) {
        const auto *release = static_cast<QMouseEvent *>(event);
        const bool click = m_text1Pressed && release->button() == Qt::LeftButton
                           && Text1->rect().contains(release->position().toPoint());
        m_text1Pressed = false;
        if (click)
            m_speech->openVoiceList();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int SayoraMain::outerWidthTwips() const
{
    return twips::fromPixels(frameGeometry().width());
}

int SayoraMain::outerHeightTwips() const
{
    return twips::fromPixels(frameGeometry().height());
}

void SayoraMain::setOuterHeightTwips(int height)
{
    const int frame = frameGeometry().height() - geometry().height();
    resize(width(), twips::toPixels(height) - frame);
}

void SayoraMain::textBoxHiddenAtStart()
{
    Frame1->move(Frame1->x(), 0);
    Image20->setPicture(QStringLiteral("checkno1.bmp"));
    Image20->setToolTip(tr("Show text box"));
}

void SayoraMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The panel is as wide as the window, so its edge never cuts a control.
    Frame1->resize(width(), Frame1->height());
    layoutForOuterSize(outerWidthTwips(), outerHeightTwips());
}

void SayoraMain::updateMinimumSize()
{
    // Never so small that something is lost: the panel's controls whole,
    // and while the text box is shown a few of its lines above the panel
    // (the layout gives it the outer height less one and a half panels).
    QRect controls;
    for (const QWidget *child : Frame1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        controls |= child->geometry();
    int height = controls.bottom() + 1;
    if (Settings.ShowText) {
        const int lines = 3 * MainTxtBox->fontMetrics().lineSpacing() + 2 * MainTxtBox->frameWidth()
                          + 2 * int(std::ceil(MainTxtBox->document()->documentMargin()));
        height = int(std::ceil(1.5 * panelHeightTwips / twips::perPixel)) + lines;
    }
    setMinimumSize(controls.right() + 1, height);
}

void SayoraMain::layoutForOuterSize(int outerWidth, int outerHeight)
{
    if (!Settings.ShowText || isMinimized())
        return;
    if (outerHeight <= 1800) {
        MainTxtBox->move(twips::toPixels(99999), MainTxtBox->y());
        return;
    }
    const int left = 120;
    MainTxtBox->move(twips::toPixels(left), MainTxtBox->y());
    const int textWidth = outerWidth - 3 * left;
    if (textWidth < 0)
        return;
    MainTxtBox->resize(twips::toPixels(textWidth), MainTxtBox->height());
    Frame1->move(Frame1->x(), twips::toPixels(outerHeight - 1865));
    const double textHeight = outerHeight - 1.5 * panelHeightTwips;
    if (textHeight < 0)
        return;
    MainTxtBox->resize(MainTxtBox->width(), twips::toPixels(textHeight));
}

void SayoraMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        // Set once the stored size and the text box's state are in: the size
        // the window was closed at, folded or not, comes back unchanged.
        updateMinimumSize();
        m_windowSettings->settleOuterGeometry();
        emit firstShown();
    }
}

// ---- where the reading stopped

void SayoraMain::rememberReadingPosition()
{
    if (m_document)
        m_positions.remember(*m_document, m_speech->readingPosition());
}

void SayoraMain::readText(const QString &text)
{
    m_speech->Stop();
    MainTxtBox->setPlainText(text);
    m_navigation->showText();
    m_speech->Speak();
}

void SayoraMain::showNote(const QString &text)
{
    showResumeNote(text);
}

void SayoraMain::showResumeNote(const QString &text)
{
    m_resumeNote->setText(text);
    m_resumeNote->setAccessibleName(text);
    // Whole within the text box: on one line where it fits, else wrapped
    // to the box's width.
    m_resumeNote->setWordWrap(false);
    const int room = std::max(MainTxtBox->width() - 8, 80);
    const int width = std::min(m_resumeNote->sizeHint().width(), room);
    m_resumeNote->setWordWrap(true);
    m_resumeNote->resize(width, m_resumeNote->heightForWidth(width));
    m_resumeNote->move(MainTxtBox->geometry().topLeft() + QPoint(4, 4));
    m_resumeNote->show();
    m_resumeNote->raise();
    m_resumeNoteTimer->start();
    // Screen readers hear it although the focus stays where it is.
    QAccessibleEvent alert(m_resumeNote, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    QAccessibleEvent named(m_resumeNote, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}
