#pragma once

#include <QtGlobal>
#include <atomic>

// The reference count of an object implementing interfaces: starts at one
// (the creator's reference) and deletes the object at zero. Atomic, since
// references may be dropped on a worker thread.
class RefCount
{
public:
    quint32 addRef() { return ++m_count; }
    template<typename T>
    quint32 release(T *self)
    {
        const quint32 left = --m_count;
        if (left == 0)
            delete self;
        return left;
    }

private:
    std::atomic<quint32> m_count{1};
};
