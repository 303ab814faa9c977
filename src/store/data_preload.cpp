#include "store/data_preload.h"

#include "store/store_file.h"

namespace mirevo {

DataPreload::DataPreload(const Clock& clock, FileSystem& files)
    : thread_([this, &clock, &files] {
        AppSettings settings;
        StoreFile settingsFile(kSettingsPath, clock, files);
        LoadFile(settingsFile, settings);
        path_ = settings.dataPath;
        StoreFile dataFile(path_, clock, files);
        loaded_.messages = LoadFile(dataFile, loaded_.store);
        loaded_.needsBackup = dataFile.NeedsBackup();
      }) {}

DataPreload::~DataPreload() {
  Finish();
}

void DataPreload::Finish() {
  if (thread_.joinable()) thread_.join();
}

std::optional<DataPreload::Loaded> DataPreload::Take(const std::string& dataPath) {
  Finish();
  if (taken_) return std::nullopt;
  taken_ = true;
  if (dataPath != path_) {
    loaded_ = {};
    return std::nullopt;
  }
  return std::move(loaded_);
}

}  // namespace mirevo
