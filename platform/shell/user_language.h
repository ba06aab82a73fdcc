#pragma once

#include <QLocale>

// Sayora speaks the desktop's language: the first of the user's languages
// (LANGUAGE, then LC_ALL / LC_MESSAGES / LANG) that Sayora has a catalogue
// for, with Qt's own catalogue of the same language for the standard
// dialogs. English is the language the texts are written in: a user who
// puts it before another language gets it, and so does anyone whose
// languages Sayora does not know. Needs the application object; returns
// the language chosen, or English.
QLocale installTranslations();

// A program file in the language installTranslations() chose: "help.htm"
// is "help_de.htm" in German, "help_zh_CN.htm" in Simplified Chinese,
// when the program folder has it; else the file itself.
QString translatedProgramFile(const QString &name);

// The folder of Sayora's compiled catalogues (sayora_LANG.qm) in the
// program folder.
QString translationsFolder();
