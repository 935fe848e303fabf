#pragma once
// Where the fixed-task window puts its panels: the shared layout moved down
// below the task strip, the strip across the top, and the places of the
// pattern and correct-solution panels. Window-free, from the screen width.

#include "Layout.h"

#include <QPoint>
#include <QRect>

// Designed sizes of the fixed-task window's own panels.
constexpr int TaskStripHeight = 49;
constexpr int lstTskLeft = 120, lstTskTop = 8, lstTskHeight = 33;
constexpr int PatternPanelWidth = 273, PatternPanelHeight = 297;
constexpr int SolutionPanelWidth = 449, SolutionPanelHeight = 609;
constexpr int FixedTaskClientHeight = 685;
constexpr int FixedTaskFieldSize = 12;

struct FixedTaskLayout {
    FormLayout Form;        // command panel, algorithm list, field panel, statistics
    QRect pnlTskNew;        // the task strip
    int lstTskWidth = 0;    // the task list inside it, from lstTskLeft
    QPoint pnlPattern;      // top-left corners of the two floating panels, in the client area
    QPoint pnlDec;
};

// The layout for the screen width, with unit m = width div 100 ...
FixedTaskLayout ComputeFixedTaskLayout(int screenWidth);
// ... or with a smaller unit, where the screen is too low for the window (FitWindow).
FixedTaskLayout ComputeFixedTaskLayoutForMargin(int screenWidth, int16_t margin);
