#pragma once

#include "audio/speech_player.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

typedef struct cst_voice_struct cst_voice;

// One flite voice offered as an engine, with the limits we chose for it.
struct FliteVoice
{
    QString id;            // "slt", "kal16", …
    QString name;          // "Flite SLT (US English, female)"
    QString speaker;       // "SLT"
    QString language;      // "US English"
    int gender = 2;        // 1 female, 2 male (SAPI 4's numbering)
    int sampleRate = 16000;
    int normalSpeed = 190; // words per minute at flite's own duration
    int minSpeed = 95;
    int maxSpeed = 475;
    int normalPitch = 100; // Hz
    int minPitch = 60;
    int maxPitch = 190;
    // rms ignores flite's f0 target: its pitch is moved by resampling.
    bool pitchByResampling = false;
    float defaultStretch = 1.0f;
    // The longest first piece of a reading, in characters: flite hands out
    // no audio before it has planned the whole utterance, which for the
    // slower voices takes long enough to be heard.
    int firstPieceChars = 160;
    cst_voice *voice = nullptr;
};

// flite's input for a piece of text: 7-bit bytes, and for every byte the
// UTF-16 span of the character it came from.
struct FliteText
{
    QByteArray bytes;
    QList<int> sourceStart;
    QList<int> sourceEnd;
};

// Audio and word marks of one synthesized piece of text. Marks' samples are
// relative to the piece, their positions are UTF-16 offsets into it.
struct FliteSpeech
{
    QByteArray pcm;  // mono signed 16-bit, native (little-endian) order
    QList<WordMark> marks;
    int sampleRate = 0;
    bool failed = false;
};

// Receives streamed speech in order: each chunk's audio with the marks that
// fall in it (samples relative to the chunk); last is true for the final
// call. Returning false stops the synthesis: no call follows. It runs inside
// flite's audio callback and must not call flite itself.
using FliteChunkSink = std::function<bool(FliteSpeech &&chunk, bool last)>;

// The flite voices of this machine and synthesis with them. flite shares its
// voices' state between callers: synthesize() must only run on one thread.
class FliteVoices
{
public:
    // Every voice flite registered, in engine order (kal, kal16, awb, rms,
    // slt); registered once per process, on first use.
    static const QList<FliteVoice> &all();
    // The voices offered as engines: all of them, or those SAYORA_FLITE_VOICES
    // names ("kal,slt"; an empty value offers none).
    static QList<FliteVoice> offered();

    // Synthesizes one sentence-sized piece at speed (words per minute) and
    // pitch (Hz), both taken as given (the caller clamps them).
    static FliteSpeech synthesize(const FliteVoice &voice, const QString &text, int speed, int pitch);

    // The same speech handed out while flite makes it: the first chunk comes
    // as soon as flite has the first audio, long before the whole piece is
    // done. With dropLeadingPause the silence flite puts before the first
    // word is left out but for a short fade-in, and the marks move with it.
    // The sink is called at least once, the last time with last set, unless
    // it stopped the synthesis; a failure is reported there (failed set).
    static void synthesizeStreaming(const FliteVoice &voice, const QString &text, int speed, int pitch,
                                    bool dropLeadingPause, const FliteChunkSink &sink);

    // flite reads English from 8-bit text: letters with accents lose them,
    // typographic quotes and dashes become ASCII, anything else unspeakable
    // becomes a space, so every token stays where it was in the original.
    static FliteText toFliteText(const QString &text);

    // Asked, on the synthesis thread, before the words of each utterance are
    // read: true makes flite meet its error there, as a failed allocation
    // inside flite would. None is set but by a test, which sees the failure
    // handled without having to starve flite of memory.
    using ReadingFault = bool (*)();
    static void setReadingFault(ReadingFault fault);
};
