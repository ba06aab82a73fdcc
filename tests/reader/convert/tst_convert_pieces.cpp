// A long text converted piece by piece by worker processes: the joined file
// must be one whole file, sound and subtitles alike, as if made in one go,
// and an interrupt must leave no part and no worker behind.
#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "convert/worker_pool.h"
#include "convert/piece_conversion.h"
#include "convert/subtitles.h"
#include "support/test_support.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sndfile.h>

#include <csignal>

namespace {

const QString espeakVoice = u"English (America)"_qs;
const QString fliteVoice = u"Flite Kal (US English, male, 16 kHz)"_qs;

// Prose of varied sentences, long enough to be cut.
QString prose(int sentences)
{
    static const char *const parts[] = {
        "The river runs past the old mill, where the wheel has not turned for years.",
        "Nobody remembers who built it; the records burned long ago!",
        "Is the water cold in spring?",
        "Children swim there in August, and the miller's dog watches them from the bank.",
        "A storm in the autumn brought down two oaks, which now lie across the path.",
    };
    QString text;
    for (int i = 0; i < sentences; ++i)
        text += QString::fromLatin1(parts[i % 5]) + (i % 7 == 6 ? u"\n\n"_qs : u" "_qs);
    return text;
}

int convert(const QStringList &arguments)
{
    const testsupport::ProgramRun run = testsupport::runProgram(QStringLiteral(SAYORA_CONVERT_EXE), arguments);
    if (run.code != 0)
        qWarning().noquote() << run.errors.join(u'\n');
    return run.status == QProcess::NormalExit ? run.code : -1;
}

using testsupport::contents;

QList<Subtitles::Cue> cues(const QString &path)
{
    QList<Subtitles::Cue> result;
    Subtitles::readSrt(contents(path), &result);
    return result;
}

QStringList hiddenIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot).filter(QRegularExpression(u"^\\."_qs));
}

// The pids of a process's children.
QStringList childrenOf(qint64 pid)
{
    QStringList children;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks + u'/' + task + u"/children"_qs);
        if (list.open(QIODevice::ReadOnly))
            children << QString::fromLatin1(list.readAll()).split(u' ', Qt::SkipEmptyParts);
    }
    return children;
}

}  // namespace

class TestConvertPieces : public QObject
{
    Q_OBJECT
private slots:
    void cutsFallAfterSentences();
    void piecesJoinAsOne_data();
    void piecesJoinAsOne();
    void interruptLeavesNothing();
    void splitIntoFiles_data();
    void splitIntoFiles();
    void standardOutput();
    void workerTakesJobAfterJob();
    void progressWeighsTheVoice();
    void otherFormats_data();
    void otherFormats();
    void bitrateOutOfReachIsSaid();
    void readerClosesThePipe();
};

void TestConvertPieces::cutsFallAfterSentences()
{
    const QString english = prose(40);
    const QList<qsizetype> cuts = PieceConversion::cuts(english, 4);
    QCOMPARE(cuts.size(), 3);
    for (const qsizetype cut : cuts) {
        const QString before = english.left(cut).trimmed();
        QVERIFY2(before.endsWith(u'.') || before.endsWith(u'!') || before.endsWith(u'?'), qPrintable(before.right(20)));
    }
    QVERIFY(std::is_sorted(cuts.cbegin(), cuts.cend()));
    // Shares near equal: no piece twice another's length.
    QVERIFY(cuts.first() > english.size() / 8 && english.size() - cuts.last() > english.size() / 8);

    // Full-width stops end sentences with no blank after them.
    const QString japanese = QString(u"今日は晴れです。明日は雨が降るでしょう！本当ですか？"_qs).repeated(30);
    for (const qsizetype cut : PieceConversion::cuts(japanese, 3))
        QVERIFY(u"。！？"_qs.contains(japanese.at(cut - 1)));

    // One sentence cannot be cut.
    QVERIFY(PieceConversion::cuts(u"One long sentence with no end at all"_qs.repeated(100), 2).isEmpty());
    QCOMPARE(PieceConversion::pieceCount(1000, 2), 1);
    QCOMPARE(PieceConversion::pieceCount(100000, 1), 1);
    QCOMPARE(PieceConversion::pieceCount(100000, 2) % 2, 0);
}

