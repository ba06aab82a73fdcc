// Sayora in each language it ships: the window and every dialog show each
// text translated (not the English one, not an empty one) and whole, and the
// programs speak the language the desktop asks for, English where Sayora
// knows none of the desktop's languages or English comes first.

#include "app/mp3_end.h"
#include "app/pronunciation_window.h"
#include "app/sayora_main.h"
#include "help/help_window.h"
#include "shell/user_language.h"
#include "support/test_support.h"
#include "ui/font_chooser.h"
#include "update/update_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

const QStringList languages = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                               QStringLiteral("ru"), QStringLiteral("zh_CN"), QStringLiteral("ja")};

// What a user reads of one widget, and whether all of it fits. The text is
// a copy of its own: a text the control library wrote may lie in the
// library's memory, gone once the window that loaded it closes.
struct Shown
{
    Shown() = default;
    Shown(const QString &shown, bool fits = true)
        : text(shown.unicode(), shown.size())
        , whole(fits)
    {
    }
    QString text;
    bool whole = true;
};

QString plain(const QLabel *label)
{
    if (label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text()))
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// The text's own width and height against the room the widget gives it.
bool fits(const QLabel *label)
{
    const QRect room = label->contentsRect();
    int flags = int(label->alignment()) | Qt::TextShowMnemonic;
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect needed = label->fontMetrics().boundingRect(room, flags, plain(label));
    return needed.width() <= room.width() && needed.height() <= room.height() + 1;
}

bool fits(const QAbstractButton *button)
{
    return button->sizeHint().width() <= button->width();
}

// Every text of a window, keyed by the widget's place in it (the same in
// every language): titles, captions, button texts and tooltips.
void addTextsOf(QWidget *window, QMap<QString, Shown> &texts)
{
    const std::function<void(QWidget *, const QString &)> walk = [&](QWidget *widget, const QString &place) {
        if (widget->isWindow() && !widget->windowTitle().isEmpty())
            texts.insert(place + QStringLiteral("/title"), {widget->windowTitle()});
        // The voice box's tooltip is the voice's own name.
        if (!widget->toolTip().isEmpty() && !qobject_cast<QComboBox *>(widget))
            texts.insert(place + QStringLiteral("/tooltip"), {widget->toolTip()});
        if (!widget->accessibleName().isEmpty())
            texts.insert(place + QStringLiteral("/name"), {widget->accessibleName()});
        if (widget->isVisible()) {
            if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty())
                texts.insert(place + QStringLiteral("/text"), {plain(label), fits(label)});
            else if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !button->text().isEmpty())
                texts.insert(place + QStringLiteral("/text"), {button->text(), fits(button)});
            else if (auto *group = qobject_cast<QGroupBox *>(widget); group && !group->title().isEmpty())
                texts.insert(place + QStringLiteral("/text"), {group->title()});
        }
        int index = 0;
        // A copy: measuring a widget may give its parent new children.
        const QObjectList children = widget->children();
        for (QObject *child : children) {
            if (auto *childWidget = qobject_cast<QWidget *>(child); childWidget && !childWidget->isWindow())
                walk(childWidget, QStringLiteral("%1/%2:%3").arg(place, QString::fromLatin1(child->metaObject()->className())).arg(index++));
        }
    };
    walk(window, QString::fromLatin1(window->metaObject()->className()));
}

// Texts that are the same word in English and in a language, names, file
// paths, and what is no text at all (numbers, times).
bool mayStayEnglish(const QString &text)
{
    static const QStringList same = {QStringLiteral("Sayora"), QStringLiteral("Sayora 1.19"), QStringLiteral("Pause"),
                                     QStringLiteral("Volume"), QStringLiteral("Status"), QStringLiteral("Message"),
                                     // the control library's own name for itself
                                     QStringLiteral("MyTavo Control")};
    return same.contains(text) || text == QLatin1String("OK") || text.startsWith(u'/') || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
}

