// Numbers appended to an open report line with a width and a constant count of digits.
#pragma once

#include "platform/report_channels.h"

namespace tovek8 {

// Appends one item to the open line of a report unit; end_line closes the line.
class ReportNumberWriter {
 public:
  explicit ReportNumberWriter(ReportChannels& reports) : reports_(reports) {}

  // v in `width` columns: 0.0 as F(width).(digits) when v is 0 or |v| < 1.0E-50; fixed-point
  // with digits - n decimals, n = trunc(log10|v|) less 1 when negative, when
  // 10^(3-digits) < |v| < 10^digits (bounds in single precision) and digits - n <= digits + 2;
  // otherwise 1PE(width).(digits). Width and digits lie in 1..99.
  void write_real(int unit, int width, int digits, double value);
  // The integer right-aligned in `width` columns (Iw).
  void write_int(int unit, int width, long long value);
  // `count` blanks; nothing when count <= 0.
  void write_blanks(int unit, int count);
  // One blank, then the end of the line.
  void end_line(int unit);

 private:
  ReportChannels& reports_;
};

}  // namespace tovek8
