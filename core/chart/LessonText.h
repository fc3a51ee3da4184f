#pragma once

#include <string>

#include "core/chart/TableText.h"
#include "core/document/LessonDocument.h"
#include "core/text/Wording.h"

namespace zarno {

// The truth beside the guesses: the players ahead of a thousand, the payout and the median
// player's net result, each as guessed, as it happened among the thousand and exactly.
Table truthTable(const Lesson& lesson, const odds::LessonLaw& law, const Wording& wording);
// What a row won: anything, only its stake back, more than its stake; among "your" rows, all the
// players' and exactly.
Table rowSharesTable(const Lesson& lesson, const Wording& wording);
// "1 040 riviä, 1 040 €": what a player of the lesson plays and pays.
std::string stakeText(int rowsPerWeek, int years, const Wording& wording);

}  // namespace zarno
