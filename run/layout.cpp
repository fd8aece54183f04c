// Report layouts: parsing the edit-descriptor notation once, writing records, edit kernels.
#include "run/layout.h"

#include <cassert>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace tovek8 {

namespace {

constexpr int kMaxGroupDepth = 16;    // nesting of k(...) groups
constexpr int kMaxWidth = 999;        // widths and digit counts of a descriptor
constexpr int kMaxScale = 99;         // |k| of kP
constexpr int kMaxSignificant = 120;  // digits of an E mantissa; more shows as asterisks
constexpr int kMaxDecimals = 200;     // decimals of an F field; more shows as asterisks

// ---------------------------------------------------------------------------------------------
// Edit kernels.

void append_stars(std::string& out, int width) {
  out.append(static_cast<std::size_t>(width), '*');
}

// Right-justifies `body` in `width` columns.
void append_right(std::string& out, int width, std::string_view body) {
  out.append(static_cast<std::size_t>(width) - body.size(), ' ');
  out.append(body);
}

// Infinity and NaN as the runtime writes them for F, E and G: "Infinity" when the field
// holds it, else "Inf", with a minus sign for negative infinity; "NaN"; too narrow: asterisks.
void append_non_finite(std::string& out, int width, double value) {
  if (std::isnan(value)) {
    if (width < 3) return append_stars(out, width);
    return append_right(out, width, "NaN");
  }
  const bool negative = std::signbit(value);
  const int sign = negative ? 1 : 0;
  if (width < 3 + sign) return append_stars(out, width);
  std::string_view word = width >= 8 + sign ? "Infinity" : "Inf";
  char buf[16];
  std::size_t n = 0;
  if (negative) buf[n++] = '-';
  for (char c : word) buf[n++] = c;
  append_right(out, width, std::string_view(buf, n));
}

// 10^n by repeated multiplication, 1/10^-n for negative n, as the runtime's G editing forms it.
double power_of_ten(int n) {
  double r = 1.0;
  for (int i = 0; i < (n >= 0 ? n : -n); ++i) r *= 10.0;
  return n >= 0 ? r : 1.0 / r;
}

// Field body of a fixed-point or scientific number, built on the stack.
struct Body {
  char text[704];
  int size = 0;
  void put(char c) { text[size++] = c; }
  void put(const char* s, int n) {
    for (int i = 0; i < n; ++i) text[size++] = s[i];
  }
  std::string_view view() const { return std::string_view(text, static_cast<std::size_t>(size)); }
};

// Fixed point: |value| * 10^scale rounded to `decimals` places (round half even on the exact
// binary value, as the C library prints), sign kept on a negative value that rounds to zero,
// the zero before the point dropped when the field is one column short.
void edit_fixed_finite(std::string& out, int width, int decimals, double value, int scale) {
  if (decimals > kMaxDecimals || scale > kMaxScale || scale < -kMaxScale)
    return append_stars(out, width);
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  char digits[704];
  int precision = decimals + scale;
  int n;
  if (precision >= 0) {
    n = std::snprintf(digits, sizeof digits, "%.*f", precision, magnitude);
  } else {
    // A negative scale beyond the decimals rounds left of the point: shift first.
    precision = 0;
    n = std::snprintf(digits, sizeof digits, "%.0f", magnitude * power_of_ten(decimals + scale));
    scale = -decimals;
  }
  if (n < 0 || n >= static_cast<int>(sizeof digits)) return append_stars(out, width);

  // digits = I...I.F...F with `precision` fraction digits; move the point `scale` places right.
  const char* point =
      static_cast<const char*>(std::memchr(digits, '.', static_cast<std::size_t>(n)));
  const int int_len = point != nullptr ? static_cast<int>(point - digits) : n;
  const char* frac = point != nullptr ? point + 1 : digits + n;
  const int frac_len = n - int_len - (point != nullptr ? 1 : 0);

  Body body;
  if (negative) body.put('-');
  // Integer digits: the printed integer part, then the first `scale` fraction digits (or, for a
  // negative scale, the integer part shortened by -scale digits).
  char whole[704];
  int whole_len = 0;
  int frac_start = 0;
  if (scale >= 0) {
    for (int i = 0; i < int_len; ++i) whole[whole_len++] = digits[i];
    for (int i = 0; i < scale && i < frac_len; ++i) whole[whole_len++] = frac[i];
    frac_start = scale;
  } else {
    const int keep = int_len + scale;  // digits left of the new point
    for (int i = 0; i < keep; ++i) whole[whole_len++] = digits[i];
    frac_start = 0;
  }
  int lead = 0;
  while (lead < whole_len && whole[lead] == '0') ++lead;
  const int int_digits = whole_len - lead;

  // Fraction digits: for a negative scale, the integer digits moved right of the point first.
  char fraction[704];
  int fraction_len = 0;
  if (scale < 0) {
    const int moved = -scale;
    const int pad = moved - int_len;
    for (int i = 0; i < pad; ++i) fraction[fraction_len++] = '0';
    for (int i = (int_len > moved ? int_len - moved : 0); i < int_len; ++i)
      fraction[fraction_len++] = digits[i];
  }
  for (int i = frac_start; i < frac_len; ++i) fraction[fraction_len++] = frac[i];
  fraction_len = decimals < fraction_len ? decimals : fraction_len;

  const int needed = body.size + int_digits + 1 + fraction_len;
  if (int_digits > 0) {
    body.put(whole + lead, int_digits);
  } else if (needed < width || decimals == 0) {
    body.put('0');  // optional unless there are no decimals
  }
  body.put('.');
  body.put(fraction, fraction_len);
  if (body.size > width) return append_stars(out, width);
  append_right(out, width, body.view());
}

// Appends the exponent part: E+dd for |e| <= 99, +ddd up to 999.
bool put_exponent(Body& body, int exponent) {
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude > 999) return false;
  if (magnitude <= 99) body.put('E');
  body.put(exponent < 0 ? '-' : '+');
  if (magnitude > 99) body.put(static_cast<char>('0' + magnitude / 100));
  body.put(static_cast<char>('0' + magnitude / 10 % 10));
  body.put(static_cast<char>('0' + magnitude % 10));
  return true;
}

