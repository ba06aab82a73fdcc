#include "documents/docx_reader.h"

#include <QCoreApplication>

#include "documents/office_notes.h"
#include "documents/text_builder.h"
#include "documents/zip_archive.h"

#include <QHash>
#include <QXmlStreamReader>

namespace {

constexpr int MaxLevels = 9;

// An attribute by its local name: Word writes them all as w:name.
QStringView attribute(const QXmlStreamAttributes &attrs, QLatin1StringView name)
{
    for (const QXmlStreamAttribute &a : attrs)
        if (a.name() == name)
            return a.value();
    return {};
}

// Heading levels by paragraph style, from styles.xml: a style named
// "heading N", or one with an outline level. The document's title is not a
// chapter: it heads them all.
QHash<QString, int> headingStyles(const QByteArray &styles)
{
    QHash<QString, int> levels;
    QXmlStreamReader xml(styles);
    QString id;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        const auto val = attribute(xml.attributes(), QLatin1String("val"));
        if (name == u"style") {
            id = attribute(xml.attributes(), QLatin1String("styleId")).toString();
        } else if (name == u"name" && !id.isEmpty()) {
            const QString n = val.toString().toLower();
            if (n.startsWith(u"heading ") && n.mid(8).toInt() > 0)
                levels.insert(id, n.mid(8).toInt());
        } else if (name == u"outlineLvl" && !id.isEmpty() && val.toInt() < MaxLevels) {
            levels.insert(id, val.toInt() + 1);
        }
    }
    return levels;
}

// The number format of each list level: numbering.xml maps a list (numId)
// to an abstract list whose levels say "bullet", "decimal" and so on.
struct Numbering
{
    QHash<QString, QString> abstractOf;           // numId → abstractNumId
    QHash<QString, QList<QString>> formats;        // abstractNumId → format per level
    QHash<QString, QList<int>> counters;           // numId → count per level

    explicit Numbering(const QByteArray &bytes)
    {
        QXmlStreamReader xml(bytes);
        QString abstractId, numId;
        int level = -1;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::EndElement && (xml.name() == u"abstractNum" || xml.name() == u"num")) {
                abstractId.clear();
                numId.clear();
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            const auto a = xml.attributes();
            if (xml.name() == u"abstractNum") {
                abstractId = attribute(a, QLatin1String("abstractNumId")).toString();
                formats[abstractId] = QList<QString>(MaxLevels);
            } else if (xml.name() == u"lvl") {
                level = attribute(a, QLatin1String("ilvl")).toInt();
            } else if (xml.name() == u"numFmt" && !abstractId.isEmpty() && level >= 0 && level < MaxLevels) {
                formats[abstractId][level] = attribute(a, QLatin1String("val")).toString();
            } else if (xml.name() == u"num") {
                numId = attribute(a, QLatin1String("numId")).toString();
            } else if (xml.name() == u"abstractNumId" && !numId.isEmpty()) {
                abstractOf.insert(numId, attribute(a, QLatin1String("val")).toString());
            }
        }
    }

    // "• " or "3. " for the next item of list numId at level.
    QString prefix(const QString &numId, int level)
    {
        if (numId.isEmpty() || numId == u"0" || level < 0 || level >= MaxLevels)
            return {};
        const QString format = formats.value(abstractOf.value(numId)).value(level);
        QList<int> &count = counters[numId];
        if (count.isEmpty())
            count = QList<int>(MaxLevels, 0);
        ++count[level];
        for (int deeper = level + 1; deeper < MaxLevels; ++deeper)
            count[deeper] = 0;
        if (format == u"none")
            return {};
        if (format.isEmpty() || format == u"bullet")
            return QStringLiteral("\u2022 ");
        return QString::number(count[level]) + QStringLiteral(". ");
    }
};

struct Part
{
    const QHash<QString, int> &headings;
    Numbering &numbering;
    OfficeNotes *notes = nullptr;                        // the body's notes
    const QHash<QString, QString> *footnotes = nullptr;  // note texts by id
    const QHash<QString, QString> *endnotes = nullptr;
    Document *document = nullptr;                        // gets the chapters

