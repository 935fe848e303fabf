#include "DesignedFont.h"

#include <QStringList>

QFont DesignedFont(const QString& family, int pixelSize, bool bold)
{
    QFont f;
    if (family == QLatin1String("Times New Roman") || family == QLatin1String("MS Serif"))
        f.setFamilies({family, QStringLiteral("Liberation Serif")});
    else
        f.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    if (pixelSize > 0)
        f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}
