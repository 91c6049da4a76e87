#include "Support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "formats/NumberText.h"

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

std::vector<FileTerm> NumericTerms(const std::vector<double>& coefficients)
{
    std::vector<FileTerm> terms;
    for (std::size_t k = 0; k < coefficients.size(); ++k)
        if (coefficients[k] != 0.0)
            terms.push_back({coefficients[k], static_cast<int>(k), {}});
    return terms;
}

std::string ParText(const std::string& names, const std::string& values, const std::vector<FileTerm>& num,
                    const std::vector<FileTerm>& den, const std::vector<std::string>& more)
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
    std::vector<FileTerm> n = NumericTerms(num), d = NumericTerms(den);
    WriteFdtFile(dir / "h.fdt", n, d);
    WriteBytes(dir / "h.par", ParText("", "", n, d));
    std::string error;
    ASSERT_TRUE(f.LoadParFile(dir / "h.fdt", error)) << error;
}
