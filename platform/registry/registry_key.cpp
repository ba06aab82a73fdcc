#include "registry/registry_key.h"

#include "files/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

namespace {

struct Value
{
    QString name;
    RegistryKey::ValueType type = RegistryKey::String;
    QString text;
    quint32 number = 0;
};

struct Key
{
    QString path;
    QMap<QString, Value> values;  // by case-folded name
};

// Keys by case-folded path; a map keeps the file sorted and diff-friendly.
using Store = QMap<QString, Key>;

QString folded(const QString &s)
{
    return s.toCaseFolded();
}

// "HKLM\Software\\x\" → "HKEY_LOCAL_MACHINE\Software\x"; empty for a path
// without a known root or with a name no key may have.
QString canonical(const QString &path)
{
    QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    const QString root = parts.takeFirst().toUpper();
    QStringList out;
    if (root == QLatin1String("HKEY_LOCAL_MACHINE") || root == QLatin1String("HKLM"))
        out << QStringLiteral("HKEY_LOCAL_MACHINE");
    else if (root == QLatin1String("HKEY_CLASSES_ROOT") || root == QLatin1String("HKCR"))
        out << QStringLiteral("HKEY_LOCAL_MACHINE") << QStringLiteral("SOFTWARE") << QStringLiteral("Classes");
    else if (root == QLatin1String("HKEY_CURRENT_USER") || root == QLatin1String("HKCU"))
        out << QStringLiteral("HKEY_CURRENT_USER");
    else
        return {};
    for (const QString &part : std::as_const(parts)) {
        for (QChar c : part) {
            if (c.unicode() < 0x20 || c == QLatin1Char('[') || c == QLatin1Char(']'))
                return {};
        }
        out << part;
    }
    return out.join(QLatin1Char('\\'));
}

bool isRoot(const QString &canonicalPath)
{
    return !canonicalPath.contains(QLatin1Char('\\'));
}

QString quoted(const QString &s)
{
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

// Reads a quoted string starting at line[*at] == '"'; *at ends past the
// closing quote. Nothing on an unterminated string.
std::optional<QString> unquoted(QStringView line, qsizetype *at)
{
    QString out;
    for (qsizetype i = *at + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            *at = i + 1;
            return out;
        }
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            const QChar e = line.at(++i);
            out += e == QLatin1Char('n') ? QChar(u'\n') : e == QLatin1Char('r') ? QChar(u'\r') : e;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

// One "name"=value line into key; a line that does not parse is skipped, so
// a damaged line costs that value only.
void parseValue(QStringView line, Key *key)
{
    Value value;
    qsizetype at = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        at = 1;
    } else {
        std::optional<QString> name = unquoted(line, &at);
        if (!name)
            return;
        value.name = *name;
    }
    if (at >= line.size() || line.at(at) != QLatin1Char('='))
        return;
    ++at;
    const QStringView rest = line.mid(at);
    if (rest.startsWith(QLatin1Char('"'))) {
        qsizetype end = 0;
        std::optional<QString> text = unquoted(rest, &end);
        if (!text)
            return;
        value.type = RegistryKey::String;
        value.text = *text;
    } else if (rest.startsWith(QLatin1String("dword:"))) {
        bool ok = false;
        const QStringView digits = rest.mid(6);
        const quint32 number = digits.toUInt(&ok, 16);
        if (!ok || digits.size() != 8)
            return;
        value.type = RegistryKey::Dword;
        value.number = number;
    } else {
        return;
    }
    key->values.insert(folded(value.name), value);
}

Store parse(const QString &text)
{
    Store store;
    Key *current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString path = canonical(line.mid(1, line.size() - 2));
            current = nullptr;
            if (path.isEmpty() || isRoot(path))
                continue;
            Key &key = store[folded(path)];
            key.path = path;
            current = &key;
        } else if (current && (line.startsWith(QLatin1Char('"')) || line.startsWith(QLatin1Char('@')))) {
            parseValue(line, current);
        }
    }
    return store;
}

