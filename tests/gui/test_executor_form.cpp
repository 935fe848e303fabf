#include "EditionForm.h"
#include "Interpreter.h"
#include "MessageBoxes.h"
#include "Statistics.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QStatusTipEvent>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

Edition gEdition = Edition::FreeTask;

class ExecutorForm : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override { gEdition = GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Editions, ExecutorForm, ::testing::Values(Edition::FreeTask, Edition::Minimal),
                         [](const ::testing::TestParamInfo<Edition>& info) { return EditionName(info.param); });

std::unique_ptr<TfrmRoPupil> MakeForm(int screenWidth = 1024)
{
    return MakeEditionForm(gEdition, screenWidth);
}

int Depth(const QString& line)
{
    int n = 0;
    while (n < line.size() && line[n].unicode() <= 32)
        ++n;
    return n;
}

// An edition's own item that a window lacks matches any expected state.
constexpr int kAbsent = -1;

struct Stage {
    bool begin, work, debug;
    int points, help;
    bool run, stop, edit, statVisible;
};

int ItemState(TfrmRoPupil& f, const char* name)
{
    const QAction* a = f.findChild<QAction*>(name);
    return a ? int(a->isEnabled()) : kAbsent;
}

Stage StageOf(TfrmRoPupil& f)
{
    return {f.NMainBegin->isEnabled(), f.NMainWork->isEnabled(), f.NMainDebug->isEnabled(),
            ItemState(f, "NMainPoints"), ItemState(f, "NMainHelp"), f.FixToolButtonDo->isEnabled(),
            f.FixToolButtonStop->isEnabled(), f.PPButtonStep->isEnabled() && f.lstCom->isEnabled(),
            !f.ListStatist->isHidden()};
}

bool operator==(const Stage& a, const Stage& b)
{
    auto item = [](int x, int y) { return x == kAbsent || y == kAbsent || x == y; };
    return a.begin == b.begin && a.work == b.work && a.debug == b.debug && item(a.points, b.points)
           && item(a.help, b.help) && a.run == b.run && a.stop == b.stop && a.edit == b.edit
           && a.statVisible == b.statVisible;
}

void PrintTo(const Stage& s, std::ostream* os)
{
    *os << "{begin " << s.begin << " work " << s.work << " debug " << s.debug << " points " << s.points
        << " help " << s.help << " run " << s.run << " stop " << s.stop << " edit " << s.edit << " stat "
        << s.statVisible << "}";
}

const Stage kInitial{true, false, false, false, false, false, false, false, false};
const Stage kBegun{false, true, false, false, true, false, false, false, false};
const Stage kDevelopment{false, false, true, true, true, false, false, true, true};
const Stage kDebugging{false, true, false, false, true, true, true, false, true};

TEST_P(ExecutorForm, LaysItselfOutFromTheScreenWidth)
{
    auto form = MakeForm(1024);
    EXPECT_EQ(form->PPPanelSystCom->geometry(), QRect(10, 36, 121, 300));
    EXPECT_EQ(form->lstCom->geometry(), QRect(141, 36, 300, 560));
    EXPECT_EQ(form->pnl1->geometry(), QRect(451, 36, 560, 560));
    EXPECT_EQ(form->pnlMain->geometry(), QRect(10, 10, 536, 536));
    EXPECT_EQ(form->PaintImage->geometry(), QRect(0, 0, 536, 536));
    EXPECT_EQ(form->ListStatist->geometry(), QRect(10, 467, 121, 129));
    EXPECT_EQ(form->Model().FieldBitmap.size(), QSize(536, 536));
    EXPECT_EQ(form->Model().SpriteBack.size(), QSize(31, 31));
    EXPECT_EQ(form->Model().HalfVisibleLines, 17);
    EXPECT_EQ(form->PanelX->geometry(), QRect(2, 2, 536, 8));
    ASSERT_EQ(form->AxisLabelsX.size(), 16);
    EXPECT_EQ(form->AxisLabelsX[3]->x(), 41 + 3 * 43);
    EXPECT_EQ(form->AxisLabelsY[11]->y(), 41 + 11 * 43);
    EXPECT_EQ(form->AxisLabelsX[15]->text(), "15");
    // Labels from 12 on lie beyond the strip.
    EXPECT_GE(form->AxisLabelsX[12]->x(), form->PanelX->width());

    form->SetFieldSize(15);
    EXPECT_EQ(form->Model().CellSize, 34);
    EXPECT_EQ(form->PaintImage->width(), 530);
    form->SetFieldSize(12);
    EXPECT_EQ(form->Model().CellSize, 43);
    EXPECT_EQ(form->PaintImage->width(), 536);
    EXPECT_EQ(form->pnl1->width(), 560);
}

