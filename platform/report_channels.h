// Numbered report channels bound to files for one run, with open lines and flushing.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "run/layout.h"

namespace tovek8 {

// Channel numbers of a run; the same number always means the same file during a run.
enum Unit : int {
  kConsole = 0,
  kRuntimeUnit = 10,
  kScratchUnit11 = 11,
  kScratchUnit12 = 12,
  kScratchUnit13 = 13,
  kResultsTableUnit = 14,
  kInputUnit = 15,
  kOutputUnit = 16,
  kPlotUnit = 17,
  kSummaryUnit = 18,
  kStatusUnit = 19,
  kAxialCurvesUnit = 20,
  kProgressUnit = 21,
};

// The report channels of one run. Unit 0 is the console (the stream given at construction).
// A write to a unit that is not open is dropped, as the progress file between messages is.
class ReportChannels {
 public:
  static constexpr int kMaxUnit = 99;

  explicit ReportChannels(std::FILE* console = stdout);
  ~ReportChannels();
  ReportChannels(const ReportChannels&) = delete;
  ReportChannels& operator=(const ReportChannels&) = delete;

  // Opens `unit` for writing on `path` (replacing the file, or appending to it).
  // Returns false when the file cannot be opened; the unit is then closed.
  bool open(int unit, const std::string& path, bool append = false);
  // Ends an open line, then closes the unit. Closing a unit that is not open is harmless.
  void close(int unit);
  void close_all();
  bool is_open(int unit) const;
  // Commits the unit's buffered output to disk; returns false on failure (otherwise ignored).
  bool flush_unit(int unit);

  // Writes the output list with the layout on `unit`.
  template <class... Args>
  void write(int unit, const Layout& layout, const Args&... args) {
    layout.write(sink(unit), args...);
  }
  // The line sink of a unit, for the layout writer and the report number writer.
  LineSink& sink(int unit);

 private:
  class Channel : public LineSink {
   public:
    OpenLine& open_line() override { return line; }
    void finish_line() override;
    std::FILE* file = nullptr;
    bool owned = false;  // closed by close(); the console is not
    bool write_failed = false;
    OpenLine line;
  };
  std::array<Channel, kMaxUnit + 1> channels_;
};

}  // namespace tovek8
