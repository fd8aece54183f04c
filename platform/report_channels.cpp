// Numbered report channels bound to files for one run, with open lines and flushing.
#include "platform/report_channels.h"

#include <cassert>

namespace tovek8 {

namespace {
constexpr std::size_t kLineCapacity = 512;  // reserved once per channel; longer lines still work
}

void ReportChannels::Channel::finish_line() {
  line.text.push_back('\n');
  if (file != nullptr &&
      std::fwrite(line.text.data(), 1, line.text.size(), file) != line.text.size())
    write_failed = true;
  line.text.clear();
  line.pending_blanks = 0;
  line.open = false;
}

ReportChannels::ReportChannels(std::FILE* console) {
  for (Channel& c : channels_) c.line.text.reserve(kLineCapacity);
  channels_[kConsole].file = console;
  channels_[kConsole].owned = false;
}

ReportChannels::~ReportChannels() {
  close_all();
}

bool ReportChannels::open(int unit, const std::string& path, bool append) {
  assert(unit > 0 && unit <= kMaxUnit && "unit number out of range");
  close(unit);
  Channel& c = channels_[unit];
  c.file = std::fopen(path.c_str(), append ? "a" : "w");
  if (c.file == nullptr) return false;
  c.owned = true;
  c.write_failed = false;
  return true;
}

void ReportChannels::close(int unit) {
  assert(unit >= 0 && unit <= kMaxUnit && "unit number out of range");
  Channel& c = channels_[unit];
  if (c.line.open || !c.line.text.empty()) c.finish_line();
  if (c.owned && c.file != nullptr) std::fclose(c.file);
  if (c.owned) c.file = nullptr;
  c.owned = false;
  c.line = OpenLine{std::move(c.line.text), 0, false};
  c.line.text.clear();
}

void ReportChannels::close_all() {
  for (int unit = 1; unit <= kMaxUnit; ++unit) close(unit);
  Channel& console = channels_[kConsole];
  if (console.line.open || !console.line.text.empty()) console.finish_line();
  if (console.file != nullptr) std::fflush(console.file);
}

bool ReportChannels::is_open(int unit) const {
  assert(unit >= 0 && unit <= kMaxUnit && "unit number out of range");
  return channels_[unit].file != nullptr;
}

bool ReportChannels::flush_unit(int unit) {
  assert(unit >= 0 && unit <= kMaxUnit && "unit number out of range");
  Channel& c = channels_[unit];
  if (c.file == nullptr) return false;
  // Handing the buffer to the operating system makes the lines visible to a host that
  // reads the file while the run goes on.
  return std::fflush(c.file) == 0;
}

LineSink& ReportChannels::sink(int unit) {
  assert(unit >= 0 && unit <= kMaxUnit && "unit number out of range");
  return channels_[unit];
}

}  // namespace tovek8
