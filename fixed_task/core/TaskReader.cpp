#include "TaskReader.h"

#include "StrToInt.h"

namespace {

// One reading of a task text: the index of the last line taken and the current line.
class TaskReading {
public:
    TaskReading(const QStringList& text, RoPupilModel& model, QStringList& strip)
        : text_(text), m_(model), strip_(strip)
    {
    }

    TaskReadResult Run()
    {
        Read();
        return result_;
    }

private:
    // Moves to the next non-empty line; false (and the reading ends) when none is left.
    bool ReadTaskLine()
    {
        do {
            if (last_ >= text_.size() - 1) {
                result_.Outcome = TaskReadOutcome::EndOfText;
                return false;
            }
            ++last_;
            line_ = text_.at(last_);
        } while (line_.isEmpty());
        return true;
    }

    QChar First() const { return line_.at(0); }

    // The characters at 1-based columns [column, column + width), fewer where the line ends.
    QString Field(int column, int width) const { return line_.mid(column - 1, width); }

    bool Number(int column, int width, int16_t& out)
    {
        const QString field = Field(column, width);
        const std::optional<int> v = StrToInt(field);
        if (!v) {
            result_.Outcome = TaskReadOutcome::ConvertError;
            result_.BadField = field;
            return false;
        }
        out = int16_t(*v);
        return true;
    }

    bool Flag(int column, bool& out)
    {
        int16_t v = 0;
        if (!Number(column, 1, v))
            return false;
        out = v == 1;
        return true;
    }

    void Read()
    {
        if (!ReadTaskLine() || !Flag(7, m_.ShowPattern) || !Flag(9, m_.GoalIsPointB))
            return;
        if (!ReadTaskLine())
            return;
        strip_.clear();
        while (First() != QLatin1Char('Z')) {
            strip_ << line_;
            if (!ReadTaskLine())
                return;
        }
        if (!ReadDataLine())
            return;
        m_.ClearInnerWalls();
        m_.ClearJumpWalls();
        for (;;) {
            if (!ReadTaskLine())
                return;
            const QChar head = First();
            bool ok = true;
            if (head == QLatin1Char('H'))
                ok = ReadWallLine(m_.HorzWallX, m_.HorzWallY);
            else if (head == QLatin1Char('V'))
                ok = ReadWallLine(m_.VertWallX, m_.VertWallY);
            else if (head == QLatin1Char('P'))
                ok = ReadJumpWallLine();
            else if (head == QLatin1Char('E'))
                return;
            if (!ok)
                return;
        }
    }

    bool ReadDataLine()
    {
        if (!ReadTaskLine() || !Number(3, 2, m_.PointAX) || !Number(6, 2, m_.PointAY) || !Number(9, 3, m_.PointADir))
            return false;
        if (m_.GoalIsPointB)
            return Number(13, 2, m_.PointBX) && Number(16, 2, m_.PointBY);
        m_.PointBX = -1;
        m_.PointBY = -1;
        return true;
    }

    bool ReadWallLine(std::vector<int16_t>& xs, std::vector<int16_t>& ys)
    {
        if (!ReadTaskLine())
            return false;
        for (int k = 1; line_.size() >= 6 * k; ++k) {
            int16_t x = 0, y = 0;
            if (!Number(6 * k - 4, 2, x) || !Number(6 * k - 1, 2, y))
                return false;
            // Both lists take the new length of the first, so they stay parallel.
            const size_t n = xs.size() + 1;
            xs.resize(n);
            ys.resize(n);
            xs[n - 1] = x;
            ys[n - 1] = y;
        }
        return true;
    }

    bool ReadJumpWallLine()
    {
        if (!ReadTaskLine())
            return false;
        // Three timers and three state slots: a fourth wall could never be
        // started or swapped, so its line is passed over and nothing is stored.
        if (m_.JumpWallX1.size() >= 3)
            return true;
        const int n = int(m_.JumpWallX1.size()) + 1;
        m_.JumpWallKind1.resize(n);
        m_.JumpWallX1.resize(n);
        m_.JumpWallY1.resize(n);
        m_.JumpWallKind2.resize(n);
        m_.JumpWallX2.resize(n);
        m_.JumpWallY2.resize(n);
        const int i = n - 1;
        m_.JumpWallKind1[i] = Field(2, 1);
        if (!Number(4, 2, m_.JumpWallX1[i]) || !Number(7, 2, m_.JumpWallY1[i]))
            return false;
        m_.JumpWallKind2[i] = Field(10, 1);
        return Number(12, 2, m_.JumpWallX2[i]) && Number(15, 2, m_.JumpWallY2[i]);
    }

    const QStringList& text_;
    RoPupilModel& m_;
    QStringList& strip_;
    int last_ = -1;
    QString line_;
    TaskReadResult result_;
};

} // namespace

QString TaskTextEndMessage() { return QStringLiteral("Ошибка в тексте задачи"); }

TaskReadResult LoadTask(const QStringList& text, RoPupilModel& model, QStringList& taskStrip)
{
    return TaskReading(text, model, taskStrip).Run();
}
