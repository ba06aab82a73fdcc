// The converter's MP3 encoding in its own process: the frames the lame
// program writes of the same sound, from a WAV that the voice is still
// writing. Real WAVs of the real engines' programs, and lame to compare.

#include "audio/mp3_stream.h"
#include "audio/wave_file.h"
#include "export/growing_wave_encoder.h"
#include "export/mp3_encoder.h"
#include "export/mp3_tag.h"

#include "support/test_support.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using testsupport::contents;

namespace {

// What the engine's own program renders: espeak-ng at 22,050 Hz, flite's
// Kal at 8,000.
QString render(const QTemporaryDir &dir, const QString &engine, const QString &name)
{
    const QString text = QStringLiteral(
        "The encoder works on the sound already rendered while the voice renders the rest. "
        "Nothing is left to encode once the voice is done, and the file is the one lame makes. ");
    const QString wave = dir.filePath(name + u".wav"_qs);
    const QStringList arguments = engine == u"flite"
                                      ? QStringList{u"-voice"_qs, u"kal"_qs, u"-t"_qs, text.repeated(3), u"-o"_qs, wave}
                                      : QStringList{u"-v"_qs, u"en-us"_qs, u"-w"_qs, wave, text.repeated(6)};
    if (QProcess::execute(engine == u"flite" ? u"flite"_qs : u"espeak-ng"_qs, arguments) != 0)
        return {};
    return wave;
}

QByteArray lame(const QString &wave, const QString &mp3, int kbps)
{
    QStringList arguments{u"-f"_qs, u"--quiet"_qs};
    if (kbps > 0)
        arguments << u"-b"_qs << QString::number(kbps);
    if (QProcess::execute(u"lame"_qs, arguments << wave << mp3) != 0)
        return {};
    return contents(mp3);
}

// The sound frames, after the tag and the informational first frame.
QByteArray soundFrames(const QByteArray &mp3)
{
    const qsizetype first = Mp3Stream::firstFrame(mp3);
    Mp3Stream::Frame frame;
    if (!Mp3Stream::frameAt(mp3, first, &frame))
        return {};
    return mp3.mid(Mp3Stream::isInfoFrame(mp3, first, frame) ? first + frame.length : first);
}

// The WAV written to path slice by slice, as a voice writes it: the header
// with no length first, the true one last.
class WaveWriter
{
public:
    WaveWriter(const QString &from, const QString &to)
        : m_bytes(contents(from))
        , m_file(to)
    {
        m_info = WaveFile::read(m_bytes.left(WaveFile::headerBytes), m_bytes.size());
        if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            m_file.write(WaveFile::header(m_info.sampleRate, 0));
    }
    bool valid() const { return m_info.valid && m_file.isOpen(); }
    WaveFile::Info info() const { return m_info; }
    // Writes up to share (0 … 1) of the sound.
    void writeTo(double share)
    {
        const qint64 until = qint64(double(m_info.dataBytes) * share) & ~qint64(1);
        m_file.write(m_bytes.mid(WaveFile::headerBytes + m_written, until - m_written));
        m_written = std::max(m_written, until);
    }
    void close()
    {
        writeTo(1);
        m_file.seek(0);
        m_file.write(WaveFile::header(m_info.sampleRate, m_info.dataBytes));
        m_file.close();
    }

private:
    QByteArray m_bytes;
    QFile m_file;
    WaveFile::Info m_info;
    qint64 m_written = 0;
};

}  // namespace

class TestStreamEncoding : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameFramesAsLame_data();
    void sameFramesAsLame();
    void encodesWhileTheFileGrows();
    void rateKnownLate_data();
    void rateKnownLate();
    void failures_data();
    void failures();
    void stoppedMidway();
    void tagBeforeTheFrames();

private:
    QTemporaryDir m_dir;
    QString m_espeak;
    QString m_kal;
};

void TestStreamEncoding::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_espeak = render(m_dir, u"espeak-ng"_qs, u"espeak"_qs);
    m_kal = render(m_dir, u"flite"_qs, u"kal"_qs);
    QVERIFY(!m_espeak.isEmpty() && !m_kal.isEmpty());
    QVERIFY(WaveFile::readFile(m_espeak).dataBytes > 2 * 1024 * 1024);  // more than one slice
}

void TestStreamEncoding::sameFramesAsLame_data()
{
    QTest::addColumn<QString>("wave");
    QTest::addColumn<int>("kbps");
    QTest::newRow("espeak-ng, 22 kHz") << u"espeak"_qs << 0;
    QTest::newRow("flite Kal, 8 kHz") << u"kal"_qs << 0;
    QTest::newRow("espeak-ng, 64 kbps") << u"espeak"_qs << 64;
}

