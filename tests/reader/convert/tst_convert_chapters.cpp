// sayora-convert --split chapters: a book into one tagged file per chapter,
// a playlist in order, subtitles beside each, and what a failure leaves.

#include "convert/chapter_split.h"
#include "convert/m4b_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString fastVoice = u"Flite Kal (US English, male, 16 kHz)"_s;

QString book(const QString &name)
{
    return QStringLiteral(SAYORA_DOCUMENTS_DATA "/books/") + name;
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Run
{
    int code = -1;
    QString errors;
};

Run convertWith(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, arguments);
    if (!p.waitForFinished(240000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

Run convert(const QStringList &arguments, const QString &locale = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!locale.isEmpty())
        environment.insert(u"LC_ALL"_s, locale);
    return convertWith(QStringLiteral(SAYORA_CONVERT_EXE), arguments, environment);
}

quint32 syncsafe(const QByteArray &b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 7) | (quint8(b.at(at + i)) & 0x7F);
    return v;
}

quint32 bigEndian(const QByteArray &b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

QString id3Text(const QByteArray &data)
{
    if (data.isEmpty())
        return {};
    const char encoding = data.at(0);
    QByteArray body = data.mid(1);
    QString text;
    if (encoding == 0) {
        text = QString::fromLatin1(body);
    } else if (encoding == 3) {
        text = QString::fromUtf8(body);
    } else {
        bool little = false;
        if (encoding == 1 && body.size() >= 2) {
            little = body.startsWith("\xFF\xFE");
            body = body.mid(2);
        }
        for (qsizetype i = 0; i + 1 < body.size(); i += 2) {
            const quint8 a = quint8(body.at(i)), b = quint8(body.at(i + 1));
            text += QChar(char16_t(little ? (b << 8) | a : (a << 8) | b));
        }
    }
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

// The text frames of an ID3v2.3 or 2.4 tag at the start of an MP3.
QMap<QByteArray, QString> id3Frames(const QByteArray &mp3)
{
    QMap<QByteArray, QString> frames;
    if (mp3.size() < 10 || !mp3.startsWith("ID3"))
        return frames;
    const int version = mp3.at(3);
    const qsizetype end = 10 + qsizetype(syncsafe(mp3, 6));
    qsizetype at = 10;
    while (at + 10 <= end && at + 10 <= mp3.size() && mp3.at(at) != 0) {
        const QByteArray id = mp3.mid(at, 4);
        const qsizetype size = version >= 4 ? syncsafe(mp3, at + 4) : bigEndian(mp3, at + 4);
        if (id.startsWith('T'))
            frames.insert(id, id3Text(mp3.mid(at + 10, size)));
        at += 10 + size;
    }
    return frames;
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class TestConvertChapters : public QObject
{
    Q_OBJECT
private slots:
    void parts();
    void names();
    void piecesAtOnce();
    void options();
    void epubByChapters();
    void bookWithoutChapters();
    void failureKeepsFinishedChapters();
    void interruptLeavesWholeChapters();
    void chapterMarks_data();
    void chapterMarks();
    void chapterMarkOptions();
    void everySoundFormat_data();
    void everySoundFormat();
    void m4bPartsJoinWithoutEncoding();
    void m4bLibraryOnlyForM4b();
};

void TestConvertChapters::parts()
{
    Document d;
    d.text = u"Title page\nOne\nfirst\nTwo\nSub\nsecond\nThree\n"_s;
    const auto at = [&d](const QString &s) { return d.text.indexOf(s); };
    d.chapters = {{u"One"_s, at(u"One"_s), 2}, {u"Two"_s, at(u"Two"_s), 2}, {u"Sub"_s, at(u"Sub"_s), 3},
                  {u"Three"_s, at(u"Three"_s), 2}, {u"Empty"_s, d.text.size(), 2}};
    const QList<Chapters::Part> p = Chapters::parts(d, u"Book"_s);
    // The top level present cuts; the title page goes with the first
    // chapter; a chapter with nothing in it is no file.
    QCOMPARE(p.size(), 3);
    QCOMPARE(p.at(0).title, u"One"_s);
    QCOMPARE(p.at(0).text, u"Title page\nOne\nfirst\n"_s);
    QCOMPARE(p.at(1).text, u"Two\nSub\nsecond\n"_s);
    QCOMPARE(p.at(2).title, u"Three"_s);
    QCOMPARE(p.at(0).text + p.at(1).text + p.at(2).text, d.text);

    // Out of order or beyond the text: left out, never a negative cut.
    d.chapters = {{u"Two"_s, at(u"Two"_s), 1}, {u"One"_s, at(u"One"_s), 1}, {u"Far"_s, d.text.size() + 5, 1}};
    QCOMPARE(Chapters::parts(d, u"Book"_s).size(), 1);
    QCOMPARE(Chapters::parts(d, u"Book"_s).at(0).text, d.text);

    d.chapters.clear();
    const QList<Chapters::Part> whole = Chapters::parts(d, u"Book"_s);
    QCOMPARE(whole.size(), 1);
    QCOMPARE(whole.at(0).title, u"Book"_s);
    QCOMPARE(whole.at(0).text, d.text);
}

void TestConvertChapters::names()
{
    QCOMPARE(Chapters::fileName(3, 12, u"Spring"_s, u"mp3"_s), u"03 Spring.mp3"_s);
    QCOMPARE(Chapters::fileName(7, 100, u"Spring"_s, u"mp3"_s), u"007 Spring.mp3"_s);
    QCOMPARE(Chapters::fileName(1, 1, u"../../etc/passwd"_s, u"wav"_s), u"01 etc passwd.wav"_s);
    QCOMPARE(Chapters::safeName(u"...hidden"_s, u"x"_s), u"hidden"_s);
    QCOMPARE(Chapters::safeName(u"a\u0000b\nc\td"_s, u"x"_s), u"a b c d"_s);
    QCOMPARE(Chapters::safeName(u" / . "_s, u"Chapter 4"_s), u"Chapter 4"_s);
    // As FAT and exFAT drives take them: a playlist named after a title too.
    QCOMPARE(Chapters::safeName(u"Book One: \"Spring\" <or> Summer? A*B|C..."_s, u"x"_s),
             u"Book One - 'Spring' or Summer A B C"_s);
    // Capped, and never in the middle of a character outside the BMP.
    const QString clef = u"\U0001D11E"_s;
    const QString capped = Chapters::safeName(u"a"_s + clef.repeated(60), u"x"_s);
    QVERIFY(capped.size() <= 80);
    QVERIFY(!capped.back().isHighSurrogate());
    QVERIFY(capped.toUtf8().size() + QByteArray("0001 .mp3").size() <= 255);
}

void TestConvertChapters::piecesAtOnce()
{
    // Six like chapters on two cores: the first five each in one worker,
    // the last cut into pieces so that it does not end alone on one core.
    const QList<qsizetype> even{100, 100, 100, 100, 100, 100};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(Chapters::piecesAtOnce(even, i, 2), 1);
    QCOMPARE(Chapters::piecesAtOnce(even, 5, 2), 0);
    // A chapter longer than a core's share is cut wherever it stands.
    const QList<qsizetype> uneven{100, 900, 100, 100, 100};
    QCOMPARE(Chapters::piecesAtOnce(uneven, 0, 2), 1);
    QCOMPARE(Chapters::piecesAtOnce(uneven, 1, 2), 0);
    QCOMPARE(Chapters::piecesAtOnce(uneven, 2, 2), 1);
    // The last three of four cores' worth.
    QCOMPARE(Chapters::piecesAtOnce(even, 2, 4), 1);
    QCOMPARE(Chapters::piecesAtOnce(even, 3, 4), 0);
    // One core, or a book of one chapter.
    QCOMPARE(Chapters::piecesAtOnce(uneven, 1, 1), 1);
    QCOMPARE(Chapters::piecesAtOnce({500}, 0, 2), 0);
}

void TestConvertChapters::options()
{
    const Convert::Options ok = Convert::parseOptions(
        {u"--voice"_s, fastVoice, u"--split=chapters"_s, u"--subtitles"_s, u"vtt"_s, u"b.epub"_s, u"out"_s});
    QCOMPARE(ok.error, QString());
    QCOMPARE(ok.mode, Convert::Options::Mode::SplitChapters);
    QCOMPARE(ok.inputs, QStringList{u"b.epub"_s});
    QCOMPARE(ok.outputDir, u"out"_s);
    QCOMPARE(ok.voice, fastVoice);
    QCOMPARE(ok.format, Convert::Format::Mp3);
    QCOMPARE(ok.subtitleFormat, u"vtt"_s);
    QVERIFY(ok.subtitles.isEmpty());
    // Every sound format the converter writes.
    for (const QString &format : {u"wav"_s, u"ogg"_s, u"opus"_s, u"flac"_s, u"m4b"_s}) {
        const Convert::Options o = Convert::parseOptions({u"--split"_s, u"chapters"_s, u"-f"_s, format, u"b"_s, u"o"_s});
        QCOMPARE(o.error, QString());
        QCOMPARE(Convert::extension(o.format), format);
    }
    // The kind of subtitles has a spelling of its own; a file name is no kind.
    for (const QStringList &kind : {QStringList{u"--subtitle-format"_s, u"lrc"_s}, QStringList{u"--subtitle-format=lrc"_s}}) {
        const Convert::Options spelled =
            Convert::parseOptions(QStringList{u"--split"_s, u"chapters"_s} + kind + QStringList{u"b"_s, u"o"_s});
        QCOMPARE(spelled.error, QString());
        QCOMPARE(spelled.subtitleFormat, u"lrc"_s);
    }
    QVERIFY(Convert::parseOptions({u"--split"_s, u"chapters"_s, u"--subtitle-format"_s, u"x.srt"_s, u"b"_s, u"o"_s})
                .error.contains(u"--subtitle-format takes srt, lrc or vtt"_s));
    // Elsewhere --subtitles names the file, and a kind alone is refused.
    QCOMPARE(Convert::parseOptions({u"--subtitles"_s, u"b.srt"_s, u"a.txt"_s, u"b.mp3"_s}).subtitles, u"b.srt"_s);
    QVERIFY(!Convert::parseOptions({u"--subtitle-format"_s, u"srt"_s, u"a.txt"_s, u"b.mp3"_s}).error.isEmpty());

    for (const QStringList &wrong : {QStringList{u"--split"_s, u"pages"_s, u"b"_s, u"o"_s},
                                     QStringList{u"--split"_s, u"chapters"_s, u"--format"_s, u"txt"_s, u"b"_s, u"o"_s},
                                     QStringList{u"--split"_s, u"chapters"_s, u"--subtitles"_s, u"x.srt"_s, u"b"_s, u"o"_s},
                                     QStringList{u"--split"_s, u"chapters"_s, u"b"_s},
                                     QStringList{u"--split"_s, u"chapters"_s, u"b"_s, u"c"_s, u"o"_s},
                                     QStringList{u"--split"_s, u"chapters"_s, u"--rate"_s, u"300"_s, u"b"_s, u"o"_s},
                                     QStringList{u"--split"_s, u"chapters"_s, u"-j"_s, u"2"_s, u"b"_s, u"o"_s},
                                     QStringList{u"--split"_s}}) {
        QVERIFY2(!Convert::parseOptions(wrong).error.isEmpty(), qPrintable(wrong.join(u' ')));
    }
    const Run run = convert({u"--split"_s, u"pages"_s, book(u"pandoc_book3.epub"_s), u"out"_s});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.errors.contains(u"--split takes \"chapters\""_s), qPrintable(run.errors));
}

void TestConvertChapters::epubByChapters()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out"_s);  // made by the converter
    const Run run = convert({u"--voice"_s, fastVoice, u"--quiet"_s, u"--split"_s, u"chapters"_s, u"--subtitles"_s,
                             u"srt"_s, book(u"pandoc_book3.epub"_s), out});
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.code, 0);
    // The table of contents' top entries; nothing else left behind.
    QCOMPARE(entries(out), (QStringList{u"01 Spring.mp3"_s, u"01 Spring.srt"_s, u"02 Summer.mp3"_s, u"02 Summer.srt"_s,
                                        u"03 Autumn.mp3"_s, u"03 Autumn.srt"_s, u"The Garden Book.m3u8"_s}));

    const QStringList titles{u"Spring"_s, u"Summer"_s, u"Autumn"_s};
    for (int i = 0; i < titles.size(); ++i) {
        const QString base = QDir(out).filePath(QStringLiteral("%1 %2").arg(i + 1, 2, 10, QChar(u'0')).arg(titles.at(i)));
        const QMap<QByteArray, QString> tags = id3Frames(bytes(base + u".mp3"_s));
        QCOMPARE(tags.value("TIT2"), titles.at(i));
        QCOMPARE(tags.value("TALB"), u"The Garden Book"_s);
        QCOMPARE(tags.value("TPE1"), u"Mira Holt"_s);
        QCOMPARE(tags.value("TRCK"), QStringLiteral("%1/3").arg(i + 1));
    }

    // Each chapter's subtitles hold its own words, timed from its start.
    const QString spring = QString::fromUtf8(bytes(QDir(out).filePath(u"01 Spring.srt"_s)));
    const QString summer = QString::fromUtf8(bytes(QDir(out).filePath(u"02 Summer.srt"_s)));
    const QString autumn = QString::fromUtf8(bytes(QDir(out).filePath(u"03 Autumn.srt"_s)));
    QVERIFY2(spring.contains(u"The garden wakes slowly."_s) && spring.contains(u"The Garden Book"_s), qPrintable(spring));
    QVERIFY2(!spring.contains(u"Water in the evening"_s), qPrintable(spring));
    QVERIFY2(summer.startsWith(u"1\n00:00:00,"_s),
             qPrintable(summer));
    QVERIFY2(summer.contains(u"Water in the evening"_s) && summer.contains(u"Slugs come after rain."_s), qPrintable(summer));
    QVERIFY2(!summer.contains(u"garden wakes"_s) && !summer.contains(u"leaves fall"_s), qPrintable(summer));
    QVERIFY2(autumn.contains(u"The leaves fall"_s), qPrintable(autumn));

    // The playlist, in order, with each file's length.
    const QStringList lines =
        QString::fromUtf8(bytes(QDir(out).filePath(u"The Garden Book.m3u8"_s))).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.at(0), u"#EXTM3U"_s);
    for (int i = 0; i < titles.size(); ++i) {
        const QString info = lines.at(1 + 2 * i);
        QVERIFY2(info.startsWith(u"#EXTINF:"_s) && info.endsWith(u',' + titles.at(i)), qPrintable(info));
        QVERIFY2(info.mid(8, info.indexOf(u',') - 8).toInt() >= 1, qPrintable(info));
        QCOMPARE(lines.at(2 + 2 * i), QStringLiteral("%1 %2.mp3").arg(i + 1, 2, 10, QChar(u'0')).arg(titles.at(i)));
    }
}

