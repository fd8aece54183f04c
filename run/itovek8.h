/* The exported entry of the pile group analysis library. */
#ifndef TOVEK8_ITOVEK8_H
#define TOVEK8_ITOVEK8_H

#include <stdint.h>

/* The standard-call convention of the original platform; empty here. */
#ifndef TOVEK8_STDCALL
#define TOVEK8_STDCALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Runs one analysis as Names.dat in the current directory describes it; the argument has
   no effect. Returns 0 when every load case and combination was analysed, otherwise the
   status that ended the run (see README). */
int32_t TOVEK8_STDCALL ITOVEK8(int32_t unused);
int32_t TOVEK8_STDCALL _ITOVEK8(int32_t unused);

#ifdef __cplusplus
}
#endif

#endif
