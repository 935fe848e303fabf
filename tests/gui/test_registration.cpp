#include "MessageBoxes.h"
#include "FreeTaskEdition.h"
#include "FreeTaskForms.h"
#include "MainPupilUnit.h"
#include "Placement.h"
#include "RegistrPupilUnit.h"
#include "RoPupilUnit.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Message {
    MessageKind kind;
    QString text;
};

// Captures the message boxes instead of showing them.
class Messages {
public:
    Messages()
    {
        SetMessageSink([this](MessageKind k, const QString& t) { list.push_back({k, t}); });
    }
    ~Messages() { SetMessageSink(nullptr); }
    std::vector<Message> list;
};

// Types text as the keyboard would, one character per key press (QTest
// cannot type letters outside Latin-1).
void Type(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

const QString kRefusal = QStringLiteral("В имени и фамилии допустимы\rтолько русские буквы!");
const QString kPrefix = QStringLiteral("\"Тимпушка-Свободная задача\" 1.1     Ученик (команда) : ");

class Registration : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<TfrmRegistrPupil>(forms);
        dialog->show();
        dialog->activateWindow();
        (void)QTest::qWaitForWindowActive(dialog.get());
    }
    QWidget* Focused() const { return dialog->focusWidget(); }

    FreeTaskForms forms;
    std::unique_ptr<TfrmRegistrPupil> dialog;
};

TEST(NameRules, NameCharsAreJudgedByTheirWindows1251Code)
{
    for (const QString s : {"а", "я", "А", "Я", "ж", " ", ","})
        EXPECT_TRUE(InNameChars(s[0])) << s.toStdString();
    EXPECT_TRUE(InNameChars(QChar(8)));
    for (const QString s : {"Ё", "ё", "-", "'", "1", "z", "Q", ".", "€", "中", "\x1b", "\t"})
        EXPECT_FALSE(InNameChars(s[0])) << s.toStdString();
}

TEST(NameRules, NormalisationTrimsCutsAndCapitalises)
{
    EXPECT_EQ(UpCaseCyrillic(QChar(u'я')), QChar(u'Я'));
    EXPECT_EQ(UpCaseCyrillic(QChar(u'а')), QChar(u'А'));
    EXPECT_EQ(UpCaseCyrillic(QChar(u'ё')), QChar(u'ё'));
    EXPECT_EQ(UpCaseCyrillic(QChar(u'a')), QChar(u'a'));
    EXPECT_EQ(NormaliseName("  иванов  ", true), "Иванов");
    EXPECT_EQ(NormaliseName("\t\x01петр\r", true), "Петр");
    const QString longName = QString(25, QChar(u'ж'));
    EXPECT_EQ(NormaliseName("   " + longName, true), "Ж" + QString(19, QChar(u'ж')));
    EXPECT_EQ(NormaliseName("  команда мечты  ", false), "команда мечты");
    EXPECT_EQ(NormaliseName(" ", true), "");
    EXPECT_EQ(ExecutorCaption("", "", "Ракета"), kPrefix + "  Ракета");
    EXPECT_EQ(ExecutorCaption("Иванов", "Петр", ""), kPrefix + "Иванов Петр ");
}

