#include <gtest/gtest.h>

#include <cmath>

#include "viewer/model/Messages.h"
#include "viewer/values/ValueList.h"

TEST(ValueList, RowsOfTheSteppings)
{
    struct Case {
        double start, stop;
        int n;
        Stepping stepping;
        std::vector<double> rows;
    };
    const std::vector<Case> cases = {
        {1, 1000, 1, Stepping::Dec, {1, 10, 100, 1000}},
        {1, 10, 10, Stepping::Lin, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {0, 5, 1, Stepping::Lin, {0, 5}},
        {2, 5, 1, Stepping::Lin, {2}},
        {1, 8, 1, Stepping::Oct, {1, 2, 4, 8}},
        {3, 3, 1, Stepping::Oct, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        std::vector<double> rows;
        std::string error;
        ASSERT_TRUE(ListFrequencies(c.start, c.stop, c.n, c.stepping, rows, error));
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_NEAR(rows[i], c.rows[i], 1e-12 * c.rows[i]);
    }
    // Many rows per decade still end at stop, without accumulated rounding.
    std::vector<double> rows;
    std::string error;
    ASSERT_TRUE(ListFrequencies(0.1, 100, 30, Stepping::Dec, rows, error));
    EXPECT_EQ(rows.size(), 91u);
    EXPECT_EQ(rows.back(), 100);
    EXPECT_NEAR(rows[30], 1.0, 1e-14);
}

TEST(ValueList, BadLimitsAndTheRowCap)
{
    struct Case {
        double start, stop;
        int n;
        Stepping stepping;
    };
    for (const Case& c : {Case{10, 1, 1, Stepping::Lin}, Case{1, 10, 0, Stepping::Dec}, Case{0, 10, 1, Stepping::Oct},
                          Case{5, 5, 3, Stepping::Lin}, Case{-5, 0, 1, Stepping::Lin}, Case{1, 2, 20000, Stepping::Lin},
                          Case{1e-300, 1e300, 100, Stepping::Dec}, Case{-1e9, 1, 1, Stepping::Lin},
                          Case{1, NAN, 1, Stepping::Dec}}) {
        SCOPED_TRACE(c.start);
        std::vector<double> rows;
        std::string error;
        EXPECT_FALSE(ListFrequencies(c.start, c.stop, c.n, c.stepping, rows, error));
        EXPECT_EQ(error, Msg::ListBadLimits);
        EXPECT_TRUE(rows.empty());
    }
}

TEST(ValueList, CountTextAndCells)
{
    EXPECT_EQ(ListCount("abc"), 1);
    EXPECT_EQ(ListCount(""), 1);
    EXPECT_EQ(ListCount("12"), 12);
    EXPECT_EQ(ListCount("99999999999"), 1);
    Complex h(-1.0, 1.0);
    EXPECT_NEAR(ListValue(ListField::PhaseDeg, h), ListValue(ListField::PhaseRad, h) * 180 / M_PI, 1e-12);
    EXPECT_NEAR(ListValue(ListField::Amplitude, h), std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(ListValue(ListField::AmplitudeDb, h), 10 * std::log10(2.0), 1e-12);
    EXPECT_EQ(ListValue(ListField::RealPart, h), -1);
    EXPECT_EQ(ListValue(ListField::ImagPart, h), 1);
    EXPECT_EQ(ListCellText(ListValue(ListField::AmplitudeDb, Complex(0, 0))), "");
    EXPECT_EQ(ListCellText(std::nan("")), "");
    EXPECT_EQ(ListCellText(3.14159265), "3.1416");
    EXPECT_EQ(ListCellText(-0.0), "0");  // the zero of s at the origin, found as -0
}

TEST(ValueList, AnglesAreInTheHalfOpenTurn)
{
    struct Case {
        Complex h;
        double rad;
    };
    for (const Case& c : {Case{{-2, -0.0}, M_PI}, Case{{-2, 0}, M_PI}, Case{{-0.0, -0.0}, 0}, Case{{-0.0, 0}, 0},
                          Case{{0, -0.0}, 0}, Case{{-1, -1e-300}, M_PI}, Case{{-0.0, -1}, -M_PI / 2}}) {
        SCOPED_TRACE(testing::Message() << c.h);
        EXPECT_EQ(ListValue(ListField::PhaseRad, c.h), c.rad);
        EXPECT_EQ(ListValue(ListField::PhaseDeg, c.h), c.rad * 180 / M_PI);
    }
}
