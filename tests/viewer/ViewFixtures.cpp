#include "ViewFixtures.h"

std::string WriteFunction(const TempFolder& dir, const std::string& base, const std::string& names,
                          const std::string& values, const std::vector<FileTerm>& num,
                          const std::vector<FileTerm>& den, const std::vector<std::string>& more)
{
    WriteFdtFile(dir / (base + ".fdt"), num, den);
    WriteBytes(dir / (base + ".par"), ParText(names, values, num, den, more));
    return dir / (base + ".fdt");
}

std::string WriteLowPass(const TempFolder& dir, const std::vector<std::string>& more)
{
    return WriteFunction(dir, "h", "R C", "1000 1e-6", {{1, 0, {}}}, {{1, 0, {}}, {1, 1, {0, 1}}}, more);
}

std::string WriteLowPassSweep(const TempFolder& dir)
{
    return WriteLowPass(dir, {"10 10000 0.01", "0", "1000 2000 5000 0 0 0"});
}

std::string WriteSourceLowPass(const TempFolder& dir)
{
    return WriteFunction(dir, "v", "V1 R C", "1 1000 1e-6", {{1, 0, {0}}}, {{1, 0, {}}, {1, 1, {1, 2}}});
}

FDT PlotOf(int kind, double max, double min, double value, double xs, double xe, int curves)
{
    FDT f;
    f.viewKind = kind;
    f.curveCount = curves;
    f.hzUnits = true;
    f.fStart = xs;
    f.fEnd = xe;
    f.endTime = 1;
    f.samples.dataMax = max;
    f.samples.dataMin = min;
    const std::uint32_t colours[kMaxCurves] = {0x0000FF, 0xFF0000, 0x008000, 0xFF00FF, 0x800080, 0x808080};
    for (int c = 0; c < kMaxCurves; ++c)
        f.curveColours[c] = colours[c];
    for (int u = 0; u < kSampleCount; ++u) {
        f.samples.x[u] = xs + (xe - xs) * u / 200.0;
        for (int c = 0; c < curves; ++c)
            f.samples.y[u][c] = value;
    }
    return f;
}

IntervalTexts Remembered(const std::string& start, const std::string& end, const std::string& endTime, bool hz)
{
    return {start, end, endTime, hz};
}
