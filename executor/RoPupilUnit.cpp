#include "RoPupilUnit.h"

#include "AlgorithmText.h"
#include "FormKit.h"
#include "Interpreter.h"
#include "MenuStyle.h"
#include "Statistics.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

// ---------------------------------------------------------------------------
// Pieces of the window that Qt has in another shape.

FieldImage::FieldImage(RoPupilModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldImage::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.drawImage(e->rect(), model_.FieldBitmap, e->rect());
}

namespace {

// List rows of a fixed height, as the lists were designed.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(height_);
        return s;
    }

private:
    int height_;
};

QListWidget* MakeList(QWidget* parent, const char* name, int rowHeight)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setItemDelegate(new FixedRowDelegate(rowHeight, list));
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFrameShape(QFrame::Box);
    list->setFrameShadow(QFrame::Plain);
    // Long lines are cut at the right edge, as in a plain list box.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

// The designed fonts are Windows fonts; where they are missing the metric
// twin of Arial keeps the texts as narrow as they were designed.
QFont PixelFont(const QString& family, int pixelSize)
{
    QFont f;
    f.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setPixelSize(pixelSize);
    return f;
}

// A panel with a lowered inner bevel.
QFrame* MakePanel(QWidget* parent, const char* name, QFrame::Shadow shadow = QFrame::Sunken)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(shadow);
    f->setAutoFillBackground(true);
    return f;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& r)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(r);
    // Enter presses the focused button, as pupils expect of a button.
    b->setAutoDefault(true);
    return b;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(left, top);
    l->adjustSize();
    return l;
}

void SetPanelColor(QWidget* w, QPalette::ColorRole role)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QApplication::palette().color(role));
    w->setPalette(p);
}

const QString kFieldHint = QStringLiteral("Рабочее поле для Тимпушки | Рабочее поле для Тимпушки ");

} // namespace

// ---------------------------------------------------------------------------
// How a run reaches the window.

class FormRunHost : public RunHost {
public:
    explicit FormRunHost(TfrmRoPupil& f) : f_(f) {}

    int LineCount() const override { return f_.lstCom->count(); }
    QString Line(int i) const override
    {
        const QListWidgetItem* item = f_.lstCom->item(i);
        return item ? item->text() : QString();
    }
    void Highlight(int i) override
    {
        if (i >= 0 && i < f_.lstCom->count()) {
            f_.lstCom->setCurrentRow(i);
            f_.lstCom->scrollToItem(f_.lstCom->item(i));
        } else {
            f_.lstCom->setCurrentRow(-1);
        }
    }
    void DrawField() override { f_.renderer_.DrawField(); }
    void DrawScene() override { f_.renderer_.DrawScene(); }
    void ShowField() override { f_.renderer_.ShowField(); }
    void SaveUnderExecutor(int16_t x, int16_t y) override { f_.renderer_.SaveUnderExecutor(x, y); }
    void RestoreUnderExecutor(int16_t x, int16_t y) override { f_.renderer_.RestoreUnderExecutor(x, y); }
    void DrawExecutor(int16_t dir) override { f_.renderer_.DrawExecutor(dir); }
    void DrawExecutorAlarm() override { f_.renderer_.DrawExecutorAlarm(); }
    void DrawTrace(int x0, int y0, int x1, int y1) override { f_.renderer_.DrawTrace(x0, y0, x1, y1); }
    void DrawJumpWall(int i, int place) override { f_.renderer_.DrawJumpWall(i, place); }
    void DrawJumpWallGhost(int i, int place) override { f_.renderer_.DrawJumpWallGhost(i, place); }
    // A closed window needs no more pauses: the run is only unwinding.
    void Pause(int ms) override
    {
        if (!f_.closed_)
            Delay(0, ms);
    }
    void ProcessMessages() override { QCoreApplication::processEvents(); }
    void ShowError(const QString& text) override { MessageDlgError(text); }
    void ShowInformation(const QString& text) override { MessageDlgInformation(text); }
    void Paint() override { f_.repaint(); }
    void DisableWorkMenu() override { f_.DisableWorkMenu(); }
    void EnableWorkMenu() override { f_.EnableWorkMenu(); }
    void DisableJumpWallTimer(int i) override
    {
        QTimer* timers[] = {f_.Timer1, f_.Timer2, f_.Timer3};
        if (i >= 0 && i < 3)
            timers[i]->stop();
    }

private:
    TfrmRoPupil& f_;
};

