// Report layouts in Fortran edit-descriptor notation: parsed once, written many times.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tovek8 {

// One value of the output list of a layout: an integer (I), a real (F, E, G) or a text (A).
struct LayoutArg {
  enum class Kind : std::uint8_t { Integer, Real, Text };
  Kind kind;
  long long integer = 0;
  double real = 0.0;
  std::string_view text;

  LayoutArg(int v) : kind(Kind::Integer), integer(v) {}
  LayoutArg(long v) : kind(Kind::Integer), integer(v) {}
  LayoutArg(long long v) : kind(Kind::Integer), integer(v) {}
  LayoutArg(double v) : kind(Kind::Real), real(v) {}
  LayoutArg(float v) : kind(Kind::Real), real(v) {}
  LayoutArg(std::string_view v) : kind(Kind::Text), text(v) {}
  LayoutArg(const char* v) : kind(Kind::Text), text(v) {}
  LayoutArg(const std::string& v) : kind(Kind::Text), text(v) {}
};

// The line being built on a report channel. It survives between writes when a layout
// ends in "$": the next write continues it. Blanks of an nX are held in pending_blanks and
// materialise only when more output follows on the same line.
struct OpenLine {
  std::string text;
  int pending_blanks = 0;
  bool open = false;  // the last write ended with "$"
};

// Receives the lines a layout produces.
class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual OpenLine& open_line() = 0;
  // Writes open_line().text and a newline to the destination and clears the line.
  virtual void finish_line() = 0;
};

// A parsed layout such as (/,5X,"LOAD CASE    : ",I5,3F13.5,2(I8,2X),$).
// Descriptors: nX, Iw, Iw.m, Fw.d, Ew.d, kP (scale factor for later F and E fields of the
// same layout and for G fields written in scientific form), Gw.d, Aw, A, quoted literals
// ("..." or '...', a doubled quote stands for itself), nH literals, "/", "$" (also "\"), repeat
// counts and k(...) groups. The outer parentheses are required. A malformed layout is a
// programmer error: the constructor throws std::invalid_argument naming the column, in every
// build, so a bad layout fails the first time it is constructed.
class Layout {
 public:
  explicit Layout(std::string_view notation);

  // Writes the output list with this layout. Items left over when the layout ends start a
  // new line and reuse the layout from its last top-level group (Fortran format reversion);
  // when the items run out, writing stops at the next data descriptor. An item of the wrong
  // kind for its descriptor is a programmer error (assert; asterisks in a release build).
  void write(LineSink& sink, std::span<const LayoutArg> args) const;

  template <class... Args>
  void write(LineSink& sink, const Args&... args) const {
    const std::array<LayoutArg, sizeof...(Args)> list{LayoutArg(args)...};
    write(sink, std::span<const LayoutArg>(list.data(), list.size()));
  }

  std::string_view notation() const { return notation_; }

  // Parsed form; public so that the kernels and tests can inspect it.
  enum class Op : std::uint8_t {
    Blanks,      // nX
    Literal,     // quoted text
    EndLine,     // "/"
    KeepOpen,    // "$" or "\"
    Scale,       // kP
    Integer,     // Iw or Iw.m
    Fixed,       // Fw.d
    Exponent,    // Ew.d
    General,     // Gw.d
    Text,        // Aw, or A when width is 0
    GroupBegin,  // k( ; count = repeat count, jump = index of matching GroupEnd
    GroupEnd,    // )  ; jump = index of matching GroupBegin
  };
  struct Item {
    Op op;
    int count = 1;  // repeat count of a data descriptor or group, n of nX, k of kP
    int width = 0;
    int digits = 0;  // d of Fw.d / Ew.d / Gw.d, m of Iw.m (-1 when absent)
    int jump = 0;
    std::string literal;
  };
  const std::vector<Item>& items() const { return items_; }

 private:
  std::string notation_;
  std::vector<Item> items_;
  int reversion_start_ = 0;  // item index where format reversion restarts
};

// Edit-descriptor kernels: each appends one field of exactly `width` characters to `out`
// (asterisks when the value does not fit), with the rounding and forms of the GNU Fortran
// runtime. `scale` is the kP scale factor in effect.
void edit_integer(std::string& out, int width, int min_digits,
                  long long value);  // Iw, Iw.m (min_digits < 0: absent)
void edit_fixed(std::string& out, int width, int decimals, double value, int scale = 0);  // Fw.d
void edit_exponent(std::string& out, int width, int decimals, double value,
                   int scale = 0);  // Ew.d, kPEw.d
void edit_general(std::string& out, int width, int decimals, double value, int scale = 0);  // Gw.d
void edit_text(std::string& out, int width, std::string_view value);  // Aw (width 0: A)

}  // namespace tovek8
