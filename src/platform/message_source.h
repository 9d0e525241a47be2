#pragma once

#include <string>

namespace pendara {

// Where the error message texts come from: the system's message table in the program, a table
// of its own in tests.
class MessageSource {
public:
    virtual ~MessageSource() = default;
    // The text for `code`, or "" when there is none.
    virtual std::string messageText(int code) = 0;
};

}  // namespace pendara
