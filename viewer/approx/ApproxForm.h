#pragma once
// The approximation dialog: its two check boxes are one exclusive choice,
// the frequency controls serve only the Num./Den. mode, and its edits are
// checked before a run.
#include <string>

#include "viewer/approx/Approx.h"

class Progress;

// `RBCoef` or `NumDen` clicked into the checked state given.
void CoefficientsClick(ApproxChoice& choice, bool checked);
void NumDenClick(ApproxChoice& choice, bool checked);
// `Freq1`, `Freq2`, `HzButt` and `RadButt` are enabled.
bool FrequencyControlsEnabled(const ApproxChoice& choice);

// The error limit must be a number of at least 0; in Num./Den. mode both
// frequencies must be numbers above 0. False with the text to show.
bool CheckApproxChoice(const ApproxChoice& choice, std::string& error);

// Checks the choice and writes <base>_App.fdt and its parameter file beside
// the source; returns the path to open, or "" with the text to show.
std::string RunApproximation(const std::string& fdtPath, const ApproxChoice& choice, Progress* progress,
                             std::string& error);
