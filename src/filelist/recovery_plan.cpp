#include "filelist/recovery_plan.h"

#include <algorithm>

namespace {

/* GroupKey: the source file a copy is shown with. */
const std::string &GroupKey(const RecoveryHeader &h)
{
    return h.pane == RECOVERY_PANE_RC ? h.szOwnerPath : h.szPath;
}

// How strongly a group asks to stay on show: one that was on show, then the newest.
struct Rank {
    bool bOnShow = false;
    uint64_t nTime = 0;
    bool operator<(const Rank &o) const { return bOnShow != o.bOnShow ? !bOnShow : nTime < o.nTime; }
};

Rank RankOf(const RecoveryHeader &h)
{
    Rank r;
    r.bOnShow = (h.flags & RECOVERY_FLAG_ON_SHOW) != 0;
    r.nTime = h.nTime;
    return r;
}

Rank GroupRank(const RecoveryGroup &g, const std::vector<RecoveryCandidate> &c)
{
    Rank best;
    for (int i : {g.nMain, g.nRc})
        if (i >= 0 && best < RankOf(c[i].header))
            best = RankOf(c[i].header);
    return best;
}

void KeepGroup(const RecoveryGroup &g, RecoveryPlan &plan)
{
    for (int i : {g.nMain, g.nRc})
        if (i >= 0)
            plan.kept.push_back(i);
}

/* TakeBest: moves the highest-ranked group of list to the end of plan.groups; keeps the rest. */
void TakeBest(std::vector<RecoveryGroup> &list, const std::vector<RecoveryCandidate> &c, RecoveryPlan &plan)
{
    if (list.empty())
        return;
    size_t best = 0;
    for (size_t i = 1; i < list.size(); ++i)
        if (GroupRank(list[best], c) < GroupRank(list[i], c))
            best = i;
    for (size_t i = 0; i < list.size(); ++i)
        if (i != best)
            KeepGroup(list[i], plan);
    plan.groups.push_back(list[best]);
}

} // namespace

/* PlanRecoveryRestore: the groups to restore in order, and what stays on disk. */
RecoveryPlan PlanRecoveryRestore(const std::vector<RecoveryCandidate> &c, bool bMultiFile)
{
    RecoveryPlan plan;
    std::vector<RecoveryGroup> groups;
    for (int i = 0; i < (int)c.size(); ++i) {
        if (!c[i].bSelected)
            continue;
        const RecoveryHeader &h = c[i].header;
        auto at = std::find_if(groups.begin(), groups.end(),
                               [&](const RecoveryGroup &g) { return g.szPath == GroupKey(h); });
        if (at == groups.end()) {
            groups.push_back(RecoveryGroup());
            groups.back().szPath = GroupKey(h);
            at = groups.end() - 1;
        }
        int &slot = h.pane == RECOVERY_PANE_RC ? at->nRc : at->nMain;
        if (slot < 0) {
            slot = i;
            continue;
        }
        int older = i;
        if (c[slot].header.nTime < h.nTime)
            std::swap(older, slot);
        plan.kept.push_back(older);
    }

    std::vector<RecoveryGroup> named, unnamed;
    for (const RecoveryGroup &g : groups)
        (g.szPath.empty() ? unnamed : named).push_back(g);
    if (!bMultiFile) {
        named.insert(named.end(), unnamed.begin(), unnamed.end());
        TakeBest(named, c, plan);
        return plan;
    }
    std::stable_sort(named.begin(), named.end(), [&](const RecoveryGroup &a, const RecoveryGroup &b) {
        return GroupRank(a, c) < GroupRank(b, c);
    });
    plan.groups = named;
    TakeBest(unnamed, c, plan);
    return plan;
}
