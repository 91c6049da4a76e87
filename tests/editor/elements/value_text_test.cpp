#include "editor/elements/GCompo.h"
#include "formats/NumberText.h"
#include "tests/editor/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    char kind;
    double value;
    const char* text;
};

TEST(ValueText, EngineeringPrefixes)
{
    const ValueCase cases[] = {
        {'R', 1500, "1.5 Kohm"},        {'C', 2.2e-11, "22 pF"},
        {'R', 0, "0 pohm"},             {'n', 2, "2 "},
        {'R', 999.999, "1000 ohm"},     {'C', 1e-13, "0.1 pF"},
        {'R', -4700, "-4.7 Kohm"},      {'R', 1e9, "1 Gohm"},
        {'R', 999999999, "1000 Mohm"},  {'R', 1e6, "1 Mohm"},
        {'G', 0.001, "1 mS"},           {'L', 1e-6, "1 uH"},
        {'C', 1e-9, "1 nF"},            {'C', 9.99e-10, "999 pF"},
        {'V', 1, "1 V"},                {'I', 0.5, "500 mA"},
        {'H', 123456, "123.46 KS"},     {'Y', 2.5e12, "2500 Gohm"},
        {'E', -0.02, "-20 m"},          {'F', 100, "100 "},
        {'R', 1e-15, "0.001 pohm"},     {'R', 1.23456789e5, "123.46 Kohm"},
    };
    for (const ValueCase& c : cases) {
        RecordingCanvas canvas;
        GCompo part(c.kind, &canvas, false, false, false);
        part.X = part.Y = 100;
        part.Draw(true, false);
        part.Value = c.value;
        EXPECT_EQ(part.ValueText(), c.text) << c.value;
    }
}

TEST(ValueText, UnitIsEmptyUntilTheFirstDrawing)
{
    RecordingCanvas canvas;
    GCompo part('R', &canvas, false, false, false);
    part.Value = 4700;
    EXPECT_EQ(part.ValueText(), "4.7 K");
}

TEST(NumberTexts, GcvtForms)
{
    struct Row {
        double value;
        int digits;
        const char* text;
    };
    const Row rows[] = {
        {100000, 5, "1e+05"},    {12345.6, 5, "12346"},  {0.00025, 9, "0.00025"}, {2.5e-05, 9, "2.5e-05"},
        {1e-10, 9, "1e-10"},     {1000, 9, "1000"},      {0, 9, "0"},             {-4.7, 5, "-4.7"},
        {0.1, 5, "0.1"},         {1.0 / 3, 9, "0.333333333"}, {3e-12, 9, "3e-12"}, {1e9, 5, "1e+09"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(GcvtText(r.value, r.digits), r.text) << r.value;
}

TEST(NumberTexts, FloatToStrForms)
{
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {1e-12, "1E-12"},  {4700, "4700"},   {0.1, "0.1"},        {1e15, "1E15"},
        {1e14, "100000000000000"}, {1e-5, "1E-5"}, {1.5e-6, "1.5E-6"}, {-2.5e-7, "-2.5E-7"},
        {0, "0"},          {2.2e-11, "2.2E-11"}, {1.0 / 3, "0.333333333333333"}, {-1, "-1"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FloatToStr(r.value), r.text) << r.value;
}

}  // namespace
