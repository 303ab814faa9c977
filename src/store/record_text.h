// A text of a work: its name, notes, times and the rest.
//
// A work read from the data file keeps its texts where the file's bytes were
// read: loading 100,000 works then copies none of their texts and asks the
// heap for none of them. Such a text is borrowed; the list the work is on
// keeps the bytes for as long as it may hold the work (RecordList::KeepBytes).
// A text the program sets, and every copy of a text, has memory of its own,
// so a copied work never depends on the list it came from.
#pragma once

#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace mirevo {

class RecordText {
 public:
  RecordText() noexcept = default;
  RecordText(std::string_view text) { Assign(text); }  // NOLINT: a text is set as a string
  RecordText(const RecordText& other) : RecordText(other.View()) {}
  RecordText& operator=(const RecordText& other) {
    Assign(other.View());
    return *this;
  }
  RecordText& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }
  ~RecordText() { Release(); }

  // Points at bytes someone else keeps, unchanged, for as long as this text
  // exists or until it is set again.
  void Borrow(std::string_view bytes) {
    const std::uint32_t size = CheckedSize(bytes.size());
    if (owned_) Release();
    data_ = size > 0 ? bytes.data() : kNothing;
    size_ = size;
  }

  RecordText& operator+=(std::string_view more);
  void clear() noexcept;

  std::string_view View() const noexcept { return {data_, size_}; }
  operator std::string_view() const noexcept { return View(); }  // NOLINT: reads as a string
  const char* data() const noexcept { return data_; }
  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }

  template <typename Text>
  requires std::convertible_to<const Text&, std::string_view>
  friend bool operator==(const RecordText& a, const Text& b) {
    return a.View() == std::string_view(b);
  }

 private:
  static std::uint32_t CheckedSize(std::size_t size) {
    if (size > UINT32_MAX) ThrowTooLong();
    return static_cast<std::uint32_t>(size);
  }
  [[noreturn]] static void ThrowTooLong();
  void Assign(std::string_view text);
  // Takes bytes of new[] (none for an empty text) in place of the old ones.
  void Own(std::unique_ptr<char[]> bytes, std::uint32_t size) noexcept;
  void Release() noexcept {
    if (owned_) delete[] data_;
    data_ = kNothing;
    size_ = 0;
    owned_ = false;
  }

  // Never null, as std::string's data() is not: an empty text may be copied
  // from with memcpy.
  static constexpr const char* kNothing = "";
  const char* data_ = kNothing;
  std::uint32_t size_ = 0;
  bool owned_ = false;  // data_ came from new[] here
};

std::ostream& operator<<(std::ostream& out, const RecordText& text);

}  // namespace mirevo