// The main window and each dialog it opens, shown as a user sees them.
QMap<QString, Shown> allTexts()
{
    QMap<QString, Shown> texts;
    const auto add = [&texts](QWidget *window) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        addTextsOf(window, texts);
    };
    SayoraMain main;
    main.load(QString());
    add(&main);
    // The pronunciation window opens from the text box with Ctrl+D.
    auto *box = main.findChild<QPlainTextEdit *>(QStringLiteral("MainTxtBox"));
    main.activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&main);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_D, Qt::ControlModifier);
    auto *pronunciation = main.findChild<PronunciationWindow *>();
    if (pronunciation && pronunciation->isVisible())
        addTextsOf(pronunciation, texts);
    else
        texts.insert(QStringLiteral("PronunciationWindow"), {QString(), false});
    HelpWindow help;
    add(&help);
    UpdateWindow update;
    add(&update);
    FontChooser font(QFont(), Qt::black);
    add(&font);
    Mp3End done(QDir::temp().filePath(QStringLiteral("reading.mp3")));
    add(&done);
    main.close();
    return texts;
}

}  // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextTranslatedAndWhole_data();
    void everyTextTranslatedAndWhole();
    void oneLanguage();
    void languageFollowsTheDesktop_data();
    void languageFollowsTheDesktop();
    void helpPageInTheLanguage_data();
    void helpPageInTheLanguage();

private:
    QMap<QString, Shown> m_english;
};

void TestTranslations::initTestCase()
{
    m_english = allTexts();
    QVERIFY(m_english.size() > 60);
    QVERIFY2(m_english.value(QStringLiteral("PronunciationWindow")).whole, "Ctrl+D opens the pronunciation window");
}

void TestTranslations::everyTextTranslatedAndWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

// Each language in a process of its own, as a user starts Sayora in it
// (one process that builds the windows again and again in language after
// language is a case no user meets).
void TestTranslations::everyTextTranslatedAndWhole()
{
    QFETCH(QString, language);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SAYORA_TEST_LANGUAGE"), language);
    const testsupport::ProgramRun run =
        testsupport::runProgram(QCoreApplication::applicationFilePath(), {QStringLiteral("oneLanguage")}, env);
    QVERIFY2(run.status == QProcess::NormalExit && run.code == 0, qPrintable(run.out + run.errors.join(u'\n')));
}

void TestTranslations::oneLanguage()
{
    const QString language = qEnvironmentVariable("SAYORA_TEST_LANGUAGE");
    if (language.isEmpty())
        QSKIP("run by everyTextTranslatedAndWhole, in a process of its own");
    QTranslator ours;
    QVERIFY2(ours.load(QStringLiteral("sayora_") + language, translationsFolder()),
             qPrintable(translationsFolder() + QStringLiteral(" has no catalogue for ") + language));
    QTranslator qt;
    QVERIFY(qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&ours);
    const auto uninstall = qScopeGuard([&] {
        QCoreApplication::removeTranslator(&ours);
        QCoreApplication::removeTranslator(&qt);
    });

    const QMap<QString, Shown> translated = allTexts();
    // What the windows left to be deleted goes before the next language.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList problems;
    for (auto it = m_english.cbegin(); it != m_english.cend(); ++it) {
        const Shown there = translated.value(it.key());
        if (there.text.trimmed().isEmpty())
            problems << QStringLiteral("%1 is empty (English \"%2\")").arg(it.key(), it->text);
        else if (there.text == it->text && !mayStayEnglish(it->text))
            problems << QStringLiteral("%1 is still English: \"%2\"").arg(it.key(), it->text);
        // A text cut off in English already is no fault of the translation.
        if (it->whole && !there.whole)
            problems << QStringLiteral("%1 is cut off: \"%2\"").arg(it.key(), there.text);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// Each program chooses its language itself, from its environment: the
// first line of sayora-selection's and sayora-convert's help shows which.
void TestTranslations::languageFollowsTheDesktop_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("convert");
    const QString englishSelection = QStringLiteral("Usage: sayora-selection [--clipboard]");
    const QString englishConvert = QStringLiteral("Usage: sayora-convert [OPTIONS] INPUT OUTPUT");
    QTest::newRow("LANGUAGE") << QStringList{QStringLiteral("LANGUAGE=de")}
                              << QStringLiteral("Aufruf: sayora-selection [--clipboard]")
                              << QStringLiteral("Aufruf: sayora-convert [OPTIONEN] INPUT OUTPUT");
    QTest::newRow("LANGUAGE before LANG")
        << QStringList{QStringLiteral("LANGUAGE=ja"), QStringLiteral("LANG=ru_RU.UTF-8")}
        << QStringLiteral("使い方: sayora-selection [--clipboard]")
        << QStringLiteral("使い方: sayora-convert [オプション] INPUT OUTPUT");
    QTest::newRow("LC_MESSAGES, country and encoding")
        << QStringList{QStringLiteral("LC_MESSAGES=ru_RU.UTF-8")}
        << QStringLiteral("Использование: sayora-selection [--clipboard]")
        << QStringLiteral("Использование: sayora-convert [ПАРАМЕТРЫ] INPUT OUTPUT");
    QTest::newRow("LANG with a script's country") << QStringList{QStringLiteral("LANG=zh_CN.UTF-8")}
                                                  << QStringLiteral("用法：sayora-selection [--clipboard]")
                                                  << QStringLiteral("用法：sayora-convert [选项] INPUT OUTPUT");
    QTest::newRow("an unknown language, then a known one")
        << QStringList{QStringLiteral("LANGUAGE=pt_BR:fr")}
        << QStringLiteral("Utilisation\u00a0: sayora-selection [--clipboard]")
        << QStringLiteral("Utilisation\u00a0: sayora-convert [OPTIONS] INPUT OUTPUT");
    QTest::newRow("English first") << QStringList{QStringLiteral("LANGUAGE=en_GB:es")} << englishSelection << englishConvert;
    QTest::newRow("only unknown languages") << QStringList{QStringLiteral("LANGUAGE=pt_BR:it")} << englishSelection
                                            << englishConvert;
    QTest::newRow("C locale") << QStringList{QStringLiteral("LANG=C")} << englishSelection << englishConvert;
}

void TestTranslations::languageFollowsTheDesktop()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, selection);
    QFETCH(QString, convert);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const QString &setting : environment)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
    const testsupport::ProgramRun selectionRun =
        testsupport::runProgram(folder + QStringLiteral("sayora-selection"), {QStringLiteral("--help")}, env);
    QCOMPARE(selectionRun.code, 0);
    QCOMPARE(selectionRun.out.section(u'\n', 0, 0), selection);
    const testsupport::ProgramRun convertRun =
        testsupport::runProgram(folder + QStringLiteral("sayora-convert"), {QStringLiteral("--help")}, env);
    QCOMPARE(convertRun.code, 0);
    QCOMPARE(convertRun.out.section(u'\n', 0, 0), convert);
    // A message, not only the help: the same language.
    const testsupport::ProgramRun wrong =
        testsupport::runProgram(folder + QStringLiteral("sayora-convert"), {QStringLiteral("--bogus")}, env);
    QCOMPARE(wrong.code, 1);
    QVERIFY(!wrong.errors.isEmpty());
    if (convert.startsWith(QLatin1String("Usage")))
        QCOMPARE(wrong.errors.first(), QStringLiteral("sayora-convert: unknown option --bogus (see --help)"));
    else
        QVERIFY2(!wrong.errors.first().contains(QLatin1String("unknown option")), qPrintable(wrong.errors.first()));
}

