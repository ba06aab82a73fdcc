#include "app/settings_record.h"

#include "support/test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

SettingsRecord firstRunRecord()
{
    SettingsRecord r;
    r.WinLeft = 1200;
    r.WinTop = 1200;
    r.WinWidth = 7080;
    r.WinHeight = 8205;
    r.OpenDir = QStringLiteral("/home/ann/");
    r.SaveDir = QStringLiteral("/home/ann/");
    r.OpenExt = QStringLiteral(".txt");
    r.SaveExt = QStringLiteral(".mp3");
    r.ShowText = true;
    r.FontName = QStringLiteral("Tahoma");
    r.FontBold = QStringLiteral("False");
    r.FontItalic = false;
    r.FontSize = QStringLiteral("10.5");
    r.FontUnderline = false;
    r.FontStrikethru = false;
    r.ForeColor = 0x00804020;
    r.BackColor = 0x00FFFFFF;
    r.Engine = 4;
    r.VoiceIndex = 5;
    r.VoiceName = QStringLiteral("Flite SLT (US English, female)");
    r.RatePercent = 60;
    r.PitchPercent = 40;
    return r;
}

// firstRunRecord() as it must appear on disk, written out by hand.
QByteArray firstRunBytes()
{
    QByteArray b;
    b += QByteArray::fromHex("b0040000");                // WinLeft 1200
    b += QByteArray::fromHex("b0040000");                // WinTop 1200
    b += QByteArray::fromHex("a81b0000");                // WinWidth 7080
    b += QByteArray::fromHex("0d200000");                // WinHeight 8205
    b += QByteArray::fromHex("0a00") + "/home/ann/";     // OpenDir
    b += QByteArray::fromHex("0a00") + "/home/ann/";     // SaveDir
    b += QByteArray::fromHex("0400") + ".txt";           // OpenExt
    b += QByteArray::fromHex("0400") + ".mp3";           // SaveExt
    b += QByteArray::fromHex("ffff");                    // ShowText true
    b += QByteArray::fromHex("0600") + "Tahoma";         // FontName
    b += QByteArray::fromHex("0500") + "False";          // FontBold
    b += QByteArray::fromHex("0000");                    // FontItalic false
    b += QByteArray::fromHex("0400") + "10.5";           // FontSize
    b += QByteArray::fromHex("0000");                    // FontUnderline false
    b += QByteArray::fromHex("0000");                    // FontStrikethru false
    b += QByteArray::fromHex("20408000");                // ForeColor 0x00804020
    b += QByteArray::fromHex("ffffff00");                // BackColor 0x00FFFFFF
    b += QByteArray::fromHex("04000000");                // Engine 4
    b += QByteArray::fromHex("05000000");                // VoiceIndex 5
    b += QByteArray::fromHex("1e00") + "Flite SLT (US English, female)";  // VoiceName
    b += QByteArray::fromHex("3c000000");                // RatePercent 60
    b += QByteArray::fromHex("28000000");                // PitchPercent 40
    return b;
}

// Byte widths of the fields of firstRunBytes(), and of an all-empty record.
const int firstRunWidths[SettingsRecord::FieldCount] = {4, 4, 4, 4, 12, 12, 6, 6, 2, 8, 7,
                                                       2, 6, 2, 2, 4, 4, 4, 4, 32, 4, 4};
const int emptyWidths[SettingsRecord::FieldCount] = {4, 4, 4, 4, 2, 2, 2, 2, 2, 2, 2,
                                                    2, 2, 2, 2, 4, 4, 4, 4, 2, 4, 4};
// Offsets of single fields in firstRunBytes().
constexpr int showTextOffset = 52;
constexpr int fontBoldOffset = 62;
constexpr int fontItalicOffset = 69;
constexpr int voiceNameOffset = 97;