TEST_F(Registration, OpensEmptyWithTheSurnameFocusedAndYellow)
{
    EXPECT_EQ(dialog->windowTitle(), "Введите фамилию и имя");
    EXPECT_TRUE(dialog->EditNam1->text().isEmpty());
    EXPECT_EQ(Focused(), dialog->EditNam1);
    EXPECT_EQ(dialog->EditNam1->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_NE(dialog->EditNam2->palette().color(QPalette::Base), QColor(Qt::yellow));
}

TEST_F(Registration, TheYellowFollowsTheFocusInsideTheDialogOnly)
{
    const QColor yellow(Qt::yellow);
    QTest::keyClick(dialog->EditNam1, Qt::Key_Tab);
    EXPECT_EQ(dialog->EditNam2->palette().color(QPalette::Base), yellow);
    EXPECT_NE(dialog->EditNam1->palette().color(QPalette::Base), yellow);

    // A box over the dialog takes the keyboard but not the dialog's focus.
    QColor whileShown;
    SetMessageSink([&](MessageKind, const QString&) {
        QWidget box;
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        whileShown = dialog->EditNam2->palette().color(QPalette::Base);
    });
    QTest::keyClick(dialog->EditNam2, Qt::Key_Z);
    SetMessageSink(nullptr);
    EXPECT_EQ(whileShown, yellow);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_EQ(dialog->EditNam2->palette().color(QPalette::Base), yellow);
    EXPECT_NE(dialog->EditNam1->palette().color(QPalette::Base), yellow);
}

TEST_F(Registration, LabelsAndReadyAreInTheBoldSerif)
{
    for (QWidget* w : std::initializer_list<QWidget*>{dialog->NamLab1, dialog->NamLab2, dialog->Label2, dialog->ReadyBitB}) {
        const QFontInfo shown(w->font());
        EXPECT_TRUE(shown.family() == "Times New Roman" || shown.family() == "Liberation Serif")
            << w->objectName().toStdString() << " " << shown.family().toStdString();
        EXPECT_TRUE(shown.bold()) << w->objectName().toStdString();
    }
    EXPECT_EQ(dialog->NamLab1->font().pixelSize(), 16);
    EXPECT_EQ(dialog->ReadyBitB->font().pixelSize(), 13);
}

TEST_F(Registration, RefusedCharacterEmptiesTheFieldAndLeavesOneBlank)
{
    const QList<Qt::Key> keys = {Qt::Key_Z, Qt::Key_5, Qt::Key_Minus, Qt::Key_Escape};
    dialog->EditNam2->setText("Петр");
    for (Qt::Key key : keys) {
        Messages messages;
        dialog->EditNam1->setFocus();
        Type(dialog->EditNam1, "ив");
        QTest::keyClick(dialog->EditNam1, key);
        ASSERT_EQ(messages.list.size(), 1u) << key;
        EXPECT_EQ(messages.list[0].kind, MessageKind::Error);
        EXPECT_EQ(messages.list[0].text, kRefusal);
        EXPECT_EQ(dialog->EditNam1->text(), " ") << key;
        EXPECT_EQ(dialog->EditNam2->text(), "Петр");
        EXPECT_TRUE(dialog->isVisible());   // Esc typed into a field does not close the dialog
        dialog->EditNam1->clear();
    }
    for (const QString letter : {"Ё", "ё"}) {
        Messages messages;
        Type(dialog->EditNam2, "Пе" + letter);
        EXPECT_EQ(messages.list.size(), 1u);
        EXPECT_EQ(dialog->EditNam2->text(), " ");
    }
}

TEST_F(Registration, RussianLettersBlankCommaAndBackspaceAreTaken)
{
    Messages messages;
    Type(dialog->EditNam1, "Иванов, мл");
    QTest::keyClick(dialog->EditNam1, Qt::Key_Backspace);
    EXPECT_EQ(dialog->EditNam1->text(), "Иванов, м");
    Type(dialog->EditNam3, "Team-7 ёЁ");
    EXPECT_EQ(dialog->EditNam3->text(), "Team-7 ёЁ");
    EXPECT_TRUE(messages.list.empty());
}

TEST_F(Registration, AnAltChordTypesNothingAndStillReachesItsShortcut)
{
    Messages messages;
    QAction shortcut(dialog.get());
    shortcut.setShortcut(QKeySequence(Qt::ALT | Qt::Key_A));
    dialog->addAction(&shortcut);
    int triggered = 0;
    QObject::connect(&shortcut, &QAction::triggered, [&] { ++triggered; });
    for (QLineEdit* field : {dialog->EditNam1, dialog->EditNam2, dialog->EditNam3}) {
        field->setFocus();
        Type(field, "Ив");
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(0x0424), QStringLiteral("ф"), Qt::AltModifier);
        QTest::keyClick(field, Qt::Key_Z, Qt::AltModifier);
        EXPECT_EQ(field->text(), "Ив") << field->objectName().toStdString();
        QTest::keyClick(field, Qt::Key_A, Qt::AltModifier);
        EXPECT_EQ(field->text(), "Ив");
    }
    EXPECT_TRUE(messages.list.empty());
    EXPECT_EQ(triggered, 3);
}

// The ways besides single keys by which text reaches a field.
void PasteByShiftInsert(QLineEdit* e) { QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier); }
void PasteByContextMenu(QLineEdit* e)
{
    std::unique_ptr<QMenu> menu(e->createStandardContextMenu());
    for (QAction* a : menu->actions())
        if (a->text().contains("Paste"))
            a->trigger();
}
void Drop(QLineEdit* e)
{
    QMimeData data;
    data.setText(QGuiApplication::clipboard()->text());
    const QPoint at(e->width() - 2, e->height() / 2);   // after the text
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(e, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(e, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(e, &drop);
}
void CommitByInputMethod(QLineEdit* e)
{
    QInputMethodEvent commit;
    commit.setCommitString(QGuiApplication::clipboard()->text());
    QApplication::sendEvent(e, &commit);
}
void OneKeyTypingAll(QLineEdit* e)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QGuiApplication::clipboard()->text());
    QApplication::sendEvent(e, &press);
}

