#pragma once

#include "com/guid.h"
#include "com/unknown.h"

#include <QVariant>
#include <QWidget>

class IDispatch;
class IWidgetControl;

// Places a control, created by its class identifier through the component
// runtime, on a form, and calls its automation members by name. The
// control's window fills the host. Without the control (not registered,
// not loadable) the host stays empty and every call fails with the reason
// creationResult() gives.
class ControlHost : public QWidget
{
public:
    ControlHost(const Guid &clsid, QWidget *parent = nullptr);
    ~ControlHost() override;

    bool isCreated() const { return m_dispatch != nullptr; }
    HRESULT creationResult() const { return m_creation; }

    // Calls the member by name with the arguments in declaration order.
    HRESULT invoke(const QString &member, const QVariantList &arguments = {}, QVariant *result = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    HRESULT m_creation = E_UNEXPECTED;
    IDispatch *m_dispatch = nullptr;
    IWidgetControl *m_control = nullptr;
    QWidget *m_window = nullptr;  // the control's, never deleted here
};
