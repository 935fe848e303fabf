#include "RoPupilUnit.h"

#include "FormRunHost.h"
#include "Interpreter.h"

#include <QTimer>
#include <QToolButton>

void TfrmRoPupil::StartJumpWalls()
{
    const int n = ::StartJumpWalls(model_, *host_);
    if (n >= 1) Timer1->start();
    if (n >= 2) Timer2->start();
    if (n >= 3) Timer3->start();
}

// A tick for a wall no longer in the lists does nothing.
void TfrmRoPupil::JumpWallTimerTick(int wall) { ::JumpWallTimerTick(model_, *host_, wall); }

void TfrmRoPupil::Timer1Timer() { JumpWallTimerTick(0); }
void TfrmRoPupil::Timer2Timer() { JumpWallTimerTick(1); }
void TfrmRoPupil::Timer3Timer() { JumpWallTimerTick(2); }

void TfrmRoPupil::RunAlgorithm()
{
    if (!edition_->RunMayStart(*this))
        return;
    running_ = true;
    host_->BeginRun();
    interpreter_->RunAlgorithm();
    host_->EndRun();
    running_ = false;
}

void TfrmRoPupil::RunWithPreset(void (RoPupilModel::*preset)())
{
    if (running_ || closed_)
        return;
    edition_->EnableSpeedButtons(*this, false);
    (model_.*preset)();
    RunAlgorithm();
    edition_->EnableSpeedButtons(*this, true);
}

void TfrmRoPupil::SetSpeedButtonsEnabled(bool on)
{
    FixToolButtonDo->setEnabled(on);
    FixToolButtonQuick->setEnabled(on);
    FixToolButtonResult->setEnabled(on);
}

void TfrmRoPupil::FixToolButtonDoClick() { RunWithPreset(&RoPupilModel::SetSlowPreset); }
void TfrmRoPupil::FixToolButtonQuickClick() { RunWithPreset(&RoPupilModel::SetMediumPreset); }
void TfrmRoPupil::FixToolButtonResultClick() { RunWithPreset(&RoPupilModel::SetFastPreset); }
void TfrmRoPupil::FixToolButtonStopClick() { model_.StopFlag = 1; }
