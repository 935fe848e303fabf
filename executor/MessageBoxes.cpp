#include "MessageBoxes.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QScreen>
#include <QStringList>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>
#include <QWidget>
#include <algorithm>

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
