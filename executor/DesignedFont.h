#pragma once
// The designed fonts, with metric twins where the designed family is missing.

#include <QFont>
#include <QString>

// A designed font by its family. The designed families are Windows fonts;
// where one is missing its metric twin keeps the texts as wide as they were
// designed (Liberation Serif for the serif family, Liberation Sans, then
// Arial, for the others). MS Serif has no twin and takes the serif one.
// pixelSize below 1 keeps the default size.
QFont DesignedFont(const QString& family, int pixelSize = 0, bool bold = false);
