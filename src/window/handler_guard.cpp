#include "window/handler_guard.h"

#include <QString>
#include <new>

#include "text/failure.h"
#include "window/dialogs.h"
#include "window/error_text.h"

namespace pendara {

void RunGuarded(QWidget* owner, Dialogs& dialogs, const std::function<void()>& handler) {
    std::string message;
    try {
        handler();
        return;
    } catch (const Failure& failure) {
        message = failure.what();
        if (!failure.detail().empty()) {
            message = WithClosingFullStop(message) + "\n\n" + failure.detail();
        }
    } catch (const std::bad_alloc&) {
        message = "Out of memory";
    } catch (const std::exception& error) {
        message = error.what();
    } catch (...) {
        // Whatever was thrown, it must not cross the event loop.
        message = "Unknown error";
    }
    dialogs.error(owner, QString::fromStdString(WithClosingFullStop(message)));
}

}  // namespace pendara
