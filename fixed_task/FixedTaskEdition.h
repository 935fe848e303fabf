#pragma once
// The fixed-task program's part of the executor window: the task strip
// across the top, the pattern and correct-solution panels, the key button,
// the menu items "Образец" and "Справка" with its three help texts, the task
// text and its reading on "Начать", and this program's layout and stage rows.
// FixedTaskBuild.cpp builds the components, FixedTaskStages.cpp holds the
// creation, the stage routines and the handlers.

#include "RoPupilEdition.h"

#include <QStringList>

class DockablePanel;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QToolButton;

class FixedTaskEdition : public RoPupilEdition {
public:
    FixedTaskEdition();

    int LeftFacingPictureDy() const override { return 2; }
    int ClientHeight() const override;
    // Where this program's window has the procedure panel.
    int ProcPanelTop() const override { return 136; }

    void BuildMainMenuItems(TfrmRoPupil& form) override;
    void BuildComponents(TfrmRoPupil& form) override;
    void AddStageRows(TfrmRoPupil& form, StageTable& stages) override;
    void FormCreate(TfrmRoPupil& form) override;

    void InitialReset(TfrmRoPupil& form) override;
    void StartTask(TfrmRoPupil& form) override;
    void NMainBeginClick(TfrmRoPupil& form) override;
    void EnableSpeedButtons(TfrmRoPupil& form, bool on) override;
    void FormClick(TfrmRoPupil& form) override;

    // Reads MemoTask into the model and the task strip. False when a field
    // of the text was no whole number: the error box has been shown and the
    // set-up must stop there.
    bool LoadTask(TfrmRoPupil& form);

    void NMainPatternClick();
    void FixToolButtonKeyClick();
    void NMainHelpCorClick();
    void NMainHelpTimpaClick();
    void NMainHelpUmkClick();

    // The task text the window carries; never shown. Tests put texts of their own here.
    QStringList MemoTask;

    // Components, owned by the window.
    QAction* NMainPattern = nullptr;
    QAction* NMainHelp = nullptr;
    QMenu* NMainHelpMenu = nullptr;
    QAction* NMainHelpCor = nullptr;
    QAction* NMainHelpTimpa = nullptr;
    QAction* NMainHelpUmk = nullptr;
    QToolButton* FixToolButtonKey = nullptr;

    QFrame* pnlTskNew = nullptr;
    QLabel* LabelTsk = nullptr;
    QLabel* LabelTskName = nullptr;
    QListWidget* lstTsk = nullptr;

    DockablePanel* pnlPattern = nullptr;
    QLabel* lblPattern = nullptr;
    QLabel* imagePattern = nullptr;

    DockablePanel* pnlDec = nullptr;
    QLabel* lblDec = nullptr;
    QListWidget* lstDec = nullptr;
    QListWidget* ListStatistDec = nullptr;

private:
    // The task set-up of "Начать"; false when the task text failed to convert.
    bool SetUpTask(TfrmRoPupil& form);
    void BuildTaskStrip(TfrmRoPupil& form);
    void BuildPatternPanel(TfrmRoPupil& form);
    void BuildSolutionPanel(TfrmRoPupil& form);
};
