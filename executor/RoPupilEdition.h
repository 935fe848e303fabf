#pragma once
// What an edition changes in the shared executor window. The window calls
// these hooks wherever the programs may differ; each default is the
// behaviour of the shared window, so an edition overrides only what it does
// otherwise and calls the default where it does the same and a little more.
// The components only one program has are members of its edition.

#include "Layout.h"

class QMenu;
class StageTable;
class TfrmRoPupil;

class RoPupilEdition {
public:
    virtual ~RoPupilEdition() = default;

    // Rows below the top of its sprite box, past (SpriteSize - 16) div 2,
    // at which the left-facing executor picture is drawn.
    virtual int LeftFacingPictureDy() const { return 1; }

    // Height of the client area below the menu as designed; the width always
    // follows the screen's work area.
    virtual int ClientHeight() const { return FormClientHeight; }

    // Top of the procedure panel in the client area, as designed.
    virtual int ProcPanelTop() const { return 128; }

    // ---- Creation, in this order, while the window is constructed.
    // The fourth and fifth items of the main menu, after the three stage
    // items (TfrmRoPupil::AddMainMenuItem makes an owner-drawn one).
    virtual void BuildMainMenuItems(TfrmRoPupil&) {}
    // The edition's own components, once the shared ones exist; it may also
    // change the shared ones' designed properties (caption, hints).
    virtual void BuildComponents(TfrmRoPupil&) {}
    // Rows for the edition's own controls in the stage table.
    virtual void AddStageRows(TfrmRoPupil&, StageTable&) {}
    // The creation handler: layout from the screen width, field, axis
    // numbers, speed preset, initial reset, placement on the screen.
    virtual void FormCreate(TfrmRoPupil& form);

    // The items the algorithm list's context menu ends with.
    virtual void AddContextMenuItems(TfrmRoPupil&, QMenu&) {}

    // ---- Stages.
    virtual void DisableForStart(TfrmRoPupil& form);
    virtual void InitialReset(TfrmRoPupil& form);
    // The task set-up of "Начать".
    virtual void StartTask(TfrmRoPupil& form);
    // The skeleton of a new algorithm, statistics reset.
    virtual void NewAlgorithm(TfrmRoPupil& form);
    virtual void NMainBeginClick(TfrmRoPupil& form);
    virtual void NMainWorkClick(TfrmRoPupil& form);
    virtual void NMainDebugClick(TfrmRoPupil& form);

    // ---- Runs: the speed buttons switch these off for a run and on after it.
    virtual void EnableSpeedButtons(TfrmRoPupil& form, bool on);
    // Asked before a run draws anything: false refuses the run (the edition
    // has told the pupil why), and the window stays as it was.
    virtual bool RunMayStart(TfrmRoPupil&) { return true; }

    // A click on the window's free background.
    virtual void FormClick(TfrmRoPupil&) {}

protected:
    // The task set-up once the task is in the model: the field and the scene
    // drawn, the skeleton written, the procedure names emptied, the jumping
    // walls started, the window repainted.
    static void PutTaskOnField(TfrmRoPupil& form);
};
