// Reading dialog fields with the checks a form needs: text that GBK can
// hold, a byte limit, integers within a range. A failed check yields a
// status and a ready message text (GBK) for the user; nothing is shown here.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mirevo::win32 {

class MessageBoxService;

enum class FieldStatus {
  kOk,
  kNotGbk,      // the text holds a character GBK cannot represent
  kTooLong,     // more bytes than allowed
  kNotInteger,  // not a decimal integer that fits in 32 bits
  kOutOfRange,  // an integer outside the allowed range
};

// The integer a field holds: blanks around it are allowed, one optional sign,
// then decimal digits only. "12a", "" and values beyond 32 bits are not
// integers.
std::optional<int> ParseIntegerField(std::string_view text);

template <typename T>
struct FieldValue {
  FieldStatus status = FieldStatus::kOk;
  T value{};
  bool Ok() const { return status == FieldStatus::kOk; }
};

// The text of a control, at most maxBytes bytes of GBK.
FieldValue<std::string> ReadTextField(HWND dialog, int controlId,
                                      std::size_t maxBytes = std::string::npos);

// The integer of a control, within [min, max].
FieldValue<int> ReadIntField(HWND dialog, int controlId, int min, int max);

// Reads the fields of a form in order and stops at the first failure, like a
// data exchange: later reads leave their targets untouched. After the reads
// the dialog checks Ok() and, if it failed, calls ReportFailure.
//
//   FieldReader reader(Hwnd());
//   reader.Text(IDC_NAME, name).Int(IDC_EPISODE, episode, 0, 999);
//   if (!reader.ReportFailure(messages)) return;  // message shown, focus moved
class FieldReader {
 public:
  explicit FieldReader(HWND dialog) : dialog_(dialog) {}

  FieldReader& Text(int controlId, std::string& target, std::size_t maxBytes = std::string::npos);
  FieldReader& Int(int controlId, int& target, int min, int max);

  bool Ok() const { return status_ == FieldStatus::kOk; }
  FieldStatus Status() const { return status_; }
  int FailedControl() const { return failedControl_; }
  // The message for the failure (GBK), empty while Ok().
  const std::string& Message() const { return message_; }

  // Ok(): returns true. Otherwise shows Message() (OK button, warning icon,
  // the program's name as caption), puts the focus on the failed control,
  // selects its text, and returns false.
  bool ReportFailure(MessageBoxService& messages) const;

 private:
  void Fail(int controlId, FieldStatus status, std::string message);

  HWND dialog_;
  FieldStatus status_ = FieldStatus::kOk;
  int failedControl_ = 0;
  std::string message_;
};

// The message texts, also for callers that check values themselves.
std::string NotGbkMessage();
std::string TooLongMessage(std::size_t maxBytes);
std::string NotIntegerMessage();
std::string OutOfRangeMessage(int min, int max);

}  // namespace mirevo::win32
