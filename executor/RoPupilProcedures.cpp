// The procedure panel: describing a procedure and calling one by name.

#include "RoPupilUnit.h"

#include "ComponentBuilders.h"
#include "DesignedFont.h"
#include "Hints.h"
#include "ListRows.h"
#include "MessageBoxes.h"
#include "ProcedureNames.h"
#include "TextFilter.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void TfrmRoPupil::BuildProcPanel(QWidget* client)
{
    PanelProc = MakePanel(client, "PanelProc", QFrame::Raised);
    PanelProc->setLineWidth(2);
    PanelProc->setGeometry(8, edition_->ProcPanelTop(), 265, 169);
    SetHint(PanelProc, QStringLiteral("<Esc> - закрыть данную панель без выбора имени процедуры | <Esc> - закрыть данную панель без выбора имени процедуры"));
    PanelProc->hide();

    LabelSelect = MakeLabel(PanelProc, "LabelSelect", QStringLiteral("Выбрать из списка"), 8, 16);
    ListBoxProc = MakeList(PanelProc, "ListBoxProc", 13);
    ListBoxProc->setFont(DesignedFont(QStringLiteral("MS Sans Serif"), 11));
    ListBoxProc->setGeometry(128, 16, 121, 89);
    SetHint(ListBoxProc, QStringLiteral("Если имени процедуры нет в списке, введите его  в нижнем поле ввода | Имя процедуры вводится только один раз, а затем всегда выбирается из списка"));
    LabelNewProc1 = MakeLabel(PanelProc, "LabelNewProc1", QStringLiteral("Ввести имя "), 8, 120);
    LabelNewProc2 = MakeLabel(PanelProc, "LabelNewProc2", QStringLiteral("новой процедуры"), 8, 136);
    EditNewProc = MakeEdit(PanelProc, "EditNewProc", QRect(128, 120, 121, 21));
    AcceptAlgorithmLineTextOnly(EditNewProc);
    SetHint(EditNewProc, QStringLiteral("Если имени процедуры нет в верхнем списке, введите его и нажмите <Enter>  | Имя процедуры вводится только один раз, а затем всегда выбирается из списка"));
    QWidget::setTabOrder(ListBoxProc, EditNewProc);
    NameAfter(ListBoxProc, {LabelSelect});
    NameAfter(EditNewProc, {LabelNewProc1, LabelNewProc2});

    connect(ListBoxProc, &QListWidget::clicked, this, [this] { ListBoxProcClick(); });
    connect(PPButtonProc, &QPushButton::clicked, this, &TfrmRoPupil::PPButtonProcClick);
    connect(PPButtonDoProc, &QPushButton::clicked, this, &TfrmRoPupil::PPButtonDoProcClick);
}

// The Enter and Esc keys of the panel's list and edit, the list's Up and Down,
// and its clicks, which change the chosen name as the algorithm list's change
// its line.
bool TfrmRoPupil::ProcPanelEvent(QObject* watched, QEvent* e)
{
    if (watched == ListBoxProc->viewport())
        return ListMouseRule(ListBoxProc, e);
    if (e->type() != QEvent::KeyPress || (watched != ListBoxProc && watched != EditNewProc))
        return false;
    auto* key = static_cast<QKeyEvent*>(e);
    const int k = key->key();
    QChar typed;
    if (k == Qt::Key_Return || k == Qt::Key_Enter)
        typed = QChar(13);
    else if (k == Qt::Key_Escape)
        typed = QChar(27);
    if (watched == EditNewProc) {
        if (typed.isNull())
            return false;
        EditNewProcKeyPress(typed);
        return true;
    }
    if (ListBoxProcKeyDown(k, key->modifiers()))
        return true;
    if (typed.isNull())
        return false;
    ListBoxProcKeyPress(typed);
    return true;
}

void TfrmRoPupil::OpenProcPanel(QPushButton* other)
{
    other->setEnabled(false);
    PanelProc->show();
    PanelProc->raise();
    model_.SkipProcListClick = 0;
    EditNewProc->clear();
    if (ListBoxProc->count() > 0)
        ListBoxProc->setFocus();
    else
        EditNewProc->setFocus();
}

void TfrmRoPupil::PPButtonProcClick() { OpenProcPanel(PPButtonDoProc); }
void TfrmRoPupil::PPButtonDoProcClick() { OpenProcPanel(PPButtonProc); }

void TfrmRoPupil::CloseProcPanel()
{
    PanelProc->hide();
    PPButtonDoProc->setEnabled(true);
    PPButtonProc->setEnabled(true);
}

void TfrmRoPupil::ApplyProcChoice(const ProcChoice& choice)
{
    for (const LineInsert& insert : choice.Inserts)
        PutLines(insert);
}

void TfrmRoPupil::ListBoxProcClick()
{
    NMainDebug->setEnabled(true);
    if (model_.SkipProcListClick == 1) {
        model_.SkipProcListClick = 0;
        return;
    }
    const int row = SelectedRow(ListBoxProc);
    if (row >= 0) {
        const QString name = ListBoxProc->item(row)->text();
        if (PPButtonProc->isEnabled()) {
            const ProcChoice choice = DescribeChoice(AlgorithmLines(), name, model_.HalfVisibleLines);
            if (choice.IsRefusal()) {
                MessageDlgInformation(choice.Refusal);
                return;
            }
            ApplyProcChoice(choice);
            PPButtonDoProc->setEnabled(true);
            PanelProc->hide();
            PPButtonProc->setFocus();
        } else if (PPButtonDoProc->isEnabled()) {
            ApplyProcChoice(CallChoice(AlgorithmLines(), CurrentLine(), name, model_.HalfVisibleLines));
            PPButtonProc->setEnabled(true);
            PanelProc->hide();
            PPButtonDoProc->setFocus();
        }
    }
    UpdateStatist();
}

void TfrmRoPupil::EditNewProcKeyPress(QChar key)
{
    if (key.unicode() == 27) {
        CloseProcPanel();
        PPButtonDoProc->setFocus();
        return;
    }
    if (key.unicode() != 13)
        return;
    const QString typed = EditNewProc->text();
    const QString refusal = TypedNameRefusal(typed, ListItems(ListBoxProc));
    if (!refusal.isEmpty()) {
        MessageDlgInformation(refusal);
        return;
    }
    ListBoxProc->addItem(typed);
    ListBoxProc->setCurrentRow(ListBoxProc->count() - 1);
    ListBoxProcClick();
}

void TfrmRoPupil::ListBoxProcKeyPress(QChar key)
{
    if (key.unicode() == 27) {
        CloseProcPanel();
        PPButtonDoProc->setFocus();
    } else if (key.unicode() == 13) {
        model_.SkipProcListClick = 0;
        ListBoxProcClick();
        CloseProcPanel();
        PPButtonDoProc->setFocus();
    }
}

bool TfrmRoPupil::ListBoxProcKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Down && key != Qt::Key_Up)
        return false;
    // The list moves by exactly one name and reports the move to nobody: a
    // selection set from code raises no click, so nothing here may wait for
    // one (SkipProcListClick stays as it is) and the next click chooses.
    const int next = NameListMove(ListBoxProc->count(), SelectedRow(ListBoxProc), key == Qt::Key_Down);
    if (next >= 0)
        ListBoxProc->setCurrentRow(next);
    return true;
}

void TfrmRoPupil::RebuildProcList()
{
    ListBoxProc->clear();
    ListBoxProc->addItems(ProcNamesFromText(AlgorithmLines()));
}