void TestConvertChapters::bookWithoutChapters()
{
    QTemporaryDir dir;
    const QString input = dir.filePath(u"Kurze Notiz – 春.txt"_s);
    QFile f(input);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("A note with no chapters at all.\n");
    f.close();
    const QString out = dir.filePath(u"out"_s);
    // A user's locale that is not UTF-8 still gets the whole title in the tag.
    const Run run = convert({u"--voice"_s, fastVoice, u"-q"_s, u"--format"_s, u"mp3"_s, u"--split"_s, u"chapters"_s,
                             input, out},
                            u"C"_s);
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.code, 0);
    QCOMPARE(entries(out), (QStringList{u"01 Kurze Notiz – 春.mp3"_s, u"Kurze Notiz – 春.m3u8"_s}));
    // No title in the file: the album is its name; no author, no artist.
    const QMap<QByteArray, QString> tags = id3Frames(bytes(QDir(out).filePath(u"01 Kurze Notiz – 春.mp3"_s)));
    QCOMPARE(tags.value("TIT2"), u"Kurze Notiz – 春"_s);
    QCOMPARE(tags.value("TALB"), u"Kurze Notiz – 春"_s);
    QVERIFY(!tags.contains("TPE1"));
    QCOMPARE(tags.value("TRCK"), u"1/1"_s);
}

