// TIMPA_1: the fixed-task program. Its only window is the executor window,
// bound to the built-in task «Квадрат»; closing it ends the program.

#include "FixedTaskEdition.h"
#include "QtRussian.h"
#include "RoPupilUnit.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TIMPA_1"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/timpa.png")));
    InstallQtRussian();

    // Closed, the window ends the program; it is destroyed here, after the
    // message loop, so a run that was going on has unwound by then.
    TfrmRoPupil frmRoPupil(std::make_unique<FixedTaskEdition>());
    frmRoPupil.show();
    return app.exec();
}
