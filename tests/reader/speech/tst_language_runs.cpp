// The cutting of texts into runs of one language, with the real guesser
// and its models.
#include "speech/language_runs.h"
#include "speech/reading_runs.h"
#include "speech/voice_choice.h"
#include "sapi5/sp_voice.h"

#include <QLocale>

#include <QTest>

namespace {

struct Named
{
    QString text;
    QString language;
};

// The runs as (text, language) pairs, to compare readably.
QList<Named> named(const QString &text, const QList<LanguageRun> &runs)
{
    QList<Named> out;
    for (const LanguageRun &run : runs)
        out.append({text.mid(run.start, run.length), run.language});
    return out;
}

QString describe(const QList<Named> &runs)
{
    QStringList parts;
    for (const Named &run : runs)
        parts << QStringLiteral("[%1] %2").arg(run.language, run.text);
    return parts.join(u" | ");
}

void checkCovers(const QString &text, const QList<LanguageRun> &runs)
{
    qsizetype at = 0;
    for (const LanguageRun &run : runs) {
        QCOMPARE(run.start, at);
        QVERIFY(run.length > 0);
        at += run.length;
    }
    QCOMPARE(at, text.size());
    for (qsizetype i = 1; i < runs.size(); ++i)
        QVERIFY2(runs.at(i).language != runs.at(i - 1).language, "neighbouring runs are merged");
}

QStringList languagesOf(const QList<LanguageRun> &runs)
{
    QStringList out;
    for (const LanguageRun &run : runs)
        out << run.language;
    return out;
}

const QString english1 = QStringLiteral("This book begins in English, as most of its chapters do. ");
const QString russian = QStringLiteral("Это предложение написано на русском языке. ");
const QString english2 = QStringLiteral("Then the story goes on in English for a while. ");
const QString greek = QStringLiteral("Αυτή η πρόταση είναι γραμμένη στα ελληνικά. ");
const QString japanese = QStringLiteral("これは日本語で書かれた文です。");
const QString english3 = QStringLiteral("And it ends in English again.");

}  // namespace

