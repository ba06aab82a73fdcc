#include "documents/text_decoder.h"

#include <QStringDecoder>

namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page is Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool startsWith(QByteArrayView bytes, QByteArrayView prefix)
{
    return bytes.size() >= prefix.size() && bytes.first(prefix.size()) == prefix;
}

// Strict UTF-8 check (no overlong forms, surrogates or values past
// U+10FFFF). A sequence cut short by the end of the data counts as valid
// when complete ones came before it: a truncated UTF-8 file should not be
// re-read as Windows-1252 because of its last character, but "caf\xE9" is
// Windows-1252.
bool isUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    bool sawSequence = false;
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int trail = 0;
        unsigned char lo = 0x80, hi = 0xBF;  // range of the first trail byte
        if (c >= 0xC2 && c <= 0xDF) {
            trail = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            trail = 2;
            if (c == 0xE0)
                lo = 0xA0;
            else if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            trail = 3;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        ++p;
        for (int i = 0; i < trail; ++i, ++p) {
            if (p == end)
                return sawSequence;
            const unsigned char t = *p;
            if (i == 0 ? (t < lo || t > hi) : (t < 0x80 || t > 0xBF))
                return false;
        }
        sawSequence = true;
    }
    return true;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    // Qt's UTF-16 decoder passes unpaired surrogates through.
    replaceLoneSurrogates(text);
    return text;
}

}  // namespace

void replaceLoneSurrogates(QString &text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

void appendWindows1252(QString &out, QByteArrayView bytes)
{
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    QChar *dst = out.data() + start;
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        *dst++ = QChar(c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : char16_t(c));
    }
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString out;
    appendWindows1252(out, bytes);
    return out;
}

TextEncoding detectTextEncoding(QByteArrayView bytes)
{
    // UTF-32 first: its little-endian mark begins with the UTF-16 one.
    if (startsWith(bytes, QByteArrayView("\xFF\xFE\x00\x00", 4)))
        return TextEncoding::Utf32LE;
    if (startsWith(bytes, QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return TextEncoding::Utf32BE;
    if (startsWith(bytes, "\xFF\xFE"))
        return TextEncoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF"))
        return TextEncoding::Utf16BE;
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return TextEncoding::Utf8WithBom;

    if (bytes.size() >= 4 && bytes.size() % 2 == 0) {
        qsizetype evenZeros = 0, oddZeros = 0;
        for (qsizetype i = 0; i < bytes.size(); i += 2) {
            evenZeros += bytes[i] == '\0';
            oddZeros += bytes[i + 1] == '\0';
        }
        const qsizetype units = bytes.size() / 2;
        if (evenZeros == 0 && oddZeros * 4 >= units)
            return TextEncoding::Utf16LE;
        if (oddZeros == 0 && evenZeros * 4 >= units)
            return TextEncoding::Utf16BE;
    }
    return isUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString decodeText(QByteArrayView bytes, TextEncoding *used)
{
    const TextEncoding encoding = detectTextEncoding(bytes);
    if (used)
        *used = encoding;
    switch (encoding) {
    case TextEncoding::Utf8:
        return decodeWith(QStringConverter::Utf8, bytes);
    case TextEncoding::Utf8WithBom:
        return decodeWith(QStringConverter::Utf8, bytes.sliced(3));
    case TextEncoding::Utf16LE:
        return decodeWith(QStringConverter::Utf16LE,
                          startsWith(bytes, "\xFF\xFE") ? bytes.sliced(2) : bytes);
    case TextEncoding::Utf16BE:
        return decodeWith(QStringConverter::Utf16BE,
                          startsWith(bytes, "\xFE\xFF") ? bytes.sliced(2) : bytes);
    case TextEncoding::Utf32LE:
        return decodeWith(QStringConverter::Utf32LE, bytes.sliced(4));
    case TextEncoding::Utf32BE:
        return decodeWith(QStringConverter::Utf32BE, bytes.sliced(4));
    case TextEncoding::Windows1252:
        break;
    }
    return decodeWindows1252(bytes);
}
