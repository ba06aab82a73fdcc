#include "speech/language_runs.h"

#include "speech/text_script.h"
#include "text/sentence_marks.h"
#include "text/sentence_spans.h"

#include <QFile>
#include <QMutex>

#include <textcat.h>

// ---- LanguageGuesser

struct LanguageGuesser::Private
{
    void *handle = nullptr;
    QMutex lock;
};

LanguageGuesser &LanguageGuesser::shared()
{
    static const QString folder = QStringLiteral(SAYORA_TEXTCAT_MODELS);
    static LanguageGuesser guesser(folder + QStringLiteral("/fpdb.conf"), folder);
    return guesser;
}

LanguageGuesser::LanguageGuesser(const QString &conf, const QString &folder)
    : d(std::make_unique<Private>())
{
    // The library stops at the first model it cannot read, and reads them
    // relative to a prefix that must end with a slash.
    if (!QFile::exists(conf))
        return;
    const QByteArray prefix = QFile::encodeName(folder.endsWith(u'/') ? folder : folder + u'/');
    d->handle = special_textcat_Init(QFile::encodeName(conf).constData(), prefix.constData());
    if (d->handle)
        textcat_SetProperty(d->handle, TCPROP_UTF8AWARE, TC_TRUE);
}

LanguageGuesser::~LanguageGuesser()
{
    if (d->handle)
        textcat_Done(d->handle);
}

bool LanguageGuesser::isValid() const
{
    return d->handle != nullptr;
}

QStringList LanguageGuesser::guess(QStringView text) const
{
    if (!d->handle)
        return {};
    const QByteArray utf8 = text.toUtf8();
    QString answer;
    {
        QMutexLocker locked(&d->lock);
        answer = QString::fromUtf8(textcat_Classify(d->handle, utf8.constData(), size_t(utf8.size())));
    }
    // "[en--utf8][sco--utf8]": the candidates, best first; "UNKNOWN" and
    // "SHORT" when it cannot tell.
    QStringList languages;
    if (!answer.startsWith(u'['))
        return languages;
    for (const QString &candidate : answer.split(u'[', Qt::SkipEmptyParts)) {
        const QString name = candidate.section(u']', 0, 0);
        const QString language = LanguageRuns::baseLanguage(name.section(u'-', 0, 0));
        if (!language.isEmpty() && !languages.contains(language))
            languages.append(language);
    }
    return languages;
}

// ---- LanguageRuns

