// The colours that tell the runs apart in the tables and the curves, and the
// few fixed colours of the tables. The values are the classic 16-colour
// palette names the program's users know (purple is half-intensity, not the
// web's violet).
#pragma once

#include <QColor>

#include <array>

#include "result_record.h"

namespace breathlab {

constexpr QColor kBlack(0, 0, 0);
constexpr QColor kRed(255, 0, 0);
constexpr QColor kGreen(0, 128, 0);
constexpr QColor kPurple(128, 0, 128);
constexpr QColor kAqua(0, 255, 255);
constexpr QColor kSilver(192, 192, 192);
constexpr QColor kYellow(255, 255, 0);
// The darker grey of the settings and reference rows and of the indices
// table's bottom rows.
constexpr QColor kTableGrey(176, 176, 176);

// Colour of each history slot: the reference black, the newest run red, then
// green and purple; the overflow slot is never drawn and stays black.
constexpr std::array<QColor, kHistorySlots> SlotColours = {kBlack, kRed, kGreen, kPurple, kBlack};

// The colour of a slot, black for anything outside 0..4.
constexpr QColor SlotColour(int slot) {
    return slot >= 0 && slot < kHistorySlots ? SlotColours[slot] : kBlack;
}

} // namespace breathlab
