// Any bytes may sit in a settings file. Reading must never go past them, and
// whatever was read must be written back so that it reads the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/app_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  mirevo::AppSettings settings;
  mirevo::ParseSettings(std::string_view(text.data(), text.size()), settings);
  if (settings.StartTab() < 0 || settings.StartTab() >= mirevo::kListCount) std::abort();
  if (settings.TransparencyLevel() < 0 || settings.TransparencyLevel() > 9) std::abort();

  // Texts holding ";" cannot be stored; everything else must survive.
  for (const std::string* value :
       {&settings.dataPath, &settings.searchPrefix, &settings.searchPostfix})
    if (value->find(';') != std::string::npos) return 0;
  std::string written = mirevo::FormatSettings(settings);
  mirevo::AppSettings again;
  if (!mirevo::ParseSettings(written, again).empty()) std::abort();
  if (mirevo::FormatSettings(again) != written) std::abort();
  return 0;
}
