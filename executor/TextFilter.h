#pragma once
// What the one-line edits whose text goes into the algorithm accept: the
// algorithm is saved in Windows-1251 one line per text line, so a character
// the code page lacks, or a line break or other control character, would
// change the saved file. Such characters are dropped as they are typed,
// pasted or dropped in, with the beep of a refused key.

class QKeyEvent;
class QLineEdit;
class QString;

// The text without the characters an algorithm line cannot hold.
QString AlgorithmLineText(const QString& text);

// Makes `edit` take only what an algorithm line can hold.
void AcceptAlgorithmLineTextOnly(QLineEdit* edit);

// A chord with Alt types no character: it is the key of a menu or a shortcut,
// which have had their turn before an edit sees it. Qt would type the
// character into the edit. AltGr, which some platforms send as Ctrl+Alt, is
// not such a chord.
bool IsAltChord(const QKeyEvent& key);

// Makes `edit` pass an Alt chord on to its window as a key that types nothing.
void TypeNothingOnAltChords(QLineEdit* edit);
