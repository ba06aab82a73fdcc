#include "documents/document_saver.h"

namespace DocumentSaver {

QByteArray textFile(const QString &text)
{
    return text.toUtf8() + "\r\n";
}

QByteArray richTextFile(const QString &text)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}\r\n\\f0 ";
    out.reserve(out.size() + text.size() * 2 + 8);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\n') {
            out += "\\par\r\n";
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == '\r') {
            // Line ends come as "\n" alone; a stray CR is no break.
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else {
            // \uN takes a signed 16-bit number; surrogates go one by one.
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    // Every paragraph ends in a mark, the last one too: a reader drops the
    // final mark, so a text ending in a line break keeps it.
    out += "\\par\r\n}\r\n";
    return out;
}

} // namespace DocumentSaver
