#include "app/settings_record.h"

#include "files/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QtEndian>
#include <cmath>

Q_LOGGING_CATEGORY(lcSettings, "sayora.settings")

namespace {

// The one list of the fields in file order, shared by writing and reading
// so the two cannot drift apart. Record is SettingsRecord or its const.
template <typename Record, typename Visitor>
void visitFields(Record &r, Visitor &v)
{
    v("WinLeft", r.WinLeft);
    v("WinTop", r.WinTop);
    v("WinWidth", r.WinWidth);
    v("WinHeight", r.WinHeight);
    v("OpenDir", r.OpenDir);
    v("SaveDir", r.SaveDir);
    v("OpenExt", r.OpenExt);
    v("SaveExt", r.SaveExt);
    v("ShowText", r.ShowText);
    v("FontName", r.FontName);
    v("FontBold", r.FontBold);
    v("FontItalic", r.FontItalic);
    v("FontSize", r.FontSize);
    v("FontUnderline", r.FontUnderline);
    v("FontStrikethru", r.FontStrikethru);
    v("ForeColor", r.ForeColor);
    v("BackColor", r.BackColor);
    v("Engine", r.Engine);
    v("VoiceIndex", r.VoiceIndex);
    v("VoiceName", r.VoiceName);
    v("RatePercent", r.RatePercent);
    v("PitchPercent", r.PitchPercent);
}

// Largest file a record can come from; reading more than this from a
// damaged file would only waste memory.
constexpr qsizetype MaxRecordBytes =
    SettingsRecord::FixedBytes + 8 * qsizetype(SettingsRecord::MaxTextBytes);

class RecordWriter
{
public:
    explicit RecordWriter(QStringList *problems) : m_problems(problems) {}

    void operator()(const char *, const qint32 &value) { append<qint32>(value); }
    void operator()(const char *, const quint32 &value) { append<quint32>(value); }
    void operator()(const char *, const bool &value) { append<qint16>(value ? -1 : 0); }

    void operator()(const char *name, const QString &value)
    {
        QByteArray utf8 = value.toUtf8();
        if (utf8.size() > SettingsRecord::MaxTextBytes) {
            // Step back from the cut to the lead byte of the character it
            // splits, so the stored text stays valid UTF-8.
            qsizetype cut = SettingsRecord::MaxTextBytes;
            while (cut > 0 && (quint8(utf8.at(cut)) & 0xC0) == 0x80)
                --cut;
            if (m_problems) {
                *m_problems << QStringLiteral("%1: text of %2 bytes cut to %3 bytes")
                                   .arg(QLatin1String(name))
                                   .arg(utf8.size())
                                   .arg(cut);
            }
            utf8.truncate(cut);
        }
        append<quint16>(quint16(utf8.size()));
        m_bytes += utf8;
    }

    QByteArray bytes() const { return m_bytes; }

private:
    template <typename T>
    void append(T value)
    {
        char raw[sizeof(T)];
        qToLittleEndian<T>(value, raw);
        m_bytes.append(raw, sizeof(T));
    }

    QByteArray m_bytes;
    QStringList *m_problems;
};

class RecordReader
{
public:
    RecordReader(QByteArrayView bytes, QStringList *problems)
        : m_bytes(bytes), m_problems(problems)
    {
    }

    void operator()(const char *, qint32 &value)
    {
        if (const char *p = take(4)) {
            value = qFromLittleEndian<qint32>(p);
            ++m_fieldsRead;
        }
    }

    void operator()(const char *, quint32 &value)
    {
        if (const char *p = take(4)) {
            value = qFromLittleEndian<quint32>(p);
            ++m_fieldsRead;
        }
    }

    void operator()(const char *name, bool &value)
    {
        const char *p = take(2);
        if (!p)
            return;
        const qint16 raw = qFromLittleEndian<qint16>(p);
        // Any non-zero value counts as true, as the original conversion did;
        // only -1 is what a writer produces.
        value = raw != 0;
        if (raw != 0 && raw != -1)
            note(QStringLiteral("%1: boolean holds %2, taken as true").arg(QLatin1String(name)).arg(raw));
        ++m_fieldsRead;
    }

    void operator()(const char *name, QString &value)
    {
        const char *p = take(2);
        if (!p)
            return;
        const quint16 length = qFromLittleEndian<quint16>(p);
        const qsizetype left = m_bytes.size() - m_pos;
        const char *text = take(length);
        if (!text) {
            note(QStringLiteral("%1: text of %2 bytes runs past the end of the file (%3 bytes left)")
                     .arg(QLatin1String(name))
                     .arg(length)
                     .arg(left));
            return;
        }
        // Stateless: a character cut short at the end becomes U+FFFD instead
        // of vanishing; a leading U+FEFF is part of the text, not a marker.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless
                                                         | QStringDecoder::Flag::ConvertInitialBom);
        value = decoder.decode(QByteArrayView(text, length));
        ++m_fieldsRead;
    }