QByteArray replaced(QByteArray bytes, int offset, const QByteArray &with)
{
    return bytes.replace(offset, with.size(), with);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TstSettingsRecord : public QObject
{
    Q_OBJECT

private slots:
    void firstRunRecordIsByteExact();
    void emptyTextsGiveFixedSize();
    void fontStyleFromStoredValues_data();
    void fontStyleFromStoredValues();
    void storedBoolean_data();
    void storedBoolean();
    void truncatedFileKeepsFieldsBeforeTheCut();
    void textLengthPastTheEnd_data();
    void textLengthPastTheEnd();
    void invalidUtf8IsDecodedLeniently_data();
    void invalidUtf8IsDecodedLeniently();
    void garbageNeverCrashes_data();
    void garbageNeverCrashes();
    void nonAsciiTextsRoundTrip_data();
    void nonAsciiTextsRoundTrip();
    void overlongTextIsCutAtCharacterBoundary_data();
    void overlongTextIsCutAtCharacterBoundary();
    void saveCreatesFolderAndLoadsBack();
    void saveReplacesLongerOldFile();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void loadWithoutFile_data();
    void loadWithoutFile();
    void loadShortFileGivesPartialRecord();
    void defaultPathIsInAppConfigFolder();
    void boolTexts_data();
    void boolTexts();
    void fontSizeText_data();
    void fontSizeText();
    void parseFontSize_data();
    void parseFontSize();
};

void TstSettingsRecord::firstRunRecordIsByteExact()
{
    const QByteArray expected = firstRunBytes();
    QCOMPARE(expected.size(), 64 + 10 + 10 + 4 + 4 + 6 + 5 + 4 + 30);

    QStringList problems;
    const QByteArray bytes = firstRunRecord().toBytes(&problems);
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
    QVERIFY(problems.isEmpty());

    int fieldsRead = -1;
    problems.clear();
    QCOMPARE(SettingsRecord::fromBytes(expected, &fieldsRead, &problems), firstRunRecord());
    QCOMPARE(fieldsRead, int(SettingsRecord::FieldCount));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TstSettingsRecord::emptyTextsGiveFixedSize()
{
    SettingsRecord r = firstRunRecord();
    r.OpenDir.clear();
    r.SaveDir.clear();
    r.OpenExt.clear();
    r.SaveExt.clear();
    r.FontName.clear();
    r.FontBold.clear();
    r.FontSize.clear();
    r.VoiceName.clear();
    const QByteArray bytes = r.toBytes();
    QCOMPARE(bytes.size(), 64);
    QCOMPARE(bytes.mid(16, 8), QByteArray(8, '\0'));  // four empty folder/type texts

    QCOMPARE(SettingsRecord().toBytes(), QByteArray(64, '\0'));
    int fieldsRead = -1;
    QCOMPARE(SettingsRecord::fromBytes(bytes, &fieldsRead), r);
    QCOMPARE(fieldsRead, 22);
}

void TstSettingsRecord::fontStyleFromStoredValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    const QByteArray falseBold = firstRunBytes();
    QTest::newRow("bold False, italic -1")
        << replaced(falseBold, fontItalicOffset, QByteArray::fromHex("ffff")) << false << true;
    // "True" is a byte shorter than "False": everything after it moves.
    QByteArray trueBold = falseBold;
    trueBold.replace(fontBoldOffset, 7, QByteArray::fromHex("0400") + "True");
    QTest::newRow("bold True, italic 0") << trueBold << true << false;
}

void TstSettingsRecord::fontStyleFromStoredValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    int fieldsRead = 0;
    const SettingsRecord r = SettingsRecord::fromBytes(bytes, &fieldsRead);
    QCOMPARE(fieldsRead, 22);
    bool ok = false;
    QCOMPARE(parseBoolText(r.FontBold, &ok), bold);
    QVERIFY(ok);
    QCOMPARE(r.FontItalic, italic);
    QCOMPARE(r.FontSize, QStringLiteral("10.5"));
    QCOMPARE(r.PitchPercent, 40);
}

void TstSettingsRecord::storedBoolean_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("value");
    QTest::addColumn<bool>("odd");

    QTest::newRow("0 false") << QByteArray::fromHex("0000") << false << false;
    QTest::newRow("-1 true") << QByteArray::fromHex("ffff") << true << false;
    QTest::newRow("1 taken as true") << QByteArray::fromHex("0100") << true << true;
    QTest::newRow("-2 taken as true") << QByteArray::fromHex("feff") << true << true;
    QTest::newRow("-32768 taken as true") << QByteArray::fromHex("0080") << true << true;
    QTest::newRow("high byte only") << QByteArray::fromHex("00ff") << true << true;
}