// The help link opens the page of the chosen language, and the English page
// where a language has none.
void TestTranslations::helpPageInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language << QStringLiteral("help_%1.htm").arg(language);
    QTest::newRow("a language with no catalogue") << QStringLiteral("it") << QStringLiteral("help.htm");
    QTest::newRow("English") << QStringLiteral("en_US") << QStringLiteral("help.htm");
}

void TestTranslations::helpPageInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, page);
    // The page a process in that language chooses: this test's own program
    // asked in a child with the language in its environment.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), language);
    const testsupport::ProgramRun probe =
        testsupport::runProgram(QCoreApplication::applicationFilePath(), {QStringLiteral("--chosen-help-page")}, env);
    QCOMPARE(probe.code, 0);
    QCOMPARE(probe.out.trimmed(), page);
    if (page == QLatin1String("help.htm"))
        return;
    const QString english = testsupport::programFolder() + QStringLiteral("/help.htm");
    const QString translated = testsupport::programFolder() + u'/' + page;
    QVERIFY2(QFileInfo(translated).isFile(), qPrintable(translated));
    QFile file(translated);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    // A page of its own language, and a whole one: as many sections as the
    // English page.
    QVERIFY(html.contains(QStringLiteral("<html lang=\"%1\">").arg(QString(language).replace(u'_', u'-'))));
    QFile englishFile(english);
    QVERIFY(englishFile.open(QIODevice::ReadOnly));
    const QString englishHtml = QString::fromUtf8(englishFile.readAll());
    QCOMPARE(html.count(QLatin1String("<h2>")), englishHtml.count(QLatin1String("<h2>")));
    QCOMPARE(html.count(QLatin1String("<tr>")), englishHtml.count(QLatin1String("<tr>")));
}

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--chosen-help-page") == 0) {
        QCoreApplication app(argc, argv);
        installTranslations();
        std::printf("%s\n", qPrintable(QFileInfo(translatedProgramFile(QStringLiteral("help.htm"))).fileName()));
        return 0;
    }
    testsupport::isolateUserFolders();
    qputenv("SAYORA_AUDIO", "null");
    // The English texts this test compares with: whatever the machine's
    // language, the test's own process starts in English.
    qputenv("LANGUAGE", "en");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