QByteArray serialize(const Store &store)
{
    QString out = QStringLiteral("; Sayora registry store. Keys in [brackets], values below them.\n");
    for (const Key &key : store) {
        out += QStringLiteral("\n[") + key.path + QStringLiteral("]\n");
        for (const Value &value : key.values) {
            out += value.name.isEmpty() ? QStringLiteral("@") : quoted(value.name);
            out += QLatin1Char('=');
            if (value.type == RegistryKey::Dword)
                out += QStringLiteral("dword:%1").arg(value.number, 8, 16, QLatin1Char('0'));
            else
                out += quoted(value.text);
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

// The store as it is on disk now; an absent file is an empty store.
std::optional<Store> readStore()
{
    QFile file(RegistryKey::storeFile());
    if (!file.exists())
        return Store{};
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(QString::fromUtf8(file.readAll()));
}

bool writeStore(const Store &store)
{
    return AtomicFile::write(RegistryKey::storeFile(), serialize(store));
}

bool exists(const Store &store, const QString &canonicalPath)
{
    return isRoot(canonicalPath) || store.contains(folded(canonicalPath));
}

// Runs edit on the store under the store's lock and writes the result when
// edit says it changed something. Returns edit's result, or a store error.
template<typename Edit>
long modify(Edit edit, int lockWaitMs = RegistryKey::defaultLockWaitMs)
{
    QDir().mkpath(QFileInfo(RegistryKey::storeFile()).absolutePath());
    QLockFile lock(RegistryKey::storeFile() + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs))
        return lock.error() == QLockFile::LockFailedError ? RegistryKey::Busy : RegistryKey::CantWrite;
    std::optional<Store> store = readStore();
    if (!store)
        return RegistryKey::CantRead;
    bool changed = false;
    const long result = edit(*store, &changed);
    if (changed && !writeStore(*store))
        return RegistryKey::CantWrite;
    return result;
}

} // namespace

QString RegistryKey::storeFile()
{
    // Fixed to "sayora" rather than the application's name: the control
    // and every tool of the program share one store.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/sayora/registry.reg");
}

RegistryKey::~RegistryKey() = default;

RegistryKey::RegistryKey(RegistryKey &&other) noexcept
    : m_path(std::exchange(other.m_path, {}))
    , m_access(other.m_access)
    , m_lockWaitMs(other.m_lockWaitMs)
{
}

RegistryKey &RegistryKey::operator=(RegistryKey &&other) noexcept
{
    m_path = std::exchange(other.m_path, {});
    m_access = other.m_access;
    m_lockWaitMs = other.m_lockWaitMs;
    return *this;
}

long RegistryKey::open(const QString &path, Access access)
{
    close();
    const QString key = canonical(path);
    if (key.isEmpty())
        return BadPath;
    const std::optional<Store> store = readStore();
    if (!store)
        return CantRead;
    if (!exists(*store, key))
        return NotFound;
    m_path = key;
    m_access = access;
    return Success;
}

long RegistryKey::create(const QString &path)
{
    close();
    const QString key = canonical(path);
    if (key.isEmpty())
        return BadPath;
    const long result = modify([&key](Store &store, bool *changed) {
        // Every missing parent comes into being with the key, as on Windows.
        const QStringList parts = key.split(QLatin1Char('\\'));
        for (qsizetype n = 2; n <= parts.size(); ++n) {
            const QString sub = parts.first(n).join(QLatin1Char('\\'));
            if (!store.contains(folded(sub))) {
                store[folded(sub)].path = sub;
                *changed = true;
            }
        }
        return Success;
    });
    if (result == Success) {
        m_path = key;
        m_access = AllAccess;
    }
    return result;
}

void RegistryKey::close()
{
    m_path.clear();
}

long RegistryKey::query(const QString &name, ValueType type, QString *text, quint32 *number) const
{
    if (!isOpen())
        return InvalidHandle;
    const std::optional<Store> store = readStore();
    if (!store)
        return CantRead;
    if (!exists(*store, m_path))
        return KeyDeleted;
    const auto key = store->constFind(folded(m_path));
    if (key == store->cend())
        return NotFound;  // a root holds no values here
    const auto value = key->values.constFind(folded(name));
    if (value == key->values.cend())
        return NotFound;
    if (value->type != type)
        return InvalidData;
    if (text)
        *text = value->text;
    if (number)
        *number = value->number;
    return Success;
}

long RegistryKey::queryString(const QString &name, QString *value) const
{
    return query(name, String, value, nullptr);
}

long RegistryKey::queryDword(const QString &name, quint32 *value) const
{
    return query(name, Dword, nullptr, value);
}

long RegistryKey::change(const QString &name, ValueType type, const QString &text, quint32 number, bool remove)
{
    if (!isOpen())
        return InvalidHandle;
    if (m_access != AllAccess)
        return AccessDenied;
    if (isRoot(m_path))
        return AccessDenied;
    const QString path = m_path;
    return modify([&](Store &store, bool *changed) {
        const auto key = store.find(folded(path));
        if (key == store.end())
            return KeyDeleted;
        if (remove) {
            if (key->values.remove(folded(name)) == 0)
                return NotFound;
        } else {
            key->values.insert(folded(name), Value{name, type, text, number});
        }
        *changed = true;
        return Success;
    }, m_lockWaitMs);
}

long RegistryKey::setString(const QString &name, const QString &value)
{
    return change(name, String, value, 0, false);
}

long RegistryKey::setDword(const QString &name, quint32 value)
{
    return change(name, Dword, {}, value, false);
}

long RegistryKey::deleteValue(const QString &name)
{
    return change(name, String, {}, 0, true);
}

long RegistryKey::deleteTree(const QString &path)
{
    const QString key = canonical(path);
    if (key.isEmpty())
        return BadPath;
    if (isRoot(key))
        return AccessDenied;
    return modify([&key](Store &store, bool *changed) {
        const QString prefix = folded(key) + QLatin1Char('\\');
        bool found = store.remove(folded(key)) > 0;
        for (auto it = store.begin(); it != store.end();) {
            if (it.key().startsWith(prefix)) {
                it = store.erase(it);
                found = true;
            } else {
                ++it;
            }
        }
        *changed = found;
        return found ? Success : NotFound;
    });
}
