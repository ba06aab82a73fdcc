// The Save rules as pure functions, the files they write read back through
// our own opener, and the MP3 check against real lame output.
#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "export/elapsed_time.h"
#include "documents/document_saver.h"
#include "documents/save_types.h"
#include "export/export_estimate.h"
#include "export/sound_file_commit.h"
#include "files/atomic_file.h"
#include "documents/document_loader.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>

namespace {

// A mono 16-bit WAV of a tone.
QByteArray toneWave(int sampleRate, double seconds)
{
    const qint64 samples = qint64(sampleRate * seconds);
    QByteArray data(samples * 2, Qt::Uninitialized);
    for (qint64 i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(qint16(8000 * std::sin(i * 0.05)), data.data() + 2 * i);
    return WaveFile::header(sampleRate, data.size()) + data;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestDocumentSaver : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void rules()
    {
        using namespace SaveTypes;
        using namespace ExportEstimate;
        QCOMPARE(FormatElapsed(59), u"00:00:59"_qs);
        QCOMPARE(FormatElapsed(3600), u"01:00:00"_qs);
        QCOMPARE(FormatElapsed(3700), u"01:01:40"_qs);
        QCOMPARE(estimateWaveSize(10000, 58), 248440.76);
        QVERIFY(qFuzzyCompare(estimateMp3Size(24844076), 45074.8));
        QVERIFY(std::isfinite(estimateWaveSize(10, 0)));  // a rate label of 0
        QCOMPARE(estimateTextLength(u"a   b    c"_qs), 4);    // three blanks leave one, four none
        QCOMPARE(withExtension(u"/d/a.txt"_qs, u".mp3"_qs), u"/d/a.txt.mp3"_qs);
        QCOMPARE(withExtension(u"/d/A.MP3"_qs, u".mp3"_qs), u"/d/A.MP3.mp3"_qs);
        QCOMPARE(withExtension(u"/d/b.mp3"_qs, u".mp3"_qs), u"/d/b.mp3"_qs);
        QCOMPARE(cleanName(QString(u"  /d/x.txt\0\0 "_qs)), u"/d/x.txt"_qs);
        QCOMPARE(saveDirFor(u"/d/e/x.txt"_qs), u"/d/e/"_qs);
        QCOMPARE(initialFilter(u".rtf"_qs), int(RichText));
        QCOMPARE(initialFilter(u""_qs), int(Text));
        QCOMPARE(initialFilter(u".mp3"_qs), int(Mp3));
        // Every type's SaveExt brings its own filter back, and names what
        // it writes.
        for (int type = RichText; type <= Flac; ++type)
            QCOMPARE(initialFilter(saveExtFor(Type(type))), type);
        QCOMPARE(filters().size(), int(Flac));
        QCOMPARE(targetFor(u"/d/Novel/"_qs, ChapterFiles), u"/d/Novel"_qs);
        QCOMPARE(targetFor(u"/d/novel"_qs, MarkedMp3), u"/d/novel.mp3"_qs);
        QCOMPARE(targetFor(u"/d/novel.opus"_qs, Opus), u"/d/novel.opus"_qs);
        QCOMPARE(targetFor(u"/d/novel.OPUS"_qs, Opus), u"/d/novel.OPUS.opus"_qs);
        QCOMPARE(targetFor(u"/d/novel"_qs, M4b), u"/d/novel.m4b"_qs);
        // A 2.5 MB novel at espeak-ng's own pace (175 words a minute,
        // 22.05 kHz) needs more than a WAV file holds; 100,000 characters
        // at its slowest do not.
        QVERIFY(longestWaveBytes(2500000, 175, 22050) > double(maxWaveDataBytes));
        QVERIFY(longestWaveBytes(100000, 80, 22050) < double(maxWaveDataBytes));
    }

    // What Save writes, our opener reads back exactly.
    void filesRoundTrip()
    {
        const QString text = u"  Leading and trailing blanks  \n{braces} \\back\\slash\ttab\n"
                             u"Ελληνικά, Русский, 日本語, emoji 😀 and ‘quotes’.\n\n  "_qs;
        const QString txt = m_dir.filePath(u"a.txt"_qs), rtf = m_dir.filePath(u"a.rtf"_qs);
        QString error;
        QVERIFY(AtomicFile::write(txt, DocumentSaver::textFile(text), &error));
        QVERIFY(AtomicFile::write(rtf, DocumentSaver::richTextFile(text), &error));
        QFile raw(txt);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QCOMPARE(raw.readAll(), text.toUtf8() + "\r\n");
        DocumentLoader box;
        QVERIFY(box.LoadFile(rtf));
        QCOMPARE(box.Text(), text);
        // Line breaks at the end are text too.
        for (const QString &ending : {u"Last line\n"_qs, u"Two breaks\n\n"_qs, u"\n"_qs}) {
            QVERIFY(AtomicFile::write(rtf, DocumentSaver::richTextFile(ending), &error));
            QVERIFY(box.LoadFile(rtf));
            QCOMPARE(box.Text(), ending);
        }
        // A failed write keeps the old file.
        QVERIFY(!AtomicFile::write(m_dir.filePath(u"no/such/folder/x.txt"_qs), "x", &error));
        QVERIFY(!error.isEmpty());
    }

    void mp3Check()
    {
        const QString wav = m_dir.filePath(u"tone.wav"_qs), mp3 = m_dir.filePath(u"tone.mp3"_qs);
        QFile f(wav);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(toneWave(16000, 2.0));
        f.close();
        double seconds = 0;
        QString why;
        QVERIFY(SoundFileCommit::checkWave(wav, &seconds, &why));
        QCOMPARE(seconds, 2.0);
        QCOMPARE(QProcess::execute(u"lame"_qs, {u"-f"_qs, u"--quiet"_qs, wav, mp3}), 0);
        QFile encoded(mp3);
        QVERIFY(encoded.open(QIODevice::ReadOnly));
        const QByteArray bytes = encoded.readAll();
        QVERIFY(SoundFileCommit::checkMp3(bytes, &seconds));
        QVERIFY2(seconds >= 2.0 && seconds < 2.2, qPrintable(QString::number(seconds)));
        // The same verdicts from the bytes and, a slice at a time, from a
        // file (a frame across two slices included).
        const QByteArray longer = bytes.repeated(300);  // past one slice
        const std::pair<QByteArray, bool> cases[] = {
            {bytes, true}, {longer, true}, {bytes + "TAG" + QByteArray(125, ' '), true},
            {bytes.left(bytes.size() / 2 + 7), false},  // cut in a frame
            {longer.left(longer.size() - 5), false}, {QByteArray(4000, 'x'), false}, {QByteArray(), false}};
        for (const auto &[content, whole] : cases) {
            double fromBytes = 0, fromFile = 0;
            QCOMPARE(SoundFileCommit::checkMp3(content, &fromBytes), whole);
            QCOMPARE(Mp3Stream::checkFile(testsupport::writeFile(m_dir.filePath(u"check.mp3"_qs), content), &fromFile), whole);
            QCOMPARE(fromFile, fromBytes);
        }
        // A text file is no WAV, nor is a header that overstates its data.
        QVERIFY(!SoundFileCommit::checkWave(mp3, &seconds, &why));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(1000);
        f.close();
        QVERIFY(!SoundFileCommit::checkWave(wav, &seconds, &why));
    }

    // Any name the file system takes is exported to, temporaries included.
    void longTargetNames()
    {
        QDir(m_dir.path()).mkdir(u"long"_qs);
        const QString folder = m_dir.filePath(u"long"_qs);
        // 250 bytes; and 254 bytes of two-byte characters.
        for (const QString &name : {QString(246, u'a') + u".mp3"_qs, QString(125, u'é') + u".mp3"_qs}) {
            const QString target = folder + u'/' + name;
            SoundFileCommit exporter;
            QVERIFY2(exporter.prepare(target), qPrintable(exporter.errorString()));
            for (const QString &tmp : {exporter.tmpWav(), exporter.tmpEncoded()}) {
                const QFileInfo info(tmp);
                QCOMPARE(info.absolutePath(), folder);
                QVERIFY(info.fileName().startsWith(u'.'));
                QVERIFY(QFile::encodeName(info.fileName()).size() <= 255);
            }
            QVERIFY(exporter.tmpWav() != exporter.tmpEncoded());
            testsupport::writeFile(exporter.tmpWav(), toneWave(16000, 1.0));
            QSignalSpy done(&exporter, &SoundFileCommit::encoderFinished);
            QVERIFY2(exporter.startEncoder(), qPrintable(exporter.errorString()));
            QVERIFY(done.wait(30000));
            QVERIFY2(exporter.finish(), qPrintable(exporter.errorString()));
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{name});
            double seconds = 0;
            QVERIFY(SoundFileCommit::checkMp3(contents(target), &seconds));
            QVERIFY(QFile::remove(target));
        }
    }

    // A target that is a link is written through: the file behind it gets
    // the sound, the link stays a link.
    void symlinkTargets()
    {
        const QString store = m_dir.filePath(u"store"_qs), links = m_dir.filePath(u"links"_qs);
        QDir().mkpath(store);
        QDir().mkpath(links);
        const QString real = testsupport::writeFile(store + u"/real.wav"_qs, "old");
        QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        QVERIFY(QFile::link(u"../store/real.wav"_qs, links + u"/link.wav"_qs));
        // A link to a file not made yet gets that file.
        QVERIFY(QFile::link(u"../store/new.wav"_qs, links + u"/dangling.wav"_qs));
        const QByteArray sound = toneWave(16000, 0.5);
        for (const QString &link : {u"link.wav"_qs, u"dangling.wav"_qs}) {
            SoundFileCommit exporter;
            QVERIFY2(exporter.prepare(links + u'/' + link, false), qPrintable(exporter.errorString()));
            QCOMPARE(QFileInfo(exporter.tmpWav()).absolutePath(), store);
            testsupport::writeFile(exporter.tmpWav(), sound);
            QVERIFY2(exporter.keepWave(), qPrintable(exporter.errorString()));
            QVERIFY(QFileInfo(links + u'/' + link).isSymLink());
            QCOMPARE(contents(links + u'/' + link), sound);
        }
        // The file keeps its permissions (owner, group and others).
        QCOMPARE(QFileInfo(real).permissions() & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        QCOMPARE(QDir(store).entryList(QDir::Files | QDir::Hidden), QStringList({u"new.wav"_qs, u"real.wav"_qs}));
        QCOMPARE(QDir(links).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({u"dangling.wav"_qs, u"link.wav"_qs}));
    }
};

QTEST_GUILESS_MAIN(TestDocumentSaver)

#include "tst_document_saver.moc"
