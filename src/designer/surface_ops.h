#pragma once
// Layout operations of the design surface that need no window: quantising,
// aligning edges and compacting the control records.
#include <string>
#include <vector>
#include "designer/records.h"

// Extent cut to a multiple of step; a result of 0 becomes step.
int QuantiseExtent(int extent, int step);

// Collapses runs of near edges onto the first of each run: items ordered by
// edge (ties keep the lower index); an item whose edge lies less than or at d
// beyond the previous one's takes the previous one's edge. Changes edges in place.
void AlignEdges(std::vector<int> &edges, int d);

// Moves the records that isLive accepts to the front, ordered by top edge
// (ties keep the lower index), zeroes the rest; returns their number.
int CompactControls(Ctrldata *recs, int count, bool (*isLive)(const Ctrldata &));

// Identifier prefix shared by the controls of a dialog read from a script.
std::string CommonIdentPrefix(const std::vector<Ctrldata> &controls);

// Where a carried control of size w x h lands when dropped with the pointer at
// (dropX, dropY) and its top-left at (x, y), on a client area of clientW x
// clientH. A drop with the pointer outside the client area puts it back at
// (fromX, fromY) and says so in back; inside, the control is pushed inside
// the client area as far as its size allows.
struct DropPlace {
    int x, y;
    bool back;
};
DropPlace PlaceDroppedControl(int x, int y, int w, int h, int dropX, int dropY, int fromX, int fromY,
                              int clientW, int clientH);
