// One spy on each signal of a part, for the tests that press its controls in
// turn: each control must speak through its own signal and through no other.
#pragma once

#include <QSignalSpy>

#include <memory>
#include <vector>

class SignalSpies {
  public:
    template <class Part> void Add(const Part* part, void (Part::*signal)()) {
        spies_.push_back(std::make_unique<QSignalSpy>(part, signal));
    }

    // True when the first `count` signals were each emitted once and the
    // rest not at all.
    bool FirstEmittedOnce(std::size_t count) const {
        for (std::size_t k = 0; k < spies_.size(); ++k)
            if (spies_[k]->count() != (k < count ? 1 : 0)) return false;
        return true;
    }

  private:
    std::vector<std::unique_ptr<QSignalSpy>> spies_;
};
