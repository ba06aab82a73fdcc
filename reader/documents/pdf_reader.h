#pragma once

#include "documents/document.h"

#include <QByteArray>

// A PDF's text as PdfText reads it (documents/pdf_text.h). Poppler brings
// Qt Gui, OpenGL and X11 with it, so PDF reading lives in a library of its
// own, loaded the first time a PDF is read: starting the reader or the
// converter never pays for it.
namespace PdfReader {

// The library's file name, looked for as programLibrary() says.
inline constexpr char libraryName[] = "libsayora_pdf.so";

DocumentResult read(const QByteArray &bytes);

}  // namespace PdfReader
