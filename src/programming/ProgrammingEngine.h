// The one operation that turns a layout file into a programmed keyboard. It
// has the shape of a command-line entry (argument count and vector) and
// returns 0 or the number of the string-table message its caller shows.
//
// Argument forms (element 0 is a program name and never read):
//   0 or 1 arguments   detect the keyboard type, write nothing
//   2                  element 1 is the layout file (or -h, /h, /?)
//   3                  element 2 is "/N", N the keyboard type 0..2; no detection
#pragma once

#include "programming/KeyboardDriver.h"

namespace vorlan {

// Through a given keyboard and clock (tests, the emulated keyboard).
int ProgrammingEngine(int argumentCount, const char* const* argumentVector,
                      const WriteProgress& progress, KeyboardDriver& driver, PacingClock& clock);

// Through the keyboard VORLAN_DEVICE selects and the system clock.
int ProgrammingEngine(int argumentCount, const char* const* argumentVector,
                      const WriteProgress& progress);

} // namespace vorlan
