// Paces the live pictures of a run to the screen's frame rate: the model
// reports a new recording point far more often than a screen can show one,
// and a picture painted between two frames is never seen.
#pragma once

#include <QElapsedTimer>

class FramePacer {
  public:
    // A frame every intervalMs milliseconds of wall-clock time.
    explicit FramePacer(qint64 intervalMs = kDefaultIntervalMs) : intervalMs_(intervalMs) {}

    // The first call after Restart is always due, so the first picture of a
    // run appears without waiting.
    void Restart() { clock_.invalidate(); }
    // True when a frame has passed since the last due call.
    bool FrameDue();

    static constexpr qint64 kDefaultIntervalMs = 16; // a 60 Hz screen

  private:
    qint64 intervalMs_;
    QElapsedTimer clock_;
};