void TstSettingsRecord::storedBoolean()
{
    QFETCH(QByteArray, raw);
    QFETCH(bool, value);
    QFETCH(bool, odd);

    QStringList problems;
    int fieldsRead = 0;
    const SettingsRecord r = SettingsRecord::fromBytes(replaced(firstRunBytes(), showTextOffset, raw),
                                                       &fieldsRead, &problems);
    QCOMPARE(r.ShowText, value);
    QCOMPARE(fieldsRead, 22);
    QCOMPARE(problems.size(), odd ? 1 : 0);
    if (odd)
        QVERIFY(problems.first().contains(QLatin1String("ShowText")));
    QCOMPARE(r.FontName, QStringLiteral("Tahoma"));
}

void TstSettingsRecord::truncatedFileKeepsFieldsBeforeTheCut()
{
    const QByteArray full = firstRunBytes();
    int ends[SettingsRecord::FieldCount + 1] = {0};
    int emptyTail[SettingsRecord::FieldCount + 1] = {0};
    for (int i = 0; i < SettingsRecord::FieldCount; ++i)
        ends[i + 1] = ends[i] + firstRunWidths[i];
    for (int i = SettingsRecord::FieldCount - 1; i >= 0; --i)
        emptyTail[i] = emptyTail[i + 1] + emptyWidths[i];
    QCOMPARE(ends[SettingsRecord::FieldCount], full.size());

    for (int length = 0; length <= full.size(); ++length) {
        int expectedFields = 0;
        while (expectedFields < SettingsRecord::FieldCount && ends[expectedFields + 1] <= length)
            ++expectedFields;

        int fieldsRead = -1;
        QStringList problems;
        const SettingsRecord r = SettingsRecord::fromBytes(full.left(length), &fieldsRead, &problems);
        QCOMPARE(fieldsRead, expectedFields);
        QCOMPARE(problems.isEmpty(), length == full.size());
        // The fields read equal the original and every other one is still
        // empty, which serialises to zeros: no half-read field slips through.
        const QByteArray again = r.toBytes();
        QCOMPARE(again, full.left(ends[expectedFields]) + QByteArray(emptyTail[expectedFields], '\0'));
    }
}

void TstSettingsRecord::textLengthPastTheEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fieldsRead");
    QTest::addColumn<QString>("field");

    const QByteArray full = firstRunBytes();
    QTest::newRow("first text claims 65535 bytes")
        << full.left(16) + QByteArray::fromHex("ffff") + "/home" << 4 << "OpenDir";
    QTest::newRow("last text one byte longer than the file")
        << full.left(voiceNameOffset) + QByteArray::fromHex("1f00") + "Flite SLT (US English, female)"
        << 19 << "VoiceName";
    QTest::newRow("text one byte longer than the rest of the file")
        << replaced(full, voiceNameOffset, QByteArray::fromHex("2700")) << 19 << "VoiceName";
    QTest::newRow("length cut in half") << full.left(voiceNameOffset + 1) << 19 << "VoiceName";
}

void TstSettingsRecord::textLengthPastTheEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fieldsRead);
    QFETCH(QString, field);

    int read = -1;
    QStringList problems;
    const SettingsRecord r = SettingsRecord::fromBytes(bytes, &read, &problems);
    QCOMPARE(read, fieldsRead);
    QVERIFY(!problems.isEmpty());
    QCOMPARE(r.WinHeight, 8205);
    QVERIFY(r.VoiceName.isEmpty());
    QCOMPARE(r.RatePercent, 0);
    QCOMPARE(r.PitchPercent, 0);
    if (fieldsRead < SettingsRecord::FieldOpenDir)
        QVERIFY(r.OpenDir.isEmpty());
    else
        QCOMPARE(r.VoiceIndex, 5);
    // Only a whole length prefix can run past the end; a cut prefix is just
    // a short file.
    if (bytes.size() != voiceNameOffset + 1)
        QVERIFY2(problems.first().contains(field), qPrintable(problems.join('\n')));
}

void TstSettingsRecord::invalidUtf8IsDecodedLeniently_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("stray bytes") << QByteArray("ab\xff\xfe") << QStringLiteral("ab");
    QTest::newRow("character cut short") << QByteArray("ab\xe2\x82") << QStringLiteral("ab");
    QTest::newRow("overlong encoding") << QByteArray("ab\xc0\xaf") << QStringLiteral("ab");
    QTest::newRow("ANSI e acute") << QByteArray("caf\xe9") << QStringLiteral("caf");
}

