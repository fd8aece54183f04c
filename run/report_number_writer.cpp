// Numbers appended to an open report line: fixed point or scientific by magnitude.
#include "run/report_number_writer.h"

#include <cassert>
#include <cmath>

#include "run/layout.h"

namespace tovek8 {

namespace {

constexpr double kZeroThreshold = 1.0E-50;

// 10.0 raised to an integer power in single precision, by squaring and multiplying as the
// compiled REAL**INTEGER power does; a negative power is the reciprocal of the positive one.
float single_power_of_ten(int power) {
  unsigned n = power < 0 ? 0U - static_cast<unsigned>(power) : static_cast<unsigned>(power);
  float x = 10.0F;
  float y = (n % 2 != 0) ? x : 1.0F;
  while ((n >>= 1) != 0) {
    x = x * x;
    if (n % 2 != 0) y = y * x;
  }
  return power < 0 ? 1.0F / y : y;
}

// The open line of `unit`, with the blanks of an earlier nX put down: every item of the
// writer is output on that line.
OpenLine& continue_line(ReportChannels& reports, int unit) {
  OpenLine& line = reports.sink(unit).open_line();
  if (line.pending_blanks > 0) {
    line.text.append(static_cast<std::size_t>(line.pending_blanks), ' ');
    line.pending_blanks = 0;
  }
  line.open = true;
  return line;
}

}  // namespace

// F(width).(digits - n) with n = trunc(log10|v|) (less 1 below 1) for 10^(3-c) < |v| < 10^c,
// 0.0 as F(width).(digits) below 1.0E-50, 1PE(width).(digits) otherwise.
void ReportNumberWriter::write_real(int unit, int width, int digits, double value) {
  assert(width >= 1 && width <= 99 && "number width must lie in 1..99");
  assert(digits >= 1 && digits <= 99 && "number digits must lie in 1..99");
  OpenLine& line = continue_line(reports_, unit);
  const double magnitude = std::fabs(value);
  if (value == 0.0 || magnitude < kZeroThreshold) return edit_fixed(line.text, width, digits, 0.0);

  const double lower = single_power_of_ten(3 - digits);
  const double upper = single_power_of_ten(digits);
  if (magnitude > lower && magnitude < upper) {
    int n = static_cast<int>(std::log10(magnitude));  // truncated toward zero
    if (n < 0) n -= 1;
    const int decimals = digits - n;
    if (decimals <= digits + 2) return edit_fixed(line.text, width, decimals, value);
  }
  edit_exponent(line.text, width, digits, value, 1);
}

// Iw.
void ReportNumberWriter::write_int(int unit, int width, long long value) {
  assert(width >= 1 && width <= 99 && "integer width must lie in 1..99");
  edit_integer(continue_line(reports_, unit).text, width, -1, value);
}

// `count` blanks (none for count <= 0).
void ReportNumberWriter::write_blanks(int unit, int count) {
  if (count <= 0) return;
  continue_line(reports_, unit).text.append(static_cast<std::size_t>(count), ' ');
}

// One blank, then the line ends.
void ReportNumberWriter::end_line(int unit) {
  continue_line(reports_, unit).text.push_back(' ');
  reports_.sink(unit).finish_line();
}

}  // namespace tovek8
