#include "documents/html_reader.h"

#include <QCoreApplication>

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <QList>
#include <QStringDecoder>

#include <memory>

namespace {

struct DocFree
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

QString attribute(const xmlNode *node, const char *name)
{
    for (const xmlAttr *a = node->properties; a; a = a->next) {
        if (xmlStrcasecmp(a->name, reinterpret_cast<const xmlChar *>(name)) == 0 && a->children
            && a->children->content)
            return QString::fromUtf8(reinterpret_cast<const char *>(a->children->content));
    }
    return {};
}

bool hasAttribute(const xmlNode *node, const char *name)
{
    for (const xmlAttr *a = node->properties; a; a = a->next)
        if (xmlStrcasecmp(a->name, reinterpret_cast<const xmlChar *>(name)) == 0)
            return true;
    return false;
}

bool is(const xmlNode *node, const char *name)
{
    return xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar *>(name)) == 0;
}

template<typename... Names>
bool isAny(const xmlNode *node, Names... names)
{
    return (is(node, names) || ...);
}

// A link to a footnote, read "[1]" as the other readers do; the link back
// from the note ("↩") is left out.
bool isNoteReference(const xmlNode *node)
{
    if (attribute(node, "role") == u"doc-noteref")
        return true;
    return is(node, "a")
        && ((attribute(node, "epub:type") + attribute(node, "type")).contains(u"noteref")
            || attribute(node, "class").split(u' ').contains(u"footnote-ref"));
}

bool isBacklink(const xmlNode *node)
{
    return attribute(node, "role") == u"doc-backlink"
        || (is(node, "a") && attribute(node, "class").split(u' ').contains(u"footnote-back"));
}

// Elements whose content is never shown as text.
bool isSkipped(const xmlNode *node)
{
    if (node->type != XML_ELEMENT_NODE)
        return node->type != XML_TEXT_NODE && node->type != XML_CDATA_SECTION_NODE;
    // A page's navigation links are not its content (an EPUB's navigation document
    // is likewise left out).
    if (isAny(node, "script", "style", "template", "noscript", "head", "title", "svg", "iframe", "object", "nav",
              "canvas", "select", "datalist", "audio", "video", "map"))
        return true;
    if (hasAttribute(node, "hidden") || attribute(node, "aria-hidden") == u"true" || isBacklink(node))
        return true;
    const QString style = attribute(node, "style").remove(u' ').toLower();
    return style.contains(u"display:none") || style.contains(u"visibility:hidden");
}

bool isBlock(const xmlNode *node)
{
    return isAny(node, "p", "div", "section", "article", "header", "footer", "nav", "aside", "main", "blockquote",
                 "pre", "ul", "ol", "li", "dl", "dt", "dd", "figure", "figcaption", "hr", "address", "table",
                 "caption", "tr", "body", "h1", "h2", "h3", "h4", "h5", "h6", "form", "fieldset", "legend",
                 "details", "summary");
}

int headingLevel(const xmlNode *node)
{
    if (!node->name || (node->name[0] != 'h' && node->name[0] != 'H'))
        return 0;
    if (node->name[1] >= '1' && node->name[1] <= '6' && node->name[2] == 0)
        return node->name[1] - '0';
    return 0;
}

struct Walker
{
    TextBuilder &text;
    QHash<QString, qsizetype> *anchors = nullptr;
    Document *chapters = nullptr;

    struct List
    {
        bool ordered = false;
        int next = 1;
    };
    QList<List> lists;
    QList<qsizetype> headingStarts;
    int preDepth = 0;

    void enter(const xmlNode *node)
    {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            const QString s = QString::fromUtf8(reinterpret_cast<const char *>(node->content));
            if (preDepth > 0) {
                QString lines = s;
                lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                const QStringList parts = lines.split(u'\n');
                for (qsizetype i = 0; i < parts.size(); ++i) {
                    if (i > 0)
                        text.breakLine();
                    text.addRaw(parts[i]);
                }
            } else {
                text.addText(s);
            }
            return;
        }
        if (isBlock(node))
            text.endParagraph();
        if (anchors) {
            const QString id = attribute(node, "id");
            if (!id.isEmpty() && !anchors->contains(id))
                anchors->insert(id, text.position());
        }
        if (isNoteReference(node)) {
            text.addRaw(u"[");
            return;
        }
        if (is(node, "br")) {
            text.breakLine();
            return;
        }
        if (isAny(node, "td", "th")) {
            text.beginCell();
            return;
        }
        if (isAny(node, "img", "input")) {
            // A picture's alternative text says what it shows.
            const QString alt = attribute(node, "alt").simplified();
            if (!alt.isEmpty() && is(node, "img")) {
                text.addSpace();
                text.addText(alt);
                text.addSpace();
            }
            return;
        }
        if (is(node, "tr"))
            text.beginRow();
        else if (isAny(node, "ul", "ol", "menu")) {
            List list;
            list.ordered = is(node, "ol");
            bool ok = false;
            const int start = attribute(node, "start").toInt(&ok);
            if (ok)
                list.next = start;
            lists.append(list);
        } else if (is(node, "li")) {
            if (!lists.isEmpty() && lists.back().ordered)
                text.addPrefix(QString::number(lists.back().next++) + QStringLiteral(". "));
            else
                text.addPrefix(u"\u2022 ");
        } else if (is(node, "pre")) {
            ++preDepth;
        }
        if (headingLevel(node) > 0)
            headingStarts.append(text.position());
    }

    void leave(const xmlNode *node)
    {
        if (node->type != XML_ELEMENT_NODE)
            return;
        if (isNoteReference(node)) {
            text.addRaw(u"]");
            return;
        }
        if (isAny(node, "td", "th")) {
            text.endCell();
            return;
        }
        if (is(node, "tr"))
            text.endRow();
        else if (isAny(node, "ul", "ol", "menu") && !lists.isEmpty())
            lists.removeLast();
        else if (is(node, "pre") && preDepth > 0)
            --preDepth;
        if (const int level = headingLevel(node); level > 0 && !headingStarts.isEmpty()) {
            const qsizetype start = headingStarts.takeLast();
            if (chapters && !text.inCell())
                text.addChapter(*chapters, start, level);
        }
        if (isBlock(node))
            text.endParagraph();
    }

    // Depth-first over the tree without recursion: a page may nest
    // thousands of elements deep.
    void walk(const xmlNode *root)
    {
        const xmlNode *node = root;
        while (node) {
            const bool skipped = isSkipped(node);
            if (!skipped) {
                enter(node);
                if (node->children && node->type == XML_ELEMENT_NODE) {
                    node = node->children;
                    continue;
                }
            }
            for (;;) {
                if (!isSkipped(node))
                    leave(node);
                if (node == root) {
                    node = nullptr;
                    break;
                }
                if (node->next) {
                    node = node->next;
                    break;
                }
                node = node->parent;
            }
        }
    }
};

