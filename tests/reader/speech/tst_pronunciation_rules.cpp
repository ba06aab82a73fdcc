// Pronunciation rules: matching, the file format, the position map and the
// user's lists in the settings folder.

#include "speech/pronunciation_rules.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPronunciationRules : public QObject
{
    Q_OBJECT
private slots:
    void apply_data();
    void apply();
    void malformedLines();
    void formatReadsBack();
    void positionMap();
    void positionMapOfApply();
    void listsPerLanguage();
};

void TestPronunciationRules::apply_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("whole word only by default") << "SQL\tsequel"_ba << u"SQL and MySQL, SQL."_s
                                                << u"sequel and MySQL, sequel."_s;
    QTest::newRow("anywhere") << "SQL\tsequel\ta"_ba << u"SQL and MySQL"_s << u"sequel and Mysequel"_s;
    QTest::newRow("case ignored by default") << "sql\tsequel"_ba << u"Sql SQL"_s << u"sequel sequel"_s;
    QTest::newRow("match case") << "US\tUnited States\tc"_ba << u"us and US"_s << u"us and United States"_s;
    QTest::newRow("case folding beyond ASCII") << "ТВ\tтелевизор"_ba << u"Тв и тв"_s << u"телевизор и телевизор"_s;
    QTest::newRow("punctuation at the edges") << "e.g.\tfor example"_ba << u"e.g. this, xe.g. not"_s
                                              << u"for example this, xe.g. not"_s;
    QTest::newRow("phrase") << "New York\tNoo Yawk"_ba << u"New York, New Jersey"_s << u"Noo Yawk, New Jersey"_s;
    QTest::newRow("empty spoken form skips") << "um\t"_ba << u"so um yes, umbrella"_s << u"so  yes, umbrella"_s;
    QTest::newRow("expression with groups") << "(\\d+)\\s?km\t$1 kilometres\tr"_ba << u"5 km and 12km"_s
                                            << u"5 kilometres and 12 kilometres"_s;
    QTest::newRow("expression: $0, $$ and a missing optional group")
        << "(\\d+)(x)?\t$0 is $$$1$2\tr"_ba << u"7 and 8x"_s << u"7 is $7 and 8x is $8x"_s;
    QTest::newRow("expression: two-digit group only when it exists")
        << "(a)\t$10\tr"_ba << u"a"_s << u"a0"_s;
    QTest::newRow("expression whole word") << "\\d+\tnumber\tr"_ba << u"a1 22"_s << u"a1 number"_s;
    QTest::newRow("expression anywhere, case matched") << "X(\\d)\tex $1\tarc"_ba << u"aX1 ax2"_s << u"aex 1 ax2"_s;
    QTest::newRow("first rule in the list wins at a position")
        << "New\tNoo\nNew York\tNoo Yawk"_ba << u"New York"_s << u"Noo York"_s;
    QTest::newRow("the longer rule first wins") << "New York\tNoo Yawk\nNew\tNoo"_ba << u"New York New"_s
                                                << u"Noo Yawk Noo"_s;
    QTest::newRow("an earlier position wins over an earlier rule") << "bc\tY\ta\nab\tX\ta"_ba << u"abc"_s
                                                                   << u"Xc"_s;
    QTest::newRow("expression against plain: list order")
        << "\\w+ing\tVERB\tr\nsing\tchant"_ba << u"sing singing"_s << u"VERB VERB"_s;
    QTest::newRow("plain before expression") << "sing\tchant\n\\w+ing\tVERB\tr"_ba << u"sing singing"_s
                                             << u"chant VERB"_s;
    QTest::newRow("replacements are not rewritten") << "a\tb\nb\tc"_ba << u"a b"_s << u"b c"_s;
    QTest::newRow("outside the basic plane") << "𝔸\tdouble A\na𝔸\tboth\ta"_ba << u"𝔸 x𝔸 a𝔸"_s
                                             << u"double A x𝔸 both"_s;
    QTest::newRow("combining mark belongs to the word") << "cafe\tcoffee"_ba << u"cafe\u0301 cafe"_s
                                                        << u"cafe\u0301 coffee"_s;
    QTest::newRow("expression beside a lone surrogate") << "x(\\d)\tX$1\tr"_ba
                                                        << QString(QChar(0xD800)) + u" x1"_s
                                                        << QString(QChar(0xD800)) + u" X1"_s;
    QTest::newRow("no rules") << ""_ba << u"unchanged text"_s << u"unchanged text"_s;
}

