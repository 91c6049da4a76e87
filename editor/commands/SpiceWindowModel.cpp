#include "editor/commands/SpiceWindowModel.h"

#include "editor/spice/SpiceRun.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"
#include "formats/TextFile.h"

namespace {

const char* const kDefaultAnalysis = ".AC DEC 100 1 1000";

}  // namespace

bool SpiceWindowModel::LoadNetlist(const std::string& path, std::string& error)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        error = "Cannot open file \"" + path + "\"";
        return false;
    }
    path_ = path;
    program_ = settings_.Read("SpiceProg").value_or("");
    analysis_ = settings_.Read("DefSym").value_or(kDefaultAnalysis);
    options_ = settings_.Read("SpiceOptions");
    memo_ = std::move(lines);
    ApplyAnalysisLine(memo_, analysis_);
    return true;
}

std::string SpiceWindowModel::MemoText() const
{
    std::string text;
    for (std::size_t i = 0; i < memo_.size(); ++i)
        text += (i ? "\n" : "") + memo_[i];
    return text;
}

FileRequest SpiceWindowModel::ProgramRequest() const
{
    // Programs here carry no extension: none is added to a typed name.
    return {"", ExtractFilePath(program_), "", "", ExtractFileName(program_)};
}

void SpiceWindowModel::ChooseProgram(const std::string& path)
{
    program_ = path;
    settings_.Write("SpiceProg", path);
}

void SpiceWindowModel::ApplyAnalysis(const std::string& line, const std::string& memoText)
{
    analysis_ = line;
    settings_.Write("DefSym", line);
    memo_ = SplitTextLines(memoText);
    ApplyAnalysisLine(memo_, line);
}

CommandOutcome SpiceWindowModel::RunSpice(const std::string& memoText)
{
    if (program_.empty())
        return {};
    std::vector<std::string> lines = SplitTextLines(memoText);
    if (!WriteTextLines(path_, lines))
        return CommandOutcome::Show(CannotCreateText(path_));
    memo_ = std::move(lines);
    SpiceStart start = SpiceStartFor(program_, path_, options_);
    return CommandOutcome::Start(start.Command, start.Status);
}

FileRequest SpiceWindowModel::SaveAsRequest() const
{
    return {"", ExtractFilePath(path_), "Spice Files|*.cir", "cir", ExtractFileName(path_)};
}

bool SpiceWindowModel::SaveAs(const std::string& path, const std::string& memoText, std::string& error)
{
    std::vector<std::string> lines = SplitTextLines(memoText);
    if (!WriteTextLines(path, lines)) {
        error = CannotCreateText(path);
        return false;
    }
    path_ = path;
    memo_ = std::move(lines);
    return true;
}
