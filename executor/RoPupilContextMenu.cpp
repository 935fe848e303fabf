// The algorithm list's context menu, its deletions and the comment panel,
// the Del key and the rule that moves the selection off lines no insert may
// go above.

#include "RoPupilUnit.h"

#include "AlgorithmEdits.h"
#include "ProcedureNames.h"
#include "ComponentBuilders.h"
#include "Hints.h"
#include "ListRows.h"
#include "MessageBoxes.h"
#include "TextFilter.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

void TfrmRoPupil::BuildComMenu()
{
    ComMenu = new QMenu(this);
    ComMenu->setObjectName(QStringLiteral("ComMenu"));
    auto item = [this](const char* name, const QString& caption, void (TfrmRoPupil::*click)()) {
        QAction* a = ComMenu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, click);
        return a;
    };
    N1 = item("N1", QStringLiteral("Удалить строку"), &TfrmRoPupil::N1Click);
    N3 = item("N3", QStringLiteral("Удалить конструкцию"), &TfrmRoPupil::N3Click);
    N2 = item("N2", QStringLiteral("Удалить ветвь ИНАЧЕ"), &TfrmRoPupil::N2Click);
    N6 = item("N6", QStringLiteral("Удалить процедуру"), &TfrmRoPupil::N6Click);
    N4 = item("N4", QStringLiteral("Удалить тело алгоритма "), &TfrmRoPupil::N4Click);
    N8 = ComMenu->addSeparator();
    N8->setObjectName(QStringLiteral("N8"));
    N5 = item("N5", QStringLiteral("Вставить пустую строку"), &TfrmRoPupil::N5Click);
    N7 = item("N7", QStringLiteral("Вставить комментарии"), &TfrmRoPupil::N7Click);
    edition_->AddContextMenuItems(*this, *ComMenu);
    connect(ComMenu, &QMenu::aboutToShow, this, &TfrmRoPupil::ComMenuPopup);

    SetHint(lstCom, QStringLiteral("Алгоритм редактируется добавлением и удалением команд и управляющих структур целиком | Щелкните правой кнопкой на нужной строке алгоритма для вызова контекстного меню его редактирования"));
}

void TfrmRoPupil::BuildCommentPanel(QWidget* client)
{
    PanelComment = MakePanel(client, "PanelComment", QFrame::Raised);
    PanelComment->setLineWidth(2);
    PanelComment->setGeometry(128, 224, 281, 65);
    SetHint(PanelComment, QStringLiteral("Введите любой текст."));
    Label1 = MakeLabel(PanelComment, "Label1", QStringLiteral("Введите текст комментария:"), 40, 8);
    EditComment = MakeEdit(PanelComment, "EditComment", QRect(24, 24, 233, 21));
    AcceptAlgorithmLineTextOnly(EditComment);
    SetHint(EditComment, QStringLiteral("Введите любой текст в эту строчку."));
    NameAfter(EditComment, {Label1});
    ShowCommentPanel(false);
}

void TfrmRoPupil::ShowCommentPanel(bool on)
{
    PanelComment->setVisible(on);
    Label1->setVisible(on);
    EditComment->setVisible(on);
    if (on)
        PanelComment->raise();
}

// Ctrl does not take the selection off a row: there is always one to act
// on. Only a left press on a row selects it: a right press leaves the row
// that the pupil chose (and the menu is to act on), and a press below the
// last row leaves the selection as it is.
bool TfrmRoPupil::ListMouseRule(const QListWidget* list, QEvent* e)
{
    const QEvent::Type type = e->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseMove)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(e);
    mouse->setModifiers(Qt::NoModifier);
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        return mouse->button() != Qt::LeftButton || !list->itemAt(mouse->position().toPoint());
    return false;
}

// The algorithm list's clicks, Up and Down, Del and context menu, and the
// comment edit's Enter and leaving.
bool TfrmRoPupil::ComMenuEvent(QObject* watched, QEvent* e)
{
    // The form sees the events of every control, a disabled list's too: that
    // list takes no clicks and opens no menu.
    if ((watched == lstCom || watched == lstCom->viewport()) && !lstCom->isEnabled())
        return false;
    if (watched == lstCom->viewport()) {
        // A second press of a double click would otherwise select as a
        // first one: the release below chooses once for each press.
        if (ListMouseRule(lstCom, e) || e->type() == QEvent::MouseButtonDblClick)
            return true;
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton
            && !releasingInList_) {
            // The selection is final once the list has taken the release: a
            // drag may have moved it, and a press on the selected line selects
            // that line only now. The rule then acts on what the pupil chose.
            releasingInList_ = true;
            QCoreApplication::sendEvent(lstCom->viewport(), e);
            releasingInList_ = false;
            e->accept();
            lstComClick();
            return true;
        }
        if (e->type() == QEvent::ContextMenu) {
            ComMenu->popup(static_cast<QContextMenuEvent*>(e)->globalPos());
            return true;
        }
        return false;
    }
    // The menu key and Shift+F10 open the menu at the current line, as on the
    // system the list was designed for; on X11 Qt turns neither of them into a
    // context-menu event, so the keys are taken here too.
    auto popUpAtCurrentLine = [this] {
        const QRect line = lstCom->currentItem() ? lstCom->visualItemRect(lstCom->currentItem()) : QRect();
        ComMenu->popup(lstCom->viewport()->mapToGlobal(line.isValid() ? line.center() : QPoint(0, 0)));
    };
    if (watched == lstCom && e->type() == QEvent::ContextMenu) {
        popUpAtCurrentLine();
        return true;
    }
    if (watched == lstCom && e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Menu
            || (key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier)) {
            popUpAtCurrentLine();
            return true;
        }
        const int row = lstCom->currentRow();
        const int next = ListKeyMove(key->key(), row);
        if (next != kNoListMove) {
            // The list moves as it would, and the pupil's move goes through
            // the selection rule.
            if (next >= 0 && next != row) {
                lstCom->setCurrentRow(next);
                lstCom->scrollToItem(lstCom->item(next));
                lstComClick();
            }
            return true;
        }
        lstComKeyDown(key->key(), key->modifiers());
        // A typed character would select the next line that begins with it,
        // past the rule; the algorithm is never typed into.
        const QString text = key->text();
        return !text.isEmpty() && text.at(0).isPrint();
    }
    if (watched == EditComment) {
        if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent*>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                EditCommentKeyPress(QChar(13));
                return true;
            }
        } else if (e->type() == QEvent::FocusOut) {
            // A popup (the edit's own menu for pasting) or another window
            // taking the focus does not leave the edit.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                EditCommentExit();
        }
    }
    return false;
}

