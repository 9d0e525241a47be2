#include "window/handler_guard.h"

#include <QCoreApplication>
#include <QString>
#include <new>

#include "text/failure.h"
#include "window/dialogs.h"
#include "window/error_text.h"

namespace pendara {

namespace {

// A message the program wrote whole is shown in the user's language; one with data in it (a
// file name, the system's reason) has no catalogue entry and stays as it is.
std::string Translated(const char* message) {
    return QCoreApplication::translate("pendara::Failure", message).toStdString();
}

}  // namespace

void RunGuarded(QWidget* owner, Dialogs& dialogs, const std::function<void()>& handler) {
    std::string message;
    try {
        handler();
        return;
    } catch (const Failure& failure) {
        message = Translated(failure.what());
        if (!failure.detail().empty()) {
            message = WithClosingFullStop(message) + "\n\n" + failure.detail();
        }
    } catch (const std::bad_alloc&) {
        message = Translated(QT_TRANSLATE_NOOP("pendara::Failure", "Out of memory"));
    } catch (const std::exception& error) {
        message = error.what();
    } catch (...) {
        // Whatever was thrown, it must not cross the event loop.
        message = Translated(QT_TRANSLATE_NOOP("pendara::Failure", "Unknown error"));
    }
    dialogs.error(owner, QString::fromStdString(WithClosingFullStop(message)));
}

}  // namespace pendara