void TestPronunciationRules::apply()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, written);
    QFETCH(QString, spoken);
    QList<RuleProblem> problems;
    const PronunciationRules rules(PronunciationFile::parse(file, &problems));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).message));
    QCOMPARE(rules.apply(written).text, spoken);
}

void TestPronunciationRules::malformedLines()
{
    const QByteArray file = "\xEF\xBB\xBF# a comment\r\n"
                            "Sayora\tSay-OR-a\r\n"
                            "no tab here\n"
                            "\n"
                            "a\tb\tc\td\n"
                            "x\ty\tq\n"
                            "x\ty\taw\n"
                            "(unclosed\tz\tr\n"
                            "a*\tz\tr\n"
                            "(a)\t$2\tr\n"
                            "\ty\n"
                            "bad \xff utf-8\tz\n"
                            "   # indented comment\n"
                            "SQL\tsequel\tc\n"
                            "x\ty\tci";
    QList<RuleProblem> problems;
    QStringList badLines;
    const QList<PronunciationRule> rules = PronunciationFile::parse(file, &problems, &badLines);
    QCOMPARE(rules.size(), 2);
    QCOMPARE(rules.at(0), (PronunciationRule{u"Sayora"_s, u"Say-OR-a"_s}));
    QCOMPARE(rules.at(1), (PronunciationRule{u"SQL"_s, u"sequel"_s, true, true, false}));
    QList<int> lines;
    for (const RuleProblem &problem : problems)
        lines << problem.line;
    QCOMPARE(lines, (QList<int>{3, 5, 6, 7, 8, 9, 10, 11, 12, 15}));
    QVERIFY(problems.at(2).message.contains(u"\"q\""));
    QVERIFY(problems.at(4).message.contains(u"regular expression"));
    QVERIFY(problems.at(5).message.contains(u"empty"));
    QVERIFY(problems.at(6).message.contains(u"group 2"));
    QCOMPARE(badLines.size(), problems.size());
    QCOMPARE(badLines.at(0), u"no tab here"_s);
}

void TestPronunciationRules::formatReadsBack()
{
    const QList<PronunciationRule> rules{
        {u"Sayora"_s, u"Say-OR-a"_s},
        {u"um"_s, QString(), true, false, false},
        {u"SQL"_s, u"sequel"_s, false, true, false},
        {u"(\\d+)km"_s, u"$1 kilometres"_s, true, false, true},
        {u"#tag"_s, u"hash tag"_s, false, false, false},  // would read as a comment
    };
    const QString text = PronunciationFile::format(rules, {u"broken line"_s});
    QList<RuleProblem> problems;
    const QList<PronunciationRule> back = PronunciationFile::parse(text.toUtf8(), &problems);
    QVERIFY(problems.isEmpty());
    QCOMPARE(back.mid(0, 4), rules.mid(0, 4));
    QVERIFY(text.contains(u"\n# broken line\n"));
    // A written text that starts with "#" cannot be a plain rule line.
    QVERIFY(!PronunciationFile::check(rules.at(4)).isEmpty());
    QVERIFY(!PronunciationFile::check({u"a\tb"_s, u"x"_s}).isEmpty());
    QVERIFY(!PronunciationFile::check({QString(), u"x"_s}).isEmpty());
}

