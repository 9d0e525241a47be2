#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace pendara {

QStringList ProgramTranslationFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("translations")),
            program.filePath(QStringLiteral("../share/pendara/translations"))};
}

bool InstallTranslations(QCoreApplication& application, const QLocale& locale,
                         const QStringList& folders) {
    // Parented to the application, so they live as long as it and go with it.
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    for (const QString& folder : folders) {
        auto* own = new QTranslator(&application);
        if (own->load(locale, QStringLiteral("pendara"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(own);
            return true;
        }
        delete own;
    }
    return false;
}

}  // namespace pendara
