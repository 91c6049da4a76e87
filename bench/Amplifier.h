#pragma once
// The benchmarks' transistor amplifier: common-emitter stages in hybrid-pi
// form, every element a symbol; app is an ".APP" line (with its line end) or "".
#include <string>

// Stage k: base node b, emitter e, collector c; a coupling capacitor from the
// previous collector, a feedback pair from the last collector to the first base.
inline std::string Amplifier(int stages, const std::string& app = "")
{
    std::string text = "amplifier\r\n" + app + "V1 1 0 1 1\r\nRS 1 2 50 0\r\n";
    std::string previous = "2";
    for (int k = 1; k <= stages; ++k) {
        const std::string n = std::to_string(k);
        const std::string b = std::to_string(10 * k), e = std::to_string(10 * k + 1), c = std::to_string(10 * k + 2);
        text += "CC" + n + " " + previous + " " + b + " 1e-5 0\r\n";
        text += "RB" + n + " " + b + " 0 30000 0\r\n";
        text += "RPI" + n + " " + b + " " + e + " 2500 0\r\n";
        text += "CPI" + n + " " + b + " " + e + " 1e-11 0\r\n";
        text += "CMU" + n + " " + b + " " + c + " 2e-12 0\r\n";
        text += "GM" + n + " " + c + " " + e + " " + b + " " + e + " 0.04 0\r\n";
        text += "RO" + n + " " + c + " " + e + " 50000 0\r\n";
        text += "RC" + n + " " + c + " 0 4700 0\r\n";
        text += "RE" + n + " " + e + " 0 " + (k == stages ? "100" : "1000") + " 0\r\n";
        if (k != stages)
            text += "CE" + n + " " + e + " 0 1e-4 0\r\n";
        previous = c;
    }
    text += "RL " + previous + " 0 10000 0\r\nRF " + previous + " 10 100000 0\r\n.OUT " + previous + "\r\n";
    return text;
}