// A whole WAV encoded here is what `lame -f` makes of it: the same frames,
// and without a bit rate the same file to the byte (its "Info" notes too).
void TestStreamEncoding::sameFramesAsLame()
{
    QFETCH(QString, wave);
    QFETCH(int, kbps);
    const QString source = wave == u"kal" ? m_kal : m_espeak;
    const QString ours = m_dir.filePath(QTest::currentDataTag() + u".ours.mp3"_qs);
    const QByteArray theirs = lame(source, m_dir.filePath(QTest::currentDataTag() + u".lame.mp3"_qs), kbps);
    QVERIFY(!theirs.isEmpty());

    GrowingWaveEncoder encoder;
    QSignalSpy finished(&encoder, &GrowingWaveEncoder::finished);
    const WaveFile::Info info = WaveFile::readFile(source);
    encoder.start(source, info.sampleRate, std::make_unique<Mp3Encoder>(ours, kbps));
    encoder.complete(info.dataBytes, info.sampleRate);
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.first().first().toString(), QString());
    QCOMPARE(encoder.progress(1), 1.0);
    const QByteArray made = contents(ours);
    QCOMPARE(soundFrames(made).size(), soundFrames(theirs).size());
    QVERIFY(soundFrames(made) == soundFrames(theirs));
    if (kbps == 0)
        QVERIFY(made == theirs);
    double seconds = 0;
    QVERIFY(Mp3Stream::check(made, &seconds));
    QVERIFY2(qAbs(seconds - info.seconds()) < 0.2, qPrintable(QString::number(seconds)));
}

// The file is encoded as it is written: half of it is encoded before the
// rest exists, and the end is the file lame makes of the whole.
void TestStreamEncoding::encodesWhileTheFileGrows()
{
    const QString growing = m_dir.filePath(u"growing.wav"_qs);
    const QString ours = m_dir.filePath(u"growing.mp3"_qs);
    WaveWriter writer(m_espeak, growing);
    QVERIFY(writer.valid());
    GrowingWaveEncoder encoder;
    QSignalSpy finished(&encoder, &GrowingWaveEncoder::finished);
    encoder.start(growing, writer.info().sampleRate, std::make_unique<Mp3Encoder>(ours, 0));
    for (const double share : {0.1, 0.3, 0.5}) {
        writer.writeTo(share);
        encoder.grown();
    }
    QTRY_VERIFY_WITH_TIMEOUT(encoder.progress(0.5) >= 0.5, 60000);
    // Caught up with the writer, it waits for more rather than ending.
    encoder.grown();
    QCoreApplication::processEvents();
    QVERIFY(finished.isEmpty());
    writer.close();
    encoder.complete(writer.info().dataBytes, writer.info().sampleRate);
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.first().first().toString(), QString());
    QVERIFY(contents(ours) == lame(m_espeak, m_dir.filePath(u"growing.lame.mp3"_qs), 0));
}

void TestStreamEncoding::rateKnownLate_data()
{
    QTest::addColumn<int>("expected");
    QTest::newRow("unknown until the end") << 0;
    QTest::newRow("another rate expected") << 16000;
}

// A rate known only once the file is whole, or not the one expected: the
// sound is encoded (again) at the true one.
void TestStreamEncoding::rateKnownLate()
{
    QFETCH(int, expected);
    const QString growing = m_dir.filePath(QTest::currentDataTag() + u".wav"_qs);
    const QString ours = m_dir.filePath(QTest::currentDataTag() + u".mp3"_qs);
    WaveWriter writer(m_espeak, growing);
    QVERIFY(writer.valid());
    GrowingWaveEncoder encoder;
    QSignalSpy finished(&encoder, &GrowingWaveEncoder::finished);
    encoder.start(growing, expected, std::make_unique<Mp3Encoder>(ours, 0));
    writer.writeTo(0.6);
    encoder.grown();
    if (expected > 0)
        QTRY_VERIFY_WITH_TIMEOUT(encoder.progress(0.6) > 0, 60000);
    else
        QCOMPARE(encoder.progress(0.6), 0.0);
    writer.close();
    encoder.complete(writer.info().dataBytes, writer.info().sampleRate);
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.first().first().toString(), QString());
    QVERIFY(contents(ours) == lame(m_espeak, m_dir.filePath(QTest::currentDataTag() + u".lame.mp3"_qs), 0));
}

