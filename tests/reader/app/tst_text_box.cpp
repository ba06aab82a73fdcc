// The Open button and the text box's look: the dialogs are answered by a
// helper that waits for them to appear.

#include "app/sayora_main.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/font_chooser.h"
#include "ui/image_button.h"
#include "ui/twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

using testsupport::named;

namespace {

// Runs `answer` on the next modal dialog once it is shown.
void answerNextDialog(std::function<void(QWidget *)> answer)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(dialog);
    });
    poll->start();
}

QColor colourOf(QWidget *widget, QPalette::ColorRole role)
{
    return widget->palette().color(role);
}

}  // namespace

class TestTextBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void openDialogFollowsLastType_data();
    void openDialogFollowsLastType();
    void openLoadsAndRemembers();
    void openCancelChangesNothing();
    void openUnreadableFileKeepsText();
    void openBookWithButton();
    void fontConfirmWithoutChanges();
    void fontChosenSizeAndStyles();
    void backColourDialog();
    void showHide();
    void designFontKeepsHalfPoint();
    void listsAndDialogsReadable();

private:
    std::unique_ptr<SayoraMain> m_window;
    QTemporaryDir m_dir;
};

void TestTextBox::initTestCase()
{
    m_window = std::make_unique<SayoraMain>();
    m_window->load(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    testsupport::writeFile(m_dir.filePath("notes.text"), "Plain notes.");
    testsupport::writeFile(m_dir.filePath("letter.rtf"), "{\\rtf1\\ansi Dear {\\b Ann}.\\par Bye.}");
}

// WCAG's contrast ratio of two colours: 1 (none) to 21 (black on white).
static double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

void TestTextBox::openDialogFollowsLastType_data()
{
    QTest::addColumn<QString>("openExt");
    QTest::addColumn<QString>("filter");
    QTest::newRow("rtf") << ".rtf" << "Rich Text (*.rtf)";
    QTest::newRow("txt") << ".txt" << "Text (*.txt)";
    QTest::newRow("text") << "text" << "Text (*.txt)";
    QTest::newRow("first run, empty") << "" << "Text (*.txt)";
    const QString documents = QStringLiteral("Documents (*.pdf *.epub *.docx *.odt *.html *.htm)");
    QTest::newRow("pdf") << ".pdf" << documents;
    QTest::newRow("epub") << "epub" << documents;
    QTest::newRow("htm") << ".htm" << documents;
}

void TestTextBox::openDialogFollowsLastType()
{
    QFETCH(QString, openExt);
    QFETCH(QString, filter);
    SayoraMain &w = *m_window;
    w.settings().OpenExt = openExt;
    w.settings().OpenDir = m_dir.path() + "/";
    QString seenFilter, seenTitle, seenDir;
    QStringList seenFilters;
    answerNextDialog([&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        QVERIFY(dialog);
        seenTitle = dialog->windowTitle();
        seenFilter = dialog->selectedNameFilter();
        seenFilters = dialog->nameFilters();
        seenDir = dialog->directory().absolutePath();
        dialog->reject();
    });
    w.speech()->setDisappear(true);
    w.openClick();
    QVERIFY(!w.speech()->disappear());
    QCOMPARE(seenTitle, QStringLiteral("Select A File"));
    QCOMPARE(seenFilters, QStringList({"Rich Text (*.rtf)", "Text (*.txt)",
                                       "Documents (*.pdf *.epub *.docx *.odt *.html *.htm)",
                                       "All readable files (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)"}));
    QCOMPARE(seenFilter, filter);
    QCOMPARE(seenDir, QDir(m_dir.path()).absolutePath());
}

void TestTextBox::openLoadsAndRemembers()
{
    SayoraMain &w = *m_window;
    w.settings().OpenExt = ".txt";
    const QString letter = m_dir.filePath("letter.rtf");
    answerNextDialog([&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        // The user switches to the rich-text filter and picks the letter.
        dialog->selectNameFilter(QStringLiteral("Rich Text (*.rtf)"));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(letter);
        QMetaObject::invokeMethod(dialog, "accept");
        // Should the dialog refuse, end it rather than hang the test.
        if (dialog->isVisible())
            dialog->reject();
    });
    w.openClick();
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText(), QStringLiteral("Dear Ann.\nBye."));
    QCOMPARE(w.settings().OpenExt, QStringLiteral(".rtf"));
    QCOMPARE(w.settings().OpenDir, m_dir.path() + "/");

    // Both kinds load the same way, whatever filter was chosen.
    QVERIFY(w.openDocument(m_dir.filePath("notes.text")));
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText(), QStringLiteral("Plain notes."));
    QCOMPARE(w.settings().OpenExt, QStringLiteral("text"));
}

