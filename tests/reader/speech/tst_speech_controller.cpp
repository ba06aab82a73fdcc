// Speaking, highlighting, playback control and voice parameters with the
// real espeak-ng and flite engines behind the window's widgets.

#include "app/speech_panel.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/pronunciation_rules.h"
#include "speech/sapi4_voice.h"
#include "speech/sapi5_voice.h"
#include "speech/speech_controller.h"
#include "speech/text_script.h"
#include "support/speech_fixture.h"
#include "support/test_support.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int eventTimeout = 30000;

const QString longText = QStringLiteral(
    "This sentence is long enough to keep the voice busy while the test presses the buttons, "
    "and it goes on for a while with plain words that every engine can say without trouble. "
    "Then it says a little more, so that nothing ends before the test is done with it.");

struct Fixture : SpeechFixture
{
    SpeechController::State states() const { return speech->state(); }
    qint64 selectionStart() const { return w.MainTxtBox->textCursor().selectionStart(); }
    qint64 selectionEnd() const { return w.MainTxtBox->textCursor().selectionEnd(); }
};

// Waits for the start notification of either generation.
bool waitForStart(Fixture &f, int engine)
{
    if (engine == 4) {
        QSignalSpy spy(f.speech->directSS(), &DirectSS::AudioStart);
        return spy.wait(eventTimeout);
    }
    QSignalSpy spy(f.speech->newsVoice(), &SpVoice::StartStream);
    return spy.wait(eventTimeout);
}

bool waitForWord(Fixture &f, int engine)
{
    if (engine == 4) {
        QSignalSpy spy(f.speech->directSS(), &DirectSS::WordPosition);
        return spy.wait(eventTimeout);
    }
    QSignalSpy spy(f.speech->newsVoice(), &SpVoice::Word);
    return spy.wait(eventTimeout);
}

std::unique_ptr<QSignalSpy> endSpy(Fixture &f, int engine)
{
    if (engine == 4)
        return std::make_unique<QSignalSpy>(f.speech->directSS(), &DirectSS::AudioStop);
    return std::make_unique<QSignalSpy>(f.speech->newsVoice(), &SpVoice::EndStream);
}

}  // namespace

class TestSpeechController : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    // Pure rules.
    void findWordEnd_data();
    void findWordEnd();
    void scales();

    // Both engine generations.
    void playbackStateTable_data();
    void playbackStateTable();
    void sliderRestartKeepsSpeaking_data();
    void sliderRestartKeepsSpeaking();
    void sliderReleaseWhilePausedSpeaksFromSlider_data();
    void sliderReleaseWhilePausedSpeaksFromSlider();
    void speakFromCaret_data();
    void speakFromCaret();
    void rulesKeepHighlightOnWrittenWords_data();
    void rulesKeepHighlightOnWrittenWords();

    // One generation.
    void stopSilencesAVoiceOfTheOtherGeneration();
    void sapi4PauseSurvivesAudioStop();
    void sapi5HighlightsFromSpeakStart();
    void sapi4HighlightsWordWithPunctuation();
    void sapi4LastWordRunsToTheEnd();
    void emptyTextDoesNothing();
    void chineseVoiceDigits();
    void selectionSetsScrollbars();
    void volumeScrollbar_data();
    void volumeScrollbar();
    void sapi5PitchDoesNothing();
    void sliderFollowsText();
    void pauseActsOnTheSpeechThatPlays_data();
    void pauseActsOnTheSpeechThatPlays();
    void dominantScript_data();
    void dominantScript();
    void fallbackVoice_data();
    void fallbackVoice();
    void textReadInItsLanguage_data();
    void textReadInItsLanguage();
    void voiceKeptWhereItReadsTheText_data();
    void voiceKeptWhereItReadsTheText();

private:
    std::unique_ptr<Fixture> f;
};

void TestSpeechController::initTestCase()
{
    f = std::make_unique<Fixture>();
    QVERIFY(f->speech->sapi4Count() > 0);
    QVERIFY(f->speech->newsVoice());
}

void TestSpeechController::init()
{
    // Every test starts idle.
    if (f->speech->readingUnderway()) {
        auto ended = endSpy(*f, f->speech->currentEngine());
        f->speech->Stop();
        if (ended->isEmpty())
            ended->wait(eventTimeout);
    }
    f->speech->setDisappear(false);
}

