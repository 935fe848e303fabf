#pragma once
// What the one-line edits whose text goes into the algorithm accept: the
// algorithm is saved in Windows-1251 one line per text line, so a character
// the code page lacks, or a line break or other control character, would
// change the saved file. Such characters are dropped as they are typed,
// pasted or dropped in, with the beep of a refused key.

class QLineEdit;
class QString;

// The text without the characters an algorithm line cannot hold.
QString AlgorithmLineText(const QString& text);

// Makes `edit` take only what an algorithm line can hold.
void AcceptAlgorithmLineTextOnly(QLineEdit* edit);
