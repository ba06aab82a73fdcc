#include "documents/save_types.h"
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// The Open and Save buttons' dialogs. They stand apart from the documents'
// readers and writers so that the converter, which shows no window, never
// loads the widget libraries.
namespace FileDialogs {

// The dialog as the Open button shows it: title "Select A File", the
// filters, starting in openDir on the filter openExt chooses.
QFileDialog *createOpenDialog(QWidget *parent, const QString &openDir, const QString &openExt);

// Title "Save as", the three filters, starting in saveDir. It neither asks
// about overwriting (the Save click does) nor adds an extension.
QFileDialog *createSaveDialog(QWidget *parent, const QString &saveDir, const QString &saveExt);
// The Save dialog's filter index the user left it on (SaveTypes::Type);
// 0 when none matches.
int chosenSaveType(const QFileDialog &dialog);

}  // namespace FileDialogs
