#include "FieldRenderer.h"
#include "MessageBoxes.h"
#include "FreeTaskEdition.h"
#include "PointsPanel.h"
#include "RoPupilUnit.h"
#include "UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Message {
    MessageKind kind;
    QString text;
};

// A free-task window at a 1024-pixel screen, in "Разработка", with the
// message boxes caught.
class PointsPanelTest : public ::testing::Test {
protected:
    PointsPanelTest()
        : form(std::make_unique<FreeTaskEdition>(), 1024),
          ed(static_cast<FreeTaskEdition&>(form.Edition())),
          m(form.Model())
    {
        SetMessageSink([this](MessageKind k, const QString& t) { messages.push_back({k, t}); });
        form.show();
        form.NMainBegin->trigger();
        form.NMainWork->trigger();
    }
    ~PointsPanelTest() override { SetMessageSink(nullptr); }

    void SetPanel(bool a, const char* ax, const char* ay, int dir, bool b, const char* bx, const char* by)
    {
        ed.CheckBoxA->setChecked(a);
        ed.EditAX->setText(QString::fromUtf8(ax));
        ed.EditAY->setText(QString::fromUtf8(ay));
        ed.ComboBoxTo->setCurrentIndex(dir);
        ed.CheckBoxB->setChecked(b);
        ed.EditBX->setText(QString::fromUtf8(bx));
        ed.EditBY->setText(QString::fromUtf8(by));
    }
    // Opens the panel with "Точки", fills it and closes it again with "Точки".
    void Apply(bool a, const char* ax, const char* ay, int dir, bool b = false, const char* bx = "0",
               const char* by = "0")
    {
        ed.NMainPoints->trigger();
        SetPanel(a, ax, ay, dir, b, bx, by);
        ed.NMainPoints->trigger();
    }
    // The algorithm as given, between the skeleton's "НАЧ" and "КОН".
    void SetBody(const QStringList& body)
    {
        while (form.lstCom->count() > 5)
            delete form.lstCom->takeItem(4);
        form.lstCom->insertItems(4, body);
        form.lstCom->setCurrentRow(4);
    }
    void RunFast()
    {
        form.NMainDebug->trigger();
        form.FixToolButtonResultClick();
    }
    QRgb CellCentre(int x, int y) const
    {
        return m.FieldBitmap.pixel(m.CellCentreX0 + x * m.CellSize, m.CellCentreY0 + y * m.CellSize);
    }

    TfrmRoPupil form;
    FreeTaskEdition& ed;
    RoPupilModel& m;
    std::vector<Message> messages;
};

const QStringList kWalk = {QStringLiteral("    ПОКА впереди НЕ стена"), QStringLiteral("    НЦ"),
                           QStringLiteral("        ШАГ"), QStringLiteral("    КЦ")};

