#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class PortalShortcut;
class X11KeyGrab;

// A key that reaches this program whichever program has the focus: through
// the desktop portal's global shortcuts where the desktop offers them, else
// by a key grab on the X server, else not at all (way() is None and
// problem() says why). Lives on the window thread.
class GlobalShortcut : public QObject
{
    Q_OBJECT
public:
    enum class Way { Pending, Portal, X11Grab, None };
    Q_ENUM(Way)

    explicit GlobalShortcut(QObject *parent = nullptr);
    ~GlobalShortcut() override;

    // Asks for the key; the answer comes as settled(), possibly at once.
    // `id` names the shortcut to the portal, `description` is what the
    // desktop shows the user about it.
    void start(const QString &id, const QString &description, const QKeySequence &keys);

    Way way() const { return m_way; }
    // Why there is no global key (for the user), once way() is None.
    QString problem() const { return m_problem; }

signals:
    void settled(GlobalShortcut::Way way);
    void activated();

private:
    void tryKeyGrab(const QString &portalProblem);
    void settle(Way way);

    QKeySequence m_keys;
    PortalShortcut *m_portal = nullptr;
    X11KeyGrab *m_grab = nullptr;
    Way m_way = Way::Pending;
    QString m_problem;
};
