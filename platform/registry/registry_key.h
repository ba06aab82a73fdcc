#pragma once

#include <QString>

// One open key of the registry store: a small stand-in for the Windows
// registry, keeping keys with REG_SZ and REG_DWORD values in one file per
// user ($XDG_CONFIG_HOME/sayora/registry.reg).
//
// Paths are written as on Windows, "HKEY_LOCAL_MACHINE\SOFTWARE\…"; key and
// value names compare without regard to case. HKEY_CLASSES_ROOT is the view
// of HKEY_LOCAL_MACHINE\SOFTWARE\Classes, as on Windows.
//
// Several processes share the store (the reader, and the control rendering
// for it): every change re-reads the file under a lock, applies itself and
// replaces the file atomically; every query reads the file as it is now.
// A reader therefore never sees half a write and no writer loses another's
// value. Calls return Win32 result codes.
class RegistryKey
{
public:
    enum Access { ReadOnly, AllAccess };
    enum ValueType { String = 1, Dword = 4 };  // REG_SZ, REG_DWORD

    static constexpr long Success = 0;
    static constexpr long NotFound = 2;        // no such key or value
    static constexpr long AccessDenied = 5;    // a change through a read-only key
    static constexpr long InvalidHandle = 6;   // the key is not open
    static constexpr long InvalidData = 13;    // the value has another type
    static constexpr long BadPath = 161;       // a path without a known root key
    static constexpr long CantRead = 1012;     // the store file cannot be read
    static constexpr long CantWrite = 1013;    // the store file cannot be written
    static constexpr long KeyDeleted = 1018;   // the open key was deleted since
    static constexpr long Busy = 170;          // the store's lock stayed taken longer than the key waits

    // How long a change waits for another process's change: long enough
    // for any change by default. A thread that must not stall (a window's)
    // waits at most a frame and tries again later when told Busy.
    static constexpr int defaultLockWaitMs = 15000;
    static constexpr int frameLockWaitMs = 16;

    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(RegistryKey &&other) noexcept;
    RegistryKey &operator=(RegistryKey &&other) noexcept;
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    // Opens an existing key (NotFound when it does not exist). A key already
    // open is closed first.
    long open(const QString &path, Access access = AllAccess);
    // Opens the key, creating it and its missing parents.
    long create(const QString &path);
    void close();
    bool isOpen() const { return !m_path.isEmpty(); }
    void setLockWait(int milliseconds) { m_lockWaitMs = milliseconds; }
    QString path() const { return m_path; }

    // "" names the key's default value.
    long queryString(const QString &name, QString *value) const;
    long queryDword(const QString &name, quint32 *value) const;
    long setString(const QString &name, const QString &value);
    long setDword(const QString &name, quint32 value);
    long deleteValue(const QString &name);

    // Removes a key with all its subkeys and values.
    static long deleteTree(const QString &path);
    // The store file of this user.
    static QString storeFile();

private:
    long query(const QString &name, ValueType type, QString *text, quint32 *number) const;
    long change(const QString &name, ValueType type, const QString &text, quint32 number, bool remove);

    QString m_path;  // canonical, e.g. "HKEY_LOCAL_MACHINE\SOFTWARE\Classes"
    Access m_access = ReadOnly;
    int m_lockWaitMs = defaultLockWaitMs;
};
