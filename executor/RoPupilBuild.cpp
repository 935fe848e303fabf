#include "RoPupilUnit.h"

#include "ComponentBuilders.h"
#include "CondensedRows.h"
#include "DesignedFont.h"
#include "Hints.h"
#include "ListRows.h"
#include "FormRunHost.h"
#include "Interpreter.h"
#include "MenuStyle.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {
const QString kFieldHint = QStringLiteral("Рабочее поле для Тимпушки | Рабочее поле для Тимпушки ");
} // namespace

TfrmRoPupil::TfrmRoPupil(std::unique_ptr<RoPupilEdition> edition, int screenWidth, QWidget* parent)
    : TfrmRoPupil(std::move(edition), screenWidth, QRect(), parent)
{
}

TfrmRoPupil::TfrmRoPupil(std::unique_ptr<RoPupilEdition> edition, int screenWidth, const QRect& workArea,
                         QWidget* parent)
    : QMainWindow(parent),
      edition_(std::move(edition)),
      renderer_(model_, edition_->LeftFacingPictureDy()),
      host_(std::make_unique<FormRunHost>(*this)),
      interpreter_(std::make_unique<LineInterpreter>(model_, *host_))
{
    setObjectName(QStringLiteral("frmRoPupil"));
    setWindowTitle(QStringLiteral("Исполнитель \"Тимпушка\". Постановка задачи и образец - на бумаге"));
    setFont(DesignedFont(QStringLiteral("MS Sans Serif"), 11));
    workArea_ = workArea;
    if (screenWidth < 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenWidth = screen ? screen->geometry().width() : 1024;
        workArea_ = screen ? screen->availableGeometry() : QRect();
    }
    model_.ScreenWidth = int16_t(screenWidth);
    BuildComponents();
    edition_->BuildComponents(*this);
    BuildStageTable();
    edition_->AddStageRows(*this, stages_);
    FormCreate();
}

TfrmRoPupil::~TfrmRoPupil()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    // FormDestroy: the bitmaps go with the model.
    renderer_.presenter = nullptr;
}

void TfrmRoPupil::BuildComponents()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client_);

    BuildMenu();
    BuildToolBar(client_);
    BuildCommandPanel(client_);

    lstCom = new AlgorithmList(client_, "lstCom", lstComItemHeight);
    lstCom->setFont(DesignedFont(QStringLiteral("Arial"), 13));
    lstCom->setAccessibleName(QStringLiteral("Алгоритм"));

    ListStatist = MakeList(client_, "ListStatist", 13);
    // A count is never cut: a line it makes too long is drawn narrower.
    CondenseLongRows(ListStatist, 13);
    SetHint(ListStatist, QStringLiteral("Статистика | Подсчет числа команд и управляющих структур в вашем алгоритме"));
    NameAfter(ListStatist, {ListStatist});

    BuildFieldPanels(client_);
    BuildConditionPanels(client_);
    BuildProcPanel(client_);
    BuildCommentPanel(client_);
    BuildComMenu();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(22);
    StatusBar1->setSizeGripEnabled(false);
    // The bar is painted in the caption-text colour (white on the usual scheme).
    QPalette barPalette = StatusBar1->palette();
    barPalette.setColor(QPalette::Window, Qt::white);
    StatusBar1->setPalette(barPalette);
    StatusBar1->setAutoFillBackground(true);
    setStatusBar(StatusBar1);

    QTimer** timers[] = {&Timer1, &Timer2, &Timer3};
    const int intervals[] = {5000, 5050, 5100};
    for (int i = 0; i < 3; ++i) {
        auto* t = new QTimer(this);
        t->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
        t->setInterval(intervals[i]);
        *timers[i] = t;
    }
    connect(Timer1, &QTimer::timeout, this, &TfrmRoPupil::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TfrmRoPupil::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TfrmRoPupil::Timer3Timer);

    // The window sees every key before the focused control.
    QCoreApplication::instance()->installEventFilter(this);
}

