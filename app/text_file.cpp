#include "app/text_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace tovalin {

namespace fs = std::filesystem;

std::string EncodeTextFile(std::string_view utf8Text) {
  std::string bytes(utf8Text);
  bytes += "\r\n";
  return bytes;
}

std::optional<std::string> DecodeTextFile(std::string_view bytes) {
  if (bytes.size() < 2) return std::nullopt;
  const std::string_view text = bytes.substr(0, bytes.size() - 2);
  if (IsValidUtf8(text)) return std::string(text);
  return Windows1252ToUtf8(text);
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    std::size_t extra = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= bytes.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto cc = static_cast<unsigned char>(bytes[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
      return false;
    }
    i += extra + 1;
  }
  return true;
}

namespace {

// Windows-1252 0x80-0x9F; 0 marks the five bytes that code page leaves
// undefined, which are kept as the control characters of the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Reason(int err) { return std::strerror(err); }

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

// Creates the missing folders of `dir`, each for the owner only.
bool EnsureFolder(const fs::path& dir, std::string* error) {
  if (dir.empty()) return true;
  std::error_code ec;
  if (fs::is_directory(dir, ec)) return true;
  if (!EnsureFolder(dir.parent_path(), error)) return false;
  if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
    SetError(error, Reason(errno));
    return false;
  }
  if (!fs::is_directory(dir, ec)) {
    SetError(error, Reason(ENOTDIR));
    return false;
  }
  return true;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void SyncFolder(const fs::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    std::uint32_t cp = c;
    if (c >= 0x80 && c <= 0x9F && kHighControls[c - 0x80] != 0) cp = kHighControls[c - 0x80];
    AppendUtf8(out, cp);
  }
  return out;
}

std::optional<std::string> ReadFileBytes(const fs::path& path, std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetError(error, Reason(errno));
    return std::nullopt;
  }
  std::string bytes;
  std::array<char, 4096> buffer;
  for (;;) {
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      SetError(error, Reason(errno));
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buffer.data(), static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes, std::string* error) {
  const fs::path dir = path.parent_path();
  if (!EnsureFolder(dir, error)) return false;

  // A temporary file beside the target, 0600 from its creation, then renamed
  // over the target: rename replaces it in one step.
  std::string name = ".";
  name += path.filename().string();
  name += ".XXXXXX";
  std::string temp = (dir / name).string();
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    SetError(error, Reason(errno));
    return false;
  }
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    SetError(error, Reason(err));
    return false;
  }
  SyncFolder(dir);
  return true;
}

SaveResult SaveIfChanged(const fs::path& path, std::string_view bytes, std::string* error) {
  const auto current = ReadFileBytes(path);
  if (current && *current == bytes) return SaveResult::Unchanged;
  return WriteFileAtomically(path, bytes, error) ? SaveResult::Written : SaveResult::Failed;
}

}  // namespace tovalin
