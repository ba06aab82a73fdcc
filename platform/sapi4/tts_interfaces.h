#pragma once

#include "com/unknown.h"

#include <QByteArray>
#include <QString>

// The SAPI 4 engine-level interfaces, as the wave rendering control uses
// them: the engine enumerator's find interface, an engine's central and
// attribute interfaces, the notification sink an engine calls, and the
// audio destination file. Identifiers keep their published values.
//
// Records hold their texts as byte arrays of any length (8-bit strings of
// the system code page, which is UTF-8 here) rather than fixed stores.

using QWORD = quint64;

constexpr Guid CLSID_TTSEnumerator = makeGuid(0xD67C0280, 0xC743, 0x11CD, 0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50);
constexpr Guid IID_ITTSFindA = makeGuid(0x05EB6C6E, 0xDBAB, 0x11CD, 0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F);
constexpr Guid IID_ITTSNotifySinkA = makeGuid(0x05EB6C6F, 0xDBAB, 0x11CD, 0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F);
constexpr Guid IID_ITTSBufNotifySinkA = makeGuid(0xE4963D40, 0xC743, 0x11CD, 0x80, 0xE5, 0x00, 0xAA, 0x00, 0x3E, 0x4B, 0x50);
constexpr Guid IID_ITTSAttributesA = makeGuid(0x0FD6E2A1, 0xE77D, 0x11CD, 0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F);
constexpr Guid IID_ITTSCentralA = makeGuid(0x05EB6C6A, 0xDBAB, 0x11CD, 0xB3, 0xCA, 0x00, 0xAA, 0x00, 0x47, 0xBA, 0x4F);
constexpr Guid CLSID_AudioDestFile = makeGuid(0xD4623720, 0xE4B9, 0x11CF, 0x8D, 0x56, 0x00, 0xA0, 0xC9, 0x03, 0x4A, 0x7E);
constexpr Guid IID_IAudioFile = makeGuid(0xFD7C2320, 0x3D6D, 0x11B9, 0xC0, 0x00, 0xFE, 0xD6, 0xCB, 0xA3, 0xB1, 0xA9);

constexpr HRESULT TTSERR_INVALIDCHAR = hr(0x80040201);
// No engine mode satisfies the criteria.
constexpr HRESULT TTSERR_NOENGINE = hr(0x80040202);
constexpr HRESULT TTSERR_NOAUDIO = hr(0x80040206);

constexpr quint32 CHARSET_TEXT = 0;
constexpr quint32 TTSDATAFLAG_TAGGED = 1;
constexpr quint32 AUDIOFILE_CREATE = 1;  // IAudioFile::Set: create or replace the file

constexpr quint16 GENDER_NEUTRAL = 0;
constexpr quint16 GENDER_FEMALE = 1;
constexpr quint16 GENDER_MALE = 2;

// An engine mode, and the criteria to find one. A value-initialised record
// (`TTSMODEINFOA criteria{}`) is all zero: every field left so is no
// criterion.
struct TTSMODEINFOA
{
    Guid gEngineID;
    QByteArray szMfgName;
    QByteArray szProductName;
    Guid gModeID;
    QByteArray szModeName;
    quint16 LanguageID = 0;
    QByteArray szDialect;
    QByteArray szSpeaker;
    QByteArray szStyle;
    quint16 wGender = 0;
    quint16 wAge = 0;
    quint32 dwFeatures = 0;
    quint32 dwInterfaces = 0;
    quint32 dwEngineFeatures = 0;
};

struct TTSMODEINFORANK;  // ranking is not supported: Find takes none

// A block of data handed to an engine.
struct SDATA
{
    const void *pData = nullptr;
    quint64 dwSize = 0;
};

class ITTSNotifySinkA : public IUnknown
{
public:
    virtual HRESULT AttribChanged(quint32 attribute) = 0;
    virtual HRESULT AudioStart(QWORD timeStamp) = 0;
    virtual HRESULT AudioStop(QWORD timeStamp) = 0;
    virtual HRESULT Visual(QWORD timeStamp, char phoneme, char englishPhoneme, quint32 hints, const void *mouth) = 0;

protected:
    ~ITTSNotifySinkA() = default;
};