void TestConvertPieces::piecesJoinAsOne_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("format");
    QTest::newRow("espeak-ng mp3") << espeakVoice << u"mp3"_qs;
    QTest::newRow("flite mp3") << fliteVoice << u"mp3"_qs;
    QTest::newRow("flite wav") << fliteVoice << u"wav"_qs;
}

void TestConvertPieces::piecesJoinAsOne()
{
    QFETCH(QString, voice);
    QFETCH(QString, format);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = testsupport::writeFile(dir.filePath(u"book.txt"_qs), prose(40).toUtf8());
    const QString whole = dir.filePath(u"whole."_qs + format), joined = dir.filePath(u"joined."_qs + format);
    const QStringList common{u"--quiet"_qs, u"--voice"_qs, voice, u"--title"_qs, u"The Mill"_qs, u"--bitrate"_qs, u"32"_qs};
    QCOMPARE(convert(common + QStringList{u"--jobs"_qs, u"1"_qs, u"--subtitles"_qs, dir.filePath(u"whole.srt"_qs), input, whole}), 0);
    QCOMPARE(convert(common + QStringList{u"--jobs"_qs, u"3"_qs, u"--subtitles"_qs, dir.filePath(u"joined.srt"_qs), input, joined}), 0);
    QVERIFY2(hiddenIn(dir.path()).isEmpty(), qPrintable(hiddenIn(dir.path()).join(u", ")));

    double wholeSeconds = 0, joinedSeconds = 0;
    if (format == u"mp3") {
        const QByteArray bytes = contents(joined);
        QVERIFY(Mp3Stream::check(bytes, &joinedSeconds));
        QVERIFY(Mp3Stream::check(contents(whole), &wholeSeconds));
        // The tag once, at the start; then the notes, which count every
        // frame that follows and the bytes from themselves to the end.
        QVERIFY(bytes.startsWith("ID3"));
        QCOMPARE(bytes.count("TIT2"), 1);
        const qsizetype first = Mp3Stream::firstFrame(bytes);
        Mp3Stream::Frame frame;
        QVERIFY(Mp3Stream::frameAt(bytes, first, &frame));
        QVERIFY(Mp3Stream::isInfoFrame(bytes, first, frame));
        const qsizetype notes = bytes.indexOf("Info", first);
        QCOMPARE(qFromBigEndian<quint32>(bytes.constData() + notes + 12), quint32(bytes.size() - first));
        qint64 frames = 0;
        for (qsizetype at = first + frame.length; Mp3Stream::frameAt(bytes, at, &frame); at += frame.length) {
            ++frames;
            QCOMPARE(frame.kbps, 32);
        }
        QCOMPARE(qint64(qFromBigEndian<quint32>(bytes.constData() + notes + 8)), frames);
        // Only the one leading notes frame is left of the parts' own.
        QCOMPARE(bytes.count("Info") + bytes.count("Xing"), 1);
        // A decoder reads it to its end.
        QProcess lame;
        lame.start(u"lame"_qs, {u"--decode"_qs, u"--quiet"_qs, joined, dir.filePath(u"decoded.wav"_qs)});
        QVERIFY(lame.waitForFinished(60000));
        QCOMPARE(lame.exitCode(), 0);
        // (less what the decoder takes for the encoder's delay and padding)
        QVERIFY(std::abs(WaveFile::readFile(dir.filePath(u"decoded.wav"_qs)).seconds() - joinedSeconds) < 0.5);
    } else {
        wholeSeconds = WaveFile::readFile(whole).seconds();
        joinedSeconds = WaveFile::readFile(joined).seconds();
    }
    QVERIFY2(wholeSeconds > 20, qPrintable(QString::number(wholeSeconds)));
    // The same speech: the parts add only their encoder's padding.
    QVERIFY2(std::abs(joinedSeconds - wholeSeconds) < 0.01 * wholeSeconds + 0.5,
             qPrintable(u"%1 against %2"_qs.arg(joinedSeconds).arg(wholeSeconds)));

    // The same cues, each within a breath of where the whole file has it.
    const QList<Subtitles::Cue> one = cues(dir.filePath(u"whole.srt"_qs)), many = cues(dir.filePath(u"joined.srt"_qs));
    QCOMPARE(many.size(), one.size());
    for (qsizetype i = 0; i < one.size(); ++i) {
        QCOMPARE(many.at(i).text, one.at(i).text);
        QVERIFY2(std::abs(many.at(i).start - one.at(i).start) < 0.4,
                 qPrintable(u"cue %1: %2 against %3"_qs.arg(i).arg(many.at(i).start).arg(one.at(i).start)));
        QVERIFY(i == 0 || many.at(i).start >= many.at(i - 1).start);
    }
    QVERIFY(many.last().end <= joinedSeconds + 0.01);
}

