#pragma once
// The start screen of the free-task program: a picture, the title lines and
// the " Старт" button that opens the registration.

#include <QMainWindow>

class QLabel;
class QPushButton;
class QStatusBar;
struct FreeTaskForms;

class TfrmMainPupil : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMainPupil(FreeTaskForms& forms, QWidget* parent = nullptr);

    void StartBitBClick();

    QLabel* Image1 = nullptr;
    QLabel* TitleLab1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* StartBitB = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanels[3] = {nullptr, nullptr, nullptr};

protected:
    void showEvent(QShowEvent* event) override;

private:
    FreeTaskForms& forms_;
    bool placed_ = false;
};
