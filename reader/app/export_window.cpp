// The Save button and the four export timers of the main window.
#include "app/sayora_main.h"

#include "app/installation.h"
#include "app/mp3_end.h"
#include "shell/termination_signals.h"
#include "documents/document_saver.h"
#include "export/mp3_export.h"
#include "registry/registry_key.h"
#include "sapi4/direct_ss.h"
#include "sapi5/sp_voice.h"
#include "speech/speech_controller.h"
#include "ui/control_host.h"
#include "ui/image_button.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <memory>

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

void SayoraMain::buildExportWidgets()
{
    Label7 = statusLabel(Frame1, QStringLiteral("000"), twips::rect(120, 1080, 450, 285));
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setToolTip(tr("Export progress: click or press Esc to cancel the export"));
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->installEventFilter(new ClickFilter(Label7, [this] { cancelExport(); }));
    Label8 = statusLabel(Frame1, QStringLiteral("00:00:00"), twips::rect(4580, 1080, 1095, 285));
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setToolTip(tr("Time the export has taken"));
    // The voice list's face lies right of the progress number, the help
    // picture right of the time.
    fitStatusLabel(Label7, {QStringLiteral("Waiting"), QStringLiteral("100")}, Text1->x() - 2);
    fitStatusLabel(Label8, {QStringLiteral("00:00:00"), QStringLiteral("88:88:88")}, Image19->x() - 2);

    const std::pair<QTimer **, void (SayoraMain::*)()> timers[] = {
        {&Timer101, &SayoraMain::Timer101_Timer},
        {&Timer1, &SayoraMain::Timer1_Timer},
        {&Timer102, &SayoraMain::Timer102_Timer},
        {&Timer2, &SayoraMain::Timer2_Timer},
    };
    for (const auto &[timer, tick] : timers) {
        *timer = new QTimer(this);
        (*timer)->setInterval(500);
        connect(*timer, &QTimer::timeout, this, tick);
    }
}

bool SayoraMain::exportRunning() const
{
    return !m_export.isNull();
}

void SayoraMain::saveClick()
{
    const QString boxText = MainTxtBox->toPlainText();
    if (DocumentSaver::exportText(boxText).isEmpty())
        return;
    m_speech->Disappear = false;
    if (exportRunning()) {
        QMessageBox::information(this, QStringLiteral("Sayora"),
                                 tr("An MP3 export is running. Wait until it has finished, "
                                    "or press Esc or click its progress number to cancel it."));
        return;
    }
    std::unique_ptr<QFileDialog> dialog(DocumentSaver::createDialog(this, Settings.SaveDir, Settings.SaveExt));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    const QString name = DocumentSaver::cleanName(dialog->selectedFiles().constFirst());
    if (name.isEmpty())
        return;
    Settings.SaveDir = DocumentSaver::saveDirFor(name);
    switch (DocumentSaver::chosenType(*dialog)) {
    case DocumentSaver::RichText:
        saveTextFile(name, QStringLiteral(".rtf"));
        break;
    case DocumentSaver::Text:
        saveTextFile(name, QStringLiteral(".txt"));
        break;
    case DocumentSaver::Mp3:
        exportMp3(name);
        break;
    default:
        break;
    }
}

bool SayoraMain::askOverwrite(const QString &target)
{
    if (!QFileInfo::exists(target))
        return true;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Message"), DocumentSaver::overwriteQuestion(target),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    // Nothing is deleted here: the new file replaces the old one only once
    // it is complete.
    return box.exec() == QMessageBox::Yes;
}

void SayoraMain::saveTextFile(const QString &name, const QString &extension)
{
    Settings.SaveExt = extension;
    TargetFile = DocumentSaver::withExtension(name, extension);
    if (!askOverwrite(TargetFile))
        return;
    const QString text = MainTxtBox->toPlainText();
    const QByteArray bytes = extension == QLatin1String(".rtf") ? DocumentSaver::richTextFile(text)
                                                                 : DocumentSaver::textFile(text);
    QString error;
    if (!DocumentSaver::writeFile(TargetFile, bytes, &error)) {
        QMessageBox::warning(this, QStringLiteral("Sayora"), tr("%1 could not be saved: %2").arg(TargetFile, error));
    }
}