void TestConvertPieces::interruptLeavesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = testsupport::writeFile(dir.filePath(u"book.txt"_qs), prose(200).toUtf8());
    QProcess p;
    p.start(QStringLiteral(SAYORA_CONVERT_EXE),
            {u"--quiet"_qs, u"--jobs"_qs, u"2"_qs, u"--voice"_qs, fliteVoice, input, dir.filePath(u"book.mp3"_qs)});
    QVERIFY(p.waitForStarted());
    // Both workers at work on their parts.
    QTRY_VERIFY_WITH_TIMEOUT(childrenOf(p.processId()).size() >= 2, 30000);
    const QStringList workers = childrenOf(p.processId());
    QTRY_VERIFY_WITH_TIMEOUT(!hiddenIn(dir.path()).isEmpty(), 30000);
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    QVERIFY2(hiddenIn(dir.path()).isEmpty(), qPrintable(hiddenIn(dir.path()).join(u", ")));
    QVERIFY(!QFile::exists(dir.filePath(u"book.mp3"_qs)));
    for (const QString &worker : workers)
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(u"/proc/"_qs + worker), 10000);
}

void TestConvertPieces::splitIntoFiles_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("option");
    QTest::addColumn<double>("limit");  // of each file: seconds, or bytes
    QTest::newRow("mp3 by minutes") << u"mp3"_qs << u"--split-minutes=2"_qs << 120.0;
    QTest::newRow("wav by size") << u"wav"_qs << u"--split-size=2"_qs << 2e6;
    QTest::newRow("wav by one megabyte") << u"wav"_qs << u"--split-size=1"_qs << 1e6;
    QTest::newRow("mp3 by one minute") << u"mp3"_qs << u"--split-minutes=1"_qs << 60.0;
}

void TestConvertPieces::splitIntoFiles()
{
    QFETCH(QString, format);
    QFETCH(QString, option);
    QFETCH(double, limit);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = testsupport::writeFile(dir.filePath(u"book.txt"_qs), prose(150).toUtf8());
    QCOMPARE(convert({u"--quiet"_qs, u"--voice"_qs, fliteVoice, option, u"--subtitles"_qs, dir.filePath(u"book.srt"_qs),
                      input, dir.filePath(u"book."_qs + format)}),
             0);
    QVERIFY(hiddenIn(dir.path()).isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(u"book."_qs + format)));
    const QStringList lines = QString::fromUtf8(contents(dir.filePath(u"book.m3u"_qs))).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 5 && lines.first() == u"#EXTM3U");
    const int files = int(lines.size() - 1) / 2;
    QStringList sentences;
    for (int i = 1; i <= files; ++i) {
        const QString name = u"book %1.%2"_qs.arg(i, 2, 10, QLatin1Char('0')).arg(format);
        QCOMPARE(lines.at(2 * i), name);
        const QString path = dir.filePath(name);
        double seconds = 0;
        if (format == u"mp3") {
            const QByteArray bytes = contents(path);
            QVERIFY(Mp3Stream::check(bytes, &seconds));
            // Tracks of one album.
            QVERIFY(bytes.contains("TRCK"));
            const QString track = u"%1/%2"_qs.arg(i).arg(files);  // in UTF-16, as the tag's texts are
            QVERIFY(bytes.contains(QByteArray(reinterpret_cast<const char *>(track.utf16()), track.size() * 2)));
        } else {
            seconds = WaveFile::readFile(path).seconds();
        }
        QVERIFY2((format == u"mp3" ? seconds : double(QFileInfo(path).size())) <= limit,
                 qPrintable(u"%1 is too long"_qs.arg(name)));
        QVERIFY(std::abs(lines.at(2 * i - 1).section(u':', 1).section(u',', 0, 0).toDouble() - seconds) <= 1);
        // Its subtitles beside it, within its own sound, whole sentences.
        const QList<Subtitles::Cue> own = cues(dir.filePath(u"book %1.srt"_qs.arg(i, 2, 10, QLatin1Char('0'))));
        QVERIFY(!own.isEmpty());
        QVERIFY(own.last().end <= seconds + 0.01);
        QVERIFY(own.last().text.endsWith(u'.') || own.last().text.endsWith(u'!') || own.last().text.endsWith(u'?'));
        for (const Subtitles::Cue &cue : own)
            sentences << cue.text;
    }
    // Every sentence once, in order.
    QCOMPARE(sentences.join(u' ').simplified(), prose(150).simplified());
}

