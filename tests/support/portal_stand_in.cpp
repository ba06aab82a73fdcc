#include "support/portal_stand_in.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

}  // namespace

PortalStandIn::PortalStandIn(const QString &address)
    : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("portal-stand-in")))
{
    m_registered = m_bus.isConnected() && m_bus.registerVirtualObject(portalPath, this)
                   && m_bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
}

PortalStandIn::~PortalStandIn()
{
    m_bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
    m_bus.unregisterObject(portalPath);
    QDBusConnection::disconnectFromBus(QStringLiteral("portal-stand-in"));
}

QString PortalStandIn::introspect(const QString &) const
{
    return QStringLiteral("<interface name=\"org.freedesktop.portal.GlobalShortcuts\">"
                          "<method name=\"CreateSession\"><arg type=\"a{sv}\" direction=\"in\"/><arg type=\"o\" direction=\"out\"/></method>"
                          "<method name=\"BindShortcuts\"><arg type=\"o\" direction=\"in\"/><arg type=\"a(sa{sv})\" direction=\"in\"/>"
                          "<arg type=\"s\" direction=\"in\"/><arg type=\"a{sv}\" direction=\"in\"/><arg type=\"o\" direction=\"out\"/></method>"
                          "<signal name=\"Activated\"><arg type=\"o\"/><arg type=\"s\"/><arg type=\"t\"/><arg type=\"a{sv}\"/></signal>"
                          "<property name=\"version\" type=\"u\" access=\"read\"/></interface>");
}

void PortalStandIn::respond(const QDBusMessage &call, const QString &token, uint response, const QVariantMap &results)
{
    // The request object's path: the caller's unique name without its
    // colon, dots as underscores, then the caller's token.
    QString sender = call.service().mid(1);
    sender.replace(u'.', u'_');
    const QString request = QStringLiteral("%1/request/%2/%3").arg(portalPath, sender, token);
    m_bus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
    QDBusMessage signal = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    signal << response << results;
    m_bus.send(signal);
}

bool PortalStandIn::handleMessage(const QDBusMessage &message, const QDBusConnection &)
{
    const QList<QVariant> args = message.arguments();
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") && message.member() == QLatin1String("Get")) {
        if (args.value(0).toString() == shortcutsInterface && args.value(1).toString() == QLatin1String("version"))
            m_bus.send(message.createReply(QVariant::fromValue(QDBusVariant(uint(1)))));
        else
            m_bus.send(message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("no such property")));
        return true;
    }
    if (message.interface() != shortcutsInterface)
        return false;
    if (message.member() == QLatin1String("CreateSession")) {
        const QVariantMap options = qdbus_cast<QVariantMap>(args.value(0));
        const QString session = QStringLiteral("%1/session/%2").arg(portalPath).arg(++m_sessionCount);
        sessions << session;
        respond(message, options.value(QStringLiteral("handle_token")).toString(), 0,
                {{QStringLiteral("session_handle"), session}});
        return true;
    }
    if (message.member() == QLatin1String("BindShortcuts")) {
        boundSession = args.value(0).value<QDBusObjectPath>().path();
        bound.clear();
        const QDBusArgument list = args.value(1).value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            Shortcut shortcut;
            list.beginStructure();
            list >> shortcut.id >> shortcut.properties;
            list.endStructure();
            bound << shortcut;
        }
        list.endArray();
        const QVariantMap options = qdbus_cast<QVariantMap>(args.value(3));
        respond(message, options.value(QStringLiteral("handle_token")).toString(), bindResponse, {});
        emit shortcutsBound();
        return true;
    }
    return false;
}

void PortalStandIn::press(const QString &session, const QString &id)
{
    QDBusMessage signal = QDBusMessage::createSignal(portalPath, shortcutsInterface, QStringLiteral("Activated"));
    signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1) << QVariantMap();
    m_bus.send(signal);
}