// ---------------------------------------------------------------------------

void RoPupilEdition::StartTask(TfrmRoPupil& form)
{
    form.Model().ResetPoints();
    form.DrawField();
    form.DrawScene();
    form.NewAlgorithm();
    form.StartJumpWalls();
    QCoreApplication::processEvents();
}

TfrmRoPupil::TfrmRoPupil(std::unique_ptr<RoPupilEdition> edition, int screenWidth, QWidget* parent)
    : QMainWindow(parent),
      edition_(std::move(edition)),
      renderer_(model_, edition_->LeftFacingPictureDy()),
      host_(std::make_unique<FormRunHost>(*this))
{
    setObjectName(QStringLiteral("frmRoPupil"));
    setWindowTitle(QStringLiteral("Исполнитель \"Тимпушка\". Постановка задачи и образец - на бумаге"));
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    if (screenWidth < 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenWidth = screen ? screen->geometry().width() : 1024;
    }
    model_.ScreenWidth = int16_t(screenWidth);
    BuildComponents();
    edition_->AttachTo(*this);
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

    lstCom = MakeList(client_, "lstCom", lstComItemHeight);
    lstCom->setFont(PixelFont(QStringLiteral("Arial"), 13));

    ListStatist = MakeList(client_, "ListStatist", 13);
    SetHint(ListStatist, QStringLiteral("Статистика | Подсчет числа команд и управляющих структур в вашем алгоритме"));

    BuildFieldPanels(client_);
    BuildConditionPanels(client_);

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

    struct Item { QAction** action; const char* name; QString caption; int image; int key; QString hint; };
    const Item items[] = {
        {&NMainBegin, "NMainBegin", QStringLiteral("Начать           "), 0, Qt::Key_F1,
         QStringLiteral("\"Начать\" - первый этап решения задачи | На  этапе \"Начать\" откроется постановка задачи и, если необходимо, образец рисунка для воспроизведения")},
        {&NMainWork, "NMainWork", QStringLiteral("Разработка           "), 2, Qt::Key_F2,
         QStringLiteral("\"Разработка\" - этап редактирования алгоритма | Этап \"Разработка\" чередуется с этапом \"Отладка\", пока не будет составлен верный алгоритм")},
        {&NMainDebug, "NMainDebug", QStringLiteral("Отладка              "), 4, Qt::Key_F3,
         QStringLiteral("\"Отладка\" - этап проверки правильности исполнения алгоритма | На этапе \"Отладка\" запустите алгоритм на исполнение с выбранной скоростью")},
        {&NMainPoints, "NMainPoints", QStringLiteral("Точки        "), 6, Qt::Key_F4,
         QStringLiteral("Установить точки А и Б | Установить точки А и Б")},
        {&NMainHelp, "NMainHelp", QStringLiteral("Размер поля"), 8, Qt::Key_F5, QString()},
    };
    for (const Item& it : items) {
        auto* a = new QAction(it.caption, this);
        a->setObjectName(QString::fromLatin1(it.name));
        a->setProperty("ImageIndex", it.image);
        a->setShortcut(QKeySequence(Qt::SHIFT | it.key));
        a->setShortcutContext(Qt::WindowShortcut);
        if (!it.hint.isEmpty())
            SetHint(a, it.hint);
        MainMenu->addAction(a);
        *it.action = a;
    }
    connect(NMainBegin, &QAction::triggered, this, &TfrmRoPupil::NMainBeginClick);
    connect(NMainWork, &QAction::triggered, this, &TfrmRoPupil::NMainWorkClick);
    connect(NMainDebug, &QAction::triggered, this, &TfrmRoPupil::NMainDebugClick);
}

void TfrmRoPupil::BuildToolBar(QWidget* client)
{
    ToolBarAlg = new QToolBar(client);
    ToolBarAlg->setObjectName(QStringLiteral("ToolBarAlg"));
    ToolBarAlg->setGeometry(ToolBarAlgLeft, ToolBarAlgTop, ToolBarAlgWidth, ToolBarAlgHeight);
    ToolBarAlg->setIconSize(QSize(16, 16));
    ToolBarAlg->setMovable(false);
    ToolBarAlg->setFloatable(false);

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
    addGap(180, "ToolButtonGap3");

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
    pnl1 = MakePanel(client, "pnl1");
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
        if (PaintImage && !changed.isEmpty())
            PaintImage->repaint(changed);
    };
}

