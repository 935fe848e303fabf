// The fixed-task window, driven offscreen: its layout, its stages, the life
// of the pattern and solution panels, the help items, the built-in task run
// to its square, and task texts of our own with walls and faults.

#include "DockablePanel.h"
#include "FieldRenderer.h"
#include "FixedTaskEdition.h"
#include "FixedTaskLayout.h"
#include "FixedTaskTexts.h"
#include "MessageBoxes.h"
#include "FreeTaskEdition.h"
#include "RoPupilUnit.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Window {
    std::unique_ptr<TfrmRoPupil> form;
    FixedTaskEdition* edition = nullptr;
    TfrmRoPupil& f() { return *form; }
};

Window MakeWindow(int screenWidth = 1024, const QStringList& task = {}, const QRect& workArea = QRect())
{
    auto edition = std::make_unique<FixedTaskEdition>();
    Window w;
    w.edition = edition.get();
    if (!task.isEmpty())
        edition->MemoTask = task;
    w.form = std::make_unique<TfrmRoPupil>(std::move(edition), screenWidth, workArea);
    w.form->show();
    return w;
}

// Collects the boxes instead of showing them; `during` runs inside each one.
struct Boxes {
    std::vector<std::pair<MessageKind, QString>> shown;
    std::function<void()> during;
    Boxes()
    {
        SetMessageSink([this](MessageKind k, const QString& t) {
            shown.emplace_back(k, t);
            if (during)
                during();
        });
    }
    ~Boxes() { SetMessageSink(nullptr); }
};

