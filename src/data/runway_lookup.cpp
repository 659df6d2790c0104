#include "common/ascii_case.h"
#include "common/data_error.h"
#include "common/number_parse.h"
#include "data/airport_database.h"
#include "data/extract_columns.h"
#include "data/extract_file.h"
#include "data/index_line.h"

namespace kestro {
namespace {

// A runway line belongs to the site when its whole key equals the site number. Comparing only the
// first characters would hand site "1234" the runways of "12345" and an empty site number every
// runway of the country.
[[nodiscard]] bool IsSiteLine(std::string_view line, std::string_view siteNumber) noexcept {
  return SameTextFolded(IndexKey(line), siteNumber);
}

[[nodiscard]] IndexLineRef RunwayIndexLine(const DataStore& store, size_t position) {
  return {&store, &DataStore::RunwayIndexFile, position};
}

void PadRunwayFields(std::vector<std::string>& fields) {
  if (fields.size() < kRunwaysColumnCount) fields.resize(kRunwaysColumnCount);
}

void SetEmptyRunwayFields(std::vector<std::string>& fields) {
  fields.clear();
  PadRunwayFields(fields);
}

// Reads the runway of one RunwayIndex line into RunwayFields and returns the line.
std::string ReadRunway(DataStore& store, ExtractFile& runways, size_t position) {
  const IndexLineRef where = RunwayIndexLine(store, position);
  std::string line =
      runways.ReadIndexedLine(IndexOffset(store.RunwayIndex[position], where), where);
  SplitTabs(line, store.RunwayFields);
  return line;
}

[[nodiscard]] int RunwayLength(const DataStore& store, const ExtractFile& runways,
                               size_t position) {
  const std::vector<std::string>& fields = store.RunwayFields;
  const std::string_view text = fields.size() > kRwyLength ? fields[kRwyLength] : "";
  const auto length = ParseInt(text);
  if (!length) {
    throw DataError("Error in " + RunwayIndexLine(store, position).Name() + ": " +
                    QuotedExcerpt(text) + " in " + runways.path().string() +
                    " is not a valid runway length.");
  }
  return *length;
}

}  // namespace

long FindRunwayIndex(const DataStore& store, std::string_view siteNumber) {
  if (siteNumber.empty()) return -1;
  const std::vector<std::string>& index = store.RunwayIndex;
  // Lower bound: the first line whose site number does not fold before the one sought.
  size_t low = 0;
  size_t high = index.size();
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    if (CompareTextFolded(IndexKey(index[middle]), siteNumber) < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (low < index.size() && IsSiteLine(index[low], siteNumber)) return static_cast<long>(low);
  return -1;
}

void RunwaysFile::FollowDataFolder() {
  if (resolved_ && folder_ == store_->DataFolder) return;
  file_.reset();
  folder_ = store_->DataFolder;
  path_ = store_->RunwaysFile();
  stamp_ = RegularFileStamp(path_);
  resolved_ = true;
}

bool RunwaysFile::Exists() {
  FollowDataFolder();
  return stamp_.has_value();
}

const std::filesystem::path& RunwaysFile::Path() {
  FollowDataFolder();
  return path_;
}

FileStamp RunwaysFile::Stamp() {
  FollowDataFolder();
  return stamp_.value_or(FileStamp{});
}

ExtractFile& RunwaysFile::Open() {
  FollowDataFolder();
  if (!file_) file_.emplace(path_);
  return *file_;
}

RunwaySummary SummarizeRunways(DataStore& store, std::string_view siteNumber) {
  RunwaysFile runways(store);
  return SummarizeRunways(store, siteNumber, runways);
}

RunwaySummary SummarizeRunways(DataStore& store, std::string_view siteNumber,
                               RunwaysFile& runwaysFile) {
  RunwaySummary summary;
  if (store.RunwayIndex.empty() || !runwaysFile.Exists()) {
    SetEmptyRunwayFields(store.RunwayFields);
    return summary;
  }
  const std::string site(siteNumber);  // the caller's text may live in a list this call changes
  summary.first = FindRunwayIndex(store, site);
  if (summary.first < 0) {
    SetEmptyRunwayFields(store.RunwayFields);
    return summary;
  }

  ExtractFile& runways = runwaysFile.Open();
  // Lengths of 0 and 1 never make a runway the longest.
  int longestLength = 1;
  std::string longestLine;
  for (auto position = static_cast<size_t>(summary.first);
       position < store.RunwayIndex.size() && IsSiteLine(store.RunwayIndex[position], site);
       ++position) {
    std::string line = ReadRunway(store, runways, position);
    ++summary.count;
    const int length = RunwayLength(store, runways, position);
    if (length > longestLength) {
      longestLength = length;
      summary.longest = static_cast<long>(position);
      longestLine = std::move(line);
    }
  }
  if (summary.count > 1 && summary.longest >= 0) SplitTabs(longestLine, store.RunwayFields);
  PadRunwayFields(store.RunwayFields);
  return summary;
}

AirportQueryCache::RunwayLines RunwayLinesOfSite(const DataStore& store,
                                                 std::string_view siteNumber,
                                                 RunwaysFile& runways) {
  AirportQueryCache::RunwayLines walked;
  if (store.RunwayIndex.empty() || !runways.Exists()) return walked;
  walked.first = FindRunwayIndex(store, siteNumber);
  if (walked.first < 0) return walked;
  const std::vector<std::string>& index = store.RunwayIndex;
  for (auto position = static_cast<size_t>(walked.first);
       position < index.size() && IsSiteLine(index[position], siteNumber); ++position) {
    walked.lines.push_back(index[position]);
  }
  return walked;
}

bool SameRunwayLines(const DataStore& store, std::string_view siteNumber, RunwaysFile& runways,
                     const AirportQueryCache::RunwayLines& known) {
  const long first =
      store.RunwayIndex.empty() || !runways.Exists() ? -1 : FindRunwayIndex(store, siteNumber);
  if (first != known.first) return false;
  if (first < 0) return true;
  const std::vector<std::string>& index = store.RunwayIndex;
  size_t walked = 0;
  for (auto position = static_cast<size_t>(first);
       position < index.size() && IsSiteLine(index[position], siteNumber); ++position, ++walked) {
    if (walked >= known.lines.size() || index[position] != known.lines[walked]) return false;
  }
  return walked == known.lines.size();
}

long FindRunway(DataStore& store, std::string_view siteNumber, std::string_view runwayId) {
  const std::filesystem::path runwaysFile = store.RunwaysFile();
  if (store.RunwayIndex.empty() || !DataFileExists(runwaysFile)) return -1;
  const std::string site(siteNumber);
  const std::string id(runwayId);
  const long first = FindRunwayIndex(store, site);
  if (first < 0) {
    SetEmptyRunwayFields(store.RunwayFields);
    return -1;
  }

  ExtractFile runways(runwaysFile);
  long found = -1;
  for (auto position = static_cast<size_t>(first);
       position < store.RunwayIndex.size() && IsSiteLine(store.RunwayIndex[position], site);
       ++position) {
    (void)ReadRunway(store, runways, position);
    if (store.RunwayFields.size() > kRwyId && store.RunwayFields[kRwyId] == id) {
      found = static_cast<long>(position);
      break;
    }
  }
  PadRunwayFields(store.RunwayFields);
  return found;
}

}  // namespace kestro
