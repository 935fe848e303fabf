#include "RoPupilUnit.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

void TfrmRoPupil::BuildStageTable()
{
    // Columns: initial, begun, development, debugging. The running stage is
    // not a column: the run handlers switch the speed buttons and "Разработка".
    stages_.Append({QStringLiteral("NMainBegin"), {On, Off, Off, Off}, SetsEnabled(NMainBegin)});
    stages_.Append({QStringLiteral("NMainWork"), {Off, On, Off, On}, SetsEnabled(NMainWork)});
    stages_.Append({QStringLiteral("NMainDebug"), {Off, Off, On, Off}, SetsEnabled(NMainDebug)});
    stages_.Append({QStringLiteral("FixToolButtonDo"), {Off, Off, Off, On},
                    [this](bool on) { SetSpeedButtonsEnabled(on); }});
    stages_.Append({QStringLiteral("FixToolButtonStop"), {Off, Off, Off, On},
                    SetsEnabled(FixToolButtonStop)});
    stages_.Append({QStringLiteral("LabelPP1"), {Off, Off, On, Off}, [this](bool on) {
                        for (QLabel* l : {LabelPP1, LabelPP2, LabelPP3, LabelPP4, LabelPP5})
                            l->setEnabled(on);
                    }});
    stages_.Append({QStringLiteral("PPButtonStep"), {Off, Off, On, Off}, [this](bool on) {
                        for (QPushButton* b : {PPButtonStep, PPButtonJump, PPButtonTurn, PPButtonProc,
                                               PPButtonDoProc, PPButtonIf, PPButtonWhile})
                            b->setEnabled(on);
                    }});
    stages_.Append({QStringLiteral("lstCom"), {Off, Off, On, Off}, SetsEnabled(lstCom)});
    stages_.Append({QStringLiteral("ListStatist visible"), {Off, Off, On, Keep},
                    [this](bool on) { ListStatist->setVisible(on); }});
    stages_.Append({QStringLiteral("ListStatist"), {Keep, Keep, On, Off},
                    SetsEnabled(ListStatist)});
}

void TfrmRoPupil::EnterStage(Stage stage)
{
    stages_.Enter(stage);
    // A panel opened in one stage must not edit the list in another; the
    // stage's rows have already set the procedure buttons.
    PanelIf->hide();
    PanelWhile->hide();
    PanelProc->hide();
    ShowCommentPanel(false);
    // Where nothing the stage leaves enabled can take the focus, a control of
    // a panel just hidden keeps it; it must take no more keys, or Esc or
    // Enter there would edit in a stage that forbids it.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == this && !focus->isVisible())
        focus->clearFocus();
}

// The stage routines and handlers are the edition's; the form's own
// handlers only refuse a disabled item's shortcut.

void TfrmRoPupil::DisableForStart() { edition_->DisableForStart(*this); }
void TfrmRoPupil::InitialReset() { edition_->InitialReset(*this); }
void TfrmRoPupil::StartTask() { edition_->StartTask(*this); }

void TfrmRoPupil::NMainBeginClick()
{
    if (NMainBegin->isEnabled())
        edition_->NMainBeginClick(*this);
}

void TfrmRoPupil::NMainWorkClick()
{
    if (NMainWork->isEnabled())
        edition_->NMainWorkClick(*this);
}

void TfrmRoPupil::NMainDebugClick()
{
    if (NMainDebug->isEnabled())
        edition_->NMainDebugClick(*this);
}

void TfrmRoPupil::DisableWorkMenu() { NMainWork->setEnabled(false); }
void TfrmRoPupil::EnableWorkMenu() { NMainWork->setEnabled(true); }
