// Moving through a book while it is read, driven from the keyboard and the
// mouse as a user does, with the real espeak-ng voice: the chapter list,
// the sentence, paragraph and chapter keys while reading, paused and
// stopped, the sentence shown behind the spoken word, the view keeping
// what follows in sight, the headings, the window title and the resume note.

#include "app/book_navigation.h"
#include "app/chapter_list.h"
#include "app/keyboard_access.h"
#include "app/reading_positions.h"
#include "app/sayora_main.h"
#include "documents/document_loader.h"
#include "sapi5/sp_voice.h"
#include "speech/reading_steps.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "support/window_voice.h"
#include "ui/position_slider.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using testsupport::named;
using Unit = ReadingSteps::Unit;

namespace {

QByteArray bookHtml()
{
    QByteArray html = "<html><head><title>The Test Book</title></head><body>\n";
    const char *chapters[] = {"<h1>Chapter One</h1>", "<h1>Chapter Two</h1>", "<h2>A Section</h2>", "<h1>Chapter Three</h1>"};
    int n = 0;
    for (const char *heading : chapters) {
        html += heading;
        for (int p = 1; p <= 3; ++p) {
            html += "<p>";
            for (int s = 1; s <= 3; ++s) {
                ++n;
                html += "Sentence " + QByteArray::number(n) + " is read out by the voice at a steady pace. ";
            }
            html += "</p>\n";
        }
    }
    return html + "</body></html>\n";
}

std::unique_ptr<SayoraMain> newWindow()
{
    auto window = std::make_unique<SayoraMain>();
    window->load(QString());
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

using testsupport::chooseEnglishEspeak;

QPlainTextEdit *textBox(const SayoraMain &w)
{
    return named<QPlainTextEdit>(w, "MainTxtBox");
}

qint64 caret(const SayoraMain &w)
{
    return textBox(w)->textCursor().selectionStart();
}

void key(SayoraMain &w, const QKeySequence &sequence)
{
    const QKeyCombination combination = sequence[0];
    QTest::keyClick(textBox(w), combination.key(), combination.keyboardModifiers());
}

// The steps the window should take, worked out apart from it.
ReadingSteps stepsOf(const SayoraMain &w)
{
    QList<qsizetype> starts;
    for (const Document::Chapter &chapter : w.navigation()->chapters())
        starts.append(chapter.start);
    return ReadingSteps(textBox(w)->toPlainText(), starts, ReadingSteps::ParagraphEnd::LineBreak);
}

// Start reading with F5 and wait for the voice's first words.
bool startReading(SayoraMain &w)
{
    const qint64 from = caret(w);
    // After the chapter list closes, the window's keys work once the window
    // has the focus again (X11 gives it back after the request).
    if (!QTest::qWaitForWindowActive(&w))
        return false;
    key(w, QKeySequence(Qt::Key_F5));
    return QTest::qWaitFor([&] { return w.speech()->state() == SpeechController::State::Speaking && w.speech()->readingPosition() > from; }, 30000);
}

// The voice went to `start` and reads on there: a word after it is spoken,
// before `end`.
bool readsFrom(const SayoraMain &w, qint64 start, qint64 end)
{
    const bool read = QTest::qWaitFor([&] {
        const qint64 at = w.speech()->readingPosition();
        return w.speech()->state() == SpeechController::State::Speaking && at > start && at < end;
    }, 30000);
    if (!read)
        qWarning("reading at %lld, state %d; expected after %lld, before %lld", w.speech()->readingPosition(),
                 int(w.speech()->state()), start, end);
    return read;
}

QAction *menuAction(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Right-clicks the text box and clicks the entry of its context menu,
// through the windows, as the window system delivers the clicks: only that
// makes a right click open the context menu.
bool clickContextEntry(SayoraMain &w, const QString &text)
{
    QWidget *viewport = textBox(w)->viewport();
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, viewport->mapTo(&w, QPoint(40, 10)));
    if (!QTest::qWaitFor([] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()) != nullptr; }, 5000))
        return false;
    QPointer<QMenu> menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QAction *action = menuAction(menu, text);
    if (!action)
        return false;
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(action).center());
    // The menu goes once closed.
    return QTest::qWaitFor([menu] { return !menu || !menu->isVisible(); }, 5000);
}

}  // namespace

class TestBookNavigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void headingsAndTitle();
    void chapterListGoesThere();
    void stepKeysWhileReading();
    void stepKeysWhenStoppedOrPaused();
    void stepKeysWithFliteVoice();
    void sentenceShownAndWhatFollowsInView();
    void resumeNoteShownWhole();

