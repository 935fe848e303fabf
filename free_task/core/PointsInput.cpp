#include "PointsInput.h"

#include "StrToInt.h"

#include <algorithm>
#include <limits>
#include <optional>

QStringList DirectionEntries()
{
    return {QStringLiteral("вправо"), QStringLiteral("вверх"), QStringLiteral("влево"),
            QStringLiteral("вниз")};
}

int16_t DirectionOfEntry(int entry)
{
    return entry >= 0 && entry <= 3 ? int16_t(entry * 90) : int16_t(0);
}

namespace {

struct Field {
    const QString* text;
    int16_t* target;
    int16_t value = 0;
};

int16_t ToInt16(int v)
{
    return int16_t(std::clamp<int>(v, std::numeric_limits<int16_t>::min(),
                                   std::numeric_limits<int16_t>::max()));
}

} // namespace

QString ReadPoints(const PointsEntries& e, RoPupilModel& model)
{
    Field fields[] = {{&e.AX, &model.PointAX}, {&e.AY, &model.PointAY},
                      {&e.BX, &model.PointBX}, {&e.BY, &model.PointBY}};
    const bool ticked[] = {e.AChecked, e.AChecked, e.BChecked, e.BChecked};
    for (int i = 0; i < 4; ++i) {
        if (!ticked[i]) {
            fields[i].value = -1;
            continue;
        }
        const std::optional<int> v = StrToInt(*fields[i].text);
        if (!v)
            return NotAnIntegerMessage(*fields[i].text);
        fields[i].value = ToInt16(*v);
    }
    for (const Field& f : fields)
        *f.target = f.value;
    model.PointADir = e.AChecked ? DirectionOfEntry(e.DirEntry) : int16_t(-1);
    return QString();
}

QString StartPointProblem(const RoPupilModel& m)
{
    const int last = m.FieldSize - 1;
    const bool facing = m.PointADir == 0 || m.PointADir == 90 || m.PointADir == 180
                        || m.PointADir == 270;
    // An unticked "т.А" leaves the point without a direction; a ticked one
    // always gives one, so (-1, -1) typed there is told as off the field.
    if (!facing)
        return QStringLiteral("Точка А не задана!\r"
                              "Отметьте \"т.А\" на панели \"Точки\" этапа \"Разработка\".");
    if (m.PointAX < 0 || m.PointAX > last || m.PointAY < 0 || m.PointAY > last)
        return QStringLiteral("Точка А лежит вне поля!\r"
                              "Задайте на панели \"Точки\" координаты X и Y от 0 до %1.")
            .arg(last);
    return QString();
}
