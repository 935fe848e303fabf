#pragma once
// The executor window: field, algorithm list, command panel, statistics,
// stage menu and run buttons. Both programs build their window from it; an
// edition object supplies what differs between them (RoPupilEdition.h).
// The code is split by concern: RoPupilBuild.cpp builds the components,
// RoPupilLayout.cpp lays them out and places the window, RoPupilStages.cpp
// holds the stage table and handlers, RoPupilText.cpp the algorithm text,
// inserts and statistics, RoPupilRuns.cpp the runs and jumping walls,
// RoPupilEvents.cpp hints, keys, clicks and closing, RoPupilProcedures.cpp
// the procedure panel, RoPupilContextMenu.cpp the algorithm list's context
// menu, its deletions, the comment panel and the Del key.

#include "AlgorithmList.h"
#include "AlgorithmText.h"
#include "FieldImage.h"
#include "FieldRenderer.h"
#include "Layout.h"
#include "RoPupilEdition.h"
#include "RoPupilModel.h"
#include "StageTable.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class FormRunHost;
class LineInterpreter;
struct LineDeletion;
struct ProcChoice;

class TfrmRoPupil : public QMainWindow {
    Q_OBJECT
public:
    // screenWidth < 0: read the real screen width and work area (the
    // programs); tests pass a width, and a work area where the height matters
    // (without one the window keeps its designed height).
    explicit TfrmRoPupil(std::unique_ptr<RoPupilEdition> edition, int screenWidth = -1,
                         QWidget* parent = nullptr);
    TfrmRoPupil(std::unique_ptr<RoPupilEdition> edition, int screenWidth, const QRect& workArea,
                QWidget* parent = nullptr);
    ~TfrmRoPupil() override;

    RoPupilModel& Model() { return model_; }
    FieldRenderer& Renderer() { return renderer_; }
    RoPupilEdition& Edition() { return *edition_; }
    const FormLayout& Layout() const { return layout_; }
    bool IsRunning() const { return running_; }
    QWidget* ClientArea() const { return client_; }
    StageTable& Stages() { return stages_; }

    // Creation and layout.
    // Adds an owner-drawn item to the main menu; an empty hint leaves it without one.
    QAction* AddMainMenuItem(const char* name, const QString& caption, int imageIndex,
                             const QKeySequence& shortcut, const QString& hint);
    // Puts the command panel, the algorithm list and the field panels where
    // the layout says and keeps it for what follows.
    void ApplyFormLayout(const FormLayout& layout);
    // The layout unit and client height for this screen; layoutFor(m) is the
    // window's layout for unit m. The window keeps the client height.
    WindowFit FitToScreen(const std::function<FormLayout(int16_t)>& layoutFor);
    int ClientHeight() const;
    // Aligns the window to the top of the work area across its whole width.
    void PlaceOnScreen();

    // Field size and axis strips.
    void SetFieldSize(int16_t n);
    // The numbers of the columns and rows; a field that may grow has 16 of each.
    void CreateAxisLabelsX(int count = 16);
    void CreateAxisLabelsY(int count = 16);
    void PlaceAxisLabelsX();
    void PlaceAxisLabelsY();

    // Drawing routines of the window's bitmap (forwarded to the renderer).
    void DrawField() { renderer_.DrawField(); }
    void DrawScene() { renderer_.DrawScene(); }
    void ShowField() { renderer_.ShowField(); }

    // Algorithm text.
    void NewAlgorithm();
    void ResetStatist();
    void UpdateStatist();
    QStringList AlgorithmLines() const;
    // The index of the current line: the selected line of the algorithm
    // list, or -1 when no line is selected.
    int CurrentLine() const;
    // The first visible line of the algorithm list; below 0 shows the first line.
    void SetTopIndex(int top);
    int TopIndex() const;

    // Stages.
    // Applies the stage's column of the stage table.
    void EnterStage(Stage stage);
    void DisableForStart();
    void InitialReset();
    void StartTask();
    void StartJumpWalls();
    void DisableWorkMenu();
    void EnableWorkMenu();
    void RunAlgorithm();
    // The three speed buttons.
    void SetSpeedButtonsEnabled(bool on);

    // Event handlers.
    void FormCreate();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormClick();
    // Whether the key is the shortcut of an item of the main menu, enabled or not.
    bool IsMainMenuShortcut(int key, Qt::KeyboardModifiers shift) const;
    void ApplicationEvents1Hint(const QString& hint);
    void NMainBeginClick();
    void NMainWorkClick();
    void NMainDebugClick();
    void PPButtonStepClick();
    void PPButtonJumpClick();
    void PPButtonTurnClick();
    void PPButtonIfClick();
    void PPButtonWhileClick();
    void ButtonIfClick();
    void ButtonIfNotClick();
    void ButtonWhileClick();
    void ButtonWhileNotClick();
    void FixToolButtonDoClick();
    void FixToolButtonQuickClick();
    void FixToolButtonResultClick();
    void FixToolButtonStopClick();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    // The procedure panel.
    void PPButtonProcClick();
    void PPButtonDoProcClick();
    void ListBoxProcClick();
    void EditNewProcKeyPress(QChar key);
    void ListBoxProcKeyPress(QChar key);
    // Up and Down; returns whether the key was taken, so the list does not move again.
    bool ListBoxProcKeyDown(int key, Qt::KeyboardModifiers shift);
    // Refills the list of names from the algorithm text (after a file is loaded).
    void RebuildProcList();

