#include "FormKit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFont>
#include <QFontMetrics>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <qdrawutil.h>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWidget>
#include <algorithm>

QString ShortHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* w, const QString& hint)
{
    w->setToolTip(ShortHint(hint));
    w->setStatusTip(LongHint(hint));
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (button && button->text().isEmpty())
        w->setAccessibleName(ReaderText(ShortHint(hint)));
}

void SetHint(QAction* a, const QString& hint)
{
    a->setToolTip(ShortHint(hint));
    a->setStatusTip(LongHint(hint));
}

QString ReaderText(const QString& caption)
{
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;   // "&&" stands for one ampersand, "&x" marks the access key x
        text += caption[i];
    }
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('=')))
        text = text.chopped(1).trimmed();
    return text;
}

void NameAfter(QWidget* control, std::initializer_list<QWidget*> shownBy)
{
    auto* combo = qobject_cast<QComboBox*>(control);
    QStringList parts;
    for (QWidget* w : shownBy) {
        QString caption = w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            caption = label->text();
            if (combo)
                label->setBuddy(combo);
        }
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty())
            caption = button->text();
        if (const QString part = ReaderText(caption); !part.isEmpty())
            parts << part;
    }
    const QString name = parts.join(QLatin1Char(' '));
    control->setAccessibleName(name);
    if (combo) {
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
        combo->view()->setAccessibleName(name);
    }
}

int MessageTabStop(const QFontMetrics& fm) { return 8 * std::max(1, fm.averageCharWidth()); }

int MessageTextWidth(const QFont& font, const QString& text, int screenWidth, const QSize& room)
{
    const QFontMetrics fm(font);
    const int tabStop = MessageTabStop(fm);
    int longest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        int x = 0;
        const QStringList pieces = line.split(QLatin1Char('\t'));
        for (int i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                x = (x / tabStop + 1) * tabStop;
            x += fm.horizontalAdvance(pieces.at(i));
        }
        longest = std::max(longest, x);
    }
    // A text too tall for the screen at half its width takes more of the
    // width, so that the box and its button stay on the screen.
    auto heightAt = [&](int width) {
        return fm.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap | Qt::TextExpandTabs, text, tabStop).height();
    };
    int limit = screenWidth / 2;
    while (limit < longest && limit + MessageBoxFrame + 50 <= room.width() &&
           heightAt(limit) + MessageBoxFrame > room.height())
        limit += 50;
    return std::min(longest, limit);
}

namespace {
MessageSink& Sink()
{
    static MessageSink sink;
    return sink;
}

// The box of a message kind: its caption, its icon, one "OK" button.
void SetUpBox(QMessageBox& box, MessageKind kind, const QString& text)
{
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (kind) {
    case MessageKind::Error: caption = QStringLiteral("Error"); icon = QMessageBox::Critical; break;
    case MessageKind::Information: caption = QStringLiteral("Information"); icon = QMessageBox::Information; break;
    case MessageKind::Plain: caption = QApplication::applicationName(); break;
    case MessageKind::ProgramError: caption = QApplication::applicationName(); icon = QMessageBox::Critical; break;
    }
    // The texts hold single CR characters as line breaks; the box breaks at LF.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setIcon(icon);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    box.setStandardButtons(QMessageBox::Ok);
    // The button's word is the box's own, whatever language Qt speaks.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    // The box grows with its longest line up to half the screen's width and
    // breaks a line only where it is wider than that; Qt alone would break
    // lines well short of it.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetrics fm(label->font());
        const int tabStop = MessageTabStop(fm);
        for (QTextDocument* doc : label->findChildren<QTextDocument*>()) {
            QTextOption option = doc->defaultTextOption();
            option.setTabStopDistance(tabStop);
            doc->setDefaultTextOption(option);
        }
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            label->setMinimumWidth(
                MessageTextWidth(label->font(), shown, screen->geometry().width(), screen->availableGeometry().size()));
    }
}

void ShowBox(MessageKind kind, const QString& text)
{
    if (Sink()) {
        Sink()(kind, text);
        return;
    }
    QMessageBox box(QApplication::activeWindow());
    SetUpBox(box, kind, text);
    box.exec();
}

