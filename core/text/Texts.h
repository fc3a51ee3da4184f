#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "core/engine/Lottery.h"
#include "core/tables/Tables.h"
#include "core/tables/Translatable.h"

// Every text the program shows, in Finnish, in one place, but for the tables' headers, which stand
// beside their columns in core/tables/Tables.h. UTF-8.
namespace zarno::texts {

inline constexpr std::string_view title = "Zarno";

// Messages.
inline constexpr std::string_view numbersMissing =
    QT_TRANSLATE_NOOP("Zarno", "Anna kaikki numerot.");
inline constexpr std::string_view rowLimitReached =
    QT_TRANSLATE_NOOP("Zarno", "Arvonta lopetettu (alkaa jo riittämään)");
inline constexpr std::string_view jackpot = QT_TRANSLATE_NOOP("Zarno", "Iso potti, 10/10 oikein!");
// Under the jackpot's message: ticked, the series' later jackpots do not stop the drawing.
inline constexpr std::string_view keepDrawing =
    QT_TRANSLATE_NOOP("Zarno", "Älä pysäytä arvontaa seuraavista");
// The jackpots' table in the chart window and the command line's text.
inline constexpr std::string_view jackpotsHeading = QT_TRANSLATE_NOOP("Zarno", "Päävoitot");
// %1 stands for the number.
inline constexpr std::string_view numberRepeated =
    QT_TRANSLATE_NOOP("Zarno", "Numero %1 on valittu kahdesti.");

// Controls, as created.
inline constexpr std::string_view fastMode = QT_TRANSLATE_NOOP("Zarno", "Vauhtia");
inline constexpr std::string_view quit = QT_TRANSLATE_NOOP("Zarno", "Lopeta");
inline constexpr std::string_view levelHeading = QT_TRANSLATE_NOOP("Zarno", "Taso");
inline constexpr std::string_view rowsDrawn =
    QT_TRANSLATE_NOOP("Zarno", "Rivejä arvottu/rahaa mennyt (kpl/€) : ");
inline constexpr std::string_view numbersHeading = QT_TRANSLATE_NOOP("Zarno", "Numerot");
inline constexpr std::string_view start = QT_TRANSLATE_NOOP("Zarno", "Arvontaa");
inline constexpr std::string_view startOver = QT_TRANSLATE_NOOP("Zarno", "Aloita alusta");
inline constexpr std::string_view pause = QT_TRANSLATE_NOOP("Zarno", "Tauko");
inline constexpr std::string_view resume = QT_TRANSLATE_NOOP("Zarno", "Jatka arvontaa");
inline constexpr std::string_view frame = "Zarno ";  // followed by the level
inline constexpr std::string_view winningsHeading = QT_TRANSLATE_NOOP("Zarno", "Voitot: ");

// The result labels: the label of k hits reads hitsLabel[k], and from its first refresh on
// hitsLabel[k], a blank and the count; the winnings label likewise starts with winnings.
inline constexpr std::array<std::string_view, maxLevel + 1> hitsLabel = {
    QT_TRANSLATE_NOOP("Zarno", "0 oikein (kpl):"),  QT_TRANSLATE_NOOP("Zarno", "1 oikein (kpl):"),
    QT_TRANSLATE_NOOP("Zarno", "2 oikein (kpl):"),  QT_TRANSLATE_NOOP("Zarno", "3 oikein (kpl):"),
    QT_TRANSLATE_NOOP("Zarno", "4 oikein (kpl):"),  QT_TRANSLATE_NOOP("Zarno", "5 oikein (kpl):"),
    QT_TRANSLATE_NOOP("Zarno", "6 oikein (kpl):"),  QT_TRANSLATE_NOOP("Zarno", "7 oikein (kpl):"),
    QT_TRANSLATE_NOOP("Zarno", "8 oikein (kpl):"),  QT_TRANSLATE_NOOP("Zarno", "9 oikein (kpl):"),
    QT_TRANSLATE_NOOP("Zarno", "10 oikein (kpl):"),
};
inline constexpr std::string_view winnings = QT_TRANSLATE_NOOP("Zarno", "Voitot (€): ");

// Tooltips of the result labels: what the odds lead one to expect. A winnings label's second
// line reads deviation, the rows, deviationRows, the deviation and deviationUnit.
inline constexpr std::string_view expectedShare = QT_TRANSLATE_NOOP("Zarno", "Odotettu osuus: ");
inline constexpr std::string_view expectedReturn =
    QT_TRANSLATE_NOOP("Zarno", "Odotettu palautus: ");
inline constexpr std::string_view deviation = QT_TRANSLATE_NOOP("Zarno", "Keskihajonta ");
inline constexpr std::string_view deviationRows = QT_TRANSLATE_NOOP("Zarno", " rivillä: ±");
inline constexpr std::string_view deviationUnit = QT_TRANSLATE_NOOP("Zarno", " %-yks.");

// The chart window.
inline constexpr std::string_view chartButton = QT_TRANSLATE_NOOP("Zarno", "Kaavio");
inline constexpr std::string_view chartTitle = QT_TRANSLATE_NOOP("Zarno", "Zarno – kaavio");
inline constexpr std::string_view payoutTab = QT_TRANSLATE_NOOP("Zarno", "Palautus");
inline constexpr std::string_view hitsTab = QT_TRANSLATE_NOOP("Zarno", "Osumat");
inline constexpr std::string_view playersTab = QT_TRANSLATE_NOOP("Zarno", "Pelaajat");
inline constexpr std::string_view levelsTab = QT_TRANSLATE_NOOP("Zarno", "Tasot");
inline constexpr std::string_view budgetTab = QT_TRANSLATE_NOOP("Zarno", "Kassa");
inline constexpr std::string_view budgetLabel = QT_TRANSLATE_NOOP("Zarno", "Budjetti (€): ");
inline constexpr std::string_view goneAxis = QT_TRANSLATE_NOOP("Zarno", "Rahat loppu (%)");
// The budget's players start from the row the budget was set at, when that came during a run.
inline constexpr std::string_view budgetFrom =
    QT_TRANSLATE_NOOP("Zarno", "Havaitut pelaajat alkavat riviltä %1.");
// A budget that lasts beyond its players' longest play: %1 is that many rows.
inline constexpr std::string_view beyondRows = QT_TRANSLATE_NOOP("Zarno", "yli %1");
// The loss as people read it best: what the game keeps, exactly, and in the run once it has rows.
inline constexpr std::string_view keptLine =
    QT_TRANSLATE_NOOP("Zarno", "Peli pitää %1 % panoksista");
inline constexpr std::string_view keptObservedLine =
    QT_TRANSLATE_NOOP("Zarno", "Peli pitää %1 % panoksista; tässä ajossa %2 %");
inline constexpr std::string_view levelsColumn = QT_TRANSLATE_NOOP("Zarno", "Kaaviossa: ");
inline constexpr std::string_view copy = QT_TRANSLATE_NOOP("Zarno", "Kopioi");
inline constexpr std::string_view saveImage = QT_TRANSLATE_NOOP("Zarno", "Tallenna kuva…");
inline constexpr std::string_view about = QT_TRANSLATE_NOOP("Zarno", "Tietoja");
inline constexpr std::string_view aboutQt = QT_TRANSLATE_NOOP("Zarno", "Tietoja Qt:sta");
inline constexpr std::string_view imageFiles = QT_TRANSLATE_NOOP("Zarno", "PNG-kuvat (*.png)");
// The system's reason follows on a line of its own.
inline constexpr std::string_view imageNotSaved =
    QT_TRANSLATE_NOOP("Zarno", "Kuvan tallennus ei onnistunut.");
inline constexpr std::string_view lawsUnavailable =
    QT_TRANSLATE_NOOP("Zarno", "Tarkat luvut eivät ole nyt saatavilla.");
inline constexpr std::string_view playerRows = QT_TRANSLATE_NOOP("Zarno", "Pelaajan rivit: ");
// The charts' axes and legends.
inline constexpr std::string_view rowsAxis = QT_TRANSLATE_NOOP("Zarno", "Rivejä");
inline constexpr std::string_view payoutAxis = QT_TRANSLATE_NOOP("Zarno", "Palautus (%)");
inline constexpr std::string_view shareAxis = QT_TRANSLATE_NOOP("Zarno", "Osuus (%)");
inline constexpr std::string_view hitsAxis = QT_TRANSLATE_NOOP("Zarno", "Oikein");
inline constexpr std::string_view netAxis = QT_TRANSLATE_NOOP("Zarno", "Tulos (€)");
inline constexpr std::string_view playersAxis = QT_TRANSLATE_NOOP("Zarno", "Pelaajia (%)");
inline constexpr std::string_view observed = QT_TRANSLATE_NOOP("Zarno", "Havaittu");
inline constexpr std::string_view expected = QT_TRANSLATE_NOOP("Zarno", "Odotettu");
inline constexpr std::string_view band2 = QT_TRANSLATE_NOOP("Zarno", "±2σ");
inline constexpr std::string_view band3 = QT_TRANSLATE_NOOP("Zarno", "±3σ");
inline constexpr std::string_view stray = QT_TRANSLATE_NOOP("Zarno", "yli 2σ");
inline constexpr std::string_view ahead = QT_TRANSLATE_NOOP("Zarno", "voitolla");
inline constexpr std::string_view playerRowsAxis = QT_TRANSLATE_NOOP("Zarno", "Pelattuja rivejä");
inline constexpr std::string_view crowd90 = QT_TRANSLATE_NOOP("Zarno", "5–95 % pelaajista");
inline constexpr std::string_view crowd50 = QT_TRANSLATE_NOOP("Zarno", "25–75 % pelaajista");
inline constexpr std::string_view crowdMedian = QT_TRANSLATE_NOOP("Zarno", "Mediaani");
inline constexpr std::string_view crowdPaths =
    QT_TRANSLATE_NOOP("Zarno", "Ensimmäiset 20 pelaajaa");
// The lesson: guess first, live the years among a thousand players, then see the truth.
inline constexpr std::string_view lessonButton = QT_TRANSLATE_NOOP("Zarno", "Oppitunti");
inline constexpr std::string_view lessonTitle = QT_TRANSLATE_NOOP("Zarno", "Zarno – oppitunti");
inline constexpr std::string_view lessonPlayStep = QT_TRANSLATE_NOOP("Zarno", "Miten pelaat?");
inline constexpr std::string_view lessonGuessStep = QT_TRANSLATE_NOOP("Zarno", "Arvaa ensin");
inline constexpr std::string_view lessonLiveStep = QT_TRANSLATE_NOOP("Zarno", "Elä se");
inline constexpr std::string_view lessonTruthStep = QT_TRANSLATE_NOOP("Zarno", "Totuus");
inline constexpr std::string_view previousStep = QT_TRANSLATE_NOOP("Zarno", "Edellinen");
inline constexpr std::string_view nextStep = QT_TRANSLATE_NOOP("Zarno", "Seuraava");
inline constexpr std::string_view rowsPerWeek = QT_TRANSLATE_NOOP("Zarno", "Rivejä viikossa");
inline constexpr std::string_view yearsPlayed = QT_TRANSLATE_NOOP("Zarno", "Vuosia");
// %1 rows, and as many euros, %2.
inline constexpr std::string_view lessonStake = QT_TRANSLATE_NOOP("Zarno", "%1 riviä, %2 €");
// The numbers every player plays: the main window's, or, where they make no ticket, the lesson's.
inline constexpr std::string_view lessonNumbers = QT_TRANSLATE_NOOP("Zarno", "Numerot: %1");
inline constexpr std::string_view lessonPickedNumbers =
    QT_TRANSLATE_NOOP("Zarno", "Numerot (oppitunti valitsi ne): %1");
inline constexpr std::string_view guessIntro = QT_TRANSLATE_NOOP(
    "Zarno", "Arvaa, ennen kuin pelaat: tuhat pelaajaa pelaa näin, kukin omilla riveillään.");
inline constexpr std::string_view guessAhead =
    QT_TRANSLATE_NOOP("Zarno", "Voitolla 1000 pelaajasta");
inline constexpr std::string_view guessPayout = QT_TRANSLATE_NOOP("Zarno", "Palautus (%)");
inline constexpr std::string_view guessMedian =
    QT_TRANSLATE_NOOP("Zarno", "Keskimmäinen pelaaja (€)");
inline constexpr std::string_view playYears = QT_TRANSLATE_NOOP("Zarno", "Pelaa vuodet");
inline constexpr std::string_view showAtOnce = QT_TRANSLATE_NOOP("Zarno", "Näytä heti");
inline constexpr std::string_view playAgain = QT_TRANSLATE_NOOP("Zarno", "Pelaa uudestaan");
inline constexpr std::string_view lessonSeed = QT_TRANSLATE_NOOP("Zarno", "Siemen: %1");
// %1 the year shown, %2 the years in all.
inline constexpr std::string_view lessonYear = QT_TRANSLATE_NOOP("Zarno", "Vuosi %1/%2");
inline constexpr std::string_view you = QT_TRANSLATE_NOOP("Zarno", "Sinä");
inline constexpr std::string_view standingAhead = QT_TRANSLATE_NOOP("Zarno", "voitolla");
inline constexpr std::string_view standingBehind =
    QT_TRANSLATE_NOOP("Zarno", "tappiolla alle puolet maksamastaan");
inline constexpr std::string_view standingFarBehind =
    QT_TRANSLATE_NOOP("Zarno", "tappiolla yli puolet maksamastaan");
// What a screen reader reads of the thousand figures: %1 players of 1000 ahead.
inline constexpr std::string_view playersAhead =
    QT_TRANSLATE_NOOP("Zarno", "%1 pelaajaa 1000:sta voitolla");
inline constexpr std::string_view truthAhead = QT_TRANSLATE_NOOP("Zarno", "Voitolla (1000:sta)");
inline constexpr std::string_view yourGuess = QT_TRANSLATE_NOOP("Zarno", "Arvauksesi");
inline constexpr std::string_view happenedColumn = QT_TRANSLATE_NOOP("Zarno", "Toteutui");
inline constexpr std::string_view exactColumn = QT_TRANSLATE_NOOP("Zarno", "Tarkka");
inline constexpr std::string_view rowsTable = QT_TRANSLATE_NOOP("Zarno", "Rivit");
inline constexpr std::string_view allPlayers = QT_TRANSLATE_NOOP("Zarno", "Kaikki pelaajat");
inline constexpr std::string_view saveAnswers = QT_TRANSLATE_NOOP("Zarno", "Tallenna vastaukset…");
inline constexpr std::string_view lessonFiles =
    QT_TRANSLATE_NOOP("Zarno", "Zarnon oppitunnit (*.json)");
inline constexpr std::string_view answersNotSaved =
    QT_TRANSLATE_NOOP("Zarno", "Vastausten tallennus ei onnistunut.");
inline constexpr std::string_view notALesson =
    QT_TRANSLATE_NOOP("Zarno", "Tiedosto ei ole Zarnon oppitunti.");

// The about box: the version follows the first line.
inline constexpr std::string_view aboutVersion = QT_TRANSLATE_NOOP("Zarno", "Zarno, versio ");
inline constexpr std::string_view aboutText = QT_TRANSLATE_NOOP(
    "Zarno",
    "Näyttää, miten 20/70-numeroarvonta maksaa voittoja pitkän päälle.\n\n"
    "Copyright © 2026 The Zarno developers\n\n"
    "Zarno on vapaa ohjelma: sitä saa levittää ja muuttaa GNU General Public Licensen "
    "(GPL) version 3 tai (valintasi mukaan) minkä tahansa myöhemmän version ehdoin.\n\n"
    "Ohjelmalla ei ole MITÄÄN TAKUUTA, ei edes takuuta kaupallisesta kelpoisuudesta tai "
    "soveltuvuudesta tiettyyn tarkoitukseen. Katso lisenssi: "
    "https://www.gnu.org/licenses/gpl-3.0.html");

// Saved runs and reports, from the chart window. %1 stands for a number or a name.
inline constexpr std::string_view saveRun = QT_TRANSLATE_NOOP("Zarno", "Tallenna ajo…");
inline constexpr std::string_view openRun = QT_TRANSLATE_NOOP("Zarno", "Avaa ajo…");
inline constexpr std::string_view saveReport = QT_TRANSLATE_NOOP("Zarno", "Tallenna raportti…");
inline constexpr std::string_view print = QT_TRANSLATE_NOOP("Zarno", "Tulosta…");
inline constexpr std::string_view runFiles = QT_TRANSLATE_NOOP("Zarno", "Zarnon ajot (*.json)");
inline constexpr std::string_view reportFiles = QT_TRANSLATE_NOOP("Zarno", "PDF-tiedostot (*.pdf)");
inline constexpr std::string_view runNotSaved =
    QT_TRANSLATE_NOOP("Zarno", "Ajon tallennus ei onnistunut.");
inline constexpr std::string_view reportNotSaved =
    QT_TRANSLATE_NOOP("Zarno", "Raportin tallennus ei onnistunut.");
inline constexpr std::string_view runNotOpened = QT_TRANSLATE_NOOP("Zarno", "Ajoa ei voitu avata.");
inline constexpr std::string_view notJson =
    QT_TRANSLATE_NOOP("Zarno", "Tiedosto ei ole JSON-muotoa, tai se on katkennut.");
inline constexpr std::string_view notARun =
    QT_TRANSLATE_NOOP("Zarno", "Tiedosto ei ole Zarnon ajo.");
inline constexpr std::string_view newerRun = QT_TRANSLATE_NOOP(
    "Zarno", "Ajo on Zarnon uudemmasta versiosta (muoto %1); tämä versio lukee muodon %2.");
inline constexpr std::string_view damagedRun =
    QT_TRANSLATE_NOOP("Zarno", "Ajo on vahingoittunut: kenttä %1 puuttuu tai ei täsmää.");
// The head of a report, and of the command line's text.
inline constexpr std::string_view playLine = QT_TRANSLATE_NOOP("Zarno", "Taso %1, numerot %2");
inline constexpr std::string_view rowsLine = QT_TRANSLATE_NOOP("Zarno", "Rivejä: %1");
inline constexpr std::string_view dateLine = QT_TRANSLATE_NOOP("Zarno", "Päivä: %1");
inline constexpr std::string_view repeatable =
    QT_TRANSLATE_NOOP("Zarno", "Ajon voi toistaa: siemen %1.");
inline constexpr std::string_view notRepeatable = QT_TRANSLATE_NOOP(
    "Zarno",
    "Ajoa ei voi toistaa: rivit sekoittavat kellonaikaa. Siemen (--seed) tekee ajosta "
    "toistettavan.");
inline constexpr std::string_view interruptedLine =
    QT_TRANSLATE_NOOP("Zarno", "Keskeytetty: luvut ovat arvottujen rivien.");
inline constexpr std::string_view exactHeading =
    QT_TRANSLATE_NOOP("Zarno", "Tarkat luvut, taso %1");
inline constexpr std::string_view exactLine =
    QT_TRANSLATE_NOOP("Zarno", "Palautus %1 %, keskihajonta %2 €, rivejä ±0,5 %-yksikköön %3");
// The command line: its options, the one line that refuses one, and the progress.
inline constexpr std::string_view cliAbout = QT_TRANSLATE_NOOP(
    "Zarno", "Arpoo 20/70-numeroarvonnan rivejä ilman ikkunaa ja tulostaa kaavion taulukot.");
inline constexpr std::string_view optLevel =
    QT_TRANSLATE_NOOP("Zarno", "taso 2–10, tai all yhdessä --exact-valitsimen kanssa");
inline constexpr std::string_view optNumbers =
    QT_TRANSLATE_NOOP("Zarno", "pelatut numerot pilkuin eroteltuina, yhtä monta kuin taso");
inline constexpr std::string_view optRows =
    QT_TRANSLATE_NOOP("Zarno", "arvottavien rivien määrä, esimerkiksi 1e9");
inline constexpr std::string_view optSeed =
    QT_TRANSLATE_NOOP("Zarno", "siemen, jolla saman ajon saa uudestaan tavu tavulta");
inline constexpr std::string_view optThreads = QT_TRANSLATE_NOOP(
    "Zarno", "työsäikeiden määrä (oletus: yksi jokaiselle käytettävissä olevalle suorittimelle)");
inline constexpr std::string_view optFormat =
    QT_TRANSLATE_NOOP("Zarno", "tulosteen muoto: text, csv tai json");
inline constexpr std::string_view optTable = QT_TRANSLATE_NOOP(
    "Zarno",
    "CSV:n taulukko: payout, hits, players, budget tai jackpots; --exact-valitsimen kanssa levels, "
    "hits, players tai budget");
inline constexpr std::string_view optBudget =
    QT_TRANSLATE_NOOP("Zarno", "budjetti euroina Kassa-taulukolle, 1–100000 (oletus: 100)");
inline constexpr std::string_view errBudget =
    QT_TRANSLATE_NOOP("Zarno", "--budget ottaa euromäärän 1–%1.");
inline constexpr std::string_view optOutput =
    QT_TRANSLATE_NOOP("Zarno", "tiedosto, johon tuloste kirjoitetaan (oletus: vakiotuloste)");
inline constexpr std::string_view optExact =
    QT_TRANSLATE_NOOP("Zarno", "vain tarkat luvut, arpomatta");
inline constexpr std::string_view optQuiet =
    QT_TRANSLATE_NOOP("Zarno", "ei edistymistä vakiovirheeseen");
inline constexpr std::string_view errLevel = QT_TRANSLATE_NOOP(
    "Zarno", "--level ottaa tason 2–10, tai all yhdessä --exact-valitsimen kanssa.");
inline constexpr std::string_view errNumbers =
    QT_TRANSLATE_NOOP("Zarno", "--numbers ottaa %1 eri numeroa väliltä 1–70 pilkuin eroteltuina.");
inline constexpr std::string_view errRows =
    QT_TRANSLATE_NOOP("Zarno", "--rows ottaa positiivisen kokonaisluvun, enintään %1.");
inline constexpr std::string_view errFormat =
    QT_TRANSLATE_NOOP("Zarno", "--format ottaa arvon text, csv tai json.");
inline constexpr std::string_view errTable =
    QT_TRANSLATE_NOOP("Zarno", "--table ottaa yhden näistä: %1.");
inline constexpr std::string_view errSeed =
    QT_TRANSLATE_NOOP("Zarno", "--seed ottaa kokonaisluvun 0–18446744073709551615.");
inline constexpr std::string_view errThreads =
    QT_TRANSLATE_NOOP("Zarno", "--threads ottaa säikeiden määrän 1–%1.");
inline constexpr std::string_view errOutput =
    QT_TRANSLATE_NOOP("Zarno", "Tiedostoa %1 ei voitu kirjoittaa: %2");
inline constexpr std::string_view optFrom =
    QT_TRANSLATE_NOOP("Zarno", "tallennettu ajo (JSON), joka kirjoitetaan arpomatta");
inline constexpr std::string_view optHelp = QT_TRANSLATE_NOOP("Zarno", "näyttää tämän ohjeen");
inline constexpr std::string_view optVersion =
    QT_TRANSLATE_NOOP("Zarno", "näyttää ohjelman version");
// The help's headings: "Käyttö: zarno-cli [VALITSIMET]", the options under "Valitsimet", and
// what an option takes.
inline constexpr std::string_view helpUsage = QT_TRANSLATE_NOOP("Zarno", "Käyttö");
inline constexpr std::string_view helpOptions = QT_TRANSLATE_NOOP("Zarno", "Valitsimet");
inline constexpr std::string_view helpOptionsShort = QT_TRANSLATE_NOOP("Zarno", "VALITSIMET");
inline constexpr std::string_view helpValue = QT_TRANSLATE_NOOP("Zarno", "ARVO");
// %1 stands for an argument or an option as given.
inline constexpr std::string_view errUnknown =
    QT_TRANSLATE_NOOP("Zarno", "Tuntematon valitsin %1.");
inline constexpr std::string_view errExtra =
    QT_TRANSLATE_NOOP("Zarno", "Ylimääräinen argumentti %1.");
inline constexpr std::string_view errTwice =
    QT_TRANSLATE_NOOP("Zarno", "Valitsin %1 on annettu kahdesti.");
inline constexpr std::string_view errOutputName =
    QT_TRANSLATE_NOOP("Zarno", "--output ottaa tiedoston nimen.");
inline constexpr std::string_view errFromName =
    QT_TRANSLATE_NOOP("Zarno", "--from ottaa tallennetun ajon tiedoston.");
// %1 is --from or --lessons, %2 the option that does not go with it.
inline constexpr std::string_view errFromAlone =
    QT_TRANSLATE_NOOP("Zarno", "%1 ei käy yhdessä valitsimen %2 kanssa.");
// %1 is the file, %2 what is wrong with it.
inline constexpr std::string_view errFromRead =
    QT_TRANSLATE_NOOP("Zarno", "--from: ajoa %1 ei voitu avata: %2");
// %1 is the system's reason.
inline constexpr std::string_view errStandardOutput =
    QT_TRANSLATE_NOOP("Zarno", "Tulostetta ei voitu kirjoittaa: %1");
// A seeded run that Ctrl+C cut short: %1 is its seed, %2 the rows drawn.
inline constexpr std::string_view interruptedRepeatable = QT_TRANSLATE_NOOP(
    "Zarno",
    "Ajo keskeytettiin, joten se ei toistu sellaisenaan; siemen %1 ja --rows %2 antavat samat "
    "rivit.");
inline constexpr std::string_view exactInterrupted =
    QT_TRANSLATE_NOOP("Zarno", "Keskeytetty: tyhjiksi jääneitä tarkkoja lukuja ei ehditty laskea.");
inline constexpr std::string_view optLessons = QT_TRANSLATE_NOOP(
    "Zarno", "luokan tallennetut oppitunnit, oppilas riville ja yhteenveto (text tai csv)");
inline constexpr std::string_view errLessons =
    QT_TRANSLATE_NOOP("Zarno", "--lessons ottaa yhden tai useamman tallennetun oppitunnin.");
inline constexpr std::string_view errLessonsFormat =
    QT_TRANSLATE_NOOP("Zarno", "--lessons kirjoittaa tekstinä tai CSV:nä (--format text tai csv).");
// %1 is the file, %2 what is wrong with it.
inline constexpr std::string_view errLessonRead =
    QT_TRANSLATE_NOOP("Zarno", "--lessons: oppituntia %1 ei voitu lukea: %2");
inline constexpr std::string_view pupilsHeading = QT_TRANSLATE_NOOP("Zarno", "Oppilaat");
inline constexpr std::string_view summaryHeading = QT_TRANSLATE_NOOP("Zarno", "Yhteenveto");
inline constexpr std::string_view progressRows = QT_TRANSLATE_NOOP("Zarno", "riviä");
inline constexpr std::string_view progressSpeed = QT_TRANSLATE_NOOP("Zarno", "riviä/s");
inline constexpr std::string_view progressLeft = QT_TRANSLATE_NOOP("Zarno", "jäljellä");

// Every text above that a translation gives, and every table's headers: a translation that lacks
// one of them is incomplete.
inline constexpr auto all = [] {
    constexpr std::string_view single[] = {numbersMissing,
                                           rowLimitReached,
                                           jackpot,
                                           keepDrawing,
                                           jackpotsHeading,
                                           numberRepeated,
                                           fastMode,
                                           quit,
                                           levelHeading,
                                           rowsDrawn,
                                           numbersHeading,
                                           start,
                                           startOver,
                                           pause,
                                           resume,
                                           winningsHeading,
                                           winnings,
                                           expectedShare,
                                           expectedReturn,
                                           deviation,
                                           deviationRows,
                                           deviationUnit,
                                           chartButton,
                                           chartTitle,
                                           payoutTab,
                                           hitsTab,
                                           playersTab,
                                           levelsTab,
                                           budgetTab,
                                           budgetLabel,
                                           goneAxis,
                                           budgetFrom,
                                           beyondRows,
                                           keptLine,
                                           keptObservedLine,
                                           levelsColumn,
                                           copy,
                                           saveImage,
                                           about,
                                           aboutQt,
                                           imageFiles,
                                           imageNotSaved,
                                           lawsUnavailable,
                                           playerRows,
                                           rowsAxis,
                                           payoutAxis,
                                           shareAxis,
                                           hitsAxis,
                                           netAxis,
                                           playersAxis,
                                           observed,
                                           expected,
                                           band2,
                                           band3,
                                           stray,
                                           ahead,
                                           playerRowsAxis,
                                           crowd90,
                                           crowd50,
                                           crowdMedian,
                                           crowdPaths,
                                           aboutVersion,
                                           aboutText,
                                           saveRun,
                                           openRun,
                                           saveReport,
                                           print,
                                           runFiles,
                                           reportFiles,
                                           runNotSaved,
                                           reportNotSaved,
                                           runNotOpened,
                                           notJson,
                                           notARun,
                                           newerRun,
                                           damagedRun,
                                           playLine,
                                           rowsLine,
                                           dateLine,
                                           repeatable,
                                           notRepeatable,
                                           interruptedLine,
                                           exactHeading,
                                           exactLine,
                                           cliAbout,
                                           optLevel,
                                           optNumbers,
                                           optRows,
                                           optSeed,
                                           optThreads,
                                           optFormat,
                                           optTable,
                                           optOutput,
                                           optExact,
                                           optBudget,
                                           errBudget,
                                           optQuiet,
                                           errLevel,
                                           errNumbers,
                                           errRows,
                                           errFormat,
                                           errTable,
                                           errSeed,
                                           errThreads,
                                           errOutput,
                                           optFrom,
                                           optHelp,
                                           optVersion,
                                           helpUsage,
                                           helpOptions,
                                           helpOptionsShort,
                                           helpValue,
                                           errUnknown,
                                           errExtra,
                                           errTwice,
                                           errOutputName,
                                           errFromName,
                                           errFromAlone,
                                           errFromRead,
                                           errStandardOutput,
                                           interruptedRepeatable,
                                           exactInterrupted,
                                           lessonButton,
                                           lessonTitle,
                                           lessonPlayStep,
                                           lessonGuessStep,
                                           lessonLiveStep,
                                           lessonTruthStep,
                                           previousStep,
                                           nextStep,
                                           rowsPerWeek,
                                           yearsPlayed,
                                           lessonStake,
                                           lessonNumbers,
                                           lessonPickedNumbers,
                                           guessIntro,
                                           guessAhead,
                                           guessPayout,
                                           guessMedian,
                                           playYears,
                                           showAtOnce,
                                           playAgain,
                                           lessonSeed,
                                           lessonYear,
                                           you,
                                           standingAhead,
                                           standingBehind,
                                           standingFarBehind,
                                           playersAhead,
                                           truthAhead,
                                           yourGuess,
                                           happenedColumn,
                                           exactColumn,
                                           rowsTable,
                                           allPlayers,
                                           saveAnswers,
                                           lessonFiles,
                                           answersNotSaved,
                                           notALesson,
                                           optLessons,
                                           errLessons,
                                           errLessonsFormat,
                                           errLessonRead,
                                           pupilsHeading,
                                           summaryHeading,
                                           progressRows,
                                           progressSpeed,
                                           progressLeft};
    constexpr std::size_t headers = [] {
        std::size_t count = 0;
        for (const tables::TableKind* table : tables::all) {
            count += table->columns.size();
        }
        return count;
    }();
    std::array<std::string_view, std::size(single) + hitsLabel.size() + headers> texts{};
    auto at = std::copy(std::begin(single), std::end(single), texts.begin());
    at = std::copy(hitsLabel.begin(), hitsLabel.end(), at);
    for (const tables::TableKind* table : tables::all) {
        for (const tables::Column& column : table->columns) {
            *at++ = column.header;
        }
    }
    return texts;
}();

}  // namespace zarno::texts
