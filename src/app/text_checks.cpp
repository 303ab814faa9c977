#include "app/text_checks.h"

namespace mirevo {

bool CanDataFileCarry(std::string_view text) {
  if (!text.empty() && text.front() == ';') return false;
  if (text.find('\0') != std::string_view::npos) return false;
  // The reader ends a value at a ";" that has "=" two bytes after it; no
  // GBK trail byte is ";" or "=", so a byte-wise look is exact.
  for (std::size_t i = 0; i + 2 < text.size(); ++i)
    if (text[i] == ';' && text[i + 2] == '=') return false;
  return true;
}

std::optional<std::string> CheckTypedText(const std::optional<std::string>& text,
                                          std::string_view fieldLabel) {
  std::string label(fieldLabel);
  if (!text) return label + "中含有无法用GBK编码保存的字符,请改用其他写法。";
  if (!CanDataFileCarry(*text))
    return label +
           "不能以\";\"开头,也不能含有\";\"后隔一个字符接\"=\"的写法或空字符,"
           "否则数据文件无法原样保存。请修改。";
  return std::nullopt;
}

}  // namespace mirevo
