// The error that ends a run at once: a file that cannot be opened or read, or bad input.
#pragma once

#include <stdexcept>
#include <string>

namespace tovek8 {

// Status codes of runs that end on a fatal error. They lie clear of the analysis codes
// (3, 13, 21 to 35) that the pile and curve analyses return.
enum FatalStatus : int {
  kStatusNamesFile = 40,       // Names.dat missing, unreadable or too short
  kStatusOpenFailed = 41,      // a file named in Names.dat cannot be opened
  kStatusInputMalformed = 42,  // input data file: a value not of the form its field needs
  kStatusInputEnded = 43,      // input data file ends inside a record or section
  kStatusInputCapacity = 44,   // input data file: a count above the capacity of its table
  kStatusInternalError = 45,   // an unexpected error inside the engine (a fault of the engine)
};

// Thrown by the platform layer and the input reader; caught only by the entry, which writes
// the message, closes every unit and returns the status.
class FatalRunError : public std::runtime_error {
 public:
  FatalRunError(int status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  int status() const { return status_; }

 private:
  int status_;
};

}  // namespace tovek8
