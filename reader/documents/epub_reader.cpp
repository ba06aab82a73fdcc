#include "documents/epub_reader.h"

#include <QCoreApplication>

#include "documents/html_reader.h"
#include "documents/text_builder.h"
#include "documents/zip_archive.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

struct Item
{
    QString path;
    QString mediaType;
    QString properties;
};

struct Package
{
    QString title;
    QString author;
    QHash<QString, Item> manifest;  // by id
    QStringList spine;              // ids
    QString ncxId;
};

struct TocEntry
{
    QString title;
    QString target;  // path inside the archive, with "#fragment" when given
    int level = 1;
};

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

// A reference from a file in `folder` to a path inside the archive.
QString resolve(const QString &folder, const QString &href)
{
    const QString decoded = QUrl::fromPercentEncoding(href.toUtf8());
    QString path = QDir::cleanPath(folder + decoded);
    while (path.startsWith(QLatin1String("../")))
        path.remove(0, 3);
    if (path.startsWith(u'/'))
        path.remove(0, 1);
    return path;
}

QString rootfilePath(const QByteArray &container)
{
    QXmlStreamReader xml(container);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"rootfile") {
            const auto media = xml.attributes().value(QLatin1String("media-type"));
            if (media.isEmpty() || media == u"application/oebps-package+xml")
                return xml.attributes().value(QLatin1String("full-path")).toString();
        }
    }
    return {};
}

Package readPackage(const QByteArray &opf, const QString &folder)
{
    Package package;
    QXmlStreamReader xml(opf);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        const auto attrs = xml.attributes();
        if (name == u"title" && package.title.isEmpty())
            package.title = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        else if (name == u"creator" && package.author.isEmpty())
            package.author = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        else if (name == u"item")
            package.manifest.insert(attrs.value(QLatin1String("id")).toString(),
                                    {resolve(folder, attrs.value(QLatin1String("href")).toString()),
                                     attrs.value(QLatin1String("media-type")).toString(), attrs.value(QLatin1String("properties")).toString()});
        else if (name == u"spine")
            package.ncxId = attrs.value(QLatin1String("toc")).toString();
        else if (name == u"itemref")
            package.spine.append(attrs.value(QLatin1String("idref")).toString());
    }
    return package;
}

// The table of contents of an EPUB 3 navigation document: the links of its
// <nav epub:type="toc">, one level deeper for each nested list.
QList<TocEntry> readNav(const QByteArray &nav, const QString &folder)
{
    QList<TocEntry> entries;
    QXmlStreamReader xml(nav);
    int navDepth = 0;  // element depth inside the toc nav, 0 outside
    int listDepth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (navDepth == 0) {
                if (xml.name() == u"nav"
                    && (xml.attributes().value(QLatin1String("http://www.idpf.org/2007/ops"), QLatin1String("type")).contains(u"toc")
                        || xml.attributes().value(QLatin1String("role")) == u"doc-toc"))
                    navDepth = 1;
                continue;
            }
            ++navDepth;
            if (xml.name() == u"ol")
                ++listDepth;
            else if (xml.name() == u"a") {
                const QString href = xml.attributes().value(QLatin1String("href")).toString();
                --navDepth;  // readElementText consumes the end element
                const QString title = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                if (!href.isEmpty() && !title.isEmpty())
                    entries.append({title, resolve(folder, href), std::max(1, listDepth)});
            }
        } else if (token == QXmlStreamReader::EndElement && navDepth > 0) {
            if (xml.name() == u"ol")
                --listDepth;
            if (--navDepth == 0)
                break;
        }
    }
    return entries;
}

// The table of contents of an EPUB 2 NCX: nested navPoints.
QList<TocEntry> readNcx(const QByteArray &ncx, const QString &folder)
{
    QList<TocEntry> entries;
    QList<qsizetype> open;  // index in entries of each open navPoint
    QXmlStreamReader xml(ncx);
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"navPoint") {
                open.append(entries.size());
                entries.append({{}, {}, int(open.size())});
            } else if (xml.name() == u"text" && !open.isEmpty() && entries[open.back()].title.isEmpty()) {
                entries[open.back()].title = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            } else if (xml.name() == u"content" && !open.isEmpty()) {
                entries[open.back()].target = resolve(folder, xml.attributes().value(QLatin1String("src")).toString());
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"navPoint" && !open.isEmpty()) {
            open.removeLast();
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"navMap") {
            break;
        }
    }
    entries.removeIf([](const TocEntry &e) { return e.title.isEmpty() || e.target.isEmpty(); });
    return entries;
}