void TfrmRoPupil::BuildMenu()
{
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    setMenuBar(MainMenu);
    InstallOwnerDrawMenuStyle(MainMenu);

    NMainBegin = AddMainMenuItem("NMainBegin", QStringLiteral("Начать           "), 0, QKeySequence(Qt::SHIFT | Qt::Key_F1),
                                 QStringLiteral("\"Начать\" - первый этап решения задачи | На  этапе \"Начать\" откроется постановка задачи и, если необходимо, образец рисунка для воспроизведения"));
    NMainWork = AddMainMenuItem("NMainWork", QStringLiteral("Разработка           "), 2, QKeySequence(Qt::SHIFT | Qt::Key_F2),
                                QStringLiteral("\"Разработка\" - этап редактирования алгоритма | Этап \"Разработка\" чередуется с этапом \"Отладка\", пока не будет составлен верный алгоритм"));
    NMainDebug = AddMainMenuItem("NMainDebug", QStringLiteral("Отладка              "), 4, QKeySequence(Qt::SHIFT | Qt::Key_F3),
                                 QStringLiteral("\"Отладка\" - этап проверки правильности исполнения алгоритма | На этапе \"Отладка\" запустите алгоритм на исполнение с выбранной скоростью"));
    connect(NMainBegin, &QAction::triggered, this, &TfrmRoPupil::NMainBeginClick);
    connect(NMainWork, &QAction::triggered, this, &TfrmRoPupil::NMainWorkClick);
    connect(NMainDebug, &QAction::triggered, this, &TfrmRoPupil::NMainDebugClick);
    edition_->BuildMainMenuItems(*this);
}

QAction* TfrmRoPupil::AddMainMenuItem(const char* name, const QString& caption, int imageIndex,
                                      const QKeySequence& shortcut, const QString& hint)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setProperty("ImageIndex", imageIndex);
    a->setShortcut(shortcut);
    a->setShortcutContext(Qt::WindowShortcut);
    if (!hint.isEmpty())
        SetHint(a, hint);
    MainMenu->addAction(a);
    return a;
}

void TfrmRoPupil::BuildToolBar(QWidget* client)
{
    ToolBarAlg = new QToolBar(client);
    ToolBarAlg->setObjectName(QStringLiteral("ToolBarAlg"));
    ToolBarAlg->setGeometry(ToolBarAlgLeft, ToolBarAlgTop, ToolBarAlgWidth, ToolBarAlgHeight);
    ToolBarAlg->setIconSize(QSize(16, 16));
    ToolBarAlg->setMovable(false);
    ToolBarAlg->setFloatable(false);
    // The buttons stand from the bar's left edge, one against the next; only
    // the separators part them.
    ToolBarAlg->layout()->setContentsMargins(0, 0, 0, 0);
    ToolBarAlg->layout()->setSpacing(0);

    auto addGap = [this](int width, const char* name) {
        auto* gap = new QWidget(ToolBarAlg);
        gap->setObjectName(QString::fromLatin1(name));
        gap->setFixedWidth(width);
        ToolBarAlg->addWidget(gap);
    };
    auto addButton = [this](QToolButton** slot, const char* name, int image, const QString& hint) {
        auto* b = new QToolButton(ToolBarAlg);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(QIcon(QStringLiteral(":/toolbar/tool_%1.png").arg(image)));
        b->setAutoRaise(true);
        // A tool button is pressed with the mouse only: Tab never stops on it,
        // so Space or Enter cannot start a run from the keyboard focus.
        b->setFocusPolicy(Qt::NoFocus);
        SetHint(b, hint);
        ToolBarAlg->addWidget(b);
        *slot = b;
    };
    addButton(&FixToolButtonDo, "FixToolButtonDo", 0,
              QStringLiteral("Выполнять медленно | Исполнять алгоритм с малой скоростью"));
    addGap(1, "ToolButtonGap1");
    addButton(&FixToolButtonQuick, "FixToolButtonQuick", 1,
              QStringLiteral("Выполнять быстро | Исполнять алгоритм со средней скоростью"));
    addButton(&FixToolButtonResult, "FixToolButtonResult", 2,
              QStringLiteral("Выполнять очень быстро | Исполнять алгоритм с высокой скоростью"));
    addGap(8, "ToolButtonGap2");
    addButton(&FixToolButtonStop, "FixToolButtonStop", 3, QStringLiteral("Прервать выполнение"));
    addGap(180, "ToolButton2");

    connect(FixToolButtonDo, &QToolButton::clicked, this, &TfrmRoPupil::FixToolButtonDoClick);
    connect(FixToolButtonQuick, &QToolButton::clicked, this, &TfrmRoPupil::FixToolButtonQuickClick);
    connect(FixToolButtonResult, &QToolButton::clicked, this, &TfrmRoPupil::FixToolButtonResultClick);
    connect(FixToolButtonStop, &QToolButton::clicked, this, &TfrmRoPupil::FixToolButtonStopClick);
}

