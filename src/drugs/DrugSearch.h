#pragma once

#include <QList>

namespace halvora::drugs {

// A record, by its row in DrugName1 order, whose names include the chosen name.
struct NameHit {
    int row = -1;
    bool inName1 = false;
    bool inName2 = false;
    bool inName3 = false;
};

// The record a chosen name leads to, from the record at `current`. The first
// record with the name as DrugName1 wins, unless a later record has it as
// DrugName2, or after that as DrugName3. A name that is only a second or
// third name is looked for forwards from the current record; when that finds
// nothing, the search starts again from the first record, so the reader never
// stays on a record that lacks the name while another one carries it.
// `hits` lists every record that carries the name, in row order; with none,
// the current record stays.
int findDrug(const QList<NameHit> &hits, int current);

} // namespace halvora::drugs
