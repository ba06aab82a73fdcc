// Pronunciation rules: time to apply 1,000 rules to a 1 MB text (target:
// under 100 ms), and to make the rules ready.
//
// The text is 1,048,576 characters of words drawn from a vocabulary of
// 5,000 made-up words with punctuation; the rules replace 1,000 of them
// (about a fifth of all words in the text), in four mixes:
//  - plain: 1,000 whole-word rules, case ignored;
//  - mixed: 930 whole-word, 40 anywhere, 20 case-matched, 10 regular
//    expressions with groups;
//  - expressions: 900 plain and 100 regular expressions;
//  - none: no rules (what a user without rules pays).
// Prints the wall-clock median and slowest and the thread's CPU time median
// of --runs N runs (default 11).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>

#include "speech/pronunciation_rules.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// CPU time of this thread: on a machine shared with other work the wall
// clock also counts the time other processes had the core.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

QStringList vocabulary(QRandomGenerator &random)
{
    static const char *const syllables[] = {"ka", "lo", "ri", "sen", "ta", "vor", "mi", "nu", "pe", "dra",
                                            "quo", "ze", "bel", "fin", "gu", "har", "jo", "wen", "xi", "yal"};
    QStringList words;
    while (words.size() < 5000) {
        QString word;
        const int count = 1 + int(random.bounded(4));
        for (int i = 0; i < count; ++i)
            word += QLatin1String(syllables[random.bounded(20)]);
        if (random.bounded(10) == 0)
            word[0] = word.at(0).toUpper();
        if (!words.contains(word))
            words << word;
    }
    return words;
}

QString textOf(const QStringList &words, QRandomGenerator &random, qsizetype length)
{
    QString text;
    text.reserve(length + 64);
    while (text.size() < length) {
        text += words.at(int(random.bounded(qsizetype(words.size()))));
        const quint32 r = random.bounded(20);
        text += r == 0 ? QStringLiteral(". ") : r == 1 ? QStringLiteral(", ") : QStringLiteral(" ");
    }
    text.truncate(length);
    return text;
}

QList<PronunciationRule> rulesOf(const QStringList &words, int anywhere, int matchCase, int expressions)
{
    QList<PronunciationRule> rules;
    for (int i = 0; i < 1000; ++i) {
        PronunciationRule rule{words.at(i * 5), QStringLiteral("spoken %1").arg(i)};
        if (i < expressions) {
            rule.regularExpression = true;
            rule.written = QStringLiteral("(%1)(\\w*)").arg(words.at(i * 5));
            rule.spoken = QStringLiteral("$1 said $2");
        } else if (i < expressions + anywhere) {
            rule.wholeWord = false;
        } else if (i < expressions + anywhere + matchCase) {
            rule.matchCase = true;
        }
        rules << rule;
    }
    return rules;
}

void measure(const char *label, const QList<PronunciationRule> &rules, const QString &text, int runs)
{
    QElapsedTimer timer;
    timer.start();
    const PronunciationRules ready(rules);
    const double compileMs = double(timer.nsecsElapsed()) / 1e6;
    QList<double> ms;
    QList<double> cpu;
    qsizetype spokenSize = 0;
    for (int run = 0; run < runs; ++run) {
        timer.restart();
        const double cpuStart = threadCpuMs();
        const SpokenForm form = ready.apply(text);
        cpu << threadCpuMs() - cpuStart;
        ms << double(timer.nsecsElapsed()) / 1e6;
        spokenSize = form.text.size();
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-12s ready %6.2f ms  apply: wall median %7.2f ms, slowest %7.2f ms; cpu median %7.2f ms"
                "  (spoken %lld chars)\n",
                label, compileMs, ms.at(ms.size() / 2), ms.last(), cpu.at(cpu.size() / 2),
                static_cast<long long>(spokenSize));
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int runs = 11;
    const QStringList args = app.arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--runs")); at >= 0 && at + 1 < args.size())
        runs = std::max(1, args.at(at + 1).toInt());
    QRandomGenerator random(21);
    const QStringList words = vocabulary(random);
    const QString text = textOf(words, random, 1 << 20);
    std::printf("text %lld characters, %d runs\n", static_cast<long long>(text.size()), runs);
    measure("plain", rulesOf(words, 0, 0, 0), text, runs);
    measure("mixed", rulesOf(words, 40, 20, 10), text, runs);
    measure("expressions", rulesOf(words, 0, 0, 100), text, runs);
    measure("none", {}, text, runs);
    return 0;
}
