#include "desktop/portal_shortcut.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// One shortcut as BindShortcuts takes it: (sa{sv}).
struct ShortcutEntry
{
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ShortcutEntry &entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ShortcutEntry &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

QString newToken()
{
    return QStringLiteral("sayora%1").arg(QRandomGenerator::global()->generate());
}

// A session handle comes as a string by the interface's word, as an object
// path from some portals.
QString pathText(const QVariant &value)
{
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

}  // namespace

Q_DECLARE_METATYPE(ShortcutEntry)

PortalShortcut::PortalShortcut(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    qDBusRegisterMetaType<ShortcutEntry>();
    qDBusRegisterMetaType<QList<ShortcutEntry>>();
}

PortalShortcut::~PortalShortcut()
{
    stopExpecting();
    if (!m_session.isEmpty()) {
        m_bus.call(QDBusMessage::createMethodCall(service, m_session, QStringLiteral("org.freedesktop.portal.Session"),
                                                  QStringLiteral("Close")),
                   QDBus::NoBlock);
    }
}

QString PortalShortcut::triggerText(const QKeySequence &keys)
{
    if (keys.isEmpty())
        return QString();
    const QKeyCombination combination = keys[0];
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    // The key by its XKB name: letters in lower case, others as Qt names
    // them in English ("F5", "Home").
    QString key = QKeySequence(combination.key()).toString(QKeySequence::PortableText);
    if (key.size() == 1)
        key = key.toLower();
    parts << key;
    return parts.join(u'+');
}

void PortalShortcut::bind(const QString &id, const QString &description, const QKeySequence &keys)
{
    m_id = id;
    m_description = description;
    m_trigger = triggerText(keys);
    if (!m_bus.isConnected()) {
        fail(tr("no session bus"));
        return;
    }
    // A portal without global shortcuts answers with an error: no such
    // interface or property.
    QDBusMessage ask = QDBusMessage::createMethodCall(service, desktopPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    ask << shortcutsInterface << QStringLiteral("version");
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        if (call->isError()) {
            fail(tr("the desktop portal offers no global shortcuts (%1)").arg(call->error().message()));
            return;
        }
        createSession();
    });
}

QString PortalShortcut::expectResponse(const QString &token, const char *slot)
{
    stopExpecting();
    QString sender = m_bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    m_requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    m_bus.connect(service, m_requestPath, requestInterface, QStringLiteral("Response"), this, slot);
    return m_requestPath;
}

void PortalShortcut::stopExpecting()
{
    if (m_requestPath.isEmpty())
        return;
    m_bus.disconnect(service, m_requestPath, requestInterface, QStringLiteral("Response"), this,
                     SLOT(sessionCreated(uint, QVariantMap)));
    m_bus.disconnect(service, m_requestPath, requestInterface, QStringLiteral("Response"), this,
                     SLOT(shortcutsBound(uint, QVariantMap)));
    m_requestPath.clear();
}

void PortalShortcut::createSession()
{
    const QString token = newToken();
    // Subscribed before the call, so an answer that comes at once is heard.
    expectResponse(token, SLOT(sessionCreated(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(service, desktopPath, shortcutsInterface, QStringLiteral("CreateSession"));
    call << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("session_handle_token"), newToken()}};
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        QDBusPendingReply<QDBusObjectPath> reply = *call;
        if (reply.isError())
            fail(tr("the desktop portal refused a shortcut session (%1)").arg(reply.error().message()));
    });
}

void PortalShortcut::sessionCreated(uint response, const QVariantMap &results)
{
    stopExpecting();
    if (response != 0) {
        fail(tr("the desktop portal gave no shortcut session"));
        return;
    }
    m_session = pathText(results.value(QStringLiteral("session_handle")));
    if (m_session.isEmpty()) {
        fail(tr("the desktop portal gave no shortcut session"));
        return;
    }
    m_bus.connect(service, desktopPath, shortcutsInterface, QStringLiteral("Activated"), this,
                  SLOT(shortcutActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));

    const QString token = newToken();
    expectResponse(token, SLOT(shortcutsBound(uint, QVariantMap)));
    QVariantMap properties{{QStringLiteral("description"), m_description}};
    if (!m_trigger.isEmpty())
        properties.insert(QStringLiteral("preferred_trigger"), m_trigger);
    const QList<ShortcutEntry> shortcuts{{m_id, properties}};
    QDBusMessage call = QDBusMessage::createMethodCall(service, desktopPath, shortcutsInterface, QStringLiteral("BindShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariant::fromValue(shortcuts) << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        if (call->isError())
            fail(tr("the desktop portal refused the shortcut (%1)").arg(call->error().message()));
    });
}

void PortalShortcut::shortcutsBound(uint response, const QVariantMap &results)
{
    stopExpecting();
    if (response != 0) {
        fail(response == 1 ? tr("the shortcut was declined") : tr("the desktop portal refused the shortcut"));
        return;
    }
    QString trigger;
    QList<ShortcutEntry> shortcuts;
    const QVariant given = results.value(QStringLiteral("shortcuts"));
    if (given.canConvert<QDBusArgument>()) {
        given.value<QDBusArgument>() >> shortcuts;
        for (const ShortcutEntry &entry : std::as_const(shortcuts)) {
            if (entry.id == m_id)
                trigger = entry.properties.value(QStringLiteral("trigger_description")).toString();
        }
    }
    m_done = true;
    emit bound(trigger);
}

void PortalShortcut::shortcutActivated(const QDBusObjectPath &session, const QString &id, qulonglong, const QVariantMap &)
{
    if (session.path() == m_session && id == m_id)
        emit activated();
}

void PortalShortcut::fail(const QString &reason)
{
    stopExpecting();
    if (m_done)
        return;
    m_done = true;
    emit failed(reason);
}
