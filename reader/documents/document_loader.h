#pragma once

#include "documents/document.h"

#include <QString>

// The hidden rich-text box `RichTextBox1` of the main window, reduced to
// what the reader uses it for: loading a file and handing out its plain
// text. It accepts RTF (a file that starts with "{\rtf"), plain text in the
// encodings decodeText() knows, and the book formats: PDF, EPUB, DOCX, ODT
// and HTML. The format is told by the contents; the name's extension only
// settles what the contents leave open (HTML or text) and names what a file
// was expected to be when it is not. Line endings come out as "\n", as the
// main text box expects.
//
// A failed load leaves the previous text in place and says why in
// errorString(), without the file's name: the caller names it once
// ("\"%1\" could not be opened: " + reason).
class DocumentLoader
{
public:
    // Larger files are refused: a text to be read aloud is far smaller, and
    // the whole file is held in memory two or three times while it loads.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    bool LoadFile(const QString &path);
    // The same from a file's contents already read (standard input); the
    // extension, when known, is the file name's, without the dot.
    bool loadBytes(const QByteArray &bytes, const QString &extension = QString());
    QString Text() const { return m_document.text; }
    // The text with the structure the reader found (chapters, title).
    const Document &document() const { return m_document; }
    QString errorString() const { return m_errorString; }

private:
    bool fail(const QString &reason);

    Document m_document;
    QString m_errorString;
};
