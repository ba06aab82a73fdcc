#include "app/book_navigation.h"

#include "app/chapter_list.h"
#include "app/keyboard_access.h"
#include "speech/speech_controller.h"

#include <QAction>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMenu>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// How many words of a sentence tell a listener where a step went.
constexpr int announcedWords = 8;

// A heading block longer than this is body text an outline happens to
// point into: it is not set apart.
constexpr int longestHeading = 160;

// The text box's lines laid out as plain text always is, with room below
// each paragraph of a document: a book's paragraphs set apart as on a page,
// with no blank line added to the text.
class SpacedParagraphLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    // Room below a paragraph, in lines of the text box's font (0: none).
    void setSpacing(qreal lines)
    {
        if (lines == m_lines)
            return;
        m_lines = lines;
        m_font = QFont();
        m_spacing = -1;
        emit documentSizeChanged(documentSize());
        emit update();
    }

    QRectF blockBoundingRect(const QTextBlock &block) const override
    {
        QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
        if (m_lines > 0 && block.isVisible() && block.length() > 1 && block.next().isValid())
            rect.setHeight(rect.height() + spacing());
        return rect;
    }

private:
    qreal spacing() const
    {
        // Asked for every block painted: measured once per font.
        const QFont font = document()->defaultFont();
        if (m_spacing < 0 || font != m_font) {
            m_font = font;
            m_spacing = std::round(QFontMetricsF(font).lineSpacing() * m_lines);
        }
        return m_spacing;
    }

    qreal m_lines = 0;
    mutable QFont m_font;
    mutable qreal m_spacing = -1;
};

// Room below a document's paragraphs, in lines.
constexpr qreal paragraphSpacing = 0.5;

// The letters and digits a text begins with, in lower case: a heading and
// its chapter's title compare so, whatever their punctuation and spacing.
QString leadingWords(const QString &text, int letters)
{
    QString found;
    for (qsizetype i = 0; i < text.size() && found.size() < letters; ++i) {
        if (text.at(i).isLetterOrNumber())
            found += text.at(i).toLower();
    }
    return found;
}

// The block is the chapter's heading ("3. The Voyage" for "The Voyage"),
// not a running header or body text an outline happens to point at.
bool isHeadingOf(const QString &block, const QString &title)
{
    if (block.size() > longestHeading)
        return false;
    const QString start = leadingWords(title, 12);
    return !start.isEmpty() && leadingWords(block, longestHeading).contains(start);
}

qsizetype chapterIndexAt(const QList<Document::Chapter> &chapters, qint64 position)
{
    const auto after = std::upper_bound(chapters.cbegin(), chapters.cend(), position,
                                        [](qint64 p, const Document::Chapter &c) { return p < c.start; });
    return (after - chapters.cbegin()) - 1;
}

}  // namespace

QKeySequence BookNavigation::stepKey(Unit unit, bool forward)
{
    // Keys the text box does not use for editing, nor the window for its
    // buttons: Alt with the arrows for sentences, with the page keys for
    // paragraphs, Ctrl with the page keys for chapters.
    switch (unit) {
    case Unit::Sentence:
        return QKeySequence(Qt::ALT | (forward ? Qt::Key_Right : Qt::Key_Left));
    case Unit::Paragraph:
        return QKeySequence(Qt::ALT | (forward ? Qt::Key_PageDown : Qt::Key_PageUp));
    case Unit::Chapter:
        break;
    }
    return QKeySequence(Qt::CTRL | (forward ? Qt::Key_PageDown : Qt::Key_PageUp));
}

QKeySequence BookNavigation::chapterListKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_L);
}