TEST_P(ExecutorForm, RunButtonsStandBetweenTheirSeparatorsAndTakeNoFocus)
{
    auto form = MakeForm();
    const QRect run = form->FixToolButtonDo->geometry();
    EXPECT_EQ(run.left(), 0);
    // A separator of 1 pixel, none, then one of 8 before the stop button.
    EXPECT_EQ(form->FixToolButtonQuick->x(), run.right() + 1 + 1);
    EXPECT_EQ(form->FixToolButtonResult->x(), form->FixToolButtonQuick->geometry().right() + 1);
    EXPECT_EQ(form->FixToolButtonStop->x(), form->FixToolButtonResult->geometry().right() + 1 + 8);
    EXPECT_GE(run.height(), 22);
    for (QToolButton* b : {form->FixToolButtonDo, form->FixToolButtonQuick, form->FixToolButtonResult,
                           form->FixToolButtonStop})
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
}

TEST_P(ExecutorForm, ComponentsCarryTheirNames)
{
    auto form = MakeForm();
    for (const char* name : {"lstCom", "ListStatist", "PPPanelSystCom", "PPButtonStep", "PPButtonWhile", "PanelIf",
                             "ButtonWhileNot", "pnl1", "pnlMain", "PaintImage", "PanelX", "PanelY", "StatusBar1",
                             "ToolBarAlg", "FixToolButtonStop", "ToolButton2", "MainMenu", "LabelPP5"})
        EXPECT_NE(form->findChild<QObject*>(name), nullptr) << name;
    EXPECT_EQ(form->NMainBegin->objectName(), "NMainBegin");
    EXPECT_EQ(form->PPButtonStep->text(), "ШАГ            F2");
    EXPECT_EQ(form->NMainDebug->text(), "Отладка              ");
    // Every list cuts a line too long for it at its edge, the algorithm itself too.
    for (const QListWidget* list : form->findChildren<QListWidget*>())
        EXPECT_EQ(list->textElideMode(), Qt::ElideNone) << list->objectName().toStdString();
}

TEST_P(ExecutorForm, HintsSplitIntoToolTipAndStatusText)
{
    auto form = MakeForm();
    EXPECT_EQ(form->pnl1->toolTip(), "Рабочее поле для Тимпушки ");
    EXPECT_EQ(form->pnl1->statusTip(), " Рабочее поле для Тимпушки ");
    EXPECT_EQ(form->PaintImage->statusTip(), " Рабочее поле для Тимпушки");
    EXPECT_EQ(form->FixToolButtonStop->toolTip(), "Прервать выполнение");
    EXPECT_EQ(form->FixToolButtonStop->statusTip(), "Прервать выполнение");

    QStatusTipEvent tip(form->pnl1->statusTip());
    QApplication::sendEvent(form->pnl1, &tip);
    EXPECT_EQ(form->StatusBar1->currentMessage(), " Рабочее поле для Тимпушки ");
}

TEST_P(ExecutorForm, StagesEnableTheirControls)
{
    auto form = MakeForm();
    EXPECT_EQ(StageOf(*form), kInitial);
    EXPECT_EQ(Items(form->lstCom), QStringList{QString()});
    EXPECT_EQ(form->lstCom->currentRow(), 0);

    form->NMainBegin->trigger();
    EXPECT_EQ(StageOf(*form), kBegun);
    EXPECT_EQ(form->lstCom->count(), 5);
    EXPECT_EQ(form->lstCom->currentRow(), 4);
    EXPECT_FALSE(form->lstCom->isEnabled());
    EXPECT_EQ(form->Model().ExecX, 0);
    EXPECT_EQ(form->Model().ExecDir, 0);

    // "Начать" acts only once.
    form->NMainBegin->trigger();
    EXPECT_EQ(StageOf(*form), kBegun);

    form->NMainWork->trigger();
    EXPECT_EQ(StageOf(*form), kDevelopment);
    EXPECT_TRUE(form->ListStatist->isEnabled());
    EXPECT_EQ(form->ListStatist->item(8)->text(), "Итого:  строк   .....5");

    form->NMainDebug->trigger();
    EXPECT_EQ(StageOf(*form), kDebugging);
    EXPECT_FALSE(form->ListStatist->isEnabled());

    form->NMainWork->trigger();
    EXPECT_EQ(StageOf(*form), kDevelopment);
}

