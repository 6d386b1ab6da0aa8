// `run --plot FILE`: the figures of the runs, drawn without a display by the
// window's drawing code.
#pragma once

#include "result_record.h"

#include <string>

namespace breathlab {

// Where the plotted runs come from, as the report names it: the source, and
// the teaching case with its note when the runs show one.
struct PlotSource {
    std::string Source;
    std::string CaseTitle;
    std::string CaseNote;
};

// The figures' texts are the window's; the command line speaks English, so
// they come through the English translation at `englishTranslation` (a .qm
// file) when it is there, and as the built-in texts otherwise.
void UseEnglishFigureTexts(const std::string& englishTranslation);

// Draws the history's reference and its newest `runs` runs (at most three
// listed, the newest selected) into FILE.png, FILE.svg or the report FILE.pdf.
bool WritePlotFile(const std::string& path, const ResultHistory& history, int runs,
                   const PlotSource& source, std::string& error);

} // namespace breathlab
