#pragma once

#include "sapi4/tts_interfaces.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The objects that render one text into a WAV file with a SAPI 4 voice,
// set up in the one order the interface asks for: the enumerator finds the
// voice by name, an audio destination file is made, Select joins them into
// an engine, its attributes are set, the destination is given its file,
// and TextData hands the engine the text. The caller holds the component
// runtime meanwhile. Releasing the members ends the rendering.
struct Sapi4FileRendering
{
    ComPtr<ITTSCentralA> engine;
    ComPtr<ITTSAttributesA> attributes;
    ComPtr<IAudioFile> destination;
    // The text as the engine reads it (UTF-8, ending in a NUL), kept for as
    // long as the engine may read it.
    QByteArray text;

    // The engine's own values; a value not given stays the voice's default.
    struct Attributes
    {
        std::optional<quint32> speed;
        std::optional<quint16> pitch;
        std::optional<quint32> volume;  // left | right << 16
    };

    // Finds the voice by name and selects it with a new destination file,
    // then sets the attributes. False when the voice cannot be found or
    // selected; nothing is kept then.
    bool select(const QByteArray &voiceName, const Attributes &values);
    // Gives the destination its file (created anew).
    bool setFile(const QString &file);
    // Hands the engine a text in UTF-8; sink (of the interface sinkId) hears
    // about it, when given.
    bool speak(const QByteArray &utf8, quint32 flags, IUnknown *sink = nullptr, const Guid &sinkId = Guid{});
};
