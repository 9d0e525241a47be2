// Pendara: builds and reworks plain-text lists, one item per line.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <csignal>
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/translations.h"
#include "os/home_folder.h"
#include "platform/linux_settings_store.h"
#include "platform/system_messages.h"
#include "platform/system_status.h"
#include "platform/temp_folder.h"
#include "version.h"
#include "window/folder_memory_dialogs.h"
#include "window/glyphs.h"
#include "window/qt_dialogs.h"

int main(int argc, char* argv[]) {
    // A write past the file-size limit fails as a write error instead of killing the program
    // with the unsaved list; the file writer holds the signal back as well.
    std::signal(SIGXFSZ, SIG_IGN);

    // Read before the window system starts, so --help and --version work without a display.
    const pendara::CommandLine commandLine =
        pendara::ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    switch (commandLine.action) {
        case pendara::CommandLine::Action::Help:
            std::fputs(pendara::HelpText().c_str(), stdout);
            return 0;
        case pendara::CommandLine::Action::Version:
            std::printf("pendara %s\n", pendara::kVersion);
            return 0;
        case pendara::CommandLine::Action::Usage:
            std::fprintf(stderr, "%s\n", pendara::UsageHint(commandLine.badOption).c_str());
            return 2;
        case pendara::CommandLine::Action::Run:
            break;
    }

    QApplication application(argc, argv);
    // No display name: Qt would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("Pendara"));
    QApplication::setApplicationVersion(QString::fromUtf8(pendara::kVersion));
    QApplication::setWindowIcon(pendara::ApplicationIcon());
    // The user's language for the window's texts and for Qt's own buttons and dialogs.
    pendara::InstallTranslations(application, QLocale::system(),
                                 pendara::ProgramTranslationFolders());
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
    // The forms' face everywhere, message boxes, dialogs and grids included.
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    pendara::QtDialogs qtDialogs;
    const std::unique_ptr<pendara::SettingsStore> settings = pendara::MakeLinuxSettingsStore();
    pendara::FolderMemoryDialogs dialogs(qtDialogs, settings.get(),
                                         QFile::decodeName(pendara::HomeFolder().c_str()));
    const std::unique_ptr<pendara::SystemStatus> status = pendara::MakeLinuxSystemStatus();
    pendara::Services services;
    services.dialogs = &dialogs;
    services.systemStatus = status.get();
    const std::unique_ptr<pendara::TempFolder> tempFolder = pendara::MakeLinuxTempFolder();
    services.tempFolder = tempFolder.get();
    services.settings = settings.get();
    const std::unique_ptr<pendara::MessageSource> messages = pendara::MakeSystemMessageSource();
    services.messages = messages.get();
    services.screenFit = pendara::ScreenFit::ShrinkToScreen;

    pendara::TPDFrm window(services);
    window.show();
    // The first file goes into this window's Main List, each further one into a window of its own.
    for (std::size_t i = 0; i < commandLine.files.size(); ++i) {
        const QString path =
            QFileInfo(QFile::decodeName(commandLine.files[i].c_str())).absoluteFilePath();
        (i == 0 ? window : window.openWindow()).loadList(path);
    }
    return QApplication::exec();
}
