#include "viewer/plots/ValueText.h"

#include <cmath>

#include "formats/NumberText.h"

std::string ValueText(double v, int digits) { return std::isfinite(v) ? GcvtText(v == 0.0 ? 0.0 : v, digits) : ""; }
