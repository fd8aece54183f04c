// Rows of the edit table printed by edit_table.f90 with the GNU Fortran runtime.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace tovek8::testing {

// One row: kind R (real), I (integer), A (text) or W (number writer), the descriptor (or
// width.digits for W), the value as printed and the field between the brackets.
struct EditRow {
  char kind = 0;
  std::string descriptor;
  std::string value;
  std::string field;
  int line = 0;
  double real() const { return std::strtod(value.c_str(), nullptr); }
  long long integer() const { return std::strtoll(value.c_str(), nullptr, 10); }
};

// Reads tests/run/golden/edit_table.txt; rows look like R|F5.2|1.25E-001|[ 0.12].
inline std::vector<EditRow> read_edit_table() {
  std::ifstream in(std::string(TOVEK8_TEST_DATA_DIR) + "/run/golden/edit_table.txt");
  std::vector<EditRow> rows;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    const std::size_t a = text.find('|');
    const std::size_t b = text.find('|', a + 1);
    const std::size_t c = text.find("|[", b + 1);
    if (a != 1 || b == std::string::npos || c == std::string::npos || text.back() != ']') continue;
    rows.push_back({text[0], text.substr(a + 1, b - a - 1), text.substr(b + 1, c - b - 1),
                    text.substr(c + 2, text.size() - c - 3), line});
  }
  return rows;
}

}  // namespace tovek8::testing
