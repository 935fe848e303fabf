// TIMPA_FREE: the free-task program. The start screen is the main window; the
// executor window is made now, hidden, and shown once the pupil has registered.

#include "FreeTaskEdition.h"
#include "FreeTaskForms.h"
#include "MainPupilUnit.h"
#include "QtRussian.h"
#include "RegistrPupilUnit.h"
#include "RoPupilUnit.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TIMPA_FREE"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/timpa.png")));
    InstallQtRussian();

    FreeTaskForms forms;
    TfrmMainPupil startScreen(forms);
    forms.frmMainPupil = &startScreen;
    forms.frmRoPupil = new TfrmRoPupil(std::make_unique<FreeTaskEdition>());
    forms.frmRegistrPupil = new TfrmRegistrPupil(forms, &startScreen);   // never shown

    startScreen.show();
    const int code = app.exec();
    delete forms.frmRoPupil;   // still here when the pupil never registered
    return code;
}
