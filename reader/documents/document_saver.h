#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the documents the Save button writes: the text box's text as
// a text file or as rich text (the types and names: documents/save_types.h).
namespace DocumentSaver {

// A text file: the text exactly as it stands, in UTF-8, then CR LF.
QByteArray textFile(const QString &text);
// A rich-text document holding exactly the same text: special characters
// escaped, anything beyond ASCII as \uN, line breaks as \par.
QByteArray richTextFile(const QString &text);

} // namespace DocumentSaver
