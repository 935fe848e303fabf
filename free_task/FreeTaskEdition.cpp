#include "FreeTaskEdition.h"

#include "RoPupilUnit.h"
#include "StageTable.h"

#include <QAction>

void FreeTaskEdition::BuildMainMenuItems(TfrmRoPupil& form)
{
    NMainPoints = form.AddMainMenuItem("NMainPoints", QStringLiteral("Точки        "), 6,
                                       QKeySequence(Qt::SHIFT | Qt::Key_F4),
                                       QStringLiteral("Установить точки А и Б | Установить точки А и Б"));
    NMainHelp = form.AddMainMenuItem("NMainHelp", QStringLiteral("Размер поля"), 8,
                                     QKeySequence(Qt::SHIFT | Qt::Key_F5), QString());
}

void FreeTaskEdition::AddStageRows(TfrmRoPupil&, StageTable& stages)
{
    // The points are set while the algorithm is edited; the field size may
    // change from "Начать" on, during runs too.
    QAction* points = NMainPoints;
    QAction* size = NMainHelp;
    stages.InsertAfter(QStringLiteral("NMainDebug"),
                       {QStringLiteral("NMainPoints"), {Off, Off, On, Off}, [points](bool on) { points->setEnabled(on); }});
    stages.InsertAfter(QStringLiteral("NMainPoints"),
                       {QStringLiteral("NMainHelp"), {Off, On, On, On}, [size](bool on) { size->setEnabled(on); }});
}