// Scientific form kPEw.d: with k <= 0, 0.(-k zeros)(d+k digits); with 0 < k < d+2, k digits
// before the point and d-k+1 after. The exponent is that of the printed mantissa.
void edit_exponent_finite(std::string& out, int width, int decimals, double value, int scale) {
  const int significant = scale > 0 ? decimals + 1 : decimals + scale;
  if (significant <= 0 || scale < -kMaxScale || significant > kMaxSignificant ||
      scale > decimals + 1)
    return append_stars(out, width);
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);

  char digits[kMaxSignificant];
  int exponent = 0;
  if (magnitude == 0.0) {
    for (int i = 0; i < significant; ++i) digits[i] = '0';
  } else {
    char buf[kMaxSignificant + 16];
    const int n = std::snprintf(buf, sizeof buf, "%.*e", significant - 1, magnitude);
    if (n < 0 || n >= static_cast<int>(sizeof buf)) return append_stars(out, width);
    // buf = d.ddde[+-]xx
    int k = 0;
    for (int i = 0; i < n && buf[i] != 'e'; ++i)
      if (buf[i] != '.') digits[k++] = buf[i];
    exponent = std::atoi(std::strchr(buf, 'e') + 1) + 1 - scale;
  }

  Body body;
  if (negative) body.put('-');
  bool optional_zero = false;
  if (scale > 0) {
    body.put(digits, scale);
    body.put('.');
    body.put(digits + scale, significant - scale);
  } else {
    optional_zero = true;
    body.put('0');
    body.put('.');
    for (int i = 0; i < -scale; ++i) body.put('0');
    body.put(digits, significant);
  }
  if (!put_exponent(body, exponent)) return append_stars(out, width);
  if (body.size > width && optional_zero) {
    // Drop the zero before the point.
    const int at = negative ? 1 : 0;
    for (int i = at; i + 1 < body.size; ++i) body.text[i] = body.text[i + 1];
    --body.size;
  }
  if (body.size > width) return append_stars(out, width);
  append_right(out, width, body.view());
}

// ---------------------------------------------------------------------------------------------
// Parsing.

[[noreturn]] void malformed(std::string_view notation, std::size_t at, const char* what) {
  throw std::invalid_argument("layout " + std::string(notation) + ": " + what + " at column " +
                              std::to_string(at + 1));
}

Layout::Item make_item(Layout::Op op, int count, std::string literal = {}) {
  Layout::Item item{};
  item.op = op;
  item.count = count;
  item.literal = std::move(literal);
  return item;
}

class Parser {
 public:
  explicit Parser(std::string_view s) : s_(s) {}

