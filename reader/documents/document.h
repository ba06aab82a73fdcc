#pragma once

#include <QList>
#include <QString>

// A document's text as a listener hears it, with what is known of its
// structure: the chapters (from a table of contents, an outline or the
// headings) let the converter split a book, title and author tag its files.
struct Document
{
    struct Chapter
    {
        QString title;
        qsizetype start = 0;  // offset of the chapter's first character in text
        int level = 1;        // 1 for the top level (a book's chapters, <h1>)
        bool operator==(const Chapter &) const = default;
    };

    QString text;
    QList<Chapter> chapters;  // in text order
    QString title;
    QString author;
    // Decoded from plain text, whose encoding had to be guessed (not a
    // format that names its own, such as RTF, HTML or the book formats).
    bool plainText = false;
};

// The outcome of one format reader: the document, or why there is none
// (a reason that completes "\"name\" could not be opened: ").
struct DocumentResult
{
    Document document;
    QString error;
    bool ok() const { return error.isEmpty(); }

    static DocumentResult failure(const QString &reason)
    {
        DocumentResult r;
        r.error = reason;
        return r;
    }
};
