#include "viewer/texts/SOP.h"

#include "formats/NumberText.h"

namespace {

std::string Folded(const std::string& text)
{
    std::string folded = text;
    for (char& ch : folded)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return folded;
}

}  // namespace

void SOP::Add(const std::string& product, double coefficient)
{
    if (!appendOnly) {
        auto [it, added] = index_.try_emplace(Folded(product), entries_.size());
        if (!added) {
            entries_[it->second].second += coefficient;
            return;
        }
    }
    entries_.emplace_back(product, coefficient);
}

std::string SOP::Text() const
{
    std::string text;
    for (const auto& [product, c] : entries_) {
        if (c == 0.0)
            continue;
        if (!product.empty() && (c == 1.0 || c == -1.0)) {
            text.append(c > 0 ? " +" : " -").append(product);
            continue;
        }
        text.append(c > 0 ? " +" : " ").append(FloatToStr(c));
        if (!product.empty())
            text.append(" ").append(product);
    }
    return text;
}

std::string ProductText(const std::vector<Compo>& components, const std::uint8_t* symbols, int count)
{
    std::string text;
    for (int k = 0; k < count; ++k)
        text.append(" ").append(components[symbols[k]].name);
    return text;
}
