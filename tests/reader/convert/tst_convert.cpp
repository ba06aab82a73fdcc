// sayora-convert as a user runs it: the real program in a child process,
// the real engines, the real lame and real files.
#include "app/sayora_main.h"
#include "convert/subtitles.h"
#include "audio/wave_file.h"
#include "export/sound_file_commit.h"
#include "documents/document_loader.h"
#include "support/test_support.h"
#include "ui/image_button.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

using testsupport::named;

namespace {

const QString espeakVoice = u"English (America)"_qs;
const QString fliteVoice = u"Flite Kal (US English, male, 16 kHz)"_qs;

// Sentences, a paragraph, a line of signs no voice says, and accents that
// are two bytes in UTF-8 (flite's word positions pass through them).
const QByteArray story =
    "{\\rtf1\\ansi The caf\\'e9 opens at nine. Ren\\'e9e reads the news aloud, slowly!\\par\n"
    "\\par\n* * *\\par\nA second paragraph follows; it has two clauses. Is this the end? Yes.}";

using Run = testsupport::ProgramRun;

Run convert(const QStringList &arguments, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    return testsupport::runProgram(QStringLiteral(SAYORA_CONVERT_EXE), arguments, env);
}

using testsupport::contents;

double waveSeconds(const QString &path)
{
    const WaveFile::Info info = WaveFile::readFile(path);
    return info.valid ? info.seconds() : -1;
}

// Every file of a folder, hidden ones included.
QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

struct Cue
{
    double start = 0;
    double end = -1;  // LRC has none
    QString text;
};

double seconds(const QRegularExpressionMatch &m, int first)
{
    return m.captured(first).toDouble() * 3600 + m.captured(first + 1).toDouble() * 60 + m.captured(first + 2).toDouble()
           + m.captured(first + 3).toDouble() / 1000;
}

QList<Cue> parseSubtitles(const QString &file)
{
    const QString all = QString::fromUtf8(contents(file));
    QList<Cue> cues;
    if (file.endsWith(u".lrc")) {
        static const QRegularExpression line(uR"(^\[(\d+):(\d\d)\.(\d\d)\](.*)$)"_qs, QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(all); it.hasNext();) {
            const auto m = it.next();
            const double at = m.captured(1).toDouble() * 60 + m.captured(2).toDouble() + m.captured(3).toDouble() / 100;
            if (!m.captured(4).isEmpty())
                cues.append({at, -1, m.captured(4)});
            else if (!cues.isEmpty())
                cues.last().end = at;  // the line that ends the last one
        }
        return cues;
    }
    // SRT and WebVTT: a timing line, then the text up to a blank line.
    static const QRegularExpression timing(
        uR"((\d\d):(\d\d):(\d\d)[,.](\d\d\d) --> (\d\d):(\d\d):(\d\d)[,.](\d\d\d)\n([^\n]+)\n)"_qs);
    for (auto it = timing.globalMatch(all); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(9);
        if (file.endsWith(u".vtt"))
            text.replace(u"&lt;"_qs, u"<"_qs).replace(u"&gt;"_qs, u">"_qs).replace(u"&amp;"_qs, u"&"_qs);
        cues.append({seconds(m, 1), seconds(m, 5), text});
    }
    return cues;
}

// The text a user sees once the RTF is opened, blanks collapsed.
QString storyWords()
{
    const QString path = QDir::temp().filePath(u"tst_convert_story.rtf"_qs);
    testsupport::writeFile(path, story);
    DocumentLoader box;
    box.LoadFile(path);
    QFile::remove(path);
    return box.Text().simplified();
}

}  // namespace

class TestConvert : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void speechFormats_data();
    void speechFormats();
    void mp3WithoutTheLameProgram();
    void parametersReachTheSpeech_data();
    void parametersReachTheSpeech();
    void defaultVoiceFollowsTheText();
    void textIsWhatTheWindowShows();
    void failures_data();
    void failures();
    void fullDisk_data();
    void fullDisk();
    void interrupted_data();
    void interrupted();
    void standardInputFromAPipe();
    void interruptedWhileReadingInput();
    void orphanedWorkerConvertsNothing();
    void subtitles_data();
    void subtitles();
    void batchEqualsOneByOne();
    void noSoundDevice();
    void cueSpans_data();
    void cueSpans();
    void subtitlesWrittenInBatches();
    void encodings_data();
    void encodings();
    void pronunciationRules();
    void pronunciationRulesInSubtitles_data();
    void pronunciationRulesInSubtitles();
    void voiceNames_data();
    void voiceNames();
    void everyVoiceSpeaksAsItself();
    void languageCodeSuggestsItsVoices();
    void standardInputFlagsLeftAlone();

private:
    QTemporaryDir m_dir;
    QString m_story;
};

void TestConvert::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ::umask(022);
    m_story = testsupport::writeFile(m_dir.filePath(u"story.rtf"_qs), story);
    const Run voices = convert({u"--list-voices"_qs});
    QCOMPARE(voices.code, 0);
    // The window's voice list: flite's engines first, then espeak-ng's voices.
    // The long name first on each line, so a script can take it by cutting at the tab.
    QStringList names;
    for (const QString &line : voices.out.split(u'\n', Qt::SkipEmptyParts))
        names << line.section(u'\t', 0, 0);
    QVERIFY(names.indexOf(fliteVoice) >= 0);
    QVERIFY(names.indexOf(espeakVoice) > names.indexOf(fliteVoice));
}

void TestConvert::speechFormats_data()
{
    QTest::addColumn<QString>("voice");
    QTest::newRow("espeak-ng") << espeakVoice;
    QTest::newRow("flite") << fliteVoice;
}