void TstSettingsRecord::invalidUtf8IsDecodedLeniently()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, prefix);

    QByteArray bytes = firstRunBytes();
    char length[2];
    qToLittleEndian<quint16>(quint16(text.size()), length);
    bytes.replace(16, 12, QByteArray(length, 2) + text);  // OpenDir

    int fieldsRead = 0;
    const SettingsRecord r = SettingsRecord::fromBytes(bytes, &fieldsRead);
    QCOMPARE(fieldsRead, 22);
    QVERIFY(r.OpenDir.startsWith(prefix));
    QVERIFY(r.OpenDir.contains(QChar::ReplacementCharacter));
    QCOMPARE(r.SaveDir, QStringLiteral("/home/ann/"));
    QCOMPARE(r.PitchPercent, 40);
}

void TstSettingsRecord::garbageNeverCrashes_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("mutate");

    QTest::newRow("random bytes, seed 1") << 1u << false;
    QTest::newRow("random bytes, seed 2") << 2u << false;
    QTest::newRow("damaged record, seed 3") << 3u << true;
    QTest::newRow("damaged record, seed 4") << 4u << true;
}

void TstSettingsRecord::garbageNeverCrashes()
{
    QFETCH(quint32, seed);
    QFETCH(bool, mutate);

    QRandomGenerator rng(seed);
    const QByteArray valid = firstRunBytes();
    int complete = 0;
    for (int i = 0; i < 5000; ++i) {
        QByteArray bytes;
        if (mutate) {
            bytes = valid;
            const int changes = rng.bounded(1, 5);
            for (int c = 0; c < changes; ++c)
                bytes[rng.bounded(bytes.size())] = char(rng.bounded(256));
            if (rng.bounded(3) == 0)
                bytes.truncate(rng.bounded(bytes.size() + 1));
        } else {
            bytes.resize(rng.bounded(300));
            for (char &b : bytes)
                b = char(rng.bounded(256));
            // A short first text lets random input reach the later fields.
            if (bytes.size() > 17 && rng.bounded(2) == 0)
                bytes[17] = 0;
        }

        int fieldsRead = -1;
        QStringList problems;
        const SettingsRecord r = SettingsRecord::fromBytes(bytes, &fieldsRead, &problems);
        QVERIFY(fieldsRead >= 0 && fieldsRead <= SettingsRecord::FieldCount);
        if (fieldsRead == SettingsRecord::FieldCount)
            ++complete;
        // Whatever was read survives a write and a read unchanged.
        int again = -1;
        QCOMPARE(SettingsRecord::fromBytes(r.toBytes(), &again), r);
        QCOMPARE(again, int(SettingsRecord::FieldCount));
    }
    if (mutate)
        QVERIFY(complete > 100);  // the damage did not just stop every parse early
}

void TstSettingsRecord::nonAsciiTextsRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("accents") << QStringLiteral("/home/zoë/Bücher/");
    QTest::newRow("cyrillic") << QStringLiteral("Голос Анны");
    QTest::newRow("cjk") << QStringLiteral("日本語の声");
    QTest::newRow("outside the BMP") << QStringLiteral("🙂 voice 𝄞");
    QTest::newRow("leading byte-order mark") << QStringLiteral("\uFEFFTahoma");
    QTest::newRow("embedded NUL") << (QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    QTest::newRow("backslash folder") << QStringLiteral("C:\\Users\\Zoë\\");
}

void TstSettingsRecord::nonAsciiTextsRoundTrip()
{
    QFETCH(QString, text);

    SettingsRecord r = firstRunRecord();
    r.OpenDir = text;
    r.FontName = text;
    r.VoiceName = text;
    const QByteArray utf8 = text.toUtf8();
    const QByteArray bytes = r.toBytes();
    QCOMPARE(bytes.size(), 64 + 3 * utf8.size() + 10 + 4 + 4 + 5 + 4);
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 16), quint16(utf8.size()));
    QCOMPARE(bytes.mid(18, utf8.size()), utf8);

    int fieldsRead = 0;
    QCOMPARE(SettingsRecord::fromBytes(bytes, &fieldsRead), r);
    QCOMPARE(fieldsRead, 22);
}

void TstSettingsRecord::overlongTextIsCutAtCharacterBoundary_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keptBytes");

    QTest::newRow("ascii") << QString(70000, QLatin1Char('a')) << 65535;
    QTest::newRow("two-byte characters") << QString(35000, QChar(0xE9)) << 65534;
    QTest::newRow("three-byte characters after one ascii")
        << QStringLiteral("a") + QString(23333, QChar(0x20AC)) << 65533;
    QTest::newRow("four-byte characters") << QStringLiteral("🙂").repeated(17500) << 65532;
    QTest::newRow("exactly the limit") << QString(65535, QLatin1Char('b')) << 65535;
}

