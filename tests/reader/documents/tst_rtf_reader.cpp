#include "documents/rtf_reader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString dataFolder()
{
    return QStringLiteral(SAYORA_DOCUMENTS_DATA);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

}  // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void constructs_data();
    void constructs();
    void codePages_data();
    void codePages();
    void documents_data();
    void documents();
    void truncatedDocumentsYieldWhatCameBefore_data();
    void truncatedDocumentsYieldWhatCameBefore();
    void malformed_data();
    void malformed();
    void randomMutationsTerminate();
};

void TestRtfReader::constructs_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, const char *input, const QString &expected) {
        QTest::newRow(name) << QByteArray(input) << expected;
    };
    // Control words, their parameters and delimiters
    row("space after a control word is its delimiter", "{\\rtf1\\ansi\\b bold\\b0  plain}", "bold plain");
    row("digit run ends a parameter", "{\\rtf1\\fs24 big}", "big");
    row("negative parameter", "{\\rtf1\\fi-360 text}", "text");
    row("non-letter ends a control word", "{\\rtf1\\b\\i x\\b0,y}", "x,y");
    row("unknown control word ignored", "{\\rtf1 a\\foobar42 b}", "ab");
    row("text and groups", "{\\rtf1 a{b{c}d}e}", "abcde");
    row("raw line breaks are not text", "{\\rtf1 one\r\ntwo\nthree\rfour}", "onetwothreefour");
    row("backslash newline is a paragraph", "{\\rtf1 one\\\ntwo\\\r\nthree}", "one\ntwo\nthree");

    // Paragraphs, breaks and tables
    row("par and line", "{\\rtf1 a\\par b\\line c}", "a\nb\nc");
    row("empty paragraph kept", "{\\rtf1 a\\par\\par b}", "a\n\nb");
    row("final paragraph mark dropped", "{\\rtf1 a\\par}", "a");
    row("empty last paragraph kept", "{\\rtf1 a\\par\\par}", "a\n");
    row("section break ends a line", "{\\rtf1 a\\sect b}", "a\nb");
    row("page break after a paragraph adds nothing", "{\\rtf1 a\\par\\page b}", "a\nb");
    row("page break at the start adds nothing", "{\\rtf1 \\page a}", "a");
    row("tab", "{\\rtf1 a\\tab b}", "a\tb");
    row("table cells and rows", "{\\rtf1 \\trowd a\\cell b\\cell\\row c\\cell d\\cell\\row}", "a\tb\nc\td");
    row("row without cells", "{\\rtf1 a\\row b}", "a\nb");
    row("nested table cells", "{\\rtf1 a\\nestcell b\\nestcell{\\*\\nesttableprops\\nestrow}c\\cell\\row}", "a\tb\tc");

    // Special characters
    row("escaped syntax characters", "{\\rtf1 \\{a\\}\\\\}", "{a}\\");
    row("no-break space", "{\\rtf1 10\\~km}", u"10\u00A0km"_s);
    row("optional hyphen dropped", "{\\rtf1 hy\\-phen}", "hyphen");
    row("non-breaking hyphen", "{\\rtf1 non\\_stop}", u"non\u2011stop"_s);
    row("dashes and bullet", "{\\rtf1 \\emdash\\endash\\bullet}", u"\u2014\u2013\u2022"_s);
    row("quotes", "{\\rtf1 \\lquote a\\rquote  \\ldblquote b\\rdblquote}", u"\u2018a\u2019 \u201Cb\u201D"_s);
    row("spaces of fixed width", "{\\rtf1 a\\emspace b\\enspace c\\qmspace d}", u"a\u2003b\u2002c\u2005d"_s);
    row("raw tab is a tab", "{\\rtf1 a\tb}", "a\tb");
    row("control characters dropped", "{\\rtf1 a\x01\x7F b}", "a b");

    // \'hh and \u
    row("hex escape in the ANSI code page", "{\\rtf1\\ansi caf\\'e9 \\'80}", u"café €"_s);
    row("hex escape in upper case", "{\\rtf1 caf\\'E9}", u"café"_s);
    row("hex escape with one digit dropped", "{\\rtf1 a\\'e}", "a");
    row("raw 8-bit bytes use the code page", "{\\rtf1\\ansi caf\xE9}", u"café"_s);
    row("unicode with fallback", "{\\rtf1\\uc1 \\u8364\\'80 x}", u"€ x"_s);
    row("unicode fallback is a plain character", "{\\rtf1\\uc1 \\u8364?x}", u"€x"_s);
    row("negative unicode", "{\\rtf1 \\u-3913?}", u"\uF0B7"_s);
    row("uc0 has no fallback", "{\\rtf1\\uc0 \\u1055\\u1088 x}", u"Прx"_s);
    row("uc2 skips two bytes", "{\\rtf1\\uc2 \\u12354\\'82\\'a0 x}", u"あ x"_s);
    row("uc2 fallback of plain characters", "{\\rtf1\\uc2 \\u12354??x}", u"あx"_s);
    row("default uc is one", "{\\rtf1 \\u233 ee}", u"ée"_s);
    row("uc scoped to its group", "{\\rtf1 {\\uc0 \\u233}\\u233 xy}", u"ééy"_s);
    row("group end stops the fallback", "{\\rtf1\\uc3 {\\u233}x}", u"éx"_s);
    row("paragraph stops the fallback", "{\\rtf1\\uc1 \\u233\\par x}", u"é\nx"_s);
    row("escaped brace counts as fallback", "{\\rtf1\\uc1 \\u233\\{x}", u"éx"_s);
    row("surrogate pair joined", "{\\rtf1 \\u-10179?\\u-8694?}", u"\U0001F60A"_s);
    row("surrogate pair written by LibreOffice", "{\\rtf1\\uc0 \\u55357\\uc1 \\u56832\\'3f}", u"\U0001F600"_s);
    row("lone high surrogate replaced", "{\\rtf1 \\u-10179?x}", u"\uFFFDx"_s);
    row("lone low surrogate replaced", "{\\rtf1 x\\u-8694?}", u"x\uFFFD"_s);
    row("unicode zero ignored", "{\\rtf1 a\\u0 ?b}", "ab");
    row("unicode control characters dropped", "{\\rtf1 a\\u7?\\u27?b}", "ab");
    row("unicode tab and line break kept", "{\\rtf1 a\\u9?b\\u10?c}", "a\tb\nc");

    // Destinations
    row("font table skipped", "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Symbol;}}text}", "text");
    row("old-style font table without groups", "{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1\\froman Times;}text}", "text");
    row("color table and stylesheet skipped",
        "{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}text}", "text");
    row("info skipped", "{\\rtf1{\\info{\\title T}{\\author A}}text}", "text");
    row("starred destination skipped", "{\\rtf1 a{\\*\\generator Writer 1.0;}b}", "ab");
    row("unknown starred destination skipped", "{\\rtf1 a{\\*\\madeup x{y}z}b}", "ab");
    row("picture skipped", "{\\rtf1 a{\\pict\\pngblip 89504e47}b}", "ab");
    row("picture with binary data skipped", "{\\rtf1 a{\\pict\\bin4 }}{{}b}", "ab");
    row("object keeps its result", "{\\rtf1 {\\object{\\*\\objclass Paint}{\\*\\objdata 0102}{\\result shown}}}", "shown");
    row("header and footer skipped", "{\\rtf1{\\header head\\par}{\\footerl foot\\par}body}", "body");
    row("field keeps its result only",
        "{\\rtf1 See {\\field{\\*\\fldinst HYPERLINK \"http://x/\"}{\\fldrslt site}}.}", "See site.");
    row("unstarred field instruction skipped", "{\\rtf1 {\\field{\\fldinst PAGE}{\\fldrslt 3}}}", "3");
    row("comment skipped", "{\\rtf1 a{\\*\\annotation{\\*\\atnid X}note}b}", "ab");
    row("bookmark skipped", "{\\rtf1 a{\\*\\bkmkstart mark}b}", "ab");
    row("theme data and friends skipped",
        "{\\rtf1 a{\\*\\themedata 504b}{\\*\\datastore 0105}{\\*\\latentstyles{\\lsdlockedexcept Normal;}}"
        "{\\*\\xmlnstbl{\\xmlns1 http://x}}{\\*\\rsidtbl\\rsid1}b}",
        "ab");
    row("list text kept", "{\\rtf1{\\listtext 1.\\tab}Item}", "1.\tItem");
    row("old-style list text kept", "{\\rtf1{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}Item}",
        u"\u00B7\tItem"_s);
    row("blank list text dropped", "{\\rtf1{\\listtext\\tab}Heading}", "Heading");
    row("hidden text dropped", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", "abd");
    row("plain ends hidden text", "{\\rtf1 \\v a\\plain b}", "b");
    row("unicode pair of upr read once", "{\\rtf1 {\\upr{ansi}{\\*\\ud{uni\\u233?}}}}", u"unié"_s);

    // Notes
    row("footnote moved after the body",
        "{\\rtf1 Word{\\super\\chftn}{\\footnote{\\super\\chftn} The note.} goes on.\\par}",
        "Word[1] goes on.\n\n[1] The note.");
    row("starred footnote read too", "{\\rtf1 A{\\chftn{\\*\\footnote\\chftn\\tab N.}} b}", "A[1] b\n\n[1]\tN.");
    row("two footnotes numbered in order",
        "{\\rtf1 a\\chftn{\\footnote\\chftn  one}b\\chftn{\\footnote\\chftn  two\\par}c}",
        "a[1]b[2]c\n\n[1] one\n[2] two");
    row("footnote mark set off from the note", "{\\rtf1 Sorry\\chftn{\\footnote\\chftn Apologies.}}",
        "Sorry[1]\n\n[1] Apologies.");
    row("footnote mark at the end of an empty note", "{\\rtf1 a\\chftn{\\footnote\\chftn}}", "a[1]\n\n[1]");
    row("fallback of nested tables not read twice",
        "{\\rtf1 inner\\nestcell{\\*\\nesttableprops\\nestrow}"
        "{\\*\\nonesttables inner fallback\\par}outer\\cell\\row}",
        "inner\touter");
    row("nonesttables without the star skipped too", "{\\rtf1 a{\\nonesttables b}c}", "ac");
    row("footnote with its own mark", "{\\rtf1 a*{\\footnote * star}}", "a*\n\n* star");
    row("separator definitions skipped", "{\\rtf1{\\*\\ftnsep\\chftnsep}{\\ftnsepc x}body}", "body");
}