void TestConvert::speechFormats()
{
    QFETCH(QString, voice);
    QTemporaryDir out;
    const QString wav = out.filePath(u"story.wav"_qs), mp3 = out.filePath(u"story.mp3"_qs);
    for (const QString &target : {wav, mp3}) {
        const Run run = convert({u"--voice"_qs, voice, u"--quiet"_qs, m_story, target});
        QCOMPARE(run.errors, QStringList());
        QCOMPARE(run.code, 0);
        // A file like any other the user makes, not a private temporary one.
        QCOMPARE(QFileInfo(target).permissions() & QFileDevice::ReadOther, QFileDevice::ReadOther);
    }
    const double wavSeconds = waveSeconds(wav);
    QVERIFY2(wavSeconds > 3, qPrintable(QString::number(wavSeconds)));
    double mp3Seconds = 0;
    QVERIFY(SoundFileCommit::checkMp3(contents(mp3), &mp3Seconds));
    const QString decoded = out.filePath(u"decoded.wav"_qs);
    QCOMPARE(QProcess::execute(u"lame"_qs, {u"--quiet"_qs, u"--decode"_qs, mp3, decoded}), 0);
    // Two renderings of the same text; lame pads a frame at each end.
    QVERIFY2(qAbs(waveSeconds(decoded) - wavSeconds) < 0.2,
             qPrintable(u"%1 s decoded, %2 s WAV"_qs.arg(waveSeconds(decoded)).arg(wavSeconds)));
    QFile::remove(decoded);
    QCOMPARE(filesIn(out.path()), QStringList({u"story.mp3"_qs, u"story.wav"_qs}));
}

// The converter encodes MP3 itself, as the voice renders: a short text in
// one piece and a long one in pieces, with no lame program to be found.
void TestConvert::mp3WithoutTheLameProgram()
{
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"PATH"_qs, dir.path());
    const QString book = testsupport::writeFile(dir.filePath(u"book.txt"_qs),
                                                QByteArray("A long text is read by several workers at once. ").repeated(80));
    for (const QString &input : {m_story, book}) {
        const QString mp3 = dir.filePath(QFileInfo(input).completeBaseName() + u".mp3"_qs);
        const Run run = convert({u"--voice"_qs, espeakVoice, u"--quiet"_qs, input, mp3}, env);
        QCOMPARE(run.errors, QStringList());
        QCOMPARE(run.code, 0);
        double seconds = 0;
        QVERIFY(SoundFileCommit::checkMp3(contents(mp3), &seconds));
        QVERIFY2(seconds > (input == book ? 60 : 3), qPrintable(QString::number(seconds)));
    }
}

void TestConvert::parametersReachTheSpeech_data()
{
    speechFormats_data();
}

void TestConvert::parametersReachTheSpeech()
{
    QFETCH(QString, voice);
    QTemporaryDir out;
    const auto render = [&](const QStringList &parameters) {
        const QString wav = out.filePath(parameters.join(u'-') + u".wav"_qs);
        const Run run = convert(QStringList{u"--voice"_qs, voice} + parameters + QStringList{m_story, wav});
        return run.code == 0 ? contents(wav) : QByteArray();
    };
    const auto peak = [](const QByteArray &wav) {
        int highest = 0;
        const auto *samples = reinterpret_cast<const qint16 *>(wav.constData() + WaveFile::headerBytes);
        for (qsizetype i = 0; i < (wav.size() - WaveFile::headerBytes) / 2; ++i)
            highest = std::max(highest, std::abs(int(samples[i])));
        return highest;
    };
    const QByteArray full = render({u"--volume"_qs, u"100"_qs}), half = render({u"--volume"_qs, u"50"_qs});
    QVERIFY(peak(full) > 1000);
    QVERIFY2(qAbs(double(peak(half)) / peak(full) - 0.5) < 0.05, qPrintable(u"%1 of %2"_qs.arg(peak(half)).arg(peak(full))));
    // The fastest rate says the same text in well under half the time of the slowest.
    const QByteArray slow = render({u"--rate"_qs, u"0"_qs}), fast = render({u"--rate"_qs, u"100"_qs});
    QVERIFY2(fast.size() * 2 < slow.size(), qPrintable(u"%1 and %2 bytes"_qs.arg(fast.size()).arg(slow.size())));
}

void TestConvert::defaultVoiceFollowsTheText()
{
    QTemporaryDir out;
    const QString english = testsupport::writeFile(out.filePath(u"english.txt"_qs), "Good morning to you all.");
    const QString russian = testsupport::writeFile(out.filePath(u"russian.txt"_qs),
                                                   "Доброе утро. Сегодня мы читаем новости вслух.");
    const auto sampleRate = [&](const QString &input) {
        const QString wav = input + u".wav"_qs;
        if (convert({input, wav}).code != 0)
            return 0;
        return WaveFile::readFile(wav).sampleRate;
    };
    // The window's first voice is flite's SLT (16 kHz); a Russian text goes
    // to espeak-ng's Russian voice (22,050 Hz), as the window switches.
    QCOMPARE(sampleRate(english), 16000);
    QCOMPARE(sampleRate(russian), 22050);
    // A voice asked for by name is kept with switching off, and says it
    // could not read the text.
    const Run run = convert({u"--voice"_qs, fliteVoice, u"--no-language-switch"_qs, russian, out.filePath(u"flite.wav"_qs)});
    QCOMPARE(run.code, 4);
    QVERIFY2(run.errors.value(0).contains(u"flite.wav: the voice produced no speech"_qs), qPrintable(run.errors.value(0)));
    QVERIFY(!QFile::exists(out.filePath(u"flite.wav"_qs)));
}

void TestConvert::textIsWhatTheWindowShows()
{
    const QString rtf = QStringLiteral(SAYORA_DOCUMENTS_DATA "/libreoffice_structure.rtf");
    SayoraMain window;
    window.load(QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    testsupport::answerNext<QFileDialog>([rtf](QFileDialog *dialog) {
        dialog->selectNameFilter(u"Rich Text (*.rtf)"_qs);
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_qs)->setText(rtf);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ImageButton *open = named<ImageButton>(window, "Image3");
    QTest::mouseClick(open, Qt::LeftButton, {}, open->rect().center());
    QTRY_VERIFY(!named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText().isEmpty());

    const QString txt = m_dir.filePath(u"structure.txt"_qs);
    const Run run = convert({rtf, txt});
    QCOMPARE(run.code, 0);
    QCOMPARE(QString::fromUtf8(contents(txt)), named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText());
    // Standard input is read the same way.
    QProcess p;
    p.setStandardInputFile(rtf);
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"-"_qs, txt});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(contents(txt)), named<QPlainTextEdit>(window, "MainTxtBox")->toPlainText());
}

