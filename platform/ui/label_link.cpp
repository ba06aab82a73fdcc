#include "ui/label_link.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class LabelLink : public QObject
{
public:
    LabelLink(QLabel *label, std::function<void()> activate)
        : QObject(label)
        , m_label(label)
        , m_activate(std::move(activate))
    {
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
            return false;
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            // Only a press and release both on the link: moving off it
            // before letting go is how a user changes their mind.
            const bool click = m_pressed && mouse->button() == Qt::LeftButton
                && m_label->rect().contains(mouse->position().toPoint());
            m_pressed = false;
            if (!click)
                return false;
            m_activate();
            return true;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
                return false;
            m_activate();
            return true;
        }
        default:
            return false;
        }
    }

private:
    QLabel *m_label;
    std::function<void()> m_activate;
    bool m_pressed = false;
};

}  // namespace

void makeLabelLink(QLabel *label, std::function<void()> activate)
{
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAccessibleName(label->text());
    label->installEventFilter(new LabelLink(label, std::move(activate)));
}
