#include <gtest/gtest.h>

#include "engine/app/LogLines.h"

TEST(LogLines, Texts)
{
    EXPECT_EQ(CircuitLine("/a b/amp.crc", 12, 7), "amp.crc: 12 branches, 7 nodes.");
    EXPECT_EQ(CircuitLine("amp.crc", 0, 1), "amp.crc: 0 branches, 1 nodes.");
    EXPECT_EQ(TermsLine(0), "0 Terms");
    EXPECT_EQ(TermsLine(4294967295u), "4294967295 Terms");
    EXPECT_EQ(TimeLine(15), "Time: 15 millisec");
    EXPECT_EQ(OutLine("/x/amp.fdt"), "Out in: /x/amp.fdt");
    EXPECT_STREQ(kAbortedLine, "Simulation Aborted!");
}
