#include "platform/dates.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

class DatesTest : public ::testing::Test {
protected:
    void SetUp() override { SetDateSeparator('/'); }
    void TearDown() override {
        SetDateSeparator('/');
        SetClock({});
    }
};

TEST_F(DatesTest, FormatsDayMonthAbbrevYear) {
    EXPECT_EQ(FormatDate({1960, 3, 5}, "dd mmm yyyy"), "05 Mar 1960");
    EXPECT_EQ(FormatDate({2000, 12, 31}, "dd mmm yyyy"), "31 Dec 2000");
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(FormatDate({2001, m, 1}, "mmm"), MonthAbbrev(m));
    EXPECT_EQ(MonthAbbrev(1), "Jan");
    EXPECT_EQ(MonthAbbrev(9), "Sep");
    EXPECT_EQ(MonthAbbrev(13), "");
}

TEST_F(DatesTest, FormatsNumericAndTimeMasks) {
    const DateTime dt{2024, 3, 7, 15, 4, 9};
    EXPECT_EQ(FormatDate(dt, "yyyy/mm/dd"), "2024/03/07");
    EXPECT_EQ(FormatDate(dt, "dd/mm/yyyy"), "07/03/2024");
    EXPECT_EQ(FormatDate(dt, "mm/dd/yyyy"), "03/07/2024");
    EXPECT_EQ(FormatDate(dt, "mm/dd/yy"), "03/07/24");
    EXPECT_EQ(FormatDate(dt, "m"), "3");
    EXPECT_EQ(FormatDate(dt, "d"), "7");
    EXPECT_EQ(FormatDate(dt, "h"), "15");
    EXPECT_EQ(FormatDate(dt, "n"), "4");
    EXPECT_EQ(FormatDate(dt, "hh:mm"), "15:04");  // "mm" after an hour is minutes
    EXPECT_EQ(FormatDate(dt, "h:nn:ss AM/PM"), "3:04:09 PM");
    EXPECT_EQ(FormatDate({2024, 3, 7, 0, 5, 0}, "h:nn am/pm"), "12:05 am");
    SetDateSeparator('.');
    EXPECT_EQ(FormatDate(dt, "dd/mm/yyyy"), "07.03.2024");
}

TEST_F(DatesTest, RegionalTimeText) {
    EXPECT_EQ(RegionalTimeText({2024, 3, 7, 15, 20, 5}, 0), "3:20:05 PM");
    EXPECT_EQ(RegionalTimeText({2024, 3, 7, 15, 20, 5}, 1), "15:20:05");
    EXPECT_EQ(RegionalTimeText({2024, 3, 7, 9, 0, 0}, 1), "09:00:00");
}

TEST_F(DatesTest, ParsesMonthNamesAndRegionalOrders) {
    auto d = ParseDate("05 Mar 1960", 0);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Year, 1960);
    EXPECT_EQ(d->Month, 3);
    EXPECT_EQ(d->Day, 5);
    d = ParseDate("31 dec 2000", 1);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Month, 12);
    EXPECT_EQ(d->Day, 31);

    // The same date text in the three orders.
    for (auto [text, order] : {std::pair{"01/31/2000", 0}, {"31/01/2000", 1}, {"2000/01/31", 2}}) {
        d = ParseDate(text, order);
        ASSERT_TRUE(d) << text;
        EXPECT_EQ(d->Year, 2000);
        EXPECT_EQ(d->Month, 1);
        EXPECT_EQ(d->Day, 31);
    }
    // A four-digit first number is a year whatever the order.
    d = ParseDate("1960/3/5", 0);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Day, 5);
    // Two-digit years.
    EXPECT_EQ(ParseDate("3/5/29", 0)->Year, 2029);
    EXPECT_EQ(ParseDate("3/5/30", 0)->Year, 1930);
    // Digits running into a month name; a month written out, in any case,
    // and a word longer than any month.
    EXPECT_EQ(FormatDateText("05Mar1960", "dd mmm yyyy", 0), "05 Mar 1960");
    EXPECT_EQ(FormatDateText("5 SEPTEMBER 1960", "dd mmm yyyy", 0), "05 Sep 1960");
    EXPECT_EQ(FormatDateText("5 Septembers 1960", "dd mmm yyyy", 0), "5 Septembers 1960");
}