    // Reads the current element (a body, or a note) to its end.
    void read(QXmlStreamReader &xml, TextBuilder &text)
    {
        int depth = 1;
        QString style, numId;
        int listLevel = 0;
        qsizetype paragraphStart = -1;
        while (depth > 0 && !xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::EndElement) {
                --depth;
                const auto name = xml.name();
                if (name == u"p") {
                    const int level = headings.value(style);
                    if (level > 0 && document && paragraphStart >= 0 && !text.inCell())
                        text.addChapter(*document, paragraphStart, level);
                    text.endParagraph();
                    paragraphStart = -1;
                } else if (name == u"pPr") {
                    text.addPrefix(numbering.prefix(numId, listLevel));
                } else if (name == u"tc") {
                    text.endCell();
                } else if (name == u"tr") {
                    text.endRow();
                    text.endParagraph();
                }
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            ++depth;
            const auto name = xml.name();
            const auto attrs = xml.attributes();
            if (name == u"t") {
                text.addRaw(xml.readElementText());
                --depth;
            } else if (name == u"p") {
                text.endParagraph();
                paragraphStart = text.position();
                style.clear();
                numId.clear();
                listLevel = 0;
            } else if (name == u"pStyle") {
                style = attribute(attrs, QLatin1String("val")).toString();
            } else if (name == u"numId") {
                numId = attribute(attrs, QLatin1String("val")).toString();
            } else if (name == u"ilvl") {
                listLevel = attribute(attrs, QLatin1String("val")).toInt();
            } else if (name == u"tab" && xml.namespaceUri().endsWith(u"main")) {
                // A tab stop inside pPr/tabs is a definition, not a tab.
                text.addRaw(u"\t");
            } else if (name == u"br" || name == u"cr") {
                const auto type = attribute(attrs, QLatin1String("type"));
                if (type.isEmpty() || type == u"textWrapping")
                    text.breakLine();
            } else if (name == u"noBreakHyphen") {
                text.addRaw(u"-");
            } else if (name == u"tr") {
                text.endParagraph();
                text.beginRow();
            } else if (name == u"tc") {
                text.beginCell();
            } else if ((name == u"footnoteReference" || name == u"endnoteReference") && notes) {
                const auto *source = name == u"footnoteReference" ? footnotes : endnotes;
                const QString id = attribute(attrs, QLatin1String("id")).toString();
                if (source && source->contains(id))
                    text.addRaw(notes->reference(source->value(id)));
            } else if (name == u"Fallback" || name == u"sectPr" || name == u"del" || name == u"tabs"
                       || name == u"instrText" || name == u"delText" || name == u"rPr" || name == u"pPrChange"
                       || name == u"rPrChange") {
                // The fallback repeats the text of a drawing's text box; a
                // tab definition (pPr/tabs) is not a tab.
                xml.skipCurrentElement();
                --depth;
            }
        }
    }
};

// The text of each footnote (or endnote) by id, separators left out.
QHash<QString, QString> readNotes(const QByteArray &bytes, const char *element, Part part)
{
    QHash<QString, QString> notes;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String(element))
            continue;
        const auto type = attribute(xml.attributes(), QLatin1String("type"));
        const QString id = attribute(xml.attributes(), QLatin1String("id")).toString();
        if (!type.isEmpty() && type != u"normal") {
            xml.skipCurrentElement();
            continue;
        }
        TextBuilder text;
        part.read(xml, text);
        notes.insert(id, text.take().replace(u'\n', u' ').simplified());
    }
    return notes;
}

}  // namespace

namespace DocxReader {

DocumentResult read(const QByteArray &bytes)
{
    ZipArchive zip(bytes);
    if (!zip.isOpen())
        return DocumentResult::failure(zip.errorString());
    const QByteArray body = zip.read(QStringLiteral("word/document.xml"));
    if (zip.status() == ZipArchive::Status::Missing)
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "it is not a Word document (its main part is missing)."));
    if (zip.status() != ZipArchive::Status::Ok)
        return DocumentResult::failure(zip.errorString());

    const QHash<QString, int> headings = headingStyles(zip.read(QStringLiteral("word/styles.xml")));
    Numbering numbering(zip.read(QStringLiteral("word/numbering.xml")));
    Part notePart{headings, numbering};
    const QHash<QString, QString> footnotes =
        readNotes(zip.read(QStringLiteral("word/footnotes.xml")), "footnote", notePart);
    const QHash<QString, QString> endnotes =
        readNotes(zip.read(QStringLiteral("word/endnotes.xml")), "endnote", notePart);
    if (zip.status() == ZipArchive::Status::TooLarge)
        return DocumentResult::failure(zip.errorString());

    DocumentResult result;
    OfficeNotes notes;
    Part bodyPart{headings, numbering, &notes, &footnotes, &endnotes, &result.document};
    TextBuilder text;
    QXmlStreamReader xml(body);
    bool sawBody = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"body") {
            sawBody = true;
            bodyPart.read(xml, text);
            break;
        }
    }
    if (!sawBody || (xml.hasError() && text.size() == 0))
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "the file is damaged (its text cannot be read)."));
    result.document.text = text.take();
    notes.appendTo(result.document.text);

    const QByteArray core = zip.read(QStringLiteral("docProps/core.xml"));
    result.document.title = officeProperty(core, u"title");
    result.document.author = officeProperty(core, u"creator");
    return result;
}

}  // namespace DocxReader
