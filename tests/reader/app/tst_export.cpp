// The Save button end to end: the dialogs are answered as a user answers
// them, the export runs on the real engines and the real lame.
#include "app/installation.h"
#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "app/window_export.h"
#include "export/sound_file_commit.h"
#include "registry/registry_key.h"
#include "speech/pronunciation_rules.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::named;

namespace {

const QString text = u"The reader exports this text. It has three sentences. This is the last one."_qs;

// Answers the save dialog with a name and a filter (1 rich text, 2 text, 3 MP3).
void answerSaveDialog(const QString &path, int filter)
{
    testsupport::answerNext<QFileDialog>([path, filter](QFileDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), u"Save as"_qs);
        dialog->selectNameFilter(dialog->nameFilters().at(filter - 1));
        auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_qs);
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
        // Should the dialog refuse, end it rather than hang the test.
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Presses a button of the next message box whose text holds fragment;
// remembers its text.
void answerMessage(const QString &fragment, QMessageBox::StandardButton button, QString *seen = nullptr)
{
    testsupport::answerNextDialogWhere(
        [fragment](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            return box && box->text().contains(fragment);
        },
        [button, seen](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (seen)
                *seen = box->text();
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
}

const QString overwrite = u"is already exist"_qs;

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void selectVoice(SayoraMain &w, const QString &name)
{
    const int index = named<QComboBox>(w, "Combo1")->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    w.speech()->setVoiceListPosition(index);
    QCOMPARE(named<QComboBox>(w, "Combo1")->currentText(), name);
}

void clickSave(SayoraMain &w)
{
    ImageButton *save = named<ImageButton>(w, "Image2");
    QTest::mouseClick(save, Qt::LeftButton, {}, save->rect().center());
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<SayoraMain> w;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Only the files a test made itself: no temporary left behind.
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        w = std::make_unique<SayoraMain>();
        w->load(QString());
        w->show();
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(text);
    }
    void cleanup() { w.reset(); }

    void textAndRichText()
    {
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(u"  two blanks around  "_qs);
        answerSaveDialog(path(u"plain"_qs), 2);
        clickSave(*w);
        QCOMPARE(contents(path(u"plain.txt"_qs)), QByteArray("  two blanks around  \r\n"));
        QCOMPARE(w->settings().SaveExt, u".txt"_qs);
        QCOMPARE(w->settings().SaveDir, m_dir.path() + u"/"_qs);

        // Overwrite declined: the file stays; accepted: replaced.
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(u"new text"_qs);
        QString question;
        answerSaveDialog(path(u"plain.txt"_qs), 2);
        answerMessage(overwrite, QMessageBox::No, &question);
        clickSave(*w);
        QCOMPARE(question, path(u"plain.txt"_qs) + u" is already exist,do you want to overwrite it ?"_qs);
        QCOMPARE(contents(path(u"plain.txt"_qs)), QByteArray("  two blanks around  \r\n"));
        answerSaveDialog(path(u"plain.txt"_qs), 2);
        answerMessage(overwrite, QMessageBox::Yes);
        clickSave(*w);
        QCOMPARE(contents(path(u"plain.txt"_qs)), QByteArray("new text\r\n"));

        answerSaveDialog(path(u"rich"_qs), 1);
        clickSave(*w);
        QVERIFY(contents(path(u"rich.rtf"_qs)).startsWith("{\\rtf1"));
        QCOMPARE(w->settings().SaveExt, u".rtf"_qs);
        QCOMPARE(files(), QStringList({u"plain.txt"_qs, u"rich.rtf"_qs}));
    }

    void mp3EndToEnd_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::newRow("flite through the control") << u"Flite Kal (US English, male, 16 kHz)"_qs;
        QTest::newRow("espeak-ng through the export voice") << u"English (America)"_qs;
    }
    void mp3EndToEnd()
    {
        QFETCH(QString, voice);
        selectVoice(*w, voice);
        QStringList phases;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (w->exporter()->Label7->isVisible() && (phases.isEmpty() || phases.last() != w->exporter()->Label7->text()))
                phases << w->exporter()->Label7->text();
        });
        watch.start(5);
        double waveSeconds = 0;
        QString why;
        // The WAV is gone once the export ends: measure it as encoding starts.
        auto measure = [&] {
            auto *exporter = w->findChild<SoundFileCommit *>();
            QVERIFY(exporter);
            connect(exporter, &SoundFileCommit::encoderStarted, this,
                    [&, exporter] { SoundFileCommit::checkWave(exporter->tmpWav(), &waveSeconds, &why); });
        };

