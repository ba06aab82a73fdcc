#include "documents/document_saver.h"

#include <QCoreApplication>

namespace DocumentSaver {

const QStringList &filters()
{
    static const QStringList list = {QCoreApplication::translate("DocumentSaver", "Rich Text File(*.rtf)"),
                                     QCoreApplication::translate("DocumentSaver", "Text File(*.txt)"),
                                     QCoreApplication::translate("DocumentSaver", "MP3 File (*.mp3)"),
                                     QCoreApplication::translate("DocumentSaver", "Audiobook, a file per chapter (*)"),
                                     QCoreApplication::translate("DocumentSaver", "MP3 with chapter marks (*.mp3)"),
                                     QCoreApplication::translate("DocumentSaver", "M4B audiobook with chapters (*.m4b)"),
                                     QCoreApplication::translate("DocumentSaver", "OGG Vorbis (*.ogg)"),
                                     QCoreApplication::translate("DocumentSaver", "Opus (*.opus)"),
                                     QCoreApplication::translate("DocumentSaver", "FLAC (*.flac)")};
    return list;
}

QString saveExtFor(Type type)
{
    switch (type) {
    case RichText:
        return QStringLiteral(".rtf");
    case Text:
        return QStringLiteral(".txt");
    case Mp3:
        return QStringLiteral(".mp3");
    case ChapterFiles:
        return QStringLiteral("chapters");
    case MarkedMp3:
        return QStringLiteral("marked.mp3");
    case M4b:
        return QStringLiteral(".m4b");
    case Ogg:
        return QStringLiteral(".ogg");
    case Opus:
        return QStringLiteral(".opus");
    case Flac:
        return QStringLiteral(".flac");
    }
    return QStringLiteral(".txt");
}

int initialFilter(const QString &saveExt)
{
    for (int type = RichText; type <= Flac; ++type) {
        if (saveExt == saveExtFor(Type(type)))
            return type;
    }
    return Text;
}

QString targetFor(const QString &name, Type type)
{
    if (type == ChapterFiles) {
        QString folder = name;
        while (folder.size() > 1 && folder.endsWith(u'/'))
            folder.chop(1);
        return folder;
    }
    const QString extension = type == MarkedMp3 ? QStringLiteral(".mp3") : saveExtFor(type);
    // ".opus" and ".flac" are five characters: the test is of the whole
    // extension, still case-sensitive.
    return name.endsWith(extension) ? name : name + extension;
}

QString cleanName(const QString &name)
{
    QString out = name;
    out.remove(QChar(u'\0'));
    return out.trimmed();
}

QString saveDirFor(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : name.left(slash + 1);
}

QString withExtension(const QString &name, const QString &extension)
{
    return name.right(4) == extension ? name : name + extension;
}

QString overwriteQuestion(const QString &target)
{
    return QCoreApplication::translate("DocumentSaver", "%1 is already exist,do you want to overwrite it ?").arg(target);
}

QByteArray textFile(const QString &text)
{
    return text.toUtf8() + "\r\n";
}

QByteArray richTextFile(const QString &text)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}\r\n\\f0 ";
    out.reserve(out.size() + text.size() * 2 + 8);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\n') {
            out += "\\par\r\n";
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == '\r') {
            // Line ends come as "\n" alone; a stray CR is no break.
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else {
            // \uN takes a signed 16-bit number; surrogates go one by one.
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    // Every paragraph ends in a mark, the last one too: a reader drops the
    // final mark, so a text ending in a line break keeps it.
    out += "\\par\r\n}\r\n";
    return out;
}

QString exportText(const QString &boxText)
{
    return boxText.trimmed();
}

qint64 estimateTextLength(const QString &exportText)
{
    QString text = exportText;
    return text.replace(QStringLiteral("  "), QString()).size();
}

double estimateWaveSize(qint64 textLength, int rate, int sampleRate)
{
    const double voice = sampleRate > 0 ? double(sampleRate) / estimateSampleRate : 1.0;
    return (29.0 / std::max(rate, 1)) * (double(textLength) / 10000.0 * 24844076.0) / 50.0 * voice;
}

double longestWaveBytes(qint64 textLength, int wordsPerMinute, int sampleRate)
{
    const double charactersPerSecond = std::max(wordsPerMinute, 1) * 5.0 / 60.0;
    return double(textLength) / charactersPerSecond * 2.0 * std::max(sampleRate, 1);
}

double estimateMp3Size(qint64 waveBytes)
{
    return double(waveBytes) / 24844076.0 * 2253740.0 / 50.0;
}

QString FormatElapsed(qint64 seconds)
{
    auto two = [](qint64 n) { return (QStringLiteral("0") + QString::number(n)).right(2); };
    return two(seconds / 3600) + QLatin1Char(':') + two((seconds / 60) % 60) + QLatin1Char(':') + two(seconds % 60);
}

} // namespace DocumentSaver
