#pragma once
// The stage menu draws its items itself: a glyph at the left (grey when the
// item is disabled), the caption 20 pixels in, the selected item's text area
// in the active-caption colour with white text. The QMenuBar and its actions
// stay underneath, so Alt, the arrow keys, shortcuts and screen readers work
// as with any menu; only drawing and measuring change.

#include <QProxyStyle>

class QAction;
class QMenuBar;

class OwnerDrawMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    OwnerDrawMenuStyle();

    // The font the captions are measured and written in: 9 points.
    static QFont CaptionFont();
    // Width: the caption's text width, trailing blanks included, + 24; height: its text height + 2.
    static QSize NMainBeginMeasureItem(const QString& caption);
    // The menu pictures: a resource path with %1 for the image index. An
    // item whose action has an "ImageList" property takes its glyphs from
    // that path instead (an edition whose image differs at that index).
    static QString MenuImageList();
    // Draws one item in rect. imageIndex is the item's glyph in the menu
    // pictures (its grey twin is the next one); below 0 it has none.
    static void NMainBeginDrawItem(QPainter* canvas, const QRect& rect, const QString& caption, int imageIndex,
                                   bool enabled, bool selected, const QPalette& palette,
                                   const QString& imageList = QString());

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
};

// Gives the menu bar the owner-drawn look; the style lives as long as the bar.
void InstallOwnerDrawMenuStyle(QMenuBar* bar);
