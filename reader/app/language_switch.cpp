#include "app/language_switch.h"

#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
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
    SpVoice *news = speech.newsVoice();
    const QList<SpObjectToken> tokens = news ? news->GetVoices() : QList<SpObjectToken>();
    // The selected voice, rendered as the export renders it.
    SpeechExport::Voice selected;
    if (speech.currentEngine() == SpeechController::Sapi4) {
        const DirectSS *dss = speech.directSS();
        selected.engine = SpeechExport::Voice::Engine::Sapi4;
        selected.modeName = dss->ModeName(dss->CurrentMode());
        selected.speed = quint32(dss->Speed());
        selected.pitch = quint16(dss->Pitch());
        const quint32 level = quint32(dss->VolumeLeft());
        selected.volume = level | (level << 16);
        selected.sampleRate = dss->sampleRate();
    } else if (news) {
        selected.renderer = speech.waveVoice();
        selected.token = tokens.value(speech.currentVoiceIndex());
        selected.rate = news->Rate();
        selected.volumePercent = news->Volume();
    }
    QList<SpeechExport::Run> out;
    qsizetype offset = 0;
    for (const SpeechController::VoicedRun &run : runs) {
        // What the rules leave without a word makes no sound.
        if (saysNothing(run.spoken))
            continue;
        SpeechExport::Voice voice = selected;
        if (run.token >= 0 && run.token < tokens.size()) {
            voice = SpeechExport::Voice();
            voice.engine = SpeechExport::Voice::Engine::Sapi5;
            voice.renderer = speech.waveVoice();
            voice.token = tokens.at(run.token);
            voice.rate = news->Rate();
            voice.volumePercent = news->Volume();
        }
        out.append({offset, run.spoken, voice});
        offset += run.spoken.size();
    }
    return out;
}
