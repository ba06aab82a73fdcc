// The settings record meets the window: captured from it on a first run,
// applied to it at start-up, refreshed from it and written at shutdown.

#include "app/sayora_main.h"

#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"
#include "ui/image_button.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcSettingsWindow, "sayora.settings.window")

namespace {

quint32 toBgr(const QColor &colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

QColor fromBgr(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The program folder is not writable once installed, so the dialogs start
// in the user's documents instead.
QString defaultDocumentFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return folder;
}

bool validPosition(int value)
{
    return value >= 0 && value <= 100;
}

}  // namespace

void SayoraMain::captureTextBox()
{
    const QFont font = MainTxtBox->font();
    Settings.FontName = font.family();
    Settings.FontBold = boolText(font.bold());
    Settings.FontItalic = font.italic();
    Settings.FontSize = fontSizeText(font.pointSizeF());
    Settings.FontUnderline = font.underline();
    Settings.FontStrikethru = font.strikeOut();
    Settings.ForeColor = toBgr(MainTxtBox->palette().color(QPalette::Text));
    Settings.BackColor = toBgr(MainTxtBox->palette().color(QPalette::Base));
}

void SayoraMain::captureGeometry()
{
    const QRect outer = frameGeometry();
    Settings.WinLeft = twips::fromPixels(outer.x());
    Settings.WinTop = twips::fromPixels(outer.y());
    Settings.WinWidth = twips::fromPixels(outer.width());
    Settings.WinHeight = twips::fromPixels(outer.height());
}

bool SayoraMain::captureSettings()
{
    captureGeometry();
    Settings.OpenDir = defaultDocumentFolder();
    Settings.SaveDir = defaultDocumentFolder();
    Settings.OpenExt = QStringLiteral(".txt");
    Settings.SaveExt = QStringLiteral(".mp3");
    Settings.ShowText = true;
    captureTextBox();

    SpeechController *speech = m_speech;
    const int position = Combo1->currentIndex();
    if (position < 0)
        return true;  // no voice at all: nothing more to remember
    Settings.Engine = Combo1->itemData(position).toInt();
    Settings.VoiceName = Combo1->currentText();
    if (Settings.Engine == SpeechController::Sapi4) {
        DirectSS *engine = speech->directSS();
        Settings.VoiceIndex = engine->CurrentMode();
        const auto percent = [](int value, int minimum, int maximum) {
            return maximum == minimum ? 0 : VoiceChoice::roundHalfEven(double(value - minimum) / (maximum - minimum) * 100.0);
        };
        Settings.RatePercent = percent(engine->Speed(), engine->MinSpeed(), engine->MaxSpeed());
        Settings.PitchPercent = percent(engine->Pitch(), engine->MinPitch(), engine->MaxPitch());
    } else if (Settings.Engine == SpeechController::Sapi5) {
        Settings.VoiceIndex = position - speech->Sapi4Count;
        if (speech->newsVoice())
            Settings.RatePercent = int(speech->newsVoice()->Rate()) * 5 + 50;
    }
    return true;
}

bool SayoraMain::loadAndApplySettings()
{
    int fieldsRead = 0;
    QString error;
    const std::optional<SettingsRecord> stored = SettingsRecord::load(SettingsRecord::defaultPath(), &fieldsRead, &error);
    if (!stored) {
        // Unreadable: start as on a first run rather than half-way.
        qCWarning(lcSettingsWindow) << "settings not read:" << error;
        return captureSettings();
    }
    // Fields the file did not hold keep the values the window has now, so a
    // damaged file never leaves a zero-sized window or a blank font.
    captureSettings();
    const SettingsRecord &file = *stored;
    const auto has = [fieldsRead](SettingsRecord::Field field) { return fieldsRead >= field; };
    if (has(SettingsRecord::FieldWinHeight)) {
        Settings.WinLeft = file.WinLeft;
        Settings.WinTop = file.WinTop;
        Settings.WinWidth = file.WinWidth;
        Settings.WinHeight = file.WinHeight;
        applyGeometry();
    }
    if (has(SettingsRecord::FieldOpenDir))
        Settings.OpenDir = file.OpenDir;
    if (has(SettingsRecord::FieldSaveDir))
        Settings.SaveDir = file.SaveDir;
    if (has(SettingsRecord::FieldOpenExt))
        Settings.OpenExt = file.OpenExt;
    if (has(SettingsRecord::FieldSaveExt))
        Settings.SaveExt = file.SaveExt;
    if (has(SettingsRecord::FieldShowText)) {
        Settings.ShowText = file.ShowText;
        if (!Settings.ShowText) {
            MainTxtBox->move(twips::toPixels(99999), MainTxtBox->y());
            resize(twips::toPixels(7050) - (frameGeometry().width() - width()), height());
            // The outer size is settled again when the window first shows:
            // it must keep this width, not the stored one.
            if (m_pendingOuterGeometry)
                m_pendingOuterGeometry->setWidth(twips::toPixels(7050));
            Frame1->move(Frame1->x(), 0);
            Image20->setPicture(QStringLiteral("checkno1.bmp"));
            Image20->setToolTip(QStringLiteral("Show text box"));
        }
    }
    applyTextBox(file, fieldsRead);

    if (has(SettingsRecord::FieldVoiceName))
        applyVoice(file);
    // Setting a scrollbar hands its value to the engine of the voice.
    if (m_speech->CurEngine == file.Engine) {
        if (has(SettingsRecord::FieldRatePercent) && validPosition(file.RatePercent))
            VScroll2->setValue(file.RatePercent);
        if (has(SettingsRecord::FieldPitchPercent) && file.Engine == SpeechController::Sapi4
            && validPosition(file.PitchPercent))
            VScroll3->setValue(file.PitchPercent);
    }
    return true;
}

void SayoraMain::applyGeometry()
{
    const QRect outer(twips::toPixels(Settings.WinLeft), twips::toPixels(Settings.WinTop),
                      twips::toPixels(Settings.WinWidth), twips::toPixels(Settings.WinHeight));
    if (outer.width() <= 0 || outer.height() <= 0)
        return;
    // The stored size is the outer one, frame included; the frame is known
    // only once the window is shown, so the size is settled again then.
    m_pendingOuterGeometry = outer;
    applyOuterGeometry();
}

void SayoraMain::applyOuterGeometry()
{
    const QRect outer = *m_pendingOuterGeometry;
    const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    resize(std::max(1, outer.width() - frame.left() - frame.right()),
           std::max(1, outer.height() - frame.top() - frame.bottom()));
    // A window left on a screen that is gone would open out of reach.
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(outer)) {
            move(outer.topLeft());
            break;
        }
    }
}