TEST_F(DatesTest, RejectsTextsThatAreNoDate) {
    EXPECT_FALSE(ParseDate("", 0));
    EXPECT_FALSE(ParseDate("abc", 0));
    EXPECT_FALSE(ParseDate("02/30/2001", 0));
    EXPECT_FALSE(ParseDate("13/01/2001", 0));
    EXPECT_FALSE(ParseDate("02/29/2001", 0));
    EXPECT_TRUE(ParseDate("02/29/2000", 0));
    EXPECT_FALSE(ParseDate("02/29/1900", 0));
    EXPECT_FALSE(ParseDate("05 Foo 1960", 0));
    EXPECT_FALSE(ParseDate("1/2/3/4", 0));
    EXPECT_EQ(FormatDateText("no date", "dd mmm yyyy", 0), "no date");
}

TEST_F(DatesTest, ReformatsADateTextBothWays) {
    EXPECT_EQ(FormatDateText("03/05/1960", "dd mmm yyyy", 0), "05 Mar 1960");
    EXPECT_EQ(FormatDateText("05/03/1960", "dd mmm yyyy", 1), "05 Mar 1960");
    EXPECT_EQ(FormatDateText("1960/03/05", "dd mmm yyyy", 2), "05 Mar 1960");
    EXPECT_EQ(FormatDateText("05 Mar 1960", "mm/dd/yy", 1), "03/05/60");
    EXPECT_EQ(FormatDateText("05 Mar 1960", "dd/mm/yyyy", 0), "05/03/1960");
}

TEST_F(DatesTest, RegionalSettingsFromTheLocale) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale cn(QLocale::Chinese, QLocale::China);
    EXPECT_EQ(LocaleDateOrder(us), 0);
    EXPECT_EQ(LocaleDateOrder(uk), 1);
    EXPECT_EQ(LocaleDateOrder(de), 1);
    EXPECT_EQ(LocaleDateOrder(cn), 2);
    EXPECT_EQ(LocaleTimeFormat(us), 0);
    EXPECT_EQ(LocaleTimeFormat(uk), 1);
    EXPECT_EQ(LocaleTimeFormat(de), 1);
    EXPECT_EQ(LocaleDateSeparator(us), '/');
    EXPECT_EQ(LocaleDateSeparator(de), '.');
    const int order = SystemDateOrder();
    EXPECT_TRUE(order >= 0 && order <= 2);
    const int clock = SystemTimeFormat();
    EXPECT_TRUE(clock == 0 || clock == 1);
}

TEST_F(DatesTest, ClockCanBeFixed) {
    SetClock([] { return DateTime{2003, 4, 5, 15, 20, 0}; });
    const DateTime now = Now();
    EXPECT_EQ(now.Year, 2003);
    EXPECT_EQ(now.Hour, 15);
    EXPECT_EQ(FormatDate(Now(), "dd mmm yyyy"), "05 Apr 2003");
    SetClock({});
    EXPECT_GE(Now().Year, 2024);
}

}  // namespace

TEST(DatesArithmetic, DaysRunOnAcrossMonthAndYearEnds) {
    const DateTime start{2024, 2, 27, 15, 20, 5};
    EXPECT_EQ(FormatDate(AddDays(start, 2), "dd mmm yyyy"), "29 Feb 2024");
    EXPECT_EQ(FormatDate(AddDays(start, 3), "dd mmm yyyy"), "01 Mar 2024");
    EXPECT_EQ(FormatDate(AddDays(DateTime{2023, 12, 31}, 1), "dd mmm yyyy"), "01 Jan 2024");
    EXPECT_EQ(FormatDate(AddDays(DateTime{2023, 3, 1}, -1), "dd mmm yyyy"), "28 Feb 2023");
    const DateTime later = AddDays(start, 365);
    EXPECT_EQ(FormatDate(later, "dd mmm yyyy hh:nn:ss"), "26 Feb 2025 15:20:05");
}
