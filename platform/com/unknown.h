#pragma once

#include "com/guid.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <utility>

// The component object model the control library and the SAPI 4 engine
// objects are built on: interfaces are abstract classes whose objects count
// their references; a caller asks an object for another of its interfaces
// by identifier. Results are 32-bit HRESULT codes, as on Windows.
using HRESULT = qint32;
using DISPID = qint32;

constexpr HRESULT hr(quint32 code) { return HRESULT(code); }
constexpr bool succeeded(HRESULT result) { return result >= 0; }
constexpr bool failed(HRESULT result) { return result < 0; }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = hr(0x80004001);
constexpr HRESULT E_NOINTERFACE = hr(0x80004002);
constexpr HRESULT E_POINTER = hr(0x80004003);
constexpr HRESULT E_FAIL = hr(0x80004005);
constexpr HRESULT E_UNEXPECTED = hr(0x8000FFFF);
constexpr HRESULT E_OUTOFMEMORY = hr(0x8007000E);
constexpr HRESULT E_INVALIDARG = hr(0x80070057);
constexpr HRESULT E_ACCESSDENIED = hr(0x80070005);
constexpr HRESULT CLASS_E_NOAGGREGATION = hr(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hr(0x80040111);
constexpr HRESULT REGDB_E_CLASSNOTREG = hr(0x80040154);
constexpr HRESULT CO_E_NOTINITIALIZED = hr(0x800401F0);
constexpr HRESULT CO_E_DLLNOTFOUND = hr(0x8004015A);
constexpr HRESULT CO_E_ERRORINDLL = hr(0x800401F9);
constexpr HRESULT SELFREG_E_TYPELIB = hr(0x80040200);
constexpr HRESULT SELFREG_E_CLASS = hr(0x80040201);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = hr(0x80020003);
constexpr HRESULT DISP_E_UNKNOWNNAME = hr(0x80020006);
constexpr HRESULT DISP_E_TYPEMISMATCH = hr(0x80020005);
constexpr HRESULT DISP_E_BADPARAMCOUNT = hr(0x8002000E);

// IID_IUnknown and IID_IClassFactory keep their Windows values; the others
// are ours.
constexpr Guid IID_IUnknown = makeGuid(0x00000000, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
constexpr Guid IID_IClassFactory = makeGuid(0x00000001, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
constexpr Guid IID_IDispatch = makeGuid(0x00020400, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);

class IUnknown
{
public:
    virtual HRESULT QueryInterface(const Guid &iid, void **object) = 0;
    virtual quint32 AddRef() = 0;
    virtual quint32 Release() = 0;

protected:
    ~IUnknown() = default;  // objects go through Release, never delete
};

class IClassFactory : public IUnknown
{
public:
    // outer must be null: no class here supports aggregation.
    virtual HRESULT CreateInstance(IUnknown *outer, const Guid &iid, void **object) = 0;
    // Keeps the module loaded while locked, without an object alive.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Late-bound calls by member identifier. Arguments come in declaration
// order (not reversed as in a DISPPARAMS array); texts as QString, numbers
// as any integer type. Each object converts them to what its members take.
class IDispatch : public IUnknown
{
public:
    // Names compare without regard to case.
    virtual HRESULT GetIDsOfNames(const QString &name, DISPID *id) = 0;
    virtual HRESULT Invoke(DISPID id, const QVariantList &arguments, QVariant *result) = 0;

protected:
    ~IDispatch() = default;
};

// Holds one reference; releases it once, when reset or destroyed.
template<typename T>
class ComPtr
{
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Adopts a reference the caller already counted (as out-parameters hand it).
    static ComPtr adopt(T *object)
    {
        ComPtr p;
        p.m_object = object;
        return p;
    }
    ComPtr(const ComPtr &other) : m_object(other.m_object)
    {
        if (m_object)
            m_object->AddRef();
    }
    ComPtr(ComPtr &&other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset()
    {
        if (T *object = std::exchange(m_object, nullptr))
            object->Release();
    }
    T *get() const { return m_object; }
    T *operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    // For out-parameters: releases what was held and lends the slot.
    void **put()
    {
        reset();
        return reinterpret_cast<void **>(&m_object);
    }
    // Asks the object for another interface.
    template<typename U>
    ComPtr<U> as(const Guid &iid) const
    {
        ComPtr<U> out;
        if (m_object)
            m_object->QueryInterface(iid, out.put());
        return out;
    }

private:
    T *m_object = nullptr;
};
