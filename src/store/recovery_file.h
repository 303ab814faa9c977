// The recovery file: the store's bytes, in the data file's format, kept
// beside the data file while the program runs with changes that are not
// saved yet. The data file itself is still written only when the user
// leaves; the recovery file goes once those changes are saved or given up,
// so finding one at start means the last run did not end as it should.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/clock.h"
#include "store/file_io_platform.h"
#include "store/record_store.h"
#include "store/store_file.h"

namespace mirevo {

// ".//data.mvd" -> ".//data.mvd.unsaved".
std::string RecoveryPathOf(std::string_view dataPath);

class RecoveryFile {
 public:
  // dataPath: the data file's path ("m_path"); files: the file operations,
  // which tests replace.
  RecoveryFile(std::string_view dataPath, const Clock& clock,
               FileSystem& files = NativeFileSystem());

  const std::string& Path() const { return file_.Path(); }
  void SetDataPath(std::string_view dataPath) { file_.SetPath(RecoveryPathOf(dataPath)); }

  bool Exists() const;
  // When it was last written; nullopt when that cannot be told.
  std::optional<std::time_t> WrittenAt() const;

  // Reads it into the (empty) store as the data file is read, with the same
  // messages; a damaged file is kept as a backup before it is replaced or
  // removed.
  std::vector<std::string> Load(RecordStore& store);
  // Replaces it atomically with the bytes; false when it was not written.
  bool Write(const std::string& bytes);
  // Removes it (a damaged one is set aside instead); true when no file stays.
  bool Remove();
  // Moves it to a dated backup, named as the data file's backups are;
  // true when no file stays. One that cannot be kept stays where it is and
  // is never replaced without a backup.
  bool SetAside();

 private:
  StoreFile file_;
  const Clock* clock_;
  FileSystem* files_;
};

}  // namespace mirevo
