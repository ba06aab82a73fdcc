// The Save button's audiobook types, as a user saves them: the dialogs
// answered, the keys pressed, the real engines, lame, FFmpeg and the
// converter at work; the files read back by ffprobe.
#include "app/mp3_end.h"
#include "app/sayora_main.h"
#include "app/window_export.h"
#include "export/sound_file_commit.h"
#include "speech/speech_controller.h"
#include "support/test_support.h"
#include "ui/image_button.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using testsupport::named;

namespace {

const QString sentence = u"The reader saves this book for a listener. "_qs;
const QString espeak = u"English (America)"_qs;
const QString book = QStringLiteral(SAYORA_BOOKS_DATA "/pandoc_book3.epub");
const QStringList bookChapters = {u"Spring"_qs, u"Summer"_qs, u"Autumn"_qs};

void answerFileDialog(const QString &path, const QString &filter)
{
    testsupport::answerNext<QFileDialog>([path, filter](QFileDialog *dialog) {
        QVERIFY2(dialog->nameFilters().contains(filter), qPrintable(dialog->nameFilters().join(u" | ")));
        dialog->selectNameFilter(filter);
        auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_qs);
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
}

void answerMessage(const QString &fragment, QString *seen)
{
    testsupport::answerNextDialogWhere(
        [fragment](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            return box && box->text().contains(fragment);
        },
        [seen](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            *seen = box->text();
            QTest::mouseClick(box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok),
                              Qt::LeftButton);
        });
}

void click(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void selectVoice(SayoraMain &w, const QString &name)
{
    const int index = named<QComboBox>(w, "Combo1")->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    w.speech()->setVoiceListPosition(index);
}

struct Chapter
{
    QString title;
    double start = 0;
    double end = 0;
};

// What ffprobe reads back: the chapters and the duration.
QList<Chapter> probeChapters(const QString &file, double *duration)
{
    QProcess probe;
    probe.start(u"ffprobe"_qs, {u"-v"_qs, u"error"_qs, u"-show_chapters"_qs, u"-show_format"_qs, u"-of"_qs, u"json"_qs, file});
    probe.waitForFinished(30000);
    const QJsonObject root = QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    *duration = root.value(u"format"_qs).toObject().value(u"duration"_qs).toString().toDouble();
    QList<Chapter> chapters;
    for (const QJsonValue &value : root.value(u"chapters"_qs).toArray()) {
        const QJsonObject c = value.toObject();
        chapters.append({c.value(u"tags"_qs).toObject().value(u"title"_qs).toString(),
                         c.value(u"start_time"_qs).toString().toDouble(), c.value(u"end_time"_qs).toString().toDouble()});
    }
    return chapters;
}

double relativeLuminance(QColor c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestSaveBooks : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<SayoraMain> w;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList entries(const QString &folder = QString()) const
    {
        return QDir(folder.isEmpty() ? m_dir.path() : folder)
            .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    void openBook()
    {
        answerFileDialog(book, u"Documents (*.pdf *.epub *.docx *.odt *.html *.htm)"_qs);
        click(named<ImageButton>(*w, "Image3"));
        QTRY_VERIFY(named<QPlainTextEdit>(*w, "MainTxtBox")->toPlainText().contains(u"Autumn"_qs));
    }
    // Saves with the Save button and waits for the completion window.
    void save(const QString &name, const QString &filter)
    {
        QString completion;
        answerFileDialog(path(name), filter);
        testsupport::answerNext<Mp3End>([&](Mp3End *end) {
            completion = end->Label2->text();
            QTest::mouseClick(end->Command2, Qt::LeftButton);
        });
        click(named<ImageButton>(*w, "Image2"));
        QTRY_VERIFY_WITH_TIMEOUT(!completion.isEmpty(), 120000);
        QTRY_VERIFY(!w->exporter()->running());
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        w = std::make_unique<SayoraMain>();
        w->load(QString());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        selectVoice(*w, espeak);
    }
    void cleanup() { w.reset(); }

    // A text whose speech cannot fit one WAV is refused in the Save click,
    // before a byte is rendered, and the refusal names the types that
    // take it.
    void longTextRefusedBeforeRendering()
    {
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(sentence.repeated(2500000 / sentence.size()));
        bool rendered = false;
        QTimer hook;
        connect(&hook, &QTimer::timeout, this, [&] { rendered = rendered || w->findChild<SoundFileCommit *>(); });
        hook.start(1);
        QString seen;
        answerFileDialog(path(u"novel.mp3"_qs), u"MP3 File (*.mp3)"_qs);
        answerMessage(u"could not be exported"_qs, &seen);
        click(named<ImageButton>(*w, "Image2"));
        QVERIFY2(!seen.isEmpty(), "not refused in the Save click");
        QVERIFY(!rendered);
        QVERIFY2(seen.contains(u"Audiobook, a file per chapter"_qs) && seen.contains(u"M4B"_qs), qPrintable(seen));
        QVERIFY(!seen.contains(u"in parts"_qs));
        QVERIFY(!w->exporter()->running());
        QCOMPARE(entries(), QStringList());
    }

    // While espeak-ng renders an MP3, the time taken and the progress
    // number move; Escape stops it with nothing left behind. The text is
    // long enough that a fast machine still renders it when the clock
    // first moves.
    void clockMovesWhileRendering()
    {
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(sentence.repeated(3000));
        answerFileDialog(path(u"clock.mp3"_qs), u"MP3 File (*.mp3)"_qs);
        click(named<ImageButton>(*w, "Image2"));
        QVERIFY(w->exporter()->running());
        QLabel *time = w->exporter()->Label8;
        QLabel *progress = w->exporter()->Label7;
        QTRY_VERIFY_WITH_TIMEOUT(time->text() != u"00:00:00"_qs, 5000);
        QVERIFY2(!w->findChild<SoundFileCommit *>()->encoderRunning(), "the clock moved only once encoding began");
        QTRY_VERIFY_WITH_TIMEOUT(progress->text() != u"Waiting"_qs && progress->text().toInt() > 0, 10000);
        QVERIFY(progress->text().toInt() <= 50);
        QTRY_VERIFY_WITH_TIMEOUT(w->exporter()->TimeLeft->isVisible()
                                     && w->exporter()->TimeLeft->text().endsWith(u" left"_qs), 10000);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QTRY_VERIFY(!w->exporter()->running());
        QVERIFY(!progress->isVisible() && !w->exporter()->TimeLeft->isVisible());
        QCOMPARE(entries(), QStringList());
    }

    // The progress numbers stand out from the green panel: the red keeps
    // its place on a backing with enough contrast, as painted.
    void progressIsReadable()
    {
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(sentence.repeated(2000));
        answerFileDialog(path(u"read.ogg"_qs), u"OGG Vorbis (*.ogg)"_qs);
        click(named<ImageButton>(*w, "Image2"));
        QTRY_VERIFY_WITH_TIMEOUT(w->exporter()->TimeLeft->isVisible(), 120000);
        for (QLabel *label : {w->exporter()->Label7, w->exporter()->Label8}) {
            QVERIFY(label->isVisible());
            const QImage image = label->grab().toImage();
            // The backing is the commonest colour; the text, its reddest.
            QHash<QRgb, int> counts;
            QColor text = Qt::black;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    ++counts[c.rgb()];
                    if (c.red() - c.green() > text.red() - text.green())
                        text = c;
                }
            }
            const QRgb backing = std::max_element(counts.cbegin(), counts.cend()).key();
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY2(text.red() >= 200 && text.green() <= 80 && text.blue() <= 80, qPrintable(text.name()));
            QVERIFY2(contrast(Qt::red, QColor(backing)) >= 4.5, qPrintable(QColor(backing).name()));
        }
        w->exporter()->cancel();
        QTRY_COMPARE(entries(), QStringList());
    }

    // An EPUB opened in the window saves as a book: a file per chapter,
    // one MP3 with chapter marks, one M4B; the chapters and their times
    // read back right.
    void bookFromTheWindow_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("a file per chapter") << u"Audiobook, a file per chapter (*)"_qs << u"Garden"_qs << u"Garden"_qs;
        QTest::newRow("MP3 with chapter marks") << u"MP3 with chapter marks (*.mp3)"_qs << u"garden"_qs << u"garden.mp3"_qs;
        QTest::newRow("M4B") << u"M4B audiobook with chapters (*.m4b)"_qs << u"garden"_qs << u"garden.m4b"_qs;
    }
    void bookFromTheWindow()
    {
        QFETCH(QString, filter);
        QFETCH(QString, name);
        QFETCH(QString, written);
        openBook();
        save(name, filter);
        QCOMPARE(entries(), QStringList{written});
        const QString out = path(written);
        if (QFileInfo(out).isDir()) {
            const QStringList files = entries(out);
            QCOMPARE(files, QStringList({u"01 Spring.mp3"_qs, u"02 Summer.mp3"_qs, u"03 Autumn.mp3"_qs,
                                         u"The Garden Book.m3u8"_qs}));
            // Not the private mode of the hidden folder it was made in.
            QVERIFY(QFileInfo(out).permissions() & QFileDevice::ReadOther);
            const QByteArray playlist = testsupport::contents(QDir(out).filePath(files.last()));
            for (int i = 0; i < 3; ++i) {
                double seconds = 0;
                probeChapters(QDir(out).filePath(files.at(i)), &seconds);
                QVERIFY2(seconds > 1, qPrintable(files.at(i)));
                QVERIFY(playlist.contains(("#EXTINF:" + QByteArray::number(qRound64(seconds)) + ',' + bookChapters.at(i)).toUtf8()));
            }
            return;
        }
        double duration = 0;
        const QList<Chapter> chapters = probeChapters(out, &duration);
        QCOMPARE(chapters.size(), 3);
        QVERIFY(duration > 10);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(chapters.at(i).title, bookChapters.at(i));
            // One after the other, no gap, each with speech in it.
            QCOMPARE(chapters.at(i).start, i == 0 ? 0.0 : chapters.at(i - 1).end);
            QVERIFY(chapters.at(i).end - chapters.at(i).start > 1);
        }
        QVERIFY2(qAbs(chapters.last().end - duration) < 0.2, qPrintable(QString::number(duration)));
    }

    // OGG Vorbis, Opus and FLAC of the box's own text, as the converter
    // writes them.
    void soundFormats_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("codec");
        QTest::newRow("ogg") << u"OGG Vorbis (*.ogg)"_qs << u"typed.ogg"_qs << u"vorbis"_qs;
        QTest::newRow("opus") << u"Opus (*.opus)"_qs << u"typed.opus"_qs << u"opus"_qs;
        QTest::newRow("flac") << u"FLAC (*.flac)"_qs << u"typed.flac"_qs << u"flac"_qs;
    }
    void soundFormats()
    {
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QFETCH(QString, codec);
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(sentence.repeated(3));
        save(u"typed"_qs, filter);
        QCOMPARE(entries(), QStringList{written});
        QProcess probe;
        probe.start(u"ffprobe"_qs, {u"-v"_qs, u"error"_qs, u"-show_entries"_qs, u"stream=codec_name:format=duration"_qs,
                                    u"-of"_qs, u"default=noprint_wrappers=1"_qs, path(written)});
        QVERIFY(probe.waitForFinished(30000));
        const QString out = QString::fromUtf8(probe.readAllStandardOutput());
        QVERIFY2(out.contains(u"codec_name="_qs + codec), qPrintable(out));
        const double seconds = out.section(u"duration="_qs, 1).section(u'\n', 0, 0).toDouble();
        QVERIFY2(seconds > 4 && seconds < 30, qPrintable(out));
        QCOMPARE(w->settings().SaveExt, u"."_qs + QFileInfo(written).suffix());
    }

    // While a book is saved, the window reads another text aloud; Stop
    // (pressed with nothing spoken) ends the save with nothing left. The
    // book speaks for over an hour: on a fast machine a shorter one is
    // saved before the other text has been read.
    void windowStaysUsableAndStopCancels()
    {
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(sentence.repeated(2000));
        answerFileDialog(path(u"long.m4b"_qs), u"M4B audiobook with chapters (*.m4b)"_qs);
        click(named<ImageButton>(*w, "Image2"));
        QVERIFY(w->exporter()->running());
        auto *box = named<QPlainTextEdit>(*w, "MainTxtBox");
        box->clear();
        QTest::keyClicks(box, u"Another text to read."_qs);
        QCOMPARE(box->toPlainText(), u"Another text to read."_qs);
        click(named<ImageButton>(*w, "Image4"));
        QTRY_VERIFY_WITH_TIMEOUT(w->speech()->state() == SpeechController::State::Speaking, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(w->speech()->state() != SpeechController::State::Speaking, 30000);
        QVERIFY(w->exporter()->running());
        QTRY_VERIFY_WITH_TIMEOUT(w->exporter()->Label7->text().toInt() > 0, 120000);
        click(named<ImageButton>(*w, "Image6"));
        QVERIFY(!w->exporter()->running());
        QCOMPARE(entries(), QStringList());
    }

    // A book that cannot be written is said so, with the converter's
    // reason, and leaves nothing behind; the old folder of chapters stays.
    void failureIsReported_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::newRow("a file per chapter") << u"Audiobook, a file per chapter (*)"_qs;
        QTest::newRow("M4B") << u"M4B audiobook with chapters (*.m4b)"_qs;
    }
    void failureIsReported()
    {
        QFETCH(QString, filter);
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(sentence.repeated(3));
        testsupport::writeFile(path(u"plain"_qs), "a file, not a folder");
        QString seen;
        answerFileDialog(path(u"plain/book.m4b"_qs), filter);
        answerMessage(u"could not be exported"_qs, &seen);
        click(named<ImageButton>(*w, "Image2"));
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 60000);
        QVERIFY2(seen.contains(path(u"plain"_qs)), qPrintable(seen));
        QTRY_VERIFY(!w->exporter()->running());
        QCOMPARE(entries(), QStringList{u"plain"_qs});
        QCOMPARE(testsupport::contents(path(u"plain"_qs)), QByteArray("a file, not a folder"));
    }

    // Two windows saving into one folder at once never meet: each gets
    // its whole file, and nothing else is left.
    void twoWindowsAtOnce()
    {
        SayoraMain second;
        second.load(QString());
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        selectVoice(second, espeak);
        named<QPlainTextEdit>(*w, "MainTxtBox")->setPlainText(sentence.repeated(40));
        named<QPlainTextEdit>(second, "MainTxtBox")->setPlainText(u"The second window speaks. "_qs.repeated(40));
        answerFileDialog(path(u"same"_qs), u"M4B audiobook with chapters (*.m4b)"_qs);
        click(named<ImageButton>(*w, "Image2"));
        answerFileDialog(path(u"same"_qs), u"MP3 with chapter marks (*.mp3)"_qs);
        click(named<ImageButton>(second, "Image2"));
        int done = 0;
        for (int i = 0; i < 2; ++i)
            testsupport::answerNext<Mp3End>([&](Mp3End *end) {
                ++done;
                QTest::mouseClick(end->Command2, Qt::LeftButton);
            });
        QTRY_VERIFY_WITH_TIMEOUT(!w->exporter()->running() && !second.exporter()->running(), 120000);
        QTRY_COMPARE(done, 2);
        QCOMPARE(entries(), QStringList({u"same.m4b"_qs, u"same.mp3"_qs}));
        for (const QString &file : entries()) {
            double duration = 0;
            QCOMPARE(probeChapters(path(file), &duration).size(), 1);
            QVERIFY2(duration > 20, qPrintable(file));
        }
    }
};

SAYORA_GUI_TEST_MAIN(TestSaveBooks)

#include "tst_save_books.moc"
