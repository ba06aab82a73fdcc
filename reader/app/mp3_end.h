#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The completion window `mp3end`: names the exported file and offers to
// play it with the desktop's player.
class Mp3End : public QDialog
{
    Q_OBJECT
public:
    Mp3End(const QString &targetFile, QWidget *parent = nullptr);
    // A line under the success, for what the user should still know.
    void setNote(const QString &note);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Note = nullptr;           // hidden unless set
    QPushButton *Command1 = nullptr;  // "&Play"
    QPushButton *Command2 = nullptr;  // "&Close"

private:
    void play();
    void noPlayer();
    static QString noPlayerText();

    QString m_target;
};