void TestConvert::failures_data()
{
    QTest::addColumn<QStringList>("arguments");  // %d: the test's folder
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("named");          // the file the message names
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing input") << QStringList{u"%d/none.txt"_qs, u"%d/out.mp3"_qs} << 2
                                   << u"none.txt"_qs << u"does not exist"_qs;
    QTest::newRow("folder as input") << QStringList{u"%d/folder"_qs, u"%d/out.mp3"_qs} << 2
                                     << u"folder"_qs << u"folder, not a file"_qs;
    QTest::newRow("binary input") << QStringList{u"%d/program.txt"_qs, u"%d/out.mp3"_qs} << 2
                                  << u"program.txt"_qs << u"not a text"_qs;
    QTest::newRow("empty input") << QStringList{u"%d/empty.txt"_qs, u"%d/out.wav"_qs} << 2
                                 << u"empty.txt"_qs << u"no text"_qs;
    QTest::newRow("unknown voice") << QStringList{u"--voice"_qs, u"flite slt"_qs, u"%d/in.txt"_qs, u"%d/out.mp3"_qs}
                                   << 3 << u""_qs << u"no voice \"flite slt\"; did you mean"_qs;
    QTest::newRow("empty input as text") << QStringList{u"%d/empty.txt"_qs, u"%d/out.txt"_qs} << 2
                                         << u"empty.txt"_qs << u"no text"_qs;
    QTest::newRow("no output folder") << QStringList{u"%d/in.txt"_qs, u"%d/missing/out.wav"_qs} << 4
                                      << u"missing/out.wav"_qs << u"missing does not exist"_qs;
    QTest::newRow("no folder for the text") << QStringList{u"%d/in.txt"_qs, u"%d/missing/out.txt"_qs} << 4
                                            << u"missing/out.txt"_qs << u"missing does not exist"_qs;
    QTest::newRow("read-only folder") << QStringList{u"%d/in.txt"_qs, u"%d/locked/out.mp3"_qs} << 4
                                      << u"locked/out.mp3"_qs << u"cannot be written to"_qs;
    QTest::newRow("subtitles unwritable") << QStringList{u"--subtitles"_qs, u"%d/missing/in.srt"_qs, u"%d/in.txt"_qs, u"%d/out.wav"_qs}
                                          << 4 << u"in.srt"_qs << u"missing does not exist"_qs;
    QTest::newRow("rate out of range") << QStringList{u"--rate"_qs, u"101"_qs, u"%d/in.txt"_qs, u"%d/out.mp3"_qs}
                                       << 1 << u""_qs << u"0 to 100"_qs;
    QTest::newRow("unknown type") << QStringList{u"%d/in.txt"_qs, u"%d/out.aiff"_qs} << 1 << u"out.aiff"_qs
                                  << u".flac, .m4b or .txt"_qs;
    QTest::newRow("folder as output") << QStringList{u"%d/in.txt"_qs, u"%d/folder"_qs} << 1 << u"folder"_qs
                                      << u"is a folder"_qs;
    QTest::newRow("folder as a batch's output") << QStringList{u"-o"_qs, u"%d/batch"_qs, u"-f"_qs, u"mp3"_qs, u"%d/in.txt"_qs}
                                                << 1 << u"batch/in.mp3"_qs << u"is a folder"_qs;
    QTest::newRow("output over input") << QStringList{u"%d/in.txt"_qs, u"%d/in.txt"_qs} << 1 << u"in.txt"_qs
                                       << u"its own input"_qs;
    QTest::newRow("batch without format") << QStringList{u"-o"_qs, u"%d"_qs, u"%d/in.txt"_qs} << 1 << u""_qs
                                          << u"go together"_qs;
}

void TestConvert::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, named);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    testsupport::writeFile(dir.filePath(u"in.txt"_qs), "Nothing here is ever heard.");
    testsupport::writeFile(dir.filePath(u"empty.txt"_qs), " \n\t\n");
    testsupport::writeFile(dir.filePath(u"program.txt"_qs), contents(u"/bin/true"_qs).left(4096));
    QDir(dir.path()).mkdir(u"folder"_qs);
    QDir(dir.path()).mkdir(u"locked"_qs);
    QDir(dir.path()).mkpath(u"batch/in.mp3"_qs);
    if (QTest::currentDataTag() == QLatin1String("read-only folder")) {
        QFile::setPermissions(dir.filePath(u"locked"_qs), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (::access(qPrintable(dir.filePath(u"locked"_qs)), W_OK) == 0)
            QSKIP("this user writes into read-only folders");
    }
    // What the user had must survive the failure.
    for (const QString &old : {u"out.mp3"_qs, u"out.wav"_qs, u"locked/out.mp3"_qs})
        testsupport::writeFile(dir.filePath(old), "old");
    const QStringList before = filesIn(dir.path());

    const Run run = convert(arguments.replaceInStrings(u"%d"_qs, dir.path()));
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, code);
    QCOMPARE(run.errors.size(), 1);
    const QString line = run.errors.first();
    QVERIFY2(line.startsWith(u"sayora-convert: "_qs) && line.contains(reason) && line.contains(named), qPrintable(line));
    QCOMPARE(filesIn(dir.path()), before);
    QCOMPARE(filesIn(dir.filePath(u"locked"_qs)), QStringList{u"out.mp3"_qs});
    QCOMPARE(contents(dir.filePath(u"out.mp3"_qs)), QByteArray("old"));
    QCOMPARE(contents(dir.filePath(u"out.wav"_qs)), QByteArray("old"));
    QFile::setPermissions(dir.filePath(u"locked"_qs), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestConvert::fullDisk_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("output");
    QTest::newRow("espeak-ng, MP3") << espeakVoice << u"out.mp3"_qs;
    QTest::newRow("flite, MP3") << fliteVoice << u"out.mp3"_qs;
    QTest::newRow("flite, WAV") << fliteVoice << u"out.wav"_qs;
}

