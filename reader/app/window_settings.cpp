#include "app/window_settings.h"

#include "speech/speaking_voice.h"
#include "speech/speech_controller.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
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

// Runs settle at each move or resize of the window until it reports done.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget *window, std::function<bool()> settle)
        : QObject(window)
        , m_settle(std::move(settle))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && !m_done && m_settle()) {
            m_done = true;
            deleteLater();
        }
        return false;
    }

private:
    std::function<bool()> m_settle;
    bool m_done = false;
};

bool validPosition(int value)
{
    return value >= 0 && value <= 100;
}

}  // namespace

WindowSettings::WindowSettings(SettingsRecord &record, const Parts &parts)
    : m_record(record)
    , m_parts(parts)
{
}

void WindowSettings::captureTextBox()
{
    const QFont font = m_parts.textBox->font();
    m_record.FontName = font.family();
    m_record.FontBold = boolText(font.bold());
    m_record.FontItalic = font.italic();
    m_record.FontSize = fontSizeText(font.pointSizeF());
    m_record.FontUnderline = font.underline();
    m_record.FontStrikethru = font.strikeOut();
    m_record.ForeColor = toBgr(m_parts.textBox->palette().color(QPalette::Text));
    m_record.BackColor = toBgr(m_parts.textBox->palette().color(QPalette::Base));
}

void WindowSettings::captureGeometry()
{
    // The frame's place, but the window's own size: the frame belongs to the
    // window manager, which adds it only after the window shows (and on
    // Wayland never tells it), so a stored outer size would be restored as
    // an inner one and the window would grow by its frame at every start.
    const QPoint place = m_parts.window->frameGeometry().topLeft();
    const QSize size = m_parts.window->size();
    m_record.WinLeft = twips::fromPixels(place.x());
    m_record.WinTop = twips::fromPixels(place.y());
    m_record.WinWidth = twips::fromPixels(size.width());
    m_record.WinHeight = twips::fromPixels(size.height());
}

bool WindowSettings::capture()
{
    captureGeometry();
    m_record.OpenDir = defaultDocumentFolder();
    m_record.SaveDir = defaultDocumentFolder();
    m_record.OpenExt = QStringLiteral(".txt");
    m_record.SaveExt = QStringLiteral(".mp3");
    m_record.ShowText = true;
    captureTextBox();

    SpeechController *speech = m_parts.speech;
    const int position = m_parts.voiceList->currentIndex();
    if (position < 0)
        return true;  // no voice at all: nothing more to remember
    const SpeechController::StoredVoice voice = speech->storedVoice(position);
    m_record.Engine = voice.engine;
    m_record.VoiceName = m_parts.voiceList->currentText();
    m_record.VoiceIndex = voice.index.value_or(m_record.VoiceIndex);
    m_record.RatePercent = voice.ratePercent.value_or(m_record.RatePercent);
    m_record.PitchPercent = voice.pitchPercent.value_or(m_record.PitchPercent);
    return true;
}

bool WindowSettings::loadAndApply()
{
    int fieldsRead = 0;
    QString error;
    const std::optional<SettingsRecord> stored = SettingsRecord::load(SettingsRecord::defaultPath(), &fieldsRead, &error);
    if (!stored) {
        // Unreadable: start as on a first run rather than half-way.
        qCWarning(lcSettingsWindow) << "settings not read:" << error;
        return capture();
    }
    // Fields the file did not hold keep the values the window has now, so a
    // damaged file never leaves a zero-sized window or a blank font.
    capture();
    const SettingsRecord &file = *stored;
    const auto has = [fieldsRead](SettingsRecord::Field field) { return fieldsRead >= field; };
    if (has(SettingsRecord::FieldWinHeight)) {
        m_record.WinLeft = file.WinLeft;
        m_record.WinTop = file.WinTop;
        m_record.WinWidth = file.WinWidth;
        m_record.WinHeight = file.WinHeight;
        applyGeometry();
    }
    if (has(SettingsRecord::FieldOpenDir))
        m_record.OpenDir = file.OpenDir;
    if (has(SettingsRecord::FieldSaveDir))
        m_record.SaveDir = file.SaveDir;
    if (has(SettingsRecord::FieldOpenExt))
        m_record.OpenExt = file.OpenExt;
    if (has(SettingsRecord::FieldSaveExt))
        m_record.SaveExt = file.SaveExt;
    if (has(SettingsRecord::FieldShowText)) {
        m_record.ShowText = file.ShowText;
        if (!m_record.ShowText) {
            m_parts.textBox->move(twips::toPixels(99999), m_parts.textBox->y());
            m_foldedAtStart = true;
            settleFoldedWidth();
            m_parts.textBoxHidden();
        }
    }
    applyTextBox(file, fieldsRead);

    if (has(SettingsRecord::FieldVoiceIndex))
        applyVoice(file, has(SettingsRecord::FieldVoiceName));
    // Setting a scrollbar hands its value to the engine of the voice.
    if (m_parts.speech->currentEngine() == file.Engine) {
        if (has(SettingsRecord::FieldRatePercent) && validPosition(file.RatePercent))
            m_parts.rate->setValue(file.RatePercent);
        const SpeakingVoice *voice = m_parts.speech->selectedVoice();
        if (has(SettingsRecord::FieldPitchPercent) && voice && voice->hasPitch() && validPosition(file.PitchPercent))
            m_parts.pitch->setValue(file.PitchPercent);
    }
    return true;
}

