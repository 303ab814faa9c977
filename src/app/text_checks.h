// Texts the user types that the data file could not give back as typed, and
// the messages that refuse them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirevo {

// "<field>中含有无法用GBK编码保存的字符,…": the one refusal of a typed text that
// GBK cannot hold (the window hands such a text over as nullopt).
std::string NotGbkMessage(std::string_view fieldLabel);

// The refusal of a typed text for the field named fieldLabel ("名称", ...),
// or nullopt when the data file can keep it as typed.
std::optional<std::string> CheckTypedText(const std::optional<std::string>& text,
                                          std::string_view fieldLabel);

}  // namespace mirevo
