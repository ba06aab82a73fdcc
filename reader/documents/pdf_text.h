#pragma once

#include "documents/document.h"

#include <QByteArray>

// Reads the text layer of a PDF as a listener needs it: each page's text in
// reading order (poppler's layout analysis), the lines of a paragraph joined
// by blanks, words hyphenated at a line end joined again, and the running
// headers, footers and page numbers that repeat from page to page left out.
// The outline, where there is one, gives the chapters. Built into the PDF
// library that PdfReader loads on demand.
namespace PdfText {

DocumentResult read(const QByteArray &bytes);

}  // namespace PdfText