void TestTextBox::openCancelChangesNothing()
{
    SayoraMain &w = *m_window;
    named<QPlainTextEdit>(w, "MainTxtBox")->setPlainText(QStringLiteral("unchanged"));
    w.settings().OpenExt = ".rtf";
    w.settings().OpenDir = "/nowhere/";
    answerNextDialog([](QWidget *widget) { static_cast<QDialog *>(widget)->reject(); });
    w.openClick();
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText(), QStringLiteral("unchanged"));
    QCOMPARE(w.settings().OpenExt, QStringLiteral(".rtf"));
    QCOMPARE(w.settings().OpenDir, QStringLiteral("/nowhere/"));
}

void TestTextBox::openUnreadableFileKeepsText()
{
    SayoraMain &w = *m_window;
    named<QPlainTextEdit>(w, "MainTxtBox")->setPlainText(QStringLiteral("kept"));
    const QString missing = m_dir.filePath("gone.txt");
    QString message;
    answerNextDialog([&](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        QVERIFY(box);
        message = box->text();
        box->accept();
    });
    QVERIFY(!w.openDocument(missing));
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText(), QStringLiteral("kept"));
    QVERIFY2(message.contains(missing), qPrintable(message));
    // Named once, with the reason after it.
    QCOMPARE(message.count(missing), 1);
    QVERIFY2(message.endsWith(QLatin1String("the file does not exist.")), qPrintable(message));
}

// A user clicks Open, picks the documents filter and an EPUB book; then a
// scanned PDF, which is refused with its reason while the book stays.
void TestTextBox::openBookWithButton()
{
    SayoraMain &w = *m_window;
    w.settings().OpenExt = ".txt";
    named<QPlainTextEdit>(w, "MainTxtBox")->setPlainText(QStringLiteral("before"));
    const QString book = QStringLiteral(SAYORA_DOCUMENTS_DATA "/books/pandoc_book3.epub");
    const auto choose = [](const QString &path) {
        testsupport::answerNext<QFileDialog>([path](QFileDialog *dialog) {
            dialog->selectNameFilter(QStringLiteral("Documents (*.pdf *.epub *.docx *.odt *.html *.htm)"));
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(path);
            QMetaObject::invokeMethod(dialog, "accept");
            if (dialog->isVisible())
                dialog->reject();
        });
    };
    choose(book);
    QTest::mouseClick(named<ImageButton>(w, "Image3"), Qt::LeftButton);
    QTRY_VERIFY(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText().startsWith(QLatin1String("The Garden Book\nMira Holt\nSpring\n")));
    QVERIFY(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText().endsWith(QLatin1String("The leaves fall and the work is done.")));
    QCOMPARE(w.settings().OpenExt, QStringLiteral("epub"));

    const QString scan = QStringLiteral(SAYORA_DOCUMENTS_DATA "/books/picture_only.pdf");
    QString message;
    testsupport::answerNext<QMessageBox>([&](QMessageBox *box) {
        message = box->text();
        box->accept();
    });
    choose(scan);
    QTest::mouseClick(named<ImageButton>(w, "Image3"), Qt::LeftButton);
    QTRY_VERIFY(!message.isEmpty());
    QVERIFY2(message.contains(scan) && message.contains(QLatin1String("no text to read")), qPrintable(message));
    QVERIFY(named<QPlainTextEdit>(w, "MainTxtBox")->toPlainText().startsWith(QLatin1String("The Garden Book")));
}

