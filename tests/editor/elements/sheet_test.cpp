// Renders every element in all eight orientations, with labels and node labels,
// to a PNG in the build's test folder, so that the drawing can be looked at.
#include "editor/numbering/NodeNumbering.h"
#include "platform/ImageCanvas.h"
#include "tests/editor/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SheetRow {
    char kind;
    const char* text;
    bool numeric;
};

const SheetRow Rows[] = {
    {'R', "", false}, {'G', "", false}, {'C', "", false},  {'L', "", true},   {'V', "", true},
    {'I', "", true},  {'H', "", false}, {'Y', "", false},  {'E', "", false},  {'F', "", false},
    {'O', "", false}, {'n', "", true},  {'K', "", false},  {'Q', "N", false}, {'Q', "P", false},
    {'q', "N", false}, {'M', "N", false}, {'M', "P", false}, {'X', "", false}, {'v', "", false},
    {'i', "", false}, {'g', "", false}, {'W', "", false},  {'T', "", false},
};

constexpr int CellWidth = 160;
constexpr int CellHeight = 130;

TEST(Sheet, EveryElementInEveryOrientation)
{
    TempFolder folder;
    WriteAmpSymbol(folder);
    int rows = static_cast<int>(std::size(Rows));
    ImageCanvas canvas(8 * CellWidth, rows * CellHeight + 20);
    Schematic sheet;
    for (int r = 0; r < rows; ++r)
        for (int o = 0; o < 8; ++o) {
            const SheetRow& row = Rows[r];
            int x = o * CellWidth + 80, y = r * CellHeight + 80;
            auto part = row.kind == 'X' ? std::make_unique<GCompo>("amp", &canvas, folder.Folder())
                                        : std::make_unique<GCompo>(row.kind, &canvas, true, true, true);
            part->Name = std::string(1, row.kind) + std::to_string(o);
            part->Orientation = o;
            if (row.kind != 'X')
                part->Text = row.text;
            part->Symbolic = row.numeric ? 0 : 1;
            part->Value = 2200;
            part->X = x;
            part->Y = y;
            if (row.kind == 'W') {
                part->StartFixed = 1;
                part->X2 = x - 40 + 10 * o;
                part->Y2 = y - 40;
            }
            if (row.kind == 'T')
                part->Text = "V\xA3out\xA3 $77\xE7" "2\xE7";
            sheet.Parts.push_back(std::move(part));
        }
    for (auto& part : sheet.Parts)
        part->Draw(true, false);
    NumberNodes(sheet, &canvas);
    for (auto& part : sheet.Parts)
        part->Draw(true, true);
    for (auto& label : sheet.NodeLabels)
        label->Draw(true, false);
    std::string path = std::string(TERVOX_TEST_DIR) + "/editor_sheet.png";
    ASSERT_TRUE(canvas.Image().save(QString::fromStdString(path), "PNG")) << path;
}

}  // namespace
