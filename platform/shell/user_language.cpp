#include "shell/user_language.h"

#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QLocale &chosenLanguage()
{
    static QLocale language(QLocale::English);
    return language;
}

}  // namespace

QString translationsFolder()
{
    return programFile(QStringLiteral("translations"));
}

QLocale installTranslations()
{
    const QLocale english(QLocale::English);
    for (const QString &name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return english;
        // Owned by the application, which lives as long as the texts.
        auto *ours = new QTranslator(QCoreApplication::instance());
        if (!ours->load(language, QStringLiteral("sayora"), QStringLiteral("_"), translationsFolder())) {
            delete ours;
            continue;
        }
        QCoreApplication::installTranslator(ours);
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        chosenLanguage() = language;
        return language;
    }
    return english;
}

QString translatedProgramFile(const QString &name)
{
    const QLocale &language = chosenLanguage();
    if (language.language() != QLocale::English) {
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString base = dot < 0 ? name : name.left(dot);
        const QString extension = dot < 0 ? QString() : name.mid(dot);
        // From the most particular name to the language alone:
        // zh-Hans-CN, zh-CN, zh.
        const QStringList tags = language.uiLanguages() + QStringList{language.name(), QLocale::languageToCode(language.language())};
        for (QString tag : tags) {
            const QString path = programFile(base + u'_' + tag.replace(u'-', u'_') + extension);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return programFile(name);
}