void TestTextBox::fontConfirmWithoutChanges()
{
    SayoraMain &w = *m_window;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(11.5);
    font.setItalic(true);
    font.setUnderline(true);
    named<QPlainTextEdit>(w, "MainTxtBox")->setFont(font);
    const QColor text = colourOf(named<QPlainTextEdit>(w, "MainTxtBox"), QPalette::Text);
    answerNextDialog([](QWidget *widget) { static_cast<QDialog *>(widget)->accept(); });
    w.fontClick();
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->font().pointSizeF(), 11.5);
    QVERIFY(named<QPlainTextEdit>(w, "MainTxtBox")->font().italic());
    QVERIFY(named<QPlainTextEdit>(w, "MainTxtBox")->font().underline());
    QVERIFY(!named<QPlainTextEdit>(w, "MainTxtBox")->font().bold());
    QCOMPARE(colourOf(named<QPlainTextEdit>(w, "MainTxtBox"), QPalette::Text), text);
}

void TestTextBox::fontChosenSizeAndStyles()
{
    SayoraMain &w = *m_window;
    const QColor strip = colourOf(named<QLabel>(w, "Label60"), QPalette::Window);
    answerNextDialog([](QWidget *widget) {
        auto *chooser = qobject_cast<FontChooser *>(widget);
        QVERIFY(chooser);
        chooser->sizeBox()->setValue(10);
        chooser->boldBox()->setChecked(true);
        chooser->strikeOutBox()->setChecked(true);
        chooser->italicBox()->setChecked(false);
        chooser->setColour(QColor(255, 255, 0));
        chooser->accept();
    });
    w.fontClick();
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->font().pointSizeF(), 10.0);
    QVERIFY(named<QPlainTextEdit>(w, "MainTxtBox")->font().bold());
    QVERIFY(named<QPlainTextEdit>(w, "MainTxtBox")->font().strikeOut());
    QVERIFY(!named<QPlainTextEdit>(w, "MainTxtBox")->font().italic());
    QCOMPARE(colourOf(named<QPlainTextEdit>(w, "MainTxtBox"), QPalette::Text), QColor(255, 255, 0));
    QCOMPARE(colourOf(named<QLabel>(w, "Label60"), QPalette::Window), strip);

    // Cancel changes nothing.
    answerNextDialog([](QWidget *widget) {
        auto *chooser = qobject_cast<FontChooser *>(widget);
        chooser->sizeBox()->setValue(30);
        chooser->reject();
    });
    w.fontClick();
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->font().pointSizeF(), 10.0);
}

void TestTextBox::backColourDialog()
{
    SayoraMain &w = *m_window;
    const QColor background(10, 20, 200);
    QPalette palette = named<QPlainTextEdit>(w, "MainTxtBox")->palette();
    palette.setColor(QPalette::Base, background);
    named<QPlainTextEdit>(w, "MainTxtBox")->setPalette(palette);
    QColorDialog::setCustomColor(0, QColor(Qt::red));
    QColor customSeen, initialSeen;
    answerNextDialog([&](QWidget *widget) {
        auto *dialog = qobject_cast<QColorDialog *>(widget);
        QVERIFY(dialog);
        customSeen = QColorDialog::customColor(0);
        initialSeen = dialog->currentColor();
        dialog->setCurrentColor(QColor(0, 128, 64));
        dialog->accept();
    });
    w.backColourClick();
    QCOMPARE(customSeen, QColor(Qt::black));
    QVERIFY(initialSeen != background);
    QCOMPARE(colourOf(named<QPlainTextEdit>(w, "MainTxtBox"), QPalette::Base), QColor(0, 128, 64));
    QCOMPARE(colourOf(named<QLabel>(w, "Label70"), QPalette::Window), QColor(0, 128, 64));

    answerNextDialog([](QWidget *widget) { static_cast<QDialog *>(widget)->reject(); });
    w.backColourClick();
    QCOMPARE(colourOf(named<QPlainTextEdit>(w, "MainTxtBox"), QPalette::Base), QColor(0, 128, 64));
}