// "-" with --format: the sound on standard output, nothing left behind in
// the temporary folder.
void TestConvertPieces::standardOutput()
{
    QTemporaryDir dir, temporary;
    QVERIFY(dir.isValid() && temporary.isValid());
    const QString input = testsupport::writeFile(dir.filePath(u"book.txt"_qs), prose(40).toUtf8());
    for (const QString &format : {u"mp3"_qs, u"wav"_qs}) {
        QProcess p;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TMPDIR"_qs, temporary.path());
        p.setProcessEnvironment(environment);
        p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"--quiet"_qs, u"--voice"_qs, fliteVoice, u"--format"_qs, format, input, u"-"_qs});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray sound = p.readAllStandardOutput();
        double seconds = 0;
        if (format == u"mp3")
            QVERIFY(Mp3Stream::check(sound, &seconds));
        else
            seconds = WaveFile::read(sound.first(WaveFile::headerBytes), sound.size()).seconds();
        QVERIFY2(seconds > 30, qPrintable(QString::number(seconds)));
        QVERIFY(hiddenIn(temporary.path()).isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"book.txt"_qs});
    }
    // A named file still needs its extension; "-" alone needs a format.
    QCOMPARE(convert({input, u"-"_qs}), 1);
}

// A worker of a pool, as the pool drives it: job after job on its standard
// input, each ending its standard error and output with the lines that say
// so. A job it cannot read, or one that fails, fails alone; the worker goes
// on, and ends with its input.
void TestConvertPieces::workerTakesJobAfterJob()
{
    // Any argument reaches the worker whole.
    const QStringList odd{u"a\nb"_qs, u"\"quoted\" \\ back"_qs, u"tab\there"_qs, u"日本語 ü"_qs, QString()};
    QStringList read;
    QVERIFY(Convert::parseJobLine(Convert::jobLine(odd), &read));
    QCOMPARE(read, odd);
    QVERIFY(!Convert::jobLine(odd).chopped(1).contains('\n'));
    QVERIFY(!Convert::parseJobLine("[\"a\", 3]\n", &read));
    int code = -1;
    QVERIFY(Convert::parseJobEndedLine(Convert::jobEndedLine(4), &code));
    QCOMPARE(code, 4);
    QVERIFY(!Convert::parseJobEndedLine("done 0.5\n", &code));

    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs), prose(3).toUtf8());
    const QStringList good{u"--voice"_qs, espeakVoice, u"--piece"_qs, u"--report-progress"_qs, input, dir.filePath(u"%1.mp3"_qs)};
    QProcess worker;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"SAYORA_CONVERT_BATCH"_qs, QString::number(QCoreApplication::applicationPid()));
    worker.setProcessEnvironment(environment);
    worker.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"--serve"_qs});
    QVERIFY(worker.waitForStarted());
    worker.write(Convert::jobLine(QStringList(good).replaceInStrings(u"%1"_qs, u"one"_qs)));
    worker.write("not a job\n");
    worker.write(Convert::jobLine({u"--voice"_qs, espeakVoice, dir.filePath(u"missing.txt"_qs), dir.filePath(u"x.mp3"_qs)}));
    worker.write(Convert::jobLine(QStringList(good).replaceInStrings(u"%1"_qs, u"two"_qs)));
    worker.closeWriteChannel();
    QVERIFY(worker.waitForFinished(120000));
    QCOMPARE(worker.exitStatus(), QProcess::NormalExit);
    QCOMPARE(worker.exitCode(), 0);

    QList<int> codes;
    bool progressed = false;
    for (const QByteArray &line : worker.readAllStandardOutput().split('\n')) {
        if (int ended = 0; Convert::parseJobEndedLine(line, &ended))
            codes << ended;
        double rendered = 0, encoded = 0;
        progressed = progressed || Convert::parseProgressLine(line, &rendered, &encoded);
    }
    QCOMPARE(codes, (QList<int>{0, 1, 2, 0}));
    QVERIFY(progressed);
    // Each job's errors are its own.
    const QList<QByteArray> errors = worker.readAllStandardError().split(Convert::jobErrorsEnd[0]);
    QCOMPARE(errors.size(), 5);
    QVERIFY(errors.at(0).trimmed().isEmpty());
    QVERIFY2(errors.at(1).contains("cannot read"), errors.at(1).constData());
    QVERIFY2(errors.at(2).contains("missing.txt") && !errors.at(2).contains("cannot read"), errors.at(2).constData());
    QVERIFY(!errors.at(3).contains("missing.txt"));
    for (const char *name : {"one.mp3", "two.mp3"}) {
        double seconds = 0;
        QVERIFY(Mp3Stream::checkFile(dir.filePath(QString::fromLatin1(name)), &seconds));
        QVERIFY2(seconds > 5, qPrintable(QString::number(seconds)));
    }
}