// A disk that fills up is named, as a text save names it, the status says
// the failure is worth retrying, and the file already there survives. The
// disk holds the estimate checked before the work, not the whole speech.
void TestConvert::fullDisk()
{
    QFETCH(QString, voice);
    QFETCH(QString, output);
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs),
                                                 QByteArray("Every sentence takes room on the disk. ").repeated(60));
    testsupport::TinyFileSystem disk(dir.filePath(u"disk"_qs), 4000);
    if (!disk.isMounted())
        QSKIP("this user cannot mount a file system");
    const QString target = testsupport::writeFile(disk.path() + u'/' + output, "old");
    // In one piece: pieces rendered one after the other, as a loaded
    // machine may run them, could fit where the whole speech does not.
    const Run run = convert({u"--voice"_qs, voice, u"--quiet"_qs, u"--jobs"_qs, u"1"_qs, input, target});
    QCOMPARE(run.code, 5);
    QCOMPARE(run.errors.size(), 1);
    QVERIFY2(run.errors.first().contains(u"No space left on device"_qs), qPrintable(run.errors.first()));
    QCOMPARE(contents(target), QByteArray("old"));
    QCOMPARE(filesIn(disk.path()), QStringList{output});
}

void TestConvert::interrupted_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<bool>("whileEncoding");
    QTest::addColumn<bool>("batch");
    QTest::newRow("rendering, flite") << u"Flite SLT (US English, female)"_qs << false << false;
    QTest::newRow("encoding, espeak-ng") << espeakVoice << true << false;
    QTest::newRow("batch") << espeakVoice << false << true;
}

void TestConvert::interrupted()
{
    QFETCH(QString, voice);
    QFETCH(bool, whileEncoding);
    QFETCH(bool, batch);
    QTemporaryDir dir;
    // Long enough that rendering and encoding each take seconds.
    QByteArray text;
    while (text.size() < (whileEncoding || batch ? 40000 : 4000))
        text += "Every sentence of this long text is read aloud and then encoded. ";
    const QString a = testsupport::writeFile(dir.filePath(u"a.txt"_qs), text);
    const QString b = testsupport::writeFile(dir.filePath(u"b.txt"_qs), text);
    testsupport::writeFile(dir.filePath(u"a.mp3"_qs), "old");
    const QStringList before = filesIn(dir.path());

    QProcess p;
    if (batch)
        p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"--voice"_qs, voice, u"-j"_qs, u"2"_qs, u"-o"_qs, dir.path(),
                                                       u"-f"_qs, u"mp3"_qs, a, b});
    else
        p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"--voice"_qs, voice, a, dir.filePath(u"a.mp3"_qs)});
    QVERIFY(p.waitForStarted());
    // The phase shows in the temporary files beside the output (or in the
    // hidden folder of a long text's pieces): speech in the WAV, then the
    // encoder's MP3; in a batch, both workers' files.
    const auto reached = [&] {
        int growing = 0;
        for (QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
            const QFileInfo file(it.next());
            const bool temporary = file.fileName().startsWith(u'.') || file.path() != dir.path();
            const bool wanted = whileEncoding ? file.suffix() == u"mp3" : file.suffix() == u"wav";
            growing += temporary && wanted && file.size() > WaveFile::headerBytes;
        }
        return growing >= (batch ? 2 : 1);
    };
    QTRY_VERIFY_WITH_TIMEOUT(reached() || p.state() != QProcess::Running, 60000);
    QVERIFY2(p.state() == QProcess::Running, "the conversion ended before the phase was reached");
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(60000));
    // Ended by the interrupt, as a shell expects.
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(u"interrupted"_qs));
    QCOMPARE(filesIn(dir.path()), before);
    QCOMPARE(contents(dir.filePath(u"a.mp3"_qs)), QByteArray("old"));
}

// Text arriving in parts through a pipe whose writer waits in between is
// read whole.
void TestConvert::standardInputFromAPipe()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out.txt"_qs);
    QProcess p;
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"--report-progress"_qs, u"-"_qs, out});
    QVERIFY(p.waitForStarted());
    p.write("The first part, ");
    QVERIFY(p.waitForBytesWritten());
    QVERIFY(p.waitForReadyRead(30000));
    p.write("and the second.");
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(contents(out), QByteArray("The first part, and the second."));
}

// Ctrl+C while standard input is still open ends the program at once, by
// the signal, and nothing is written.
void TestConvert::interruptedWhileReadingInput()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out.txt"_qs);
    QProcess p;
    // A worker's first progress line says it is ready for signals.
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"--report-progress"_qs, u"-"_qs, out});
    QVERIFY(p.waitForStarted());
    p.write("Some text, and the writer keeps the pipe open.\n");
    QVERIFY(p.waitForReadyRead(30000));
    ::kill(pid_t(p.processId()), SIGINT);
    const bool ended = p.waitForFinished(15000);
    p.closeWriteChannel();
    if (!ended)
        QVERIFY(p.waitForFinished(60000));
    QVERIFY2(ended, "the interrupt waited for the end of the input");
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    QCOMPARE(filesIn(dir.path()), QStringList());
}

// A batch worker whose batch is gone converts nothing, whoever adopted it
// (a subreaper, not only pid 1).
void TestConvert::orphanedWorkerConvertsNothing()
{
    QTemporaryDir dir;
    const QString in = testsupport::writeFile(dir.filePath(u"in.txt"_qs), "A text for nobody.");
    QProcess gone;
    gone.start(u"true"_qs);
    QVERIFY(gone.waitForStarted());
    const qint64 parent = gone.processId();
    QVERIFY(gone.waitForFinished());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"SAYORA_CONVERT_BATCH"_qs, QString::number(parent));
    const Run run = convert({u"--report-progress"_qs, u"--"_qs, in, dir.filePath(u"out.txt"_qs)}, env);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 4);
    QCOMPARE(filesIn(dir.path()), QStringList({u"in.txt"_qs}));
}

void TestConvert::subtitles_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("name");
    QTest::newRow("flite, SRT") << fliteVoice << u"story.srt"_qs;
    QTest::newRow("espeak-ng, WebVTT") << espeakVoice << u"story.vtt"_qs;
    QTest::newRow("flite, LRC") << fliteVoice << u"story.lrc"_qs;
}

