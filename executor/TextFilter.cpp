#include "TextFilter.h"

#include "MessageBoxes.h"
#include "ProcedureNames.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace {

bool Holds(QChar c)
{
    return c.unicode() >= 32 && IsWindows1251Text(QString(c));
}

// Every change of the edit's text passes here, whichever way it came in.
class AlgorithmLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        if (std::all_of(input.begin(), input.end(), Holds))
            return Acceptable;
        int before = 0;
        for (int i = 0; i < pos && i < input.size(); ++i)
            before += Holds(input.at(i)) ? 0 : 1;
        input = AlgorithmLineText(input);
        pos -= before;
        MessageBeep();
        return Acceptable;
    }
};

class AltChordsTypeNothing : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !IsAltChord(*static_cast<QKeyEvent*>(event)))
            return QObject::eventFilter(watched, event);
        event->ignore();   // the edit's parents hear it as any key the edit does not use
        return true;
    }
};

} // namespace

bool IsAltChord(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers m = key.modifiers();
    return (m & Qt::AltModifier) && !(m & Qt::ControlModifier) && !key.text().isEmpty();
}

void TypeNothingOnAltChords(QLineEdit* edit)
{
    edit->installEventFilter(new AltChordsTypeNothing(edit));
}

QString AlgorithmLineText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (Holds(c))
            kept += c;
    }
    return kept;
}

void AcceptAlgorithmLineTextOnly(QLineEdit* edit)
{
    edit->setValidator(new AlgorithmLineValidator(edit));
    TypeNothingOnAltChords(edit);
}
