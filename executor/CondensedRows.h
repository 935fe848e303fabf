#pragma once
// A list of fixed-height rows whose lines end in something that must be read
// whole, as the counts of the statistics do: a line too long for the list is
// drawn narrower, just enough to fit, instead of being cut at the right edge.
// Lines that fit are drawn as in any other list.

class QListWidget;

void CondenseLongRows(QListWidget* list, int rowHeight);
