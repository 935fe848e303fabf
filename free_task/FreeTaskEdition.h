#pragma once
// The free-task program's additions to the shared executor window.

#include "RoPupilEdition.h"

class FreeTaskEdition : public RoPupilEdition {
public:
    int LeftFacingPictureDy() const override { return 1; }
};
