#include "ProcedureNames.h"

#include <QStringEncoder>
#include <algorithm>

bool IsNameLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')
        || (u >= u'А' && u <= u'я')  // А-Я and а-я are one run
        || u == u'Ё' || u == u'ё';
}

bool IsWindows1251Text(const QString& text)
{
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    // Each character maps to one byte; a lone surrogate or an unmapped
    // character is reported as an error.
    return !encoder.hasError() && bytes.size() == text.size();
}

QString EnterNewNameMessage()
{
    return QStringLiteral("Введите имя новой процедуры");
}

QString NameMustBeginWithLetterMessage()
{
    return QStringLiteral("Имя процедуры должно начинаться с буквы");
}

QString AlreadyDescribedMessage(const QString& name)
{
    return QStringLiteral("Процедура с именем ") + name + QStringLiteral(" уже описана");
}

QString TypedNameRefusal(const QString& typed, const QStringList& names)
{
    if (typed.isEmpty())
        return EnterNewNameMessage();
    if (!IsNameLetter(typed.at(0)))
        return NameMustBeginWithLetterMessage();
    if (names.contains(typed, Qt::CaseSensitive))
        return AlreadyDescribedMessage(typed);
    return QString();
}

int FindDescription(const QStringList& text, const QString& name)
{
    for (int i = 0; i < text.size(); ++i) {
        if (IsProcDescription(text.at(i)) && ProcDescriptionName(text.at(i)) == name)
            return i;
    }
    return -1;
}

bool IsProcedureCalled(const QStringList& text, const QString& name)
{
    return std::any_of(text.begin(), text.end(), [&](const QString& line) {
        return IsProcCall(line) && ProcCallName(line) == name;
    });
}

QStringList ProcNamesFromText(const QStringList& text)
{
    QStringList names;
    for (const QString& line : text) {
        if (IsProcDescription(line))
            names << ProcDescriptionName(line);
    }
    return names;
}

int FirstNameIndex(const QStringList& names, const QString& name)
{
    return names.indexOf(name);
}

namespace {
int TopFor(int row, int halfVisibleLines)
{
    return std::max(0, row - halfVisibleLines);
}
} // namespace

ProcChoice DescribeChoice(const QStringList& text, const QString& name, int halfVisibleLines)
{
    ProcChoice c;
    if (FindDescription(text, name) >= 0) {
        c.Refusal = AlreadyDescribedMessage(name);
        return c;
    }
    const int end = text.size() + 1;  // the appended "КОНЕЦ ПРОЦЕДУРЫ"
    c.Inserts << LineInsert{int(text.size()), ProcDescriptionLines(name), end,
                            TopFor(end, halfVisibleLines)};
    return c;
}

ProcChoice CallChoice(const QStringList& text, int current, const QString& name, int halfVisibleLines)
{
    ProcChoice c;
    const bool described = FindDescription(text, name) >= 0;
    if (current < 0 || current >= text.size()) {
        if (!described) {
            LineInsert append{int(text.size()), ProcDescriptionLines(name), -1, 0};
            append.Scroll = false;
            c.Inserts << append;
        }
        return c;
    }
    // The line that was current stays selected below the call.
    const int select = current + 1;
    const int top = TopFor(select, halfVisibleLines);
    c.Inserts << LineInsert{current, {ProcCallLine(text.at(current), name)}, select, top};
    if (!described)
        c.Inserts << LineInsert{int(text.size()) + 1, ProcDescriptionLines(name), select, top};
    return c;
}

int NameListMove(int count, int selected, bool down)
{
    if (count <= 0)
        return -1;
    if (selected < 0 || selected >= count)
        return down ? 0 : count - 1;
    if (down)
        return selected == count - 1 ? 0 : selected + 1;
    return selected == 0 ? count - 1 : selected - 1;
}
