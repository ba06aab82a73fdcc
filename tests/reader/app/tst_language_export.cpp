// The Save button's MP3 of a text in several languages: each sentence in
// the voice of its language, as reading aloud reads it. The dialogs are
// answered as a user answers them; real engines, real lame.
#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "export/sound_file_commit.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using testsupport::named;
using namespace Qt::StringLiterals;

namespace {

const QString mixed = u"This book begins in English, as most of its chapters do. "
                      u"Это предложение написано на русском языке, и оно довольно длинное. "
                      u"Then the story goes on in English for a while. "
                      u"Αυτή η πρόταση είναι γραμμένη στα ελληνικά και είναι αρκετά μεγάλη. "
                      u"これは日本語で書かれた文です。とても長い文章です。"
                      u"And it ends in English again."_s;

}  // namespace

class TestLanguageExport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // Exports the window's text as target.mp3 with voice; the seconds of
    // its sound, decoded.
    double exportSeconds(SayoraMain &w, const QString &voice, QString name)
    {
        const int index = named<QComboBox>(w, "Combo1")->findText(voice);
        if (index < 0)
            return -1;
        w.speech()->setVoiceListPosition(index);
        name = QString::fromLatin1(QTest::currentDataTag()) + u'-' + name;
        const QString target = m_dir.filePath(name + u".mp3"_s);
        testsupport::answerNext<QFileDialog>([&](QFileDialog *dialog) {
            dialog->selectNameFilter(dialog->nameFilters().at(2));
            dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(m_dir.filePath(name));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        bool done = false;
        testsupport::answerNext<Mp3End>([&](Mp3End *end) {
            done = true;
            QTest::mouseClick(end->Command2, Qt::LeftButton);
        });
        ImageButton *save = named<ImageButton>(w, "Image2");
        QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());
        if (!QTest::qWaitFor([&] { return done; }, 120000))
            return -2;
        const QString decoded = m_dir.filePath(name + u".wav"_s);
        if (QProcess::execute(u"lame"_s, {u"--quiet"_s, u"--decode"_s, target, decoded}) != 0)
            return -3;
        double seconds = 0;
        QString why;
        return SoundFileCommit::checkWave(decoded, &seconds, &why) ? seconds : -4;
    }

private slots:
    void eachLanguageItsVoice_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::newRow("flite") << u"Flite Kal (US English, male, 16 kHz)"_s;
        QTest::newRow("espeak-ng") << u"English (America)"_s;
    }
    // The foreign sentences are spoken, not spelled or skipped: with the
    // switch the sound is much longer than the English voice's attempt,
    // and as long as the sentences read one by one.
    void eachLanguageItsVoice()
    {
        QFETCH(QString, voice);
        SayoraMain w;
        w.load(QString());
        w.show();
        named<QPlainTextEdit>(w, "MainTxtBox")->setPlainText(mixed);
        auto *option = w.findChild<QAction *>(u"languageSwitchAction"_s);
        QVERIFY(option);
        QVERIFY(option->isChecked());
        const double switched = exportSeconds(w, voice, u"switched"_s);
        QVERIFY2(switched > 10, qPrintable(QString::number(switched)));
        option->trigger();
        QVERIFY(!w.speech()->languageSwitch());
        const double single = exportSeconds(w, voice, u"single"_s);
        option->trigger();
        // flite makes next to nothing of the other scripts; espeak-ng's
        // English spells them letter by letter, which takes far longer.
        QVERIFY2(single > 0, qPrintable(QString::number(single)));
        if (voice.startsWith(u"Flite"_s))
            QVERIFY2(switched > single + 5, qPrintable(u"%1 vs %2"_s.arg(single).arg(switched)));
        else
            QVERIFY2(single > switched + 5, qPrintable(u"%1 vs %2"_s.arg(single).arg(switched)));
        // No temporary left beside the targets.
        QCOMPARE(QDir(m_dir.path()).entryList({u".*"_s}, QDir::Files | QDir::Hidden), QStringList());
    }
};

SAYORA_GUI_TEST_MAIN(TestLanguageExport)
#include "tst_language_export.moc"