QStringList Items(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// One character per control, in the order of the stage table:
// begin work debug pattern help | run stop key | labels buttons list statVisible statEnabled |
// strip-input labelTsk lstTsk patternShown patternItemVisible
std::string StageOf(Window& w)
{
    TfrmRoPupil& f = w.f();
    FixedTaskEdition& e = *w.edition;
    auto b = [](bool on) { return on ? '1' : '0'; };
    return {b(f.NMainBegin->isEnabled()), b(f.NMainWork->isEnabled()), b(f.NMainDebug->isEnabled()),
            b(e.NMainPattern->isEnabled()), b(e.NMainHelp->isEnabled()), ' ',
            b(f.FixToolButtonDo->isEnabled() && f.FixToolButtonQuick->isEnabled() &&
              f.FixToolButtonResult->isEnabled()),
            b(f.FixToolButtonStop->isEnabled()), b(e.FixToolButtonKey->isEnabled()), ' ',
            b(f.LabelPP1->isEnabled() && f.LabelPP5->isEnabled()), b(f.PPButtonStep->isEnabled()),
            b(f.lstCom->isEnabled()), b(!f.ListStatist->isHidden()), b(f.ListStatist->isEnabled()), ' ',
            b(e.lstTsk->focusPolicy() != Qt::NoFocus), b(e.LabelTsk->isEnabled() && e.LabelTskName->isEnabled()),
            b(e.lstTsk->isEnabled()), b(e.pnlPattern->IsShown()), b(e.NMainPattern->isVisible())};
}

void Click(QWidget* w, const QPoint& at)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

TEST(FixedTaskWindow, LaysItselfOutAsDesigned)
{
    // The figures themselves are the layout unit's (test_fixed_task_layout); here the window applies them.
    for (int screen : {1024, 800}) {
        SCOPED_TRACE(screen);
        // A 4:3 screen: at 800 x 600 too the designed layout stays, the
        // client shortened to the work area.
        const int screenHeight = screen * 3 / 4;
        Window w = MakeWindow(screen, {}, QRect(0, 0, screen, screenHeight));
        TfrmRoPupil& f = w.f();
        const FixedTaskLayout l = ComputeFixedTaskLayout(screen);
        const int m = l.Form.Margin, c = f.Model().CellSize, half = f.Model().HalfCell;
        EXPECT_EQ(w.edition->pnlTskNew->geometry(), l.pnlTskNew);
        EXPECT_EQ(f.PPPanelSystCom->geometry(), l.Form.PPPanelSystCom);
        EXPECT_EQ(f.lstCom->geometry(), l.Form.lstCom);
        EXPECT_EQ(f.pnl1->geometry(), l.Form.pnl1);
        EXPECT_EQ(f.ListStatist->geometry(), l.Form.ListStatist);
        EXPECT_EQ(w.edition->lstTsk->geometry(), QRect(120, 8, l.lstTskWidth, 33));
        EXPECT_EQ(w.edition->pnlPattern->pos(), l.pnlPattern);
        EXPECT_EQ(w.edition->pnlDec->pos(), l.pnlDec);
        EXPECT_EQ(c, screen == 1024 ? 43 : 34);
        EXPECT_EQ(f.PaintImage->width(), 2 * m + 12 * c);
        EXPECT_EQ(f.PanelX->width(), f.pnlMain->width() + 2 * m);
        // Exactly twelve numbers a side, made in their final places.
        ASSERT_EQ(f.AxisLabelsX.size(), 12);
        ASSERT_EQ(f.AxisLabelsY.size(), 12);
        EXPECT_EQ(f.AxisLabelsX[11]->text(), "11");
        EXPECT_EQ(f.AxisLabelsX[11]->x(), 2 * m + half + 11 * c);
        EXPECT_EQ(f.AxisLabelsY[11]->y(), 2 * m + half + 11 * c);
        if (screen == 1024) {
            EXPECT_EQ(f.height() - f.MainMenu->sizeHint().height(), 685);
        }
        // The whole field and all nine statistics lines stand above the
        // status bar, which stays on the screen.
        EXPECT_LE(f.PaintImage->mapTo(&f, QPoint(0, f.PaintImage->height())).y(), f.StatusBar1->y());
        EXPECT_LE(f.ListStatist->viewport()->mapTo(&f, QPoint(0, 9 * 13)).y(), f.StatusBar1->y());
        EXPECT_LE(f.frameGeometry().bottom(), screenHeight);
    }
    // On a low, wide screen the window fits its work area: the whole field and the status bar show.
    TfrmRoPupil wide(std::make_unique<FixedTaskEdition>(), 1920, QRect(0, 0, 1920, 1040));
    wide.show();
    EXPECT_EQ(wide.Model().Margin, 15);
    EXPECT_LE(wide.pnl1->mapTo(&wide, QPoint(0, wide.pnl1->height())).y(), wide.StatusBar1->y());
    EXPECT_LE(wide.frameGeometry().bottom(), 1040);

    Window w = MakeWindow();
    // The key stands after the wide separator and, like the run buttons, is for the mouse only.
    EXPECT_EQ(w.edition->FixToolButtonKey->x(), w.f().FixToolButtonStop->geometry().right() + 1 + 180);
    EXPECT_EQ(w.edition->FixToolButtonKey->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w.f().windowTitle(), "Исполнитель \"Тимпушка\".  Задача  \"Квадрат\"");
    EXPECT_EQ(w.f().PaintImage->statusTip(), " Рабочее поле для Тимпушки имеет размер 12х12 клеток");
    EXPECT_EQ(w.f().pnl1->toolTip(), "Рабочее поле для Тимпушки ");
}

TEST(FixedTaskWindow, LeftFacingExecutorStandsOnePixelLowerThanInTheFreeTaskWindow)
{
    Window fixed = MakeWindow();
    TfrmRoPupil free(std::make_unique<FreeTaskEdition>(), 1024);
    for (TfrmRoPupil* f : {&fixed.f(), &free}) {
        f->Model().ExecX = f->Model().ExecY = 5;
        f->DrawField();
        f->Renderer().DrawExecutor(180);
    }
    const QImage a = fixed.f().Model().FieldBitmap, b = free.Model().FieldBitmap;
    ASSERT_EQ(a.size(), b.size());
    EXPECT_NE(a, b);
    // Row y + 1 of the fixed window is row y of the free one, across the executor's box.
    const int top = 5 * 43 + 31 - 15, left = 5 * 43 + 31 - 15;
    for (int y = top; y < top + 31; ++y)
        for (int x = left; x < left + 31; ++x)
            ASSERT_EQ(a.pixel(x, y + 1), b.pixel(x, y)) << x << "," << y;
}

TEST(FixedTaskWindow, StagesSwitchTheirControlsInEveryColumn)
{
    Window w = MakeWindow();
    TfrmRoPupil& f = w.f();
    EXPECT_EQ(StageOf(w), "10000 000 00001 00101");
    EXPECT_TRUE(w.edition->lstTsk->count() == 0 && !w.edition->pnlDec->IsShown());
    f.NMainBeginClick();
    EXPECT_EQ(StageOf(w), "01001 000 00001 01111");
    EXPECT_EQ(Items(w.edition->lstTsk), w.edition->MemoTask.mid(1, 2));
    EXPECT_EQ(Items(f.lstCom).at(2), "    Надо: Воспроизвести образец");
    f.NMainBeginClick(); // once only
    EXPECT_EQ(StageOf(w), "01001 000 00001 01111");
    f.NMainWorkClick();
    EXPECT_EQ(StageOf(w), "00111 000 11111 01101");
    f.NMainDebugClick();
    EXPECT_EQ(StageOf(w), "01001 111 00010 00001");

    // During a run (held here by its wall-bump box) the key is off with the
    // speed buttons and "Справка" answers; afterwards all are back on.
    Boxes boxes;
    std::string running;
    int helpBoxes = 0;
    boxes.during = [&] {
        if (running.empty()) {
            running = StageOf(w);
            w.edition->NMainHelpCor->trigger();
        } else {
            ++helpBoxes;
        }
    };
    f.lstCom->insertItem(4, "ПОКА впереди НЕ стена");
    f.lstCom->insertItem(5, "НЦ");
    f.lstCom->insertItem(6, "ШАГ");
    f.lstCom->insertItem(7, "КЦ");
    f.lstCom->insertItem(8, "ШАГ");
    f.FixToolButtonResultClick();
    EXPECT_EQ(running, "00001 010 00010 00001");
    EXPECT_EQ(helpBoxes, 1);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].first, MessageKind::Information);
    EXPECT_EQ(StageOf(w), "01001 111 00010 00001");
}

