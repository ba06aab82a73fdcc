#include "documents/rtf_reader.h"

#include "documents/text_decoder.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <map>
#include <string_view>
#include <vector>

namespace {

// Groups nested deeper than this share the state of the deepest tracked
// one. Word processors nest a few dozen levels; the cap bounds the memory a
// hostile file of nothing but "{" can claim.
constexpr qsizetype kMaxTrackedDepth = 4096;
// Distinct code pages decoded in one document before the rest fall back to
// Windows-1252.
constexpr size_t kMaxCodePages = 32;
// RTF names are at most 32 letters; longer runs are garbage, not keywords.
constexpr int kMaxNameLength = 32;

enum class Dest : quint8 {
    Text,       // body text (or a note's text)
    Skip,       // a destination whose content is not read
    FontTable,  // font definitions: numbers, charsets, names
    Upr,        // the ANSI half of \upr; its \ud half holds the same text in Unicode
};

struct Group
{
    Dest dest = Dest::Text;
    bool note = false;    // text goes to the notes, not the body
    bool hidden = false;  // \v
    int uc = 1;           // fallback characters that follow each \uN
    int font = -1;        // -1: the document's default font
    // Where a list label (\listtext, \pntext) began in the output, in the
    // group that holds it.
    qsizetype listTextStart = -1;
};

enum class Kw : quint8 {
    Par, Break, Tab, Cell, Row, Char, U, Uc, Bin, DocCodePage, AnsiCpg, Deff,
    Font, Fcharset, Cpg, Plain, Hidden, FontTable, Skip, Footnote, Chftn, Upr, Ud, ListText,
};

struct Keyword
{
    std::string_view name;
    Kw kind;
    char16_t value = 0;  // the character of Kw::Char, the code page of Kw::DocCodePage
};

// Control words that matter for the text; every other word is formatting.
// "Skip" entries are destinations whose content is not part of the text
// read aloud (most also come with \*, which skips unknown ones too).
const std::vector<Keyword> &keywords()
{
    static const std::vector<Keyword> table = [] {
        std::vector<Keyword> t = {
            {"par", Kw::Par}, {"line", Kw::Par}, {"softline", Kw::Par},
            {"sect", Kw::Break}, {"page", Kw::Break},
            {"tab", Kw::Tab}, {"cell", Kw::Cell}, {"nestcell", Kw::Cell},
            {"row", Kw::Row}, {"nestrow", Kw::Row},
            {"emdash", Kw::Char, 0x2014}, {"endash", Kw::Char, 0x2013},
            {"emspace", Kw::Char, 0x2003}, {"enspace", Kw::Char, 0x2002},
            {"qmspace", Kw::Char, 0x2005}, {"bullet", Kw::Char, 0x2022},
            {"lquote", Kw::Char, 0x2018}, {"rquote", Kw::Char, 0x2019},
            {"ldblquote", Kw::Char, 0x201C}, {"rdblquote", Kw::Char, 0x201D},
            {"zwj", Kw::Char, 0x200D}, {"zwnj", Kw::Char, 0x200C},
            {"zwbo", Kw::Char, 0x200B}, {"zwnbo", Kw::Char, 0x2060},
            {"ltrmark", Kw::Char, 0x200E}, {"rtlmark", Kw::Char, 0x200F},
            {"u", Kw::U}, {"uc", Kw::Uc}, {"bin", Kw::Bin},
            {"ansi", Kw::DocCodePage, 1252}, {"mac", Kw::DocCodePage, 10000},
            {"pc", Kw::DocCodePage, 437}, {"pca", Kw::DocCodePage, 850},
            {"ansicpg", Kw::AnsiCpg}, {"deff", Kw::Deff}, {"f", Kw::Font},
            {"fcharset", Kw::Fcharset}, {"cpg", Kw::Cpg}, {"plain", Kw::Plain},
            {"v", Kw::Hidden}, {"fonttbl", Kw::FontTable},
            {"footnote", Kw::Footnote}, {"chftn", Kw::Chftn},
            {"upr", Kw::Upr}, {"ud", Kw::Ud},
            {"listtext", Kw::ListText}, {"pntext", Kw::ListText},
        };
        for (std::string_view skip : {
                 // document tables and properties
                 "colortbl", "stylesheet", "info", "filetbl", "listtable",
                 "listoverridetable", "revtbl", "rsidtbl", "pgdsctbl", "protusertbl",
                 "generator", "themedata", "colorschememapping", "datastore",
                 "latentstyles", "xmlnstbl", "docvar", "template", "userprops",
                 "private", "wgrffmtfilter", "mmathPr", "defchp", "defpap", "pgptbl",
                 "fchars", "lchars", "factoidname",
                 // headers and footers, note separators
                 "header", "headerl", "headerr", "headerf",
                 "footer", "footerl", "footerr", "footerf",
                 "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn",
                 // comments
                 "annotation", "atnid", "atnauthor", "atnicn", "atndate", "atntime",
                 "atnref", "atnparent", "atrfstart", "atrfend",
                 // pictures, objects, shapes
                 "pict", "shppict", "nonshppict", "listpicture", "blipuid",
                 "objdata", "objclass", "objname", "objalias", "objtopic", "objitem",
                 "objsect", "shpinst", "sp", "do",
                 // field codes, bookmarks, index and contents entries
                 "fldinst", "bkmkstart", "bkmkend", "xe", "tc", "txe", "rxe",
                 // old-style numbering definitions (its text comes as \pntext)
                 "pn", "pnseclvl", "nesttableprops",
                 // plain-text stand-in for nested tables, whose cells are read already
                 "nonesttables",
             })
            t.push_back({skip, Kw::Skip});
        std::sort(t.begin(), t.end(),
                  [](const Keyword &a, const Keyword &b) { return a.name < b.name; });
        return t;
    }();
    return table;
}

const Keyword *findKeyword(std::string_view name)
{
    const auto &t = keywords();
    const auto it = std::lower_bound(t.begin(), t.end(), name,
                                     [](const Keyword &k, std::string_view n) { return k.name < n; });
    return it != t.end() && it->name == name ? &*it : nullptr;
}

// The Symbol font's code points 0x20..0xFF in Unicode; 0 where it has no
// character.
constexpr char16_t kSymbol[224] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B,  // 20
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,  // 30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,  // 40
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,  // 50
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,  // 60
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,  // 70
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                  // 80
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                  // 90
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,  // A0
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,  // B0
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,  // C0
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,  // D0
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,  // E0
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,       // F0
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

// Code-page keys that are not Windows code pages.
constexpr int kSymbolFont = -1;   // the Symbol font's own encoding
constexpr int kPictureFont = -2;  // Wingdings and other symbol fonts: no text

// The Windows code page of a font's \fcharset; 0 (ANSI) and 1 (default)
// mean the document's code page.
int codePageForCharset(int charset, int documentCodePage)
{
    switch (charset) {
    // Mac charsets, written by Mac word processors.
    case 77: return 10000;
    case 78: return 10001;
    case 79: return 10003;
    case 80: return 10008;
    case 81: return 10002;
    case 83: return 10005;
    case 84: return 10004;
    case 85: return 10006;
    case 86: return 10081;
    case 87: return 10021;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return documentCodePage;
    }
}

// Decoder names to try for a Windows code page, in ICU's spelling.
QList<QByteArray> codePageNames(int codePage)
{
    switch (codePage) {
    case 65001: return {"UTF-8"};
    case 10000: return {"macintosh"};
    // The Mac's East Asian encodings are the common ones of their region
    // under another number.
    case 10001: return {"Shift_JIS", "windows-932"};
    case 10002: return {"Big5", "windows-950"};
    case 10003: return {"EUC-KR", "windows-949"};
    case 10008: return {"GB2312", "windows-936"};
    // Mac Arabic and Mac Hebrew place their letters as the ISO code pages
    // do; only some signs differ.
    case 10004: return {"x-mac-arabic", "ISO-8859-6"};
    case 10005: return {"x-mac-hebrew", "ISO-8859-8"};
    case 10006: return {"x-mac-greek"};
    case 10007: return {"x-mac-cyrillic"};
    case 10017: return {"x-mac-ukrainian", "x-mac-cyrillic"};
    case 10021: return {"x-mac-thai", "TIS-620"};
    case 10029: return {"x-mac-centraleurroman"};
    case 10081: return {"x-mac-turkish"};
    case 20127: return {"US-ASCII"};
    case 20866: return {"KOI8-R"};
    case 21866: return {"KOI8-U"};
    default: break;
    }
    const QByteArray n = QByteArray::number(codePage);
    if (codePage >= 28591 && codePage <= 28606)
        return {"ISO-8859-" + QByteArray::number(codePage - 28590)};
    return {"windows-" + n, "cp" + n, "ibm-" + n};
}

class Codec
{
public:
    explicit Codec(int key)
    {
        if (key == kSymbolFont) {
            m_kind = Kind::Symbol;
            return;
        }
        if (key == kPictureFont) {
            m_kind = Kind::Picture;
            return;
        }
        if (key <= 0 || key == 1252)
            return;
        for (const QByteArray &name : codePageNames(key)) {
            QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
            if (decoder.isValid()) {
                m_decoder = std::move(decoder);
                m_kind = Kind::Named;
                return;
            }
        }
        // An unknown code page: Windows-1252 at least gets ASCII and the
        // Western letters right.
    }

