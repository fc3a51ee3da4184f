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
    <message>
        <source>Tallenna ajo…</source>
        <translation>Spara körning…</translation>
    </message>
    <message>
        <source>Avaa ajo…</source>
        <translation>Öppna körning…</translation>
    </message>
    <message>
        <source>Tallenna raportti…</source>
        <translation>Spara rapport…</translation>
    </message>
    <message>
        <source>Tulosta…</source>
        <translation>Skriv ut…</translation>
    </message>
    <message>
        <source>Zarnon ajot (*.json)</source>
        <translation>Zarnokörningar (*.json)</translation>
    </message>
    <message>
        <source>PDF-tiedostot (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Ajon tallennus ei onnistunut.</source>
        <translation>Körningen kunde inte sparas.</translation>
    </message>
    <message>
        <source>Raportin tallennus ei onnistunut.</source>
        <translation>Rapporten kunde inte sparas.</translation>
    </message>
    <message>
        <source>Ajoa ei voitu avata.</source>
        <translation>Körningen kunde inte öppnas.</translation>
    </message>
    <message>
        <source>Tiedosto ei ole JSON-muotoa, tai se on katkennut.</source>
        <translation>Filen är inte i JSON-format, eller så är den avkortad.</translation>
    </message>
    <message>
        <source>Tiedosto ei ole Zarnon ajo.</source>
        <translation>Filen är inte en körning av Zarno.</translation>
    </message>
    <message>
        <source>Ajo on Zarnon uudemmasta versiosta (muoto %1); tämä versio lukee muodon %2.</source>
        <translation>Körningen kommer från en nyare version av Zarno (format %1); den här versionen läser format %2.</translation>
    </message>
    <message>
        <source>Ajo on vahingoittunut: kenttä %1 puuttuu tai ei täsmää.</source>
        <translation>Körningen är skadad: fältet %1 saknas eller stämmer inte.</translation>
    </message>
    <message>
        <source>Taso %1, numerot %2</source>
        <translation>Nivå %1, nummer %2</translation>
    </message>
    <message>
        <source>Rivejä: %1</source>
        <translation>Rader: %1</translation>
    </message>
    <message>
        <source>Päivä: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Ajon voi toistaa: siemen %1.</source>
        <translation>Körningen kan upprepas: frö %1.</translation>
    </message>
    <message>
        <source>Ajoa ei voi toistaa: rivit sekoittavat kellonaikaa. Siemen (--seed) tekee ajosta toistettavan.</source>
        <translation>Körningen kan inte upprepas: raderna blandar in klockan. Ett frö (--seed) gör körningen upprepbar.</translation>
    </message>
    <message>
        <source>Keskeytetty: luvut ovat arvottujen rivien.</source>
        <translation>Avbruten: siffrorna gäller de dragna raderna.</translation>
    </message>
    <message>
        <source>Tarkat luvut, taso %1</source>
        <translation>Exakta siffror, nivå %1</translation>
    </message>
    <message>
        <source>Palautus %1 %, keskihajonta %2 €, rivejä ±0,5 %-yksikköön %3</source>
        <translation>Återbetalning %1 %, standardavvikelse %2 €, rader till ±0,5 procentenheter %3</translation>
    </message>
    <message>
        <source>Voitto (€)</source>
        <translation>Vinst (€)</translation>
    </message>
    <message>
        <source>Arpoo 20/70-numeroarvonnan rivejä ilman ikkunaa ja tulostaa kaavion taulukot.</source>
        <translation>Drar rader i ett 20/70-nummerlotteri utan fönster och skriver ut diagrammets tabeller.</translation>
    </message>
    <message>
        <source>taso 2–10, tai all yhdessä --exact-valitsimen kanssa</source>
        <translation>nivå 2–10, eller all tillsammans med --exact</translation>
    </message>
    <message>
        <source>pelatut numerot pilkuin eroteltuina, yhtä monta kuin taso</source>
        <translation>de spelade numren åtskilda med kommatecken, lika många som nivån</translation>
    </message>
    <message>
        <source>arvottavien rivien määrä, esimerkiksi 1e9</source>
        <translation>antalet rader att dra, till exempel 1e9</translation>
    </message>
    <message>
        <source>siemen, jolla saman ajon saa uudestaan tavu tavulta</source>
        <translation>frö som ger samma körning igen, byte för byte</translation>
    </message>
    <message>
        <source>työsäikeiden määrä (oletus: yksi jokaiselle käytettävissä olevalle suorittimelle)</source>
        <translation>antalet arbetstrådar (standard: en för varje processor som får användas)</translation>
    </message>
    <message>
        <source>tulosteen muoto: text, csv tai json</source>
        <translation>utdatans format: text, csv eller json</translation>
    </message>
    <message>
        <source>tiedosto, johon tuloste kirjoitetaan (oletus: vakiotuloste)</source>
        <translation>fil som utdatan skrivs till (standard: standard ut)</translation>
    </message>
    <message>
        <source>vain tarkat luvut, arpomatta</source>
        <translation>bara de exakta siffrorna, utan dragning</translation>
    </message>
    <message>
        <source>ei edistymistä vakiovirheeseen</source>
        <translation>inga framsteg till standard fel</translation>
    </message>
    <message>
        <source>--level ottaa tason 2–10, tai all yhdessä --exact-valitsimen kanssa.</source>
        <translation>--level tar en nivå 2–10, eller all tillsammans med --exact.</translation>
    </message>
    <message>
        <source>--numbers ottaa %1 eri numeroa väliltä 1–70 pilkuin eroteltuina.</source>
        <translation>--numbers tar %1 olika nummer mellan 1 och 70, åtskilda med kommatecken.</translation>
    </message>
    <message>
        <source>--rows ottaa positiivisen kokonaisluvun, enintään %1.</source>
        <translation>--rows tar ett positivt heltal, högst %1.</translation>
    </message>
    <message>
        <source>--format ottaa arvon text, csv tai json.</source>
        <translation>--format tar text, csv eller json.</translation>
    </message>
    <message>
        <source>--table ottaa yhden näistä: %1.</source>
        <translation>--table tar ett av dessa: %1.</translation>
    </message>
    <message>
        <source>--seed ottaa kokonaisluvun 0–18446744073709551615.</source>
        <translation>--seed tar ett heltal 0–18446744073709551615.</translation>
    </message>
    <message>
        <source>--threads ottaa säikeiden määrän 1–%1.</source>
        <translation>--threads tar ett antal trådar 1–%1.</translation>
    </message>
    <message>
        <source>Tiedostoa %1 ei voitu kirjoittaa: %2</source>
        <translation>Filen %1 kunde inte skrivas: %2</translation>
    </message>
    <message>
        <source>riviä</source>
        <translation>rader</translation>
    </message>
    <message>
        <source>riviä/s</source>
        <translation>rader/s</translation>
    </message>
    <message>
        <source>jäljellä</source>
        <translation>kvar</translation>
    </message>
    <message>
        <source>Tasot</source>
        <translation>Nivåer</translation>
    </message>
    <message>
        <source>Peli pitää %1 % panoksista</source>
        <translation>Spelet behåller %1 % av insatserna</translation>
    </message>
    <message>
        <source>Peli pitää %1 % panoksista; tässä ajossa %2 %</source>
        <translation>Spelet behåller %1 % av insatserna; i den här körningen %2 %</translation>
    </message>
    <message>
        <source>Kaaviossa: </source>
        <translation>I diagrammet: </translation>
    </message>
    <message>
        <source>Peli pitää (%)</source>
        <translation>Spelet behåller (%)</translation>
    </message>
    <message>
        <source>Keskihajonta (€)</source>
        <translation>Standardavvikelse (€)</translation>
    </message>
    <message>
        <source>Rivejä ±0,5 %-yks.</source>
        <translation>Rader till ±0,5 %-enh.</translation>
    </message>
    <message>
        <source>Voitolla 52 (%)</source>
        <translation>På plus 52 (%)</translation>
    </message>
    <message>
        <source>Mediaani 52 (€)</source>
        <translation>Median 52 (€)</translation>
    </message>
    <message>
        <source>Voitolla 520 (%)</source>
        <translation>På plus 520 (%)</translation>
    </message>
    <message>
        <source>Mediaani 520 (€)</source>
        <translation>Median 520 (€)</translation>
    </message>
    <message>
        <source>Päävoitto (€)</source>
        <translation>Högsta vinst (€)</translation>
    </message>
    <message>
        <source>Päävoitto 1:</source>
        <translation>Högsta vinst 1 på</translation>
    </message>
    <message>
        <source>Vuosia, rivi viikossa</source>
        <translation>År, en rad i veckan</translation>
    </message>
    <message>
        <source>5 % tarkka (€)</source>
        <translation>5 % exakt (€)</translation>
    </message>
    <message>
        <source>95 % tarkka (€)</source>
        <translation>95 % exakt (€)</translation>
    </message>
    <message>
        <source>Pelattuja rivejä</source>
        <translation>Spelade rader</translation>
    </message>
    <message>
        <source>5–95 % pelaajista</source>
        <translation>5–95 % av spelarna</translation>
    </message>
    <message>
        <source>25–75 % pelaajista</source>
        <translation>25–75 % av spelarna</translation>
    </message>
    <message>
        <source>Mediaani</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Ensimmäiset 20 pelaajaa</source>
        <translation>De första 20 spelarna</translation>
    </message>
    <message>
        <source>Kassa</source>
        <translation>Kassa</translation>
    </message>
    <message>
        <source>Budjetti (€): </source>
        <translation>Budget (€): </translation>
    </message>
    <message>
        <source>Rahat loppu (%)</source>
        <translation>Pengarna slut (%)</translation>
    </message>
    <message>
        <source>Havaitut pelaajat alkavat riviltä %1.</source>
        <translation>De observerade spelarna börjar på rad %1.</translation>
    </message>
    <message>
        <source>yli %1</source>
        <translation>över %1</translation>
    </message>
    <message>
        <source>Rahat loppu tarkka (%)</source>
        <translation>Pengarna slut exakt (%)</translation>
    </message>
    <message>
        <source>Mediaani rivejä loppuun</source>
        <translation>Median rader tills slut</translation>
    </message>
    <message>
        <source>Tuplaa ennen loppua tarkka (%)</source>
        <translation>Dubblar före slut exakt (%)</translation>
    </message>
    <message>
        <source>Tuplaa ennen loppua (%)</source>
        <translation>Dubblar före slut (%)</translation>
    </message>
    <message>
        <source>budjetti euroina Kassa-taulukolle, 1–100000 (oletus: 100)</source>
        <translation>budget i euro för Kassa-tabellen, 1–100000 (standard: 100)</translation>
    </message>
    <message>
        <source>--budget ottaa euromäärän 1–%1.</source>
        <translation>--budget tar ett belopp i euro 1–%1.</translation>
    </message>
    <message>
        <source>Budjetti (€)</source>
        <translation>Budget (€)</translation>
    </message>
    <message>
        <source>tallennettu ajo (JSON), joka kirjoitetaan arpomatta</source>
        <translation>en sparad körning (JSON) som skrivs utan dragning</translation>
    </message>
    <message>
        <source>näyttää tämän ohjeen</source>
        <translation>visar denna hjälp</translation>
    </message>
    <message>
        <source>näyttää ohjelman version</source>
        <translation>visar programmets version</translation>
    </message>
    <message>
        <source>Käyttö</source>
        <translation>Användning</translation>
    </message>
    <message>
        <source>Valitsimet</source>
        <translation>Flaggor</translation>
    </message>
    <message>
        <source>VALITSIMET</source>
        <translation>FLAGGOR</translation>
    </message>
    <message>
        <source>ARVO</source>
        <translation>VÄRDE</translation>
    </message>
    <message>
        <source>Tuntematon valitsin %1.</source>
        <translation>Okänd flagga %1.</translation>
    </message>
    <message>
        <source>Ylimääräinen argumentti %1.</source>
        <translation>Överflödigt argument %1.</translation>
    </message>
    <message>
        <source>Valitsin %1 on annettu kahdesti.</source>
        <translation>Flaggan %1 har getts två gånger.</translation>
    </message>
    <message>
        <source>--output ottaa tiedoston nimen.</source>
        <translation>--output tar ett filnamn.</translation>
    </message>
    <message>
        <source>--from ottaa tallennetun ajon tiedoston.</source>
        <translation>--from tar filen för en sparad körning.</translation>
    </message>
    <message>
        <source>%1 ei käy yhdessä valitsimen %2 kanssa.</source>
        <translation>%1 går inte ihop med flaggan %2.</translation>
    </message>
    <message>
        <source>--from: ajoa %1 ei voitu avata: %2</source>
        <translation>--from: körningen %1 kunde inte öppnas: %2</translation>
    </message>
    <message>
        <source>Tulostetta ei voitu kirjoittaa: %1</source>
        <translation>Utdata kunde inte skrivas: %1</translation>
    </message>
    <message>
        <source>Ajo keskeytettiin, joten se ei toistu sellaisenaan; siemen %1 ja --rows %2 antavat samat rivit.</source>
        <translation>Körningen avbröts och upprepas inte som den är; frö %1 och --rows %2 ger samma rader.</translation>
    </message>
    <message>
        <source>Keskeytetty: tyhjiksi jääneitä tarkkoja lukuja ei ehditty laskea.</source>
        <translation>Avbruten: de exakta tal som är tomma hann inte räknas ut.</translation>
    </message>
    <message>
        <source>Rivi</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Arvotut numerot</source>
        <translation>Dragna nummer</translation>
    </message>
    <message>
        <source>Älä pysäytä arvontaa seuraavista</source>
        <translation>Stoppa inte dragningen för de följande</translation>
    </message>
    <message>
        <source>Päävoitot</source>
        <translation>Storvinster</translation>
    </message>
    <message>
        <source>CSV:n taulukko: payout, hits, players, budget tai jackpots; --exact-valitsimen kanssa levels, hits, players tai budget</source>
        <translation>CSV-tabellen: payout, hits, players, budget eller jackpots; med --exact levels, hits, players eller budget</translation>
    </message>
    <message>
        <source>Voitti jotain (%)</source>
        <translation>Vann något (%)</translation>
    </message>
    <message>
        <source>Vain panos takaisin (%)</source>
        <translation>Bara insatsen tillbaka (%)</translation>
    </message>
    <message>
        <source>Enemmän kuin panos (%)</source>
        <translation>Mer än insatsen (%)</translation>
    </message>
    <message>
        <source>Oppilas</source>
        <translation>Elev</translation>
    </message>
    <message>
        <source>Voitolla: arvaus</source>
        <translation>På plus: gissning</translation>
    </message>
    <message>
        <source>Voitolla: toteutui</source>
        <translation>På plus: utfall</translation>
    </message>
    <message>
        <source>Voitolla: tarkka</source>
        <translation>På plus: exakt</translation>
    </message>
    <message>
        <source>Palautus: arvaus (%)</source>
        <translation>Återbetalning: gissning (%)</translation>
    </message>
    <message>
        <source>Palautus: toteutui (%)</source>
        <translation>Återbetalning: utfall (%)</translation>
    </message>
    <message>
        <source>Palautus: tarkka (%)</source>
        <translation>Återbetalning: exakt (%)</translation>
    </message>
    <message>
        <source>Mediaani: arvaus (€)</source>
        <translation>Median: gissning (€)</translation>
    </message>
    <message>
        <source>Mediaani: toteutui (€)</source>
        <translation>Median: utfall (€)</translation>
    </message>
    <message>
        <source>Mediaani: tarkka (€)</source>
        <translation>Median: exakt (€)</translation>
    </message>
    <message>
        <source>Oppilaita</source>
        <translation>Elever</translation>
    </message>
    <message>
        <source>Yliarvioi voitolla olevat</source>
        <translation>Överskattade dem på plus</translation>
    </message>
    <message>
        <source>Yliarvioi palautuksen</source>
        <translation>Överskattade återbetalningen</translation>
    </message>
    <message>
        <source>Voitolla: arvaus keskimäärin</source>
        <translation>På plus: gissning i medeltal</translation>
    </message>
    <message>
        <source>Voitolla: tarkka keskimäärin</source>
        <translation>På plus: exakt i medeltal</translation>
    </message>
    <message>
        <source>Palautus: arvaus keskimäärin (%)</source>
        <translation>Återbetalning: gissning i medeltal (%)</translation>
    </message>
    <message>
        <source>Palautus: tarkka keskimäärin (%)</source>
        <translation>Återbetalning: exakt i medeltal (%)</translation>
    </message>
    <message>
        <source>Mediaani: arvaus keskimäärin (€)</source>
        <translation>Median: gissning i medeltal (€)</translation>
    </message>
    <message>
        <source>Mediaani: tarkka keskimäärin (€)</source>
        <translation>Median: exakt i medeltal (€)</translation>
    </message>
    <message>
        <source>Oppitunti</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Zarno – oppitunti</source>
        <translation>Zarno – lektion</translation>
    </message>
    <message>
        <source>Miten pelaat?</source>
        <translation>Hur spelar du?</translation>
    </message>
    <message>
        <source>Arvaa ensin</source>
        <translation>Gissa först</translation>
    </message>
    <message>
        <source>Elä se</source>
        <translation>Lev det</translation>
    </message>
    <message>
        <source>Totuus</source>
        <translation>Sanningen</translation>
    </message>
    <message>
        <source>Edellinen</source>
        <translation>Föregående</translation>
    </message>
    <message>
        <source>Seuraava</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Rivejä viikossa</source>
        <translation>Rader i veckan</translation>
    </message>
    <message>
        <source>Vuosia</source>
        <translation>År</translation>
    </message>
    <message>
        <source>%1 riviä, %2 €</source>
        <translation>%1 rader, %2 €</translation>
    </message>
    <message>
        <source>Numerot: %1</source>
        <translation>Nummer: %1</translation>
    </message>
    <message>
        <source>Numerot (oppitunti valitsi ne): %1</source>
        <translation>Nummer (valda av lektionen): %1</translation>
    </message>
    <message>
        <source>Arvaa, ennen kuin pelaat: tuhat pelaajaa pelaa näin, kukin omilla riveillään.</source>
        <translation>Gissa innan du spelar: tusen spelare spelar så, var och en med egna rader.</translation>
    </message>
    <message>
        <source>Voitolla 1000 pelaajasta</source>
        <translation>På plus av 1000 spelare</translation>
    </message>
    <message>
        <source>Keskimmäinen pelaaja (€)</source>
        <translation>Spelaren i mitten (€)</translation>
    </message>
    <message>
        <source>Pelaa vuodet</source>
        <translation>Spela åren</translation>
    </message>
    <message>
        <source>Näytä heti</source>
        <translation>Visa genast</translation>
    </message>
    <message>
        <source>Pelaa uudestaan</source>
        <translation>Spela igen</translation>
    </message>
    <message>
        <source>Siemen: %1</source>
        <translation>Frö: %1</translation>
    </message>
    <message>
        <source>Vuosi %1/%2</source>
        <translation>År %1/%2</translation>
    </message>
    <message>
        <source>Sinä</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>tappiolla alle puolet maksamastaan</source>
        <translation>förlust under hälften av insatsen</translation>
    </message>
    <message>
        <source>tappiolla yli puolet maksamastaan</source>
        <translation>förlust över hälften av insatsen</translation>
    </message>
    <message>
        <source>%1 pelaajaa 1000:sta voitolla</source>
        <translation>%1 spelare av 1000 på plus</translation>
    </message>
    <message>
        <source>Voitolla (1000:sta)</source>
        <translation>På plus (av 1000)</translation>
    </message>
    <message>
        <source>Arvauksesi</source>
        <translation>Din gissning</translation>
    </message>
    <message>
        <source>Toteutui</source>
        <translation>Utfall</translation>
    </message>
    <message>
        <source>Tarkka</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>Rivit</source>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Kaikki pelaajat</source>
        <translation>Alla spelare</translation>
    </message>
    <message>
        <source>Tallenna vastaukset…</source>
        <translation>Spara svaren…</translation>
    </message>
    <message>
        <source>Zarnon oppitunnit (*.json)</source>
        <translation>Zarnos lektioner (*.json)</translation>
    </message>
    <message>
        <source>Vastausten tallennus ei onnistunut.</source>
        <translation>Svaren kunde inte sparas.</translation>
    </message>
    <message>
        <source>Tiedosto ei ole Zarnon oppitunti.</source>
        <translation>Filen är inte en lektion i Zarno.</translation>
    </message>
    <message>
        <source>luokan tallennetut oppitunnit, oppilas riville ja yhteenveto (text tai csv)</source>
        <translation>klassens sparade lektioner, en elev per rad och en sammanfattning (text eller csv)</translation>
    </message>
    <message>
        <source>--lessons ottaa yhden tai useamman tallennetun oppitunnin.</source>
        <translation>--lessons tar en eller flera sparade lektioner.</translation>
    </message>
    <message>
        <source>--lessons kirjoittaa tekstinä tai CSV:nä (--format text tai csv).</source>
        <translation>--lessons skriver text eller CSV (--format text eller csv).</translation>
    </message>
    <message>
        <source>--lessons: oppituntia %1 ei voitu lukea: %2</source>
        <translation>--lessons: lektionen %1 kunde inte läsas: %2</translation>
    </message>
    <message>
        <source>Oppilaat</source>
        <translation>Elever</translation>
    </message>
    <message>
        <source>Yhteenveto</source>
        <translation>Sammanfattning</translation>
    </message>
</context>
</TS>
