// The Save button: a text, a rich text or an MP3 export.
#include "app/sayora_main.h"

#include "app/language_switch.h"
#include "app/window_export.h"
#include "documents/document_saver.h"
#include "documents/file_dialogs.h"
#include "documents/save_types.h"
#include "export/export_estimate.h"
#include "files/atomic_file.h"
#include "speech/speech_controller.h"
#include "ui/control_host.h"
#include "ui/image_button.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <memory>

void SayoraMain::buildExportWidgets()
{
    // The voice list's face lies right of the progress number, the help
    // picture right of the time.
    m_export = new WindowExport({this, Frame1, Text1->x() - 2, Image19->x() - 2, MyTavo1, MainTxtBox}, this);
}

void SayoraMain::saveClick()
{
    const QString boxText = MainTxtBox->toPlainText();
    if (ExportEstimate::exportText(boxText).isEmpty())
        return;
    m_speech->setDisappear(false);
    if (m_export->running()) {
        QMessageBox::information(this, QStringLiteral("Sayora"),
                                 tr("An export is running. Wait until it has finished, "
                                    "or press Esc or click its progress number to cancel it."));
        return;
    }
    std::unique_ptr<QFileDialog> dialog(FileDialogs::createSaveDialog(this, Settings.SaveDir, Settings.SaveExt));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    const QString name = SaveTypes::cleanName(dialog->selectedFiles().constFirst());
    if (name.isEmpty())
        return;
    Settings.SaveDir = SaveTypes::saveDirFor(name);
    switch (FileDialogs::chosenSaveType(*dialog)) {
    case SaveTypes::RichText:
        saveTextFile(name, QStringLiteral(".rtf"));
        break;
    case SaveTypes::Text:
        saveTextFile(name, QStringLiteral(".txt"));
        break;
    case SaveTypes::Mp3:
        exportMp3(name);
        break;
    case SaveTypes::ChapterFiles:
    case SaveTypes::MarkedMp3:
    case SaveTypes::M4b:
    case SaveTypes::Ogg:
    case SaveTypes::Opus:
    case SaveTypes::Flac:
        exportBook(name, SaveTypes::Type(FileDialogs::chosenSaveType(*dialog)));
        break;
    default:
        break;
    }
}

bool SayoraMain::askOverwrite(const QString &target)
{
    if (!QFileInfo::exists(target))
        return true;
    QMessageBox box(QMessageBox::Critical, tr("Message"), SaveTypes::overwriteQuestion(target),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    // Nothing is deleted here: the new file replaces the old one only once
    // it is complete.
    return box.exec() == QMessageBox::Yes;
}

void SayoraMain::saveTextFile(const QString &name, const QString &extension)
{
    Settings.SaveExt = extension;
    const QString target = SaveTypes::withExtension(name, extension);
    if (!askOverwrite(target))
        return;
    const QString text = MainTxtBox->toPlainText();
    const QByteArray bytes = extension == QLatin1String(".rtf") ? DocumentSaver::richTextFile(text)
                                                                 : DocumentSaver::textFile(text);
    QString error;
    if (!AtomicFile::write(target, bytes, &error)) {
        QMessageBox::warning(this, QStringLiteral("Sayora"), tr("%1 could not be saved: %2").arg(target, error));
    }
}

void SayoraMain::exportMp3(const QString &name)
{
    Settings.SaveExt = QStringLiteral(".mp3");
    const QString target = SaveTypes::withExtension(name, QStringLiteral(".mp3"));
    m_export->showWaiting(target);
    WindowExport::Voice voice;
    voice.file = m_speech->fileVoice();
    if (!askOverwrite(target) || voice.file.isNull()) {
        m_export->hideStatus();
        return;
    }
    voice.name = Combo1->currentText();
    // The file says what reading aloud says: the rules of the voice's
    // language, and the voice's own quirks.
    const PreparedSpeech speech = prepareSpeech(ExportEstimate::exportText(MainTxtBox->toPlainText()),
                                                m_speech->pronunciation().rulesFor(m_speech->voiceLanguage()),
                                                m_speech->quirksName());
    voice.rateShown = Label5->text().remove(QLatin1Char(' ')).toInt();
    voice.runs = [this] { return languageExportRuns(*m_speech, ExportEstimate::exportText(MainTxtBox->toPlainText())); };
    m_export->start(speech, voice);
}

void SayoraMain::exportBook(const QString &name, SaveTypes::Type type)
{
    Settings.SaveExt = SaveTypes::saveExtFor(type);
    const QString target = SaveTypes::targetFor(name, type);
    m_export->showWaiting(target);
    if (!askOverwrite(target)) {
        m_export->hideStatus();
        return;
    }
    WindowExport::Book book;
    switch (type) {
    case SaveTypes::MarkedMp3:
        book.kind = WindowExport::Book::Kind::MarkedMp3;
        break;
    case SaveTypes::M4b:
        book.kind = WindowExport::Book::Kind::M4b;
        break;
    case SaveTypes::Ogg:
        book.kind = WindowExport::Book::Kind::Ogg;
        break;
    case SaveTypes::Opus:
        book.kind = WindowExport::Book::Kind::Opus;
        break;
    case SaveTypes::Flac:
        book.kind = WindowExport::Book::Kind::Flac;
        break;
    default:
        book.kind = WindowExport::Book::Kind::Chapters;
        break;
    }
    // The voice and the bars as they stand, on the scales the converter
    // shares with the window.
    book.voice = Combo1->currentText();
    book.volume = VScroll1->value();
    book.rate = VScroll2->value();
    book.pitch = VScroll3->value();
    book.languageSwitch = m_speech->languageSwitch();
    // The document's chapters come from its file, while the box holds the
    // text it was opened with and the file is as it was then.
    const QString boxText = MainTxtBox->toPlainText();
    if (m_document && boxText == RichTextBox1.Text()) {
        const QFileInfo file(m_document->path);
        if (file.size() == m_document->size && file.lastModified().toMSecsSinceEpoch() == m_document->modified)
            book.document = m_document->path;
    }
    if (book.document.isEmpty())
        book.text = boxText;
    m_export->startBook(book);
}
