#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace pendara {

// A failure the user is told about: its message is the program's own text, shown as it stands
// by the window layer's error box (which adds the closing full stop).
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
    // A detail shown below the message, such as the file at fault and why.
    Failure(const std::string& message, std::string detail)
        : std::runtime_error(message), detail_(std::move(detail)) {}
    const std::string& detail() const { return detail_; }

private:
    std::string detail_;
};

// Replaces the first "%s" or "%d" of `pattern` by each argument in turn.
std::string FormatMessage(std::string pattern, std::initializer_list<std::string> args);

}  // namespace pendara
