#pragma once

#include <QChar>
#include <QString>
#include <algorithm>

// Positions in a text as UTF-16 units (QString's) and as byte offsets into
// its UTF-8, both ways. Word positions come in text order, so a cursor walks
// the text once; a position before the cursor starts it again.
class Utf8Offsets
{
public:
    // The byte offset into text's UTF-8 of the UTF-16 position.
    qint64 toUtf8(const QString &text, qsizetype position)
    {
        position = std::clamp<qsizetype>(position, 0, text.size());
        if (position < m_utf16At)
            m_utf16At = m_utf8At = 0;
        while (m_utf16At < position)
            step(text);
        return m_utf8At;
    }

    // The UTF-16 position of the byte offset into text's UTF-8; an offset
    // inside a character's bytes gives the character after it.
    qsizetype toUtf16(const QString &text, qint64 byteOffset)
    {
        if (byteOffset < m_utf8At)
            m_utf16At = m_utf8At = 0;
        while (m_utf8At < byteOffset && m_utf16At < text.size())
            step(text);
        return m_utf16At;
    }

private:
    // Past one character: a surrogate pair is one character of four bytes.
    void step(const QString &text)
    {
        const char16_t c = text.at(m_utf16At).unicode();
        const bool pair = QChar::isHighSurrogate(c) && m_utf16At + 1 < text.size()
                          && text.at(m_utf16At + 1).isLowSurrogate();
        m_utf8At += pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        m_utf16At += pair ? 2 : 1;
    }

    qsizetype m_utf16At = 0;
    qint64 m_utf8At = 0;
};
