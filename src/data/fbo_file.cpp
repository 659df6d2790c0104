#include "data/fbo_file.h"

#include <algorithm>
#include <system_error>

#include "common/ascii_case.h"
#include "common/atomic_file.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "common/user_messages.h"
#include "data/fbo_fields.h"

namespace kestro {
namespace {

// 100LL fields without a usable price rank behind every real price.
constexpr double kNoPriceRank = 100000.0;

// A line belongs to the airport when its Location, the text before the first comma, blank or
// control character, equals the identifier without regard to case. Testing the line's start
// keeps "ABC" from matching the lines of "ABCD".
[[nodiscard]] bool LineBelongsTo(std::string_view line, std::string_view identifier) noexcept {
  if (!StartsWithFolded(line, identifier)) return false;
  if (line.size() == identifier.size()) return true;
  const char next = line[identifier.size()];
  return next == ',' || static_cast<unsigned char>(next) <= 32;
}

// An identifier that would have to be quoted can never stand unquoted at a line's start.
[[nodiscard]] bool IsSearchableIdentifier(std::string_view identifier) noexcept {
  if (identifier.empty()) return false;
  return std::none_of(identifier.begin(), identifier.end(), [](char c) {
    return static_cast<unsigned char>(c) <= 32 || c == ',' || c == '"';
  });
}

[[nodiscard]] bool CanAnswerOk(const DataStore& store, const std::string& question) {
  return store.messages == nullptr || store.messages->ConfirmOkCancel(question);
}

void Inform(const DataStore& store, const std::string& text) {
  if (store.messages != nullptr) store.messages->Information(text);
}

void ReportError(const DataStore& store, const std::string& text) {
  if (store.messages != nullptr) store.messages->Error(text);
}

void ResetFields(std::vector<std::string>& fields) {
  fields.assign(kFBOFieldCount, std::string());
}

// A line break inside a field would survive the quoting but split the record in two when the
// file is read again, so captured text is kept on one line.
std::string OnOneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace

void SortFBOLines(std::vector<std::string>& lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return CompareTextFolded(a, b) < 0;
  });
}

void LoadFBOFile(DataStore& store) {
  const std::filesystem::path path = store.FboFile();
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    store.FBOLines.clear();
    // Only a convenience for the user who edits the file by hand; a read-only or missing data
    // folder must not stop the settings from being applied.
    (void)WriteFileAtomic(path, {});
    return;
  }
  auto lines = std::filesystem::is_regular_file(path, error) ? ReadTextLines(path) : std::nullopt;
  if (!lines) {
    // Never create an empty file over one that exists but cannot be read.
    store.FBOLines.clear();
    ReportError(store, "Cannot read file " + path.string() + ".");
    return;
  }
  std::erase_if(*lines,
                [](const std::string& line) { return line.empty() || line.starts_with("//"); });
  SortFBOLines(*lines);
  store.FBOLines = std::move(*lines);
}

long FindFirstFBO(const DataStore& store, std::string_view identifier) {
  if (!IsSearchableIdentifier(identifier)) return -1;
  const auto& lines = store.FBOLines;
  // Every line that starts with the identifier sorts at or after the identifier itself, and the
  // airport's own lines (identifier, then a comma or a character of code 32 or less) come before
  // those of longer identifiers, so the run starts at the lower bound.
  auto at = std::lower_bound(lines.begin(), lines.end(), identifier,
                             [](const std::string& line, std::string_view key) {
                               return CompareTextFolded(line, key) < 0;
                             });
  // Hand-edited lines such as "ABC!x" can sort just before the run: step over them while they
  // share the identifier and a character no greater than ',' follows it.
  for (; at != lines.end(); ++at) {
    const std::string& line = *at;
    if (LineBelongsTo(line, identifier)) return static_cast<long>(at - lines.begin());
    if (!StartsWithFolded(line, identifier) || line.size() == identifier.size() ||
        static_cast<unsigned char>(line[identifier.size()]) > static_cast<unsigned char>(',')) {
      break;
    }
  }
  return -1;
}

