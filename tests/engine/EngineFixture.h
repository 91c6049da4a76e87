#pragma once
// The engine tests' circuits: texts in a temporary folder, run by the engine's
// core, their result files read back.
#include <string>

#include <gtest/gtest.h>

#include "tests/support/EngineRun.h"
#include "tests/support/TempFolder.h"

// An RC ladder of unit elements; its denominator has Fibonacci(2n+1) terms.
inline std::string Ladder(int sections)
{
    std::string text = "ladder\nV1 1 0 1 1\n";
    for (int k = 1; k <= sections; ++k) {
        text += "R" + std::to_string(k) + " " + std::to_string(k) + " " + std::to_string(k + 1) + " 1 0\n";
        text += "C" + std::to_string(k) + " " + std::to_string(k + 1) + " 0 1 0\n";
    }
    return text + ".OUT " + std::to_string(sections + 1) + "\n";
}

// A circuit text with the name its test case carries.
struct NamedCircuit {
    const char* name;
    const char* circuit;
};

// The name of a parameterised case whose parameter has a name field.
template <class T>
std::string ParamName(const ::testing::TestParamInfo<T>& info)
{
    return info.param.name;
}
