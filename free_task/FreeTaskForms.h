#pragma once
// The windows of one run of the free-task program.

class TfrmMainPupil;
class TfrmRoPupil;
class TfrmRegistrPupil;

struct FreeTaskForms {
    TfrmMainPupil* frmMainPupil = nullptr;       // the start screen, main window
    TfrmRoPupil* frmRoPupil = nullptr;           // the executor window, until the pupil closes it
    TfrmRegistrPupil* frmRegistrPupil = nullptr; // the latest registration dialog
};