void TestRtfReader::constructs()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(RtfReader::toPlainText(input), expected);
}

void TestRtfReader::codePages_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");

    // Byte sequences as each code page encodes the text (from Python's codecs).
    const auto doc = [](int codePage, const char *bytes) {
        return "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(codePage) + "\\deff0{\\fonttbl{\\f0\\fnil Arial;}}"
               + bytes + "}";
    };
    QTest::newRow("1250 central european") << doc(1250, "Za\\'bf\\'f3\\'b3\\'e6 g\\'ea\\'9cl\\'b9")
                                           << u"Zażółć gęślą"_s;
    QTest::newRow("1251 cyrillic") << doc(1251, "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0") << u"Привет, мир"_s;
    QTest::newRow("1252 western") << doc(1252, "\\'80 \\'93a\\'94 \\'e9") << u"€ “a” é"_s;
    QTest::newRow("1253 greek") << doc(1253, "\\'ca\\'e1\\'eb\\'e7\\'ec\\'dd\\'f1\\'e1") << u"Καλημέρα"_s;
    QTest::newRow("1254 turkish") << doc(1254, "I\\'fe\\'fd\\'f0\\'fd \\'fe\\'f6yle") << u"Işığı şöyle"_s;
    QTest::newRow("1255 hebrew") << doc(1255, "\\'f9\\'ec\\'e5\\'ed") << u"שלום"_s;
    QTest::newRow("1256 arabic") << doc(1256, "\\'e3\\'d1\\'cd\\'c8\\'c7") << u"مرحبا"_s;
    QTest::newRow("1257 baltic") << doc(1257, "\\'c0\\'feuolas \\'ebjo") << u"Ąžuolas ėjo"_s;
    QTest::newRow("1258 vietnamese") << doc(1258, "\\'d0\\'e0") << u"Đà"_s;
    QTest::newRow("874 thai") << doc(874, "\\'ca\\'c7\\'d1\\'ca\\'b4\\'d5") << u"สวัสดี"_s;
    QTest::newRow("932 japanese") << doc(932, "\\'82\\'b1\\'82\\'f1\\'82\\'c9\\'82\\'bf\\'82\\'cd")
                                  << u"こんにちは"_s;
    QTest::newRow("932 trail byte written as an escaped backslash") << doc(932, "\\'83\\\\x") << u"ソx"_s;
    QTest::newRow("932 trail byte written as hex") << doc(932, "\\'83\\'5c") << u"ソ"_s;
    QTest::newRow("936 simplified chinese") << doc(936, "\\'c4\\'e3\\'ba\\'c3\\'ca\\'c0\\'bd\\'e7") << u"你好世界"_s;
    QTest::newRow("949 korean") << doc(949, "\\'be\\'c8\\'b3\\'e7\\'c7\\'cf\\'bc\\'bc\\'bf\\'e4") << u"안녕하세요"_s;
    QTest::newRow("950 traditional chinese with ASCII trail bytes") << doc(950, "\\'a7A\\'a6n\\'a5@\\'ac\\'c9")
                                                                    << u"你好世界"_s;
    QTest::newRow("unknown code page falls back to 1252") << doc(4242, "\\'e9") << u"é"_s;
    QTest::newRow("utf-8 code page") << doc(65001, "\\'c3\\'a9") << u"é"_s;
    QTest::newRow("mac roman") << QByteArray("{\\rtf1\\mac \\'8e}") << u"é"_s;
    // Mac word processors: their own code pages and font charsets.
    const QByteArray hello = "\\'82\\'b1\\'82\\'f1\\'82\\'c9\\'82\\'bf\\'82\\'cd";
    QTest::newRow("mac document with a japanese charset font")
        << "{\\rtf1\\mac\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 Osaka;}}\\f0 " + hello + "}" << u"こんにちは"_s;
    QTest::newRow("mac japanese charset 78")
        << "{\\rtf1\\mac\\deff0{\\fonttbl{\\f0\\fnil\\fcharset78 Osaka;}}\\f0 " + hello + "}" << u"こんにちは"_s;
    QTest::newRow("mac japanese code page 10001") << "{\\rtf1\\mac\\ansicpg10001 " + hello + "}" << u"こんにちは"_s;
    QTest::newRow("mac japanese font code page")
        << "{\\rtf1\\mac{\\fonttbl{\\f1\\cpg10001 Osaka;}}\\f1 " + hello + " \\plain\\'8e}" << u"こんにちは é"_s;
    QTest::newRow("mac cyrillic charset 89")
        << QByteArray("{\\rtf1\\mac{\\fonttbl{\\f1\\fcharset89 Charcoal CY;}}\\f1 \\'8f\\'f0\\'e8}") << u"При"_s;
    QTest::newRow("mac greek charset 85")
        << QByteArray("{\\rtf1\\mac{\\fonttbl{\\f1\\fcharset85 Athens;}}\\f1 \\'e1\\'e2}") << u"αβ"_s;
    QTest::newRow("mac hebrew charset 83")
        << QByteArray("{\\rtf1\\mac{\\fonttbl{\\f1\\fcharset83 Hebrew;}}\\f1 \\'f9\\'ec\\'e5\\'ed}") << u"שלום"_s;
    QTest::newRow("mac arabic charset 84")
        << QByteArray("{\\rtf1\\mac{\\fonttbl{\\f1\\fcharset84 Baghdad;}}\\f1 \\'e5\\'d1\\'cd\\'c8\\'c7}") << u"مرحبا"_s;
    QTest::newRow("mac simplified chinese code page 10008")
        << QByteArray("{\\rtf1\\mac\\ansicpg10008 \\'c4\\'e3\\'ba\\'c3}") << u"你好"_s;
    QTest::newRow("pc code page 437") << QByteArray("{\\rtf1\\pc \\'82}") << u"é"_s;

    const QByteArray fonts = "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset204 Arial Cyr;}"
                             "{\\f2\\fnil\\fcharset161 Arial Greek;}{\\f3\\froman\\fcharset2 Symbol;}"
                             "{\\f4\\fnil\\fcharset2 Wingdings;}{\\f5\\fnil\\fcharset128 MS Mincho;}"
                             "{\\f6\\fnil\\fcharset0\\cpg1251 Cpg Font;}}";
    const auto withFonts = [&](const char *body) { return "{\\rtf1\\ansi\\ansicpg1252\\deff0" + fonts + body + "}"; };
    QTest::newRow("cyrillic charset overrides the document code page")
        << withFonts("\\'e9 {\\f1 \\'cf\\'f0\\'e8} \\'e9") << u"é При é"_s;
    QTest::newRow("greek charset") << withFonts("\\f2 \\'e1\\'e2") << u"αβ"_s;
    QTest::newRow("font code page") << withFonts("\\f6 \\'cf") << u"П"_s;
    QTest::newRow("shift-jis charset") << withFonts("\\f5 \\'82\\'a0") << u"あ"_s;
    QTest::newRow("plain returns to the default font") << withFonts("\\f1 \\'cf\\plain \\'cf") << u"ПÏ"_s;
    QTest::newRow("symbol font letters") << withFonts("{\\f3 abgp}") << u"αβγπ"_s;
    QTest::newRow("symbol font bullet") << withFonts("{\\f3 \\'b7}") << u"•"_s;
    QTest::newRow("symbol font character as unicode") << withFonts("{\\f3 \\u61623\\'b7}") << u"•"_s;
    QTest::newRow("picture font dropped") << withFonts("a{\\f4 J\\'fc\\u61692?}b") << u"ab"_s;
    QTest::newRow("charset of an undeclared font") << withFonts("\\f9 \\'e9") << u"é"_s;
    QTest::newRow("default font sets the charset")
        << QByteArray("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0 A;}{\\f1\\fcharset204 B;}}\\'cf}") << u"П"_s;
}

