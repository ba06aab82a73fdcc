#include "ui/control_host.h"

#include "com/component_runtime.h"
#include "com/control.h"

#include <QResizeEvent>

ControlHost::ControlHost(const Guid &clsid, QWidget *parent)
    : QWidget(parent)
{
    void *object = nullptr;
    m_creation = ComponentRuntime::createInstance(clsid, nullptr, IID_IDispatch, &object);
    if (failed(m_creation)) {
        qWarning("control %s not created: 0x%08x", qPrintable(clsid.toString()), quint32(m_creation));
        return;
    }
    m_dispatch = static_cast<IDispatch *>(object);
    if (succeeded(m_dispatch->QueryInterface(IID_IWidgetControl, &object))) {
        m_control = static_cast<IWidgetControl *>(object);
        m_window = m_control->CreateWindow(this);
        if (m_window) {
            m_window->setGeometry(rect());
            m_window->show();
        }
    }
}

ControlHost::~ControlHost()
{
    // The control's window belongs to the control: it goes before Qt would
    // delete it as our child.
    if (m_control) {
        m_control->DestroyWindow();
        m_control->Release();
    }
    if (m_dispatch)
        m_dispatch->Release();
}

HRESULT ControlHost::invoke(const QString &member, const QVariantList &arguments, QVariant *result)
{
    if (!m_dispatch)
        return m_creation;
    DISPID id = 0;
    const HRESULT found = m_dispatch->GetIDsOfNames(member, &id);
    if (failed(found))
        return found;
    return m_dispatch->Invoke(id, arguments, result);
}

void ControlHost::resizeEvent(QResizeEvent *event)
{
    if (m_window)
        m_window->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}
