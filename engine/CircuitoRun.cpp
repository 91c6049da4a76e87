// What a run does around the enumeration: the big-output question, failures,
// and putting the finished result files in place.
#include "engine/Circuito.h"
#include "formats/ParFile.h"

namespace {

const char kBigOutput[] =
    "The output files for this circuit\r\ncould requires tens of MegaBytes!\r\nDo you want to proceed?";

}  // namespace

void Circuito::AskBigOutput()
{
    asked_ = true;
    if (!host_.AskYesNo(kBigOutput))
        abort = true;
}

void Circuito::Fail(const std::string& text)
{
    ok_ = false;
    Discard();
    host_.ShowMessage(text);
}

// Nothing of the run stays behind, and a run waiting for these result files
// may go on.
void Circuito::Discard()
{
    out_.Close();
    files_.Discard();
    lock_.Release();
}

bool Circuito::FinishFiles()
{
    if (!out_.Close()) {
        Fail("Cannot write file \"" + fdtPath + "\"");
        return false;
    }
    OutFile par;
    if (!par.Open(files_.Temp(kParFile), "ab")) {
        Fail("Cannot open file \"" + parPath + "\" to append the term counts");
        return false;
    }
    std::string counts = ParCountLine(numeratorHighestPower, numeratorTermCount)
        + ParCountLine(denominatorHighestPower, denominatorTermCount);
    par.Put(counts.data(), counts.size());
    if (!par.Close()) {
        Fail("Cannot write file \"" + parPath + "\"");
        return false;
    }
    if (!files_.Replace()) {
        Fail("Cannot replace the result files beside \"" + circuitPath + "\"");
        return false;
    }
    lock_.Release();
    return true;
}
