#include <QCoreApplication>
#include <QTest>

#include "app/window_fixture.h"
#include "platform/linux_settings_store.h"
#include "platform/memory_settings_store.h"
#include "platform/scratch_folder.h"
#include "platform/settings_store.h"

using namespace pendara;
using pendara::testing::MemorySettingsStore;
using pendara::testing::ScratchFolder;
using pendara::testing::WindowFixture;

namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;

struct Start {
    WindowFixture f;
    MemorySettingsStore store;

    Start() { f.services.settings = &store; }
    void flag(std::string text) {
        store.setText(kUser, "Software\\Brantor\\Support", "07", std::move(text));
    }
    QStringList shown() {
        f.make();
        return f.dialogs.modalDialogs;
    }
};

}  // namespace

class StartupStepsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordsThePathAndShowsTheDialogWithoutAFlag() {
        Start s;
        QCOMPARE(s.shown(), QStringList({QStringLiteral("TfrmDonate")}));
        QCOMPARE(QString::fromStdString(ReadRegText(s.store, kUser, "Software\\Brantor", "07")),
                 QCoreApplication::applicationFilePath());
        QCOMPARE(ReadRegText(s.store, kUser, "Software\\Brantor\\Support", "07"), std::string("1"));
        QCOMPARE(s.f.dialogs.errors, QStringList());
    }

    void storedZeroShowsNothing() {
        Start s;
        s.flag("0");
        QCOMPARE(s.shown(), QStringList());
    }

    void nonTextFlagIsReportedAndShowsNothing() {
        Start s;
        s.store.setBinary(kUser, "Software\\Brantor\\Support", "07");
        QCOMPARE(s.shown(), QStringList());
        QCOMPARE(s.f.dialogs.errors, QStringList({QStringLiteral("Invalid data type for '07'")}));
    }

    void failedPathRecordSkipsTheSupportCheck() {
        Start s;
        s.store.readOnly = true;
        QCOMPARE(s.shown(), QStringList());
        QCOMPARE(s.f.dialogs.errors,
                 QStringList({QStringLiteral("Error creating system registry entry.")}));
        QVERIFY(s.f.window->isWindow());
    }

    // Guards against a damaged store reported without saying which file or why.
    void damagedStoreIsNamedWithItsReasonAndKept() {
        ScratchFolder folder;
        const std::string damaged = "[Software\\Brantor]\n\"07\" = text \"/x\"\nbroken\n";
        folder.write("settings.ini", damaged);
        const auto store = MakeLinuxSettingsStore(folder / "settings.ini", XdgEnvironment());
        WindowFixture f;
        f.services.settings = store.get();
        f.make();
        QCOMPARE(f.dialogs.modalDialogs, QStringList());
        QCOMPARE(f.dialogs.errors,
                 QStringList({QStringLiteral("Error creating system registry entry.\n\n") +
                              QString::fromStdString(folder / "settings.ini") +
                              QStringLiteral(": line 3: expected a key line or a value line.")}));
        QCOMPARE(folder.read("settings.ini"), damaged);
    }
};

QTEST_MAIN(StartupStepsTest)
#include "startup_steps_test.moc"
