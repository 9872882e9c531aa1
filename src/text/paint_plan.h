// The fewest colour strokes that paint a list of coloured runs onto a pane.
// A stroke is one select + format pair; a later stroke paints over an
// earlier one, so a colour that comes back after a few other runs (the
// tint of a parenthesis around a string, say) is painted once underneath
// them. Text outside the runs is never touched.
#pragma once
#include "text/colour_scan.h"

#include <vector>

// Strokes in painting order for runs in text order without overlaps;
// painting them one after the other gives every byte of every run its
// run's colour and leaves the bytes between runs alone. At most as many
// strokes as runs.
std::vector<ColourRun> PlanStrokes(const std::vector<ColourRun> &runs);
