#include "documents/pdf_text.h"

#include <QCoreApplication>

#include <poppler/qt6/poppler-qt6.h>

#include <QHash>
#include <QRectF>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Line
{
    QString text;
    QRectF box;
    qsizetype cellStart = 0;  // where the text of its last table cell starts
    bool cells = false;       // a row of a table: cells apart
};

using Page = QList<Line>;

// Poppler reports every oddity of a damaged file on stderr; the reader says
// what matters itself.
void silencePoppler()
{
    static std::once_flag once;
    std::call_once(once, [] { Poppler::setDebugErrorFunction([](const QString &, const QVariant &) {}, QVariant()); });
}

QString expandLigatures(QString text)
{
    static const char16_t *const forms[] = {u"ff", u"fi", u"fl", u"ffi", u"ffl", u"ft", u"st"};
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0xFB00 && c <= 0xFB06)
            text.replace(i, 1, QString::fromUtf16(forms[c - 0xFB00]));
    }
    return text;
}

bool sameBaseline(const QRectF &left, const QRectF &right)
{
    const double overlap = std::min(left.bottom(), right.bottom()) - std::max(left.top(), right.top());
    return right.left() >= left.right() && overlap > 0.6 * std::min(left.height(), right.height());
}

constexpr QChar NoteMarkStart = QChar(0xE000);
constexpr QChar NoteMarkEnd = QChar(0xE001);

// A small number set above the words before it: a footnote's mark.
bool isRaisedNumber(const QString &word, const QRectF &box, const QRectF &previous)
{
    static const QRegularExpression number(QStringLiteral("^\\d{1,3}$"));
    return !previous.isNull() && box.height() < 0.75 * previous.height()
        && box.bottom() < previous.bottom() - 0.2 * previous.height() && number.match(word).hasMatch();
}

// A gap this many line heights wide between two words of one line parts
// two cells of a table: far wider than any blank of justified text, which
// stays under about one.
constexpr double CellGap = 2.0;

// What stands at the start of a line before a wide gap without being a
// cell of its own: a heading's or a note's number, a list's mark.
bool isNumberOrMark(QStringView text)
{
    static const QRegularExpression mark(QStringLiteral("^(\\(?([0-9.]+|[ivxlcdm]+|[a-zA-Z])[.)]?|\\W)$"));
    return mark.match(text.trimmed()).hasMatch();
}

// Adds `next`, which stands `gap` to the right of the line's last word.
// Cells of a row are kept apart as the other readers keep them, by a tab,
// after a semicolon, so that they are heard as phrases of their own and
// not as one long sentence.
void addAcross(Line &line, const QString &next, double gap, double height)
{
    while (line.text.endsWith(u' '))
        line.text.chop(1);
    const auto apart = [&] {
        const QStringView cell = QStringView(line.text).mid(line.cellStart);
        return !cell.trimmed().isEmpty() && !(line.cellStart == 0 && isNumberOrMark(cell));
    };
    if (gap > CellGap * height && apart()) {
        if (!line.text.back().isPunct())
            line.text += u';';
        line.text += u'\t';
        line.cellStart = line.text.size();
        line.cells = true;
    } else if (!line.text.isEmpty()) {
        line.text += u' ';
    }
    line.text += next;
}

// The lines of one page in reading order: poppler links the words of a
// line, so a word without a next one ends its line.
Page readPage(const Poppler::Page &page)
{
    Page lines;
    Line line;
    QRectF previous;
    for (const auto &word : page.textList()) {
        const QRectF box = word->boundingBox();
        if (!line.text.isEmpty() && !line.text.endsWith(u' ') && isRaisedNumber(word->text(), box, previous)) {
            // A footnote's mark, kept apart until the page shows whether
            // it has that note.
            line.text += NoteMarkStart + word->text() + NoteMarkEnd;
        } else if (!line.text.isEmpty() && !previous.isNull() && word->text() != QLatin1String(" ")) {
            addAcross(line, word->text(), box.left() - previous.right(), std::min(box.height(), previous.height()));
            previous = box;
        } else {
            if (!line.text.isEmpty() && !line.text.endsWith(u' ') && word->text() != QLatin1String(" "))
                line.text += u' ';
            line.text += word->text();
            previous = box;
        }
        if (word->hasSpaceAfter())
            line.text += u' ';
        line.box = line.box.isNull() ? box : line.box.united(box);
        if (!word->nextWord()) {
            line.text = expandLigatures(line.text.trimmed());
            if (line.text.isEmpty()) {
            } else if (!lines.isEmpty() && sameBaseline(lines.back().box, line.box)) {
                // A wide gap (after a heading's number, between tab stops,
                // between the cells of a table) splits one line in two.
                Line &left = lines.back();
                addAcross(left, line.text, line.box.left() - left.box.right(),
                          std::min(left.box.height(), line.box.height()));
                if (line.cells) {
                    left.cells = true;
                    left.cellStart = left.text.size() - line.text.size() + line.cellStart;
                }
                left.box = left.box.united(line.box);
            } else {
                lines.append(line);
            }
            line = {};
            previous = {};
        }
    }
    if (!line.text.trimmed().isEmpty()) {
        line.text = expandLigatures(line.text.trimmed());
        lines.append(line);
    }
    return lines;
}