    // Bytes below 0x80 are ASCII, so plain text can bypass the decoder.
    bool asciiCompatible() const { return m_kind == Kind::Cp1252 || m_kind == Kind::Named; }

    void append(QString &out, QByteArrayView bytes)
    {
        switch (m_kind) {
        case Kind::Cp1252:
            appendWindows1252(out, bytes);
            break;
        case Kind::Named:
            m_decoder.resetState();
            out += m_decoder.decode(bytes);
            break;
        case Kind::Symbol:
            for (const char b : bytes) {
                const auto c = static_cast<unsigned char>(b);
                if (c >= 0x20 && kSymbol[c - 0x20])
                    out += QChar(kSymbol[c - 0x20]);
            }
            break;
        case Kind::Picture:
            break;
        }
    }

    // Word writes symbol-font characters as \u with the byte in U+F0xx.
    bool mapPrivateUse(char16_t &ch) const
    {
        if (ch < 0xF020 || ch > 0xF0FF)
            return true;
        if (m_kind == Kind::Picture)
            return false;
        if (m_kind == Kind::Symbol) {
            ch = kSymbol[ch - 0xF020];
            return ch != 0;
        }
        return true;
    }

private:
    enum class Kind { Cp1252, Named, Symbol, Picture };
    Kind m_kind = Kind::Cp1252;
    QStringDecoder m_decoder;
};

struct Font
{
    int charset = -1;
    int codePage = 0;
    QByteArray name;
    bool nameComplete = false;

