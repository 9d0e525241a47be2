#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "app/fake_system_status.h"
#include "app/main_window.h"
#include "platform/temp_folder.h"
#include "window/case_trace.h"
#include "window/scripted_dialogs.h"
#include "window/services.h"

namespace pendara::testing {

// Writes `bytes` to `path`, replacing what it held.
inline void Spit(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

// The bytes of the file at `path`; empty when there is none.
inline QByteArray Slurp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The control called `name` below `root`; a test that names a missing control stops at once.
template <typename T = QWidget>
T* Child(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

// A main window wired to scripted dialogs and a fake status, with a temporary folder for files.
// Later services join through `services` before the window is made.
struct WindowFixture {
    ScriptedDialogs dialogs;
    FakeSystemStatus status;
    Services services;
    QTemporaryDir folder;
    std::unique_ptr<TempFolder> tempFolder =
        MakeLinuxTempFolder(path(QStringLiteral("temp")).toStdString());
    std::unique_ptr<TPDFrm> window;

    WindowFixture() {
        services.dialogs = &dialogs;
        services.systemStatus = &status;
        services.tempFolder = tempFolder.get();
    }
    TPDFrm& make() {
        window = std::make_unique<TPDFrm>(services);
        return *window;
    }
    QString path(const QString& name) const { return folder.filePath(name); }
};

}  // namespace pendara::testing
