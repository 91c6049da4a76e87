// What a run does around the enumeration: the big-output question, letting the
// message loop run, failures, and putting the finished result files in place.
#include <cstdio>

#include "engine/Circuito.h"
#include "formats/ParFile.h"

namespace {

constexpr int kPollEvery = 1024;
const char kBigOutput[] =
    "The output files for this circuit\r\ncould requires tens of MegaBytes!\r\nDo you want to proceed?";

}  // namespace

void Circuito::AskBigOutput()
{
    asked_ = true;
    if (!host_.AskYesNo(kBigOutput))
        abort = true;
}

void Circuito::Poll()
{
    if (--pollCountdown_ > 0)
        return;
    pollCountdown_ = kPollEvery;
    host_.ProcessMessages();
    if (out_.Failed())
        Fail("Cannot write file \"" + fdtPath + "\"");
}

void Circuito::Fail(const std::string& text)
{
    ok_ = false;
    Discard();
    host_.ShowMessage(text);
}

void Circuito::Discard()
{
    out_.Close();
    std::remove(FdtTemp().c_str());
    std::remove(ParTemp().c_str());
}

bool Circuito::FinishFiles()
{
    if (!out_.Close()) {
        Fail("Cannot write file \"" + fdtPath + "\"");
        return false;
    }
    OutFile par;
    if (!par.Open(ParTemp(), "ab")) {
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
    if (std::rename(ParTemp().c_str(), parPath.c_str()) != 0
        || std::rename(FdtTemp().c_str(), fdtPath.c_str()) != 0) {
        Fail("Cannot replace the result files beside \"" + circuitPath + "\"");
        return false;
    }
    return true;
}
