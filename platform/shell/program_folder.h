#pragma once

#include <QList>
#include <QString>

#include <initializer_list>

// The program folder holds the data files shipped with Sayora (bitmaps,
// cursor, help page, templates): beside the executable in the build tree,
// <prefix>/share/sayora after installation. SAYORA_PROGRAM_DIR overrides it.
QString programFolder();
// The program folder followed by "/" and the file name: the one place such
// paths are built.
QString programFile(const QString &name);

// A library Sayora loads when it needs it (the control, PDF reading): beside
// the executable in the build tree, in Sayora's library folder after
// installation.
QString programLibrary(const QString &fileName);

// Loads such a library and resolves the named functions, in their order:
// all of them, or an empty list with the loader's reason in *error. The
// library stays loaded for the life of the process.
QList<QFunctionPointer> loadProgramLibrary(const char *fileName, std::initializer_list<const char *> functions,
                                           QString *error);

// Writable per-user files (settings, version files, the registry store) live
// in the user's configuration folder, because the program folder is not
// writable after installation. Created on first use.
QString userFolder();
QString userFile(const QString &name);
