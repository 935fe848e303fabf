// The points panel and the field-size menu of the free-task program.

#include "FreeTaskEdition.h"

#include "ComponentBuilders.h"
#include "Hints.h"
#include "MessageBoxes.h"
#include "PointsPanel.h"
#include "RoPupilUnit.h"
#include "StageTable.h"
#include "StrToInt.h"
#include "UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

UpDown* MakeUpDown(QWidget* parent, const char* name, QLineEdit* associate, const QRect& r)
{
    auto* u = new UpDown(associate, parent);
    u->setObjectName(QString::fromLatin1(name));
    u->setGeometry(r);
    u->SetMin(0);
    u->SetMax(11);
    return u;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, const QRect& r,
                        bool checked)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(r);
    c->setChecked(checked);
    return c;
}

} // namespace

void FreeTaskEdition::BuildSizeMenu()
{
    // The items keep the standard look of a menu; the first caption has the
    // Cyrillic "х", the others the Latin "x".
    NMainHelpMenu = new QMenu(form_);
    NMainHelpMenu->setObjectName(QStringLiteral("NMainHelpMenu"));
    const struct {
        QAction** item;
        const char* name;
        QString caption;
    } items[] = {
        {&N1212, "N1212", QStringLiteral("12 х 1&2")},
        {&N1313, "N1313", QStringLiteral("13 x 1&3")},
        {&N1414, "N1414", QStringLiteral("14 x 1&4")},
        {&N1515, "N1515", QStringLiteral("15 x 1&5")},
    };
    for (const auto& it : items) {
        QAction* a = NMainHelpMenu->addAction(it.caption);
        a->setObjectName(QString::fromLatin1(it.name));
        QObject::connect(a, &QAction::triggered, form_, [this, a] { N1212Click(a); });
        *it.item = a;
    }
    NMainHelp->setMenu(NMainHelpMenu);
}

void FreeTaskEdition::BuildPointsPanel(QWidget* client)
{
    PanelPoints = new PointsPanel(client);
    PanelPoints->setObjectName(QStringLiteral("PanelPoints"));
    PanelPoints->setAutoFillBackground(true);
    PanelPoints->setGeometry(40, 72, 681, 41);
    PanelPoints->OnSurfaceClick = [this] { PanelPointsClick(); };

    QWidget* p = PanelPoints;
    // The designed places count from inside the panel's single border.
    const int in = PointsPanel::Inset;
    auto At = [in](int left, int top, int width, int height) { return QRect(left + in, top + in, width, height); };
    CheckBoxA = MakeCheckBox(p, "CheckBoxA", QStringLiteral("т.А"), At(8, 8, 41, 17), true);
    Label3 = MakeLabel(p, "Label3", QStringLiteral("X="), 56 + in, 8 + in);
    EditAX = MakeEdit(p, "EditAX", At(80, 6, 25, 21), QStringLiteral("0"));
    UpDownAX = MakeUpDown(p, "UpDownAX", EditAX, At(105, 6, 16, 21));
    Label4 = MakeLabel(p, "Label4", QStringLiteral("Y="), 136 + in, 8 + in);
    EditAY = MakeEdit(p, "EditAY", At(160, 6, 25, 21), QStringLiteral("0"));
    UpDownAY = MakeUpDown(p, "UpDownAY", EditAY, At(185, 6, 16, 21));
    Label8 = MakeLabel(p, "Label8", QStringLiteral("Направление="), 216 + in, 8 + in);

    // A drop-down list whose text field also takes typing; typed text never
    // becomes an entry. At start the text reads "вправо" with no entry chosen.
    ComboBoxTo = new QComboBox(p);
    ComboBoxTo->setObjectName(QStringLiteral("ComboBoxTo"));
    ComboBoxTo->setEditable(true);
    ComboBoxTo->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxTo->addItems(DirectionEntries());
    ComboBoxTo->setGeometry(At(296, 6, 65, 21));
    ComboBoxTo->setCurrentIndex(-1);
    ComboBoxTo->setEditText(QStringLiteral("вправо"));

    CheckBoxB = MakeCheckBox(p, "CheckBoxB", QStringLiteral("т.Б"), At(432, 8, 41, 17), false);
    Label6 = MakeLabel(p, "Label6", QStringLiteral("X="), 488 + in, 8 + in);
    EditBX = MakeEdit(p, "EditBX", At(512, 6, 25, 21), QStringLiteral("0"));
    UpDownBX = MakeUpDown(p, "UpDownBX", EditBX, At(537, 6, 16, 21));
    Label7 = MakeLabel(p, "Label7", QStringLiteral("Y="), 568 + in, 8 + in);
    EditBY = MakeEdit(p, "EditBY", At(592, 6, 25, 21), QStringLiteral("0"));
    UpDownBY = MakeUpDown(p, "UpDownBY", EditBY, At(617, 6, 16, 21));

    // The two points' edits are told apart by the point's check box.
    NameAfter(EditAX, {CheckBoxA, Label3});
    NameAfter(EditAY, {CheckBoxA, Label4});
    NameAfter(ComboBoxTo, {Label8});
    NameAfter(EditBX, {CheckBoxB, Label6});
    NameAfter(EditBY, {CheckBoxB, Label7});

    QWidget::setTabOrder(EditAX, EditAY);
    QWidget::setTabOrder(EditAY, EditBX);
    QWidget::setTabOrder(EditBX, EditBY);
    QWidget::setTabOrder(EditBY, CheckBoxA);
    QWidget::setTabOrder(CheckBoxA, CheckBoxB);
    QWidget::setTabOrder(CheckBoxB, ComboBoxTo);

    PanelPoints->hide();
}