void TestRtfReader::codePages()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(RtfReader::toPlainText(input), expected);
}

void TestRtfReader::documents_data()
{
    QTest::addColumn<QString>("name");
    const QStringList files = QDir(dataFolder()).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 3);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file.chopped(4);
}

// Documents written by word processors (see data/README.md), compared with
// their text written out by hand.
void TestRtfReader::documents()
{
    QFETCH(QString, name);
    const QByteArray input = readAll(dataFolder() + u'/' + name + u".rtf"_s);
    const QString expected = QString::fromUtf8(readAll(dataFolder() + u'/' + name + u".txt"_s));
    const QString actual = RtfReader::toPlainText(input);
    const QStringList actualLines = actual.split(u'\n');
    const QStringList expectedLines = expected.split(u'\n');
    for (qsizetype i = 0; i < std::min(actualLines.size(), expectedLines.size()); ++i)
        QCOMPARE(actualLines.at(i), expectedLines.at(i));
    QCOMPARE(actual, expected);
}

void TestRtfReader::truncatedDocumentsYieldWhatCameBefore_data()
{
    QTest::addColumn<QString>("name");
    // Documents without notes or tables, whose text only grows as more is read.
    QTest::newRow("libreoffice languages") << u"libreoffice_languages"_s;
}

void TestRtfReader::truncatedDocumentsYieldWhatCameBefore()
{
    QFETCH(QString, name);
    const QByteArray input = readAll(dataFolder() + u'/' + name + u".rtf"_s);
    const QString full = RtfReader::toPlainText(input);
    for (qsizetype cut = 0; cut < input.size(); ++cut) {
        const QString part = RtfReader::toPlainText(input.first(cut));
        // The last character may come from a control word cut in its
        // parameter (\u83 of \u8364), and half a surrogate pair reads as
        // U+FFFD; everything before was read whole.
        QString whole = part.chopped(std::min<qsizetype>(part.size(), 1));
        if (whole.endsWith(QChar::ReplacementCharacter))
            whole.chop(1);
        if (!full.startsWith(whole))
            QFAIL(qPrintable(u"cut at %1 gave: %2"_s.arg(cut).arg(part.right(60))));
    }
}

