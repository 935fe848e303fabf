#pragma once
// Shows a file dialog modally and returns the file the pupil confirmed, or an
// empty text when the dialog was cancelled. Tests answer the dialogs instead:
// the sink gets the dialog as the program set it up and returns the answer.

#include <QString>
#include <functional>

class QFileDialog;

QString ExecFileDialog(QFileDialog& dialog);

using FileDialogSink = std::function<QString(QFileDialog&)>;
// Returns the previous sink; an empty function restores the real dialogs.
FileDialogSink SetFileDialogSink(FileDialogSink sink);
