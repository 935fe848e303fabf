// The fixed-task window's own components, its menu items and its rows of the
// stage table.

#include "FixedTaskEdition.h"

#include "DockablePanel.h"
#include "FixedTaskLayout.h"
#include "FixedTaskTexts.h"
#include "ComponentBuilders.h"
#include "DesignedFont.h"
#include "Hints.h"
#include "ListRows.h"
#include "MenuStyle.h"
#include "RoPupilUnit.h"
#include "StageTable.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

namespace {
const QString kFieldHint =
    QStringLiteral("Рабочее поле для Тимпушки | Рабочее поле для Тимпушки имеет размер 12х12 клеток");

// A caption followed by the given number of blanks, which widen its menu item.
QString Padded(const char* caption, int blanks)
{
    return QString::fromUtf8(caption) + QString(blanks, QLatin1Char(' '));
}
} // namespace

FixedTaskEdition::FixedTaskEdition() : MemoTask(BuiltInTaskText()) {}

int FixedTaskEdition::ClientHeight() const { return FixedTaskClientHeight; }

void FixedTaskEdition::BuildMainMenuItems(TfrmRoPupil& form)
{
    NMainPattern = form.AddMainMenuItem(
        "NMainPattern", Padded("Образец", 11), 6, QKeySequence(),
        QStringLiteral("Рисунок, который нужно воспроизвести | Кнопка \"Образец\" показывает/прячет образец "
                       "рисунка для воспроизведения при решении задачи"));
    // Image 6 of this program's menu pictures is the framed landscape.
    NMainPattern->setProperty("ImageList", QStringLiteral(":/fixed/menu_%1.png"));
    QObject::connect(NMainPattern, &QAction::triggered, NMainPattern, [this] { NMainPatternClick(); });

    NMainHelp = form.AddMainMenuItem("NMainHelp", Padded("Справка", 16), 8, QKeySequence(),
                                     QStringLiteral("Справка | Кнопка \"Справка\""));
    NMainHelpMenu = new QMenu(form.MainMenu);
    NMainHelpMenu->setObjectName(QStringLiteral("NMainHelpMenu"));
    NMainHelp->setMenu(NMainHelpMenu);
    auto addHelp = [this](QAction** slot, const char* name, const QString& caption, void (FixedTaskEdition::*click)()) {
        QAction* a = NMainHelpMenu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        QObject::connect(a, &QAction::triggered, a, [this, click] { (this->*click)(); });
        *slot = a;
    };
    addHelp(&NMainHelpCor, "NMainHelpCor", QStringLiteral("О ЦОРе"), &FixedTaskEdition::NMainHelpCorClick);
    addHelp(&NMainHelpTimpa, "NMainHelpTimpa", QStringLiteral("ГрИс \"Тимпушка\""),
            &FixedTaskEdition::NMainHelpTimpaClick);
    addHelp(&NMainHelpUmk, "NMainHelpUmk", QStringLiteral("УМК \"Тимпушка\""), &FixedTaskEdition::NMainHelpUmkClick);
}

void FixedTaskEdition::BuildComponents(TfrmRoPupil& form)
{
    form.setWindowTitle(QStringLiteral("Исполнитель \"Тимпушка\".  Задача  \"Квадрат\""));
    SetHint(form.pnl1, kFieldHint);
    SetHint(form.pnlMain, kFieldHint);
    SetHint(form.PaintImage, kFieldHint);

    // The key stands after the tool bar's wide separator.
    FixToolButtonKey = new QToolButton(form.ToolBarAlg);
    FixToolButtonKey->setObjectName(QStringLiteral("FixToolButtonKey"));
    FixToolButtonKey->setIcon(QIcon(QStringLiteral(":/toolbar/tool_4.png")));
    FixToolButtonKey->setAutoRaise(true);
    FixToolButtonKey->setFocusPolicy(Qt::NoFocus);   // a tool button is for the mouse only
    SetHint(FixToolButtonKey, QStringLiteral("Открыть верное решение | Открыть верное решение "));
    form.ToolBarAlg->addWidget(FixToolButtonKey);
    QObject::connect(FixToolButtonKey, &QToolButton::clicked, FixToolButtonKey, [this] { FixToolButtonKeyClick(); });

    BuildTaskStrip(form);
    BuildPatternPanel(form);
    BuildSolutionPanel(form);
}

void FixedTaskEdition::BuildTaskStrip(TfrmRoPupil& form)
{
    // Both bevels: the outer raised, the inner lowered.
    pnlTskNew = MakeTwoBevelPanel(form.ClientArea(), "pnlTskNew");
    pnlTskNew->resize(665, TaskStripHeight);
    SetPanelColor(pnlTskNew, QPalette::Base);
    LabelTsk = MakeLabel(pnlTskNew, "LabelTsk", QStringLiteral("Задача:"), 32, 8);
    LabelTskName = MakeLabel(pnlTskNew, "LabelTskName", QStringLiteral("\"Квадрат\""), 24, 24);
    LabelTskName->setFont(DesignedFont(QStringLiteral("MS Sans Serif"), 11, true));
    LabelTskName->adjustSize();
    lstTsk = MakeList(pnlTskNew, "lstTsk", 13);
    lstTsk->setGeometry(lstTskLeft, lstTskTop, 200, lstTskHeight);
    NameAfter(lstTsk, {LabelTsk});
}

