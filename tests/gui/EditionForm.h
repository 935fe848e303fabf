#pragma once
// The shared window as the tests build it: with the free-task edition, or
// with the edition that adds nothing, which every later edition builds on.

#include "FreeTaskEdition.h"
#include "RoPupilUnit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

enum class Edition { FreeTask, Minimal };

inline void PrintTo(Edition e, std::ostream* os) { *os << (e == Edition::FreeTask ? "free task" : "minimal"); }

inline std::string EditionName(Edition e) { return e == Edition::FreeTask ? "FreeTask" : "Minimal"; }

inline std::unique_ptr<TfrmRoPupil> MakeEditionForm(Edition e, int screenWidth = 1024)
{
    std::unique_ptr<RoPupilEdition> edition;
    if (e == Edition::FreeTask)
        edition = std::make_unique<FreeTaskEdition>();
    else
        edition = std::make_unique<RoPupilEdition>();
    auto form = std::make_unique<TfrmRoPupil>(std::move(edition), screenWidth);
    form->show();
    return form;
}

inline QStringList Items(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Types text as the keyboard does, one character a key, whatever its alphabet.
inline void Type(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

// Keys go where a pupil's keys go: to the control that has the focus.
inline void Press(TfrmRoPupil& form, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != &form)
        target = form.lstCom;
    QTest::keyClick(target, key, mods);
}
