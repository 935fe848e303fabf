#include "FileDialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

namespace {
FileDialogSink& Sink()
{
    static FileDialogSink sink;
    return sink;
}

// The name edit's completion list refreshes itself whenever the folder
// changes, which a save does just after the dialog has closed. Left alone it
// would then come up over the executor window and take the pupil's keys.
class CompletionsStayWithTheDialog : public QObject {
public:
    CompletionsStayWithTheDialog(QFileDialog& dialog, QWidget* popup) : QObject(popup), dialog_(dialog)
    {
        setObjectName(QStringLiteral("CompletionsStayWithTheDialog"));
        popup->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !dialog_.isVisible())
            QMetaObject::invokeMethod(static_cast<QWidget*>(watched), &QWidget::hide, Qt::QueuedConnection);
        return false;
    }

private:
    QFileDialog& dialog_;
};

QWidget* CompletionList(QLineEdit* edit)
{
    return edit && edit->completer() ? edit->completer()->popup() : nullptr;
}

} // namespace

QString ExecFileDialog(QFileDialog& dialog)
{
    if (Sink())
        return Sink()(dialog);
    QLineEdit* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (QWidget* list = CompletionList(edit)) {
        if (!list->findChild<QObject*>(QStringLiteral("CompletionsStayWithTheDialog")))
            new CompletionsStayWithTheDialog(dialog, list);
    }
    if (edit) {
        // The offered name is selected every time the dialog opens, not only
        // the first: what the pupil types replaces it instead of joining it.
        QTimer::singleShot(0, edit, [edit] {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        });
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (QWidget* list = CompletionList(edit))
        list->hide();
    if (!accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

FileDialogSink SetFileDialogSink(FileDialogSink sink)
{
    FileDialogSink old = Sink();
    Sink() = std::move(sink);
    return old;
}
