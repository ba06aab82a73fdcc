#include "app/window_export.h"

#include "app/installation.h"
#include "app/mp3_end.h"
#include "documents/document_saver.h"
#include "registry/registry_key.h"
#include "shell/termination_signals.h"
#include "ui/control_host.h"
#include "ui/twips.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The RIFF sizes are 32-bit: the most sound a WAV file can hold.
constexpr qint64 maxWaveDataBytes = 0xFFFFFFFFLL - 36;

// Runs action when the watched widget is clicked with the primary button.
class ClickFilter : public QObject
{
public:
    ClickFilter(QObject *parent, std::function<void()> action)
        : QObject(parent), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_action();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

QLabel *statusLabel(QWidget *panel, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, panel);
    label->setGeometry(geometry);
    label->setFont(QFont(QStringLiteral("Tahoma"), 8));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->hide();
    return label;
}

// Wide enough for each of texts, from where it stands to right at most;
// past that in a smaller size of its font.
void fitStatusLabel(QLabel *label, const QStringList &texts, int right)
{
    const auto widest = [&texts](const QFontMetrics &metrics) {
        int width = 0;
        for (const QString &text : texts)
            width = std::max(width, metrics.horizontalAdvance(text));
        return width + 2;
    };
    QFont font = label->font();
    while (label->x() + widest(QFontMetrics(font)) > right && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    label->resize(std::max(label->width(), widest(QFontMetrics(font))), label->height());
}

} // namespace

WindowExport::WindowExport(const Place &place, QObject *parent)
    : QObject(parent)
    , m_place(place)
{
    Label7 = statusLabel(place.panel, QStringLiteral("000"), twips::rect(120, 1080, 450, 285));
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setToolTip(tr("Export progress: click or press Esc to cancel the export"));
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->installEventFilter(new ClickFilter(Label7, [this] { cancel(); }));
    Label8 = statusLabel(place.panel, QStringLiteral("00:00:00"), twips::rect(4580, 1080, 1095, 285));
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setToolTip(tr("Time the export has taken"));
    fitStatusLabel(Label7, {QStringLiteral("Waiting"), QStringLiteral("100")}, place.progressRight);
    fitStatusLabel(Label8, {QStringLiteral("00:00:00"), QStringLiteral("88:88:88")}, place.timeRight);

    const std::pair<QTimer **, void (WindowExport::*)()> timers[] = {
        {&Timer101, &WindowExport::Timer101_Timer},
        {&Timer1, &WindowExport::Timer1_Timer},
        {&Timer102, &WindowExport::Timer102_Timer},
        {&Timer2, &WindowExport::Timer2_Timer},
    };
    for (const auto &[timer, tick] : timers) {
        *timer = new QTimer(this);
        (*timer)->setInterval(500);
        connect(*timer, &QTimer::timeout, this, tick);
    }
}

WindowExport::~WindowExport()
{
    // A window destroyed while it exports leaves nothing behind either.
    cancel();
    unlockControlExport();
}

bool WindowExport::running() const
{
    return !m_export.isNull();
}

void WindowExport::showWaiting(const QString &target)
{
    Label7->setText(QStringLiteral("Waiting"));
    Label8->setText(QStringLiteral("00:00:00"));
    Label7->show();
    Label8->show();
    ExportStart = QDateTime::currentDateTime();
    TargetFile = target;
}

void WindowExport::hideStatus()
{
    Label7->hide();
    Label8->hide();
}

