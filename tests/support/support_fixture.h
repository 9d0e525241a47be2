#pragma once

#include <QApplication>
#include <QTest>
#include <memory>

#include "app/window_fixture.h"
#include "platform/temp_folder.h"
#include "text/failure.h"

namespace pendara::testing {

// Texts as a QStringList, for comparisons.
inline QStringList Strings(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) list << QString::fromUtf8(item);
    return list;
}

// The private temporary folder of a test, with a switch that makes every write fail the way a
// full or unwritable folder does.
class SwitchableTempFolder : public TempFolder {
public:
    explicit SwitchableTempFolder(const QString& folder)
        : real_(MakeLinuxTempFolder(folder.toStdString())) {}
    bool failWrites = false;
    int writes = 0;

    std::string path() const override { return real_->path(); }
    void writeFile(const std::string& name, std::string_view bytes) override {
        ++writes;
        if (failWrites) {
            throw Failure("Cannot create file \"" + path() + name + "\". No space left on device");
        }
        real_->writeFile(name, bytes);
    }
    std::string readFile(const std::string& name) const override { return real_->readFile(name); }

private:
    std::unique_ptr<TempFolder> real_;
};

// A main window whose services include a private temporary folder inside the test's folder.
struct SupportFixture : WindowFixture {
    SwitchableTempFolder temp{path(QStringLiteral("private"))};

    SupportFixture() { services.tempFolder = &temp; }

    template <typename T>
    T* child(const char* name) {
        return Child<T>(*window, name);
    }
};

}  // namespace pendara::testing
