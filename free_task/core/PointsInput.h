#pragma once
// The points panel read into the model, and the check that a run has a start:
// point A on the field, facing one of the four directions.

#include "RoPupilModel.h"

#include <QString>
#include <QStringList>

// What the points panel holds, as the pupil left it; the initial values are the
// panel's own at start.
struct PointsEntries {
    bool AChecked = true;
    QString AX = QStringLiteral("0");
    QString AY = QStringLiteral("0");
    int DirEntry = -1;  // the chosen entry of the direction list; -1 none
    bool BChecked = false;
    QString BX = QStringLiteral("0");
    QString BY = QStringLiteral("0");
};

// The entries of the direction list, in their order: right, up, left, down.
QStringList DirectionEntries();
// The start direction of an entry: 0, 90, 180, 270; no entry (or any other) gives 0.
int16_t DirectionOfEntry(int entry);

// Reads every field of a ticked point before it changes anything. When a field
// does not hold a whole number the model is left as it was and the message of
// the first such field (in the order AX, AY, BX, BY) is returned; otherwise the
// points are set (-1 for a point not ticked) and the result is empty. Numbers
// beyond the 16-bit range are held at its ends, so they stay off the field.
QString ReadPoints(const PointsEntries& entries, RoPupilModel& model);

// Empty when a run can start from point A on a field of model.FieldSize cells;
// otherwise what the pupil is told instead.
QString StartPointProblem(const RoPupilModel& model);
