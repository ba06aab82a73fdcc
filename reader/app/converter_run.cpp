#include "app/converter_run.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>

ConverterRun::ConverterRun(QObject *parent)
    : QObject(parent)
{
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ConverterRun::readProgress);
    connect(&m_process, &QProcess::finished, this, &ConverterRun::ended);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended();
    });
}

ConverterRun::~ConverterRun()
{
    cancel();
}

QString ConverterRun::converterPath()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/sayora-convert");
    if (QFileInfo(beside).isExecutable() && QFileInfo(beside).isFile())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("sayora-convert"));
}

void ConverterRun::start(const QStringList &arguments)
{
    m_fraction = 0;
    m_done = false;
    m_process.setProgram(converterPath());
    m_process.setArguments(QStringList{QStringLiteral("--progress-lines"), QStringLiteral("--quiet")} + arguments);
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.start();
}

bool ConverterRun::running() const
{
    return m_process.state() != QProcess::NotRunning;
}

void ConverterRun::readProgress()
{
    while (m_process.canReadLine()) {
        const QByteArray line = m_process.readLine().trimmed();
        bool ok = false;
        const double fraction = line.startsWith("done ") ? line.mid(5).toDouble(&ok) : 0.0;
        if (ok && fraction >= m_fraction) {
            m_fraction = fraction;
            emit progressed(m_fraction);
        }
    }
}

void ConverterRun::ended()
{
    if (m_done)
        return;
    m_done = true;
    readProgress();
    if (m_process.error() == QProcess::FailedToStart) {
        emit finished(false, tr("The converter \"sayora-convert\" could not be started: %1").arg(m_process.errorString()));
        return;
    }
    if (m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0) {
        emit finished(true, QString());
        return;
    }
    // The converter names the file and the reason in its last line.
    QStringList lines = QString::fromLocal8Bit(m_process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    QString why = lines.isEmpty() ? tr("The converter stopped unexpectedly.") : lines.last().trimmed();
    if (why.startsWith(QLatin1String("sayora-convert: ")))
        why = why.mid(16);
    emit finished(false, why);
}

void ConverterRun::cancel()
{
    if (m_done || m_process.state() == QProcess::NotRunning) {
        m_done = true;
        return;
    }
    m_done = true;
    m_process.disconnect(this);
    // An interrupt lets the converter and its workers remove their files.
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(20000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
