#include "desktop/global_shortcut.h"

#include "desktop/portal_shortcut.h"
#include "desktop/x11_key_grab.h"

#include <QDBusConnection>

GlobalShortcut::GlobalShortcut(QObject *parent)
    : QObject(parent)
{
}

GlobalShortcut::~GlobalShortcut() = default;

void GlobalShortcut::start(const QString &id, const QString &description, const QKeySequence &keys)
{
    m_keys = keys;
    m_way = Way::Pending;
    if (keys.isEmpty()) {
        m_problem = tr("no key is set");
        settle(Way::None);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        tryKeyGrab(tr("no session bus"));
        return;
    }
    m_portal = new PortalShortcut(bus, this);
    connect(m_portal, &PortalShortcut::activated, this, &GlobalShortcut::activated);
    connect(m_portal, &PortalShortcut::bound, this, [this] { settle(Way::Portal); });
    connect(m_portal, &PortalShortcut::failed, this, [this](const QString &reason) {
        m_portal->deleteLater();
        m_portal = nullptr;
        tryKeyGrab(reason);
    });
    m_portal->bind(id, description, keys);
}

void GlobalShortcut::tryKeyGrab(const QString &portalProblem)
{
    if (!X11KeyGrab::available()) {
        m_problem = portalProblem;
        settle(Way::None);
        return;
    }
    m_grab = new X11KeyGrab(this);
    connect(m_grab, &X11KeyGrab::activated, this, &GlobalShortcut::activated);
    if (m_grab->grab(m_keys)) {
        settle(Way::X11Grab);
        return;
    }
    m_problem = m_grab->errorString();
    delete m_grab;
    m_grab = nullptr;
    settle(Way::None);
}

void GlobalShortcut::settle(Way way)
{
    m_way = way;
    emit settled(way);
}