void TestSpeechController::findWordEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("empty text") << "" << 0 << 1;
    QTest::newRow("word before blank") << "hello world" << 0 << 5;
    QTest::newRow("punctuation is part of the word") << "hello, world" << 0 << 6;
    QTest::newRow("line feed") << "one\ntwo" << 0 << 3;
    QTest::newRow("carriage return") << "one\r\ntwo" << 0 << 3;
    QTest::newRow("tab is no delimiter") << "one\ttwo three" << 0 << 7;
    QTest::newRow("last word") << "alpha beta" << 6 << 11;
    QTest::newRow("start beyond the text") << "abc" << 7 << 7;
    QTest::newRow("start on a delimiter") << "a b" << 1 << 1;
}

void TestSpeechController::findWordEnd()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, end);
    QCOMPARE(SpeechController::FindWordEnd(text, start, SpeechController::wordDelimiters()), end);
}

void TestSpeechController::scales()
{
    QCOMPARE(Sapi4Voice::volumeAt(100), 65535);
    QCOMPARE(Sapi4Voice::volumeAt(50), 32768);
    QCOMPARE(Sapi4Voice::volumeAt(1), 655);
    QCOMPARE(Sapi4Voice::volumeAt(0), 0);
    const QList<QPair<int, int>> rates = {{0, -10}, {2, -10}, {3, -9}, {13, -7}, {50, 0}, {51, 0}, {100, 10}};
    for (const auto &[position, rate] : rates)
        QCOMPARE(Sapi5Voice::rateAt(position), rate);
    QCOMPARE(Sapi4Voice::scaled(29, 50, 250), 108);
    QCOMPARE(Sapi4Voice::scaled(0, 50, 250), 50);
    QCOMPARE(Sapi4Voice::scaled(100, 50, 250), 250);
    QVERIFY(SpeechController::StartFrom(QStringLiteral(" "), SpeechController::wordDelimiters()));
    QVERIFY(!SpeechController::StartFrom(QString(), SpeechController::wordDelimiters()));
    QVERIFY(!SpeechController::StartFrom(QStringLiteral(","), SpeechController::wordDelimiters()));
}

void TestSpeechController::playbackStateTable_data()
{
    QTest::addColumn<int>("engine");
    QTest::newRow("SAPI 4 (flite)") << 4;
    QTest::newRow("SAPI 5 (espeak-ng)") << 5;
}

void TestSpeechController::playbackStateTable()
{
    QFETCH(int, engine);
    f->choose(engine);
    QCOMPARE(f->speech->currentEngine(), engine);
    f->setText(longText, 0);
    using State = SpeechController::State;
    QCOMPARE(f->states(), State::Idle);

    // Pause and Stop do nothing while idle, but still clear the flag.
    f->speech->setDisappear(true);
    f->speech->Pause();
    f->speech->Stop();
    QVERIFY(!f->speech->disappear());
    QCOMPARE(f->states(), State::Idle);

    f->speech->Speak();
    QCOMPARE(f->states(), State::Idle);  // unchanged until the engine answers
    QVERIFY(waitForStart(*f, engine));
    QCOMPARE(f->states(), State::Speaking);
    QVERIFY(waitForWord(*f, engine));

    f->speech->Pause();
    QCOMPARE(f->states(), State::Paused);
    if (engine == 4) {
        // flite's audio may report an end while paused: that is no end of
        // the reading.
        emit f->speech->directSS()->AudioStop(0, 0);
        QCOMPARE(f->states(), State::Paused);
    }
    QCOMPARE(f->w.Image5->pictureName(), QStringLiteral("Pause3.bmp"));
    f->speech->Pause();  // already paused: nothing
    QCOMPARE(f->states(), State::Paused);

    // Speak resumes where it stopped, whatever the caret.
    const QString spoken = f->speech->spokenText();
    f->setText(longText, 0);
    f->speech->Speak();
    QCOMPARE(f->speech->spokenText(), spoken);
    QCOMPARE(f->states(), State::Speaking);
    QVERIFY(waitForWord(*f, engine));

    // Stop while paused: resumed, then emptied; the end event resets all.
    f->speech->Pause();
    auto ended = endSpy(*f, engine);
    f->speech->Stop();
    QCOMPARE(f->states(), State::Idle);
    if (ended->isEmpty())
        QVERIFY(ended->wait(eventTimeout));
    QCOMPARE(f->selectionStart(), 0);
    QCOMPARE(f->w.cpvSlider1->value(), 0);
    QCOMPARE(f->w.Image4->pictureName(), QStringLiteral("play2.bmp"));
    QCOMPARE(f->w.Image5->pictureName(), QStringLiteral("Pause1.bmp"));
    QCOMPARE(f->w.Image6->pictureName(), QStringLiteral("Stop1.bmp"));

    // After a stop a new Speak is heard.
    f->speech->Speak();
    QVERIFY(waitForStart(*f, engine));
    QCOMPARE(f->states(), State::Speaking);

    // Rewind moves caret and slider only; the speech goes on.
    f->speech->setDisappear(true);
    f->speech->Rewind();
    QVERIFY(f->speech->disappear());
    QCOMPARE(f->w.cpvSlider1->value(), 0);
    QCOMPARE(f->states(), State::Speaking);
    f->speech->setDisappear(false);
}

