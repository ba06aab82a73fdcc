#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the converter `sayora-convert` for the window: the same
// pipeline as on the command line (pieces rendered by worker processes on
// every core, joined, encoded, tagged), in a child process, so that the
// window stays free. Its progress comes as "done FRACTION" lines on the
// child's standard output; its failure as the last line of its standard
// error. finished() comes once, unless the run is cancelled.
class ConverterRun : public QObject
{
    Q_OBJECT
public:
    explicit ConverterRun(QObject *parent = nullptr);
    ~ConverterRun() override;

    // sayora-convert beside this program, else from PATH; empty when
    // there is none.
    static QString converterPath();

    // Starts the converter with these arguments (--progress-lines added).
    void start(const QStringList &arguments);
    // Ends the converter as an interrupt does, so that it removes its
    // temporary files, and waits for it; finished() does not follow.
    void cancel();
    bool running() const;
    // 0 … 1, as the converter last reported it.
    double fraction() const { return m_fraction; }

signals:
    void progressed(double fraction);
    // ok: the converter succeeded; otherwise error says why.
    void finished(bool ok, const QString &error);

private:
    void readProgress();
    void ended();

    QProcess m_process;
    double m_fraction = 0;
    bool m_done = false;
};
