#pragma once

// What every book reader owes its caller, whatever the bytes: valid UTF-16,
// no text with a failure, chapters inside the text and in text order.
#include "documents/document.h"

#include <cstdlib>

inline void checkDocument(const DocumentResult &result)
{
    const Document &d = result.document;
    if (!d.text.isValidUtf16() || !d.title.isValidUtf16() || !d.author.isValidUtf16())
        std::abort();
    if (!result.ok() && (!d.text.isEmpty() || !d.chapters.isEmpty()))
        std::abort();
    qsizetype previous = 0;
    for (const Document::Chapter &chapter : d.chapters) {
        if (chapter.start < previous || chapter.start > d.text.size() || chapter.level < 1
            || !chapter.title.isValidUtf16())
            std::abort();
        previous = chapter.start;
    }
}