void TestConvertChapters::failureKeepsFinishedChapters()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out"_s);
    // A folder where the second chapter's file belongs: it cannot be put in
    // its place.
    QVERIFY(QDir().mkpath(QDir(out).filePath(u"02 Summer.wav"_s)));
    const Run run = convert({u"--voice"_s, fastVoice, u"-q"_s, u"--split"_s, u"chapters"_s, u"--format=wav"_s,
                             book(u"pandoc_book3.epub"_s), out});
    QCOMPARE(run.code, 4);
    QVERIFY2(run.errors.contains(u"02 Summer.wav"_s) && run.errors.contains(u"Chapters 1 to 1 of 3 were written and kept"_s),
             qPrintable(run.errors));
    // The finished chapter stays, whole; nothing after it, no playlist, no
    // temporary file.
    QCOMPARE(entries(out), (QStringList{u"01 Spring.wav"_s, u"02 Summer.wav"_s}));
    QVERIFY(QFileInfo(QDir(out).filePath(u"02 Summer.wav"_s)).isDir());
    QVERIFY(bytes(QDir(out).filePath(u"01 Spring.wav"_s)).startsWith("RIFF"));
}

namespace {
// A book of three chapters long enough to be read in several pieces each.
QString writeHtmlBook(const QString &folder);
}  // namespace