void TestSpeechController::sliderRestartKeepsSpeaking_data()
{
    playbackStateTable_data();
}

void TestSpeechController::sliderRestartKeepsSpeaking()
{
    QFETCH(int, engine);
    f->choose(engine);
    f->setText(longText, 0);
    f->speech->Speak();
    QVERIFY(waitForStart(*f, engine));
    QVERIFY(waitForWord(*f, engine));

    const int restartAt = int(longText.indexOf(QLatin1String("Then")));
    f->w.cpvSlider1->setValue(restartAt);
    emit f->w.cpvSlider1->userReleased();
    QCOMPARE(f->speech->speakStart(), restartAt);
    QCOMPARE(f->speech->spokenText(), longText.mid(restartAt));
    // The interrupted speech's end changed nothing: still speaking.
    QCOMPARE(f->states(), SpeechController::State::Speaking);
    QVERIFY(waitForWord(*f, engine));
    QVERIFY(f->speech->readingUnderway());
    QVERIFY(f->selectionStart() >= restartAt);
}

void TestSpeechController::sliderReleaseWhilePausedSpeaksFromSlider_data()
{
    playbackStateTable_data();
}

void TestSpeechController::sliderReleaseWhilePausedSpeaksFromSlider()
{
    QFETCH(int, engine);
    f->choose(engine);
    f->setText(longText, 0);
    f->speech->Speak();
    QVERIFY(waitForStart(*f, engine));
    f->speech->Pause();
    QCOMPARE(f->states(), SpeechController::State::Paused);
    const int restartAt = int(longText.indexOf(QLatin1String("Then")));
    f->w.cpvSlider1->setValue(restartAt);
    emit f->w.cpvSlider1->userReleased();
    QCOMPARE(f->speech->speakStart(), restartAt);
    QVERIFY(waitForStart(*f, engine));
    QCOMPARE(f->states(), SpeechController::State::Speaking);
    QVERIFY(waitForWord(*f, engine));
    QVERIFY(f->selectionStart() >= restartAt);
}

void TestSpeechController::speakFromCaret_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<int>("expectedStart");
    const QString text = QStringLiteral("One two three four.");
    for (int engine : {4, 5}) {
        const QByteArray e = engine == 4 ? "SAPI 4: " : "SAPI 5: ";
        QTest::newRow(e + "caret at start") << engine << 0 << 0 << 0;
        QTest::newRow(e + "caret inside a word") << engine << 5 << 0 << 5;
        QTest::newRow(e + "selection ignored") << engine << 4 << 5 << 4;
        QTest::newRow(e + "caret at the end restarts at 0") << engine << int(text.size()) << 0 << 0;
    }
}

void TestSpeechController::speakFromCaret()
{
    QFETCH(int, engine);
    QFETCH(int, caret);
    QFETCH(int, selectionLength);
    QFETCH(int, expectedStart);
    const QString text = QStringLiteral("One two three four.");
    f->choose(engine);
    f->setText(text, caret);
    if (selectionLength > 0) {
        QTextCursor cursor = f->w.MainTxtBox->textCursor();
        cursor.setPosition(caret + selectionLength, QTextCursor::KeepAnchor);
        f->w.MainTxtBox->setTextCursor(cursor);
    }
    f->speech->Speak();
    QCOMPARE(f->speech->speakStart(), expectedStart);
    QCOMPARE(f->speech->spokenText(), text.mid(expectedStart));
    QCOMPARE(f->selectionStart(), expectedStart);
    QVERIFY(waitForStart(*f, engine));
}