// A running header or footer varies only in its page number: "Page 3 of
// 12", "- 4 -", "Chapter 2 · 17" all become the same key from page to page.
QString runningKey(const QString &text)
{
    static const QRegularExpression numbers(QStringLiteral("\\d+"));
    static const QRegularExpression roman(QStringLiteral("^[ivxlcdm]+$"));
    QString key = text.simplified().toLower();
    key.replace(numbers, QStringLiteral("#"));
    if (roman.match(key).hasMatch())
        key = QStringLiteral("#");
    return key;
}

double medianLineHeight(const QList<Page> &pages)
{
    QList<double> heights;
    for (const Page &page : pages)
        for (const Line &line : page)
            heights.append(line.box.height());
    if (heights.isEmpty())
        return 10;
    std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
    return std::max(1.0, heights[heights.size() / 2]);
}

// Leaves out the lines at the top or bottom of a page whose key recurs at
// the same edge on a good share of the pages (alternating left and right
// headers each recur on about half). Only lines set apart from the body by
// a gap wider than a line count: a page's first line of text is not a
// header, however alike the pages. A page's very first or last line needs
// no gap where such a line stands at the same height on the other pages: a
// word processor may set its footer close under the footnotes.
void dropRunningLines(QList<Page> &pages, double h)
{
    const qsizetype count = std::count_if(pages.cbegin(), pages.cend(), [](const Page &p) { return !p.isEmpty(); });
    if (count < 2)
        return;
    constexpr qsizetype EdgeLines = 2;
    const double gap = 0.9 * h;
    QList<QList<qsizetype>> tops, bottoms;
    QHash<QString, int> topCount, bottomCount;
    QHash<QString, QList<double>> topAt, bottomAt;  // where each counted line stands
    for (const Page &page : pages) {
        QList<qsizetype> order(page.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](qsizetype a, qsizetype b) { return page[a].box.top() < page[b].box.top(); });
        const auto box = [&](qsizetype k) { return page[order[k]].box; };
        const qsizetype n = order.size();
        QList<qsizetype> top, bottom;
        for (qsizetype k = std::min(EdgeLines, n - 1) - 1; k >= 0; --k) {
            if (box(k + 1).top() - box(k).bottom() > gap) {
                top = order.first(k + 1);
                break;
            }
        }
        for (qsizetype k = std::min(EdgeLines, n - 1) - 1; k >= 0; --k) {
            if (box(n - 1 - k).top() - box(n - 2 - k).bottom() > gap) {
                bottom = order.last(k + 1);
                break;
            }
        }
        QSet<QString> seenTop, seenBottom;
        for (qsizetype i : top) {
            seenTop.insert(runningKey(page[i].text));
            topAt[runningKey(page[i].text)].append(page[i].box.top());
        }
        for (qsizetype i : bottom) {
            seenBottom.insert(runningKey(page[i].text));
            bottomAt[runningKey(page[i].text)].append(page[i].box.top());
        }
        for (const QString &k : seenTop)
            ++topCount[k];
        for (const QString &k : seenBottom)
            ++bottomCount[k];
        tops.append(top);
        bottoms.append(bottom);
    }
    const int needed = std::max<int>(2, int(std::ceil(double(count) * 0.4)));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QList<qsizetype> drop;
        for (qsizetype i : tops[p])
            if (topCount.value(runningKey(pages[p][i].text)) >= needed)
                drop.append(i);
        for (qsizetype i : bottoms[p])
            if (bottomCount.value(runningKey(pages[p][i].text)) >= needed)
                drop.append(i);
        const auto standsAsOthers = [&](qsizetype i, const QHash<QString, int> &counts,
                                        const QHash<QString, QList<double>> &at) {
            const QString key = runningKey(pages[p][i].text);
            const double y = pages[p][i].box.top();
            return counts.value(key) >= needed
                && std::any_of(at[key].cbegin(), at[key].cend(), [&](double t) { return std::abs(t - y) < 0.5 * h; });
        };
        if (pages[p].size() > 1) {
            const auto byTop = [&](qsizetype a, qsizetype b) { return pages[p][a].box.top() < pages[p][b].box.top(); };
            QList<qsizetype> order(pages[p].size());
            std::iota(order.begin(), order.end(), 0);
            const qsizetype first = *std::min_element(order.cbegin(), order.cend(), byTop);
            const qsizetype last = *std::max_element(order.cbegin(), order.cend(), byTop);
            if (standsAsOthers(first, topCount, topAt))
                drop.append(first);
            if (standsAsOthers(last, bottomCount, bottomAt))
                drop.append(last);
        }
        std::sort(drop.begin(), drop.end());
        drop.erase(std::unique(drop.begin(), drop.end()), drop.end());
        for (auto it = drop.crbegin(); it != drop.crend(); ++it)
            pages[p].removeAt(*it);
    }
}

