#pragma once

#include <QString>
#include <QStringList>

// The Open button's filters and the rules that remember its folder and type
// for next time (the dialog itself: documents/file_dialogs.h).
namespace DocumentOpener {

// "Rich Text (*.rtf)" and "Text (*.txt)", in this order, then the book
// formats ("Documents") and everything the reader opens.
const QStringList &filters();
// The filter the dialog starts on: rich text after a ".rtf" file, the
// documents after one of theirs, else text.
QString initialFilter(const QString &openExt);
// The last four characters of the chosen name, blanks trimmed ("notes.text"
// gives "text").
QString openExtFor(const QString &path);
// The folder of the chosen file, ending in a separator; empty when the name
// has none.
QString openDirFor(const QString &path);

}  // namespace DocumentOpener
