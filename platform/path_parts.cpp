// Splitting a path into drive, directory, file name and extension.
#include "platform/path_parts.h"

namespace tovek8 {

PathParts split_path(std::string_view path) {
  PathParts parts;
  const std::size_t slash = path.find_last_of('/');
  const std::size_t file_start = slash == std::string_view::npos ? 0 : slash + 1;
  parts.directory = std::string(path.substr(0, file_start));
  const std::string_view file = path.substr(file_start);
  const std::size_t dot = file.find_last_of('.');
  if (dot == std::string_view::npos) {
    parts.name = std::string(file);
  } else {
    parts.name = std::string(file.substr(0, dot));
    parts.extension = std::string(file.substr(dot));
  }
  return parts;
}

}  // namespace tovek8