// Interrupted, a split ends by the signal once every worker (and every
// worker's own piece workers) has ended: no temporary is left, no
// playlist is written, and a chapter's file is there whole or not at all.
void TestConvertChapters::interruptLeavesWholeChapters()
{
    QTemporaryDir dir;
    const QString input = writeHtmlBook(dir.path());
    QVERIFY(!input.isEmpty());
    const QString out = dir.filePath(u"out"_s);
    QProcess p;
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"--voice"_s, u"Flite SLT (US English, female)"_s, u"-q"_s, u"--split"_s,
                                                 u"chapters"_s, input, out});
    QVERIFY(p.waitForStarted());
    // The chapters' workers at work: their parts' folders are there.
    const auto working = [&] {
        return entries(out).filter(u".parts"_s).size() >= 2;
    };
    QTRY_VERIFY_WITH_TIMEOUT(working() || p.state() != QProcess::Running, 60000);
    QVERIFY2(p.state() == QProcess::Running, "the split ended before its workers were at work");
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(u"interrupted; the chapters finished so far were kept"_s));
    for (const QString &name : entries(out)) {
        QVERIFY2(!name.startsWith(u'.') && name.endsWith(u".mp3"_s), qPrintable(name));
        QVERIFY2(bytes(QDir(out).filePath(name)).size() > 1000, qPrintable(name));
    }
}

