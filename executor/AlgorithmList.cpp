#include "AlgorithmList.h"

#include "ListRows.h"

#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int kBand = 64;

// What a row looks like: its text, the state the view paints it in and the
// size and colours of the row.
struct RowLook {
    QString text;
    int state = 0;
    QSize size;
    qreal dpr = 1;
    qint64 palette = 0;
    bool operator==(const RowLook& o) const
    {
        return state == o.state && size == o.size && dpr == o.dpr && palette == o.palette && text == o.text;
    }
};

size_t qHash(const RowLook& k, size_t seed = 0)
{
    return qHashMulti(seed, k.text, k.state, k.size.width(), k.size.height(), k.palette);
}

// Rows of a fixed height. The style lays out and paints a row's text anew
// every time, which costs far more than the row is worth; so each look of a
// row is painted by the style once, into a picture, and the picture is copied
// from then on.
class RowPictureDelegate : public FixedRowDelegate {
public:
    using FixedRowDelegate::FixedRowDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        RowLook look;
        look.text = ShownRowText(index.data(Qt::DisplayRole).toString());
        look.state = int(option.state);
        look.size = option.rect.size();
        look.dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        look.palette = option.palette.cacheKey();
        auto it = pictures_.constFind(look);
        if (it == pictures_.constEnd()) {
            if (pictures_.size() >= 256)
                pictures_.clear();
            it = pictures_.insert(look, Picture(option, index, look));
        }
        p->drawImage(option.rect.topLeft(), *it);
    }

private:
    QImage Picture(const QStyleOptionViewItem& option, const QModelIndex& index, const RowLook& look) const
    {
        QImage picture((QSizeF(look.size) * look.dpr).toSize(), QImage::Format_RGB32);
        picture.setDevicePixelRatio(look.dpr);
        const QWidget* view = option.widget;
        const QWidget* viewport = view ? static_cast<const QAbstractItemView*>(view)->viewport() : nullptr;
        picture.fill(viewport ? viewport->palette().color(viewport->backgroundRole())
                              : option.palette.color(QPalette::Base));
        QPainter p(&picture);
        QStyleOptionViewItem at = option;
        at.rect = QRect(QPoint(0, 0), look.size);
        FixedRowDelegate::paint(&p, at, index);
        return picture;
    }

    mutable QHash<RowLook, QImage> pictures_;
};

} // namespace

void FillInBands(QPainter& p, const QRegion& region, const QBrush& brush)
{
    for (const QRect& r : region) {
        for (int y = r.top(); y <= r.bottom(); y += kBand)
            p.fillRect(QRect(r.left(), y, r.width(), std::min(kBand, r.bottom() - y + 1)), brush);
    }
}

// ---------------------------------------------------------------------------

CheapScrollBar::CheapScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

QRect CheapScrollBar::ThumbRect() const
{
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    return style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, this);
}

void CheapScrollBar::sliderChange(SliderChange change)
{
    // The arrows may look different at either end; anything but a value
    // change may move every part.
    const bool atLimit = value() == minimum() || value() == maximum();
    if (change != SliderValueChange || atLimit || atLimit_ || thumb_.isNull()) {
        atLimit_ = atLimit;
        thumb_ = ThumbRect();
        QScrollBar::sliderChange(change);
        return;
    }
    const QRect thumb = ThumbRect();
    if (thumb != thumb_) {
        update(thumb | thumb_);
        thumb_ = thumb;
    }
}

// ---------------------------------------------------------------------------

AlgorithmList::AlgorithmList(QWidget* parent, const char* name, int rowHeight) : QListWidget(parent)
{
    SetUpList(this, name, new RowPictureDelegate(rowHeight, this));
    setVerticalScrollBar(new CheapScrollBar(Qt::Vertical, this));
    // The view fills its own background, in bands.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    FollowModel();
}

AlgorithmList::~AlgorithmList()
{
    // The widget deletes its model after this part of it is gone; the model's
    // last signals must not reach the lines any more.
    model()->disconnect(this);
}

QStringList AlgorithmList::Texts(int first, int last) const
{
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int r = first; r <= last; ++r)
        texts << item(r)->text();
    return texts;
}

