#pragma once
// A modal show for a main-window-like form.

class QWidget;

// Shows a top-level widget modally and returns when it has been closed or
// hidden; minimising it does not end its modal run.
void ShowModal(QWidget* w);
