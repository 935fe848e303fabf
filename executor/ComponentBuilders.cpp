#include "ComponentBuilders.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QWidget>
#include <qdrawutil.h>

QFrame* MakePanel(QWidget* parent, const char* name, QFrame::Shadow shadow)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(shadow);
    f->setAutoFillBackground(true);
    return f;
}

namespace {
class TwoBevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        qDrawShadePanel(&p, rect(), palette(), false, 1);
        qDrawShadePanel(&p, rect().adjusted(1, 1, -1, -1), palette(), true, 1);
    }
};
} // namespace

QFrame* MakeTwoBevelPanel(QWidget* parent, const char* name)
{
    auto* f = new TwoBevelPanel(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::NoFrame);
    f->setContentsMargins(2, 2, 2, 2);
    f->setAutoFillBackground(true);
    return f;
}

void PaintFramedPanel(QWidget* panel)
{
    QPainter p(panel);
    const QRect r = panel->rect();
    const int in = FramedPanelInset;
    qDrawWinPanel(&p, r, panel->palette(), true);
    qDrawShadePanel(&p, r.adjusted(in, in, -in, -in), panel->palette(), false, 1);
    qDrawShadePanel(&p, r.adjusted(in + 2, in + 2, -in - 2, -in - 2), panel->palette(), false, 1);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& r)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(r);
    // Enter presses the focused button, as pupils expect of a button.
    b->setAutoDefault(true);
    return b;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(left, top);
    l->adjustSize();
    return l;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& r, const QString& text)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(r);
    return e;
}

void SetPanelColor(QWidget* w, QPalette::ColorRole role)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QApplication::palette().color(role));
    w->setPalette(p);
}
