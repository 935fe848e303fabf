#pragma once
// Shows the field bitmap. It paints straight from the model's bitmap, so a
// frame costs only the repaint of what changed.

#include <QWidget>

struct RoPupilModel;

class FieldImage : public QWidget {
public:
    FieldImage(RoPupilModel& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    RoPupilModel& model_;
};