void TstSettingsRecord::overlongTextIsCutAtCharacterBoundary()
{
    QFETCH(QString, text);
    QFETCH(int, keptBytes);

    SettingsRecord r = firstRunRecord();
    r.OpenDir = text;
    QStringList problems;
    const QByteArray bytes = r.toBytes(&problems);
    QCOMPARE(problems.isEmpty(), text.toUtf8().size() <= SettingsRecord::MaxTextBytes);
    QCOMPARE(bytes.size(), firstRunBytes().size() - 10 + keptBytes);

    int fieldsRead = 0;
    const SettingsRecord back = SettingsRecord::fromBytes(bytes, &fieldsRead);
    QCOMPARE(fieldsRead, 22);
    QCOMPARE(back.OpenDir.toUtf8().size(), keptBytes);
    QVERIFY(text.startsWith(back.OpenDir));
    QVERIFY(!back.OpenDir.contains(QChar::ReplacementCharacter));
    SettingsRecord rest = back;
    rest.OpenDir = firstRunRecord().OpenDir;
    QCOMPARE(rest, firstRunRecord());
}

void TstSettingsRecord::saveCreatesFolderAndLoadsBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/sayora/dovexensf.ini"));
    SettingsRecord r = firstRunRecord();
    r.VoiceName = QStringLiteral("Голос Анны 🙂");

    QString error = QStringLiteral("unset");
    QVERIFY(r.save(path, &error));
    QCOMPARE(readAll(path), r.toBytes());

    int fieldsRead = -1;
    error = QStringLiteral("unset");
    const std::optional<SettingsRecord> back = SettingsRecord::load(path, &fieldsRead, &error);
    QVERIFY(back.has_value());
    QCOMPARE(*back, r);
    QCOMPARE(fieldsRead, 22);
    QVERIFY(error.isEmpty());
}

void TstSettingsRecord::saveReplacesLongerOldFile()
{
    QTemporaryDir dir;
    const QString path = testsupport::writeFile(dir.filePath(QStringLiteral("dovexensf.ini")),
                                                QByteArray(1000, 'x'));
    QVERIFY(firstRunRecord().save(path));
    QCOMPARE(readAll(path), firstRunBytes());
}

void TstSettingsRecord::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("read-only folder") << QStringLiteral("read-only");
    QTest::newRow("write fails part-way") << QStringLiteral("file size limit");
    QTest::newRow("folder path is a file") << QStringLiteral("parent is a file");
}

void TstSettingsRecord::failedSaveKeepsOldFile()
{
    QFETCH(QString, how);

    QTemporaryDir dir;
    const QByteArray old = QByteArray("old settings, must survive");
    QString oldPath = testsupport::writeFile(dir.filePath(QStringLiteral("dovexensf.ini")), old);
    QString path = oldPath;
    SettingsRecord r = firstRunRecord();
    QString error;
    bool saved = true;

    if (how == QLatin1String("read-only")) {
        if (geteuid() == 0)
            QSKIP("folder permissions do not bind root; the file size limit row covers this");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        saved = r.save(path, &error);
    } else if (how == QLatin1String("file size limit")) {
        // The disk "fills up" after 16 bytes of the new file: the write
        // itself fails, as on a full disk, whoever runs the test.
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = before;
        tight.rlim_cur = 16;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &before);
            std::signal(SIGXFSZ, oldHandler);
        });
        saved = r.save(path, &error);
    } else {
        path = oldPath + QStringLiteral("/dovexensf.ini");
        saved = r.save(path, &error);
    }

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(oldPath), old);
    // No temporary file is left behind beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("dovexensf.ini")});
}

void TstSettingsRecord::loadWithoutFile_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("no file") << QStringLiteral("dovexensf.ini");
    QTest::newRow("a folder of that name") << QStringLiteral("folder");
}

void TstSettingsRecord::loadWithoutFile()
{
    QFETCH(QString, name);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    int fieldsRead = -1;
    QString error;
    QVERIFY(!SettingsRecord::load(dir.filePath(name), &fieldsRead, &error).has_value());
    QVERIFY(!error.isEmpty());
    QCOMPARE(fieldsRead, 0);
}

