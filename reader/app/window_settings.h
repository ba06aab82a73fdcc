#pragma once

#include "app/settings_record.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class QWidget;
class SpeechController;

// The settings record meets the window: captured from it on a first run,
// applied to it at start-up, refreshed from it and written at shutdown.
// It works on the record the window owns and on the parts of the window
// named in Parts, nothing else of it.
class WindowSettings
{
public:
    // The parts of the window the settings are read from and applied to.
    struct Parts
    {
        QWidget *window = nullptr;           // outer position and size
        QPlainTextEdit *textBox = nullptr;   // font and colours
        SpeechController *speech = nullptr;  // the voice and its engine's limits
        QComboBox *voiceList = nullptr;
        QLineEdit *voiceFace = nullptr;
        QScrollBar *rate = nullptr;
        QScrollBar *pitch = nullptr;
        // The window starts with its text box hidden: the window already has
        // the narrow width; the panel and the show / hide button follow.
        std::function<void()> textBoxHidden;
    };

    WindowSettings(SettingsRecord &record, const Parts &parts);

    // A first run: the record takes the window as it is, with the default
    // folders and extensions.
    bool capture();
    // Start-up: the stored file applied field by field; what the file does
    // not hold keeps the window's values. An unreadable file counts as a
    // first run.
    bool loadAndApply();
    // Shutdown: the record refreshed from the window and written. A failed
    // write keeps the old file.
    void save();
    // A window folded at start-up is as wide as the folded window, frame
    // included; a frame that comes only when the window shows (on some
    // platforms) is settled then, once.
    void settleOuterGeometry();

private:
    void captureGeometry();
    void captureTextBox();
    void applyGeometry();
    void settleFoldedWidth();
    // True when the window's frame was known.
    static bool settleFoldedWidth(QWidget *window);
    void applyTextBox(const SettingsRecord &file, int fieldsRead);
    // The voice list entry of the stored voice: by its name where the file
    // has it, else by its index, else the first voice; -1 with no voice.
    int storedVoicePosition(const SettingsRecord &file, bool nameKnown) const;
    void applyVoice(const SettingsRecord &file, bool nameKnown);

    SettingsRecord &m_record;
    Parts m_parts;
    bool m_foldedAtStart = false;
};
