// Compiled into every program that links sayora_audio: the reference keeps
// the library, which installs the sound device when it is loaded.
extern "C" const int sayora_audio_device;

namespace {
[[gnu::used]] const int *const sayoraAudioDeviceAnchor = &sayora_audio_device;
}
