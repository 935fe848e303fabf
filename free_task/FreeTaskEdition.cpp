#include "FreeTaskEdition.h"

#include "MessageBoxes.h"
#include "PointsPanel.h"
#include "RoPupilUnit.h"
#include "StageTable.h"

#include <QAction>

void FreeTaskEdition::BuildMainMenuItems(TfrmRoPupil& form)
{
    form_ = &form;
    NMainPoints = form.AddMainMenuItem("NMainPoints", QStringLiteral("Точки        "), 6,
                                       QKeySequence(Qt::SHIFT | Qt::Key_F4),
                                       QStringLiteral("Установить точки А и Б | Установить точки А и Б"));
    QObject::connect(NMainPoints, &QAction::triggered, &form, [this] { NMainPointsClick(); });
    NMainHelp = form.AddMainMenuItem(
        "NMainHelp", QStringLiteral("Размер поля"), 8, QKeySequence(Qt::SHIFT | Qt::Key_F5),
        QStringLiteral("Размер поля | Выбрать число клеток поля: от 12 до 15 по каждой стороне"));
    BuildSizeMenu();
}

void FreeTaskEdition::BuildComponents(TfrmRoPupil& form)
{
    form_ = &form;
    BuildPointsPanel(form.ClientArea());
    BuildFileDialogs();
}

void FreeTaskEdition::AddStageRows(TfrmRoPupil&, StageTable& stages)
{
    // The points are set while the algorithm is edited; the field size may
    // change from "Начать" on, during runs too.
    stages.InsertAfter(QStringLiteral("NMainDebug"),
                       {QStringLiteral("NMainPoints"), {Off, Off, On, Off}, SetsEnabled(NMainPoints)});
    stages.InsertAfter(QStringLiteral("NMainPoints"),
                       {QStringLiteral("NMainHelp"), {Off, On, On, On}, SetsEnabled(NMainHelp)});
}

void FreeTaskEdition::FormClick(TfrmRoPupil&)
{
    if (!PanelPoints->isHidden())
        PanelPoints->hide();
}

bool FreeTaskEdition::RunMayStart(TfrmRoPupil& form)
{
    const QString problem = StartPointProblem(form.Model());
    if (problem.isEmpty())
        return true;
    MessageDlgError(problem);
    return false;
}
