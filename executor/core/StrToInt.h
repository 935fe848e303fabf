#pragma once
// Whole numbers as the pupil types them into a coordinate field and as a task
// text writes them: optional leading blanks, an optional sign, decimal digits,
// and nothing after them. Anything else (an empty text, a blank after the
// digits, a letter, a number past the 32-bit range) is not a whole number.

#include <QString>
#include <optional>

std::optional<int> StrToInt(const QString& text);

// The message of a text that is not a whole number, without the closing full
// stop that the error box adds: "'<text>' is not a valid integer value".
QString NotAnIntegerMessage(const QString& text);
