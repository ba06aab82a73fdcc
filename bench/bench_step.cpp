// Moving through a book while it is read: the time from a step key (or a
// chapter chosen in the chapter list) to the first sound of the reading
// from there, in the window as a user drives it (offscreen, null audio
// sink), for a flite voice and an espeak-ng voice. The book is a generated
// HTML book of about 500 pages (1,000,000 characters, 50 chapters).
//   (a) key -> first sample of the new reading handed to the sink (espeak-ng
//       only: SpVoice::firstSampleQueued),
//   (b) key -> the new reading's start (StartStream / AudioStart: the first
//       sample played, one sink buffer later).
// Then: a 500-page PDF opened with Open's code and read with F5, from the
// open to the first sound (target: under 1500 ms).
//   ./bench_step [--runs N] [--pdf FILE]
#include "bench_support.h"

#include "app/book_navigation.h"
#include "app/chapter_list.h"
#include "app/sayora_main.h"
#include "documents/document_loader.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

constexpr int kWaitMs = 30000;

QByteArray htmlBook()
{
    const QByteArray sentence = bench::bookParagraph.toUtf8();
    QByteArray html = "<html><head><title>Bench</title></head><body>\n";
    for (int c = 1; c <= 50; ++c) {
        html += "<h1>Chapter " + QByteArray::number(c) + "</h1>\n";
        for (int p = 0; p < 45; ++p)
            html += "<p>" + sentence + sentence + sentence + "</p>\n";
    }
    return html + "</body></html>\n";
}

// Speech events of the reading voice, whichever engine speaks.
struct Voice
{
    QString label;
    std::function<void(int)> choose;  // sets the window's voice list
    int words = 0;
    bool started = false;
    double queuedMs = -1;
    double startMs = -1;
};

bool waitFor(const std::function<bool()> &done, int ms = kWaitMs)
{
    return bench::waitUntil(done, ms);
}

struct Row
{
    QString label;
    QList<double> queued;
    QList<double> started;
    int failed = 0;
};

