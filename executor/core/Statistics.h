#pragma once
// The nine lines of the statistics list: how many commands, procedure
// descriptions, calls, branches and loops the algorithm holds, and how many
// lines count (neither empty nor comments). Nothing is kept between edits:
// every recount reads the whole text again.

#include <QStringList>
#include <cstdint>

struct StatistCounts {
    int32_t Commands = 0;
    int32_t Procedures = 0;
    int32_t Calls = 0;
    int32_t Branches = 0;
    int32_t Loops = 0;
    int32_t Lines = 0;
};

// The counts over all lines of the algorithm. Each line is tested on its trimmed
// form; one line may raise "Lines" and one other counter.
StatistCounts CountStatist(const QStringList& algorithm);

// The lines shown for a new five-line algorithm; their counts are part of the
// constant texts, which differ in blanks and dots from the recount texts.
QStringList ResetStatistLines();
// The lines of a full recount of `algorithm`.
QStringList UpdateStatistLines(const QStringList& algorithm);
// The recount lines for given counts.
QStringList StatistLines(const StatistCounts& counts);
