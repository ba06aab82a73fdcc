#pragma once

#include <QByteArrayView>
#include <QString>

// Turns the bytes of a plain-text file into text. Files from Windows
// editors come as UTF-8 (with or without a byte-order mark), as UTF-16 or
// UTF-32 with a byte-order mark, or in the ANSI code page; bytes that are
// not valid UTF-8 are read as Windows-1252, which decodes every byte.

enum class TextEncoding {
    Utf8,
    Utf8WithBom,
    Utf16LE,
    Utf16BE,
    Utf32LE,
    Utf32BE,
    Windows1252,
};

// Chooses the encoding from the byte-order mark, else from the content.
// UTF-16 without a mark is recognised only when its zero bytes fall
// consistently on one side of each code unit, as in ASCII-heavy text.
TextEncoding detectTextEncoding(QByteArrayView bytes);

// Decodes with detectTextEncoding()'s choice, dropping any byte-order mark.
// Line endings are left as they are.
QString decodeText(QByteArrayView bytes, TextEncoding *used = nullptr);

// Windows-1252 without ICU; 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which the code
// page leaves undefined, become the C1 controls of the same value, as on
// Windows.
QString decodeWindows1252(QByteArrayView bytes);
void appendWindows1252(QString &out, QByteArrayView bytes);

// Replaces each surrogate that is not half of a pair with U+FFFD, so the
// text converts to UTF-8 without loss of the characters around it.
void replaceLoneSurrogates(QString &text);
