#pragma once
// The two registers X and Y: selecting the active one, reading it as an operand,
// writing it, and refusing it with the error marker and a message box.
#include <cstdint>
#include <string>
#include <string_view>

#include "calc_error.h"
#include "calculator.h"

namespace calc {

inline constexpr int RegisterTextLimit = 27;  // characters the program itself writes
inline constexpr std::string_view ErrorMarker = " Błąd";    // appended to a refused register
inline constexpr std::string_view ErrorCaption = " Błąd!";  // caption of the refusal box

// The register that ActiveIsX designates.
Register ActiveRegister(const Calculator& c);

void SelectX(Calculator& c);
void SelectY(Calculator& c);

// The active register's text without leading and trailing code points 0..32.
std::string ActiveText(const Calculator& c);
// Replaces the active register's text with its first 27 characters.
void SetActiveText(Calculator& c, const std::string& text);

// Reads the active register; status 0 when accepted (echo line appended),
// otherwise the refusal position (FailActive(NotANumber) has run).
// Throws ArithmeticFault for a text that overflows, before any echo line.
void ReadOperand(Calculator& c, long double& value, std::int32_t& status);

void FailActive(Calculator& c, int code);
void ShowErrorMessage(Calculator& c, int code);

}  // namespace calc
