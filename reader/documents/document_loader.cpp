#include "documents/document_loader.h"

#include <QCoreApplication>

#include "documents/docx_reader.h"
#include "documents/epub_reader.h"
#include "documents/html_reader.h"
#include "documents/odt_reader.h"
#include "documents/pdf_reader.h"
#include "documents/rtf_reader.h"
#include "documents/text_decoder.h"
#include "documents/zip_archive.h"

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

enum class Format { Text, Rtf, Pdf, Epub, Docx, Odt, DamagedZip, OtherZip, OtherOpenDocument, OldOffice };

// What the contents are, as far as their first bytes and, for a ZIP
// container, its parts tell.
Format sniff(const QByteArray &bytes, const QString &extension)
{
    if (!rtfDocument(bytes).isEmpty())
        return Format::Rtf;
    // Readers accept a few bytes of junk before a PDF's header; a text that
    // merely mentions "%PDF-" is still a text, unless named .pdf.
    if (bytes.startsWith("%PDF-")
        || (extension.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0
            && QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 1024)).contains("%PDF-")))
        return Format::Pdf;
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return Format::OldOffice;
    if (bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06")) {
        ZipArchive zip(bytes, 4096);
        if (!zip.isOpen())
            return Format::DamagedZip;
        const QByteArray mimetype = zip.read(QStringLiteral("mimetype")).trimmed();
        if (mimetype == "application/epub+zip")
            return Format::Epub;
        if (mimetype == "application/vnd.oasis.opendocument.text")
            return Format::Odt;
        if (mimetype.startsWith("application/vnd.oasis.opendocument."))
            return Format::OtherOpenDocument;
        if (zip.contains(QStringLiteral("word/document.xml")))
            return Format::Docx;
        if (zip.contains(QStringLiteral("META-INF/container.xml")))
            return Format::Epub;
        if (zip.contains(QStringLiteral("content.xml")))
            return Format::Odt;
        return Format::OtherZip;
    }
    return Format::Text;
}

// What a file with this extension should be, for the message when it is not.
QString expectedKind(const QString &extension)
{
    static const QHash<QString, QString> kinds = {
        {QStringLiteral("pdf"), QCoreApplication::translate("DocumentReader", "a PDF document")},
        {QStringLiteral("epub"), QCoreApplication::translate("DocumentReader", "an EPUB book")},
        {QStringLiteral("docx"), QCoreApplication::translate("DocumentReader", "a Word document")},
        {QStringLiteral("odt"), QCoreApplication::translate("DocumentReader", "an OpenDocument text")},
    };
    return kinds.value(extension.toLower());
}

bool isHtmlExtension(const QString &extension)
{
    static const QStringList html = {QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("xhtml"),
                                     QStringLiteral("xht")};
    return html.contains(extension.toLower());
}

}  // namespace

bool DocumentLoader::fail(const QString &reason)
{
    m_errorString = reason;
    return false;
}

bool DocumentLoader::LoadFile(const QString &path)
{
    m_errorString.clear();
    if (path.isEmpty())
        return fail(QCoreApplication::translate("DocumentReader", "no file name was given."));

    // stat() rather than QFileInfo: a FIFO or device must be refused before
    // it is opened, as reading one may block or never end.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail(QCoreApplication::translate("DocumentReader", "the file does not exist."));
        return fail(QCoreApplication::translate("DocumentReader", "the file cannot be read (%1).")
                        .arg(QString::fromLocal8Bit(strerror(errno))));
    }
    if (S_ISDIR(st.st_mode))
        return fail(QCoreApplication::translate("DocumentReader", "it is a folder, not a file."));
    if (!S_ISREG(st.st_mode))
        return fail(QCoreApplication::translate("DocumentReader", "it is not a regular file."));

    const auto tooLarge = [&] {
        return fail(QCoreApplication::translate("DocumentReader", "the file is too large (the limit is %1 MB).")
                        .arg(MaxFileSize / (1024 * 1024)));
    };
    if (st.st_size > MaxFileSize)
        return tooLarge();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("DocumentReader", "the file cannot be read (%1).").arg(file.errorString()));
    // The file may grow between stat() and the read: never read past the cap.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QCoreApplication::translate("DocumentReader", "the file cannot be read (%1).").arg(file.errorString()));
    if (bytes.size() > MaxFileSize)
        return tooLarge();
    return loadBytes(bytes, QFileInfo(path).suffix());
}

bool DocumentLoader::loadBytes(const QByteArray &bytes, const QString &extension)
{
    m_errorString.clear();
    const Format format = sniff(bytes, extension);
    const QString expected = expectedKind(extension);
    DocumentResult result;
    switch (format) {
    case Format::Rtf:
        result.document.text = RtfReader::toPlainText(rtfDocument(bytes));
        break;
    case Format::Pdf:
        result = PdfReader::read(bytes);
        break;
    case Format::Epub:
        result = EpubReader::read(bytes);
        break;
    case Format::Docx:
        result = DocxReader::read(bytes);
        break;
    case Format::Odt:
        result = OdtReader::read(bytes);
        break;
    case Format::OldOffice:
        // Word saves a password-protected .docx inside this older container.
        if (extension.compare(QLatin1String("docx"), Qt::CaseInsensitive) == 0)
            return fail(QCoreApplication::translate("DocumentReader", "it is encrypted (protected with a password)."));
        return fail(QCoreApplication::translate("DocumentReader", "it is an older Office document (such as a .doc), which Sayora does not read; "
                                   "save it as .docx or .odt."));
    case Format::OtherOpenDocument:
        return fail(QCoreApplication::translate("DocumentReader", "it is an OpenDocument file of another kind (a spreadsheet or a presentation?), "
                                   "not a text."));
    case Format::DamagedZip:
        return fail(ZipArchive::damagedMessage());
    case Format::OtherZip:
        if (!expected.isEmpty())
            return fail(QCoreApplication::translate("DocumentReader", "it is named \".%1\" but is not %2 (it is another kind of ZIP archive).")
                            .arg(extension, expected));
        return fail(QCoreApplication::translate("DocumentReader", "it is a ZIP archive, not a document."));
    case Format::Text:
        if (!expected.isEmpty())
            return fail(QCoreApplication::translate("DocumentReader", "it is named \".%1\" but is not %2 (its contents are something else).")
                            .arg(extension, expected));
        if (isBinary(bytes, detectTextEncoding(bytes)))
            return fail(QCoreApplication::translate("DocumentReader", "it is not a text or RTF document."));
        // A page saved from a browser; a ".txt" file stays text whatever it holds.
        if (isHtmlExtension(extension)
            || (extension.compare(QLatin1String("txt"), Qt::CaseInsensitive) != 0 && HtmlReader::looksLikeHtml(bytes)))
            result = HtmlReader::read(bytes);
        else {
            result.document.text = decodeText(bytes);
            result.document.plainText = true;
        }
        break;
    }
    if (!result.ok())
        return fail(result.error);
    result.document.text = normalizeLineEndings(std::move(result.document.text));
    m_document = std::move(result.document);
    return true;
}
