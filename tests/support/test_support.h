#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class QWidget;

// Shared helpers for the test suite.
namespace testsupport {

// A window's widget by its object name (the main window's widgets carry the
// names the behaviour gives them). A name that is missing or of another type
// stops the test at once.
template<typename T>
T *named(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// Points XDG_CONFIG_HOME and XDG_STATE_HOME at a fresh folder so no test
// touches real user settings or records. Call before QApplication. (QStandardPaths' test mode is not used:
// it ignores XDG_CONFIG_HOME and writes below the real home folder.)
void isolateUserFolders();

// Writes bytes to a file, creating folders as needed. Returns the path.
QString writeFile(const QString &path, const QByteArray &bytes);
// A file's bytes, or "<missing>".
QByteArray contents(const QString &path);

// A program run to its end (killed after four minutes), as a user runs it.
struct ProgramRun
{
    QProcess::ExitStatus status = QProcess::NormalExit;
    int code = -1;
    QString out;
    QStringList errors;  // standard error, one entry per line
};
ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

// Folder of the shipped data files in the build tree.
QString programFolder();

// Runs answer on the next modal dialog once it is shown, from inside the
// dialog's own event loop (a test blocked in exec() cannot answer it).
void answerNextDialog(std::function<void(QWidget *)> answer);
// The same, for the next modal dialog of type T (another may come first).
void answerNextDialogWhere(std::function<bool(QWidget *)> wanted, std::function<void(QWidget *)> answer);
template<typename T>
void answerNext(std::function<void(T *)> answer)
{
    answerNextDialogWhere([](QWidget *w) { return dynamic_cast<T *>(w) != nullptr; },
                          [answer](QWidget *w) { answer(dynamic_cast<T *>(w)); });
}

// Copies the shipped data files (not the programs) into a folder of the
// test's own and points SAYORA_PROGRAM_DIR at it, so a test can change or
// remove them. Call before QApplication.
void useOwnProgramFolder();

// A tiny file system of its own (tmpfs of kib KiB) mounted on a new folder,
// for writes that run out of room; unmounted when destroyed. isMounted() is
// false where mounting is not permitted: skip the test then.
class TinyFileSystem
{
public:
    explicit TinyFileSystem(const QString &folder, int kib = 64);
    ~TinyFileSystem();
    TinyFileSystem(const TinyFileSystem &) = delete;
    TinyFileSystem &operator=(const TinyFileSystem &) = delete;
    bool isMounted() const { return m_mounted; }
    QString path() const { return m_folder; }
    // Mounts it again read-only: nothing can be made or changed in it, not
    // even by root, whom folder permissions do not bind.
    bool makeReadOnly();

private:
    QString m_folder;
    bool m_mounted = false;
};

}  // namespace testsupport

// A main() for widget tests of the reader: private user folders, the null
// audio sink (the engine tests cover the real one), and the application name
// the program uses, which places its per-user files.
#define SAYORA_GUI_TEST_MAIN(TestClass)                                   \
    int main(int argc, char *argv[])                                      \
    {                                                                     \
        testsupport::isolateUserFolders();                                \
        qputenv("SAYORA_AUDIO", "null");                                  \
        QApplication app(argc, argv);                                     \
        QApplication::setApplicationName(QStringLiteral("sayora"));       \
        TestClass test;                                                   \
        return QTest::qExec(&test, argc, argv);                           \
    }