void TestConvert::subtitles()
{
    QFETCH(QString, voice);
    QFETCH(QString, name);
    QTemporaryDir out;
    const QString wav = out.filePath(u"story.wav"_qs), subtitles = out.filePath(name);
    const Run run = convert({u"--voice"_qs, voice, u"--subtitles"_qs, subtitles, m_story, wav});
    QCOMPARE(run.code, 0);
    const double audio = waveSeconds(wav);
    const QList<Cue> cues = parseSubtitles(subtitles);
    QVERIFY2(cues.size() >= 5, qPrintable(QString::fromUtf8(contents(subtitles))));
    QStringList texts;
    double last = 0;
    for (const Cue &cue : cues) {
        QVERIFY2(cue.start >= last, qPrintable(cue.text));
        QVERIFY2(cue.end < 0 || cue.end >= cue.start, qPrintable(cue.text));
        QVERIFY2(std::max(cue.start, cue.end) <= audio + 0.01, qPrintable(cue.text));
        last = cue.start;
        texts << cue.text;
    }
    // Every word, in order; the line of signs rides with a sentence.
    QCOMPARE(texts.join(u' '), storyWords());
    // The last sentence starts well after the first: the times follow the speech.
    QVERIFY(cues.last().start > audio / 2);
}

void TestConvert::batchEqualsOneByOne()
{
    QTemporaryDir dir;
    const QStringList inputs = {
        testsupport::writeFile(dir.filePath(u"in/one.txt"_qs), "The first text is short."),
        testsupport::writeFile(dir.filePath(u"in/two.rtf"_qs), story),
        testsupport::writeFile(dir.filePath(u"in/three.txt"_qs), "A third text, a little longer than the first one, ends here."),
    };
    struct Case { const char *format; QString voice; };
    for (const Case &c : {Case{"wav", fliteVoice}, Case{"mp3", espeakVoice}, Case{"txt", QString()}}) {
        const QString format = QString::fromLatin1(c.format);
        const QString together = dir.filePath(u"batch-"_qs + format), alone = dir.filePath(u"alone-"_qs + format);
        QStringList voice;
        if (!c.voice.isEmpty())
            voice << u"--voice"_qs << c.voice;
        const Run run = convert(voice + QStringList{u"--jobs"_qs, u"2"_qs, u"--output-dir"_qs, together, u"--format"_qs, format} + inputs);
        QCOMPARE(run.errors, QStringList());
        QCOMPARE(run.code, 0);
        QDir().mkpath(alone);
        for (const QString &input : inputs) {
            const QString base = QFileInfo(input).completeBaseName() + u'.' + format;
            QCOMPARE(convert(voice + QStringList{input, alone + u'/' + base}).code, 0);
            const QString a = together + u'/' + base, b = alone + u'/' + base;
            if (format == u"wav") {
                QCOMPARE(contents(a), contents(b));  // flite renders the same samples every time
            } else if (format == u"mp3") {
                double sa = 0, sb = 0;
                QVERIFY(SoundFileCommit::checkMp3(contents(a), &sa) && SoundFileCommit::checkMp3(contents(b), &sb));
                QVERIFY2(qAbs(sa - sb) < 0.1, qPrintable(base));
            } else {
                QCOMPARE(contents(a), contents(b));
            }
        }
        QCOMPARE(filesIn(together), filesIn(alone));
    }
    // One input that cannot be read fails alone: its status and line, the
    // others converted.
    const QString mixed = dir.filePath(u"mixed"_qs);
    const Run run = convert({u"-o"_qs, mixed, u"-f"_qs, u"txt"_qs, inputs.at(0), dir.filePath(u"in/gone.txt"_qs), inputs.at(2)});
    QCOMPARE(run.code, 2);
    QCOMPARE(run.errors.size(), 1);
    QVERIFY2(run.errors.first().contains(u"gone.txt: the file does not exist"_qs), qPrintable(run.errors.first()));
    QCOMPARE(filesIn(mixed), QStringList({u"one.txt"_qs, u"three.txt"_qs}));
}

