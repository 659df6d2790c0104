#include "data/data_store.h"

#include "common/text_file.h"

namespace kestro {
namespace {

std::filesystem::path InFolder(const std::string& folder, const std::string& name) {
  return ResolveFileName(
      folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder), name);
}

}  // namespace

void AirportQueryCache::Clear() noexcept {
  sources = Sources{};
  std::vector<Candidate>().swap(candidates);
  std::vector<Airport>().swap(airports);
  ++generation;
}

void DataStore::InvalidateCaches() noexcept {
  airportQueries.Clear();
}

std::filesystem::path DataStore::FacilitiesFile() const {
  return InFolder(DataFolder, facilitiesBaseName + "." + facilitiesExtension);
}
std::filesystem::path DataStore::RunwaysFile() const {
  return InFolder(DataFolder, runwaysBaseName + "." + runwaysExtension);
}
std::filesystem::path DataStore::NameIndexFile() const {
  return InFolder(DataFolder, facilitiesBaseName + ".NameIndex.txt");
}
std::filesystem::path DataStore::LonIndexFile() const {
  return InFolder(DataFolder, facilitiesBaseName + ".LonIndex.txt");
}
std::filesystem::path DataStore::RunwayIndexFile() const {
  return InFolder(DataFolder, runwaysBaseName + ".IDIndex.txt");
}
std::filesystem::path DataStore::FboFile() const {
  return InFolder(DataFolder, fboBaseName + ".CSV");
}
std::filesystem::path DataStore::GpsLogFile() const {
  return InFolder(DataFolder, gpsLogFileName);
}

}  // namespace kestro
