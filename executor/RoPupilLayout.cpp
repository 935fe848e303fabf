#include "RoPupilUnit.h"

#include "DesignedFont.h"
#include "FramePlacement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

void TfrmRoPupil::FormCreate()
{
    edition_->FormCreate(*this);
}

void TfrmRoPupil::ApplyFormLayout(const FormLayout& layout)
{
    layout_ = layout;
    model_.Margin = layout_.Margin;
    PPPanelSystCom->move(layout_.PPPanelSystCom.topLeft());
    lstCom->setGeometry(layout_.lstCom);
    pnl1->setGeometry(layout_.pnl1);
    pnlMain->setGeometry(layout_.pnlMain);
    model_.HalfVisibleLines = layout_.HalfVisibleLines;
    PaintImage->resize(pnlMain->width(), PaintImage->height());
}

namespace {
// Until the window manager has framed the window its frame is unknown: room
// for a title bar and a border is kept.
QMargins FrameOf(const QWindow* window)
{
    const QMargins frame = window ? window->frameMargins() : QMargins();
    return frame.isNull() ? QMargins(4, 30, 4, 4) : frame;
}
} // namespace

WindowFit TfrmRoPupil::FitToScreen(const std::function<FormLayout(int16_t)>& layoutFor)
{
    int available = 0;
    if (workArea_.isValid()) {
        const QMargins frame = FrameOf(windowHandle());
        available = std::max(1, workArea_.height() - frame.top() - frame.bottom() - MainMenu->sizeHint().height());
    }
    const WindowFit fit = FitWindow(model_.ScreenWidth, edition_->ClientHeight(), available, layoutFor);
    clientHeight_ = fit.ClientHeight;
    return fit;
}

int TfrmRoPupil::ClientHeight() const
{
    return clientHeight_ > 0 ? clientHeight_ : edition_->ClientHeight();
}

void TfrmRoPupil::PlaceOnScreen()
{
    // The window stands at the top of the work area across its whole width,
    // frame included, as high as its layout needs; once its real frame is
    // known, it is kept within the work area (the status bar stays in sight).
    const QScreen* screen = windowHandle() ? windowHandle()->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, model_.ScreenWidth, 768);
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    int height = ClientHeight() + MainMenu->sizeHint().height();
    if (workArea_.isValid()) {
        const QMargins room = FrameOf(windowHandle());
        height = std::min(height, workArea_.height() - room.top() - room.bottom());
    }
    setGeometry(work.x() + frame.left(), work.y() + frame.top(), work.width() - frame.left() - frame.right(), height);
}

void TfrmRoPupil::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The frame becomes known only once the window manager has framed the
    // window: fit again then.
    PlaceFramed(this, [this] { PlaceOnScreen(); });
}

void TfrmRoPupil::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The tool bar is anchored left, top and right: it keeps its designed right margin.
    const int rightMargin = FormClientWidth - ToolBarAlgLeft - ToolBarAlgWidth;
    ToolBarAlg->resize(std::max(ToolBarAlgWidth, client_->width() - ToolBarAlgLeft - rightMargin), ToolBarAlgHeight);
}

void TfrmRoPupil::CreateAxisLabelsX(int count)
{
    const int m = model_.Margin;
    PanelX->setGeometry(2, 2, PanelX->width(), m - 2);
    // A character cell of m pixels.
    PanelX->setFont(DesignedFont(QStringLiteral("Arial"), std::max(1, m * 100 / 115)));
    for (int i = 0; i < count; ++i) {
        auto* l = new QLabel(QString::number(i), PanelX);
        l->setObjectName(QStringLiteral("AxisLabelX%1").arg(i));
        l->move(AxisLabelPos(m, model_.HalfCell, model_.CellSize, i), 0);
        l->adjustSize();
        AxisLabelsX << l;
    }
}

void TfrmRoPupil::CreateAxisLabelsY(int count)
{
    const int m = model_.Margin;
    PanelY->setGeometry(2, 2, m - 2, pnlMain->height());
    PanelY->setFont(DesignedFont(QStringLiteral("Arial"), std::max(1, m * 100 / 115)));
    for (int i = 0; i < count; ++i) {
        auto* l = new QLabel(QString::number(i), PanelY);
        l->setObjectName(QStringLiteral("AxisLabelY%1").arg(i));
        l->move(0, AxisLabelPos(m, model_.HalfCell, model_.CellSize, i));
        l->adjustSize();
        AxisLabelsY << l;
    }
}

void TfrmRoPupil::PlaceAxisLabelsX()
{
    const int m = model_.Margin;
    PanelX->resize(pnlMain->width(), PanelX->height());
    for (int i = 0; i < AxisLabelsX.size(); ++i)
        AxisLabelsX[i]->move(AxisLabelPos(m, model_.HalfCell, model_.CellSize, i), 0);
}

void TfrmRoPupil::PlaceAxisLabelsY()
{
    const int m = model_.Margin;
    PanelY->resize(PanelY->width(), pnlMain->height());
    for (int i = 0; i < AxisLabelsY.size(); ++i)
        AxisLabelsY[i]->move(0, AxisLabelPos(m, model_.HalfCell, model_.CellSize, i));
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
