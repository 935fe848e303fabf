// The procedure panel, the algorithm list's context menu, the comment panel
// and the Del key, driven as a pupil drives them.

#include "EditionForm.h"
#include "MessageBoxes.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

class Editing : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override
    {
        previousSink_ = SetMessageSink([this](MessageKind kind, const QString& text) {
            messages.push_back({kind, text});
        });
        form = MakeEditionForm(GetParam());
        form->NMainBegin->trigger();
        form->NMainWork->trigger();
        form->activateWindow();
        form->lstCom->setFocus();
    }
    void TearDown() override { SetMessageSink(previousSink_); }

    QString LastMessage() const { return messages.empty() ? QString() : messages.back().second; }
    QString Stat(int row) const { return form->ListStatist->item(row)->text(); }
    QString Current() const { return form->lstCom->currentItem()->text(); }
    void Select(int row) { form->lstCom->setCurrentRow(row); }
    void Click(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    // Types a name into the open panel and presses Enter.
    void TypeName(const QString& name)
    {
        Type(form->EditNewProc, name);
        QTest::keyClick(form->EditNewProc, Qt::Key_Return);
    }
    void Comment(const QString& text)
    {
        Choose(form->N7);
        Type(form->EditComment, text);
        QTest::keyClick(form->EditComment, Qt::Key_Return);
    }
    // Chooses a menu item as a pupil can: the menu opens on the current line first.
    void Choose(QAction* a)
    {
        form->ComMenuPopup();
        a->trigger();
    }
    bool Enabled(QAction* a)
    {
        form->ComMenuPopup();
        return a->isEnabled();
    }

    std::unique_ptr<TfrmRoPupil> form;
    std::vector<std::pair<MessageKind, QString>> messages;

private:
    MessageSink previousSink_;
};

INSTANTIATE_TEST_SUITE_P(Editions, Editing, ::testing::Values(Edition::FreeTask, Edition::Minimal),
                         [](const ::testing::TestParamInfo<Edition>& info) { return EditionName(info.param); });