// The share of rendering in the progress is the voice's own: lame takes
// most of an espeak-ng conversion, rendering most of an SLT one.
void TestConvertPieces::progressWeighsTheVoice()
{
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"short.txt"_qs), "A short text to read.");
    for (const auto &[voice, share] : {std::pair{u"en-us"_qs, 0.3}, std::pair{u"slt"_qs, 0.92}}) {
        const testsupport::ProgramRun run = testsupport::runProgram(
            QStringLiteral(SAYORA_CONVERT_EXE), {u"--report-progress"_qs, u"--voice"_qs, voice, input, dir.filePath(u"out.mp3"_qs)});
        QCOMPARE(run.code, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        double rendered = 0, encoded = 0, reported = 0;
        QVERIFY(Convert::parseProgressLine(lines.last().toUtf8(), &rendered, &encoded, &reported));
        QCOMPARE(reported, share);
        // Half rendered and nothing encoded is that share of half the work.
        QCOMPARE(Convert::jobFraction(Convert::Format::Mp3, 0.5, 0, reported), share / 2);
    }
}

void TestConvertPieces::otherFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("jobs");
    QTest::addColumn<int>("bitrate");
    // Opus takes 24 kHz, not espeak-ng's 22.05: the sound is resampled.
    QTest::newRow("opus in pieces") << u"opus"_qs << 2 << 24;
    QTest::newRow("ogg in one piece") << u"ogg"_qs << 1 << 32;
    QTest::newRow("flac") << u"flac"_qs << 2 << 0;
    QTest::newRow("ogg at 48 kbit/s") << u"ogg"_qs << 2 << 48;
    QTest::newRow("ogg at 64 kbit/s") << u"ogg"_qs << 2 << 64;
}

