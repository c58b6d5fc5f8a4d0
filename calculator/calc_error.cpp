#include "calc_error.h"

namespace calc {

std::string CalcErrorMessage(int code) {
  switch (code) {
    case NotANumber: return "Dana nie jest liczbą";
    case NegativeNumber: return "Liczba jest ujemna";
    case ZeroNumber: return "Liczba jest równa 0";
    case NumberTooSmall: return "Liczba jest za mała";
    case NumberTooLarge: return "Liczba jest za duża";
    case DivisionByZero: return "Dzielenie przez zero";
    case NegativePowerBase: return "Liczba podnoszona do potęgi jest ujemna";
    default: return "???";
  }
}

}  // namespace calc
