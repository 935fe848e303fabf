// What a pupil sees of a run and of the window around it: every highlight
// painted, a close while a box holds the run, the status bar over the field
// panel, and the window on screens of every size.

#include "EditionForm.h"
#include "ListRows.h"
#include "MessageBoxes.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QScrollBar>
#include <random>
#include <gtest/gtest.h>

namespace {

class RunDisplay : public ::testing::TestWithParam<Edition> {
protected:
    std::unique_ptr<TfrmRoPupil> Form(int width = 1024) { return MakeEditionForm(GetParam(), width); }
};

INSTANTIATE_TEST_SUITE_P(Editions, RunDisplay, ::testing::Values(Edition::FreeTask, Edition::Minimal),
                         [](const ::testing::TestParamInfo<Edition>& info) { return EditionName(info.param); });

// The algorithm list's rows as they are painted lit: the current row at
// every paint of the list.
class LitRows : public QObject {
public:
    explicit LitRows(QListWidget* list) : list_(list) { list->viewport()->installEventFilter(this); }
    std::vector<int> rows;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && (rows.empty() || rows.back() != list_->currentRow()))
            rows.push_back(list_->currentRow());
        return false;
    }

private:
    QListWidget* list_;
};

// Puts the body between "НАЧ" and "КОН" and goes to "Отладка".
void ReadyToRun(TfrmRoPupil& f, const QStringList& body)
{
    f.NMainBegin->trigger();
    f.NMainWork->trigger();
    QStringList lines = Items(f.lstCom).mid(0, 4);
    lines << body << QStringLiteral("КОН");
    f.lstCom->clear();
    f.lstCom->addItems(lines);
    f.lstCom->setCurrentRow(lines.size() - 1);
    f.NMainDebug->trigger();
}

TEST_P(RunDisplay, EveryHighlightIsPaintedBeforeThePauseThatFollowsIt)
{
    // From (0, 0) facing right, no wall ahead; lines 0 to 3 are the header and "НАЧ".
    struct Case { QStringList body; std::vector<int> lit; };
    const Case cases[] = {
        {{"ЕСЛИ впереди стена", "ТО", "   ШАГ", "ИНАЧЕ", "   ПОВОРОТ", "ВСЁ"}, {0, 1, 2, 3, 4, 7, 8, 9, 10}},
        {{"ЕСЛИ впереди НЕ стена", "ТО", "   ПОВОРОТ", "ИНАЧЕ", "   ШАГ", "ВСЁ"}, {0, 1, 2, 3, 4, 5, 6, 9, 10}},
        {{"ПОКА впереди НЕ стена", "НЦ", "   ПОВОРОТ", "КЦ"}, {0, 1, 2, 3, 4, 5, 6, 7, 4, 8}},
    };
    for (const Case& c : cases) {
        auto form = Form();
        SetMessageSink([](MessageKind, const QString&) {});
        ReadyToRun(*form, c.body);
        QCoreApplication::processEvents();
        LitRows lit(form->lstCom);
        const long made = form->lstCom->HighlightsMade(), painted = form->lstCom->HighlightsPainted();
        form->FixToolButtonQuickClick();   // the medium preset: pauses of 10 ms
        SetMessageSink(nullptr);
        EXPECT_EQ(lit.rows, c.lit) << c.body.first().toStdString();
        EXPECT_EQ(form->lstCom->HighlightsMade() - made, long(c.lit.size()));
        EXPECT_EQ(form->lstCom->HighlightsPainted() - painted, long(c.lit.size()));
    }
}

TEST_P(RunDisplay, HeldHighlightsEndWithTheSelectionAndScrollOfHighlightsShownOneByOne)
{
    // The fast preset holds highlights and shows the newest once a frame;
    // wherever it shows them, the list must stand as if each had been shown.
    auto form = Form();
    ReadyToRun(*form, QStringList(300, QStringLiteral("ПОВОРОТ")));
    form->show();
    AlgorithmList& list = *form->lstCom;
    std::mt19937 rng(7);
    std::vector<int> rows;
    for (int k = 0; k < 3000; ++k) {
        const int kind = int(rng() % 10);
        const int last = rows.empty() ? 0 : rows.back();
        rows.push_back(kind == 0 ? int(rng() % (list.count() + 1))          // anywhere, or past the end
                       : kind == 1 ? std::max(0, last - int(rng() % 40))   // back up
                                   : std::min(list.count() - 1, last + 1)); // on to the next line
    }
    auto reset = [&] {
        list.HighlightLine(-1);
        list.verticalScrollBar()->setValue(0);
    };
    for (const bool shownInFlight : {false, true}) {
        reset();
        std::vector<std::pair<int, int>> oneByOne, held;
        for (size_t k = 0; k < rows.size(); ++k) {
            list.HighlightLine(rows[k]);
            if (k % 97 == 0 || k + 1 == rows.size())
                oneByOne.emplace_back(list.currentRow(), list.verticalScrollBar()->value());
        }
        reset();
        list.HoldHighlights(true);
        for (size_t k = 0; k < rows.size(); ++k) {
            list.HighlightLine(rows[k]);
            if (shownInFlight && k % 5 == 0)
                list.ShowHeld();
            if (k % 97 == 0 || k + 1 == rows.size()) {
                list.ShowHeld();
                held.emplace_back(list.currentRow(), list.verticalScrollBar()->value());
            }
        }
        list.HoldHighlights(false);
        EXPECT_EQ(held, oneByOne);
        if (!shownInFlight)
            form->resize(form->width(), form->height() - 97);   // a list of another height
    }
}