// The converter never plays sound: none of its own files links Qt
// Multimedia or the sound server's client (Debian's espeak-ng alone brings
// libpulse), and nothing connects to a sound server, which would write its
// settings folder and complain under a home it cannot write to.
void TestConvert::noSoundDevice()
{
    QProcess ldd;
    ldd.start(u"ldd"_qs, {QStringLiteral(SAYORA_CONVERT_EXE)});
    QVERIFY(ldd.waitForFinished(60000));
    const QString closure = QString::fromUtf8(ldd.readAllStandardOutput());
    QVERIFY2(closure.contains(u"libsayora_sapi5"_qs), qPrintable(closure));
    QVERIFY2(!closure.contains(u"Multimedia"_qs), qPrintable(closure));
    static const QRegularExpression ours(uR"(=> (\S*libsayora_\S*))"_qs);
    QStringList files{QStringLiteral(SAYORA_CONVERT_EXE)};
    for (const QRegularExpressionMatch &m : ours.globalMatch(closure))
        files << m.captured(1);
    for (const QString &file : std::as_const(files)) {
        QProcess readelf;
        readelf.start(u"readelf"_qs, {u"-d"_qs, file});
        QVERIFY(readelf.waitForFinished(60000));
        const QString needed = QString::fromUtf8(readelf.readAllStandardOutput());
        QVERIFY2(needed.contains(u"NEEDED"_qs), qPrintable(file));
        QVERIFY2(!needed.contains(u"Multimedia"_qs) && !needed.contains(u"pulse"_qs), qPrintable(file + needed));
    }

    QTemporaryDir home;
    const QString config = home.filePath(u"config"_qs);
    QVERIFY(QDir().mkpath(config));
    QVERIFY(QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QVERIFY(QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_qs, home.path());
    env.insert(u"XDG_CONFIG_HOME"_qs, config);
    QTemporaryDir out;
    const QString wav = out.filePath(u"story.wav"_qs);
    const Run run = convert({u"--voice"_qs, espeakVoice, u"--quiet"_qs, m_story, wav}, env);
    QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(run.errors, QStringList());
    QCOMPARE(run.code, 0);
    QVERIFY(waveSeconds(wav) > 3);
    QCOMPARE(filesIn(config), QStringList());
    QCOMPARE(filesIn(home.path()), QStringList{u"config"_qs});
}

void TestConvert::cueSpans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<QStringList>("cues");
    QTest::newRow("sentences") << u"One two. Three four! Five?  Six"_qs << 84
                               << QStringList{u"One two."_qs, u"Three four!"_qs, u"Five?"_qs, u"Six"_qs};
    QTest::newRow("abbreviation and decimal") << u"Mr. Smith paid 3.5 euros. Done."_qs << 84
                                              << QStringList{u"Mr. Smith paid 3.5 euros."_qs, u"Done."_qs};
    QTest::newRow("ideographic stops") << u"今日は晴れです。明日は雨ですか？はい！"_qs << 84
                                       << QStringList{u"今日は晴れです。"_qs, u"明日は雨ですか？"_qs, u"はい！"_qs};
    QTest::newRow("full-width stops and closing bracket")
        << u"「行きます！」と言った．ＯＫ？"_qs << 84 << QStringList{u"「行きます！」"_qs, u"と言った．"_qs, u"ＯＫ？"_qs};
    QTest::newRow("long sentence at its last comma") << u"alpha beta, gamma delta, epsilon zeta eta."_qs << 30
                                                     << QStringList{u"alpha beta, gamma delta,"_qs, u"epsilon zeta eta."_qs};
    QTest::newRow("long sentence at an ideographic comma")
        << u"わたしは、きのうのあさ、がっこうへいきました。"_qs << 14
        << QStringList{u"わたしは、きのうのあさ、"_qs, u"がっこうへいきました。"_qs};
    QTest::newRow("long sentence at a blank, not inside a word")
        << u"internationalisation considerations everywhere"_qs << 40
        << QStringList{u"internationalisation considerations"_qs, u"everywhere"_qs};
    QTest::newRow("one word longer than a cue stays whole")
        << u"Supercalifragilisticexpialidocious is long."_qs << 10
        << QStringList{u"Supercalifragilisticexpialidocious"_qs, u"is long."_qs};
    QTest::newRow("blank line ends a paragraph") << u"Title\n\nBody text"_qs << 84
                                                 << QStringList{u"Title"_qs, u"Body text"_qs};
    QTest::newRow("a book's title, author and heading each alone")
        << u"The Garden Book\nMira Holt\nSpring\nThe garden wakes slowly. First the snowdrops."_qs << 84
        << QStringList{u"The Garden Book"_qs, u"Mira Holt"_qs, u"Spring"_qs, u"The garden wakes slowly."_qs,
                       u"First the snowdrops."_qs};
    QTest::newRow("a hard-wrapped paragraph runs on")
        << u"It was late in the evening when the weary travellers reached the\nvillage, tired and hungry."_qs << 200
        << QStringList{u"It was late in the evening when the weary travellers reached the\nvillage, tired and hungry."_qs};
    // The line is long from its own start, not from the sentence's.
    QTest::newRow("a wrapped sentence begun late in a long line runs on")
        << u"Night fell. They had walked all day across the hills and were tired; they\nslept by the fire. Done"_qs
        << 200
        << QStringList{u"Night fell."_qs,
                       u"They had walked all day across the hills and were tired; they\nslept by the fire."_qs, u"Done"_qs};
}

void TestConvert::cueSpans()
{
    QFETCH(QString, text);
    QFETCH(int, maxChars);
    QFETCH(QStringList, cues);
    QStringList got;
    for (const Subtitles::Span &span : Subtitles::cueSpans(text, maxChars))
        got << text.mid(span.start, span.end - span.start);
    QCOMPARE(got, cues);
}

// A book's subtitles are written a part at a time: numbers run on, the
// WebVTT header comes once, LRC's closing line once at the end.
void TestConvert::subtitlesWrittenInBatches()
{
    const QList<Subtitles::Cue> cues{{0, 1.5, u"One."_qs}, {1.5, 3, u"Two --> three."_qs}, {3, 4.25, u"Four."_qs}};
    for (const Subtitles::Kind kind : {Subtitles::Kind::Srt, Subtitles::Kind::WebVtt, Subtitles::Kind::Lrc}) {
        Subtitles::Writer writer(kind);
        QByteArray batches = writer.add(cues.mid(0, 2));
        batches += writer.add({});
        batches += writer.add(cues.mid(2));
        batches += writer.finish();
        QCOMPARE(batches, Subtitles::write(cues, kind));
    }
    QVERIFY(Subtitles::write(cues, Subtitles::Kind::Srt).contains("\n3\n00:00:03,000 --> 00:00:04,250\nFour.\n"));
    QCOMPARE(Subtitles::write({}, Subtitles::Kind::WebVtt), QByteArray("WEBVTT\n\n"));
    QVERIFY(Subtitles::write(cues, Subtitles::Kind::Lrc).endsWith("Four.\n[00:04.25]\n"));
}

void TestConvert::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("warned");
    // As a Russian and a Japanese editor of the 1990s saved them.
    const QByteArray russian = QByteArray("\xcf\xf0\xe8\xe2\xe5\xf2\x2c\x20\xec\xe8\xf0\x2e\x20\xd1\xfa\xe5\xf8\xfc\x20\xe5\xf9\xb8\x20\xfd\xf2\xe8\xf5\x20\xe1\xf3\xeb\xee\xea\x2e");
    const QByteArray japanese = QByteArray("\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd\x81\x42\x93\x8c\x8b\x9e\x82\xcd\x90\xb0\x82\xea\x82\xc5\x82\xb7\x81\x42");
    QTest::newRow("Windows-1251") << russian << u"windows-1251"_qs << u"Привет, мир. Съешь ещё этих булок."_qs << false;
    QTest::newRow("Windows-1251 by another name") << russian << u"CP1251"_qs << u"Привет, мир. Съешь ещё этих булок."_qs << false;
    QTest::newRow("Shift-JIS") << japanese << u"Shift_JIS"_qs << u"こんにちは。東京は晴れです。"_qs << false;
    QTest::newRow("UTF-8 needs no name") << u"Привет."_qs.toUtf8() << QString() << u"Привет."_qs << false;
    // Unnamed, the bytes are read as Windows-1252 as before, but not silently.
    QTest::newRow("not UTF-8, no name") << russian << QString() << QString() << true;
}

