#include "common/text_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "common/ascii_case.h"

namespace kestro {

std::vector<std::string> SplitTextLines(std::string_view contents) {
  std::vector<std::string> lines;
  size_t start = 0;
  const size_t size = contents.size();
  while (start < size) {
    size_t end = start;
    while (end < size && contents[end] != '\r' && contents[end] != '\n') ++end;
    lines.emplace_back(contents.substr(start, end - start));
    if (end < size && contents[end] == '\r' && end + 1 < size && contents[end + 1] == '\n') {
      start = end + 2;
    } else {
      start = end + 1;
    }
  }
  return lines;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return contents;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path) {
  auto contents = ReadWholeFile(path);
  if (!contents) return std::nullopt;
  return SplitTextLines(*contents);
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  size_t total = 0;
  for (const auto& line : lines) total += line.size() + 2;
  std::string result;
  result.reserve(total);
  for (const auto& line : lines) {
    result += line;
    result += "\r\n";
  }
  return result;
}

std::filesystem::path ResolveFileName(const std::filesystem::path& folder,
                                      std::string_view fileName) {
  std::filesystem::path exact = folder / std::string(fileName);
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (SameTextFolded(it->path().filename().string(), fileName)) return it->path();
  }
  return exact;
}

}  // namespace kestro