TEST(AlgorithmListText, TheLinesARunReadsFollowEveryChangeOfTheList)
{
    AlgorithmList list(nullptr, "lstCom", 16);
    std::mt19937 rng(11);
    quint64 version = list.TextVersion();
    for (int k = 0; k < 400; ++k) {
        const int n = list.count();
        const QStringList before = list.Lines();
        const QString text = QString::number(k);
        switch (rng() % 7) {
        case 0: list.addItems({text, text + "a"}); break;
        case 1: list.insertItem(n ? int(rng() % n) : 0, text); break;
        case 2: if (n) delete list.takeItem(int(rng() % n)); break;
        case 3: if (n > 1) list.model()->removeRows(int(rng() % (n - 1)), 2); break;
        case 4: if (n) list.item(int(rng() % n))->setText(text); break;
        case 5: if (rng() % 8 == 0) list.clear(); break;
        default: list.insertItems(n ? int(rng() % n) : 0, {text, "", text}); break;
        }
        ASSERT_EQ(list.Lines(), ListItems(&list)) << "after change " << k;
        // Whatever changed the text, a run must not take it for the one before.
        if (list.Lines() != before) {
            EXPECT_NE(list.TextVersion(), version) << "after change " << k;
        }
        version = list.TextVersion();
    }
}

TEST_P(RunDisplay, ScreenReadersReadEveryLineAndTheHighlight)
{
    auto form = Form();
    ReadyToRun(*form, {"ШАГ", "ПОВОРОТ"});
    form->lstCom->HighlightLine(4);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form->lstCom);
    ASSERT_TRUE(list && list->tableInterface());
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_EQ(table->rowCount(), form->lstCom->count());
    for (int row = 0; row < table->rowCount(); ++row) {
        QAccessibleInterface* cell = table->cellAt(row, 0);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->text(QAccessible::Name), form->lstCom->item(row)->text());
        EXPECT_EQ(bool(cell->state().selected), row == 4) << row;
    }
}

// Watches for the message box of a run: `onBox` acts on the first one seen;
// any box still open after two seconds is closed, so a fault cannot hang the test.
class BoxWatch : public QObject {
public:
    explicit BoxWatch(std::function<void(QMessageBox*)> onBox) : onBox_(std::move(onBox))
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible())
                    continue;
                if (seen++ == 0)
                    onBox_(box);
                else if (seen > 400)
                    box->done(QMessageBox::Ok);
            }
        });
        timer_.start();
    }
    int seen = 0;

private:
    std::function<void(QMessageBox*)> onBox_;
    QTimer timer_;
};

class BlockedCount : public QObject {
public:
    int blocked = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowBlocked)
            ++blocked;
        return false;
    }
};

// As the window manager asks: through the window, not the widget.
void RequestClose(TfrmRoPupil& f)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(f.windowHandle(), &close);
}

TEST_P(RunDisplay, ACloseWhileTheWallBoxHoldsTheRunEndsTheRunAndClosesTheWindow)
{
    auto form = Form();
    ReadyToRun(*form, {"ПОВОРОТ", "ШАГ", "ШАГ"});   // up into the border
    BlockedCount blocked;
    form->installEventFilter(&blocked);
    bool closedFromBox = false;
    BoxWatch watch([&](QMessageBox* box) {
        EXPECT_TRUE(box->text().startsWith("НЕ МОГУ - СТЕНА !!!"));
        RequestClose(*form);
        closedFromBox = !box->isVisible();
    });
    form->FixToolButtonResultClick();
    EXPECT_EQ(watch.seen, 1);
    EXPECT_TRUE(closedFromBox);
    EXPECT_EQ(blocked.blocked, 0);   // a blocked window would drop the request
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->IsRunning());
    EXPECT_EQ(form->lstCom->currentRow(), 5);   // no later line ran
}

