#pragma once
// The nine functions of one operand and the pi key. Each reads the active
// register, refuses an operand outside its domain (FailActive), or writes the
// result through ReportResult. An ArithmeticFault escapes before anything is
// written; the operand's echo line stays in the journal.
#include "calculator.h"

namespace calc {

void Sine(Calculator& c);              // angle operand
void Cosine(Calculator& c);            // angle operand
void Tangent(Calculator& c);           // angle operand; a zero cosine: DivisionByZero
void ArcTangent(Calculator& c);        // result in the selected angle measure
void NaturalLogarithm(Calculator& c);  // negative: NegativeNumber; below the floor: NumberTooSmall
void Exponential(Calculator& c);       // above 11356.5: NumberTooLarge
void SquareRoot(Calculator& c);        // negative: NegativeNumber
void Square(Calculator& c);            // magnitude above the square limit: NumberTooLarge
void Reciprocal(Calculator& c);        // zero: ZeroNumber

// Puts the pi text into the active register; reads nothing, writes no journal line.
void EnterPi(Calculator& c);

}  // namespace calc
