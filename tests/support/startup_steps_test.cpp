#include <QCoreApplication>
#include <QTest>

#include "app/window_fixture.h"
#include "platform/memory_settings_store.h"
#include "platform/settings_store.h"

using namespace pendara;
using pendara::testing::MemorySettingsStore;
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
};

QTEST_MAIN(StartupStepsTest)
#include "startup_steps_test.moc"