// The right edge of the text column a line belongs to: the furthest right
// any line starting near it reaches.
double columnRight(const Page &page, const Line &line, double h)
{
    double right = line.box.right();
    for (const Line &other : page)
        if (std::abs(other.box.left() - line.box.left()) < 3 * h)
            right = std::max(right, other.box.right());
    return right;
}

bool isHyphen(QChar c)
{
    return c == u'-' || c == QChar(0x2010) || c == QChar(0x00AD);
}

// Adds `line` to the paragraph that `text` ends with.
void joinLine(QString &text, const QString &line)
{
    const qsizetype n = text.size();
    if (n >= 2 && isHyphen(text.at(n - 1)) && text.at(n - 2).isLetter() && !line.isEmpty() && line.at(0).isLower()) {
        text.chop(1);
        text += line;
    } else if (n >= 1 && text.at(n - 1) == QChar(0x00AD)) {
        text.chop(1);
        text += line;
    } else {
        text += u' ';
        text += line;
    }
}

struct Note
{
    QString mark;
    QString text;
};

// Takes the footnotes out of a page's lines: the lines at its foot in a
// smaller type, set apart from the body, each note beginning with its
// number, which the body above marks. A listener hears them after the
// whole text, as the word-processor readers place them, not in the middle
// of a sentence running over the page.
QList<Note> takeNotes(Page &page, double h)
{
    const qsizetype n = page.size();
    QList<qsizetype> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return page[a].box.top() < page[b].box.top(); });
    qsizetype k = n;
    while (k > 0 && page[order[k - 1]].box.height() < 0.9 * h)
        --k;
    if (k == n || k == 0 || page[order[k]].box.top() - page[order[k - 1]].box.bottom() < 0.9 * h)
        return {};
    // The block's lines, those on one baseline (a note's number and its
    // text) joined left to right.
    QList<Line> rows;
    for (qsizetype i = k; i < n; ++i) {
        const Line &line = page[order[i]];
        if (!rows.isEmpty()) {
            Line &row = rows.back();
            const double overlap =
                std::min(row.box.bottom(), line.box.bottom()) - std::max(row.box.top(), line.box.top());
            if (overlap > 0.5 * std::min(row.box.height(), line.box.height())) {
                row.text = line.box.left() < row.box.left() ? line.text + u' ' + row.text : row.text + u' ' + line.text;
                row.box = row.box.united(line.box);
                continue;
            }
        }
        rows.append(line);
    }
    static const QRegularExpression numbered(QStringLiteral("^(\\d{1,3})\\s+(\\S.*)$"));
    QList<Note> notes;
    QString body;
    for (qsizetype i = 0; i < k; ++i)
        body += page[order[i]].text;
    for (const Line &row : rows) {
        const auto match = numbered.match(row.text);
        if (match.hasMatch())
            notes.append({match.captured(1), match.captured(2)});
        else if (notes.isEmpty())
            return {};
        else
            joinLine(notes.back().text, row.text);
    }
    for (const Note &note : notes)
        if (!body.contains(NoteMarkStart + note.mark + NoteMarkEnd))
            return {};
    QList<qsizetype> taken = order.mid(k);
    std::sort(taken.begin(), taken.end());
    for (auto it = taken.crbegin(); it != taken.crend(); ++it)
        page.removeAt(*it);
    return notes;
}

