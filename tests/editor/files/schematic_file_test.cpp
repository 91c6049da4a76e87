#include "editor/elements/SubcktSymbol.h"
#include "editor/files/SchematicFile.h"
#include "editor/numbering/NodeNumbering.h"
#include "platform/ImageCanvas.h"
#include "tests/editor/RecordingCanvas.h"
#include "tests/editor/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<GCompo> Part(char kind, int x, int y, int orientation, const std::string& name)
{
    auto part = std::make_unique<GCompo>(kind, nullptr, false, false, false);
    part->X = x;
    part->Y = y;
    part->Orientation = orientation;
    part->Name = name;
    return part;
}

TEST(SchematicLine, ExactLinesOfEveryKind)
{
    auto r = Part('R', 120, 80, 1, "R1");
    r->Value = 4700;
    EXPECT_EQ(SchematicLine(*r), "R#120#80#1#R1#4700#0");

    auto w = Part('W', 100, 20, 0, "");
    w->X2 = 10;
    w->Y2 = 20;
    EXPECT_EQ(SchematicLine(*w), "W#100#20#10#20#");

    auto t = Part('T', 50, 300, 0, "");
    t->Text = "Vout";
    EXPECT_EQ(SchematicLine(*t), "T#50#300#Vout");

    auto k = Part('K', 10, 20, 3, "K1");
    EXPECT_EQ(SchematicLine(*k), "K#10#20#3#K1##1#1#1#0#0#0");

    auto q = Part('Q', 200, 100, 2, "Q1");
    q->Text = "N";
    EXPECT_EQ(SchematicLine(*q), "Q#200#100#2#Q1#N#1000#0#100#0#0#0");

    auto pi = std::make_unique<GCompo>('q', nullptr, true, true, true);
    pi->X = 30;
    pi->Y = 40;
    pi->Name = "q2";
    pi->Text = "P";
    pi->Symbolic = 0;
    EXPECT_EQ(SchematicLine(*pi), "q#30#40#0#q2#P#0.001#1e-10#3e-12#1.25e-05#0.05#1");

    auto m = std::make_unique<GCompo>('M', nullptr, true, false, true);
    m->Name = "M1";
    m->Text = "N";
    m->X = m->Y = 0;
    EXPECT_EQ(SchematicLine(*m), "M#0#0#0#M1#N#1e-12#0#0.02#2e-05#1e-12#0");

    auto v = Part('V', 10, 10, 0, "V1");
    EXPECT_EQ(SchematicLine(*v), "V#10#10#0#V1#1#1");

    auto c = Part('C', 10, 10, 7, "C1");
    c->Value = 1e-12;
    EXPECT_EQ(SchematicLine(*c), "C#10#10#7#C1#1E-12#0");

    auto n = Part('n', 60, 70, 2, "n1");
    n->Value = 2;
    n->Symbolic = 0;
    EXPECT_EQ(SchematicLine(*n), "n#60#70#2#n1#2#1");

    EXPECT_EQ(SchematicLine(*Part('g', 50, 60, 0, "")), "g#50#60#0##1#0");
    EXPECT_EQ(SchematicLine(*Part('O', 50, 60, 4, "O1")), "O#50#60#4#O1#1#0");
}

TEST(SchematicLine, SubcircuitLine)
{
    TempFolder folder;
    WriteAmpSymbol(folder);
    GCompo x("amp", nullptr, folder.Folder());
    x.X = 300;
    x.Y = 310;
    x.Orientation = 5;
    x.Name = "X1";
    EXPECT_EQ(SchematicLine(x), "X#300#310#5#X1#amp");
}

// A schematic holding every kind, with values that test the number forms.
Schematic EveryKind(const TempFolder& folder)
{
    Schematic s;
    const std::string kinds = "RGCLVIHYEFOnKgvi";
    int x = 0;
    for (char kind : kinds) {
        x += 10;
        auto part = Part(kind, x, 20 + x, x / 10 % 8, std::string(1, kind) + std::to_string(x));
        if (kind != 'K')
            part->Value = 1.0 / (x + 3);
        part->Symbolic = static_cast<std::uint8_t>(x / 10 % 2);
        s.Parts.push_back(std::move(part));
    }
    for (char kind : std::string("QqM")) {
        auto part = std::make_unique<GCompo>(kind, nullptr, true, false, true);
        x += 10;
        part->X = x;
        part->Name = std::string(1, kind) + "7";
        part->Text = kind == 'q' ? "P" : "N";
        part->Param[4] = 1.0 / 7;
        s.Parts.push_back(std::move(part));
    }
    auto wire = Part('W', 100, 200, 0, "");
    wire->X2 = 100;
    wire->Y2 = 50;
    wire->StartFixed = 1;
    s.Parts.push_back(std::move(wire));
    auto text = Part('T', 5, 6, 0, "");
    text->Text = "gain # 2 $61 \xE7x\xE7";
    s.Parts.push_back(std::move(text));
    auto sub = std::make_unique<GCompo>("amp", nullptr, folder.Folder());
    sub->Name = "X1";
    sub->X = 400;
    sub->Y = 410;
    sub->Orientation = 6;
    s.Parts.push_back(std::move(sub));
    return s;
}

