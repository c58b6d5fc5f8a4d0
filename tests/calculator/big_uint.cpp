#include "big_uint.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace calc::testing {

BigUint::BigUint(std::uint64_t value) {
  while (value != 0) {
    limbs_.push_back(static_cast<std::uint32_t>(value));
    value >>= 32;
  }
}

void BigUint::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

int BigUint::BitLength() const {
  if (limbs_.empty()) return 0;
  int top = 0;
  for (std::uint32_t v = limbs_.back(); v != 0; v >>= 1) ++top;
  return static_cast<int>(limbs_.size() - 1) * 32 + top;
}

BigUint BigUint::ShiftedLeft(int bits) const {
  if (IsZero()) return {};
  BigUint r;
  const int whole = bits / 32, part = bits % 32;
  r.limbs_.assign(static_cast<std::size_t>(whole), 0);
  std::uint32_t carry = 0;
  for (const std::uint32_t limb : limbs_) {
    r.limbs_.push_back(part == 0 ? limb : (limb << part) | carry);
    carry = part == 0 ? 0 : limb >> (32 - part);
  }
  r.limbs_.push_back(carry);
  r.Trim();
  return r;
}

BigUint& BigUint::MulSmall(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t v = static_cast<std::uint64_t>(limb) * factor + carry;
    limb = static_cast<std::uint32_t>(v);
    carry = v >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  Trim();
  return *this;
}

BigUint& BigUint::AddSmall(std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::size_t i = 0; carry != 0; ++i) {
    if (i == limbs_.size()) limbs_.push_back(0);
    const std::uint64_t v = static_cast<std::uint64_t>(limbs_[i]) + carry;
    limbs_[i] = static_cast<std::uint32_t>(v);
    carry = v >> 32;
  }
  return *this;
}

BigUint& BigUint::Subtract(const BigUint& smaller) {
  if (Compare(*this, smaller) < 0) throw std::logic_error("BigUint::Subtract below zero");
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    std::int64_t v = static_cast<std::int64_t>(limbs_[i]) - borrow - (i < smaller.limbs_.size() ? smaller.limbs_[i] : 0);
    borrow = v < 0 ? 1 : 0;
    if (v < 0) v += std::int64_t{1} << 32;
    limbs_[i] = static_cast<std::uint32_t>(v);
  }
  Trim();
  return *this;
}

std::uint32_t BigUint::ShiftedLimb(std::size_t index, int bits) const {
  const std::size_t whole = static_cast<std::size_t>(bits / 32);
  const int part = bits % 32;
  if (index < whole) return 0;
  const std::size_t i = index - whole;
  const std::uint32_t high = i < limbs_.size() ? limbs_[i] : 0;
  if (part == 0) return high;
  const std::uint32_t low = i >= 1 && i - 1 < limbs_.size() ? limbs_[i - 1] : 0;
  return (high << part) | (low >> (32 - part));
}

int BigUint::CompareShifted(const BigUint& d, int bits) const {
  if (d.IsZero()) return IsZero() ? 0 : 1;
  const int dLength = d.BitLength() + bits;
  const int length = BitLength();
  if (length != dLength) return length < dLength ? -1 : 1;
  for (std::size_t i = limbs_.size(); i-- > 0;) {
    const std::uint32_t other = d.ShiftedLimb(i, bits);
    if (limbs_[i] != other) return limbs_[i] < other ? -1 : 1;
  }
  return 0;
}

BigUint& BigUint::SubtractShifted(const BigUint& d, int bits) {
  if (CompareShifted(d, bits) < 0) throw std::logic_error("BigUint::SubtractShifted below zero");
  std::int64_t borrow = 0;
  const std::size_t first = static_cast<std::size_t>(bits / 32), last = first + d.limbs_.size();
  for (std::size_t i = first; i < limbs_.size() && (i <= last || borrow != 0); ++i) {
    std::int64_t v = static_cast<std::int64_t>(limbs_[i]) - borrow - d.ShiftedLimb(i, bits);
    borrow = v < 0 ? 1 : 0;
    if (v < 0) v += std::int64_t{1} << 32;
    limbs_[i] = static_cast<std::uint32_t>(v);
  }
  Trim();
  return *this;
}

BigUint operator*(const BigUint& a, const BigUint& b) {
  if (a.IsZero() || b.IsZero()) return {};
  BigUint r;
  r.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
  for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
      const std::uint64_t v = static_cast<std::uint64_t>(a.limbs_[i]) * b.limbs_[j] + r.limbs_[i + j] + carry;
      r.limbs_[i + j] = static_cast<std::uint32_t>(v);
      carry = v >> 32;
    }
    r.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
  }
  r.Trim();
  return r;
}

int Compare(const BigUint& a, const BigUint& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

const BigUint& BigUint::PowerOfTen(int k) {
  // Built from 10^(64·i) so that any power costs a few small multiplications.
  static std::map<int, BigUint> known;
  const auto found = known.find(k);
  if (found != known.end()) return found->second;
  BigUint power(1);
  if (k % 64 != 0) {
    power = PowerOfTen(k - k % 64);
    for (int i = 0; i < k % 64; ++i) power.MulSmall(10);
  } else if (k == 64) {
    for (int i = 0; i < 64; ++i) power.MulSmall(10);
  } else if (k > 64) {
    power = PowerOfTen(k - 64) * PowerOfTen(64);
  }
  return known.emplace(k, power).first->second;
}

Quotient Divide(const BigUint& n, const BigUint& d) {
  if (d.IsZero()) throw std::logic_error("Divide by zero");
  Quotient q;
  BigUint rest = n;
  for (int bit = std::max(0, n.BitLength() - d.BitLength()); bit >= 0; --bit) {
    if (bit >= 120) throw std::logic_error("Divide: quotient too large");
    if (rest.CompareShifted(d, bit) >= 0) {
      rest.SubtractShifted(d, bit);
      q.value |= static_cast<unsigned __int128>(1) << bit;
    }
  }
  q.halfComparison = Compare(rest.ShiftedLeft(1), d);
  return q;
}

}  // namespace calc::testing
