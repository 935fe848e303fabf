// What a screen reader finds in every window: each control a pupil can reach
// has a name, and the tool bar's picture buttons are pressed through it.

#include "EditionForm.h"
#include "FixedTaskEdition.h"
#include "Hints.h"
#include "MessageBoxes.h"
#include "FreeTaskForms.h"
#include "MainPupilUnit.h"
#include "RegistrPupilUnit.h"

#include <QAccessible>
#include <QMap>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

bool IsControlRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

// Every control in an accessible tree, enabled or not, shown or hidden: what
// takes the focus, offers an action or plays a control's part. A list's rows
// are its content.
void Controls(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& out)
{
    if (!node)
        return;
    // The tool bar's own button for buttons it has no room for: it never shows,
    // the bar is wide enough for all of them.
    const QObject* o = node->object();
    if (o && o->objectName() == QLatin1String("qt_toolbar_ext_button") && node->state().invisible)
        return;
    QAccessibleActionInterface* actions = node->actionInterface();
    if (node->state().focusable || IsControlRole(node->role()) || (actions && !actions->actionNames().isEmpty()))
        out.push_back(node);
    if (node->tableInterface() || node->role() == QAccessible::List)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        Controls(node->child(i), out);
}

// The name a reader speaks: readers on Linux name a drop-down list after the
// label it is labelled by, its own name being its text.
QString SpokenName(QAccessibleInterface* c)
{
    if (c->role() == QAccessible::ComboBox) {
        const auto labels = c->relations(QAccessible::Label);
        if (!labels.isEmpty())
            return ReaderText(labels.first().first->text(QAccessible::Name));
    }
    return c->text(QAccessible::Name);
}

QString Describe(QAccessibleInterface* node)
{
    const QObject* o = node->object();
    return o ? QStringLiteral("%1 %2").arg(QString::fromLatin1(o->metaObject()->className()), o->objectName())
             : QStringLiteral("?");
}

// Lines 0 to 3 are the header and "НАЧ": a body that turns round and round
// where the way ahead is free, so that only the stop button ends a run.
void ReadyToRunForEver(TfrmRoPupil& f)
{
    QStringList lines = Items(f.lstCom).mid(0, 4);
    lines << "ПОКА впереди НЕ стена" << "НЦ";
    for (int turn = 0; turn < 4; ++turn)
        lines << "   ПОВОРОТ";
    lines << "КЦ" << "КОН";
    f.lstCom->clear();
    f.lstCom->addItems(lines);
    f.lstCom->setCurrentRow(lines.size() - 1);
}

struct Shown {
    std::vector<std::unique_ptr<QWidget>> windows;
    TfrmRoPupil* executor = nullptr;
};

Shown Executor(std::unique_ptr<RoPupilEdition> edition, const std::function<void(TfrmRoPupil&)>& inDevelopment = {})
{
    Shown s;
    auto form = std::make_unique<TfrmRoPupil>(std::move(edition), 1024);
    form->show();
    form->NMainBegin->trigger();
    form->NMainWork->trigger();
    if (inDevelopment)
        inDevelopment(*form);
    ReadyToRunForEver(*form);
    form->NMainDebug->trigger();
    s.executor = form.get();
    s.windows.push_back(std::move(form));
    return s;
}

TEST(ScreenReader, NamesDropTheAccessKeyMarkAndTheTrailingColonOrEqualsSign)
{
    const std::pair<QString, QString> cases[] = {
        {"&Ваша фамилия:", "Ваша фамилия"}, {"Ваше &имя: ", "Ваше имя"}, {"X=", "X"},
        {"Выполнять медленно ", "Выполнять медленно"}, {"A && B", "A & B"}, {"&", "&"}, {"", ""},
    };
    for (const auto& [caption, name] : cases)
        EXPECT_EQ(ReaderText(caption), name) << caption.toStdString();
}