AirportFBOs GetAirportFBOs(DataStore& store, std::string_view identifier) {
  AirportFBOs result;
  result.first = FindFirstFBO(store, identifier);
  if (result.first < 0) {
    ResetFields(store.FBOFields);
    return result;
  }
  const auto& lines = store.FBOLines;
  double bestPrice = kNoPriceRank;
  for (auto i = static_cast<size_t>(result.first);
       i < lines.size() && LineBelongsTo(lines[i], identifier); ++i) {
    ++result.count;
    SplitFBOLine(WithoutDollarSigns(lines[i]), store.FBOFields);
    const double price = ParseDouble(store.FBOFields[kFBO100LL]).value_or(kNoPriceRank);
    if (price < bestPrice) {
      bestPrice = price;
      result.best = static_cast<long>(i);
    }
  }
  if (result.count > 1 && result.best >= 0) {
    SplitFBOLine(WithoutDollarSigns(lines[static_cast<size_t>(result.best)]), store.FBOFields);
  }
  return result;
}

void RemoveAirportFBOs(DataStore& store, std::string_view identifier) {
  const std::string id(identifier);
  if (!CanAnswerOk(store, "Remove all FBOs at " + id + "?")) return;
  const long first = FindFirstFBO(store, identifier);
  if (first < 0) return;
  auto& lines = store.FBOLines;
  const auto begin = lines.begin() + first;
  const auto end = std::find_if_not(begin, lines.end(), [identifier](const std::string& line) {
    return LineBelongsTo(line, identifier);
  });
  lines.erase(begin, end);
  Inform(store, "All FBOs at " + id + " have been removed");
}

long FindFBORecord(DataStore& store, std::string_view location, std::string_view name) {
  auto& fields = store.FBOFields;
  fields.clear();
  const auto& lines = store.FBOLines;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    SplitFBOLine(lines[i], fields);
    if (fields[kFBOLocation] == location && fields[kFBOName] == name) return static_cast<long>(i);
  }
  ResetFields(fields);
  return -1;
}

void MergeFBORecord(DataStore& store, std::string_view location, std::string_view name,
                    const CapturedFBO& captured) {
  std::string locationLine = OnOneLine(std::string(location));
  std::string nameLine = OnOneLine(std::string(name));
  const long found = FindFBORecord(store, locationLine, nameLine);
  // Only the nine fields of a record are written back; a hand-written line that split into more
  // has its surplus dropped.
  std::vector<std::string> fields(store.FBOFields.begin(),
                                  store.FBOFields.begin() + kFBOFieldCount);
  fields[kFBOLocation] = std::move(locationLine);
  fields[kFBOName] = std::move(nameLine);
  if (captured.contact) fields[kFBOContact] = OnOneLine(*captured.contact);
  if (captured.comment) fields[kFBOComment] = OnOneLine(*captured.comment);
  if (found < 0) fields[kFBOService] = OnOneLine(captured.service);
  fields[kFBO100LL] = OnOneLine(captured.price100LL);
  fields[kFBOJetA] = OnOneLine(captured.priceJetA);
  fields[kFBOMogas] = OnOneLine(captured.priceMogas);
  fields[kFBODate] = OnOneLine(captured.date);
  if (found >= 0) store.FBOLines.erase(store.FBOLines.begin() + found);
  store.FBOLines.push_back(JoinFBOFields(fields));
  store.FBOFields = std::move(fields);
}

bool SaveFBOFile(DataStore& store) {
  SortFBOLines(store.FBOLines);
  const std::string failure = WriteFileAtomic(store.FboFile(), JoinLinesCrLf(store.FBOLines));
  if (!failure.empty()) {
    ReportError(store, failure);
    return false;
  }
  RefreshFBOSummaries(store);
  return true;
}

}  // namespace kestro
