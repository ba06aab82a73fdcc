#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

// Footnotes and endnotes of a word-processor document, numbered in the order
// they are referenced: "[1]" in the body, and after it each note as
// "[1]\tIts text." on a line of its own, as the RTF reader places them.
class OfficeNotes
{
public:
    // The reference mark for the next note ("[3]").
    QString reference(const QString &text)
    {
        m_notes.append(text.trimmed());
        return QStringLiteral("[%1]").arg(m_notes.size());
    }
    void appendTo(QString &body) const
    {
        if (m_notes.isEmpty())
            return;
        body += u"\n\n";
        for (qsizetype i = 0; i < m_notes.size(); ++i) {
            if (i > 0)
                body += u'\n';
            body += QStringLiteral("[%1]\t").arg(i + 1) + m_notes[i];
        }
    }

private:
    QList<QString> m_notes;
};

// The text of the first element with that local name in a word processor's
// document properties (DOCX "docProps/core.xml", ODT "meta.xml"): its title
// or author.
inline QString officeProperty(const QByteArray &properties, QStringView element)
{
    QXmlStreamReader xml(properties);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
            return xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
    return {};
}
