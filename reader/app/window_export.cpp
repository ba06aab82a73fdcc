#include "app/window_export.h"

#include "app/converter_run.h"
#include "app/installation.h"
#include "app/mp3_end.h"
#include "export/elapsed_time.h"
#include "export/export_estimate.h"
#include "files/atomic_file.h"
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
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

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
    label->setFont(QFont(QStringLiteral("Tahoma"), 8, QFont::Bold));
    // Red on the panel's green is all but unreadable (1.07:1): the numbers
    // stand on a black backing, on which the red reaches 5.25:1.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setColor(QPalette::Window, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
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
    fitStatusLabel(Label7, {tr("Waiting"), QStringLiteral("100")}, place.progressRight);
    fitStatusLabel(Label8, {QStringLiteral("00:00:00"), QStringLiteral("88:88:88")}, place.timeRight);
    TimeLeft = statusLabel(place.textBox ? place.textBox->parentWidget() : place.panel, QString(), Label8->geometry());
    TimeLeft->setObjectName(QStringLiteral("TimeLeft"));
    TimeLeft->setFont(Label8->font());
    TimeLeft->setContentsMargins(4, 1, 4, 1);
    TimeLeft->setToolTip(tr("Time the export still needs"));
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &WindowExport::clockTick);

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
    return !m_export.isNull() || m_book != nullptr;
}

void WindowExport::showWaiting(const QString &target)
{
    Label7->setText(tr("Waiting"));
    Label8->setText(QStringLiteral("00:00:00"));
    TimeLeft->clear();
    Label7->show();
    Label8->show();
    ExportStart = QDateTime::currentDateTime();
    TargetFile = target;
}

void WindowExport::hideStatus()
{
    m_clock->stop();
    Label7->hide();
    Label8->hide();
    TimeLeft->hide();
}

// The time taken, and from the share done the time left, every second.
void WindowExport::clockTick()
{
    showElapsed();
    double fraction = -1;
    if (m_book)
        fraction = m_book->fraction();
    else if (m_export && m_renderingShown)
        fraction = m_export->rendered() / 2;
    else if (m_export && Label7->text() != tr("Waiting"))
        fraction = std::clamp(Label7->text().toInt() / 100.0, 0.0, 1.0);
    // Said once enough is done for the pace to be known.
    if (fraction >= 0.01 && ElapsedSeconds >= 2) {
        const qint64 left = qint64(double(ElapsedSeconds) * (1.0 - fraction) / fraction + 0.5);
        TimeLeft->setText(tr("%1 left").arg(FormatElapsed(left)));
        TimeLeft->adjustSize();
        if (const QWidget *box = m_place.textBox)
            TimeLeft->move(box->geometry().bottomRight() - QPoint(TimeLeft->width() + 20, TimeLeft->height() + 4));
        TimeLeft->show();
        TimeLeft->raise();
    }
}

void WindowExport::showFraction(double fraction)
{
    const int percent = int(std::clamp(fraction, 0.0, 1.0) * 100);
    if (Label7->text() == tr("Waiting") || Label7->text().toInt() <= percent)
        Label7->setText(QString::number(percent));
}