  // Parses the whole layout into `items`; returns the index where format reversion restarts.
  int parse(std::vector<Layout::Item>& items) {
    skip_blanks();
    if (!eat('(')) fail("missing opening parenthesis");
    int reversion = 0;
    parse_list(items, 1, reversion);
    skip_blanks();
    if (pos_ != s_.size()) fail("text after the closing parenthesis");
    return reversion;
  }

 private:
  void fail(const char* what) const { malformed(s_, pos_, what); }
  void skip_blanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
  }
  bool at_end() const { return pos_ >= s_.size(); }
  char peek() const {
    return at_end() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(s_[pos_])));
  }
  bool eat(char c) {
    skip_blanks();
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  // An unsigned decimal number, or -1 when none is there.
  int number() {
    skip_blanks();
    if (!std::isdigit(static_cast<unsigned char>(peek()))) return -1;
    long v = 0;
    while (std::isdigit(static_cast<unsigned char>(peek()))) {
      v = v * 10 + (s_[pos_] - '0');
      if (v > kMaxWidth) fail("number too large");
      ++pos_;
      skip_blanks();
    }
    return static_cast<int>(v);
  }

  // Items up to the ')' that closes the current level.
  void parse_list(std::vector<Layout::Item>& items, int depth, int& reversion) {
    for (;;) {
      skip_blanks();
      if (at_end()) fail("missing closing parenthesis");
      const char c = peek();
      if (c == ')') {
        ++pos_;
        return;
      }
      if (c == ',') {
        ++pos_;
        continue;
      }
      parse_item(items, depth, reversion);
    }
  }

  void parse_item(std::vector<Layout::Item>& items, int depth, int& reversion) {
    skip_blanks();
    const std::size_t start = pos_;
    bool minus = false;
    if (peek() == '-' || peek() == '+') {
      minus = peek() == '-';
      ++pos_;
    }
    const int n = number();
    if (minus && n < 0) fail("sign without a number");
    const char c = peek();
    if (c == 'P') {
      ++pos_;
      if (n < 0) fail("scale factor without a number");
      if (n > kMaxScale) fail("scale factor out of range");
      items.push_back(make_item(Layout::Op::Scale, minus ? -n : n));
      return;  // a data descriptor may follow without a comma
    }
    if (minus) fail("signed number before a descriptor");
    if (n == 0) {
      pos_ = start;
      fail("repeat count of zero");
    }
    const int count = n < 0 ? 1 : n;
    switch (c) {
      case '(': {
        if (depth >= kMaxGroupDepth) fail("groups nested too deep");
        ++pos_;
        const int begin = static_cast<int>(items.size());
        items.push_back(make_item(Layout::Op::GroupBegin, count));
        parse_list(items, depth + 1, reversion);
        const int end = static_cast<int>(items.size());
        items.push_back(make_item(Layout::Op::GroupEnd, 1));
        items.back().jump = begin;
        items[static_cast<std::size_t>(begin)].jump = end;
        if (depth == 1) reversion = begin;
        return;
      }
      case 'X':
        ++pos_;
        items.push_back(make_item(Layout::Op::Blanks, count));
        return;
      case '/':
        ++pos_;
        items.push_back(make_item(Layout::Op::EndLine, count));
        return;
      case '$':
      case '\\':
        ++pos_;
        items.push_back(make_item(Layout::Op::KeepOpen, 1));
        return;
      case '"':
      case '\'':
        if (n >= 0) fail("repeat count before a literal");
        items.push_back(make_item(Layout::Op::Literal, 1, quoted()));
        return;
      case 'H': {
        if (n < 0) fail("H without a length");
        ++pos_;
        if (pos_ + static_cast<std::size_t>(n) > s_.size()) fail("H text runs past the end");
        items.push_back(make_item(Layout::Op::Literal, 1,
                                  std::string(s_.substr(pos_, static_cast<std::size_t>(n)))));
        pos_ += static_cast<std::size_t>(n);
        return;
      }
      case 'I':
      case 'F':
      case 'E':
      case 'G':
      case 'A':
        ++pos_;
        items.push_back(data_descriptor(c, count));
        return;
      default:
        fail("unknown descriptor");
    }
  }

  Layout::Item data_descriptor(char c, int count) {
    Layout::Item item = make_item(Layout::Op::Text, count);
    switch (c) {
      case 'I':
        item.op = Layout::Op::Integer;
        break;
      case 'F':
        item.op = Layout::Op::Fixed;
        break;
      case 'E':
        item.op = Layout::Op::Exponent;
        break;
      case 'G':
        item.op = Layout::Op::General;
        break;
      default:
        item.op = Layout::Op::Text;
        break;
    }
    const int width = number();
    if (item.op == Layout::Op::Text) {
      if (width == 0) fail("A with a width of zero");
      item.width = width < 0 ? 0 : width;
      item.digits = -1;
      return item;
    }
    if (width <= 0) fail("descriptor without a width");
    item.width = width;
    item.digits = -1;
    if (eat('.')) {
      item.digits = number();
      if (item.digits < 0) fail("missing digits after the point");
    } else if (item.op != Layout::Op::Integer) {
      fail("descriptor without digits");
    }
    return item;
  }

  // A literal in double or single quotes; a doubled quote stands for itself.
  std::string quoted() {
    const std::size_t start = pos_;
    const char q = s_[pos_++];
    std::string text;
    for (;;) {
      if (pos_ >= s_.size()) {
        pos_ = start;
        fail("unterminated literal");
      }
      const char c = s_[pos_++];
      if (c == q) {
        if (pos_ < s_.size() && s_[pos_] == q) {
          text.push_back(q);
          ++pos_;
          continue;
        }
        return text;
      }
      text.push_back(c);
    }
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

void materialise_blanks(OpenLine& line) {
  if (line.pending_blanks <= 0) return;
  line.text.append(static_cast<std::size_t>(line.pending_blanks), ' ');
  line.pending_blanks = 0;
}

// One data item edited by one descriptor. A value of the wrong kind is a programmer error; in a
// release build it shows as a field of asterisks.
void edit_item(std::string& out, const Layout::Item& item, const LayoutArg& arg, int scale) {
  using Kind = LayoutArg::Kind;
  switch (item.op) {
    case Layout::Op::Integer:
      assert(arg.kind == Kind::Integer && "I descriptor given a value that is not an integer");
      if (arg.kind != Kind::Integer) return append_stars(out, item.width);
      return edit_integer(out, item.width, item.digits, arg.integer);
    case Layout::Op::Fixed:
    case Layout::Op::Exponent:
    case Layout::Op::General: {
      assert(arg.kind == Kind::Real && "F, E or G descriptor given a value that is not a real");
      if (arg.kind != Kind::Real) return append_stars(out, item.width);
      if (item.op == Layout::Op::Fixed)
        return edit_fixed(out, item.width, item.digits, arg.real, scale);
      if (item.op == Layout::Op::Exponent)
        return edit_exponent(out, item.width, item.digits, arg.real, scale);
      return edit_general(out, item.width, item.digits, arg.real, scale);
    }
    default:
      assert(arg.kind == Kind::Text && "A descriptor given a value that is not a text");
      if (arg.kind != Kind::Text) return append_stars(out, item.width);
      return edit_text(out, item.width, arg.text);
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Kernels.

void edit_integer(std::string& out, int width, int min_digits, long long value) {
  assert(width >= 1 && "I field without a width");
  if (value == 0 && min_digits == 0) {
    out.append(static_cast<std::size_t>(width), ' ');
    return;
  }
  const bool negative = value < 0;
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                          : static_cast<unsigned long long>(value);
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  const int shown = min_digits > n ? min_digits : n;
  const int size = shown + (negative ? 1 : 0);
  if (size > width) return append_stars(out, width);
  out.append(static_cast<std::size_t>(width - size), ' ');
  if (negative) out.push_back('-');
  out.append(static_cast<std::size_t>(shown - n), '0');
  for (int i = n - 1; i >= 0; --i) out.push_back(digits[i]);
}

void edit_fixed(std::string& out, int width, int decimals, double value, int scale) {
  assert(width >= 1 && decimals >= 0 && "F field needs a width and decimals");
  if (!std::isfinite(value)) return append_non_finite(out, width, value);
  edit_fixed_finite(out, width, decimals, value, scale);
}

void edit_exponent(std::string& out, int width, int decimals, double value, int scale) {
  assert(width >= 1 && decimals >= 0 && "E field needs a width and decimals");
  if (!std::isfinite(value)) return append_non_finite(out, width, value);
  edit_exponent_finite(out, width, decimals, value, scale);
}

// Gw.d: fixed point F(w-4).(d-s) and four blanks when the value rounded to d digits has s
// digits before the point with 0 <= s <= d, else kPEw.d. The bounds 10^(s-1)(1 - 0.5/10^d) are
// computed and compared in double precision, as the GNU runtime does, which decides the
// values lying on a bound.
void edit_general(std::string& out, int width, int decimals, double value, int scale) {
  assert(width >= 1 && decimals >= 0 && "G field needs a width and decimals");
  if (!std::isfinite(value)) return append_non_finite(out, width, value);
  const double m = std::fabs(value);
  const int d = decimals;
  const double exp_d = power_of_ten(d);
  const double r = 0.5;
  const double r_sc = 1.0 - r / exp_d;
  volatile double temp = 0.1 * r_sc;
  if ((m > 0.0 && (m < temp || r >= exp_d - m)) || d == 0)
    return edit_exponent_finite(out, width, d, value, scale);

  // Binary search for the digit count s + 1 = mid with 10^(mid-2) r_sc <= m < 10^(mid-1) r_sc.
  int mid = 0;
  int low = 0;
  int high = d + 1;
  int lbound = 0;
  int ubound = d + 1;
  while (low <= high) {
    mid = (low + high) / 2;
    temp = power_of_ten(mid - 1) * r_sc;
    if (m < temp) {
      ubound = mid;
      if (ubound == lbound + 1) break;
      high = mid - 1;
    } else if (m > temp) {
      lbound = mid;
      if (ubound == lbound + 1) {
        ++mid;
        break;
      }
      low = mid + 1;
    } else {
      ++mid;
      break;
    }
  }
  int pad = 4;
  if (pad >= width) pad = width - 1;
  const int fixed_width = width - pad;
  const int fixed_decimals = m == 0.0 ? d - 1 : d - mid + 1;
  const std::size_t at = out.size();
  edit_fixed_finite(out, fixed_width, fixed_decimals, value, 0);
  if (out[at] == '*') {
    out.resize(at);
    return append_stars(out, width);
  }
  out.append(static_cast<std::size_t>(pad), ' ');
}

void edit_text(std::string& out, int width, std::string_view value) {
  if (width <= 0) {
    out.append(value);
    return;
  }
  const std::size_t w = static_cast<std::size_t>(width);
  if (value.size() >= w) {
    out.append(value.substr(0, w));
    return;
  }
  out.append(w - value.size(), ' ');
  out.append(value);
}

// ---------------------------------------------------------------------------------------------
// Layout.

Layout::Layout(std::string_view notation) : notation_(notation) {
  reversion_start_ = Parser(notation_).parse(items_);
}

void Layout::write(LineSink& sink, std::span<const LayoutArg> args) const {
  struct Frame {
    int begin;
    int remaining;
  };
  std::array<Frame, kMaxGroupDepth> groups;
  int depth = 0;
  int scale = 0;
  bool keep_open = false;
  bool data_since_reversion = false;
  std::size_t next = 0;
  std::size_t pc = 0;
  OpenLine* line = &sink.open_line();
  line->open = false;

  auto end_line = [&] {
    line->pending_blanks = 0;  // an nX at the end of a line writes nothing
    sink.finish_line();
    line = &sink.open_line();
  };

  for (;;) {
    if (pc == items_.size()) {
      // Format reversion: items remain, so a new line starts and the layout resumes at its
      // last top-level group (or its start).
      if (next == args.size() || !data_since_reversion) break;
      end_line();
      keep_open = false;
      data_since_reversion = false;
      depth = 0;
      pc = static_cast<std::size_t>(reversion_start_);
      continue;
    }
    const Item& item = items_[pc];
    switch (item.op) {
      case Op::Blanks:
        line->pending_blanks += item.count;
        break;
      case Op::Literal:
        materialise_blanks(*line);
        line->text.append(item.literal);
        break;
      case Op::EndLine:
        for (int i = 0; i < item.count; ++i) end_line();
        break;
      case Op::KeepOpen:
        keep_open = true;
        break;
      case Op::Scale:
        scale = item.count;
        break;
      case Op::GroupBegin:
        groups[static_cast<std::size_t>(depth++)] = {static_cast<int>(pc), item.count};
        break;
      case Op::GroupEnd: {
        Frame& top = groups[static_cast<std::size_t>(depth - 1)];
        if (--top.remaining > 0) {
          pc = static_cast<std::size_t>(top.begin) + 1;
          continue;
        }
        --depth;
        break;
      }
      default:  // data descriptors
        for (int i = 0; i < item.count; ++i) {
          if (next == args.size())
            goto done;  // the list ends at the first descriptor without an item
          materialise_blanks(*line);
          edit_item(line->text, item, args[next++], scale);
          data_since_reversion = true;
        }
        break;
    }
    ++pc;
  }
done:
  assert(next == args.size() && "more items than the layout has data descriptors for");
  if (keep_open) {
    line->open = true;
    return;
  }
  end_line();
}

}  // namespace tovek8
