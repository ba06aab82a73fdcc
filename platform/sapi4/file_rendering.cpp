#include "sapi4/file_rendering.h"

#include "com/component_runtime.h"
#include "sapi4/audio_dest_file.h"

bool Sapi4FileRendering::select(const QByteArray &voiceName, const Attributes &values)
{
    Sapi4Objects::registerClassObjects();
    TTSMODEINFOA criteria{};
    criteria.szModeName = voiceName;
    TTSMODEINFOA found{};
    ComPtr<ITTSFindA> enumerator;
    ComPtr<IAudioFile> file;
    ComPtr<ITTSCentralA> central;
    if (failed(ComponentRuntime::createInstance(CLSID_TTSEnumerator, nullptr, IID_ITTSFindA, enumerator.put()))
        || failed(enumerator->Find(&criteria, nullptr, &found))
        || failed(ComponentRuntime::createInstance(CLSID_AudioDestFile, nullptr, IID_IAudioFile, file.put()))
        || failed(enumerator->Select(found.gModeID, reinterpret_cast<ITTSCentralA **>(central.put()), file.get())))
        return false;
    engine = central;
    destination = file;
    attributes = engine.as<ITTSAttributesA>(IID_ITTSAttributesA);
    if (attributes) {
        if (values.speed)
            attributes->SpeedSet(*values.speed);
        if (values.pitch)
            attributes->PitchSet(*values.pitch);
        if (values.volume)
            attributes->VolumeSet(*values.volume);
    }
    return true;
}

bool Sapi4FileRendering::setFile(const QString &file)
{
    return destination && succeeded(destination->Set(file, AUDIOFILE_CREATE));
}

bool Sapi4FileRendering::speak(const QByteArray &utf8, quint32 flags, IUnknown *sink, const Guid &sinkId)
{
    if (!engine)
        return false;
    text = utf8;
    text.append('\0');
    const SDATA data{text.constData(), quint64(text.size())};
    return succeeded(engine->TextData(CHARSET_TEXT, flags, data, sink, sinkId));
}
