#pragma once
// The registration dialog of the free-task program: the pupil's surname and
// first name, or a team name, which then caption the executor window.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
struct FreeTaskForms;

// Characters the surname and first-name fields take from the keyboard, judged
// by their Windows-1251 code: backspace, blank, comma and the Russian letters
// "А" to "я". A character that Windows-1251 cannot hold is not among them.
bool InNameChars(QChar c);
// "а".."я" become "А".."Я"; everything else ("ё" included) stays as it is.
QChar UpCaseCyrillic(QChar c);
// Leading and trailing characters of code 32 or below removed.
QString TrimBlanks(const QString& s);
// A name part as "Готово" stores it: trimmed, cut to 20 characters, and for
// the surname and first name with a capital first letter.
QString NormaliseName(const QString& text, bool capitalise);
// The executor window's caption for the three normalised parts.
QString ExecutorCaption(const QString& surname, const QString& name, const QString& team);

class TfrmRegistrPupil : public QDialog {
    Q_OBJECT
public:
    TfrmRegistrPupil(FreeTaskForms& forms, QWidget* parent = nullptr);

    void FormActivate();
    void EditNam1KeyPress(QChar& key);
    void EditNam2KeyPress(QChar& key);
    void EditNam3KeyPress(QChar& key);
    void ReadyBitBClick();

    QLabel* NamLab1 = nullptr;
    QLineEdit* EditNam1 = nullptr;
    QLabel* NamLab2 = nullptr;
    QLineEdit* EditNam2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EditNam3 = nullptr;
    QPushButton* ReadyBitB = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Enter and the filter of the two name fields.
    void NameKeyPress(QLineEdit* edit, QWidget* next, QChar& key);
    // What a refused character does to its field: the beep, the field
    // emptied, the error box.
    void Refuse(QLineEdit* edit);
    // A paste, drop or input method's text the filter refused.
    void RefuseInsertion(QLineEdit* edit);

    FreeTaskForms& forms_;
    bool activated_ = false;
};