    // The algorithm list's context menu, the comment panel and the Del key.
    void lstComClick();
    void ComMenuPopup();
    void N1Click();
    void N3Click();
    void N2Click();
    void N6Click();
    void N4Click();
    void N5Click();
    void N7Click();
    void EditCommentKeyPress(QChar key);
    void EditCommentExit();
    void lstComKeyDown(int key, Qt::KeyboardModifiers shift);

    // Components, named as the rest of the code and the tests know them.
    QMenuBar* MainMenu = nullptr;
    QAction* NMainBegin = nullptr;
    QAction* NMainWork = nullptr;
    QAction* NMainDebug = nullptr;

    QToolBar* ToolBarAlg = nullptr;
    QToolButton* FixToolButtonDo = nullptr;
    QToolButton* FixToolButtonQuick = nullptr;
    QToolButton* FixToolButtonResult = nullptr;
    QToolButton* FixToolButtonStop = nullptr;

    QFrame* PPPanelSystCom = nullptr;
    QLabel* LabelPP1 = nullptr;
    QLabel* LabelPP2 = nullptr;
    QLabel* LabelPP3 = nullptr;
    QLabel* LabelPP4 = nullptr;
    QLabel* LabelPP5 = nullptr;
    QPushButton* PPButtonStep = nullptr;
    QPushButton* PPButtonJump = nullptr;
    QPushButton* PPButtonTurn = nullptr;
    QPushButton* PPButtonProc = nullptr;
    QPushButton* PPButtonDoProc = nullptr;
    QPushButton* PPButtonIf = nullptr;
    QPushButton* PPButtonWhile = nullptr;

    QFrame* PanelIf = nullptr;
    QPushButton* ButtonIf = nullptr;
    QPushButton* ButtonIfNot = nullptr;
    QFrame* PanelWhile = nullptr;
    QPushButton* ButtonWhile = nullptr;
    QPushButton* ButtonWhileNot = nullptr;

    AlgorithmList* lstCom = nullptr;
    QListWidget* ListStatist = nullptr;

    QFrame* PanelProc = nullptr;
    QLabel* LabelSelect = nullptr;
    QListWidget* ListBoxProc = nullptr;
    QLabel* LabelNewProc1 = nullptr;
    QLabel* LabelNewProc2 = nullptr;
    QLineEdit* EditNewProc = nullptr;

    QMenu* ComMenu = nullptr;
    QAction* N1 = nullptr;
    QAction* N3 = nullptr;
    QAction* N2 = nullptr;
    QAction* N6 = nullptr;
    QAction* N4 = nullptr;
    QAction* N8 = nullptr;
    QAction* N5 = nullptr;
    QAction* N7 = nullptr;
    QFrame* PanelComment = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditComment = nullptr;

    QFrame* pnl1 = nullptr;
    QFrame* pnlMain = nullptr;
    FieldImage* PaintImage = nullptr;
    QWidget* PanelX = nullptr;
    QWidget* PanelY = nullptr;
    QList<QLabel*> AxisLabelsX;
    QList<QLabel*> AxisLabelsY;

    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildComponents();
    void BuildMenu();
    void BuildToolBar(QWidget* client);
    void BuildCommandPanel(QWidget* client);
    void BuildConditionPanels(QWidget* client);
    void BuildFieldPanels(QWidget* client);
    void BuildStageTable();
    void BuildProcPanel(QWidget* client);
    void BuildComMenu();
    void BuildCommentPanel(QWidget* client);
    // The keys and clicks of the procedure panel and of the algorithm list
    // and comment edit; true when the event is taken.
    bool ProcPanelEvent(QObject* watched, QEvent* e);
    bool ComMenuEvent(QObject* watched, QEvent* e);
    // The mouse rule of the window's pick lists, applied to an event of the
    // list's viewport; true when the event is to go no further.
    static bool ListMouseRule(const QListWidget* list, QEvent* e);
    static constexpr int kNoListMove = -2;
    int ListKeyMove(int key, int row) const;
    void OpenProcPanel(QPushButton* other);
    void CloseProcPanel();
    void ShowCommentPanel(bool on);
    void ApplyProcChoice(const ProcChoice& choice);
    void ApplyDeletion(const LineDeletion& deletion);
    // Puts an insert's lines into the list, selects and scrolls; no recount.
    void PutLines(const LineInsert& insert);
    void ApplyInsert(const LineInsert& insert);
    void InsertCommand(const QString& word);
    void InsertBranch(const QString& header);
    void InsertLoop(const QString& header);
    void RunWithPreset(void (RoPupilModel::*preset)());
    void JumpWallTimerTick(int wall);

    std::unique_ptr<RoPupilEdition> edition_;
    RoPupilModel model_;
    FieldRenderer renderer_;
    FormLayout layout_;
    StageTable stages_;
    std::unique_ptr<FormRunHost> host_;
    // One for the window: between runs it remembers where the procedures of
    // an unchanged text are described.
    std::unique_ptr<LineInterpreter> interpreter_;
    bool running_ = false;
    bool closed_ = false;
    // The control under the mouse, and the long hint that applies to it.
    QPointer<QWidget> hovered_;
    QString HintUnderMouse() const;
    void TrackHover(QWidget* w, bool entered);
    QRect workArea_;          // the screen's work area, where known
    int clientHeight_ = 0;    // as fitted; 0: the edition's designed height
    // The message box that holds a run while it is open.
    QPointer<QMessageBox> runBox_;
    QWidget* client_ = nullptr;
    const QEvent* lastKeyEvent_ = nullptr;
    quint64 lastKeyTime_ = 0;
    QPointer<QWidget> lastKeyReceiver_;
    bool releasingInList_ = false;  // the algorithm list is taking a release passed on to it

    friend class FormRunHost;
};
