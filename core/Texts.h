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

// The chart window.
inline constexpr std::string_view chartButton = "Kaavio";
inline constexpr std::string_view chartTitle = "Zarno – kaavio";
inline constexpr std::string_view payoutTab = "Palautus";
inline constexpr std::string_view hitsTab = "Osumat";
inline constexpr std::string_view playersTab = "Pelaajat";
inline constexpr std::string_view copy = "Kopioi";
inline constexpr std::string_view saveImage = "Tallenna kuva…";
inline constexpr std::string_view about = "Tietoja";
inline constexpr std::string_view aboutQt = "Tietoja Qt:sta";
inline constexpr std::string_view imageFiles = "PNG-kuvat (*.png)";
inline constexpr std::string_view imageNotSaved = "Kuvan tallennus ei onnistunut.";
inline constexpr std::string_view playerRows = "Pelaajan rivit: ";
// The charts' axes and legends.
inline constexpr std::string_view rowsAxis = "Rivejä";
inline constexpr std::string_view payoutAxis = "Palautus (%)";
inline constexpr std::string_view shareAxis = "Osuus (%)";
inline constexpr std::string_view hitsAxis = "Oikein";
inline constexpr std::string_view netAxis = "Tulos (€)";
inline constexpr std::string_view playersAxis = "Pelaajia (%)";
inline constexpr std::string_view observed = "Havaittu";
inline constexpr std::string_view expected = "Odotettu";
inline constexpr std::string_view band2 = "±2σ";
inline constexpr std::string_view band3 = "±3σ";
inline constexpr std::string_view stray = "yli 2σ";
inline constexpr std::string_view ahead = "voitolla";
// The tables' columns.
inline constexpr std::array<std::string_view, 5> payoutColumns = {
    "Rivejä", "Palautus (%)", "Odotettu (%)", "Alaraja 2σ (%)", "Yläraja 2σ (%)"};
inline constexpr std::array<std::string_view, 5> hitsColumns = {"Oikein", "Kpl", "Osuus (%)",
                                                                "Odotettu (%)", "Poikkeama (σ)"};
inline constexpr std::array<std::string_view, 7> playersColumns = {
    "Rivejä pelaajalla",   "Pelaajia",     "Voitolla (%)",
    "Voitolla tarkka (%)", "Mediaani (€)", "Mediaani tarkka (€)",
    "Odotettu tulos (€)"};
// The about box: the version follows the first line.
inline constexpr std::string_view aboutVersion = "Zarno, versio ";
inline constexpr std::string_view aboutText =
    "Näyttää, miten 20/70-numeroarvonta maksaa voittoja pitkän päälle.\n\n"
    "Copyright © 2026 The Zarno developers\n\n"
    "Zarno on vapaa ohjelma: sitä saa levittää ja muuttaa GNU General Public Licensen "
    "(GPL) version 3 tai (valintasi mukaan) minkä tahansa myöhemmän version ehdoin.\n\n"
    "Ohjelmalla ei ole MITÄÄN TAKUUTA, ei edes takuuta kaupallisesta kelpoisuudesta tai "
    "soveltuvuudesta tiettyyn tarkoitukseen. Katso lisenssi: "
    "https://www.gnu.org/licenses/gpl-3.0.html";

}  // namespace zarno::texts