private:
    std::unique_ptr<SayoraMain> bookWindow();

    QTemporaryDir m_dir;
    QString m_book;
};

void TestBookNavigation::initTestCase()
{
    m_book = testsupport::writeFile(m_dir.filePath("book.html"), bookHtml());
}

std::unique_ptr<SayoraMain> TestBookNavigation::bookWindow()
{
    // A file of each test's own: a place one test stops at is not where
    // the next one resumes.
    const QString book = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QStringLiteral(".html"));
    QFile::copy(m_book, book);
    auto w = newWindow();
    if (!w || !w->speech()->newsVoice() || !chooseEnglishEspeak(*w) || !w->openDocument(book))
        return nullptr;
    textBox(*w)->setFocus();
    return w;
}

// The chapters are kept and their titles set apart, in bold and larger,
// while the text the voice reads stays the document's; the title names the
// book and the chapter the caret is in.
void TestBookNavigation::headingsAndTitle()
{
    auto w = bookWindow();
    QVERIFY(w);
    DocumentLoader reader;
    QVERIFY(reader.LoadFile(m_book));
    QVERIFY(!w->resumeNote()->isVisible());
    QCOMPARE(textBox(*w)->toPlainText(), reader.Text());
    const QList<Document::Chapter> chapters = w->navigation()->chapters();
    QCOMPARE(chapters, reader.document().chapters);
    QCOMPARE(chapters.size(), 4);
    QCOMPARE(w->windowTitle(), QStringLiteral("Sayora 1.19 - The Test Book - Chapter One"));

    QTextDocument *document = textBox(*w)->document();
    const QTextBlock heading = document->findBlock(int(chapters.at(0).start));
    const QTextBlock body = heading.next();
    const QTextBlock section = document->findBlock(int(chapters.at(2).start));
    QCOMPARE(heading.text(), QStringLiteral("Chapter One"));
    QTextCursor inHeading(heading);
    inHeading.movePosition(QTextCursor::NextCharacter);
    QTextCursor inBody(body);
    inBody.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(inHeading.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(inBody.charFormat().fontWeight(), int(QFont::Normal));
    // Height of the lines alone (asking the layout lays the block out).
    const auto layoutHeight = [document](const QTextBlock &b) {
        document->documentLayout()->blockBoundingRect(b);
        return b.layout()->boundingRect().height() / std::max(1, b.layout()->lineCount());
    };
    QVERIFY(layoutHeight(heading) > layoutHeight(section));
    QVERIFY(layoutHeight(section) > layoutHeight(body));
    // Paragraphs are set apart by room below them, not by blank lines.
    const auto roomBelow = [document](const QTextBlock &b) {
        const qreal whole = document->documentLayout()->blockBoundingRect(b).height();
        return whole - b.layout()->boundingRect().height();
    };
    QVERIFY(roomBelow(body) >= 4);
    QVERIFY(!textBox(*w)->toPlainText().contains(QStringLiteral("\n\n")));
    // Setting headings apart is no edit to undo.
    QVERIFY(!document->isUndoAvailable());

    // The caret to the end, in chapter three: the title follows.
    QTest::keyClick(textBox(*w), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(w->windowTitle(), QStringLiteral("Sayora 1.19 - The Test Book - Chapter Three"));

    // An outline that points at the top of a page: the running header there
    // stays as it is, the title a line below is set apart, and a chapter
    // whose title is nowhere near leaves the text alone.
    Document outline;
    outline.text = QStringLiteral("A Running Header\n3. The Voyage\nIt began at dawn.\nPage 4\nMore text here.");
    outline.chapters = {{QStringLiteral("The Voyage"), 0, 1}, {QStringLiteral("Unseen"), outline.text.indexOf(u"Page"), 1}};
    textBox(*w)->setPlainText(outline.text);
    w->navigation()->showDocument(outline, m_dir.filePath(QStringLiteral("outline.pdf")));
    const auto bold = [document](int blockNumber) {
        QTextCursor c(document->findBlockByNumber(blockNumber));
        c.movePosition(QTextCursor::NextCharacter);
        return c.charFormat().fontWeight() == QFont::Bold;
    };
    QCOMPARE((QList<bool>{bold(0), bold(1), bold(2), bold(3), bold(4)}), (QList<bool>{false, true, false, false, false}));
}

// Ctrl+L lists the chapters with the one being read marked; Enter goes
// there: caret and slider when stopped, the voice as well while reading.
// The list also opens from the text box's context menu, and a screen
// reader hears the chapter chosen.
void TestBookNavigation::chapterListGoesThere()
{
    auto w = bookWindow();
    QVERIFY(w);
    auto *access = w->findChild<KeyboardAccess *>();
    QVERIFY(access);
    QSignalSpy announced(access, &KeyboardAccess::announced);
    const QList<Document::Chapter> chapters = w->navigation()->chapters();

    key(*w, BookNavigation::chapterListKey());
    QPointer<ChapterList> list;
    QTRY_VERIFY((list = w->findChild<ChapterList *>()) && list->isVisible());
    auto *view = named<QListWidget>(*list, "chapters");
    QCOMPARE(view->count(), 4);
    QCOMPARE(view->item(2)->text(), QStringLiteral("    A Section"));
    QCOMPARE(view->currentRow(), 0);
    QVERIFY(view->item(0)->font().bold());
    // What a screen reader is told: the list's name, each chapter with its
    // level, and the one being read.
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(view);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Chapters"));
    QStringList heard;
    for (int i = 0; i < face->childCount(); ++i)
        heard << face->child(i)->text(QAccessible::Name);
    QVERIFY2(heard.contains(QStringLiteral("Chapter One, being read")), qPrintable(heard.join(u'|')));
    QVERIFY2(heard.contains(QStringLiteral("A Section, level 2")), qPrintable(heard.join(u'|')));
    QTRY_VERIFY(view->hasFocus());
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!list);
    QCOMPARE(caret(*w), chapters.at(1).start);
    QCOMPARE(named<PositionSlider>(*w, "cpvSlider1")->value(), chapters.at(1).start);
    // The chapter begins at the top of the view.
    QVERIFY(textBox(*w)->cursorRect().top() < textBox(*w)->fontMetrics().lineSpacing());
    QVERIFY(w->speech()->state() != SpeechController::State::Speaking);
    QCOMPARE(w->windowTitle(), QStringLiteral("Sayora 1.19 - The Test Book - Chapter Two"));
    QVERIFY(announced.size() >= 1);
    QCOMPARE(announced.last().at(0).toString(), QStringLiteral("Chapter Two"));

    // Reading: from the context menu, a double click on chapter three.
    QVERIFY(startReading(*w));
    QVERIFY(clickContextEntry(*w, QStringLiteral("Chapters...")));
    QTRY_VERIFY((list = w->findChild<ChapterList *>()) && list->isVisible());
    view = named<QListWidget>(*list, "chapters");
    QCOMPARE(view->currentRow(), 1);
    QVERIFY(view->item(1)->text().contains(QStringLiteral("being read")));
    const QRect three = view->visualItemRect(view->item(3));
    QTest::mouseDClick(list->windowHandle(), Qt::LeftButton, {}, view->viewport()->mapTo(list, three.center()));
    QTRY_VERIFY(!list);
    QVERIFY(readsFrom(*w, chapters.at(3).start, chapters.at(3).start + 60));
    QTRY_COMPARE(w->windowTitle(), QStringLiteral("Sayora 1.19 - The Test Book - Chapter Three"));
    QCOMPARE(announced.last().at(0).toString(), QStringLiteral("Chapter Three"));
    QTest::keyClick(textBox(*w), Qt::Key_F7);
    QTRY_COMPARE(w->speech()->state(), SpeechController::State::Idle);
}

// While reading, the keys move the voice: next sentence, back to the
// sentence's start and, pressed again, to the one before; paragraphs and
// chapters alike. A screen reader hears the first words of where it went.
void TestBookNavigation::stepKeysWhileReading()
{
    auto w = bookWindow();
    QVERIFY(w);
    const ReadingSteps steps = stepsOf(*w);
    const QString text = steps.text();
    auto *access = w->findChild<KeyboardAccess *>();
    QSignalSpy announced(access, &KeyboardAccess::announced);
    QVERIFY(startReading(*w));

    // Next sentence, from wherever the voice is.
    qint64 at = w->speech()->readingPosition();
    const qsizetype second = steps.next(Unit::Sentence, at);
    QVERIFY(second > at);
    key(*w, BookNavigation::stepKey(Unit::Sentence, true));
    QVERIFY(readsFrom(*w, second, steps.sentenceAt(second).end));
    QVERIFY(announced.last().at(0).toString().startsWith(text.mid(second, 12)));

    // Back: once past its second word, to the sentence's start; again at
    // once, to the sentence before.
    const qsizetype third = steps.next(Unit::Sentence, second);
    key(*w, BookNavigation::stepKey(Unit::Sentence, true));
    QVERIFY(readsFrom(*w, text.indexOf(u"is read", third), steps.sentenceAt(third).end));
    key(*w, BookNavigation::stepKey(Unit::Sentence, false));
    QCOMPARE(w->speech()->readingPosition(), third);
    key(*w, BookNavigation::stepKey(Unit::Sentence, false));
    QCOMPARE(w->speech()->readingPosition(), second);
    QVERIFY(readsFrom(*w, second, third));

    // Next paragraph, next chapter, and back to the chapter before.
    at = w->speech()->readingPosition();
    const qsizetype paragraph = steps.next(Unit::Paragraph, at);
    key(*w, BookNavigation::stepKey(Unit::Paragraph, true));
    QVERIFY(readsFrom(*w, paragraph, steps.sentenceAt(paragraph).end));
    const QList<Document::Chapter> chapters = w->navigation()->chapters();
    key(*w, BookNavigation::stepKey(Unit::Chapter, true));
    QVERIFY(readsFrom(*w, chapters.at(1).start, chapters.at(2).start));
    QCOMPARE(announced.last().at(0).toString(), QStringLiteral("Chapter Two"));
    key(*w, BookNavigation::stepKey(Unit::Chapter, false));
    key(*w, BookNavigation::stepKey(Unit::Chapter, false));
    QVERIFY(readsFrom(*w, chapters.at(0).start, chapters.at(1).start));
    // Nothing before the first chapter: the reading goes on, the user hears why.
    key(*w, BookNavigation::stepKey(Unit::Chapter, false));
    key(*w, BookNavigation::stepKey(Unit::Chapter, false));
    QCOMPARE(announced.last().at(0).toString(), QStringLiteral("At the start"));
    QCOMPARE(w->speech()->state(), SpeechController::State::Speaking);
    QTest::keyClick(textBox(*w), Qt::Key_Escape);
    QTRY_COMPARE(w->speech()->state(), SpeechController::State::Idle);
}

// Stopped, a step moves the caret and the slider for the next reading and
// speaks nothing; paused, the reading resumes from where the step went.
void TestBookNavigation::stepKeysWhenStoppedOrPaused()
{
    auto w = bookWindow();
    QVERIFY(w);
    const ReadingSteps steps = stepsOf(*w);
    const qsizetype second = steps.next(Unit::Sentence, 0);
    key(*w, BookNavigation::stepKey(Unit::Sentence, true));
    QCOMPARE(caret(*w), second);
    QCOMPARE(named<PositionSlider>(*w, "cpvSlider1")->value(), second);
    QCOMPARE(w->speech()->readingPosition(), second);
    QCOMPARE(w->speech()->state(), SpeechController::State::Idle);
    key(*w, BookNavigation::stepKey(Unit::Sentence, false));
    QCOMPARE(caret(*w), steps.previous(Unit::Sentence, second));

    // F5 reads from the caret; pause, step a paragraph on: it reads on there.
    QVERIFY(startReading(*w));
    QTest::keyClick(textBox(*w), Qt::Key_F6);
    QTRY_COMPARE(w->speech()->state(), SpeechController::State::Paused);
    const qsizetype paragraph = steps.next(Unit::Paragraph, w->speech()->readingPosition());
    key(*w, BookNavigation::stepKey(Unit::Paragraph, true));
    QVERIFY(readsFrom(*w, paragraph, steps.sentenceAt(paragraph).end));
    QCOMPARE(w->speech()->state(), SpeechController::State::Speaking);
    QTest::keyClick(textBox(*w), Qt::Key_F7);
    QTRY_COMPARE(w->speech()->state(), SpeechController::State::Idle);
}

// The flite voices go through the other engine's restart: paused and
// reading alike.
void TestBookNavigation::stepKeysWithFliteVoice()
{
    auto w = bookWindow();
    QVERIFY(w);
    SpeechController *speech = w->speech();
    QVERIFY(speech->sapi4Count() > 0);
    speech->setVoiceListPosition(0);
    QCOMPARE(speech->currentEngine(), int(SpeechController::Sapi4));
    const ReadingSteps steps = stepsOf(*w);
    QVERIFY(startReading(*w));
    const qsizetype next = steps.next(Unit::Sentence, speech->readingPosition());
    key(*w, BookNavigation::stepKey(Unit::Sentence, true));
    QVERIFY(readsFrom(*w, next, steps.sentenceAt(next).end));
    QTest::keyClick(textBox(*w), Qt::Key_F6);
    QTRY_COMPARE(speech->state(), SpeechController::State::Paused);
    const QList<Document::Chapter> chapters = w->navigation()->chapters();
    key(*w, BookNavigation::stepKey(Unit::Chapter, true));
    QVERIFY(readsFrom(*w, chapters.at(1).start, chapters.at(2).start));
    QTest::keyClick(textBox(*w), Qt::Key_F7);
    QTRY_COMPARE(speech->state(), SpeechController::State::Idle);
}

// The sentence being read has a soft background behind the spoken word;
// the view keeps two lines after the spoken one in sight, scrolling no more
// than that takes; the context menu turns the sentence off.
void TestBookNavigation::sentenceShownAndWhatFollowsInView()
{
    QByteArray lines;
    for (int i = 1; i <= 120; ++i)
        lines += "Line " + QByteArray::number(i) + " of the text. It has two sentences.\n";
    const QString path = testsupport::writeFile(m_dir.filePath("lines.txt"), lines);
    auto w = newWindow();
    QVERIFY(w);
    QVERIFY(chooseEnglishEspeak(*w));
    QVERIFY(w->openDocument(path));
    QPlainTextEdit *box = textBox(*w);
    box->setFocus();
    // Plain text keeps its own spacing: no room is added below its lines.
    const QTextBlock first = box->document()->firstBlock();
    QCOMPARE(box->document()->documentLayout()->blockBoundingRect(first).height(), first.layout()->boundingRect().height());
    const int line = box->fontMetrics().lineSpacing();
    const int height = box->viewport()->height();
    QVERIFY(height > 6 * line);

    // A click on the last line that is wholly in view, then F5.
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, height - line - line / 2));
    const int clickedBlock = box->textCursor().blockNumber();
    QVERIFY(clickedBlock > 3);
    QVERIFY(box->cursorRect().bottom() + 2 * line > height);
    const int scrolledBefore = box->verticalScrollBar()->value();
    QVERIFY(startReading(*w));
    QTRY_VERIFY(box->textCursor().hasSelection());
    QVERIFY(box->cursorRect().bottom() + 2 * line <= height);
    QVERIFY(box->verticalScrollBar()->value() - scrolledBefore <= 3);

    const auto shown = [box] {
        const QList<QTextEdit::ExtraSelection> selections = box->extraSelections();
        return selections.isEmpty() ? QString() : selections.first().cursor.selectedText();
    };
    QTRY_VERIFY(!shown().isEmpty());
    const QTextCursor word = box->textCursor();
    const QTextEdit::ExtraSelection sentence = box->extraSelections().first();
    QVERIFY(sentence.cursor.selectionStart() <= word.selectionStart());
    QVERIFY(sentence.cursor.selectionEnd() >= word.selectionEnd());
    QVERIFY(shown() == QStringLiteral("Line %1 of the text.").arg(clickedBlock + 1)
            || shown() == QStringLiteral("It has two sentences."));
    QVERIFY(sentence.format.background().color() != box->palette().color(QPalette::Base));

    QVERIFY(clickContextEntry(*w, QStringLiteral("Show the sentence being read")));
    QTRY_VERIFY(box->extraSelections().isEmpty());
    QVERIFY(!w->navigation()->sentenceShown());
    {
        // The choice outlives the window.
        auto next = newWindow();
        QVERIFY(next);
        QVERIFY(!next->navigation()->sentenceShown());
    }
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QVERIFY(clickContextEntry(*w, QStringLiteral("Show the sentence being read")));
    QTRY_VERIFY(!shown().isEmpty());
    QTest::keyClick(box, Qt::Key_F7);
    QTRY_VERIFY(box->extraSelections().isEmpty());
}

// The note that a document resumed is shown whole inside a narrow text box.
void TestBookNavigation::resumeNoteShownWhole()
{
    auto w = newWindow();
    QVERIFY(w);
    // The window stops at its minimum width; the text box itself is made
    // narrower than that to leave the note too little room for one line.
    w->resize(260, w->height());
    QCOMPARE(w->width(), w->minimumWidth());
    QPlainTextEdit *box = textBox(*w);
    box->resize(240, box->height());
    QVERIFY(box->width() < 260);
    const std::optional<ReadingPositions::Entry> entry = ReadingPositions::identify(m_book);
    QVERIFY(entry);
    QVERIFY(w->readingPositions().remember(*entry, 200));
    QVERIFY(w->openDocument(m_book));
    QLabel *note = w->resumeNote();
    QTRY_VERIFY(note->isVisible());
    QVERIFY(note->text().endsWith(QStringLiteral("reads from the start.")));
    QVERIFY(box->geometry().contains(note->geometry()));
    QVERIFY(note->height() >= note->heightForWidth(note->width()));
    QVERIFY(note->height() > note->fontMetrics().height() * 2);
}

SAYORA_GUI_TEST_MAIN(TestBookNavigation)
#include "tst_book_navigation.moc"