TEST_P(ExecutorForm, MenuShortcutsActOnlyForEnabledItems)
{
    auto form = MakeForm();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5})
        Press(*form, key, Qt::ShiftModifier);
    EXPECT_EQ(StageOf(*form), kInitial);
    EXPECT_EQ(form->lstCom->count(), 1);

    Press(*form, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(StageOf(*form), kBegun);
    Press(*form, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(StageOf(*form), kDevelopment);
    form->PPButtonStepClick();
    Press(*form, Qt::Key_F1, Qt::ShiftModifier);   // "Начать" is over: the algorithm stays
    EXPECT_EQ(form->lstCom->count(), 6);
    Press(*form, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(StageOf(*form), kDebugging);
}

TEST_P(ExecutorForm, DevelopmentRedrawsTheFieldAndDebuggingDoesNot)
{
    auto form = MakeForm();
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    QImage& bmp = form->Model().FieldBitmap;
    const QImage clean = bmp.copy();
    bmp.setPixel(200, 200, qRgb(1, 2, 3));
    form->NMainDebug->trigger();
    EXPECT_EQ(bmp.pixel(200, 200), qRgb(1, 2, 3));
    form->NMainWork->trigger();
    EXPECT_EQ(bmp, clean);
}

TEST_P(ExecutorForm, BuildsTheExampleAlgorithmByKeys)
{
    auto form = MakeForm();
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    form->lstCom->setFocus();

    Press(*form, Qt::Key_F7);
    ASSERT_TRUE(form->PanelIf->isVisible());
    EXPECT_EQ(form->PanelIf->pos(), QPoint(131, 36 + 234));
    QTest::mouseClick(form->ButtonIf, Qt::LeftButton);
    EXPECT_FALSE(form->PanelIf->isVisible());
    Press(*form, Qt::Key_F2);
    form->lstCom->setCurrentRow(8);   // the "ВСЁ" line
    Press(*form, Qt::Key_F8);
    ASSERT_TRUE(form->PanelWhile->isVisible());
    QTest::mouseClick(form->ButtonWhileNot, Qt::LeftButton);
    Press(*form, Qt::Key_F4);

    const QStringList lines = Items(form->lstCom);
    const struct { int depth; const char* text; } expected[] = {
        {0, "АЛГОРИТМ ПУТЬ_0"}, {4, "Дано: Исполнитель в т.А"}, {4, "Надо: Воспроизвести образец"},
        {0, "НАЧ"}, {4, "ЕСЛИ впереди стена"}, {7, "ТО"}, {11, "ШАГ"}, {7, "ИНАЧЕ"},
        {11, "ПОКА впереди НЕ стена"}, {11, "НЦ"}, {15, "ПОВОРОТ"}, {11, "КЦ"}, {4, "ВСЁ"}, {0, "КОН"},
    };
    ASSERT_EQ(lines.size(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(Depth(lines[i]), expected[i].depth) << i;
        EXPECT_EQ(lines[i].mid(Depth(lines[i])), QString::fromUtf8(expected[i].text)) << i;
    }
    EXPECT_EQ(form->lstCom->currentRow(), 11);
    EXPECT_EQ(form->ListStatist->item(2)->text(), "команд     ..............2");
    EXPECT_EQ(form->ListStatist->item(5)->text(), "ветвлений  .............1");
    EXPECT_EQ(form->ListStatist->item(6)->text(), "циклов      ..............1");
    EXPECT_EQ(form->ListStatist->item(8)->text(), "Итого:  строк   ......14");
}

// However large a count, every digit of it shows whole: a count one higher
// changes the picture of its line, and no line runs into the list's edge.
TEST_P(ExecutorForm, TheStatisticsShowEveryDigitOfALargeCount)
{
    auto form = MakeForm();
    form->show();
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    QListWidget* list = form->ListStatist;
    auto rows = [list](int32_t count) {
        list->clear();
        list->addItems(StatistLines({count, count, count, count, count, count}));
        std::vector<QImage> images;
        for (int row : {2, 3, 4, 5, 6, 8})
            images.push_back(list->viewport()->grab(list->visualItemRect(list->item(row))).toImage());
        return images;
    };
    const QRgb base = list->palette().color(QPalette::Base).rgb();
    for (int32_t count : {1000, 100000, 2147483646}) {
        const std::vector<QImage> before = rows(count), after = rows(count + 1);
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_NE(before[i], after[i]) << count << " line " << i;
            for (int y = 0; y < before[i].height(); ++y)
                EXPECT_EQ(before[i].pixel(before[i].width() - 1, y), base) << count << " line " << i;
        }
    }
}

TEST_P(ExecutorForm, FunctionKeysEditOnlyInDevelopment)
{
    auto form = MakeForm();
    auto countAfter = [&](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        Press(*form, key, mods);
        return form->lstCom->count();
    };
    EXPECT_EQ(countAfter(Qt::Key_F2), 1);
    form->NMainBegin->trigger();
    EXPECT_EQ(countAfter(Qt::Key_F2), 5);
    EXPECT_EQ(countAfter(Qt::Key_F7), 5);
    EXPECT_FALSE(form->PanelIf->isVisible());
    form->NMainWork->trigger();
    form->NMainDebug->trigger();
    EXPECT_EQ(countAfter(Qt::Key_F3), 5);
    EXPECT_EQ(countAfter(Qt::Key_F8), 5);
    EXPECT_FALSE(form->PanelWhile->isVisible());

    form->NMainWork->trigger();
    form->lstCom->setFocus();
    EXPECT_EQ(countAfter(Qt::Key_F2, Qt::ControlModifier), 6);   // Ctrl+F2 inserts like F2
    EXPECT_EQ(countAfter(Qt::Key_F2, Qt::ShiftModifier), 6);     // Shift+F2 belongs to the menu
    EXPECT_EQ(countAfter(Qt::Key_F3, Qt::ShiftModifier), 6);
}

TEST_P(ExecutorForm, OnlyTheMenusOwnShortcutsAreKeptFromTheEditor)
{
    auto form = MakeForm();
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    form->lstCom->setFocus();
    // Shift+F4 belongs to the free-task "Точки" item; without such an item it inserts like F4.
    Press(*form, Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(form->lstCom->count(), gEdition == Edition::FreeTask ? 5 : 6);
}

TEST_P(ExecutorForm, EscClosesBothConditionPanelsAndAStageChangeClosesThem)
{
    auto form = MakeForm();
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    form->lstCom->setFocus();
    Press(*form, Qt::Key_F8);
    Press(*form, Qt::Key_F7);
    EXPECT_TRUE(form->PanelIf->isVisible());
    EXPECT_TRUE(form->PanelWhile->isVisible());
    Press(*form, Qt::Key_Escape);
    EXPECT_FALSE(form->PanelIf->isVisible());
    EXPECT_FALSE(form->PanelWhile->isVisible());

    Press(*form, Qt::Key_F7);
    ASSERT_TRUE(form->PanelIf->isVisible());
    form->NMainDebug->trigger();
    EXPECT_FALSE(form->PanelIf->isVisible());
    EXPECT_EQ(form->lstCom->count(), 5);
}

// The list scrolls so that the edit point stands HalfVisibleLines (17) rows
// below the first visible line, or as far as the list scrolls: then its last
// line is fully in view. The lines just inserted count for how far that is.
TEST_P(ExecutorForm, AControlOfAPanelHiddenByAStageTakesNoKeys)
{
    auto form = MakeForm();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    form->PPButtonIfClick();
    ASSERT_EQ(QApplication::focusWidget(), form->ButtonIf);
    form->NMainDebug->trigger();
    Press(*form, Qt::Key_Return);
    Press(*form, Qt::Key_Space);
    EXPECT_EQ(form->lstCom->count(), 5) << "no branch is inserted in \"Отладка\"";
}

TEST_P(ExecutorForm, InsertScrollsTheEditPointToTheMiddle)
{
    struct Case {
        const char* what;
        int row;   // the current line before the insert
        int edit;  // the edit point, counted from that line
        void (*insert)(TfrmRoPupil&);
    };
    const Case cases[] = {
        {"command above КОН", 44, 0, [](TfrmRoPupil& f) { f.PPButtonStepClick(); }},
        {"command mid-list", 20, 0, [](TfrmRoPupil& f) { f.PPButtonTurnClick(); }},
        {"branch above КОН", 44, 3, [](TfrmRoPupil& f) { f.ButtonIfClick(); }},
        {"loop above КОН", 44, 2, [](TfrmRoPupil& f) { f.ButtonWhileNotClick(); }},
        {"description", 30, 16, [](TfrmRoPupil& f) {
             f.PPButtonProcClick();
             Type(f.EditNewProc, "Угол");
             QTest::keyClick(f.EditNewProc, Qt::Key_Return);
         }},
        {"call with its description", 44, 1, [](TfrmRoPupil& f) {
             f.PPButtonDoProcClick();
             Type(f.EditNewProc, "Угол");
             QTest::keyClick(f.EditNewProc, Qt::Key_Return);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto form = MakeForm();
        form->NMainBegin->trigger();
        form->NMainWork->trigger();
        for (int k = 0; k < 40; ++k)
            form->PPButtonStepClick();
        QApplication::processEvents();
        form->lstCom->setCurrentRow(c.row);
        c.insert(*form);
        QApplication::processEvents();
        const int fullRows = form->lstCom->viewport()->height() / 16;
        const int expected = std::min(c.row + c.edit - 17, form->lstCom->count() - fullRows);
        EXPECT_EQ(form->TopIndex(), expected);
        const int current = form->lstCom->currentRow();
        EXPECT_TRUE(form->lstCom->viewport()->rect().contains(
            form->lstCom->visualItemRect(form->lstCom->item(current))));
    }
}

TEST_P(ExecutorForm, FastRunWalksTheLoopAndEnablesTheButtonsAgain)
{
    auto form = MakeForm();
    std::vector<QString> messages;
    SetMessageSink([&](MessageKind, const QString& text) { messages.push_back(text); });
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    form->PPButtonWhileClick();
    form->ButtonWhileNotClick();
    form->PPButtonStepClick();
    form->lstCom->setCurrentRow(form->lstCom->count() - 1);
    form->PPButtonTurnClick();
    form->PPButtonTurnClick();
    form->PPButtonTurnClick();
    form->PPButtonStepClick();
    form->NMainDebug->trigger();

    QTest::mouseClick(form->FixToolButtonResult, Qt::LeftButton);
    SetMessageSink(nullptr);

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->Model().ExecX, 11);
    EXPECT_EQ(form->Model().ExecY, 1);
    EXPECT_EQ(form->Model().ExecDir, 270);
    EXPECT_EQ(form->lstCom->currentRow(), form->lstCom->count() - 1);   // "КОН"
    EXPECT_TRUE(form->FixToolButtonDo->isEnabled());
    EXPECT_TRUE(form->NMainWork->isEnabled());
    EXPECT_EQ(form->Model().StepDelay, 0);
}

TEST_P(ExecutorForm, WallBumpShowsTheWallMessageAndEndsTheRun)
{
    auto form = MakeForm();
    std::vector<std::pair<MessageKind, QString>> messages;
    SetMessageSink([&](MessageKind k, const QString& text) { messages.emplace_back(k, text); });
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    form->PPButtonTurnClick();   // faces up, into the top border
    form->PPButtonStepClick();
    form->PPButtonStepClick();
    form->NMainDebug->trigger();
    form->FixToolButtonResultClick();
    SetMessageSink(nullptr);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, MessageKind::Error);
    EXPECT_TRUE(messages[0].second.startsWith("НЕ МОГУ - СТЕНА !!!\r\r\r"));
    EXPECT_EQ(form->lstCom->currentRow(), 5);   // the first "ШАГ" stays highlighted
    EXPECT_TRUE(form->NMainWork->isEnabled());
    EXPECT_TRUE(form->FixToolButtonResult->isEnabled());
}

// However a run ends while it has a structure's "НЦ" or "ТО" lit, the editor
// takes over from a line it keeps whole: F2 then lands inside the structure.
TEST_P(ExecutorForm, ARunLeavesNoOpeningLineCurrent)
{
    const int deep = LineInterpreter::DefaultMaxNesting;
    QStringList loops;   // a loop in a loop ... as deep as a run may go
    for (int k = 0; k < deep; ++k)
        loops << "ПОКА впереди НЕ стена" << "НЦ";
    loops << "ПОВОРОТ" << QStringList(deep, "КЦ");
    const QStringList callInLoop = {"ДЕЛАЙ Р", "КОН", "ПРОЦЕДУРА Р", "ПОКА впереди НЕ стена", "НЦ",
                                    "ДЕЛАЙ Р", "КЦ", "КОНЕЦ ПРОЦЕДУРЫ"};
    const QStringList callInBranch = {"ДЕЛАЙ Р", "КОН", "ПРОЦЕДУРА Р", "ЕСЛИ впереди НЕ стена", "ТО",
                                      "ДЕЛАЙ Р", "ВСЁ", "КОНЕЦ ПРОЦЕДУРЫ"};
    struct Case {
        const char* how;
        Qt::Key panel;        // F8 or F7, then Tab, Space, F4 build the text ...
        QStringList body;     // ... or it stands after "НАЧ" as loaded
        QString stopAt;       // the stop button is pressed while this line is lit
        QString message;      // the box that ends the run, if any
        int current;          // the current line afterwards
    };
    const Case cases[] = {
        {"stop on НЦ", Qt::Key_F8, {}, "НЦ", {}, 6},
        {"stop on ТО", Qt::Key_F7, {}, "ТО", {}, 6},
        {"structure bound in a loop", Qt::Key_unknown, loops, {}, TooDeepStructuresMessage(), 4 + 2 * deep},
        {"call bound in a loop", Qt::Key_unknown, callInLoop, {}, TooDeepCallsMessage(), 9},
        {"call bound in a branch", Qt::Key_unknown, callInBranch, {}, TooDeepCallsMessage(), 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        auto form = MakeForm();
        QStringList messages;
        SetMessageSink([&](MessageKind, const QString& text) { messages << text; });
        form->NMainBegin->trigger();
        form->NMainWork->trigger();
        if (c.body.isEmpty()) {
            Press(*form, c.panel);
            Press(*form, Qt::Key_Tab);
            Press(*form, Qt::Key_Space);
            Press(*form, Qt::Key_F4);
        } else {
            QStringList lines = Items(form->lstCom).mid(0, 4);
            lines << c.body;
            if (!c.body.contains("КОН"))
                lines << "КОН";
            form->lstCom->clear();
            form->lstCom->addItems(lines);
        }
        form->NMainDebug->trigger();

        QToolButton* speed = form->FixToolButtonResult;
        if (!c.stopAt.isEmpty()) {
            speed = form->FixToolButtonQuick;   // each highlight is shown before its pause
            QObject::connect(form->lstCom, &QListWidget::currentRowChanged, form.get(), [&](int row) {
                if (row >= 0 && form->lstCom->item(row)->text().trimmed() == c.stopAt)
                    QTimer::singleShot(0, form.get(),
                                       [&] { QTest::mouseClick(form->FixToolButtonStop, Qt::LeftButton); });
            });
        }
        QTest::mouseClick(speed, Qt::LeftButton);
        SetMessageSink(nullptr);
        EXPECT_EQ(messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(form->lstCom->currentRow(), c.current);

        form->NMainWork->trigger();
        const QString above = form->lstCom->item(c.current - 1)->text().trimmed();
        Press(*form, Qt::Key_F2);
        EXPECT_EQ(form->lstCom->item(c.current)->text().trimmed(), "ШАГ");
        EXPECT_TRUE(above == "НЦ" || above == "ТО") << above.toStdString();
    }
}

TEST_P(ExecutorForm, ClosingTheWindowDuringARunEndsTheRun)
{
    auto form = MakeForm();
    SetMessageSink([](MessageKind, const QString&) {});
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    // Face left, into the border, then "ПОКА впереди стена" with an empty body loops for ever.
    form->PPButtonTurnClick();
    form->PPButtonTurnClick();
    form->PPButtonWhileClick();
    form->ButtonWhileClick();
    form->NMainDebug->trigger();

    QTimer::singleShot(50, form.get(), [&] { form->close(); });
    form->FixToolButtonResultClick();   // returns only once the run has ended
    SetMessageSink(nullptr);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->IsRunning());
}

} // namespace
