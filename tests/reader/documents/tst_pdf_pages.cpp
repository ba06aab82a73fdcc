// A long PDF is read on several threads: its pages must still come out
// whole and in order, with the running lines left out.

#include "documents/document_loader.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An A5 PDF written at 72 dots an inch (points), in a serif of 11 points.
struct A5Pdf
{
    explicit A5Pdf(const QString &path)
        : writer(path)
    {
        writer.setPageSize(QPageSize(QPageSize::A5));
        writer.setResolution(72);
        painter.begin(&writer);
        painter.setFont(QFont(QStringLiteral("Liberation Serif"), 11));
    }
    QPdfWriter writer;
    QPainter painter;
};

}  // namespace

class TestPdfPages : public QObject
{
    Q_OBJECT
private slots:
    void longBookInOrder();
    void tableCellsApart();

private:
    QTemporaryDir m_dir;
};

void TestPdfPages::longBookInOrder()
{
    constexpr int Pages = 150;
    const QString path = m_dir.filePath(QStringLiteral("long.pdf"));
    {
        A5Pdf pdf(path);
        QPdfWriter &writer = pdf.writer;
        QPainter &painter = pdf.painter;
        QVERIFY(painter.isActive());
        for (int page = 1; page <= Pages; ++page) {
            if (page > 1)
                QVERIFY(writer.newPage());
            painter.drawText(QPointF(50, 30), QStringLiteral("Running Header"));
            painter.drawText(QPointF(50, 100), QStringLiteral("Body of page %1 starts here.").arg(page));
            painter.drawText(QPointF(50, 115), QStringLiteral("It goes on a second line."));
            painter.drawText(QPointF(200, 570), QString::number(page));
        }
    }
    // Each reading gives the same text: no page lost, doubled or moved.
    QString first;
    for (int run = 0; run < 3; ++run) {
        DocumentLoader box;
        QVERIFY2(box.LoadFile(path), qPrintable(box.errorString()));
        const QString text = box.Text();
        QVERIFY(!text.contains(QLatin1String("Running Header")));
        qsizetype at = 0;
        for (int page = 1; page <= Pages; ++page) {
            const qsizetype found = text.indexOf(QStringLiteral("Body of page %1 starts here.").arg(page), at);
            QVERIFY2(found >= at, qPrintable(QString::number(page)));
            at = found;
        }
        QCOMPARE(text.count(QLatin1String("It goes on a second line.")), Pages);
        // The page numbers are gone: only the numbers of the body remain.
        int numbers = 0;
        for (auto it = QRegularExpression(QStringLiteral("\\d+")).globalMatch(text); it.hasNext(); it.next())
            ++numbers;
        QCOMPARE(numbers, Pages);
        if (run == 0)
            first = text;
        QCOMPARE(text, first);
    }
}

// The cells of a table's row, set far apart on one baseline, are phrases of
// their own, each row on its line; words of a widely set line, a heading's
// number and a list's mark before a wide gap stay in their line.
void TestPdfPages::tableCellsApart()
{
    const QString path = m_dir.filePath(QStringLiteral("table.pdf"));
    {
        A5Pdf pdf(path);
        QPainter &painter = pdf.painter;
        QVERIFY(painter.isActive());
        painter.drawText(QPointF(50, 60), QStringLiteral("2.1"));
        painter.drawText(QPointF(110, 60), QStringLiteral("Who came"));
        // A line set as justified text stretches it: gaps of about an em.
        const auto justified = [&](qreal y, const QString &line) {
            qreal x = 50;
            for (const QString &word : line.split(u' ')) {
                painter.drawText(QPointF(x, y), word);
                x += painter.fontMetrics().horizontalAdvance(word) + 11;
            }
        };
        justified(85, QStringLiteral("The guests of the evening came from three towns"));
        justified(99, QStringLiteral("and they wrote their names in the book at the door."));
        const QList<QStringList> rows = {{QStringLiteral("Name"), QStringLiteral("Age"), QStringLiteral("City.")},
                                         {QStringLiteral("Alice Smith"), QStringLiteral("30"), QStringLiteral("Paris")},
                                         {QStringLiteral("Bob"), QStringLiteral("25"), QStringLiteral("Rome")}};
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < 3; ++c)
                painter.drawText(QPointF(50 + 130 * c, 125 + 20 * r), rows[r][c]);
        painter.drawText(QPointF(50, 200), QStringLiteral("1."));
        painter.drawText(QPointF(95, 200), QStringLiteral("A mark before its item"));
    }
    DocumentLoader box;
    QVERIFY2(box.LoadFile(path), qPrintable(box.errorString()));
    QCOMPARE(box.Text(), QStringLiteral("2.1 Who came\nThe guests of the evening came from three towns and they wrote "
                                        "their names in the book at the door.\nName;\tAge;\tCity.\n"
                                        "Alice Smith;\t30;\tParis\nBob;\t25;\tRome\n1. A mark before its item"));
}

QTEST_MAIN(TestPdfPages)
#include "tst_pdf_pages.moc"
