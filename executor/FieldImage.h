#pragma once
// Shows the field bitmap. It paints straight from the model's bitmap, so a
// frame costs only the repaint of what changed. While held, the changes are
// gathered and shown together by ShowHeld, for a run faster than the display.

#include <QWidget>

struct RoPupilModel;

class FieldImage : public QWidget {
public:
    FieldImage(RoPupilModel& model, QWidget* parent);

    // The bitmap changed in `changed`: repainted at once unless held.
    void Present(const QRect& changed);
    void Hold(bool on);
    void ShowHeld();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    RoPupilModel& model_;
    bool held_ = false;
    QRect waiting_;
};
