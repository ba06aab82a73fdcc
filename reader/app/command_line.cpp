#include "app/command_line.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>
#include <cstdio>

namespace {

enum class Search { Found, NotFound, Failed };

// A directory search for regular files: the last component may hold the
// wildcards * and ?; the folder part is taken literally.
Search findFile(const QString &text, QString *found)
{
    if (text.isEmpty() || text.contains(QChar(0)))
        return Search::Failed;
    const QByteArray encoded = QFile::encodeName(text);
    if (encoded.size() >= PATH_MAX)
        return Search::Failed;
    // A closing separator names a folder, never a file.
    if (text.endsWith(QLatin1Char('/')))
        return Search::NotFound;
    const QFileInfo info(text);
    const QString name = info.fileName();
    if (QFile::encodeName(name).size() > NAME_MAX)
        return Search::Failed;
    if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'))) {
        const QDir folder(info.path());
        const QStringList matches = folder.entryList({name}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        for (const QString &match : matches) {
            const QFileInfo candidate(folder.filePath(match));
            if (candidate.isFile()) {
                *found = candidate.filePath();
                return Search::Found;
            }
        }
        return Search::NotFound;
    }
    if (info.isFile()) {
        *found = text;
        return Search::Found;
    }
    return Search::NotFound;
}

}  // namespace

StartRequest startRequest(const QStringList &arguments)
{
    if (qEnvironmentVariable(textOnStandardInput) != QLatin1String("1"))
        return {argumentText(arguments), StartText::PathOrText};
    qunsetenv(textOnStandardInput);
    QFile input;
    QByteArray bytes;
    if (input.open(stdin, QIODevice::ReadOnly))
        bytes = input.readAll();
    return {QString::fromUtf8(bytes), StartText::TextOnly};
}

QString argumentText(const QStringList &arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

CommandLineKind classifyCommandLine(const QString &text)
{
    // Three tests in order, a later match overwriting an earlier one; a
    // failing search counts as met whatever the length.
    CommandLineKind result;
    QString found;
    const Search search = findFile(text, &found);
    if (search == Search::Failed || (text.size() > 1 && search == Search::Found)) {
        result.kind = QStringLiteral("explorer");
        result.filePath = found;
    }
    if (search == Search::Failed || (text.size() > 1 && search == Search::NotFound)) {
        result.kind = QStringLiteral("internet");
        result.filePath.clear();
    }
    if (text.isEmpty()) {
        result.kind = QStringLiteral("program");
        result.filePath.clear();
    }
    return result;
}

CommandLineKind classifyText(const QString &text)
{
    CommandLineKind result;
    if (text.size() > 1)
        result.kind = QStringLiteral("internet");
    else if (text.isEmpty())
        result.kind = QStringLiteral("program");
    return result;
}
