#pragma once

#include "documents/document.h"
#include "documents/text_builder.h"

#include <QByteArray>
#include <QHash>

// Reads the visible text of an HTML or XHTML page: the body in order,
// without scripts, styles, templates or hidden elements; paragraphs, list
// items ("•" or their number) and headings on lines of their own; table
// cells separated by "\t". Headings become chapters. Web pages are rarely
// well-formed XML, so libxml2's forgiving HTML parser reads them; XHTML
// that is well-formed goes through its XML parser.
namespace HtmlReader {

DocumentResult read(const QByteArray &bytes);

// The body of one page of a book (EPUB), added to `text`. The offset of
// every element with an id is recorded in `anchors` (for the table of
// contents); headings are not made chapters. Returns false when the
// bytes hold no markup at all.
bool appendBody(const QByteArray &bytes, TextBuilder &text, QHash<QString, qsizetype> *anchors);

// Whether the bytes start like an HTML page.
bool looksLikeHtml(QByteArrayView bytes);

}  // namespace HtmlReader