TEST_F(Registration, EveryWayIntoANameFieldPassesTheFilter)
{
    using Way = void (*)(QLineEdit*);
    const std::pair<const char*, Way> ways[] = {{"Shift+Insert", PasteByShiftInsert},
                                                {"context menu", PasteByContextMenu},
                                                {"drop", Drop},
                                                {"input method", CommitByInputMethod},
                                                {"one key", OneKeyTypingAll}};
    for (const auto& [name, enter] : ways) {
        for (QLineEdit* field : {dialog->EditNam1, dialog->EditNam2}) {
            Messages messages;
            field->setText("Ив");
            field->setFocus();
            QGuiApplication::clipboard()->setText("анов");
            enter(field);
            QCoreApplication::processEvents();
            EXPECT_EQ(field->text(), "Иванов") << name;
            EXPECT_TRUE(messages.list.empty()) << name;

            QGuiApplication::clipboard()->setText("Hack123!");
            enter(field);
            QCoreApplication::processEvents();
            ASSERT_EQ(messages.list.size(), 1u) << name;
            EXPECT_EQ(messages.list[0].text, kRefusal);
            EXPECT_EQ(field->text(), " ") << name;
        }
        Messages messages;
        dialog->EditNam3->clear();
        dialog->EditNam3->setFocus();
        enter(dialog->EditNam3);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog->EditNam3->text(), "Hack123!") << name;
        EXPECT_TRUE(messages.list.empty()) << name;
    }
}

TEST_F(Registration, EnterAndTabMoveInTheirOrder)
{
    QTest::keyClick(dialog->EditNam1, Qt::Key_Return);
    EXPECT_EQ(Focused(), dialog->EditNam2);
    QTest::keyClick(dialog->EditNam2, Qt::Key_Return);
    EXPECT_EQ(Focused(), dialog->ReadyBitB);
    dialog->EditNam3->setFocus();
    QTest::keyClick(dialog->EditNam3, Qt::Key_Enter);
    EXPECT_EQ(Focused(), dialog->ReadyBitB);
    EXPECT_TRUE(dialog->isVisible());

    dialog->EditNam1->setFocus();
    QTest::keyClick(dialog->EditNam1, Qt::Key_Tab);
    EXPECT_EQ(Focused(), dialog->EditNam2);
    QTest::keyClick(dialog->EditNam2, Qt::Key_Tab);
    EXPECT_EQ(Focused(), dialog->ReadyBitB);
    QTest::keyClick(dialog->ReadyBitB, Qt::Key_Tab);
    EXPECT_EQ(Focused(), dialog->EditNam3);
}

TEST_F(Registration, AllFieldsEmptyKeepsTheDialogOpen)
{
    Messages messages;
    QTest::mouseClick(dialog->ReadyBitB, Qt::LeftButton);
    ASSERT_EQ(messages.list.size(), 1u);
    EXPECT_EQ(messages.list[0].kind, MessageKind::Plain);
    EXPECT_EQ(messages.list[0].text, "Введите имя и фамилию или название команды");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);
}

TEST_F(Registration, ReadyCaptionsTheExecutorWindowAndDestroysItWhenClosed)
{
    QPointer<TfrmRoPupil> executor = new TfrmRoPupil(std::make_unique<FreeTaskEdition>(), 1024);
    forms.frmRoPupil = executor;
    Type(dialog->EditNam1, "  иванов  ");
    Type(dialog->EditNam2, "петр");
    QString shownCaption;
    bool shownModal = false;
    QTimer::singleShot(0, [&] {
        shownCaption = executor->windowTitle();
        shownModal = executor->isVisible() && executor->isModal();
        executor->close();
    });
    QTest::keyClick(dialog->EditNam2, Qt::Key_Return);
    QTest::keyClick(dialog->ReadyBitB, Qt::Key_Return);

    EXPECT_TRUE(shownModal);
    EXPECT_EQ(shownCaption, kPrefix + "Иванов Петр ");
    EXPECT_EQ(dialog->EditNam1->text(), "Иванов");
    EXPECT_TRUE(executor.isNull());
    EXPECT_EQ(forms.frmRoPupil, nullptr);
    EXPECT_EQ(dialog->result(), int(QDialog::Accepted));
}

