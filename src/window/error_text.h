#pragma once

#include <string>

namespace pendara {

// The error box's text: the message with a full stop added when its last character comes after
// "." in character order (letters and digits get one; ".", ")" and "!" do not).
std::string WithClosingFullStop(std::string message);

// Every "&" doubled, so data placed in a label or check box shows its ampersands.
std::string EscapeMnemonics(const std::string& text);

}  // namespace pendara
