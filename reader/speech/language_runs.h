#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

// A text cut into runs of whole sentences, each in one language, so that
// every run can be read by a voice of its language. Sentences in another
// script than the reading voice's are told by their script (kana make
// Japanese, Hangul Korean, Chinese characters alone Chinese); sentences in
// the same script by a language guesser (libexttextcat's n-gram models)
// when they are long enough to tell. A sentence too short to tell, or with
// no letters at all, keeps the language of its neighbours.

// libexttextcat over the models Debian installs (libexttextcat-data).
// Loaded once and shared; guessing is serialised, the library's classifier
// keeps state between calls.
class LanguageGuesser
{
public:
    // The shared guesser; isValid() is false when the models are missing.
    static LanguageGuesser &shared();
    // A guesser over the models named in conf (fpdb.conf's format), with
    // model files looked up in folder.
    LanguageGuesser(const QString &conf, const QString &folder);
    ~LanguageGuesser();
    LanguageGuesser(const LanguageGuesser &) = delete;
    LanguageGuesser &operator=(const LanguageGuesser &) = delete;

    bool isValid() const;
    // The languages the text may be in, most likely first, as lowercase
    // language codes ("en", "de", "zh"); empty when the guesser cannot tell
    // (too short, or like no language it knows).
    QStringList guess(QStringView text) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

struct LanguageRun
{
    qsizetype start = 0;
    qsizetype length = 0;
    // Empty: the reading voice's own language. Otherwise a language code as
    // espeak-ng's voices name them ("ru", "el", "ja", "cmn", "de").
    QString language;
    bool operator==(const LanguageRun &) const = default;
};

namespace LanguageRuns {

// Latin-script sentences with fewer letters than this are not guessed:
// below it the guesser's answers are mostly wrong.
constexpr int lettersToGuess = 40;

// Cuts text into consecutive runs that cover it whole, each run at least
// one sentence. voiceLanguage is the reading voice's ("en-us"); runs in its
// language (or too short to tell) have an empty language. guesser may be
// null: Latin-script sentences then keep the voice's language. A text in
// one language is one run.
// voiced: the languages that have a voice (language codes, "en"); when
// given, the guesser's candidates without a voice are passed over ("sco"
// for English).
QList<LanguageRun> split(const QString &text, const QString &voiceLanguage, const LanguageGuesser *guesser,
                         const QStringList &voiced = {});

// Where the sentences of text end (UTF-16 positions after each one,
// including the blanks that follow it); the last is text.size().
QList<qsizetype> sentenceEnds(const QString &text);

// The language part of a voice's language, as split() names languages:
// "en" for "en-us", "cmn" for "zh" and "cmn-latn-pinyin" stays itself.
QString baseLanguage(const QString &language);

}  // namespace LanguageRuns