TEST_P(RunDisplay, ACloseDuringTheBlinksEndsTheRunWithoutTheBox)
{
    auto form = Form();
    ReadyToRun(*form, {"ПОВОРОТ", "ШАГ"});
    // The pauses between the blinks let no message through: the request waits.
    struct PostOnFrame : QObject {
        TfrmRoPupil* f;
        int frames = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && ++frames == 10)
                QCoreApplication::postEvent(f->windowHandle(), new QCloseEvent);
            return false;
        }
    } post;
    post.f = form.get();
    form->PaintImage->installEventFilter(&post);
    BoxWatch watch([](QMessageBox* box) { box->done(QMessageBox::Ok); });
    form->FixToolButtonResultClick();
    EXPECT_GT(post.frames, 40);   // the 20 blinks were shown
    EXPECT_EQ(watch.seen, 0);
    EXPECT_FALSE(form->isVisible());
}

TEST_P(RunDisplay, TheStatusBarKeepsTheFieldHintOverItsMarginAndNumbers)
{
    auto form = Form();
    TfrmRoPupil& f = *form;
    f.NMainBegin->trigger();
    f.NMainWork->trigger();   // the statistics are shown
    const QString panelHint = QStringLiteral(" Рабочее поле для Тимпушки ");
    QTest::mouseMove(f.PaintImage, f.PaintImage->rect().center());
    EXPECT_EQ(f.StatusBar1->currentMessage(), QStringLiteral(" Рабочее поле для Тимпушки"));
    // The margin of pnl1 below the field, then a column number, then a row number.
    QTest::mouseMove(f.pnl1, QPoint(90, f.pnl1->height() - 5));
    EXPECT_EQ(f.StatusBar1->currentMessage(), panelHint);
    QTest::mouseMove(static_cast<QWidget*>(f.AxisLabelsX[3]), QPoint(1, 1));
    EXPECT_EQ(f.StatusBar1->currentMessage(), panelHint);
    QTest::mouseMove(static_cast<QWidget*>(f.AxisLabelsY[4]), QPoint(1, 1));
    EXPECT_EQ(f.StatusBar1->currentMessage(), panelHint);
    QTest::mouseMove(f.PaintImage, f.PaintImage->rect().center());
    QTest::mouseMove(f.ListStatist, QPoint(5, 5));
    EXPECT_EQ(f.StatusBar1->currentMessage(),
              QStringLiteral(" Подсчет числа команд и управляющих структур в вашем алгоритме"));
}

TEST_P(RunDisplay, TheFieldPanelShowsBothBevels)
{
    auto form = Form();
    const QImage img = form->pnl1->grab().toImage();
    const int y = img.height() / 2, w = img.width();
    auto grey = [&](int x) { return qGray(img.pixel(x, y)); };
    EXPECT_GT(grey(0), grey(w - 1));   // outer: raised, lit from the top left
    EXPECT_LT(grey(1), grey(w - 2));   // inner: lowered
}

TEST_P(RunDisplay, TheWholeWindowIsOnScreensOfEverySize)
{
    struct Screen { int width, height; };
    const Screen screens[] = {{800, 600}, {1024, 768}, {1280, 1024}, {1366, 768},
                              {1920, 1080}, {2560, 1440}, {3840, 2160}};
    for (const Screen& s : screens) {
        auto form = std::make_unique<TfrmRoPupil>(
            GetParam() == Edition::FreeTask ? std::unique_ptr<RoPupilEdition>(std::make_unique<FreeTaskEdition>())
                                            : std::make_unique<RoPupilEdition>(),
            s.width, QRect(0, 0, s.width, s.height));
        form->show();
        TfrmRoPupil& f = *form;
        const int statusTop = f.StatusBar1->mapTo(&f, QPoint(0, 0)).y();
        for (QWidget* w : {static_cast<QWidget*>(f.pnl1), static_cast<QWidget*>(f.lstCom),
                           static_cast<QWidget*>(f.ListStatist)}) {
            EXPECT_LE(w->mapTo(&f, QPoint(0, w->height())).y(), statusTop) << s.width << " " << w->objectName().toStdString();
        }
        EXPECT_EQ(f.StatusBar1->mapTo(&f, QPoint(0, f.StatusBar1->height())).y(), f.height()) << s.width;
        // Room is kept for the window's title bar and border.
        EXPECT_LE(f.height() + 34, s.height) << s.width;
        EXPECT_LE(f.Model().Margin, s.width / 100) << s.width;
        if (s.width == 1024) {
            EXPECT_EQ(f.Model().Margin, 10);
            EXPECT_EQ(f.ClientHeight(), FormClientHeight);
        }
    }
}

} // namespace
