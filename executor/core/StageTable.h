#pragma once
// The stages of the pupil's work as data: one row per control (or group of
// controls switched together), saying what entering each stage does to it.
// The stage handlers only name the stage; the rows are applied in their
// order. An edition adds rows for the controls it owns and replaces none.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

enum class Stage { Initial, Begun, Development, Debugging };
constexpr int kStageCount = 4;

// What entering a stage does to a row's control.
enum StageValue : int8_t { Keep = -1, Off = 0, On = 1 };

struct StageRow {
    QString Control;                                // the control's name, or the first of its group
    std::array<StageValue, kStageCount> Values;     // by Stage: initial, begun, development, debugging
    std::function<void(bool)> Apply;                // switches the control on or off

    StageValue ValueIn(Stage s) const { return Values[size_t(s)]; }
};

// The Apply of a row that only enables or disables its control (a widget
// or a menu item).
template <class Control>
std::function<void(bool)> SetsEnabled(Control* control)
{
    return [control](bool on) { control->setEnabled(on); };
}

class StageTable {
public:
    void Append(StageRow row);
    // Puts the row right after the row of the named control, or last when
    // there is none, so that an edition's item stands where it is shown.
    void InsertAfter(const QString& control, StageRow row);
    // Applies every row that changes its control in the stage, in row order.
    void Enter(Stage stage) const;

    const std::vector<StageRow>& Rows() const { return rows_; }
    const StageRow* Find(const QString& control) const;

private:
    std::vector<StageRow> rows_;
};