QSet<QString> encryptedPaths(ZipArchive &zip)
{
    QSet<QString> paths;
    const QByteArray xmlBytes = zip.read(QStringLiteral("META-INF/encryption.xml"));
    QXmlStreamReader xml(xmlBytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"CipherReference")
            paths.insert(resolve(QString(), xml.attributes().value(QLatin1String("URI")).toString()));
    }
    return paths;
}

bool isPage(const Item &item)
{
    return item.mediaType == u"application/xhtml+xml" || item.mediaType == u"text/html"
        || item.mediaType.isEmpty();
}

}  // namespace

namespace EpubReader {

DocumentResult read(const QByteArray &bytes)
{
    ZipArchive zip(bytes);
    if (!zip.isOpen())
        return DocumentResult::failure(zip.errorString());
    const QByteArray container = zip.read(QStringLiteral("META-INF/container.xml"));
    const QString opfPath = container.isEmpty() ? QString() : rootfilePath(container);
    if (opfPath.isEmpty()) {
        if (zip.status() == ZipArchive::Status::Missing || zip.status() == ZipArchive::Status::Ok)
            return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "it is not a complete EPUB book (its list of contents is missing)."));
        return DocumentResult::failure(zip.errorString());
    }
    const QByteArray opf = zip.read(opfPath);
    if (opf.isEmpty())
        return DocumentResult::failure(zip.status() == ZipArchive::Status::Missing
                                           ? QCoreApplication::translate("DocumentReader", "it is not a complete EPUB book (its package document is missing).")
                                           : zip.errorString());
    const QString opfFolder = folderOf(opfPath);
    const Package package = readPackage(opf, opfFolder);
    const QSet<QString> encrypted = encryptedPaths(zip);

    QString navPath;
    for (const Item &item : package.manifest)
        if (item.properties.split(u' ').contains(u"nav"))
            navPath = item.path;

    DocumentResult result;
    result.document.title = package.title;
    result.document.author = package.author;
    TextBuilder text;
    QHash<QString, qsizetype> targets;  // "path" and "path#id" to text offsets
    for (const QString &id : package.spine) {
        const auto it = package.manifest.constFind(id);
        if (it == package.manifest.constEnd() || it->path == navPath || !isPage(*it))
            continue;
        if (encrypted.contains(it->path))
            return DocumentResult::failure(
                QCoreApplication::translate("DocumentReader", "the book is encrypted (protected by DRM), so its text cannot be read."));
        const QByteArray page = zip.read(it->path);
        if (zip.status() == ZipArchive::Status::Missing)
            continue;  // a broken reference should not cost the whole book
        if (zip.status() != ZipArchive::Status::Ok)
            return DocumentResult::failure(zip.errorString());
        text.endParagraph();
        if (!targets.contains(it->path))
            targets.insert(it->path, text.position());
        QHash<QString, qsizetype> anchors;
        HtmlReader::appendBody(page, text, &anchors);
        for (auto a = anchors.cbegin(); a != anchors.cend(); ++a)
            targets.insert(it->path + u'#' + a.key(), a.value());
    }

    QList<TocEntry> toc;
    if (!navPath.isEmpty())
        toc = readNav(zip.read(navPath), folderOf(navPath));
    if (toc.isEmpty() && package.manifest.contains(package.ncxId)) {
        const QString ncxPath = package.manifest.value(package.ncxId).path;
        toc = readNcx(zip.read(ncxPath), folderOf(ncxPath));
    }
    result.document.text = text.take();
    const qsizetype length = result.document.text.size();
    for (const TocEntry &entry : toc) {
        auto target = targets.constFind(entry.target);
        if (target == targets.constEnd())
            target = targets.constFind(entry.target.section(u'#', 0, 0));
        if (target != targets.constEnd() && target.value() <= length)
            result.document.chapters.append({entry.title, target.value(), entry.level});
    }
    std::stable_sort(result.document.chapters.begin(), result.document.chapters.end(),
                     [](const Document::Chapter &a, const Document::Chapter &b) { return a.start < b.start; });
    if (result.document.text.trimmed().isEmpty())
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "the book has no text to read."));
    return result;
}

}  // namespace EpubReader