namespace {

struct ProbedChapter
{
    QString title;
    double start = 0;
    double end = 0;
};

QList<ProbedChapter> probe(const QString &file, double *duration)
{
    QProcess p;
    p.start(u"ffprobe"_s, {u"-v"_s, u"error"_s, u"-show_chapters"_s, u"-show_format"_s, u"-of"_s, u"json"_s, file});
    p.waitForFinished(30000);
    const QJsonObject root = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    *duration = root.value(u"format"_s).toObject().value(u"duration"_s).toString().toDouble();
    QList<ProbedChapter> chapters;
    for (const QJsonValue &value : root.value(u"chapters"_s).toArray()) {
        const QJsonObject c = value.toObject();
        chapters.append({c.value(u"tags"_s).toObject().value(u"title"_s).toString(),
                         c.value(u"start_time"_s).toString().toDouble(), c.value(u"end_time"_s).toString().toDouble()});
    }
    return chapters;
}

// A book of three chapters long enough to be read in several pieces each.
QString writeHtmlBook(const QString &folder)
{
    QByteArray html = "<html><head><title>Three Seasons</title></head><body>";
    const char *titles[] = {"Winter", "Spring", "Summer"};
    for (int c = 0; c < 3; ++c) {
        html += QByteArray("<h1>") + titles[c] + "</h1>";
        for (int i = 0; i < (c == 1 ? 10 : 22); ++i)
            html += QByteArray("<p>") + titles[c] + " goes on, sentence " + QByteArray::number(i + 1)
                    + ", with a few more words to say about the weather.</p>";
    }
    html += "</body></html>";
    const QString path = folder + u"/seasons.html"_s;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(html) != html.size())
        return {};
    return path;
}

}  // namespace

void TestConvertChapters::chapterMarks_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("jobs");
    QTest::newRow("MP3, pieces at once") << u"book.mp3"_s << u"2"_s;
    QTest::newRow("MP3, one piece a chapter") << u"book.mp3"_s << u"1"_s;
    QTest::newRow("M4B, pieces at once") << u"book.m4b"_s << u"2"_s;
}

