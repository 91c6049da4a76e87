#include <filesystem>
#include <fstream>
#include <iterator>

#include "formats/ParFile.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"
#include "viewer/model/FDT.h"
#include "viewer/model/FilePair.h"

namespace {

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

bool FDT::LoadParFile(const std::string& path, std::string& error)
{
    // Empty but for the wait window and the paths, also when the load fails.
    auto reset = [&, window = progress] {
        *this = FDT();
        progress = window;
        fdtPath = path;
        parPath = ChangeFileExt(path, ".par");
    };
    reset();
    ParFile par;
    if (!ReadAnalysedParFile(parPath, par, error))
        return false;
    numeratorDegree = static_cast<int>(par.numeratorDegree);
    denominatorDegree = static_cast<int>(par.denominatorDegree);
    numeratorTerms = par.numeratorTerms;
    denominatorTerms = par.denominatorTerms;
    if (par.hasRange) {
        fStart = par.startHz;
        fEnd = par.endHz;
        endTime = par.endTime;
        wStart = fStart * kTwoPi;
        wEnd = fEnd * kTwoPi;
    }
    if (par.hasSweep) {
        sweptComponent = par.sweepIndex;
        curveCount = par.CurveCount();
        for (int c = 0; c < kMaxCurves; ++c)
            curveValues[c] = c < curveCount ? par.sweepValues[c] : 0.0;
    }
    int row = 0;
    for (std::size_t i = 0; i < par.names.size(); ++i) {
        components.emplace_back(par.names[i]);
        if (par.names[i] != "$")
            components.back().row = row++;
        components.back().value = par.values[i];
    }
    if (curveCount == 1 && sweptComponent >= 0)
        SetCompoValue(sweptComponent, curveValues[0]);
    viewKind = View::Symbolic;
    if (!EvaluateCoefficients(error)) {
        reset();
        return false;
    }
    loaded = true;
    return true;
}

bool FDT::SaveParFile(const std::string& name, std::string& error)
{
    if (!loaded) {
        error = "No network function is loaded: nothing was saved.";
        return false;
    }
    std::string target = ChangeFileExt(name.empty() ? parPath : name, ".par");
    if (!WriteParFile(target, ParRecord())) {
        error = CannotWriteText(target);
        return false;
    }
    parPath = target;
    return true;
}

bool FDT::SaveAsReplaces(const std::string& name) const
{
    std::string fdt = ChangeFileExt(name, ".fdt");
    return !SameFile(fdt, fdtPath) && (Exists(fdt) || Exists(ChangeFileExt(name, ".par")));
}

bool FDT::SavePairAs(const std::string& name, std::string& error)
{
    std::string fdt = ChangeFileExt(name, ".fdt");
    if (!loaded || SameFile(fdt, fdtPath))
        return SaveParFile(name, error);
    std::ifstream in(fdtPath, std::ios::binary);
    std::string terms((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::error_code sizeError;
    if (!in.is_open() || terms.size() != std::filesystem::file_size(fdtPath, sizeError) || sizeError) {
        error = "The file " + fdtPath + " cannot be read!";
        return false;
    }
    std::string par = ChangeFileExt(name, ".par"), failed;
    if (!WriteFilePair(fdt, terms, par, ParFileText(ParRecord()), failed)) {
        error = CannotWriteText(failed);
        return false;
    }
    fdtPath = fdt;
    parPath = par;
    return true;
}

ParFile FDT::ParRecord() const
{
    ParFile par;
    for (const Compo& compo : components) {
        par.names.push_back(compo.name);
        par.values.push_back(compo.value);
    }
    par.hasCounts = true;
    par.numeratorDegree = static_cast<unsigned>(numeratorDegree);
    par.denominatorDegree = static_cast<unsigned>(denominatorDegree);
    par.numeratorTerms = static_cast<unsigned>(numeratorTerms);
    par.denominatorTerms = static_cast<unsigned>(denominatorTerms);
    par.hasRange = true;
    par.startHz = fStart;
    par.endHz = fEnd;
    par.endTime = endTime;
    par.hasSweep = curveCount > 1;
    par.sweepIndex = sweptComponent;
    for (int c = 0; c < kMaxCurves; ++c)
        par.sweepValues[c] = c < curveCount ? curveValues[c] : 0.0;
    return par;
}