// The whole way of a pupil: a procedure described, filled and called, kept
// while called, the call and then the procedure deleted, a comment, a branch
// holding a loop deleted whole, and a new start.
TEST_P(Editing, APupilsWayThroughProceduresDeletionsAndComments)
{
    Press(*form, Qt::Key_F5);
    ASSERT_TRUE(form->PanelProc->isVisible());
    EXPECT_FALSE(form->PPButtonDoProc->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), form->EditNewProc);  // no names yet
    TypeName(Q("Квадрат"));
    EXPECT_FALSE(form->PanelProc->isVisible());
    EXPECT_TRUE(form->PPButtonDoProc->isEnabled());
    EXPECT_EQ(Items(form->lstCom).mid(4), QStringList({Q("КОН"), Q("ПРОЦЕДУРА Квадрат"), Q("КОНЕЦ ПРОЦЕДУРЫ")}));
    EXPECT_EQ(form->lstCom->currentRow(), 6);
    EXPECT_EQ(Items(form->ListBoxProc), QStringList{Q("Квадрат")});
    EXPECT_EQ(Stat(3), Q("процедур   ..............1"));

    Press(*form, Qt::Key_F2);  // the body
    Press(*form, Qt::Key_F4);
    Select(4);                 // "КОН"
    Press(*form, Qt::Key_F6);
    EXPECT_FALSE(form->PPButtonProc->isEnabled());
    ASSERT_EQ(QApplication::focusWidget(), form->ListBoxProc);
    QTest::keyClick(form->ListBoxProc, Qt::Key_Return);  // the one name is selected
    EXPECT_EQ(Items(form->lstCom).mid(4), QStringList({Q("    ДЕЛАЙ Квадрат"), Q("КОН"), Q("ПРОЦЕДУРА Квадрат"),
                                                       Q("    ШАГ"), Q("    ПОВОРОТ"), Q("КОНЕЦ ПРОЦЕДУРЫ")}));
    EXPECT_EQ(Current(), Q("КОН"));
    EXPECT_EQ(Stat(4), Q("вызовов процедур 1"));

    Select(6);
    EXPECT_TRUE(Enabled(form->N6));
    Choose(form->N6);
    EXPECT_EQ(LastMessage(), Q("Нельзя удалить процедуру \rбез удаления всех её вызовов !!!"));
    EXPECT_EQ(form->lstCom->count(), 10);
    Select(4);
    QTest::keyClick(form->lstCom, Qt::Key_Delete);
    EXPECT_EQ(Current(), Q("КОН"));
    Select(5);
    Choose(form->N6);
    EXPECT_EQ(Items(form->lstCom).mid(3), QStringList({Q("НАЧ"), Q("КОН"), QString()}));
    EXPECT_EQ(form->lstCom->currentRow(), 5);
    EXPECT_EQ(form->ListBoxProc->count(), 0);
    EXPECT_EQ(Stat(3), Q("процедур   ..............0"));

    Select(4);
    const QString statBefore = Stat(8);
    Comment(Q("ход"));
    EXPECT_FALSE(form->PanelComment->isVisible());
    EXPECT_EQ(form->lstCom->item(4)->text(), Q("//ход"));
    EXPECT_EQ(Current(), Q("КОН"));
    EXPECT_EQ(Stat(8), statBefore);

    Press(*form, Qt::Key_F7);
    QTest::keyClick(form->ButtonIf, Qt::Key_Return);
    Press(*form, Qt::Key_F8);
    QTest::keyClick(form->ButtonWhile, Qt::Key_Return);
    Press(*form, Qt::Key_F2);
    Select(5);  // the branch header
    EXPECT_TRUE(Enabled(form->N3));
    EXPECT_FALSE(Enabled(form->N1));
    int removals = 0;   // a screen reader hears of each
    const QMetaObject::Connection counting =
        QObject::connect(form->lstCom->model(), &QAbstractItemModel::rowsRemoved, [&] { ++removals; });
    Choose(form->N3);
    QObject::disconnect(counting);
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(Items(form->lstCom).mid(4), QStringList({Q("//ход"), Q("КОН"), QString()}));
    EXPECT_EQ(Current(), Q("КОН"));
    EXPECT_EQ(Stat(5), Q("ветвлений  ............." "0"));

    Choose(form->N4);
    EXPECT_EQ(Items(form->lstCom), NewAlgorithmLines(0, false));
    EXPECT_EQ(form->lstCom->currentRow(), 4);
    EXPECT_EQ(Stat(8), Q("Итого:  строк   .....5"));
}

TEST_P(Editing, TypedNamesAreRefusedWithThePanelLeftOpen)
{
    Press(*form, Qt::Key_F5);
    TypeName(Q("Квадрат"));
    Press(*form, Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), form->ListBoxProc);
    Press(*form, Qt::Key_F5);  // the panel is in call mode: F5 does nothing
    EXPECT_FALSE(form->PPButtonProc->isEnabled());

    const std::pair<const char*, const char*> refused[] = {
        {"", "Введите имя новой процедуры"},
        {"2шага", "Имя процедуры должно начинаться с буквы"},
        {"Квадрат", "Процедура с именем Квадрат уже описана"},
    };
    for (auto [typed, message] : refused) {
        form->EditNewProc->setFocus();
        form->EditNewProc->setText(Q(typed));
        QTest::keyClick(form->EditNewProc, Qt::Key_Return);
        EXPECT_EQ(LastMessage(), Q(message));
        EXPECT_TRUE(form->PanelProc->isVisible()) << typed;
        EXPECT_EQ(form->EditNewProc->text(), Q(typed));
    }
    EXPECT_EQ(form->lstCom->count(), 7);

    // A name in other letter case is new.
    form->EditNewProc->clear();
    TypeName(Q("квадрат"));
    EXPECT_EQ(form->ListBoxProc->count(), 2);
    EXPECT_EQ(form->lstCom->item(6)->text(), Q("    ДЕЛАЙ квадрат"));
    EXPECT_EQ(form->lstCom->item(form->lstCom->count() - 2)->text(), Q("ПРОЦЕДУРА квадрат"));

    // Esc closes without a choice and enables both buttons.
    Press(*form, Qt::Key_F5);
    Press(*form, Qt::Key_Escape);
    EXPECT_FALSE(form->PanelProc->isVisible());
    EXPECT_TRUE(form->PPButtonProc->isEnabled() && form->PPButtonDoProc->isEnabled());
}