// The row the keys that move in a list box select: one line up or down, the
// first or the last line, a page less one line up or down; -1 when the list is
// empty, kNoListMove for any other key.
int TfrmRoPupil::ListKeyMove(int key, int row) const
{
    const int last = lstCom->count() - 1;
    const int page = std::max(1, lstCom->viewport()->height() / lstComItemHeight - 1);
    int next = kNoListMove;
    switch (key) {
    case Qt::Key_Up: next = row - 1; break;
    case Qt::Key_Down: next = row + 1; break;
    case Qt::Key_Home: next = 0; break;
    case Qt::Key_End: next = last; break;
    case Qt::Key_PageUp: next = row - page; break;
    case Qt::Key_PageDown: next = row + page; break;
    default: return kNoListMove;
    }
    return last < 0 ? -1 : std::clamp(next, 0, last);
}

void TfrmRoPupil::lstComClick()
{
    const int target = SelectionRuleTarget(AlgorithmLines(), CurrentLine());
    if (target >= 0)
        lstCom->setCurrentRow(target);
}

void TfrmRoPupil::ComMenuPopup()
{
    for (QAction* a : ComMenu->actions())
        a->setEnabled(true);
    const DeleteItemStates s = DeleteItemsFor(AlgorithmLines(), CurrentLine());
    N1->setEnabled(s.Line);
    N3->setEnabled(s.Construct);
    N2->setEnabled(s.ElsePart);
    N6->setEnabled(s.Procedure);
}

void TfrmRoPupil::ApplyDeletion(const LineDeletion& d)
{
    switch (d.MessageBox) {
    case LineDeletion::Box::Information: MessageDlgInformation(d.Message); return;
    case LineDeletion::Box::Error: MessageDlgError(d.Message); return;
    case LineDeletion::Box::None: break;
    }
    if (d.RemovesName) {
        const int k = FirstNameIndex(ListItems(ListBoxProc), d.Name);
        if (k >= 0)
            delete ListBoxProc->takeItem(k);
    }
    if (d.RemovesLines() && d.At + d.Count <= lstCom->count()) {
        // In one piece: the list and a screen reader hear of one change, not
        // of one for every line of a long body.
        lstCom->model()->removeRows(d.At, d.Count);
        if (d.AppendEmpty)
            lstCom->addItem(QString());
        lstCom->setCurrentRow(d.Select);
    }
    if (d.Recount)
        UpdateStatist();
}

void TfrmRoPupil::N1Click() { ApplyDeletion(DeleteLine(AlgorithmLines(), CurrentLine())); }
void TfrmRoPupil::N3Click() { ApplyDeletion(DeleteConstruct(AlgorithmLines(), CurrentLine())); }
void TfrmRoPupil::N2Click() { ApplyDeletion(DeleteElsePart(AlgorithmLines(), CurrentLine())); }
void TfrmRoPupil::N6Click() { ApplyDeletion(DeleteProcedure(AlgorithmLines(), CurrentLine())); }

void TfrmRoPupil::N4Click()
{
    NewAlgorithm();
    ListBoxProc->clear();
}

void TfrmRoPupil::N5Click()
{
    PutLines(EmptyLineInsert(AlgorithmLines(), CurrentLine()));
}

void TfrmRoPupil::N7Click()
{
    // Without a current line there is no place for the comment.
    if (CurrentLine() < 0)
        return;
    ShowCommentPanel(true);
    EditComment->clear();
    EditComment->setFocus();
}

void TfrmRoPupil::EditCommentKeyPress(QChar key)
{
    if (key.unicode() != 13)
        return;
    PutLines(CommentInsert(AlgorithmLines(), CurrentLine(), EditComment->text(), model_.HalfVisibleLines));
    ShowCommentPanel(false);
}

void TfrmRoPupil::EditCommentExit()
{
    ShowCommentPanel(false);
}

void TfrmRoPupil::lstComKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Delete)
        ApplyDeletion(DeleteSimpleLine(AlgorithmLines(), CurrentLine()));
}
