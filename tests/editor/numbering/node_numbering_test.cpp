#include "editor/numbering/NodeNumbering.h"
#include "tests/editor/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class Numbering : public ::testing::Test {
protected:
    GCompo& Add(char kind, int x, int y, int orientation = 0)
    {
        auto part = std::make_unique<GCompo>(kind, &canvas, false, false, false);
        part->X = x;
        part->Y = y;
        part->Orientation = orientation;
        schematic.Parts.push_back(std::move(part));
        return *schematic.Parts.back();
    }
    GCompo& Wire(int x2, int y2, int x, int y)
    {
        GCompo& w = Add('W', x, y);
        w.X2 = x2;
        w.Y2 = y2;
        w.StartFixed = 1;
        return w;
    }
    void Number()
    {
        for (auto& part : schematic.Parts)
            part->Draw(true, false);
        NumberNodes(schematic, &canvas);
    }

    RecordingCanvas canvas;
    Schematic schematic;
};

TEST_F(Numbering, TouchingTerminalsShareANode)
{
    GCompo& r1 = Add('R', 100, 100);
    GCompo& r2 = Add('R', 100, 160);
    Number();
    EXPECT_EQ(r1.Node[1], r2.Node[0]);
    EXPECT_NE(r1.Node[0], r1.Node[1]);
    EXPECT_NE(r2.Node[0], r2.Node[1]);
    EXPECT_EQ(schematic.NodeCount, 3);
    EXPECT_EQ(schematic.PortCount, 0);
}

TEST_F(Numbering, StraightWiresConnectAlongTheirLengthObliqueOnlyAtTheirEnds)
{
    GCompo& r = Add('R', 100, 100);
    GCompo& horizontal = Wire(50, 160, 150, 160);
    GCompo& oblique = Wire(50, 110, 150, 210);
    GCompo& vertical = Wire(100, 200, 100, 50);
    Number();
    EXPECT_EQ(horizontal.Node[0], r.Node[1]);
    EXPECT_EQ(vertical.Node[0], r.Node[0]);
    EXPECT_EQ(vertical.Node[0], r.Node[1]) << "the vertical wire runs over both terminals";
    EXPECT_NE(oblique.Node[0], r.Node[1]);
}

TEST_F(Numbering, ObliqueWireDoesNotConnectAcrossATerminal)
{
    GCompo& r = Add('R', 100, 100);
    GCompo& oblique = Wire(50, 110, 150, 210);
    Number();
    EXPECT_NE(oblique.Node[0], r.Node[0]);
    EXPECT_NE(oblique.Node[0], r.Node[1]);
    EXPECT_EQ(schematic.NodeCount, 3);
}

TEST_F(Numbering, CrossingWiresAreOneNet)
{
    GCompo& h = Wire(0, 100, 200, 100);
    GCompo& v = Wire(100, 0, 100, 200);
    GCompo& apart = Wire(300, 0, 300, 200);
    Number();
    EXPECT_EQ(h.Node[0], v.Node[0]);
    EXPECT_NE(h.Node[0], apart.Node[0]);
    EXPECT_EQ(schematic.NodeCount, 2);
}

TEST_F(Numbering, GroundMakesItsNetNodeZero)
{
    GCompo& r1 = Add('R', 100, 100);
    GCompo& r2 = Add('R', 200, 100);
    Wire(100, 160, 200, 160);
    Add('g', 200, 160);
    Number();
    EXPECT_EQ(r1.Node[1], 0);
    EXPECT_EQ(r2.Node[1], 0);
    EXPECT_NE(r1.Node[0], 0);
    EXPECT_NE(r2.Node[0], r1.Node[0]);
    EXPECT_EQ(schematic.NodeCount, 3);
    std::set<int> nodes = {r1.Node[0], r2.Node[0]};
    EXPECT_EQ(nodes, (std::set<int>{1, 2}));
}

TEST_F(Numbering, WithoutGroundThereIsNoNodeZero)
{
    GCompo& r = Add('R', 100, 100);
    Number();
    EXPECT_NE(r.Node[0], 0);
    EXPECT_NE(r.Node[1], 0);
    for (auto& label : schematic.NodeLabels)
        EXPECT_NE(label->Text, "0");
}

TEST_F(Numbering, NetsAreRenumberedInTextOrder)
{
    std::vector<GCompo*> wires;
    for (int i = 0; i < 12; ++i)
        wires.push_back(&Wire(10 + 50 * i, 500, 10 + 50 * i, 600));
    Number();
    const int expected[12] = {1, 5, 6, 7, 8, 9, 10, 11, 12, 2, 3, 4};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(wires[i]->Node[0], expected[i]) << "wire " << i + 1;
    EXPECT_EQ(schematic.NodeCount, 12);
}

