// Free-format (list-directed) records and fixed-width text lines of an input file in memory.
#include "model/free_format_reader.h"

#include <cassert>
#include <charconv>
#include <climits>

#include "platform/fatal_error.h"

namespace tovek8 {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}
bool is_separator(char c) {
  return is_blank(c) || c == ',' || c == '/';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool is_quote(char c) {
  return c == '\'' || c == '"';
}

// Skips the digits starting at i; returns the index after them.
std::size_t skip_digits(std::string_view s, std::size_t i) {
  while (i < s.size() && is_digit(s[i])) ++i;
  return i;
}

// The parts of a real literal: [sign] mantissa [exponent], the mantissa as digits with an
// optional point, the exponent with a letter E, e, D, d or only a sign.
struct RealParts {
  std::string_view sign;      // "" or "-" ("+" dropped)
  std::string_view mantissa;  // digits and point
  std::string_view exponent_sign;
  std::string_view exponent_digits;
};

bool split_real(std::string_view s, RealParts& parts) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') parts.sign = s.substr(0, 1);
    ++i;
  }
  const std::size_t mantissa_start = i;
  const std::size_t int_end = skip_digits(s, i);
  std::size_t frac_end = int_end;
  if (int_end < s.size() && s[int_end] == '.') frac_end = skip_digits(s, int_end + 1);
  const std::size_t n_digits =
      (int_end - mantissa_start) + (frac_end > int_end ? frac_end - int_end - 1 : 0);
  if (n_digits == 0) return false;
  parts.mantissa = s.substr(mantissa_start, frac_end - mantissa_start);
  i = frac_end;
  if (i == s.size()) return true;
  const char letter = s[i];
  if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd')
    ++i;
  else if (letter != '+' && letter != '-')
    return false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    parts.exponent_sign = s.substr(i, 1);
    ++i;
  }
  const std::size_t exp_end = skip_digits(s, i);
  if (exp_end == i || exp_end != s.size()) return false;
  parts.exponent_digits = s.substr(i, exp_end - i);
  return true;
}

// Decimal order of magnitude of a real literal that the conversion found out of range:
// positive for an overflow, zero or negative for an underflow.
long long order_of_magnitude(const RealParts& parts) {
  const std::string_view m = parts.mantissa;
  const std::size_t point = m.find('.');
  const std::string_view int_part = m.substr(0, point);
  long long order = 0;
  const std::size_t first = int_part.find_first_not_of('0');
  if (first != std::string_view::npos) {
    order = static_cast<long long>(int_part.size() - first) - 1;
  } else if (point != std::string_view::npos) {
    const std::string_view frac = m.substr(point + 1);
    const std::size_t nz = frac.find_first_not_of('0');
    order = -static_cast<long long>(nz == std::string_view::npos ? frac.size() : nz) - 1;
  }
  long long exponent = 0;
  for (char c : parts.exponent_digits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > 1'000'000'000) break;
  }
  if (parts.exponent_sign == "-") exponent = -exponent;
  return order + exponent;
}

}  // namespace

FreeFormatReader::FreeFormatReader(std::string_view file_name, std::string_view contents)
    : file_name_(file_name), contents_(contents) {
  // A file saved by a Windows editor may start with the UTF-8 byte order mark: not text.
  if (contents_.substr(0, 3) == "\xEF\xBB\xBF") contents_.remove_prefix(3);
  int lines = 0;
  for (char c : contents_)
    if (c == '\n') ++lines;
  if (!contents_.empty() && contents_.back() != '\n') ++lines;
  end_line_ = lines > 0 ? lines : 1;
}

// Takes the next line of the file as the current line; false at the end of the file.
bool FreeFormatReader::next_line() {
  if (next_line_pos_ >= contents_.size()) return false;
  std::size_t end = contents_.find('\n', next_line_pos_);
  if (end == std::string_view::npos) end = contents_.size();
  line_ = contents_.substr(next_line_pos_, end - next_line_pos_);
  if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
  next_line_pos_ = end + 1;
  col_ = 0;
  ++lines_read_;
  return true;
}

std::string FreeFormatReader::read_text_line(std::string_view record,
                                             std::initializer_list<int> numbers, int width) {
  begin_record(record, numbers);
  if (!next_line()) fail_end_of_file("a line of text");
  value_line_ = lines_read_;
  std::string text(line_.substr(0, static_cast<std::size_t>(width)));
  text.resize(static_cast<std::size_t>(width), ' ');
  return text;
}