    int fieldsRead() const { return m_fieldsRead; }
    qsizetype position() const { return m_pos; }

private:
    // The next n bytes, or null once the input is exhausted; after the first
    // miss every later field is missing too.
    const char *take(qsizetype n)
    {
        if (m_stopped || m_bytes.size() - m_pos < n) {
            m_stopped = true;
            return nullptr;
        }
        const char *p = m_bytes.data() + m_pos;
        m_pos += n;
        return p;
    }

    void note(const QString &problem)
    {
        if (m_problems)
            *m_problems << problem;
    }

    QByteArrayView m_bytes;
    QStringList *m_problems;
    qsizetype m_pos = 0;
    int m_fieldsRead = 0;
    bool m_stopped = false;
};

}  // namespace

QByteArray SettingsRecord::toBytes(QStringList *problems) const
{
    RecordWriter writer(problems);
    visitFields(*this, writer);
    return writer.bytes();
}

SettingsRecord SettingsRecord::fromBytes(QByteArrayView bytes, int *fieldsRead, QStringList *problems)
{
    SettingsRecord record;
    RecordReader reader(bytes, problems);
    visitFields(record, reader);
    if (problems) {
        if (reader.fieldsRead() < FieldCount) {
            *problems << QStringLiteral("only %1 of %2 fields present").arg(reader.fieldsRead()).arg(int(FieldCount));
        } else if (reader.position() < bytes.size()) {
            *problems << QStringLiteral("%1 bytes after the record ignored").arg(bytes.size() - reader.position());
        }
    }
    if (fieldsRead)
        *fieldsRead = reader.fieldsRead();
    return record;
}

QString SettingsRecord::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/dovexensf.ini");
}

bool SettingsRecord::save(const QString &path, QString *error) const
{
    const auto fail = [&](const QString &why) {
        qCWarning(lcSettings).noquote() << why;
        if (error)
            *error = why;
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("No place to write the settings file"));

    QStringList problems;
    const QByteArray bytes = toBytes(&problems);
    for (const QString &problem : std::as_const(problems))
        qCWarning(lcSettings).noquote() << path << problem;

    // On a first run the per-user config folder may not exist yet.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("Cannot create the folder %1").arg(folder));

    // A failed write never touches the old file.
    AtomicFile file(path);
    if (!file.open() || !file.write(bytes) || !file.commit())
        return fail(file.errorString());
    return true;
}

std::optional<SettingsRecord> SettingsRecord::load(const QString &path, int *fieldsRead, QString *error)
{
    const auto fail = [&](const QString &why) -> std::optional<SettingsRecord> {
        if (error)
            *error = why;
        if (fieldsRead)
            *fieldsRead = 0;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("%1 does not exist").arg(path));
    if (!info.isFile())
        return fail(QStringLiteral("%1 is not a file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    // One byte more than any record can hold, so surplus bytes are noticed.
    const QByteArray bytes = file.read(MaxRecordBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));

    QStringList problems;
    int read = 0;
    SettingsRecord record = fromBytes(bytes, &read, &problems);
    for (const QString &problem : std::as_const(problems))
        qCWarning(lcSettings).noquote() << path << problem;
    if (fieldsRead)
        *fieldsRead = read;
    if (error)
        error->clear();
    return record;
}

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool parseBoolText(const QString &text, bool *ok)
{
    const QString t = text.trimmed();
    bool valid = true;
    bool value = false;
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        value = true;
    } else if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        value = false;
    } else {
        // Numbers as the stored booleans read them: 0 false, anything else true.
        const qlonglong number = t.toLongLong(&valid);
        value = valid && number != 0;
    }
    if (ok)
        *ok = valid;
    return value;
}

QString fontSizeText(double points)
{
    if (!std::isfinite(points))
        return QString();
    // Point sizes come from fonts as binary fractions (10.4999…); two
    // decimals cover every size a font dialog offers.
    double rounded = std::round(points * 100.0) / 100.0;
    if (rounded == 0.0)
        rounded = 0.0;  // no "-0"
    return QLocale::c().toString(rounded, 'f', QLocale::FloatingPointShortest);
}

double parseFontSize(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    // A decimal comma from a system whose number format uses one.
    if (!t.contains(QLatin1Char('.')) && t.count(QLatin1Char(',')) == 1)
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool valid = false;
    const double value = c.toDouble(t, &valid);
    valid = valid && std::isfinite(value) && value > 0.0;
    if (ok)
        *ok = valid;
    return valid ? value : 0.0;
}