void TestConvert::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QString, text);
    QFETCH(bool, warned);
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"legacy.txt"_qs), bytes);
    const QString output = dir.filePath(u"out.txt"_qs);
    QStringList arguments;
    if (!encoding.isEmpty())
        arguments << u"--encoding"_qs << encoding;
    const Run run = convert(arguments << input << output);
    QCOMPARE(run.code, 0);
    if (warned) {
        QCOMPARE(run.errors.size(), 1);
        QVERIFY2(run.errors.first().contains(u"not UTF-8"_qs) && run.errors.first().contains(u"--encoding"_qs),
                 qPrintable(run.errors.first()));
    } else {
        QCOMPARE(run.errors, QStringList());
    }
    if (!warned)
        QCOMPARE(QString::fromUtf8(contents(output)).trimmed(), text);

    // A name no decoder knows is a mistake on the command line, found before any work.
    const Run unknown = convert({u"--encoding"_qs, u"windows-9999"_qs, input, dir.filePath(u"never.txt"_qs)});
    QCOMPARE(unknown.code, 1);
    QVERIFY(!QFile::exists(dir.filePath(u"never.txt"_qs)));
}

// What is said follows the rules: a given file, else the user's own lists;
// --no-rules says the text as written.
void TestConvert::pronunciationRules()
{
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs), "Say the word now.");
    const QByteArray lengthening = "word\ta sentence that is a great deal longer than the word it stands for\n";
    const QString rules = testsupport::writeFile(dir.filePath(u"rules.txt"_qs),
                                                 "# mine\n" + lengthening + "no tab on this line\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_CONFIG_HOME"_qs, dir.filePath(u"config"_qs));
    const auto seconds = [&](const QStringList &options, const QString &name, QStringList *errors = nullptr) {
        const QString wav = dir.filePath(name);
        const Run run = convert(QStringList{u"--voice"_qs, fliteVoice, u"--quiet"_qs} + options + QStringList{input, wav}, env);
        if (errors)
            *errors = run.errors;
        return run.code == 0 ? waveSeconds(wav) : -1.0;
    };
    QStringList errors;
    const double plain = seconds({u"--no-rules"_qs}, u"plain.wav"_qs, &errors);
    QVERIFY(plain > 0.3);
    QCOMPARE(errors, QStringList());
    const double ruled = seconds({u"--rules"_qs, rules}, u"ruled.wav"_qs, &errors);
    QVERIFY2(ruled > plain + 2, qPrintable(u"%1 vs %2"_qs.arg(ruled).arg(plain)));
    // The line that cannot be read is a warning naming it, not a failure.
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(rules + u": line 3:"_qs), qPrintable(errors.first()));

    // The user's own list is used by default, and not with --no-rules.
    testsupport::writeFile(dir.filePath(u"config/sayora/pronunciation.txt"_qs), lengthening);
    QVERIFY(qAbs(seconds({}, u"own.wav"_qs) - ruled) < 0.1);
    QVERIFY(qAbs(seconds({u"--no-rules"_qs}, u"none.wav"_qs) - plain) < 0.1);
    // A list of another language is not this voice's.
    QFile::rename(dir.filePath(u"config/sayora/pronunciation.txt"_qs), dir.filePath(u"config/sayora/pronunciation-ru.txt"_qs));
    QVERIFY(qAbs(seconds({}, u"russian.wav"_qs) - plain) < 0.1);

    // A batch's workers get the option; its warning is shown once.
    const QString second = testsupport::writeFile(dir.filePath(u"second.txt"_qs), "Say the word now.");
    const Run batch = convert({u"--voice"_qs, fliteVoice, u"--quiet"_qs, u"--rules"_qs, rules, u"-o"_qs,
                               dir.filePath(u"out"_qs), u"-f"_qs, u"wav"_qs, input, second}, env);
    QCOMPARE(batch.code, 0);
    QVERIFY(qAbs(waveSeconds(dir.filePath(u"out/in.wav"_qs)) - ruled) < 0.1);
    QVERIFY(qAbs(waveSeconds(dir.filePath(u"out/second.wav"_qs)) - ruled) < 0.1);
    QCOMPARE(batch.errors.size(), 1);
    QVERIFY2(batch.errors.first().contains(u": line 3:"_qs), qPrintable(batch.errors.first()));

    // Rules that leave nothing to say fail rather than wait for an engine.
    const QString silencing = testsupport::writeFile(dir.filePath(u"silence.txt"_qs), "\\w+\t\tr\n\\.\t\tar\n");
    QCOMPARE(seconds({u"--rules"_qs, silencing}, u"silent.wav"_qs, &errors), -1.0);
    QVERIFY2(errors.join(u' ').contains(u"leave nothing to read aloud"_qs), qPrintable(errors.join(u' ')));

    // Usage errors.
    QCOMPARE(convert({u"--rules"_qs, dir.filePath(u"gone.txt"_qs), input, dir.filePath(u"x.wav"_qs)}, env).code, 1);
    QCOMPARE(convert({u"--rules"_qs, rules, u"--no-rules"_qs, input, dir.filePath(u"x.wav"_qs)}, env).code, 1);
}

void TestConvert::pronunciationRulesInSubtitles_data()
{
    speechFormats_data();
}

// The voice says the replacements; the subtitles show the written words,
// every one in order, timed by the speech.
void TestConvert::pronunciationRulesInSubtitles()
{
    QFETCH(QString, voice);
    QTemporaryDir dir;
    const QString written = u"Say the word now. Then the word again, and stop. The end."_qs;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs), written.toUtf8());
    const QString rules = testsupport::writeFile(dir.filePath(u"rules.txt"_qs),
                                                 "word\ta sentence that is a great deal longer than the word\n"
                                                 "again\t\n");
    const QString wav = dir.filePath(u"out.wav"_qs), srt = dir.filePath(u"out.srt"_qs);
    const Run run = convert({u"--voice"_qs, voice, u"--quiet"_qs, u"--rules"_qs, rules, u"--subtitles"_qs, srt, input, wav});
    QCOMPARE(run.errors, QStringList());
    QCOMPARE(run.code, 0);
    const QList<Cue> cues = parseSubtitles(srt);
    QStringList texts;
    for (const Cue &cue : cues)
        texts << cue.text;
    QCOMPARE(texts.join(u' '), written);
    QCOMPARE(cues.size(), 3);
    // The first sentence, made long by the rule, takes most of the sound.
    QVERIFY2(cues.at(1).start > waveSeconds(wav) / 3, qPrintable(QString::number(cues.at(1).start)));
}

