#pragma once
// Reads a task text into the field model and the task strip. A task text is:
// a header line (pattern flag in column 7, goal flag in column 9), task lines
// up to a line beginning "Z", a data line (point A, start direction, point B
// when the goal is point B) in fixed columns, then sections "H", "V" (one
// line of six-character wall items each) and "P" (one line with one jumping
// wall) up to a line beginning "E". Empty lines are skipped everywhere.

#include "RoPupilModel.h"

#include <QString>
#include <QStringList>

enum class TaskReadOutcome {
    Complete,     // the "E" head was reached
    EndOfText,    // a line was needed and none was left; what was read stays
    ConvertError, // a numeric field was no whole number; the set-up stops here
};

struct TaskReadResult {
    TaskReadOutcome Outcome = TaskReadOutcome::Complete;
    // On a conversion error: the field's characters, blanks included.
    QString BadField;
};

// The message of a text that ends too early.
QString TaskTextEndMessage();

// Reads `text` into `model` and `taskStrip` (the items of the task list). The
// strip is emptied once the header has been read; the wall lists are emptied
// once the data line has been read. Values are stored as read: no range check.
// At most three jumping walls are ever stored; a further "P" section's line is
// passed over unread.
TaskReadResult LoadTask(const QStringList& text, RoPupilModel& model, QStringList& taskStrip);