TEST(FixedTaskWindow, PatternPanelLivesThroughTheStages)
{
    Window w = MakeWindow();
    TfrmRoPupil& f = w.f();
    DockablePanel* pattern = w.edition->pnlPattern;
    f.NMainBeginClick();
    EXPECT_TRUE(pattern->IsShown());
    EXPECT_FALSE(pattern->IsFloating());
    EXPECT_EQ(w.edition->imagePattern->pixmap().size(), QSize(254, 254));
    f.NMainWorkClick();
    EXPECT_FALSE(pattern->IsShown());
    w.edition->NMainPattern->trigger();
    EXPECT_TRUE(pattern->IsShown());
    w.edition->NMainPattern->trigger();
    EXPECT_FALSE(pattern->IsShown());
    w.edition->NMainPattern->trigger();
    f.NMainDebugClick();
    EXPECT_TRUE(pattern->IsShown()) << "debugging leaves it as it was";
    w.edition->NMainPattern->trigger(); // disabled in debugging
    EXPECT_TRUE(pattern->IsShown());

    // Dragged off, it floats in a tool window; closing that hides it, and
    // "Образец" opens it again, floating.
    f.NMainWorkClick();
    w.edition->NMainPattern->trigger();
    QTest::mousePress(pattern, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 40), pattern->mapToGlobal(QPointF(60, 40)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pattern, &move);
    QTest::mouseRelease(pattern, Qt::LeftButton, Qt::NoModifier, QPoint(60, 40));
    ASSERT_TRUE(pattern->IsFloating());
    QWidget* floating = pattern->FloatingWindow();
    EXPECT_TRUE(floating->isWindow() && floating->isVisible());
    EXPECT_EQ(pattern->parentWidget(), floating);
    floating->close();
    EXPECT_FALSE(pattern->IsShown());
    w.edition->NMainPattern->trigger();
    EXPECT_TRUE(pattern->IsShown() && pattern->IsFloating() && floating->isVisible());
    f.NMainDebugClick();
    f.NMainWorkClick();
    EXPECT_FALSE(floating->isVisible());
}

