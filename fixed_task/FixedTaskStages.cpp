// The fixed-task window's creation, its stage routines, the task set-up of
// "Начать" and the handlers of its own controls.

#include "FixedTaskEdition.h"

#include "DockablePanel.h"
#include "FixedTaskLayout.h"
#include "FixedTaskTexts.h"
#include "ListRows.h"
#include "MessageBoxes.h"
#include "RoPupilUnit.h"
#include "StrToInt.h"
#include "TaskReader.h"

#include <QLabel>
#include <QListWidget>
#include <QToolButton>

void FixedTaskEdition::FormCreate(TfrmRoPupil& form)
{
    RoPupilModel& model = form.Model();
    // Where the screen is too low for the designed height the window grows,
    // up to the work area, and below that the layout unit shrinks.
    const int16_t screenWidth = model.ScreenWidth;
    const WindowFit fit = form.FitToScreen([screenWidth](int16_t m) {
        return ComputeFixedTaskLayoutForMargin(screenWidth, m).Form;
    });
    const FixedTaskLayout l = ComputeFixedTaskLayoutForMargin(screenWidth, fit.Margin);
    const int m = l.Form.Margin;
    form.ApplyFormLayout(l.Form);
    pnlTskNew->setGeometry(l.pnlTskNew);
    // The field is 12 x 12 for the life of the window; nothing re-sizes it.
    form.SetFieldSize(FixedTaskFieldSize);
    lstTsk->setGeometry(lstTskLeft, lstTskTop, l.lstTskWidth, lstTskHeight);
    // The axis numbers are made once the geometry is set, exactly one per
    // cell, in their final places.
    form.CreateAxisLabelsX(FixedTaskFieldSize);
    form.CreateAxisLabelsY(FixedTaskFieldSize);
    form.PanelX->resize(form.pnlMain->width() + 2 * m, form.PanelX->height());
    form.ListStatist->setGeometry(l.Form.ListStatist);
    pnlPattern->move(l.pnlPattern);
    pnlDec->move(l.pnlDec);
    model.SetSlowPreset();
    form.InitialReset();
    form.ShowField();
    form.PlaceOnScreen();
}

void FixedTaskEdition::InitialReset(TfrmRoPupil& form)
{
    pnlPattern->SetShown(false);
    lstTsk->clear();
    RoPupilEdition::InitialReset(form);
}

bool FixedTaskEdition::LoadTask(TfrmRoPupil& form)
{
    QStringList strip = ListItems(lstTsk);
    const TaskReadResult read = ::LoadTask(MemoTask, form.Model(), strip);
    lstTsk->clear();
    lstTsk->addItems(strip);
    switch (read.Outcome) {
    case TaskReadOutcome::Complete:
        return true;
    case TaskReadOutcome::EndOfText:
        // What was read stays, and the set-up goes on with it.
        ShowMessage(TaskTextEndMessage());
        return true;
    case TaskReadOutcome::ConvertError:
        ShowUnhandledError(NotAnIntegerMessage(read.BadField));
        return false;
    }
    return false;
}

bool FixedTaskEdition::SetUpTask(TfrmRoPupil& form)
{
    if (!LoadTask(form))
        return false;
    if (form.Model().ShowPattern) {
        pnlPattern->SetShown(true);
        NMainPattern->setVisible(true);
    } else {
        NMainPattern->setVisible(false);
        pnlPattern->SetShown(false);
    }
    PutTaskOnField(form);
    return true;
}

void FixedTaskEdition::StartTask(TfrmRoPupil& form)
{
    SetUpTask(form);
}

void FixedTaskEdition::NMainBeginClick(TfrmRoPupil& form)
{
    form.InitialReset();
    form.EnterStage(Stage::Begun);
    // A task text that fails to convert stops "Начать" here: the task labels
    // stay greyed, and "Разработка" is open all the same.
    if (!SetUpTask(form))
        return;
    LabelTsk->setEnabled(true);
    LabelTskName->setEnabled(true);
}

void FixedTaskEdition::EnableSpeedButtons(TfrmRoPupil& form, bool on)
{
    RoPupilEdition::EnableSpeedButtons(form, on);
    FixToolButtonKey->setEnabled(on);
}

void FixedTaskEdition::FormClick(TfrmRoPupil&)
{
    if (pnlPattern->IsShown())
        pnlPattern->SetShown(false);
    if (pnlDec->IsShown())
        pnlDec->SetShown(false);
}

void FixedTaskEdition::NMainPatternClick()
{
    if (NMainPattern->isEnabled())
        pnlPattern->SetShown(!pnlPattern->IsShown());
}

void FixedTaskEdition::FixToolButtonKeyClick()
{
    if (FixToolButtonKey->isEnabled())
        pnlDec->SetShown(!pnlDec->IsShown());
}

void FixedTaskEdition::NMainHelpCorClick() { MessageDlgInformation(HelpCorText()); }
void FixedTaskEdition::NMainHelpTimpaClick() { MessageDlgInformation(HelpTimpaText()); }
void FixedTaskEdition::NMainHelpUmkClick() { MessageDlgInformation(HelpUmkText()); }
