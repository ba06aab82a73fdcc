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

// How the text the program starts with is taken: from the command line,
// where a text that names a file stands for the file, or as the text it is,
// whatever files it might name (a selection another program hands over).
enum class StartText { PathOrText, TextOnly };

// A program that hands the reader a text as the text it is sets this
// variable to 1 and writes the text (UTF-8) to the reader's standard input.
inline constexpr char textOnStandardInput[] = "SAYORA_TEXT_ON_STDIN";

struct StartRequest
{
    QString text;
    StartText meaning = StartText::PathOrText;
};

// The text to start with: the standard input read whole when the variable
// above is 1 (the variable is removed, so that programs started later do
// not wait on their input), otherwise the command line's argument text.
StartRequest startRequest(const QStringList &arguments);

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

// Classifies a text taken as the text it is: as above, but it never names a
// file.
CommandLineKind classifyText(const QString &text);