// ---------------------------------------------------------------------------
// Creation and layout.

void TfrmRoPupil::FormCreate()
{
    layout_ = ComputeFormLayout(model_.ScreenWidth);
    model_.Margin = layout_.Margin;
    PPPanelSystCom->move(layout_.PPPanelSystCom.topLeft());
    lstCom->setGeometry(layout_.lstCom);
    pnl1->setGeometry(layout_.pnl1);
    pnlMain->setGeometry(layout_.pnlMain);
    model_.HalfVisibleLines = layout_.HalfVisibleLines;
    PaintImage->resize(pnlMain->width(), PaintImage->height());
    model_.FieldBitmap = QImage();
    model_.SpriteBack = QImage();
    CreateAxisLabelsX();
    CreateAxisLabelsY();
    SetFieldSize(12);
    ListStatist->setGeometry(layout_.ListStatist);
    model_.SetSlowPreset();
    InitialReset();
    PlaceOnScreen();
}

void TfrmRoPupil::PlaceOnScreen()
{
    // The window stands at the top of the work area across its whole width,
    // frame included; its height stays as designed whatever the screen.
    const QScreen* screen = windowHandle() ? windowHandle()->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, model_.ScreenWidth, 768);
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(work.x() + frame.left(), work.y() + frame.top(), work.width() - frame.left() - frame.right(),
                FormClientHeight + MainMenu->sizeHint().height());
}

void TfrmRoPupil::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The frame becomes known only once the window manager has framed the
    // window: fit again then.
    PlaceOnScreen();
    QTimer::singleShot(0, this, &TfrmRoPupil::PlaceOnScreen);
    QTimer::singleShot(200, this, &TfrmRoPupil::PlaceOnScreen);
}

void TfrmRoPupil::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The tool bar is anchored left, top and right: it keeps its designed right margin.
    const int rightMargin = FormClientWidth - ToolBarAlgLeft - ToolBarAlgWidth;
    ToolBarAlg->resize(std::max(ToolBarAlgWidth, client_->width() - ToolBarAlgLeft - rightMargin), ToolBarAlgHeight);
}

void TfrmRoPupil::CreateAxisLabelsX()
{
    const int m = model_.Margin;
    PanelX->setGeometry(2, 2, PanelX->width(), m - 2);
    // A character cell of m pixels.
    PanelX->setFont(PixelFont(QStringLiteral("Arial"), std::max(1, m * 100 / 115)));
    for (int i = 0; i < 16; ++i) {
        auto* l = new QLabel(QString::number(i), PanelX);
        l->setObjectName(QStringLiteral("AxisLabelX%1").arg(i));
        l->move(2 * m + model_.HalfCell + i * model_.CellSize, 0);
        l->adjustSize();
        AxisLabelsX << l;
    }
}

void TfrmRoPupil::CreateAxisLabelsY()
{
    const int m = model_.Margin;
    PanelY->setGeometry(2, 2, m - 2, pnlMain->height());
    PanelY->setFont(PixelFont(QStringLiteral("Arial"), std::max(1, m * 100 / 115)));
    for (int i = 0; i < 16; ++i) {
        auto* l = new QLabel(QString::number(i), PanelY);
        l->setObjectName(QStringLiteral("AxisLabelY%1").arg(i));
        l->move(0, 2 * m + model_.HalfCell + i * model_.CellSize);
        l->adjustSize();
        AxisLabelsY << l;
    }
}

void TfrmRoPupil::PlaceAxisLabelsX()
{
    const int m = model_.Margin;
    PanelX->resize(pnlMain->width(), PanelX->height());
    for (int i = 0; i < AxisLabelsX.size(); ++i)
        AxisLabelsX[i]->move(2 * m + model_.HalfCell + i * model_.CellSize, 0);
}

void TfrmRoPupil::PlaceAxisLabelsY()
{
    const int m = model_.Margin;
    PanelY->resize(PanelY->width(), pnlMain->height());
    for (int i = 0; i < AxisLabelsY.size(); ++i)
        AxisLabelsY[i]->move(0, 2 * m + model_.HalfCell + i * model_.CellSize);
}