        // "a.txt" with the MP3 filter becomes "a.txt.mp3".
        const QString target = path(u"a.txt.mp3"_qs);
        QString completion;
        answerSaveDialog(path(u"a.txt"_qs), 3);
        // The export object exists once the dialog is answered.
        QTimer hook;
        hook.setInterval(1);
        connect(&hook, &QTimer::timeout, this, [&] {
            if (w->findChild<SoundFileCommit *>()) {
                hook.stop();
                measure();
            }
        });
        hook.start();
        testsupport::answerNext<Mp3End>([&](Mp3End *end) {
            phases << w->exporter()->Label7->text();
            QCOMPARE(end->windowTitle(), u"Sayora"_qs);
            QCOMPARE(end->Label1->text(), u"Convert text to"_qs);
            QCOMPARE(end->Label3->text(), u"Successfully!"_qs);
            completion = end->Label2->text();
            QTest::mouseClick(end->Command2, Qt::LeftButton);
        });
        clickSave(*w);
        QTRY_COMPARE_WITH_TIMEOUT(completion, target, 60000);
        QTRY_VERIFY(!w->exporter()->Label7->isVisible() && !w->exporter()->Label8->isVisible());

        QVERIFY(waveSeconds > 2);
        QCOMPARE(files(), QStringList({u"a.txt.mp3"_qs}));
        // The MP3 holds the whole speech: decoded, it lasts as long as the WAV.
        const QString decoded = m_dir.filePath(u"decoded.wav"_qs);
        QCOMPARE(QProcess::execute(u"lame"_qs, {u"--quiet"_qs, u"--decode"_qs, target, decoded}), 0);
        double mp3Seconds = 0;
        QVERIFY(SoundFileCommit::checkWave(decoded, &mp3Seconds, &why));
        QVERIFY2(qAbs(mp3Seconds - waveSeconds) < 0.2, qPrintable(u"%1 vs %2"_qs.arg(mp3Seconds).arg(waveSeconds)));

        // Progress: "Waiting" (which the rendering's first progress may
        // replace before it is seen), then numbers up to 100, never
        // backwards, moving during the rendering too.
        QCOMPARE(phases.last(), u"100"_qs);
        // (The control renders these three sentences in less than a tick.)
        QVERIFY2(voice.startsWith(u"Flite"_qs) || std::any_of(phases.cbegin(), phases.cend(),
                             [](const QString &p) { return p.toInt() > 0 && p.toInt() < 50; }),
                 qPrintable(phases.join(u',')));
        phases.removeAll(u"Waiting"_qs);
        int last = -1;
        for (const QString &phase : std::as_const(phases)) {
            const int n = phase.toInt();
            QVERIFY2(n >= last && n <= 100, qPrintable(phases.join(u',')));
            last = n;
        }
        QCOMPARE(w->settings().SaveExt, u".mp3"_qs);

