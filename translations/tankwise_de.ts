<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Prog Name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Visit the Tankwise web site</source>
        <translation>Die Tankwise-Webseite besuchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Prog Version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>Keeps track of the oil you burn and what it costs.</source>
        <translation>Behält im Blick, wie viel Heizöl Sie verbrauchen und was es kostet.</translation>
    </message>
    <message>
        <source>Close Tankwise About Screen</source>
        <translation>Das Fenster „Über Tankwise“ schließen</translation>
    </message>
    <message>
        <source>About Tankwise</source>
        <translation>Über Tankwise</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Oil in tanks</source>
        <translation>Heizöl im Tank</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Oil used</source>
        <translation>Verbrauch</translation>
    </message>
    <message>
        <source>Oil delivered</source>
        <translation>Geliefert</translation>
    </message>
    <message>
        <source>Use per day</source>
        <translation>Verbrauch pro Tag</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Kosten pro Tag</translation>
    </message>
    <message>
        <source>Tank A reading</source>
        <translation>Füllstand Tank A</translation>
    </message>
    <message>
        <source>Tank B reading</source>
        <translation>Füllstand Tank B</translation>
    </message>
    <message>
        <source>Oil value</source>
        <translation>Heizölwert</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Delivery charge</source>
        <translation>Liefergebühr</translation>
    </message>
    <message>
        <source>Oil tax rate</source>
        <translation>MwSt.-Satz</translation>
    </message>
    <message>
        <source>Charge tax rate</source>
        <translation>MwSt. Lieferung</translation>
    </message>
    <message>
        <source>Reading date</source>
        <translation>Ende des Zeitraums</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Oil left</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <source>CO2 per day</source>
        <translation>CO2 pro Tag</translation>
    </message>
    <message>
        <source>Prediction months</source>
        <translation>Vorhersagemonate</translation>
    </message>
    <message>
        <source>Tanks empty</source>
        <translation>Tank leer am</translation>
    </message>
    <message>
        <source>Predicted oil used</source>
        <translation>Vorhergesagter Verbrauch</translation>
    </message>
    <message>
        <source>Predicted cost</source>
        <translation>Vorhergesagte Kosten</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Spreadsheet in this language (*.csv)</source>
        <translation>Tabellenkalkulation in dieser Sprache (*.csv)</translation>
    </message>
    <message>
        <source>Portable CSV: commas, periods, ISO dates (*.csv)</source>
        <translation>Portables CSV: Kommas, Dezimalpunkt, ISO-Datum (*.csv)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Form1</source>
        <translation>Tankwise</translation>
    </message>
    <message>
        <source>Visit the Tankwise web site</source>
        <translation>Die Tankwise-Webseite besuchen</translation>
    </message>
    <message>
        <source>Oil Use Cost Calculator</source>
        <translation>Heizölverbrauch und Kosten</translation>
    </message>
    <message>
        <source>Readings &amp;&amp; Deliveries</source>
        <translation>Peilungen &amp;&amp; Lieferungen</translation>
    </message>
    <message>
        <source>Tank Readings</source>
        <translation>Füllstände</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Tank A</source>
        <translation>Tank A</translation>
    </message>
    <message>
        <source>Tank B</source>
        <translation>Tank B</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>HZ</translation>
    </message>
    <message>
        <source>Central heating</source>
        <translation>Heizung</translation>
    </message>
    <message>
        <source>HW</source>
        <translation>WW</translation>
    </message>
    <message>
        <source>Water heating</source>
        <translation>Warmwasser</translation>
    </message>
    <message>
        <source>Reading &amp;1:</source>
        <translation>Peilung &amp;1:</translation>
    </message>
    <message>
        <source>Reading &amp;2:</source>
        <translation>Peilung &amp;2:</translation>
    </message>
    <message>
        <source>Deliveries</source>
        <translation>Lieferungen</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Litres Added</source>
        <translation>Gelieferte Liter</translation>
    </message>
    <message>
        <source>Oil Cost per litre</source>
        <translation>Heizölpreis je Liter</translation>
    </message>
    <message>
        <source>Delivery Charge</source>
        <translation>Liefergebühr</translation>
    </message>
    <message>
        <source>Delivery 1:</source>
        <translation>Lieferung 1:</translation>
    </message>
    <message>
        <source>Delivery 2:</source>
        <translation>Lieferung 2:</translation>
    </message>
    <message>
        <source>Price o&amp;f oil in tank:</source>
        <translation>&amp;Preis des Heizöls im Tank:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>Tan&amp;k &amp;&amp; Oil Data</source>
        <translation>Tan&amp;k &amp;&amp; Heizöl</translation>
    </message>
    <message>
        <source>Tank &amp;&amp; Oil Data</source>
        <translation>Tank &amp;&amp; Heizöl</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Fassungsvermögen</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Peilstab-Versatz:</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Tank A:</source>
        <translation>Tank A:</translation>
    </message>
    <message>
        <source>Tank A Offset</source>
        <translation>Peilstab-Versatz Tank A</translation>
    </message>
    <message>
        <source>Tank B:</source>
        <translation>Tank B:</translation>
    </message>
    <message>
        <source>Tank B Offset</source>
        <translation>Peilstab-Versatz Tank B</translation>
    </message>
    <message>
        <source>Oil VAT:</source>
        <translation>MwSt. Heizöl:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Del VAT:</source>
        <translation>MwSt. Lieferung:</translation>
    </message>
    <message>
        <source>C&amp;O2:</source>
        <translation>C&amp;O2:</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>&amp;Prediction:</source>
        <translation>Vorhersa&amp;ge:</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Inches:</source>
        <translation>Zoll:</translation>
    </message>
    <message>
        <source>Gallons:</source>
        <translation>Gallonen:</translation>
    </message>
    <message>
        <source>Pounds:</source>
        <translation>Pfund:</translation>
    </message>
    <message>
        <source>Auto Save:</source>
        <translation>Automatisch speichern:</translation>
    </message>
    <message>
        <source>On Top:</source>
        <translation>Im Vordergrund:</translation>
    </message>
    <message>
        <source>Auto Check:</source>
        <translation>Automatisch prüfen:</translation>
    </message>
    <message>
        <source>No History:</source>
        <translation>Ohne Verlauf:</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Total Litres</source>
        <translation>Liter gesamt</translation>
    </message>
    <message>
        <source>Cost (inc Del)</source>
        <translation>Kosten (inkl. Lieferung)</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>Cost (inc VAT)</source>
        <translation>Kosten (inkl. MwSt.)</translation>
    </message>
    <message>
        <source>CO2 Kg Generated</source>
        <translation>CO2 erzeugt (kg)</translation>
    </message>
    <message>
        <source>Actual:</source>
        <translation>Ist:</translation>
    </message>
    <message>
        <source>Predict:</source>
        <translation>Vorhersage:</translation>
    </message>
    <message>
        <source>Gallons/Day:</source>
        <translation>Gallonen/Tag:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Rest:</translation>
    </message>
    <message>
        <source>Gal</source>
        <translation>Gal.</translation>
    </message>
    <message>
        <source>Cost /Day:</source>
        <translation>Kosten/Tag:</translation>
    </message>
    <message>
        <source>Fill Up By</source>
        <translation>Auffüllen bis</translation>
    </message>
    <message>
        <source>CO2 Kg/Day:</source>
        <translation>CO2 kg/Tag:</translation>
    </message>
    <message>
        <source>Order By</source>
        <translation>Bestellen bis</translation>
    </message>
    <message>
        <source>Forecast:</source>
        <translation>Prognose:</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Get Last</source>
        <translation>Letzte &amp;holen</translation>
    </message>
    <message>
        <source>Sa&amp;ve Data</source>
        <translation>Daten spei&amp;chern</translation>
    </message>
    <message>
        <source>Reset &amp;Data</source>
        <translation>Daten &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>E&amp;rgebnisse</translation>
    </message>
    <message>
        <source>His&amp;tory</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Del&amp;iveries</source>
        <translation>Lie&amp;ferungen</translation>
    </message>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archivieren</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Akt&amp;ualisieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Added:</source>
        <translation>Geliefert:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Litres/Day:</source>
        <translation>Liter/Tag:</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>Amount of oil left in gallons</source>
        <translation>Verbleibendes Heizöl in Gallonen</translation>
    </message>
    <message>
        <source>Amount of oil left in litres</source>
        <translation>Verbleibendes Heizöl in Litern</translation>
    </message>
    <message>
        <source>Oil Cost per Gallon</source>
        <translation>Heizölpreis je Gallone</translation>
    </message>
    <message>
        <source>Oil Cost per Litre</source>
        <translation>Heizölpreis je Liter</translation>
    </message>
    <message>
        <source>Gallons Added</source>
        <translation>Gelieferte Gallonen</translation>
    </message>
    <message>
        <source>Total Gallons</source>
        <translation>Gallonen gesamt</translation>
    </message>
    <message>
        <source>Total number of gallons used</source>
        <translation>Verbrauchte Gallonen insgesamt</translation>
    </message>
    <message>
        <source>Total number of litres used</source>
        <translation>Verbrauchte Liter insgesamt</translation>
    </message>
    <message>
        <source>Total number of gallons predicted</source>
        <translation>Vorhergesagte Gallonen insgesamt</translation>
    </message>
    <message>
        <source>Total number of litres predicted</source>
        <translation>Vorhergesagte Liter insgesamt</translation>
    </message>
    <message>
        <source>Number gallons added (1 - 9999)</source>
        <translation>Gelieferte Gallonen (1 - 9999)</translation>
    </message>
    <message>
        <source>Number litres added (1 - 9999)</source>
        <translation>Gelieferte Liter (1 - 9999)</translation>
    </message>
    <message>
        <source>Gallons of oil used per day</source>
        <translation>Heizölverbrauch in Gallonen pro Tag</translation>
    </message>
    <message>
        <source>Litres of oil used per day</source>
        <translation>Heizölverbrauch in Litern pro Tag</translation>
    </message>
    <message>
        <source>The price paid for the oil already in the tank at Tank Reading 1, per gallon before VAT: costs can then be worked out from the first calculation</source>
        <translation>Der Preis des Heizöls, das bei Peilung 1 schon im Tank war, je Gallone ohne MwSt.: so lassen sich die Kosten schon ab der ersten Berechnung ermitteln</translation>
    </message>
    <message>
        <source>The price paid for the oil already in the tank at Tank Reading 1, per litre before VAT: costs can then be worked out from the first calculation</source>
        <translation>Der Preis des Heizöls, das bei Peilung 1 schon im Tank war, je Liter ohne MwSt.: so lassen sich die Kosten schon ab der ersten Berechnung ermitteln</translation>
    </message>
    <message>
        <source>Tank A Capacity (100 - 9999)</source>
        <translation>Fassungsvermögen Tank A (100 - 9999)</translation>
    </message>
    <message>
        <source>Tank B Capacity (Empty or 100 - 9999)</source>
        <translation>Fassungsvermögen Tank B (leer oder 100 - 9999)</translation>
    </message>
    <message>
        <source>Tank A Depth (Empty or 10 - 300)</source>
        <translation>Höhe Tank A (leer oder 10 - 300)</translation>
    </message>
    <message>
        <source>Tank B Depth (Empty or 10 - 300)</source>
        <translation>Höhe Tank B (leer oder 10 - 300)</translation>
    </message>
    <message>
        <source>Tank A Shape</source>
        <translation>Form von Tank A</translation>
    </message>
    <message>
        <source>Tank B Shape</source>
        <translation>Form von Tank B</translation>
    </message>
    <message>
        <source>Tank A Offset ((Empty or 0.1 to 10.0)</source>
        <translation>Peilstab-Versatz Tank A (leer oder 0,1 bis 10,0)</translation>
    </message>
    <message>
        <source>Tank B Offset ((Empty or 0.1 to 10.0)</source>
        <translation>Peilstab-Versatz Tank B (leer oder 0,1 bis 10,0)</translation>
    </message>
    <message>
        <source>Enter Tank B Reading in litres if ticked and cm if unticked</source>
        <translation>Angehakt: Füllstand von Tank B in Litern, sonst in cm</translation>
    </message>
    <message>
        <source>CO2 Conversion Factor (0.50 to 10.00 )</source>
        <translation>CO2-Umrechnungsfaktor (0,50 bis 10,00)</translation>
    </message>
    <message>
        <source>Prediction period in months  (0 ( No Prediction) or between 1 and 12)</source>
        <translation>Vorhersagezeitraum in Monaten (0 = keine Vorhersage, sonst 1 bis 12)</translation>
    </message>
    <message>
        <source>Work in inches instead of centimetre if ticked</source>
        <translation>Angehakt: in Zoll statt Zentimetern rechnen</translation>
    </message>
    <message>
        <source>Work in gallons instead of litres if ticked</source>
        <translation>Angehakt: in Gallonen statt Litern rechnen</translation>
    </message>
    <message>
        <source>Work in pounds instead of kilograms if ticked</source>
        <translation>Angehakt: in Pfund statt Kilogramm rechnen</translation>
    </message>
    <message>
        <source>Save result to log files when Calculate clicked ( provided no errors occur)</source>
        <translation>Ergebnis beim Berechnen gleich in die Protokolle speichern (wenn kein Fehler auftritt)</translation>
    </message>
    <message>
        <source>Set Tankwise to run on top</source>
        <translation>Tankwise immer im Vordergrund halten</translation>
    </message>
    <message>
        <source>Enable automatic check for new version</source>
        <translation>Automatisch nach einer neuen Version suchen</translation>
    </message>
    <message>
        <source>If ticked history and delivery logs will not be updated when saving</source>
        <translation>Angehakt: Verlaufs- und Lieferprotokoll werden beim Speichern nicht fortgeschrieben</translation>
    </message>
    <message>
        <source>Tank Reading 1 date (empty or a valid date more than 3 days earlier than Tank Reading 2)</source>
        <translation>Datum der Peilung 1 (leer oder ein gültiges Datum mehr als 3 Tage vor Peilung 2)</translation>
    </message>
    <message>
        <source>Tank Reading 2 date (empty or a valid date more than 3 days later than Tank Reading 1)</source>
        <translation>Datum der Peilung 2 (leer oder ein gültiges Datum mehr als 3 Tage nach Peilung 1)</translation>
    </message>
    <message>
        <source>Central Heating on if ticked</source>
        <translation>Angehakt: Heizung an</translation>
    </message>
    <message>
        <source>Water heating on if ticked</source>
        <translation>Angehakt: Warmwasserbereitung an</translation>
    </message>
    <message>
        <source>Delivery 1 date (empty or a valid date between or the same as either Tank Reading 1 or Tank Reading 2)</source>
        <translation>Datum der Lieferung 1 (leer oder ein gültiges Datum von Peilung 1 bis Peilung 2)</translation>
    </message>
    <message>
        <source>Delivery 2 date (empty or a valid date between or the same as either Tank Reading 1 or Tank Reading 2)</source>
        <translation>Datum der Lieferung 2 (leer oder ein gültiges Datum von Peilung 1 bis Peilung 2)</translation>
    </message>
    <message>
        <source>Delivery 1 amount of oil delivered ( 0 or between 100 and Available Tank Capacity)</source>
        <translation>Liefermenge der Lieferung 1 (0 oder 100 bis zum freien Tankvolumen)</translation>
    </message>
    <message>
        <source>Delivery 2 amount of oil delivered ( 0 or between 100 and Available Tank Capacity)</source>
        <translation>Liefermenge der Lieferung 2 (0 oder 100 bis zum freien Tankvolumen)</translation>
    </message>
    <message>
        <source>Notes relating to calculation (max 75 characters)</source>
        <translation>Notizen zur Berechnung (höchstens 75 Zeichen)</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Anzahl Tage</translation>
    </message>
    <message>
        <source>Number of days in prediction period</source>
        <translation>Anzahl Tage im Vorhersagezeitraum</translation>
    </message>
    <message>
        <source>Total Cost (less VAT)</source>
        <translation>Gesamtkosten (ohne MwSt.)</translation>
    </message>
    <message>
        <source>Predicted Total Cost (less VAT)</source>
        <translation>Vorhergesagte Gesamtkosten (ohne MwSt.)</translation>
    </message>
    <message>
        <source>Total Cost (inc VAT)</source>
        <translation>Gesamtkosten (inkl. MwSt.)</translation>
    </message>
    <message>
        <source>Predicted Total Cost (inc VAT)</source>
        <translation>Vorhergesagte Gesamtkosten (inkl. MwSt.)</translation>
    </message>
    <message>
        <source>Amount of CO2 generated in Kg</source>
        <translation>Erzeugtes CO2 in kg</translation>
    </message>
    <message>
        <source>Predicted amount of CO2 generated in Kg</source>
        <translation>Vorhergesagtes CO2 in kg</translation>
    </message>
    <message>
        <source>Oil used per day</source>
        <translation>Heizölverbrauch pro Tag</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Kosten pro Tag</translation>
    </message>
    <message>
        <source>Cost per day predicted</source>
        <translation>Vorhergesagte Kosten pro Tag</translation>
    </message>
    <message>
        <source>Predicted date tank(s) empty</source>
        <translation>Voraussichtliches Datum, an dem der Tank leer ist</translation>
    </message>
    <message>
        <source>Date to order oil by, so it comes before the reserve is reached</source>
        <translation>Bis zu diesem Datum Heizöl bestellen, damit es vor Erreichen der Reserve kommt</translation>
    </message>
    <message>
        <source>The date the tanks run dry and the use fitted to the saved readings</source>
        <translation>Das Datum, an dem der Tank leer ist, und der aus den gespeicherten Peilungen ermittelte Verbrauch</translation>
    </message>
    <message>
        <source>Calculate results</source>
        <translation>Ergebnisse berechnen</translation>
    </message>
    <message>
        <source>Save results  (each result can only be saved once)</source>
        <translation>Ergebnisse speichern (jedes Ergebnis nur einmal)</translation>
    </message>
    <message>
        <source>Clear all tank readings, deliveries and results</source>
        <translation>Alle Peilungen, Lieferungen und Ergebnisse leeren</translation>
    </message>
    <message>
        <source>Retrieve last tank readings and deliveries saved</source>
        <translation>Die zuletzt gespeicherten Peilungen und Lieferungen holen</translation>
    </message>
    <message>
        <source>View results log (it will not be updated while open)</source>
        <translation>Ergebnisprotokoll anzeigen</translation>
    </message>
    <message>
        <source>View tank readings history (it will not be updated while open)</source>
        <translation>Verlauf der Peilungen anzeigen</translation>
    </message>
    <message>
        <source>View oil delivery history (it will not be updated while open)</source>
        <translation>Verlauf der Heizöllieferungen anzeigen</translation>
    </message>
    <message>
        <source>Archive Tankwise results log file and create new one</source>
        <translation>Das Ergebnisprotokoll archivieren und ein neues beginnen</translation>
    </message>
    <message>
        <source>Save Tank &amp; Oil Data</source>
        <translation>Tank- und Heizöldaten speichern</translation>
    </message>
    <message>
        <source>Reset Tank &amp; Oil Data</source>
        <translation>Tank- und Heizöldaten zurücksetzen</translation>
    </message>
    <message>
        <source>Check the Hollyoak web site for the latest version of Tankwise</source>
        <translation>Auf der Webseite nach der neuesten Version von Tankwise suchen</translation>
    </message>
    <message>
        <source>Tankwise help</source>
        <translation>Hilfe zu Tankwise</translation>
    </message>
    <message>
        <source>About Tankwise</source>
        <translation>Über Tankwise</translation>
    </message>
    <message>
        <source>Close Tankwise</source>
        <translation>Tankwise beenden</translation>
    </message>
    <message>
        <source>Cylindrical (H)</source>
        <translation>Zylinder liegend</translation>
    </message>
    <message>
        <source>Cylindrical (V)</source>
        <translation>Zylinder stehend</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Quaderförmig</translation>
    </message>
    <message>
        <source>Results Log File Archived</source>
        <translation>Ergebnisprotokoll archiviert</translation>
    </message>
    <message>
        <source>Results Log File Cleared</source>
        <translation>Ergebnisprotokoll geleert</translation>
    </message>
    <message>
        <source>Data Cleared</source>
        <translation>Eingaben geleert</translation>
    </message>
    <message>
        <source>Last Saved Data Restored</source>
        <translation>Zuletzt gespeicherte Werte geholt</translation>
    </message>
    <message>
        <source>No Previous Readings Or Deliveries To Restore</source>
        <translation>Keine früheren Peilungen oder Lieferungen vorhanden</translation>
    </message>
    <message>
        <source>Data Restored</source>
        <translation>Daten zurückgesetzt</translation>
    </message>
    <message>
        <source>No Calculation Saved</source>
        <translation>Keine Berechnung gespeichert</translation>
    </message>
    <message>
        <source>Calculation Not Saved</source>
        <translation>Berechnung nicht gespeichert</translation>
    </message>
    <message>
        <source>Calculation Saved</source>
        <translation>Berechnung gespeichert</translation>
    </message>
    <message>
        <source>Tank And Oil Data Saved</source>
        <translation>Tank- und Heizöldaten gespeichert</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Oil %1:</source>
        <translation>%1 Heizöl:</translation>
    </message>
    <message>
        <source>Del %1:</source>
        <translation>%1 Lieferung:</translation>
    </message>
    <message>
        <source>Delivery %1 Rate (0 or between 1 and 50%)</source>
        <translation>%1-Satz auf die Liefergebühr (0 oder 1 bis 50 %)</translation>
    </message>
    <message>
        <source>Oil %1 Rate (0 or between 1 and 50%)</source>
        <translation>%1-Satz auf das Heizöl (0 oder 1 bis 50 %)</translation>
    </message>
    <message>
        <source>Delivery cost for delivery %1 ( 0 or between 5 and 100)</source>
        <translation>Liefergebühr der Lieferung %1 (0 oder 5 bis 100)</translation>
    </message>
    <message>
        <source>Delivery cost for delivery %1 less %2 ( 0 or between 5 and 100)</source>
        <translation>Liefergebühr der Lieferung %1 ohne %2 (0 oder 5 bis 100)</translation>
    </message>
    <message>
        <source>Oil cost for delivery %1 (0 or between 0.10 and 9.99)</source>
        <translation>Heizölpreis der Lieferung %1 (0 oder 0,10 bis 9,99)</translation>
    </message>
    <message>
        <source>Oil cost for delivery %1 less %2 (0 or between 0.10 and 9.99)</source>
        <translation>Heizölpreis der Lieferung %1 ohne %2 (0 oder 0,10 bis 9,99)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>Cost (inc %1)</source>
        <translation>Kosten (inkl. %1)</translation>
    </message>
    <message>
        <source>Total Cost (inc %1)</source>
        <translation>Gesamtkosten (inkl. %1)</translation>
    </message>
    <message>
        <source>Predicted Total Cost</source>
        <translation>Vorhergesagte Gesamtkosten</translation>
    </message>
    <message>
        <source>Predicted Total Cost (inc %1)</source>
        <translation>Vorhergesagte Gesamtkosten (inkl. %1)</translation>
    </message>
    <message>
        <source>Total Cost before %1 (including delivery costs)</source>
        <translation>Gesamtkosten ohne %1 (inkl. Liefergebühren)</translation>
    </message>
    <message>
        <source>Predicted Total Cost before %1 (including delivery costs)</source>
        <translation>Vorhergesagte Gesamtkosten ohne %1 (inkl. Liefergebühren)</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>%1 gesamt</translation>
    </message>
    <message>
        <source>Total %1 Cost (including delivery %1)</source>
        <translation>%1 insgesamt (inkl. %1 auf die Lieferung)</translation>
    </message>
    <message>
        <source>Total Predicted %1 Cost (including delivery %1)</source>
        <translation>Vorhergesagte %1 insgesamt (inkl. %1 auf die Lieferung)</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>gals</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>Kgm</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>Litern</translation>
    </message>
    <message>
        <source>Enter Tank %1 Readings in %2 if ticked and %3 if unticked</source>
        <translation>Angehakt: Füllstände von Tank %1 in %2, sonst in %3</translation>
    </message>
    <message>
        <source>CO2 %1 Generated</source>
        <translation>CO2 erzeugt (%1)</translation>
    </message>
    <message>
        <source>CO2 %1/Day:</source>
        <translation>CO2 %1/Tag:</translation>
    </message>
    <message>
        <source>CO2 generated daily in %1</source>
        <translation>Täglich erzeugtes CO2 in %1</translation>
    </message>
    <message>
        <source>Amount of CO2 generated in %1</source>
        <translation>Erzeugtes CO2 in %1</translation>
    </message>
    <message>
        <source>Predicted amount of CO2 generated in %1</source>
        <translation>Vorhergesagtes CO2 in %1</translation>
    </message>
    <message>
        <source>Tank %1 (%2)</source>
        <translation>Tank %1 (%2)</translation>
    </message>
    <message>
        <source>Costs Not Calculated</source>
        <translation>Kosten nicht berechnet</translation>
    </message>
    <message>
        <source>First Use Calculated</source>
        <translation>Erster Verbrauch berechnet</translation>
    </message>
    <message>
        <source>The forecast uses saved readings only: save this calculation to see when to order oil</source>
        <translation>Die Prognose beruht nur auf gespeicherten Peilungen: Speichern Sie diese Berechnung, um zu sehen, bis wann Sie Heizöl bestellen sollten</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Update check</source>
        <translation>Suche nach Aktualisierungen</translation>
    </message>
    <message>
        <source>How the check for a newer version went</source>
        <translation>Ergebnis der Suche nach einer neueren Version</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Neueste Version</translation>
    </message>
    <message>
        <source>The newest version of Tankwise the web site offers</source>
        <translation>Die neueste Version von Tankwise auf der Webseite</translation>
    </message>
    <message>
        <source>Message from the web site</source>
        <translation>Nachricht der Webseite</translation>
    </message>
    <message>
        <source>What the web site says about the newest version</source>
        <translation>Was die Webseite zur neuesten Version sagt</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Versionsgeschichte</translation>
    </message>
    <message>
        <source>&amp;Known Issues</source>
        <translation>&amp;Bekannte Probleme</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 Update Check</source>
        <translation>%1 – Suche nach Aktualisierungen</translation>
    </message>
    <message>
        <source>Please Wait - Checking for the latest version</source>
        <translation>Bitte warten – die neueste Version wird gesucht</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Close %1 update check</source>
        <translation>Die Suche nach Aktualisierungen von %1 schließen</translation>
    </message>
    <message>
        <source>%1 website</source>
        <translation>Webseite von %1</translation>
    </message>
    <message>
        <source>%1 known issues</source>
        <translation>Bekannte Probleme von %1</translation>
    </message>
    <message>
        <source>Unable to contact web site - try later</source>
        <translation>Webseite nicht erreichbar – bitte später erneut versuchen</translation>
    </message>
    <message>
        <source>Getting latest version of %1</source>
        <translation>Neueste Version von %1 wird abgerufen</translation>
    </message>
    <message>
        <source>Unable to contact web site</source>
        <translation>Webseite nicht erreichbar</translation>
    </message>
</context>
</TS>
