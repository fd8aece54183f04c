// The library's exported entry points ITOVEK8 and _ITOVEK8.
#include "run/itovek8.h"

#include <cstdio>

#include "run/entry.h"

#define TOVEK8_EXPORT __attribute__((visibility("default")))

extern "C" TOVEK8_EXPORT int32_t TOVEK8_STDCALL ITOVEK8(int32_t /*unused*/) {
  return tovek8::run_analysis(".", tovek8::RunOptions{});
}

extern "C" TOVEK8_EXPORT int32_t TOVEK8_STDCALL _ITOVEK8(int32_t unused) {
  return ITOVEK8(unused);
}
