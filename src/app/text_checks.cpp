#include "app/text_checks.h"

#include "store/data_file.h"

namespace mirevo {

std::string NotGbkMessage(std::string_view fieldLabel) {
  return std::string(fieldLabel) + "中含有无法用GBK编码保存的字符,请改用其他写法。";
}

std::optional<std::string> CheckTypedText(const std::optional<std::string>& text,
                                          std::string_view fieldLabel) {
  if (!text) return NotGbkMessage(fieldLabel);
  if (!CanDataFileCarry(*text))
    return std::string(fieldLabel) +
           "不能以\";\"开头,也不能含有\";\"后隔一个字符接\"=\"的写法或空字符,"
           "否则数据文件无法原样保存。请修改。";
  return std::nullopt;
}

}  // namespace mirevo
