#pragma once
// Small pieces of window behaviour the programs rely on and Qt does not give
// in the same shape: hints with a short and a long part, the three kinds of
// message box, a modal show for a main-window-like form, the default beep.

#include <QString>
#include <functional>

class QWidget;
class QAction;

// A hint "short | long": the short part becomes the tool tip, the long part the
// status-bar text. Without a bar both are the whole text. Blanks are kept.
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
void SetHint(QWidget* w, const QString& hint);
void SetHint(QAction* a, const QString& hint);

enum class MessageKind { Error, Information, Plain, ProgramError };

// Message boxes with one "OK" button: an error box captioned "Error", an
// information box captioned "Information", or a plain box captioned with the
// program's title. Texts break lines with CR characters.
void MessageDlgError(const QString& text);
void MessageDlgInformation(const QString& text);
void ShowMessage(const QString& text);
// What a failed conversion or file operation shows when the handler that met
// it simply stops: an error box captioned with the program's title, the
// message with a full stop added at its end.
void ShowUnhandledError(const QString& message);

// Tests replace the boxes: the sink gets every message instead of a window.
// Returns the previous sink; an empty function restores the real boxes.
using MessageSink = std::function<void(MessageKind, const QString&)>;
MessageSink SetMessageSink(MessageSink sink);

// The default beep of a refused key.
void MessageBeep();

// Shows a top-level widget modally and returns when it has been closed or hidden.
void ShowModal(QWidget* w);
