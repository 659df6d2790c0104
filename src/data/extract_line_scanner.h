#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

namespace kestro {

// Walks a text file line by line without loading it whole, giving each line with the byte offset
// of its first character and its number (from 1). CR LF, LF and a lone CR all end a line; a final
// line without a line end counts as well. Throws DataError naming the file when it cannot be read
// or when a line is longer than ReadLineAt would return.
using ExtractLineVisitor =
    std::function<void(std::int64_t offset, std::int64_t lineNumber, std::string_view line)>;
void ScanExtractLines(const std::filesystem::path& path, const ExtractLineVisitor& visit);

}  // namespace kestro
