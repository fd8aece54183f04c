// Sequential scratch files of records, with rewind and step-back of a record.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace tovek8 {

// A sequential file of variable-length records on disk. Each record is stored with its byte
// length before and after it, so that the file can be read forward and stepped back.
class ScratchFile {
 public:
  ScratchFile() = default;
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // Creates (or empties) the file at `path`; false when it cannot be created.
  bool open(const std::string& path);
  // Closes the file; with `remove_file` the file is deleted.
  void close(bool remove_file = false);
  bool is_open() const { return file_ != nullptr; }

  // Appends one record at the current position; the records after it are discarded.
  bool write_record(std::span<const double> values);
  bool write_record(std::string_view text);
  // Reads the next record; false at the end of the file.
  bool read_record(std::vector<double>& values);
  bool read_record(std::string& text);
  // Positions before the first record.
  void rewind();
  // Moves back over the record just read or written; false at the start of the file.
  bool backspace();

 private:
  bool write_bytes(const void* data, std::size_t size);
  bool read_bytes(std::string& bytes);
  std::FILE* file_ = nullptr;
  std::string path_;
};

}  // namespace tovek8
