#pragma once

#include <memory>
#include <string>

#include "platform/message_source.h"

namespace pendara {

// The C library's text for an error number, with blanks, control characters and periods taken
// off its end. A number the library has no text for, and a text of 256 bytes or more, give "".
std::string SystemMessageText(int code);

// A MessageSource over SystemMessageText.
std::unique_ptr<MessageSource> MakeSystemMessageSource();

}  // namespace pendara
