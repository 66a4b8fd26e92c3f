#include "DrugSearch.h"

#include <algorithm>

namespace halvora::drugs {

namespace {

// The three searches in their order: DrugName1 from the first record, then
// DrugName2 and DrugName3 each forwards from wherever the previous one ended.
int searchFrom(const QList<NameHit> &hits, int position)
{
    const auto first1 = std::find_if(hits.cbegin(), hits.cend(), [](const NameHit &h) { return h.inName1; });
    if (first1 != hits.cend())
        position = first1->row;
    const auto after = [&position, &hits](bool NameHit::*field) {
        const auto next = std::find_if(hits.cbegin(), hits.cend(),
                                       [&](const NameHit &h) { return h.row > position && h.*field; });
        if (next != hits.cend())
            position = next->row;
    };
    after(&NameHit::inName2);
    after(&NameHit::inName3);
    return position;
}

} // namespace

int findDrug(const QList<NameHit> &hits, int current)
{
    const auto carries = [&hits](int row) {
        return std::any_of(hits.cbegin(), hits.cend(), [row](const NameHit &h) { return h.row == row; });
    };
    const int found = searchFrom(hits, current);
    if (carries(found))
        return found;
    const int again = searchFrom(hits, -1);
    return carries(again) ? again : current;
}

} // namespace halvora::drugs
