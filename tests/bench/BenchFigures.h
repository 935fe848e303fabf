#pragma once
// The figures of the benchmarks: each the median of several runs, printed
// with the smallest and largest value and the load average beside it; a
// figure with a target says PASS or FAIL; lines "RESULT name value" repeat
// the medians for tools/bench.sh.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// The 1, 5 and 15 minute load averages, as the kernel gives them.
inline QString LoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() >= 3 ? QString::fromLatin1(parts[0] + ' ' + parts[1] + ' ' + parts[2]) : QStringLiteral("?");
}

// The values of one figure over the repeated runs.
struct Sample {
    std::vector<double> values;

    void Add(double v) { values.push_back(v); }
    bool Empty() const { return values.empty(); }
    double Median() const
    {
        if (values.empty())
            return 0;
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
    double Min() const { return values.empty() ? 0 : *std::min_element(values.begin(), values.end()); }
    double Max() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
};

// "  label:  median 760 (min 700, max 800; 5 runs; load 1.2 0.9 0.5)"
inline void PrintSample(const char* label, const Sample& s, int decimals = 0)
{
    std::printf("  %-34s median %.*f  (min %.*f, max %.*f; %zu runs; load %s)\n", label, decimals, s.Median(),
                decimals, s.Min(), decimals, s.Max(), s.values.size(), qPrintable(LoadAverage()));
}

inline int failures = 0;

// A figure against its target; relation is ">=" or "<=".
inline void PrintTarget(const char* what, double value, const char* relation, double target, int decimals,
                        const char* note = "")
{
    const bool atLeast = QByteArray(relation) == ">=";
    const bool pass = atLeast ? value >= target : value <= target;
    if (!pass)
        ++failures;
    std::printf("  TARGET %-40s %.*f  (target %s %.*f%s)  %s\n", what, decimals, value,
                atLeast ? "\xe2\x89\xa5" : "\xe2\x89\xa4", decimals, target, note, pass ? "PASS" : "FAIL");
}

inline void PrintResult(const char* name, double value)
{
    std::printf("RESULT %s %.4f\n", name, value);
}

} // namespace bench
