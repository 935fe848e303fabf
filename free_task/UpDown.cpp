#include "UpDown.h"

#include "StrToInt.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

UpDown::UpDown(QLineEdit* associate, QWidget* parent)
    : QWidget(parent), associate_(associate), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setIconSize(QSize(6, 6));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    // The arrows show no text; a screen reader speaks these names.
    up_->setAccessibleName(QStringLiteral("Увеличить"));
    down_->setAccessibleName(QStringLiteral("Уменьшить"));
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    associate_->installEventFilter(this);
}

void UpDown::Step(int delta)
{
    // A number typed into the edit is where the step starts; other text leaves
    // the last position in force.
    if (const std::optional<int> typed = StrToInt(associate_->text()))
        position_ = *typed;
    const long long next = static_cast<long long>(position_) + delta;
    position_ = int(std::clamp<long long>(next, min_, std::max(min_, max_)));
    associate_->setText(QString::number(position_));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                Step(key->key() == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
