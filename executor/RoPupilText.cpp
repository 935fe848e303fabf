#include "RoPupilUnit.h"

#include "AlgorithmText.h"
#include "ListRows.h"
#include "Statistics.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

QStringList TfrmRoPupil::AlgorithmLines() const
{
    // The list keeps its texts in step with its items: a copy of them is
    // shared, not read item by item, which would cost as much as the
    // statistics recounted after every change.
    return lstCom->Lines();
}

int TfrmRoPupil::CurrentLine() const
{
    return SelectedRow(lstCom);
}

void TfrmRoPupil::SetTopIndex(int top)
{
    // The list lays out lines just inserted only when the event loop next
    // runs; until then it scrolls no further than the text it had before, and
    // the edit point could stay below the last visible line.
    lstCom->doItemsLayout();
    // The list scrolls by whole lines, so the scroll value is the first visible line.
    lstCom->verticalScrollBar()->setValue(std::max(0, top));
}

int TfrmRoPupil::TopIndex() const
{
    return lstCom->verticalScrollBar()->value();
}

void TfrmRoPupil::NewAlgorithm()
{
    edition_->NewAlgorithm(*this);
}

void TfrmRoPupil::ResetStatist()
{
    ListStatist->clear();
    ListStatist->addItems(ResetStatistLines());
}

void TfrmRoPupil::UpdateStatist()
{
    const QStringList lines = UpdateStatistLines(AlgorithmLines());
    ListStatist->clear();
    ListStatist->addItems(lines);
}

void TfrmRoPupil::PutLines(const LineInsert& insert)
{
    if (insert.IsEmpty() || insert.At > lstCom->count())
        return;
    lstCom->insertItems(insert.At, insert.Lines);
    if (insert.Select >= 0)
        lstCom->setCurrentRow(insert.Select);
    if (insert.Scroll)
        SetTopIndex(insert.Top);
}

void TfrmRoPupil::ApplyInsert(const LineInsert& insert)
{
    if (insert.IsEmpty())
        return;
    PutLines(insert);
    UpdateStatist();
}

void TfrmRoPupil::InsertCommand(const QString& word)
{
    ApplyInsert(CommandInsert(AlgorithmLines(), CurrentLine(), word, model_.HalfVisibleLines));
}

void TfrmRoPupil::PPButtonStepClick() { InsertCommand(kStep); }
void TfrmRoPupil::PPButtonJumpClick() { InsertCommand(kJump); }
void TfrmRoPupil::PPButtonTurnClick() { InsertCommand(kTurn); }

void TfrmRoPupil::PPButtonIfClick()
{
    PanelIf->move(PPPanelSystCom->x() + PPPanelSystCom->width(), PPPanelSystCom->y() + PPButtonIf->y());
    PanelIf->show();
    PanelIf->raise();
    ButtonIf->setFocus();
}

void TfrmRoPupil::PPButtonWhileClick()
{
    PanelWhile->move(PPPanelSystCom->x() + PPPanelSystCom->width(), PPPanelSystCom->y() + PPButtonWhile->y());
    PanelWhile->show();
    PanelWhile->raise();
    ButtonWhile->setFocus();
}

void TfrmRoPupil::InsertBranch(const QString& header)
{
    PanelIf->hide();
    ApplyInsert(BranchInsert(AlgorithmLines(), CurrentLine(), header, model_.HalfVisibleLines));
    PPButtonIf->setFocus();
}

void TfrmRoPupil::InsertLoop(const QString& header)
{
    PanelWhile->hide();
    ApplyInsert(LoopInsert(AlgorithmLines(), CurrentLine(), header, model_.HalfVisibleLines));
    PPButtonWhile->setFocus();
}

void TfrmRoPupil::ButtonIfClick() { InsertBranch(kIfWall); }
void TfrmRoPupil::ButtonIfNotClick() { InsertBranch(kIfNotWall); }
void TfrmRoPupil::ButtonWhileClick() { InsertLoop(kWhileWall); }
void TfrmRoPupil::ButtonWhileNotClick() { InsertLoop(kWhileNotWall); }