        // The rendering's estimate is of this voice's sound, so its 0 to 50
        // fills evenly.
        if (voice.startsWith(u"Flite"_qs)) {
            const double ratio = double(w->exporter()->WaveSize) / (w->exporter()->EstimateWaveSize * 50);
            QVERIFY2(ratio > 0.8 && ratio < 1.25, qPrintable(QString::number(ratio)));
        }
    }

    // The file says what reading aloud says: a rule that turns one word
    // into a long phrase lengthens the export by seconds.
    void pronunciationRules_data() { mp3EndToEnd_data(); }
    void pronunciationRules()
    {
        QFETCH(QString, voice);
        selectVoice(*w, voice);
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(u"Say the word now."_qs);
        const auto exportSeconds = [&](const QString &name) {
            const QString target = path(name + u".mp3"_qs);
            QString completion;
            answerSaveDialog(path(name), 3);
            testsupport::answerNext<Mp3End>([&](Mp3End *end) {
                completion = end->Label2->text();
                QTest::mouseClick(end->Command2, Qt::LeftButton);
            });
            clickSave(*w);
            [&] { QTRY_COMPARE_WITH_TIMEOUT(completion, target, 60000); }();
            const QString decoded = m_dir.filePath(name + u".wav"_qs);
            double seconds = 0;
            QString why;
            if (QProcess::execute(u"lame"_qs, {u"--quiet"_qs, u"--decode"_qs, target, decoded}) != 0
                || !SoundFileCommit::checkWave(decoded, &seconds, &why))
                return -1.0;
            return seconds;
        };
        const double plain = exportSeconds(u"plain"_qs);
        QVERIFY(plain > 0.3);
        QString error;
        QVERIFY(PronunciationLists::save(
            PronunciationLists::commonFile(),
            {{u"word"_qs, u"sentence that is a great deal longer than the word it stands for"_qs}}, {}, &error));
        w->speech()->pronunciation().invalidate();
        const double ruled = exportSeconds(u"ruled"_qs);
        QVERIFY2(ruled > plain + 2.0, qPrintable(u"%1 vs %2"_qs.arg(ruled).arg(plain)));
        // A rule of another language's list is not this voice's.
        QFile::remove(PronunciationLists::commonFile());
        QVERIFY(PronunciationLists::save(PronunciationLists::languageFile(u"ru"_qs),
                                         {{u"word"_qs, u"sentence that is a great deal longer"_qs}}, {}, &error));
        w->speech()->pronunciation().invalidate();
        const double other = exportSeconds(u"other"_qs);
        QVERIFY2(qAbs(other - plain) < 0.3, qPrintable(u"%1 vs %2"_qs.arg(other).arg(plain)));
        QFile::remove(PronunciationLists::languageFile(u"ru"_qs));

        // Rules that leave nothing to say end the export at once, not after
        // an engine's silence or a stall.
        PronunciationRule words{u"\\w+"_qs, QString()}, stops{u"\\."_qs, QString()};
        words.regularExpression = stops.regularExpression = true;
        stops.wholeWord = false;
        QVERIFY(PronunciationLists::save(PronunciationLists::commonFile(), {words, stops}, {}, &error));
        w->speech()->pronunciation().invalidate();
        w->exporter()->exportStallSeconds = 600;
        QString seen;
        answerSaveDialog(path(u"silent"_qs), 3);
        answerMessage(u"could not be exported"_qs, QMessageBox::Ok, &seen);
        clickSave(*w);
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 60000);
        QVERIFY2(seen.contains(u"leave nothing to read aloud"_qs), qPrintable(seen));
        QVERIFY(!w->exporter()->running());
        QVERIFY(!QFileInfo::exists(path(u"silent.mp3"_qs)));
        QFile::remove(PronunciationLists::commonFile());
        w->speech()->pronunciation().invalidate();
    }

    // Another program's change of the registry store holds its lock when a
    // flite export starts: the window goes on meanwhile (its clock frees the
    // lock) and the export gets through once the store is free.
    void registryStoreHeldByAnother()
    {
        selectVoice(*w, u"Flite Kal (US English, male, 16 kHz)"_qs);
        auto other = std::make_shared<QLockFile>(RegistryKey::storeFile() + u".lock"_qs);
        QVERIFY(other->lock());
        QTimer release;
        release.setSingleShot(true);
        connect(&release, &QTimer::timeout, this, [other] { other->unlock(); });
        release.start(1000);

        auto completion = std::make_shared<QString>(), seen = std::make_shared<QString>();
        // A failure is answered during this test only.
        auto armed = std::make_shared<bool>(true);
        const auto disarm = qScopeGuard([armed] { *armed = false; });
        answerSaveDialog(path(u"held"_qs), 3);
        testsupport::answerNextDialogWhere(
            [armed](QWidget *dialog) {
                auto *box = qobject_cast<QMessageBox *>(dialog);
                return *armed && box && box->text().contains(u"could not be exported"_qs);
            },
            [seen](QWidget *dialog) {
                *seen = static_cast<QMessageBox *>(dialog)->text();
                static_cast<QMessageBox *>(dialog)->accept();
            });
        testsupport::answerNext<Mp3End>([completion](Mp3End *end) {
            *completion = end->Label2->text();
            QTest::mouseClick(end->Command2, Qt::LeftButton);
        });
        clickSave(*w);
        QTRY_VERIFY_WITH_TIMEOUT(!completion->isEmpty() || !seen->isEmpty(), 60000);
        QVERIFY2(seen->isEmpty(), qPrintable(*seen));
        QCOMPARE(*completion, path(u"held.mp3"_qs));
        QCOMPARE(files(), QStringList({u"held.mp3"_qs}));
    }

    void statusTextsFit()
    {
        // In their place, and wide enough for every text they show.
        QCOMPARE(w->exporter()->Label7->pos(), QPoint(twips::toPixels(120), twips::toPixels(1080)));
        QCOMPARE(w->exporter()->Label8->pos(), QPoint(twips::toPixels(4580), twips::toPixels(1080)));
        for (const QString &shown : {u"Waiting"_qs, u"0"_qs, u"50"_qs, u"100"_qs})
            QVERIFY2(w->exporter()->Label7->fontMetrics().horizontalAdvance(shown) <= w->exporter()->Label7->contentsRect().width(), qPrintable(shown));
        QVERIFY(w->exporter()->Label8->fontMetrics().horizontalAdvance(u"00:00:00"_qs) <= w->exporter()->Label8->contentsRect().width());
        QVERIFY(w->exporter()->Label7->geometry().right() < named<QLineEdit>(*w, "Text1")->geometry().left());
        QVERIFY(w->exporter()->Label8->geometry().right() < named<ImageButton>(*w, "Image19")->geometry().left());
    }

    void playWithoutPlayer()
    {
        // A desktop that knows no program for MP3 files.
        const QStringList vars = {u"XDG_DATA_HOME"_qs, u"XDG_DATA_DIRS"_qs, u"XDG_CURRENT_DESKTOP"_qs, u"BROWSER"_qs,
                                  u"DESKTOP_SESSION"_qs, u"KDE_FULL_SESSION"_qs, u"GNOME_DESKTOP_SESSION_ID"_qs};
        QHash<QString, QByteArray> saved;
        for (const QString &var : vars) {
            if (qEnvironmentVariableIsSet(qPrintable(var)))
                saved.insert(var, qgetenv(qPrintable(var)));
            qunsetenv(qPrintable(var));
        }
        const QString empty = path(u"nothing"_qs);
        QDir().mkpath(empty);
        qputenv("XDG_DATA_HOME", empty.toUtf8());
        qputenv("XDG_DATA_DIRS", empty.toUtf8());
        const QString file = testsupport::writeFile(path(u"speech.mp3"_qs), "not played");

        Mp3End end(file, w.get());
        end.show();
        QString seen;
        answerMessage(u"No program to play MP3 files"_qs, QMessageBox::Ok, &seen);
        QTest::mouseClick(end.Command1, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 20000);
        QVERIFY2(seen.contains(file), qPrintable(seen));
        QVERIFY(end.isVisible());  // only Close closes it

        for (const QString &var : vars) {
            qunsetenv(qPrintable(var));
            if (saved.contains(var))
                qputenv(qPrintable(var), saved.value(var));
        }
    }

    void mp3Failures_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("message");
        const QString kal = u"Flite Kal (US English, male, 16 kHz)"_qs, en = u"English (America)"_qs;
        QTest::newRow("lame missing") << u"no lame"_qs << en << u"\"lame\" is not installed"_qs;
        QTest::newRow("lame missing, flite") << u"no lame"_qs << kal << u"\"lame\" is not installed"_qs;
        QTest::newRow("lame killed") << u"kill lame"_qs << kal << u"stopped before it had finished"_qs;
        QTest::newRow("folder unwritable") << u"bad folder"_qs << kal << u"cannot be written to"_qs;
        const QString slt = u"Flite SLT (US English, female)"_qs;
        QTest::newRow("end never reported") << u"no end"_qs << slt << u"made no progress"_qs;
        QTest::newRow("cancelled by the user") << u"cancel"_qs << slt << QString();
        QTest::newRow("cancelled by Escape") << u"escape"_qs << slt << QString();
        QTest::newRow("cancelled by F7, espeak-ng") << u"f7"_qs << en << QString();
        QTest::newRow("registry store read-only") << u"read-only store"_qs << kal << u"registry store"_qs;
        QTest::newRow("WAV over 4 GiB, flite") << u"too long"_qs << kal << u"too long for one MP3 export"_qs;
        QTest::newRow("WAV over 4 GiB, espeak-ng") << u"too long"_qs << en << u"too long for one MP3 export"_qs;
    }
    void mp3Failures()
    {
        QFETCH(QString, fault);
        QFETCH(QString, voice);
        QFETCH(QString, message);
        selectVoice(*w, voice);
        w->exporter()->exportStallSeconds = 2;
        if (fault == u"cancel"_qs || fault == u"no end"_qs || fault == u"escape"_qs || fault == u"f7"_qs)
            named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(text.repeated(40));
        if (fault == u"too long"_qs) {
            // At the slowest rate 120,000 characters speak for longer than
            // a WAV file can hold through the control; espeak-ng at its
            // slowest (80 words a minute) needs 700,000.
            QTest::keyClick(named<QScrollBar>(*w, "VScroll2"), Qt::Key_End);
            QCOMPARE(named<QLabel>(*w, "Label5")->text(), u"0"_qs);
            named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(text.repeated(voice.startsWith(u"Flite"_qs) ? 1600 : 9300));
        }
        // The keys act on the active window.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        // The user's earlier file must survive every failure.
        QString target = path(u"out.mp3"_qs);
        testsupport::writeFile(target, "the user's file");
        if (fault == u"bad folder"_qs)
            target = path(u"out.mp3/inside.mp3"_qs);
        const QByteArray oldPath = qgetenv("PATH");
        if (fault == u"no lame"_qs)
            qputenv("PATH", m_dir.path().toUtf8());
        // An encoder that dies by a signal: killing the real one from its
        // started() races with its end, since lame encodes a few seconds of
        // speech faster than a loaded machine delivers that signal.
        QTemporaryDir crashing;
        if (fault == u"kill lame"_qs) {
            testsupport::writeFile(crashing.filePath(u"lame"_qs), "#!/bin/sh\nkill -KILL $$\n");
            QFile(crashing.filePath(u"lame"_qs)).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("PATH", crashing.path().toUtf8() + ':' + oldPath);
        }
        // A stale end of an earlier export, in a store that cannot be
        // written (for root, whom the folder's mode does not stop, the file
        // size limit stops the write).
        const QString store = QFileInfo(RegistryKey::storeFile()).absolutePath();
        rlimit oldLimit{};
        if (fault == u"read-only store"_qs) {
            RegistryKey key;
            QCOMPARE(key.open(Installation::appPathsKey()), RegistryKey::Success);
            QCOMPARE(key.setDword(u"WaveEnd"_qs, 1), RegistryKey::Success);
            QCOMPARE(::chmod(QFile::encodeName(store).constData(), 0555), 0);
            if (::geteuid() == 0) {
                ::signal(SIGXFSZ, SIG_IGN);
                ::getrlimit(RLIMIT_FSIZE, &oldLimit);
                rlimit none = oldLimit;
                none.rlim_cur = 0;
                ::setrlimit(RLIMIT_FSIZE, &none);
            }
        }
        const auto restoreStore = qScopeGuard([&] {
            if (fault == u"read-only store"_qs) {
                ::chmod(QFile::encodeName(store).constData(), 0755);
                if (::geteuid() == 0)
                    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
            }
        });

        QTimer hook;
        hook.setInterval(1);
        connect(&hook, &QTimer::timeout, this, [&] {
            auto *exporter = w->findChild<SoundFileCommit *>();
            if (!exporter)
                return;
            if (fault == u"no end"_qs && w->exporter()->Timer1->isActive()) {
                // The control can no longer report: its key is gone.
                hook.stop();
                QCOMPARE(RegistryKey::deleteTree(Installation::appPathsKey()), RegistryKey::Success);
            } else if (fault == u"cancel"_qs && w->exporter()->Timer1->isActive()) {
                hook.stop();
                QTest::mouseClick(w->exporter()->Label7, Qt::LeftButton);
            } else if ((fault == u"escape"_qs || fault == u"f7"_qs)
                       && (w->exporter()->Timer1->isActive() || QFileInfo(exporter->tmpWav()).size() > 44)) {
                // Rendering: through the control, or inside the Save click.
                // The keys reach the window once it is active again after
                // the dialogs.
                if (!w->isActiveWindow()) {
                    w->activateWindow();
                    return;
                }
                hook.stop();
                QTest::keyClick(w.get(), fault == u"f7"_qs ? Qt::Key_F7 : Qt::Key_Escape);
            }
        });
        hook.start();
        QString seen;
        answerSaveDialog(target, 3);
        if (fault != u"bad folder"_qs)
            answerMessage(overwrite, QMessageBox::Yes);  // overwrite
        if (!message.isEmpty())
            answerMessage(message, QMessageBox::Ok, &seen);
        clickSave(*w);
        // What can be known before the rendering is said before it.
        if (fault == u"no lame"_qs || fault == u"read-only store"_qs || fault == u"too long"_qs) {
            QVERIFY2(!seen.isEmpty(), "not said in the Save click");
            QVERIFY(!w->exporter()->running());
        }
        if (!message.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 60000);
            QVERIFY2(seen.contains(message), qPrintable(seen));
            QVERIFY(seen.contains(target));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!w->exporter()->running(), 60000);
        qputenv("PATH", oldPath);
        QVERIFY(!w->exporter()->Label7->isVisible());
        QCOMPARE(contents(path(u"out.mp3"_qs)), QByteArray("the user's file"));
        QCOMPARE(files(), QStringList({u"out.mp3"_qs}));
    }

    void fullDisk_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::newRow("espeak-ng") << u"English (America)"_qs;
        QTest::newRow("flite through the control") << u"Flite SLT (US English, female)"_qs;
    }
    // A disk that fills up is named at once, as a text save names it.
    void fullDisk()
    {
        QFETCH(QString, voice);
        testsupport::TinyFileSystem disk(path(u"disk"_qs));
        if (!disk.isMounted())
            QSKIP("this user cannot mount a file system");
        selectVoice(*w, voice);
        // Minutes of speech: far more than the disk takes.
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(text.repeated(60));
        const QString target = testsupport::writeFile(disk.path() + u"/out.mp3"_qs, "the user's file");
        QString seen;
        answerSaveDialog(target, 3);
        answerMessage(overwrite, QMessageBox::Yes);
        answerMessage(u"could not be exported"_qs, QMessageBox::Ok, &seen);
        clickSave(*w);
        // Well before the stall limit would speak of no progress.
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), w->exporter()->exportStallSeconds * 1000 / 2);
        QVERIFY2(seen.contains(u"No space left on device"_qs), qPrintable(seen));
        QTRY_VERIFY_WITH_TIMEOUT(!w->exporter()->running(), 60000);
        QCOMPARE(contents(target), QByteArray("the user's file"));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"out.mp3"_qs});
    }

    // An espeak-ng export renders in the event loop, not inside the Save
    // click: the click has returned before the encoder starts, and the
    // window goes on meanwhile.
    void saveReturnsWhileRendering()
    {
        selectVoice(*w, u"English (America)"_qs);
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(text.repeated(10));
        bool clickReturned = false;
        bool returnedBeforeEncoding = false;
        QTimer hook;
        hook.setInterval(1);
        connect(&hook, &QTimer::timeout, this, [&] {
            if (auto *exporter = w->findChild<SoundFileCommit *>()) {
                hook.stop();
                connect(exporter, &SoundFileCommit::encoderStarted, this, [&] { returnedBeforeEncoding = clickReturned; });
            }
        });
        hook.start();
        QString completion;
        answerSaveDialog(path(u"loop"_qs), 3);
        testsupport::answerNext<Mp3End>([&](Mp3End *end) {
            completion = end->Label2->text();
            QTest::mouseClick(end->Command2, Qt::LeftButton);
        });
        clickSave(*w);
        clickReturned = true;
        QVERIFY(w->exporter()->running());
        QCOMPARE(w->exporter()->Label7->text(), u"Waiting"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(completion, path(u"loop.mp3"_qs), 60000);
        QVERIFY(returnedBeforeEncoding);
        QTRY_COMPARE(files(), QStringList({u"loop.mp3"_qs}));
    }

    void secondSaveIsRefused()
    {
        selectVoice(*w, u"Flite SLT (US English, female)"_qs);
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(text.repeated(40));
        answerSaveDialog(path(u"first.mp3"_qs), 3);
        clickSave(*w);
        QVERIFY(w->exporter()->running());
        QString seen;
        answerMessage(u"export is running"_qs, QMessageBox::Ok, &seen);
        clickSave(*w);
        QVERIFY(seen.contains(u"export is running"_qs));
        // Closing the window stops the export and leaves nothing behind.
        w->close();
        QVERIFY(!w->exporter()->running());
        QCOMPARE(files(), QStringList());
    }
};

SAYORA_GUI_TEST_MAIN(TestExport)

#include "tst_export.moc"
