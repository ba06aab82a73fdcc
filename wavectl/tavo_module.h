#pragma once

#include "com/unknown.h"

#include <QString>

// The module around the control: its identifiers, the count of live
// objects that keeps it loaded, and its file.

// type library MYTAVOLib
constexpr Guid LIBID_MYTAVOLib = makeGuid(0x9BCE4A7F, 0x985E, 0x4ECA, 0x9C, 0x4D, 0x52, 0xC9, 0x7E, 0xD5, 0xFD, 0x94);
// dispatch interface _DMyTavo
constexpr Guid DIID__DMyTavo = makeGuid(0x9A5E799A, 0xBEF3, 0x485E, 0xBE, 0x08, 0x8D, 0xF7, 0xC5, 0x0B, 0xC1, 0xD7);
// event interface _DMyTavoEvents: declared, never raised
constexpr Guid DIID__DMyTavoEvents = makeGuid(0x13DF369E, 0xFBE9, 0x4675, 0x8A, 0x7D, 0x23, 0x24, 0xEB, 0xD4, 0xB0, 0x81);
// control class MyTavo (CMyTavoCtrl)
constexpr Guid CLSID_MyTavo = makeGuid(0x4E81060C, 0xA251, 0x48CC, 0xB8, 0x1C, 0x29, 0x9C, 0xE7, 0x55, 0x63, 0x42);
// property page class CMyTavoPropPage
constexpr Guid CLSID_MyTavoPropPage = makeGuid(0x77927D3F, 0x5EF6, 0x49E2, 0x9F, 0xF6, 0x92, 0x64, 0xEA, 0xC0, 0x9F, 0x65);

namespace TavoModule {

// Objects of the module alive, plus LockServer locks.
void lock();
void unlock();
bool inUse();

// The path of this library, as registration records it.
QString libraryPath();

} // namespace TavoModule
