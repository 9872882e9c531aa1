#include "text/paint_plan.h"

namespace {

// How far down the stack of open strokes a colour is looked for.
const size_t kStackSearch = 24;

struct OpenStroke {
    size_t nIndex; // into the result
    uint32_t rgb;
};

} // namespace

/* PlanStrokes: within each stretch of runs without a gap, a colour that is
   still open below the current stroke is continued instead of started again. */
std::vector<ColourRun> PlanStrokes(const std::vector<ColourRun> &runs)
{
    std::vector<ColourRun> strokes;
    strokes.reserve(runs.size());
    std::vector<OpenStroke> open;
    size_t segmentEnd = 0;
    auto closeAll = [&]() {
        for (const OpenStroke &o : open)
            strokes[o.nIndex].nEnd = segmentEnd;
        open.clear();
    };
    for (const ColourRun &r : runs) {
        if (r.nEnd <= r.nStart)
            continue;
        if (!open.empty() && r.nStart != segmentEnd)
            closeAll();
        size_t found = open.size();
        for (size_t k = open.size(); k > 0 && open.size() - k < kStackSearch; --k)
            if (open[k - 1].rgb == r.rgb) {
                found = k - 1;
                break;
            }
        if (found < open.size()) {
            while (open.size() > found + 1) {
                strokes[open.back().nIndex].nEnd = r.nStart;
                open.pop_back();
            }
        } else {
            open.push_back({strokes.size(), r.rgb});
            strokes.push_back({r.nStart, r.nEnd, r.rgb});
        }
        segmentEnd = r.nEnd;
    }
    closeAll();
    return strokes;
}
