#include "app/profile_file.h"

#include <system_error>
#include <utility>

#include "common/ascii_case.h"
#include "common/atomic_file.h"
#include "common/text_file.h"

namespace kestro {
namespace {

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
  LineKind kind = LineKind::Blank;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // raw key value, trimmed
};

ParsedLine Parse(std::string_view text) noexcept {
  const std::string_view line = Trim(text);
  if (line.empty()) return {};
  if (line.front() == ';') return {LineKind::Comment, {}, {}};
  if (line.front() == '[') {
    const size_t close = line.find(']');
    if (close != std::string_view::npos) {
      return {LineKind::Section, Trim(line.substr(1, close - 1)), {}};
    }
  }
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {LineKind::Other, {}, {}};
  const std::string_view key = Trim(line.substr(0, equals));
  if (key.empty()) return {LineKind::Other, {}, {}};
  return {LineKind::Key, key, Trim(line.substr(equals + 1))};
}

[[nodiscard]] bool IsQuote(char c) noexcept {
  return c == '"' || c == '\'';
}

// The read rule of the Windows layer: one pair of matching quotes around the value is dropped.
std::string_view Unquote(std::string_view value) noexcept {
  if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The text to put after "=" so that Trim and Unquote give the value back.
std::string Encode(std::string_view value) {
  std::string text(value);
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (Trim(text).size() != text.size() || Unquote(text).size() != text.size()) {
    text = '"' + text + '"';
  }
  return text;
}

bool HasLineEnd(std::string_view name) noexcept {
  return name.find_first_of("\r\n") != std::string_view::npos;
}

bool StorableSection(std::string_view section) noexcept {
  return !section.empty() && !HasLineEnd(section) && section.find(']') == std::string_view::npos;
}

bool StorableKey(std::string_view key) noexcept {
  return !key.empty() && !HasLineEnd(key) && key.find('=') == std::string_view::npos &&
         key.front() != '[' && key.front() != ';';
}

}  // namespace

ProfileFile::ProfileFile(std::filesystem::path path) : path_(std::move(path)) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path_, error);
  if (status.type() == std::filesystem::file_type::not_found) return;
  const std::optional<std::string> contents =
      std::filesystem::is_regular_file(status) ? ReadWholeFile(path_) : std::nullopt;
  if (!contents) {
    unreadable_ = true;
    return;
  }
  const std::string_view text = *contents;
  size_t start = 0;
  while (start < text.size()) {
    size_t stop = text.find_first_of("\r\n", start);
    if (stop == std::string_view::npos) {
      lines_.push_back({std::string(text.substr(start)), {}});
      break;
    }
    const size_t endLength =
        (text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') ? 2 : 1;
    lines_.push_back(
        {std::string(text.substr(start, stop - start)), std::string(text.substr(stop, endLength))});
    start = stop + endLength;
  }
}

std::optional<ProfileFile::SectionRange> ProfileFile::FindSection(std::string_view section) const {
  const std::string_view wanted = Trim(section);
  if (wanted.empty()) return std::nullopt;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const ParsedLine header = Parse(lines_[i].text);
    if (header.kind != LineKind::Section || !SameTextFolded(header.name, wanted)) continue;
    size_t end = i + 1;
    while (end < lines_.size() && Parse(lines_[end].text).kind != LineKind::Section) ++end;
    return SectionRange{i, i + 1, end};
  }
  return std::nullopt;
}

std::optional<size_t> ProfileFile::FindKey(const SectionRange& range, std::string_view key) const {
  const std::string_view wanted = Trim(key);
  for (size_t i = range.begin; i < range.end; ++i) {
    const ParsedLine line = Parse(lines_[i].text);
    if (line.kind == LineKind::Key && SameTextFolded(line.name, wanted)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
  const std::optional<SectionRange> range = FindSection(section);
  if (!range) return std::nullopt;
  const std::optional<size_t> index = FindKey(*range, key);
  if (!index) return std::nullopt;
  return std::string(Unquote(Parse(lines_[*index].text).value));
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  std::optional<std::string> value = Find(section, key);
  return value ? std::move(*value) : std::string(defaultValue);
}

int ProfileFile::KeyCount(std::string_view section) const {
  const std::optional<SectionRange> range = FindSection(section);
  if (!range) return 0;
  int count = 0;
  for (size_t i = range->begin; i < range->end; ++i) {
    if (Parse(lines_[i].text).kind == LineKind::Key) ++count;
  }
  return count;
}

std::string ProfileFile::NewLineEnd() const {
  for (const Line& line : lines_) {
    if (!line.end.empty()) return line.end;
  }
  return "\r\n";
}

void ProfileFile::InsertLine(size_t index, std::string text) {
  const std::string end = NewLineEnd();
  if (index > 0 && lines_[index - 1].end.empty()) lines_[index - 1].end = end;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), end});
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::string_view sectionName = Trim(section);
  const std::string_view keyName = Trim(key);
  if (!StorableSection(sectionName) || !StorableKey(keyName)) return false;
  const std::string encoded = Encode(value);

  const std::optional<SectionRange> range = FindSection(sectionName);
  if (!range) {
    InsertLine(lines_.size(), "[" + std::string(sectionName) + "]");
    InsertLine(lines_.size(), std::string(keyName) + "=" + encoded);
    modified_ = true;
    return true;
  }
  if (const std::optional<size_t> index = FindKey(*range, keyName)) {
    Line& line = lines_[*index];
    const ParsedLine parsed = Parse(line.text);
    // An unchanged value keeps its line as it is, spacing and quotes included.
    if (Unquote(parsed.value) == Unquote(encoded)) return true;
    line.text = std::string(parsed.name) + "=" + encoded;
    modified_ = true;
    return true;
  }
  size_t insertAt = range->begin;
  for (size_t i = range->begin; i < range->end; ++i) {
    if (Parse(lines_[i].text).kind == LineKind::Key) insertAt = i + 1;
  }
  InsertLine(insertAt, std::string(keyName) + "=" + encoded);
  modified_ = true;
  return true;
}

std::string ProfileFile::Contents() const {
  std::string contents;
  for (const Line& line : lines_) {
    contents += line.text;
    contents += line.end;
  }
  return contents;
}

std::string ProfileFile::Save() {
  if (!modified_) return {};
  if (unreadable_) {
    return "Cannot write file " + path_.string() + ". The file could not be read.";
  }
  std::string error = WriteFileAtomic(path_, Contents());
  if (error.empty()) modified_ = false;
  return error;
}

std::string ReadProfileString(const std::filesystem::path& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
  return ProfileFile(path).ReadString(section, key, defaultValue);
}

std::string WriteProfileString(const std::filesystem::path& path, std::string_view section,
                               std::string_view key, std::string_view value) {
  ProfileFile file(path);
  if (!file.WriteString(section, key, value)) {
    return "Cannot write key " + std::string(key) + " of section " + std::string(section) +
           " to file " + path.string() + ".";
  }
  return file.Save();
}

}  // namespace kestro
