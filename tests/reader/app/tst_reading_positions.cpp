// A document opened again resumes where its reading stopped: the window
// driven as a user does, and the positions file with its damage, its limit
// and two windows writing it.

#include "app/reading_positions.h"
#include "app/sayora_main.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "support/window_voice.h"
#include "ui/image_button.h"
#include "ui/position_slider.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using testsupport::named;

namespace {

QByteArray longText()
{
    QByteArray text;
    for (int i = 1; i <= 60; ++i)
        text += "Sentence number " + QByteArray::number(i) + " goes on for a little while. ";
    return text;
}

std::unique_ptr<SayoraMain> newWindow()
{
    auto window = std::make_unique<SayoraMain>();
    window->load(QString());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

// Open button, the dialog answered with the file's name.
void openWithButton(SayoraMain &w, const QString &path)
{
    testsupport::answerNext<QFileDialog>([path](QFileDialog *dialog) {
        dialog->selectNameFilter(QStringLiteral("Text (*.txt)"));
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::mouseClick(named<ImageButton>(w, "Image3"), Qt::LeftButton);
}

using testsupport::chooseEnglishEspeak;

qint64 caret(const SayoraMain &w)
{
    return named<QPlainTextEdit>(w, "MainTxtBox")->textCursor().position();
}

}  // namespace

class TestReadingPositions : public QObject
{
    Q_OBJECT
private slots:
    void resumesAfterReopening();
    void changedFileStartsAtBeginning();
    void keepsFiftyMostRecent();
    void twoWindowsKeepEachOthersEntries();
    void damagedFileCostsOnlyBadEntries();
    void finishedReadingStartsAgain();
    void droppedFileOpensLikeOpen();
    void commandLineFileResumes();

private:
    QTemporaryDir m_dir;
};

// Read a few words, stop, close; a new window opening the same file puts
// the caret and the slider on the last word spoken and says so. Ctrl+Home
// goes back to the start, and that is what the next window finds.
void TestReadingPositions::resumesAfterReopening()
{
    const QString book = testsupport::writeFile(m_dir.filePath("book.txt"), longText());
    qint64 stoppedAt = 0;
    {
        auto w = newWindow();
        QVERIFY(w);
        QVERIFY(w->speech()->newsVoice());
        openWithButton(*w, book);
        QTRY_VERIFY(named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText().startsWith(QLatin1String("Sentence number 1 ")));
        QVERIFY(chooseEnglishEspeak(*w));
        QSignalSpy words(w->speech()->newsVoice(), &SpVoice::Word);
        QTest::mouseClick(named<ImageButton>(*w, "Image4"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(words.size() >= 6, 30000);
        QTest::mouseClick(named<ImageButton>(*w, "Image6"), Qt::LeftButton);
        QTRY_VERIFY(w->speech()->state() != SpeechController::State::Speaking);
        // The stop's own reset puts the caret at the start of this window.
        QTRY_COMPARE(caret(*w), 0);
        // The engine reports words from its own thread: the window handles
        // the last ones after the spy has seen them.
        const auto lastWord = [&] { return w->speech()->speakStart() + words.constLast().at(2).toLongLong(); };
        QTRY_COMPARE(w->speech()->readingPosition(), lastWord());
        stoppedAt = lastWord();
        QVERIFY(stoppedAt > 0);
        w->close();
    }
    auto w = newWindow();
    QVERIFY(w);
    QVERIFY(!w->resumeNote()->isVisible());
    openWithButton(*w, book);
    QTRY_VERIFY(named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText().startsWith(QLatin1String("Sentence number 1 ")));
    QCOMPARE(caret(*w), stoppedAt);
    QCOMPARE(qint64(named<PositionSlider>(*w, "cpvSlider1")->value()), stoppedAt);
    QVERIFY(w->resumeNote()->isVisible());
    QVERIFY2(w->resumeNote()->text().contains(QLatin1String("Ctrl+Home")), qPrintable(w->resumeNote()->text()));

    named<QPlainTextEdit>(*w, "MainTxtBox")->setFocus();
    QTest::keyClick(named<QPlainTextEdit>(*w, "MainTxtBox"), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(caret(*w), 0);
    QCOMPARE(named<PositionSlider>(*w, "cpvSlider1")->value(), 0);
    w->close();
    w = newWindow();
    QVERIFY(w);
    openWithButton(*w, book);
    QTRY_VERIFY(!named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText().isEmpty());
    QCOMPARE(caret(*w), 0);
    QVERIFY(!w->resumeNote()->isVisible());
}

// A file touched or rewritten since is another document: it starts at the
// beginning. Opening another document stores the place of the first.
void TestReadingPositions::changedFileStartsAtBeginning()
{
    const QString touched = testsupport::writeFile(m_dir.filePath("touched.txt"), longText());
    const QString rewritten = testsupport::writeFile(m_dir.filePath("rewritten.txt"), longText());
    auto w = newWindow();
    QVERIFY(w);
    for (const QString &path : {touched, rewritten}) {
        openWithButton(*w, path);
        QTRY_VERIFY(!named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText().isEmpty());
        // The user clicks into the text: that is where reading would go on.
        QPlainTextEdit *text = named<QPlainTextEdit>(*w, "MainTxtBox");
        const QRect line = text->cursorRect(text->textCursor());
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(line.x() + 200, line.center().y()));
        QTRY_VERIFY(w->speech()->readingPosition() > 0);
    }
    const qint64 touchedAt = w->readingPositions().find(*ReadingPositions::identify(touched));
    QVERIFY(touchedAt > 0);
    w->close();  // stores the second one

    QFile file(touched);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    testsupport::writeFile(rewritten, longText() + "One more.");

    w = newWindow();
    QVERIFY(w);
    for (const QString &path : {touched, rewritten}) {
        openWithButton(*w, path);
        QTRY_COMPARE(named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText().size() >= longText().size(), true);
        QCOMPARE(caret(*w), 0);
        QCOMPARE(named<PositionSlider>(*w, "cpvSlider1")->value(), 0);
        QVERIFY(!w->resumeNote()->isVisible());
    }
}

void TestReadingPositions::keepsFiftyMostRecent()
{
    ReadingPositions positions(m_dir.filePath("fifty/positions.txt"));
    for (int i = 0; i < ReadingPositions::Capacity + 1; ++i) {
        ReadingPositions::Entry document{QStringLiteral("/books/%1.txt").arg(i), 100, 5, 0};
        QVERIFY(positions.remember(document, i + 1));
    }
    const QList<ReadingPositions::Entry> entries = positions.entries();
    QCOMPARE(entries.size(), ReadingPositions::Capacity);
    QCOMPARE(entries.constFirst().path, QStringLiteral("/books/50.txt"));
    QCOMPARE(positions.find({QStringLiteral("/books/0.txt"), 100, 5, 0}), 0);
    QCOMPARE(positions.find({QStringLiteral("/books/1.txt"), 100, 5, 0}), 2);
    // Opening an old one again makes it the newest: the next to go is 2.
    QVERIFY(positions.remember({QStringLiteral("/books/1.txt"), 100, 5, 0}, 7));
    QVERIFY(positions.remember({QStringLiteral("/books/new.txt"), 1, 1, 0}, 1));
    QCOMPARE(positions.find({QStringLiteral("/books/1.txt"), 100, 5, 0}), 7);
    QCOMPARE(positions.find({QStringLiteral("/books/2.txt"), 100, 5, 0}), 0);
    QCOMPARE(positions.entries().size(), ReadingPositions::Capacity);
}

// Two windows each hold the file's name, not its contents: each write
// re-reads, so neither loses the other's documents.
void TestReadingPositions::twoWindowsKeepEachOthersEntries()
{
    const QString path = m_dir.filePath("two/positions.txt");
    ReadingPositions first(path), second(path);
    QVERIFY(first.remember({QStringLiteral("/a.txt"), 1, 1, 0}, 10));
    QVERIFY(second.remember({QStringLiteral("/b.txt"), 2, 2, 0}, 20));
    QVERIFY(first.remember({QStringLiteral("/a.txt"), 1, 1, 0}, 11));
    QCOMPARE(second.find({QStringLiteral("/a.txt"), 1, 1, 0}), 11);
    QCOMPARE(first.find({QStringLiteral("/b.txt"), 2, 2, 0}), 20);
    QVERIFY(!QFile::exists(path + ".lock"));
}

void TestReadingPositions::damagedFileCostsOnlyBadEntries()
{
    const QString path = m_dir.filePath("damaged/positions.txt");
    const QString spaced = QStringLiteral("/my books/tab\tand\nnewline %.txt");
    ReadingPositions positions(path);
    QVERIFY(positions.remember({spaced, 9, 9, 0}, 3));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();
    QCOMPARE(good.count('\n'), 1);
    testsupport::writeFile(path, QByteArray("12\t5\t6\t/ok.txt\n"
                                            "x\t5\t6\t/bad-number.txt\n"
                                            "-4\t5\t6\t/negative.txt\n"
                                            "7\t5\t6\trelative.txt\n"
                                            "7\t5\t/too-few.txt\n"
                                            "\xff\xfe")
                                     + QByteArray(1, '\0') + "garbage\x01\n" + good + "99\t1\t1\t/cut-off.tx");
    QCOMPARE(positions.find({QStringLiteral("/ok.txt"), 5, 6, 0}), 12);
    QCOMPARE(positions.find({spaced, 9, 9, 0}), 3);
    QCOMPARE(positions.find({QStringLiteral("/cut-off.tx"), 1, 1, 0}), 99);
    QCOMPARE(positions.entries().size(), 3);
    QVERIFY(positions.remember({QStringLiteral("/new.txt"), 1, 1, 0}, 4));
    QCOMPARE(positions.entries().size(), 4);
    QCOMPARE(positions.find({QStringLiteral("/ok.txt"), 5, 6, 0}), 12);

    // A window opening a document with such a file in place does not fail.
    testsupport::writeFile(ReadingPositions::defaultPath(), QByteArray(4096, '\t'));
    auto w = newWindow();
    QVERIFY(w);
    QVERIFY(w->openDocument(testsupport::writeFile(m_dir.filePath("fine.txt"), "Fine words.")));
    QCOMPARE(caret(*w), 0);
    w->close();
    QCOMPARE(ReadingPositions().entries().size(), 1);
}

// A reading that ran to the end leaves nothing to resume.
void TestReadingPositions::finishedReadingStartsAgain()
{
    const QString note = testsupport::writeFile(m_dir.filePath("note.txt"), "Two words.");
    auto w = newWindow();
    QVERIFY(w);
    QVERIFY(w->speech()->newsVoice());
    QVERIFY(w->readingPositions().remember(*ReadingPositions::identify(note), 4));
    openWithButton(*w, note);
    QTRY_COMPARE(caret(*w), 4);
    QVERIFY(chooseEnglishEspeak(*w));
    QSignalSpy stopped(w->speech(), &SpeechController::readingStopped);
    QTest::mouseClick(named<ImageButton>(*w, "Image4"), Qt::LeftButton);
    QVERIFY(stopped.wait(30000));
    QCOMPARE(w->speech()->readingPosition(), 0);
    QCOMPARE(w->readingPositions().find(*ReadingPositions::identify(note)), 0);
}

// A file dropped on the text box or on the panel opens through the same
// opener, resuming included; the window takes no link to a web page.
void TestReadingPositions::droppedFileOpensLikeOpen()
{
    const QString first = testsupport::writeFile(m_dir.filePath("dropped.txt"), longText());
    const QString second = testsupport::writeFile(m_dir.filePath("dropped2.txt"), "On the panel.");
    auto w = newWindow();
    QVERIFY(w);
    QVERIFY(w->readingPositions().remember(*ReadingPositions::identify(first), 50));
    const auto drop = [](QWidget *target, const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPointF at = target->rect().center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    };
    named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(QStringLiteral("before"));
    QVERIFY(!drop(w.get(), {QUrl(QStringLiteral("https://example.org/page.html"))}));
    QCOMPARE(named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText(), QStringLiteral("before"));
    QVERIFY(drop(named<QPlainTextEdit>(*w, "MainTxtBox")->viewport(), {QUrl::fromLocalFile(first)}));
    QTRY_VERIFY(named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText().startsWith(QLatin1String("Sentence number 1 ")));
    QCOMPARE(caret(*w), 50);
    QVERIFY(w->resumeNote()->isVisible());
    QVERIFY(drop(w.get(), {QUrl::fromLocalFile(second)}));
    QTRY_COMPARE(named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText(), QStringLiteral("On the panel."));
    QCOMPARE(w->readingPositions().find(*ReadingPositions::identify(first)), 50);
}

// A file named on the command line is read from where its reading stopped,
// as one opened with the button; the reading starts there.
void TestReadingPositions::commandLineFileResumes()
{
    const QString book = testsupport::writeFile(m_dir.filePath("argument.txt"), longText());
    QVERIFY(ReadingPositions().remember(*ReadingPositions::identify(book), 120));
    SayoraMain w;
    w.load(book);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText().startsWith(QLatin1String("Sentence number 1 ")));
    QCOMPARE(w.speech()->speakStart(), 120);
    QVERIFY(w.resumeNote()->isVisible());
    QCOMPARE(w.speech()->disappear(), true);
}

SAYORA_GUI_TEST_MAIN(TestReadingPositions)
#include "tst_reading_positions.moc"
