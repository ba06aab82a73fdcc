#include "documents/save_types.h"

#include <QCoreApplication>

namespace SaveTypes {

const QStringList &filters()
{
    static const QStringList list = {QCoreApplication::translate("SaveTypes", "Rich Text File(*.rtf)"),
                                     QCoreApplication::translate("SaveTypes", "Text File(*.txt)"),
                                     QCoreApplication::translate("SaveTypes", "MP3 File (*.mp3)"),
                                     QCoreApplication::translate("SaveTypes", "Audiobook, a file per chapter (*)"),
                                     QCoreApplication::translate("SaveTypes", "MP3 with chapter marks (*.mp3)"),
                                     QCoreApplication::translate("SaveTypes", "M4B audiobook with chapters (*.m4b)"),
                                     QCoreApplication::translate("SaveTypes", "OGG Vorbis (*.ogg)"),
                                     QCoreApplication::translate("SaveTypes", "Opus (*.opus)"),
                                     QCoreApplication::translate("SaveTypes", "FLAC (*.flac)")};
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
    return QCoreApplication::translate("SaveTypes", "%1 is already exist,do you want to overwrite it ?").arg(target);
}

} // namespace SaveTypes
