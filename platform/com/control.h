#pragma once

#include "com/unknown.h"

#include <QList>
#include <QString>

class QWidget;

// What a host needs of a control beyond its automation: a window to place
// on the host's form. These identifiers are ours.
constexpr Guid IID_IWidgetControl = makeGuid(0x53415934, 0x4354, 0x524C, 0x9A, 0x1E, 0x5E, 0x3D, 0x02, 0x00, 0x00, 0x01);
constexpr Guid IID_IPropertyPage = makeGuid(0x53415934, 0x5050, 0x4147, 0x9A, 0x1E, 0x5E, 0x3D, 0x02, 0x00, 0x00, 0x02);
// ISpecifyPropertyPages keeps its Windows identifier.
constexpr Guid IID_ISpecifyPropertyPages = makeGuid(0xB196B28B, 0xBAB4, 0x101A, 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07);

class IWidgetControl : public IUnknown
{
public:
    // The control's window, created on the first call as a child of parent.
    // The control owns it: the host hides or moves it, and calls
    // DestroyWindow before it lets the control go; it never deletes it.
    virtual QWidget *CreateWindow(QWidget *parent) = 0;
    virtual void DestroyWindow() = 0;

protected:
    ~IWidgetControl() = default;
};

class ISpecifyPropertyPages : public IUnknown
{
public:
    // Class identifiers of the property pages the object lists.
    virtual HRESULT GetPages(QList<Guid> *pages) = 0;

protected:
    ~ISpecifyPropertyPages() = default;
};

class IPropertyPage : public IUnknown
{
public:
    virtual HRESULT GetPageInfo(QString *title) = 0;
    // Same ownership as IWidgetControl's window.
    virtual QWidget *CreatePage(QWidget *parent) = 0;
    virtual void DestroyPage() = 0;

protected:
    ~IPropertyPage() = default;
};
