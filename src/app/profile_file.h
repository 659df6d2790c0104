#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestro {

// An INI file read and written with the rules of the Windows private-profile functions, so that
// settings and chart files move freely between Kestro on Windows and on Linux:
//
// - "[Name]" opens a section; section and key names compare without regard to ASCII case and
//   without the blanks around them. The first section and the first key of a name win.
// - "key=value": the value is everything after the first "=", without surrounding blanks; one
//   pair of matching quotes (" or ') around it is dropped. Lines starting with ";" are comments;
//   other lines without "=" and lines before the first section are no keys.
// - A write changes only the line of its own key and leaves every other byte of the file as it
//   was. A new key goes right after the last key of its section (before any trailing blank lines
//   and comments), a new section at the end of the file. Lines keep their own line ends (CR LF,
//   LF or CR); added lines take the file's first line end, CR LF in a new file.
//
// Where the Windows layer loses data, this one does not:
// - Values are stored and read back at full length. The Windows functions read through a buffer
//   of 255 characters, so a longer value (a deep data-folder path, a long memo line) would come
//   back truncated and be written back truncated on the next save.
// - A value that the read rules would change (surrounding blanks, or surrounding matching quotes)
//   is written inside an extra pair of double quotes, so it reads back exactly, here and on
//   Windows.
// - A line cannot hold a line end: CR and LF inside a value are written as blanks, so a value can
//   never add lines, keys or sections to the file.
// - Names that cannot be read back (an empty key, a key holding "=" or starting with "[" or ";",
//   a section holding "]", any name with a line end) are refused instead of written as lines that
//   would be appended again on every save.
//
// The object holds the whole file: load it once, read and write many keys, save once.
class ProfileFile {
 public:
  // Loads the file at path. A missing file is an empty one. A file that exists but cannot be read
  // is left alone: Save refuses to replace it.
  explicit ProfileFile(std::filesystem::path path);

  [[nodiscard]] const std::filesystem::path& path() const noexcept { return path_; }

  // The value of the key, or nothing when the section or the key is missing.
  [[nodiscard]] std::optional<std::string> Find(std::string_view section,
                                                std::string_view key) const;
  [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const;

  // Sets the key, creating the section and the key when needed. False when the name cannot be
  // stored (see above); the file is then unchanged.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

  // The number of key lines in the section; 0 when it is missing.
  [[nodiscard]] int KeyCount(std::string_view section) const;

  // True once a write has changed the contents.
  [[nodiscard]] bool modified() const noexcept { return modified_; }

  // The file as it would be written.
  [[nodiscard]] std::string Contents() const;

  // Writes the file atomically when it was modified. Returns an empty text on success (also when
  // there was nothing to write), otherwise a message naming the file and the reason.
  [[nodiscard]] std::string Save();

 private:
  struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", "\r" or "" for a last line without one
  };

  // Index range [begin, end) of a section's body lines, after its header.
  struct SectionRange {
    size_t header = 0;
    size_t begin = 0;
    size_t end = 0;
  };

  [[nodiscard]] std::optional<SectionRange> FindSection(std::string_view section) const;
  [[nodiscard]] std::optional<size_t> FindKey(const SectionRange& range,
                                              std::string_view key) const;
  [[nodiscard]] std::string NewLineEnd() const;
  void InsertLine(size_t index, std::string text);

  std::filesystem::path path_;
  std::vector<Line> lines_;
  bool unreadable_ = false;
  bool modified_ = false;
};

// Single reads and writes for code that touches one or two keys; each call loads the file, and
// a write saves it at once. WriteProfileString returns an empty text or the failure message.
[[nodiscard]] std::string ReadProfileString(const std::filesystem::path& path,
                                            std::string_view section, std::string_view key,
                                            std::string_view defaultValue);
[[nodiscard]] std::string WriteProfileString(const std::filesystem::path& path,
                                             std::string_view section, std::string_view key,
                                             std::string_view value);

}  // namespace kestro
