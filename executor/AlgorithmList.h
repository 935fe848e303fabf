#pragma once
// The algorithm list of the executor window. A run highlights one line after
// another, often thousands a second, and the pupil must see every one of them
// before the pause that follows it: so a highlight paints at once, a row is
// cheap to paint (its text is laid out once and kept), and a one-line scroll
// repaints only what moved. Otherwise it is a plain list widget: the editing
// code, the keyboard and screen readers use it as such.

#include <QListWidget>
#include <QScrollBar>

// A scroll bar that repaints on a value change only where its thumb moved.
class CheapScrollBar : public QScrollBar {
public:
    explicit CheapScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void sliderChange(SliderChange change) override;

private:
    QRect ThumbRect() const;
    QRect thumb_;
    bool atLimit_ = true;
};

class AlgorithmList : public QListWidget {
public:
    AlgorithmList(QWidget* parent, const char* name, int rowHeight);

    // Selects line i and scrolls it into view (no click event follows); an i
    // outside the list clears the selection. The change is on the screen
    // when this returns.
    void HighlightLine(int i);

    // Highlights that moved the selection, and how many of them were painted.
    long HighlightsMade() const { return highlightsMade_; }
    long HighlightsPainted() const { return highlightsPainted_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
    // The view builds this option for every row it measures, several times
    // a highlight; it changes only with the widget's state, so it is kept.
    void initViewItemOption(QStyleOptionViewItem* option) const override;

private:
    mutable QStyleOptionViewItem itemOption_;
    mutable bool itemOptionValid_ = false;
    long highlightsMade_ = 0;
    long highlightsPainted_ = 0;
    bool highlightPending_ = false;
};

// Fills a region in bands of at most 64 rows: a tall fill in one piece is
// handed to worker threads, which costs more than the fill itself.
class QPainter;
void FillInBands(QPainter& p, const QRegion& region, const QBrush& brush);
