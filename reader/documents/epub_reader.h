#pragma once

#include "documents/document.h"

#include <QByteArray>

// Reads an EPUB 2 or 3 book: the pages in the order of its spine, without
// the navigation document; chapters from its table of contents (the EPUB 3
// navigation document, else the EPUB 2 NCX), title and author from its
// package metadata.
namespace EpubReader {

DocumentResult read(const QByteArray &bytes);

}  // namespace EpubReader