void TestSpeechController::rulesKeepHighlightOnWrittenWords_data()
{
    playbackStateTable_data();
}

// One rule makes a word three, one removes a word: the engine says the
// spoken form, the text box and the slider stay on the written words.
void TestSpeechController::rulesKeepHighlightOnWrittenWords()
{
    QFETCH(int, engine);
    const QString rulesFile = PronunciationLists::commonFile();
    testsupport::writeFile(rulesFile, "SQL\tsee queue ell\num\t\n");
    f->speech->pronunciation().invalidate();
    const auto removeRules = qScopeGuard([&] {
        QFile::remove(rulesFile);
        f->speech->pronunciation().invalidate();
    });
    f->choose(engine);
    const QString text = QStringLiteral("Start here. We read SQL daily, um, then stop now.");
    f->setText(text, 12);
    struct Seen { qint64 start, end; int slider; };
    QList<Seen> seen;
    const auto record = [&] { seen.append({f->selectionStart(), f->selectionEnd(), f->w.cpvSlider1->value()}); };
    auto connection = engine == 4 ? connect(f->speech->directSS(), &DirectSS::WordPosition, this, record)
                                  : connect(f->speech->newsVoice(), &SpVoice::Word, this, record);
    auto ended = endSpy(*f, engine);
    f->speech->Speak();
    QCOMPARE(f->speech->spokenText(), QStringLiteral("We read see queue ell daily, , then stop now."));
    QVERIFY(ended->wait(eventTimeout));
    disconnect(connection);

    QStringList words;
    int lastSlider = -1;
    for (const Seen &s : std::as_const(seen)) {
        QString word = text.mid(s.start, s.end - s.start);
        while (!word.isEmpty() && word.back().isPunct())
            word.chop(1);
        words << word;
        // The slider is on the selected written word and only moves on.
        QVERIFY2(s.slider >= s.start && s.slider <= s.end, qPrintable(word));
        QVERIFY(s.slider >= lastSlider);
        lastSlider = s.slider;
    }
    // "see queue ell" are three words said, one written word selected.
    QVERIFY2(words.count(QStringLiteral("SQL")) >= 1, qPrintable(words.join(u'|')));
    words.removeAll(QStringLiteral("SQL"));
    QCOMPARE(words, QStringList({"We", "read", "daily", "then", "stop", "now"}));
}

void TestSpeechController::stopSilencesAVoiceOfTheOtherGeneration()
{
    f->choose(5);
    f->setText(longText, 0);
    f->speech->Speak();
    QVERIFY(waitForStart(*f, 5));
    // The user picks a flite voice while espeak-ng is still talking.
    f->choose(4);
    QSignalSpy ended(f->speech->newsVoice(), &SpVoice::EndStream);
    f->speech->Stop();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!f->speech->newsVoice()->isSpeaking());
    QCOMPARE(f->states(), SpeechController::State::Idle);
    QCOMPARE(f->selectionStart(), 0);
}

void TestSpeechController::sapi4PauseSurvivesAudioStop()
{
    f->choose(4);
    f->setText(longText, 0);
    f->speech->Speak();
    QVERIFY(waitForStart(*f, 4));
    QVERIFY(waitForWord(*f, 4));
    f->speech->Pause();
    const qint64 caret = f->selectionStart();
    const int slider = f->w.cpvSlider1->value();
    // An audio-stop notification while paused leaves the pause alone.
    emit f->speech->directSS()->AudioStop(0, 0);
    QCOMPARE(f->states(), SpeechController::State::Paused);
    QCOMPARE(f->selectionStart(), caret);
    QCOMPARE(f->w.cpvSlider1->value(), slider);
}

