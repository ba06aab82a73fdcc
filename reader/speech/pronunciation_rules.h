#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// Pronunciation rules: what the engine says instead of a written word or
// phrase ("SQL" → "sequel", "e.g." → "for example"), with a map from every
// position of the spoken text back to the written text, so that word events
// of the engine still select the written words. No widgets: reading aloud,
// the export and the converter all use the same functions.

// One rule. `written` is plain text, or a regular expression (PCRE syntax)
// when `regularExpression` is set; `spoken` may then name its groups as $1 …
// $99 ($0: the whole match, $$: a dollar sign). An empty `spoken` skips the
// written text.
struct PronunciationRule
{
    QString written;
    QString spoken;
    bool wholeWord = true;   // not inside a longer word; false: anywhere
    bool matchCase = false;
    bool regularExpression = false;

    bool operator==(const PronunciationRule &other) const = default;
};

// A line of a rule file that was not understood (1-based line number).
struct RuleProblem
{
    int line = 0;
    QString message;
};

// The rule file format, one rule a line:
//
//     written <TAB> spoken [<TAB> options]
//
// Fields are separated by exactly one tab each and trimmed of blanks at
// both ends; the spoken field may be empty (the written text is skipped).
// Options are letters: "a" anywhere, even inside a longer word (default:
// whole words only, "w"); "c" match case (default: not, "i"); "r" the
// written field is a regular expression. Empty lines and lines whose first
// non-blank character is "#" are comments.
namespace PronunciationFile {

// Reads a file's bytes (UTF-8); lines it cannot use are reported in
// `problems` and, as they were written, in `badLines`, and skipped.
QList<PronunciationRule> parse(const QByteArray &utf8, QList<RuleProblem> *problems = nullptr,
                               QStringList *badLines = nullptr);
// The rule as one line of a file, without the line break.
QString line(const PronunciationRule &rule);
// A whole file: a comment explaining the format, then the rules; lines that
// could not be read before (`kept`) follow as comments, so nothing typed by
// hand is lost when the window saves.
QString format(const QList<PronunciationRule> &rules, const QStringList &kept = {});
// Why a rule cannot be used (an empty text when it can): no written text,
// a tab or line break in a field, an invalid or empty-matching expression,
// a group the expression does not have.
QString check(const PronunciationRule &rule);

}  // namespace PronunciationFile

// Maps positions in a spoken text back to the written text it was made
// from. Positions are UTF-16 offsets. A position inside a replacement maps to
// the whole written text it replaced; text that no rule touched maps one to
// one; skipped written text is never the answer for any spoken position.
class PositionMap
{
public:
    struct Range
    {
        qsizetype start = 0;
        qsizetype length = 0;
        bool operator==(const Range &other) const = default;
    };

    // The written range that the spoken range [start, start + length) says.
    Range writtenRange(qsizetype spokenStart, qsizetype spokenLength) const;
    qsizetype writtenPosition(qsizetype spoken) const { return writtenRange(spoken, 0).start; }
    bool isIdentity() const { return m_pieces.isEmpty(); }

private:
    friend class PronunciationRules;
    // One replacement; the text between two replacements is unchanged.
    struct Piece
    {
        qsizetype spokenStart;
        qsizetype spokenLength;
        qsizetype writtenStart;
        qsizetype writtenLength;
    };
    Range locate(qsizetype spoken) const;
    QList<Piece> m_pieces;
};

struct SpokenForm
{
    QString text;
    PositionMap map;
};

// A list of rules made ready to apply. Scanning the text once, at each
// position the first rule in list order that matches there wins; the scan
// goes on after the replaced text, so replacements are never rewritten.
// Plain rules are found through a trie walked from each position; a regular
// expression is searched for again only after the scan has passed its last
// match. Cheap to copy; safe to apply from several threads at once.
class PronunciationRules
{
public:
    PronunciationRules();
    // Rules that PronunciationFile::check() rejects are left out.
    explicit PronunciationRules(const QList<PronunciationRule> &rules);
    ~PronunciationRules();
    PronunciationRules(const PronunciationRules &);
    PronunciationRules &operator=(const PronunciationRules &);

    bool isEmpty() const;
    SpokenForm apply(const QString &written) const;

private:
    struct Compiled;
    std::shared_ptr<const Compiled> d;
};

// The user's rule files in the settings folder: "pronunciation.txt" for all
// voices and "pronunciation-LANG.txt" for the voices of one language (LANG
// is the language part of the voice's language: "en" for "en-us"). A
// voice's rules are its language's list followed by the common list. Files
// are read again only when they have changed on disk.
class PronunciationLists
{
public:
    static QString folder();
    static QString commonFile();
    static QString languageFile(const QString &voiceLanguage);
    static QString languageKey(const QString &voiceLanguage);

    // A missing file is an empty list. Problems name the file's lines.
    static QList<PronunciationRule> load(const QString &path, QList<RuleProblem> *problems = nullptr,
                                         QStringList *badLines = nullptr);
    // Replaces the file atomically; false with a reason when it could not.
    static bool save(const QString &path, const QList<PronunciationRule> &rules, const QStringList &kept,
                     QString *error = nullptr);

    // The rules for a voice of that language, ready to apply.
    PronunciationRules rulesFor(const QString &voiceLanguage);
    // Forgets what was read, so the next rulesFor() reads the files again
    // (for a writer that saved within the file clock's resolution).
    void invalidate();

private:
    struct CachedFile
    {
        QDateTime modified;
        qint64 size = -1;
        bool exists = false;
        QList<PronunciationRule> rules;
    };
    // True when the file changed since it was last read.
    bool refresh(const QString &path);
    QHash<QString, CachedFile> m_files;
    QHash<QString, PronunciationRules> m_compiled;  // by language key
};