TEST_F(PointsPanelTest, PanelAsDesigned)
{
    EXPECT_TRUE(ed.PanelPoints->isHidden());
    EXPECT_EQ(ed.PanelPoints->geometry(), QRect(40, 72, 681, 41));
    EXPECT_EQ(ed.PanelPoints->parentWidget(), form.ClientArea());
    EXPECT_TRUE(ed.CheckBoxA->isChecked());
    EXPECT_FALSE(ed.CheckBoxB->isChecked());
    EXPECT_EQ(ed.ComboBoxTo->currentText(), "вправо");
    EXPECT_EQ(ed.ComboBoxTo->currentIndex(), -1);
    EXPECT_EQ(ed.ComboBoxTo->count(), 4);
    for (QLineEdit* e : {ed.EditAX, ed.EditAY, ed.EditBX, ed.EditBY})
        EXPECT_EQ(e->text(), "0");
    for (UpDown* u : {ed.UpDownAX, ed.UpDownAY, ed.UpDownBX, ed.UpDownBY}) {
        EXPECT_EQ(u->Min(), 0);
        EXPECT_EQ(u->Max(), 11);
    }
    // Places count from inside the panel's border.
    const QPoint in(PointsPanel::Inset, PointsPanel::Inset);
    EXPECT_EQ(ed.EditBY->geometry(), QRect(QPoint(592, 6) + in, QSize(25, 21)));
    EXPECT_EQ(ed.UpDownBY->geometry(), QRect(QPoint(617, 6) + in, QSize(16, 21)));
    EXPECT_EQ(ed.Label8->pos(), QPoint(216, 8) + in);
    EXPECT_EQ(ed.Label8->text(), "Направление=");
    EXPECT_EQ(ed.NMainPoints->text(), "Точки        ");
    EXPECT_EQ(ed.NMainHelpMenu->actions().size(), 4);
    EXPECT_EQ(ed.N1212->text(), QString::fromUtf8("12 \xd1\x85 1&2"));   // Cyrillic "х"
    EXPECT_EQ(ed.N1515->text(), "15 x 1&5");
    EXPECT_FALSE(ed.NMainHelp->statusTip().isEmpty());

    // Tab order: the four coordinates, the two check boxes, the direction.
    ed.NMainPoints->trigger();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ed.EditAX->setFocus();
    for (QWidget* next : {(QWidget*)ed.EditAY, (QWidget*)ed.EditBX, (QWidget*)ed.EditBY,
                          (QWidget*)ed.CheckBoxA, (QWidget*)ed.CheckBoxB, (QWidget*)ed.ComboBoxTo}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* f = QApplication::focusWidget();
        EXPECT_TRUE(f == next || f->parentWidget() == next) << next->objectName().toStdString();
    }
}

TEST_F(PointsPanelTest, TheSpinnersStepWithinTheFieldWithoutWrapping)
{
    ed.NMainPoints->trigger();
    ed.EditAX->setText("9");
    for (int k = 0; k < 5; ++k)
        ed.UpDownAX->UpButton()->click();
    EXPECT_EQ(ed.EditAX->text(), "11");
    QTest::keyClick(ed.EditAX, Qt::Key_Down);
    EXPECT_EQ(ed.EditAX->text(), "10");
    ed.EditAY->setText("абв");   // no number typed: the spinner goes on from its own place
    ed.UpDownAY->DownButton()->click();
    EXPECT_EQ(ed.EditAY->text(), "0");
    // A new maximum leaves the edit as the pupil left it.
    ed.EditBX->setText("14");
    ed.N1212->trigger();
    EXPECT_EQ(ed.EditBX->text(), "14");
}

TEST_F(PointsPanelTest, ClosingThePanelAppliesThePoints)
{
    // Untouched, the panel gives what "Начать" set; a trace of a run is gone.
    SetBody({QStringLiteral("    ШАГ")});
    RunFast();
    form.NMainWork->trigger();
    m.FieldBitmap.fill(Qt::magenta);
    Apply(true, "0", "0", -1);
    EXPECT_EQ(m.ExecX, 0);
    EXPECT_EQ(m.ExecDir, 0);
    EXPECT_EQ(m.PointBX, -1);
    EXPECT_NE(m.FieldBitmap.pixel(m.FieldBitmap.width() / 2, m.FieldBitmap.height() / 2), QColor(Qt::magenta).rgb());

    ed.N1515->trigger();
    Apply(true, "3", "5", 3, true, "11", "11");
    EXPECT_EQ((std::vector<int>{m.PointAX, m.PointAY, m.PointADir, m.PointBX, m.PointBY}),
              (std::vector<int>{3, 5, 270, 11, 11}));
    EXPECT_EQ((std::vector<int>{m.ExecX, m.ExecY, m.ExecDir}), (std::vector<int>{3, 5, 270}));
    EXPECT_EQ(CellCentre(11, 11), FieldRenderer::MarkColor().rgb());   // mark "Б"
    EXPECT_EQ(ed.UpDownAX->Max(), 14);
    EXPECT_TRUE(messages.empty());

    // Without point A neither its mark nor the executor is on the field.
    const QImage withA = m.FieldBitmap.copy();
    Apply(false, "3", "5", 3, true, "11", "11");
    EXPECT_EQ((std::vector<int>{m.PointAX, m.PointAY, m.PointADir}), (std::vector<int>{-1, -1, -1}));
    EXPECT_NE(m.FieldBitmap, withA);
    const QImage withoutA = m.FieldBitmap.copy();
    // A point far off the field, held at the 16-bit range, shows nothing either.
    Apply(true, "-99999", "99999", 3, true, "11", "11");
    EXPECT_EQ((std::vector<int>{m.PointAX, m.PointAY}), (std::vector<int>{-32768, 32767}));
    EXPECT_EQ(m.FieldBitmap, withoutA);
    Apply(true, "3", "5", 3, true, "11", "11");
    EXPECT_EQ(m.FieldBitmap, withA);
}