void TestSpeechController::sapi5HighlightsFromSpeakStart()
{
    f->choose(5);
    const QString text = QString(99, QLatin1Char('x')) + QStringLiteral(" hello world again");
    f->setText(text, 100);
    QList<QPair<qint64, qint64>> selections;
    QList<int> sliders;
    auto connection = connect(f->speech->newsVoice(), &SpVoice::Word, this, [&] {
        selections.append({f->selectionStart(), f->selectionEnd()});
        sliders.append(f->w.cpvSlider1->value());
    });
    f->speech->Speak();
    QTRY_VERIFY_WITH_TIMEOUT(selections.size() >= 2, eventTimeout);
    disconnect(connection);
    QCOMPARE(selections.at(0), qMakePair(qint64(100), qint64(105)));
    QCOMPARE(selections.at(1), qMakePair(qint64(106), qint64(111)));
    QCOMPARE(sliders.at(1), 106);
}

void TestSpeechController::sapi4HighlightsWordWithPunctuation()
{
    f->choose(4);
    const QString text = QString(99, QLatin1Char('x')) + QStringLiteral(" Good hello, world");
    f->setText(text, 100);
    struct Seen { qint64 offset, start, end; int slider; };
    QList<Seen> seen;
    auto connection = connect(f->speech->directSS(), &DirectSS::WordPosition, this, [&](int, int, qint64 offset) {
        seen.append({offset, f->selectionStart(), f->selectionEnd(), f->w.cpvSlider1->value()});
    });
    f->speech->Speak();
    QTRY_VERIFY_WITH_TIMEOUT(seen.size() >= 2, eventTimeout);
    disconnect(connection);
    QCOMPARE(seen.at(1).offset, 10);
    QCOMPARE(seen.at(1).start, 105);
    QCOMPARE(seen.at(1).end - seen.at(1).start, 6);  // "hello,"
    QCOMPARE(seen.at(1).slider, 110);
}

void TestSpeechController::sapi4LastWordRunsToTheEnd()
{
    f->choose(4);
    const QString text = QStringLiteral("alpha beta");
    f->setText(text, 0);
    QList<QPair<qint64, int>> seen;
    auto connection = connect(f->speech->directSS(), &DirectSS::WordPosition, this, [&](int, int, qint64) {
        seen.append({f->selectionEnd(), f->w.cpvSlider1->value()});
    });
    auto ended = endSpy(*f, 4);
    f->speech->Speak();
    QVERIFY(ended->wait(eventTimeout));
    disconnect(connection);
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.last().first, text.size());
    QCOMPARE(seen.last().second, int(text.size()));
}

void TestSpeechController::emptyTextDoesNothing()
{
    f->choose(5);
    f->setText(QString(), 0);
    const QString before = f->speech->spokenText();
    QSignalSpy runs(f->speech.get(), &SpeechController::runStarted);
    QSignalSpy states(f->speech.get(), &SpeechController::stateChanged);
    f->speech->setDisappear(true);
    f->speech->Speak();
    QVERIFY(!f->speech->disappear());
    QCOMPARE(f->speech->spokenText(), before);
    QVERIFY(!states.wait(300));
    QCOMPARE(runs.count(), 0);
    QCOMPARE(f->states(), SpeechController::State::Idle);
}

void TestSpeechController::chineseVoiceDigits()
{
    const QString fullWidth = QStringLiteral(u"\uFF11\uFF12\uFF13 and \uFF10");
    f->choose(5);
    f->w.Combo1->setEditText(QStringLiteral("Microsoft Simplified Chinese"));
    f->setText(fullWidth, 0);
    f->speech->Speak();
    QCOMPARE(f->speech->spokenText(), QStringLiteral("123 and 0"));
    QVERIFY(waitForStart(*f, 5));
    init();

    // Any other voice name, or a SAPI 4 voice of that name: unchanged.
    f->choose(5);
    f->speech->Speak();
    QCOMPARE(f->speech->spokenText(), fullWidth);
    QVERIFY(waitForStart(*f, 5));
    init();
    f->choose(4);
    f->w.Combo1->setEditText(QStringLiteral("Microsoft Simplified Chinese"));
    f->speech->Speak();
    QCOMPARE(f->speech->spokenText(), fullWidth);
    QVERIFY(waitForStart(*f, 4));
}

