// The few file operations that differ between Windows and POSIX. Paths are
// GBK bytes.
#pragma once

#include <cstdio>
#include <string>

namespace mirevo::platform {

// Opens for binary reading; missing tells a file that does not exist apart
// from one that could not be opened.
std::FILE* OpenForReading(const std::string& path, bool& missing);

// Creates a new file for binary writing; nullptr when it exists or fails.
std::FILE* CreateExclusively(const std::string& path);

// Flushes the stream's buffers and the operating system's to the disk.
bool FlushToDisk(std::FILE* file);

// Replaces to with from in one step (the old to, if any, disappears).
bool ReplaceWith(const std::string& from, const std::string& to);

bool Remove(const std::string& path);
bool Exists(const std::string& path);

}  // namespace mirevo::platform
