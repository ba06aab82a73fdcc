// libFuzzer target for the pronunciation rules file: any bytes give rules
// that check() accepts, the rules written back (with the unreadable lines
// kept as comments) read the same, and applying them to the input's text
// gives a spoken text whose every position maps back inside the written
// text, in order.
//   scripts/fuzz.sh 60 fuzz_pronunciation
#include "speech/pronunciation_rules.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<RuleProblem> problems;
    QStringList badLines;
    const QList<PronunciationRule> rules = PronunciationFile::parse(bytes, &problems, &badLines);
    if (problems.size() != badLines.size())
        std::abort();
    for (const PronunciationRule &rule : rules)
        if (!PronunciationFile::check(rule).isEmpty())
            std::abort();
    QList<RuleProblem> problemsAgain;
    const QList<PronunciationRule> again =
        PronunciationFile::parse(PronunciationFile::format(rules, badLines).toUtf8(), &problemsAgain);
    if (again != rules || !problemsAgain.isEmpty())
        std::abort();

    const QString written = QString::fromUtf8(bytes);
    const SpokenForm spoken = PronunciationRules(rules).apply(written);
    if (!spoken.text.isValidUtf16() && written.isValidUtf16())
        std::abort();
    qsizetype previous = 0;
    for (qsizetype at = 0; at <= spoken.text.size(); ++at) {
        const PositionMap::Range range = spoken.map.writtenRange(at, 0);
        if (range.start < previous || range.length < 0 || range.start + range.length > written.size())
            std::abort();
        previous = range.start;
    }
    return 0;
}