// While a box holds a run, the pupil's input reaches only the box; every
// other event still reaches the other windows, a close request among them
// (a window blocked by a modal box would drop it).
class InputHold : public QObject {
public:
    explicit InputHold(QWidget* box) : box_(box) { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (!box_ || !watched->isWidgetType())
            return false;
        QWidget* w = static_cast<QWidget*>(watched);
        if (w->window() == box_)
            return false;
        switch (e->type()) {
        case QEvent::ShortcutOverride:
            e->accept();   // no shortcut of another window acts
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        case QEvent::WindowActivate:
            // A click on another window gives the box back the keys.
            if (w->isWindow())
                QTimer::singleShot(0, box_, [box = box_] {
                    if (box) {
                        box->raise();
                        box->activateWindow();
                    }
                });
            return false;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> box_;
};
} // namespace

void MessageDlgError(const QString& text) { ShowBox(MessageKind::Error, text); }

void MessageDlgHolding(MessageKind kind, const QString& text, QWidget* owner, QPointer<QMessageBox>* shown)
{
    if (Sink()) {
        Sink()(kind, text);
        return;
    }
    // On the heap: should the owner go while the box is open, the box goes with it.
    QPointer<QMessageBox> box = new QMessageBox(owner);
    SetUpBox(*box, kind, text);
    box->setWindowModality(Qt::NonModal);
    InputHold hold(box);
    QEventLoop loop;
    QObject::connect(box, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (shown)
        *shown = box;
    box->show();
    box->activateWindow();
    if (box->isVisible())
        loop.exec();
    if (shown)
        *shown = nullptr;
    delete box;
}
void MessageDlgInformation(const QString& text) { ShowBox(MessageKind::Information, text); }
void ShowMessage(const QString& text) { ShowBox(MessageKind::Plain, text); }

void ShowUnhandledError(const QString& message)
{
    ShowBox(MessageKind::ProgramError, message.endsWith(QLatin1Char('.')) ? message : message + QLatin1Char('.'));
}

MessageSink SetMessageSink(MessageSink sink)
{
    MessageSink old = Sink();
    Sink() = std::move(sink);
    return old;
}

void MessageBeep() { QApplication::beep(); }

namespace {
// Ends a local event loop when the watched window is closed or hidden. A
// minimised window is hidden by the window system but stays visible to the
// program: its modal run goes on, and restoring it brings it back as it was.
class ModalWatcher : public QObject {
public:
    ModalWatcher(QWidget* w, QEventLoop* loop) : QObject(w), window_(w), loop_(loop) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide && !window_->isVisible())
            loop_->quit();
        return false;
    }
private:
    QWidget* window_;
    QEventLoop* loop_;
};
} // namespace

void ShowModal(QWidget* w)
{
    QPointer<QWidget> guard(w);
    QEventLoop loop;
    auto* watcher = new ModalWatcher(w, &loop);
    w->installEventFilter(watcher);
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    if (w->isVisible())
        loop.exec();
    if (guard) {
        guard->removeEventFilter(watcher);
        delete watcher;
    }
}

// ---------------------------------------------------------------------------

QFont DesignedFont(const QString& family, int pixelSize, bool bold)
{
    QFont f;
    if (family == QLatin1String("Times New Roman") || family == QLatin1String("MS Serif"))
        f.setFamilies({family, QStringLiteral("Liberation Serif")});
    else
        f.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    if (pixelSize > 0)
        f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QString ShownRowText(const QString& text)
{
    return text.size() > kShownRowChars ? text.left(kShownRowChars) : text;
}

void FixedRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = ShownRowText(option->text);
}

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(height_);
    return s;
}

QListWidget* MakeList(QWidget* parent, const char* name, int rowHeight)
{
    auto* list = new QListWidget(parent);
    SetUpList(list, name, new FixedRowDelegate(rowHeight, list));
    // A line too long for the list is cut at its right edge, without an ellipsis.
    list->setTextElideMode(Qt::ElideNone);
    return list;
}

void SetUpList(QListWidget* list, const char* name, QStyledItemDelegate* rows)
{
    list->setObjectName(QString::fromLatin1(name));
    list->setItemDelegate(rows);
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFrameShape(QFrame::Box);
    list->setFrameShadow(QFrame::Plain);
    // Long lines are cut at the right edge, as in a plain list box.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

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

QStringList ListItems(const QListWidget* list)
{
    QStringList texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

int SelectedRow(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}

void SetPanelColor(QWidget* w, QPalette::ColorRole role)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QApplication::palette().color(role));
    w->setPalette(p);
}