void WindowExport::start(const PreparedSpeech &speech, const Voice &voice)
{
    if (speech.isEmpty()) {
        exportFailed(tr("The pronunciation rules leave nothing to read aloud."));
        return;
    }
    // What can be known now is not left to the end of a long rendering.
    if (SoundFileCommit::encoderPath().isEmpty()) {
        exportFailed(tr("The MP3 encoder \"lame\" is not installed."));
        return;
    }
    // Whether the speech fits one WAV, from the voice's own pace: the rate
    // the panel shows is no measure of an espeak-ng voice's speed.
    const qint64 length = ExportEstimate::estimateTextLength(speech.spoken);
    const bool throughControl = voice.file.controlVoice().has_value();
    const int sampleRate = voice.file.sampleRate();
    const double waveBytes =
        throughControl ? 50 * ExportEstimate::estimateWaveSize(length, voice.rateShown, sampleRate)
                       : ExportEstimate::longestWaveBytes(length, voice.file.wordsPerMinute(),
                                                         sampleRate > 0 ? sampleRate : ExportEstimate::estimateSampleRate);
    if (waveBytes > double(ExportEstimate::maxWaveDataBytes)) {
        exportFailed(tr("The text is too long for one MP3 export: its speech would need about %1 GB of sound "
                        "on the way, more than the 4 GB a WAV file can hold. Save it as \"Audiobook, a file per "
                        "chapter\", \"MP3 with chapter marks\", \"M4B audiobook\", OGG Vorbis, Opus or FLAC, "
                        "which have no such limit.")
                         .arg(waveBytes / 1e9, 0, 'f', 1));
        return;
    }
    m_clock->start();

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
    TmpMp3File = m_export->tmpEncoded();

    if (const QList<SpeechExport::Run> runs = voice.runs ? voice.runs() : QList<SpeechExport::Run>(); !runs.isEmpty()) {
        m_export->render(runs);
        return;
    }
    if (throughControl) {
        renderWithControl(speech.spoken, length, voice);
        return;
    }
    // The rendering's end, or its failure, comes as a signal; its progress
    // moves the number from 0 to 50 meanwhile.
    m_renderingShown = true;
    connect(m_export, &SpeechExport::progressed, this, [this](double rendered) {
        if (m_renderingShown)
            showFraction(rendered / 2);
    });
    m_export->render(speech.spoken, voice.file);
}

void WindowExport::startBook(const Book &book)
{
    const QString converter = ConverterRun::converterPath();
    if (converter.isEmpty()) {
        exportFailed(tr("The converter \"sayora-convert\" is not installed."));
        return;
    }
    QString input = book.document;
    if (input.isEmpty()) {
        // The box's text, in a file of the target's name (the converter
        // names the book after it), private to this user.
        m_bookInput = std::make_unique<QTemporaryDir>();
        const QString name = QFileInfo(TargetFile).completeBaseName();
        input = m_bookInput->filePath((name.isEmpty() || name.startsWith(u'.') ? QStringLiteral("book") : name)
                                      + QStringLiteral(".txt"));
        QString why;
        if (!m_bookInput->isValid() || !AtomicFile::write(input, book.text.toUtf8(), &why)) {
            exportFailed(tr("The text could not be handed to the converter: %1").arg(why));
            return;
        }
    }
    QStringList arguments;
    if (!book.voice.isEmpty())
        arguments << QStringLiteral("--voice") << book.voice;
    const std::pair<const char *, int> numbers[] = {{"--rate", book.rate}, {"--pitch", book.pitch}, {"--volume", book.volume}};
    for (const auto &[option, value] : numbers) {
        if (value >= 0)
            arguments << QString::fromLatin1(option) << QString::number(value);
    }
    if (!book.languageSwitch)
        arguments << QStringLiteral("--no-language-switch");
    if (book.kind == Book::Kind::Chapters) {
        // The chapters are made in a hidden folder beside the target, which
        // takes its place once every chapter and the playlist are there.
        const QFileInfo target(TargetFile);
        m_bookChapters = std::make_unique<QTemporaryDir>(target.absolutePath() + QStringLiteral("/.")
                                                         + target.fileName() + QStringLiteral(".XXXXXX.book"));
        if (!m_bookChapters->isValid()) {
            exportFailed(tr("The folder %1 cannot be written to.").arg(target.absolutePath()));
            return;
        }
        // Both paths are absolute: neither can pass for an option.
        arguments << QStringLiteral("--split") << QStringLiteral("chapters") << QFileInfo(input).absoluteFilePath()
                  << m_bookChapters->path();
    } else {
        if (book.kind == Book::Kind::MarkedMp3)
            arguments << QStringLiteral("--chapter-marks");
        arguments << QStringLiteral("--") << input << TargetFile;
    }
    m_book = new ConverterRun(this);
    connect(m_book, &ConverterRun::progressed, this, &WindowExport::showFraction);
    connect(m_book, &ConverterRun::finished, this, &WindowExport::bookFinished);
    m_clock->start();
    m_book->start(arguments);
}

