#include "app/chapter_list.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

ChapterList::ChapterList(const QList<Document::Chapter> &chapters, int current, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("chapterList"));
    setWindowTitle(tr("Chapters"));
    setAccessibleName(tr("Chapters"));
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(chapters.isEmpty() ? tr("This text has no chapters.") : tr("&Chapters:"), this);
    layout->addWidget(caption);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("chapters"));
    m_list->setAccessibleName(tr("Chapters"));
    caption->setBuddy(m_list);
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        const Document::Chapter &chapter = chapters.at(i);
        const int level = std::clamp(chapter.level, 1, 6);
        const QString title = chapter.title.simplified().isEmpty() ? tr("Chapter %1").arg(i + 1) : chapter.title.simplified();
        auto *item = new QListWidgetItem(QString(4 * (level - 1), u' ') + title, m_list);
        QString spoken = level > 1 ? tr("%1, level %2").arg(title).arg(level) : title;
        if (i == current) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setText(item->text() + tr("  (being read)"));
            spoken += tr(", being read");
        }
        item->setData(Qt::AccessibleTextRole, spoken);
        item->setToolTip(title);
    }
    layout->addWidget(m_list);
    if (!chapters.isEmpty())
        m_list->setCurrentRow(std::clamp<int>(current, 0, int(chapters.size()) - 1));
    connect(m_list, &QListWidget::itemActivated, this, &ChapterList::choose);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *go = buttons->addButton(tr("&Go to"), QDialogButtonBox::AcceptRole);
    go->setEnabled(!chapters.isEmpty());
    go->setDefault(true);
    connect(go, &QPushButton::clicked, this, &ChapterList::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Long titles are seen whole, up to half the screen's width.
    const int widest = m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 24;
    resize(std::clamp(widest, 320, 640), 420);
    m_list->setFocus(Qt::OtherFocusReason);
}

void ChapterList::choose()
{
    // Enter reaches both the list and the default button: one choice.
    const int row = m_list->currentRow();
    if (row < 0 || m_chosen >= 0)
        return;
    m_chosen = row;
    emit chapterChosen(row);
    accept();
}
