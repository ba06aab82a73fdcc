#pragma once

#include "documents/document.h"

#include <QByteArray>
#include <QByteArrayView>

// Reads the text layer of a PDF as a listener needs it: each page's text in
// reading order (poppler's layout analysis), the lines of a paragraph joined
// by blanks, words hyphenated at a line end joined again, and the running
// headers, footers and page numbers that repeat from page to page left out.
// The outline, where there is one, gives the chapters. Built into the PDF
// library that PdfReader loads on demand.
namespace PdfText {

DocumentResult read(const QByteArray &bytes);

// Poppler keeps a table with an entry for every object number up to the
// largest it meets, and when it rebuilds a damaged file's table it takes
// that number from any "N G obj" in the bytes: a damaged file of a few
// hundred bytes naming object 8,000,000 costs it some 200 MB and seconds
// before the file is refused. Every object of a PDF takes some bytes, so a
// file naming far more objects than it has room for (over a million, and
// over 16 per byte) is refused as damaged before poppler sees it.
constexpr qint64 MaxObjectNumber = 8'388'607;  // the PDF reference's limit
qint64 largestObjectNumber(QByteArrayView bytes);  // -1 when it names none
bool namesMoreObjectsThanItHolds(QByteArrayView bytes);

}  // namespace PdfText
