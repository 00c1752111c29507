// Whole-file services over POSIX calls. Names cross between the system's GBK texts and the file
// system's UTF-8 through the Win32 stand-in's code pages; a backslash of an ANSI path is a folder
// separator. A write goes to a temporary file beside the target that is flushed and renamed over
// it, so a failed write leaves the old file as it was; a target whose write bits are all off is
// read-only (as the export file can be on the server's machine) and is not replaced.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <system_error>

#include "platform/runtime/Files.h"
#include "platform/win32/CodePage.h"

namespace runtime {

namespace {

std::u16string Utf16Of(std::string_view text, win32::UINT codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int units = win32::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (units <= 0) return {};
  std::u16string wide(static_cast<std::size_t>(units), u'\0');
  win32::MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), units);
  return wide;
}

std::string BytesOf(const std::u16string& wide, win32::UINT codePage) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int size =
      win32::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  win32::WideCharToMultiByte(codePage, 0, wide.data(), length, bytes.data(), size, nullptr,
                             nullptr);
  return bytes;
}

// Closes a descriptor when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

FilePath FilePath::FromAnsi(const Text& ansiPath) {
  std::u16string wide = Utf16Of(ansiPath, win32::CP_GBK);
  for (char16_t& unit : wide) {
    if (unit == u'\\') unit = u'/';
  }
  return FromNative(std::filesystem::path(BytesOf(wide, win32::CP_UTF8)));
}

FilePath FilePath::FromNative(std::filesystem::path native) {
  FilePath path;
  path.native_ = std::move(native);
  return path;
}

Text FilePath::Ansi() const {
  return BytesOf(Utf16Of(native_.native(), win32::CP_UTF8), win32::CP_GBK);
}

FilePath FilePath::Join(const Text& ansiName) const {
  return FromNative(native_ / FromAnsi(ansiName).native_);
}

std::optional<bytes::ByteBlock> ReadWholeFile(const FilePath& path) {
  if (path.empty()) return std::nullopt;
  Descriptor file(::open(path.Native().c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::vector<std::uint8_t> content;
  content.reserve(static_cast<std::size_t>(info.st_size));
  std::uint8_t buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) break;
    content.insert(content.end(), buffer, buffer + got);
  }
  return bytes::ByteBlock(std::move(content));
}

bool WriteWholeFile(const FilePath& path, bytes::ByteBlockView content) {
  if (path.empty()) return false;
  const std::filesystem::path& target = path.Native();
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0)) return false;

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  Descriptor file(::mkstemp(temporary.data()));
  if (file.get() < 0) return false;
  // The new file gets the old one's permissions, or those of a newly created file.
  mode_t mode = old.st_mode & 07777;
  if (!exists) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  const bool written =
      ::fchmod(file.get(), mode) == 0 && WriteAll(file.get(), content.data(), content.size()) &&
      ::fsync(file.get()) == 0 && file.Close() && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!written) ::unlink(temporary.c_str());
  return written;
}

FilePath ExecutableDirectory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return FilePath::FromNative(executable.parent_path());
}

}  // namespace runtime
