// Quantising, aligning and compacting for the design surface.
#include "designer/surface_ops.h"
#include <cstring>
#include <string>
#include "common/cp932.h"

int QuantiseExtent(int extent, int step)
{
    if (step <= 0)
        return extent;
    int q = (extent / step) * step;
    return q == 0 ? step : q;
}

/* Indices ordered by key, ascending; ties keep the lower index (stable selection). */
static std::vector<int> OrderByKey(const std::vector<int> &keys)
{
    std::vector<int> order;
    std::vector<bool> taken(keys.size(), false);
    for (size_t n = 0; n < keys.size(); n++) {
        int best = -1;
        for (size_t i = 0; i < keys.size(); i++)
            if (!taken[i] && (best < 0 || keys[i] < keys[best]))
                best = (int)i;
        taken[best] = true;
        order.push_back(best);
    }
    return order;
}

void AlignEdges(std::vector<int> &edges, int d)
{
    std::vector<int> order = OrderByKey(edges);
    for (size_t k = 0; k + 1 < order.size(); k++) {
        int cur = edges[order[k]];
        if (cur + d > edges[order[k + 1]])
            edges[order[k + 1]] = cur;
    }
}

int CompactControls(Ctrldata *recs, int count, bool (*isLive)(const Ctrldata &))
{
    std::vector<Ctrldata> live;
    std::vector<int> tops;
    for (int i = 0; i < count; i++)
        if (isLive(recs[i])) {
            live.push_back(recs[i]);
            tops.push_back(recs[i].top);
        }
    std::vector<int> order = OrderByKey(tops);
    memset(recs, 0, sizeof(Ctrldata) * count);
    for (size_t k = 0; k < order.size(); k++)
        recs[k] = live[order[k]];
    return (int)order.size();
}

/* "IDC_" with no controls; one control: up to its last '_'; several: the longest common start. */
std::string CommonIdentPrefix(const std::vector<Ctrldata> &controls)
{
    if (controls.empty())
        return "IDC_";
    std::string first = controls[0].szIdent;
    if (controls.size() == 1) {
        size_t u = first.rfind('_');
        return u == std::string::npos ? "IDC_NEW_" : first.substr(0, u + 1);
    }
    size_t n = first.size();
    for (const Ctrldata &c : controls) {
        size_t k = 0;
        while (k < n && c.szIdent[k] == first[k])
            k++;
        n = k;
    }
    // Never cut inside a double-byte character.
    size_t cut = 0;
    for (size_t i = 0; i < n;) {
        size_t len = cp932::CharLength(first.data() + i, first.data() + first.size());
        if (i + len > n) break;
        i += len;
        cut = i;
    }
    return cut == 0 ? "IDC_NEW_" : first.substr(0, cut);
}

/* Keeps v so that [v, v + extent) lies within [0, limit), the start first. */
static int ClampSpan(int v, int extent, int limit)
{
    if (v + extent > limit)
        v = limit - extent;
    return v < 0 ? 0 : v;
}

/* PlaceDroppedControl: back where it was for a drop outside, else inside the client area. */
DropPlace PlaceDroppedControl(int x, int y, int w, int h, int dropX, int dropY, int fromX, int fromY,
                              int clientW, int clientH)
{
    if (dropX < 0 || dropY < 0 || dropX >= clientW || dropY >= clientH)
        return DropPlace{fromX, fromY, true};
    return DropPlace{ClampSpan(x, w, clientW), ClampSpan(y, h, clientH), false};
}