TEST(FixedTaskWindow, SolutionPanelOpensInDebuggingAndOutlivesTheStages)
{
    Window w = MakeWindow();
    TfrmRoPupil& f = w.f();
    DockablePanel* solution = w.edition->pnlDec;
    f.NMainBeginClick();
    f.NMainWorkClick();
    w.edition->FixToolButtonKey->click(); // disabled in development
    EXPECT_FALSE(solution->IsShown());
    f.NMainDebugClick();
    w.edition->FixToolButtonKey->click();
    EXPECT_TRUE(solution->IsShown());
    f.NMainWorkClick();
    QTest::keyClick(f.lstCom, Qt::Key_F2);
    EXPECT_TRUE(solution->IsShown());
    EXPECT_EQ(w.edition->lstDec->count(), 15);
    EXPECT_EQ(w.edition->lstDec->item(4)->text(), "    ШАГ");
    EXPECT_EQ(w.edition->ListStatistDec->item(8)->text(), "Итого:  строк    ... 12");

    // A click on a control leaves both panels; one on the free background hides both.
    w.edition->NMainPattern->trigger();
    Click(f.PPButtonStep, QPoint(3, 3));
    Click(solution, QPoint(3, 3));
    EXPECT_TRUE(solution->IsShown() && w.edition->pnlPattern->IsShown());
    // The task strip takes no input: a click on it is a click on the background.
    Click(f.ClientArea(), QPoint(2, f.ClientArea()->height() - 30));
    EXPECT_FALSE(solution->IsShown() || w.edition->pnlPattern->IsShown());
    w.edition->NMainPattern->trigger();
    Click(w.edition->pnlTskNew, QPoint(40, 40));
    EXPECT_FALSE(w.edition->pnlPattern->IsShown());
}

TEST(FixedTaskWindow, HelpItemsAnswerFromBeginOnWithTheirTexts)
{
    Window w = MakeWindow();
    TfrmRoPupil& f = w.f();
    Boxes boxes;
    EXPECT_FALSE(w.edition->NMainHelp->isEnabled());
    const std::vector<void (TfrmRoPupil::*)()> stages = {&TfrmRoPupil::NMainBeginClick, &TfrmRoPupil::NMainWorkClick,
                                                         &TfrmRoPupil::NMainDebugClick};
    for (auto stage : stages) {
        (f.*stage)();
        ASSERT_TRUE(w.edition->NMainHelp->isEnabled());
        for (QAction* item : w.edition->NMainHelpMenu->actions())
            item->trigger();
    }
    ASSERT_EQ(boxes.shown.size(), 9u);
    const int lines[] = {6, 17, 31};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes.shown[i].first, MessageKind::Information);
        EXPECT_EQ(boxes.shown[i].second.count('\r'), lines[i] - 1);
        EXPECT_EQ(boxes.shown[i + 6].second, boxes.shown[i].second);
    }
    EXPECT_EQ(boxes.shown[2].second.count('\t'), 4);
    EXPECT_FALSE(boxes.shown[2].second.endsWith('\r'));
}

// A box is as wide as its longest line, up to half the screen, and breaks
// only lines wider than that.
TEST(FixedTaskWindow, HelpBoxesGrowWithTheirLongestLineUpToHalfTheScreen)
{
    const int limit = QGuiApplication::primaryScreen()->geometry().width() / 2;
    for (const QString& text : {HelpCorText(), HelpTimpaText(), HelpUmkText()}) {
        int labelWidth = -1, longest = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QMessageBox* box = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible())
                    box = b;
            if (!box)
                return;
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const QFontMetrics fm(label->font());
            for (const QString& line : text.split('\r'))
                longest = std::max(longest, fm.horizontalAdvance(line));
            labelWidth = label->width();
            box->done(QMessageBox::Ok);
        });
        watch.start(10);
        MessageDlgInformation(text);
        EXPECT_GE(labelWidth, std::min(longest, limit)) << text.left(20).toStdString();
        EXPECT_LE(labelWidth, std::max(longest, limit) + 1) << text.left(20).toStdString();
    }
}

