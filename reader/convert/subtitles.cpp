#include "convert/subtitles.h"

#include "files/atomic_file.h"
#include "text/sentence_spans.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace Subtitles {

namespace {

// Two lines of about 42 characters, the usual limit of a subtitle.
constexpr qsizetype kCueChars = 84;

// h:mm:ss plus milliseconds, with the separator each format wants.
QString clock(double seconds, QChar fraction)
{
    const qint64 ms = qint64(std::llround(std::max(0.0, seconds) * 1000.0));
    return QStringLiteral("%1:%2:%3%4%5")
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(fraction)
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

// [mm:ss.xx]: minutes run past 59 rather than add hours.
QString lrcClock(double seconds)
{
    const qint64 cs = qint64(std::llround(std::max(0.0, seconds) * 100.0));
    return QStringLiteral("[%1:%2.%3]")
        .arg(cs / 6000, 2, 10, QLatin1Char('0'))
        .arg(cs / 100 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs % 100, 2, 10, QLatin1Char('0'));
}

QString escapedForVtt(QString text)
{
    text.replace(u'&', QStringLiteral("&amp;"));
    text.replace(u'<', QStringLiteral("&lt;"));
    text.replace(u'>', QStringLiteral("&gt;"));
    return text;
}

}  // namespace

QList<Span> cueSpans(const QString &text, qsizetype maxChars)
{
    return SentenceSpans::find(text, maxChars);
}

QList<Cue> cues(const QString &text, QList<Mark> marks, double audioSeconds)
{
    std::stable_sort(marks.begin(), marks.end(), [](const Mark &a, const Mark &b) { return a.position < b.position; });
    QList<Cue> result;
    auto mark = marks.cbegin();
    double last = 0;  // the latest start so far: times never go backwards
    for (const Span &piece : cueSpans(text, kCueChars)) {
        const QString words = text.mid(piece.start, piece.end - piece.start).simplified();
        while (mark != marks.cend() && mark->position < piece.start)
            ++mark;
        const bool heard = mark != marks.cend() && mark->position < piece.end;
        if (!heard && !result.isEmpty()) {
            result.last().text += u' ' + words;
            continue;
        }
        Cue cue;
        cue.start = heard ? std::clamp(mark->seconds, last, std::max(last, audioSeconds)) : last;
        last = cue.start;
        cue.text = words;
        result.append(cue);
    }
    for (qsizetype i = 0; i < result.size(); ++i)
        result[i].end = i + 1 < result.size() ? result.at(i + 1).start : std::max(audioSeconds, result.at(i).start);
    return result;
}

bool kindForName(const QString &name, Kind *kind)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == u"srt")
        *kind = Kind::Srt;
    else if (suffix == u"lrc")
        *kind = Kind::Lrc;
    else if (suffix == u"vtt")
        *kind = Kind::WebVtt;
    else
        return false;
    return true;
}

QByteArray write(const QList<Cue> &cues, Kind kind)
{
    Writer writer(kind);
    QByteArray out = writer.add(cues);
    return out + writer.finish();
}

QByteArray Writer::add(const QList<Cue> &cues)
{
    QString out;
    if (!m_started && m_kind == Kind::WebVtt)
        out += QStringLiteral("WEBVTT\n\n");
    m_started = true;
    for (const Cue &cue : cues) {
        switch (m_kind) {
        case Kind::Srt:
            out += QStringLiteral("%1\n%2 --> %3\n%4\n\n")
                       .arg(++m_count)
                       .arg(clock(cue.start, u','), clock(cue.end, u','), cue.text);
            break;
        case Kind::WebVtt:
            out += QStringLiteral("%1 --> %2\n%3\n\n")
                       .arg(clock(cue.start, u'.'), clock(cue.end, u'.'), escapedForVtt(cue.text));
            break;
        case Kind::Lrc:
            out += lrcClock(cue.start) + cue.text + u'\n';
            break;
        }
        m_lastEnd = cue.end;
    }
    return out.toUtf8();
}

QByteArray Writer::finish()
{
    QByteArray out = add({});
    // A line lasts until the next one in LRC: an empty one ends the last.
    if (m_kind == Kind::Lrc && m_lastEnd >= 0)
        out += (lrcClock(m_lastEnd) + u'\n').toUtf8();
    return out;
}

bool readSrt(const QByteArray &file, QList<Cue> *cues)
{
    // "HH:MM:SS,mmm" to seconds; -1 when it is not that.
    const auto seconds = [](QStringView clock) {
        const QStringList parts = clock.trimmed().toString().split(QRegularExpression(QStringLiteral("[:,]")));
        if (parts.size() != 4)
            return -1.0;
        bool ok[4] = {};
        const double value = parts[0].toInt(&ok[0]) * 3600.0 + parts[1].toInt(&ok[1]) * 60.0 + parts[2].toInt(&ok[2])
                             + parts[3].toInt(&ok[3]) / 1000.0;
        return ok[0] && ok[1] && ok[2] && ok[3] ? value : -1.0;
    };
    cues->clear();
    const QStringList blocks = QString::fromUtf8(file).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    for (const QString &block : blocks) {
        const QStringList lines = block.split(u'\n');
        if (lines.size() < 3)
            return false;
        const qsizetype arrow = lines.at(1).indexOf(QStringLiteral(" --> "));
        Cue cue;
        cue.start = arrow < 0 ? -1 : seconds(QStringView(lines.at(1)).first(arrow));
        cue.end = arrow < 0 ? -1 : seconds(QStringView(lines.at(1)).sliced(arrow + 5));
        if (cue.start < 0 || cue.end < 0)
            return false;
        cue.text = lines.mid(2).join(u' ');
        cues->append(cue);
    }
    return true;
}

QString join(const QStringList &parts, const QList<double> &starts, double seconds, const QString &into)
{
    Kind kind = Kind::Srt;
    kindForName(into, &kind);
    Writer writer(kind);
    AtomicFile out(into);
    if (!out.open())
        return out.reason();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QFile part(parts.at(i));
        QList<Cue> cues;
        if (!part.open(QIODevice::ReadOnly) || !readSrt(part.readAll(), &cues))
            return QCoreApplication::translate("Convert", "the subtitles of a part cannot be read");
        for (Cue &cue : cues) {
            cue.start += starts.value(i);
            cue.end += starts.value(i);
        }
        // The last cue lasts as long as the sound.
        if (i == parts.size() - 1 && !cues.isEmpty())
            cues.last().end = std::max(cues.last().end, seconds);
        if (!out.write(writer.add(cues)))
            return out.reason();
    }
    if (!out.write(writer.finish()) || !out.commit())
        return out.reason();
    return {};
}

}  // namespace Subtitles
