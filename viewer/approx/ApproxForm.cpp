#include "viewer/approx/ApproxForm.h"

#include "viewer/model/Messages.h"
#include "viewer/texts/FloatText.h"

void CoefficientsClick(ApproxChoice& choice, bool checked) { choice.coefficients = checked; }

void NumDenClick(ApproxChoice& choice, bool checked) { choice.coefficients = !checked; }

bool FrequencyControlsEnabled(const ApproxChoice& choice) { return !choice.coefficients; }

bool CheckApproxChoice(const ApproxChoice& choice, std::string& error)
{
    double v = 0;
    if (!ReadFloatText(choice.err, v) || v < 0) {
        error = Msg::BadErrorLimit;
        return false;
    }
    if (choice.coefficients)
        return true;
    for (const std::string* text : {&choice.freq1, &choice.freq2}) {
        if (!ReadFloatText(*text, v) || v <= 0) {
            error = Msg::BadFrequencyLimits;
            return false;
        }
    }
    return true;
}

std::string RunApproximation(const std::string& fdtPath, const ApproxChoice& choice, Progress* progress,
                             std::string& error)
{
    if (!CheckApproxChoice(choice, error))
        return "";
    APPROX approx;
    approx.progress = progress;
    return approx.Approximate(fdtPath, choice, error);
}
