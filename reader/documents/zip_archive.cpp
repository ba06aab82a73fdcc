#include "documents/zip_archive.h"

#include <QCoreApplication>

#include <zip.h>

struct ZipArchive::Handle
{
    QByteArray bytes;  // shared with the caller's; libzip reads it in place
    zip_t *zip = nullptr;
    ~Handle()
    {
        if (zip)
            zip_discard(zip);
    }
};

ZipArchive::ZipArchive(const QByteArray &bytes, qint64 budget)
    : m_handle(std::make_unique<Handle>()), m_budget(budget), m_limit(budget)
{
    m_handle->bytes = bytes;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(m_handle->bytes.constData(),
                                                    zip_uint64_t(m_handle->bytes.size()), 0, &error);
    if (source) {
        m_handle->zip = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (!m_handle->zip)
            zip_source_free(source);
    }
    zip_error_fini(&error);
    if (!m_handle->zip)
        m_status = Status::Damaged;
}

ZipArchive::~ZipArchive() = default;

bool ZipArchive::isOpen() const
{
    return m_handle->zip != nullptr;
}

bool ZipArchive::contains(const QString &name) const
{
    return isOpen() && zip_name_locate(m_handle->zip, name.toUtf8().constData(), 0) >= 0;
}

QByteArray ZipArchive::read(const QString &name)
{
    if (!isOpen()) {
        m_status = Status::Damaged;
        return {};
    }
    const QByteArray utf8 = name.toUtf8();
    const zip_int64_t index = zip_name_locate(m_handle->zip, utf8.constData(), 0);
    if (index < 0) {
        m_status = Status::Missing;
        return {};
    }
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_handle->zip, zip_uint64_t(index), 0, &st) != 0) {
        m_status = Status::Damaged;
        return {};
    }
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) {
        m_status = Status::Encrypted;
        return {};
    }
    if ((st.valid & ZIP_STAT_SIZE) && st.size > zip_uint64_t(m_budget)) {
        m_status = Status::TooLarge;
        return {};
    }
    zip_file_t *file = zip_fopen_index(m_handle->zip, zip_uint64_t(index), 0);
    if (!file) {
        m_status = Status::Damaged;
        return {};
    }
    QByteArray out;
    char chunk[64 * 1024];
    bool failed = false;
    for (;;) {
        const zip_int64_t n = zip_fread(file, chunk, sizeof chunk);
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0)
            break;
        if (n > m_budget) {
            m_budget = 0;
            zip_fclose(file);
            m_status = Status::TooLarge;
            return {};
        }
        m_budget -= n;
        out.append(chunk, qsizetype(n));
    }
    // zip_fclose reports a CRC mismatch of a damaged entry.
    if (zip_fclose(file) != 0 || failed) {
        m_status = Status::Damaged;
        return {};
    }
    m_status = Status::Ok;
    return out;
}

QString ZipArchive::errorString() const
{
    switch (m_status) {
    case Status::Ok:
        return {};
    case Status::Missing:
        return QCoreApplication::translate("DocumentReader", "a part of the document is missing.");
    case Status::Encrypted:
        return QCoreApplication::translate("DocumentReader", "it is encrypted (protected with a password).");
    case Status::TooLarge:
        return QCoreApplication::translate("DocumentReader", "it unpacks to more than %1 MB, more than any document to be read aloud.")
            .arg(m_limit / (1024 * 1024));
    case Status::Damaged:
        break;
    }
    return damagedMessage();
}

QString ZipArchive::damagedMessage()
{
    return QCoreApplication::translate("DocumentReader", "the file is damaged (its ZIP container cannot be read).");
}
