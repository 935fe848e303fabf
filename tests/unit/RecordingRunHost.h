#pragma once
// A RunHost without a window: it holds the algorithm lines, records what a run
// asks of the window as short event strings, never sleeps, and fails the test
// when a line outside the text is read.

#include "RoPupilModel.h"
#include "RunHost.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

// The 12-cell field of a 1024-pixel screen.
inline void UseTwelveCellField(RoPupilModel& m)
{
    m.FieldSize = 12;
    m.CellSize = 43;
    m.CellCentreX0 = m.CellCentreY0 = 31;
}

// Appends a jumping wall with its two places.
inline void AddJumpWall(RoPupilModel& m, int x1, int y1, const QString& k1, int x2, int y2, const QString& k2)
{
    m.JumpWallX1.push_back(int16_t(x1));
    m.JumpWallY1.push_back(int16_t(y1));
    m.JumpWallKind1 << k1;
    m.JumpWallX2.push_back(int16_t(x2));
    m.JumpWallY2.push_back(int16_t(y2));
    m.JumpWallKind2 << k2;
}

class RecordingRunHost : public RunHost {
public:
    explicit RecordingRunHost(RoPupilModel& model) : m_(model) {}

    QStringList lines;
    // Events such as "H3" (highlight), "P500" (pause), "DE90", "ERR", "INF";
    // only kept while `record` is set.
    std::vector<std::string> events;
    bool record = true;
    QStringList errors;
    QStringList informations;
    // Jumping-wall states at the moment of each information box.
    std::vector<std::vector<int>> statesAtInformation;

    // Called on every ProcessMessages with its running count (1 first): a test
    // presses stop or closes the window from here.
    std::function<void(int)> onProcessMessages;
    // Called when an information box is shown (the window may be closed behind it).
    std::function<void()> onShowInformation;
    // Sets the stop flag at the given call of ProcessMessages (0 = never).
    int stopAtProcessMessages = 0;

    int processMessagesCalls = 0;
    int pauses = 0;
    int enableWorkMenuCalls = 0;
    int disableWorkMenuCalls = 0;
    mutable bool readOutsideText = false;
    mutable long lineReads = 0;
    bool lastEventWasEnableWorkMenu = false;
    bool highlightOutsideText = false;
    // The lowest stack address seen at a ProcessMessages call.
    const char* lowestStack = nullptr;

    int LineCount() const override { return int(lines.size()); }

    QString Line(int i) const override
    {
        ++lineReads;
        if (i < 0 || i >= lines.size()) {
            readOutsideText = true;
            ADD_FAILURE() << "Line(" << i << ") read with " << lines.size() << " lines";
            return QString();
        }
        return lines.at(i);
    }

    void Highlight(int i) override
    {
        // LineCount() itself is the end of a text without "КОН": no line selected.
        if (i < 0 || i > lines.size()) {
            highlightOutsideText = true;
            ADD_FAILURE() << "Highlight(" << i << ") with " << lines.size() << " lines";
        }
        Add("H", i);
    }

    void DrawField() override { Add("DF"); }
    void DrawScene() override
    {
        m_.ExecX = m_.PointAX;
        m_.ExecY = m_.PointAY;
        m_.ExecDir = m_.PointADir;
        Add("DS");
    }
    void ShowField() override { Add("SF"); }
    void SaveUnderExecutor(int16_t x, int16_t y) override { Add("SU" + std::to_string(x) + "," + std::to_string(y)); }
    void RestoreUnderExecutor(int16_t x, int16_t y) override { Add("RU" + std::to_string(x) + "," + std::to_string(y)); }
    void DrawExecutor(int16_t dir) override { Add("DE", dir); }
    void DrawExecutorAlarm() override { Add("DA"); }
    void DrawTrace(int x0, int y0, int x1, int y1) override
    {
        Add("T" + std::to_string(x0) + "," + std::to_string(y0) + "-" + std::to_string(x1) + "," + std::to_string(y1));
    }
    void DrawJumpWall(int i, int place) override { Add("JW" + std::to_string(i) + ":" + std::to_string(place)); }
    void DrawJumpWallGhost(int i, int place) override { Add("JG" + std::to_string(i) + ":" + std::to_string(place)); }

    void Pause(int ms) override
    {
        ++pauses;
        Add("P", ms);
    }

    void ProcessMessages() override
    {
        char here;
        if (!lowestStack || &here < lowestStack)
            lowestStack = &here;
        ++processMessagesCalls;
        Add("PM");
        if (onProcessMessages)
            onProcessMessages(processMessagesCalls);
        if (stopAtProcessMessages > 0 && processMessagesCalls >= stopAtProcessMessages)
            m_.StopFlag = 1;
    }

    void ShowError(const QString& text) override
    {
        errors << text;
        Add("ERR");
    }
    void ShowInformation(const QString& text) override
    {
        informations << text;
        std::vector<int> states;
        for (int w = 0; w < m_.JumpWallCount() && w < 3; ++w)
            states.push_back(m_.JumpWallState[w]);
        statesAtInformation.push_back(states);
        Add("INF");
        if (onShowInformation)
            onShowInformation();
    }
    void Paint() override { Add("PAINT"); }
    void DisableWorkMenu() override
    {
        ++disableWorkMenuCalls;
        Add("DWM");
    }
    void EnableWorkMenu() override
    {
        ++enableWorkMenuCalls;
        Add("EWM");
        lastEventWasEnableWorkMenu = true;
    }
    void DisableJumpWallTimer(int i) override { Add("DT", i); }

    // The recorded events with one of the given names (the capitals that
    // begin an event), joined by blanks, e.g. Only({"H", "P"}) -> "H0 P500 H1 P500".
    std::string Only(const std::vector<std::string>& names) const
    {
        std::string out;
        for (const std::string& e : events) {
            size_t k = 0;
            while (k < e.size() && e[k] >= 'A' && e[k] <= 'Z')
                ++k;
            const std::string name = e.substr(0, k);
            for (const std::string& n : names) {
                if (n == name) {
                    if (!out.empty())
                        out += ' ';
                    out += e;
                    break;
                }
            }
        }
        return out;
    }
    std::string All() const
    {
        std::string out;
        for (const std::string& e : events)
            out += (out.empty() ? "" : " ") + e;
        return out;
    }

    int Count(const std::string& event) const
    {
        int n = 0;
        for (const std::string& e : events)
            n += e == event;
        return n;
    }

    void Clear()
    {
        events.clear();
        errors.clear();
        informations.clear();
        statesAtInformation.clear();
        processMessagesCalls = pauses = enableWorkMenuCalls = disableWorkMenuCalls = 0;
    }

private:
    void Add(const std::string& e)
    {
        lastEventWasEnableWorkMenu = false;
        if (record)
            events.push_back(e);
    }
    void Add(const char* name, int value) { Add(std::string(name) + std::to_string(value)); }

    RoPupilModel& m_;
};