void ExpectSameParts(const Schematic& a, const Schematic& b)
{
    ASSERT_EQ(a.Parts.size(), b.Parts.size());
    for (std::size_t i = 0; i < a.Parts.size(); ++i) {
        const GCompo &p = *a.Parts[i], &q = *b.Parts[i];
        EXPECT_EQ(SchematicLine(p), SchematicLine(q));
        EXPECT_EQ(p.Kind, q.Kind);
        EXPECT_EQ(p.Name, q.Name);
        EXPECT_EQ(p.Text, q.Text);
        EXPECT_NEAR(p.Value, q.Value, 1e-14 * std::fabs(p.Value)) << p.Name;
        EXPECT_EQ(p.Symbolic, q.Symbolic) << p.Name;
        EXPECT_EQ(p.Orientation, q.Orientation);
        for (int j = 0; j < 5; ++j)
            EXPECT_NEAR(p.Param[j], q.Param[j], 1e-8 * std::fabs(p.Param[j])) << p.Name;
        EXPECT_EQ(p.TermCount, q.TermCount);
    }
}

TEST(SchematicFile, RoundTripOfEveryKind)
{
    TempFolder folder;
    WriteAmpSymbol(folder);
    Schematic saved = EveryKind(folder);
    saved.Modified = true;
    std::string error;
    ASSERT_TRUE(SaveSchemaAs(saved, folder / "all.sch", error)) << error;
    EXPECT_FALSE(saved.Modified);
    EXPECT_EQ(saved.FileName, folder / "all.sch");

    Schematic loaded;
    RecordingCanvas canvas;
    ASSERT_TRUE(LoadSchema(loaded, folder / "all.sch", &canvas, folder.Folder(), error)) << error;
    ExpectSameParts(saved, loaded);
    EXPECT_EQ(loaded.Parts.back()->Canvas, &canvas);
    EXPECT_EQ(loaded.Parts[loaded.Parts.size() - 3]->StartFixed, 1);
    EXPECT_EQ(loaded.Parts[loaded.Parts.size() - 2]->Text, "gain # 2 $61 \xE7x\xE7");

    std::string bytes = ReadBytes(folder / "all.sch");
    EXPECT_EQ(bytes.substr(0, 20), "R#10#30#1#R10#0.0769");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"all.sch", "amp.sbc"})) << "no temporary file stays";
}

TEST(SchematicFile, EmptyLinesAndLineEndsDoNotMatter)
{
    TempFolder folder;
    WriteBytes(folder / "a.sch", "R#120#80#1#R1#4700#0\r\n\r\n\nC#10#10#0#C1#1E-12#1\rT#1#2#x##y\n\n");
    Schematic s;
    std::string error;
    ASSERT_TRUE(LoadSchema(s, folder / "a.sch", nullptr, folder.Folder(), error));
    ASSERT_EQ(s.Parts.size(), 3u);
    EXPECT_EQ(s.Parts[0]->Value, 4700);
    EXPECT_EQ(s.Parts[0]->Symbolic, 1);
    EXPECT_EQ(s.Parts[1]->Value, 1e-12);
    EXPECT_EQ(s.Parts[1]->Symbolic, 0);
    EXPECT_EQ(s.Parts[2]->Text, "x##y");
}

struct DamagedCase {
    std::string line;
    char kind;  // 0: the line is skipped
    int x, y, orientation;
    std::string name;
    double value;
};