void TestTextBox::showHide()
{
    SayoraMain &w = *m_window;
    w.showMaximized();
    w.speech()->setDisappear(true);
    w.showHideClick();
    QVERIFY(!w.speech()->disappear());
    QVERIFY(!w.isMaximized());
    QVERIFY(!w.settings().ShowText);
    QCOMPARE(w.outerHeightTwips(), 1860);
    QCOMPARE(named<QFrame>(w, "Frame1")->y(), 0);
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->x(), twips::toPixels(99999));
    QCOMPARE(named<ImageButton>(w, "Image20")->toolTip(), QStringLiteral("Show text box"));
    QCOMPARE(named<ImageButton>(w, "Image20")->pictureName(), QStringLiteral("checkno1.bmp"));
    const int width = w.outerWidthTwips();

    w.showHideClick();
    QVERIFY(w.settings().ShowText);
    // 8500 twips is 566.7 pixels: the window gets the nearest whole pixel.
    QCOMPARE(w.outerHeightTwips(), twips::fromPixels(twips::toPixels(8500)));
    QCOMPARE(named<QPlainTextEdit>(w, "MainTxtBox")->x(), twips::toPixels(120));
    QCOMPARE(named<QFrame>(w, "Frame1")->y(), twips::toPixels(w.outerHeightTwips() - 1865));
    QCOMPARE(named<ImageButton>(w, "Image20")->toolTip(), QStringLiteral("Hide text box"));
    QCOMPARE(named<ImageButton>(w, "Image20")->pictureName(), QStringLiteral("checkyes1.bmp"));
    QCOMPARE(w.outerWidthTwips(), width);
}

void TestTextBox::designFontKeepsHalfPoint()
{
    // A fresh window on a first run: Tahoma 10.5, and the record says so.
    SayoraMain fresh;
    QCOMPARE(named<QPlainTextEdit>(fresh, "MainTxtBox")->font().pointSizeF(), 10.5);
    QCOMPARE(named<QPlainTextEdit>(fresh, "MainTxtBox")->font().family(), QStringLiteral("Tahoma"));
    fresh.load(QString());
    QVERIFY(fresh.firstRun());
    QCOMPARE(fresh.settings().FontSize, fontSizeText(10.5));
}

void TestTextBox::listsAndDialogsReadable()
{
    SayoraMain &w = *m_window;
    // The voice list on the green panel, open as the user sees it.
    w.speech()->openVoiceList();
    QAbstractItemView *list = named<QComboBox>(w, "Combo1")->view();
    QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 10000);
    const QPalette listColours = list->palette();
    QVERIFY2(contrast(listColours.color(QPalette::Text), listColours.color(QPalette::Base)) >= 4.5,
             qPrintable(listColours.color(QPalette::Base).name()));
    QVERIFY(contrast(listColours.color(QPalette::HighlightedText), listColours.color(QPalette::Highlight)) >= 3);
    named<QComboBox>(w, "Combo1")->hidePopup();

    // The font dialog's preview with the text box's white text.
    const QColor text = colourOf(named<QPlainTextEdit>(w, "MainTxtBox"), QPalette::Text);
    double previewContrast = 0;
    QColor swatchEdge;
    answerNextDialog([&](QWidget *widget) {
        auto *chooser = qobject_cast<FontChooser *>(widget);
        QVERIFY(chooser);
        const QPalette colours = chooser->preview()->palette();
        previewContrast = contrast(colours.color(QPalette::WindowText), colours.color(QPalette::Window));
        swatchEdge = chooser->colourButton()->icon().pixmap(24, 14).toImage().pixelColor(0, 0);
        chooser->reject();
    });
    const auto setText = [&w](const QColor &colour) {
        QPalette palette = named<QPlainTextEdit>(w, "MainTxtBox")->palette();
        palette.setColor(QPalette::Text, colour);
        named<QPlainTextEdit>(w, "MainTxtBox")->setPalette(palette);
    };
    setText(Qt::white);
    w.fontClick();
    setText(text);
    QVERIFY2(previewContrast >= 4.5, qPrintable(QString::number(previewContrast)));
    // A white swatch keeps a visible edge.
    QVERIFY(swatchEdge.isValid());
    QVERIFY(contrast(swatchEdge, Qt::white) >= 2);

    // Without the text box's background the preview picks a readable one.
    FontChooser alone(QFont(), Qt::white);
    const QPalette colours = alone.preview()->palette();
    QVERIFY(contrast(colours.color(QPalette::WindowText), colours.color(QPalette::Window)) >= 4.5);
}

SAYORA_GUI_TEST_MAIN(TestTextBox)
#include "tst_text_box.moc"
