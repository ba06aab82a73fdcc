#pragma once

// A stand-in for the desktop portal's global shortcuts on a private session
// bus: it answers as org.freedesktop.portal.Desktop does (the interface's
// version, CreateSession, BindShortcuts with their Response signals) and
// raises Activated when a test presses a shortcut.

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QList>
#include <QString>
#include <QVariantMap>

class PortalStandIn : public QDBusVirtualObject
{
    Q_OBJECT
public:
    // Takes the portal's name on the bus at `address`.
    explicit PortalStandIn(const QString &address);
    ~PortalStandIn() override;
    bool isRegistered() const { return m_registered; }

    // How BindShortcuts answers: 0 bound, 1 declined by the user, 2 refused.
    uint bindResponse = 0;

    struct Shortcut
    {
        QString id;
        QVariantMap properties;
    };
    // What the last BindShortcuts asked for, and for which session.
    QList<Shortcut> bound;
    QString boundSession;
    QStringList sessions;  // created, in order

    // Raises Activated for the shortcut `id` of `session`.
    void press(const QString &session, const QString &id);

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

signals:
    void shortcutsBound();

private:
    void respond(const QDBusMessage &call, const QString &token, uint response, const QVariantMap &results);

    QDBusConnection m_bus;
    bool m_registered = false;
    int m_sessionCount = 0;
};