void TfrmRoPupil::SetFieldSize(int16_t n)
{
    const FieldGeometry g = ComputeFieldGeometry(pnl1->width(), model_.Margin, n);
    model_.FieldSize = g.FieldSize;
    model_.CellSize = g.CellSize;
    model_.HalfCell = g.HalfCell;
    PaintImage->setGeometry(0, 0, g.ImageSide, g.ImageSide);
    pnlMain->resize(g.ImageSide, g.ImageSide);
    PlaceAxisLabelsX();
    PlaceAxisLabelsY();
    model_.FieldBitmap = QImage(g.ImageSide, g.ImageSide, QImage::Format_RGB32);
    renderer_.ClearBitmap(model_.FieldBitmap);
    model_.CellCentreX0 = g.CellCentreX0;
    model_.CellCentreY0 = g.CellCentreY0;
    renderer_.DrawBorderWalls();
    model_.SpriteSize = g.SpriteSize;
    model_.HalfSprite = g.HalfSprite;
    model_.SpriteBack = QImage(std::max<int>(1, g.SpriteSize), std::max<int>(1, g.SpriteSize), QImage::Format_RGB32);
    renderer_.ClearBitmap(model_.SpriteBack);
    renderer_.DrawField();
    renderer_.ShowField();
}

// ---------------------------------------------------------------------------
// Hints, keys, closing.

void TfrmRoPupil::ApplicationEvents1Hint(const QString& hint)
{
    StatusBar1->showMessage(hint);
}

