// A history set made from a fuzz input: the shipped reference in every slot,
// with slots cleared and single words overwritten as the input says. Inputs stay
// small while any field of any record can take any value.
//
// Layout: one byte whose bits 0..4 clear slots 0..4, one byte for the caller,
// then patches of 8 bytes: a word choosing the place (the slot, whether the
// scalar tail of the record or anywhere in it, and the offset) and the word
// written there.
#pragma once

#include "fuzz_bytes.h"

#include "result_record.h"

#include <memory>

namespace breathlab {

struct FuzzHistory {
    std::unique_ptr<ResultHistory> Slots = std::make_unique<ResultHistory>();
    std::uint8_t Choice = 0; // the caller's byte
};

FuzzHistory HistoryFromInput(FuzzBytes& input);

} // namespace breathlab
