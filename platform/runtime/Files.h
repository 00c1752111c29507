#pragma once
// Whole-file services of the window runtime. A FilePath keeps a file's own name on disk (which
// may hold characters GBK cannot express) beside its ANSI text for display and for the system's
// own paths. Reads and writes report failure by their result; a failed write changes nothing.

#include <filesystem>
#include <optional>

#include "platform/bytes/ByteBlock.h"
#include "platform/runtime/Forms.h"

namespace runtime {

class FilePath {
 public:
  FilePath() = default;
  static FilePath FromAnsi(const Text& ansiPath);  // GBK text to the file system's UTF-8 name
  static FilePath FromNative(std::filesystem::path native);

  const std::filesystem::path& Native() const { return native_; }
  Text Ansi() const;  // best-effort GBK text of the path
  bool empty() const { return native_.empty(); }
  FilePath Join(const Text& ansiName) const;

 private:
  std::filesystem::path native_;
};

// The whole file, opened for reading only (others may keep reading and writing it); nullopt when
// it cannot be opened or read. An empty file gives an empty block.
std::optional<bytes::ByteBlock> ReadWholeFile(const FilePath& path);

// Replaces the file's whole content atomically: a temporary file in the same directory is written,
// flushed and renamed over the old file. False on any failure, and then the old file is untouched.
bool WriteWholeFile(const FilePath& path, bytes::ByteBlockView content);

// The directory of the tool's executable, without a trailing separator.
FilePath ExecutableDirectory();

}  // namespace runtime