// What an engine tells about one text handed to TextData, on the thread
// that selected the engine. Time stamps are positions in the audio
// destination: the bytes of audio written to it before the event, so a word
// is heard at timeStamp / 2 / sample rate seconds into the file.
class ITTSBufNotifySinkA : public IUnknown
{
public:
    // The text's last audio was written (not raised for a text AudioReset
    // dropped).
    virtual HRESULT TextDataDone(QWORD timeStamp, quint32 flags) = 0;
    virtual HRESULT TextDataStarted(QWORD timeStamp) = 0;
    virtual HRESULT BookMark(QWORD timeStamp, quint32 mark) = 0;
    // byteOffset: where the word starts in the text's bytes as handed to
    // TextData (after any control tags were taken out).
    virtual HRESULT WordPosition(QWORD timeStamp, quint32 byteOffset) = 0;

protected:
    ~ITTSBufNotifySinkA() = default;
};

class ITTSCentralA : public IUnknown
{
public:
    // Queues text after the text already queued. flags TTSDATAFLAG_TAGGED:
    // the text may carry engine control tags ("\Spd=150\"). bufferNotify, an
    // ITTSBufNotifySinkA when its iid is IID_ITTSBufNotifySinkA, hears about
    // this text alone; it may be null.
    virtual HRESULT TextData(quint32 charSet, quint32 flags, SDATA text, IUnknown *bufferNotify, const Guid &bufferNotifyIid) = 0;
    // sink: an ITTSNotifySinkA when iid is IID_ITTSNotifySinkA.
    virtual HRESULT Register(IUnknown *sink, const Guid &iid, quint32 *key) = 0;
    virtual HRESULT UnRegister(quint32 key) = 0;
    virtual HRESULT AudioPause() = 0;
    virtual HRESULT AudioResume() = 0;
    // Stops and discards what is queued. A rendering under way ends: its
    // sinks hear AudioStop during this call.
    virtual HRESULT AudioReset() = 0;

protected:
    ~ITTSCentralA() = default;
};

class ITTSAttributesA : public IUnknown
{
public:
    // Words per minute and Hz, clamped to the engine's limits.
    virtual HRESULT SpeedSet(quint32 wordsPerMinute) = 0;
    virtual HRESULT SpeedGet(quint32 *wordsPerMinute) = 0;
    virtual HRESULT PitchSet(quint16 hertz) = 0;
    virtual HRESULT PitchGet(quint16 *hertz) = 0;
    // The audio's level: left in the low word, right in the high word, each
    // 0 … 0xFFFF (full). A mono voice takes the mean of the two.
    virtual HRESULT VolumeSet(quint32 volume) = 0;
    virtual HRESULT VolumeGet(quint32 *volume) = 0;

protected:
    ~ITTSAttributesA() = default;
};

class ITTSFindA : public IUnknown
{
public:
    // The first engine mode (in engine order) matching every non-zero
    // field of criteria; TTSERR_NOENGINE when none does. rank must be null.
    virtual HRESULT Find(const TTSMODEINFOA *criteria, const TTSMODEINFORANK *rank, TTSMODEINFOA *found) = 0;
    // Creates the engine of that mode, writing its audio to audioDestination.
    virtual HRESULT Select(const Guid &modeId, ITTSCentralA **central, IUnknown *audioDestination) = 0;

protected:
    ~ITTSFindA() = default;
};

// A WAV file as audio destination.
class IAudioFile : public IUnknown
{
public:
    // Writes to file from now on (flags AUDIOFILE_CREATE: create or replace).
    virtual HRESULT Set(const QString &file, quint32 flags) = 0;
    // Real time multiplied by 256 (0x100 is real time). A file is written as
    // fast as the engine renders: the value is kept and reported only.
    virtual HRESULT RealTimeSet(quint16 realTime) = 0;
    virtual HRESULT RealTimeGet(quint16 *realTime) = 0;
    // Completes the file's header and hands what was written to the system.
    virtual HRESULT Flush() = 0;

protected:
    ~IAudioFile() = default;
};

namespace Sapi4Objects {
// Registers the engine enumerator and the audio destination file with the
// component runtime of this process; later calls do nothing.
void registerClassObjects();
}