// A note's mark becomes "[1]" where its note was found, else a number.
QString placeNoteMarks(const QString &line, const QList<Note> &notes)
{
    static const QRegularExpression mark(QStringLiteral("\\x{E000}(\\d+)\\x{E001}"));
    if (!line.contains(NoteMarkStart))
        return line;
    QString text;
    qsizetype from = 0;
    for (const auto &match : mark.globalMatch(line)) {
        text += QStringView(line).mid(from, match.capturedStart() - from);
        const QString number = match.captured(1);
        const bool found = std::any_of(notes.cbegin(), notes.cend(), [&](const Note &n) { return n.mark == number; });
        text += found ? u'[' + number + u']' : u' ' + number;
        from = match.capturedEnd();
    }
    text += QStringView(line).mid(from);
    return text;
}

struct OutlineEntry
{
    QString title;
    int page = 0;  // 0-based
    int level = 1;
};

void collectOutline(const QVector<Poppler::OutlineItem> &items, int level, QList<OutlineEntry> &out)
{
    if (level > 16)
        return;
    for (const Poppler::OutlineItem &item : items) {
        const auto destination = item.destination();
        if (destination && destination->pageNumber() > 0)
            out.append({item.name().simplified(), destination->pageNumber() - 1, level});
        if (item.hasChildren())
            collectOutline(item.children(), level + 1, out);
    }
}

// Poppler's layout analysis takes a few milliseconds a page, so a long book
// is read on all cores, each thread with a document of its own (one
// document must not be used from two threads).
QList<Page> readPages(const Poppler::Document &pdf, const QByteArray &bytes, int pageCount)
{
    QList<Page> pages(pageCount);
    const auto readRange = [&pages](const Poppler::Document &document, int first, int step) {
        for (int i = first; i < pages.size(); i += step)
            if (const std::unique_ptr<Poppler::Page> page = document.page(i))
                pages[i] = readPage(*page);
    };
    constexpr int PagesPerThread = 32;
    const int threads = std::clamp(std::min(int(std::thread::hardware_concurrency()), pageCount / PagesPerThread), 1, 8);
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t) {
        workers.emplace_back([&, t] {
            if (const std::unique_ptr<Poppler::Document> own = Poppler::Document::loadFromData(bytes))
                readRange(*own, t, threads);
        });
    }
    readRange(pdf, 0, threads);
    for (std::thread &worker : workers)
        worker.join();
    return pages;
}

}  // namespace

namespace PdfText {

qint64 largestObjectNumber(QByteArrayView bytes)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\0'; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    qint64 largest = -1;
    for (qsizetype at = bytes.indexOf("obj"); at >= 0; at = bytes.indexOf("obj", at + 3)) {
        // Back over "N G " before the keyword.
        qsizetype i = at;
        const auto blanks = [&] {
            const qsizetype end = i;
            while (i > 0 && isBlank(bytes[i - 1]))
                --i;
            return i < end;
        };
        const auto digits = [&] {
            const qsizetype end = i;
            while (i > 0 && isDigit(bytes[i - 1]))
                --i;
            return i < end;
        };
        if (!blanks() || !digits() || !blanks())
            continue;
        const qsizetype numberEnd = i;
        if (!digits())
            continue;
        qint64 number = 0;
        for (qsizetype d = i; d < numberEnd && number <= MaxObjectNumber; ++d)
            number = number * 10 + (bytes[d] - '0');
        largest = std::max(largest, std::min(number, MaxObjectNumber + 1));
    }
    return largest;
}

bool namesMoreObjectsThanItHolds(QByteArrayView bytes)
{
    const qint64 room = std::max<qint64>(1'000'000, 16 * qint64(bytes.size()));
    return largestObjectNumber(bytes) > room;
}

