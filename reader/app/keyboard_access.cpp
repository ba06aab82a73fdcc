#include "app/keyboard_access.h"

#include "app/sayora_main.h"
#include "speech/speech_controller.h"
#include "ui/control_host.h"
#include "ui/focus_mark.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBoundaryFinder>
#include <QToolTip>

#include <algorithm>

namespace {

const char shortcutProperty[] = "sayoraShortcut";
// "unavailable" or "engaged" on the playback buttons; absent otherwise.
const char playbackProperty[] = "sayoraPlayback";

// A picture button as a screen reader should see it: a button named by its
// tooltip's words (which follow the button, as the show / hide button's
// do), pressable, with its shortcut and its playback state.
class AccessibleImageButton : public QAccessibleWidget
{
public:
    explicit AccessibleImageButton(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? widget()->toolTip() : name;
        }
        case QAccessible::Accelerator:
            return widget()->property(shortcutProperty).toString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const QString playback = widget()->property(playbackProperty).toString();
        s.disabled = s.disabled || playback == QLatin1String("unavailable");
        s.pressed = playback == QLatin1String("engaged");
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        const QString keys = widget()->property(shortcutProperty).toString();
        if (action == pressAction() && !keys.isEmpty())
            return keys.split(QStringLiteral(", "));
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    void doAction(const QString &action) override
    {
        // Pressed by a screen reader: the same as a click.
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "clicked");
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *imageButtonFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ImageButton") && object && object->isWidgetType())
        return new AccessibleImageButton(static_cast<QWidget *>(object));
    return nullptr;
}

void setPlayback(ImageButton *button, const QString &playback)
{
    const QAccessible::State before = QAccessible::queryAccessibleInterface(button)->state();
    if (button->property(playbackProperty).toString() == playback)
        return;
    button->setProperty(playbackProperty, playback.isEmpty() ? QVariant() : QVariant(playback));
    const QAccessible::State after = QAccessible::queryAccessibleInterface(button)->state();
    QAccessible::State changed;
    changed.disabled = before.disabled != after.disabled;
    changed.pressed = before.pressed != after.pressed;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

KeyboardAccess *KeyboardAccess::install(SayoraMain *window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(imageButtonFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    return new KeyboardAccess(window);
}

KeyboardAccess::KeyboardAccess(SayoraMain *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("keyboardAccess"));
    addShortcut(window->Image4, {QKeySequence(Qt::Key_F5)});
    addShortcut(window->Image5, {QKeySequence(Qt::Key_F6)});
    addShortcut(window->Image6, {QKeySequence(Qt::Key_F7), QKeySequence(Qt::Key_Escape)});
    addShortcut(window->Image3, {QKeySequence(Qt::CTRL | Qt::Key_O)});
    addShortcut(window->Image2, {QKeySequence(Qt::CTRL | Qt::Key_S)});
    // The text box keeps Ctrl+Home (textBoxKey claims it as a shortcut
    // override while the text box has the focus), so this fires elsewhere.
    addShortcut(window->Image9, {QKeySequence(Qt::CTRL | Qt::Key_Home)});
    // The panel's other buttons, on keys the text box does not use.
    addShortcut(window->Image7, {QKeySequence(Qt::CTRL | Qt::Key_T)});
    addShortcut(window->Image8, {QKeySequence(Qt::CTRL | Qt::Key_B)});
    addShortcut(window->Image20, {QKeySequence(Qt::Key_F8)});
    addShortcut(window->Image19, {QKeySequence(Qt::Key_F1)});
    addShortcut(window->Image1, {QKeySequence(Qt::CTRL | Qt::Key_U)});

    // Names of the controls that carry no words of their own.
    window->MainTxtBox->setAccessibleName(window->MainTxtBox->toolTip());
    window->MainTxtBox->verticalScrollBar()->setAccessibleName(tr("Text box scroll bar"));
    window->MainTxtBox->horizontalScrollBar()->setAccessibleName(tr("Text box horizontal scroll bar"));
    window->Frame1->setAccessibleName(tr("Button panel"));
    window->Text1->setAccessibleName(window->Text1->toolTip());
    window->Combo1->setAccessibleName(tr("Voice list"));
    if (QLineEdit *edit = window->Combo1->lineEdit())
        edit->setAccessibleName(tr("Voice list"));
    window->Combo1->view()->setAccessibleName(tr("Voice list"));
    window->VScroll1->setAccessibleName(window->Label2->text());
    window->VScroll2->setAccessibleName(window->Label6->text());
    window->VScroll3->setAccessibleName(window->Label4->text());
    window->cpvSlider1->setAccessibleName(window->cpvSlider1->toolTip());
    window->Label70->setAccessibleName(tr("Back colour of the text box"));
    window->Label60->setAccessibleName(tr("Text colour of the text box"));
    window->MyTavo1->setAccessibleName(tr("Wave rendering control"));

    setUpFocus();
    watchPlayback();
    window->installEventFilter(this);
    // The export's completion window `mp3end` is a window of its own: its
    // appearing is what "export done" means.
    qApp->installEventFilter(this);
    m_state = tr("Stopped");
    window->setAccessibleDescription(m_state);
}

void KeyboardAccess::addShortcut(QWidget *button, const QList<QKeySequence> &keys)
{
    QStringList texts;
    for (const QKeySequence &key : keys) {
        auto *shortcut = new QShortcut(key, m_window);
        shortcut->setContext(Qt::WindowShortcut);
        // The button's own click signal: the key is a click in every way.
        connect(shortcut, &QShortcut::activated, button, [button] {
            QMetaObject::invokeMethod(button, "clicked");
        });
        texts << key.toString(QKeySequence::NativeText);
    }
    button->setProperty(shortcutProperty, texts.join(QStringLiteral(", ")));
    button->installEventFilter(this);
}

void KeyboardAccess::setUpFocus()
{
    SayoraMain *w = m_window;
    // The text box holds a document to be heard, opened or pasted far more
    // often than typed into: Tab there moves on, as in a form, so that a
    // round of Tab never types into the user's text unnoticed; a tab, which
    // speech does not hear anyway, still comes in with pasted text. Ctrl+Tab
    // leaves it too, as in editors.
    w->MainTxtBox->setTabChangesFocus(true);
    m_textBoxFocus = w->MainTxtBox->focusPolicy();
    // Reading order: the slider's row, the row of buttons with the bars
    // beside it, the voice box's row.
    const QList<QWidget *> order{w->MainTxtBox, w->cpvSlider1, w->Image9,  w->Image8,   w->Image7,
                                 w->Image3,     w->Image2,     w->Image20, w->Image4,   w->Image5,
                                 w->Image6,     w->VScroll1,   w->VScroll2, w->VScroll3, w->Text1,
                                 w->Image19,    w->Image1};
    auto *mark = new FocusMark(this);
    for (qsizetype i = 1; i < order.size(); ++i) {
        // Tab only: a click on a button, a bar or the slider leaves the
        // focus (and the caret) in the text box.
        order[i]->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(order[i - 1], order[i]);
        mark->add(order[i]);
    }
    // The arrow picture is part of the voice box: one stop for both.
    w->Picture2->setFocusPolicy(Qt::NoFocus);
    // The list lies under its face; the face takes the keys for it.
    w->Combo1->setFocusPolicy(Qt::NoFocus);
    if (QLineEdit *edit = w->Combo1->lineEdit())
        edit->setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, &KeyboardAccess::focusChanged);
    w->cpvSlider1->setStepper([this](int from, PositionSlider::Step step) { return stepInText(from, step); });
    m_voiceFace = w->Text1;
    m_voiceArrow = w->Picture2;
    m_voiceList = w->Combo1;
    m_textBox = w->MainTxtBox;
    m_bars = {w->VScroll1, w->VScroll2, w->VScroll3};
    m_voiceFace->installEventFilter(this);
    m_textBox->installEventFilter(this);
    for (QObject *bar : std::as_const(m_bars))
        bar->installEventFilter(this);
}

void KeyboardAccess::focusChanged(QWidget *old, QWidget *now)
{
    // Opening the voice list puts the focus on the list, which lies hidden
    // under its face: once the list has closed, the focus goes back to
    // where it was before.
    if (now != m_voiceList)
        return;
    if (old && old != now && old->window() == m_window)
        m_focusBeforeList = old;
    QMetaObject::invokeMethod(this, [this] {
        if (!m_voiceList->hasFocus() || m_voiceList->view()->isVisible())
            return;
        QWidget *back = m_focusBeforeList ? m_focusBeforeList.data() : m_voiceFace;
        back->setFocus(Qt::PopupFocusReason);
    }, Qt::QueuedConnection);
}

int KeyboardAccess::stepInText(int from, PositionSlider::Step step) const
{
    // A word for the arrows and a sentence for the Page keys: the places a
    // listener wants to start from again. Back from inside a word or a
    // sentence goes to its start.
    const QString text = m_window->MainTxtBox->toPlainText();
    const bool small = step == PositionSlider::Step::SmallForward || step == PositionSlider::Step::SmallBack;
    const bool forward = step == PositionSlider::Step::SmallForward || step == PositionSlider::Step::LargeForward;
    QTextBoundaryFinder finder(small ? QTextBoundaryFinder::Word : QTextBoundaryFinder::Sentence, text);
    finder.setPosition(std::clamp<qsizetype>(from, 0, text.size()));
    for (;;) {
        const qsizetype at = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
        if (at < 0)
            return forward ? int(text.size()) : 0;
        // Words start where their first letter is, not after a space or a
        // mark between them.
        if (!small || (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
            return int(at);
    }
}

void KeyboardAccess::watchPlayback()
{
    // Read the state once every handler of the triggering event has run.
    connect(m_window->speech(), &SpeechController::stateChanged, this, [this] {
        QMetaObject::invokeMethod(this, &KeyboardAccess::playbackMaybeChanged, Qt::QueuedConnection);
    });
}

void KeyboardAccess::playbackMaybeChanged()
{
    using State = SpeechController::State;
    const State state = m_window->speech()->state();
    setPlayback(m_window->Image4, state == State::Speaking ? QStringLiteral("engaged") : QString());
    setPlayback(m_window->Image5, state == State::Idle     ? QStringLiteral("unavailable")
                                  : state == State::Paused ? QStringLiteral("engaged")
                                                           : QString());
    setPlayback(m_window->Image6, state == State::Idle ? QStringLiteral("unavailable") : QString());

    const QString said = state == State::Speaking ? tr("Speaking")
                         : state == State::Paused ? tr("Paused")
                                                  : tr("Stopped");
    if (said != m_state) {
        m_state = said;
        announce(said);
    }
}

void KeyboardAccess::announce(const QString &text)
{
    if (m_window->accessibleDescription() == text) {
        QAccessibleEvent event(m_window, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    } else {
        m_window->setAccessibleDescription(text);
    }
    emit announced(text);
}

QString KeyboardAccess::shortcutText(const QWidget *widget)
{
    return widget->property(shortcutProperty).toString();
}

bool KeyboardAccess::windowKeyOverride(QObject *watched, QEvent *event)
{
    // A control that would take one of the window's keys for itself (the
    // voice box's text takes Ctrl+U and Ctrl+Home) leaves it to the window;
    // only the text box keeps its own (Ctrl+Home, see textBoxKey). Every
    // shortcut of the window counts, the other parts' ones too.
    if (watched == m_textBox || !watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    const QKeySequence key(static_cast<QKeyEvent *>(event)->keyCombination());
    const QList<QShortcut *> shortcuts = m_window->findChildren<QShortcut *>();
    const bool windowKey = std::any_of(shortcuts.begin(), shortcuts.end(), [&key](const QShortcut *shortcut) {
        return shortcut->isEnabled() && shortcut->context() != Qt::WidgetShortcut
               && shortcut->context() != Qt::WidgetWithChildrenShortcut && shortcut->keys().contains(key);
    });
    if (!windowKey)
        return false;
    event->ignore();
    return true;
}

bool KeyboardAccess::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && windowKeyOverride(watched, event))
        return true;
    if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()
        && watched->objectName() == QLatin1String("mp3end")) {
        announce(tr("Export done"));
        return false;
    }
    if (watched == m_window) {
        if (event->type() == QEvent::Show)
            playbackMaybeChanged();
        return false;
    }
    // Only the pointers kept here are compared: while the window is being
    // destroyed its widgets still send events through this filter.
    if (watched == m_voiceFace || watched == m_voiceArrow) {
        if (event->type() == QEvent::ToolTip) {
            // The face is narrower than many voices' names: its tooltip
            // shows the name whole under its own words.
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                               QStringLiteral("%1\n%2").arg(m_voiceArrow->toolTip(), m_voiceFace->text()),
                               static_cast<QWidget *>(watched));
            return true;
        }
        if (watched == m_voiceFace && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            // Reached with Tab, a line edit selects its text and scrolls to
            // its end: the face keeps showing the name from its start, the
            // focus ring marks it.
            QLineEdit *face = m_voiceFace;
            QMetaObject::invokeMethod(face, [face] { face->home(false); }, Qt::QueuedConnection);
            return false;
        }
        if (watched == m_voiceFace)
            return voiceFaceKey(event);
    }
    if (watched == m_textBox) {
        if (event->type() == QEvent::Move)
            textBoxMoved();
        return textBoxKey(event);
    }
    if (m_bars.contains(watched))
        return parameterBarKey(watched, event);
    if (event->type() == QEvent::ToolTip) {
        auto *widget = static_cast<QWidget *>(watched);
        const QString keys = shortcutText(widget);
        if (!keys.isEmpty() && !widget->toolTip().isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                               QStringLiteral("%1 (%2)").arg(widget->toolTip(), keys), widget);
            return true;
        }
    }
    return false;
}

