#include "FixedTaskTexts.h"

QStringList BuiltInTaskText()
{
    return {
        QStringLiteral("# 175 1 0  300"),
        QStringLiteral("Разработайте алгоритм для рисования квадрата со стороной, равной одному шагу. Исходное положение Тимпушки: в точке А,"),
        QStringLiteral("направление - направо. Конечное положение - в той же точке А, направление - вниз."),
        QStringLiteral("Z"),
        QStringLiteral("1  4  3   0 -1 -1"),
        QStringLiteral("E"),
    };
}

QStringList CorrectSolutionLines()
{
    return {
        QStringLiteral("АЛГОРИТМ ПУТЬ_1"),
        QStringLiteral("    Дано: Исполнитель в т.А"),
        QStringLiteral("    Надо: Воспроизвести образец"),
        QStringLiteral("НАЧ"),
        QStringLiteral("    ШАГ"),
        QStringLiteral("    ПОВОРОТ"),
        QStringLiteral("    ШАГ"),
        QStringLiteral("    ПОВОРОТ"),
        QStringLiteral("    ШАГ"),
        QStringLiteral("    ПОВОРОТ"),
        QStringLiteral("    ШАГ"),
        QStringLiteral("КОН"),
        QStringLiteral(""),
        QStringLiteral(""),
        QStringLiteral(""),
    };
}

QStringList CorrectSolutionStatistics()
{
    return {
        QStringLiteral("Всего в алгоритме:"),
        QStringLiteral("           "),
        QStringLiteral("команд             ......7"),
        QStringLiteral("процедур         .......0"),
        QStringLiteral("вызовов процедур 0"),
        QStringLiteral("ветвлений        ......0"),
        QStringLiteral("циклов               .....0"),
        QStringLiteral("                    "),
        QStringLiteral("Итого:  строк    ... 12"),
    };
}

namespace {
QString Lines(const QStringList& lines) { return lines.join(QLatin1Char('\r')); }
} // namespace

QString HelpCorText()
{
    return Lines({
        QStringLiteral("   Данный цифровой образовательный ресурс представляет собой "),
        QStringLiteral("очень небольшой демонстрационный фрагмент интегрированной "),
        QStringLiteral("системы \"Тимпушка\", входящей в состав учебно-методического "),
        QStringLiteral("комплекта(УМК) \"Интегрированная система \"Тимпушка\". "),
        QStringLiteral("   ЦОР служит для иллюстрации основных понятий алгоритмизации "),
        QStringLiteral("при изучении базового курса информатики."),
    });
}

QString HelpTimpaText()
{
    return Lines({
        QStringLiteral("    \"Тимпушка\" - графический исполнитель. "),
        QStringLiteral("    Среда исполнителя - поле, расчерченное на клетки и "),
        QStringLiteral("ограниченное стенами. На поле могут находиться также "),
        QStringLiteral("дополнительные внутренние стенки и так называемые "),
        QStringLiteral("\"прыгающие\" стенки, положение которых альтернативно "),
        QStringLiteral("до момента запуска алгоритма. "),
        QStringLiteral("    Система команд - шаг, прыжок, поворот (против "),
        QStringLiteral("часовой стрелки). "),
        QStringLiteral("    Алгоритмы для исполнителя \"Тимпушка\" представлены "),
        QStringLiteral("в нотации школьного алгоритмического языка. "),
        QStringLiteral("    Принципиальные отличия исполнителя \"Тимпушка\" "),
        QStringLiteral("от других графических исполнителей подобного типа: "),
        QStringLiteral("    1) среда исполнителя \"Тимпушка\" позволяет существенно "),
        QStringLiteral("расширить класс разрабатываемых алгоритмов за счет "),
        QStringLiteral("внутренних и \"прыгающих\" стенок;"),
        QStringLiteral("    2) автоматически проверяется правильность алгоритмов, "),
        QStringLiteral("разработанных учащимися."),
    });
}

QString HelpUmkText()
{
    return Lines({
        QStringLiteral("    В состав учебно-методического комплекта(УМК) \"Интегрированная система \"Тимпушка\""),
        QStringLiteral("входят программы-интерпретаторы:  "),
        QStringLiteral("    1) программа timpa_lessons.exe (\"Тимпушка-Уроки\") содержит встроенные в нее "),
        QStringLiteral("обучающие материалы и задачник; она может быть адаптирована под потребности "),
        QStringLiteral("преподавателя в части набора заданий, шкалы оценок, времени на решение задач; "),
        QStringLiteral("    2) программа timpa_free.exe (\"Тимпушка-Свободная задача\") может использоваться  "),
        QStringLiteral("при проведении зачетов, экзаменов и олимпиад. "),
        QStringLiteral("  "),
        QStringLiteral("    Каждая из этих программ позволяет разрабатывать, отлаживать и исполнять алгоритмы:"),
        QStringLiteral("- линейные;"),
        QStringLiteral("- разветвляющиеся;"),
        QStringLiteral("- циклические (циклы с предусловием \"Пока\");"),
        QStringLiteral("- допускающие многократное вложение (до 3) ветвлений в ветвления, циклов в циклы, "),
        QStringLiteral("ветвлений в циклы и циклов в ветвления; "),
        QStringLiteral("- с процедурами (вспомогательными алгоритмами)."),
        QStringLiteral("  "),
        QStringLiteral("    Программа-интерпретатор алгоритмов timpa_lessons.exe (\"Тимпушка-Уроки\"):"),
        QStringLiteral("-\tсодержит встроенный задачник с задачами различного уровня сложности, причем "),
        QStringLiteral("для каждой задачи приводится оптимальное решение;"),
        QStringLiteral("-\tавтоматически проверяет правильность алгоритмов, разработанных учащимися;"),
        QStringLiteral("-\tсодержит хорошо структурированный и оформленный в виде web-страниц "),
        QStringLiteral("обучающий материал по каждому типу задач;"),
        QStringLiteral("-\tосуществляет контроль времени в течение урока: продолжительность урока,"),
        QStringLiteral("время работы с каждой задачей."),
        QStringLiteral("  "),
        QStringLiteral("    Подборка задач по темам и уровням сложности проходила апробацию в течение трех последних "),
        QStringLiteral("учебных четвертей на уроках информатики в общеобразовательной школе."),
        QStringLiteral("При желании преподаватель может составить свою подборку задач из прилагаемого задачника."),
        QStringLiteral("    Учебно-методический комплект \"Интегрированная система \"Тимпушка\", версия 0.9 "),
        QStringLiteral("поставляется на CD-диске."),
        QStringLiteral("    Отзывы и предложения о комплекте присылайте, пожалуйста, его разработчикам по электронной почте."),
    });
}
