#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Which writing system a text is in, and which voice languages can read it.
// Scripts are ISO 15924 codes: "Latn", "Cyrl", "Grek", "Arab", "Hebr",
// "Hani" (Chinese characters alone), "Jpan" (kana, with or without Chinese
// characters), "Hang" and so on; "Zyyy" stands for letters of any other
// script.
namespace textscript {

// The script most of the text's letters are written in; empty when the text
// has no letters at all (digits, symbols, punctuation).
QString dominantScript(QStringView text);

// The share of the text's letters written in the script, 0 to 1, judged
// on as many letters as dominantScript() looks at (Chinese characters count
// for "Jpan" too).
double shareOfLetters(QStringView text, const QString &script);

// The script a voice language is written in: "en-us" and most others are
// "Latn", "ru" is "Cyrl", "cmn" "Hani", "ja" "Jpan".
QString scriptOfLanguage(const QString &language);

// Voice languages that read a script, the most widely read first; empty for
// Latin, which many languages share.
QStringList languagesForScript(const QString &script);

}  // namespace textscript
