#pragma once
// Whole-text number reading in the framework's manner (StrToFloat): blanks
// around the number are allowed, anything else is a conversion error.
#include <string>

// False for a text that is not one finite decimal number.
bool ReadFloatText(const std::string& text, double& value);

// The framework's message for a text that is no number.
std::string FloatConversionError(const std::string& text);
