#include "documents/odt_reader.h"

#include <QCoreApplication>

#include "documents/office_notes.h"
#include "documents/text_builder.h"
#include "documents/zip_archive.h"

#include <QHash>
#include <QXmlStreamReader>

namespace {

constexpr int MaxLevels = 10;

QStringView textAttribute(const QXmlStreamAttributes &attrs, const char *name)
{
    return attrs.value(QLatin1String("urn:oasis:names:tc:opendocument:xmlns:text:1.0"), QLatin1String(name));
}

QStringView styleAttribute(const QXmlStreamAttributes &attrs, const char *name)
{
    return attrs.value(QLatin1String("urn:oasis:names:tc:opendocument:xmlns:style:1.0"), QLatin1String(name));
}

// Whether each level of each list style is numbered (else a bullet).
using ListStyles = QHash<QString, QList<bool>>;

void readListStyles(const QByteArray &bytes, ListStyles &styles)
{
    QXmlStreamReader xml(bytes);
    QString current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attrs = xml.attributes();
        if (xml.name() == u"list-style") {
            current = styleAttribute(attrs, "name").toString();
            styles[current] = QList<bool>(MaxLevels, false);
        } else if (xml.name() == u"list-level-style-number" && styles.contains(current)) {
            const int level = textAttribute(attrs, "level").toInt();
            // A numbered level without a format ("") shows no number.
            const bool shown = !styleAttribute(attrs, "num-format").isEmpty();
            if (level >= 1 && level <= MaxLevels)
                styles[current][level - 1] = shown;
        }
    }
}

struct Reader
{
    const ListStyles &listStyles;
    OfficeNotes &notes;
    Document &document;

    struct List
    {
        QString style;
        int level = 0;
    };
    QList<List> lists;
    QHash<QString, QList<int>> counters;
    QString pendingPrefix;

    QString itemPrefix()
    {
        const List &list = lists.back();
        const int level = std::min(list.level, MaxLevels) - 1;
        QList<int> &count = counters[list.style];
        if (count.isEmpty())
            count = QList<int>(MaxLevels, 0);
        ++count[level];
        for (int deeper = level + 1; deeper < MaxLevels; ++deeper)
            count[deeper] = 0;
        if (listStyles.value(list.style).value(level))
            return QString::number(count[level]) + QStringLiteral(". ");
        return QStringLiteral("\u2022 ");
    }

    // Reads the current element to its end; `body` says whether headings
    // there are chapters (not inside notes).
    void read(QXmlStreamReader &xml, TextBuilder &text, bool body)
    {
        int depth = 1;
        QList<qsizetype> headingStarts;
        QList<int> headingLevels;
        while (depth > 0 && !xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::Characters) {
                text.addText(xml.text());
                continue;
            }
            if (token == QXmlStreamReader::EndElement) {
                --depth;
                const auto name = xml.name();
                if (name == u"p" || name == u"h") {
                    if (name == u"h" && !headingStarts.isEmpty()) {
                        if (body && !text.inCell())
                            text.addChapter(document, headingStarts.back(), headingLevels.back());
                        headingStarts.removeLast();
                        headingLevels.removeLast();
                    }
                    text.endParagraph();
                } else if (name == u"list" && !lists.isEmpty()) {
                    lists.removeLast();
                } else if (name == u"table-cell") {
                    text.endCell();
                } else if (name == u"table-row") {
                    text.endRow();
                    text.endParagraph();
                } else if (name == u"number") {
                    text.addSpace();
                }
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            ++depth;
            const auto name = xml.name();
            const auto attrs = xml.attributes();
            if (name == u"p" || name == u"h") {
                text.endParagraph();
                if (name == u"h") {
                    headingStarts.append(text.position());
                    headingLevels.append(std::max(1, textAttribute(attrs, "outline-level").toInt()));
                }
                text.addPrefix(pendingPrefix);
                pendingPrefix.clear();
            } else if (name == u"s") {
                const int count = std::clamp(textAttribute(attrs, "c").toInt(), 1, 1000);
                text.addRaw(QString(count, u' '));
            } else if (name == u"tab") {
                text.addRaw(u"\t");
            } else if (name == u"line-break") {
                text.breakLine();
            } else if (name == u"list") {
                QString style = textAttribute(attrs, "style-name").toString();
                if (style.isEmpty() && !lists.isEmpty())
                    style = lists.back().style;
                const bool continues = textAttribute(attrs, "continue-numbering") == u"true"
                    || attrs.hasAttribute(QLatin1String("urn:oasis:names:tc:opendocument:xmlns:text:1.0"), QLatin1String("continue-list"));
                if (lists.isEmpty() && !continues)
                    counters.remove(style);
                lists.append({style, int(lists.size()) + 1});
            } else if (name == u"list-item" && !lists.isEmpty()) {
                pendingPrefix = itemPrefix();
            } else if (name == u"list-header") {
                pendingPrefix.clear();
            } else if (name == u"table-row") {
                text.endParagraph();
                text.beginRow();
            } else if (name == u"table-cell") {
                text.beginCell();
            } else if (name == u"note-body") {
                TextBuilder note;
                read(xml, note, false);
                --depth;
                text.addRaw(notes.reference(note.take().replace(u'\n', u' ').simplified()));
            } else if (name == u"note-citation" || name == u"annotation" || name == u"tracked-changes"
                       || name == u"sequence-decls" || name == u"variable-decls" || name == u"user-field-decls"
                       || name == u"forms" || name == u"annotation-end"
                       || name == u"deletion"
                       || ((name == u"title" || name == u"desc")
                           && xml.namespaceUri() == u"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0")) {
                // A drawing's title and description are for screen readers
                // browsing the drawing, not part of the text's flow.
                xml.skipCurrentElement();
                --depth;
            }
        }
    }
};

}  // namespace

namespace OdtReader {

DocumentResult read(const QByteArray &bytes)
{
    ZipArchive zip(bytes);
    if (!zip.isOpen())
        return DocumentResult::failure(zip.errorString());
    if (zip.read(QStringLiteral("META-INF/manifest.xml")).contains("encryption-data"))
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "it is encrypted (protected with a password)."));
    const QByteArray content = zip.read(QStringLiteral("content.xml"));
    if (zip.status() == ZipArchive::Status::Missing)
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "it is not an OpenDocument text (its content is missing)."));
    if (zip.status() != ZipArchive::Status::Ok)
        return DocumentResult::failure(zip.errorString());

    ListStyles listStyles;
    readListStyles(zip.read(QStringLiteral("styles.xml")), listStyles);
    readListStyles(content, listStyles);

    DocumentResult result;
    OfficeNotes notes;
    Reader reader{listStyles, notes, result.document, {}, {}, {}};
    TextBuilder text;
    QXmlStreamReader xml(content);
    bool sawBody = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text"
            && xml.namespaceUri() == u"urn:oasis:names:tc:opendocument:xmlns:office:1.0") {
            sawBody = true;
            reader.read(xml, text, true);
            break;
        }
    }
    if (!sawBody)
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "the file is damaged (its text cannot be read)."));
    result.document.text = text.take();
    notes.appendTo(result.document.text);

    const QByteArray meta = zip.read(QStringLiteral("meta.xml"));
    result.document.title = officeProperty(meta, u"title");
    result.document.author = officeProperty(meta, u"creator");
    if (result.document.author.isEmpty())
        result.document.author = officeProperty(meta, u"initial-creator");
    return result;
}

}  // namespace OdtReader
