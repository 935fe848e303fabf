#pragma once
// Hints with a short and a long part, and the names a screen reader speaks
// for controls that show no caption of their own.

#include <QString>
#include <initializer_list>

class QAction;
class QWidget;

// A hint "short | long": the short part becomes the tool tip, the long part the
// status-bar text. Without a bar both are the whole text. Blanks are kept.
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);
// A picture-only button is also named after the hint's short part, so that
// a screen reader has a name to speak.
void SetHint(QWidget* w, const QString& hint);
void SetHint(QAction* a, const QString& hint);

// The name a screen reader speaks for a control that shows no caption of its
// own, made of the texts that stand for it on the screen, in order: each
// label's or button's caption (a picture-only button's hint), without its
// access-key mark and a trailing colon or equals sign. A drop-down list lends
// the name to its edit and its list too; as readers on Linux speak a drop-down
// list's text as its name, its labels are also made its buddies, which readers
// speak as the list's label.
QString ReaderText(const QString& caption);
void NameAfter(QWidget* control, std::initializer_list<QWidget*> shownBy);
