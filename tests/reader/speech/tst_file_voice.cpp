// The two engines' voices for a file through their one FileVoice, on the
// real engines: the same cases once per engine.

#include "audio/wave_file.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/file_voice.h"
#include "speech/sapi4_voice.h"
#include "speech/sapi5_voice.h"
#include "support/test_support.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int eventTimeout = 30000;

const QString sentence = QStringLiteral("Every engine renders these few plain words.");

// What a rendering told.
struct Heard
{
    QList<std::pair<qint64, qint64>> words;  // position, bytes of sound before it
    bool done = false;
    QString failed;
};

FileVoice::Events listenTo(Heard &heard)
{
    FileVoice::Events events;
    events.word = [&heard](qint64 position, qint64 audioBytes) { heard.words.append({position, audioBytes}); };
    events.done = [&heard] { heard.done = true; };
    events.failed = [&heard](const QString &why) { heard.failed = why; };
    return events;
}

}  // namespace

class TestFileVoice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void rendersTheTextIntoAWave();
    void barsMoveTheEnginesOwnValues();
    void aHandlerMayDeleteTheRendering();
    void aFileThatCannotBeMadeFailsAtStart();
    void aNullVoiceRefusesEveryText();

private:
    bool flite() const { return QTest::currentDataTag() == QByteArray("flite"); }

    std::unique_ptr<DirectSS> m_directSS;
    std::unique_ptr<SpVoice> m_spVoice;
    FileVoice m_voice;
    QTemporaryDir m_folder;
};

void TestFileVoice::initTestCase_data()
{
    QTest::addColumn<bool>("unused");
    QTest::newRow("flite") << true;
    QTest::newRow("espeak-ng") << true;
}

void TestFileVoice::init()
{
    QVERIFY(m_folder.isValid());
    if (flite()) {
        m_directSS = std::make_unique<DirectSS>();
        QVERIFY(m_directSS->CountEngines() > 0);
        m_directSS->setCurrentMode(1);  // Kal, 8 kHz: quick to make
        m_voice = Sapi4Voice::fileVoiceOf(*m_directSS);
    } else {
        m_spVoice = std::make_unique<SpVoice>();
        QVERIFY(m_spVoice->isValid());
        m_voice = Sapi5Voice::fileVoiceOf(m_spVoice->Voice(), m_spVoice.get(), 0, 100);
    }
    QVERIFY(!m_voice.isNull());
}

void TestFileVoice::cleanup()
{
    m_voice = FileVoice();
    m_directSS.reset();
    m_spVoice.reset();
}

void TestFileVoice::rendersTheTextIntoAWave()
{
    const QString path = m_folder.filePath(QStringLiteral("whole.wav"));
    Heard heard;
    const std::unique_ptr<FileVoice::Rendering> rendering = m_voice.rendering(listenTo(heard));
    QString why;
    QVERIFY2(rendering->start(sentence, path, &why), qPrintable(why));
    QTRY_VERIFY_WITH_TIMEOUT(heard.done || !heard.failed.isEmpty(), eventTimeout);
    QVERIFY2(heard.failed.isEmpty(), qPrintable(heard.failed));
    QVERIFY2(rendering->finish(&why), qPrintable(why));

    const WaveFile::Info wave = WaveFile::readFile(path);
    QVERIFY(wave.valid);
    QCOMPARE(wave.channels, 1);
    QCOMPARE(wave.sampleRate, m_voice.sampleRate());
    QVERIFY(wave.seconds() > 1.0);
    // Seven words, in order, each inside the text and inside the sound.
    QCOMPARE(heard.words.size(), 7);
    QCOMPARE(heard.words.first().first, qint64(0));
    QCOMPARE(heard.words.last().first, qint64(sentence.indexOf(QStringLiteral("words"))));
    for (qsizetype i = 1; i < heard.words.size(); ++i) {
        QVERIFY(heard.words.at(i).first > heard.words.at(i - 1).first);
        QVERIFY(heard.words.at(i).second >= heard.words.at(i - 1).second);
    }
    QVERIFY(heard.words.last().second < wave.dataBytes);
}

