// The two sounds that end a run: an error sound when the run failed and an
// information sound when it completed. They play without waiting and stay
// silent where no sound device exists.
#pragma once

namespace breathlab {

enum class SystemSound { Error, Information };

void PlaySystemSound(SystemSound sound);

} // namespace breathlab
