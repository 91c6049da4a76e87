#pragma once
// The rows and values of the value list of a network function.
#include <string>
#include <vector>

#include "viewer/model/Polynomial.h"

enum class Stepping { Oct, Dec, Lin };
enum class ListField { Amplitude, AmplitudeDb, PhaseDeg, PhaseRad, RealPart, ImagPart };

inline constexpr int kMaxListRows = 10000;

// The number typed as the count of frequencies; 1 when it is not an integer.
int ListCount(const std::string& text);

// The frequencies of the rows, from start up to and including stop; false
// with the message when the limits give no rows or more than kMaxListRows.
bool ListFrequencies(double start, double stop, int n, Stepping stepping, std::vector<double>& rows,
                     std::string& error);

double ListValue(ListField field, Complex h);

// Five significant digits, a zero of either sign as "0"; empty for a value
// that is no finite number (the decibels of a zero of transmission), as an
// invalid sample reads in the cursor window.
std::string ListCellText(double v);
