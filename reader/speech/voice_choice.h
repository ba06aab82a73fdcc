#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QLocale;
class SpObjectToken;

// The reader's voice rules with no widget in them, shared by the window and
// the command-line converter: the voice to fall back on, and the voice that
// reads a text the selected one cannot. Each engine's scales for the bars
// are its voice class's (Sapi4Voice, Sapi5Voice).
namespace VoiceChoice {

// Engine generations, as the voice list carries them.
constexpr int Sapi4 = 4;
constexpr int Sapi5 = 5;

int roundHalfEven(double value);

// The voice to fall back on: the user's language and region, then the
// language alone, then English (America). An index into `tokens`.
int fallbackVoiceIndex(const QList<SpObjectToken> &tokens, const QLocale &locale);

// How a text is given its voices: one for the whole text, or each sentence
// the voice of its language (the selected voice for its own).
enum class VoicesFor { WholeText, EachSentence };

// The SAPI 5 voice (an index into `tokens`) that should read text instead
// of the selected voice (engine generation and index among its voices),
// because the selected one cannot read the text's script; -1 to keep it.
// Read sentence by sentence, a text with a fair share (a fifth of its
// letters) in the selected voice's script keeps it: the sentences in other
// scripts find their own voices.
int voiceForText(const QString &text, VoicesFor voices, const QList<SpObjectToken> &tokens, int engine, int voiceIndex,
                 const QLocale &locale);

// The SAPI 5 voice (an index into `tokens`) that reads a language ("ru",
// "cmn", as LanguageRuns names them) best: the voice of the user's region
// where the user speaks it, else the language's own voice before its
// regional ones and variants; -1 when none is installed.
int voiceForLanguage(const QString &language, const QList<SpObjectToken> &tokens, const QLocale &locale);

// The base languages of the tokens, once each: the languages that have a
// voice.
QStringList voicedLanguages(const QList<SpObjectToken> &tokens);

}  // namespace VoiceChoice
