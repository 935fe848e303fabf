#pragma once
// What an edition changes in the shared executor window. The window calls
// these at the points where the two programs differ; the defaults are the
// behaviour both share.

class TfrmRoPupil;

class RoPupilEdition {
public:
    virtual ~RoPupilEdition() = default;

    // Rows below the top of its sprite box, past (SpriteSize - 16) div 2,
    // at which the left-facing executor picture is drawn.
    virtual int LeftFacingPictureDy() const { return 1; }

    // Called once the shared window has built its components, before the
    // initial stage is set: an edition adds its own controls here.
    virtual void AttachTo(TfrmRoPupil&) {}

    // The task set-up of "Начать".
    virtual void StartTask(TfrmRoPupil& form);
};
