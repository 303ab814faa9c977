#include "store/record_text.h"

#include <cstring>
#include <ostream>
#include <stdexcept>
#include <utility>

namespace mirevo {

void RecordText::ThrowTooLong() {
  throw std::length_error("a text of a work is longer than 4 GiB");
}

// The new bytes are in place before the old ones go: text may be a part of
// this text itself.
void RecordText::Assign(std::string_view text) {
  const std::uint32_t size = CheckedSize(text.size());
  std::unique_ptr<char[]> copy;
  if (size > 0) {
    copy.reset(new char[size]);
    std::memcpy(copy.get(), text.data(), size);
  }
  Own(std::move(copy), size);
}

RecordText& RecordText::operator+=(std::string_view more) {
  if (more.empty()) return *this;
  const std::uint32_t size = CheckedSize(std::size_t{size_} + more.size());
  std::unique_ptr<char[]> joined(new char[size]);
  if (size_ > 0) std::memcpy(joined.get(), data_, size_);
  std::memcpy(joined.get() + size_, more.data(), more.size());
  Own(std::move(joined), size);
  return *this;
}

void RecordText::Own(std::unique_ptr<char[]> bytes, std::uint32_t size) noexcept {
  Release();
  if (bytes) {
    data_ = bytes.release();
    owned_ = true;
  }
  size_ = size;
}

void RecordText::clear() noexcept {
  Release();
}

std::ostream& operator<<(std::ostream& out, const RecordText& text) {
  return out << text.View();
}

}  // namespace mirevo