bool WindowExport::putChaptersInPlace(QString *why)
{
    const QString folder = m_bookChapters->path();
    QDir parent = QFileInfo(TargetFile).absoluteDir();
    const QString name = QFileInfo(TargetFile).fileName();
    // An old folder of that name (the user agreed to replace it) goes only
    // once the new one has taken its place.
    // A hidden temporary folder is private; the book's folder gets what
    // the old one had, or what a new folder gets.
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                           | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                           | QFileDevice::ExeOther;
    if (QFileInfo(TargetFile).isDir())
        permissions = QFileInfo(TargetFile).permissions();
    QFile::setPermissions(folder, permissions);
    QString old;
    if (QFileInfo::exists(TargetFile)) {
        old = folder + QStringLiteral(".old");
        if (!parent.rename(name, QFileInfo(old).fileName())) {
            *why = tr("%1 could not be replaced.").arg(TargetFile);
            return false;
        }
    }
    if (!parent.rename(QFileInfo(folder).fileName(), name)) {
        if (!old.isEmpty())
            parent.rename(QFileInfo(old).fileName(), name);
        *why = tr("%1 could not be created.").arg(TargetFile);
        return false;
    }
    m_bookChapters->setAutoRemove(false);
    m_bookChapters.reset();
    if (!old.isEmpty()) {
        if (QFileInfo(old).isDir())
            QDir(old).removeRecursively();
        else
            QFile::remove(old);
    }
    return true;
}

void WindowExport::bookFinished(bool ok, const QString &why)
{
    QString failure = why;
    if (ok && m_bookChapters && !putChaptersInPlace(&failure))
        ok = false;
    if (!ok) {
        exportFailed(failure);
        return;
    }
    Label7->setText(QStringLiteral("100"));
    const QString target = TargetFile;
    endExport();
    auto *window = new Mp3End(target, m_place.window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void WindowExport::renderWithControl(const QString &text, qint64 length, const Voice &voice)
{
    ControlHost *control = m_place.control;
    if (!control->isCreated()) {
        exportFailed(tr("The export component \"tavo\" could not be loaded (error 0x%1).")
                         .arg(quint32(control->creationResult()), 8, 16, QLatin1Char('0')));
        return;
    }
    // The voice's own sample rate: the constants describe another.
    EstimateWaveSize = ExportEstimate::estimateWaveSize(length, voice.rateShown, voice.file.sampleRate());
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
    return tr("The registry store %1 stayed locked by another program for %n seconds.", nullptr, exportStallSeconds)
        .arg(QDir::toNativeSeparators(RegistryKey::storeFile()));
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
    const FileVoice::ControlVoice engine = speak.voice.file.controlVoice().value_or(FileVoice::ControlVoice());
    m_place.control->invoke(QStringLiteral("Speak"), {speak.text, TmpWavFile, speak.voice.name, engine.speed,
                                                       engine.pitch, 2048});
    Timer101_Timer();
}

void WindowExport::showElapsed()
{
    ElapsedSeconds = ExportStart.secsTo(QDateTime::currentDateTime());
    Label8->setText(FormatElapsed(ElapsedSeconds));
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
    m_renderingShown = false;
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
        exportFailed(tr("The speech rendering made no progress for %n seconds.", nullptr, exportStallSeconds));
}

void WindowExport::startEncoding()
{
    if (m_export)
        m_export->renderingDone();
}

void WindowExport::encodingStarted()
{
    m_renderingShown = false;
    EstimateMp3Size = ExportEstimate::estimateMp3Size(QFileInfo(TmpWavFile).size());
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
        exportFailed(tr("The MP3 encoder made no progress for %n seconds.", nullptr, exportStallSeconds));
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
    for (QTimer *timer : {Timer101, Timer1, Timer102, Timer2, m_clock})
        timer->stop();
    m_renderingShown = false;
    // The converter removes its own files when it is interrupted; the
    // chapters it made so far, and the text it was given, go here.
    if (ConverterRun *book = std::exchange(m_book, nullptr)) {
        book->disconnect(this);
        book->cancel();
        book->deleteLater();
    }
    m_bookChapters.reset();
    m_bookInput.reset();
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
