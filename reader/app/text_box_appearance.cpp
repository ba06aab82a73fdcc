// The font, back colour and show/hide buttons, and the Open button: how the
// text box looks and what it holds.

#include "app/sayora_main.h"

#include "app/book_navigation.h"
#include "documents/document_opener.h"
#include "documents/file_dialogs.h"
#include "speech/speech_controller.h"
#include "ui/font_chooser.h"
#include "ui/image_button.h"
#include "ui/twips.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace {

void setTextBoxColour(QPlainTextEdit *box, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = box->palette();
    palette.setColor(role, colour);
    box->setPalette(palette);
}

}  // namespace

void SayoraMain::fontClick()
{
    m_speech->setDisappear(false);
    FontChooser chooser(MainTxtBox->font(), MainTxtBox->palette().color(QPalette::Text), this,
                        MainTxtBox->palette().color(QPalette::Base));
    if (chooser.exec() != QDialog::Accepted)
        return;
    setTextBoxColour(MainTxtBox, QPalette::Text, chooser.selectedColour());
    const QFont chosen = chooser.selectedFont();
    QFont font = MainTxtBox->font();
    font.setPointSizeF(chosen.pointSizeF());
    font.setFamily(chosen.family());
    font.setStrikeOut(chosen.strikeOut());
    font.setUnderline(chosen.underline());
    font.setItalic(chosen.italic());
    // Only the weight 700 counts as bold: a semibold face is shown regular.
    font.setBold(chosen.weight() == QFont::Bold);
    MainTxtBox->setFont(font);
}

void SayoraMain::backColourClick()
{
    m_speech->setDisappear(false);
    // Custom colours are black again on every opening, and the dialog does
    // not start on the current background colour.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::black));
    QColorDialog dialog(QColor(Qt::black), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    setTextBoxColour(MainTxtBox, QPalette::Base, chosen);
    QPalette strip = Label70->palette();
    strip.setColor(QPalette::Window, chosen);
    Label70->setPalette(strip);
}

void SayoraMain::showHideClick()
{
    m_speech->setDisappear(false);
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (Settings.ShowText) {
        Settings.ShowText = false;
        updateMinimumSize();
        Image20->setPicture(QStringLiteral("checkno1.bmp"));
        setOuterHeightTwips(1860);
        Frame1->move(Frame1->x(), 0);
        MainTxtBox->move(twips::toPixels(99999), MainTxtBox->y());
        Image20->setToolTip(tr("Show text box"));
    } else {
        Settings.ShowText = true;
        Image20->setPicture(QStringLiteral("checkyes1.bmp"));
        Frame1->move(Frame1->x(), twips::toPixels(outerHeightTwips()) - Frame1->height());
        setOuterHeightTwips(8500);
        updateMinimumSize();
        MainTxtBox->move(twips::toPixels(120), MainTxtBox->y());
        Image20->setToolTip(tr("Hide text box"));
    }
}

void SayoraMain::openClick()
{
    m_speech->setDisappear(false);
    std::unique_ptr<QFileDialog> dialog(FileDialogs::createOpenDialog(this, Settings.OpenDir, Settings.OpenExt));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    openDocument(dialog->selectedFiles().constFirst());
}

void SayoraMain::showLoadedDocument(const QString &path)
{
    rememberReadingPosition();
    MainTxtBox->setPlainText(RichTextBox1.Text());
    m_navigation->showDocument(RichTextBox1.document(), path);
    m_document = ReadingPositions::identify(path);
    const qint64 place = m_document ? m_positions.find(*m_document) : 0;
    const qint64 length = m_speech->textLength();
    if (place > 0 && place < length) {
        m_speech->resumeAt(place);
        showResumeNote(tr("Resumed at %1 % where the reading stopped; Ctrl+Home reads from the start.")
                           .arg(place * 100 / length));
    } else {
        m_speech->resumeAt(0);
        m_resumeNote->hide();
    }
}

bool SayoraMain::openDocument(const QString &path)
{
    const bool loaded = RichTextBox1.LoadFile(path);
    if (loaded) {
        showLoadedDocument(path);
    } else {
        // The text box keeps what it had; the user learns why.
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Sayora"),
                        tr("\"%1\" could not be opened: %2").arg(path, RichTextBox1.errorString()),
                        QMessageBox::Ok, this);
        box.exec();
    }
    Settings.OpenExt = DocumentOpener::openExtFor(path);
    Settings.OpenDir = DocumentOpener::openDirFor(path);
    return loaded;
}
