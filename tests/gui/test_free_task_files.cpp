#include "AlgorithmFile.h"
#include "AlgorithmText.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "FreeTaskEdition.h"
#include "PointsPanel.h"
#include "QtRussian.h"
#include "RoPupilUnit.h"
#include "Statistics.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

QStringList Items(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QByteArray ReadAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A free-task window in "Разработка" at a 1024-pixel screen; the dialogs are
// answered with `answer` (empty: cancelled) and the message boxes caught.
class AlgorithmFilesTest : public ::testing::Test {
protected:
    AlgorithmFilesTest()
        : form(std::make_unique<FreeTaskEdition>(), 1024),
          ed(static_cast<FreeTaskEdition&>(form.Edition()))
    {
        SetMessageSink([this](MessageKind k, const QString& t) { messages.push_back({k, t}); });
        SetFileDialogSink([this](QFileDialog& d) {
            shown.push_back(&d);
            offered = d.selectedFiles().value(0);
            return answer;
        });
        form.show();
        form.NMainBegin->trigger();
        form.NMainWork->trigger();
    }
    ~AlgorithmFilesTest() override
    {
        SetFileDialogSink(nullptr);
        SetMessageSink(nullptr);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void Load(const QString& name)
    {
        answer = name;
        ed.N11Click();
    }

    TfrmRoPupil form;
    FreeTaskEdition& ed;
    QTemporaryDir dir;
    QString answer;
    QString offered;
    std::vector<QFileDialog*> shown;
    std::vector<std::pair<MessageKind, QString>> messages;
};

TEST_F(AlgorithmFilesTest, DialogsAsDesigned)
{
    struct Case {
        QFileDialog* dialog;
        const char* name;
        const char* title;
        const char* filter;
        QFileDialog::AcceptMode mode;
    } cases[] = {
        {ed.SaveDialog1, "SaveDialog1", "Сохранить алгоритм в файле", "текстовый (*.txt)", QFileDialog::AcceptSave},
        {ed.OpenDialogAlg, "OpenDialogAlg", "Укажите имя открываемого файла", "текстовые (*.txt)",
         QFileDialog::AcceptOpen},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.dialog->objectName(), c.name);
        EXPECT_EQ(c.dialog->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(c.dialog->nameFilters(), QStringList{QString::fromUtf8(c.filter)});
        EXPECT_EQ(c.dialog->defaultSuffix(), "txt");
        EXPECT_EQ(c.dialog->acceptMode(), c.mode);
        EXPECT_EQ(c.dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(c.dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(c.dialog->testOption(QFileDialog::HideNameFilterDetails));
    }
}

TEST_F(AlgorithmFilesTest, TheContextMenuEndsWithTheFileItems)
{
    const QList<QAction*> items = form.ComMenu->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items.mid(items.size() - 3), (QList<QAction*>{ed.N9, ed.N10, ed.N11}));
    EXPECT_TRUE(ed.N9->isSeparator());
    EXPECT_FALSE(ed.N9->isVisible());
    EXPECT_EQ(ed.N10->text(), "Сохранить алгоритм в файле");
    EXPECT_EQ(ed.N11->text(), "Загрузить алгоритм из файла");
    form.lstCom->setCurrentRow(-1);   // whatever the line, the file items stay enabled
    form.ComMenuPopup();
    EXPECT_TRUE(ed.N10->isEnabled() && ed.N11->isEnabled());

    answer = Path("menu.txt");
    ed.N10->trigger();
    EXPECT_EQ(ReadAll(answer), FormatAlgorithmText(Items(form.lstCom)));
}

TEST_F(AlgorithmFilesTest, APupilSetsTheFieldSavesStartsAnewLoadsAndRuns)
{
    ed.N1515->trigger();
    ed.NMainPoints->trigger();
    ed.EditAX->setText("3");
    ed.EditAY->setText("5");
    ed.ComboBoxTo->setCurrentIndex(3);   // "вниз"
    ed.CheckBoxB->setChecked(true);
    ed.EditBX->setText("11");
    ed.EditBY->setText("11");
    ed.NMainPoints->trigger();
    form.PPButtonWhileClick();
    form.ButtonWhileNotClick();
    form.PPButtonStepClick();
    const QStringList algorithm = Items(form.lstCom);

    answer = Path("walk.txt");
    ed.N10->trigger();
    form.N4->trigger();   // "Удалить тело алгоритма "
    EXPECT_EQ(form.lstCom->count(), 5);
    ed.N11->trigger();
    EXPECT_EQ(Items(form.lstCom), algorithm);
    form.NMainDebug->trigger();
    form.FixToolButtonResultClick();
    const RoPupilModel& m = form.Model();
    EXPECT_EQ((std::vector<int>{m.ExecX, m.ExecY, m.ExecDir}), (std::vector<int>{3, 14, 270}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(AlgorithmFilesTest, SaveWritesTheTextAndChangesNothing)
{
    ed.SaveDialog1->setDirectory(dir.path());
    answer.clear();   // cancelled: nothing written
    ed.N10Click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(offered, Path("NoName.txt"));   // "NoName" and the default extension
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    form.PPButtonStepClick();
    const QStringList before = Items(form.lstCom);
    const QStringList statist = Items(form.ListStatist);
    WriteAll(Path("NoName.txt"), "old text that is longer than the new one, by far, by very far");
    answer = offered;
    ed.N10Click();
    EXPECT_EQ(ReadAll(Path("NoName.txt")), FormatAlgorithmText(before));
    EXPECT_EQ(Items(form.lstCom), before);
    EXPECT_EQ(form.lstCom->currentRow(), 5);
    EXPECT_EQ(Items(form.ListStatist), statist);
    EXPECT_TRUE(messages.empty());

    answer = Path("no folder/a.txt");
    ed.N10Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, MessageKind::ProgramError);
    EXPECT_EQ(messages[0].second, "Cannot create file " + Path("no folder/a.txt") + ".");
}

TEST_F(AlgorithmFilesTest, LoadReplacesTheTextAndRecounts)
{
    const QStringList text = {
        "АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "    Надо: Воспроизвести образец", "НАЧ",
        "    ДЕЛАЙ Квадрат", "    ШАГ", "КОН", "ПРОЦЕДУРА Квадрат", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"};
    QByteArray lf = FormatAlgorithmText(text);
    lf.replace("\r\n", "\n");
    WriteAll(Path("lf.txt"), lf);
    form.NMainDebug->setEnabled(false);
    Load(Path("lf.txt"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Items(form.lstCom), text);
    EXPECT_EQ(form.lstCom->currentRow(), 4);
    EXPECT_TRUE(form.NMainDebug->isEnabled());
    EXPECT_EQ(Items(form.ListStatist), UpdateStatistLines(text));
    EXPECT_EQ(Items(form.ListBoxProc), QStringList{"Квадрат"});

    // The open dialog offers the name chosen last.
    WriteAll(Path("three.txt"), "a\r\nb\rc");
    Load(Path("three.txt"));
    EXPECT_EQ(offered, Path("lf.txt"));
    EXPECT_EQ(Items(form.lstCom), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(form.lstCom->currentRow(), -1);
    EXPECT_TRUE(form.lstCom->selectedItems().isEmpty());

    WriteAll(Path("empty.txt"), QByteArray());
    Load(Path("empty.txt"));
    EXPECT_EQ(form.lstCom->count(), 0);
    EXPECT_EQ(Items(form.ListStatist), UpdateStatistLines({}));

    // A failure changes nothing.
    Load(Path("three.txt"));
    const QStringList statist = Items(form.ListStatist);
    for (const QString& bad : {Path("missing.txt"), dir.path()}) {
        messages.clear();
        Load(bad);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].first, MessageKind::ProgramError);
        EXPECT_EQ(messages[0].second, "Cannot open file " + bad + ".");
        EXPECT_EQ(Items(form.lstCom), (QStringList{"a", "b", "c"}));
        EXPECT_EQ(Items(form.ListStatist), statist);
    }
    messages.clear();
    answer.clear();
    ed.N11Click();   // cancelled
    EXPECT_EQ(Items(form.lstCom), (QStringList{"a", "b", "c"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(AlgorithmFilesTest, AnyFileLoadsAndRunsAsItStands)
{
    // A binary file, and a text whose body is one line as long as a load admits.
    QByteArray binary;
    for (int i = 0; i < 70000; ++i)
        binary += char((i * 37 + 11) % 255 + 1);
    WriteAll(Path("binary.bin"), binary);
    Load(Path("binary.bin"));
    EXPECT_EQ(form.lstCom->count(), ParseAlgorithmText(binary).size());
    // Deletions over it end as they end over any text.
    for (QAction* item : {form.N1, form.N3, form.N2, form.N6}) {
        form.ComMenuPopup();
        if (item->isEnabled())
            item->trigger();
    }
    messages.clear();

    QStringList text = NewAlgorithmLines(0, false);
    const qsizetype room = qsizetype(kMaxAlgorithmFileSize) - FormatAlgorithmText(text).size() - 2;
    text.insert(4, QString(room, QChar(0x0428)));   // "ШШШ..."
    WriteAll(Path("long.txt"), FormatAlgorithmText(text));
    Load(Path("long.txt"));
    ASSERT_EQ(form.lstCom->count(), 6);
    form.lstCom->repaint();
    form.NMainDebug->trigger();
    form.FixToolButtonResultClick();
    EXPECT_EQ(form.lstCom->currentRow(), 5);   // the run passed the line and ended at "КОН"
    EXPECT_TRUE(messages.empty());
}

} // namespace

namespace {

// Waits inside the dialog's own modal loop until it is shown, then acts on it.
void WhenShown(QFileDialog* d, std::function<void(QLineEdit*)> act)
{
    auto* poll = new QTimer(d);
    QObject::connect(poll, &QTimer::timeout, d, [d, poll, act] {
        if (!d->isVisible())
            return;
        poll->deleteLater();
        QTest::qWait(100);
        act(d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")));
    });
    poll->start(20);
}

} // namespace

TEST_F(AlgorithmFilesTest, TheRealSaveDialogOffersItsNameToTypeOverAndLeavesNoListBehind)
{
    SetFileDialogSink(nullptr);
    ed.SaveDialog1->setDirectory(dir.path());
    WriteAll(Path("loop.txt"), "x");
    for (const char* typed : {"lo", "lo", "loo"}) {
        QString selected;
        WhenShown(ed.SaveDialog1, [&](QLineEdit* edit) {
            ASSERT_NE(edit, nullptr);
            selected = edit->selectedText();
            QTest::keyClicks(edit, QString::fromUtf8(typed));   // typed over the offered name
            QTest::qWait(300);                                   // the completion list comes up
            QTest::keyClick(edit, Qt::Key_Return);
        });
        ed.N10Click();
        EXPECT_EQ(selected, "NoName");
        EXPECT_EQ(ReadAll(Path(typed) + ".txt"), FormatAlgorithmText(Items(form.lstCom)));
        QTest::qWait(500);   // the folder has changed under the hidden dialog
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible() && w->windowType() == Qt::Popup) << w->metaObject()->className();
    }
}

TEST(QtInRussian, QtsOwnWordsAreRussianAndTheProgramsOwnStayAsTheyAre)
{
    // Installed as the programs install it, before any window is made, and
    // taken away again afterwards.
    std::unique_ptr<QTranslator> russian(InstallQtRussian());
    ASSERT_NE(russian, nullptr) << "Qt's Russian translations are not installed";
    struct Removal {
        QTranslator* t;
        ~Removal() { QCoreApplication::removeTranslator(t); }
    } removal{russian.get()};

    TfrmRoPupil form(std::make_unique<FreeTaskEdition>(), 1024);
    auto& ed = static_cast<FreeTaskEdition&>(form.Edition());
    form.show();
    form.NMainBegin->trigger();
    form.NMainWork->trigger();
    QTemporaryDir dir;
    ed.SaveDialog1->setDirectory(dir.path());
    QStringList words, menu;
    QString title, filter, offered;
    WhenShown(ed.SaveDialog1, [&](QLineEdit* edit) {
        ASSERT_NE(edit, nullptr);
        for (QLabel* l : ed.SaveDialog1->findChildren<QLabel*>())
            words << l->text();
        for (QPushButton* b : ed.SaveDialog1->findChildren<QPushButton*>())
            words << b->text();
        std::unique_ptr<QMenu> m(edit->createStandardContextMenu());
        for (QAction* a : m->actions())
            menu << a->text();
        title = ed.SaveDialog1->windowTitle();
        filter = ed.SaveDialog1->nameFilters().join('|');
        offered = edit->text();
        ed.SaveDialog1->reject();
    });
    ed.N10Click();
    const QString all = QString(words.join('|') + '|' + menu.join('|')).remove('&');
    for (const char* english : {"Look in", "File name", "Files of type", "Save", "Cancel", "Copy", "Paste", "Undo"})
        EXPECT_FALSE(all.contains(QLatin1String(english))) << english;
    for (const char* word : {"Сохранить", "Отмена", "Копировать", "Вставить"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(word))) << word;
    EXPECT_EQ(title, "Сохранить алгоритм в файле");
    EXPECT_EQ(filter, "текстовый (*.txt)");
    EXPECT_EQ(offered, "NoName");

    // The message boxes keep their own captions and their "OK".
    QStringList boxes;
    for (auto show : {MessageDlgError, MessageDlgInformation}) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            boxes << box->windowTitle();
            for (QAbstractButton* b : box->buttons())
                boxes << b->text();
            box->accept();
        });
        show(QStringLiteral("текст"));
    }
    EXPECT_EQ(boxes, (QStringList{"Error", "OK", "Information", "OK"}));
}
