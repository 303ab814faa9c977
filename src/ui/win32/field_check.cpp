#include "ui/win32/field_check.h"

#include <cstdint>
#include <limits>

#include "ui/win32/control_text.h"
#include "ui/win32/message_box.h"

namespace mirevo::win32 {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::optional<int> ParseIntegerField(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    // One past INT_MAX is still INT_MIN's magnitude; anything larger is not
    // a 32-bit integer, and stopping here keeps the product from overflowing.
    if (value > static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1) {
      return std::nullopt;
    }
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

FieldValue<std::string> ReadTextField(HWND dialog, int controlId, std::size_t maxBytes) {
  std::optional<std::string> text = ReadItemText(dialog, controlId);
  if (!text) return {FieldStatus::kNotGbk, {}};
  if (text->size() > maxBytes) return {FieldStatus::kTooLong, {}};
  return {FieldStatus::kOk, std::move(*text)};
}

FieldValue<int> ReadIntField(HWND dialog, int controlId, int min, int max) {
  std::optional<std::string> text = ReadItemText(dialog, controlId);
  if (!text) return {FieldStatus::kNotInteger, 0};
  std::optional<int> value = ParseIntegerField(*text);
  if (!value) return {FieldStatus::kNotInteger, 0};
  if (*value < min || *value > max) return {FieldStatus::kOutOfRange, *value};
  return {FieldStatus::kOk, *value};
}

FieldReader& FieldReader::Text(int controlId, std::string& target, std::size_t maxBytes) {
  if (!Ok()) return *this;
  FieldValue<std::string> field = ReadTextField(dialog_, controlId, maxBytes);
  switch (field.status) {
    case FieldStatus::kOk:
      target = std::move(field.value);
      break;
    case FieldStatus::kTooLong:
      Fail(controlId, field.status, TooLongMessage(maxBytes));
      break;
    default:
      Fail(controlId, field.status, NotGbkMessage());
      break;
  }
  return *this;
}

FieldReader& FieldReader::Int(int controlId, int& target, int min, int max) {
  if (!Ok()) return *this;
  FieldValue<int> field = ReadIntField(dialog_, controlId, min, max);
  switch (field.status) {
    case FieldStatus::kOk:
      target = field.value;
      break;
    case FieldStatus::kOutOfRange:
      Fail(controlId, field.status, OutOfRangeMessage(min, max));
      break;
    default:
      Fail(controlId, field.status, NotIntegerMessage());
      break;
  }
  return *this;
}

void FieldReader::Fail(int controlId, FieldStatus status, std::string message) {
  status_ = status;
  failedControl_ = controlId;
  message_ = std::move(message);
}

bool FieldReader::ReportFailure(MessageBoxService& messages) const {
  if (Ok()) return true;
  messages.Show(dialog_, message_, std::string_view(), MessageButtons::kOk, MessageIcon::kWarning);
  if (HWND control = ::GetDlgItem(dialog_, failedControl_)) {
    // WM_NEXTDLGCTL rather than SetFocus keeps the dialog's default-button
    // highlighting right; an edit box then gets its text selected.
    ::SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    ::SendMessageW(control, EM_SETSEL, 0, -1);
  }
  return false;
}

std::string NotGbkMessage() {
  return "输入的文字中有无法保存的字符(GBK 字符集以外的字符)，请修改。";
}

std::string TooLongMessage(std::size_t maxBytes) {
  return "请输入不超过 " + std::to_string(maxBytes) + " 个字符。";
}

std::string NotIntegerMessage() {
  return "请输入一个整数。";
}

std::string OutOfRangeMessage(int min, int max) {
  return "请输入一个介于 " + std::to_string(min) + " 和 " + std::to_string(max) + " 之间的整数。";
}

}  // namespace mirevo::win32
