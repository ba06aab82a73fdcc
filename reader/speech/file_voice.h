#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

// A voice as a sound file is rendered with it: which voice, at what rate,
// pitch and volume on its engine's own scales. A value, cheap to copy. Its
// engine stays inside: Sapi4Voice and Sapi5Voice make them, each with its
// own Engine, so the export, the converter and the window ask the voice
// what they need and never which engine speaks. Another family of voices
// plugs in with an Engine of its own.
class FileVoice
{
public:
    // What a rendering tells, on the thread that started it, once start()
    // has returned true.
    struct Events
    {
        // A word begins: its UTF-16 position in the text, and the bytes of
        // sound rendered before it.
        std::function<void(qint64 position, qint64 audioBytes)> word;
        // The whole text is rendered: finish() completes the file.
        std::function<void()> done;
        std::function<void(const QString &why)> failed;
    };

    // One text rendered into one WAV file (16-bit mono at the voice's
    // sample rate). Deleting it stops the engine without waiting for it and
    // leaves the file as it is; the handlers may delete it.
    class Rendering
    {
    public:
        virtual ~Rendering();
        // False with why when the engine does not take the text; no event
        // follows then.
        virtual bool start(const QString &text, const QString &path, QString *why) = 0;
        // After done: closes the WAV. False with why when it could not be
        // written whole.
        virtual bool finish(QString *why) = 0;
        // The bytes written to the file so far; -1 when only the file's size
        // on disk tells.
        virtual qint64 bytesWritten() const { return -1; }
    };

    // The window renders a flite voice through the wave rendering control,
    // which takes the engine's own speed and pitch.
    struct ControlVoice
    {
        int speed = 0;
        int pitch = 0;
    };

    // What one family of voices puts behind a FileVoice.
    class Engine
    {
    public:
        virtual ~Engine();
        virtual QString name() const = 0;
        virtual int sampleRate() const = 0;
        virtual int wordsPerMinute() const = 0;
        virtual QString loadError() const = 0;
        virtual std::optional<ControlVoice> controlVoice() const = 0;
        virtual std::shared_ptr<const Engine> atPositions(int rate, int pitch, int volume) const = 0;
        virtual std::unique_ptr<Rendering> rendering(const Events &events) const = 0;
    };

    FileVoice() = default;
    explicit FileVoice(std::shared_ptr<const Engine> engine);

    // No voice at all: nothing selected, or no engine to render with.
    bool isNull() const { return !m_engine; }
    QString name() const;
    // The rate the voice renders at; 0 when it cannot be known.
    int sampleRate() const;
    // The voice's pace at its rate; 0 when the engine does not tell.
    int wordsPerMinute() const;
    // Why the voice cannot be loaded, found out before a long job starts;
    // empty when it can.
    QString loadError() const;
    // Set for a voice the window renders through the wave rendering
    // control; none for a voice SpeechExport renders itself.
    std::optional<ControlVoice> controlVoice() const;
    // The same voice with the bars' positions (0 … 100) on its engine's
    // scales; a negative position keeps the value the voice has.
    FileVoice atPositions(int rate, int pitch, int volume) const;
    // A rendering that reports to events; start() it. A null voice's
    // rendering refuses every text.
    std::unique_ptr<Rendering> rendering(const Events &events) const;

private:
    std::shared_ptr<const Engine> m_engine;
};