namespace LanguageRuns {

QString baseLanguage(const QString &language)
{
    const QString base = language.toLower().section(u'-', 0, 0);
    if (base == u"zh")
        return QStringLiteral("cmn");
    return base;
}

QList<qsizetype> sentenceEnds(const QString &text)
{
    // The sentences the subtitles and the window's steps know, each taking
    // the blanks after it, so that the runs cover the whole text. No length
    // limit: a run is cut by language, not by size.
    QList<qsizetype> ends;
    const QList<SentenceSpans::Span> spans = SentenceSpans::find(text, text.size());
    for (qsizetype i = 1; i < spans.size(); ++i)
        ends.append(spans.at(i).start);
    ends.append(text.size());
    return ends;
}

namespace {

struct Sentence
{
    qsizetype start = 0;
    qsizetype end = 0;
    QString script;    // empty: no letters
    QString language;  // as decided, before the neighbours are asked
    bool decided = false;
};

// Where words of another script than the words before them begin, within
// [start, end): words are cut at blanks, so Latin letters inside Japanese
// written without blanks stay with it. Words without letters never cut.
QList<qsizetype> scriptChanges(const QString &text, qsizetype start, qsizetype end)
{
    QList<qsizetype> cuts;
    QString current;
    qsizetype i = start;
    while (i < end) {
        while (i < end && (SentenceMarks::isBlank(text.at(i)) || SentenceMarks::isLineBreak(text.at(i))))
            ++i;
        const qsizetype word = i;
        while (i < end && !SentenceMarks::isBlank(text.at(i)) && !SentenceMarks::isLineBreak(text.at(i)))
            ++i;
        if (word == i)
            break;
        const QString script = textscript::dominantScript(QStringView(text).sliced(word, i - word));
        if (script.isEmpty())
            continue;
        if (!current.isEmpty() && script != current && word > start)
            cuts.append(word);
        current = script;
    }
    return cuts;
}

int letterCount(QStringView text)
{
    int letters = 0;
    for (const QChar c : text) {
        if (c.isLetter())
            ++letters;
    }
    return letters;
}

}  // namespace

QList<LanguageRun> split(const QString &text, const QString &voiceLanguage, const LanguageGuesser *guesser,
                         const QStringList &voiced)
{
    if (text.isEmpty())
        return {};
    const QString voiceScript = textscript::scriptOfLanguage(voiceLanguage);
    const QString voiceBase = baseLanguage(voiceLanguage);
    const bool guessing = guesser && guesser->isValid();
    const auto hasVoice = [&voiced](const QString &language) { return voiced.isEmpty() || voiced.contains(language); };
    // The language a script is read in when nothing tells more: the
    // voice's own where it writes that script.
    const auto scriptDefault = [&](const QString &script) -> QString {
        if (script == voiceScript)
            return voiceBase;
        if (script == u"Latn")
            return QStringLiteral("en");
        return textscript::languagesForScript(script).value(0);
    };

    // Sentences, cut again where words of another script begin: a voice
    // would spell a Russian phrase in an English sentence letter by letter.
    QList<qsizetype> ends;
    {
        qsizetype start = 0;
        for (const qsizetype end : sentenceEnds(text)) {
            ends += scriptChanges(text, start, end);
            ends.append(end);
            start = end;
        }
    }
    QList<Sentence> sentences;
    qsizetype from = 0;
    for (const qsizetype end : std::as_const(ends)) {
        Sentence s;
        s.start = from;
        s.end = end;
        from = end;
        const QStringView words = QStringView(text).sliced(s.start, s.end - s.start);
        s.script = textscript::dominantScript(words);
        if (s.script.isEmpty()) {
            sentences.append(s);
            continue;
        }
        const QStringList languages = textscript::languagesForScript(s.script);
        // A script read by one language alone tells it.
        if (s.script != u"Latn" && languages.size() == 1) {
            s.language = languages.first();
            s.decided = true;
        } else if (guessing && letterCount(words) >= lettersToGuess) {
            // The guesser names several languages when their scores are
            // close: among them the voice's own keeps the voice; otherwise
            // a Latin-script sentence cannot be told ("One two three..."
            // comes out German, Scots or Dutch). Languages without a voice
            // do not count.
            QStringList guesses;
            for (const QString &guess : guesser->guess(words)) {
                const bool fits = s.script == u"Latn" ? textscript::scriptOfLanguage(guess) == u"Latn"
                                                      : languages.contains(guess);
                if (fits && (hasVoice(guess) || guess == voiceBase))
                    guesses.append(guess);
            }
            if (guesses.contains(voiceBase) && textscript::scriptOfLanguage(voiceBase) == s.script) {
                s.language = voiceBase;
                s.decided = true;
            } else if (guesses.size() == 1 || (!guesses.isEmpty() && s.script != u"Latn")) {
                // In another script the best guess beats the script's
                // default language, which is all there is otherwise.
                s.language = guesses.first();
                s.decided = true;
            }
        }
        sentences.append(s);
    }

    // The sentences nothing told take their neighbours' language (the
    // nearest told sentences of the same script before and after) when
    // those agree or only one of them is there; else the script's default.
    const qsizetype count = sentences.size();
    QList<QString> languages(count);
    for (qsizetype i = 0; i < count; ++i) {
        const Sentence &s = sentences.at(i);
        if (s.decided) {
            languages[i] = s.language;
            continue;
        }
        if (s.script.isEmpty())
            continue;  // joins whichever run it stands in, below
        const auto nearest = [&](qsizetype step) -> QString {
            for (qsizetype j = i + step; j >= 0 && j < count; j += step) {
                const Sentence &other = sentences.at(j);
                if (other.decided && other.script == s.script)
                    return other.language;
            }
            return {};
        };
        const QString before = nearest(-1), after = nearest(1);
        if (!before.isEmpty() && (after.isEmpty() || after == before))
            languages[i] = before;
        else if (before.isEmpty() && !after.isEmpty())
            languages[i] = after;
        else
            languages[i] = scriptDefault(s.script);
    }
    // Sentences without letters (numbers, a line of dashes) go with the
    // sentence before them, at the start with the one after.
    for (qsizetype i = 0; i < count; ++i) {
        if (sentences.at(i).script.isEmpty() && i > 0)
            languages[i] = languages.at(i - 1);
    }
    for (qsizetype i = count - 1; i >= 0; --i) {
        if (languages.at(i).isEmpty() && i + 1 < count)
            languages[i] = languages.at(i + 1);
    }

    QList<LanguageRun> runs;
    for (qsizetype i = 0; i < count; ++i) {
        const Sentence &s = sentences.at(i);
        QString language = languages.at(i);
        if (language == voiceBase || language.isEmpty())
            language.clear();
        if (!runs.isEmpty() && runs.last().language == language) {
            runs.last().length = s.end - runs.last().start;
            continue;
        }
        runs.append({s.start, s.end - s.start, language});
    }
    return runs;
}

}  // namespace LanguageRuns
