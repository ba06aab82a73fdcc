#pragma once

// A book for the benchmarks: an EPUB 3 written with libzip.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <zip.h>

namespace bench {

inline bool addFile(zip_t *zip, const char *name, const QByteArray &data, bool store = false)
{
    // libzip reads the buffer when the archive is closed; keep it alive.
    static QList<QByteArray> keep;
    keep.append(data);
    zip_source_t *source = zip_source_buffer(zip, keep.back().constData(), zip_uint64_t(data.size()), 0);
    const zip_int64_t index = zip_file_add(zip, name, source, ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    if (store)
        zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
    return true;
}

// An EPUB 3 book of `chapters` pages whose text adds up to about `bytes`,
// each page the paragraph over and over; `store`: the pages uncompressed, so
// that the file is as large as its text.
inline bool writeEpub(const QString &path, int chapters, qsizetype bytes, const QString &paragraph,
                      bool store = false)
{
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    QByteArray manifest, spine, nav;
    bool ok = addFile(zip, "mimetype", "application/epub+zip", true)
        && addFile(zip, "META-INF/container.xml",
                   "<?xml version=\"1.0\"?><container version=\"1.0\" "
                   "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles><rootfile "
                   "full-path=\"OEBPS/book.opf\" media-type=\"application/oebps-package+xml\"/></rootfiles></container>");
    const QByteArray sentence = paragraph.toUtf8();
    for (int c = 1; c <= chapters && ok; ++c) {
        QByteArray page = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><html xmlns=\"http://www.w3.org/1999/xhtml\"><head>"
                          "<title>c</title></head><body><h1 id=\"top\">Chapter " + QByteArray::number(c) + "</h1>";
        while (page.size() < bytes / chapters)
            page += "<p>" + sentence + sentence + sentence + "</p>\n";
        page += "</body></html>";
        const QByteArray name = "c" + QByteArray::number(c) + ".xhtml";
        ok = addFile(zip, ("OEBPS/" + name).constData(), page, store);
        manifest += "<item id=\"c" + QByteArray::number(c) + "\" href=\"" + name + "\" media-type=\"application/xhtml+xml\"/>";
        spine += "<itemref idref=\"c" + QByteArray::number(c) + "\"/>";
        nav += "<li><a href=\"" + name + "#top\">Chapter " + QByteArray::number(c) + "</a></li>";
    }
    ok = ok
        && addFile(zip, "OEBPS/nav.xhtml",
                   "<?xml version=\"1.0\"?><html xmlns=\"http://www.w3.org/1999/xhtml\" "
                   "xmlns:epub=\"http://www.idpf.org/2007/ops\"><body><nav epub:type=\"toc\"><ol>" + nav
                       + "</ol></nav></body></html>")
        && addFile(zip, "OEBPS/book.opf",
                   "<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\">"
                   "<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>Bench</dc:title></metadata>"
                   "<manifest><item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" "
                   "properties=\"nav\"/>" + manifest + "</manifest><spine>" + spine + "</spine></package>");
    if (!ok) {
        zip_discard(zip);
        return false;
    }
    return zip_close(zip) == 0;
}

}  // namespace bench
