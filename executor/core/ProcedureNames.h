#pragma once
// Procedure names: what a typed name must be, where a name is described or
// called in the algorithm text, the list of names a text holds, and the lines
// that choosing a name in the procedure panel puts into the text. Names are
// compared exactly: letter case and trailing blanks count.

#include "AlgorithmText.h"

#include <QList>
#include <QString>
#include <QStringList>

// A letter that may begin a name: exactly A-Z, a-z, А-Я, а-я, Ё and ё.
bool IsNameLetter(QChar c);

// Whether every character of `text` has a Windows-1251 code, so that a saved
// algorithm keeps it. The empty text has.
bool IsWindows1251Text(const QString& text);

// Messages of the procedure panel.
QString EnterNewNameMessage();                       // "Введите имя новой процедуры"
QString NameMustBeginWithLetterMessage();            // "Имя процедуры должно начинаться с буквы"
QString AlreadyDescribedMessage(const QString& name); // "Процедура с именем <name> уже описана"

// Why a typed name is refused, in the order the checks are made (empty, first
// character not a letter, already in `names`); an empty text when accepted.
QString TypedNameRefusal(const QString& typed, const QStringList& names);

// First row of `text` that describes `name`, or -1.
int FindDescription(const QStringList& text, const QString& name);
// Whether some line of `text` calls `name`.
bool IsProcedureCalled(const QStringList& text, const QString& name);
// The names of every description line in the order of the text: repeats kept,
// an empty name for a bare "ПРОЦЕДУРА".
QStringList ProcNamesFromText(const QStringList& text);
// First entry of `names` equal to `name`, or -1.
int FirstNameIndex(const QStringList& names, const QString& name);

// What choosing a name does to the algorithm text: the inserts, applied in
// order (each one's selection and scroll already allow for the ones before),
// or a refusal shown in an information box.
struct ProcChoice {
    QString Refusal;
    QList<LineInsert> Inserts;

    bool IsRefusal() const { return !Refusal.isEmpty(); }
};

// Describe mode: the description appended after the last line, its end line
// selected and scrolled to mid-list; refused when the text describes the name.
ProcChoice DescribeChoice(const QStringList& text, const QString& name, int halfVisibleLines);
// Call mode: "ДЕЛАЙ <name>" above line `current`, which stays selected, and the
// description appended when the text has none. Without a current line there is
// no place for the call: only a missing description is appended, so that a
// name in the list always has one.
ProcChoice CallChoice(const QStringList& text, int current, const QString& name, int halfVisibleLines);

// The Up and Down keys in the list of names: the row selected next, moving by
// one and wrapping at both ends, or -1 when the list is empty. With nothing
// selected Down selects the first name and Up the last.
int NameListMove(int count, int selected, bool down);
