#pragma once
// Circuit files for Vimlo's tests.
#include <string>

// A first-order low pass: 4 branches, 5 nodes; 1 numerator, 2 denominator terms.
inline const char kLowPass[] = "low pass\r\nV1 1 0 1 1\r\nR1 1 2 1000 0\r\nC1 2 0 1e-6 0\r\n.OUT 2\r\n.END\r\n";
// Line 2 starts with a letter that is no element.
inline const char kRejected[] = "bad\r\nV1 1 0 1 1\r\nX1 1 2 1000 0\r\n.OUT 1\r\n";
// Two voltage sources in parallel: the fixed edges close a loop.
inline const char kLoop[] = "loop\r\nV1 1 0 1 1\r\nV2 1 0 1 1\r\nR1 1 0 1 0\r\n.OUT 1\r\n";

// An RC ladder of n sections; its denominator has Fibonacci(2n+1) terms.
inline std::string Ladder(int sections)
{
    std::string text = "ladder\r\nV1 1 0 1 1\r\n";
    for (int k = 1; k <= sections; ++k) {
        std::string a = std::to_string(k), b = std::to_string(k + 1);
        text += "R" + a + " " + a + " " + b + " 1000 0\r\n";
        text += "C" + a + " " + b + " 0 1e-9 0\r\n";
    }
    return text + ".OUT " + std::to_string(sections + 1) + "\r\n";
}
