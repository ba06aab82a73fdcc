// Reading aloud a text in several languages: each sentence by the voice of
// its language, the highlight on its words, back to the selected voice
// after it; pause, stop and a start in the middle across the switches. The
// real engines behind the window's speech widgets.

#include "app/language_switch.h"
#include "app/speech_panel.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"
#include "support/speech_fixture.h"
#include "support/test_support.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int readingTimeout = 120000;

const QString english1 = u"This book begins in English, as most of its chapters do. "_s;
const QString russian = u"Это предложение написано на русском языке. "_s;
const QString english2 = u"Then the story goes on in English for a while. "_s;
const QString greek = u"Αυτή η πρόταση είναι γραμμένη στα ελληνικά. "_s;
const QString japanese = u"これは日本語で書かれた文です。"_s;
const QString english3 = u"And it ends in English again."_s;
const QStringList sentences{english1, russian, english2, greek, japanese, english3};
const QString mixed = sentences.join(QString());

qsizetype sentenceStart(int index)
{
    qsizetype start = 0;
    for (int i = 0; i < index; ++i)
        start += sentences.at(i).size();
    return start;
}

struct Fixture : SpeechFixture
{
    void stopIfSpeaking()
    {
        if (speech->readingUnderway())
            speech->Stop();
        QTRY_VERIFY_WITH_TIMEOUT(!speech->newsVoice()->isSpeaking(), 10000);
    }
};

struct Highlight
{
    qsizetype start;
    QString text;
};

// Every word the window highlights while it reads.
struct Highlights
{
    QList<Highlight> words;
    QMetaObject::Connection connection;

    explicit Highlights(QPlainTextEdit *box)
    {
        connection = QObject::connect(box, &QPlainTextEdit::selectionChanged, box, [this, box] {
            const QTextCursor cursor = box->textCursor();
            if (cursor.hasSelection())
                words.append({cursor.selectionStart(), cursor.selectedText()});
        });
    }
    ~Highlights() { QObject::disconnect(connection); }
    int inSentence(int index) const
    {
        const qsizetype from = sentenceStart(index), to = from + sentences.at(index).size();
        return int(std::count_if(words.cbegin(), words.cend(),
                                 [&](const Highlight &h) { return h.start >= from && h.start < to; }));
    }
};

}  // namespace

