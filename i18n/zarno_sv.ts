<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="fi">
<context>
    <name>Zarno</name>
    <message>
        <source>Anna kaikki numerot.</source>
        <translation>Ange alla nummer.</translation>
    </message>
    <message>
        <source>Arvonta lopetettu (alkaa jo riittämään)</source>
        <translation>Dragningen avslutad (nu får det räcka)</translation>
    </message>
    <message>
        <source>Iso potti, 10/10 oikein!</source>
        <translation>Storvinst, 10/10 rätt!</translation>
    </message>
    <message>
        <source>Vauhtia</source>
        <translation>Snabbt</translation>
    </message>
    <message>
        <source>Lopeta</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Taso</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Rivejä arvottu/rahaa mennyt (kpl/€) : </source>
        <translation>Dragna rader/insats (st/€) : </translation>
    </message>
    <message>
        <source>Numerot</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Arvontaa</source>
        <translation>Dragning</translation>
    </message>
    <message>
        <source>Aloita alusta</source>
        <translation>Börja om</translation>
    </message>
    <message>
        <source>Tauko</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Jatka arvontaa</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Voitot: </source>
        <translation>Vinster: </translation>
    </message>
    <message>
        <source>0 oikein (kpl):</source>
        <translation>0 rätt (st):</translation>
    </message>
    <message>
        <source>1 oikein (kpl):</source>
        <translation>1 rätt (st):</translation>
    </message>
    <message>
        <source>2 oikein (kpl):</source>
        <translation>2 rätt (st):</translation>
    </message>
    <message>
        <source>3 oikein (kpl):</source>
        <translation>3 rätt (st):</translation>
    </message>
    <message>
        <source>4 oikein (kpl):</source>
        <translation>4 rätt (st):</translation>
    </message>
    <message>
        <source>5 oikein (kpl):</source>
        <translation>5 rätt (st):</translation>
    </message>
    <message>
        <source>6 oikein (kpl):</source>
        <translation>6 rätt (st):</translation>
    </message>
    <message>
        <source>7 oikein (kpl):</source>
        <translation>7 rätt (st):</translation>
    </message>
    <message>
        <source>8 oikein (kpl):</source>
        <translation>8 rätt (st):</translation>
    </message>
    <message>
        <source>9 oikein (kpl):</source>
        <translation>9 rätt (st):</translation>
    </message>
    <message>
        <source>10 oikein (kpl):</source>
        <translation>10 rätt (st):</translation>
    </message>
    <message>
        <source>Voitot (€): </source>
        <translation>Vinster (€): </translation>
    </message>
    <message>
        <source>Odotettu osuus: </source>
        <translation>Förväntad andel: </translation>
    </message>
    <message>
        <source>Odotettu palautus: </source>
        <translation>Förväntad återbetalning: </translation>
    </message>
    <message>
        <source>Keskihajonta </source>
        <translation>Standardavvikelse efter </translation>
    </message>
    <message>
        <source> rivillä: ±</source>
        <translation> rader: ±</translation>
    </message>
    <message>
        <source> %-yks.</source>
        <translation> procentenheter</translation>
    </message>
    <message>
        <source>Kaavio</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>Zarno – kaavio</source>
        <translation>Zarno – graf</translation>
    </message>
    <message>
        <source>Palautus</source>
        <translation>Återbetalning</translation>
    </message>
    <message>
        <source>Osumat</source>
        <translation>Träffar</translation>
    </message>
    <message>
        <source>Pelaajat</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Kopioi</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Tallenna kuva…</source>
        <translation>Spara bild…</translation>
    </message>
    <message>
        <source>Tietoja</source>
        <translation>Om Zarno</translation>
    </message>
    <message>
        <source>Tietoja Qt:sta</source>
        <translation>Om Qt</translation>
    </message>
    <message>
        <source>PNG-kuvat (*.png)</source>
        <translation>PNG-bilder (*.png)</translation>
    </message>
    <message>
        <source>Kuvan tallennus ei onnistunut.</source>
        <translation>Bilden kunde inte sparas.</translation>
    </message>
    <message>
        <source>Pelaajan rivit: </source>
        <translation>Rader per spelare: </translation>
    </message>
    <message>
        <source>Rivejä</source>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Palautus (%)</source>
        <translation>Återbetalning (%)</translation>
    </message>
    <message>
        <source>Osuus (%)</source>
        <translation>Andel (%)</translation>
    </message>
    <message>
        <source>Oikein</source>
        <translation>Rätt</translation>
    </message>
    <message>
        <source>Tulos (€)</source>
        <translation>Resultat (€)</translation>
    </message>
    <message>
        <source>Pelaajia (%)</source>
        <translation>Spelare (%)</translation>
    </message>
    <message>
        <source>Havaittu</source>
        <translation>Observerat</translation>
    </message>
    <message>
        <source>Odotettu</source>
        <translation>Förväntat</translation>
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
        <translation>över 2σ</translation>
    </message>
    <message>
        <source>voitolla</source>
        <translation>på plus</translation>
    </message>
    <message>
        <source>Odotettu (%)</source>
        <translation>Förväntad (%)</translation>
    </message>
    <message>
        <source>Alaraja 2σ (%)</source>
        <translation>Nedre 2σ (%)</translation>
    </message>
    <message>
        <source>Yläraja 2σ (%)</source>
        <translation>Övre 2σ (%)</translation>
    </message>
    <message>
        <source>Kpl</source>
        <translation>St</translation>
    </message>
    <message>
        <source>Poikkeama (σ)</source>
        <translation>Avvikelse (σ)</translation>
    </message>
    <message>
        <source>Rivejä pelaajalla</source>
        <translation>Rader per spelare</translation>
    </message>
    <message>
        <source>Pelaajia</source>
        <translation>Spelare</translation>
    </message>
    <message>
        <source>Voitolla (%)</source>
        <translation>På plus (%)</translation>
    </message>
    <message>
        <source>Voitolla tarkka (%)</source>
        <translation>På plus, exakt (%)</translation>
    </message>
    <message>
        <source>Mediaani (€)</source>
        <translation>Median (€)</translation>
    </message>
    <message>
        <source>Mediaani tarkka (€)</source>
        <translation>Median, exakt (€)</translation>
    </message>
    <message>
        <source>Odotettu tulos (€)</source>
        <translation>Förväntat resultat (€)</translation>
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
        <translation>Visar hur ett nummerlotteri där 20 av 70 nummer dras betalar ut i längden.

Copyright © 2026 The Zarno developers

Zarno är fri programvara: du får sprida och ändra den enligt villkoren i GNU General Public License (GPL), version 3 eller (om du så vill) någon senare version.

Programmet levereras UTAN NÅGON GARANTI, inte ens underförstådd garanti om säljbarhet eller lämplighet för ett visst ändamål. Se licensen: https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Numero %1 on valittu kahdesti.</source>
        <translation>Numret %1 är valt två gånger.</translation>
    </message>
    <message>
        <source>Tarkat luvut eivät ole nyt saatavilla.</source>
        <translation>De exakta siffrorna finns inte att få just nu.</translation>
    </message>
</context>
</TS>
