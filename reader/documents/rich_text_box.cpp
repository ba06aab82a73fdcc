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
        return fail(QStringLiteral("No file name was given."));
    const QString shown = QDir::toNativeSeparators(path);

    // stat() rather than QFileInfo: a FIFO or device must be refused before
    // it is opened, as reading one may block or never end.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail(QStringLiteral("The file \"%1\" does not exist.").arg(shown));
        return fail(QStringLiteral("The file \"%1\" cannot be read: %2.")
                        .arg(shown, QString::fromLocal8Bit(strerror(errno))));
    }
    if (S_ISDIR(st.st_mode))
        return fail(QStringLiteral("\"%1\" is a folder, not a file.").arg(shown));
    if (!S_ISREG(st.st_mode))
        return fail(QStringLiteral("\"%1\" is not a regular file.").arg(shown));

    const auto tooLarge = [&] {
        return fail(QStringLiteral("The file \"%1\" is too large to open (the limit is %2 MB).")
                        .arg(shown)
                        .arg(MaxFileSize / (1024 * 1024)));
    };
    if (st.st_size > MaxFileSize)
        return tooLarge();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("The file \"%1\" cannot be read: %2.").arg(shown, file.errorString()));
    // The file may grow between stat() and the read: never read past the cap.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("The file \"%1\" cannot be read: %2.").arg(shown, file.errorString()));
    if (bytes.size() > MaxFileSize)
        return tooLarge();

    QString text;
    if (const QByteArrayView rtf = rtfDocument(bytes); !rtf.isEmpty()) {
        text = RtfReader::toPlainText(rtf);
    } else {
        if (isBinary(bytes, detectTextEncoding(bytes)))
            return fail(QStringLiteral("The file \"%1\" is not a text or RTF document.").arg(shown));
        text = decodeText(bytes);
    }
    m_text = normalizeLineEndings(std::move(text));
    return true;
}