class TestLanguageReading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        f = std::make_unique<Fixture>();
        QVERIFY(f->speech->sapi4Count() > 0);
        QVERIFY(f->speech->newsVoice());
    }
    void init()
    {
        f->stopIfSpeaking();
        f->speech->setLanguageSwitch(true);
    }

    void eachSentenceItsVoice_data()
    {
        QTest::addColumn<int>("engine");
        QTest::newRow("flite") << 4;
        QTest::newRow("espeak-ng") << 5;
    }
    void eachSentenceItsVoice()
    {
        QFETCH(int, engine);
        f->choose(engine);
        const QString selected = f->speech->currentVoiceName();
        f->setText(mixed, 0);
        QSignalSpy runs(f->speech.get(), &SpeechController::runStarted);
        QSignalSpy stopped(f->speech.get(), &SpeechController::readingStopped);
        QSignalSpy silent(f->speech.get(), &SpeechController::nothingSpoken);
        Highlights highlights(f->w.MainTxtBox);
        f->speech->Speak();
        QVERIFY(stopped.wait(readingTimeout));
        QCOMPARE(silent.count(), 0);

        // A run for each sentence, where it stands, the foreign ones by
        // voices of their own and the English ones by the selected voice.
        QCOMPARE(runs.count(), sentences.size());
        QStringList voices;
        for (int i = 0; i < runs.count(); ++i) {
            QCOMPARE(runs.at(i).at(0).toLongLong(), sentenceStart(i));
            QCOMPARE(runs.at(i).at(1).toLongLong(), sentences.at(i).size());
            voices << runs.at(i).at(2).toString();
        }
        for (int i : {0, 2, 5})
            QCOMPARE(voices.at(i), selected);
        for (int i : {1, 3, 4})
            QVERIFY2(voices.at(i) != selected, qPrintable(voices.join(u", ")));
        QCOMPARE(QSet<QString>(voices.cbegin(), voices.cend()).size(), 4);

        // The highlight was on words of every sentence, on the written words,
        // in reading order.
        for (int i = 0; i < sentences.size(); ++i)
            QVERIFY2(highlights.inSentence(i) > 0, qPrintable(sentences.at(i)));
        qsizetype last = -1;
        for (const Highlight &h : std::as_const(highlights.words)) {
            QVERIFY2(h.start >= last, qPrintable(h.text));
            QVERIFY(mixed.mid(h.start, h.text.size()) == h.text);
            last = h.start;
        }
        QVERIFY(highlights.words.size() >= 20);
        // The selected voice is the voice again.
        QCOMPARE(f->speech->currentVoiceName(), selected);
        if (engine == 5)
            QCOMPARE(f->speech->newsVoice()->Voice().Language(), u"en-us"_s);
        QVERIFY(f->speech->state() != SpeechController::State::Speaking);
    }

    // Pausing in another language's sentence and resuming goes on with it
    // and the rest; stopping there ends the whole reading.
    void pauseAndStopAcrossSwitches()
    {
        f->choose(4);
        f->setText(mixed, 0);
        QSignalSpy runs(f->speech.get(), &SpeechController::runStarted);
        QSignalSpy stopped(f->speech.get(), &SpeechController::readingStopped);
        QSignalSpy words(f->speech->newsVoice(), &SpVoice::Word);
        f->speech->Speak();
        // The Russian sentence is being read by espeak-ng.
        QTRY_VERIFY_WITH_TIMEOUT(runs.count() >= 2 && words.count() >= 1, readingTimeout);
        QVERIFY(runs.last().at(2).toString() != f->speech->currentVoiceName());
        f->speech->Pause();
        QCOMPARE(f->speech->state(), SpeechController::State::Paused);
        f->speech->Speak();
        QCOMPARE(f->speech->state(), SpeechController::State::Speaking);
        QVERIFY(stopped.wait(readingTimeout));
        QCOMPARE(runs.count(), sentences.size());

        runs.clear();
        stopped.clear();
        f->speech->Speak();
        QTRY_VERIFY_WITH_TIMEOUT(runs.count() >= 2, readingTimeout);
        f->speech->Stop();
        QVERIFY(stopped.count() >= 1);
        QTRY_VERIFY_WITH_TIMEOUT(!f->speech->newsVoice()->isSpeaking(), 10000);
        // Nothing more is read: no run follows the stopped one.
        const int count = int(runs.count());
        QTest::qWait(1500);
        QCOMPARE(runs.count(), count);
        QVERIFY(f->speech->state() != SpeechController::State::Speaking);
    }

    // From a caret inside the Greek sentence: its voice reads from there,
    // then the selected voice the English after it.
    void startInTheMiddleOfARun()
    {
        f->choose(5);
        const QString text = greek + english1 + english2 + english3;
        const qsizetype caret = 5;
        f->setText(text, int(caret));
        QSignalSpy runs(f->speech.get(), &SpeechController::runStarted);
        QSignalSpy stopped(f->speech.get(), &SpeechController::readingStopped);
        f->speech->Speak();
        QVERIFY(stopped.wait(readingTimeout));
        QCOMPARE(runs.count(), 2);
        QCOMPARE(runs.at(0).at(0).toLongLong(), caret);
        QCOMPARE(runs.at(0).at(1).toLongLong(), greek.size() - caret);
        QVERIFY(runs.at(0).at(2).toString() != f->speech->currentVoiceName());
        QCOMPARE(runs.at(1).at(0).toLongLong(), greek.size());
        QCOMPARE(runs.at(1).at(2).toString(), f->speech->currentVoiceName());
    }

    // A text mostly in another script does not take the selected voice away:
    // its own sentences go to their language's voice, the English one stays
    // with the flite voice the user chose, and the voice box keeps it.
    void mostlyAnotherScript()
    {
        f->choose(4);
        const QString selected = f->speech->currentVoiceName();
        const QString text = russian + russian + english2 + russian;
        f->setText(text, 0);
        QSignalSpy runs(f->speech.get(), &SpeechController::runStarted);
        QSignalSpy stopped(f->speech.get(), &SpeechController::readingStopped);
        f->speech->Speak();
        QVERIFY(stopped.wait(readingTimeout));
        QCOMPARE(runs.count(), 3);
        QVERIFY(runs.at(0).at(2).toString() != selected);
        QCOMPARE(runs.at(1).at(0).toLongLong(), 2 * russian.size());
        QCOMPARE(runs.at(1).at(2).toString(), selected);
        QCOMPARE(f->speech->currentVoiceName(), selected);
    }

    // The menu's check item turns switching off and on, and is remembered.
    void optionIsRemembered()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"options.ini"_s);
        {
            LanguageSwitchOption option(f->speech.get(), &f->window, file);
            QVERIFY(option.action()->isChecked());
            QVERIFY(f->speech->languageSwitch());
            option.action()->trigger();
            QVERIFY(!f->speech->languageSwitch());
        }
        f->speech->setLanguageSwitch(true);
        LanguageSwitchOption again(f->speech.get(), &f->window, file);
        QVERIFY(!again.action()->isChecked());
        QVERIFY(!f->speech->languageSwitch());

        // Off: the selected voice reads the whole text in one go.
        f->choose(5);
        f->setText(english1 + english2 + russian, 0);
        QSignalSpy runs(f->speech.get(), &SpeechController::runStarted);
        QSignalSpy stopped(f->speech.get(), &SpeechController::readingStopped);
        f->speech->Speak();
        QVERIFY(stopped.wait(readingTimeout));
        QCOMPARE(runs.count(), 1);
        QCOMPARE(runs.at(0).at(2).toString(), f->speech->currentVoiceName());
        again.action()->trigger();
        QVERIFY(f->speech->languageSwitch());
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(u"Reading/SwitchLanguages"_s).toBool(), true);
    }

private:
    std::unique_ptr<Fixture> f;
};

SAYORA_GUI_TEST_MAIN(TestLanguageReading)
#include "tst_language_reading.moc"