void TestFileVoice::barsMoveTheEnginesOwnValues()
{
    const FileVoice unchanged = m_voice.atPositions(-1, -1, -1);
    const FileVoice slowest = m_voice.atPositions(0, 100, 50);
    const FileVoice fastest = m_voice.atPositions(100, 0, 50);
    QCOMPARE(unchanged.wordsPerMinute(), m_voice.wordsPerMinute());
    QVERIFY(slowest.wordsPerMinute() < m_voice.wordsPerMinute());
    QVERIFY(fastest.wordsPerMinute() > m_voice.wordsPerMinute());
    QCOMPARE(slowest.sampleRate(), m_voice.sampleRate());
    QVERIFY(m_voice.loadError().isEmpty());
    if (flite()) {
        // The window's control takes the engine's own speed and pitch.
        QVERIFY(m_voice.controlVoice());
        QCOMPARE(m_voice.controlVoice()->speed, m_directSS->Speed());
        QCOMPARE(m_voice.controlVoice()->pitch, m_directSS->Pitch());
        QCOMPARE(slowest.controlVoice()->speed, m_directSS->MinSpeed());
        QCOMPARE(slowest.controlVoice()->pitch, m_directSS->MaxPitch());
        QCOMPARE(fastest.controlVoice()->speed, m_directSS->MaxSpeed());
        QCOMPARE(fastest.controlVoice()->pitch, m_directSS->MinPitch());
    } else {
        QVERIFY(!m_voice.controlVoice());
    }
}

// The export ends a rendering from inside its handlers (a failure, a
// cancel): nothing more is heard of it, and the engine renders the next
// text whole.
void TestFileVoice::aHandlerMayDeleteTheRendering()
{
    Heard first;
    std::unique_ptr<FileVoice::Rendering> rendering;
    FileVoice::Events events = listenTo(first);
    events.word = [&](qint64 position, qint64 audioBytes) {
        first.words.append({position, audioBytes});
        rendering.reset();
    };
    rendering = m_voice.rendering(events);
    QString why;
    QVERIFY2(rendering->start(sentence, m_folder.filePath(QStringLiteral("dropped.wav")), &why), qPrintable(why));
    QTRY_VERIFY_WITH_TIMEOUT(!rendering, eventTimeout);

    Heard second;
    const std::unique_ptr<FileVoice::Rendering> next = m_voice.rendering(listenTo(second));
    QVERIFY2(next->start(sentence, m_folder.filePath(QStringLiteral("next.wav")), &why), qPrintable(why));
    QTRY_VERIFY_WITH_TIMEOUT(second.done || !second.failed.isEmpty(), eventTimeout);
    QVERIFY2(second.failed.isEmpty(), qPrintable(second.failed));
    QVERIFY2(next->finish(&why), qPrintable(why));
    QCOMPARE(second.words.size(), 7);
    QCOMPARE(first.words.size(), 1);
    QVERIFY(!first.done);
}

void TestFileVoice::aFileThatCannotBeMadeFailsAtStart()
{
    Heard heard;
    const std::unique_ptr<FileVoice::Rendering> rendering = m_voice.rendering(listenTo(heard));
    QString why;
    QVERIFY(!rendering->start(sentence, m_folder.filePath(QStringLiteral("missing/folder.wav")), &why));
    QVERIFY(!why.isEmpty());
}

void TestFileVoice::aNullVoiceRefusesEveryText()
{
    const FileVoice none;
    QVERIFY(none.isNull());
    QCOMPARE(none.sampleRate(), 0);
    QVERIFY(!none.controlVoice());
    QVERIFY(none.atPositions(50, 50, 50).isNull());
    Heard heard;
    QString why;
    QVERIFY(!none.rendering(listenTo(heard))->start(sentence, m_folder.filePath(QStringLiteral("none.wav")), &why));
    QVERIFY(!why.isEmpty());
}

SAYORA_GUI_TEST_MAIN(TestFileVoice)
#include "tst_file_voice.moc"
