#include "speech/pronunciation_rules.h"

#include "files/atomic_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <limits>
#include <vector>

Q_LOGGING_CATEGORY(lcPronunciation, "sayora.pronunciation")

namespace {

bool isWordCharacter(char32_t c)
{
    return c == U'_' || QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

// The code point that ends just before `i`, and the one that starts at `i`.
char32_t codePointBefore(const QChar *t, qsizetype i)
{
    if (i >= 2 && t[i - 1].isLowSurrogate() && t[i - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(t[i - 2], t[i - 1]);
    return t[i - 1].unicode();
}

char32_t codePointAt(const QChar *t, qsizetype i, qsizetype n)
{
    if (i + 1 < n && t[i].isHighSurrogate() && t[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(t[i], t[i + 1]);
    return t[i].unicode();
}

bool wordBefore(const QChar *t, qsizetype i)
{
    return i > 0 && isWordCharacter(codePointBefore(t, i));
}

bool wordAt(const QChar *t, qsizetype i, qsizetype n)
{
    return i < n && isWordCharacter(codePointAt(t, i, n));
}

// Simple case folding, code point by code point, keeping every position:
// a code point whose folded form needs a different number of UTF-16 units
// stays as it is.
QString foldCase(const QString &s)
{
    QString out(s.size(), Qt::Uninitialized);
    const QChar *in = s.constData();
    QChar *o = out.data();
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i].unicode();
        if (c < 0x80) {
            o[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
        } else if (in[i].isHighSurrogate() && i + 1 < n && in[i + 1].isLowSurrogate()) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(in[i], in[i + 1]));
            if (QChar::requiresSurrogates(folded)) {
                o[i] = QChar(QChar::highSurrogate(folded));
                o[i + 1] = QChar(QChar::lowSurrogate(folded));
            } else {
                o[i] = in[i];
                o[i + 1] = in[i + 1];
            }
            ++i;
        } else {
            const char32_t folded = QChar::toCaseFolded(char32_t(c));
            o[i] = QChar::requiresSurrogates(folded) ? in[i] : QChar(char16_t(folded));
        }
    }
    return out;
}

const QString wordClass = QStringLiteral("[\\p{L}\\p{N}\\p{M}_]");

QRegularExpression compiledExpression(const PronunciationRule &rule)
{
    // Only the end of a whole word is checked here: a look-behind at the
    // start would keep PCRE from skipping ahead to where the expression can
    // begin, making every search crawl. The start is checked by the caller.
    QString pattern = rule.written;
    if (rule.wholeWord)
        pattern = QStringLiteral("(?:%1)(?!%2)").arg(rule.written, wordClass);
    QRegularExpression::PatternOptions options = QRegularExpression::UseUnicodePropertiesOption;
    if (!rule.matchCase)
        options |= QRegularExpression::CaseInsensitiveOption;
    return QRegularExpression(pattern, options);
}

// A spoken form with groups: literal text and group numbers, in order.
struct TemplatePart
{
    QString literal;
    int group = -1;  // -1: the literal
};

// "$$" is a dollar sign; "$" with one or two digits names a group (two only
// when the expression has that many); any other "$" is itself.
QList<TemplatePart> parseTemplate(const QString &spoken, int groupCount, int *highestGroup)
{
    QList<TemplatePart> parts;
    QString literal;
    *highestGroup = 0;
    const auto flush = [&] {
        if (!literal.isEmpty())
            parts.append({literal, -1});
        literal.clear();
    };
    for (qsizetype i = 0; i < spoken.size(); ++i) {
        const QChar c = spoken.at(i);
        if (c != u'$' || i + 1 >= spoken.size()) {
            literal += c;
            continue;
        }
        const QChar next = spoken.at(i + 1);
        if (next == u'$') {
            literal += u'$';
            ++i;
            continue;
        }
        if (!next.isDigit() || next.unicode() > u'9') {
            literal += c;
            continue;
        }
        int group = next.unicode() - u'0';
        qsizetype used = 2;
        if (i + 2 < spoken.size() && spoken.at(i + 2).unicode() >= u'0' && spoken.at(i + 2).unicode() <= u'9') {
            const int two = group * 10 + (spoken.at(i + 2).unicode() - u'0');
            if (two <= groupCount) {
                group = two;
                used = 3;
            }
        }
        flush();
        parts.append({QString(), group});
        *highestGroup = std::max(*highestGroup, group);
        i += used - 1;
    }
    flush();
    return parts;
}

QString optionLetters(const PronunciationRule &rule)
{
    QString letters;
    if (!rule.wholeWord)
        letters += u'a';
    if (rule.matchCase)
        letters += u'c';
    if (rule.regularExpression)
        letters += u'r';
    return letters;
}

}  // namespace

// ---- the file format

namespace PronunciationFile {

QString check(const PronunciationRule &rule)
{
    if (rule.written.isEmpty())
        return QCoreApplication::translate("PronunciationRules", "no written text");
    for (const QString *field : {&rule.written, &rule.spoken}) {
        if (field->contains(u'\t') || field->contains(u'\n') || field->contains(u'\r'))
            return QCoreApplication::translate("PronunciationRules", "a tab or line break inside the rule");
    }
    if (rule.written.trimmed() != rule.written || rule.spoken.trimmed() != rule.spoken)
        return QCoreApplication::translate("PronunciationRules", "blanks at the start or end of a field");
    if (!rule.regularExpression) {
        if (rule.written.startsWith(u'#'))
            return QCoreApplication::translate("PronunciationRules", "a written text starting with \"#\" reads as a comment (write it as the "
                                  "regular expression \"\\#...\")");
        return QString();
    }
    const QRegularExpression bare(rule.written);
    if (!bare.isValid()) {
        return QCoreApplication::translate("PronunciationRules", "not a valid regular expression (%1 at character %2)")
            .arg(bare.errorString())
            .arg(bare.patternErrorOffset() + 1);
    }
    const QRegularExpression expression = compiledExpression(rule);
    if (!expression.isValid())
        return QCoreApplication::translate("PronunciationRules", "not a valid regular expression (%1)").arg(expression.errorString());
    if (expression.match(QString()).hasMatch())
        return QCoreApplication::translate("PronunciationRules", "the regular expression matches empty text");
    int highest = 0;
    parseTemplate(rule.spoken, expression.captureCount(), &highest);
    if (highest > expression.captureCount())
        return QCoreApplication::translate("PronunciationRules", "the spoken form names group %1, which the expression does not have").arg(highest);
    return QString();
}

QList<PronunciationRule> parse(const QByteArray &utf8, QList<RuleProblem> *problems, QStringList *badLines)
{
    QList<PronunciationRule> rules;
    const auto report = [&](int number, const QString &line, const QString &message) {
        if (problems)
            problems->append({number, message});
        if (badLines)
            badLines->append(line);
    };
    const QList<QByteArray> lines = utf8.split('\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const int number = int(index + 1);
        QByteArray bytes = lines.at(index);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (index == 0 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        // Each line is decoded on its own: only the file's own BOM (removed
        // above) is one; a U+FEFF starting a later line is its text.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const QString line = decoder.decode(bytes);
        if (decoder.hasError()) {
            report(number, line, QCoreApplication::translate("PronunciationRules", "not UTF-8 text"));
            continue;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() < 2 || fields.size() > 3) {
            report(number, line,
                   fields.size() < 2 ? QCoreApplication::translate("PronunciationRules", "no tab between the written text and the spoken form")
                                     : QCoreApplication::translate("PronunciationRules", "more than three fields (written, spoken, options)"));
            continue;
        }
        PronunciationRule rule;
        rule.written = fields.at(0).trimmed();
        rule.spoken = fields.at(1).trimmed();
        QString problem;
        bool anywhere = false, word = false, matchCase = false, ignoreCase = false;
        for (const QChar c : fields.value(2)) {
            if (c.isSpace())
                continue;
            switch (c.toLower().unicode()) {
            case u'a': anywhere = true; break;
            case u'w': word = true; break;
            case u'c': matchCase = true; break;
            case u'i': ignoreCase = true; break;
            case u'r': rule.regularExpression = true; break;
            default:
                if (problem.isEmpty())
                    problem = QStringLiteral("unknown option \"%1\"").arg(c);
            }
        }
        if (problem.isEmpty() && anywhere && word)
            problem = QStringLiteral("options \"a\" and \"w\" contradict each other");
        if (problem.isEmpty() && matchCase && ignoreCase)
            problem = QStringLiteral("options \"c\" and \"i\" contradict each other");
        rule.wholeWord = !anywhere;
        rule.matchCase = matchCase;
        if (problem.isEmpty())
            problem = check(rule);
        if (!problem.isEmpty()) {
            report(number, line, problem);
            continue;
        }
        rules.append(rule);
    }
    return rules;
}

QString line(const PronunciationRule &rule)
{
    QString text = rule.written + u'\t' + rule.spoken;
    const QString letters = optionLetters(rule);
    if (!letters.isEmpty())
        text += u'\t' + letters;
    return text;
}

QString format(const QList<PronunciationRule> &rules, const QStringList &kept)
{
    QString text = QStringLiteral(
        "# Sayora pronunciation rules, one a line, the first that matches wins:\n"
        "#   written text<TAB>spoken form<TAB>options\n"
        "# Options are letters and may be left out: a = also inside longer words\n"
        "# (otherwise whole words only), c = match case, r = the written text is a\n"
        "# regular expression whose groups the spoken form says as $1, $2 ...\n"
        "# An empty spoken form skips the written text. Lines starting with # are\n"
        "# comments.\n");
    for (const PronunciationRule &rule : rules)
        text += line(rule) + u'\n';
    if (!kept.isEmpty()) {
        text += QStringLiteral("# Lines Sayora could not read, kept as they were:\n");
        for (const QString &bad : kept)
            text += QStringLiteral("# ") + bad + u'\n';
    }
    return text;
}

}  // namespace PronunciationFile

// ---- the position map

PositionMap::Range PositionMap::locate(qsizetype spoken) const
{
    // The last replacement that starts at or before the position.
    const auto after = std::upper_bound(m_pieces.cbegin(), m_pieces.cend(), spoken,
                                        [](qsizetype p, const Piece &piece) { return p < piece.spokenStart; });
    if (after == m_pieces.cbegin())
        return {spoken, 1};
    const Piece &piece = *(after - 1);
    if (spoken < piece.spokenStart + piece.spokenLength)
        return {piece.writtenStart, piece.writtenLength};
    return {piece.writtenStart + piece.writtenLength + (spoken - piece.spokenStart - piece.spokenLength), 1};
}

PositionMap::Range PositionMap::writtenRange(qsizetype spokenStart, qsizetype spokenLength) const
{
    const Range first = locate(spokenStart);
    if (spokenLength <= 0)
        return {first.start, 0};
    const Range last = locate(spokenStart + spokenLength - 1);
    return {first.start, std::max(first.start + first.length, last.start + last.length) - first.start};
}

// ---- applying rules

namespace {

// Plain rules by their case-folded text. The root is a table over every
// UTF-16 unit; deeper nodes have few children and search them in a line.
struct Trie
{
    struct Node
    {
        std::vector<std::pair<char16_t, int>> children;
        std::vector<int> rules;  // rule numbers ending here, ascending
    };
    std::vector<int> root;
    std::vector<Node> nodes;

    bool isEmpty() const { return nodes.empty(); }

    int child(int node, char16_t c) const
    {
        for (const auto &[key, next] : nodes[size_t(node)].children) {
            if (key == c)
                return next;
        }
        return -1;
    }

    void insert(const QString &key, int rule)
    {
        if (root.empty())
            root.assign(0x10000, -1);
        int node = root[key.at(0).unicode()];
        if (node < 0) {
            node = int(nodes.size());
            nodes.emplace_back();
            root[key.at(0).unicode()] = node;
        }
        for (qsizetype i = 1; i < key.size(); ++i) {
            int next = child(node, key.at(i).unicode());
            if (next < 0) {
                next = int(nodes.size());
                nodes.emplace_back();
                nodes[size_t(node)].children.emplace_back(key.at(i).unicode(), next);
            }
            node = next;
        }
        nodes[size_t(node)].rules.push_back(rule);  // rules arrive in ascending order
    }
};

}  // namespace

struct PronunciationRules::Compiled
{
    struct Rule
    {
        PronunciationRule rule;
        QRegularExpression expression;
        QList<TemplatePart> spokenParts;
    };
    std::vector<Rule> rules;           // in list order
    std::vector<int> expressionRules;  // numbers of the regular expression rules
    Trie wordTrie;                     // whole-word plain rules
    Trie anywhereTrie;                 // plain rules that match inside words too
};

PronunciationRules::PronunciationRules() = default;
PronunciationRules::~PronunciationRules() = default;
PronunciationRules::PronunciationRules(const PronunciationRules &) = default;
PronunciationRules &PronunciationRules::operator=(const PronunciationRules &) = default;

PronunciationRules::PronunciationRules(const QList<PronunciationRule> &rules)
{
    auto compiled = std::make_shared<Compiled>();
    for (const PronunciationRule &rule : rules) {
        if (!PronunciationFile::check(rule).isEmpty())
            continue;
        const int number = int(compiled->rules.size());
        Compiled::Rule entry{rule, {}, {}};
        if (rule.regularExpression) {
            entry.expression = compiledExpression(rule);
            entry.expression.optimize();
            int highest = 0;
            entry.spokenParts = parseTemplate(rule.spoken, entry.expression.captureCount(), &highest);
            compiled->expressionRules.push_back(number);
        } else {
            (rule.wholeWord ? compiled->wordTrie : compiled->anywhereTrie).insert(foldCase(rule.written), number);
        }
        compiled->rules.push_back(std::move(entry));
    }
    if (!compiled->rules.empty())
        d = std::move(compiled);
}

bool PronunciationRules::isEmpty() const
{
    return !d;
}

SpokenForm PronunciationRules::apply(const QString &written) const
{
    SpokenForm form;
    if (!d) {
        form.text = written;
        return form;
    }
    const qsizetype n = written.size();
    const QChar *t = written.constData();
    const bool anyPlain = !d->wordTrie.isEmpty() || !d->anywhereTrie.isEmpty();
    const QString folded = anyPlain ? foldCase(written) : QString();
    const char16_t *f = reinterpret_cast<const char16_t *>(folded.constData());

    // The next match of each expression at or after the scan position;
    // start -1: to be searched, n + 1: none left.
    struct Pending
    {
        qsizetype start = -1;
        qsizetype end = 0;
        QRegularExpressionMatch match;
    };
    std::vector<Pending> pending(d->expressionRules.size());
    // PCRE checks the whole subject for valid UTF-16 on every call unless
    // told not to, which would make each search cost the whole text. Check
    // once; lone surrogates (which PCRE must never see unchecked) become
    // U+FFFD in a copy of the same length, so positions stay.
    QString checkedCopy;
    const QString *subject = &written;
    if (!pending.empty()) {
        for (qsizetype k = 0; k < n; ++k) {
            const bool paired = t[k].isHighSurrogate() ? (k + 1 < n && t[k + 1].isLowSurrogate())
                              : t[k].isLowSurrogate()  ? (k > 0 && t[k - 1].isHighSurrogate())
                                                       : true;
            if (!paired) {
                if (checkedCopy.isNull())
                    checkedCopy = written;
                checkedCopy[k] = QChar::ReplacementCharacter;
            }
        }
        if (!checkedCopy.isNull())
            subject = &checkedCopy;
    }
    qsizetype nextExpression = pending.empty() ? std::numeric_limits<qsizetype>::max() : 0;

    constexpr int none = INT_MAX;
    int best = none;
    qsizetype bestEnd = 0;
    qsizetype bestSlot = -1;

    const auto walk = [&](const Trie &trie, qsizetype i) {
        if (trie.isEmpty())
            return;
        int node = trie.root[f[i]];
        qsizetype j = i + 1;
        while (node >= 0) {
            const Trie::Node &here = trie.nodes[size_t(node)];
            for (const int number : here.rules) {
                if (number >= best)
                    break;
                const PronunciationRule &rule = d->rules[size_t(number)].rule;
                if (rule.matchCase && QStringView(t + i, j - i) != QStringView(rule.written))
                    continue;
                if (rule.wholeWord && wordAt(t, j, n))
                    continue;
                best = number;
                bestEnd = j;
                bestSlot = -1;
                break;
            }
            if (j >= n || here.children.empty())
                break;
            node = trie.child(node, f[j]);
            ++j;
        }
    };

    QString spoken;
    spoken.reserve(n + n / 8);
    qsizetype copied = 0;
    qsizetype i = 0;
    while (i < n) {
        best = none;
        if (anyPlain) {
            if (!wordBefore(t, i))
                walk(d->wordTrie, i);
            walk(d->anywhereTrie, i);
        }
        if (i >= nextExpression) {
            nextExpression = std::numeric_limits<qsizetype>::max();
            for (size_t slot = 0; slot < pending.size(); ++slot) {
                Pending &p = pending[slot];
                if (p.start < i) {
                    const Compiled::Rule &rule = d->rules[size_t(d->expressionRules[slot])];
                    // check() refused expressions that match empty text, but
                    // lookarounds can still make one empty somewhere: pass it,
                    // as a match that starts inside a word when whole words
                    // are asked for.
                    qsizetype from = i;
                    for (;;) {
                        p.match = rule.expression.match(*subject, from, QRegularExpression::NormalMatch,
                                                        QRegularExpression::DontCheckSubjectStringMatchOption);
                        if (!p.match.hasMatch()) {
                            p.start = n + 1;
                            break;
                        }
                        const qsizetype start = p.match.capturedStart();
                        if (p.match.capturedLength() > 0 && !(rule.rule.wholeWord && wordBefore(t, start))) {
                            p.start = start;
                            p.end = p.match.capturedEnd();
                            break;
                        }
                        // Never inside a surrogate pair: PCRE is not checking.
                        from = start + ((t[start].isHighSurrogate() && start + 1 < n) ? 2 : 1);
                        if (from > n) {
                            p.start = n + 1;
                            break;
                        }
                    }
                }
                if (p.start == i && d->expressionRules[slot] < best) {
                    best = d->expressionRules[slot];
                    bestEnd = p.end;
                    bestSlot = qsizetype(slot);
                }
                nextExpression = std::min(nextExpression, p.start);
            }
        }
        if (best == none) {
            i += (t[i].isHighSurrogate() && i + 1 < n && t[i + 1].isLowSurrogate()) ? 2 : 1;
            continue;
        }
        spoken.append(QStringView(t + copied, i - copied));
        const qsizetype spokenStart = spoken.size();
        const Compiled::Rule &rule = d->rules[size_t(best)];
        if (bestSlot < 0) {
            spoken.append(rule.rule.spoken);
        } else {
            const QRegularExpressionMatch &match = pending[size_t(bestSlot)].match;
            for (const TemplatePart &part : rule.spokenParts)
                spoken.append(part.group < 0 ? QStringView(part.literal) : match.capturedView(part.group));
        }
        form.map.m_pieces.append({spokenStart, spoken.size() - spokenStart, i, bestEnd - i});
        i = copied = bestEnd;
    }
    spoken.append(QStringView(t + copied, n - copied));
    form.text = std::move(spoken);
    return form;
}

// ---- the user's files

QString PronunciationLists::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString PronunciationLists::commonFile()
{
    return folder() + QStringLiteral("/pronunciation.txt");
}

QString PronunciationLists::languageKey(const QString &voiceLanguage)
{
    const QString key = voiceLanguage.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    // The key becomes part of a file name: letters only.
    if (key.isEmpty() || !std::all_of(key.cbegin(), key.cend(), [](QChar c) { return c >= u'a' && c <= u'z'; }))
        return QString();
    return key;
}

QString PronunciationLists::languageFile(const QString &voiceLanguage)
{
    const QString key = languageKey(voiceLanguage);
    if (key.isEmpty())
        return QString();
    return folder() + QStringLiteral("/pronunciation-%1.txt").arg(key);
}

QList<PronunciationRule> PronunciationLists::load(const QString &path, QList<RuleProblem> *problems,
                                                  QStringList *badLines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return PronunciationFile::parse(file.readAll(), problems, badLines);
}

bool PronunciationLists::save(const QString &path, const QList<PronunciationRule> &rules, const QStringList &kept,
                              QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return AtomicFile::write(path, PronunciationFile::format(rules, kept).toUtf8(), error);
}

bool PronunciationLists::refresh(const QString &path)
{
    const QFileInfo info(path);
    CachedFile &cached = m_files[path];
    const bool exists = info.exists();
    if (cached.size >= 0 && exists == cached.exists && (!exists || (info.lastModified() == cached.modified
                                                                    && info.size() == cached.size)))
        return false;
    cached.exists = exists;
    cached.modified = exists ? info.lastModified() : QDateTime();
    cached.size = exists ? info.size() : 0;
    QList<RuleProblem> problems;
    cached.rules = exists ? load(path, &problems) : QList<PronunciationRule>();
    for (const RuleProblem &problem : std::as_const(problems))
        qCWarning(lcPronunciation).noquote() << QStringLiteral("%1:%2: %3").arg(path).arg(problem.line).arg(problem.message);
    return true;
}

PronunciationRules PronunciationLists::rulesFor(const QString &voiceLanguage)
{
    const QString key = languageKey(voiceLanguage);
    if (refresh(commonFile()))
        m_compiled.clear();
    const QString own = languageFile(voiceLanguage);
    if (!own.isEmpty() && refresh(own))
        m_compiled.remove(key);
    const auto found = m_compiled.constFind(key);
    if (found != m_compiled.cend())
        return *found;
    QList<PronunciationRule> rules;
    if (!own.isEmpty())
        rules = m_files.value(own).rules;
    rules += m_files.value(commonFile()).rules;
    const PronunciationRules compiled(rules);
    m_compiled.insert(key, compiled);
    return compiled;
}

void PronunciationLists::invalidate()
{
    m_files.clear();
    m_compiled.clear();
}