void TstSettingsRecord::loadShortFileGivesPartialRecord()
{
    QTemporaryDir dir;
    const QString path = testsupport::writeFile(dir.filePath(QStringLiteral("dovexensf.ini")),
                                                firstRunBytes().left(58));
    int fieldsRead = -1;
    const std::optional<SettingsRecord> r = SettingsRecord::load(path, &fieldsRead);
    QVERIFY(r.has_value());
    QCOMPARE(fieldsRead, int(SettingsRecord::FieldShowText));
    QVERIFY(r->ShowText);
    QVERIFY(r->FontName.isEmpty());
    QCOMPARE(r->Engine, 0);

    const QString empty = testsupport::writeFile(dir.filePath(QStringLiteral("empty.ini")), QByteArray());
    QCOMPARE(SettingsRecord::load(empty, &fieldsRead), SettingsRecord());
    QCOMPARE(fieldsRead, 0);
}

void TstSettingsRecord::defaultPathIsInAppConfigFolder()
{
    const QString path = SettingsRecord::defaultPath();
    QCOMPARE(path, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                       + QStringLiteral("/sayora/dovexensf.ini"));
    QVERIFY(!path.contains(QLatin1String("//")));
}

void TstSettingsRecord::boolTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("value");

    QTest::newRow("True") << "True" << true << true;
    QTest::newRow("False") << "False" << true << false;
    QTest::newRow("lower case") << "true" << true << true;
    QTest::newRow("upper case") << "FALSE" << true << false;
    QTest::newRow("spaces around") << " True " << true << true;
    QTest::newRow("-1") << "-1" << true << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("other number") << "5" << true << true;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("yes") << "yes" << false << false;
    QTest::newRow("prefix of True") << "Tru" << false << false;
    QTest::newRow("German") << "Wahr" << false << false;
}

void TstSettingsRecord::boolTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(bool, value);

    bool parsedOk = !ok;
    QCOMPARE(parseBoolText(text, &parsedOk), value);
    QCOMPARE(parsedOk, ok);
    if (ok && !text.trimmed().startsWith(QLatin1Char('-')) && !text.trimmed().at(0).isDigit())
        QCOMPARE(boolText(value).compare(text.trimmed(), Qt::CaseInsensitive), 0);
    QCOMPARE(parseBoolText(boolText(value)), value);
}

void TstSettingsRecord::fontSizeText_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("text");

    QTest::newRow("half point") << 10.5 << "10.5";
    QTest::newRow("quarter points") << 9.75 << "9.75";
    QTest::newRow("whole") << 12.0 << "12";
    QTest::newRow("binary fraction noise") << 10.499999999 << "10.5";
    QTest::newRow("twip step") << 8.25 << "8.25";
    QTest::newRow("large") << 1638.0 << "1638";
    QTest::newRow("not a number") << qQNaN() << "";
    QTest::newRow("infinite") << qInf() << "";
}

void TstSettingsRecord::fontSizeText()
{
    QFETCH(double, points);
    QFETCH(QString, text);

    QCOMPARE(::fontSizeText(points), text);
    if (!text.isEmpty()) {
        bool ok = false;
        QCOMPARE(::parseFontSize(text, &ok), std::round(points * 100) / 100);
        QVERIFY(ok);
    }
}

void TstSettingsRecord::parseFontSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("points");

    QTest::newRow("decimal point") << "10.5" << true << 10.5;
    QTest::newRow("decimal comma") << "10,5" << true << 10.5;
    QTest::newRow("whole") << "12" << true << 12.0;
    QTest::newRow("spaces around") << " 9.75 " << true << 9.75;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("word") << "large" << false << 0.0;
    QTest::newRow("zero") << "0" << false << 0.0;
    QTest::newRow("negative") << "-8" << false << 0.0;
    QTest::newRow("two commas") << "1,0,5" << false << 0.0;
    QTest::newRow("comma and point") << "1,000.5" << false << 0.0;
    QTest::newRow("trailing junk") << "10.5pt" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
}

void TstSettingsRecord::parseFontSize()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, points);

    bool parsedOk = !ok;
    QCOMPARE(::parseFontSize(text, &parsedOk), points);
    QCOMPARE(parsedOk, ok);
}

int main(int argc, char **argv)
{
    testsupport::isolateUserFolders();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sayora"));
    TstSettingsRecord test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings_record.moc"