void FreeFormatReader::begin_record(std::string_view record, std::initializer_list<int> numbers) {
  assert(numbers.size() <= 3 && "a record description holds at most three numbers");
  record_ = record;
  n_numbers_ = 0;
  for (int n : numbers)
    if (n_numbers_ < 3) numbers_[n_numbers_++] = n;
  record_has_line_ = false;
  record_ended_ = false;
  after_value_ = false;
  repeat_left_ = 0;
  value_line_ = 0;
  line_ = {};
  col_ = 0;
}

void FreeFormatReader::end_record() {
  if (!record_has_line_) {
    if (!next_line()) fail_end_of_file("a record");
    value_line_ = lines_read_;
  }
  record_has_line_ = false;
  record_ended_ = false;
  after_value_ = false;
  repeat_left_ = 0;
  line_ = {};
}

// Moves to the next character that is not a blank, taking new lines as needed (a line end
// counts as a blank). The end of the file inside a record is an error.
void FreeFormatReader::skip_blanks_across_lines(ValueKind kind) {
  static constexpr std::string_view kExpected[] = {"an integer", "a real number", "a text value"};
  for (;;) {
    if (!record_has_line_ || col_ >= line_.size()) {
      if (!next_line()) fail_end_of_file(kExpected[static_cast<int>(kind)]);
      record_has_line_ = true;
    }
    while (col_ < line_.size() && is_blank(line_[col_])) ++col_;
    if (col_ < line_.size()) return;
  }
}

FreeFormatReader::Value FreeFormatReader::next_value(ValueKind kind) {
  if (record_ended_) return Value{{}, {}, true, false};
  if (repeat_left_ > 0) {
    --repeat_left_;
    return repeat_value_;
  }
  for (;;) {
    skip_blanks_across_lines(kind);
    const char c = line_[col_];
    if (c == ',') {
      ++col_;
      if (after_value_) {  // the separator after the last value
        after_value_ = false;
        continue;
      }
      value_line_ = lines_read_;
      return Value{{}, {}, true, false};  // a comma with no value before it: a null value
    }
    if (c == '/') {
      record_ended_ = true;
      value_line_ = lines_read_;
      return Value{{}, {}, true, false};
    }
    Value v = scan_value(kind);
    after_value_ = true;
    return v;
  }
}

// Scans one item at col_: an optional repeat count r*, then the value (quoted for a text
// field when it starts with a quote).
FreeFormatReader::Value FreeFormatReader::scan_value(ValueKind kind) {
  const std::string_view s = line_;
  const std::size_t start = col_;
  value_line_ = lines_read_;
  std::size_t value_start = start;
  long long repeat = 1;
  const std::size_t digits_end = skip_digits(s, start);
  if (digits_end > start && digits_end < s.size() && s[digits_end] == '*') {
    repeat = 0;
    for (std::size_t i = start; i < digits_end && repeat <= INT_MAX; ++i)
      repeat = repeat * 10 + (s[i] - '0');
    value_start = digits_end + 1;
  }
  std::size_t end = value_start;
  bool quoted = false;
  if (kind == ValueKind::Text && value_start < s.size() && is_quote(s[value_start])) {
    const char q = s[value_start];
    std::size_t i = value_start + 1;
    for (;;) {
      const std::size_t pos = s.find(q, i);
      if (pos == std::string_view::npos) {
        fail(kStatusInputMalformed,
             "expected a closing quote, found " + quote_for_message(s.substr(start)));
      }
      if (pos + 1 < s.size() && s[pos + 1] == q) {
        i = pos + 2;
        continue;
      }
      end = pos + 1;
      break;
    }
    quoted = true;
    if (end < s.size() && !is_separator(s[end])) {
      std::size_t bad_end = end;
      while (bad_end < s.size() && !is_separator(s[bad_end])) ++bad_end;
      fail_expected(kStatusInputMalformed, lines_read_, kind, s.substr(start, bad_end - start));
    }
  } else {
    while (end < s.size() && !is_separator(s[end])) ++end;
  }
  col_ = end;
  Value v;
  v.token = s.substr(start, end - start);
  v.text = s.substr(value_start, end - value_start);
  v.quoted = quoted;
  v.null = v.text.empty();
  if (repeat < 1) fail_expected(kStatusInputMalformed, lines_read_, kind, v.token);
  if (repeat > 1) {
    repeat_left_ = static_cast<int>(repeat > INT_MAX ? INT_MAX : repeat - 1);
    repeat_value_ = v;
  }
  return v;
}

