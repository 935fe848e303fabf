// Saving and loading the algorithm as a text file, from the last two items of
// the algorithm list's context menu.

#include "FreeTaskEdition.h"

#include "AlgorithmFile.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "RoPupilUnit.h"

#include <QAction>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>

namespace {

QFileDialog* MakeFileDialog(QWidget* parent, const char* name, const QString& title,
                            QFileDialog::AcceptMode mode, const QString& fileType)
{
    auto* d = new QFileDialog(parent, title);
    d->setObjectName(QString::fromLatin1(name));
    d->setAcceptMode(mode);
    // Neither dialog asks before replacing a file, and neither requires the
    // file to exist: a load of a missing file is told by its own message.
    d->setFileMode(QFileDialog::AnyFile);
    d->setOption(QFileDialog::DontConfirmOverwrite);
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setOption(QFileDialog::HideNameFilterDetails);
    d->setNameFilter(fileType + QStringLiteral(" (*.txt)"));
    d->setDefaultSuffix(QStringLiteral("txt"));
    return d;
}

} // namespace

void FreeTaskEdition::BuildFileDialogs()
{
    SaveDialog1 = MakeFileDialog(form_, "SaveDialog1", QStringLiteral("Сохранить алгоритм в файле"),
                                 QFileDialog::AcceptSave, QStringLiteral("текстовый"));
    OpenDialogAlg = MakeFileDialog(form_, "OpenDialogAlg", QStringLiteral("Укажите имя открываемого файла"),
                                   QFileDialog::AcceptOpen, QStringLiteral("текстовые"));
}

void FreeTaskEdition::AddContextMenuItems(TfrmRoPupil& form, QMenu& menu)
{
    N9 = menu.addSeparator();
    N9->setObjectName(QStringLiteral("N9"));
    N9->setVisible(false);
    N10 = menu.addAction(QStringLiteral("Сохранить алгоритм в файле"));
    N10->setObjectName(QStringLiteral("N10"));
    QObject::connect(N10, &QAction::triggered, &form, [this] { N10Click(); });
    N11 = menu.addAction(QStringLiteral("Загрузить алгоритм из файла"));
    N11->setObjectName(QStringLiteral("N11"));
    QObject::connect(N11, &QAction::triggered, &form, [this] { N11Click(); });
}

void FreeTaskEdition::N10Click()
{
    SaveDialog1->selectFile(QStringLiteral("NoName"));
    const QString name = ExecFileDialog(*SaveDialog1);
    if (name.isEmpty())
        return;
    const QString error = SaveAlgorithmFile(name, form_->AlgorithmLines());
    if (!error.isEmpty())
        ShowUnhandledError(error);
}

void FreeTaskEdition::N11Click()
{
    // The dialog offers the name chosen last time.
    if (!lastOpened_.isEmpty())
        OpenDialogAlg->selectFile(lastOpened_);
    const QString name = ExecFileDialog(*OpenDialogAlg);
    if (name.isEmpty())
        return;
    lastOpened_ = name;
    QStringList lines;
    const QString error = LoadAlgorithmFile(name, lines);
    if (!error.isEmpty()) {
        ShowUnhandledError(error);
        return;
    }
    QListWidget* list = form_->lstCom;
    list->clear();
    list->addItems(lines);
    // The list holds the texts now; the loaded copy goes before the names and
    // the statistics are counted, so that a long file is held once less.
    const bool selects = lines.size() >= 5;
    lines = QStringList();
    list->setCurrentRow(selects ? 4 : -1);
    form_->NMainDebug->setEnabled(true);
    form_->RebuildProcList();
    form_->UpdateStatist();
}
