#pragma once
// The fixed texts of the fixed-task program: its built-in task «Квадрат», the
// correct solution with its statistics, and the three help texts. Help texts
// break their lines with single CR characters and end without one.

#include <QString>
#include <QStringList>

// The task text held in the window (MemoTask's lines).
QStringList BuiltInTaskText();

// The correct solution panel: the algorithm (lstDec) and its statistics (ListStatistDec).
QStringList CorrectSolutionLines();
QStringList CorrectSolutionStatistics();

// "Справка": "О ЦОРе", "ГрИс \"Тимпушка\"", "УМК \"Тимпушка\"".
QString HelpCorText();
QString HelpTimpaText();
QString HelpUmkText();
