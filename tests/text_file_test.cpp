#include "app/text_file.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>

namespace tovalin {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "tovalin-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void WriteRaw(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(TextFileFormat, EncodesTheTextAndALineEnd) {
  EXPECT_EQ(EncodeTextFile("06/15/2025"),
            std::string("\x30\x36\x2F\x31\x35\x2F\x32\x30\x32\x35\x0D\x0A"));
  EXPECT_EQ(EncodeTextFile(""), "\r\n");
  EXPECT_EQ(EncodeTextFile("caf\xc3\xa9"), "caf\xc3\xa9\r\n");  // UTF-8 as it is
}

TEST(TextFileFormat, DecodesAllButTheLastTwoBytes) {
  struct Case {
    const char* what;
    std::string bytes;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {"a saved date", "06/15/2025\r\n", "06/15/2025"},
      {"an empty box", "\r\n", ""},
      {"a word that is not a date", "soon\r\n", "soon"},
      {"blanks are kept", "  06/15/2025 \r\n", "  06/15/2025 "},
      {"edited by hand without a line end", "06/15/2025", "06/15/20"},
      {"two lines: the inner line end stays", "a\r\nb\r\n", "a\r\nb"},
      {"one byte", "x", std::nullopt},
      {"no byte", "", std::nullopt},
      {"UTF-8", "Ren\xc3\xa9\r\n", "Ren\xc3\xa9"},
      {"Windows-1252 from the older program", "Ren\xe9 \x80\r\n", "Ren\xc3\xa9 \xe2\x82\xac"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeTextFile(c.bytes), c.text) << c.what;
}

TEST(TextFileFormat, TellsUtf8FromOtherBytes) {
  EXPECT_TRUE(IsValidUtf8("plain \xc3\xa9 \xe2\x82\xac \xf0\x9f\x91\xb6"));
  for (const char* bad :
       {"\xe9", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
}

TEST(TextFileStorage, WritesPrivatelyAndReadsBack) {
  TempFolder tmp;
  const fs::path file = tmp.path() / "new" / "tovalin" / "tvl.bbd";
  ASSERT_TRUE(WriteFileAtomically(file, "06/15/2025\r\n"));
  EXPECT_EQ(ReadFileBytes(file), "06/15/2025\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  ASSERT_EQ(::stat(file.parent_path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  // Nothing is left beside the file.
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator{}), 1);
}

TEST(TextFileStorage, WritesOnlyWhenTheContentDiffers) {
  TempFolder tmp;
  const fs::path file = tmp.path() / "tvl.bbd";
  EXPECT_EQ(SaveIfChanged(file, "a\r\n"), SaveResult::Written);
  struct stat before {};
  ::stat(file.c_str(), &before);
  EXPECT_EQ(SaveIfChanged(file, "a\r\n"), SaveResult::Unchanged);
  struct stat after {};
  ::stat(file.c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino);  // every write replaces the file
  // Another program changed it: the next save puts it right again.
  WriteRaw(file, "b\r\n");
  EXPECT_EQ(SaveIfChanged(file, "a\r\n"), SaveResult::Written);
  fs::remove(file);
  EXPECT_EQ(SaveIfChanged(file, "a\r\n"), SaveResult::Written);
  EXPECT_EQ(ReadFileBytes(file), "a\r\n");
}

TEST(TextFileStorage, AFolderThatCannotBeWrittenFailsWithAReason) {
  TempFolder tmp;
  WriteRaw(tmp.path() / "plain-file", "x");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(tmp.path() / "plain-file" / "tvl.bbd", "a\r\n", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(SaveIfChanged(tmp.path() / "plain-file" / "tvl.bbd", "a\r\n"), SaveResult::Failed);
  if (::geteuid() != 0) {  // the owner's permissions do not stop root
    fs::create_directory(tmp.path() / "ro");
    WriteRaw(tmp.path() / "ro" / "tvl.bbd", "old\r\n");
    fs::permissions(tmp.path() / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(tmp.path() / "ro" / "tvl.bbd", "new\r\n"));
    EXPECT_EQ(ReadFileBytes(tmp.path() / "ro" / "tvl.bbd"), "old\r\n");
  }
}

// Runs `body` in a child process and returns its exit status.
template <typename Body>
int InChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

TEST(TextFileStorage, AFullDiskLeavesThePreviousContent) {
  TempFolder tmp;
  const fs::path file = tmp.path() / "tvln.bbd";
  ASSERT_TRUE(WriteFileAtomically(file, "old notes\r\n"));
  // A file size limit makes writes fail as on a full disk.
  const int status = InChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4, 4};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    const bool ok = WriteFileAtomically(file, std::string(100, 'n') + "\r\n", &error);
    return !ok && !error.empty() ? 0 : 1;
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadFileBytes(file), "old notes\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator{}), 1);
}

TEST(TextFileStorage, AWriterKilledAtAnyMomentNeverLeavesAPartialFile) {
  TempFolder tmp;
  const fs::path file = tmp.path() / "tvln.bbd";
  const std::string a = EncodeTextFile(std::string(3000, 'a'));
  const std::string b = EncodeTextFile(std::string(5000, 'b'));
  ASSERT_TRUE(WriteFileAtomically(file, a));
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> delayUs(0, 3000);
  for (int round = 0; round < 150; ++round) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int i = 0;; ++i) WriteFileAtomically(file, i % 2 ? a : b);
    }
    ::usleep(static_cast<useconds_t>(delayUs(rng)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    const auto content = ReadFileBytes(file);
    ASSERT_TRUE(content == a || content == b)
        << "round " << round << ": " << (content ? content->size() : 0) << " bytes";
  }
}

}  // namespace
}  // namespace tovalin