void TestConvertPieces::otherFormats()
{
    QFETCH(QString, format);
    QFETCH(int, jobs);
    QFETCH(int, bitrate);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = testsupport::writeFile(dir.filePath(u"book.txt"_qs), prose(40).toUtf8());
    const QString wave = dir.filePath(u"book.wav"_qs), output = dir.filePath(u"book."_qs + format);
    const QStringList common{u"--quiet"_qs, u"--voice"_qs, espeakVoice, u"--jobs"_qs, QString::number(jobs)};
    QCOMPARE(convert(common + QStringList{input, wave}), 0);
    QStringList options{u"--title"_qs, u"Mühle"_qs, u"--track"_qs, u"2/9"_qs, u"--subtitles"_qs, dir.filePath(u"book.vtt"_qs)};
    if (bitrate > 0)
        options << u"--bitrate"_qs << QString::number(bitrate);
    QCOMPARE(convert(common + options + QStringList{input, output}), 0);
    QVERIFY2(hiddenIn(dir.path()).isEmpty(), qPrintable(hiddenIn(dir.path()).join(u", ")));

    // What a player reads back: the whole speech, the tag in its comments.
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(output).constData(), SFM_READ, &info);
    QVERIFY2(file, sf_strerror(nullptr));
    const double seconds = double(info.frames) / info.samplerate;
    QCOMPARE(QString::fromUtf8(sf_get_string(file, SF_STR_TITLE)), u"Mühle"_qs);
    QCOMPARE(QString::fromUtf8(sf_get_string(file, SF_STR_TRACKNUMBER)), u"2/9"_qs);
    sf_close(file);
    const double expected = WaveFile::readFile(wave).seconds();
    QVERIFY2(std::abs(seconds - expected) < 0.05 * expected + 0.1, qPrintable(u"%1 against %2"_qs.arg(seconds).arg(expected)));
    if (bitrate > 0) {
        const double kbps = double(QFileInfo(output).size()) * 8 / 1000 / seconds;
        const double near = format == u"ogg" ? 0.15 : 0.3;
        QVERIFY2(kbps > bitrate * (1 - near) && kbps < bitrate * (1 + near), qPrintable(QString::number(kbps)));
    }
    QVERIFY(QFile::exists(dir.filePath(u"book.vtt"_qs)));
}

// A bit rate a format cannot have, or that Vorbis cannot reach for this
// voice, is said on standard error, and the file is made as near as it can.
void TestConvertPieces::bitrateOutOfReachIsSaid()
{
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"book.txt"_qs), prose(10).toUtf8());
    const auto run = [&](const QString &output, int kbps) {
        return testsupport::runProgram(QStringLiteral(SAYORA_CONVERT_EXE),
                                       {u"--quiet"_qs, u"--voice"_qs, espeakVoice, u"--bitrate"_qs, QString::number(kbps),
                                        input, dir.filePath(output)});
    };
    const testsupport::ProgramRun high = run(u"high.ogg"_qs, 300);
    QCOMPARE(high.code, 0);
    QCOMPARE(high.errors.size(), 1);
    QVERIFY2(high.errors.first().contains(u"Ogg Vorbis reaches"_qs) && high.errors.first().contains(u"not 300"_qs),
             qPrintable(high.errors.first()));
    for (const QString &output : {u"book.flac"_qs, u"book.wav"_qs}) {
        const testsupport::ProgramRun lossless = run(output, 64);
        QCOMPARE(lossless.code, 0);
        QCOMPARE(lossless.errors.size(), 1);
        QVERIFY2(lossless.errors.first().contains(u"--bitrate was left unused"_qs), qPrintable(lossless.errors.first()));
        QVERIFY(QFileInfo(dir.filePath(output)).size() > 0);
    }
}

// A reader that stops reading (head) ends the conversion as it would end
// any command's: quietly, not as a failure.
void TestConvertPieces::readerClosesThePipe()
{
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"book.txt"_qs), prose(20).toUtf8());
    for (const QString &format : {u"ogg"_qs, u"mp3"_qs, u"wav"_qs}) {
        QProcess shell;
        shell.start(u"bash"_qs, {u"-c"_qs, u"\"$0\" --quiet --voice \"$1\" --format $2 \"$3\" - | head -c 1000 >/dev/null; "
                                          "echo ${PIPESTATUS[0]}"_qs,
                                 QStringLiteral(SAYORA_CONVERT_EXE), fliteVoice, format, input});
        QVERIFY(shell.waitForFinished(120000));
        QCOMPARE(shell.readAllStandardOutput().trimmed(), QByteArray("0"));
        QCOMPARE(shell.readAllStandardError(), QByteArray());
    }
}

QTEST_GUILESS_MAIN(TestConvertPieces)
#include "tst_convert_pieces.moc"
