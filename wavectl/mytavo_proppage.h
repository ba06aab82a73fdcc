#pragma once

#include "com/control.h"
#include "com/ref_count.h"

// The control's one property page, "General". The control has no
// properties of its own, so the page only says so.
class CMyTavoPropPage final : public IPropertyPage
{
public:
    CMyTavoPropPage();

    HRESULT QueryInterface(const Guid &iid, void **object) override;
    quint32 AddRef() override { return m_refs.addRef(); }
    quint32 Release() override { return m_refs.release(this); }

    HRESULT GetPageInfo(QString *title) override;
    QWidget *CreatePage(QWidget *parent) override;
    void DestroyPage() override;

private:
    friend class RefCount;
    ~CMyTavoPropPage();

    RefCount m_refs;
    QWidget *m_page = nullptr;
};
