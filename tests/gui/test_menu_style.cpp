#include "FreeTaskEdition.h"
#include "MenuStyle.h"
#include "RoPupilUnit.h"

#include <QAction>
#include <QFontMetrics>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList kCaptions = {"Начать           ", "Разработка           ", "Отладка              ",
                               "Точки        ", "Размер поля"};

TEST(StageMenu, ItemsAreMeasuredOnTheirWholeCaption)
{
    const QFontMetrics fm(OwnerDrawMenuStyle::CaptionFont());
    for (const QString& caption : kCaptions) {
        const QSize size = OwnerDrawMenuStyle::NMainBeginMeasureItem(caption);
        EXPECT_EQ(size.width(), fm.horizontalAdvance(caption) + 24) << caption.toStdString();
        EXPECT_EQ(size.height(), fm.height() + 2);
    }
    // Trailing blanks widen an item.
    EXPECT_GT(OwnerDrawMenuStyle::NMainBeginMeasureItem(kCaptions[0]).width(),
              OwnerDrawMenuStyle::NMainBeginMeasureItem("Начать").width());
}

TEST(StageMenu, TheWindowsMenuBarGivesItsItemsTheMeasuredSizes)
{
    TfrmRoPupil form(std::make_unique<FreeTaskEdition>(), 1024);
    form.show();
    const QList<QAction*> actions = form.MainMenu->actions();
    ASSERT_EQ(actions.size(), 5);
    int left = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(actions[i]->text(), kCaptions[i]);
        EXPECT_EQ(actions[i]->property("ImageIndex").toInt(), 2 * i);
        const QRect r = form.MainMenu->actionGeometry(actions[i]);
        EXPECT_EQ(r.size(), OwnerDrawMenuStyle::NMainBeginMeasureItem(kCaptions[i])) << i;
        EXPECT_GE(r.left(), left);
        left = r.right();
    }
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    EXPECT_EQ(actions[4]->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F5));
}

// Draws one item as the menu bar would, on a white image.
QImage DrawItem(const QString& caption, int imageIndex, bool enabled, bool selected, const QPalette& palette)
{
    const QSize size = OwnerDrawMenuStyle::NMainBeginMeasureItem(caption);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    OwnerDrawMenuStyle::NMainBeginDrawItem(&p, QRect(QPoint(0, 0), size), caption, imageIndex, enabled, selected,
                                           palette);
    return image;
}

bool HasColour(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

TEST(StageMenu, SelectedItemsHighlightOnlyTheirTextArea)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x33, 0x99));
    const QRgb menu = palette.color(QPalette::Window).rgb();
    const QRgb active = palette.color(QPalette::Highlight).rgb();

    const QImage selected = DrawItem(kCaptions[1], 2, true, true, palette);
    EXPECT_EQ(selected.pixel(16, 0), active);
    EXPECT_EQ(selected.pixel(selected.width() - 1, selected.height() - 1), active);
    EXPECT_EQ(selected.pixel(5, 0), menu);   // the glyph column keeps the menu colour
    EXPECT_TRUE(HasColour(selected, QRect(20, 2, selected.width() - 21, selected.height() - 3), qRgb(255, 255, 255)));

    const QImage plain = DrawItem(kCaptions[1], 2, true, false, palette);
    EXPECT_EQ(plain.pixel(16, 0), menu);

    // A disabled item is never highlighted and shows the grey twin of its glyph.
    const QImage disabled = DrawItem(kCaptions[1], 2, false, true, palette);
    EXPECT_EQ(disabled.pixel(16, 0), menu);
    QImage grey(":/menu/menu_3.png");
    QImage colour(":/menu/menu_2.png");
    ASSERT_FALSE(grey.isNull());
    QImage expectedGlyph(16, 16, QImage::Format_RGB32);
    expectedGlyph.fill(menu);
    QPainter(&expectedGlyph).drawImage(0, 0, grey);
    // The glyph may reach below a low item; compare the rows the item has.
    const int rows = std::min(16, disabled.height() - 2);
    EXPECT_EQ(disabled.copy(0, 2, 16, rows), expectedGlyph.copy(0, 0, 16, rows));
    QImage enabledGlyph(16, 16, QImage::Format_RGB32);
    enabledGlyph.fill(menu);
    QPainter(&enabledGlyph).drawImage(0, 0, colour);
    EXPECT_EQ(plain.copy(0, 2, 16, rows), enabledGlyph.copy(0, 0, 16, rows));
    EXPECT_NE(expectedGlyph, enabledGlyph);
}

TEST(StageMenu, AnItemLightsUpWhenPressedOrWalkedToNotWhenTheMouseOnlyPasses)
{
    TfrmRoPupil form(std::make_unique<FreeTaskEdition>(), 1024);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.NMainBeginClick();
    QMenuBar* bar = form.MainMenu;
    const QRect work = bar->actionGeometry(form.NMainWork);
    const QRgb active = bar->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    const QPoint textArea = work.topLeft() + QPoint(18, 1);
    auto lit = [&] { return bar->grab().toImage().pixel(textArea) == active; };
    auto pass = [&] {
        QMouseEvent move(QEvent::MouseMove, QPointF(work.center()), bar->mapToGlobal(QPointF(work.center())),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
    };

    pass();
    ASSERT_EQ(bar->activeAction(), form.NMainWork);
    EXPECT_FALSE(lit()) << "passing over";
    QTest::mousePress(bar, Qt::LeftButton, {}, work.center());
    EXPECT_TRUE(lit()) << "pressed";
    bar->setActiveAction(nullptr);
    bar->setFocus();
    pass();
    EXPECT_TRUE(lit()) << "walked to by the keyboard";
}

TEST(StageMenu, PopupMenusOfTheBarKeepTheApplicationStyle)
{
    QMenuBar bar;
    InstallOwnerDrawMenuStyle(&bar);
    QMenu* sub = bar.addMenu("Размер поля");
    EXPECT_NE(qobject_cast<OwnerDrawMenuStyle*>(bar.style()), nullptr);
    EXPECT_EQ(qobject_cast<OwnerDrawMenuStyle*>(sub->style()), nullptr);
}

} // namespace
