#include "MainPupilUnit.h"

#include "DesignedFont.h"
#include "FramePlacement.h"
#include "FreeTaskForms.h"
#include "RegistrPupilUnit.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <memory>

namespace {

QFont TitleFont(int pixelSize)
{
    return DesignedFont(QStringLiteral("Times New Roman"), pixelSize, true);
}

// A title line: its designed top and height, centred where it was designed
// to stand, wide enough for its text.
QLabel* TitleLine(QWidget* parent, const char* name, const QString& text, const QRect& designed, int pixelSize)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(TitleFont(pixelSize));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0x80, 0, 0));   // maroon
    l->setPalette(p);
    l->setAlignment(Qt::AlignCenter);
    const int width = std::max(designed.width(), l->sizeHint().width());
    l->setGeometry(designed.center().x() - width / 2, designed.top(), width, designed.height());
    return l;
}

} // namespace

TfrmMainPupil::TfrmMainPupil(FreeTaskForms& forms, QWidget* parent) : QMainWindow(parent), forms_(forms)
{
    setObjectName(QStringLiteral("frmMainPupil"));
    setWindowTitle(QStringLiteral("\"Тимпушка-Свободная задача\" 1.1"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(74, 6, 799, 372);
    Image1->setPixmap(QPixmap(QStringLiteral(":/start/landscape.png")));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The title lines name this program and the people it is made for.
    TitleLab1 = TitleLine(client, "TitleLab1", QStringLiteral("Мастерская алгоритмов"), QRect(214, 390, 487, 55), 48);
    Label2 = TitleLine(client, "Label2", QStringLiteral("для школьников и учителей"), QRect(114, 440, 689, 40), 35);
    Label6 = TitleLine(client, "Label6", QStringLiteral("представляет"), QRect(363, 482, 177, 32), 29);
    Label7 = TitleLine(client, "Label7", QStringLiteral("интегрированную систему"), QRect(144, 522, 421, 40), 35);
    Label8 = TitleLine(client, "Label8", QStringLiteral("\"Тимпушка\""), QRect(580, 522, 211, 40), 35);
    Label4 = new QLabel(client);   // stays empty: the program names no web address
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(76, 366, 71, 11);

    StartBitB = new QPushButton(QStringLiteral(" Старт"), client);
    StartBitB->setObjectName(QStringLiteral("StartBitB"));
    StartBitB->setGeometry(398, 595, 120, 45);
    StartBitB->setFont(TitleFont(16));
    QIcon glyph(QStringLiteral(":/start/start_glyph.png"));
    glyph.addFile(QStringLiteral(":/start/start_glyph_disabled.png"), QSize(), QIcon::Disabled);
    StartBitB->setIcon(glyph);
    StartBitB->setAutoDefault(true);
    StartBitB->setFocus();
    connect(StartBitB, &QPushButton::clicked, this, &TfrmMainPupil::StartBitBClick);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(19);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFont(DesignedFont(QStringLiteral("MS Serif"), 11));
    const int widths[] = {250, 300, 150};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(StatusBar1);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i]->setFixedWidth(widths[i]);
        StatusBar1->addWidget(StatusPanels[i]);
    }
    StatusPanels[2]->setText(QStringLiteral("Тимпушка 1.1"));
    setStatusBar(StatusBar1);

    resize(952, 715);
}

void TfrmMainPupil::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (placed_)
        return;   // shown again after a minimise: it stays where the pupil left it
    placed_ = true;
    // 952 x 715 is the size of the whole window, frame included, centred on the screen.
    PlaceFramed(this, [this] { CentreOnWorkArea(this, QSize(952, 715)); });
}

void TfrmMainPupil::StartBitBClick()
{
    StartBitB->hide();
    StatusPanels[2]->clear();
    auto* dialog = new TfrmRegistrPupil(forms_, this);
    forms_.frmRegistrPupil = dialog;
    const int result = dialog->exec();
    // The dialog is destroyed whenever it closes.
    forms_.frmRegistrPupil = nullptr;
    delete dialog;
    if (result == QDialog::Accepted) {
        // The pupil's work is over and the start screen offers nothing more:
        // the hidden button keeps the focus, so it must not answer Enter or
        // Space either.
        StartBitB->setEnabled(false);
        return;
    }
    setWindowTitle(QStringLiteral("Приглашение"));
    StartBitB->show();
    StartBitB->setFocus();
}
