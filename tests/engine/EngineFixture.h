#pragma once
// The engine tests' circuits: texts in a temporary folder, run by the engine's
// core, their result files read back.
#include <string>

#include <gtest/gtest.h>

#include "tests/support/EngineRun.h"
#include "tests/support/TempFolder.h"

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
