// Random values printed and read back must compare equal to the originals.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "runtime/parser/from_string.h"
#include "runtime/values/compare.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

class RoundTripTest : public RuntimeTest {
 protected:
  std::mt19937 random_{20261206};

  uint32_t Below(uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(random_); }

  int32_t AnyInteger() {
    switch (Below(4)) {
      case 0: return static_cast<int32_t>(Below(200)) - 100;
      case 1: return Below(2) ? INT32_MIN : INT32_MAX;
      default: return static_cast<int32_t>(random_());
    }
  }

  // A finite double of any magnitude.
  double AnyDouble() {
    double mantissa = std::uniform_real_distribution<double>(-1.0, 1.0)(random_);
    return std::ldexp(mantissa, static_cast<int>(Below(200)) - 100);
  }

  // What a real reads back as once printed to twelve significant digits.
  static double AtTwelveDigits(double d) {
    char printed[40];
    std::snprintf(printed, sizeof printed, "%.12g", d);
    return std::strtod(printed, nullptr);
  }

  // Reals that print with an exponent and ".0" do not read back as one
  // token, so whole reals stay below 1e12.
  double PrintableReal() {
    double d = AtTwelveDigits(AnyDouble());
    return std::trunc(d) == d && std::fabs(d) >= 1e12 ? 0.5 : d;
  }

  // Any byte but 0xFF, which ends a quoted text; quotes and NULs often.
  std::string AnyText() {
    std::string s;
    for (uint32_t n = Below(8); n > 0; --n) {
      uint32_t pick = Below(10);
      s += pick == 0 ? '"' : pick == 1 ? '\0' : static_cast<char>(Below(255));
    }
    return s;
  }

  ovRef AnyValue(int depth) {
    switch (Below(depth > 0 ? 12 : 11)) {
      case 0: return nullptr;
      case 1: return ovRef::adopt(ovMakeBoolean(Below(2)));
      case 2: return ovRef::adopt(ovMakeNone());
      case 3: return ovRef::adopt(ovMakeUndef());
      case 4:
      case 5: return Int(AnyInteger());
      case 6: return Real(PrintableReal());
      case 7: return Text(AnyText());
      case 8: return ovRef::adopt(ovMakePointWin(AnyInteger(), AnyInteger()));
      case 9: return ovRef::adopt(ovMakeRectMac(AnyInteger(), AnyInteger(), AnyInteger(), AnyInteger()));
      case 10: return ovRef::adopt(ovMakeRGB(Below(65536), Below(65536), Below(65536)));
      default: return AnyList(depth - 1);
    }
  }

  ovRef AnyList(int depth) {
    ovRef list = ovRef::adopt(ovMakeList(0));
    for (uint32_t n = Below(5); n > 0; --n) ovListAppend(list.get(), AnyValue(depth).release(), 0);
    return list;
  }

  static ovRef Read(const std::string& printed) {
    ovRef text = Text(printed);
    ovC_object* value = nullptr;
    uint32_t offset = 0;
    EXPECT_EQ(ovFromString(text.get(), &value, &offset), 0) << printed << " failed at " << offset;
    return ovRef::adopt(value);
  }
};

TEST_F(RoundTripTest, RandomValuesReadBackEqual) {
  for (int i = 0; i < 5000; ++i) {
    ovRef original = AnyValue(4);
    std::string printed = Printed(original.get());
    ovRef read = Read(printed);
    ASSERT_EQ(ovCompare(original.get(), read.get()), 0) << printed;
    ASSERT_EQ(Printed(read.get()), printed);
  }
}

TEST_F(RoundTripTest, RealsReadBackAsPrintedToTwelveDigits) {
  for (int i = 0; i < 5000; ++i) {
    double d = AnyDouble();
    if (std::trunc(d) == d && std::fabs(d) >= 1e12) continue;
    ovRef read = Read(Printed(Real(d).get()));
    ASSERT_TRUE(ovIsNumber(read.get()));
    ASSERT_EQ(ovGetReal(read.get()), AtTwelveDigits(d)) << Printed(Real(d).get());
  }
}

}  // namespace
