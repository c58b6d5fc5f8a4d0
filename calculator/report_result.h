#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "calculator.h"

namespace calc {

enum OperationCode : std::uint8_t {
  OpSin = 1, OpCos, OpTan, OpAtan, OpLn, OpExp, OpSqrt, OpSqr, OpRecip,
  OpPower, OpMul, OpDiv, OpAdd, OpSub, OpAtan2,
};

// Indexed 1..15 by OperationCode; entry 0 is unused.
extern const std::string_view OperationNames[16];

// The journal label of an operation: «sin(x)=», «(1/x)=», «y^x=», «artG(y/x)=».
std::string ResultLabel(OperationCode code, bool activeIsX);

// Writes FormatResult(value) into the active register, then appends the result line.
void ReportResult(Calculator& c, OperationCode code, long double value);

}  // namespace calc