class TestLanguageRuns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(LanguageGuesser::shared().isValid(), "the libexttextcat models are installed");
    }

    void sentenceEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("sentences");
        QTest::newRow("stops and blanks") << QStringLiteral("One. Two!  Three?") << QStringList{"One. ", "Two!  ", "Three?"};
        QTest::newRow("abbreviation and decimal")
            << QStringLiteral("Mr. Smith paid 3.5 dollars. Then he left.")
            << QStringList{"Mr. Smith paid 3.5 dollars. ", "Then he left."};
        QTest::newRow("closing quote stays") << QStringLiteral("\"Go.\" He went.") << QStringList{"\"Go.\" ", "He went."};
        QTest::newRow("wide stops without blanks")
            << QStringLiteral("これは文です。それも文です。") << QStringList{"これは文です。", "それも文です。"};
        QTest::newRow("line breaks end headings") << QStringLiteral("Chapter One\n\nIt began.")
                                                  << QStringList{"Chapter One\n\n", "It began."};
        QTest::newRow("ellipsis run") << QStringLiteral("Wait... Now.") << QStringList{"Wait... ", "Now."};
    }
    void sentenceEnds()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, sentences);
        QStringList got;
        qsizetype from = 0;
        for (const qsizetype end : LanguageRuns::sentenceEnds(text)) {
            got << text.mid(from, end - from);
            from = end;
        }
        QCOMPARE(got, sentences);
    }

    // The text the feature is for: English with Russian, Greek and Japanese
    // sentences, read by an English voice.
    void mixedScripts()
    {
        const QString text = english1 + russian + english2 + greek + japanese + english3;
        const QList<LanguageRun> runs = LanguageRuns::split(text, QStringLiteral("en-us"), &LanguageGuesser::shared());
        checkCovers(text, runs);
        const QList<Named> got = named(text, runs);
        QVERIFY2(got.size() == 6, qPrintable(describe(got)));
        QCOMPARE(languagesOf(runs), (QStringList{"", "ru", "", "el", "ja", ""}));
        QCOMPARE(got.at(1).text, russian);
        QCOMPARE(got.at(3).text, greek);
        QCOMPARE(got.at(4).text, japanese);
        QCOMPARE(got.at(5).text, english3);
    }

    void otherScripts_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("language");
        QTest::newRow("Chinese") << QStringLiteral("这是一个用中文写的句子。") << QStringLiteral("cmn");
        QTest::newRow("Korean") << QStringLiteral("이것은 한국어로 쓴 문장입니다. ") << QStringLiteral("ko");
        QTest::newRow("Hebrew") << QStringLiteral("זה משפט שנכתב בעברית. ") << QStringLiteral("he");
        QTest::newRow("Thai") << QStringLiteral("นี่คือประโยคภาษาไทย ") << QStringLiteral("th");
        QTest::newRow("Hindi") << QStringLiteral("यह वाक्य हिंदी में लिखा गया है। ") << QStringLiteral("hi");
        QTest::newRow("Arabic") << QStringLiteral("هذه جملة مكتوبة باللغة العربية. ") << QStringLiteral("ar");
        QTest::newRow("Ukrainian, long enough to tell")
            << QStringLiteral("Це речення написане українською мовою для перевірки голосу читача. ")
            << QStringLiteral("uk");
    }
    void otherScripts()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, language);
        const QString text = english1 + sentence + english2;
        const QList<LanguageRun> runs = LanguageRuns::split(text, QStringLiteral("en-us"), &LanguageGuesser::shared());
        checkCovers(text, runs);
        QVERIFY2(runs.size() == 3, qPrintable(describe(named(text, runs))));
        QCOMPARE(runs.at(1).language, language);
        QCOMPARE(text.mid(runs.at(1).start, runs.at(1).length), sentence);
    }

    // Latin sentences are told apart when they are long enough, and a short
    // one goes with its neighbours when they agree, else with the voice.
    void latinLanguages()
    {
        const QString german1 = QStringLiteral("Der schnelle braune Fuchs springt über den faulen Hund im Garten. ");
        const QString german2 = QStringLiteral("Danach schlafen beide Tiere friedlich unter dem großen Apfelbaum. ");
        const QString shortOne = QStringLiteral("Ja, gut. ");
        const QString english = QStringLiteral("Then the story goes on in English for quite a long while again. ");
        const QString text = english1 + german1 + shortOne + german2 + QStringLiteral("Yes. ") + english;
        const QList<LanguageRun> runs = LanguageRuns::split(text, QStringLiteral("en-us"), &LanguageGuesser::shared());
        checkCovers(text, runs);
        const QList<Named> got = named(text, runs);
        QVERIFY2(got.size() == 3, qPrintable(describe(got)));
        QCOMPARE(got.at(1).language, QStringLiteral("de"));
        QCOMPARE(got.at(1).text, german1 + shortOne + german2);
        // "Yes." stands between German and English: the voice keeps it.
        QCOMPARE(got.at(2).text, QStringLiteral("Yes. ") + english);

        // A short sentence alone in another language cannot be told.
        const QString brief = english1 + QStringLiteral("Guten Tag. ") + english2;
        QCOMPARE(LanguageRuns::split(brief, QStringLiteral("en-us"), &LanguageGuesser::shared()).size(), 1);
        // Where the guesser names several languages, none of them the
        // voice's, it cannot tell: English number words come out German,
        // Scots or Dutch.
        const QString numbers = QStringLiteral("One two three four five six seven eight nine ten eleven twelve thirteen.");
        QVERIFY(LanguageGuesser::shared().guess(numbers).size() > 1);
        QCOMPARE(LanguageRuns::split(numbers, QStringLiteral("en-us"), &LanguageGuesser::shared(), {"de", "en", "nl"}).size(), 1);
        // Without a guesser Latin sentences stay with the voice.
        QCOMPARE(LanguageRuns::split(text, QStringLiteral("en-us"), nullptr).size(), 1);
    }

    void voiceOfAnotherScript()
    {
        // A Japanese voice reading English: the English sentences need a
        // voice of their own, short ones included.
        const QString text = japanese + english1 + QStringLiteral("Hi. ") + japanese;
        const QList<LanguageRun> runs = LanguageRuns::split(text, QStringLiteral("ja"), &LanguageGuesser::shared());
        checkCovers(text, runs);
        QCOMPARE(languagesOf(runs), (QStringList{"", "en", ""}));
        QCOMPARE(text.mid(runs.at(1).start, runs.at(1).length), english1 + QStringLiteral("Hi. "));

        // A Russian voice keeps short Cyrillic sentences, whatever their
        // language.
        const QString cyrillic = QStringLiteral("Да. Нет. ") + russian;
        QCOMPARE(LanguageRuns::split(cyrillic, QStringLiteral("ru"), &LanguageGuesser::shared()),
                 (QList<LanguageRun>{{0, cyrillic.size(), QString()}}));
    }

    void wordsOfAnotherScriptInASentence()
    {
        // The voice would spell them letter by letter: they are a run of
        // their own, the sentence's words around them stay with the voice.
        const QString text = QStringLiteral("He said Привет, как дела to me and left the room quietly.");
        const QList<LanguageRun> runs = LanguageRuns::split(text, QStringLiteral("en-us"), &LanguageGuesser::shared());
        checkCovers(text, runs);
        QCOMPARE(languagesOf(runs), (QStringList{"", "ru", ""}));
        QCOMPARE(text.mid(runs.at(1).start, runs.at(1).length), QStringLiteral("Привет, как дела "));
        // Latin letters inside Japanese written without blanks stay in it.
        const QString japaneseWithLatin = QStringLiteral("これはTVの番組です。");
        QCOMPARE(LanguageRuns::split(japaneseWithLatin, QStringLiteral("en-us"), &LanguageGuesser::shared()),
                 (QList<LanguageRun>{{0, japaneseWithLatin.size(), QStringLiteral("ja")}}));
    }

    void withoutLetters()
    {
        // Numbers and marks go with the sentence before them (at the start,
        // after them); a text without letters is the voice's.
        const QString text = QStringLiteral("1999. ") + russian + QStringLiteral("42!\n---\n") + english2;
        const QList<LanguageRun> runs = LanguageRuns::split(text, QStringLiteral("en"), &LanguageGuesser::shared());
        checkCovers(text, runs);
        QCOMPARE(languagesOf(runs), (QStringList{"ru", ""}));
        QCOMPARE(text.mid(runs.at(0).start, runs.at(0).length), QStringLiteral("1999. ") + russian + QStringLiteral("42!\n---\n"));
        QCOMPARE(LanguageRuns::split(QStringLiteral("12 34"), QStringLiteral("en"), nullptr),
                 (QList<LanguageRun>{{0, 5, QString()}}));
        QVERIFY(LanguageRuns::split(QString(), QStringLiteral("en"), nullptr).isEmpty());
    }

    void onlyVoicedGuesses()
    {
        // The guesser's "sco" for plain English has no voice: with the
        // voices' languages given, the next candidate is taken.
        const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog while the cat sleeps. ");
        const QStringList guesses = LanguageGuesser::shared().guess(sentence);
        QVERIFY2(guesses.contains(u"en"_qs), qPrintable(guesses.join(u',')));
        const QString text = QStringLiteral("Der Fuchs springt. ") + sentence;
        const QList<LanguageRun> runs =
            LanguageRuns::split(text, QStringLiteral("de"), &LanguageGuesser::shared(), {"de", "en", "fr"});
        checkCovers(text, runs);
        QCOMPARE(runs.last().language, QStringLiteral("en"));
    }

    // A reading hands out the runs a stretch at a time: together they cover
    // the text, in order, cut at sentence ends, the languages as in one go.
    void readingByStretches()
    {
        QString book;
        while (book.size() < 3 * ReadingRuns::stretch)
            book += english1 + russian + english2;
        ReadingRuns reading;
        reading.start(book, QStringLiteral("en-us"), {}, true);
        LanguageRun run;
        qsizetype at = 0;
        int russianRuns = 0;
        while (reading.next(&run)) {
            QCOMPARE(run.start, at);
            QVERIFY(run.length > 0);
            const QString text = book.mid(run.start, run.length);
            QVERIFY2(text.endsWith(u' ') || run.start + run.length == book.size(), qPrintable(text.right(20)));
            if (run.language == u"ru") {
                QCOMPARE(text, russian);
                ++russianRuns;
            } else {
                QVERIFY2(run.language.isEmpty() && !text.contains(russian), qPrintable(text.left(60)));
            }
            at += run.length;
        }
        QCOMPARE(at, book.size());
        QCOMPARE(russianRuns, int(book.size() / (english1 + russian + english2).size()));
        QVERIFY(!reading.hasNext());

        // Switching off, or one language in one stretch: the whole text.
        reading.start(book, QStringLiteral("en-us"), {}, false);
        QVERIFY(reading.next(&run));
        QCOMPARE(run, (LanguageRun{0, book.size(), QString()}));
        QVERIFY(!reading.next(&run));
        reading.start(english1 + english2, QStringLiteral("en-us"), {}, true);
        QVERIFY(reading.next(&run));
        QCOMPARE(run.length, (english1 + english2).size());
        reading.clear();
        QVERIFY(!reading.hasNext());
    }

    // The voice a run's language is read by: the user's region where the
    // user speaks it, else the language's own voice; none where no voice
    // reads it (the current voice then keeps reading).
    void voiceForLanguage()
    {
        const QList<SpObjectToken> tokens{
            {"en-us", "English (America)", "en-us"}, {"de-ch", "German (Switzerland)", "de-ch"},
            {"de", "German", "de"}, {"sit/cmn-latn-pinyin", "Chinese (Pinyin)", "cmn-latn-pinyin"},
            {"sit/cmn", "Chinese (Mandarin)", "cmn"}, {"ru", "Russian", "ru"}};
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(VoiceChoice::voiceForLanguage(u"de"_qs, tokens, us), 2);
        QCOMPARE(VoiceChoice::voiceForLanguage(u"de"_qs, tokens, QLocale(QLocale::German, QLocale::Switzerland)), 1);
        QCOMPARE(VoiceChoice::voiceForLanguage(u"cmn"_qs, tokens, us), 4);
        QCOMPARE(VoiceChoice::voiceForLanguage(u"zh"_qs, tokens, us), 4);
        QCOMPARE(VoiceChoice::voiceForLanguage(u"ru"_qs, tokens, us), 5);
        QCOMPARE(VoiceChoice::voiceForLanguage(u"th"_qs, tokens, us), -1);
        QCOMPARE(VoiceChoice::voiceForLanguage(QString(), tokens, us), -1);
        QCOMPARE(VoiceChoice::voicedLanguages(tokens), (QStringList{"en", "de", "cmn", "ru"}));
    }

    void guesserWithoutModels()
    {
        const LanguageGuesser missing(QStringLiteral("/nonexistent/fpdb.conf"), QStringLiteral("/nonexistent"));
        QVERIFY(!missing.isValid());
        QVERIFY(missing.guess(u"Der schnelle braune Fuchs springt über den faulen Hund").isEmpty());
        QVERIFY(LanguageGuesser::shared().guess(u"").isEmpty());
        QCOMPARE(LanguageRuns::baseLanguage(QStringLiteral("en-US")), QStringLiteral("en"));
        QCOMPARE(LanguageRuns::baseLanguage(QStringLiteral("zh-TW")), QStringLiteral("cmn"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageRuns)
#include "tst_language_runs.moc"