void printRow(const Row &row)
{
    if (row.started.isEmpty()) {
        std::printf("  %-28s no sound (%d failed)\n", qPrintable(row.label), row.failed);
        return;
    }
    std::printf("  %-28s -> start median %6.1f ms, max %6.1f ms", qPrintable(row.label), bench::median(row.started),
                *std::max_element(row.started.cbegin(), row.started.cend()));
    if (!row.queued.isEmpty())
        std::printf(" | -> first sample queued median %6.1f ms", bench::median(row.queued));
    if (row.failed)
        std::printf(" (%d failed)", row.failed);
    std::printf("\n");
}

}  // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    SpeechPlayer::setForceNullSink(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sayora"));
    const QStringList args = app.arguments();
    int runs = 10;
    if (const qsizetype i = args.indexOf(QStringLiteral("--runs")); i >= 0 && i + 1 < args.size())
        runs = std::max(1, args.at(i + 1).toInt());

    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("book.html"));
    {
        QFile file(book);
        if (!file.open(QIODevice::WriteOnly) || file.write(htmlBook()) < 0)
            return 1;
    }

    SayoraMain window;
    window.load(QString());
    if (!bench::showActive(window)) {
        std::printf("the window did not become active\n");
        bench::finish(1);
    }
    SpeechController *speech = window.speech();
    QPlainTextEdit *box = window.findChild<QPlainTextEdit *>(QStringLiteral("MainTxtBox"));
    if (!speech->newsVoice() || !window.openDocument(book)) {
        std::printf("no espeak-ng voice or the book could not be opened\n");
        bench::finish(1);
    }
    box->setFocus();

    Voice *current = nullptr;
    QElapsedTimer clock;
    const auto word = [&] {
        if (current)
            ++current->words;
    };
    const auto start = [&] {
        if (current && current->startMs < 0)
            current->startMs = clock.nsecsElapsed() / 1e6;
    };
    QObject::connect(speech->newsVoice(), &SpVoice::Word, word);
    QObject::connect(speech->newsVoice(), &SpVoice::StartStream, start);
    QObject::connect(speech->newsVoice(), &SpVoice::firstSampleQueued, [&] {
        if (current && current->queuedMs < 0)
            current->queuedMs = clock.nsecsElapsed() / 1e6;
    });
    QObject::connect(speech->directSS(), &DirectSS::WordPosition, word);
    QObject::connect(speech->directSS(), &DirectSS::AudioStart, start);

    // The first flite voice and the espeak-ng US English voice.
    QList<Voice> voices;
    if (speech->sapi4Count() > 0)
        voices.append({QStringLiteral("flite %1").arg(window.findChild<QComboBox *>()->itemText(0)),
                       [speech](int) { speech->setVoiceListPosition(0); }});
    const QList<SpObjectToken> tokens = speech->newsVoice()->GetVoices();
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens.at(i).Id() == QLatin1String("en-us"))
            voices.append({QStringLiteral("espeak-ng en-us"), [speech, i](int) { speech->setVoiceListPosition(speech->sapi4Count() + i); }});
    }

    const auto press = [box](const QKeySequence &key) {
        const QKeyCombination c = key[0];
        QTest::keyClick(box, c.key(), c.keyboardModifiers());
    };
    std::printf("Step key to first sound, %d runs each (target: 50 ms)\n", runs);
    for (Voice &voice : voices) {
        voice.choose(0);
        current = &voice;
        std::printf("%s\n", qPrintable(voice.label));
        speech->readFrom(0);
        press(QKeySequence(Qt::Key_F5));
        if (!waitFor([&] { return voice.words >= 3; })) {
            std::printf("  no words spoken\n");
            continue;
        }
        const struct
        {
            const char *label;
            std::function<void()> act;
        } steps[] = {
            {"next sentence", [&] { press(BookNavigation::stepKey(BookNavigation::Unit::Sentence, true)); }},
            {"previous sentence", [&] { press(BookNavigation::stepKey(BookNavigation::Unit::Sentence, false)); }},
            {"next paragraph", [&] { press(BookNavigation::stepKey(BookNavigation::Unit::Paragraph, true)); }},
            {"next chapter", [&] { press(BookNavigation::stepKey(BookNavigation::Unit::Chapter, true)); }},
            {"chapter from the list", [&] {
                 // The list is opened before the clock runs; the Enter that
                 // chooses is what is timed.
                 QListWidget *list = window.findChild<ChapterList *>()->findChild<QListWidget *>();
                 QTest::keyClick(list, Qt::Key_Return);
             }},
        };
        for (const auto &step : steps) {
            Row row{QString::fromLatin1(step.label), {}, {}, 0};
            for (int run = 0; run < runs; ++run) {
                const bool fromList = row.label.startsWith(QLatin1String("chapter from"));
                if (fromList) {
                    press(BookNavigation::chapterListKey());
                    ChapterList *list = nullptr;
                    waitFor([&] { return (list = window.findChild<ChapterList *>()) && list->isVisible(); }, 5000);
                    if (!list) {
                        ++row.failed;
                        continue;
                    }
                    QListWidget *view = list->findChild<QListWidget *>();
                    view->setCurrentRow((view->currentRow() + 7) % view->count());
                }
                voice.words = 0;
                voice.startMs = voice.queuedMs = -1;
                clock.start();
                step.act();
                if (!waitFor([&] { return voice.startMs >= 0 && voice.words >= 3; })) {
                    ++row.failed;
                    continue;
                }
                row.started << voice.startMs;
                if (voice.queuedMs >= 0)
                    row.queued << voice.queuedMs;
            }
            printRow(row);
        }
        press(QKeySequence(Qt::Key_F7));
        waitFor([&] { return speech->state() == SpeechController::State::Idle; });
        current = nullptr;
    }

    // A 500-page PDF, from Open to the first sound.
    QString pdf = dir.filePath(QStringLiteral("book.pdf"));
    if (const qsizetype i = args.indexOf(QStringLiteral("--pdf")); i >= 0 && i + 1 < args.size())
        pdf = args.at(i + 1);
    else if (!bench::writePdfBook(pdf, 500))
        bench::finish(1);
    if (!voices.isEmpty()) {
        Voice &voice = voices.last();
        voice.choose(0);
        Row row{QStringLiteral("PDF opened, F5"), {}, {}, 0};
        QList<double> loaded, opened;
        for (int run = 0; run < std::min(runs, 5); ++run) {
            {
                // The document reader alone, as the converter reads it.
                DocumentLoader reader;
                QElapsedTimer read;
                read.start();
                if (reader.LoadFile(pdf))
                    loaded << read.nsecsElapsed() / 1e6;
            }
            current = &voice;
            voice.words = 0;
            voice.startMs = voice.queuedMs = -1;
            clock.start();
            if (!window.openDocument(pdf)) {
                ++row.failed;
                break;
            }
            opened << clock.nsecsElapsed() / 1e6;
            speech->readFrom(0);
            press(QKeySequence(Qt::Key_F5));
            if (waitFor([&] { return voice.startMs >= 0; }))
                row.started << voice.startMs;
            else
                ++row.failed;
            press(QKeySequence(Qt::Key_F7));
            waitFor([&] { return speech->state() == SpeechController::State::Idle; });
        }
        std::printf("500-page PDF to first sound with %s (target: 1500 ms)\n", qPrintable(voice.label));
        printRow(row);
        if (!loaded.isEmpty() && !opened.isEmpty())
            std::printf("  of which: the PDF read %6.1f ms, shown in the window (Open done) %6.1f ms\n", bench::median(loaded),
                        bench::median(opened));
    }
    current = nullptr;
    window.close();
    bench::finish();
}
