// The "Pronunciation" window driven as a user does: Ctrl+D, buttons clicked,
// cells typed into, a check box toggled with Space, a rule tried aloud, and
// "Add a rule for this word" from the text box's context menu.

#include "app/pronunciation_window.h"
#include "app/sayora_main.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/pronunciation_rules.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using testsupport::named;

namespace {

QStringList ruleLines()
{
    QFile file(PronunciationLists::commonFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line;
    }
    return lines;
}

QPushButton *button(QWidget *window, const QString &text)
{
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

// Types into the cell editor that has just opened, then Return; the test
// goes on once the table has the focus back.
void typeIntoCell(QTableWidget *table, const QString &text, bool clear = false)
{
    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->parentWidget() == table->viewport());
    QWidget *editor = QApplication::focusWidget();
    if (clear)
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), table);
}

}  // namespace

class TestPronunciationWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void keyboardAndMouseEditTheRules();
    void sayItSpeaksTheSpokenForm();
    void contextMenuAddsARuleForTheWord();
    void contextMenuOffersARuleOnlyOnAWord();

private:
    std::unique_ptr<SayoraMain> main;
    PronunciationWindow *window = nullptr;
    QTableWidget *table = nullptr;
};

void TestPronunciationWindow::initTestCase()
{
    // A line typed by hand that the window cannot read survives its saves.
    testsupport::writeFile(PronunciationLists::commonFile(), "# mine\nbroken line\n");
    main = std::make_unique<SayoraMain>();
    main->load(QString());
    main->speech()->setVoiceListPosition(main->speech()->sapi4Count());  // espeak-ng
    named<QPlainTextEdit>(*main, "MainTxtBox")->setPlainText(QStringLiteral("Sayora reads SQL aloud."));
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    named<QPlainTextEdit>(*main, "MainTxtBox")->setFocus();

    QTest::keyClick(named<QPlainTextEdit>(*main, "MainTxtBox"), Qt::Key_D, Qt::ControlModifier);
    window = main->findChild<PronunciationWindow *>();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    table = window->findChild<QTableWidget *>();
    QVERIFY(table);
    QTRY_COMPARE(QApplication::focusWidget(), table);
    bool reported = false;
    for (QLabel *label : window->findChildren<QLabel *>())
        reported = reported || label->text().contains(QStringLiteral("Line 2 of pronunciation.txt was skipped"));
    QVERIFY(reported);
    // Names a screen reader announces.
    QCOMPARE(QAccessible::queryAccessibleInterface(table)->text(QAccessible::Name), QStringLiteral("Pronunciation rules"));
    QCOMPARE(QAccessible::queryAccessibleInterface(window->findChild<QLineEdit *>())->text(QAccessible::Name),
             QStringLiteral("Text to say"));
}

void TestPronunciationWindow::keyboardAndMouseEditTheRules()
{
    // Alt+A adds a rule and opens its written text for typing.
    QTest::keyClick(table, Qt::Key_A, Qt::AltModifier);
    typeIntoCell(table, QStringLiteral("SQL"));
    QCOMPARE(table->rowCount(), 1);
    // Right to the spoken form; typing starts the edit.
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(table->currentColumn(), int(PronunciationWindow::Spoken));
    QTest::keyClick(table, Qt::Key_S);
    typeIntoCell(table, QStringLiteral("equel"));
    QCOMPARE(ruleLines(), QStringList({"SQL\tsequel"}));
    // Two more to the right: "Match case", toggled with Space.
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(table->currentColumn(), int(PronunciationWindow::MatchCase));
    QTest::keyClick(table, Qt::Key_Space);
    QCOMPARE(ruleLines(), QStringList({"SQL\tsequel\tc"}));

    // The mouse adds a second rule, said as nothing.
    QTest::mouseClick(button(window, QStringLiteral("&Add")), Qt::LeftButton);
    typeIntoCell(table, QStringLiteral("um"));
    QCOMPARE(ruleLines(), QStringList({"SQL\tsequel\tc", "um\t"}));
    // Move it up with Alt+U, back down with the mouse.
    // (A mnemonic clicks its button a moment later, as a click would look.)
    QTest::keyClick(table, Qt::Key_U, Qt::AltModifier);
    QTRY_COMPARE(ruleLines(), QStringList({"um\t", "SQL\tsequel\tc"}));
    QTest::mouseClick(button(window, QStringLiteral("Move &down")), Qt::LeftButton);
    QCOMPARE(ruleLines(), QStringList({"SQL\tsequel\tc", "um\t"}));
    QCOMPARE(QApplication::focusWidget(), table);
    // Edit (Alt+E) the written text of the selected rule.
    QTest::keyClick(table, Qt::Key_E, Qt::AltModifier);
    typeIntoCell(table, QStringLiteral("umm"), true);
    QCOMPARE(ruleLines(), QStringList({"SQL\tsequel\tc", "umm\t"}));
    // Delete removes the selected rule.
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(ruleLines(), QStringList({"SQL\tsequel\tc"}));
    // What could not be read is still in the file, as a comment.
    QFile file(PronunciationLists::commonFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\n# broken line\n"));
    // The reader uses the rules at once.
    main->speech()->pronunciation().invalidate();
    QCOMPARE(main->speech()->pronunciation().rulesFor(QStringLiteral("en-us")).apply(QStringLiteral("SQL sql")).text,
             QStringLiteral("sequel sql"));
}

void TestPronunciationWindow::sayItSpeaksTheSpokenForm()
{
    auto *field = window->findChild<QLineEdit *>();
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("I like SQL"));
    QTest::mouseClick(button(window, QStringLiteral("&Say it")), Qt::LeftButton);
    auto *voice = window->findChild<SpVoice *>();
    QVERIFY(voice);
    QSignalSpy words(voice, &SpVoice::Word);
    QSignalSpy ended(voice, &SpVoice::EndStream);
    QVERIFY(ended.wait(30000));
    // "I like sequel": three words, the last one the spoken form.
    QCOMPARE(words.size(), 3);
    QCOMPARE(words.last().at(2).toLongLong(), qint64(QStringLiteral("I like ").size()));
    QCOMPARE(words.last().at(3).toLongLong(), qint64(QStringLiteral("sequel").size()));
    // The reader's own text box saw none of it.
    QVERIFY(main->speech()->state() != SpeechController::State::Speaking);
    QVERIFY(!named<QPlainTextEdit>(*main, "MainTxtBox")->textCursor().hasSelection());

    // A flite voice says it through a voice of the older generation.
    main->speech()->setVoiceListPosition(0);
    QCOMPARE(main->speech()->currentEngine(), 4);
    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(window->findChild<DirectSS *>());
    auto *direct = window->findChild<DirectSS *>();
    QSignalSpy positions(direct, &DirectSS::WordPosition);
    QSignalSpy stopped(direct, &DirectSS::AudioStop);
    QVERIFY(stopped.wait(30000));
    QVERIFY(!positions.isEmpty());
    QCOMPARE(positions.last().at(2).toLongLong(), 2 * qint64(QStringLiteral("I like ").size()));
    main->speech()->setVoiceListPosition(main->speech()->sapi4Count());
}

