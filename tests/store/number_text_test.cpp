#include "number_text.h"

#include <gtest/gtest.h>

#include "dates.h"
#include "money.h"

namespace {

TEST(RealText, DatesAndTimesInTheGeneralForm) {
  EXPECT_EQ(RealToText(32599), "32599");
  EXPECT_EQ(RealToText(-1), "-1");
  EXPECT_EQ(RealToText(0), "0");
  EXPECT_EQ(RealToText(10.0 / 24), "0.416666666666667");
  EXPECT_EQ(RealToText(17.0 / 24), "0.708333333333333");
  EXPECT_EQ(RealToText(45000.5), "45000.5");
  EXPECT_EQ(RealToText(0.00001), "0.00001");
  EXPECT_EQ(RealToText(0.0000015), "1.5E-6");
  EXPECT_EQ(RealToText(1e15), "1E15");
  EXPECT_EQ(RealToText(123456789012345.0), "123456789012345");
  EXPECT_EQ(RealToText(-2.5e20), "-2.5E20");
}

TEST(RealText, ReadsBackWhatItWrites) {
  for (double v : {32599.0, 10.0 / 24, 0.0000015, 1e15, -1.0, 45000.75}) {
    const double back = TextToReal(RealToText(v));
    EXPECT_NEAR(back, v, std::abs(v) * 1e-14) << v;
    EXPECT_EQ(RealToText(back), RealToText(v));
  }
  EXPECT_EQ(TextToReal(" 12 "), 12);
  for (const char* bad : {"", "abc", "1,5", "1.5x", "nan", "inf"}) {
    EXPECT_THROW(TextToReal(bad), ConvertError) << bad;
  }
}

TEST(RealText, TimeOfDaySurvivesToTheMinute) {
  for (int h = 0; h < 24; ++h) {
    for (int m = 0; m < 60; m += 13) {
      int hh = -1;
      int mm = -1;
      DecodeTime(TextToReal(RealToText(EncodeTime(h, m))), hh, mm);
      EXPECT_EQ(hh, h);
      EXPECT_EQ(mm, m);
    }
  }
}

TEST(IntText, DecimalWithinInt32) {
  EXPECT_EQ(TextToInt("0"), 0);
  EXPECT_EQ(TextToInt("-1"), -1);
  EXPECT_EQ(TextToInt(" 28 "), 28);
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  for (const char* bad : {"", "1.0", "2147483648", "abc", "0x10", "1 2"}) {
    EXPECT_THROW(TextToInt(bad), ConvertError) << bad;
  }
  EXPECT_TRUE(TextToBool("-1"));
  EXPECT_TRUE(TextToBool("1"));
  EXPECT_FALSE(TextToBool("0"));
  EXPECT_EQ(BoolToText(true), "-1");
  EXPECT_EQ(BoolToText(false), "0");
}

}  // namespace
