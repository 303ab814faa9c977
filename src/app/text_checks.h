// Texts the user types that the data file could not give back as typed, and
// the messages that refuse them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirevo {

// False for a text that the data file cannot carry: one whose first byte is
// ";", one holding ";" followed by any one byte and "=", or one holding a
// zero byte. Such a text would be cut or misread at the next start.
bool CanDataFileCarry(std::string_view text);

// The refusal of a typed text for the field named fieldLabel ("名称", ...),
// or nullopt when the text can be kept. A nullopt text stands for one the
// window could not convert to GBK.
std::optional<std::string> CheckTypedText(const std::optional<std::string>& text,
                                          std::string_view fieldLabel);

}  // namespace mirevo
