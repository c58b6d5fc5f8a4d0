// The window toolkit adopts the user's regional settings at start (setlocale(LC_ALL, "")).
// Every engine test does the same, so that under LC_ALL=pl_PL.UTF-8 the C library's
// number conversions use a decimal comma while the engine's must not.
#include <gtest/gtest.h>

#include <clocale>

namespace {

class UserLocale : public ::testing::Environment {
 public:
  void SetUp() override { std::setlocale(LC_ALL, ""); }
};

// GoogleTest owns and deletes the environment.
[[maybe_unused]] ::testing::Environment* const kUserLocale = ::testing::AddGlobalTestEnvironment(new UserLocale);

}  // namespace
