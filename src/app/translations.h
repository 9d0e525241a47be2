#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace pendara {

// The folders a translation catalogue is looked for in, first found wins: `translations` beside
// the program (the build tree) and `../share/pendara/translations` from it (an installed copy).
QStringList ProgramTranslationFolders();

// Installs on `application` the program's catalogue pendara_<language>.qm for `locale` (its UI
// languages in order, as QLocale::uiLanguages gives them, so de_AT falls back to de) from the
// first of `folders` that has one, and Qt's own qtbase_<language>.qm from Qt's translations
// folder, so standard buttons and dialogs follow. Either may be missing; English needs neither.
// Example: InstallTranslations(app, QLocale::system(), ProgramTranslationFolders());
// Returns whether the program's catalogue was found. The translators live as long as the
// application.
bool InstallTranslations(QCoreApplication& application, const QLocale& locale,
                         const QStringList& folders);

}  // namespace pendara
