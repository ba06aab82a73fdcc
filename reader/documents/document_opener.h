#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

// The Open button's dialog and the rules that remember its folder and type
// for next time.
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

// The dialog as the Open button shows it: title "Select A File", the
// filters, starting in openDir on the filter openExt chooses.
QFileDialog *createDialog(QWidget *parent, const QString &openDir, const QString &openExt);

}  // namespace DocumentOpener
