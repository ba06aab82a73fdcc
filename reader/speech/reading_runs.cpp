#include "speech/reading_runs.h"

#include "text/sentence_marks.h"

void ReadingRuns::start(const QString &text, const QString &voiceLanguage, const QStringList &voiced, bool switching)
{
    m_text = text;
    m_voiceLanguage = voiceLanguage;
    m_voiced = voiced;
    m_switching = switching;
    m_runs.clear();
    m_index = 0;
    m_done = 0;
    if (!switching) {
        if (!text.isEmpty())
            m_runs.append({0, text.size(), QString()});
        m_done = text.size();
    }
}

void ReadingRuns::clear()
{
    m_text.clear();
    m_runs.clear();
    m_index = 0;
    m_done = 0;
}

void ReadingRuns::workOutStretch()
{
    // A stretch ends at a sentence's end past its length: at a line break,
    // or a blank after a stop; the rest of the text when none is near.
    qsizetype end = m_text.size();
    if (end - m_done > stretch + stretch / 2) {
        end = m_done + stretch;
        while (end < m_text.size() && !SentenceMarks::isLineBreak(m_text.at(end - 1))
               && !(SentenceMarks::isBlank(m_text.at(end)) && (SentenceMarks::isSentenceEnd(m_text.at(end - 1))
                                                              || SentenceMarks::isWideSentenceEnd(m_text.at(end - 1)))))
            ++end;
        // The blanks after the sentence stay with it.
        while (end < m_text.size() && SentenceMarks::isBlank(m_text.at(end)))
            ++end;
    }
    const QString part = m_text.mid(m_done, end - m_done);
    for (LanguageRun run : LanguageRuns::split(part, m_voiceLanguage, &LanguageGuesser::shared(), m_voiced)) {
        run.start += m_done;
        m_runs.append(run);
    }
    m_done = end;
}

bool ReadingRuns::next(LanguageRun *run)
{
    if (m_index >= m_runs.size()) {
        m_runs.clear();
        m_index = 0;
        if (m_done >= m_text.size())
            return false;
        workOutStretch();
        if (m_runs.isEmpty())
            return false;
    }
    *run = m_runs.at(m_index++);
    return true;
}
