#include <cmath>

#include "formats/Paths.h"
#include "formats/TextFile.h"
#include "viewer/model/FDT.h"
#include "viewer/model/Messages.h"
#include "viewer/model/TermScan.h"
#include "viewer/texts/SymbolicFile.h"

std::string FDT::SymbolicPath() const { return ChangeFileExt(fdtPath, ".out"); }

bool FDT::SymbolicAsksFirst() const
{
    return !symbolicBuilt && numeratorTerms + denominatorTerms > kSymbolicMergeLimit;
}

std::string FDT::SymbolicQuestion() const
{
    return "The Symbolic Fdt contains " + std::to_string(numeratorTerms + denominatorTerms) + " terms!\r\n"
           + "Reading the Fdt in completely symbolic form could require a very long time!\r\n"
           + "Do you want to proceed?";
}

Outcome FDT::BuildSymbolicText(std::string& error)
{
    const std::int64_t total = numeratorTerms + denominatorTerms;
    std::vector<SOP> sums[2] = {std::vector<SOP>(static_cast<std::size_t>(numeratorDegree) + 1),
                                std::vector<SOP>(static_cast<std::size_t>(denominatorDegree) + 1)};
    for (auto& section : sums)
        for (SOP& sum : section)
            sum.appendOnly = total > kSymbolicMergeLimit;
    TermScan scan{fdtPath, {numeratorDegree, denominatorDegree}, CompoCount(), total, progress, true, true};
    auto add = [&](int section, const TermView& term) {
        sums[section][static_cast<std::size_t>(term.power)].Add(ProductText(components, term.symbols, term.count),
                                                                term.coefficient);
    };
    if (!scan.Run(add, error))
        return scan.aborted ? Outcome::Aborted : Outcome::Failed;
    for (const auto& section : sums)
        for (const SOP& sum : section)
            for (const auto& entry : sum.Entries())
                if (!std::isfinite(entry.second)) {
                    error = Msg::NotFiniteCoefficients;  // finite coefficients whose sum overflowed
                    return Outcome::Failed;
                }
    if (!WriteSymbolicFile(SymbolicPath(), SymbolicFileBytes(sums[0], sums[1]), error))
        return Outcome::Failed;
    symbolicBuilt = true;
    return Outcome::Done;
}

Outcome FDT::SymbolicText(std::vector<std::string>& lines, std::string& error)
{
    lines.clear();
    if (!loaded) {
        error = "No network function is loaded.";
        return Outcome::Failed;
    }
    if (!symbolicBuilt) {
        Outcome built = BuildSymbolicText(error);
        if (built != Outcome::Done)
            return built;
    }
    if (!ReadTextLines(SymbolicPath(), lines)) {
        symbolicBuilt = false;  // built again at the next Symbolic view
        error = "The file " + SymbolicPath() + " cannot be read!";
        return Outcome::Failed;
    }
    return Outcome::Done;
}
