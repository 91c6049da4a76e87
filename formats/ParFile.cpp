#include "formats/ParFile.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "formats/NumberText.h"
#include "formats/TextFile.h"
#include "formats/Tokens.h"

namespace {

// Line 1 ends at its first empty token, that is at a double blank.
std::vector<std::string> SplitNames(const std::string& line)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t blank = line.find(' ', start);
        if (blank == std::string::npos)
            blank = line.size();
        if (blank == start)
            break;
        names.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
    return names;
}

bool ReadUnsigned(const std::string& token, unsigned& value)
{
    if (token.empty() || token.size() > 10)
        return false;
    for (char ch : token)
        if (ch < '0' || ch > '9')
            return false;
    unsigned long long v = std::strtoull(token.c_str(), nullptr, 10);
    if (v > 0xFFFFFFFFull)
        return false;
    value = static_cast<unsigned>(v);
    return true;
}

bool ReadCountLine(const std::string& line, unsigned& degree, unsigned& terms)
{
    std::vector<std::string> tokens = SplitBlanks(line);
    return tokens.size() >= 2 && ReadUnsigned(tokens[0], degree) && ReadUnsigned(tokens[1], terms);
}

// False when a token is not a finite number ("nan", "inf", "1e999").
bool ReadNumbers(const std::string& line, std::vector<double>& numbers)
{
    numbers.clear();
    for (const std::string& token : SplitBlanks(line)) {
        const char* end = nullptr;
        double v = StrToD(token.c_str(), &end);
        if (end == token.c_str() || !std::isfinite(v))
            return false;
        numbers.push_back(v);
    }
    return true;
}

}  // namespace

int ParFile::CurveCount() const
{
    if (!hasSweep)
        return 1;
    int n = 0;
    while (n < kSweepSlots && sweepValues[n] != 0.0)
        ++n;
    return n == 0 ? 1 : n;
}

bool ReadParFile(const std::string& path, ParFile& par, std::string& error)
{
    par = ParFile();
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        error = "The file " + path + " cannot be read!";
        return false;
    }
    auto bad = [&](const std::string& what) {
        error = "The file " + path + " is damaged: " + what + ".";
        return false;
    };
    if (lines.size() < 2)
        return bad("element names or values missing");
    par.names = SplitNames(lines[0]);
    if (!ReadNumbers(lines[1], par.values))
        return bad("an element value is not a number");
    if (par.values.size() != par.names.size())
        return bad("the element values do not match the names");
    if (lines.size() >= 4 && !lines[2].empty()) {
        if (!ReadCountLine(lines[2], par.numeratorDegree, par.numeratorTerms)
            || !ReadCountLine(lines[3], par.denominatorDegree, par.denominatorTerms))
            return bad("degrees or term counts unreadable");
        if (par.numeratorDegree > 255 || par.denominatorDegree > 255)
            return bad("a degree above the highest power of s a term can hold");
        par.hasCounts = true;
    }
    if (lines.size() >= 5 && !lines[4].empty()) {
        std::vector<double> range;
        if (!ReadNumbers(lines[4], range) || range.size() < 3)
            return bad("frequency interval or end time unreadable");
        par.hasRange = true;
        par.startHz = range[0];
        par.endHz = range[1];
        par.endTime = range[2];
    }
    if (lines.size() >= 7 && !lines[5].empty()) {
        std::vector<double> index, sweep;
        if (!ReadNumbers(lines[5], index) || index.size() != 1 || !ReadNumbers(lines[6], sweep)
            || sweep.size() > ParFile::kSweepSlots)
            return bad("parameter sweep unreadable");
        if (index[0] < 0 || index[0] >= static_cast<double>(par.names.size())
            || index[0] != static_cast<double>(static_cast<int>(index[0])))
            return bad("swept component out of range");
        par.hasSweep = true;
        par.sweepIndex = static_cast<int>(index[0]);
        for (std::size_t k = 0; k < sweep.size(); ++k)
            par.sweepValues[k] = sweep[k];
    }
    return true;
}

bool ReadAnalysedParFile(const std::string& path, ParFile& par, std::string& error)
{
    if (!ReadParFile(path, par, error))
        return false;
    if (!par.hasCounts || par.numeratorTerms == 0 || par.denominatorTerms == 0) {
        error = "File " + path + ". Simulation aborted (0 terms)!";
        return false;
    }
    return true;
}

std::string ParCountLine(unsigned degree, unsigned terms)
{
    return std::to_string(degree) + " " + std::to_string(terms) + "\r\n";
}

std::string ParFileText(const ParFile& par)
{
    std::string text;
    for (const std::string& name : par.names)
        text += name + " ";
    text += "\r\n";
    for (double v : par.values)
        text += FloatToStr(v) + " ";
    text += "\r\n";
    text += ParCountLine(par.numeratorDegree, par.numeratorTerms);
    text += ParCountLine(par.denominatorDegree, par.denominatorTerms);
    text += FloatToStr(par.startHz) + " " + FloatToStr(par.endHz) + " " + FloatToStr(par.endTime) + "\r\n";
    if (par.hasSweep) {
        text += std::to_string(par.sweepIndex) + "\r\n";
        for (double v : par.sweepValues)
            text += FloatToStr(v) + " ";
        text += "\r\n";
    }
    return text;
}

bool WriteParFile(const std::string& path, const ParFile& par)
{
    return WriteFileAtomic(path, ParFileText(par));
}
