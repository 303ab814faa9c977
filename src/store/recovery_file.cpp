#include "store/recovery_file.h"

#include "store/file_io.h"

namespace mirevo {

std::string RecoveryPathOf(std::string_view dataPath) {
  return std::string(dataPath) + ".unsaved";
}

RecoveryFile::RecoveryFile(std::string_view dataPath, const Clock& clock, FileSystem& files)
    : file_(RecoveryPathOf(dataPath), clock, files), clock_(&clock), files_(&files) {}

bool RecoveryFile::Exists() const {
  return FileExists(Path(), *files_);
}

std::optional<std::time_t> RecoveryFile::WrittenAt() const {
  return files_->ModificationTime(Path());
}

std::vector<std::string> RecoveryFile::Load(RecordStore& store) {
  return LoadFile(file_, store);
}

bool RecoveryFile::Write(const std::string& bytes) {
  return file_.Write(bytes);
}

bool RecoveryFile::Remove() {
  if (file_.NeedsBackup()) return SetAside();
  return !Exists() || files_->Remove(Path());
}

bool RecoveryFile::SetAside() {
  FileContents old = ReadWholeFile(Path(), *files_);
  if (old.status == ReadStatus::kMissing) return true;
  if (old.status != ReadStatus::kOk || !KeepBackup(Path(), old.bytes, *clock_, *files_)) {
    file_.MarkDamaged();
    return false;
  }
  return files_->Remove(Path());
}

}  // namespace mirevo