TEST(SchematicFile, DamagedLinesLoadWithoutHarm)
{
    const DamagedCase cases[] = {
        {"R", 'R', 0, 0, 0, "", 0.0},
        {"R#10", 'R', 10, 0, 0, "", 0.0},
        {"R#10#20#3", 'R', 10, 20, 3, "", 0.0},
        {"C#1#2#99999999999999999999999#C1#5#0", 'C', 1, 2, 0, "C1", 5.0},
        {"L#1#2#13#L1#5#0", 'L', 1, 2, 5, "L1", 5.0},
        {"V#1#2#-3#V1#abc#0", 'V', 1, 2, 5, "V1", 0.0},
        // Coordinates stay within one surface extent of the surface, so that a
        // wire of a damaged file cannot make node numbering mark millions of points.
        {"G#-99999999999#999999999999#0#G1#2#0", 'G', -1000, 2000, 0, "G1", 2.0},
        {"W#5#-150000#5#150000#", 'W', 5, -1000, 0, "", 1.0},
        {"Z#1#2#3#Z1#5#0", 0, 0, 0, 0, "", 0.0},
        {"t#1#2#3", 0, 0, 0, 0, "", 0.0},
        {"#1#2", 0, 0, 0, 0, "", 0.0},
        {" R#1#2", 0, 0, 0, 0, "", 0.0},
        {"W#", 'W', 0, 0, 0, "", 1.0},
        {"T", 'T', 0, 0, 0, "", 1.0},
        {"Q#1#2#9#Q1", 'Q', 1, 2, 1, "Q1", 1.0},
        {"K#5#5#0#K1##2", 'K', 5, 5, 0, "K1", 1.0},
    };
    for (const DamagedCase& c : cases) {
        auto part = ReadSchematicLine(c.line, nullptr, "");
        if (!c.kind) {
            EXPECT_EQ(part, nullptr) << c.line;
            continue;
        }
        ASSERT_NE(part, nullptr) << c.line;
        EXPECT_EQ(part->Kind, c.kind);
        EXPECT_EQ(part->X, c.x) << c.line;
        EXPECT_EQ(part->Y, c.y) << c.line;
        EXPECT_EQ(part->Orientation, c.orientation) << c.line;
        EXPECT_EQ(part->Name, c.name) << c.line;
        EXPECT_EQ(part->Value, c.value) << c.line;
    }
    auto q = ReadSchematicLine("Q#1#2#9#Q1", nullptr, "");
    EXPECT_EQ(q->Param[0], 0.0);
    EXPECT_EQ(q->Symbolic, 0);
    auto k = ReadSchematicLine("K#5#5#0#K1##2", nullptr, "");
    EXPECT_EQ(k->Param[0], 2.0);
    EXPECT_EQ(k->Param[1], 0.0);
    auto w = ReadSchematicLine("W#5#-150000#5#150000#", nullptr, "");
    EXPECT_EQ(w->Y2, 2000);
}

TEST(SchematicFile, DamagedFileDrawsAndNumbersWithoutHarm)
{
    TempFolder folder;
    WriteBytes(folder / "bad.sch",
                 "R#-99999999999#5#1#R1\r\nW#-999999#500#999999#500#\r\nW#5#5\r\nQ#990#990#77777\r\n"
                 "x\x01#3\r\nn#995#-5#2#n1#\r\ni#1000000#1000000#6\r\nT#-50#-50#\xE7\xE7\xA3$\r\nM#\r\ng#\r\n"
                 "v#20#20#4#v1#1#0#1#2#3#4#5#6#7#8#9\r\nO#990#500#3\r\nE#0#990#5#E1#1#1\r\n");
    Schematic s;
    s.IsSubcircuit = true;
    ImageCanvas canvas(1000, 1000);
    std::string error;
    ASSERT_TRUE(LoadSchema(s, folder / "bad.sch", &canvas, folder.Folder(), error)) << error;
    EXPECT_EQ(s.Parts.size(), 12u);
    for (auto& part : s.Parts)
        part->Draw(true, false);
    NumberNodes(s, &canvas);
    for (auto& part : s.Parts)
        part->Draw(true, true);
    for (auto& label : s.NodeLabels)
        label->Draw(true, false);
    EXPECT_GT(s.NodeCount, 0);
}

// A name that no subcircuit can have, read from a file, is shown with its
// control characters written out.
TEST(SchematicFile, MissingSubcircuitStopsTheLoad)
{
    const std::pair<std::string, std::string> names[] = {{"nosuch", "nosuch"}, {"no\x01such\tone", "no^Asuch\\tone"}};
    for (const auto& [name, shown] : names) {
        TempFolder folder;
        WriteBytes(folder / "a.sch", "R#120#80#1#R1#4700#0\r\nX#10#10#0#X1#" + name + "\r\nC#1#1#0#C1#1#0\r\n");
        Schematic s;
        std::string error;
        EXPECT_FALSE(LoadSchema(s, folder / "a.sch", nullptr, folder.Folder(), error));
        EXPECT_EQ(error, "Error: SubCircuit " + shown + " Undefined!");
        EXPECT_TRUE(s.Parts.empty());
    }
}

TEST(SchematicFile, BadSymbolLineStopsTheLoadLikeAMissingFile)
{
    const char* symbols[] = {"", "\r\n", "6\r\n", "6 4 Z1\r\n", "6 4 L\r\n", "6 4 Lx\r\n", "x 4 L1\r\n",
                             "13 4 L1\r\n", "0 4\r\n", "-6 4\r\n", "6 4 L1 R1 B2 T3 Q9\r\n"};
    for (const char* symbol : symbols) {
        TempFolder folder;
        WriteBytes(folder / "bad.sbc", symbol);
        WriteBytes(folder / "a.sch", "X#10#10#0#X1#bad\r\n");
        Schematic s;
        std::string error;
        bool extraPinIgnored = std::string(symbol).find("Q9") != std::string::npos;
        EXPECT_EQ(LoadSchema(s, folder / "a.sch", nullptr, folder.Folder(), error), extraPinIgnored) << symbol;
        if (!extraPinIgnored) {
            EXPECT_EQ(error, "Error: SubCircuit bad Undefined!") << symbol;
        }
    }
}

