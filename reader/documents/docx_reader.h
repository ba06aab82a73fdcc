#pragma once

#include "documents/document.h"

#include <QByteArray>

// Reads a Word document (.docx, Office Open XML): paragraphs, headings
// (which become chapters), list items with their bullet or number, and
// table cells in order; footnotes and endnotes after the body; deleted
// revisions, field codes, headers and footers left out.
namespace DocxReader {

DocumentResult read(const QByteArray &bytes);

}  // namespace DocxReader
