#include "shell/user_language.h"

#include "shell/program_folder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

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
        return language;
    }
    return english;
}