// The text width a box takes on the classroom screens: a text too tall for a
// low screen at half its width takes more of it, and then fits.
TEST(FixedTaskWindow, HelpBoxesFitTheScreenTheyAreShownOn)
{
    const QFont font = QApplication::font("QMessageBox");
    const QFontMetrics fm(font);
    struct Case {
        QString text;
        int screenWidth;
        QSize room;
        bool halfTheScreen; // its longest line is wider than half the screen
    };
    const QString cor = HelpCorText().replace('\r', '\n'), umk = HelpUmkText().replace('\r', '\n');
    for (const Case& c : {Case{cor, 1024, {1024, 738}, false}, Case{umk, 1024, {1024, 738}, true},
                          Case{umk, 800, {800, 570}, true}, Case{umk, 1920, {1920, 1050}, false}}) {
        SCOPED_TRACE(c.screenWidth);
        const int width = MessageTextWidth(font, c.text, c.screenWidth, c.room);
        const int height =
            fm.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap | Qt::TextExpandTabs, c.text, MessageTabStop(fm))
                .height();
        EXPECT_LE(height + MessageBoxFrame, c.room.height());
        EXPECT_LE(width + MessageBoxFrame, c.room.width());
        if (c.halfTheScreen)
            EXPECT_GE(width, c.screenWidth / 2);
        else
            EXPECT_LT(width, c.screenWidth / 2);   // as wide as its longest line, nothing broken
    }
}

// The pixel of the trace half way between the centres of two cells.
QRgb Between(TfrmRoPupil& f, int x0, int y0, int x1, int y1)
{
    const RoPupilModel& m = f.Model();
    const int px = m.CellCentreX0 + (x0 + x1) * m.CellSize / 2 + 1;
    const int py = m.CellCentreY0 + (y0 + y1) * m.CellSize / 2 + 1;
    return m.FieldBitmap.pixel(px, py);
}