TEST(ScreenReader, NamesEveryControlAndPressesEveryToolButton)
{
    // Some names as the reader speaks them, wherever the control is found.
    const QMap<QString, QString> spoken = {
        {"FixToolButtonDo", "Выполнять медленно"}, {"FixToolButtonStop", "Прервать выполнение"},
        {"FixToolButtonKey", "Открыть верное решение"}, {"lstCom", "Алгоритм"}, {"ListStatist", "Статистика"},
        {"EditNewProc", "Ввести имя новой процедуры"}, {"EditBY", "т.Б Y"}, {"ComboBoxTo", "Направление"},
        {"EditNam1", "Ваша фамилия"}, {"lstDec", "Верное решение"},
    };
    int spokenSeen = 0;
    FreeTaskForms forms;
    struct Row {
        const char* window;
        std::function<Shown()> show;
        int runs;   // runs the speed buttons start
    };
    const Row rows[] = {
        {"free-task executor", [] {
             return Executor(std::make_unique<FreeTaskEdition>(), [](TfrmRoPupil& f) {
                 auto& points = static_cast<FreeTaskEdition&>(f.Edition());
                 points.NMainPoints->trigger();   // point A where the panel has it
                 points.NMainPoints->trigger();
             });
         }, 3},
        {"fixed-task executor", [] { return Executor(std::make_unique<FixedTaskEdition>()); }, 3},
        {"bare executor", [] { return Executor(std::make_unique<RoPupilEdition>()); }, 3},
        {"start screen", [&forms] {
             Shown s;
             s.windows.push_back(std::make_unique<TfrmMainPupil>(forms));
             return s;
         }, 0},
        {"registration", [&forms] {
             Shown s;
             s.windows.push_back(std::make_unique<TfrmRegistrPupil>(forms));
             return s;
         }, 0},
    };
    SetMessageSink([](MessageKind, const QString&) {});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window);
        Shown shown = row.show();
        std::vector<QAccessibleInterface*> controls;
        for (const auto& w : shown.windows) {
            w->show();
            Controls(QAccessible::queryAccessibleInterface(w.get()), controls);
        }
        ASSERT_FALSE(controls.empty());
        QStringList nameless;
        for (QAccessibleInterface* c : controls) {
            const QString name = SpokenName(c);
            if (name.trimmed().isEmpty())
                nameless << Describe(c);
            if (const QObject* o = c->object(); o && spoken.contains(o->objectName())) {
                EXPECT_EQ(name, spoken[o->objectName()]);
                ++spokenSeen;
            }
        }
        EXPECT_TRUE(nameless.isEmpty()) << nameless.join(", ").toStdString();

        // A run a speed button starts is stopped through the reader at once.
        QAccessibleInterface* stop = nullptr;
        if (TfrmRoPupil* f = shown.executor)
            stop = QAccessible::queryAccessibleInterface(f->FixToolButtonStop);
        int runs = 0;
        QTimer stopper;
        stopper.setInterval(10);
        QObject::connect(&stopper, &QTimer::timeout, [&] {
            if (!shown.executor || !shown.executor->IsRunning())
                return;
            if (++runs > 100)   // the reader's press did not stop it
                shown.executor->FixToolButtonStopClick();
            else
                stop->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        stopper.start();
        for (QAccessibleInterface* c : controls) {
            auto* button = qobject_cast<QToolButton*>(c->object());
            if (!button || !button->isEnabled())
                continue;
            SCOPED_TRACE(Describe(c).toStdString());
            ASSERT_TRUE(c->actionInterface());
            ASSERT_TRUE(c->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            QSignalSpy clicked(button, &QToolButton::clicked);
            const int before = runs;
            c->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            EXPECT_EQ(clicked.count(), 1);
            if (runs > before)
                runs = before + 1;   // one run, however many ticks it took
        }
        EXPECT_EQ(runs, row.runs);
    }
    SetMessageSink(nullptr);
    EXPECT_GE(spokenSeen, int(spoken.size()));
}

} // namespace
