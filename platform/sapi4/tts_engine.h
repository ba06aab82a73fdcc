#pragma once

#include "sapi4/tts_interfaces.h"

#include <QString>

// The engine side of SAPI 4 over flite: the engine enumerator (find and
// select by mode), and the engine each selection creates (central and
// attribute interfaces), which renders its text into an audio destination.
// The same flite voices, limits and sentence cutting as DirectSS.
//
// An engine renders on the flite thread, one sentence-sized piece after
// another, and raises its notifications on the thread that selected it, in
// that thread's event loop: AudioStart when rendering of a text begins (it
// was accepted while the engine was idle, or the text before it ended),
// before its first audio is made; AudioStop after its last audio (or during
// AudioReset). Every text accepted by TextData gets exactly one AudioStart
// and one AudioStop, in that order, even when it had nothing to say or was
// reset before it started. Texts render in the order TextData accepted
// them; AudioReset drops those accepted before it, never a later one.

// Removes SAPI 4 control tags ("\Spd=150\", "\Rst\") from tagged text:
// flite has no tag language. Each tag becomes a blank so the words on its
// two sides stay apart; "\\" stands for one backslash.
QString stripEngineTags(const QString &text);

// The mode identifier of each flite voice, stable between runs.
Guid fliteModeId(const QString &voiceId);

// Creates the engine enumerator (ITTSFindA).
HRESULT createTtsEnumerator(const Guid &iid, void **object);