void TestStreamEncoding::failures_data()
{
    QTest::addColumn<QString>("target");  // %d: the test's folder
    QTest::addColumn<qint64>("missing");  // bytes the header promises beyond the file
    QTest::addColumn<QString>("reason");
    QTest::newRow("sound cut short") << u"%d/short.mp3"_qs << qint64(4096) << u"ends before its header says"_qs;
    QTest::newRow("no folder for the MP3") << u"%d/none/short.mp3"_qs << qint64(0) << u"No such file"_qs;
}

// A WAV shorter than its writer said, and an MP3 that cannot be made, end
// the encoding with the reason.
void TestStreamEncoding::failures()
{
    QFETCH(QString, target);
    QFETCH(qint64, missing);
    QFETCH(QString, reason);
    const WaveFile::Info info = WaveFile::readFile(m_espeak);
    GrowingWaveEncoder encoder;
    QSignalSpy finished(&encoder, &GrowingWaveEncoder::finished);
    encoder.start(m_espeak, info.sampleRate, std::make_unique<Mp3Encoder>(target.replace(u"%d"_qs, m_dir.path()), 0));
    encoder.complete(info.dataBytes + missing, info.sampleRate);
    QVERIFY(finished.wait(60000));
    const QString error = finished.first().first().toString();
    QVERIFY2(error.contains(reason), qPrintable(error));
}

// Stopped while it waits for more, or while it encodes: it ends at once,
// says nothing, and leaves the file for its owner to remove.
void TestStreamEncoding::stoppedMidway()
{
    const QString growing = m_dir.filePath(u"stopped.wav"_qs);
    WaveWriter writer(m_espeak, growing);
    QVERIFY(writer.valid());
    GrowingWaveEncoder encoder;
    QSignalSpy finished(&encoder, &GrowingWaveEncoder::finished);
    encoder.start(growing, writer.info().sampleRate, std::make_unique<Mp3Encoder>(m_dir.filePath(u"stopped.mp3"_qs), 0));
    writer.writeTo(0.2);
    encoder.grown();
    QTRY_VERIFY_WITH_TIMEOUT(encoder.progress(0.2) > 0, 60000);
    encoder.stop();
    QVERIFY(!encoder.running());
    writer.close();
    encoder.grown();
    encoder.complete(writer.info().dataBytes, writer.info().sampleRate);
    QCoreApplication::processEvents();
    QVERIFY(finished.isEmpty());
    // Started again, it encodes the whole.
    const QString again = m_dir.filePath(u"again.mp3"_qs);
    encoder.start(growing, writer.info().sampleRate, std::make_unique<Mp3Encoder>(again, 0));
    encoder.complete(writer.info().dataBytes, writer.info().sampleRate);
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.first().first().toString(), QString());
    QVERIFY(contents(again) == lame(m_espeak, m_dir.filePath(u"again.lame.mp3"_qs), 0));
}

// A tag put before the frames: players read it, and the "Info" frame still
// lands where it belongs, after it.
void TestStreamEncoding::tagBeforeTheFrames()
{
    const QByteArray tag = Mp3Tag::render({u"Mühle am Fluss"_qs, u"Bücher"_qs, u"Anna"_qs, 2, 9});
    QVERIFY(tag.startsWith("ID3"));
    QVERIFY(Mp3Tag::render({}).isEmpty());
    const QString ours = m_dir.filePath(u"tagged.mp3"_qs);
    const WaveFile::Info info = WaveFile::readFile(m_kal);
    GrowingWaveEncoder encoder;
    QSignalSpy finished(&encoder, &GrowingWaveEncoder::finished);
    encoder.start(m_kal, info.sampleRate, std::make_unique<Mp3Encoder>(ours, 0, tag));
    encoder.complete(info.dataBytes, info.sampleRate);
    QVERIFY(finished.wait(60000));
    const QByteArray made = contents(ours);
    QVERIFY(made.startsWith(tag));
    QVERIFY(made.mid(tag.size()) == lame(m_kal, m_dir.filePath(u"tagged.lame.mp3"_qs), 0));
    QProcess probe;
    probe.start(u"ffprobe"_qs, {u"-v"_qs, u"error"_qs, u"-show_entries"_qs, u"format_tags"_qs, u"-of"_qs,
                                u"default=noprint_wrappers=1"_qs, ours});
    QVERIFY(probe.waitForFinished(60000));
    const QString tags = QString::fromUtf8(probe.readAllStandardOutput());
    for (const QString &line : {u"TAG:title=Mühle am Fluss"_qs, u"TAG:album=Bücher"_qs, u"TAG:artist=Anna"_qs, u"TAG:track=2/9"_qs})
        QVERIFY2(tags.contains(line), qPrintable(tags));
}

QTEST_GUILESS_MAIN(TestStreamEncoding)
#include "tst_stream_encoding.moc"
