#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/tables/Translatable.h"

// Every table the program writes, defined once: its name, and per column its stable key, its
// header, how its figures are written for people, and where they come from. The window's tables,
// their copy, the report, the command line's text and CSV and the run document are all made from
// these definitions.
namespace zarno::tables {

// How a column's figures are written for people; programs get them as they are.
enum class Format : std::uint8_t {
    whole,               // a whole number as it is: 15703
    rows,                // a whole number in groups of three: 15 703
    percent,             // a fraction in percent, two decimals: 54.96
    number,              // a real number, two decimals: -4.49
    hitShare,            // a fraction in percent, as the hit label of its level and hits has it
    significant,         // four significant digits: 1.885, 3.274e-05
    significantPercent,  // a fraction in percent, four significant digits
    roundRows,           // a real number of rows, to the nearest row, in groups of three
    numbers,             // a row's numbers in the order drawn, apart by spaces
    text,                // a text as it is
};

// Where a column's figures come from.
enum class Source : std::uint8_t {
    key,       // what the row is about: the rows, the hits, the session's length, the level
    observed,  // the run's rows
    exact,     // the exact law, the same for every run
};

struct Column {
    std::string_view key;
    std::string_view header;  // Finnish, translated when shown
    Format format;
    Source source;
};

struct TableKind {
    std::string_view name;
    std::span<const Column> columns;
};

// The index of the column of `kind` that `key` names; naming no column does not compile.
consteval std::size_t at(const TableKind& kind, std::string_view key) {
    for (std::size_t c = 0; c < kind.columns.size(); ++c) {
        if (kind.columns[c].key == key) {
            return c;
        }
    }
    throw "no such column";
}

namespace columns {
using enum Format;
using enum Source;

inline constexpr Column payout[] = {
    {"rows", QT_TRANSLATE_NOOP("Zarno", "Rivejä"), rows, key},
    {"payout", QT_TRANSLATE_NOOP("Zarno", "Palautus (%)"), percent, observed},
    {"expected", QT_TRANSLATE_NOOP("Zarno", "Odotettu (%)"), percent, exact},
    {"low_2sd", QT_TRANSLATE_NOOP("Zarno", "Alaraja 2σ (%)"), percent, exact},
    {"high_2sd", QT_TRANSLATE_NOOP("Zarno", "Yläraja 2σ (%)"), percent, exact},
};
inline constexpr Column hits[] = {
    {"hits", QT_TRANSLATE_NOOP("Zarno", "Oikein"), whole, key},
    {"rows", QT_TRANSLATE_NOOP("Zarno", "Kpl"), whole, observed},
    {"share", QT_TRANSLATE_NOOP("Zarno", "Osuus (%)"), hitShare, observed},
    {"expected_share", QT_TRANSLATE_NOOP("Zarno", "Odotettu (%)"), hitShare, exact},
    {"deviation", QT_TRANSLATE_NOOP("Zarno", "Poikkeama (σ)"), number, observed},
};
inline constexpr Column players[] = {
    {"session_rows", QT_TRANSLATE_NOOP("Zarno", "Rivejä pelaajalla"), whole, key},
    {"players", QT_TRANSLATE_NOOP("Zarno", "Pelaajia"), rows, observed},
    {"ahead", QT_TRANSLATE_NOOP("Zarno", "Voitolla (%)"), significantPercent, observed},
    {"ahead_exact", QT_TRANSLATE_NOOP("Zarno", "Voitolla tarkka (%)"), significantPercent, exact},
    {"median", QT_TRANSLATE_NOOP("Zarno", "Mediaani (€)"), whole, observed},
    {"median_exact", QT_TRANSLATE_NOOP("Zarno", "Mediaani tarkka (€)"), whole, exact},
    {"expected_result", QT_TRANSLATE_NOOP("Zarno", "Odotettu tulos (€)"), number, exact},
    {"p5_exact", QT_TRANSLATE_NOOP("Zarno", "5 % tarkka (€)"), whole, exact},
    {"p95_exact", QT_TRANSLATE_NOOP("Zarno", "95 % tarkka (€)"), whole, exact},
};
inline constexpr Column jackpots[] = {
    {"row", QT_TRANSLATE_NOOP("Zarno", "Rivi"), rows, key},
    {"drawn", QT_TRANSLATE_NOOP("Zarno", "Arvotut numerot"), numbers, observed},
};
inline constexpr Column budget[] = {
    {"rows", QT_TRANSLATE_NOOP("Zarno", "Rivejä"), rows, key},
    {"gone_exact", QT_TRANSLATE_NOOP("Zarno", "Rahat loppu tarkka (%)"), significantPercent, exact},
    {"gone", QT_TRANSLATE_NOOP("Zarno", "Rahat loppu (%)"), significantPercent, observed},
    {"players", QT_TRANSLATE_NOOP("Zarno", "Pelaajia"), rows, observed},
};
inline constexpr Column budgetSummary[] = {
    {"median_rows_exact", QT_TRANSLATE_NOOP("Zarno", "Mediaani rivejä loppuun"), rows, exact},
    {"doubles_exact", QT_TRANSLATE_NOOP("Zarno", "Tuplaa ennen loppua tarkka (%)"),
     significantPercent, exact},
    {"doubles", QT_TRANSLATE_NOOP("Zarno", "Tuplaa ennen loppua (%)"), significantPercent,
     observed},
};
inline constexpr Column levels[] = {
    {"level", QT_TRANSLATE_NOOP("Zarno", "Taso"), whole, key},
    {"payout", QT_TRANSLATE_NOOP("Zarno", "Palautus (%)"), significantPercent, exact},
    {"kept", QT_TRANSLATE_NOOP("Zarno", "Peli pitää (%)"), significantPercent, exact},
    {"sd", QT_TRANSLATE_NOOP("Zarno", "Keskihajonta (€)"), significant, exact},
    {"rows_to_settle", QT_TRANSLATE_NOOP("Zarno", "Rivejä ±0,5 %-yks."), rows, exact},
    {"ahead_52", QT_TRANSLATE_NOOP("Zarno", "Voitolla 52 (%)"), significantPercent, exact},
    {"median_52", QT_TRANSLATE_NOOP("Zarno", "Mediaani 52 (€)"), whole, exact},
    {"ahead_520", QT_TRANSLATE_NOOP("Zarno", "Voitolla 520 (%)"), significantPercent, exact},
    {"median_520", QT_TRANSLATE_NOOP("Zarno", "Mediaani 520 (€)"), whole, exact},
    {"top_prize", QT_TRANSLATE_NOOP("Zarno", "Päävoitto (€)"), rows, exact},
    {"top_prize_one_in", QT_TRANSLATE_NOOP("Zarno", "Päävoitto 1:"), roundRows, exact},
    {"top_prize_years_weekly", QT_TRANSLATE_NOOP("Zarno", "Vuosia, rivi viikossa"), significant,
     exact},
    {"wins_something", QT_TRANSLATE_NOOP("Zarno", "Voitti jotain (%)"), significantPercent, exact},
    {"stake_back", QT_TRANSLATE_NOOP("Zarno", "Vain panos takaisin (%)"), significantPercent,
     exact},
    {"more_than_stake", QT_TRANSLATE_NOOP("Zarno", "Enemmän kuin panos (%)"), significantPercent,
     exact},
};
inline constexpr Column exactHits[] = {
    {"level", QT_TRANSLATE_NOOP("Zarno", "Taso"), whole, key},
    {"hits", QT_TRANSLATE_NOOP("Zarno", "Oikein"), whole, key},
    {"chance", QT_TRANSLATE_NOOP("Zarno", "Odotettu (%)"), hitShare, exact},
    {"prize", QT_TRANSLATE_NOOP("Zarno", "Voitto (€)"), whole, exact},
};
inline constexpr Column exactPlayers[] = {
    {"level", QT_TRANSLATE_NOOP("Zarno", "Taso"), whole, key},
    {"session_rows", QT_TRANSLATE_NOOP("Zarno", "Rivejä pelaajalla"), whole, key},
    {"ahead", QT_TRANSLATE_NOOP("Zarno", "Voitolla tarkka (%)"), significantPercent, exact},
    {"median", QT_TRANSLATE_NOOP("Zarno", "Mediaani tarkka (€)"), whole, exact},
    {"expected_result", QT_TRANSLATE_NOOP("Zarno", "Odotettu tulos (€)"), number, exact},
    {"p5", QT_TRANSLATE_NOOP("Zarno", "5 % tarkka (€)"), whole, exact},
    {"p95", QT_TRANSLATE_NOOP("Zarno", "95 % tarkka (€)"), whole, exact},
};
inline constexpr Column exactBudget[] = {
    {"level", QT_TRANSLATE_NOOP("Zarno", "Taso"), whole, key},
    {"budget", QT_TRANSLATE_NOOP("Zarno", "Budjetti (€)"), rows, key},
    {"rows", QT_TRANSLATE_NOOP("Zarno", "Rivejä"), rows, key},
    {"gone", QT_TRANSLATE_NOOP("Zarno", "Rahat loppu tarkka (%)"), significantPercent, exact},
    {"median_rows", QT_TRANSLATE_NOOP("Zarno", "Mediaani rivejä loppuun"), rows, exact},
    {"doubles", QT_TRANSLATE_NOOP("Zarno", "Tuplaa ennen loppua tarkka (%)"), significantPercent,
     exact},
};

// A class's saved lessons: a line a pupil, the guesses beside what happened and the exact figures;
// and what they come to together.
inline constexpr Column lessonPupils[] = {
    {"file", QT_TRANSLATE_NOOP("Zarno", "Oppilas"), text, key},
    {"ahead_guess", QT_TRANSLATE_NOOP("Zarno", "Voitolla: arvaus"), whole, observed},
    {"ahead_happened", QT_TRANSLATE_NOOP("Zarno", "Voitolla: toteutui"), whole, observed},
    {"ahead_exact", QT_TRANSLATE_NOOP("Zarno", "Voitolla: tarkka"), number, exact},
    {"payout_guess", QT_TRANSLATE_NOOP("Zarno", "Palautus: arvaus (%)"), percent, observed},
    {"payout_happened", QT_TRANSLATE_NOOP("Zarno", "Palautus: toteutui (%)"), percent, observed},
    {"payout_exact", QT_TRANSLATE_NOOP("Zarno", "Palautus: tarkka (%)"), percent, exact},
    {"median_guess", QT_TRANSLATE_NOOP("Zarno", "Mediaani: arvaus (€)"), whole, observed},
    {"median_happened", QT_TRANSLATE_NOOP("Zarno", "Mediaani: toteutui (€)"), whole, observed},
    {"median_exact", QT_TRANSLATE_NOOP("Zarno", "Mediaani: tarkka (€)"), whole, exact},
};
inline constexpr Column lessonSummary[] = {
    {"pupils", QT_TRANSLATE_NOOP("Zarno", "Oppilaita"), whole, key},
    {"ahead_overestimated", QT_TRANSLATE_NOOP("Zarno", "Yliarvioi voitolla olevat"), whole,
     observed},
    {"payout_overestimated", QT_TRANSLATE_NOOP("Zarno", "Yliarvioi palautuksen"), whole, observed},
    {"ahead_guess_mean", QT_TRANSLATE_NOOP("Zarno", "Voitolla: arvaus keskimäärin"), number,
     observed},
    {"ahead_exact_mean", QT_TRANSLATE_NOOP("Zarno", "Voitolla: tarkka keskimäärin"), number, exact},
    {"payout_guess_mean", QT_TRANSLATE_NOOP("Zarno", "Palautus: arvaus keskimäärin (%)"), percent,
     observed},
    {"payout_exact_mean", QT_TRANSLATE_NOOP("Zarno", "Palautus: tarkka keskimäärin (%)"), percent,
     exact},
    {"median_guess_mean", QT_TRANSLATE_NOOP("Zarno", "Mediaani: arvaus keskimäärin (€)"), number,
     observed},
    {"median_exact_mean", QT_TRANSLATE_NOOP("Zarno", "Mediaani: tarkka keskimäärin (€)"), number,
     exact},
};

}  // namespace columns

// The tables of a run: observed beside exact.
inline constexpr TableKind payoutTable{"payout", columns::payout};
inline constexpr TableKind hitsTable{"hits", columns::hits};
inline constexpr TableKind playersTable{"players", columns::players};
inline constexpr TableKind jackpotsTable{"jackpots", columns::jackpots};
inline constexpr TableKind budgetTable{"budget", columns::budget};
inline constexpr TableKind budgetSummaryTable{"budget_summary", columns::budgetSummary};
// The exact tables, without a row drawn: the levels side by side, and each level's hit counts,
// players and budget.
inline constexpr TableKind levelsTable{"levels", columns::levels};
inline constexpr TableKind exactHitsTable{"hits", columns::exactHits};
inline constexpr TableKind exactPlayersTable{"players", columns::exactPlayers};
inline constexpr TableKind exactBudgetTable{"budget", columns::exactBudget};
// A class's lessons.
inline constexpr TableKind lessonPupilsTable{"pupils", columns::lessonPupils};
inline constexpr TableKind lessonSummaryTable{"summary", columns::lessonSummary};

// The tables of the command line's CSV of a run, of the exact figures and of a class's lessons,
// the first of each its default; and every table there is.
inline constexpr std::array<const TableKind*, 5> runCsvTables = {
    &payoutTable, &hitsTable, &playersTable, &budgetTable, &jackpotsTable};
inline constexpr std::array<const TableKind*, 4> exactTables = {
    &levelsTable, &exactHitsTable, &exactPlayersTable, &exactBudgetTable};
inline constexpr std::array<const TableKind*, 2> lessonsTables = {&lessonPupilsTable,
                                                                  &lessonSummaryTable};
inline constexpr std::array<const TableKind*, 12> all = {
    &payoutTable,        &hitsTable,        &playersTable,      &budgetTable,
    &budgetSummaryTable, &jackpotsTable,    &levelsTable,       &exactHitsTable,
    &exactPlayersTable,  &exactBudgetTable, &lessonPupilsTable, &lessonSummaryTable};

}  // namespace zarno::tables