void SayoraMain::exportMp3(const QString &name)
{
    Label7->setText(QStringLiteral("Waiting"));
    Label8->setText(QStringLiteral("00:00:00"));
    Label7->show();
    Label8->show();
    ExportStart = QDateTime::currentDateTime();
    Settings.SaveExt = QStringLiteral(".mp3");
    TargetFile = DocumentSaver::withExtension(name, QStringLiteral(".mp3"));
    const int engine = m_speech->CurEngine;
    if (!askOverwrite(TargetFile) || (engine != SpeechController::Sapi4 && engine != SpeechController::Sapi5)) {
        Label7->hide();
        Label8->hide();
        return;
    }
    // The file says what reading aloud says: the rules of the voice's
    // language, for either engine generation.
    const QString text = m_speech->pronunciation()
                             .rulesFor(m_speech->voiceLanguage())
                             .apply(DocumentSaver::exportText(MainTxtBox->toPlainText()))
                             .text;
    // An engine handed no words may never report its end.
    if (text.trimmed().isEmpty()) {
        exportFailed(tr("The pronunciation rules leave nothing to read aloud."));
        return;
    }
    // What can be known now is not left to the end of a long rendering.
    if (Mp3Export::encoderPath().isEmpty()) {
        exportFailed(tr("The MP3 encoder \"lame\" is not installed."));
        return;
    }
    const int sampleRate = engine == SpeechController::Sapi4 ? m_speech->directSS()->sampleRate()
                                                             : DocumentSaver::estimateSampleRate;
    const double waveBytes = 50 * DocumentSaver::estimateWaveSize(DocumentSaver::estimateTextLength(text),
                                                                  Label5->text().remove(QLatin1Char(' ')).toInt(),
                                                                  sampleRate);
    if (waveBytes > double(maxWaveDataBytes)) {
        exportFailed(tr("The text is too long for one sound file: its speech would need about %1 GB, "
                        "more than the 4 GB a WAV file can hold. Export it in parts.")
                         .arg(waveBytes / 1e9, 0, 'f', 1));
        return;
    }

    m_export = new Mp3Export(this);
    m_exportCancelled = false;
    m_lastSize = -1;
    m_sinceProgress.start();
    if (!m_export->prepare(TargetFile)) {
        exportFailed(m_export->errorString());
        return;
    }
    TmpWavFile = m_export->tmpWav();
    TmpMp3File = m_export->tmpMp3();

    if (engine == SpeechController::Sapi4) {
        renderWithControl(text);
        return;
    }
    if (!renderWithWaveVoice(text))
        return;
    EstimateMp3Size = DocumentSaver::estimateMp3Size(QFileInfo(TmpWavFile).size());
    Timer102->start();
    WaveStop();
    Timer102_Timer();
}

void SayoraMain::renderWithControl(const QString &text)
{
    if (!MyTavo1->isCreated()) {
        exportFailed(tr("The export component \"tavo\" could not be loaded (error 0x%1).")
                         .arg(quint32(MyTavo1->creationResult()), 8, 16, QLatin1Char('0')));
        return;
    }
    const DirectSS *dss = m_speech->directSS();
    const int speed = dss->Speed();
    const int pitch = dss->Pitch();
    const QString voiceName = Combo1->currentText();
    // The voice's own sample rate: the constants describe another.
    EstimateWaveSize = DocumentSaver::estimateWaveSize(DocumentSaver::estimateTextLength(text),
                                                       Label5->text().remove(QLatin1Char(' ')).toInt(),
                                                       dss->sampleRate());
    const QString storeFailure = tr("The registry store %1 cannot be written: the flite voices report the end "
                                    "of their rendering through it.")
                                     .arg(QDir::toNativeSeparators(RegistryKey::storeFile()));
    switch (lockControlExport()) {
    case ControlLock::Taken:
        break;
    case ControlLock::HeldByAnother:
        exportFailed(tr("Another Sayora window is exporting with a flite voice. Wait until it has finished, "
                        "or export with an espeak-ng voice."));
        return;
    case ControlLock::CannotBeMade:
        exportFailed(storeFailure);
        return;
    }
    AppPathsKey.open(Installation::appPathsKey());
    // A 1 left by an export that ended before its timer saw it would be
    // taken for this one's end: take it over first. Any other value is
    // written back as it is, which shows that the control's writes of the
    // start and the end will get through.
    quint32 left = 0;
    if (AppPathsKey.queryDword(QStringLiteral("WaveEnd"), &left) == RegistryKey::Success
        && AppPathsKey.setDword(QStringLiteral("WaveEnd"), left == 1 ? 3 : left) != RegistryKey::Success) {
        exportFailed(storeFailure);
        return;
    }
    Timer101->start();
    MyTavo1->invoke(QStringLiteral("Speak"), {text, TmpWavFile, voiceName, speed, pitch, 2048});
    Timer101_Timer();
}