// A file of another program opens as no empty drawing that a Save could
// write over it; an empty schematic is a file without text.
TEST(SchematicFile, AFileWithTextButNoPartIsRefused)
{
    const std::string refused[] = {std::string(300, '\xFF'), "<?xml version=\"1.0\"?>\n<schematic/>\n",
                                   std::string("\0\0\0\x01PK", 6), "hello\r\n\r\nworld\r\n"};
    for (const std::string& bytes : refused) {
        TempFolder folder;
        WriteBytes(folder / "other.sch", bytes);
        Schematic s;
        std::string error;
        EXPECT_FALSE(LoadSchema(s, folder / "other.sch", nullptr, folder.Folder(), error)) << bytes;
        EXPECT_EQ(error, "\"" + folder / "other.sch" + "\" is not a schematic file!");
        EXPECT_TRUE(s.Parts.empty());
    }
    for (const std::string bytes : {"", "\r\n\r\n"}) {
        TempFolder folder;
        WriteBytes(folder / "empty.sch", bytes);
        Schematic s;
        std::string error;
        EXPECT_TRUE(LoadSchema(s, folder / "empty.sch", nullptr, folder.Folder(), error)) << error;
    }
}

TEST(SchematicFile, MissingFileIsReported)
{
    TempFolder folder;
    Schematic s;
    std::string error;
    EXPECT_FALSE(LoadSchema(s, folder / "none.sch", nullptr, folder.Folder(), error));
    EXPECT_NE(error.find("none.sch"), std::string::npos);
}

TEST(SchematicFile, FailedWriteKeepsTheOldFile)
{
    TempFolder folder;
    // A file that its permissions keep from being written.
    const std::string name = "a.sch";
    WriteBytes(folder / name, "R#1#1#0#R1#1#0\r\n");
    std::filesystem::permissions(folder / name, std::filesystem::perms::owner_read);
    ASSERT_EQ(ReadBytes(folder / name), "R#1#1#0#R1#1#0\r\n");
    Schematic s;
    s.FileName = folder / name;
    s.Parts.push_back(Part('C', 5, 5, 0, "C1"));
    s.Modified = true;
    std::string error;
    EXPECT_FALSE(SaveSchema(s, error));
    EXPECT_NE(error.find(name), std::string::npos);
    EXPECT_TRUE(s.Modified);
    EXPECT_EQ(ReadBytes(folder / name), "R#1#1#0#R1#1#0\r\n");

    EXPECT_FALSE(SaveSchemaAs(s, folder / "nofolder/b.sch", error));
    EXPECT_EQ(s.FileName, folder / name);
}

TEST(SubcktSymbol, SizesAndPins)
{
    SubcktSymbol symbol;
    ASSERT_TRUE(ParseSymbolLine("6 4 L1 R1 B2 T3 ", symbol));
    EXPECT_EQ(symbol.Width, 60);
    EXPECT_EQ(symbol.Height, 40);
    ASSERT_EQ(symbol.PinCount, 4);
    const char sides[] = {'L', 'R', 'B', 'T'};
    const int offsets[] = {10, 10, 20, 30};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(symbol.Pins[i].Side, sides[i]);
        EXPECT_EQ(symbol.Pins[i].Offset, offsets[i]);
    }
    ASSERT_TRUE(ParseSymbolLine("4 4 ", symbol));
    EXPECT_EQ(symbol.PinCount, 0);
    ASSERT_TRUE(ParseSymbolLine("12 8 R7", symbol));
    EXPECT_EQ(symbol.Width, 120);
    EXPECT_EQ(symbol.PinCount, 1);
}

TEST(SubcktSymbol, CopyKeepsPinsAndTerminalCount)
{
    TempFolder folder;
    WriteAmpSymbol(folder);
    GCompo x("amp", nullptr, folder.Folder());
    x.Name = "X1";
    GCompo copy(x, nullptr);
    EXPECT_EQ(copy.Name, "");
    EXPECT_EQ(copy.TermCount, 4);
    EXPECT_EQ(copy.SymWidth, 60);
    EXPECT_EQ(copy.Pin[3].Side, 'T');
    EXPECT_EQ(copy.Text, "amp");
    EXPECT_EQ(copy.Value, 0.0);
    EXPECT_EQ(copy.X, -1000);
}

}  // namespace
