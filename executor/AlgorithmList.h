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
    ~AlgorithmList() override;

    // Selects line i and scrolls it into view (no click event follows); an i
    // outside the list clears the selection. The change is on the screen
    // when this returns, unless highlights are held.
    void HighlightLine(int i);

    // While highlights are held, HighlightLine only notes the line and the
    // first visible line that showing it would scroll to; ShowHeld then shows
    // the newest. A run at full speed highlights far more lines than a
    // display can show, and a screen reader is told of every selection. The
    // selection and the scroll end as if every highlight had been shown.
    void HoldHighlights(bool on);
    void ShowHeld();

    // The lines' texts, kept in step with every change of the list, and a
    // number that changes with them. A run reads its lines here: a look into
    // an item costs more than executing the line.
    const QStringList& Lines() const { return lines_; }
    quint64 TextVersion() const { return textVersion_; }

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
    void ShowLine(int i);
    void FollowModel();
    QStringList Texts(int first, int last) const;

    mutable QStyleOptionViewItem itemOption_;
    mutable bool itemOptionValid_ = false;
    long highlightsMade_ = 0;
    long highlightsPainted_ = 0;
    bool highlightPending_ = false;
    bool held_ = false;
    bool waiting_ = false; // a held highlight not shown yet
    int waitingRow_ = -1;
    int waitingTop_ = 0;
    int waitingCount_ = 0; // lines, and how many the view holds whole
    int waitingFit_ = 1;
    QStringList lines_;
    quint64 textVersion_ = 1;
};

// Fills a region in bands of at most 64 rows: a tall fill in one piece is
// handed to worker threads, which costs more than the fill itself.
class QPainter;
void FillInBands(QPainter& p, const QRegion& region, const QBrush& brush);