PointsEntries FreeTaskEdition::PanelEntries() const
{
    PointsEntries e;
    e.AChecked = CheckBoxA->isChecked();
    e.AX = EditAX->text();
    e.AY = EditAY->text();
    // The entry whose text the list shows, chosen or typed; other text is no entry.
    e.DirEntry = int(DirectionEntries().indexOf(ComboBoxTo->currentText()));
    e.BChecked = CheckBoxB->isChecked();
    e.BX = EditBX->text();
    e.BY = EditBY->text();
    return e;
}

void FreeTaskEdition::SetSpinnerMaximum()
{
    const int last = form_->Model().FieldSize - 1;
    for (UpDown* u : {UpDownAX, UpDownAY, UpDownBX, UpDownBY})
        u->SetMax(last);
}

void FreeTaskEdition::NMainPointsClick()
{
    PanelPoints->setVisible(PanelPoints->isHidden());
    if (PanelPoints->isHidden())
        ApplyPoints();
    else
        PanelPoints->raise();
    SetSpinnerMaximum();
}

void FreeTaskEdition::PanelPointsClick()
{
    PanelPoints->hide();
    ApplyPoints();
}

void FreeTaskEdition::ApplyPoints()
{
    // Every field is read and checked before anything changes, so a field that
    // is not a whole number leaves the points and the picture as they were.
    const QString error = ReadPoints(PanelEntries(), form_->Model());
    if (!error.isEmpty()) {
        ShowUnhandledError(error);
        return;
    }
    form_->DrawField();
    form_->DrawScene();
    StopRunWithoutStart();
}

void FreeTaskEdition::N1212Click(QAction* sender)
{
    const std::optional<int> n = StrToInt(sender->text().left(2));
    if (!n)
        return;
    form_->SetFieldSize(int16_t(*n));
    SetSpinnerMaximum();
    form_->DrawField();
    form_->DrawScene();
    form_->ShowField();
    StopRunWithoutStart();
}

void FreeTaskEdition::StopRunWithoutStart()
{
    // A run goes on from point A after the points or the field size change;
    // when point A is gone or off the field it ends here instead, as the stop
    // button ends it, so the executor never walks outside the field.
    if (!form_->IsRunning())
        return;
    const QString problem = StartPointProblem(form_->Model());
    if (problem.isEmpty())
        return;
    form_->Model().StopFlag = 1;
    MessageDlgError(problem);
}
