// Version numbers, the download's progress display, and which server
// addresses and redirects the transfers accept.

#include "net/internet_transfer.h"
#include "update/update_rules.h"

#include <QLocale>
#include <QTest>

class TestUpdateRules : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void versionNumbers_data();
    void versionNumbers();
    void progress_data();
    void progress();
    void addresses_data();
    void addresses();
    void redirects_data();
    void redirects();
};

void TestUpdateRules::addresses_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("https") << "https://updates.example/sayora" << true;
    QTest::newRow("http to 127.0.0.1") << "http://127.0.0.1:8080" << true;
    QTest::newRow("http to 127.3.2.1") << "http://127.3.2.1" << true;
    QTest::newRow("http to ::1") << "http://[::1]:99/x" << true;
    QTest::newRow("http to localhost") << "http://LocalHost:1" << true;
    QTest::newRow("http to another host") << "http://updates.example" << false;
    QTest::newRow("http to a LAN address") << "http://192.168.1.2" << false;
    QTest::newRow("http to a name starting like loopback") << "http://127.0.0.1.example" << false;
    QTest::newRow("http to localhost's subdomain") << "http://localhost.example" << false;
    QTest::newRow("ftp") << "ftp://127.0.0.1/x" << false;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("no host") << "not an address" << false;
}

void TestUpdateRules::addresses()
{
    QFETCH(QString, url);
    QFETCH(bool, accepted);
    QCOMPARE(InternetTransfer::urlRefusal(QUrl(url)).isEmpty(), accepted);
}

void TestUpdateRules::redirects_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("followed");
    QTest::newRow("https to https elsewhere") << "https://a.example/x" << "https://b.example/y" << true;
    QTest::newRow("https to http") << "https://a.example/x" << "http://127.0.0.1/y" << false;
    QTest::newRow("http to https") << "http://127.0.0.1/x" << "https://b.example/y" << true;
    QTest::newRow("http, same host") << "http://127.0.0.1:1/x" << "http://127.0.0.1:2/y" << true;
    QTest::newRow("http, another loopback host") << "http://127.0.0.1/x" << "http://localhost/y" << false;
    QTest::newRow("http to a remote host") << "http://127.0.0.1/x" << "http://b.example/y" << false;
}

void TestUpdateRules::redirects()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, followed);
    QCOMPARE(InternetTransfer::redirectRefusal(QUrl(from), QUrl(to)).isEmpty(), followed);
}

void TestUpdateRules::versionNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");  // -1: not a number

    QTest::newRow("1.2") << "C" << "1.2" << 1.2;
    QTest::newRow("1.19") << "C" << "1.19" << 1.19;
    QTest::newRow("1.10 is 1.1") << "C" << "1.10" << 1.1;
    QTest::newRow("blanks around") << "C" << " 2.5\t" << 2.5;
    QTest::newRow("words") << "C" << "version 2" << -1.0;
    QTest::newRow("dotted version") << "C" << "1.2.3" << -1.0;
    QTest::newRow("empty") << "C" << "" << -1.0;
    QTest::newRow("infinity") << "C" << "inf" << -1.0;
    QTest::newRow("decimal comma") << "de_DE" << "1,19" << 1.19;
    QTest::newRow("server's point under a decimal comma") << "de_DE" << "1.2" << 1.2;
    QTest::newRow("no group separator: 1.200 is not 1200") << "de_DE" << "1.200" << 1.2;
}

void TestUpdateRules::versionNumbers()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(QLocale(locale));
    const std::optional<double> value = versionNumber(text);
    if (expected < 0) {
        QVERIFY(!value);
    } else {
        QVERIFY(value);
        QCOMPARE(*value, expected);
    }
}

void TestUpdateRules::progress_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QList<qint64>>("chunks");  // the chunks read, the ending one included
    QTest::addColumn<QStringList>("texts");     // after each chunk
    QTest::addColumn<QList<int>>("bars");       // after each chunk but the first, in twips

    QTest::newRow("2048 bytes") << qint64(2048) << QList<qint64>{1024, 1024, 0}
                                << QStringList{"49%", "99%", "100%"} << QList<int>{4950, 4995};
    QTest::newRow("1500 bytes") << qint64(1500) << QList<qint64>{1024, 476, 0}
                                << QStringList{"67%", "100%", "100%"} << QList<int>{4995, 4995};
    QTest::newRow("half rounds to even") << qint64(40000) << QList<qint64>{1024, 1024}
                                         << QStringList{"2%", "5%"} << QList<int>{250};
    QTest::newRow("smaller than the first count") << qint64(500) << QList<qint64>{500, 0}
                                                  << QStringList{"100%", "100%"} << QList<int>{4995};
    QTest::newRow("unknown length") << qint64(0) << QList<qint64>{1024, 1024, 512, 0}
                                    << QStringList{"1 KB", "2 KB", "2 KB", "2 KB"} << QList<int>{0, 0, 0};
}

void TestUpdateRules::progress()
{
    QFETCH(qint64, size);
    QFETCH(QList<qint64>, chunks);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, bars);

    DownloadProgress progress(size);
    QStringList seenTexts;
    QList<int> seenBars;
    progress.firstChunk(chunks.first());
    seenTexts << progress.percentText();
    for (qsizetype i = 1; i < chunks.size(); ++i) {
        progress.nextChunk(chunks[i]);
        seenTexts << progress.percentText();
        seenBars << progress.barTwips();
    }
    QCOMPARE(seenTexts, texts);
    QCOMPARE(seenBars, bars);
    progress.finish();
    QCOMPARE(progress.percentText(), QStringLiteral("100%"));
}

QTEST_APPLESS_MAIN(TestUpdateRules)
#include "tst_update_rules.moc"
