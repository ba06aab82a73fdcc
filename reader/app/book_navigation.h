#pragma once

#include "app/window_options.h"
#include "documents/document.h"
#include "speech/reading_steps.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <optional>

class ChapterList;
class KeyboardAccess;
class QPlainTextDocumentLayout;
class QMenu;
class QPlainTextEdit;
class QWidget;
class SpeechController;

// Moving through a book while it is read: the open document's chapters and
// the chapter list, the sentence / paragraph / chapter steps and their
// keys, the sentence being read shown behind the spoken word, the chapter
// titles set apart, and the window title naming the document and chapter.
// What it shows never changes the text: the voice reads, and the highlight
// counts positions in, exactly the text the document reader produced.
//
// Lives on the window thread as a child of the window.
class BookNavigation : public QObject
{
    Q_OBJECT
public:
    using Unit = ReadingSteps::Unit;

    // The keys: steps forward and back by unit, and the chapter list.
    static QKeySequence stepKey(Unit unit, bool forward);
    static QKeySequence chapterListKey();

    BookNavigation(QWidget *window, QPlainTextEdit *textBox, SpeechController *speech);

    // A document just put into the text box (its text is the box's text).
    void showDocument(const Document &document, const QString &path);
    // The text box holds a text that is no document (typed, given by the
    // command line): no chapters, and the plain window title.
    void showText();

    const QList<Document::Chapter> &chapters() const { return m_chapters; }
    // The chapter the reading (or the caret) is in, -1 before the first.
    int currentChapter() const;

    // A step from where the reading is (the caret when nothing is read).
    void step(Unit unit, bool forward);
    void goToChapter(int index);
    // Opens the chapter list; returns it (it closes itself).
    ChapterList *openChapterList();
    // The text box's context menu entries.
    void addMenuEntries(QMenu *menu);

    // The sentence being read shown with a soft background: on unless the
    // user turned it off, which the window's options remember.
    bool sentenceShown() const { return m_sentenceShown; }
    void setSentenceShown(bool shown);

signals:
    // Where a step or a chapter choice went, in the words a screen reader
    // says (a chapter's title or a sentence's first words).
    void moved(const QString &where);

private:
    const ReadingSteps &steps();
    qint64 readingPlace() const;
    void moveTo(qint64 position, const QString &where);
    void showAtTop(qint64 position);
    QString firstWords(qint64 position);
    QString chapterTitle(int index) const;
    void textChanged(int position, int removed, int added);
    void caretMoved();
    void showSentence();
    void updateTitle();
    void formatHeadings();
    void announce(const QString &text);

    QWidget *m_window;
    QPlainTextEdit *m_textBox;
    SpeechController *m_speech;
    QPlainTextDocumentLayout *m_layout = nullptr;
    QString m_baseTitle;
    QString m_documentName;
    QList<Document::Chapter> m_chapters;
    bool m_plainText = true;
    std::optional<ReadingSteps> m_steps;  // rebuilt after the text changes
    int m_titleChapter = -2;
    ReadingSteps::Span m_shownSentence{-1, -1};
    WindowOptions m_options;
    bool m_sentenceShown = true;
    QPointer<ChapterList> m_chapterList;
};