void WindowExport::start(const QString &exportText, const Voice &voice)
{
    // An engine handed no words may never report its end.
    if (exportText.trimmed().isEmpty()) {
        exportFailed(tr("The pronunciation rules leave nothing to read aloud."));
        return;
    }
    // What can be known now is not left to the end of a long rendering.
    if (Mp3Export::encoderPath().isEmpty()) {
        exportFailed(tr("The MP3 encoder \"lame\" is not installed."));
        return;
    }
    const int sampleRate = voice.throughControl ? voice.sampleRate : DocumentSaver::estimateSampleRate;
    const double waveBytes =
        50 * DocumentSaver::estimateWaveSize(DocumentSaver::estimateTextLength(exportText), voice.rateShown, sampleRate);
    if (waveBytes > double(maxWaveDataBytes)) {
        exportFailed(tr("The text is too long for one sound file: its speech would need about %1 GB, "
                        "more than the 4 GB a WAV file can hold. Export it in parts.")
                         .arg(waveBytes / 1e9, 0, 'f', 1));
        return;
    }

    m_export = new SpeechExport(this);
    m_export->setStallSeconds(exportStallSeconds);
    m_lastSize = -1;
    m_sinceProgress.start();
    if (!m_export->prepare(TargetFile)) {
        exportFailed(m_export->errorString());
        return;
    }
    connect(m_export, &SpeechExport::encoderStarted, this, &WindowExport::encodingStarted);
    connect(m_export, &SpeechExport::finished, this, &WindowExport::exportFinished);
    TmpWavFile = m_export->tmpWav();
    TmpMp3File = m_export->tmpMp3();

    if (!voice.runs.isEmpty()) {
        m_export->render(voice.runs);
        return;
    }
    if (voice.throughControl) {
        renderWithControl(exportText, voice);
        return;
    }
    QString text = exportText;
    if (voice.name == QLatin1String("Microsoft Simplified Chinese")) {
        static const char16_t wide[] = u"１２３４５６７８９０";
        for (int i = 0; i < 10; ++i)
            text.replace(QChar(wide[i]), QChar(u"1234567890"[i]));
    }
    // The rendering's end, or its failure, comes as a signal.
    m_export->render(text, voice.wave);
}

void WindowExport::renderWithControl(const QString &text, const Voice &voice)
{
    ControlHost *control = m_place.control;
    if (!control->isCreated()) {
        exportFailed(tr("The export component \"tavo\" could not be loaded (error 0x%1).")
                         .arg(quint32(control->creationResult()), 8, 16, QLatin1Char('0')));
        return;
    }
    // The voice's own sample rate: the constants describe another.
    EstimateWaveSize = DocumentSaver::estimateWaveSize(DocumentSaver::estimateTextLength(text), voice.rateShown,
                                                       voice.sampleRate);
    switch (lockControlExport()) {
    case ControlLock::Taken:
        break;
    case ControlLock::HeldByAnother:
        exportFailed(tr("Another Sayora window is exporting with a flite voice. Wait until it has finished, "
                        "or export with an espeak-ng voice."));
        return;
    case ControlLock::CannotBeMade:
        exportFailed(storeCannotBeWritten());
        return;
    }
    AppPathsKey.open(Installation::appPathsKey());
    // The window never waits on another process's change of the store:
    // what cannot be written now is tried again at the next tick.
    AppPathsKey.setLockWait(RegistryKey::frameLockWaitMs);
    m_controlSpeak = ControlSpeak{text, voice};
    Timer101->start();
    speakThroughControl();
}

QString WindowExport::storeCannotBeWritten() const
{
    return tr("The registry store %1 cannot be written: the flite voices report the end of their rendering "
              "through it.")
        .arg(QDir::toNativeSeparators(RegistryKey::storeFile()));
}

QString WindowExport::storeLockedTooLong() const
{
    return tr("The registry store %1 stayed locked by another program for %2 seconds.")
        .arg(QDir::toNativeSeparators(RegistryKey::storeFile()))
        .arg(exportStallSeconds);
}

