#pragma once

#include <QString>
#include <QTest>
#include <utility>

namespace pendara::testing {

// Names the case a loop is on: when a check inside the loop fails, the log says which case it
// was, as the check's own message names only the line.
class CaseTrace {
public:
    explicit CaseTrace(QString what) : what_(std::move(what)) {}
    CaseTrace(const CaseTrace&) = delete;
    CaseTrace& operator=(const CaseTrace&) = delete;
    ~CaseTrace() {
        if (QTest::currentTestFailed()) qWarning("   in case: %s", qPrintable(what_));
    }

private:
    QString what_;
};

}  // namespace pendara::testing
