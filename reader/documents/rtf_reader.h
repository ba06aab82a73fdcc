#pragma once

#include <QByteArrayView>
#include <QString>

// Reads the text of an RTF document for speaking: the body in reading order,
// without formatting, pictures, field codes or document properties.
//
// What becomes of the document's structure:
// - paragraphs (\par), line breaks (\line) and table rows (\row) end in
//   "\n"; section and page breaks end the current line if it has text;
//   table cells are separated by "\t"; the final paragraph mark is dropped;
// - list numbers and bullets (\listtext, \pntext) are kept, so "1." or "•"
//   precedes its item as it does on paper;
// - headers and footers are left out: they repeat on every page and would
//   interrupt the body; comments, hidden text and field instructions too,
//   while a field's result (a hyperlink's text) stays;
// - footnotes and endnotes, which RTF stores where they are referenced, are
//   moved after the body so they do not break a sentence; each reference
//   reads "[1]", "[2]"... in the body and before its note.
//
// Characters: \'hh bytes are decoded with the code page of the current
// font's \fcharset or \cpg, else the document's \ansicpg (Windows-1252 by
// default); the Symbol font is mapped to Unicode; other symbol-charset
// fonts (Wingdings and the like) hold pictures, not letters, and are
// dropped. \uN characters replace their \ucN fallback characters.
//
// The reader never fails: groups are tracked on an explicit stack, so deep
// nesting cannot exhaust the call stack, and malformed or truncated input
// yields the text read up to the point where it breaks.
class RtfReader
{
public:
    static QString toPlainText(QByteArrayView rtf);
};