BookNavigation::BookNavigation(QWidget *window, QPlainTextEdit *textBox, SpeechController *speech)
    : QObject(window)
    , m_window(window)
    , m_textBox(textBox)
    , m_speech(speech)
    , m_baseTitle(window->windowTitle())
{
    setObjectName(QStringLiteral("bookNavigation"));
    m_sentenceShown = m_options.flag(WindowOptions::showSentenceKey(), true);
    // The text box's document, with the layout that spaces paragraphs.
    QTextDocument *before = m_textBox->document();
    auto *document = new QTextDocument(m_textBox);
    m_layout = new SpacedParagraphLayout(document);
    document->setDocumentLayout(m_layout);
    document->setDefaultFont(before->defaultFont());
    document->setDocumentMargin(before->documentMargin());
    document->setPlainText(before->toPlainText());
    m_textBox->setDocument(document);

    const auto addKey = [this](const QKeySequence &key, auto action) {
        auto *shortcut = new QShortcut(key, m_window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    for (Unit unit : {Unit::Sentence, Unit::Paragraph, Unit::Chapter}) {
        addKey(stepKey(unit, true), [this, unit] { step(unit, true); });
        addKey(stepKey(unit, false), [this, unit] { step(unit, false); });
    }
    addKey(chapterListKey(), [this] { openChapterList(); });

    connect(m_textBox->document(), &QTextDocument::contentsChange, this, &BookNavigation::textChanged);
    connect(m_textBox, &QPlainTextEdit::cursorPositionChanged, this, &BookNavigation::caretMoved);
    connect(m_speech, &SpeechController::readingStopped, this, &BookNavigation::caretMoved);
}

void BookNavigation::showDocument(const Document &document, const QString &path)
{
    m_chapters = document.chapters;
    m_plainText = document.plainText;
    m_documentName = document.title.simplified();
    if (m_documentName.isEmpty())
        m_documentName = QFileInfo(path).fileName();
    m_steps.reset();
    m_titleChapter = -2;
    // Plain text sets its paragraphs apart itself, with blank lines.
    static_cast<SpacedParagraphLayout *>(m_layout)->setSpacing(m_plainText ? 0 : paragraphSpacing);
    formatHeadings();
    updateTitle();
}

void BookNavigation::showText()
{
    m_chapters.clear();
    m_plainText = true;
    m_documentName.clear();
    m_steps.reset();
    m_titleChapter = -2;
    static_cast<SpacedParagraphLayout *>(m_layout)->setSpacing(0);
    updateTitle();
}

const ReadingSteps &BookNavigation::steps()
{
    if (!m_steps) {
        const QString text = m_textBox->toPlainText();
        QList<qsizetype> starts;
        starts.reserve(m_chapters.size());
        for (const Document::Chapter &chapter : std::as_const(m_chapters))
            starts.append(chapter.start);
        m_steps.emplace(text, starts, ReadingSteps::paragraphEndFor(text, m_plainText));
    }
    return *m_steps;
}

qint64 BookNavigation::readingPlace() const
{
    if (m_speech->readingUnderway())
        return m_speech->readingPosition();
    return m_textBox->textCursor().selectionStart();
}

int BookNavigation::currentChapter() const
{
    return int(chapterIndexAt(m_chapters, readingPlace()));
}

void BookNavigation::step(Unit unit, bool forward)
{
    const qint64 from = readingPlace();
    const qsizetype to = forward ? steps().next(unit, from) : steps().previous(unit, from);
    if (to < 0) {
        if (unit == Unit::Chapter && m_chapters.isEmpty())
            announce(tr("This text has no chapters"));
        else
            announce(forward ? tr("Nothing further") : tr("At the start"));
        return;
    }
    const qsizetype chapter = chapterIndexAt(m_chapters, to);
    const bool chapterStart = chapter >= 0 && steps().chapterStarts().at(chapter) == to;
    moveTo(to, chapterStart ? chapterTitle(int(chapter)) : firstWords(to));
    if (chapterStart)
        showAtTop(to);
}

void BookNavigation::goToChapter(int index)
{
    if (index < 0 || index >= m_chapters.size())
        return;
    moveTo(steps().chapterStarts().at(index), chapterTitle(index));
    showAtTop(steps().chapterStarts().at(index));
}

void BookNavigation::showAtTop(qint64 position)
{
    // A chapter begins at the top of the view, as on a new page, with the
    // most of it in sight (the view's scroll steps are lines).
    const QTextBlock block = m_textBox->document()->findBlock(int(position));
    if (block.isValid())
        m_textBox->verticalScrollBar()->setValue(block.firstLineNumber());
}

void BookNavigation::moveTo(qint64 position, const QString &where)
{
    m_speech->readFrom(position);
    announce(where);
    emit moved(where);
}

QString BookNavigation::firstWords(qint64 position)
{
    const ReadingSteps::Span sentence = steps().sentenceAt(position);
    const qint64 end = std::max<qint64>(position, sentence.end);
    const QStringList words = steps().text().mid(position, std::min<qint64>(end - position, 400)).simplified().split(u' ');
    QString said = words.mid(0, announcedWords).join(u' ');
    if (words.size() > announcedWords)
        said += QChar(0x2026);
    return said;
}

QString BookNavigation::chapterTitle(int index) const
{
    const QString title = m_chapters.at(index).title.simplified();
    return title.isEmpty() ? tr("Chapter %1").arg(index + 1) : title;
}

ChapterList *BookNavigation::openChapterList()
{
    m_speech->setDisappear(false);
    if (m_chapterList) {
        m_chapterList->raise();
        m_chapterList->activateWindow();
        return m_chapterList;
    }
    m_chapterList = new ChapterList(m_chapters, currentChapter(), m_window);
    m_chapterList->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_chapterList, &ChapterList::chapterChosen, this, &BookNavigation::goToChapter);
    // The keys go to the window again, whatever the window manager does.
    connect(m_chapterList, &QDialog::finished, m_window, [window = m_window] { window->activateWindow(); });
    m_chapterList->open();
    return m_chapterList;
}

void BookNavigation::addMenuEntries(QMenu *menu)
{
    QAction *list = menu->addAction(tr("Chapters..."));
    list->setShortcut(chapterListKey());
    connect(list, &QAction::triggered, this, [this] { openChapterList(); });
    QMenu *move = menu->addMenu(tr("Move the reading"));
    const struct
    {
        Unit unit;
        bool forward;
        QString text;
    } entries[] = {
        {Unit::Sentence, true, tr("Next sentence")},   {Unit::Sentence, false, tr("Previous sentence")},
        {Unit::Paragraph, true, tr("Next paragraph")}, {Unit::Paragraph, false, tr("Previous paragraph")},
        {Unit::Chapter, true, tr("Next chapter")},     {Unit::Chapter, false, tr("Previous chapter")},
    };
    for (const auto &s : entries) {
        QAction *action = move->addAction(s.text);
        action->setShortcut(stepKey(s.unit, s.forward));
        connect(action, &QAction::triggered, this, [this, unit = s.unit, forward = s.forward] { step(unit, forward); });
    }
    QAction *sentence = menu->addAction(tr("Show the sentence being read"));
    sentence->setCheckable(true);
    sentence->setChecked(m_sentenceShown);
    connect(sentence, &QAction::toggled, this, &BookNavigation::setSentenceShown);
}

void BookNavigation::setSentenceShown(bool shown)
{
    m_sentenceShown = shown;
    m_options.setFlag(WindowOptions::showSentenceKey(), shown);
    showSentence();
}

void BookNavigation::textChanged(int position, int removed, int added)
{
    m_steps.reset();
    m_shownSentence = {-1, -1};
    // A change of formats only (the headings) moves nothing.
    if (removed == added)
        return;
    // Chapters after an edit move with their text; one whose start was
    // removed starts where the edit is.
    for (Document::Chapter &chapter : m_chapters) {
        if (chapter.start >= position + removed)
            chapter.start += added - removed;
        else if (chapter.start > position)
            chapter.start = position;
    }
}

void BookNavigation::caretMoved()
{
    showSentence();
    updateTitle();
}

void BookNavigation::showSentence()
{
    if (!m_sentenceShown || !m_speech->readingUnderway() || m_textBox->document()->isEmpty()) {
        if (m_shownSentence.start >= 0 || !m_textBox->extraSelections().isEmpty()) {
            m_shownSentence = {-1, -1};
            m_textBox->setExtraSelections({});
        }
        return;
    }
    // Most words are in the sentence already shown.
    const qint64 word = m_textBox->textCursor().selectionStart();
    if (word >= m_shownSentence.start && word < m_shownSentence.end)
        return;
    const ReadingSteps::Span sentence = steps().sentenceAt(word);
    if (sentence == m_shownSentence)
        return;
    m_shownSentence = sentence;
    QTextEdit::ExtraSelection shown;
    shown.cursor = QTextCursor(m_textBox->document());
    shown.cursor.setPosition(int(sentence.start));
    shown.cursor.setPosition(int(sentence.end), QTextCursor::KeepAnchor);
    // A soft tint of the text colour over the background, whatever the
    // user chose for both; the spoken word keeps the strong highlight.
    const QPalette palette = m_textBox->palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const auto mix = [](int a, int b) { return (a * 3 + b) / 4; };
    shown.format.setBackground(QColor(mix(base.red(), text.red()), mix(base.green(), text.green()), mix(base.blue(), text.blue())));
    m_textBox->setExtraSelections({shown});
}

void BookNavigation::updateTitle()
{
    const int chapter = m_documentName.isEmpty() ? -1 : currentChapter();
    if (chapter == m_titleChapter)
        return;
    m_titleChapter = chapter;
    QString title = m_baseTitle;
    if (!m_documentName.isEmpty())
        title += QStringLiteral(" - ") + m_documentName;
    if (chapter >= 0)
        title += QStringLiteral(" - ") + chapterTitle(chapter);
    m_window->setWindowTitle(title);
}

void BookNavigation::formatHeadings()
{
    QTextDocument *document = m_textBox->document();
    // Not an edit the user could undo.
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const Document::Chapter &chapter : std::as_const(m_chapters)) {
        // The heading itself, or a line or two below where an outline
        // points (the top of a page, over a running header).
        QTextBlock block = document->findBlock(int(chapter.start));
        for (int lines = 0; block.isValid() && lines < 3; block = block.next()) {
            if (block.text().trimmed().isEmpty())
                continue;
            if (isHeadingOf(block.text(), chapter.title))
                break;
            ++lines;
        }
        if (!block.isValid() || !isHeadingOf(block.text(), chapter.title))
            continue;
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        QTextCharFormat heading;
        heading.setFontWeight(QFont::Bold);
        // Relative to the text box's font, so a font the user picks later
        // keeps the headings larger than the text.
        heading.setProperty(QTextFormat::FontSizeAdjustment, chapter.level <= 1 ? 2 : chapter.level == 2 ? 1 : 0);
        cursor.mergeCharFormat(heading);
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(undo);
}

void BookNavigation::announce(const QString &text)
{
    if (auto *access = m_window->findChild<KeyboardAccess *>())
        access->announce(text);
}