DocumentResult read(const QByteArray &bytes)
{
    silencePoppler();
    if (namesMoreObjectsThanItHolds(bytes))
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "the file is damaged (it is not a readable PDF)."));
    const std::unique_ptr<Poppler::Document> pdf = Poppler::Document::loadFromData(bytes);
    if (!pdf)
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "the file is damaged (it is not a readable PDF)."));
    if (pdf->isLocked())
        return DocumentResult::failure(QCoreApplication::translate("DocumentReader", "it is encrypted (protected with a password)."));

    const int pageCount = pdf->numPages();
    QList<Page> pages = readPages(*pdf, bytes, pageCount);
    if (std::all_of(pages.cbegin(), pages.cend(), [](const Page &p) { return p.isEmpty(); }))
        return DocumentResult::failure(
            pageCount == 0 ? QCoreApplication::translate("DocumentReader", "the PDF has no pages.")
                           : QCoreApplication::translate("DocumentReader", "it has no text to read: its pages are pictures only (a scan?). "
                                            "Text recognition (OCR) would have to turn them into text first."));
    const double h = medianLineHeight(pages);
    dropRunningLines(pages, h);
    QList<Note> notes;
    for (Page &page : pages) {
        QList<Note> found = takeNotes(page, h);
        for (Line &line : page)
            line.text = placeNoteMarks(line.text, found);
        // A raised number inside a note is no mark of its own.
        for (Note &note : found)
            note.text = placeNoteMarks(note.text, {});
        notes += found;
    }
    DocumentResult result;
    QString &text = result.document.text;
    QList<qsizetype> pageStarts;
    const Line *prev = nullptr;
    const Page *prevPage = nullptr;
    for (const Page &page : pages) {
        pageStarts.append(text.size());
        for (const Line &line : page) {
            bool newParagraph = prev == nullptr;
            if (prev) {
                const bool samePage = prevPage == &page;
                const bool sameColumn = std::abs(line.box.left() - prev->box.left()) < 4 * h;
                const bool below = line.box.top() > prev->box.top();
                // A gap wider than the line spacing (a paragraph or a heading).
                if (samePage && below && line.box.top() - prev->box.bottom() > 0.7 * h)
                    newParagraph = true;
                // An indented first line, or a centred line.
                if (sameColumn && line.box.left() - prev->box.left() > 0.8 * h)
                    newParagraph = true;
                // A line ending well short of its column ends its paragraph.
                if (prev->box.right() < columnRight(*prevPage, *prev, h) - 3 * h)
                    newParagraph = true;
                // A table's row stands on a line of its own.
                if (prev->cells || line.cells)
                    newParagraph = true;
            }
            if (newParagraph) {
                if (!text.isEmpty())
                    text += u'\n';
                text += line.text;
            } else {
                joinLine(text, line.text);
            }
            prev = &line;
            prevPage = &page;
        }
    }
    pageStarts.append(text.size());
    for (qsizetype i = 0; i < notes.size(); ++i)
        text += (i == 0 ? QStringLiteral("\n\n[") : QStringLiteral("\n[")) + notes[i].mark + QStringLiteral("]\t")
            + notes[i].text;

    QList<OutlineEntry> outline;
    collectOutline(pdf->outline(), 1, outline);
    for (const OutlineEntry &entry : outline) {
        if (entry.title.isEmpty() || entry.page >= pageCount)
            continue;
        qsizetype start = pageStarts[entry.page];
        // The heading itself, on the page the entry points to: where the
        // title starts its line (after its number, "2.1 "), rather than the
        // same words inside a sentence before it ("without its pauses").
        static const QRegularExpression headingNumber(QStringLiteral("^(\\d+(\\.\\d+)*\\.?\\s+)?$"));
        qsizetype found = -1;
        for (qsizetype at = text.indexOf(entry.title, start, Qt::CaseInsensitive);
             at >= 0 && at < pageStarts[entry.page + 1]; at = text.indexOf(entry.title, at + 1, Qt::CaseInsensitive)) {
            if (found < 0)
                found = at;
            const qsizetype lineStart = text.lastIndexOf(u'\n', at) + 1;
            if (headingNumber.match(QStringView(text).mid(lineStart, at - lineStart)).hasMatch()) {
                found = at;
                break;
            }
        }
        if (found >= 0 && found < pageStarts[entry.page + 1]) {
            const qsizetype lineStart = text.lastIndexOf(u'\n', found) + 1;
            start = std::max(lineStart, start);
        }
        result.document.chapters.append({entry.title, start, entry.level});
    }
    std::stable_sort(result.document.chapters.begin(), result.document.chapters.end(),
                     [](const Document::Chapter &a, const Document::Chapter &b) { return a.start < b.start; });
    result.document.title = pdf->info(QStringLiteral("Title")).simplified();
    result.document.author = pdf->info(QStringLiteral("Author")).simplified();
    return result;
}

}  // namespace PdfText

// The library's one entry point, found by name: C linkage keeps the name
// plain, the types are those of the reader that loads it (built together).
extern "C" Q_DECL_EXPORT void sayora_read_pdf(const QByteArray &bytes, DocumentResult &result)
{
    result = PdfText::read(bytes);
}