void TestSpeechController::selectionSetsScrollbars()
{
    f->choose(4);
    DirectSS *engine = f->speech->directSS();
    // The bar's ends are the engine's limits.
    const int shown = f->w.VScroll2->value();
    f->w.VScroll2->setValue(0);
    QCOMPARE(engine->Speed(), engine->MinSpeed());
    f->w.VScroll2->setValue(100);
    QCOMPARE(engine->Speed(), engine->MaxSpeed());
    f->w.VScroll2->setValue(shown);
    f->choose(4);
    const int expectedRate = VoiceChoice::roundHalfEven(
        double(engine->Speed() - engine->MinSpeed()) / (engine->MaxSpeed() - engine->MinSpeed()) * 100);
    QCOMPARE(f->w.VScroll2->value(), expectedRate);
    QCOMPARE(f->w.Label5->text(), QString::number(f->w.VScroll2->value()));

    f->choose(5);
    SpVoice *voice = f->speech->newsVoice();
    for (const auto &[rate, position] : QList<QPair<int, int>>{{0, 50}, {-10, 0}, {10, 100}, {3, 65}}) {
        voice->setRate(rate);
        f->speech->setDisappear(true);
        f->speech->selectVoice();
        QVERIFY(!f->speech->disappear());
        QCOMPARE(f->w.VScroll2->value(), position);
        QCOMPARE(voice->Rate(), rate);
    }
    voice->setRate(0);
    f->speech->selectVoice();
}

void TestSpeechController::volumeScrollbar_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("volume");
    QTest::newRow("100") << 100 << 65535;
    QTest::newRow("50") << 50 << 32768;
    QTest::newRow("1") << 1 << 655;
    QTest::newRow("0") << 0 << 0;
}

void TestSpeechController::volumeScrollbar()
{
    QFETCH(int, position);
    QFETCH(int, volume);
    f->choose(4);
    f->w.VScroll1->setValue(position == 100 ? 99 : 100);
    f->w.VScroll1->setValue(position);
    QCOMPARE(f->speech->directSS()->VolumeLeft(), volume);
    QCOMPARE(f->speech->directSS()->VolumeRight(), volume);
    QCOMPARE(f->w.Label1->text(), QString::number(position));
    f->choose(5);
    f->w.VScroll1->setValue(position == 100 ? 99 : 100);
    f->w.VScroll1->setValue(position);
    QCOMPARE(f->speech->newsVoice()->Volume(), position);
    f->w.VScroll1->setValue(100);
}

void TestSpeechController::sapi5PitchDoesNothing()
{
    f->choose(4);
    const int pitch = f->speech->directSS()->Pitch();
    f->choose(5);
    f->w.Label3->setText(QStringLiteral("label"));
    f->w.VScroll3->setValue(f->w.VScroll3->value() == 10 ? 90 : 10);
    QCOMPARE(f->w.Label3->text(), QStringLiteral("label"));
    QCOMPARE(f->speech->directSS()->Pitch(), pitch);
}

void TestSpeechController::sliderFollowsText()
{
    f->setText(QString(), 0);
    QVERIFY(!f->w.cpvSlider1->isEnabled());
    QCOMPARE(f->w.cpvSlider1->maximum(), 32767);
    QCOMPARE(f->w.cpvSlider1->value(), 0);
    QCOMPARE(f->speech->textLength(), 0);
    f->w.MainTxtBox->insertPlainText(QStringLiteral("a"));
    QVERIFY(f->w.cpvSlider1->isEnabled());
    QCOMPARE(f->w.cpvSlider1->maximum(), 1);
    // A surrogate pair counts two positions, like everywhere in the text box.
    f->setText(QStringLiteral("smile 😀 now"), 0);
    QCOMPARE(f->speech->textLength(), 12);
    // Moving the slider while idle moves the caret.
    f->w.cpvSlider1->setValue(6);
    emit f->w.cpvSlider1->userMoved();
    QCOMPARE(f->selectionStart(), 6);
}


void TestSpeechController::pauseActsOnTheSpeechThatPlays_data()
{
    QTest::addColumn<int>("playing");
    QTest::newRow("espeak-ng talks, flite chosen") << 5;
    QTest::newRow("flite talks, espeak-ng chosen") << 4;
}