void TfrmRoPupil::BuildCommandPanel(QWidget* client)
{
    PPPanelSystCom = MakePanel(client, "PPPanelSystCom");
    PPPanelSystCom->resize(PPPanelSystComWidth, PPPanelSystComHeight);
    SetPanelColor(PPPanelSystCom, QPalette::Base);
    QWidget* p = PPPanelSystCom;

    LabelPP1 = MakeLabel(p, "LabelPP1", QStringLiteral("Система "), 27, 2);
    LabelPP2 = MakeLabel(p, "LabelPP2", QStringLiteral("команд"), 31, 13);
    PPButtonStep = MakeButton(p, "PPButtonStep", QStringLiteral("ШАГ            F2"), QRect(9, 32, 96, 25));
    PPButtonJump = MakeButton(p, "PPButtonJump", QStringLiteral("ПРЫЖОК   F3"), QRect(9, 56, 96, 25));
    PPButtonTurn = MakeButton(p, "PPButtonTurn", QStringLiteral("ПОВОРОТ   F4"), QRect(9, 80, 96, 25));
    LabelPP3 = MakeLabel(p, "LabelPP3", QStringLiteral("Процедуры"), 25, 112);
    PPButtonProc = MakeButton(p, "PPButtonProc", QStringLiteral("ОПИСАНИЕ F5"), QRect(9, 136, 96, 25));
    PPButtonDoProc = MakeButton(p, "PPButtonDoProc", QStringLiteral("ВЫЗОВ        F6"), QRect(9, 160, 96, 25));
    LabelPP4 = MakeLabel(p, "LabelPP4", QStringLiteral("Управляющие "), 17, 200);
    LabelPP5 = MakeLabel(p, "LabelPP5", QStringLiteral("структуры"), 25, 212);
    PPButtonIf = MakeButton(p, "PPButtonIf", QStringLiteral("ВЕТВЛЕНИЕ  F7"), QRect(8, 234, 97, 24));
    PPButtonWhile = MakeButton(p, "PPButtonWhile", QStringLiteral("ЦИКЛ            F8"), QRect(8, 258, 97, 24));

    SetHint(PPButtonStep, QStringLiteral("ШАГ – перемещение \"Тимпушки\" на один шаг вперёд с рисованием следа  | ШАГ – перемещение \"Тимпушки\" на один шаг вперёд с рисованием следа "));
    SetHint(PPButtonJump, QStringLiteral("ПРЫЖОК – перемещение Тимпушки на один шаг вперёд без рисования следа | ПРЫЖОК – перемещение Тимпушки на один шаг вперёд без рисования следа "));
    SetHint(PPButtonTurn, QStringLiteral("ПОВОРОТ – поворот на 90 градусов против часовой стрелки | ПОВОРОТ – поворот на 90 градусов против часовой стрелки "));
    SetHint(PPButtonProc, QStringLiteral("Вставить в алгоритм описание процедуры | Вставить в алгоритм описание процедуры"));
    SetHint(PPButtonDoProc, QStringLiteral("Вставить в алгоритм вызов процедуры | Вставить в алгоритм вызов процедуры"));
    SetHint(PPButtonIf, QStringLiteral("Вставить в алгоритм управляющую структуру \"Ветвление\" | Вставить в алгоритм управляющую структуру \"Ветвление\""));
    SetHint(PPButtonWhile, QStringLiteral("Вставить в алгоритм управляющую структуру \"Цикл\" | Вставить в алгоритм управляющую структуру \"Цикл\""));

    connect(PPButtonStep, &QPushButton::clicked, this, &TfrmRoPupil::PPButtonStepClick);
    connect(PPButtonJump, &QPushButton::clicked, this, &TfrmRoPupil::PPButtonJumpClick);
    connect(PPButtonTurn, &QPushButton::clicked, this, &TfrmRoPupil::PPButtonTurnClick);
    connect(PPButtonIf, &QPushButton::clicked, this, &TfrmRoPupil::PPButtonIfClick);
    connect(PPButtonWhile, &QPushButton::clicked, this, &TfrmRoPupil::PPButtonWhileClick);
}

