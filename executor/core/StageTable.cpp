#include "StageTable.h"

#include <algorithm>

void StageTable::Append(StageRow row)
{
    rows_.push_back(std::move(row));
}

void StageTable::InsertAfter(const QString& control, StageRow row)
{
    auto it = std::find_if(rows_.begin(), rows_.end(), [&](const StageRow& r) { return r.Control == control; });
    rows_.insert(it == rows_.end() ? it : it + 1, std::move(row));
}

void StageTable::Enter(Stage stage) const
{
    for (const StageRow& r : rows_) {
        const StageValue v = r.ValueIn(stage);
        if (v != Keep && r.Apply)
            r.Apply(v == On);
    }
}

const StageRow* StageTable::Find(const QString& control) const
{
    for (const StageRow& r : rows_)
        if (r.Control == control)
            return &r;
    return nullptr;
}