void TestSpeechController::pauseActsOnTheSpeechThatPlays()
{
    // One engine talks; the user picks a voice of the other generation,
    // then pauses, resumes and stops: each acts on the one talking.
    QFETCH(int, playing);
    const int chosen = playing == 4 ? 5 : 4;
    f->choose(playing);
    f->setText(longText, 0);
    f->speech->Speak();
    QVERIFY(waitForStart(*f, playing));
    QVERIFY(waitForWord(*f, playing));
    f->choose(chosen);
    QCOMPARE(f->speech->currentEngine(), chosen);
    std::unique_ptr<QSignalSpy> words;
    if (playing == 4)
        words = std::make_unique<QSignalSpy>(f->speech->directSS(), &DirectSS::WordPosition);
    else
        words = std::make_unique<QSignalSpy>(f->speech->newsVoice(), &SpVoice::Word);
    f->speech->Pause();
    QCOMPARE(f->states(), SpeechController::State::Paused);
    // Paused means silent: no word for a good while.
    QVERIFY(!words->wait(1500));
    f->speech->Speak();
    QCOMPARE(f->states(), SpeechController::State::Speaking);
    QVERIFY(words->wait(eventTimeout));
    auto ended = endSpy(*f, playing);
    f->speech->Stop();
    if (ended->isEmpty())
        QVERIFY(ended->wait(eventTimeout));
    QCOMPARE(f->states(), SpeechController::State::Idle);
    // Nothing is left to pause.
    f->speech->Pause();
    QCOMPARE(f->states(), SpeechController::State::Idle);
    words->clear();
    QVERIFY(!words->wait(500));
}

void TestSpeechController::dominantScript_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("script");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("symbols and digits have no script") << u"±≥≤ 12 + 30"_s << "";
    QTest::newRow("English") << "Hello there" << "Latn";
    QTest::newRow("Russian with an English name") << u"Привет, John, как дела?"_s << "Cyrl";
    QTest::newRow("English with one Greek letter") << u"The angle α is small"_s << "Latn";
    QTest::newRow("Chinese") << u"今天天气很好"_s << "Hani";
    QTest::newRow("Japanese: kanji with kana") << u"今日は良い天気です"_s << "Jpan";
    QTest::newRow("kana alone") << u"こんにちは"_s << "Jpan";
    QTest::newRow("Chinese beyond the basic plane") << u"\U00020000\U00020001\U00020002"_s << "Hani";
    QTest::newRow("Korean") << u"안녕하세요"_s << "Hang";
    QTest::newRow("Arabic") << u"مرحبا بكم"_s << "Arab";
}

void TestSpeechController::dominantScript()
{
    QFETCH(QString, text);
    QFETCH(QString, script);
    QCOMPARE(textscript::dominantScript(text), script);
}

void TestSpeechController::fallbackVoice_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("no locale") << "C" << "en-us";
    QTest::newRow("American") << "en_US" << "en-us";
    QTest::newRow("British") << "en_GB" << "en-gb";
    QTest::newRow("Caribbean English is not the default") << "en_JM" << "en-us";
    QTest::newRow("German") << "de_DE" << "de";
    QTest::newRow("Brazilian") << "pt_BR" << "pt-br";
    QTest::newRow("Swiss French") << "fr_CH" << "fr-ch";
    QTest::newRow("language without a voice") << "zu_ZA" << "en-us";
}

void TestSpeechController::fallbackVoice()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    const QList<SpObjectToken> tokens = f->speech->newsVoice()->GetVoices();
    const int index = VoiceChoice::fallbackVoiceIndex(tokens, QLocale(locale));
    QVERIFY(index >= 0 && index < tokens.size());
    QCOMPARE(tokens.at(index).Language().toLower(), language);
}

namespace {

struct Sample
{
    const char *name;
    QString text;
    QString language;
};

// Short prose in six scripts, as real documents hold it.
const QList<Sample> &samples()
{
    static const QList<Sample> list = {
        {"Russian", QStringLiteral("Сегодня хорошая погода, и мы идём гулять в парк у реки."), "ru"},
        {"Greek", QStringLiteral("Καλημέρα σας. Σήμερα ο καιρός είναι πολύ ωραίος για περίπατο."), "el"},
        {"Japanese", QStringLiteral("こんにちは。今日はとても良い天気ですね。一緒に散歩に行きましょう。"), "ja"},
        {"Chinese", QStringLiteral("今天天气很好，我们一起去公园散步吧。"), "cmn"},
        {"Arabic", QStringLiteral("الطقس جميل اليوم، هيا نذهب إلى الحديقة معا."), "ar"},
        {"Hebrew", QStringLiteral("מזג האוויר יפה היום, בואו נלך יחד לפארק."), "he"},
        {"Japanese after an English title", QStringLiteral("Letter\nお元気ですか。先日はありがとうございました。また会いましょう。"), "ja"},
    };
    return list;
}

}  // namespace

