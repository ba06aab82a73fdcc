#pragma once

#include "documents/document.h"

#include <QDialog>

class QLabel;
class QListWidget;

// The chapters of the open document, the one being read marked and chosen
// at the start: Enter or a double click goes to a chapter, Escape closes.
// The list is indented by the chapters' levels; a screen reader hears each
// entry with its level and whether it is the one being read.
class ChapterList : public QDialog
{
    Q_OBJECT
public:
    ChapterList(const QList<Document::Chapter> &chapters, int current, QWidget *parent = nullptr);

    // The chapter chosen, -1 while none is.
    int chosen() const { return m_chosen; }

signals:
    void chapterChosen(int index);

private:
    void choose();

    QListWidget *m_list = nullptr;
    int m_chosen = -1;
};
