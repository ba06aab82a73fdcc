#pragma once

#include "app/window_options.h"
#include "export/speech_export.h"

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QWidget;
class SpeechController;

// The window's choice whether sentences in other languages are read by
// voices of their own: a check item of the text box's menu, remembered in
// the window's options.
class LanguageSwitchOption : public QObject
{
    Q_OBJECT
public:
    // Applies the stored choice to speech at once. The action is a child of
    // window named "languageSwitchAction", for the menu to find.
    LanguageSwitchOption(SpeechController *speech, QWidget *window,
                         const QString &file = WindowOptions::defaultPath());
    QAction *action() const { return m_action; }

private:
    SpeechController *m_speech;
    QAction *m_action;
    QString m_file;
};

// The runs a window export renders, each with its voice, so that the file
// switches voices where reading aloud does; empty when the selected voice
// reads the whole text (the export then goes its usual way). text is as
// written: each run gets the rules of its voice's language.
QList<SpeechExport::Run> languageExportRuns(SpeechController &speech, const QString &text);
