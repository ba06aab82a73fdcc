#include "documents/rich_text_box.h"

#include "documents/rtf_reader.h"
#include "documents/text_decoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {

// The RTF document in the bytes, if they hold one. Some converters put a
// UTF-8 byte-order mark before the header.
QByteArrayView rtfDocument(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return bytes.startsWith("{\\rtf") ? bytes : QByteArrayView();
}

// A NUL byte never occurs in 8-bit or UTF-8 text, but in nearly every
// binary format (programs, pictures, archives, Word's .doc).
bool isBinary(QByteArrayView bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
    case TextEncoding::Windows1252:
        return bytes.contains('\0');
    default:
        return false;
    }
}

QString normalizeLineEndings(QString text)
{
    if (text.contains(u'\r')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
    }
    return text;
}

}  // namespace

bool RichTextBox::fail(const QString &reason)
{
    m_errorString = reason;
    return false;
}

bool RichTextBox::LoadFile(const QString &path)
{
    m_errorString.clear();
    if (path.isEmpty())
        return fail(QStringLiteral("no file name was given."));

    // stat() rather than QFileInfo: a FIFO or device must be refused before
    // it is opened, as reading one may block or never end.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail(QStringLiteral("the file does not exist."));
        return fail(QStringLiteral("the file cannot be read (%1).")
                        .arg(QString::fromLocal8Bit(strerror(errno))));
    }
    if (S_ISDIR(st.st_mode))
        return fail(QStringLiteral("it is a folder, not a file."));
    if (!S_ISREG(st.st_mode))
        return fail(QStringLiteral("it is not a regular file."));

    const auto tooLarge = [&] {
        return fail(QStringLiteral("the file is too large (the limit is %1 MB).")
                        .arg(MaxFileSize / (1024 * 1024)));
    };
    if (st.st_size > MaxFileSize)
        return tooLarge();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("the file cannot be read (%1).").arg(file.errorString()));
    // The file may grow between stat() and the read: never read past the cap.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("the file cannot be read (%1).").arg(file.errorString()));
    if (bytes.size() > MaxFileSize)
        return tooLarge();
    return loadBytes(bytes);
}

bool RichTextBox::loadBytes(const QByteArray &bytes)
{
    m_errorString.clear();
    QString text;
    if (const QByteArrayView rtf = rtfDocument(bytes); !rtf.isEmpty()) {
        text = RtfReader::toPlainText(rtf);
    } else {
        if (isBinary(bytes, detectTextEncoding(bytes)))
            return fail(QStringLiteral("it is not a text or RTF document."));
        text = decodeText(bytes);
    }
    m_text = normalizeLineEndings(std::move(text));
    return true;
}
