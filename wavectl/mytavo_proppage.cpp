#include "mytavo_proppage.h"

#include "tavo_module.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

CMyTavoPropPage::CMyTavoPropPage()
{
    TavoModule::lock();
}

CMyTavoPropPage::~CMyTavoPropPage()
{
    DestroyPage();
    TavoModule::unlock();
}

HRESULT CMyTavoPropPage::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IPropertyPage) {
        *object = static_cast<IPropertyPage *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT CMyTavoPropPage::GetPageInfo(QString *title)
{
    if (!title)
        return E_POINTER;
    *title = QStringLiteral("General");
    return S_OK;
}

QWidget *CMyTavoPropPage::CreatePage(QWidget *parent)
{
    if (!m_page) {
        m_page = new QWidget(parent);
        auto *text = new QLabel(
            QStringLiteral("TODO: Place controls to manipulate properties of MyTavo Control on this dialog."), m_page);
        text->setWordWrap(true);
        (new QVBoxLayout(m_page))->addWidget(text);
    }
    return m_page;
}

void CMyTavoPropPage::DestroyPage()
{
    delete m_page;
    m_page = nullptr;
}
