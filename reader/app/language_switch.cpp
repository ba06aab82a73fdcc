#include "app/language_switch.h"

#include "speech/prepared_speech.h"
#include "speech/speech_controller.h"

#include "app/window_options.h"

#include <QAction>
#include <QWidget>

LanguageSwitchOption::LanguageSwitchOption(SpeechController *speech, QWidget *window, const QString &file)
    : QObject(window)
    , m_speech(speech)
    , m_action(new QAction(tr("Read other languages with their own voices"), window))
    , m_file(file)
{
    m_action->setObjectName(QStringLiteral("languageSwitchAction"));
    m_action->setCheckable(true);
    const bool on = WindowOptions(m_file).flag(WindowOptions::switchLanguagesKey(), true);
    m_action->setChecked(on);
    m_speech->setLanguageSwitch(on);
    connect(m_action, &QAction::toggled, this, [this](bool checked) {
        m_speech->setLanguageSwitch(checked);
        WindowOptions(m_file).setFlag(WindowOptions::switchLanguagesKey(), checked);
    });
}

QList<SpeechExport::Run> languageExportRuns(SpeechController &speech, const QString &text)
{
    const QList<SpeechController::VoicedRun> runs = speech.voicedRuns(text);
    if (runs.size() < 2 && (runs.isEmpty() || runs.first().token < 0))
        return {};
    QList<SpeechExport::Run> out;
    qsizetype offset = 0;
    for (const SpeechController::VoicedRun &run : runs) {
        // What the rules leave without a word makes no sound.
        if (saysNothing(run.spoken))
            continue;
        // Each as the export renders it: the selected voice, or another
        // language's.
        out.append({offset, run.spoken, speech.fileVoice(run.token)});
        offset += run.spoken.size();
    }
    return out;
}
