#include "viewer/approx/Approx.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "formats/NumberText.h"
#include "formats/ParFile.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"
#include "formats/TextFile.h"
#include "formats/Tokens.h"
#include "viewer/model/FilePair.h"
#include "viewer/model/Messages.h"
#include "viewer/model/PassProgress.h"
#include "viewer/model/Polynomial.h"
#include "viewer/model/TermScan.h"

namespace {

double TermValue(const TermView& term, const std::vector<double>& values)
{
    double v = term.coefficient;
    for (int k = 0; k < term.count; ++k)
        v = values[term.symbols[k]] * v;
    return v;
}

}  // namespace

std::string APPROX::Approximate(const std::string& fdtPath, const ApproxChoice& choice, std::string& error)
{
    fdtName = fdtPath;
    parName = ChangeFileExt(fdtPath, ".par");
    appFdtName = ChangeFileExt(fdtPath, "") + "_App.fdt";
    appParName = ChangeFileExt(appFdtName, ".par");
    kept_[0].clear();
    kept_[1].clear();
    TakeChoice(choice);
    if (!ReadPar(error))
        return "";
    ProgressScope wait(progress, false);  // one wait window for the whole run
    std::unique_ptr<PassProgress> pass;
    if (progress)
        pass = std::make_unique<PassProgress>(*progress, 2);
    if (!Weigh(pass.get(), error))
        return "";
    if (choice.coefficients)
        ApproxCoefficients();
    else if (!ApproxNumDen(error))
        return "";
    if (pass)
        pass->StartPass(1);
    std::string fdtBytes, failed;
    if (!CopyKept(pass.get(), fdtBytes, error))
        return "";
    if (!WriteFilePair(appFdtName, fdtBytes, appParName, AppParText(), failed)) {
        error = CannotWriteText(failed);
        return "";
    }
    return appFdtName;
}

void APPROX::TakeChoice(const ApproxChoice& choice)
{
    w1 = StrToD(choice.freq1);
    w2 = StrToD(choice.freq2);
    maxError = StrToD(choice.err) * 0.01;
    if (choice.hz) {
        w1 *= kTwoPi;
        w2 *= kTwoPi;
    }
}

bool APPROX::ReadPar(std::string& error)
{
    ParFile par;
    if (!ReadAnalysedParFile(parName, par, error))
        return false;
    // Lines 1 and 2 are copied as they stand; ReadParFile has checked them.
    if (!ReadTextLines(parName, parLines_) || parLines_.size() < 4 || SplitBlanks(parLines_[2]).empty()
        || SplitBlanks(parLines_[3]).empty()) {
        error = "The file " + parName + " cannot be read!";
        return false;
    }
    values = par.values;
    valueCount = static_cast<int>(values.size());
    numeratorTermCount = par.numeratorTerms;
    denominatorTermCount = par.denominatorTerms;
    numeratorDegree = static_cast<int>(par.numeratorDegree);
    denominatorDegree = static_cast<int>(par.denominatorDegree);
    return true;
}

bool APPROX::Weigh(PassProgress* pass, std::string& error)
{
    terms_[0].clear();
    terms_[1].clear();
    bool finite = true;
    TermScan scan{fdtName, {numeratorDegree, denominatorDegree}, valueCount,
                  numeratorTermCount + denominatorTermCount, pass, pass != nullptr};
    auto weigh = [&](int section, const TermView& term) {
        double v = TermValue(term, values);
        finite = finite && std::isfinite(v);
        terms_[section].push_back({v, static_cast<std::uint8_t>(term.power), static_cast<std::uint8_t>(term.count)});
    };
    if (!scan.Run(weigh, error))
        return false;
    if (static_cast<std::int64_t>(terms_[0].size()) != numeratorTermCount
        || static_cast<std::int64_t>(terms_[1].size()) != denominatorTermCount) {
        error = "The file " + fdtName + " is damaged: its term counts differ from those of " + parName + ".";
        return false;
    }
    if (!finite) {
        error = Msg::ApproxNotFinite;
        return false;
    }
    return true;
}

bool APPROX::CopyKept(PassProgress* pass, std::string& fdtBytes, std::string& error) const
{
    // Where each kept term goes in the new file; -1 for a dropped one.
    std::vector<std::int64_t> where[2];
    std::int64_t size = 0, end[2] = {};
    for (int section = 0; section < 2; ++section) {
        where[section].assign(terms_[section].size(), -1);
        for (std::uint32_t i : kept_[section]) {
            where[section][i] = size;
            size += static_cast<std::int64_t>(TermView::kHead) + terms_[section][i].count;
        }
        end[section] = size;
        size += static_cast<std::int64_t>(TermView::kHead);
    }
    fdtBytes.assign(static_cast<std::size_t>(size), '\0');
    // An end record: count 0, coefficient 0.0, and the power of the last term handled.
    for (int section = 0; section < 2; ++section)
        fdtBytes[static_cast<std::size_t>(end[section]) + 9] = static_cast<char>(endPower_[section]);
    std::size_t seen[2] = {};
    bool changed = false;
    TermScan scan{fdtName, {numeratorDegree, denominatorDegree}, valueCount,
                  numeratorTermCount + denominatorTermCount, pass, pass != nullptr};
    auto copy = [&](int section, const TermView& term) {
        std::size_t i = seen[section]++;
        if (i >= terms_[section].size() || terms_[section][i].power != term.power
            || terms_[section][i].v != TermValue(term, values)) {
            changed = true;
            return;
        }
        if (where[section][i] < 0)
            return;
        // The record as TERM::Write lays it out.
        char* record = fdtBytes.data() + where[section][i];
        record[0] = static_cast<char>(term.count);
        std::memcpy(record + 1, &term.coefficient, 8);
        record[9] = static_cast<char>(term.power);
        std::memcpy(record + TermView::kHead, term.symbols, static_cast<std::size_t>(term.count));
    };
    if (!scan.Run(copy, error))
        return false;
    if (changed || seen[0] != terms_[0].size() || seen[1] != terms_[1].size()) {
        error = "The file " + fdtName + " changed while it was being read!";
        return false;
    }
    return true;
}

std::string APPROX::AppParText() const
{
    std::string text = parLines_[0] + "\r\n" + parLines_[1] + "\r\n";
    for (int section = 0; section < 2; ++section)
        text += SplitBlanks(parLines_[2 + section])[0] + " " + std::to_string(KeptCount(section)) + "\r\n";
    return text;
}
