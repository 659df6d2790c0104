#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace kestro {
namespace {

std::string Failure(const std::filesystem::path& path, int error) {
  return "Cannot write file " + path.string() + ". " + std::strerror(error);
}

bool WriteAll(int fd, std::string_view contents) {
  const char* data = contents.data();
  size_t left = contents.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

std::string WriteFileAtomic(const std::filesystem::path& path, std::string_view contents) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Failure(path, errno);
  const std::string tempName(name.data());
  int error = 0;
  if (!WriteAll(fd, contents) || ::fsync(fd) != 0) error = errno;
  // A replaced file keeps the permissions of the one it replaces; a new one gets the usual 0644.
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(tempName.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(tempName.c_str());
    return Failure(path, error);
  }
  return {};
}

}  // namespace kestro
