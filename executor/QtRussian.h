#pragma once
// Qt's own words in Russian: the file dialogs, the edits' context menus and
// the like speak the language of the rest of the programs, whatever the
// user's locale.

class QTranslator;

// Loads Qt's Russian translations into the application. Returns the
// translator it installed (the application owns it), or nullptr when the
// translations are not on the machine; the programs then show Qt's words as
// they come.
QTranslator* InstallQtRussian();