// One file with the chapters marked where each begins: as long as the
// chapter's own file of a split, one after the other to the end.
void TestConvertChapters::chapterMarks()
{
    QFETCH(QString, output);
    QFETCH(QString, jobs);
    QTemporaryDir dir;
    const QString input = writeHtmlBook(dir.path());
    QVERIFY(!input.isEmpty());
    const QString out = dir.filePath(output);
    QStringList arguments{u"--voice"_s, fastVoice, u"-q"_s, u"-j"_s, jobs, input, out};
    if (output.endsWith(u".mp3"_s))
        arguments.prepend(u"--chapter-marks"_s);
    const Run run = convert(arguments);
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.code, 0);
    QCOMPARE(entries(dir.path()), (QStringList{output, u"seasons.html"_s}));

    const Run split = convert({u"--voice"_s, fastVoice, u"-q"_s, u"--split"_s, u"chapters"_s, input, dir.filePath(u"split"_s)});
    QCOMPARE(split.code, 0);
    double duration = 0;
    const QList<ProbedChapter> chapters = probe(out, &duration);
    const QStringList titles{u"Winter"_s, u"Spring"_s, u"Summer"_s};
    QCOMPARE(chapters.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(chapters.at(i).title, titles.at(i));
        QCOMPARE(chapters.at(i).start, i == 0 ? 0.0 : chapters.at(i - 1).end);
        double alone = 0;
        probe(QDir(dir.filePath(u"split"_s)).filePath(QStringLiteral("0%1 %2.mp3").arg(i + 1).arg(titles.at(i))), &alone);
        // MP3 frames and AAC frames round each part's end a little.
        QVERIFY2(qAbs((chapters.at(i).end - chapters.at(i).start) - alone) < 0.35,
                 qPrintable(u"%1: %2 against %3"_s.arg(titles.at(i)).arg(chapters.at(i).end - chapters.at(i).start).arg(alone)));
    }
    QVERIFY2(qAbs(chapters.last().end - duration) < 0.2, qPrintable(QString::number(duration)));
    if (output.endsWith(u".mp3"_s)) {
        const QMap<QByteArray, QString> tags = id3Frames(bytes(out));
        QCOMPARE(tags.value("TIT2"), u"Three Seasons"_s);
    }
}

void TestConvertChapters::chapterMarkOptions()
{
    const QList<std::pair<QStringList, QString>> wrong = {
        {{u"--chapter-marks"_s, u"a.txt"_s, u"b.ogg"_s}, u"--chapter-marks goes with an .mp3"_s},
        {{u"--split-minutes"_s, u"5"_s, u"a.txt"_s, u"b.m4b"_s}, u"chapter marks make one file"_s},
        {{u"--format"_s, u"m4b"_s, u"a.txt"_s, u"-"_s}, u"standard output takes one sound file"_s},
    };
    for (const auto &[arguments, why] : wrong) {
        const Convert::Options o = Convert::parseOptions(arguments);
        QVERIFY2(o.error.contains(why), qPrintable(arguments.join(u' ') + u": "_s + o.error));
    }
    const Convert::Options m4b = Convert::parseOptions({u"a.epub"_s, u"b.M4B"_s});
    QCOMPARE(m4b.error, QString());
    QCOMPARE(m4b.format, Convert::Format::M4b);
    QVERIFY(Convert::parseOptions({u"--chapter-marks"_s, u"a.epub"_s, u"b.mp3"_s}).chapterMarks);
}

namespace {

// What ffprobe reads back of a sound file: its container, its codec, its
// length, and its tag (in the container or, for Ogg, in the stream), by
// lower-case key.
struct ProbedFile
{
    QString container;
    QString codec;
    double seconds = 0;
    QMap<QString, QString> tags;
};

ProbedFile probeFile(const QString &file)
{
    QProcess p;
    p.start(u"ffprobe"_s, {u"-v"_s, u"error"_s, u"-show_format"_s, u"-show_streams"_s, u"-of"_s, u"json"_s, file});
    p.waitForFinished(30000);
    const QJsonObject root = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    const QJsonObject format = root.value(u"format"_s).toObject();
    const QJsonObject stream = root.value(u"streams"_s).toArray().at(0).toObject();
    ProbedFile probed{format.value(u"format_name"_s).toString(), stream.value(u"codec_name"_s).toString(),
                      format.value(u"duration"_s).toString().toDouble(), {}};
    for (const QJsonObject &tags : {format.value(u"tags"_s).toObject(), stream.value(u"tags"_s).toObject()}) {
        for (auto it = tags.begin(); it != tags.end(); ++it)
            probed.tags.insert(it.key().toLower(), it.value().toString());
    }
    return probed;
}

}  // namespace