TEST_P(Editing, KeysMoveInTheNamesWithoutChoosingAndTheNextClickChooses)
{
    for (const char* name : {"А", "Б", "В"}) {
        Press(*form, Qt::Key_F5);
        TypeName(Q(name));
    }
    const int lines = form->lstCom->count();
    Press(*form, Qt::Key_F6);
    form->ListBoxProc->setCurrentRow(2);
    QTest::keyClick(form->ListBoxProc, Qt::Key_Down);
    EXPECT_EQ(form->ListBoxProc->currentRow(), 0);  // past the last comes the first
    QTest::keyClick(form->ListBoxProc, Qt::Key_Up);
    QTest::keyClick(form->ListBoxProc, Qt::Key_Up);
    EXPECT_EQ(form->ListBoxProc->currentRow(), 1);
    EXPECT_EQ(form->lstCom->count(), lines);
    EXPECT_TRUE(form->PanelProc->isVisible());

    Click(form->ListBoxProc, 2);
    EXPECT_FALSE(form->PanelProc->isVisible());
    EXPECT_EQ(form->lstCom->count(), lines + 1);
    EXPECT_TRUE(Items(form->lstCom).contains(Q("    ДЕЛАЙ В")));

    // Describing a described name by a click keeps the panel open; Enter closes it.
    Press(*form, Qt::Key_F5);
    Click(form->ListBoxProc, 0);
    EXPECT_EQ(LastMessage(), Q("Процедура с именем А уже описана"));
    EXPECT_TRUE(form->PanelProc->isVisible());
    QTest::keyClick(form->ListBoxProc, Qt::Key_Return);
    EXPECT_FALSE(form->PanelProc->isVisible());
    EXPECT_EQ(form->lstCom->count(), lines + 1);

    // A right click leaves the name the pupil chose, and Enter calls that one;
    // Ctrl+click on the selected name chooses it as a plain click does.
    QWidget* vp = form->ListBoxProc->viewport();
    auto at = [this](int row) { return form->ListBoxProc->visualItemRect(form->ListBoxProc->item(row)).center(); };
    Press(*form, Qt::Key_F6);
    form->ListBoxProc->setCurrentRow(0);
    QTest::mouseClick(vp, Qt::RightButton, {}, at(2));
    QTest::mouseDClick(vp, Qt::RightButton, {}, at(1));
    EXPECT_EQ(form->ListBoxProc->currentRow(), 0);
    EXPECT_TRUE(form->PanelProc->isVisible());
    QTest::keyClick(form->ListBoxProc, Qt::Key_Return);
    EXPECT_EQ(Items(form->lstCom).count(Q("    ДЕЛАЙ А")), 1);
    Press(*form, Qt::Key_F6);
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, at(0));
    EXPECT_FALSE(form->PanelProc->isVisible());
    EXPECT_EQ(Items(form->lstCom).count(Q("    ДЕЛАЙ А")), 2);
}

