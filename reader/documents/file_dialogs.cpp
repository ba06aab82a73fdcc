#include "documents/file_dialogs.h"

#include "documents/document_opener.h"
#include "documents/save_types.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace FileDialogs {

QFileDialog *createOpenDialog(QWidget *parent, const QString &openDir, const QString &openExt)
{
    auto *dialog = new QFileDialog(parent, QCoreApplication::translate("FileDialogs", "Select A File"), openDir);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(DocumentOpener::filters());
    dialog->selectNameFilter(DocumentOpener::initialFilter(openExt));
    return dialog;
}

QFileDialog *createSaveDialog(QWidget *parent, const QString &saveDir, const QString &saveExt)
{
    auto *dialog = new QFileDialog(parent, QCoreApplication::translate("FileDialogs", "Save as"), saveDir);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilters(SaveTypes::filters());
    dialog->selectNameFilter(SaveTypes::filters().at(SaveTypes::initialFilter(saveExt) - 1));
    return dialog;
}

int chosenSaveType(const QFileDialog &dialog)
{
    return int(SaveTypes::filters().indexOf(dialog.selectedNameFilter())) + 1;
}

}  // namespace FileDialogs
