// The files of a run as Names.dat names them.
#pragma once

#include <string>

namespace tovek8 {

// The 15 records of Names.dat. Texts are blank-padded (version 8, the others 255
// characters); paths have their trailing blanks dropped.
struct RunFiles {
  std::string version;               // record 1, 8 characters
  std::string identification1;       // record 2
  std::string identification2;       // record 3
  std::string input;                 // 4: input data file (unit 15)
  std::string output;                // 5: main report (unit 16)
  std::string summary;               // 6: output summary file (unit 18)
  std::string plot;                  // 7: plot output file (unit 17)
  std::string runtime;               // 8: runtime file (unit 10)
  std::string status;                // 9: status file (unit 19)
  std::string results_table;         // 10: results table file (unit 14)
  std::string progress;              // 11: progress file (unit 21)
  std::string axial_curves;          // 12: axial curves file (unit 20)
  std::string case_scratch;          // 13
  std::string combination_scratch;   // 14
  std::string pile_results_scratch;  // 15
};

}  // namespace tovek8
