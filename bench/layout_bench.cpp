// Speed of writing report rows: a parsed layout and the report number writer.
#include <benchmark/benchmark.h>

#include "platform/report_channels.h"
#include "run/layout.h"
#include "run/report_number_writer.h"

namespace tovek8 {
namespace {

// Drops finished lines, so only the formatting is measured.
class DiscardSink : public LineSink {
 public:
  DiscardSink() { line_.text.reserve(512); }
  OpenLine& open_line() override { return line_; }
  void finish_line() override {
    benchmark::DoNotOptimize(line_.text.data());
    line_.text.clear();
    line_.pending_blanks = 0;
    line_.open = false;
  }

 private:
  OpenLine line_;
};

// A row of a results table: pile number, three coordinates, two scientific values, a G field.
void BM_LayoutRow(benchmark::State& state) {
  static const Layout kRow{R"((5X,I6,6X,3F13.5,1P,2(E12.5,2X),G10.2,A4))"};
  DiscardSink sink;
  double x = 0.125;
  for (auto _ : state) {
    kRow.write(sink, 17, x, -2.5 * x, 1000.0 * x, 1.0e-4 * x, 3.0e7 * x, 0.05 * x, "IN");
    x += 1.0e-3;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LayoutRow);

// The same kind of row through the number writer: label, eight reals of width 12, end.
void BM_NumberWriterRow(benchmark::State& state) {
  static const Layout kLabel{R"((5X,I5,$))"};
  ReportChannels reports(nullptr);  // unit 0 without a file: lines are formatted and dropped
  ReportNumberWriter numbers(reports);
  double x = 0.125;
  for (auto _ : state) {
    reports.write(kConsole, kLabel, 3);
    for (int i = 0; i < 8; ++i) numbers.write_real(kConsole, 12, 4, x * (i - 3) * 100.0);
    numbers.end_line(kConsole);
    x += 1.0e-3;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberWriterRow);

// Parsing a layout, done once per layout in the reports.
void BM_LayoutParse(benchmark::State& state) {
  for (auto _ : state) {
    Layout layout(R"((/,5X,"LOAD CASE    : ",I5,3F13.5,2(I8,2X),1P,E12.4,$))");
    benchmark::DoNotOptimize(layout.items().data());
  }
}
BENCHMARK(BM_LayoutParse);

}  // namespace
}  // namespace tovek8
