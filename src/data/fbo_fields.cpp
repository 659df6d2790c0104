#include "data/fbo_fields.h"

#include <algorithm>

namespace kestro {
namespace {

// A NUL byte counts as a separator too: treating it as anything else would leave the reader
// standing on a character it can neither take into a field nor skip.
[[nodiscard]] bool IsSeparatorChar(char c) noexcept {
  return static_cast<unsigned char>(c) <= 32;
}

[[nodiscard]] bool NeedsQuotes(std::string_view field) noexcept {
  return std::any_of(field.begin(), field.end(),
                     [](char c) { return IsSeparatorChar(c) || c == '"' || c == ','; });
}

void SkipSeparators(std::string_view line, size_t& pos) noexcept {
  while (pos < line.size() && IsSeparatorChar(line[pos])) ++pos;
}

// From the opening quote at pos; an unterminated quote runs to the end of the line.
std::string ReadQuoted(std::string_view line, size_t& pos) {
  std::string field;
  ++pos;
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c != '"') {
      field += c;
    } else if (pos < line.size() && line[pos] == '"') {
      field += '"';
      ++pos;
    } else {
      break;
    }
  }
  return field;
}

std::string ReadUnquoted(std::string_view line, size_t& pos) {
  const size_t start = pos;
  while (pos < line.size() && !IsSeparatorChar(line[pos]) && line[pos] != ',') ++pos;
  return std::string(line.substr(start, pos - start));
}

}  // namespace

std::string QuoteFBOField(std::string_view field) {
  if (!NeedsQuotes(field)) return std::string(field);
  std::string quoted;
  quoted.reserve(field.size() + 2);
  quoted += '"';
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string JoinFBOFields(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += QuoteFBOField(fields[i]);
  }
  return line;
}

void SplitFBOLine(std::string_view line, std::vector<std::string>& fields) {
  fields.clear();
  size_t pos = 0;
  SkipSeparators(line, pos);
  while (pos < line.size()) {
    fields.push_back(line[pos] == '"' ? ReadQuoted(line, pos) : ReadUnquoted(line, pos));
    SkipSeparators(line, pos);
    if (pos < line.size() && line[pos] == ',') {
      ++pos;
      SkipSeparators(line, pos);
    }
  }
  if (fields.size() < kFBOFieldCount) fields.resize(kFBOFieldCount);
}

std::string WithoutDollarSigns(std::string_view line) {
  std::string result;
  result.reserve(line.size());
  for (const char c : line) {
    if (c != '$') result += c;
  }
  return result;
}

}  // namespace kestro