void TestPronunciationWindow::contextMenuAddsARuleForTheWord()
{
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    QPlainTextEdit *text = named<QPlainTextEdit>(*main, "MainTxtBox");
    QTextCursor cursor(text->document());
    cursor.setPosition(2);  // inside "Sayora"
    const QPoint at = text->cursorRect(cursor).center();
    // Through the window, as the window system delivers it: only that makes
    // a right click open the context menu.
    QTest::mouseClick(main->windowHandle(), Qt::RightButton, {}, text->viewport()->mapTo(main.get(), at));
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QAction *add = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("Add a rule for this word"))
            add = action;
    }
    QVERIFY(add && add->isEnabled());
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(add).center());
    QTRY_VERIFY(window->isActiveWindow());
    // The new rule says the word as written until the spoken form is typed
    // over it.
    QCOMPARE(ruleLines(), QStringList({"SQL\tsequel\tc", "Sayora\tSayora"}));
    QTRY_COMPARE(QApplication::focusWidget(), table);
    QCOMPARE(table->currentColumn(), int(PronunciationWindow::Spoken));
    QTest::keyClick(table, 'S');
    typeIntoCell(table, QStringLiteral("ay OR a"));
    QCOMPARE(ruleLines(), QStringList({"SQL\tsequel\tc", "Sayora\tSay OR a"}));
}

void TestPronunciationWindow::contextMenuOffersARuleOnlyOnAWord()
{
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    QPlainTextEdit *text = named<QPlainTextEdit>(*main, "MainTxtBox");
    text->setPlainText(QStringLiteral("Read it. Then stop."));
    // Whether the menu opened at a point of the text offers a rule, and for
    // what; the menu is closed again.
    const auto offered = [&](int position, int rightOf) {
        QTextCursor cursor(text->document());
        cursor.setPosition(position);
        const QPoint at = text->cursorRect(cursor).center() + QPoint(rightOf, 0);
        QTest::mouseClick(main->windowHandle(), Qt::RightButton, {}, text->viewport()->mapTo(main.get(), at));
        QMenu *menu = nullptr;
        [&] { QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))); }();
        bool enabled = false;
        for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
            if (action->text() == QStringLiteral("Add a rule for this word"))
                enabled = action->isEnabled();
        }
        if (menu)
            menu->close();
        return enabled;
    };
    // Just past "it." and just past the last sentence.
    QVERIFY(!offered(8, 2));
    QVERIFY(!offered(19, 2));
    // Far past the end of the line.
    QVERIFY(!offered(19, 150));
    // On a word it is offered.
    QVERIFY(offered(10, 0));
    text->setPlainText(QStringLiteral("Sayora reads SQL aloud."));
}

SAYORA_GUI_TEST_MAIN(TestPronunciationWindow)
#include "tst_pronunciation_window.moc"
