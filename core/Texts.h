#pragma once

#include <array>
#include <string_view>

#include "core/Levels.h"

// Every text the program shows, in Finnish, in one place. UTF-8.
namespace zarno::texts {

inline constexpr std::string_view title = "Zarno";

// Messages.
inline constexpr std::string_view numbersMissing = "Anna kaikki numerot.";
inline constexpr std::string_view rowLimitReached = "Arvonta lopetettu (alkaa jo riittämään)";
inline constexpr std::string_view jackpot = "Iso potti, 10/10 oikein!";

// Controls, as created.
inline constexpr std::string_view fastMode = "Vauhtia";
inline constexpr std::string_view quit = "Lopeta";
inline constexpr std::string_view levelHeading = "Taso";
inline constexpr std::string_view rowsDrawn = "Rivejä arvottu/rahaa mennyt (kpl/€) : ";
inline constexpr std::string_view numbersHeading = "Numerot";
inline constexpr std::string_view start = "Arvontaa";
inline constexpr std::string_view startOver = "Aloita alusta";
inline constexpr std::string_view pause = "Tauko";
inline constexpr std::string_view resume = "Jatka arvontaa";
inline constexpr std::string_view frame = "Zarno ";  // followed by the level
inline constexpr std::string_view winningsHeading = "Voitot: ";

// The result labels: the label of k hits reads hitsLabel[k], and from its first refresh on
// hitsLabel[k], a blank and the count; the winnings label likewise starts with winnings.
inline constexpr std::array<std::string_view, maxLevel + 1> hitsLabel = {
    "0 oikein (kpl):", "1 oikein (kpl):", "2 oikein (kpl):",  "3 oikein (kpl):",
    "4 oikein (kpl):", "5 oikein (kpl):", "6 oikein (kpl):",  "7 oikein (kpl):",
    "8 oikein (kpl):", "9 oikein (kpl):", "10 oikein (kpl):",
};
inline constexpr std::string_view winnings = "Voitot (€): ";

// Tooltips of the result labels: what the odds lead one to expect. A winnings label's second
// line reads deviation, the rows, deviationRows, the deviation and deviationUnit.
inline constexpr std::string_view expectedShare = "Odotettu osuus: ";
inline constexpr std::string_view expectedReturn = "Odotettu palautus: ";
inline constexpr std::string_view deviation = "Keskihajonta ";
inline constexpr std::string_view deviationRows = " rivillä: ±";
inline constexpr std::string_view deviationUnit = " %-yks.";

}  // namespace zarno::texts
