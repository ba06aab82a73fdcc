#pragma once

#include "documents/document.h"

#include <QByteArray>

// Reads an OpenDocument text (.odt): paragraphs, headings (which become
// chapters), list items with their bullet or number, and table cells in
// order; footnotes and endnotes after the body; comments, tracked deletions
// and drawings' descriptions left out.
namespace OdtReader {

DocumentResult read(const QByteArray &bytes);

}  // namespace OdtReader
