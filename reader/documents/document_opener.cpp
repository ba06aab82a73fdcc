#include "documents/document_opener.h"

#include <QCoreApplication>

namespace DocumentOpener {

const QStringList &filters()
{
    static const QStringList list = {
        QCoreApplication::translate("DocumentOpener", "Rich Text (*.rtf)"),
        QCoreApplication::translate("DocumentOpener", "Text (*.txt)"),
        QCoreApplication::translate("DocumentOpener", "Documents (*.pdf *.epub *.docx *.odt *.html *.htm)"),
        QCoreApplication::translate("DocumentOpener", "All readable files (*.rtf *.txt *.pdf *.epub *.docx *.odt *.html *.htm *.xhtml)"),
    };
    return list;
}

QString initialFilter(const QString &openExt)
{
    // openExt holds a name's last four characters: ".pdf", "epub", "html".
    static const QStringList documents = {QStringLiteral(".pdf"), QStringLiteral("epub"), QStringLiteral("docx"),
                                          QStringLiteral(".odt"), QStringLiteral("html"), QStringLiteral(".htm")};
    if (openExt == QLatin1String(".rtf"))
        return filters().at(0);
    if (documents.contains(openExt.toLower()))
        return filters().at(2);
    return filters().at(1);
}

QString openExtFor(const QString &path)
{
    return path.trimmed().right(4);
}

QString openDirFor(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

}  // namespace DocumentOpener