void FreeFormatReader::read_int(int& field) {
  const Value v = next_value(ValueKind::Integer);
  if (v.null) return;
  const std::string_view s = v.text;
  std::size_t i = 0;
  bool negative = false;
  if (s[0] == '+' || s[0] == '-') {
    negative = s[0] == '-';
    ++i;
  }
  if (i == s.size() || skip_digits(s, i) != s.size())
    fail_expected(kStatusInputMalformed, value_line_, ValueKind::Integer, v.token);
  long long value = 0;
  for (; i < s.size(); ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) {
    fail(kStatusInputMalformed,
         "expected an integer from -2147483648 to 2147483647, found " + quote_for_message(v.token));
  }
  field = static_cast<int>(value);
}

void FreeFormatReader::read_real(double& field) {
  const Value v = next_value(ValueKind::Real);
  if (v.null) return;
  RealParts parts;
  if (!split_real(v.text, parts))
    fail_expected(kStatusInputMalformed, value_line_, ValueKind::Real, v.token);
  scratch_.assign(parts.sign);
  scratch_.append(parts.mantissa);
  if (!parts.exponent_digits.empty()) {
    scratch_ += 'e';
    scratch_.append(parts.exponent_sign);
    scratch_.append(parts.exponent_digits);
  }
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(scratch_.data(), scratch_.data() + scratch_.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (order_of_magnitude(parts) > 0) {
      fail(kStatusInputMalformed, "expected a real number of magnitude below 1.7E+308, found " +
                                      quote_for_message(v.token));
    }
    value = parts.sign.empty() ? 0.0 : -0.0;  // an underflow reads as zero
  } else if (ec != std::errc() || ptr != scratch_.data() + scratch_.size()) {
    fail_expected(kStatusInputMalformed, value_line_, ValueKind::Real, v.token);
  }
  field = value;
}

void FreeFormatReader::read_text(std::string& field, int width) {
  const Value v = next_value(ValueKind::Text);
  if (v.null) return;
  std::string text;
  if (v.quoted) {
    const char q = v.text.front();
    const std::string_view inner = v.text.substr(1, v.text.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
      text += inner[i];
      if (inner[i] == q) ++i;  // a doubled quote stands for one
    }
  } else {
    text.assign(v.text);
  }
  text.resize(static_cast<std::size_t>(width), ' ');
  field = std::move(text);
}

std::string FreeFormatReader::describe_record() const {
  std::string out;
  int k = 0;
  for (char c : record_) {
    if (c == '#' && k < n_numbers_) {
      out += std::to_string(numbers_[k++]);
    } else {
      out += c;
    }
  }
  return out;
}

void FreeFormatReader::fail(int status, std::string_view detail) const {
  int line = value_line_ > 0 ? value_line_ : lines_read_;
  if (line < 1) line = 1;
  std::string message(file_name_);
  message += " line " + std::to_string(line) + ", section ";
  message += section_;
  message += ", " + describe_record() + ": ";
  message += detail;
  throw FatalRunError(status, message);
}

void FreeFormatReader::fail_expected(int status, int line, ValueKind kind,
                                     std::string_view found) const {
  static constexpr std::string_view kExpected[] = {"an integer", "a real number", "a text value"};
  std::string message(file_name_);
  message += " line " + std::to_string(line) + ", section ";
  message += section_;
  message += ", " + describe_record() + ": expected ";
  message += kExpected[static_cast<int>(kind)];
  message += ", found " + quote_for_message(found);
  throw FatalRunError(status, message);
}

void FreeFormatReader::fail_end_of_file(std::string_view expected) const {
  std::string message(file_name_);
  message += " line " + std::to_string(end_line_) + ", section ";
  message += section_;
  message += ", " + describe_record() + ": expected ";
  message += expected;
  message += ", found the end of the file";
  throw FatalRunError(kStatusInputEnded, message);
}

// The token in double quotes for a message: control characters shown as '?', a long token
// cut to its first 40 characters followed by "...".
std::string FreeFormatReader::quote_for_message(std::string_view token) {
  static constexpr std::size_t kMaxShown = 40;
  std::string out = "\"";
  for (std::size_t i = 0; i < token.size() && i < kMaxShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(token[i]);
    out += (c < 0x20 || c == 0x7f) ? '?' : static_cast<char>(c);
  }
  if (token.size() > kMaxShown) out += "...";
  out += '"';
  return out;
}

}  // namespace tovek8