bool SayoraMain::renderWithWaveVoice(const QString &exportText)
{
    SpVoice *news = m_speech->newsVoice();
    SpVoice *wave = m_speech->waveVoice();
    if (!news || !wave) {
        exportFailed(tr("The espeak-ng voices are not available."));
        return false;
    }
    wave->setVoice(news->Voice());
    wave->setVolume(news->Volume());
    wave->setRate(news->Rate());
    SpFileStream stream;
    if (!stream.Open(TmpWavFile, SpFileStream::SSFMCreateForWrite, false)) {
        exportFailed(stream.errorString());
        return false;
    }
    wave->setAudioOutputStream(&stream);
    QString text = exportText;
    if (Combo1->currentText() == QLatin1String("Microsoft Simplified Chinese")) {
        static const char16_t wide[] = u"１２３４５６７８９０";
        for (int i = 0; i < 10; ++i)
            text.replace(QChar(wide[i]), QChar(u"1234567890"[i]));
    }
    wave->Speak(text, SpVoice::SVSFlagsAsync);
    // The click waits here, with window events running, until the file is
    // rendered; a cancel or a rendering that stops growing ends it.
    bool stalledOut = false;
    while (!wave->WaitUntilDone(500)) {
        stalledOut = stalled(stream.bytesWritten());
        if (m_exportCancelled || stalledOut)
            wave->Speak(QString(), SpVoice::SVSFPurgeBeforeSpeak);
    }
    const bool written = stream.Close();
    wave->setAudioOutputStream(nullptr);
    if (m_exportCancelled) {
        endExport();
        return false;
    }
    if (!written) {
        exportFailed(stream.errorString());
        return false;
    }
    if (stalledOut) {
        exportFailed(tr("The speech rendering made no progress for %1 seconds.").arg(exportStallSeconds));
        return false;
    }
    return true;
}

void SayoraMain::showElapsed()
{
    ElapsedSeconds = ExportStart.secsTo(QDateTime::currentDateTime());
    Label8->setText(DocumentSaver::FormatElapsed(ElapsedSeconds));
}

bool SayoraMain::stalled(qint64 size)
{
    if (size != m_lastSize) {
        m_lastSize = size;
        m_sinceProgress.restart();
        return false;
    }
    return m_sinceProgress.elapsed() > qint64(exportStallSeconds) * 1000;
}

