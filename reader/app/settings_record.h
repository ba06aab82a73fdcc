#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// The program's remembered settings, and their file "dovexensf.ini".
//
// The file is a binary record: the 22 fields below, in this order,
// little-endian, no header and no padding. 32-bit fields take 4 bytes,
// booleans 2 bytes (-1 true, 0 false), texts a 16-bit byte length followed
// by that many UTF-8 bytes without a terminator. A record whose texts are
// all empty is therefore exactly 64 bytes.
struct SettingsRecord
{
    qint32 WinLeft = 0;       // main window, twips: where its frame's corner is,
    qint32 WinTop = 0;        // and its size without the frame (the window
    qint32 WinWidth = 0;      // manager's frame is not known before the
    qint32 WinHeight = 0;     // window shows)
    QString OpenDir;          // folder of the last opened document
    QString SaveDir;          // folder of the last saved or exported file
    QString OpenExt;          // chooses the open dialog's filter
    QString SaveExt;          // chooses the save dialog's filter
    bool ShowText = false;    // the main text box is shown
    QString FontName;
    QString FontBold;         // "True" or "False": see boolText()
    bool FontItalic = false;
    QString FontSize;         // points as decimal text: see fontSizeText()
    bool FontUnderline = false;
    bool FontStrikethru = false;
    quint32 ForeColor = 0;    // 0x00BBGGRR
    quint32 BackColor = 0;    // 0x00BBGGRR
    qint32 Engine = 0;        // 4 or 5
    qint32 VoiceIndex = 0;
    QString VoiceName;
    qint32 RatePercent = 0;
    qint32 PitchPercent = 0;

    // Field numbers in file order. Reading stops at the first field the
    // bytes do not hold, so "fields read" is a count: field n was read when
    // n <= fieldsRead.
    enum Field : int {
        FieldWinLeft = 1, FieldWinTop, FieldWinWidth, FieldWinHeight,
        FieldOpenDir, FieldSaveDir, FieldOpenExt, FieldSaveExt,
        FieldShowText, FieldFontName, FieldFontBold, FieldFontItalic,
        FieldFontSize, FieldFontUnderline, FieldFontStrikethru,
        FieldForeColor, FieldBackColor, FieldEngine, FieldVoiceIndex,
        FieldVoiceName, FieldRatePercent, FieldPitchPercent,
        FieldCount = FieldPitchPercent
    };

    // The length prefix is 16 bits: longer texts are cut at the last whole
    // UTF-8 character that fits.
    static constexpr int MaxTextBytes = 65535;
    // Size of a record whose texts are all empty.
    static constexpr int FixedBytes = 64;

    // Serialises the record. Each text cut to fit is named in *problems.
    QByteArray toBytes(QStringList *problems = nullptr) const;

    // Reads a record tolerantly, field by field, and never fails: fields the
    // bytes do not hold stay zero or empty. A text whose length runs past the
    // end is taken as missing and reading stops there. Invalid UTF-8 is
    // decoded with replacement characters; a boolean other than 0 or -1 is
    // taken as true. Anything odd is described in *problems.
    static SettingsRecord fromBytes(QByteArrayView bytes, int *fieldsRead = nullptr,
                                    QStringList *problems = nullptr);

    // Per-user place of the settings file: the application's config folder
    // (~/.config/sayora with application name "sayora") + "/dovexensf.ini".
    static QString defaultPath();

    // Writes the record atomically: the old file is replaced only once the
    // new one is completely on disk, so a failed write leaves it intact.
    // Creates the folder if needed.
    bool save(const QString &path, QString *error = nullptr) const;

    // Reads the file at path. Returns nothing (and says why in *error) when
    // it does not exist or cannot be read; a damaged or short file still
    // gives a record, with *fieldsRead telling how much of it came from the
    // file. Oddities in the contents are logged.
    static std::optional<SettingsRecord> load(const QString &path, int *fieldsRead = nullptr,
                                              QString *error = nullptr);

    bool operator==(const SettingsRecord &) const = default;
};

// The texts stored in FontBold: "True" / "False".
QString boolText(bool value);
// Accepts "True" and "False" in any case, and whole numbers (0 false, any
// other true), around white space. *ok is false for anything else, and the
// result is then false.
bool parseBoolText(const QString &text, bool *ok = nullptr);

// Font size in points as stored in FontSize: decimal text with a point,
// at most two decimals, no exponent ("10.5", "9.75", "12"). Empty for a
// value that is not finite.
QString fontSizeText(double points);
// Reads a font size written with a decimal point or a decimal comma
// ("10.5", "10,5"). *ok is false, and the result 0, unless the text is a
// finite number greater than 0.
double parseFontSize(const QString &text, bool *ok = nullptr);