TEST_F(Registration, MinimisingTheExecutorWindowKeepsItOnlyClosingEndsTheWork)
{
    QPointer<TfrmRoPupil> executor = new TfrmRoPupil(std::make_unique<FreeTaskEdition>(), 1024);
    forms.frmRoPupil = executor;
    dialog->EditNam3->setText("Ракета");
    bool keptMinimised = false, keptRestored = false;
    // Each step waits for the window manager's answer to the one before; a
    // window that has gone cancels the steps still to come.
    QTimer::singleShot(0, executor, [&] {
        executor->lstCom->addItem("ШАГ");
        executor->showMinimized();
        QTimer::singleShot(20, executor, [&] {
            keptMinimised = executor->isMinimized();
            executor->showNormal();
            QTimer::singleShot(20, executor, [&] {
                keptRestored = executor->isVisible() && executor->lstCom->count() == 2;
                executor->close();
            });
        });
    });
    dialog->ReadyBitBClick();
    EXPECT_TRUE(keptMinimised);
    EXPECT_TRUE(keptRestored);
    EXPECT_TRUE(executor.isNull());
    EXPECT_EQ(dialog->result(), int(QDialog::Accepted));
}

TEST(StartScreen, StatusBarIsInTheSmallSerif)
{
    FreeTaskForms forms;
    TfrmMainPupil start(forms);
    const QFontInfo shown(start.StatusPanels[2]->font());
    EXPECT_TRUE(shown.family() == "MS Serif" || shown.family() == "Liberation Serif") << shown.family().toStdString();
    EXPECT_EQ(shown.pixelSize(), 11);
    EXPECT_FALSE(shown.bold());
}

TEST(StartScreen, CancelledRegistrationInvitesAgainAndARegisteredOneEndsTheOffer)
{
    FreeTaskForms forms;
    TfrmMainPupil start(forms);
    forms.frmMainPupil = &start;
    start.show();
    start.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&start));
    EXPECT_EQ(start.StatusPanels[2]->text().isEmpty(), false);

    QTimer::singleShot(0, [&] {
        ASSERT_NE(forms.frmRegistrPupil, nullptr);
        EXPECT_FALSE(start.StartBitB->isVisible());
        EXPECT_TRUE(start.StatusPanels[2]->text().isEmpty());
        forms.frmRegistrPupil->close();
    });
    QTest::mouseClick(start.StartBitB, Qt::LeftButton);
    EXPECT_EQ(start.windowTitle(), "Приглашение");
    EXPECT_TRUE(start.StartBitB->isVisible());
    EXPECT_TRUE(start.StatusPanels[2]->text().isEmpty());

    start.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&start));
    forms.frmRoPupil = new TfrmRoPupil(std::make_unique<FreeTaskEdition>(), 1024);
    QTimer::singleShot(0, [&] {
        TfrmRegistrPupil* dialog = forms.frmRegistrPupil;
        EXPECT_TRUE(dialog->EditNam1->text().isEmpty());
        dialog->EditNam3->setText("Ракета");
        TfrmRoPupil* executor = forms.frmRoPupil;
        QTimer::singleShot(0, [executor] { executor->close(); });
        dialog->ReadyBitBClick();
    });
    QTest::keyClick(start.windowHandle(), Qt::Key_Return);   // the pupil's Enter on " Старт"
    EXPECT_FALSE(start.StartBitB->isVisible());
    EXPECT_EQ(start.windowTitle(), "Приглашение");
    EXPECT_EQ(forms.frmRoPupil, nullptr);
    EXPECT_EQ(forms.frmRegistrPupil, nullptr);

    // The offer is over: no key on the start screen opens a new registration.
    int reopened = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (forms.frmRegistrPupil) {
            ++reopened;
            forms.frmRegistrPupil->close();
        }
    });
    closer.start(5);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(start.windowHandle(), key);
    QTest::qWait(20);
    EXPECT_EQ(reopened, 0);
    EXPECT_FALSE(start.StartBitB->isVisible());
}

TEST(StartScreen, StandsCentredFrameIncludedAndNeverOffTheScreenAndSoDoesTheDialog)
{
    FreeTaskForms forms;
    TfrmMainPupil start(forms);
    forms.frmMainPupil = &start;
    start.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start));
    const QRect work = start.screen()->availableGeometry();
    // On a screen narrower than the start screen (the offscreen one is 800
    // wide) its frame stands at the left edge, its title bar on the screen.
    EXPECT_EQ(start.frameGeometry(), CentredFrame(work, QSize(952, 715)));
    EXPECT_TRUE(work.contains(start.frameGeometry().topLeft()));

    QRect dialogFrame;
    QSize dialogClient;
    QTimer::singleShot(0, [&] {
        dialogFrame = forms.frmRegistrPupil->frameGeometry();
        dialogClient = forms.frmRegistrPupil->size();
        forms.frmRegistrPupil->close();
    });
    QTest::mouseClick(start.StartBitB, Qt::LeftButton);
    EXPECT_EQ(dialogClient, QSize(399, 283));
    EXPECT_EQ(dialogFrame, CentredFrame(work, dialogFrame.size()));
    EXPECT_GT(dialogFrame.width(), 399);   // the frame is counted
}

} // namespace
