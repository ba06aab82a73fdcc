#pragma once

#include "com/guid.h"

#include <QString>

// What an installer would have set up for the reader, made at start-up
// when it is missing: the reader's App Paths key (under which the control
// reports the end of rendering) and the registration of the wave rendering
// control `tavo` that comes with this copy of the program.
namespace Installation {

// HKEY_LOCAL_MACHINE\…\App Paths\sayora.exe
QString appPathsKey();

// The control MyTavo.
constexpr Guid CLSID_MyTavo = makeGuid(0x4E81060C, 0xA251, 0x48CC, 0xB8, 0x1C, 0x29, 0x9C, 0xE7, 0x55, 0x63, 0x42);

// The control library installed with this program: beside the executable
// in the build tree, in the private library folder after installation.
QString controlLibrary();

// Creates the App Paths key when it does not exist, and registers this
// program's control when none is registered or the registered one does not
// load. A control of another copy of the program that loads is kept.
// Failures are logged: the reader works without export through the control.
void ensureInstalled();

// The registered control's library loads and hands out the control's class.
bool registeredControlLoads();

} // namespace Installation
