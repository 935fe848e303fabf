#pragma once
// A spinner bound to an edit: two small arrow buttons beside it that step a
// whole number between a minimum and a maximum, without wrapping, and write it
// into the edit. The edit still takes any typed text; a step starts from the
// number the edit holds when it holds one. Up and Down in the edit step too.

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
public:
    UpDown(QLineEdit* associate, QWidget* parent);

    int Min() const { return min_; }
    int Max() const { return max_; }
    // A new range leaves the edit's text alone.
    void SetMin(int min) { min_ = min; }
    void SetMax(int max) { max_ = max; }
    // Moves by `delta` steps, as the arrow buttons do.
    void Step(int delta);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* associate_;
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
