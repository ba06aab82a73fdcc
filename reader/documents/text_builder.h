#pragma once

#include "documents/document.h"

#include <algorithm>

#include <QList>
#include <QString>

// Builds a document's text paragraph by paragraph, as the RTF reader lays it
// out: one "\n" after each paragraph, no empty paragraphs, table cells
// separated by "\t" and a row ending its line. Text added with addText() has
// its white space collapsed, as a browser shows it; addRaw() keeps it. Soft
// hyphens (U+00AD, where a word processor may break a word) are left out
// of both: "incom\u00ADpre\u00ADhen\u00ADsi\u00ADble" is one word to the ear.
class TextBuilder
{
public:
    void addText(QStringView text)
    {
        for (const QChar c : text) {
            if (c == QChar::SoftHyphen)
                continue;
            if (c.isSpace() && c != QChar::Nbsp) {
                m_pendingSpace = true;
                continue;
            }
            if (m_pendingSpace && !atLineStart())
                m_text += u' ';
            m_pendingSpace = false;
            m_text += c;
        }
    }
    void addRaw(QStringView text)
    {
        flushSpace();
        for (const QChar c : text)
            if (c != QChar::SoftHyphen)
                m_text += c;
    }
    void addSpace() { m_pendingSpace = true; }
    // A list item's bullet or number: the paragraph that follows stays on
    // its line.
    void addPrefix(QStringView prefix)
    {
        if (prefix.isEmpty())
            return;
        addRaw(prefix);
        m_prefixEnd = m_text.size();
    }
    // A line break inside a paragraph (<br>, a manual line break).
    void breakLine()
    {
        if (m_cellDepth > 0) {
            m_pendingSpace = true;
            return;
        }
        trimLineEnd();
        m_text += u'\n';
        m_pendingSpace = false;
    }
    // Ends the current paragraph if it has text; inside a table cell a
    // paragraph ends in a blank, so the row stays on one line.
    void endParagraph()
    {
        if (m_cellDepth > 0) {
            m_pendingSpace = true;
            return;
        }
        m_pendingSpace = false;
        if (m_text.size() == m_prefixEnd)
            return;
        trimLineEnd();
        if (!atLineStart())
            m_text += u'\n';
    }
    // A table row, whose cells beginCell() separates; rows may nest (a
    // table in a cell).
    void beginRow() { m_rowHasCell.append(false); }
    void endRow()
    {
        if (!m_rowHasCell.isEmpty())
            m_rowHasCell.removeLast();
    }
    // A cell of the current row: the first starts a line of its own, the
    // others follow a tab.
    void beginCell()
    {
        const bool firstInRow = m_rowHasCell.isEmpty() || !m_rowHasCell.back();
        if (!m_rowHasCell.isEmpty())
            m_rowHasCell.back() = true;
        if (firstInRow)
            endParagraph();
        else {
            trimLineEnd();
            m_text += u'\t';
        }
        m_pendingSpace = false;
        ++m_cellDepth;
    }
    void endCell()
    {
        if (m_cellDepth > 0)
            --m_cellDepth;
        m_pendingSpace = false;
    }
    bool inCell() const { return m_cellDepth > 0; }
    // Where the next paragraph's text starts; call after endParagraph().
    qsizetype position() const { return m_text.size(); }
    qsizetype size() const { return m_text.size(); }
    const QString &text() const { return m_text; }

    // A heading that was read from position `start` to here becomes a
    // chapter, titled by its text. A heading inside another one ends first
    // but starts later: the list stays in text order all the same.
    void addChapter(Document &doc, qsizetype start, int level) const
    {
        const QString title = m_text.mid(start).simplified();
        if (title.isEmpty())
            return;
        const auto later = std::upper_bound(doc.chapters.begin(), doc.chapters.end(), start,
                                            [](qsizetype at, const Document::Chapter &c) { return at < c.start; });
        doc.chapters.insert(later, {title, start, level});
    }

    // The text, without the last paragraph's "\n".
    QString take()
    {
        trimLineEnd();
        while (m_text.endsWith(u'\n'))
            m_text.chop(1);
        m_pendingSpace = false;
        return std::move(m_text);
    }

private:
    bool atLineStart() const { return m_text.isEmpty() || m_text.back() == u'\n' || m_text.back() == u'\t'; }
    void flushSpace()
    {
        if (m_pendingSpace && !atLineStart())
            m_text += u' ';
        m_pendingSpace = false;
    }
    void trimLineEnd()
    {
        while (!m_text.isEmpty() && m_text.back() == u' ')
            m_text.chop(1);
    }

    QString m_text;
    bool m_pendingSpace = false;
    int m_cellDepth = 0;
    QList<bool> m_rowHasCell;  // of each open row: a cell has begun
    qsizetype m_prefixEnd = -1;
};