const xmlNode *findElement(const xmlNode *node, const char *name)
{
    // Breadth-limited search of the top levels: <html><head|body>.
    for (const xmlNode *n = node; n; n = n->next) {
        if (n->type == XML_ELEMENT_NODE && is(n, name))
            return n;
        if (n->type == XML_ELEMENT_NODE && isAny(n, "html") && n->children)
            if (const xmlNode *found = findElement(n->children, name))
                return found;
    }
    return nullptr;
}

DocPtr parse(const QByteArray &bytes)
{
    if (bytes.size() > INT_MAX)
        return nullptr;
    const int size = int(bytes.size());
    // Well-formed XHTML is XML: read it as such, so an empty <script/> or
    // <a/> does not swallow what follows as HTML would.
    const QByteArrayView head = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 512));
    if (head.contains("<?xml") || head.contains("xmlns=\"http://www.w3.org/1999/xhtml\"")) {
        DocPtr doc(xmlReadMemory(bytes.constData(), size, nullptr, nullptr,
                                 XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA));
        if (doc)
            return doc;
    }
    // Without a declared encoding, libxml2 would take Latin-1; today's
    // pages are UTF-8, and valid UTF-8 is hardly ever anything else.
    const char *encoding = nullptr;
    const QByteArrayView lower = head;
    if (!QByteArray(lower.data(), lower.size()).toLower().contains("charset")) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(bytes);
        if (!utf8.hasError())
            encoding = "UTF-8";
    }
    return DocPtr(htmlReadMemory(bytes.constData(), size, nullptr, encoding,
                                 HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET));
}

QString textOf(const xmlNode *node)
{
    xmlChar *content = xmlNodeGetContent(node);
    const QString s = QString::fromUtf8(reinterpret_cast<const char *>(content)).simplified();
    xmlFree(content);
    return s;
}

}  // namespace

namespace HtmlReader {

bool looksLikeHtml(QByteArrayView bytes)
{
    QByteArray head = bytes.first(std::min<qsizetype>(bytes.size(), 1024)).toByteArray().toLower();
    if (head.startsWith("\xef\xbb\xbf"))
        head.remove(0, 3);
    head = head.trimmed();
    if (head.startsWith("<?xml"))
        return head.contains("<html");
    return head.startsWith("<!doctype html") || head.startsWith("<html") || head.startsWith("<!--")
        || (head.startsWith("<") && (head.contains("<body") || head.contains("<head")));
}

bool appendBody(const QByteArray &bytes, TextBuilder &text, QHash<QString, qsizetype> *anchors)
{
    DocPtr doc = parse(bytes);
    if (!doc)
        return false;
    const xmlNode *root = xmlDocGetRootElement(doc.get());
    if (!root)
        return false;
    const xmlNode *body = findElement(root, "body");
    Walker walker{text, anchors, nullptr, {}, {}, 0};
    walker.walk(body ? body : root);
    text.endParagraph();
    return true;
}

DocumentResult read(const QByteArray &bytes)
{
    DocPtr doc = parse(bytes);
    const xmlNode *root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!root)
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "it is not a readable HTML page."));
    DocumentResult result;
    if (const xmlNode *head = findElement(root, "head")) {
        for (const xmlNode *n = head->children; n; n = n->next) {
            if (n->type != XML_ELEMENT_NODE)
                continue;
            if (is(n, "title"))
                result.document.title = textOf(n);
            else if (is(n, "meta") && attribute(n, "name").toLower() == u"author")
                result.document.author = attribute(n, "content").simplified();
        }
    } else if (const xmlNode *title = findElement(root, "title")) {
        result.document.title = textOf(title);
    }
    TextBuilder text;
    const xmlNode *body = findElement(root, "body");
    Walker walker{text, nullptr, &result.document, {}, {}, 0};
    walker.walk(body ? body : root);
    result.document.text = text.take();
    return result;
}

}  // namespace HtmlReader