TEST_P(Editing, TheListPassesTheSelectionOnAndKeepsItOnARightClick)
{
    Press(*form, Qt::Key_F7);
    QTest::keyClick(form->ButtonIf, Qt::Key_Return);
    Click(form->lstCom, 5);  // "ТО" hands it to "ИНАЧЕ"
    EXPECT_EQ(form->lstCom->currentRow(), 6);
    Click(form->lstCom, 0);  // the title to line 4
    EXPECT_EQ(form->lstCom->currentRow(), 4);
    QTest::keyClick(form->lstCom, Qt::Key_Up);  // "НАЧ" hands it back
    EXPECT_EQ(form->lstCom->currentRow(), 4);
    Click(form->lstCom, 2);  // the pattern goal line keeps it
    EXPECT_EQ(form->lstCom->currentRow(), 2);

    Select(8);
    const QPoint onTitle = form->lstCom->visualItemRect(form->lstCom->item(0)).center();
    QTest::mouseClick(form->lstCom->viewport(), Qt::RightButton, {}, onTitle);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, onTitle, form->lstCom->viewport()->mapToGlobal(onTitle));
    QApplication::sendEvent(form->lstCom->viewport(), &menu);
    EXPECT_TRUE(form->ComMenu->isVisible());
    form->ComMenu->close();
    EXPECT_EQ(form->lstCom->currentRow(), 8);  // "КОН"
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        QTest::keyClick(form->lstCom, key, modifiers);
        EXPECT_TRUE(form->ComMenu->isVisible()) << key;
        form->ComMenu->close();
    }
    QTest::mouseClick(form->lstCom->viewport(), Qt::LeftButton, {}, QPoint(5, form->lstCom->viewport()->height() - 3));
    EXPECT_EQ(form->lstCom->currentRow(), 8);  // below the last line

    // Del acts on simple lines only, with Shift as without, and leaves a line to stand on.
    Select(7);  // "ВСЁ"
    QTest::keyClick(form->lstCom, Qt::Key_Delete);
    EXPECT_EQ(form->lstCom->count(), 9);
    Press(*form, Qt::Key_F2);
    Select(7);
    QTest::keyClick(form->lstCom, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(form->lstCom->item(7)->text(), Q("    ВСЁ"));
    EXPECT_EQ(Stat(2), Q("команд     ..............0"));

    Press(*form, Qt::Key_F5);
    TypeName(Q("П"));
    Select(9);
    Choose(form->N6);  // the description that ended the text
    QTest::keyClick(form->lstCom, Qt::Key_Delete);
    EXPECT_EQ(form->lstCom->count(), 10);
    EXPECT_EQ(form->lstCom->currentRow(), 9);
    EXPECT_EQ(Current(), QString());
}

// However the pupil moves in the list, the selection never rests on a line
// that no insert may go above, and it is never lost.
TEST_P(Editing, EveryMoveOfTheSelectionGoesThroughTheRule)
{
    Press(*form, Qt::Key_F7);
    QTest::keyClick(form->ButtonIf, Qt::Key_Return);
    // 0 title, 1 "Дано", 2 "Надо", 3 "НАЧ", 4 "ЕСЛИ", 5 "ТО", 6 "ИНАЧЕ", 7 "ВСЁ", 8 "КОН"
    QWidget* vp = form->lstCom->viewport();
    auto at = [this](int row) { return form->lstCom->visualItemRect(form->lstCom->item(row)).center(); };
    auto key = [this](Qt::Key k, Qt::KeyboardModifiers mods = {}, const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, k, mods, text);
        QApplication::sendEvent(form->lstCom, &press);
    };
    struct Case {
        const char* what;
        int from;
        std::function<void()> move;
        int selected;
    };
    const Case cases[] = {
        {"Home", 8, [&] { key(Qt::Key_Home); }, 4},
        {"PageUp", 8, [&] { key(Qt::Key_PageUp); }, 4},
        {"End", 4, [&] { key(Qt::Key_End); }, 8},
        {"PageDown", 2, [&] { key(Qt::Key_PageDown); }, 8},
        {"a typed letter", 8, [&] { key(Qt::Key(0x41d), {}, Q("Н")); }, 8},
        {"a typed blank", 8, [&] { key(Qt::Key_Space, {}, Q(" ")); }, 8},
        {"Ctrl+Space", 8, [&] { key(Qt::Key_Space, Qt::ControlModifier, Q(" ")); }, 8},
        {"Ctrl+click on the current line", 8, [&] { QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, at(8)); }, 8},
        {"Ctrl+click on ТО", 8, [&] { QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, at(5)); }, 6},
        {"right double click", 8, [&] { QTest::mouseDClick(vp, Qt::RightButton, {}, at(0)); }, 8},
        // A loaded text may leave such a line current; a click on it hands the selection on.
        {"click on НАЧ while current", 3, [&] { QTest::mouseClick(vp, Qt::LeftButton, {}, at(3)); }, 4},
        {"click on ТО while current", 5, [&] { QTest::mouseClick(vp, Qt::LeftButton, {}, at(5)); }, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Select(c.from);
        c.move();
        EXPECT_EQ(form->CurrentLine(), c.selected);
    }
}