void WindowSettings::applyGeometry()
{
    const QRect stored(twips::toPixels(m_record.WinLeft), twips::toPixels(m_record.WinTop),
                       twips::toPixels(m_record.WinWidth), twips::toPixels(m_record.WinHeight));
    if (stored.width() <= 0 || stored.height() <= 0)
        return;
    QWidget *window = m_parts.window;
    window->resize(stored.size());
    // A window left on a screen that is gone would open out of reach. A
    // move places the frame's corner, as the place was taken.
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(stored)) {
            window->move(stored.topLeft());
            break;
        }
    }
}

void WindowSettings::applyTextBox(const SettingsRecord &file, int fieldsRead)
{
    const auto has = [fieldsRead](SettingsRecord::Field field) { return fieldsRead >= field; };
    QFont font = m_parts.textBox->font();
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
    m_parts.textBox->setFont(font);
    QPalette palette = m_parts.textBox->palette();
    if (has(SettingsRecord::FieldForeColor))
        palette.setColor(QPalette::Text, fromBgr(file.ForeColor));
    if (has(SettingsRecord::FieldBackColor))
        palette.setColor(QPalette::Base, fromBgr(file.BackColor));
    m_parts.textBox->setPalette(palette);
    captureTextBox();
}

int WindowSettings::storedVoicePosition(const SettingsRecord &file, bool nameKnown) const
{
    const QComboBox *list = m_parts.voiceList;
    const SpeechController *speech = m_parts.speech;
    const auto isOfEngine = [list, &file](int position) {
        return position >= 0 && position < list->count() && list->itemData(position).toInt() == file.Engine;
    };
    // The name stays with its voice when voices are installed or removed;
    // the index would then name another.
    if (nameKnown && !file.VoiceName.isEmpty()) {
        for (int position = 0; position < list->count(); ++position) {
            if (list->itemText(position) == file.VoiceName && isOfEngine(position))
                return position;
        }
    }
    if (const int position = speech->listPosition(file.Engine, file.VoiceIndex); isOfEngine(position))
        return position;
    return list->count() > 0 ? 0 : -1;
}

void WindowSettings::applyVoice(const SettingsRecord &file, bool nameKnown)
{
    const int position = storedVoicePosition(file, nameKnown);
    if (position < 0)
        return;
    // The voice list's own selection: the box shows the voice that speaks,
    // with its engine's limits and language.
    SpeechController *speech = m_parts.speech;
    speech->setVoiceListPosition(position);
    m_record.Engine = speech->currentEngine();
    m_record.VoiceIndex = speech->currentVoiceIndex();
    m_record.VoiceName = speech->currentVoiceName();
}

void WindowSettings::save()
{
    captureGeometry();
    captureTextBox();
    m_record.Engine = m_parts.speech->currentEngine();
    m_record.VoiceIndex = m_parts.speech->currentVoiceIndex();
    m_record.VoiceName = m_parts.speech->currentVoiceName();
    m_record.RatePercent = m_parts.rate->value();
    m_record.PitchPercent = m_parts.pitch->value();
    QString error;
    // A failed write keeps the old file; the program closes normally.
    if (!m_record.save(SettingsRecord::defaultPath(), &error))
        qCWarning(lcSettingsWindow) << "settings not saved:" << error;
}

void WindowSettings::settleFoldedWidth()
{
    settleFoldedWidth(m_parts.window);
}

bool WindowSettings::settleFoldedWidth(QWidget *window)
{
    // Folded, the window is 7050 twips wide frame included.
    const int frame = window->frameGeometry().width() - window->width();
    window->resize(twips::toPixels(7050) - frame, window->height());
    return frame > 0;
}

void WindowSettings::settleOuterGeometry()
{
    if (!m_foldedAtStart)
        return;
    m_foldedAtStart = false;
    QWidget *window = m_parts.window;
    // A window manager frames the window only after it shows: the width is
    // settled again when the frame is known, which a move or a resize of the
    // window tells (without a frame, nothing changes then).
    if (!settleFoldedWidth(window))
        new FrameWatch(window, [window] { return settleFoldedWidth(window); });
}
