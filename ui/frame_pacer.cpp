#include "frame_pacer.h"

bool FramePacer::FrameDue() {
    if (clock_.isValid() && clock_.elapsed() < intervalMs_) return false;
    clock_.start();
    return true;
}