TEST_F(PointsPanelTest, ACoordinateThatIsNoNumberChangesNothing)
{
    Apply(true, "2", "3", 1, true, "4", "5");
    const QImage before = m.FieldBitmap.copy();
    Apply(true, "7", "ab", 3, false, "1", "1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, MessageKind::ProgramError);
    EXPECT_EQ(messages[0].text, "'ab' is not a valid integer value.");
    EXPECT_EQ((std::vector<int>{m.PointAX, m.PointAY, m.PointADir, m.PointBX, m.PointBY}),
              (std::vector<int>{2, 3, 90, 4, 5}));
    EXPECT_EQ(m.FieldBitmap, before);
    EXPECT_TRUE(ed.PanelPoints->isHidden());
    EXPECT_EQ(ed.EditAY->text(), "ab");   // the pupil's entry stays for correcting
}

TEST_F(PointsPanelTest, ClicksOnThePanelApplyAndClicksBesideItDoNot)
{
    ed.NMainPoints->trigger();
    SetPanel(true, "6", "6", 2, false, "0", "0");
    QTest::mouseClick(ed.Label8, Qt::LeftButton);          // a label is no surface
    QTest::mouseClick(ed.EditAX, Qt::LeftButton);
    EXPECT_FALSE(ed.PanelPoints->isHidden());
    QTest::mouseClick(form.ClientArea(), Qt::LeftButton, {}, QPoint(30, 650));   // the background
    EXPECT_TRUE(ed.PanelPoints->isHidden());
    EXPECT_EQ(m.PointAX, 0);                                // nothing applied

    ed.NMainPoints->trigger();
    EXPECT_EQ(ed.EditAX->text(), "6");                      // the entries were kept
    QTest::mouseClick(ed.PanelPoints, Qt::LeftButton, {}, QPoint(400, 30));
    EXPECT_TRUE(ed.PanelPoints->isHidden());
    EXPECT_EQ((std::vector<int>{m.ExecX, m.ExecY, m.ExecDir}), (std::vector<int>{6, 6, 180}));

    // A change of stage leaves the panel open; a click on it still applies.
    ed.NMainPoints->trigger();
    ed.EditAY->setText("2");
    form.NMainDebug->trigger();
    EXPECT_FALSE(ed.PanelPoints->isHidden());
    ed.EditAY->setFocus();
    QTest::mouseClick(ed.PanelPoints, Qt::LeftButton, {}, QPoint(400, 30));
    EXPECT_EQ(m.ExecY, 2);
    // Nothing else takes the focus in "Отладка": the hidden edit gives it up
    // rather than take keys unseen.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, Qt::Key_5);
    EXPECT_EQ(ed.EditAY->text(), "2");
}

TEST_F(PointsPanelTest, TheFieldSizeKeepsThePoints)
{
    ed.N1515->trigger();
    Apply(true, "14", "14", 0, true, "10", "13");
    EXPECT_EQ(m.FieldSize, 15);
    EXPECT_EQ(form.PaintImage->width(), 530);
    ed.N1313->trigger();
    EXPECT_EQ(m.FieldSize, 13);
    EXPECT_EQ(ed.UpDownBY->Max(), 12);
    EXPECT_EQ(form.PaintImage->width(), 540);
    EXPECT_EQ((std::vector<int>{m.PointAX, m.PointAY, m.ExecX, m.ExecY}), (std::vector<int>{14, 14, 14, 14}));
    EXPECT_TRUE(messages.empty());
    // Left off the smaller field, both points are drawn nowhere: the bottom
    // wall under B's column stays whole.
    const QImage scene = m.FieldBitmap.copy();
    form.DrawField();
    EXPECT_EQ(m.FieldBitmap, scene);
}

TEST_F(PointsPanelTest, ARunNeedsPointAOnTheField)
{
    SetBody(kWalk);
    struct Case {
        bool a;
        const char* x;
        const char* y;
        const char* message;
    } cases[] = {
        {false, "0", "0", "Точка А не задана!\rОтметьте \"т.А\" на панели \"Точки\" этапа \"Разработка\"."},
        {true, "-2", "3", "Точка А лежит вне поля!\rЗадайте на панели \"Точки\" координаты X и Y от 0 до 11."},
        {true, "-1", "-1", "Точка А лежит вне поля!\rЗадайте на панели \"Точки\" координаты X и Y от 0 до 11."},
        {true, "12", "3", "Точка А лежит вне поля!\rЗадайте на панели \"Точки\" координаты X и Y от 0 до 11."},
    };
    for (const Case& c : cases) {
        form.NMainWork->trigger();
        Apply(c.a, c.x, c.y, 0);
        messages.clear();
        const QImage before = m.FieldBitmap.copy();
        RunFast();
        ASSERT_EQ(messages.size(), 1u) << c.x;
        EXPECT_EQ(messages[0].kind, MessageKind::Error);
        EXPECT_EQ(messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(m.FieldBitmap, before);                   // no run, no redraw
        EXPECT_TRUE(form.NMainWork->isEnabled());
        EXPECT_TRUE(form.FixToolButtonResult->isEnabled());
    }
    // A size that brings (12, 3) onto the field lets the run go.
    ed.N1515->trigger();
    messages.clear();
    form.FixToolButtonResultClick();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(m.ExecX, 14);
}

TEST_F(PointsPanelTest, ASizeChosenDuringARunRedrawsAndTheRunGoesOn)
{
    SetBody(kWalk);
    form.NMainDebug->trigger();
    // The choice arrives at the run's first stop check, on the 12-cell field.
    QTimer::singleShot(0, &form, [this] { ed.N1515->trigger(); });
    form.FixToolButtonResultClick();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(m.FieldSize, 15);
    EXPECT_EQ(m.FieldBitmap.size(), QSize(530, 530));
    EXPECT_EQ(m.SpriteBack.size(), QSize(m.SpriteSize, m.SpriteSize));
    EXPECT_EQ((std::vector<int>{m.ExecX, m.ExecY}), (std::vector<int>{14, 0}));
    // The trace runs on the new picture beyond the old field's edge.
    const int y = m.CellCentreY0 + 1;
    EXPECT_EQ(m.FieldBitmap.pixel(m.CellCentreX0 + 13 * m.CellSize, y), FieldRenderer::TraceColor().rgb());
    EXPECT_EQ(form.lstCom->currentRow(), form.lstCom->count() - 1);   // ended at "КОН"
}

TEST_F(PointsPanelTest, AFieldShrunkUnderPointADuringARunEndsTheRun)
{
    ed.N1515->trigger();
    Apply(true, "14", "14", 1);
    SetBody({QStringLiteral("    ПОВОРОТ"), QStringLiteral("    ПОВОРОТ"), QStringLiteral("    ПОВОРОТ")});
    form.NMainDebug->trigger();
    QTimer::singleShot(0, &form, [this] { ed.N1212->trigger(); });
    form.FixToolButtonResultClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Точка А лежит вне поля!\rЗадайте на панели \"Точки\" координаты X и Y от 0 до 11.");
    EXPECT_EQ((std::vector<int>{m.ExecX, m.ExecY, m.ExecDir}), (std::vector<int>{14, 14, 90}));
    EXPECT_LT(form.lstCom->currentRow(), 5);
    EXPECT_FALSE(form.IsRunning());
    EXPECT_TRUE(form.NMainWork->isEnabled());
}

} // namespace