TEST_P(Editing, CommentsAndPanelsThatAStageChangeCloses)
{
    Comment(QString());
    EXPECT_EQ(form->lstCom->item(4)->text(), Q("//"));

    // Leaving the edit closes the panel without a comment.
    Choose(form->N7);
    Type(form->EditComment, Q("x"));
    form->lstCom->setFocus();
    EXPECT_FALSE(form->PanelComment->isVisible());
    EXPECT_EQ(form->lstCom->count(), 6);

    // What a saved file cannot hold does not get into the edit, however it comes.
    Choose(form->N7);
    QApplication::clipboard()->setText(Q("шаг Ω\n中ё"));
    form->EditComment->paste();
    EXPECT_EQ(form->EditComment->text(), Q("шаг ё"));
    Type(form->EditComment, Q("ä"));
    EXPECT_EQ(form->EditComment->text(), Q("шаг ё"));
    // Nor does an Alt chord: it types nothing.
    QTest::keyClick(form->EditComment, Qt::Key_A, Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Click, form->EditComment, Qt::Key(0x0424), Q("ф"), Qt::AltModifier);
    EXPECT_EQ(form->EditComment->text(), Q("шаг ё"));

    // A stage change closes the open panels; the buttons keep the stage's state.
    form->NMainDebug->trigger();
    EXPECT_FALSE(form->PanelComment->isVisible());
    form->NMainWork->trigger();
    Press(*form, Qt::Key_F5);
    form->NMainDebug->trigger();
    EXPECT_FALSE(form->PanelProc->isVisible());
    Press(*form, Qt::Key_Escape);
    EXPECT_FALSE(form->PPButtonProc->isEnabled() || form->PPButtonDoProc->isEnabled());

    // The disabled list takes no click and opens no menu.
    Select(1);
    Click(form->lstCom, 0);
    EXPECT_EQ(form->lstCom->currentRow(), 1);
    const QPoint at = form->lstCom->visualItemRect(form->lstCom->item(0)).center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, form->lstCom->viewport()->mapToGlobal(at));
    QApplication::sendEvent(form->lstCom->viewport(), &menu);
    EXPECT_FALSE(form->ComMenu->isVisible());
}

TEST_P(Editing, WithoutACurrentLineNothingIsEditedButANewNameIsDescribed)
{
    const QStringList loaded = {Q("НАЧ"), Q("    ШАГ")};
    form->lstCom->clear();
    form->lstCom->addItems(loaded);
    form->lstCom->setCurrentRow(-1);
    QTest::keyClick(form->lstCom, Qt::Key_Delete);
    for (QAction* item : {form->N1, form->N3, form->N2, form->N6, form->N5, form->N7})
        Choose(item);
    EXPECT_EQ(Items(form->lstCom), loaded);
    EXPECT_FALSE(form->PanelComment->isVisible());

    Press(*form, Qt::Key_F6);
    TypeName(Q("Круг"));
    EXPECT_EQ(Items(form->lstCom), loaded + QStringList({Q("ПРОЦЕДУРА Круг"), Q("КОНЕЦ ПРОЦЕДУРЫ")}));
    EXPECT_FALSE(form->PanelProc->isVisible());
    EXPECT_EQ(form->CurrentLine(), -1);
}

TEST_P(Editing, TheMenuEndsWhereTheEditionSays)
{
    const QList<QAction*> items = form->ComMenu->actions();
    const QStringList shared = {Q("Удалить строку"), Q("Удалить конструкцию"), Q("Удалить ветвь ИНАЧЕ"),
                                Q("Удалить процедуру"), Q("Удалить тело алгоритма "), QString(),
                                Q("Вставить пустую строку"), Q("Вставить комментарии")};
    ASSERT_GE(items.size(), shared.size());
    for (int k = 0; k < shared.size(); ++k)
        EXPECT_EQ(items[k]->text(), shared[k]) << k;
    if (GetParam() == Edition::Minimal) {
        EXPECT_EQ(items.size(), shared.size());
    }
    // "КОН" offers no deletion but the whole body; the inserts are always offered.
    EXPECT_FALSE(Enabled(form->N1) || Enabled(form->N3) || Enabled(form->N2) || Enabled(form->N6));
    EXPECT_TRUE(Enabled(form->N4) && Enabled(form->N5) && Enabled(form->N7));
}

} // namespace
