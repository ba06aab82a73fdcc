#pragma once

#include <QString>
#include <QStringList>

// How the program was started, told apart by its command line: the path of
// an existing file (from the file manager), a text to read (from the web
// browser), or nothing.
struct CommandLineKind
{
    QString kind;      // "explorer", "internet", "program" or empty
    QString filePath;  // for "explorer": the file the search found
};

// The argument text taken whole: everything after the program's own name as
// one string. The shell has already split it into words; they are joined
// again with single blanks and not otherwise cleaned.
QString argumentText(const QStringList &arguments);

// Classifies the argument text. "explorer" when it is longer than one
// character and names an existing file (wildcards match as a directory
// search does; a folder never counts, with or without a closing slash);
// "internet" when it is longer than one character otherwise, or when the
// file search fails; "program" when it is empty; no kind for one character.
CommandLineKind classifyCommandLine(const QString &text);