void TestConvertChapters::everySoundFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("codec");
    QTest::newRow("Ogg Vorbis") << u"ogg"_s << u"ogg"_s << u"vorbis"_s;
    QTest::newRow("Opus") << u"opus"_s << u"ogg"_s << u"opus"_s;
    QTest::newRow("FLAC") << u"flac"_s << u"flac"_s << u"flac"_s;
    QTest::newRow("M4B") << u"m4b"_s << u"mov,mp4,m4a,3gp,3g2,mj2"_s << u"aac"_s;
}

// A book split into chapters in each of the converter's other sound
// formats: every chapter's file decodes as that format, tagged as the MP3s
// are, and the playlist gives each its length.
void TestConvertChapters::everySoundFormat()
{
    QFETCH(QString, format);
    QFETCH(QString, container);
    QFETCH(QString, codec);
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out"_s);
    const Run run = convert({u"--voice"_s, fastVoice, u"-q"_s, u"--split"_s, u"chapters"_s, u"--format"_s, format,
                             u"--subtitle-format"_s, u"srt"_s, book(u"pandoc_book3.epub"_s), out});
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.code, 0);
    const QStringList titles{u"Spring"_s, u"Summer"_s, u"Autumn"_s};
    QStringList expected;
    for (int i = 0; i < titles.size(); ++i)
        expected << QStringLiteral("0%1 %2.%3").arg(i + 1).arg(titles.at(i), format)
                 << QStringLiteral("0%1 %2.srt").arg(i + 1).arg(titles.at(i));
    expected << u"The Garden Book.m3u8"_s;
    expected.sort();
    QCOMPARE(entries(out), expected);

    const QStringList lines =
        QString::fromUtf8(bytes(QDir(out).filePath(u"The Garden Book.m3u8"_s))).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 7);
    for (int i = 0; i < titles.size(); ++i) {
        const QString file = QStringLiteral("0%1 %2.%3").arg(i + 1).arg(titles.at(i), format);
        const ProbedFile probed = probeFile(QDir(out).filePath(file));
        QCOMPARE(probed.container, container);
        QCOMPARE(probed.codec, codec);
        QVERIFY2(probed.seconds > 0.5, qPrintable(file + u": "_s + QString::number(probed.seconds)));
        QCOMPARE(probed.tags.value(u"title"_s), titles.at(i));
        QCOMPARE(probed.tags.value(u"album"_s), u"The Garden Book"_s);
        QCOMPARE(probed.tags.value(u"artist"_s), u"Mira Holt"_s);
        // Vorbis comments name it TRACKNUMBER, MP4 "track".
        const QString track = probed.tags.value(u"track"_s, probed.tags.value(u"tracknumber"_s));
        QCOMPARE(track, QStringLiteral("%1/3").arg(i + 1));
        // The playlist's length is the file's, to the second.
        const QString info = lines.at(1 + 2 * i);
        QCOMPARE(lines.at(2 + 2 * i), file);
        QVERIFY2(qAbs(info.mid(8, info.indexOf(u',') - 8).toInt() - probed.seconds) <= 1.0, qPrintable(info));
    }
}

namespace {

// A part as a worker encodes it: a tone of so many samples.
QString tonePart(const QString &path, int rate, int samples)
{
    const std::unique_ptr<M4bWriter> part = M4bWriter::create(path);
    if (!part->startEncoding(rate, 0))
        return part->errorString();
    QList<qint16> pcm(samples);
    for (int i = 0; i < samples; ++i)
        pcm[i] = qint16(8000 * std::sin(2 * M_PI * 440 * i / rate));
    // In uneven slices, as the WAV is read.
    for (int at = 0; at < samples; at += 3001) {
        if (!part->write(pcm.constData() + at, std::min(3001, samples - at)))
            return part->errorString();
    }
    return part->finish() ? QString() : part->errorString();
}

}  // namespace