void WindowExport::speakThroughControl()
{
    // A 1 left by an export that ended before its timer saw it would be
    // taken for this one's end: take it over first. Any other value is
    // written back as it is, which shows that the control's writes of the
    // start and the end will get through.
    quint32 left = 0;
    const long found = AppPathsKey.queryDword(QStringLiteral("WaveEnd"), &left);
    const long written = found == RegistryKey::Success
                             ? AppPathsKey.setDword(QStringLiteral("WaveEnd"), left == 1 ? 3 : left)
                             : RegistryKey::Success;
    if (written == RegistryKey::Busy) {
        if (stalled(0))
            exportFailed(storeLockedTooLong());
        return;
    }
    if (written != RegistryKey::Success) {
        exportFailed(storeCannotBeWritten());
        return;
    }
    const ControlSpeak speak = *std::exchange(m_controlSpeak, std::nullopt);
    m_place.control->invoke(QStringLiteral("Speak"), {speak.text, TmpWavFile, speak.voice.name, speak.voice.speed,
                                                       speak.voice.pitch, 2048});
    Timer101_Timer();
}

void WindowExport::showElapsed()
{
    ElapsedSeconds = ExportStart.secsTo(QDateTime::currentDateTime());
    Label8->setText(DocumentSaver::FormatElapsed(ElapsedSeconds));
}

bool WindowExport::stalled(qint64 size)
{
    if (size != m_lastSize) {
        m_lastSize = size;
        m_sinceProgress.restart();
        return false;
    }
    return m_sinceProgress.elapsed() > qint64(exportStallSeconds) * 1000;
}

void WindowExport::Timer101_Timer()
{
    if (m_controlSpeak) {
        speakThroughControl();
        return;
    }
    if (m_export && QFileInfo::exists(TmpWavFile)) {
        Timer101->stop();
        Timer1->start();
        // The control's flag lives in the registry store: a change of the
        // store's folder is looked at at once, not at the next tick.
        if (!m_storeWatch) {
            m_storeWatch = new QFileSystemWatcher(this);
            connect(m_storeWatch, &QFileSystemWatcher::directoryChanged, this, [this] {
                if (Timer1->isActive())
                    Timer1_Timer();
            });
        }
        m_storeWatch->addPath(QFileInfo(RegistryKey::storeFile()).absolutePath());
    }
}

void WindowExport::Timer1_Timer()
{
    showElapsed();
    WaveSize = QFileInfo(TmpWavFile).size();
    PercentWave = EstimateWaveSize > 0 ? int(std::min(double(WaveSize) / EstimateWaveSize, 1e6)) : 0;
    Label7->setText(PercentWave < 51 ? QString::number(PercentWave) : QStringLiteral("50"));
    quint32 value = 0;
    if (AppPathsKey.queryDword(QStringLiteral("WaveEnd"), &value) == RegistryKey::Success)
        WaveEndValue = value;
    if (WaveEndValue == 1) {
        // Seen only once written back: another process holding the store
        // now has it taken over at the next tick.
        if (AppPathsKey.setDword(QStringLiteral("WaveEnd"), 3) == RegistryKey::Busy) {
            if (stalled(WaveSize))
                exportFailed(storeLockedTooLong());
            return;
        }
        WaveEndValue = 3;
        Label7->setText(QStringLiteral("50"));
        Timer1->stop();
        if (m_storeWatch && !m_storeWatch->directories().isEmpty())
            m_storeWatch->removePaths(m_storeWatch->directories());
        AppPathsKey.close();
        unlockControlExport();
        // The file is complete now: its final size.
        WaveSize = QFileInfo(TmpWavFile).size();
        startEncoding();
        return;
    }
    if (stalled(WaveSize))
        exportFailed(tr("The speech rendering made no progress for %1 seconds.").arg(exportStallSeconds));
}

void WindowExport::startEncoding()
{
    if (m_export)
        m_export->renderingDone();
}

void WindowExport::encodingStarted()
{
    EstimateMp3Size = DocumentSaver::estimateMp3Size(QFileInfo(TmpWavFile).size());
    // The encoder's progress is watched from now on.
    m_lastSize = -1;
    m_sinceProgress.restart();
    Timer102->start();
    Timer102_Timer();
}

