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
</context>
</TS>