void FixedTaskEdition::BuildPatternPanel(TfrmRoPupil& form)
{
    pnlPattern = new DockablePanel(form.ClientArea(), "pnlPattern", QStringLiteral("Образец"),
                                   QSize(PatternPanelWidth, PatternPanelHeight));
    SetHint(pnlPattern, QStringLiteral("Перетащите в удобное место или закройте | Панель \"Образец\" можно снова "
                                       "открыть, щелкнув кнопку <Образец> в верхнем меню"));
    lblPattern = MakeLabel(pnlPattern, "lblPattern", QStringLiteral("Образец:"), DockablePanel::Inset + 16,
                           DockablePanel::Inset + 4);
    imagePattern = new QLabel(pnlPattern);
    imagePattern->setObjectName(QStringLiteral("imagePattern"));
    imagePattern->setGeometry(DockablePanel::Inset + 8, DockablePanel::Inset + 27, 254, 254);
    imagePattern->setPixmap(QPixmap(QStringLiteral(":/fixed/pattern.png")));
    SetHint(imagePattern, QStringLiteral("Перетащите в удобное место или закройте "));
}

void FixedTaskEdition::BuildSolutionPanel(TfrmRoPupil& form)
{
    pnlDec = new DockablePanel(form.ClientArea(), "pnlDec", QStringLiteral("Верное решение"),
                               QSize(SolutionPanelWidth, SolutionPanelHeight));
    SetHint(pnlDec, QStringLiteral("Перетащите в удобное место или закройте | Панель \"Верное решение\" можно "
                                   "снова открыть, щелкнув по пиктограмме <Ключ>"));
    lblDec = MakeLabel(pnlDec, "lblDec", QStringLiteral("Верное решение:"), DockablePanel::Inset + 8,
                       DockablePanel::Inset + 8);
    lstDec = MakeList(pnlDec, "lstDec", 16);
    lstDec->setFont(DesignedFont(QStringLiteral("Arial"), 13));
    lstDec->setGeometry(DockablePanel::Inset + 8, DockablePanel::Inset + 24, 297, 569);
    lstDec->addItems(CorrectSolutionLines());
    ListStatistDec = MakeList(pnlDec, "ListStatistDec", 13);
    ListStatistDec->setGeometry(DockablePanel::Inset + 312, DockablePanel::Inset + 464, 121, 129);
    ListStatistDec->addItems(CorrectSolutionStatistics());
    NameAfter(lstDec, {lblDec});
    NameAfter(ListStatistDec, {form.ListStatist});
}

void FixedTaskEdition::AddStageRows(TfrmRoPupil&, StageTable& stages)
{
    // Columns: initial, begun, development, debugging.
    stages.InsertAfter(QStringLiteral("NMainDebug"),
                       {QStringLiteral("NMainPattern"), {Off, Off, On, Off}, SetsEnabled(NMainPattern)});
    // "Справка" stays on from "Начать" on, during runs too.
    stages.InsertAfter(QStringLiteral("NMainPattern"),
                       {QStringLiteral("NMainHelp"), {Off, On, On, On}, SetsEnabled(NMainHelp)});
    stages.InsertAfter(QStringLiteral("FixToolButtonStop"),
                       {QStringLiteral("FixToolButtonKey"), {Off, Off, Off, On}, SetsEnabled(FixToolButtonKey)});
    // The strip is disabled from the initial stage on: it takes no mouse or
    // keyboard input, and a click on it falls through to the window's
    // background. Unlike a disabled Qt parent it leaves its labels and list
    // looking greyed or not as their own rows say.
    QFrame* strip = pnlTskNew;
    QListWidget* tasks = lstTsk;
    stages.Append({QStringLiteral("pnlTskNew"), {Off, Keep, Keep, Keep}, [strip, tasks](bool on) {
                       for (QWidget* w : strip->findChildren<QWidget*>())
                           w->setAttribute(Qt::WA_TransparentForMouseEvents, !on);
                       strip->setAttribute(Qt::WA_TransparentForMouseEvents, !on);
                       tasks->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
                   }});
    // "Начать" switches the task labels on itself, once the task is set up.
    QLabel* label = LabelTsk;
    QLabel* name = LabelTskName;
    stages.Append({QStringLiteral("LabelTsk"), {Off, Keep, On, Off}, [label, name](bool on) {
                       label->setEnabled(on);
                       name->setEnabled(on);
                   }});
    stages.Append({QStringLiteral("lstTsk"), {Keep, Keep, On, Off}, SetsEnabled(lstTsk)});
    DockablePanel* panel = pnlPattern;
    stages.Append({QStringLiteral("pnlPattern visible"), {Keep, Keep, Off, Keep},
                   [panel](bool on) { panel->SetShown(on); }});
}
