#pragma once
// Small pieces of window behaviour the programs rely on and Qt does not give
// in the same shape: hints with a short and a long part, the three kinds of
// message box, a modal show for a main-window-like form, the default beep,
// and the building blocks of the designed components.

#include <QFrame>
#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>
#include <QStringList>
#include <functional>
#include <initializer_list>

class QAction;
class QFont;
class QFontMetrics;
class QLabel;
class QMessageBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// A hint "short | long": the short part becomes the tool tip, the long part the
// status-bar text. Without a bar both are the whole text. Blanks are kept.
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
// A picture-only button is also named after the hint's short part, so that
// a screen reader has a name to speak.
void SetHint(QWidget* w, const QString& hint);
void SetHint(QAction* a, const QString& hint);

// The name a screen reader speaks for a control that shows no caption of its
// own, made of the texts that stand for it on the screen, in order: each
// label's or button's caption (a picture-only button's hint), without its
// access-key mark and a trailing colon or equals sign. A drop-down list lends
// the name to its edit and its list too; as readers on Linux speak a drop-down
// list's text as its name, its labels are also made its buddies, which readers
// speak as the list's label.
QString ReaderText(const QString& caption);
void NameAfter(QWidget* control, std::initializer_list<QWidget*> shownBy);

enum class MessageKind { Error, Information, Plain, ProgramError };

// Message boxes with one "OK" button: an error box captioned "Error", an
// information box captioned "Information", or a plain box captioned with the
// program's title. Texts break lines with CR characters.
void MessageDlgError(const QString& text);
void MessageDlgInformation(const QString& text);
void ShowMessage(const QString& text);
// A box that holds a run of `owner` until it is closed. The pupil can answer
// only the box, as with the boxes above, but `owner` still hears a close
// request; *shown names the box while it is open, so that the owner's close
// can close it too.
void MessageDlgHolding(MessageKind kind, const QString& text, QWidget* owner, QPointer<QMessageBox>* shown);
// What a failed conversion or file operation shows when the handler that met
// it simply stops: an error box captioned with the program's title, the
// message with a full stop added at its end.
void ShowUnhandledError(const QString& message);

// The width a box gives its text (LF line breaks): the longest line's, up to
// half the screen's width, more where the text would be too tall for the room
// the screen leaves. Tabs go on to stops of eight average characters.
// The box's size beyond its text, roughly: icon and margins across, margins and the button row down.
constexpr int MessageBoxFrame = 100;
int MessageTabStop(const QFontMetrics& fm);
int MessageTextWidth(const QFont& font, const QString& text, int screenWidth, const QSize& room);

// Tests replace the boxes: the sink gets every message instead of a window.
// Returns the previous sink; an empty function restores the real boxes.
using MessageSink = std::function<void(MessageKind, const QString&)>;
MessageSink SetMessageSink(MessageSink sink);

// The default beep of a refused key.
void MessageBeep();

// Shows a top-level widget modally and returns when it has been closed or
// hidden; minimising it does not end its modal run.
void ShowModal(QWidget* w);

// ---------------------------------------------------------------------------
// Building the designed components.

// A designed font by its family. The designed families are Windows fonts;
// where one is missing its metric twin keeps the texts as wide as they were
// designed (Liberation Serif for the serif family, Liberation Sans, then
// Arial, for the others). MS Serif has no twin and takes the serif one.
// pixelSize below 1 keeps the default size.
QFont DesignedFont(const QString& family, int pixelSize = 0, bool bold = false);

// What a list row shows of a line: its start, as far as the widest list can
// show. Laying out more only costs time (a loaded line may be megabytes long).
constexpr int kShownRowChars = 1024;
QString ShownRowText(const QString& text);

// List rows of a fixed height, as the lists were designed. A row shows only
// the start of a long line: a loaded file may hold lines of megabytes.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int height_;
};

// A list box of one-line rows of a fixed height, cut at the right edge.
QListWidget* MakeList(QWidget* parent, const char* name, int rowHeight);
// The same settings for a list made otherwise; the rows are the delegate's.
void SetUpList(QListWidget* list, const char* name, QStyledItemDelegate* rows);
// A panel with a bevel (lowered unless told otherwise), filling its background.
QFrame* MakePanel(QWidget* parent, const char* name, QFrame::Shadow shadow = QFrame::Sunken);
// A panel with both bevels: the outer raised, the inner lowered.
QFrame* MakeTwoBevelPanel(QWidget* parent, const char* name);
// The frame of a panel standing on its own, from the outside in: a single
// sunken border FramedPanelInset wide, a raised bevel, one pixel of the
// panel's colour and a second raised bevel. The children's designed places
// are counted from inside the border.
constexpr int FramedPanelInset = 2;
void PaintFramedPanel(QWidget* panel);
// A push button at its designed place; Enter presses it when it has the focus.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& r);
// A label at its designed place, as wide as its caption.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top);
// A one-line edit at its designed place holding `text`, with no length limit.
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& r, const QString& text = QString());
// The texts of a list's rows, in order.
QStringList ListItems(const QListWidget* list);
// The selected row of a single-selection list, or -1 when no row is
// selected (the current row may be left without its selection).
int SelectedRow(const QListWidget* list);
// Paints a panel's background in one of the application palette's colours.
void SetPanelColor(QWidget* w, QPalette::ColorRole role);
