// wayland_peer MODE [ARGUMENT]: another program on the same Wayland desktop
// as the window under test, for the tests under weston with a seat.
//
//   drag-text TEXT   pressed, drags TEXT (as a program drags selected text)
//   drag-file PATH   pressed, drags the file PATH (as a file manager does)
//   own-clipboard    clicked, takes the clipboard, and then never hands its
//                    text over: asked for it, it waits until its standard
//                    input closes (a program that hangs)
//
// Its window is filled with magenta, so a test finds it on the screen. It
// tells what happens on its standard output, one word a line: "shown",
// "dragging", "dragged", "owned", "asked".

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

void tell(const char *what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

// Text that is on offer but, asked for, never comes.
class HangingText : public QMimeData
{
public:
    QStringList formats() const override
    {
        return {QStringLiteral("text/plain"), QStringLiteral("text/plain;charset=utf-8")};
    }

protected:
    QVariant retrieveData(const QString &, QMetaType) const override
    {
        tell("asked");
        while (std::getchar() != EOF) {
        }
        return QVariant();
    }
};

class Peer : public QWidget
{
public:
    Peer(QString mode, QString argument)
        : m_mode(std::move(mode))
        , m_argument(std::move(argument))
    {
        setFixedSize(120, 120);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), QColor(255, 0, 255));
        if (!m_shown) {
            m_shown = true;
            tell("shown");
        }
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        if (m_mode == QLatin1String("own-clipboard")) {
            QGuiApplication::clipboard()->setMimeData(new HangingText);
            tell("owned");
            return;
        }
        auto *data = new QMimeData;
        if (m_mode == QLatin1String("drag-file"))
            data->setUrls({QUrl::fromLocalFile(m_argument)});
        else
            data->setText(m_argument);
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        tell("dragging");
        drag->exec(Qt::CopyAction);
        tell("dragged");
    }

private:
    QString m_mode;
    QString m_argument;
    bool m_shown = false;
};

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2)
        return 2;
    Peer peer(arguments.at(1), arguments.value(2));
    peer.setWindowTitle(QStringLiteral("peer"));
    peer.show();
    return app.exec();
}
