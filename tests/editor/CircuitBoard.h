#pragma once
// A schematic built in code: parts placed so that chosen terminals lie on
// given grid points, and wires between points, as a user would draw them.
#include "RecordingCanvas.h"
#include "editor/elements/GOrient.h"
#include "editor/elements/Schematic.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class CircuitBoard {
public:
    CircuitBoard() { schematic.FileName = "/circuits/board.sch"; }

    // A part whose terminal `term` lies on `at`, turned so that terminal
    // `toward` lies in the direction (dx, dy) from it (orientation 0 when both are 0).
    GCompo& Place(char kind, const std::string& name, Pt at, int term = 0, int dx = 0, int dy = 0,
                  int toward = 1)
    {
        return Add(std::make_unique<GCompo>(kind, &canvas, false, false, false), name, at, term, dx, dy, toward);
    }
    // A subcircuit instance of <folder><subcircuit>.sbc placed the same way.
    GCompo& PlaceInstance(const std::string& subcircuit, const std::string& folder, const std::string& name,
                          Pt at, int term = 0)
    {
        return Add(std::make_unique<GCompo>(subcircuit, &canvas, folder), name, at, term, 0, 0, 0);
    }
    void Wire(Pt from, Pt to)
    {
        auto w = std::make_unique<GCompo>('W', &canvas, false, false, false);
        w->X2 = from.x;
        w->Y2 = from.y;
        w->X = to.x;
        w->Y = to.y;
        w->StartFixed = 1;
        w->Draw(true, false);
        schematic.Parts.push_back(std::move(w));
    }
    static Pt Terminal(const GCompo& part, int i) { return {part.TermX[i], part.TermY[i]}; }

    RecordingCanvas canvas;
    Schematic schematic;

private:
    GCompo& Add(std::unique_ptr<GCompo> part, const std::string& name, Pt at, int term, int dx, int dy,
                int toward)
    {
        part->Name = name;
        for (int orientation = 0; orientation < 8; ++orientation) {
            part->Orientation = orientation;
            part->X = 500;
            part->Y = 500;
            part->Draw(true, false);
            int ux = part->TermX[toward] - part->TermX[term], uy = part->TermY[toward] - part->TermY[term];
            if ((dx == 0 && dy == 0) || (ux * dy == uy * dx && ux * dx + uy * dy > 0))
                break;
        }
        part->X += at.x - part->TermX[term];
        part->Y += at.y - part->TermY[term];
        part->Draw(true, false);
        EXPECT_EQ(part->TermX[term], at.x);
        EXPECT_EQ(part->TermY[term], at.y);
        schematic.Parts.push_back(std::move(part));
        return *schematic.Parts.back();
    }
};
