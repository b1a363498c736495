// A made-up but plausible drill history, for pictures of the history window and for
// measuring it: a pupil who practises most days, gets faster and more accurate, and
// keeps stumbling over a few facts.
#pragma once

#include <vector>

#include "drills/history.h"

namespace velunda {

// Answers of the days days up to the one of end (local time), about perDay a day, in
// time order; the same seed gives the same history.
std::vector<AnswerRecord> SampleHistory(HistoryTime end, int days, int perDay, unsigned seed = 1);

}  // namespace velunda