void AlgorithmList::FollowModel()
{
    const QAbstractItemModel* m = model();
    auto changed = [this] { ++textVersion_; };
    auto reread = [this, changed] {
        lines_ = Texts(0, count() - 1);
        changed();
    };
    connect(m, &QAbstractItemModel::rowsInserted, this, [this, changed](const QModelIndex&, int first, int last) {
        lines_ = lines_.mid(0, first) + Texts(first, last) + lines_.mid(first);
        changed();
    });
    connect(m, &QAbstractItemModel::rowsRemoved, this, [this, changed](const QModelIndex&, int first, int last) {
        lines_.remove(first, last - first + 1);
        changed();
    });
    connect(m, &QAbstractItemModel::dataChanged, this, [this, changed](const QModelIndex& from, const QModelIndex& to) {
        for (int r = from.row(); r <= to.row() && r < lines_.size(); ++r)
            lines_[r] = item(r)->text();
        changed();
    });
    connect(m, &QAbstractItemModel::modelReset, this, reread);
    connect(m, &QAbstractItemModel::rowsMoved, this, reread);
    connect(m, &QAbstractItemModel::layoutChanged, this, reread);
}

void AlgorithmList::HighlightLine(int i)
{
    if (!held_) {
        ShowLine(i);
        return;
    }
    if (!waiting_) {
        // Measured once for all the highlights until the next is shown: the
        // measures cost more than the rest of a line.
        waiting_ = true;
        waitingTop_ = verticalScrollBar()->value();
        waitingCount_ = count();
        const int rowHeight = waitingCount_ > 0 ? std::max(1, sizeHintForRow(0)) : 1;
        waitingFit_ = std::max(1, viewport()->height() / rowHeight);
    }
    waitingRow_ = i >= 0 && i < waitingCount_ ? i : -1;
    if (waitingRow_ < 0)
        return; // the selection goes, the scroll stays
    // The list scrolls by whole lines of one height: a line above the first
    // visible one comes to the top, a line not wholly visible below comes to
    // the bottom, as the view itself scrolls a line into view.
    if (waitingRow_ < waitingTop_)
        waitingTop_ = waitingRow_;
    else if (waitingRow_ - waitingTop_ >= waitingFit_)
        waitingTop_ = std::min(waitingRow_ - waitingFit_ + 1, verticalScrollBar()->maximum());
}

void AlgorithmList::HoldHighlights(bool on)
{
    if (!on)
        ShowHeld();
    held_ = on;
}

void AlgorithmList::ShowHeld()
{
    if (!waiting_)
        return;
    waiting_ = false;
    const int before = currentRow();
    const bool scrolls = waitingTop_ != verticalScrollBar()->value();
    if (scrolls)
        verticalScrollBar()->setValue(waitingTop_);
    ShowLine(waitingRow_);
    // Scrolled back to the line that was lit before: nothing else repaints it.
    if (scrolls && currentRow() == before && isVisible())
        viewport()->repaint();
}

void AlgorithmList::ShowLine(int i)
{
    const int before = currentRow();
    QListWidgetItem* item = i >= 0 && i < count() ? this->item(i) : nullptr;
    if (item) {
        setCurrentRow(i);
        scrollToItem(item);
    } else {
        setCurrentRow(-1);
    }
    if (currentRow() == before)
        return;
    ++highlightsMade_;
    highlightPending_ = item != nullptr;
    // Paint now: the pause that follows lets no message through.
    if (isVisible()) {
        QRect changed = item ? visualItemRect(item) : QRect();
        if (QListWidgetItem* old = this->item(before))
            changed |= visualItemRect(old);
        changed &= viewport()->rect();
        if (!changed.isEmpty())
            viewport()->repaint(changed);
    }
}

void AlgorithmList::paintEvent(QPaintEvent* e)
{
    {
        QPainter p(viewport());
        FillInBands(p, e->region(), palette().brush(viewport()->backgroundRole()));
    }
    QListWidget::paintEvent(e);
    if (highlightPending_) {
        QListWidgetItem* current = currentItem();
        if (current && e->region().intersects(visualItemRect(current))) {
            ++highlightsPainted_;
            highlightPending_ = false;
        }
    }
}

bool AlgorithmList::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ActivationChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::LayoutDirectionChange:
    case QEvent::LocaleChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::ApplicationFontChange:
    case QEvent::Show:
    case QEvent::Resize:
        itemOptionValid_ = false;
        break;
    default:
        break;
    }
    return QListWidget::event(e);
}

void AlgorithmList::initViewItemOption(QStyleOptionViewItem* option) const
{
    if (!itemOptionValid_) {
        QListWidget::initViewItemOption(&itemOption_);
        itemOptionValid_ = true;
    }
    *option = itemOption_;
}
