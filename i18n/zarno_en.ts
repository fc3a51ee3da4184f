<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fi">
<context>
    <name>Zarno</name>
    <message>
        <source>Anna kaikki numerot.</source>
        <translation>Enter all the numbers.</translation>
    </message>
    <message>
        <source>Arvonta lopetettu (alkaa jo riittämään)</source>
        <translation>Drawing stopped (that will do)</translation>
    </message>
    <message>
        <source>Iso potti, 10/10 oikein!</source>
        <translation>Jackpot, 10 out of 10!</translation>
    </message>
    <message>
        <source>Vauhtia</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Lopeta</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Taso</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Rivejä arvottu/rahaa mennyt (kpl/€) : </source>
        <translation>Rows drawn/money spent (rows/€) : </translation>
    </message>
    <message>
        <source>Numerot</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Arvontaa</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Aloita alusta</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>Tauko</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Jatka arvontaa</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Voitot: </source>
        <translation>Winnings: </translation>
    </message>
    <message>
        <source>0 oikein (kpl):</source>
        <translation>0 hits (rows):</translation>
    </message>
    <message>
        <source>1 oikein (kpl):</source>
        <translation>1 hit (rows):</translation>
    </message>
    <message>
        <source>2 oikein (kpl):</source>
        <translation>2 hits (rows):</translation>
    </message>
    <message>
        <source>3 oikein (kpl):</source>
        <translation>3 hits (rows):</translation>
    </message>
    <message>
        <source>4 oikein (kpl):</source>
        <translation>4 hits (rows):</translation>
    </message>
    <message>
        <source>5 oikein (kpl):</source>
        <translation>5 hits (rows):</translation>
    </message>
    <message>
        <source>6 oikein (kpl):</source>
        <translation>6 hits (rows):</translation>
    </message>
    <message>
        <source>7 oikein (kpl):</source>
        <translation>7 hits (rows):</translation>
    </message>
    <message>
        <source>8 oikein (kpl):</source>
        <translation>8 hits (rows):</translation>
    </message>
    <message>
        <source>9 oikein (kpl):</source>
        <translation>9 hits (rows):</translation>
    </message>
    <message>
        <source>10 oikein (kpl):</source>
        <translation>10 hits (rows):</translation>
    </message>
    <message>
        <source>Voitot (€): </source>
        <translation>Winnings (€): </translation>
    </message>
    <message>
        <source>Odotettu osuus: </source>
        <translation>Expected share: </translation>
    </message>
    <message>
        <source>Odotettu palautus: </source>
        <translation>Expected payout: </translation>
    </message>
    <message>
        <source>Keskihajonta </source>
        <translation>Standard deviation after </translation>
    </message>
    <message>
        <source> rivillä: ±</source>
        <translation> rows: ±</translation>
    </message>
    <message>
        <source> %-yks.</source>
        <translation> percentage points</translation>
    </message>
    <message>
        <source>Kaavio</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Zarno – kaavio</source>
        <translation>Zarno – chart</translation>
    </message>
    <message>
        <source>Palautus</source>
        <translation>Payout</translation>
    </message>
    <message>
        <source>Osumat</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Pelaajat</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Kopioi</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Tallenna kuva…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <source>Tietoja</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tietoja Qt:sta</source>
        <translation>About Qt</translation>
    </message>
    <message>
        <source>PNG-kuvat (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Kuvan tallennus ei onnistunut.</source>
        <translation>The image could not be saved.</translation>
    </message>
    <message>
        <source>Pelaajan rivit: </source>
        <translation>Rows per player: </translation>
    </message>
    <message>
        <source>Rivejä</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Palautus (%)</source>
        <translation>Payout (%)</translation>
    </message>
    <message>
        <source>Osuus (%)</source>
        <translation>Share (%)</translation>
    </message>
    <message>
        <source>Oikein</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Tulos (€)</source>
        <translation>Result (€)</translation>
    </message>
    <message>
        <source>Pelaajia (%)</source>
        <translation>Players (%)</translation>
    </message>
    <message>
        <source>Havaittu</source>
        <translation>Observed</translation>
    </message>
    <message>
        <source>Odotettu</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>±2σ</source>
        <translation>±2σ</translation>
    </message>
    <message>
        <source>±3σ</source>
        <translation>±3σ</translation>
    </message>
    <message>
        <source>yli 2σ</source>
        <translation>beyond 2σ</translation>
    </message>
    <message>
        <source>voitolla</source>
        <translation>ahead</translation>
    </message>
    <message>
        <source>Odotettu (%)</source>
        <translation>Expected (%)</translation>
    </message>
    <message>
        <source>Alaraja 2σ (%)</source>
        <translation>Lower 2σ (%)</translation>
    </message>
    <message>
        <source>Yläraja 2σ (%)</source>
        <translation>Upper 2σ (%)</translation>
    </message>
    <message>
        <source>Kpl</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Poikkeama (σ)</source>
        <translation>Deviation (σ)</translation>
    </message>
    <message>
        <source>Rivejä pelaajalla</source>
        <translation>Rows per player</translation>
    </message>
    <message>
        <source>Pelaajia</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Voitolla (%)</source>
        <translation>Ahead (%)</translation>
    </message>
    <message>
        <source>Voitolla tarkka (%)</source>
        <translation>Ahead, exact (%)</translation>
    </message>
    <message>
        <source>Mediaani (€)</source>
        <translation>Median (€)</translation>
    </message>
    <message>
        <source>Mediaani tarkka (€)</source>
        <translation>Median, exact (€)</translation>
    </message>
    <message>
        <source>Odotettu tulos (€)</source>
        <translation>Expected result (€)</translation>
    </message>
    <message>
        <source>Zarno, versio </source>
        <translation>Zarno, version </translation>
    </message>
    <message>
        <source>Näyttää, miten 20/70-numeroarvonta maksaa voittoja pitkän päälle.

Copyright © 2026 The Zarno developers

Zarno on vapaa ohjelma: sitä saa levittää ja muuttaa GNU General Public Licensen (GPL) version 3 tai (valintasi mukaan) minkä tahansa myöhemmän version ehdoin.

Ohjelmalla ei ole MITÄÄN TAKUUTA, ei edes takuuta kaupallisesta kelpoisuudesta tai soveltuvuudesta tiettyyn tarkoitukseen. Katso lisenssi: https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Shows how a number lottery that draws 20 numbers out of 70 pays out in the long run.

Copyright © 2026 The Zarno developers

Zarno is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License (GPL), version 3 or (at your option) any later version.

The program comes with ABSOLUTELY NO WARRANTY, without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the licence: https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Numero %1 on valittu kahdesti.</source>
        <translation>Number %1 is chosen twice.</translation>
    </message>
    <message>
        <source>Tarkat luvut eivät ole nyt saatavilla.</source>
        <translation>The exact figures are not available now.</translation>
    </message>
    <message>
        <source>Tallenna ajo…</source>
        <translation>Save run…</translation>
    </message>
    <message>
        <source>Avaa ajo…</source>
        <translation>Open run…</translation>
    </message>
    <message>
        <source>Tallenna raportti…</source>
        <translation>Save report…</translation>
    </message>
    <message>
        <source>Tulosta…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Zarnon ajot (*.json)</source>
        <translation>Zarno runs (*.json)</translation>
    </message>
    <message>
        <source>PDF-tiedostot (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Ajon tallennus ei onnistunut.</source>
        <translation>The run could not be saved.</translation>
    </message>
    <message>
        <source>Raportin tallennus ei onnistunut.</source>
        <translation>The report could not be saved.</translation>
    </message>
    <message>
        <source>Ajoa ei voitu avata.</source>
        <translation>The run could not be opened.</translation>
    </message>
    <message>
        <source>Tiedosto ei ole JSON-muotoa, tai se on katkennut.</source>
        <translation>The file is not JSON, or it is cut short.</translation>
    </message>
    <message>
        <source>Tiedosto ei ole Zarnon ajo.</source>
        <translation>The file is not a run of Zarno.</translation>
    </message>
    <message>
        <source>Ajo on Zarnon uudemmasta versiosta (muoto %1); tämä versio lukee muodon %2.</source>
        <translation>The run comes from a newer version of Zarno (format %1); this version reads format %2.</translation>
    </message>
    <message>
        <source>Ajo on vahingoittunut: kenttä %1 puuttuu tai ei täsmää.</source>
        <translation>The run is damaged: the field %1 is missing or does not add up.</translation>
    </message>
    <message>
        <source>Taso %1, numerot %2</source>
        <translation>Level %1, numbers %2</translation>
    </message>
    <message>
        <source>Rivejä: %1</source>
        <translation>Rows: %1</translation>
    </message>
    <message>
        <source>Päivä: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Ajon voi toistaa: siemen %1.</source>
        <translation>The run can be repeated: seed %1.</translation>
    </message>
    <message>
        <source>Ajoa ei voi toistaa: rivit sekoittavat kellonaikaa. Siemen (--seed) tekee ajosta toistettavan.</source>
        <translation>The run cannot be repeated: its rows mix in the clock. A seed (--seed) makes a run repeatable.</translation>
    </message>
    <message>
        <source>Keskeytetty: luvut ovat arvottujen rivien.</source>
        <translation>Interrupted: the figures are those of the rows drawn.</translation>
    </message>
    <message>
        <source>Tarkat luvut, taso %1</source>
        <translation>Exact figures, level %1</translation>
    </message>
    <message>
        <source>Palautus %1 %, keskihajonta %2 €, rivejä ±0,5 %-yksikköön %3</source>
        <translation>Payout %1 %, standard deviation %2 €, rows to ±0.5 points %3</translation>
    </message>
    <message>
        <source>Voitto (€)</source>
        <translation>Prize (€)</translation>
    </message>
    <message>
        <source>Arpoo 20/70-numeroarvonnan rivejä ilman ikkunaa ja tulostaa kaavion taulukot.</source>
        <translation>Draws rows of a 20-of-70 number lottery without a window and writes the chart&apos;s tables.</translation>
    </message>
    <message>
        <source>taso 2–10, tai all yhdessä --exact-valitsimen kanssa</source>
        <translation>level 2–10, or all together with --exact</translation>
    </message>
    <message>
        <source>pelatut numerot pilkuin eroteltuina, yhtä monta kuin taso</source>
        <translation>the numbers played, apart by commas, as many as the level</translation>
    </message>
    <message>
        <source>arvottavien rivien määrä, esimerkiksi 1e9</source>
        <translation>the rows to draw, for example 1e9</translation>
    </message>
    <message>
        <source>siemen, jolla saman ajon saa uudestaan tavu tavulta</source>
        <translation>a seed that gives the same run again, byte for byte</translation>
    </message>
    <message>
        <source>työsäikeiden määrä (oletus: yksi jokaiselle käytettävissä olevalle suorittimelle)</source>
        <translation>the worker threads (default: one for each processor the program may use)</translation>
    </message>
    <message>
        <source>tulosteen muoto: text, csv tai json</source>
        <translation>the output&apos;s format: text, csv or json</translation>
    </message>
    <message>
        <source>tiedosto, johon tuloste kirjoitetaan (oletus: vakiotuloste)</source>
        <translation>the file to write to (default: standard output)</translation>
    </message>
    <message>
        <source>vain tarkat luvut, arpomatta</source>
        <translation>only the exact figures, without drawing</translation>
    </message>
    <message>
        <source>ei edistymistä vakiovirheeseen</source>
        <translation>no progress on standard error</translation>
    </message>
    <message>
        <source>--level ottaa tason 2–10, tai all yhdessä --exact-valitsimen kanssa.</source>
        <translation>--level takes a level 2–10, or all together with --exact.</translation>
    </message>
    <message>
        <source>--numbers ottaa %1 eri numeroa väliltä 1–70 pilkuin eroteltuina.</source>
        <translation>--numbers takes %1 different numbers from 1 to 70, apart by commas.</translation>
    </message>
    <message>
        <source>--rows ottaa positiivisen kokonaisluvun, enintään %1.</source>
        <translation>--rows takes a positive whole number, at most %1.</translation>
    </message>
    <message>
        <source>--format ottaa arvon text, csv tai json.</source>
        <translation>--format takes text, csv or json.</translation>
    </message>
    <message>
        <source>--table ottaa yhden näistä: %1.</source>
        <translation>--table takes one of these: %1.</translation>
    </message>
    <message>
        <source>--seed ottaa kokonaisluvun 0–18446744073709551615.</source>
        <translation>--seed takes a whole number 0–18446744073709551615.</translation>
    </message>
    <message>
        <source>--threads ottaa säikeiden määrän 1–%1.</source>
        <translation>--threads takes a number of threads 1–%1.</translation>
    </message>
    <message>
        <source>Tiedostoa %1 ei voitu kirjoittaa: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>riviä</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>riviä/s</source>
        <translation>rows/s</translation>
    </message>
    <message>
        <source>jäljellä</source>
        <translation>left</translation>
    </message>
    <message>
        <source>Tasot</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Peli pitää %1 % panoksista</source>
        <translation>The game keeps %1 % of the stakes</translation>
    </message>
    <message>
        <source>Peli pitää %1 % panoksista; tässä ajossa %2 %</source>
        <translation>The game keeps %1 % of the stakes; in this run %2 %</translation>
    </message>
    <message>
        <source>Kaaviossa: </source>
        <translation>In the chart: </translation>
    </message>
    <message>
        <source>Peli pitää (%)</source>
        <translation>Game keeps (%)</translation>
    </message>
    <message>
        <source>Keskihajonta (€)</source>
        <translation>Standard deviation (€)</translation>
    </message>
    <message>
        <source>Rivejä ±0,5 %-yks.</source>
        <translation>Rows to ±0.5 pts</translation>
    </message>
    <message>
        <source>Voitolla 52 (%)</source>
        <translation>Ahead 52 (%)</translation>
    </message>
    <message>
        <source>Mediaani 52 (€)</source>
        <translation>Median 52 (€)</translation>
    </message>
    <message>
        <source>Voitolla 520 (%)</source>
        <translation>Ahead 520 (%)</translation>
    </message>
    <message>
        <source>Mediaani 520 (€)</source>
        <translation>Median 520 (€)</translation>
    </message>
    <message>
        <source>Päävoitto (€)</source>
        <translation>Top prize (€)</translation>
    </message>
    <message>
        <source>Päävoitto 1:</source>
        <translation>Top prize 1 in</translation>
    </message>
    <message>
        <source>Vuosia, rivi viikossa</source>
        <translation>Years, a row a week</translation>
    </message>
    <message>
        <source>5 % tarkka (€)</source>
        <translation>5 % exact (€)</translation>
    </message>
    <message>
        <source>95 % tarkka (€)</source>
        <translation>95 % exact (€)</translation>
    </message>
    <message>
        <source>Pelattuja rivejä</source>
        <translation>Rows played</translation>
    </message>
    <message>
        <source>5–95 % pelaajista</source>
        <translation>5–95 % of players</translation>
    </message>
    <message>
        <source>25–75 % pelaajista</source>
        <translation>25–75 % of players</translation>
    </message>
    <message>
        <source>Mediaani</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Ensimmäiset 20 pelaajaa</source>
        <translation>The first 20 players</translation>
    </message>
    <message>
        <source>Kassa</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Budjetti (€): </source>
        <translation>Budget (€): </translation>
    </message>
    <message>
        <source>Rahat loppu (%)</source>
        <translation>Money gone (%)</translation>
    </message>
    <message>
        <source>Havaitut pelaajat alkavat riviltä %1.</source>
        <translation>The observed players start at row %1.</translation>
    </message>
    <message>
        <source>yli %1</source>
        <translation>over %1</translation>
    </message>
    <message>
        <source>Rahat loppu tarkka (%)</source>
        <translation>Money gone exact (%)</translation>
    </message>
    <message>
        <source>Mediaani rivejä loppuun</source>
        <translation>Median rows until gone</translation>
    </message>
    <message>
        <source>Tuplaa ennen loppua tarkka (%)</source>
        <translation>Doubles before gone exact (%)</translation>
    </message>
    <message>
        <source>Tuplaa ennen loppua (%)</source>
        <translation>Doubles before gone (%)</translation>
    </message>
    <message>
        <source>budjetti euroina Kassa-taulukolle, 1–100000 (oletus: 100)</source>
        <translation>budget in euros for the budget table, 1–100000 (default: 100)</translation>
    </message>
    <message>
        <source>--budget ottaa euromäärän 1–%1.</source>
        <translation>--budget takes a sum of euros 1–%1.</translation>
    </message>
    <message>
        <source>Budjetti (€)</source>
        <translation>Budget (€)</translation>
    </message>
    <message>
        <source>tallennettu ajo (JSON), joka kirjoitetaan arpomatta</source>
        <translation>a saved run (JSON) to write without drawing</translation>
    </message>
    <message>
        <source>näyttää tämän ohjeen</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>näyttää ohjelman version</source>
        <translation>shows the program&apos;s version</translation>
    </message>
    <message>
        <source>Käyttö</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>Valitsimet</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>VALITSIMET</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>ARVO</source>
        <translation>VALUE</translation>
    </message>
    <message>
        <source>Tuntematon valitsin %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Ylimääräinen argumentti %1.</source>
        <translation>Unexpected argument %1.</translation>
    </message>
    <message>
        <source>Valitsin %1 on annettu kahdesti.</source>
        <translation>The option %1 is given twice.</translation>
    </message>
    <message>
        <source>--output ottaa tiedoston nimen.</source>
        <translation>--output takes a file name.</translation>
    </message>
    <message>
        <source>--from ottaa tallennetun ajon tiedoston.</source>
        <translation>--from takes the file of a saved run.</translation>
    </message>
    <message>
        <source>%1 ei käy yhdessä valitsimen %2 kanssa.</source>
        <translation>%1 does not go with the option %2.</translation>
    </message>
    <message>
        <source>--from: ajoa %1 ei voitu avata: %2</source>
        <translation>--from: the run %1 could not be opened: %2</translation>
    </message>
    <message>
        <source>Tulostetta ei voitu kirjoittaa: %1</source>
        <translation>The output could not be written: %1</translation>
    </message>
    <message>
        <source>Ajo keskeytettiin, joten se ei toistu sellaisenaan; siemen %1 ja --rows %2 antavat samat rivit.</source>
        <translation>The run was interrupted, so it does not repeat as it stands; seed %1 and --rows %2 give the same rows.</translation>
    </message>
    <message>
        <source>Keskeytetty: tyhjiksi jääneitä tarkkoja lukuja ei ehditty laskea.</source>
        <translation>Interrupted: the exact figures left blank were not worked out in time.</translation>
    </message>
    <message>
        <source>Rivi</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Arvotut numerot</source>
        <translation>Numbers drawn</translation>
    </message>
    <message>
        <source>Älä pysäytä arvontaa seuraavista</source>
        <translation>Do not stop the drawing for the next ones</translation>
    </message>
    <message>
        <source>Päävoitot</source>
        <translation>Jackpots</translation>
    </message>
    <message>
        <source>CSV:n taulukko: payout, hits, players, budget tai jackpots; --exact-valitsimen kanssa levels, hits, players tai budget</source>
        <translation>the CSV table: payout, hits, players, budget or jackpots; with --exact levels, hits, players or budget</translation>
    </message>
    <message>
        <source>Voitti jotain (%)</source>
        <translation>Won something (%)</translation>
    </message>
    <message>
        <source>Vain panos takaisin (%)</source>
        <translation>Only the stake back (%)</translation>
    </message>
    <message>
        <source>Enemmän kuin panos (%)</source>
        <translation>More than the stake (%)</translation>
    </message>
    <message>
        <source>Oppilas</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Voitolla: arvaus</source>
        <translation>Ahead: guess</translation>
    </message>
    <message>
        <source>Voitolla: toteutui</source>
        <translation>Ahead: happened</translation>
    </message>
    <message>
        <source>Voitolla: tarkka</source>
        <translation>Ahead: exact</translation>
    </message>
    <message>
        <source>Palautus: arvaus (%)</source>
        <translation>Payout: guess (%)</translation>
    </message>
    <message>
        <source>Palautus: toteutui (%)</source>
        <translation>Payout: happened (%)</translation>
    </message>
    <message>
        <source>Palautus: tarkka (%)</source>
        <translation>Payout: exact (%)</translation>
    </message>
    <message>
        <source>Mediaani: arvaus (€)</source>
        <translation>Median: guess (€)</translation>
    </message>
    <message>
        <source>Mediaani: toteutui (€)</source>
        <translation>Median: happened (€)</translation>
    </message>
    <message>
        <source>Mediaani: tarkka (€)</source>
        <translation>Median: exact (€)</translation>
    </message>
    <message>
        <source>Oppilaita</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>Yliarvioi voitolla olevat</source>
        <translation>Overestimated those ahead</translation>
    </message>
    <message>
        <source>Yliarvioi palautuksen</source>
        <translation>Overestimated the payout</translation>
    </message>
    <message>
        <source>Voitolla: arvaus keskimäärin</source>
        <translation>Ahead: mean guess</translation>
    </message>
    <message>
        <source>Voitolla: tarkka keskimäärin</source>
        <translation>Ahead: mean exact</translation>
    </message>
    <message>
        <source>Palautus: arvaus keskimäärin (%)</source>
        <translation>Payout: mean guess (%)</translation>
    </message>
    <message>
        <source>Palautus: tarkka keskimäärin (%)</source>
        <translation>Payout: mean exact (%)</translation>
    </message>
    <message>
        <source>Mediaani: arvaus keskimäärin (€)</source>
        <translation>Median: mean guess (€)</translation>
    </message>
    <message>
        <source>Mediaani: tarkka keskimäärin (€)</source>
        <translation>Median: mean exact (€)</translation>
    </message>
    <message>
        <source>Oppitunti</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Zarno – oppitunti</source>
        <translation>Zarno – lesson</translation>
    </message>
    <message>
        <source>Miten pelaat?</source>
        <translation>How do you play?</translation>
    </message>
    <message>
        <source>Arvaa ensin</source>
        <translation>Guess first</translation>
    </message>
    <message>
        <source>Elä se</source>
        <translation>Live it</translation>
    </message>
    <message>
        <source>Totuus</source>
        <translation>The truth</translation>
    </message>
    <message>
        <source>Edellinen</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Seuraava</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Rivejä viikossa</source>
        <translation>Rows a week</translation>
    </message>
    <message>
        <source>Vuosia</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>%1 riviä, %2 €</source>
        <translation>%1 rows, %2 €</translation>
    </message>
    <message>
        <source>Numerot: %1</source>
        <translation>Numbers: %1</translation>
    </message>
    <message>
        <source>Numerot (oppitunti valitsi ne): %1</source>
        <translation>Numbers (chosen by the lesson): %1</translation>
    </message>
    <message>
        <source>Arvaa, ennen kuin pelaat: tuhat pelaajaa pelaa näin, kukin omilla riveillään.</source>
        <translation>Guess before you play: a thousand players play like this, each on rows of their own.</translation>
    </message>
    <message>
        <source>Voitolla 1000 pelaajasta</source>
        <translation>Ahead of 1000 players</translation>
    </message>
    <message>
        <source>Keskimmäinen pelaaja (€)</source>
        <translation>The middle player (€)</translation>
    </message>
    <message>
        <source>Pelaa vuodet</source>
        <translation>Play the years</translation>
    </message>
    <message>
        <source>Näytä heti</source>
        <translation>Show at once</translation>
    </message>
    <message>
        <source>Pelaa uudestaan</source>
        <translation>Play again</translation>
    </message>
    <message>
        <source>Siemen: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>Vuosi %1/%2</source>
        <translation>Year %1/%2</translation>
    </message>
    <message>
        <source>Sinä</source>
        <translation>You</translation>
    </message>
    <message>
        <source>tappiolla alle puolet maksamastaan</source>
        <translation>behind by less than half of what was paid</translation>
    </message>
    <message>
        <source>tappiolla yli puolet maksamastaan</source>
        <translation>behind by more than half of what was paid</translation>
    </message>
    <message>
        <source>%1 pelaajaa 1000:sta voitolla</source>
        <translation>%1 players of 1000 ahead</translation>
    </message>
    <message>
        <source>Voitolla (1000:sta)</source>
        <translation>Ahead (of 1000)</translation>
    </message>
    <message>
        <source>Arvauksesi</source>
        <translation>Your guess</translation>
    </message>
    <message>
        <source>Toteutui</source>
        <translation>Happened</translation>
    </message>
    <message>
        <source>Tarkka</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Rivit</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Kaikki pelaajat</source>
        <translation>All players</translation>
    </message>
    <message>
        <source>Tallenna vastaukset…</source>
        <translation>Save the answers…</translation>
    </message>
    <message>
        <source>Zarnon oppitunnit (*.json)</source>
        <translation>Zarno lessons (*.json)</translation>
    </message>
    <message>
        <source>Vastausten tallennus ei onnistunut.</source>
        <translation>The answers could not be saved.</translation>
    </message>
    <message>
        <source>Tiedosto ei ole Zarnon oppitunti.</source>
        <translation>The file is not a Zarno lesson.</translation>
    </message>
    <message>
        <source>luokan tallennetut oppitunnit, oppilas riville ja yhteenveto (text tai csv)</source>
        <translation>a class&apos;s saved lessons, a pupil a line and a summary (text or csv)</translation>
    </message>
    <message>
        <source>--lessons ottaa yhden tai useamman tallennetun oppitunnin.</source>
        <translation>--lessons takes one or more saved lessons.</translation>
    </message>
    <message>
        <source>--lessons kirjoittaa tekstinä tai CSV:nä (--format text tai csv).</source>
        <translation>--lessons writes text or CSV (--format text or csv).</translation>
    </message>
    <message>
        <source>--lessons: oppituntia %1 ei voitu lukea: %2</source>
        <translation>--lessons: the lesson %1 could not be read: %2</translation>
    </message>
    <message>
        <source>Oppilaat</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>Yhteenveto</source>
        <translation>Summary</translation>
    </message>
</context>
</TS>
