// Whole-file services: reading read-only, missing, empty and unreadable files; atomic writes that
// leave the old file untouched when they fail; GBK file names on a UTF-8 file system; the
// executable's directory.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

namespace fs = std::filesystem;

bytes::ByteBlockView View(const std::string& text) {
  return bytes::ByteBlockView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class FilesTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    folder_ = fs::temp_directory_path() / ("runtime_files_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(folder_, error);
  }

  // Names are given as UTF-8 (u8 literals) or ASCII: the file system's own.
  FilePath Path(const fs::path& name) const { return FilePath::FromNative(folder_ / name); }
  void Make(const fs::path& name, const std::string& content) const {
    std::ofstream(folder_ / name, std::ios::binary) << content;
  }

  fs::path folder_;
};

TEST_F(FilesTest, ReadGivesTheWholeFileOrNothing) {
  Make("a.txt", std::string("木剑 50\r\n\0\xff", 11));
  Make("empty.txt", "");
  Make("ro.txt", "只读");
  fs::permissions(folder_ / "ro.txt", fs::perms::owner_read | fs::perms::group_read);

  const auto whole = ReadWholeFile(Path("a.txt"));
  ASSERT_TRUE(whole.has_value());
  EXPECT_EQ(whole->text(), std::string_view("木剑 50\r\n\0\xff", 11));
  const auto readOnly = ReadWholeFile(Path("ro.txt"));
  ASSERT_TRUE(readOnly.has_value());
  EXPECT_EQ(readOnly->text(), "只读");
  const auto empty = ReadWholeFile(Path("empty.txt"));
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->empty());

  EXPECT_FALSE(ReadWholeFile(Path("missing.txt")).has_value());
  EXPECT_FALSE(fs::exists(folder_ / "missing.txt"));  // never created
  EXPECT_FALSE(ReadWholeFile(FilePath::FromNative(folder_)).has_value());
  EXPECT_FALSE(ReadWholeFile(FilePath()).has_value());
}

TEST_F(FilesTest, WriteCreatesOrReplacesTheWholeFile) {
  const FilePath target = Path(u8"新PoisonWeapon.txt");
  ASSERT_TRUE(WriteWholeFile(target, View("第一次\r\n")));
  EXPECT_EQ(Slurp(target.Native()), "第一次\r\n");
  ASSERT_TRUE(WriteWholeFile(target, View("二")));
  EXPECT_EQ(Slurp(target.Native()), "二");
  ASSERT_TRUE(WriteWholeFile(target, View("")));
  EXPECT_EQ(Slurp(target.Native()), "");
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, WriteOverAReadOnlyFileFailsAndLeavesItIntact) {
  Make("old.txt", "旧内容");
  fs::permissions(folder_ / "old.txt", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(WriteWholeFile(Path("old.txt"), View("新内容")));
  EXPECT_EQ(Slurp(folder_ / "old.txt"), "旧内容");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, WriteWhereNoFileCanBeMadeFails) {
  Make("plain", "x");
  EXPECT_FALSE(WriteWholeFile(Path("plain/inside.txt"), View("y")));  // the folder is a file
  EXPECT_FALSE(WriteWholeFile(Path("no/such/folder.txt"), View("y")));
  EXPECT_FALSE(WriteWholeFile(FilePath::FromNative(folder_), View("y")));  // a folder
  EXPECT_EQ(Slurp(folder_ / "plain"), "x");
}

TEST_F(FilesTest, WriteIntoAWriteProtectedFolderFailsAndLeavesTheOldFile) {
  const fs::path locked = folder_ / "locked";
  fs::create_directories(locked);
  std::ofstream(locked / "old.txt", std::ios::binary) << "旧内容";
  bool protectedFolder = false;
  if (::geteuid() != 0) {
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    protectedFolder = true;
  } else {
    // Root writes through permission bits; an immutable folder stops it where the file system
    // and the container allow that flag.
    const int fd = ::open(locked.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      protectedFolder = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (fd >= 0) ::close(fd);
  }
  if (!protectedFolder) {
    GTEST_SKIP() << "running as root where folders cannot be made immutable; the read-only file "
                    "and missing-folder cases above cover failing writes";
  }
  const bool written = WriteWholeFile(FilePath::FromNative(locked / "old.txt"), View("新内容"));
  const std::string old = Slurp(locked / "old.txt");
  if (::geteuid() == 0) {
    const int fd = ::open(locked.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    if (fd >= 0) ::close(fd);
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(old, "旧内容");
}

TEST_F(FilesTest, AnsiPathsAreGbkTextsOfUtf8Names) {
  const FilePath path = FilePath::FromAnsi("新PoisonWeapon.txt");
  EXPECT_EQ(path.Native(), fs::path(u8"新PoisonWeapon.txt"));
  EXPECT_EQ(path.Ansi(), "新PoisonWeapon.txt");
  // A backslash separates folders.
  EXPECT_EQ(FilePath::FromAnsi("目录\\武器.txt").Native(), fs::path(u8"目录/武器.txt"));
  const FilePath joined = FilePath::FromNative(folder_).Join("新PoisonWeapon.txt");
  EXPECT_EQ(joined.Native(), folder_ / fs::path(u8"新PoisonWeapon.txt"));
  ASSERT_TRUE(WriteWholeFile(joined, View("x")));
  EXPECT_TRUE(fs::exists(folder_ / fs::path(u8"新PoisonWeapon.txt")));
  EXPECT_TRUE(FilePath().empty());
}

TEST_F(FilesTest, ExecutableDirectoryIsTheCurrentDirectoryAfterInitialise) {
  const fs::path executable = fs::read_symlink("/proc/self/exe");
  EXPECT_EQ(ExecutableDirectory().Native(), executable.parent_path());
  EXPECT_EQ(fs::current_path(), executable.parent_path());
}

}  // namespace
}  // namespace runtime::test