bool TfrmRoPupil::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip) {
        ApplicationEvents1Hint(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool TfrmRoPupil::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(e);
        // The form sees each key once, before the control it is sent to. A key
        // that control ignores travels on to its parents as the same event:
        // that is not a new key.
        const bool passedOn = e == lastKeyEvent_ && key->timestamp() == lastKeyTime_ && lastKeyReceiver_
                              && lastKeyReceiver_ != w && w->isAncestorOf(lastKeyReceiver_);
        if (w->window() == this && !passedOn) {
            lastKeyEvent_ = e;
            lastKeyTime_ = key->timestamp();
            lastKeyReceiver_ = w;
            FormKeyDown(key->key(), key->modifiers());
        }
        if (key->key() == Qt::Key_Escape) {
            if (watched == ButtonIf || watched == ButtonIfNot)
                PanelIf->hide();
            else if (watched == ButtonWhile || watched == ButtonWhileNot)
                PanelWhile->hide();
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void TfrmRoPupil::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    // Shift+F1 to Shift+F5 belong to the stage menu, enabled or not.
    if (shift == Qt::ShiftModifier && key >= Qt::Key_F1 && key <= Qt::Key_F5)
        return;
    struct Binding { int key; QPushButton* button; void (TfrmRoPupil::*click)(); };
    const Binding bindings[] = {
        {Qt::Key_F2, PPButtonStep, &TfrmRoPupil::PPButtonStepClick},
        {Qt::Key_F3, PPButtonJump, &TfrmRoPupil::PPButtonJumpClick},
        {Qt::Key_F4, PPButtonTurn, &TfrmRoPupil::PPButtonTurnClick},
        {Qt::Key_F5, PPButtonProc, nullptr},
        {Qt::Key_F6, PPButtonDoProc, nullptr},
        {Qt::Key_F7, PPButtonIf, &TfrmRoPupil::PPButtonIfClick},
        {Qt::Key_F8, PPButtonWhile, &TfrmRoPupil::PPButtonWhileClick},
    };
    for (const Binding& b : bindings) {
        if (b.key == key) {
            if (b.click && b.button->isEnabled())
                (this->*b.click)();
            return;
        }
    }
    if (key == Qt::Key_Escape) {
        PanelIf->hide();
        PanelWhile->hide();
    }
}

void TfrmRoPupil::closeEvent(QCloseEvent* event)
{
    // A closed window is finished with. A run in progress ends at its next
    // stop check; the window is destroyed only after the run has unwound.
    closed_ = true;
    model_.StopFlag = 1;
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    event->accept();
}

// ---------------------------------------------------------------------------
// Algorithm text.

QStringList TfrmRoPupil::AlgorithmLines() const
{
    QStringList lines;
    lines.reserve(lstCom->count());
    for (int i = 0; i < lstCom->count(); ++i)
        lines << lstCom->item(i)->text();
    return lines;
}

void TfrmRoPupil::SetTopIndex(int top)
{
    // The list scrolls by whole lines, so the scroll value is the first visible line.
    lstCom->verticalScrollBar()->setValue(std::max(0, top));
}

int TfrmRoPupil::TopIndex() const
{
    return lstCom->verticalScrollBar()->value();
}

void TfrmRoPupil::NewAlgorithm()
{
    lstCom->clear();
    lstCom->addItems(NewAlgorithmLines(model_.AlgorithmNumber, model_.GoalIsPointB));
    lstCom->setCurrentRow(4);
    ResetStatist();
}

void TfrmRoPupil::ResetStatist()
{
    ListStatist->clear();
    ListStatist->addItems(ResetStatistLines());
}

void TfrmRoPupil::UpdateStatist()
{
    const QStringList lines = UpdateStatistLines(AlgorithmLines());
    ListStatist->clear();
    ListStatist->addItems(lines);
}

void TfrmRoPupil::ApplyInsert(const LineInsert& insert)
{
    if (insert.IsEmpty())
        return;
    lstCom->insertItems(insert.At, insert.Lines);
    lstCom->setCurrentRow(insert.Select);
    SetTopIndex(insert.Top);
    UpdateStatist();
}

void TfrmRoPupil::InsertCommand(const QString& word)
{
    ApplyInsert(CommandInsert(AlgorithmLines(), lstCom->currentRow(), word, model_.HalfVisibleLines));
}

void TfrmRoPupil::PPButtonStepClick() { InsertCommand(kStep); }
void TfrmRoPupil::PPButtonJumpClick() { InsertCommand(kJump); }
void TfrmRoPupil::PPButtonTurnClick() { InsertCommand(kTurn); }

void TfrmRoPupil::PPButtonIfClick()
{
    PanelIf->move(PPPanelSystCom->x() + PPPanelSystCom->width(), PPPanelSystCom->y() + PPButtonIf->y());
    PanelIf->show();
    PanelIf->raise();
    ButtonIf->setFocus();
}

void TfrmRoPupil::PPButtonWhileClick()
{
    PanelWhile->move(PPPanelSystCom->x() + PPPanelSystCom->width(), PPPanelSystCom->y() + PPButtonWhile->y());
    PanelWhile->show();
    PanelWhile->raise();
    ButtonWhile->setFocus();
}

void TfrmRoPupil::InsertBranch(const QString& header)
{
    PanelIf->hide();
    ApplyInsert(BranchInsert(AlgorithmLines(), lstCom->currentRow(), header, model_.HalfVisibleLines));
    PPButtonIf->setFocus();
}

void TfrmRoPupil::InsertLoop(const QString& header)
{
    PanelWhile->hide();
    ApplyInsert(LoopInsert(AlgorithmLines(), lstCom->currentRow(), header, model_.HalfVisibleLines));
    PPButtonWhile->setFocus();
}

void TfrmRoPupil::ButtonIfClick() { InsertBranch(kIfWall); }
void TfrmRoPupil::ButtonIfNotClick() { InsertBranch(kIfNotWall); }
void TfrmRoPupil::ButtonWhileClick() { InsertLoop(kWhileWall); }
void TfrmRoPupil::ButtonWhileNotClick() { InsertLoop(kWhileNotWall); }

// ---------------------------------------------------------------------------
// Stages.

void TfrmRoPupil::SetStageControls(int begin, int work, int debug, int points, int help, int run, int stop,
                                   int edit, int statVisible, int statEnabled)
{
    // -1 leaves a control as it is; the rows are written in their fixed order.
    auto set = [](int v, auto&& apply) { if (v >= 0) apply(v != 0); };
    set(begin, [this](bool on) { NMainBegin->setEnabled(on); });
    set(work, [this](bool on) { NMainWork->setEnabled(on); });
    set(debug, [this](bool on) { NMainDebug->setEnabled(on); });
    set(points, [this](bool on) { NMainPoints->setEnabled(on); });
    set(help, [this](bool on) { NMainHelp->setEnabled(on); });
    set(run, [this](bool on) {
        FixToolButtonDo->setEnabled(on);
        FixToolButtonQuick->setEnabled(on);
        FixToolButtonResult->setEnabled(on);
    });
    set(stop, [this](bool on) { FixToolButtonStop->setEnabled(on); });
    set(edit, [this](bool on) {
        for (QLabel* l : {LabelPP1, LabelPP2, LabelPP3, LabelPP4, LabelPP5})
            l->setEnabled(on);
        for (QPushButton* b : {PPButtonStep, PPButtonJump, PPButtonTurn, PPButtonProc, PPButtonDoProc,
                               PPButtonIf, PPButtonWhile})
            b->setEnabled(on);
        lstCom->setEnabled(on);
    });
    set(statVisible, [this](bool on) { ListStatist->setVisible(on); });
    set(statEnabled, [this](bool on) { ListStatist->setEnabled(on); });
    // A condition panel chosen in one stage must not edit the list in another.
    PanelIf->hide();
    PanelWhile->hide();
}

void TfrmRoPupil::DisableForStart()
{
    SetStageControls(1, 0, 0, 0, 0, 0, 0, 0, 0, -1);
}

void TfrmRoPupil::InitialReset()
{
    lstCom->clear();
    lstCom->insertItem(0, QString());
    lstCom->setCurrentRow(0);
    model_.ClearInnerWalls();
    model_.ClearJumpWalls();
    renderer_.DrawField();
    renderer_.ShowField();
    DisableForStart();
}

void TfrmRoPupil::StartTask()
{
    edition_->StartTask(*this);
}

void TfrmRoPupil::NMainBeginClick()
{
    if (!NMainBegin->isEnabled())
        return;
    InitialReset();
    SetStageControls(0, 1, 0, 0, 1, 0, 0, 0, 0, -1);
    StartTask();
}

void TfrmRoPupil::NMainWorkClick()
{
    if (!NMainWork->isEnabled())
        return;
    SetStageControls(0, 0, 1, 1, 1, 0, 0, 1, 1, 1);
    renderer_.DrawField();
    renderer_.DrawScene();
    renderer_.ShowField();
    StartJumpWalls();
}

void TfrmRoPupil::NMainDebugClick()
{
    if (!NMainDebug->isEnabled())
        return;
    SetStageControls(0, 1, 0, 0, 1, 1, 1, 0, -1, 0);
}

void TfrmRoPupil::DisableWorkMenu() { NMainWork->setEnabled(false); }
void TfrmRoPupil::EnableWorkMenu() { NMainWork->setEnabled(true); }

// ---------------------------------------------------------------------------
// Runs and jumping walls.

void TfrmRoPupil::StartJumpWalls()
{
    const int n = ::StartJumpWalls(model_, *host_);
    if (n >= 1) Timer1->start();
    if (n >= 2) Timer2->start();
    if (n >= 3) Timer3->start();
}

void TfrmRoPupil::JumpWallTimerTick(int wall)
{
    if (wall < model_.JumpWallCount())
        ::JumpWallTimerTick(model_, *host_, wall);
}

void TfrmRoPupil::Timer1Timer() { JumpWallTimerTick(0); }
void TfrmRoPupil::Timer2Timer() { JumpWallTimerTick(1); }
void TfrmRoPupil::Timer3Timer() { JumpWallTimerTick(2); }

void TfrmRoPupil::RunAlgorithm()
{
    running_ = true;
    LineInterpreter interpreter(model_, *host_);
    interpreter.RunAlgorithm();
    running_ = false;
}

void TfrmRoPupil::RunWithPreset(void (RoPupilModel::*preset)())
{
    if (running_ || closed_)
        return;
    FixToolButtonDo->setEnabled(false);
    FixToolButtonQuick->setEnabled(false);
    FixToolButtonResult->setEnabled(false);
    (model_.*preset)();
    RunAlgorithm();
    FixToolButtonDo->setEnabled(true);
    FixToolButtonQuick->setEnabled(true);
    FixToolButtonResult->setEnabled(true);
}

void TfrmRoPupil::FixToolButtonDoClick() { RunWithPreset(&RoPupilModel::SetSlowPreset); }
void TfrmRoPupil::FixToolButtonQuickClick() { RunWithPreset(&RoPupilModel::SetMediumPreset); }
void TfrmRoPupil::FixToolButtonResultClick() { RunWithPreset(&RoPupilModel::SetFastPreset); }
void TfrmRoPupil::FixToolButtonStopClick() { model_.StopFlag = 1; }
