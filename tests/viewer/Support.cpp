#include "Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "formats/NumberText.h"
#include "formats/Term.h"

std::vector<Reference> LoadReferences(const std::string& file)
{
    std::ifstream in(std::string(TERVOX_SOURCE_DIR) + "/tests/viewer/fixtures/" + file);
    EXPECT_TRUE(in.good()) << file;
    std::vector<Reference> cases;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (key == "case") {
            cases.emplace_back();
            words >> cases.back().name;
            continue;
        }
        std::vector<double>& values = cases.back().data[key];
        std::string token;
        while (words >> token)
            values.push_back(StrToD(token));
    }
    return cases;
}

void WriteFdt(const std::string& path, const std::vector<TestTerm>& num, const std::vector<TestTerm>& den)
{
    OutFile file;
    ASSERT_TRUE(file.Open(path, "wb"));
    for (const auto* section : {&num, &den}) {
        for (const TestTerm& t : *section) {
            TERM term;
            term.coefficient = t.coefficient;
            term.power = static_cast<std::uint8_t>(t.power);
            term.count = static_cast<std::uint8_t>(t.symbols.size());
            for (std::size_t k = 0; k < t.symbols.size(); ++k)
                term.symbols[k] = static_cast<std::uint8_t>(t.symbols[k]);
            term.Write(file);
        }
        TERM::WriteEndRecord(file);
    }
    ASSERT_TRUE(file.Close());
}

std::vector<TestTerm> NumericTerms(const std::vector<double>& coefficients)
{
    std::vector<TestTerm> terms;
    for (std::size_t k = 0; k < coefficients.size(); ++k)
        if (coefficients[k] != 0.0)
            terms.push_back({coefficients[k], static_cast<int>(k), {}});
    return terms;
}

int DegreeOf(const std::vector<TestTerm>& terms)
{
    int degree = 0;
    for (const TestTerm& t : terms)
        degree = std::max(degree, t.power);
    return degree;
}

std::string ParText(const std::string& names, const std::string& values, const std::vector<TestTerm>& num,
                    const std::vector<TestTerm>& den, const std::vector<std::string>& more)
{
    std::string text = names + "\r\n" + values + "\r\n";
    text += std::to_string(DegreeOf(num)) + " " + std::to_string(num.size()) + "\r\n";
    text += std::to_string(DegreeOf(den)) + " " + std::to_string(den.size()) + "\r\n";
    for (const std::string& line : more)
        text += line + "\r\n";
    return text;
}

void LoadRational(FDT& f, const TempFolder& dir, const std::vector<double>& num, const std::vector<double>& den)
{
    std::vector<TestTerm> n = NumericTerms(num), d = NumericTerms(den);
    WriteFdt(dir / "h.fdt", n, d);
    WriteBytes(dir / "h.par", ParText("", "", n, d));
    std::string error;
    ASSERT_TRUE(f.LoadParFile(dir / "h.fdt", error)) << error;
}