    int codecKey(int documentCodePage) const
    {
        if (codePage > 0)
            return codePage;
        if (charset == 2)
            return name.trimmed().compare("Symbol", Qt::CaseInsensitive) == 0 ? kSymbolFont
                                                                             : kPictureFont;
        return codePageForCharset(charset, documentCodePage);
    }
};

inline bool isLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

inline int hexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Bytes of literal text that need no decoding and no attention.
inline bool isPlainAscii(unsigned char c)
{
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

inline bool isSyntax(unsigned char c)
{
    return c == '\\' || c == '{' || c == '}';
}

int clampToInt(qint64 v)
{
    return int(std::clamp<qint64>(v, INT_MIN, INT_MAX));
}

class Parser
{
public:
    explicit Parser(QByteArrayView rtf)
        : m_p(rtf.data()), m_end(rtf.data() + rtf.size())
    {
        m_body.reserve(rtf.size() / 2);
        m_stack.reserve(64);
        m_stack.push_back(Group{});
    }

    QString run()
    {
        while (m_p < m_end) {
            const auto c = static_cast<unsigned char>(*m_p);
            if (c == '{') {
                ++m_p;
                openGroup();
            } else if (c == '}') {
                ++m_p;
                if (!closeGroup())
                    break;
            } else if (c == '\\') {
                ++m_p;
                controlSequence();
            } else {
                text();
            }
        }
        return finish();
    }

private:
    Group &group() { return m_stack.back(); }
    const Group &group() const { return m_stack.back(); }
    QString &target() { return group().note ? m_notes : m_body; }
    bool emitting() const { return group().dest == Dest::Text && !group().hidden; }

    void openGroup()
    {
        endRun();
        if (m_stack.size() > kMaxTrackedDepth) {
            ++m_untracked;
            return;
        }
        m_stack.push_back(m_stack.back());
        m_stack.back().listTextStart = -1;
    }

    // False when the document's outermost group has closed.
    bool closeGroup()
    {
        endRun();
        if (m_untracked > 0) {
            --m_untracked;
            return true;
        }
        if (m_stack.size() > 1) {
            dropBlankListText();
            m_stack.pop_back();
        }
        return m_stack.size() > 1;
    }

    // Headings numbered with an empty label get a list label of nothing
    // but a tab: leave it out rather than indent the heading.
    void dropBlankListText()
    {
        const qsizetype start = group().listTextStart;
        if (start < 0 || !emitting())
            return;
        QString &out = target();
        // Labels are short; a long one is no blank label (and nested groups
        // must not rescan megabytes).
        if (start > out.size() || out.size() - start > 64)
            return;
        for (qsizetype i = start; i < out.size(); ++i) {
            if (!out.at(i).isSpace())
                return;
        }
        out.truncate(start);
    }

    // Braces and control words end a run of literal text: decode what has
    // gathered, and stop skipping \uN fallback characters.
    void endRun()
    {
        flush();
        m_fallback = 0;
        m_ignorable = false;
    }

    void text()
    {
        if (group().dest == Dest::Skip) {
            // Pictures and objects are long runs of hex: pass over them fast.
            ++m_p;
            while (m_p < m_end && !isSyntax(static_cast<unsigned char>(*m_p)))
                ++m_p;
            return;
        }
        if (emitting() && m_fallback == 0 && m_pending.isEmpty() && codec().asciiCompatible()) {
            const char *start = m_p;
            while (m_p < m_end && isPlainAscii(static_cast<unsigned char>(*m_p)))
                ++m_p;
            if (m_p > start) {
                target().append(QLatin1String(start, m_p - start));
                return;
            }
        }
        const auto c = static_cast<unsigned char>(*m_p++);
        if (c == '\t') {
            flush();
            put(u'\t');
        } else if (c >= 0x20 && c != 0x7F) {
            // Line breaks in the file are not text; other controls are junk.
            textByte(c);
        }
    }

    void textByte(unsigned char b)
    {
        if (m_fallback > 0) {
            --m_fallback;
            return;
        }
        if (group().dest == Dest::FontTable) {
            fontNameByte(b);
            return;
        }
        if (!emitting())
            return;
        if (b < 0x80 && m_pending.isEmpty() && codec().asciiCompatible())
            target().append(QChar(char16_t(b)));
        else
            m_pending.append(char(b));  // decoded with its neighbours: double-byte code pages
    }

    void flush()
    {
        if (m_pending.isEmpty())
            return;
        if (emitting())
            codec().append(target(), m_pending);
        m_pending.clear();
    }

    void put(char16_t c)
    {
        if (emitting())
            target().append(QChar(c));
    }

    void controlSequence()
    {
        if (m_p == m_end)
            return;
        const auto c = static_cast<unsigned char>(*m_p);
        if (!isLetter(c)) {
            ++m_p;
            controlSymbol(c);
            return;
        }
        const char *start = m_p;
        while (m_p < m_end && isLetter(static_cast<unsigned char>(*m_p)))
            ++m_p;
        const std::string_view name(start, std::min<size_t>(m_p - start, kMaxNameLength));

        bool hasParam = false;
        bool negative = false;
        qint64 param = 0;
        if (m_p + 1 < m_end && *m_p == '-' && isDigit(static_cast<unsigned char>(m_p[1]))) {
            negative = true;
            ++m_p;
        }
        int digits = 0;
        while (m_p < m_end && isDigit(static_cast<unsigned char>(*m_p))) {
            if (digits++ < 10)
                param = param * 10 + (*m_p - '0');
            hasParam = true;
            ++m_p;
        }
        if (negative)
            param = -param;
        if (m_p < m_end && *m_p == ' ')
            ++m_p;  // the delimiting space belongs to the control word
        controlWord(name, hasParam, param);
    }

    void controlSymbol(unsigned char c)
    {
        if (c == '\'') {
            hexByte();
            return;
        }
        if (c == '\\' || c == '{' || c == '}') {
            textByte(c);
            return;
        }
        flush();
        if (c == '*') {
            m_fallback = 0;
            m_ignorable = true;
            return;
        }
        m_ignorable = false;
        switch (c) {
        case '~':
            specialChar(0x00A0);
            break;
        case '_':
            specialChar(0x2011);
            break;
        case '-':
            // An optional hyphen is only a place where a word may break.
            if (m_fallback > 0)
                --m_fallback;
            break;
        case '\n':
        case '\r':
            m_fallback = 0;
            put(u'\n');
            break;
        default:
            m_fallback = 0;
            break;
        }
    }

    void hexByte()
    {
        int value = 0;
        int n = 0;
        while (n < 2 && m_p < m_end && hexValue(static_cast<unsigned char>(*m_p)) >= 0) {
            value = value * 16 + hexValue(static_cast<unsigned char>(*m_p));
            ++m_p;
            ++n;
        }
        // A lone digit is a broken escape (often a file cut short), not a byte.
        if (n == 2)
            textByte(static_cast<unsigned char>(value));
    }

    void specialChar(char16_t c)
    {
        if (m_fallback > 0) {
            --m_fallback;
            return;
        }
        put(c);
    }

    void controlWord(std::string_view name, bool hasParam, qint64 param)
    {
        flush();
        const Keyword *kw = findKeyword(name);
        const Kw kind = kw ? kw->kind : Kw::Skip;
        if (kind == Kw::Bin) {
            // Binary data follows the delimiter directly, whatever the destination.
            m_fallback = 0;
            m_p += std::min<qint64>(std::max<qint64>(param, 0), m_end - m_p);
            return;
        }
        if (m_ignorable) {
            // \* marks a destination to skip unless the reader knows it.
            m_ignorable = false;
            if (kw && kind == Kw::Ud) {
                if (group().dest == Dest::Upr)
                    group().dest = Dest::Text;
                return;
            }
            if (!kw || kind != Kw::Footnote) {
                if (group().dest != Dest::Skip)
                    group().dest = Dest::Skip;
                return;
            }
        }
        if (kind != Kw::Char && kind != Kw::U)
            m_fallback = 0;
        if (!kw)
            return;

        switch (group().dest) {
        case Dest::Skip:
            return;
        case Dest::Upr:
            if (kind == Kw::Ud)
                group().dest = Dest::Text;
            return;
        case Dest::FontTable:
            fontTableWord(kind, hasParam, param);
            return;
        case Dest::Text:
            break;
        }

        switch (kind) {
        case Kw::Par:
            put(u'\n');
            break;
        case Kw::Break:
            if (emitting() && !target().isEmpty() && !target().endsWith(u'\n'))
                put(u'\n');
            break;
        case Kw::Tab:
        case Kw::Cell:
            put(u'\t');
            break;
        case Kw::Row:
            if (emitting() && target().endsWith(u'\t'))
                target().back() = u'\n';
            else
                put(u'\n');
            break;
        case Kw::Char:
            specialChar(kw->value);
            break;
        case Kw::U:
            unicodeChar(param);
            break;
        case Kw::Uc:
            if (hasParam)
                group().uc = int(std::clamp<qint64>(param, 0, 255));
            break;
        case Kw::DocCodePage:
            setDocumentCodePage(kw->value);
            break;
        case Kw::AnsiCpg:
            if (hasParam && param > 0)
                setDocumentCodePage(clampToInt(param));
            break;
        case Kw::Deff:
            m_defaultFont = clampToInt(param);
            m_cachedCodec = nullptr;
            break;
        case Kw::Font:
            group().font = clampToInt(param);
            break;
        case Kw::Plain:
            group().font = -1;
            group().hidden = false;
            break;
        case Kw::Hidden:
            group().hidden = !hasParam || param != 0;
            break;
        case Kw::FontTable:
            group().dest = Dest::FontTable;
            m_fontBeingDefined = -1;
            break;
        case Kw::Skip:
            group().dest = Dest::Skip;
            break;
        case Kw::Footnote:
            startNote();
            break;
        case Kw::Chftn:
            if (emitting()) {
                const int number = group().note ? m_noteCount : m_noteCount + 1;
                target() += u'[' + QString::number(number) + u']';
                // Before its note the mark reads as a label: "[1] Apologies".
                // Where the note brings its own blank or tab, finish()
                // drops this one.
                if (group().note) {
                    target() += u' ';
                    m_noteMarkEnds.push_back(target().size());
                }
            }
            break;
        case Kw::Upr:
            group().dest = Dest::Upr;
            break;
        case Kw::ListText:
            if (emitting())
                group().listTextStart = target().size();
            break;
        case Kw::Fcharset:
        case Kw::Cpg:
        case Kw::Ud:
        case Kw::Bin:
            break;
        }
    }

    void unicodeChar(qint64 param)
    {
        const qint64 v = param < 0 ? param + 65536 : param;
        // Control characters are no text, as for literal bytes; tab and
        // line breaks are.
        if ((v >= 0x20 && v <= 0xFFFF) || v == '\t' || v == '\n' || v == '\r') {
            auto c = char16_t(v);
            if (codec().mapPrivateUse(c))
                put(c);
        }
        m_fallback = group().uc;
    }

    void fontTableWord(Kw kind, bool hasParam, qint64 param)
    {
        switch (kind) {
        case Kw::Font:
            m_fontBeingDefined = clampToInt(param);
            m_fonts[m_fontBeingDefined] = Font{};
            break;
        case Kw::Fcharset:
            if (hasParam && m_fontBeingDefined >= 0)
                m_fonts[m_fontBeingDefined].charset = clampToInt(param);
            break;
        case Kw::Cpg:
            if (hasParam && m_fontBeingDefined >= 0)
                m_fonts[m_fontBeingDefined].codePage = clampToInt(param);
            break;
        case Kw::U:
            m_fallback = group().uc;
            return;
        case Kw::Skip:
            group().dest = Dest::Skip;
            break;
        default:
            return;
        }
        m_cachedCodec = nullptr;
    }

    void fontNameByte(unsigned char b)
    {
        if (m_fontBeingDefined < 0)
            return;
        Font &font = m_fonts[m_fontBeingDefined];
        if (b == ';')
            font.nameComplete = true;
        else if (!font.nameComplete && b < 0x80)
            font.name.append(char(b));
        m_cachedCodec = nullptr;
    }

    void setDocumentCodePage(int codePage)
    {
        m_documentCodePage = codePage;
        m_cachedCodec = nullptr;
    }

    void startNote()
    {
        group().note = true;
        ++m_noteCount;
        if (!m_notes.isEmpty() && !m_notes.endsWith(u'\n'))
            m_notes += u'\n';
    }

    Codec &codec()
    {
        const int font = group().font >= 0 ? group().font : m_defaultFont;
        if (m_cachedCodec && font == m_cachedFont)
            return *m_cachedCodec;
        int key = m_documentCodePage;
        if (const auto it = m_fonts.constFind(font); it != m_fonts.constEnd())
            key = it->codecKey(m_documentCodePage);
        auto found = m_codecs.find(key);
        if (found == m_codecs.end()) {
            // Each new code page costs a converter lookup; a document names
            // a handful, a hostile one could name thousands.
            if (m_codecs.size() >= kMaxCodePages)
                key = 1252;
            found = m_codecs.try_emplace(key, key).first;
        }
        m_cachedFont = font;
        m_cachedCodec = &found->second;
        return found->second;
    }

    static void chopTrailingNewlines(QString &s)
    {
        qsizetype n = s.size();
        while (n > 0 && s.at(n - 1) == u'\n')
            --n;
        s.truncate(n);
    }

    QString finish()
    {
        flush();
        // The last paragraph mark closes the last paragraph and is no line
        // break of its own; any before it are empty paragraphs, kept.
        if (m_body.endsWith(u'\n'))
            m_body.chop(1);
        replaceLoneSurrogates(m_body);
        // The reserve was sized for the input; a document of pictures
        // should not hand out megabytes of spare capacity.
        m_body.squeeze();
        if (m_notes.isEmpty())
            return std::move(m_body);
        for (auto it = m_noteMarkEnds.rbegin(); it != m_noteMarkEnds.rend(); ++it) {
            if (*it >= m_notes.size() || m_notes.at(*it) == u' ' || m_notes.at(*it) == u'\t')
                m_notes.remove(*it - 1, 1);
        }
        chopTrailingNewlines(m_notes);
        replaceLoneSurrogates(m_notes);
        if (m_body.isEmpty())
            return std::move(m_notes);
        return m_body + QStringLiteral("\n\n") + m_notes;
    }

    const char *m_p;
    const char *const m_end;
    std::vector<Group> m_stack;  // explicit, so nesting depth never touches the call stack
    qsizetype m_untracked = 0;   // open groups beyond kMaxTrackedDepth
    bool m_ignorable = false;    // the last control was \*
    int m_fallback = 0;          // \uN fallback characters still to skip
    QByteArray m_pending;        // code-page bytes waiting to be decoded together
    QString m_body;
    QString m_notes;
    int m_noteCount = 0;
    std::vector<qsizetype> m_noteMarkEnds;  // positions in m_notes just after "[n] "

    int m_documentCodePage = 1252;
    int m_defaultFont = -1;
    int m_fontBeingDefined = -1;
    QHash<int, Font> m_fonts;
    std::map<int, Codec> m_codecs;
    Codec *m_cachedCodec = nullptr;
    int m_cachedFont = 0;
};

}  // namespace

QString RtfReader::toPlainText(QByteArrayView rtf)
{
    return Parser(rtf).run();
}
