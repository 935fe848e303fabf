// The shared behaviour of the executor window at the points where an
// edition may differ.

#include "RoPupilEdition.h"

#include "AlgorithmText.h"
#include "RoPupilUnit.h"

#include <QCoreApplication>
#include <QListWidget>

void RoPupilEdition::FormCreate(TfrmRoPupil& form)
{
    RoPupilModel& model = form.Model();
    const int16_t screenWidth = model.ScreenWidth;
    const WindowFit fit = form.FitToScreen([screenWidth](int16_t m) {
        return ComputeFormLayoutForMargin(screenWidth, m);
    });
    form.ApplyFormLayout(ComputeFormLayoutForMargin(screenWidth, fit.Margin));
    model.FieldBitmap = QImage();
    model.SpriteBack = QImage();
    form.CreateAxisLabelsX();
    form.CreateAxisLabelsY();
    form.SetFieldSize(12);
    form.ListStatist->setGeometry(form.Layout().ListStatist);
    model.SetSlowPreset();
    form.InitialReset();
    form.PlaceOnScreen();
}

void RoPupilEdition::DisableForStart(TfrmRoPupil& form)
{
    form.EnterStage(Stage::Initial);
}

void RoPupilEdition::InitialReset(TfrmRoPupil& form)
{
    form.lstCom->clear();
    form.lstCom->insertItem(0, QString());
    form.lstCom->setCurrentRow(0);
    form.Model().ClearInnerWalls();
    form.Model().ClearJumpWalls();
    form.DrawField();
    form.ShowField();
    form.DisableForStart();
}

void RoPupilEdition::StartTask(TfrmRoPupil& form)
{
    form.Model().ResetPoints();
    PutTaskOnField(form);
}

void RoPupilEdition::PutTaskOnField(TfrmRoPupil& form)
{
    form.DrawField();
    form.DrawScene();
    form.NewAlgorithm();
    form.ListBoxProc->clear();
    form.StartJumpWalls();
    QCoreApplication::processEvents();
}

void RoPupilEdition::NewAlgorithm(TfrmRoPupil& form)
{
    form.lstCom->clear();
    form.lstCom->addItems(NewAlgorithmLines(form.Model().AlgorithmNumber, form.Model().GoalIsPointB));
    form.lstCom->setCurrentRow(4);
    form.ResetStatist();
}

void RoPupilEdition::NMainBeginClick(TfrmRoPupil& form)
{
    form.InitialReset();
    form.EnterStage(Stage::Begun);
    form.StartTask();
}

void RoPupilEdition::NMainWorkClick(TfrmRoPupil& form)
{
    form.EnterStage(Stage::Development);
    form.DrawField();
    form.DrawScene();
    form.ShowField();
    form.StartJumpWalls();
}

void RoPupilEdition::NMainDebugClick(TfrmRoPupil& form)
{
    form.EnterStage(Stage::Debugging);
}

void RoPupilEdition::EnableSpeedButtons(TfrmRoPupil& form, bool on)
{
    form.SetSpeedButtonsEnabled(on);
}
