#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The help window `howto`: how to use Sayora from a web page, from Word and
// from the file manager; a link to the local help page; a link that installs
// the Word speaker template. Shown without waiting; closes itself with
// "&Close", a double click on its background or after opening the help page.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The support address named in error reports.
    static QString supportAddress();

    void helpLinkClick();
    void installerClick();

    QLabel *Label2 = nullptr;         // help link
    QLabel *Label3 = nullptr;         // Word speaker installer link
    QPushButton *Command1 = nullptr;  // "&Close"

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void buildLines();
    void message(const QString &text);
    void errorReport(int number, const QString &description);
};