TEST(FixedTaskWindow, CorrectSolutionTypedWithKeysDrawsTheSquareFromA)
{
    Window w = MakeWindow();
    TfrmRoPupil& f = w.f();
    Boxes boxes;
    f.NMainBeginClick();
    f.NMainWorkClick();
    for (Qt::Key k : {Qt::Key_F2, Qt::Key_F4, Qt::Key_F2, Qt::Key_F4, Qt::Key_F2, Qt::Key_F4, Qt::Key_F2})
        QTest::keyClick(f.lstCom, k);
    EXPECT_EQ(Items(f.lstCom), Items(w.edition->lstDec).mid(0, 12).replaceInStrings("ПУТЬ_1", "ПУТЬ_0"));
    f.NMainDebugClick();
    f.FixToolButtonResultClick();
    const QRgb trace = FieldRenderer::TraceColor().rgb();
    EXPECT_EQ(Between(f, 4, 3, 5, 3), trace);
    EXPECT_EQ(Between(f, 5, 3, 5, 2), trace);
    EXPECT_EQ(Between(f, 5, 2, 4, 2), trace);
    EXPECT_EQ(Between(f, 4, 2, 4, 3), trace);
    EXPECT_NE(Between(f, 3, 3, 4, 3), trace);
    EXPECT_EQ(f.Model().ExecX, 4);
    EXPECT_EQ(f.Model().ExecY, 3);
    EXPECT_EQ(f.Model().ExecDir, 270);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(FixedTaskWindow, TaskWithWallsRunsEveryCombinationAndTheTimersSwapTheWalls)
{
    Window w = MakeWindow(1024, {"# 175 0 1", "Стенки", "Z", "1  0  0   0 11 11", "H", "  1  0  2  0", "V",
                                 "  3  3", "H", "  5  5", "P", " H  0  5 V  0  5", "P", " V  6  0 H  6  0", "P",
                                 " H  9  9 V  9  9", "E"});
    TfrmRoPupil& f = w.f();
    Boxes boxes;
    f.NMainBeginClick();
    const RoPupilModel& m = f.Model();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(m.HorzWallX.size(), 3u);
    EXPECT_EQ(m.JumpWallCount(), 3);
    EXPECT_FALSE(w.edition->NMainPattern->isVisible());
    EXPECT_EQ(Items(f.lstCom).at(2), "    Надо: Исполнитель в т.Б");
    // The inner wall under cell (1, 0) stands on the field in the wall colour.
    EXPECT_EQ(m.FieldBitmap.pixel(10 + 43 + 21, 10 + 43), FieldRenderer::WallColor().rgb());
    EXPECT_EQ(m.JumpWallState[0], 1);
    f.Timer1Timer();
    EXPECT_EQ(m.JumpWallState[0], 2);
    EXPECT_EQ(m.JumpWallState[1], 1);

    f.NMainWorkClick();
    f.NMainDebugClick();
    f.FixToolButtonResultClick();
    ASSERT_EQ(boxes.shown.size(), 8u);
    EXPECT_EQ(boxes.shown.front().second, "Алгоритм исполнен\rпри расположении стенок: 1 1 1 ");
    EXPECT_EQ(boxes.shown.back().second, "Алгоритм исполнен\rпри расположении стенок: 2 2 2 ");
    f.Timer2Timer();
    EXPECT_EQ(m.JumpWallState[1], 1);
}

TEST(FixedTaskWindow, FaultyTaskTextsShowTheirBoxAndLeaveDevelopmentOpen)
{
    {
        Window w = MakeWindow(1024, {"# 175 1 0", "t", "Z", "1  4  3   0", "H", "  1  2"});
        Boxes boxes;
        w.f().NMainBeginClick();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0], std::make_pair(MessageKind::Plain, QStringLiteral("Ошибка в тексте задачи")));
        EXPECT_EQ(w.f().Model().HorzWallX.size(), 1u);
        EXPECT_EQ(StageOf(w), "01001 000 00001 01111") << "the set-up went on";
    }
    {
        Window w = MakeWindow(1024, {"# 175 1 0", "t", "Z", "1  4 x3   0", "E"});
        Boxes boxes;
        w.f().NMainBeginClick();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0],
                  std::make_pair(MessageKind::ProgramError, QStringLiteral("'x3' is not a valid integer value.")));
        EXPECT_EQ(StageOf(w), "01001 000 00001 00101") << "labels stay greyed, the pattern unshown";
        w.f().NMainWorkClick();
        EXPECT_EQ(StageOf(w), "00111 000 11111 01101");
    }
}

} // namespace

TEST(FixedTaskWindow, ProcedurePanelAndContextMenuOfThisProgram)
{
    Window w = MakeWindow();
    TfrmRoPupil& f = w.f();
    EXPECT_EQ(f.PanelProc->geometry(), QRect(8, 136, 265, 169));
    EXPECT_EQ(f.ComMenu->actions().last(), f.N7);  // no file items
    // "Начать" and "Удалить тело алгоритма " both empty the names.
    f.ListBoxProc->addItem("Квадрат");
    f.NMainBeginClick();
    EXPECT_EQ(f.ListBoxProc->count(), 0);
    f.NMainWorkClick();
    f.ListBoxProc->addItem("Квадрат");
    f.lstCom->addItem("ПРОЦЕДУРА Квадрат");
    f.N4->trigger();
    EXPECT_EQ(f.ListBoxProc->count(), 0);
    EXPECT_EQ(f.lstCom->count(), 5);
    EXPECT_EQ(f.CurrentLine(), 4);
}
