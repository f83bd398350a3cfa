#include "platform/Locale.h"
#include "search/FormatThousands.h"

#include <gtest/gtest.h>

namespace {

class FormatTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetUserNumberFormat({",", "."}); }
    void TearDown() override { platform::SetUserNumberFormat({",", "."}); }
};

TEST_F(FormatTest, ThousandsGroupsFromTheRightAndZeroIsEmpty) {
    EXPECT_EQ(FormatThousands(0), "");
    EXPECT_EQ(FormatThousands(5), "5");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(1234567), "1,234,567");
    EXPECT_EQ(FormatThousands(-1234), "-1,234");
    EXPECT_EQ(FormatThousands(INT64_MIN), "-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatThousands(5'000'000'000), "5,000,000,000");
}

TEST_F(FormatTest, ThousandsUseTheUsersSeparator) {
    platform::SetUserNumberFormat({".", ","});
    EXPECT_EQ(FormatThousands(1234567), "1.234.567");
    platform::SetUserNumberFormat({"\u202f", ","});
    EXPECT_EQ(FormatThousands(12345), "12\u202f345");
}

TEST_F(FormatTest, KiloBytesRoundHalfToEven) {
    EXPECT_EQ(RoundKiloBytes(0), 0);
    EXPECT_EQ(RoundKiloBytes(511), 0);
    EXPECT_EQ(RoundKiloBytes(512), 0);
    EXPECT_EQ(RoundKiloBytes(513), 1);
    EXPECT_EQ(RoundKiloBytes(1536), 2);
    EXPECT_EQ(RoundKiloBytes(2560), 2);
    EXPECT_EQ(RoundKiloBytes(3584), 4);
    EXPECT_EQ(RoundKiloBytes(10LL * 1024 * 1024 * 1024), 10LL * 1024 * 1024);
}

TEST_F(FormatTest, PercentIsPaddedToFourWithTheUsersDecimal) {
    EXPECT_EQ(FormatPercent41(5), " 5.0");
    EXPECT_EQ(FormatPercent41(25), "25.0");
    EXPECT_EQ(FormatPercent41(100), "100.0");
    EXPECT_EQ(FormatPercent41(33.333), "33.3");
    platform::SetUserNumberFormat({".", ","});
    EXPECT_EQ(FormatPercent41(7.25), " 7,2");
}

} // namespace
