#include "documents/document_saver.h"

#include <QSaveFile>

namespace DocumentSaver {

const QStringList &filters()
{
    static const QStringList list = {QStringLiteral("Rich Text File(*.rtf)"), QStringLiteral("Text File(*.txt)"),
                                     QStringLiteral("MP3 File (*.mp3)")};
    return list;
}

int initialFilter(const QString &saveExt)
{
    if (saveExt == QLatin1String(".rtf"))
        return RichText;
    if (saveExt == QLatin1String(".mp3"))
        return Mp3;
    return Text;
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
    return target + QStringLiteral(" is already exist,do you want to overwrite it ?");
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

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    // QSaveFile::commit() does not check that its buffer reached the disk.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
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