bool KeyboardAccess::voiceFaceKey(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool alt = key->modifiers() & Qt::AltModifier;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (alt) {
            m_window->speech()->openVoiceList();
            return true;
        }
        Q_FALLTHROUGH();
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // As on the list itself: the next voice is chosen at once.
        QCoreApplication::sendEvent(m_window->Combo1, event);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        // As a click on the face.
        m_window->speech()->openVoiceList();
        return true;
    default:
        return false;
    }
}

void KeyboardAccess::textBoxMoved()
{
    // Hidden, the text box is moved out of sight: Tab passes it by then, and
    // the focus it had goes to the button that shows it again.
    const bool inSight = m_window->rect().intersects(m_window->MainTxtBox->geometry());
    m_window->MainTxtBox->setFocusPolicy(inSight ? m_textBoxFocus : Qt::NoFocus);
    if (!inSight && m_window->MainTxtBox->hasFocus())
        m_window->Image20->setFocus(Qt::OtherFocusReason);
}

bool KeyboardAccess::textBoxKey(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+Home (and its Shift variant) are the text box's own: claiming
        // them keeps the rewind shortcut off while the text box has the focus.
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::MoveToStartOfDocument) || key->matches(QKeySequence::SelectStartOfDocument)) {
            event->accept();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    // Ctrl+Tab leaves the text box as Tab does, as in editors.
    auto *key = static_cast<QKeyEvent *>(event);
    if (!(key->modifiers() & Qt::ControlModifier) || (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
        return false;
    const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    QKeyEvent plain(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(m_textBox, &plain);
    return true;
}

bool KeyboardAccess::parameterBarKey(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *bar = static_cast<QScrollBar *>(watched);
    // The bars' top is 100, so Up must raise the value whichever way the
    // bar's controls are set up for the pointer.
    QAbstractSlider::SliderAction action;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Up:
        action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_Down:
        action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_PageUp:
        action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_PageDown:
        action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_Home:
        action = QAbstractSlider::SliderToMaximum;
        break;
    case Qt::Key_End:
        action = QAbstractSlider::SliderToMinimum;
        break;
    default:
        return false;
    }
    // Ctrl+Home stays the rewind shortcut.
    if (static_cast<QKeyEvent *>(event)->modifiers() & Qt::ControlModifier)
        return false;
    bar->triggerAction(action);
    return true;
}
