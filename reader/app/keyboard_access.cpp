#include "app/keyboard_access.h"

#include "app/sayora_main.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"
#include "ui/control_host.h"
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
#include <QToolTip>

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
    // Tab only: a click on a bar or the slider leaves the focus (and the
    // caret) in the text box.
    for (QWidget *widget : std::initializer_list<QWidget *>{w->cpvSlider1, w->Text1, w->VScroll1, w->VScroll2, w->VScroll3})
        widget->setFocusPolicy(Qt::TabFocus);
    // The list lies under its face; the face takes the keys for it.
    w->Combo1->setFocusPolicy(Qt::NoFocus);
    if (QLineEdit *edit = w->Combo1->lineEdit())
        edit->setFocusPolicy(Qt::NoFocus);
    QWidget::setTabOrder(w->MainTxtBox, w->cpvSlider1);
    QWidget::setTabOrder(w->cpvSlider1, w->Text1);
    QWidget::setTabOrder(w->Text1, w->VScroll1);
    QWidget::setTabOrder(w->VScroll1, w->VScroll2);
    QWidget::setTabOrder(w->VScroll2, w->VScroll3);
    m_voiceFace = w->Text1;
    m_textBox = w->MainTxtBox;
    m_bars = {w->VScroll1, w->VScroll2, w->VScroll3};
    m_voiceFace->installEventFilter(this);
    m_textBox->installEventFilter(this);
    for (QObject *bar : std::as_const(m_bars))
        bar->installEventFilter(this);
}

void KeyboardAccess::watchPlayback()
{
    // Read the states once every handler of the triggering event has run.
    const auto recheck = [this] {
        QMetaObject::invokeMethod(this, &KeyboardAccess::playbackMaybeChanged, Qt::QueuedConnection);
    };
    for (ImageButton *button : {m_window->Image4, m_window->Image5, m_window->Image6})
        connect(button, &ImageButton::clicked, this, recheck);
    if (DirectSS *sapi4 = m_window->speech()->directSS()) {
        connect(sapi4, &DirectSS::AudioStart, this, recheck);
        connect(sapi4, &DirectSS::AudioStop, this, recheck);
    }
    // The speaking voice is made at start-up, after the window.
    if (!m_watchingNewsVoice) {
        if (SpVoice *sapi5 = m_window->speech()->newsVoice()) {
            m_watchingNewsVoice = true;
            connect(sapi5, &SpVoice::StartStream, this, recheck);
            connect(sapi5, &SpVoice::EndStream, this, recheck);
        }
    }
}

void KeyboardAccess::playbackMaybeChanged()
{
    const SpeechController *speech = m_window->speech();
    setPlayback(m_window->Image4, speech->PlayStatus == 3 ? QStringLiteral("engaged") : QString());
    setPlayback(m_window->Image5, speech->PauseStatus == 1   ? QStringLiteral("unavailable")
                                  : speech->PauseStatus == 3 ? QStringLiteral("engaged")
                                                             : QString());
    setPlayback(m_window->Image6, speech->StopStatus == 1 ? QStringLiteral("unavailable") : QString());

    const QString state = speech->PlayStatus == 3    ? tr("Speaking")
                          : speech->PauseStatus == 3 ? tr("Paused")
                                                     : tr("Stopped");
    if (state != m_state) {
        m_state = state;
        announce(state);
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

bool KeyboardAccess::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()
        && watched->objectName() == QLatin1String("mp3end")) {
        announce(tr("Export done"));
        return false;
    }
    if (watched == m_window) {
        if (event->type() == QEvent::Show) {
            watchPlayback();
            playbackMaybeChanged();
        }
        return false;
    }
    // Only the pointers kept here are compared: while the window is being
    // destroyed its widgets still send events through this filter.
    if (watched == m_voiceFace)
        return voiceFaceKey(event);
    if (watched == m_textBox)
        return textBoxKey(event);
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
    // Tab types a tab here, so Ctrl+Tab (unused by the text box) leaves it,
    // as in other editors.
    auto *key = static_cast<QKeyEvent *>(event);
    const bool control = key->modifiers() & Qt::ControlModifier;
    if (control && key->key() == Qt::Key_Tab) {
        m_window->cpvSlider1->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (control && key->key() == Qt::Key_Backtab) {
        m_window->VScroll3->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return false;
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
