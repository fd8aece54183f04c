// Free-format (list-directed) records and fixed-width text lines of an input file in memory.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tovek8 {

// Reads an input file held in memory, line by line, the way a list-directed read does:
// - A record starts on the next unread line and takes as many lines as its values need; the
//   rest of the last line it used is ignored. A record whose list is empty still uses a line.
// - Values are separated by blanks (tabs, a stray CR) or a comma with optional blanks around
//   it; a line end counts as a blank. Two commas in a row, or a comma first in the record,
//   give a null value: the field keeps what it held.
// - r*c stands for r copies of the value c, r* for r null values; a slash ends the record,
//   leaving the fields not yet read as they were.
// - Integer fields take an optional sign and digits (32-bit range). Real fields take the
//   Fortran forms: digits with an optional point, an optional exponent with E, e, D or d, or
//   a signed exponent without a letter (1.5+3); Inf and NaN are refused.
// - A text value is one undelimited word, or quoted with ' or " (a doubled quote inside
//   stands for itself) when it holds blanks, commas or slashes.
// - Text lines are read whole at a fixed width, padded with blanks or cut.
// Lines may end in LF or CR LF; the last line may lack its end; a leading UTF-8 byte order
// mark is skipped.
//
// Bad input throws FatalRunError with the file name, the line, the section, the record and
// what was expected. Record descriptions are patterns whose '#' characters are replaced by
// the numbers given, in order, only when a message is built ("record # of group #").
class FreeFormatReader {
 public:
  FreeFormatReader(std::string_view file_name, std::string_view contents);

  // The section named in messages (e.g. "pile groups"); the text must outlive the reads.
  void set_section(std::string_view section) { section_ = section; }

  // Reads the next line as text of `width` characters. End of file is an error.
  std::string read_text_line(std::string_view record, std::initializer_list<int> numbers,
                             int width);

  // Starts a free-format record; the pattern must outlive the record.
  void begin_record(std::string_view record, std::initializer_list<int> numbers = {});
  // Read the next value of the record into the field; a null value leaves it unchanged.
  void read_int(int& field);
  void read_real(double& field);
  void read_text(std::string& field, int width);
  // Ends the record: the rest of its last line is skipped (a record that used no line yet
  // uses one).
  void end_record();

  // Ends the run: "<file> line <n>, section <s>, <record>: <detail>", n being the line of the
  // last value read in the current record.
  [[noreturn]] void fail(int status, std::string_view detail) const;

 private:
  enum class ValueKind { Integer, Real, Text };
  // One value of a record: its text (the part after r* of a repeat) and the whole token for
  // messages. A null value has empty text and null set.
  struct Value {
    std::string_view text;
    std::string_view token;
    bool null = false;
    bool quoted = false;
  };

  bool next_line();
  Value next_value(ValueKind kind);
  Value scan_value(ValueKind kind);
  void skip_blanks_across_lines(ValueKind kind);
  std::string describe_record() const;
  [[noreturn]] void fail_expected(int status, int line, ValueKind kind,
                                  std::string_view found) const;
  [[noreturn]] void fail_end_of_file(std::string_view expected) const;
  static std::string quote_for_message(std::string_view token);

  std::string_view file_name_;
  std::string_view contents_;
  std::string_view section_;
  std::size_t next_line_pos_ = 0;  // start of the first unread line
  int lines_read_ = 0;             // number of the last line taken from the file
  int end_line_ = 1;               // the line on which the file ends, for messages

  // The record being read.
  std::string_view record_;
  int numbers_[3] = {0, 0, 0};
  int n_numbers_ = 0;
  bool record_has_line_ = false;  // a line of the file was taken for this record
  bool record_ended_ = false;     // a slash ended the list
  bool after_value_ = false;      // the last item was a value still needing its separator
  std::string_view line_;         // the current line, without its end
  std::size_t col_ = 0;
  int value_line_ = 0;   // line of the last value read
  int repeat_left_ = 0;  // copies of a repeated value still to hand out
  Value repeat_value_;

  std::string scratch_;  // a real number rewritten for the conversion
};

}  // namespace tovek8
