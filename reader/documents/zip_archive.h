#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// Read access to a ZIP container (EPUB, DOCX, ODT) held in memory, with a
// budget on what is unpacked: a small archive can inflate to gigabytes, so
// the sizes are counted while inflating, not taken from the archive's own
// (forgeable) directory.
class ZipArchive
{
public:
    static constexpr qint64 DefaultBudget = 256LL * 1024 * 1024;

    enum class Status { Ok, Missing, Encrypted, TooLarge, Damaged };

    explicit ZipArchive(const QByteArray &bytes, qint64 budget = DefaultBudget);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    bool isOpen() const;
    bool contains(const QString &name) const;
    // The entry's bytes; on failure empty, with status() saying why.
    QByteArray read(const QString &name);
    Status status() const { return m_status; }
    // A reason for the user, for the last failed read.
    QString errorString() const;
    static QString damagedMessage();

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    qint64 m_budget;
    qint64 m_limit;
    Status m_status = Status::Ok;
};
