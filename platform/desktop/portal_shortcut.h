#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QVariantMap>

// A global shortcut through the desktop portal
// (org.freedesktop.portal.GlobalShortcuts on the session bus): the desktop
// asks the user to confirm or change the key, and tells this program when
// it is pressed, whichever program has the focus. Every call is
// asynchronous: the portal may show a dialog, or be started on demand.
//
// The steps: ask whether the portal offers the interface, create a session,
// bind one shortcut to it; each step's answer comes as the Response signal
// of a request object whose path is known before the call.
class PortalShortcut : public QObject
{
    Q_OBJECT
public:
    explicit PortalShortcut(QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~PortalShortcut() override;

    // Starts binding `keys` (the portal's preferred trigger) as the shortcut
    // `id` with a description the desktop shows. Ends in bound() or failed().
    void bind(const QString &id, const QString &description, const QKeySequence &keys);

    // The key in the portal's notation: "CTRL+ALT+s".
    static QString triggerText(const QKeySequence &keys);

signals:
    // The desktop holds the shortcut; `trigger` is the key it says it
    // bound (it may differ from the one asked for, or be empty).
    void bound(const QString &trigger);
    // The portal is missing, lacks global shortcuts or refused.
    void failed(const QString &reason);
    void activated();

private slots:
    void sessionCreated(uint response, const QVariantMap &results);
    void shortcutsBound(uint response, const QVariantMap &results);
    void shortcutActivated(const QDBusObjectPath &session, const QString &id, qulonglong timestamp, const QVariantMap &options);

private:
    void createSession();
    // Path of the request object for a handle token; `slot` gets its Response.
    QString expectResponse(const QString &token, const char *slot);
    void stopExpecting();
    void fail(const QString &reason);

    QDBusConnection m_bus;
    QString m_id;
    QString m_description;
    QString m_trigger;
    QString m_session;
    QString m_requestPath;
    bool m_done = false;
};
