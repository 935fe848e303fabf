#include "FileDialogs.h"

#include <QFileDialog>

namespace {
FileDialogSink& Sink()
{
    static FileDialogSink sink;
    return sink;
}
} // namespace

QString ExecFileDialog(QFileDialog& dialog)
{
    if (Sink())
        return Sink()(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

FileDialogSink SetFileDialogSink(FileDialogSink sink)
{
    FileDialogSink old = Sink();
    Sink() = std::move(sink);
    return old;
}