void TestSpeechController::textReadInItsLanguage_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("language");
    for (const Sample &sample : samples()) {
        QTest::addRow("%s, flite selected", sample.name) << 4 << sample.text << sample.language;
        QTest::addRow("%s, English espeak-ng selected", sample.name) << 5 << sample.text << sample.language;
    }
}

void TestSpeechController::textReadInItsLanguage()
{
    QFETCH(int, engine);
    QFETCH(QString, text);
    QFETCH(QString, language);
    f->choose(engine);
    f->setText(text, 0);
    f->speech->setDisappear(true);  // as from the command line
    QSignalSpy words(f->speech->newsVoice(), &SpVoice::Word);
    QSignalSpy nothing(f->speech.get(), &SpeechController::nothingSpoken);
    f->speech->Speak(false);
    // The voice of the text's language is selected as if the user chose it
    // (an English title before it is read by an English voice, which the
    // speaking voice may hold for the while).
    QCOMPARE(f->speech->currentEngine(), 5);
    const SpObjectToken voice = f->speech->newsVoice()->GetVoices().value(f->speech->currentVoiceIndex());
    QCOMPARE(voice.Language().section(QLatin1Char('-'), 0, 0), language);
    QCOMPARE(f->w.Combo1->currentIndex(), f->speech->sapi4Count() + f->speech->currentVoiceIndex());
    QCOMPARE(f->w.Text1->text(), voice.GetDescription());
    QCOMPARE(f->speech->currentVoiceName(), voice.GetDescription());
    // Chosen for the user: a command-line reading still ends the program.
    QVERIFY(f->speech->disappear());
    QVERIFY(words.wait(eventTimeout));
    QCOMPARE(nothing.count(), 0);
    f->speech->setDisappear(false);
}

void TestSpeechController::voiceKeptWhereItReadsTheText_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("text");
    QTest::newRow("flite, French") << 4 << "" << "Bonjour, comment allez-vous aujourd'hui?";
    QTest::newRow("flite, digits and signs") << 4 << "" << "12 + 30 = 42";
    QTest::newRow("Russian voice, Russian") << 5 << "ru" << "Доброе утро, друзья.";
    QTest::newRow("Russian voice, Latin text") << 5 << "ru" << "Good morning, friends.";
    QTest::newRow("Japanese voice, kana only") << 5 << "ja" << "こんにちは";
    // Read sentence by sentence, a text mostly in another script keeps the
    // voice for the sentences it reads.
    QTest::newRow("flite, Russian with English") << 4 << ""
                                                 << "Доброе утро, друзья. Сегодня мы читаем новости. Good morning.";
    QTest::newRow("Russian voice, Japanese with Russian") << 5 << "ru" << "これは日本語で書かれた文です。Доброе утро.";
}

void TestSpeechController::voiceKeptWhereItReadsTheText()
{
    QFETCH(int, engine);
    QFETCH(QString, voice);
    QFETCH(QString, text);
    if (voice.isEmpty()) {
        f->choose(engine);
    } else {
        const QList<SpObjectToken> tokens = f->speech->newsVoice()->GetVoices();
        const auto found = std::find_if(tokens.begin(), tokens.end(), [&](const SpObjectToken &t) { return t.Language() == voice; });
        QVERIFY(found != tokens.end());
        f->speech->setVoiceListPosition(f->speech->sapi4Count() + int(found - tokens.begin()));
    }
    const int position = f->w.Combo1->currentIndex();
    f->setText(text, 0);
    QVERIFY(!f->speech->chooseVoiceForText(text));
    QCOMPARE(f->w.Combo1->currentIndex(), position);
    QCOMPARE(f->speech->currentEngine(), engine);
}

SAYORA_GUI_TEST_MAIN(TestSpeechController)
#include "tst_speech_controller.moc"
