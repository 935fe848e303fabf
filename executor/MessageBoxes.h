#pragma once
// The three kinds of message box with one "OK" button, a box that holds a run,
// the sink that stands in for the boxes in tests, and the default beep.

#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>

class QFont;
class QFontMetrics;
class QMessageBox;
class QWidget;

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
