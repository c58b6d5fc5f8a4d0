#include "operand_pair.h"

#include <cstdint>

#include "register_machine.h"

namespace calc {
namespace {

// Makes the other register the one that ReadOperand reads, for as long as it
// lives. Neither the focus nor the colours change.
class OtherRegisterActive {
 public:
  explicit OtherRegisterActive(Calculator& c) : c_(c), activeIsX_(c.ActiveIsX) {
    c_.ActiveIsX = !activeIsX_;
  }
  ~OtherRegisterActive() { c_.ActiveIsX = activeIsX_; }
  OtherRegisterActive(const OtherRegisterActive&) = delete;
  OtherRegisterActive& operator=(const OtherRegisterActive&) = delete;

 private:
  Calculator& c_;
  const bool activeIsX_;
};

bool ReadOtherRegister(Calculator& c, long double& value) {
  const OtherRegisterActive other(c);
  std::int32_t status = 0;
  ReadOperand(c, value, status);
  return status == 0;
}

bool ReadActiveRegister(Calculator& c, long double& value) {
  std::int32_t status = 0;
  ReadOperand(c, value, status);
  return status == 0;
}

}  // namespace

void ReadOperandPair(Calculator& c, long double& a, long double& b, bool& ok) {
  ok = ReadOtherRegister(c, a) && ReadActiveRegister(c, b);
}

}  // namespace calc
