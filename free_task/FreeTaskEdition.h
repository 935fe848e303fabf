#pragma once
// The free-task program's part of the executor window: the fourth and fifth
// main-menu items, "Точки" (the points panel) and "Размер поля" (the field
// size), with their places in the stage table.

#include "RoPupilEdition.h"

class QAction;

class FreeTaskEdition : public RoPupilEdition {
public:
    int LeftFacingPictureDy() const override { return 1; }
    void BuildMainMenuItems(TfrmRoPupil& form) override;
    void AddStageRows(TfrmRoPupil& form, StageTable& stages) override;

    QAction* NMainPoints = nullptr;   // owned by the window
    QAction* NMainHelp = nullptr;     // "Размер поля"; owned by the window
};