TEST_F(Numbering, LoneTerminalGetsItsOwnNode)
{
    GCompo& r = Add('R', 100, 100);
    GCompo& c = Add('C', 500, 500);
    Number();
    std::set<int> nodes = {r.Node[0], r.Node[1], c.Node[0], c.Node[1]};
    EXPECT_EQ(nodes.size(), 4u);
    EXPECT_EQ(schematic.NodeCount, 4);
}

TEST_F(Numbering, SubcircuitPortsFollowTheMarkerOrder)
{
    schematic.IsSubcircuit = true;
    GCompo& r = Add('R', 100, 100);
    Add('v', 100, 160);
    Add('v', 100, 100);
    Add('g', 300, 300);
    GCompo& c = Add('C', 300, 240);
    Number();
    EXPECT_EQ(r.Node[1], 1);
    EXPECT_EQ(r.Node[0], 2);
    EXPECT_EQ(c.Node[1], 0);
    EXPECT_EQ(schematic.PortCount, 3);
    int ports = 0;
    for (auto& label : schematic.NodeLabels)
        if (label->Text == "1" || label->Text == "2") {
            EXPECT_EQ(label->Symbolic, 0);
            ++ports;
        } else {
            EXPECT_EQ(label->Symbolic, 1);
        }
    EXPECT_EQ(ports, 2);
}

TEST_F(Numbering, PortOnTheGroundNetTakesItOver)
{
    schematic.IsSubcircuit = true;
    GCompo& r = Add('R', 100, 100);
    Add('g', 100, 160);
    Add('v', 100, 160);
    Number();
    EXPECT_EQ(r.Node[1], 1);
    for (auto& label : schematic.NodeLabels)
        EXPECT_NE(label->Text, "0");
}

TEST_F(Numbering, LabelsSitAtTheTopLeftPointOfEachNet)
{
    Wire(300, 200, 300, 100);
    Wire(200, 150, 300, 150);
    Add('g', 200, 150);
    Add('R', 600, 300);
    Number();
    ASSERT_EQ(schematic.NodeLabels.size(), 3u);
    const GCompo& first = *schematic.NodeLabels[0];
    EXPECT_EQ(first.Kind, 't');
    EXPECT_EQ(first.X, 300);
    EXPECT_EQ(first.Y, 100);
    EXPECT_EQ(first.Text, "0");
    EXPECT_EQ(schematic.NodeLabels[1]->X, 600);
    EXPECT_EQ(schematic.NodeLabels[1]->Y, 300);
    EXPECT_EQ(schematic.NodeLabels[2]->Y, 360);
    EXPECT_EQ(schematic.NodeCount, 3);
}

TEST_F(Numbering, PartsAtTheEdgesConnectOnlyWhereTheyTouch)
{
    // Terminals left of the area, right of it and below it would alias into other
    // rows of a 100 x 100 grid map.
    GCompo& left = Add('R', 30, 100, 1);      // terminal (-30, 100)
    GCompo& aliasLeft = Add('R', 970, 90, 0);  // terminal (970, 90)
    GCompo& right = Add('R', 990, 200, 3);    // terminal (1050, 200)
    GCompo& aliasRight = Add('R', 50, 210);   // terminal (50, 210)
    GCompo& below = Add('R', 500, 990);       // terminal (500, 1050)
    GCompo& far1 = Add('R', 2000, 2000);
    GCompo& far2 = Add('R', 2000, 2060);
    Number();
    EXPECT_EQ(left.TermX[1], -30);
    EXPECT_NE(left.Node[1], aliasLeft.Node[0]);
    EXPECT_EQ(right.TermX[1], 1050);
    EXPECT_NE(right.Node[1], aliasRight.Node[0]);
    EXPECT_EQ(below.TermY[1], 1050);
    EXPECT_EQ(far1.Node[1], far2.Node[0]);
    EXPECT_EQ(schematic.NodeCount, 13);
}

TEST_F(Numbering, NumberingTwiceGivesTheSameNodes)
{
    GCompo& r = Add('R', 100, 100);
    Wire(100, 160, 300, 160);
    Add('g', 300, 160);
    Number();
    std::uint16_t before[2] = {r.Node[0], r.Node[1]};
    Number();
    EXPECT_EQ(r.Node[0], before[0]);
    EXPECT_EQ(r.Node[1], before[1]);
    EXPECT_EQ(schematic.NodeLabels.size(), 2u);
}

}  // namespace