void TestConvert::voiceNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("sampleRate");  // of the voice it picks
    QTest::addColumn<QString>("message");
    QTest::newRow("espeak-ng's short name") << u"en-us"_qs << 0 << 22050 << QString();
    QTest::newRow("flite's short name, any case") << u"SLT"_qs << 0 << 16000 << QString();
    QTest::newRow("flite's 8 kHz voice, not the 16 kHz one") << u"kal"_qs << 0 << 8000 << QString();
    QTest::newRow("a language one voice alone speaks") << u"ja"_qs << 0 << 22050 << QString();
    QTest::newRow("ambiguous") << u"english"_qs << 3 << 0
                               << u"more than one voice goes by \"english\"; did you mean \"Flite Kal (US English, male, 8 kHz)\" (kal), "_qs;
    QTest::newRow("British English by its language") << u"en-gb"_qs << 0 << 22050 << QString();
    QTest::newRow("French by its language") << u"fr-fr"_qs << 0 << 22050 << QString();
    QTest::newRow("Cherokee") << u"Cherokee"_qs << 0 << 22050 << QString();
    QTest::newRow("misspelt") << u"japanse"_qs << 3 << 0 << u"there is no voice \"japanse\"; did you mean \"Japanese\" (ja), "_qs;
}

void TestConvert::voiceNames()
{
    QFETCH(QString, name);
    QFETCH(int, code);
    QFETCH(int, sampleRate);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs), "One word.");
    const QString wav = dir.filePath(u"out.wav"_qs);
    const Run run = convert({u"--voice"_qs, name, u"--quiet"_qs, input, wav});
    QCOMPARE(run.code, code);
    if (code != 0) {
        QCOMPARE(run.errors.size(), 1);
        QVERIFY2(run.errors.first().contains(message), qPrintable(run.errors.first()));
        QVERIFY(!QFile::exists(wav));
        return;
    }
    QCOMPARE(run.errors, QStringList());
    QCOMPARE(WaveFile::readFile(wav).sampleRate, sampleRate);

    // The list says what each voice answers to: name, short name, language, engine.
    const QStringList lines = convert({u"--list-voices"_qs}).out.split(u'\n');
    QVERIFY(lines.contains(u"Flite SLT (US English, female)\tslt\ten-us\tflite"_qs));
    QVERIFY(lines.contains(u"English (America)\ten-us\ten-us\tespeak-ng"_qs));
}

// Voices espeak-ng lists by a language code it cannot load them by speak
// in their own voice, not in the one loaded before.
void TestConvert::everyVoiceSpeaksAsItself()
{
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs), "Bonjour, good morning, one two three.");
    QHash<QByteArray, QString> sounds;
    for (const QString &voice : {u"en-us"_qs, u"en-gb"_qs, u"fr-fr"_qs, u"Cherokee"_qs}) {
        const QString wav = dir.filePath(voice + u".wav"_qs);
        const Run run = convert({u"--quiet"_qs, u"--jobs"_qs, u"1"_qs, u"--voice"_qs, voice, input, wav});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.errors, QStringList());
        const QByteArray sound = contents(wav).mid(WaveFile::headerBytes);
        QVERIFY2(!sounds.contains(sound), qPrintable(u"%1 sounds as %2"_qs.arg(voice, sounds.value(sound))));
        sounds.insert(sound, voice);
    }
}

// A language code several voices speak suggests those voices, not others
// whose names are spelt alike.
void TestConvert::languageCodeSuggestsItsVoices()
{
    QTemporaryDir dir;
    const QString input = testsupport::writeFile(dir.filePath(u"in.txt"_qs), "One word.");
    const Run run = convert({u"--voice"_qs, u"en"_qs, input, dir.filePath(u"out.wav"_qs)});
    QCOMPARE(run.code, 3);
    QCOMPARE(run.errors.size(), 1);
    static const QRegularExpression suggestion(uR"re("([^"]+)" \(([^)]+)\))re"_qs);
    int count = 0;
    for (auto it = suggestion.globalMatch(run.errors.first()); it.hasNext(); ++count) {
        const auto match = it.next();
        QVERIFY2(match.captured(1).contains(u"English"_qs) || match.captured(2).startsWith(u"en"_qs),
                 qPrintable(run.errors.first()));
    }
    QCOMPARE(count, 5);
}

// Standard input's open file is shared with the shell and the rest of a
// pipeline: a conversion killed outright while reading it leaves it
// blocking, as it found it.
void TestConvert::standardInputFlagsLeftAlone()
{
    QTemporaryDir dir;
    int ends[2];
    QCOMPARE(::pipe(ends), 0);
    const int readEnd = ends[0], writeEnd = ends[1];
    const int before = ::fcntl(readEnd, F_GETFL);
    QVERIFY(!(before & O_NONBLOCK));
    QProcess p;
    p.setChildProcessModifier([readEnd] { ::dup2(readEnd, STDIN_FILENO); });
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), {u"--quiet"_qs, u"-"_qs, dir.filePath(u"out.txt"_qs)});
    QVERIFY(p.waitForStarted());
    const QByteArray text = "Some text, and the writer keeps the pipe open.\n";
    QCOMPARE(::write(writeEnd, text.constData(), size_t(text.size())), ssize_t(text.size()));
    // Read by the conversion: it is reading standard input now.
    const auto waiting = [&] {
        int bytes = -1;
        return ::ioctl(readEnd, FIONREAD, &bytes) == 0 ? bytes : -1;
    };
    QTRY_COMPARE_WITH_TIMEOUT(waiting(), 0, 30000);
    QCOMPARE(::fcntl(readEnd, F_GETFL), before);
    ::kill(pid_t(p.processId()), SIGKILL);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(::fcntl(readEnd, F_GETFL), before);
    ::close(readEnd);
    ::close(writeEnd);
}

SAYORA_GUI_TEST_MAIN(TestConvert)

#include "tst_convert.moc"