void TestRtfReader::malformed_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("header only") << QByteArray("{\\rtf1") << QString();
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 {a{b") << u"ab"_s;
    QTest::newRow("extra closing braces end the document") << QByteArray("{\\rtf1 a}}} b") << u"a"_s;
    QTest::newRow("text after the document ignored") << QByteArray("{\\rtf1 a}{\\rtf1 b}") << u"a"_s;
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << u"a"_s;
    QTest::newRow("control word at the end") << QByteArray("{\\rtf1 a\\par") << u"a"_s;
    QTest::newRow("hex escape at the end") << QByteArray("{\\rtf1 a\\'") << u"a"_s;
    QTest::newRow("unicode at the end") << QByteArray("{\\rtf1 a\\u233") << u"aé"_s;
    QTest::newRow("star at the end") << QByteArray("{\\rtf1 a{\\*") << u"a"_s;
    QTest::newRow("huge bin count") << QByteArray("{\\rtf1 a\\bin999999999999 xyz}") << u"a"_s;
    QTest::newRow("negative bin count") << QByteArray("{\\rtf1 a\\bin-5 b}") << u"ab"_s;
    QTest::newRow("bin data with braces") << QByteArray("{\\rtf1 a\\bin3 {}\\b}") << u"ab"_s;
    QTest::newRow("overlong parameter") << QByteArray("{\\rtf1\\fs99999999999999999999 a}") << u"a"_s;
    QTest::newRow("overlong unicode value") << QByteArray("{\\rtf1 \\u99999999 a}") << u""_s;
    QTest::newRow("huge uc") << QByteArray("{\\rtf1\\uc2147483647 \\u233 abc\\par d}") << u"é\nd"_s;
    QTest::newRow("overlong control word") << QByteArray("{\\rtf1 a\\" + QByteArray(100, 'x') + " b}") << u"ab"_s;
    QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b}", 11) << u"ab"_s;
    QTest::newRow("font table never closed") << QByteArray("{\\rtf1{\\fonttbl{\\f0 A;}text") << QString();

    const int depth = 200000;
    QTest::newRow("200000 nested groups") << "{\\rtf1 " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + " after}"
                                          << u"deep after"_s;
    QTest::newRow("200000 nested groups never closed") << "{\\rtf1 a" + QByteArray(depth, '{') << u"a"_s;
    QByteArray hiddenDeep = "{\\rtf1 ";
    for (int i = 0; i < depth; ++i)
        hiddenDeep += "{\\v ";
    hiddenDeep += "hidden" + QByteArray(depth, '}') + "shown}";
    QTest::newRow("state restored after deep nesting") << hiddenDeep << u"shown"_s;
    QTest::newRow("200000 closing braces") << "{\\rtf1 a" + QByteArray(depth, '}') << u"a"_s;
}

