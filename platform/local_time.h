// The local wall-clock date and time.
#pragma once

namespace tovek8 {

struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The local date and time at the moment of the call.
LocalDateTime local_date_time();

}  // namespace tovek8
