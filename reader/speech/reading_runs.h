#pragma once

#include "speech/language_runs.h"

#include <QList>
#include <QString>
#include <QStringList>

// The runs a reading aloud goes through, one after the other: the text from
// where the reading starts cut where its language changes (LanguageRuns),
// worked out a stretch at a time so that a long book starts speaking at
// once. With switching off, or for a text in one language that fits in one
// stretch, the whole text is one run.
class ReadingRuns
{
public:
    // Text is worked out this much at a time, to the next sentence's end.
    static constexpr qsizetype stretch = 5000;

    // Starts over for text, read by a voice of voiceLanguage; voiced: the
    // languages that have a voice.
    void start(const QString &text, const QString &voiceLanguage, const QStringList &voiced, bool switching);
    // The next run, its start relative to the text given to start();
    // false once the text is all handed out.
    bool next(LanguageRun *run);
    bool hasNext() const { return m_index < m_runs.size() || m_done < m_text.size(); }
    // Forgets the text: next() has nothing more.
    void clear();

private:
    void workOutStretch();

    QString m_text;
    QString m_voiceLanguage;
    QStringList m_voiced;
    bool m_switching = true;
    QList<LanguageRun> m_runs;  // of the stretches worked out, not yet handed out from m_index
    qsizetype m_index = 0;
    qsizetype m_done = 0;  // the text up to here is cut into m_runs
};