void TfrmRoPupil::BuildConditionPanels(QWidget* client)
{
    auto makePanel = [client](const char* name) {
        QFrame* f = MakePanel(client, name, QFrame::Raised);
        f->setLineWidth(2);
        f->resize(185, 73);
        f->hide();
        return f;
    };
    auto hinted = [](QPushButton* b, const QString& text) {
        SetHint(b, text + QStringLiteral(" | ") + text);
        return b;
    };
    PanelIf = makePanel("PanelIf");
    ButtonIf = hinted(MakeButton(PanelIf, "ButtonIf", QStringLiteral("ЕСЛИ впереди стена  "), QRect(8, 8, 169, 25)),
                      QStringLiteral("Вставить в алгоритм управляющую структуру \"Ветвление\" с проверкой условия \"впереди стена\""));
    ButtonIfNot = hinted(MakeButton(PanelIf, "ButtonIfNot", QStringLiteral("ЕСЛИ впереди не стена "), QRect(8, 32, 169, 25)),
                         QStringLiteral("Вставить в алгоритм управляющую структуру \"Ветвление\" с проверкой условия \"впереди НЕ стена\""));
    PanelWhile = makePanel("PanelWhile");
    ButtonWhile = hinted(MakeButton(PanelWhile, "ButtonWhile", QStringLiteral("ПОКА впереди стена"), QRect(8, 8, 169, 25)),
                         QStringLiteral("Вставить в алгоритм управляющую структуру \"Цикл\" с проверкой условия \"впереди стена\""));
    ButtonWhileNot = hinted(MakeButton(PanelWhile, "ButtonWhileNot", QStringLiteral("ПОКА впереди не стена"), QRect(8, 32, 169, 25)),
                            QStringLiteral("Вставить в алгоритм управляющую структуру \"Цикл\" с проверкой условия \"впереди НЕ стена\""));

    connect(ButtonIf, &QPushButton::clicked, this, &TfrmRoPupil::ButtonIfClick);
    connect(ButtonIfNot, &QPushButton::clicked, this, &TfrmRoPupil::ButtonIfNotClick);
    connect(ButtonWhile, &QPushButton::clicked, this, &TfrmRoPupil::ButtonWhileClick);
    connect(ButtonWhileNot, &QPushButton::clicked, this, &TfrmRoPupil::ButtonWhileNotClick);
}

void TfrmRoPupil::BuildFieldPanels(QWidget* client)
{
    pnl1 = MakeTwoBevelPanel(client, "pnl1");
    SetHint(pnl1, kFieldHint);
    pnlMain = new QFrame(pnl1);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    pnlMain->setAutoFillBackground(true);
    // The panel shows the scroll-bar track colour, the same as the body of a wall.
    QPalette mainPalette = pnlMain->palette();
    mainPalette.setColor(QPalette::Window, FieldRenderer::WallColor());
    pnlMain->setPalette(mainPalette);
    SetHint(pnlMain, kFieldHint);
    PaintImage = new FieldImage(model_, pnlMain);
    PaintImage->setObjectName(QStringLiteral("PaintImage"));
    SetHint(PaintImage, QStringLiteral("Рабочее поле для Тимпушки | Рабочее поле для Тимпушки"));
    PanelX = new QWidget(pnl1);
    PanelX->setObjectName(QStringLiteral("PanelX"));
    PanelY = new QWidget(pnl1);
    PanelY->setObjectName(QStringLiteral("PanelY"));

    renderer_.presenter = [this](const QRect& changed) {
        if (PaintImage)
            PaintImage->Present(changed);
    };
}
