// Pendara: builds and reworks plain-text lists, one item per line.
#include <QApplication>
#include <QFont>
#include <csignal>

#include "app/glyphs.h"
#include "app/main_window.h"
#include "app/qt_dialogs.h"
#include "platform/linux_settings_store.h"
#include "platform/system_messages.h"
#include "platform/system_status.h"
#include "platform/temp_folder.h"
#include "version.h"

int main(int argc, char* argv[]) {
    // A write past the file-size limit fails as a write error instead of killing the program
    // with the unsaved list; the file writer holds the signal back as well.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pendara"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pendara"));
    QApplication::setApplicationVersion(QString::fromUtf8(pendara::kVersion));
    QApplication::setWindowIcon(pendara::ApplicationIcon());
    // The forms name the classic Windows faces; elsewhere use metric-compatible ones, since the
    // usual fallback is much wider and would cut captions short.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("Nimbus Mono PS")});

    pendara::QtDialogs dialogs;
    const std::unique_ptr<pendara::SystemStatus> status = pendara::MakeLinuxSystemStatus();
    pendara::Services services;
    services.dialogs = &dialogs;
    services.systemStatus = status.get();
    const std::unique_ptr<pendara::TempFolder> tempFolder = pendara::MakeLinuxTempFolder();
    services.tempFolder = tempFolder.get();
    const std::unique_ptr<pendara::SettingsStore> settings = pendara::MakeLinuxSettingsStore();
    services.settings = settings.get();
    const std::unique_ptr<pendara::MessageSource> messages = pendara::MakeSystemMessageSource();
    services.messages = messages.get();

    pendara::TPDFrm window(services);
    window.show();
    return QApplication::exec();
}
