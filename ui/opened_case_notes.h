// The teaching notes of the cases whose runs joined the listed runs, so that
// a case's note is at hand whenever its run is the selected one. A run moves
// down the list as later runs come, and its percentages are re-expressed
// when another run becomes the reference; its own volume trace does not
// change, so the run is known by that trace.
#pragma once

#include "result_record.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace breathlab {

struct OpenedCaseNote {
    QString Title;
    QString Html;      // for the description box
    QString PlainText; // for the report
};

class OpenedCaseNotes {
  public:
    void Remember(const ResultRecord& run, const OpenedCaseNote& note);
    // The note of the case the run came from, or nullptr for a run of the
    // user's own.
    const OpenedCaseNote* NoteOf(const ResultRecord& run) const;

  private:
    std::vector<std::pair<QByteArray, OpenedCaseNote>> notes_;
};

} // namespace breathlab