void TestPronunciationRules::positionMap()
{
    // "I use SQL daily, um, ok": SQL lengthened, um skipped.
    const QString written = u"I use SQL daily, um, ok"_s;
    const PronunciationRules rules(PronunciationFile::parse("SQL\tsee queue ell\num\t"_ba));
    const SpokenForm form = rules.apply(written);
    QCOMPARE(form.text, u"I use see queue ell daily, , ok"_s);
    const auto range = [&](const QString &spokenWord, int nth = 0) {
        qsizetype at = -1;
        for (int k = 0; k <= nth; ++k)
            at = form.text.indexOf(spokenWord, at + 1);
        const PositionMap::Range r = form.map.writtenRange(at, spokenWord.size());
        return written.mid(r.start, r.length);
    };
    // Each of the three spoken words selects the one written word.
    QCOMPARE(range(u"see"_s), u"SQL"_s);
    QCOMPARE(range(u"queue"_s), u"SQL"_s);
    QCOMPARE(range(u"ell"_s), u"SQL"_s);
    // Untouched words before and after map one to one.
    QCOMPARE(range(u"use"_s), u"use"_s);
    QCOMPARE(range(u"daily"_s), u"daily"_s);
    // After the skipped word: "ok" is still found, the skipped text never is.
    QCOMPARE(range(u"ok"_s), u"ok"_s);
    QCOMPARE(form.map.writtenPosition(form.text.indexOf(u", ok"_s)), written.indexOf(u", ok"_s));
    // A spoken word that runs across a replacement and plain text.
    const PronunciationRules inside(PronunciationFile::parse("Sayora\tSay OR a\ta"_ba));
    const SpokenForm plural = inside.apply(u"two Sayoras"_s);
    QCOMPARE(plural.text, u"two Say OR as"_s);
    const PositionMap::Range r = plural.map.writtenRange(plural.text.indexOf(u"as"_s), 2);
    QCOMPARE(u"two Sayoras"_s.mid(r.start, r.length), u"Sayoras"_s);
    // Two neighbours: one skipped, one replaced.
    const PronunciationRules neighbours(PronunciationFile::parse("x\t\ta\ny\tZZ\ta"_ba));
    const SpokenForm both = neighbours.apply(u"xyw"_s);
    QCOMPARE(both.text, u"ZZw"_s);
    QCOMPARE(both.map.writtenRange(0, 1), (PositionMap::Range{1, 1}));
    QCOMPARE(both.map.writtenRange(2, 1), (PositionMap::Range{2, 1}));
}

void TestPronunciationRules::positionMapOfApply()
{
    // Every spoken position outside a replacement maps to the written
    // character it came from, across many rules and replacements.
    QString written;
    for (int i = 0; i < 200; ++i)
        written += QStringLiteral("word%1 e.g. um text%2 ").arg(i % 7).arg(i % 3);
    const PronunciationRules rules(
        PronunciationFile::parse("word3\tthe third word\ne.g.\tfor example\num\t\ntext(\\d)\tT$1\tr"_ba));
    const SpokenForm form = rules.apply(written);
    qsizetype checked = 0;
    for (qsizetype p = 0; p < form.text.size(); ++p) {
        const PositionMap::Range r = form.map.writtenRange(p, 1);
        QVERIFY(r.start >= 0 && r.start + r.length <= written.size());
        if (r.length == 1) {
            QCOMPARE(form.text.at(p), written.at(r.start));
            ++checked;
        }
    }
    QVERIFY(checked > form.text.size() / 3);
}

void TestPronunciationRules::listsPerLanguage()
{
    const QString folder = PronunciationLists::folder();
    QVERIFY(folder.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    QCOMPARE(PronunciationLists::languageFile(u"en-us"_s), folder + u"/pronunciation-en.txt"_s);
    QCOMPARE(PronunciationLists::languageKey(u"../../etc"_s), QString());
    testsupport::writeFile(PronunciationLists::commonFile(), "colour\tcolor\nSayora\tcommon form\n");
    testsupport::writeFile(PronunciationLists::languageFile(u"en"_s), "Sayora\tSay-OR-a\nbroken line\n");
    testsupport::writeFile(PronunciationLists::languageFile(u"ru"_s), "Sayora\tСайора\n");

    PronunciationLists lists;
    // The language's list comes first; the common list applies to every voice.
    QCOMPARE(lists.rulesFor(u"en-us"_s).apply(u"Sayora colour"_s).text, u"Say-OR-a color"_s);
    QCOMPARE(lists.rulesFor(u"ru"_s).apply(u"Sayora colour"_s).text, u"Сайора color"_s);
    QCOMPARE(lists.rulesFor(u"de"_s).apply(u"Sayora colour"_s).text, u"common form color"_s);
    QCOMPARE(lists.rulesFor(QString()).apply(u"Sayora"_s).text, u"common form"_s);

    // A changed file is read again.
    QVERIFY(PronunciationLists::save(PronunciationLists::languageFile(u"en"_s), {{u"Sayora"_s, u"Sigh-ora"_s}}, {}));
    lists.invalidate();
    QCOMPARE(lists.rulesFor(u"en-gb"_s).apply(u"Sayora colour"_s).text, u"Sigh-ora color"_s);
    QFile::remove(PronunciationLists::commonFile());
    QCOMPARE(lists.rulesFor(u"en-gb"_s).apply(u"Sayora colour"_s).text, u"Sigh-ora colour"_s);
}

int main(int argc, char **argv)
{
    testsupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("sayora"));
    TestPronunciationRules test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pronunciation_rules.moc"