// Parts are copied, not encoded again: every part but the last ends on a
// whole AAC frame, the last where its sound does, and the chapters start
// where their parts do.
void TestConvertChapters::m4bPartsJoinWithoutEncoding()
{
    QTemporaryDir dir;
    const QString a = dir.filePath(u"a.m4b"_s), b = dir.filePath(u"b.m4b"_s), c = dir.filePath(u"c.m4b"_s);
    QCOMPARE(tonePart(a, 16000, 24000), QString());  // 23.4 frames
    QCOMPARE(tonePart(b, 16000, 11200), QString());
    QCOMPARE(tonePart(c, 22050, 5000), QString());
    double alone = 0;
    probe(b, &alone);
    QCOMPARE(alone, 0.7);

    const QString out = dir.filePath(u"book.m4b"_s);
    {
        const std::unique_ptr<M4bWriter> book = M4bWriter::create(out, {u"Tones"_s, u"Someone"_s, {}, {}});
        double start = -1;
        QVERIFY(book->appendPart(a, &start));
        QCOMPARE(start, 0.0);
        QVERIFY(book->appendPart(b, &start));
        QCOMPARE(start, 24 * 1024 / 16000.0);
        QVERIFY(book->appendPart(b, &start));
        QCOMPARE(start, (24 + 11) * 1024 / 16000.0);
        book->setChapters({{u"First"_s, 0}, {u"Second"_s, 24 * 1024 / 16000.0}});
        QVERIFY2(book->finish(), qPrintable(book->errorString()));
        QCOMPARE(book->seconds(), (24 + 11) * 1024 / 16000.0 + 0.7);
    }
    double duration = 0;
    const QList<ProbedChapter> chapters = probe(out, &duration);
    QVERIFY2(qAbs(duration - ((24 + 11) * 1024 / 16000.0 + 0.7)) < 0.001, qPrintable(QString::number(duration)));
    QCOMPARE(chapters.size(), 2);
    QCOMPARE(chapters.at(0).title, u"First"_s);
    QCOMPARE(chapters.at(0).start, 0.0);
    QCOMPARE(chapters.at(1).start, 1.536);
    QCOMPARE(chapters.at(1).end, chapters.last().end);
    QVERIFY(qAbs(chapters.at(1).end - duration) < 0.001);
    // The joined file decodes whole.
    QProcess decode;
    decode.start(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-i"_s, out, u"-f"_s, u"null"_s, u"-"_s});
    QVERIFY(decode.waitForFinished(30000));
    QCOMPARE(decode.exitCode(), 0);
    QCOMPARE(decode.readAllStandardError(), QByteArray());

    // Parts that do not fit together, or are no AAC, are refused.
    const std::unique_ptr<M4bWriter> mixed = M4bWriter::create(dir.filePath(u"mixed.m4b"_s));
    double start = 0;
    QVERIFY(mixed->appendPart(a, &start));
    QVERIFY(!mixed->appendPart(c, &start));
    QVERIFY(!mixed->errorString().isEmpty());
    QVERIFY(!mixed->finish());
    const QString text = dir.filePath(u"note.txt"_s);
    QFile note(text);
    QVERIFY(note.open(QIODevice::WriteOnly) && note.write("no sound") > 0);
    note.close();
    const std::unique_ptr<M4bWriter> wrong = M4bWriter::create(dir.filePath(u"wrong.m4b"_s));
    QVERIFY(!wrong->appendPart(text, &start));
    QVERIFY(!wrong->appendPart(dir.filePath(u"missing.m4b"_s), &start));
}

// FFmpeg's libraries are loaded only to write an M4B: a converter whose M4B
// library is gone still writes an MP3, and says what is missing for an M4B
// instead of failing to start.
void TestConvertChapters::m4bLibraryOnlyForM4b()
{
    QTemporaryDir dir;
    const QString alone = dir.filePath(u"sayora-convert"_s);
    QVERIFY(QFile::copy(QStringLiteral(SAYORA_CONVERT_EXE), alone));
    const QString text = dir.filePath(u"short.txt"_s);
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("A short text, read aloud.\n") > 0);
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"SAYORA_PROGRAM_DIR"_s, QFileInfo(QStringLiteral(SAYORA_CONVERT_EXE)).absolutePath());
    const auto run = [&](const QString &output) {
        return convertWith(alone, {u"--voice"_s, fastVoice, u"-q"_s, text, output}, environment);
    };
    const Run mp3 = run(dir.filePath(u"short.mp3"_s));
    QVERIFY2(mp3.code == 0, qPrintable(mp3.errors));
    QVERIFY(QFileInfo(dir.filePath(u"short.mp3"_s)).size() > 0);
    const Run m4b = run(dir.filePath(u"short.m4b"_s));
    QVERIFY(m4b.code != 0);
    QVERIFY2(m4b.errors.contains(u"M4B writing is missing"_s), qPrintable(m4b.errors));
    QVERIFY(!QFileInfo::exists(dir.filePath(u"short.m4b"_s)));
}

QTEST_GUILESS_MAIN(TestConvertChapters)
#include "tst_convert_chapters.moc"