void SayoraMain::applyTextBox(const SettingsRecord &file, int fieldsRead)
{
    const auto has = [fieldsRead](SettingsRecord::Field field) { return fieldsRead >= field; };
    QFont font = MainTxtBox->font();
    if (has(SettingsRecord::FieldFontName) && !file.FontName.isEmpty())
        font.setFamily(file.FontName);
    bool ok = false;
    if (has(SettingsRecord::FieldFontBold)) {
        const bool bold = parseBoolText(file.FontBold, &ok);
        if (ok)
            font.setBold(bold);
    }
    if (has(SettingsRecord::FieldFontItalic))
        font.setItalic(file.FontItalic);
    if (has(SettingsRecord::FieldFontSize)) {
        const double size = parseFontSize(file.FontSize, &ok);
        if (ok && size <= 1638)
            font.setPointSizeF(size);
    }
    if (has(SettingsRecord::FieldFontUnderline))
        font.setUnderline(file.FontUnderline);
    if (has(SettingsRecord::FieldFontStrikethru))
        font.setStrikeOut(file.FontStrikethru);
    MainTxtBox->setFont(font);
    QPalette palette = MainTxtBox->palette();
    if (has(SettingsRecord::FieldForeColor))
        palette.setColor(QPalette::Text, fromBgr(file.ForeColor));
    if (has(SettingsRecord::FieldBackColor))
        palette.setColor(QPalette::Base, fromBgr(file.BackColor));
    MainTxtBox->setPalette(palette);
    captureTextBox();
}

void SayoraMain::applyVoice(const SettingsRecord &file)
{
    SpeechController *speech = m_speech;
    // A stored voice index that names no installed voice is skipped: the
    // voice chosen at listing stays, and so does everything that goes with it.
    if (file.Engine == SpeechController::Sapi4) {
        DirectSS *engine = speech->directSS();
        if (file.VoiceIndex < 1 || file.VoiceIndex > engine->CountEngines())
            return;
        engine->setCurrentMode(file.VoiceIndex);
        // Each engine has its own limits; the scrollbars scale with them.
        speech->Sapi4MaxSpeed = engine->MaxSpeed();
        speech->Sapi4MinSpeed = engine->MinSpeed();
        speech->Sapi4MaxPitch = engine->MaxPitch();
        speech->Sapi4MinPitch = engine->MinPitch();
    } else if (file.Engine == SpeechController::Sapi5) {
        if (!speech->Sapi5Present || !speech->newsVoice())
            return;
        const QList<SpObjectToken> tokens = speech->newsVoice()->GetVoices();
        if (file.VoiceIndex < 0 || file.VoiceIndex >= tokens.size())
            return;
        speech->newsVoice()->setVoice(tokens.at(file.VoiceIndex));
    } else {
        return;
    }
    speech->CurEngine = file.Engine;
    speech->CurVoiceName = file.VoiceName;
    speech->CurVoiceIndex = file.VoiceIndex;
    Settings.Engine = file.Engine;
    Settings.VoiceIndex = file.VoiceIndex;
    Settings.VoiceName = file.VoiceName;
    Combo1->setEditText(file.VoiceName);
    Combo1->setToolTip(file.VoiceName);
    Text1->setText(Combo1->currentText());
    Text1->home(false);
}

void SayoraMain::saveSettings()
{
    captureGeometry();
    captureTextBox();
    Settings.Engine = m_speech->CurEngine;
    Settings.VoiceIndex = m_speech->CurVoiceIndex;
    Settings.VoiceName = m_speech->CurVoiceName;
    Settings.RatePercent = VScroll2->value();
    Settings.PitchPercent = VScroll3->value();
    QString error;
    // A failed write keeps the old file; the program closes normally.
    if (!Settings.save(SettingsRecord::defaultPath(), &error))
        qCWarning(lcSettingsWindow) << "settings not saved:" << error;
}
