#pragma once
// The free-task program's part of the executor window: the fourth and fifth
// main-menu items, "Точки" (the points panel) and "Размер поля" (the field
// size), with their places in the stage table; the points panel; the save and
// load items at the end of the algorithm list's context menu. The handlers
// are split by concern: FreeTaskEdition.cpp (the menu items and the hooks),
// FreeTaskPoints.cpp (points and field size), FreeTaskFiles.cpp (files).

#include "PointsInput.h"
#include "RoPupilEdition.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class PointsPanel;
class UpDown;

class FreeTaskEdition : public RoPupilEdition {
public:
    void BuildMainMenuItems(TfrmRoPupil& form) override;
    void BuildComponents(TfrmRoPupil& form) override;
    void AddStageRows(TfrmRoPupil& form, StageTable& stages) override;
    void AddContextMenuItems(TfrmRoPupil& form, QMenu& menu) override;
    void FormClick(TfrmRoPupil& form) override;
    bool RunMayStart(TfrmRoPupil& form) override;

    // Points panel and field size.
    void NMainPointsClick();
    void PanelPointsClick();
    void ApplyPoints();
    void N1212Click(QAction* sender);
    // What the panel's controls hold now.
    PointsEntries PanelEntries() const;

    // Algorithm files.
    void N10Click();
    void N11Click();

    QAction* NMainPoints = nullptr;   // owned by the window
    QAction* NMainHelp = nullptr;     // "Размер поля"; owned by the window
    QMenu* NMainHelpMenu = nullptr;   // its submenu of sizes
    QAction* N1212 = nullptr;
    QAction* N1313 = nullptr;
    QAction* N1414 = nullptr;
    QAction* N1515 = nullptr;

    PointsPanel* PanelPoints = nullptr;
    QCheckBox* CheckBoxA = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* EditAX = nullptr;
    UpDown* UpDownAX = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* EditAY = nullptr;
    UpDown* UpDownAY = nullptr;
    QLabel* Label8 = nullptr;
    QComboBox* ComboBoxTo = nullptr;
    QCheckBox* CheckBoxB = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* EditBX = nullptr;
    UpDown* UpDownBX = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* EditBY = nullptr;
    UpDown* UpDownBY = nullptr;

    QAction* N9 = nullptr;   // a separator, never shown
    QAction* N10 = nullptr;  // "Сохранить алгоритм в файле"
    QAction* N11 = nullptr;  // "Загрузить алгоритм из файла"
    QFileDialog* SaveDialog1 = nullptr;
    QFileDialog* OpenDialogAlg = nullptr;

private:
    void BuildSizeMenu();
    void BuildPointsPanel(QWidget* client);
    void BuildFileDialogs();
    void SetSpinnerMaximum();
    void StopRunWithoutStart();

    TfrmRoPupil* form_ = nullptr;
    QString lastOpened_;   // the open dialog offers the name chosen last
};