void SayoraMain::Timer101_Timer()
{
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

void SayoraMain::Timer1_Timer()
{
    showElapsed();
    WaveSize = QFileInfo(TmpWavFile).size();
    PercentWave = EstimateWaveSize > 0 ? int(std::min(double(WaveSize) / EstimateWaveSize, 1e6)) : 0;
    Label7->setText(PercentWave < 51 ? QString::number(PercentWave) : QStringLiteral("50"));
    quint32 value = 0;
    if (AppPathsKey.queryDword(QStringLiteral("WaveEnd"), &value) == RegistryKey::Success)
        WaveEndValue = value;
    if (WaveEndValue == 1) {
        Label7->setText(QStringLiteral("50"));
        Timer1->stop();
        if (m_storeWatch && !m_storeWatch->directories().isEmpty())
            m_storeWatch->removePaths(m_storeWatch->directories());
        WaveEndValue = 3;
        AppPathsKey.setDword(QStringLiteral("WaveEnd"), WaveEndValue);
        AppPathsKey.close();
        unlockControlExport();
        // The file is complete now: its final size.
        WaveSize = QFileInfo(TmpWavFile).size();
        EstimateMp3Size = DocumentSaver::estimateMp3Size(WaveSize);
        Timer102->start();
        WaveStop();
        Timer102_Timer();
        return;
    }
    if (stalled(WaveSize))
        exportFailed(tr("The speech rendering made no progress for %1 seconds.").arg(exportStallSeconds));
}

void SayoraMain::WaveStop()
{
    if (!m_export)
        return;
    // The encoder's end is acted on at once rather than at the next tick.
    connect(m_export, &Mp3Export::encoderFinished, this, [this] {
        if (Timer2->isActive())
            Timer2_Timer();
    });
    if (!m_export->startEncoder())
        exportFailed(m_export->errorString());
}

void SayoraMain::Timer102_Timer()
{
    if (m_export && QFileInfo::exists(TmpMp3File)) {
        Timer102->stop();
        m_lastSize = -1;
        Timer2->start();
    }
}

void SayoraMain::Timer2_Timer()
{
    showElapsed();
    const qint64 size = QFileInfo(TmpMp3File).size();
    PercentWave = (EstimateMp3Size > 0 ? int(std::min(double(size) / EstimateMp3Size, 1e6)) : 0) + 50;
    Label7->setText(PercentWave < 101 ? QString::number(PercentWave) : QStringLiteral("100"));
    if (!m_export)
        return;
    if (!m_export->encoderRunning()) {
        Timer2->stop();
        Label7->setText(QStringLiteral("100"));
        if (!m_export->finish()) {
            exportFailed(m_export->errorString());
            return;
        }
        Mp3End window(TargetFile, this);
        window.exec();
        endExport();
        return;
    }
    if (stalled(size))
        exportFailed(tr("The MP3 encoder made no progress for %1 seconds.").arg(exportStallSeconds));
}

void SayoraMain::cancelExport()
{
    if (!exportRunning())
        return;
    m_exportCancelled = true;
    // A rendering inside the Save click ends there, and cleans up there.
    if (m_speech->waveVoice() && m_speech->waveVoice()->AudioOutputStream())
        return;
    endExport();
}

void SayoraMain::exportFailed(const QString &why)
{
    const QString target = TargetFile;
    endExport();
    QMessageBox::warning(this, QStringLiteral("Sayora"),
                         tr("%1 could not be exported.\n\n%2\n\nNothing was written to it.").arg(target, why));
}

void SayoraMain::endExport()
{
    for (QTimer *timer : {Timer101, Timer1, Timer102, Timer2})
        timer->stop();
    if (m_storeWatch && !m_storeWatch->directories().isEmpty())
        m_storeWatch->removePaths(m_storeWatch->directories());
    // A rendering through the control is stopped and its flag taken over.
    if (AppPathsKey.isOpen()) {
        if (MyTavo1->isCreated())
            MyTavo1->invoke(QStringLiteral("MyStop"));
        WaveEndValue = 3;
        AppPathsKey.setDword(QStringLiteral("WaveEnd"), WaveEndValue);
        AppPathsKey.close();
    }
    unlockControlExport();
    if (m_export) {
        m_export->cancel();
        delete m_export;
    }
    Label7->hide();
    Label8->hide();
    if (m_endSignal != 0)
        TerminationSignals::endBy(m_endSignal);
}

void SayoraMain::endBySignal(int signalNumber)
{
    m_endSignal = signalNumber;
    // A rendering inside the Save click ends there and then comes back
    // through endExport(); everything else ends here.
    cancelExport();
    if (!exportRunning())
        TerminationSignals::endBy(signalNumber);
}

SayoraMain::ControlLock SayoraMain::lockControlExport()
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

void SayoraMain::unlockControlExport()
{
    if (m_controlExportLock >= 0)
        ::close(m_controlExportLock);
    m_controlExportLock = -1;
}
