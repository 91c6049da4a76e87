#pragma once
// The part clipboard that the frame shares among all schematic windows. Its
// parts belong to no window and hold no drawing surface; each has a grab offset
// relative to the reference part (the selected part last in list order), a
// wire its vector as well. The content stays after a paste.
#include "editor/elements/Schematic.h"

#include <memory>
#include <vector>

class PartClipboard {
public:
    // Replaces the content by copies of the selected parts, without names.
    void Copy(const Schematic& schematic);
    // As Copy with the names kept, then frees the selected parts.
    void Cut(Schematic& schematic);

    bool Empty() const { return parts_.empty(); }
    // In clipboard order: the selected parts from the last to the first.
    const std::vector<std::unique_ptr<GCompo>>& Parts() const { return parts_; }

    // A copy of a clipboard part on a canvas, ready to follow the mouse: name,
    // grab offset and wire vector kept.
    static std::unique_ptr<GCompo> Take(const GCompo& part, TCanvas* canvas);

private:
    void Fill(const Schematic& schematic, bool keepNames);

    std::vector<std::unique_ptr<GCompo>> parts_;
};
