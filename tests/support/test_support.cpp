#include "support/test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <sys/mount.h>

namespace testsupport {

void isolateUserFolders()
{
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("XDG_STATE_HOME", (home.path() + QStringLiteral("/state")).toUtf8());
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
    return path;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

ProgramRun runProgram(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    if (!p.waitForFinished(240000)) {
        p.kill();
        p.waitForFinished();
    }
    ProgramRun run;
    run.status = p.exitStatus();
    run.code = p.exitCode();
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.errors = QString::fromUtf8(p.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

TinyFileSystem::TinyFileSystem(const QString &folder, int kib)
    : m_folder(folder)
{
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0777";
    m_mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0;
}

bool TinyFileSystem::makeReadOnly()
{
    return m_mounted
        && ::mount("tmpfs", QFile::encodeName(m_folder).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

TinyFileSystem::~TinyFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    QDir().rmdir(m_folder);
}

QString programFolder()
{
    return qEnvironmentVariable("SAYORA_PROGRAM_DIR");
}

void answerNextDialog(std::function<void(QWidget *)> answer)
{
    answerNextDialogWhere([](QWidget *) { return true; }, std::move(answer));
}

void answerNextDialogWhere(std::function<bool(QWidget *)> wanted, std::function<void(QWidget *)> answer)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, wanted, answer] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible() || !wanted(dialog))
            return;
        poll->stop();
        poll->deleteLater();
        answer(dialog);
    });
    poll->start();
}

void useOwnProgramFolder()
{
    static QTemporaryDir folder;
    const QDir shipped(programFolder());
    const QStringList kinds{QStringLiteral("*.bmp"), QStringLiteral("*.png"), QStringLiteral("*.cur"), QStringLiteral("*.CUR"),
                            QStringLiteral("*.htm"), QStringLiteral("*.dot"), QStringLiteral("*.ini"), QStringLiteral("*.HLP")};
    for (const QFileInfo &file : shipped.entryInfoList(kinds, QDir::Files))
        QFile::copy(file.filePath(), folder.filePath(file.fileName()));
    qputenv("SAYORA_PROGRAM_DIR", folder.path().toUtf8());
}

}  // namespace testsupport
