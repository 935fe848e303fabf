#include "TextFilter.h"

#include "FormKit.h"
#include "ProcedureNames.h"

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

} // namespace

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
}
