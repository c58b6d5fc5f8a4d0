#pragma once
// The calculator's unit-level state. The window owns one and hands it to every
// engine function; nothing in the engine is global.
#include "calc_window.h"

namespace calc {

struct Calculator {
  explicit Calculator(CalcWindow& w) : window(w) {}
  CalcWindow& window;
  bool ActiveIsX = true;  // which register operations act on; not the input focus
};

}  // namespace calc
