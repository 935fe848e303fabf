#pragma once
// When what a run has drawn and highlighted goes to the screen.
//
// A pupil sees a highlight or a frame only for as long as the pause after it.
// Before a pause of 1 ms or more everything waiting is shown, so it stands on
// the screen for the whole pause. A pause of 0 ms (the fast preset) shows
// nothing that a display could: pushing each such change on its own costs the
// run most of its time. So then the newest state is shown at most once per
// display frame.

#include <cstdint>

class FramePacer {
public:
    explicit FramePacer(int frameMs = 16) : frameMs_(frameMs < 1 ? 1 : frameMs) {}

    // Something changed that the screen does not show yet.
    void Changed() { pending_ = true; }
    bool Pending() const { return pending_; }

    // Before a pause of `ms`, at `nowMs` on a steady clock: true when what is
    // waiting must be shown now. The caller then shows it and calls Shown.
    bool DueBefore(int ms, int64_t nowMs) const
    {
        return pending_ && (ms > 0 || !shownOnce_ || nowMs - lastShownMs_ >= frameMs_);
    }

    void Shown(int64_t nowMs)
    {
        pending_ = false;
        shownOnce_ = true;
        lastShownMs_ = nowMs;
    }

private:
    int frameMs_;
    bool pending_ = false;
    bool shownOnce_ = false;
    int64_t lastShownMs_ = 0;
};