void WindowExport::Timer102_Timer()
{
    if (m_export && QFileInfo::exists(TmpMp3File)) {
        Timer102->stop();
        m_lastSize = -1;
        Timer2->start();
    }
}

void WindowExport::Timer2_Timer()
{
    showElapsed();
    const qint64 size = QFileInfo(TmpMp3File).size();
    PercentWave = (EstimateMp3Size > 0 ? int(std::min(double(size) / EstimateMp3Size, 1e6)) : 0) + 50;
    Label7->setText(PercentWave < 101 ? QString::number(PercentWave) : QStringLiteral("100"));
    if (m_export && m_export->encoderRunning() && stalled(size))
        exportFailed(tr("The MP3 encoder made no progress for %1 seconds.").arg(exportStallSeconds));
}

void WindowExport::exportFinished(bool ok, const QString &why)
{
    if (!ok) {
        if (why.isEmpty())
            endExport();
        else
            exportFailed(why);
        return;
    }
    Timer2->stop();
    Label7->setText(QStringLiteral("100"));
    // The export is over before the completion window shows: a signal or a
    // second Save meanwhile finds nothing running.
    const QString target = TargetFile;
    endExport();
    auto *window = new Mp3End(target, m_place.window);
    window->setNote(why);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void WindowExport::cancel()
{
    if (running())
        endExport();
}

void WindowExport::exportFailed(const QString &why)
{
    const QString target = TargetFile;
    endExport();
    QMessageBox::warning(m_place.window, QStringLiteral("Sayora"),
                         tr("%1 could not be exported.\n\n%2\n\nNothing was written to it.").arg(target, why));
}

void WindowExport::endExport()
{
    for (QTimer *timer : {Timer101, Timer1, Timer102, Timer2})
        timer->stop();
    if (m_storeWatch && !m_storeWatch->directories().isEmpty())
        m_storeWatch->removePaths(m_storeWatch->directories());
    m_controlSpeak.reset();
    // A rendering through the control is stopped and its flag taken over
    // (when the store is busy, the next export takes over a 1 left now).
    if (AppPathsKey.isOpen()) {
        if (m_place.control->isCreated())
            m_place.control->invoke(QStringLiteral("MyStop"));
        WaveEndValue = 3;
        AppPathsKey.setDword(QStringLiteral("WaveEnd"), WaveEndValue);
        AppPathsKey.close();
    }
    unlockControlExport();
    if (SpeechExport *ended = m_export.data()) {
        m_export.clear();
        ended->disconnect(this);
        ended->cancel();
        // It may be inside one of its own signals (the encoder's end).
        ended->deleteLater();
    }
    hideStatus();
    if (m_endSignal != 0)
        TerminationSignals::endBy(m_endSignal);
}

void WindowExport::endBySignal(int signalNumber)
{
    m_endSignal = signalNumber;
    if (running())
        endExport();
    TerminationSignals::endBy(signalNumber);
}

void WindowExport::shutdown()
{
    // An export through the control is stopped, so its engine does not go
    // on writing a file nobody will collect.
    if (WaveEndValue == 2) {
        m_place.control->invoke(QStringLiteral("MyStop"));
        m_place.control->invoke(QStringLiteral("MyEndOLE"));
    }
    cancel();
}

WindowExport::ControlLock WindowExport::lockControlExport()
{
    unlockControlExport();
    const QString folder = QFileInfo(RegistryKey::storeFile()).absolutePath();
    QDir().mkpath(folder);
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/control-export.lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return ControlLock::CannotBeMade;
    // Released by the kernel too, should the program die.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? ControlLock::HeldByAnother : ControlLock::CannotBeMade;
    }
    m_controlExportLock = fd;
    return ControlLock::Taken;
}

void WindowExport::unlockControlExport()
{
    if (m_controlExportLock >= 0)
        ::close(m_controlExportLock);
    m_controlExportLock = -1;
}
