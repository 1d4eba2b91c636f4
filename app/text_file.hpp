#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tovalin {

// The program's two files hold one text followed by CR LF, nothing else.
// Texts are written as UTF-8; a file whose bytes are not valid UTF-8 was
// written by the older program in Windows-1252 and is read as such.

// The bytes of a file holding `utf8Text`: the text, then CR LF.
std::string EncodeTextFile(std::string_view utf8Text);

// The text a file's bytes hold, as UTF-8: all but the last two bytes, whatever
// those are. Empty when the file is shorter than two bytes.
std::optional<std::string> DecodeTextFile(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);

// The whole content of a file, or empty when it cannot be read; `error`, when
// given, receives the reason.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::string* error = nullptr);

// Replaces the file atomically: afterwards it holds either its old content
// or `bytes`, never less, also after a crash or a full disk. Missing folders
// are created for the owner only (0700); the file is readable by the owner
// only (0600). Returns false with the reason in `error` when it fails.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr);

enum class SaveResult { Unchanged, Written, Failed };

// Writes the file only when it does not already hold exactly `bytes`.
SaveResult SaveIfChanged(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr);

}  // namespace tovalin
