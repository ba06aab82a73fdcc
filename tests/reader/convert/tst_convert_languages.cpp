// A text in several languages converted with a voice for each: in process
// (which voice read which part, the joined sound and its subtitles) and as
// the user runs the converter (a book's chapter in another script).
#include "convert/conversion.h"
#include "convert/subtitles.h"
#include "convert/voice_catalog.h"
#include "audio/wave_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString fliteVoice = u"Flite Kal (US English, male, 16 kHz)"_s;

const QString english1 = u"This book begins in English, as most of its chapters do. "_s;
const QString russian = u"Это предложение написано на русском языке. "_s;
const QString english2 = u"Then the story goes on in English for a while. "_s;
const QString greek = u"Αυτή η πρόταση είναι γραμμένη στα ελληνικά. "_s;
const QString japanese = u"これは日本語で書かれた文です。"_s;
const QString english3 = u"And it ends in English again."_s;
const QString mixed = english1 + russian + english2 + greek + japanese + english3;

struct Run
{
    int code = -1;
    QString errors;
};

Run convert(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(SAYORA_CONVERT_EXE), arguments);
    if (!p.waitForFinished(240000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class TestConvertLanguages : public QObject
{
    Q_OBJECT

private slots:
    void eachLanguageItsVoice_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<int>("rate");
        // flite's 16 kHz with espeak-ng's 22,050 Hz resampled into it, and
        // espeak-ng throughout.
        QTest::newRow("flite first") << fliteVoice << 16000;
        QTest::newRow("espeak-ng first") << u"English (America)"_s << 22050;
    }
    void eachLanguageItsVoice()
    {
        QFETCH(QString, voice);
        QFETCH(int, rate);
        QTemporaryDir dir;
        VoiceCatalog voices;
        Convert::Options options;
        options.inputs = {u"mixed.txt"_s};
        options.output = dir.filePath(u"mixed.wav"_s);
        options.subtitles = dir.filePath(u"mixed.srt"_s);
        options.format = Convert::Format::Wav;
        options.voice = voice;
        options.noRules = true;
        options.jobs = 1;
        Conversion conversion(voices, options);
        conversion.setText(mixed);
        QSignalSpy finished(&conversion, &Conversion::finished);
        conversion.start();
        QVERIFY(finished.count() == 1 || finished.wait(120000));
        QVERIFY2(conversion.exitCode() == Convert::Success, qPrintable(conversion.error()));

        // Six runs (the Greek and Japanese sentences stand together), each
        // language's own voice, back to the chosen one after them.
        const QStringList used = conversion.runVoices();
        QCOMPARE(used.size(), 6);
        for (int i : {0, 2, 5})
            QCOMPARE(used.at(i), voice);
        const auto language = [&](int i) { return voices.find(used.at(i))->code; };
        QVERIFY2(language(1).startsWith(u"ru"), qPrintable(used.at(1)));
        QVERIFY2(language(3).startsWith(u"el"), qPrintable(used.at(3)));
        QVERIFY2(language(4).startsWith(u"ja"), qPrintable(used.at(4)));

        // One sound at the first voice's rate, holding every run.
        const WaveFile::Info wave = WaveFile::readFile(options.output);
        QVERIFY(wave.valid);
        QCOMPARE(wave.sampleRate, rate);
        QVERIFY2(wave.seconds() > 8, qPrintable(QString::number(wave.seconds())));

        // A cue for each sentence, so words were heard in each, in order
        // and within the sound.
        QFile srt(options.subtitles);
        QVERIFY(srt.open(QIODevice::ReadOnly));
        QList<Subtitles::Cue> cues;
        QVERIFY(Subtitles::readSrt(srt.readAll(), &cues));
        const QStringList sentences{english1, russian, english2, greek, japanese, english3};
        QCOMPARE(cues.size(), sentences.size());
        double last = -1;
        for (qsizetype i = 0; i < cues.size(); ++i) {
            QCOMPARE(cues.at(i).text, sentences.at(i).trimmed());
            QVERIFY2(cues.at(i).start > last, qPrintable(cues.at(i).text));
            QVERIFY(cues.at(i).end > cues.at(i).start);
            last = cues.at(i).start;
        }
        QVERIFY(cues.last().end <= wave.seconds() + 0.01);
        QVERIFY(!QFile::exists(options.output + u".run"_s));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void switchingOff()
    {
        QTemporaryDir dir;
        VoiceCatalog voices;
        Convert::Options options;
        options.inputs = {u"mixed.txt"_s};
        options.output = dir.filePath(u"mixed.wav"_s);
        options.format = Convert::Format::Wav;
        options.voice = u"English (America)"_s;
        options.noRules = true;
        options.noLanguageSwitch = true;
        options.jobs = 1;
        Conversion conversion(voices, options);
        conversion.setText(mixed);
        QSignalSpy finished(&conversion, &Conversion::finished);
        conversion.start();
        QVERIFY(finished.count() == 1 || finished.wait(120000));
        QVERIFY2(conversion.exitCode() == Convert::Success, qPrintable(conversion.error()));
        QCOMPARE(conversion.runVoices(), QStringList{options.voice});
    }

    // A voice that cannot read a text's script no longer makes nothing of
    // it: the language's voice reads it; with switching off it fails as
    // before, naming why.
    void otherScriptWithAnEnglishVoice()
    {
        QTemporaryDir dir;
        const QString input = dir.filePath(u"russian.txt"_s);
        writeFile(input, "Доброе утро. Сегодня мы читаем новости вслух.");
        const QString wav = dir.filePath(u"russian.wav"_s);
        Run run = convert({u"--voice"_s, fliteVoice, u"-q"_s, input, wav});
        QVERIFY2(run.code == 0, qPrintable(run.errors));
        // At the chosen voice's rate, espeak-ng's sound resampled to it.
        QCOMPARE(WaveFile::readFile(wav).sampleRate, 16000);
        QVERIFY(WaveFile::readFile(wav).seconds() > 2);
        run = convert({u"--voice"_s, fliteVoice, u"-q"_s, u"--no-language-switch"_s, input, dir.filePath(u"flite.wav"_s)});
        QCOMPARE(run.code, 4);
        QVERIFY2(run.errors.contains(u"the voice produced no speech"_s), qPrintable(run.errors));
    }

    // A text cut into pieces for workers, the first starting in Japanese:
    // the parts agree in their rate and are joined.
    void piecesStartingInAnotherLanguage()
    {
        QTemporaryDir dir;
        const QString input = dir.filePath(u"pieces.txt"_s);
        QString text;
        for (int i = 0; i < 12; ++i)
            text += japanese + japanese + u"\n\n"_s + english1 + english2 + english3 + u"\n\n"_s;
        writeFile(input, text.toUtf8());
        const QString out = dir.filePath(u"pieces.ogg"_s);
        const Run run = convert({u"--voice"_s, fliteVoice, u"-q"_s, u"--jobs"_s, u"2"_s, input, out});
        QVERIFY2(run.code == 0, qPrintable(run.errors));
        QVERIFY(QFileInfo(out).size() > 10000);
    }

    // A book with a Japanese chapter, split by chapters with the default
    // voice: every chapter is read, the Japanese one by the Japanese voice.
    void bookWithAJapaneseChapter()
    {
        QTemporaryDir dir;
        const QString input = dir.filePath(u"book.html"_s);
        writeFile(input, u"<html><body><h1>Spring</h1><p>%1</p><h1>Haru</h1><p>%2</p><h1>Vesna</h1><p>%3</p>"
                         "</body></html>"_s.arg(english1, japanese + japanese, russian)
                             .toUtf8());
        const QString out = dir.filePath(u"out"_s);
        const Run run = convert({u"-q"_s, u"--split"_s, u"chapters"_s, u"--format=wav"_s, input, out});
        QVERIFY2(run.code == 0, qPrintable(run.errors));
        const QStringList files = QDir(out).entryList({u"*.wav"_s}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 3);
        for (const QString &file : files)
            QVERIFY2(WaveFile::readFile(QDir(out).filePath(file)).seconds() > 1, qPrintable(file));
    }
};

QTEST_GUILESS_MAIN(TestConvertLanguages)
#include "tst_convert_languages.moc"