void TestRtfReader::malformed()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(RtfReader::toPlainText(input), expected);
}

// Bounded fuzzing with fixed seeds: mutated documents must be read without a
// crash or hang, and give well-formed text no longer than the input allows.
void TestRtfReader::randomMutationsTerminate()
{
    QList<QByteArray> seeds;
    for (const QString &file : QDir(dataFolder()).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name))
        seeds << readAll(dataFolder() + u'/' + file);
    seeds << "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}}\\'82\\'a0\\uc2\\u12354\\'82\\'a0"
             "{\\*\\footnote\\chftn x}\\bin2 {}{\\upr{a}{\\*\\ud{b}}}}";
    QVERIFY(seeds.size() >= 4);

    static const char *const tokens[] = {"{", "}", "\\", "\\'", "\\u", "\\bin", "\\*", "\\uc5", "\\'8", "-",
                                     "\\par", "\\f1", "\\v", "\\footnote", "\\chftn", "\\row", "99999"};
    QRandomGenerator random(20240607);
    for (int round = 0; round < 3000; ++round) {
        QByteArray doc = seeds.at(round % seeds.size());
        const int mutations = 1 + int(random.bounded(8));
        for (int m = 0; m < mutations; ++m) {
            const qsizetype at = doc.isEmpty() ? 0 : qsizetype(random.bounded(quint32(doc.size())));
            switch (random.bounded(5)) {
            case 0:  // flip a byte
                if (!doc.isEmpty())
                    doc[at] = char(random.bounded(256));
                break;
            case 1:  // insert a token of the syntax
                doc.insert(at, tokens[random.bounded(int(std::size(tokens)))]);
                break;
            case 2:  // delete a range
                doc.remove(at, qsizetype(random.bounded(64)));
                break;
            case 3:  // duplicate a range
                doc.insert(at, doc.mid(at, qsizetype(random.bounded(256))));
                break;
            default:  // truncate
                doc.truncate(at);
                break;
            }
        }
        const QString text = RtfReader::toPlainText(doc);
        if (!text.isValidUtf16())
            QFAIL(qPrintable(u"round %1: invalid UTF-16"_s.arg(round)));
        // At most a few characters per input byte ("\chftn" gives "[n]").
        if (text.size() > 2 * doc.size() + 16)
            QFAIL(qPrintable(u"round %1: %2 characters from %3 bytes"_s.arg(round).arg(text.size()).arg(doc.size())));
    }
}

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtf_reader.moc"
