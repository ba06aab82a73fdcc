#include "speech/speaking_voice.h"

SpeakingVoice::~SpeakingVoice() = default;
