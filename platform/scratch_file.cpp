// Sequential scratch files of records, with rewind and step-back of a record.
#include "platform/scratch_file.h"

#include <unistd.h>
#include <cstdint>
#include <cstring>

namespace tovek8 {

ScratchFile::~ScratchFile() {
  close();
}

bool ScratchFile::open(const std::string& path) {
  close();
  file_ = std::fopen(path.c_str(), "w+b");
  if (file_ == nullptr) return false;
  path_ = path;
  return true;
}

void ScratchFile::close(bool remove_file) {
  if (file_ == nullptr) return;
  std::fclose(file_);
  file_ = nullptr;
  if (remove_file) std::remove(path_.c_str());
}

bool ScratchFile::write_bytes(const void* data, std::size_t size) {
  if (file_ == nullptr || size > UINT32_MAX) return false;
  const auto length = static_cast<std::uint32_t>(size);
  // A write ends the file: records after the current position are discarded.
  const long position = std::ftell(file_);
  if (position < 0 || std::fseek(file_, position, SEEK_SET) != 0) return false;
  if (std::fwrite(&length, sizeof length, 1, file_) != 1) return false;
  if (size > 0 && std::fwrite(data, 1, size, file_) != size) return false;
  if (std::fwrite(&length, sizeof length, 1, file_) != 1) return false;
  std::fflush(file_);
  const long end = std::ftell(file_);
  return end >= 0 && ::ftruncate(::fileno(file_), end) == 0;
}

bool ScratchFile::write_record(std::span<const double> values) {
  return write_bytes(values.data(), values.size_bytes());
}

bool ScratchFile::write_record(std::string_view text) {
  return write_bytes(text.data(), text.size());
}

bool ScratchFile::read_bytes(std::string& bytes) {
  if (file_ == nullptr) return false;
  std::uint32_t length = 0;
  if (std::fread(&length, sizeof length, 1, file_) != 1) return false;
  bytes.resize(length);
  if (length > 0 && std::fread(bytes.data(), 1, length, file_) != length) return false;
  std::uint32_t trailer = 0;
  return std::fread(&trailer, sizeof trailer, 1, file_) == 1 && trailer == length;
}

bool ScratchFile::read_record(std::string& text) {
  return read_bytes(text);
}

bool ScratchFile::read_record(std::vector<double>& values) {
  std::string bytes;
  if (!read_bytes(bytes) || bytes.size() % sizeof(double) != 0) return false;
  values.resize(bytes.size() / sizeof(double));
  if (!bytes.empty()) std::memcpy(values.data(), bytes.data(), bytes.size());
  return true;
}

void ScratchFile::rewind() {
  if (file_ != nullptr) std::fseek(file_, 0, SEEK_SET);
}

bool ScratchFile::backspace() {
  if (file_ == nullptr) return false;
  const long position = std::ftell(file_);
  if (position < static_cast<long>(2 * sizeof(std::uint32_t))) return false;
  std::uint32_t length = 0;
  if (std::fseek(file_, position - static_cast<long>(sizeof length), SEEK_SET) != 0 ||
      std::fread(&length, sizeof length, 1, file_) != 1)
    return false;
  const long start = position - static_cast<long>(2 * sizeof length + length);
  return start >= 0 && std::fseek(file_, start, SEEK_SET) == 0;
}

}  // namespace tovek8
