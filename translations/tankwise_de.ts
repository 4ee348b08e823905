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
    <name>ColumnChooser</name>
    <message>
        <source>(not imported)</source>
        <translation>(nicht importieren)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Tank A reading</source>
        <translation>Peilung Tank A</translation>
    </message>
    <message>
        <source>Tank B reading</source>
        <translation>Peilung Tank B</translation>
    </message>
    <message>
        <source>Amount delivered</source>
        <translation>Liefermenge</translation>
    </message>
    <message>
        <source>Price per unit</source>
        <translation>Preis je Einheit</translation>
    </message>
    <message>
        <source>Delivery charge</source>
        <translation>Liefergebühr</translation>
    </message>
    <message>
        <source>Oil tax rate</source>
        <translation>MwSt.-Satz Heizöl</translation>
    </message>
    <message>
        <source>Charge tax rate</source>
        <translation>MwSt.-Satz Liefergebühr</translation>
    </message>
    <message>
        <source>Oil value</source>
        <translation>Wert des Heizöls</translation>
    </message>
    <message>
        <source>Reading date</source>
        <translation>Datum der Peilung</translation>
    </message>
    <message>
        <source>Tankwise Import: %1</source>
        <translation>Tankwise-Import: %1</translation>
    </message>
    <message>
        <source>What does each column hold?</source>
        <translation>Was steht in welcher Spalte?</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a column&apos;s header (its first value)</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The option --folder needs the name of a folder.</source>
        <translation>Die Option --folder braucht den Namen eines Ordners.</translation>
    </message>
    <message>
        <source>The option --lang needs a language: de, fr or en.</source>
        <translation>Die Option --lang braucht eine Sprache: de, fr oder en.</translation>
    </message>
    <message>
        <source>The option --export-csv needs the folder to write the files into.</source>
        <translation>Die Option --export-csv braucht den Ordner, in den die Dateien geschrieben werden.</translation>
    </message>
    <message>
        <source>The option --import-csv needs the file to import.</source>
        <translation>Die Option --import-csv braucht die zu importierende Datei.</translation>
    </message>
    <message>
        <source>The option --statement needs a heating season (2024/25) or a year (2024).</source>
        <translation>Die Option --statement braucht eine Heizperiode (2024/25) oder ein Jahr (2024).</translation>
    </message>
    <message>
        <source>The option --pdf needs the name of the file to write.</source>
        <translation>Die Option --pdf braucht den Namen der zu schreibenden Datei.</translation>
    </message>
    <message>
        <source>%1 is not a heating season (2024/25) or a year (2024).</source>
        <translation>%1 ist keine Heizperiode (2024/25) und kein Jahr (2024).</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>The option --pdf goes with --statement SEASON.</source>
        <translation>Die Option --pdf gehört zu --statement SEASON.</translation>
    </message>
    <message>
        <source>The option --statement needs --pdf FILE, the file to write.</source>
        <translation>Die Option --statement braucht --pdf FILE, die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>work in PATH instead of the usual working folder</source>
        <translation>in PATH statt im üblichen Arbeitsordner arbeiten</translation>
    </message>
    <message>
        <source>show the windows in German (de), French (fr) or English
(en) instead of the desktop&apos;s language</source>
        <translation>die Fenster auf Deutsch (de), Französisch (fr) oder
Englisch (en) statt in der Sprache des Desktops zeigen</translation>
    </message>
    <message>
        <source>write the three logs as CSV files into FOLDER (created
when missing) and end, without a window</source>
        <translation>die drei Protokolle als CSV-Dateien in FOLDER schreiben
(wird bei Bedarf angelegt) und ohne Fenster beenden</translation>
    </message>
    <message>
        <source>calculate and save the readings and deliveries of a
spreadsheet file, all or none, and end, without a window;
--day-first or --month-first tells how to read dates
such as 03/04/2024</source>
        <translation>die Peilungen und Lieferungen einer Tabellendatei
berechnen und speichern, alle oder keine, und ohne
Fenster beenden; --day-first oder --month-first sagt,
wie Daten wie 03/04/2024 zu lesen sind</translation>
    </message>
    <message>
        <source>print the heating-season forecast and end</source>
        <translation>die Prognose für die Heizperiode ausgeben und beenden</translation>
    </message>
    <message>
        <source>write the statement of a heating season (2024/25) or a
calendar year (2024) as a PDF file and end</source>
        <translation>die Abrechnung einer Heizperiode (2024/25) oder eines
Kalenderjahres (2024) als PDF schreiben und beenden</translation>
    </message>
    <message>
        <source>print this text and end</source>
        <translation>diesen Text ausgeben und beenden</translation>
    </message>
    <message>
        <source>print the version and end</source>
        <translation>die Version ausgeben und beenden</translation>
    </message>
    <message>
        <source>-InhibitErrorCheck, -InhibitCombCheck, -ShortUpdateTime
or -InhibitUpdate (see the help page)</source>
        <translation>-InhibitErrorCheck, -InhibitCombCheck, -ShortUpdateTime
oder -InhibitUpdate (siehe Hilfeseite)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>The option --csv-style needs a style: portable or local.</source>
        <translation>Die Option --csv-style braucht einen Stil: portable oder local.</translation>
    </message>
    <message>
        <source>The option --csv-style goes with --export-csv FOLDER.</source>
        <translation>Die Option --csv-style gehört zu --export-csv ORDNER.</translation>
    </message>
    <message>
        <source>with --export-csv: portable (the default: commas, numbers
with a period, ISO dates) or local (the spreadsheet form
of the desktop&apos;s locale: in German and French semicolons,
decimal commas and dates as the locale writes them)</source>
        <translation>mit --export-csv: portable (Vorgabe: Kommas, Zahlen mit
Punkt, ISO-Datum) oder local (die Tabellenform der
Spracheinstellung: auf Deutsch und Französisch Semikolons,
Dezimalkomma und Datum, wie die Spracheinstellung es schreibt)</translation>
    </message>
</context>
<context>
    <name>CsvCommand</name>
    <message>
        <source>--export-csv needs the folder to write the files into</source>
        <translation>--export-csv braucht den Ordner, in den die Dateien geschrieben werden</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 row</source>
        <translation>%1: %2 Zeile</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 Zeilen</translation>
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
    <name>Forecast</name>
    <message>
        <source>Forecast.ini cannot be read; the defaults are used.</source>
        <translation>Forecast.ini kann nicht gelesen werden; es gelten die Standardwerte.</translation>
    </message>
    <message>
        <source>DegreeDays.csv cannot be read.</source>
        <translation>DegreeDays.csv kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The history log cannot be read.</source>
        <translation>Das Verlaufsprotokoll kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No reading to start from.</source>
        <translation>Keine Peilung als Ausgangspunkt.</translation>
    </message>
    <message>
        <source>. Order by is set by Fill Up By %1 less %2 days&apos; lead time, which comes before the weather-aware date</source>
        <translation>. Bestellen bis: „Auffüllen bis“ %1 abzüglich %2 Tage Lieferzeit; das liegt vor dem wetterabhängigen Datum</translation>
    </message>
    <message>
        <source>. Order by is set by the weather-aware date the tanks reach the reserve, less %1 days&apos; lead time</source>
        <translation>. Bestellen bis: wetterabhängiges Datum, an dem der Tank die Reserve erreicht, abzüglich %1 Tage Lieferzeit</translation>
    </message>
    <message>
        <source>. From saved readings only.</source>
        <translation>. Nur aus gespeicherten Peilungen.</translation>
    </message>
    <message>
        <source>Order by %1.</source>
        <translation>Bestellen bis %1.</translation>
    </message>
    <message>
        <source>Unable to save the forecast settings to Data/Forecast.ini.</source>
        <translation>Die Vorhersage-Einstellungen können nicht in Data/Forecast.ini gespeichert werden.</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>britische</translation>
    </message>
    <message>
        <source>degree day</source>
        <translation>Gradtag</translation>
    </message>
    <message>
        <source>German</source>
        <translation>deutsche</translation>
    </message>
    <message>
        <source>‰ of the heating year</source>
        <translation>‰ des Heizjahres</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>%1 has &quot;%2&quot;, not a number, on line %3.</source>
        <translation>%1 enthält in Zeile %3 „%2“ statt einer Zahl.</translation>
    </message>
    <message>
        <source>%1 has a negative value on line %2.</source>
        <translation>%1 enthält in Zeile %2 einen negativen Wert.</translation>
    </message>
    <message>
        <source>%1 has a negative value.</source>
        <translation>%1 enthält einen negativen Wert.</translation>
    </message>
    <message>
        <source>%1 has %2 monthly values, not 12.</source>
        <translation>%1 enthält %2 Monatswerte statt 12.</translation>
    </message>
    <message>
        <source>%1 has more than 12 monthly values.</source>
        <translation>%1 enthält mehr als 12 Monatswerte.</translation>
    </message>
    <message>
        <source>%1 has no heating month.</source>
        <translation>%1 enthält keinen Heizmonat.</translation>
    </message>
    <message>
        <source>No period with readings to fit.</source>
        <translation>Kein Zeitraum mit Peilungen für die Vorhersage.</translation>
    </message>
    <message>
        <source>%1 The %2 profile is used.</source>
        <translation>%1 Es wird das %2 Profil verwendet.</translation>
    </message>
    <message>
        <source>Forecast.ini: %1=%2 is not %3; the default is used.</source>
        <translation>Forecast.ini: %1=%2 ist nicht %3; es gilt der Standardwert.</translation>
    </message>
    <message>
        <source>a percentage from 0 to %1</source>
        <translation>ein Prozentsatz von 0 bis %1</translation>
    </message>
    <message>
        <source>a whole number of days from 0 to %1</source>
        <translation>eine ganze Zahl von Tagen von 0 bis %1</translation>
    </message>
    <message>
        <source>Auto, UK, German or File</source>
        <translation>Auto, UK, German oder File</translation>
    </message>
    <message>
        <source>No forecast: %1</source>
        <translation>Keine Vorhersage: %1</translation>
    </message>
    <message>
        <source>Runs out %1</source>
        <translation>Leer am %1</translation>
    </message>
    <message>
        <source>Does not run out within ten years</source>
        <translation>Wird innerhalb von zehn Jahren nicht leer</translation>
    </message>
    <message>
        <source>%1; %2 %3/day base + %4 %3 per %5</source>
        <translation>%1; Grundlast %2 %3/Tag + %4 %3 je %5</translation>
    </message>
</context>
<context>
    <name>ForecastChart</name>
    <message>
        <source>Order now, due %1</source>
        <translation>Jetzt bestellen, fällig %1</translation>
    </message>
    <message>
        <source>Order by %1</source>
        <translation>Bestellen bis %1</translation>
    </message>
    <message>
        <source>Runs out %1</source>
        <translation>Leer am %1</translation>
    </message>
</context>
<context>
    <name>ForecastCommand</name>
    <message>
        <source>the working folder %1 cannot be used: it is not a folder that can be read</source>
        <translation>der Arbeitsordner %1 ist nicht nutzbar: er ist kein lesbarer Ordner</translation>
    </message>
    <message>
        <source>the working folder %1 cannot be used: it does not exist</source>
        <translation>der Arbeitsordner %1 ist nicht nutzbar: er existiert nicht</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>%1 per day</source>
        <translation>%1 pro Tag</translation>
    </message>
    <message>
        <source>Oil in tanks (%1)</source>
        <translation>Heizöl im Tank (%1)</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Reserve %1 %2</source>
        <translation>Reserve %1 %2</translation>
    </message>
    <message>
        <source>Oil in tanks</source>
        <translation>Heizöl im Tank</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Kosten pro Tag</translation>
    </message>
    <message>
        <source>Cost per day (%1)</source>
        <translation>Kosten pro Tag (%1)</translation>
    </message>
    <message>
        <source>Delivery</source>
        <translation>Lieferung</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>%1: starting reading</source>
        <translation>%1: erste Peilung</translation>
    </message>
    <message>
        <source>%1 to %2: %3 days, %4 used</source>
        <translation>%1 bis %2: %3 Tage, %4 verbraucht</translation>
    </message>
    <message>
        <source>%1, costing %2</source>
        <translation>%1, Kosten %2</translation>
    </message>
    <message>
        <source>%1, %2 delivery</source>
        <translation>%1, %2 Lieferung</translation>
    </message>
    <message>
        <source>%1, %2 deliveries</source>
        <translation>%1, %2 Lieferungen</translation>
    </message>
    <message>
        <source>Already in the logs: %1 readings, %2 deliveries</source>
        <translation>Schon in den Protokollen: %1 Peilungen, %2 Lieferungen</translation>
    </message>
    <message>
        <source>--import-csv needs the file to import</source>
        <translation>--import-csv braucht die zu importierende Datei</translation>
    </message>
    <message>
        <source>Tankwise is running in %1: import from its History window, or close it first</source>
        <translation>Tankwise läuft in %1: importieren Sie aus seinem Verlaufsfenster oder beenden Sie es zuerst</translation>
    </message>
    <message>
        <source>the dates could be day first or month first: add --day-first or --month-first</source>
        <translation>die Daten können mit dem Tag oder dem Monat beginnen: geben Sie --day-first oder --month-first an</translation>
    </message>
    <message>
        <source>Nothing new to import</source>
        <translation>Nichts Neues zu importieren</translation>
    </message>
    <message>
        <source>nothing imported</source>
        <translation>nichts importiert</translation>
    </message>
    <message>
        <source>Imported %1 period</source>
        <translation>%1 Zeitraum importiert</translation>
    </message>
    <message>
        <source>Imported %1 periods</source>
        <translation>%1 Zeiträume importiert</translation>
    </message>
</context>
<context>
    <name>ImportCsv</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a date</source>
        <translation>%1 „%2“ ist kein Datum</translation>
    </message>
    <message>
        <source>No date column and no reading or amount column among the headers %1</source>
        <translation>Unter den Spaltenköpfen %1 ist keine Datumsspalte und keine Spalte für Peilung oder Menge</translation>
    </message>
    <message>
        <source>The date</source>
        <translation>Das Datum</translation>
    </message>
    <message>
        <source>The row has no date</source>
        <translation>Die Zeile hat kein Datum</translation>
    </message>
    <message>
        <source>Tank A&apos;s reading</source>
        <translation>Die Peilung von Tank A</translation>
    </message>
    <message>
        <source>Tank B&apos;s reading</source>
        <translation>Die Peilung von Tank B</translation>
    </message>
    <message>
        <source>The oil value</source>
        <translation>Der Wert des Heizöls</translation>
    </message>
    <message>
        <source>The amount</source>
        <translation>Die Menge</translation>
    </message>
    <message>
        <source>The price</source>
        <translation>Der Preis</translation>
    </message>
    <message>
        <source>The delivery has no price</source>
        <translation>Die Lieferung hat keinen Preis</translation>
    </message>
    <message>
        <source>The delivery charge</source>
        <translation>Die Liefergebühr</translation>
    </message>
    <message>
        <source>The tax rate</source>
        <translation>Der MwSt.-Satz</translation>
    </message>
    <message>
        <source>The charge&apos;s tax rate</source>
        <translation>Der MwSt.-Satz der Liefergebühr</translation>
    </message>
    <message>
        <source>The reading date</source>
        <translation>Das Datum der Peilung</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>Tank Reading Date 2 must be later than the last Tank Reading date saved</source>
        <translation>Das Datum der Peilung 2 muss nach dem Datum der zuletzt gespeicherten Peilung liegen</translation>
    </message>
    <message>
        <source>A reading of the same day is on line %1</source>
        <translation>Eine Peilung vom selben Tag steht in Zeile %1</translation>
    </message>
    <message>
        <source>The delivery is dated on or before the last saved reading</source>
        <translation>Die Lieferung ist am oder vor dem Tag der zuletzt gespeicherten Peilung datiert</translation>
    </message>
    <message>
        <source>No pair of readings holds this delivery</source>
        <translation>Kein Paar von Peilungen umschließt diese Lieferung</translation>
    </message>
    <message>
        <source>A period holds two deliveries at most: a reading is needed between this one and those on lines %1 and %2</source>
        <translation>Ein Zeitraum fasst höchstens zwei Lieferungen: zwischen dieser und denen in den Zeilen %1 und %2 fehlt eine Peilung</translation>
    </message>
</context>
<context>
    <name>ImportRun</name>
    <message>
        <source>The period could not be saved</source>
        <translation>Der Zeitraum konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Get Last does not give back the reading of %1 on its own</source>
        <translation>„Letzte holen“ gibt die Peilung vom %1 nicht allein zurück</translation>
    </message>
    <message>
        <source>The history or delivery log cannot be read</source>
        <translation>Das Verlaufs- oder Lieferprotokoll kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The program ended: %1</source>
        <translation>Das Programm wurde beendet: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No temporary folder for the preview</source>
        <translation>Kein temporärer Ordner für die Vorschau</translation>
    </message>
    <message>
        <source>%1 (the logs could not all be put back as they were)</source>
        <translation>%1 (die Protokolle konnten nicht alle wiederhergestellt werden)</translation>
    </message>
    <message>
        <source>%1 gals</source>
        <translation>%1 Gallonen</translation>
    </message>
    <message>
        <source>%1 litres</source>
        <translation>%1 Liter</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>no lines skipped</source>
        <translation>keine Zeile übersprungen</translation>
    </message>
    <message>
        <source>1 line skipped (damaged or not readable): line %1</source>
        <translation>1 Zeile übersprungen (beschädigt oder unlesbar): Zeile %1</translation>
    </message>
    <message>
        <source>%1 lines skipped (damaged or not readable): lines %2</source>
        <translation>%1 Zeilen übersprungen (beschädigt oder unlesbar): Zeilen %2</translation>
    </message>
    <message>
        <source>Tankwise Results Log</source>
        <translation>Tankwise-Ergebnisprotokoll</translation>
    </message>
    <message>
        <source>Tankwise History</source>
        <translation>Tankwise-Verlauf</translation>
    </message>
    <message>
        <source>Tankwise Deliveries</source>
        <translation>Tankwise-Lieferungen</translation>
    </message>
    <message>
        <source>%1 report</source>
        <translation>%1 Bericht</translation>
    </message>
    <message>
        <source>%1 reports</source>
        <translation>%1 Berichte</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>%1 Peilung</translation>
    </message>
    <message>
        <source>%1 readings</source>
        <translation>%1 Peilungen</translation>
    </message>
    <message>
        <source>%1 delivery</source>
        <translation>%1 Lieferung</translation>
    </message>
    <message>
        <source>%1 deliveries</source>
        <translation>%1 Lieferungen</translation>
    </message>
    <message>
        <source>Unable to read the log file %1.</source>
        <translation>Die Protokolldatei %1 kann nicht gelesen werden.</translation>
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
    <message>
        <source>Last Saved Data Restored; 1 damaged line at the end of %1 skipped</source>
        <translation>Zuletzt gespeicherte Werte geholt; 1 beschädigte Zeile am Ende von %1 übersprungen</translation>
    </message>
    <message>
        <source>Last Saved Data Restored; %1 damaged lines at the end of %2 skipped</source>
        <translation>Zuletzt gespeicherte Werte geholt; %1 beschädigte Zeilen am Ende von %2 übersprungen</translation>
    </message>
    <message>
        <source>%1 Records Imported</source>
        <translation>%1 Datensätze importiert</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Archive Tankwise Results Log File</source>
        <translation>Tankwise – Ergebnisprotokoll archivieren</translation>
    </message>
    <message>
        <source>Do you want to archive the log file?
To Archive the results log file and create a new one click Yes
To Clear the results log file without archiving it click No
Click Cancel to return</source>
        <translation>Möchten Sie das Protokoll archivieren?
Ja: Ergebnisprotokoll archivieren und ein neues anlegen
Nein: Ergebnisprotokoll leeren, ohne es zu archivieren
Abbrechen: zurück</translation>
    </message>
    <message>
        <source>There is no data to archive!
Results log file not archived.</source>
        <translation>Es gibt nichts zu archivieren!
Ergebnisprotokoll nicht archiviert.</translation>
    </message>
    <message>
        <source>Tankwise Create New Log File</source>
        <translation>Tankwise – Neues Protokoll anlegen</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new results log file?</source>
        <translation>Möchten Sie wirklich ein neues Ergebnisprotokoll anlegen?</translation>
    </message>
    <message>
        <source>Unable to archive the results log file %1.</source>
        <translation>Das Ergebnisprotokoll %1 kann nicht archiviert werden.</translation>
    </message>
    <message>
        <source>This may be a permissions problem.</source>
        <translation>Möglicherweise fehlen Zugriffsrechte.</translation>
    </message>
    <message>
        <source>The amount of oil remaining is more than there should be</source>
        <translation>Im Tank ist mehr Heizöl übrig, als sein kann</translation>
    </message>
    <message>
        <source>Tankwise Data Error</source>
        <translation>Tankwise – Datenfehler</translation>
    </message>
    <message>
        <source>The data has not changed
since the last calculation</source>
        <translation>Die Eingaben haben sich seit der
letzten Berechnung nicht geändert</translation>
    </message>
    <message>
        <source>Notes cannot hold %1: the log files have no code for these characters</source>
        <translation>Notizen dürfen %1 nicht enthalten: Die Protokolle können diese Zeichen nicht speichern</translation>
    </message>
    <message>
        <source>Unable to read from the log file %1.</source>
        <translation>Das Protokoll %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Tankwise Error</source>
        <translation>Tankwise – Fehler</translation>
    </message>
    <message>
        <source>Unable to launch Browser.</source>
        <translation>Der Webbrowser kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>A program error has occured
Error Number: 0
Error description: %1</source>
        <translation>Ein Programmfehler ist aufgetreten
Fehlernummer: 0
Fehlerbeschreibung: %1</translation>
    </message>
    <message>
        <source>Tankwise Help File Error</source>
        <translation>Tankwise – Fehler in der Hilfedatei</translation>
    </message>
    <message>
        <source>The help file is either missing or
corrupted. Reinstall the program
to correct the error.</source>
        <translation>Die Hilfedatei fehlt oder ist
beschädigt. Installieren Sie das Programm
neu, um den Fehler zu beheben.</translation>
    </message>
    <message>
        <source>Unable to opem the help file.</source>
        <translation>Die Hilfedatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Calculation Error</source>
        <translation>Berechnungsfehler</translation>
    </message>
    <message>
        <source>Check Data Error</source>
        <translation>Fehler bei der Prüfung der Eingaben</translation>
    </message>
    <message>
        <source>Check Default Error</source>
        <translation>Fehler bei der Prüfung der Tankdaten</translation>
    </message>
    <message>
        <source>Clear Actual Data Error</source>
        <translation>Fehler beim Leeren der Ergebnisse</translation>
    </message>
    <message>
        <source>Clear Input Data Error</source>
        <translation>Fehler beim Leeren der Eingaben</translation>
    </message>
    <message>
        <source>Clear Predict Data Error</source>
        <translation>Fehler beim Leeren der Vorhersage</translation>
    </message>
    <message>
        <source>Config Read Error</source>
        <translation>Fehler beim Lesen der Konfiguration</translation>
    </message>
    <message>
        <source>Currency Format Error</source>
        <translation>Fehler im Währungsformat</translation>
    </message>
    <message>
        <source>Generate Delivery Log Error</source>
        <translation>Fehler beim Erstellen des Lieferprotokolls</translation>
    </message>
    <message>
        <source>Generate History Log Error</source>
        <translation>Fehler beim Erstellen des Verlaufsprotokolls</translation>
    </message>
    <message>
        <source>Generate Log 1 Error</source>
        <translation>Fehler beim Erstellen des Ergebnisprotokolls</translation>
    </message>
    <message>
        <source>History Log File Read Error</source>
        <translation>Fehler beim Lesen des Verlaufsprotokolls</translation>
    </message>
    <message>
        <source>Loading Error</source>
        <translation>Fehler beim Start</translation>
    </message>
    <message>
        <source>Save Config Error</source>
        <translation>Fehler beim Speichern der Konfiguration</translation>
    </message>
    <message>
        <source>Tidy Input Error</source>
        <translation>Fehler beim Aufbereiten der Eingaben</translation>
    </message>
    <message>
        <source>Tidy Output Error</source>
        <translation>Fehler beim Aufbereiten der Ergebnisse</translation>
    </message>
    <message>
        <source>Tankwise Fatal Error</source>
        <translation>Tankwise – Schwerer Fehler</translation>
    </message>
    <message>
        <source>Error Number %1
A Fatal %2 Has Occurred
The Program Will Now Terminate</source>
        <translation>Fehlernummer %1
Schwerer Fehler: %2
Das Programm wird jetzt beendet</translation>
    </message>
    <message>
        <source>Tankwise %1 Directory Error</source>
        <translation>Tankwise – Fehler im Ordner %1</translation>
    </message>
    <message>
        <source>The %1 directory does not exist.
To restore the %1 directory
reinstall the program.
The program will now terminate.</source>
        <translation>Der Ordner %1 existiert nicht.
Um den Ordner %1 wiederherzustellen,
installieren Sie das Programm neu.
Das Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Tankwise %1 File Error</source>
        <translation>Tankwise – Fehler in der Datei „%1“</translation>
    </message>
    <message>
        <source>The %1 file is either missing or
corrupted. Delete the %1 file if
it exists and restart the program.</source>
        <translation>Die Datei „%1“ fehlt oder ist
beschädigt. Löschen Sie die Datei „%1“,
falls vorhanden, und starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Unable to read from log file %1.</source>
        <translation>Das Protokoll %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Tankwise Import</source>
        <translation>Tankwise – Import</translation>
    </message>
    <message>
        <source>The dates in this file could be day first or month first.
Are they day first, as 31/12/2024 rather than 12/31/2024?</source>
        <translation>Die Daten in dieser Datei können mit dem Tag oder mit dem Monat beginnen.
Beginnen sie mit dem Tag, also 31/12/2024 statt 12/31/2024?</translation>
    </message>
    <message>
        <source>Nothing has been imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Nothing new to import.</source>
        <translation>Nichts Neues zu importieren.</translation>
    </message>
    <message>
        <source>Save these %1 records?</source>
        <translation>Diese %1 Datensätze speichern?</translation>
    </message>
    <message>
        <source>The program will now terminate.</source>
        <translation>Das Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Tankwise Command Line Error</source>
        <translation>Tankwise – Fehler in der Befehlszeile</translation>
    </message>
    <message>
        <source>Tankwise Working Folder Error</source>
        <translation>Tankwise – Fehler im Arbeitsordner</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be used.</source>
        <translation>Der Arbeitsordner %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Tankwise Already Running</source>
        <translation>Tankwise – Läuft bereits</translation>
    </message>
    <message>
        <source>Tankwise is already running in the working folder
%1.</source>
        <translation>Tankwise läuft bereits im Arbeitsordner
%1.</translation>
    </message>
    <message>
        <source>Tankwise cannot mark the working folder
%1 as in use:
%2.</source>
        <translation>Tankwise kann den Arbeitsordner
%1 nicht als belegt markieren:
%2.</translation>
    </message>
    <message>
        <source>You can start anyway and look at your logs, but nothing
can be saved until this is put right. Start anyway?</source>
        <translation>Sie können trotzdem starten und Ihre Protokolle ansehen, aber nichts
kann gespeichert werden, bis das behoben ist. Trotzdem starten?</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written: %2.</source>
        <translation>In den Arbeitsordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Unable to write to the log file %1.</source>
        <translation>In das Protokoll %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Tankwise Log File Error</source>
        <translation>Tankwise – Protokollfehler</translation>
    </message>
    <message>
        <source>Unable to create the log files in %1.</source>
        <translation>Die Protokolle in %1 können nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The results log file is either missing
or corrupted. Delete the log file 
%1 if it exists and restart
the program.</source>
        <translation>Das Ergebnisprotokoll fehlt
oder ist beschädigt. Löschen Sie das Protokoll
%1, falls vorhanden, und starten Sie
das Programm neu.</translation>
    </message>
    <message>
        <source>The history log file is either missing
or corrupted. Delete the log file 
%1 if it exists and restart
the program.</source>
        <translation>Das Verlaufsprotokoll fehlt
oder ist beschädigt. Löschen Sie das Protokoll
%1, falls vorhanden, und starten Sie
das Programm neu.</translation>
    </message>
    <message>
        <source>The delivery log file is either missing
or corrupted. Delete the log file 
%1 if it exists and restart
the program.</source>
        <translation>Das Lieferprotokoll fehlt
oder ist beschädigt. Löschen Sie das Protokoll
%1, falls vorhanden, und starten Sie
das Programm neu.</translation>
    </message>
    <message>
        <source>Unable to write to the log file</source>
        <translation>In dieses Protokoll kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Unable to write to the log files</source>
        <translation>In diese Protokolle kann nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Nothing has been saved.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Save the calculation before leaving?</source>
        <translation>Die Berechnung vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Tankwise Configuration File Error</source>
        <translation>Tankwise – Fehler in der Konfigurationsdatei</translation>
    </message>
    <message>
        <source>The configuration file is missing or corrupted.</source>
        <translation>Die Konfigurationsdatei fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>Reinstall the program to restore the file.</source>
        <translation>Installieren Sie das Programm neu, um die Datei wiederherzustellen.</translation>
    </message>
    <message>
        <source>Tankwise Save Data Error</source>
        <translation>Tankwise – Fehler beim Speichern</translation>
    </message>
    <message>
        <source>No history or delivery data saved</source>
        <translation>Weder Verlauf noch Lieferungen gespeichert</translation>
    </message>
    <message>
        <source>Tankwise Save Data</source>
        <translation>Tankwise – Speichern</translation>
    </message>
    <message>
        <source>No history data will be saved
To save history results click
Cancel, reset the No History 
check box and click Save again</source>
        <translation>Es wird kein Verlauf gespeichert.
Um den Verlauf zu speichern, klicken Sie
auf „Abbrechen“, nehmen den Haken bei „Ohne Verlauf“
heraus und klicken erneut auf „Speichern“.</translation>
    </message>
    <message>
        <source>Unable to write to the configuration file %1.</source>
        <translation>In die Konfigurationsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Updater Log File Error</source>
        <translation>Tankwise – Fehler im Aktualisierungsprotokoll</translation>
    </message>
    <message>
        <source>Unable to create the log file %1.</source>
        <translation>Das Protokoll %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Updater Log File Write Error</source>
        <translation>Tankwise – Schreibfehler im Aktualisierungsprotokoll</translation>
    </message>
    <message>
        <source>Unable to open the log file %1.</source>
        <translation>Das Protokoll %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Unable to run Notepad
Check that it exists and
is working properly.</source>
        <translation>Kein Programm zum Anzeigen gefunden.
Prüfen Sie, ob eines installiert ist
und richtig funktioniert.</translation>
    </message>
    <message>
        <source>Unable to write the file %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Tankwise Export Error</source>
        <translation>Tankwise – Fehler beim Export</translation>
    </message>
    <message>
        <source>It is a file, not a folder.</source>
        <translation>Es ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>It cannot be created.</source>
        <translation>Er kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>It cannot be written.</source>
        <translation>Er ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The program&apos;s files cannot be copied into it.</source>
        <translation>Die Dateien des Programms können nicht hineinkopiert werden.</translation>
    </message>
    <message>
        <source>Date 2 must be at least 3 days later than Date 1</source>
        <translation>Datum 2 muss mindestens 3 Tage nach Datum 1 liegen</translation>
    </message>
    <message>
        <source>Delivery Date 1 cannot be earlier than Tank Reading 1 Date</source>
        <translation>Das Datum der Lieferung 1 darf nicht vor dem Datum der Peilung 1 liegen</translation>
    </message>
    <message>
        <source>Delivery Date 1 cannot be later than Tank Reading 2 Date</source>
        <translation>Das Datum der Lieferung 1 darf nicht nach dem Datum der Peilung 2 liegen</translation>
    </message>
    <message>
        <source>Delivery Date 2 cannot be earlier than Tank Reading 1 Date</source>
        <translation>Das Datum der Lieferung 2 darf nicht vor dem Datum der Peilung 1 liegen</translation>
    </message>
    <message>
        <source>Delivery Date 2 cannot be later than Tank Reading 2 Date</source>
        <translation>Das Datum der Lieferung 2 darf nicht nach dem Datum der Peilung 2 liegen</translation>
    </message>
    <message>
        <source>Delivery Date 2 cannot be earlier than Delivery Date 1</source>
        <translation>Das Datum der Lieferung 2 darf nicht vor dem Datum der Lieferung 1 liegen</translation>
    </message>
    <message>
        <source>Delivery 1 Date, Litres Added and Oil Cost must all be either set or empty</source>
        <translation>Datum, Liefermenge und Heizölpreis der Lieferung 1 müssen alle ausgefüllt oder alle leer sein</translation>
    </message>
    <message>
        <source>Delivery 2 Date, Litres Added and Oil Cost must all be either set or empty</source>
        <translation>Datum, Liefermenge und Heizölpreis der Lieferung 2 müssen alle ausgefüllt oder alle leer sein</translation>
    </message>
    <message>
        <source>Tank Reading Date 1 must be set</source>
        <translation>Das Datum der Peilung 1 muss ausgefüllt sein</translation>
    </message>
    <message>
        <source>Tank Reading Date 2 must be set</source>
        <translation>Das Datum der Peilung 2 muss ausgefüllt sein</translation>
    </message>
    <message>
        <source>Tank A Reading 1 must be set if Tank Reading Date 1 is set</source>
        <translation>Peilung 1 von Tank A muss ausgefüllt sein, wenn das Datum der Peilung 1 ausgefüllt ist</translation>
    </message>
    <message>
        <source>Tank A Reading 2 must be set if Tank Reading Date 2 is set</source>
        <translation>Peilung 2 von Tank A muss ausgefüllt sein, wenn das Datum der Peilung 2 ausgefüllt ist</translation>
    </message>
    <message>
        <source>Tank B Reading 1 must be set if Tank B Reading 2 is set</source>
        <translation>Peilung 1 von Tank B muss ausgefüllt sein, wenn Peilung 2 von Tank B ausgefüllt ist</translation>
    </message>
    <message>
        <source>Tank B Reading 2 must be set if Tank B Reading 1 is set</source>
        <translation>Peilung 2 von Tank B muss ausgefüllt sein, wenn Peilung 1 von Tank B ausgefüllt ist</translation>
    </message>
    <message>
        <source>Tank A Reading 1 must be less than or equal to Tank A Depth plus Offset</source>
        <translation>Peilung 1 von Tank A darf höchstens die Höhe von Tank A plus Peilstab-Versatz betragen</translation>
    </message>
    <message>
        <source>Tank A Reading 2 must be less than or equal to Tank A Depth plus Offset</source>
        <translation>Peilung 2 von Tank A darf höchstens die Höhe von Tank A plus Peilstab-Versatz betragen</translation>
    </message>
    <message>
        <source>Tank B Reading 1 must be less than or equal to Tank B Depth plus Offset</source>
        <translation>Peilung 1 von Tank B darf höchstens die Höhe von Tank B plus Peilstab-Versatz betragen</translation>
    </message>
    <message>
        <source>Tank B Reading 2 must be less than or equal to Tank B Depth plus Offset</source>
        <translation>Peilung 2 von Tank B darf höchstens die Höhe von Tank B plus Peilstab-Versatz betragen</translation>
    </message>
    <message>
        <source>Tank A Reading 1 must be less than or equal to Tank A Capacity</source>
        <translation>Peilung 1 von Tank A darf höchstens das Fassungsvermögen von Tank A betragen</translation>
    </message>
    <message>
        <source>Tank A Reading 2 must be less than or equal to Tank A Capacity</source>
        <translation>Peilung 2 von Tank A darf höchstens das Fassungsvermögen von Tank A betragen</translation>
    </message>
    <message>
        <source>Tank B Reading 1 must be less than or equal to Tank B Capacity</source>
        <translation>Peilung 1 von Tank B darf höchstens das Fassungsvermögen von Tank B betragen</translation>
    </message>
    <message>
        <source>Tank B Reading 2 must be less than or equal to Tank B Capacity</source>
        <translation>Peilung 2 von Tank B darf höchstens das Fassungsvermögen von Tank B betragen</translation>
    </message>
    <message>
        <source>Tank A Readings cannot be set if Tank A Capacity is not set</source>
        <translation>Peilungen von Tank A sind nur möglich, wenn das Fassungsvermögen von Tank A ausgefüllt ist</translation>
    </message>
    <message>
        <source>Tank B Readings cannot be set if Tank B Capacity is not set</source>
        <translation>Peilungen von Tank B sind nur möglich, wenn das Fassungsvermögen von Tank B ausgefüllt ist</translation>
    </message>
    <message>
        <source>Tank Reading Date 1 plus number months to predict forward must be greater than or equal to Tank Reading Date 2</source>
        <translation>Das Datum der Peilung 1 plus die Monate der Vorhersage muss mindestens das Datum der Peilung 2 erreichen</translation>
    </message>
    <message>
        <source>The amount of oil added is greater than the capacity of the tank(s)</source>
        <translation>Die gelieferte Heizölmenge ist größer als das Fassungsvermögen des Tanks bzw. der Tanks</translation>
    </message>
    <message>
        <source>Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099</source>
        <translation>Das Datum der Peilung 1 muss zwischen dem 1. Januar 2000 und dem 28. Dezember 2099 liegen</translation>
    </message>
    <message>
        <source>Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099</source>
        <translation>Das Datum der Peilung 2 muss zwischen dem 4. Januar 2000 und dem 31. Dezember 2099 liegen</translation>
    </message>
    <message>
        <source>Delivery Date 1 must be between 1st Jan 2000 and 31st Dec 2099</source>
        <translation>Das Datum der Lieferung 1 muss zwischen dem 1. Januar 2000 und dem 31. Dezember 2099 liegen</translation>
    </message>
    <message>
        <source>Delivery Date 2 must be between 1st Jan 2000 and 31st Dec 2099</source>
        <translation>Das Datum der Lieferung 2 muss zwischen dem 1. Januar 2000 und dem 31. Dezember 2099 liegen</translation>
    </message>
    <message>
        <source>Tank A Reading 1</source>
        <translation>Peilung 1 von Tank A</translation>
    </message>
    <message>
        <source>Tank A Reading 2</source>
        <translation>Peilung 2 von Tank A</translation>
    </message>
    <message>
        <source>Tank B Reading 1</source>
        <translation>Peilung 1 von Tank B</translation>
    </message>
    <message>
        <source>Tank B Reading 2</source>
        <translation>Peilung 2 von Tank B</translation>
    </message>
    <message>
        <source>Delivery 1 oil added must be either empty or between 100 and 9999</source>
        <translation>Die Liefermenge der Lieferung 1 muss leer sein oder zwischen 100 und 9999 liegen</translation>
    </message>
    <message>
        <source>Delivery 2 oil added must be either empty or between 100 and 9999</source>
        <translation>Die Liefermenge der Lieferung 2 muss leer sein oder zwischen 100 und 9999 liegen</translation>
    </message>
    <message>
        <source>Delivery 1 oil cost must be either empty or between 0.10 and 9.99</source>
        <translation>Der Heizölpreis der Lieferung 1 muss leer sein oder zwischen 0,10 und 9,99 liegen</translation>
    </message>
    <message>
        <source>Delivery 2 oil cost must be either empty or between 0.10 and 9.99</source>
        <translation>Der Heizölpreis der Lieferung 2 muss leer sein oder zwischen 0,10 und 9,99 liegen</translation>
    </message>
    <message>
        <source>Delivery Charge 1 must be either empty or between 5 and 100</source>
        <translation>Die Liefergebühr 1 muss leer sein oder zwischen 5 und 100 liegen</translation>
    </message>
    <message>
        <source>Delivery Charge 2 must be either empty or between 5 and 100</source>
        <translation>Die Liefergebühr 2 muss leer sein oder zwischen 5 und 100 liegen</translation>
    </message>
    <message>
        <source>Price of oil in tank must be either empty or between 0.10 and 9.99</source>
        <translation>Der Preis des Heizöls im Tank muss leer sein oder zwischen 0,10 und 9,99 liegen</translation>
    </message>
    <message>
        <source>Tank Reading Date %1 must be a valid date</source>
        <translation>Das Datum der Peilung %1 muss ein gültiges Datum sein</translation>
    </message>
    <message>
        <source>%1 must be between 0 and 9999</source>
        <translation>%1 muss zwischen 0 und 9999 liegen</translation>
    </message>
    <message>
        <source>%1 must be between 0 and 300</source>
        <translation>%1 muss zwischen 0 und 300 liegen</translation>
    </message>
    <message>
        <source>Delivery Date %1 must be empty or a valid date</source>
        <translation>Das Datum der Lieferung %1 muss leer oder ein gültiges Datum sein</translation>
    </message>
    <message>
        <source>No Tank Readings or Deliveries to Calculate</source>
        <translation>Keine Peilungen oder Lieferungen zum Berechnen</translation>
    </message>
    <message>
        <source>%1 Key Errors</source>
        <translation>%1 Schlüsselfehler</translation>
    </message>
    <message>
        <source>%1 Section Errors</source>
        <translation>%1 Abschnittsfehler</translation>
    </message>
    <message>
        <source>%1 Value Errors</source>
        <translation>%1 Wertfehler</translation>
    </message>
    <message>
        <source>The configuration file is corrupted.</source>
        <translation>Die Konfigurationsdatei ist beschädigt.</translation>
    </message>
    <message>
        <source>Auto Save must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>„Automatisch speichern“ muss &apos;1&apos; oder &apos;2&apos; sein</translation>
    </message>
    <message>
        <source>Run On Top must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>„Im Vordergrund“ muss &apos;1&apos; oder &apos;2&apos; sein</translation>
    </message>
    <message>
        <source>Tank A volume must be 1 or 2</source>
        <translation>Volumen von Tank A muss 1 oder 2 sein</translation>
    </message>
    <message>
        <source>Tank B volume must be 1 or 2</source>
        <translation>Volumen von Tank B muss 1 oder 2 sein</translation>
    </message>
    <message>
        <source>Enable inches must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>„Zoll“ muss &apos;1&apos; oder &apos;2&apos; sein</translation>
    </message>
    <message>
        <source>Enable gallons must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>„Gallonen“ muss &apos;1&apos; oder &apos;2&apos; sein</translation>
    </message>
    <message>
        <source>Enable pounds must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>„Pfund“ muss &apos;1&apos; oder &apos;2&apos; sein</translation>
    </message>
    <message>
        <source>Update Enable must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>„Automatisch prüfen“ muss &apos;1&apos; oder &apos;2&apos; sein</translation>
    </message>
    <message>
        <source>Tank A Capacity must be between 100 and 9999</source>
        <translation>Das Fassungsvermögen von Tank A muss zwischen 100 und 9999 liegen</translation>
    </message>
    <message>
        <source>Tank B Capacity must be empty or between 100 and 9999</source>
        <translation>Das Fassungsvermögen von Tank B muss leer sein oder zwischen 100 und 9999 liegen</translation>
    </message>
    <message>
        <source>Tank A Depth must be empty or between 10 and 300</source>
        <translation>Die Höhe von Tank A muss leer sein oder zwischen 10 und 300 liegen</translation>
    </message>
    <message>
        <source>Tank B Depth must be empty or between 10 and 300</source>
        <translation>Die Höhe von Tank B muss leer sein oder zwischen 10 und 300 liegen</translation>
    </message>
    <message>
        <source>Tank A Depth must be set if Tank A measured in %1</source>
        <translation>Die Höhe von Tank A muss ausgefüllt sein, wenn Tank A in %1 gepeilt wird</translation>
    </message>
    <message>
        <source>Tank B Depth must be set if Tank B measured in %1</source>
        <translation>Die Höhe von Tank B muss ausgefüllt sein, wenn Tank B in %1 gepeilt wird</translation>
    </message>
    <message>
        <source>Tank B Capacity must be set if Tank B depth is set</source>
        <translation>Das Fassungsvermögen von Tank B muss ausgefüllt sein, wenn die Höhe von Tank B ausgefüllt ist</translation>
    </message>
    <message>
        <source>Tank A Shape must be 0 or 1</source>
        <translation>Die Form von Tank A muss 0 oder 1 sein</translation>
    </message>
    <message>
        <source>Tank B Shape must be 0 or 1</source>
        <translation>Die Form von Tank B muss 0 oder 1 sein</translation>
    </message>
    <message>
        <source>Prediction Period must be either empty or between 1 and 12 months</source>
        <translation>Der Vorhersagezeitraum muss leer sein oder zwischen 1 und 12 Monaten liegen</translation>
    </message>
    <message>
        <source>Delivery %1 Rate must be 0 or between 1 and 50%</source>
        <translation>Der %1-Satz auf die Liefergebühr muss 0 sein oder zwischen 1 und 50 % liegen</translation>
    </message>
    <message>
        <source>Oil %1 Rate must be 0 or between 1 and 50%</source>
        <translation>Der %1-Satz auf Heizöl muss 0 sein oder zwischen 1 und 50 % liegen</translation>
    </message>
    <message>
        <source>Oil and delivery %1 Rates must both be either set or zero</source>
        <translation>Die %1-Sätze auf Heizöl und Liefergebühr müssen beide gesetzt oder beide 0 sein</translation>
    </message>
    <message>
        <source>The CO2 Conversion Rate must be between 0.50 and 10.00</source>
        <translation>Der CO2-Umrechnungsfaktor muss zwischen 0,50 und 10,00 liegen</translation>
    </message>
    <message>
        <source>Tank A Offset must be either empty or between 0.1 and 10.0</source>
        <translation>Der Peilstab-Versatz von Tank A muss leer sein oder zwischen 0,1 und 10,0 liegen</translation>
    </message>
    <message>
        <source>Tank B Offset must be either empty or between 0.1 and 10.0</source>
        <translation>Der Peilstab-Versatz von Tank B muss leer sein oder zwischen 0,1 und 10,0 liegen</translation>
    </message>
    <message>
        <source>Delivery %1 date must be later than last delivery date saved</source>
        <translation>Das Datum der Lieferung %1 muss nach der zuletzt gespeicherten Lieferung liegen</translation>
    </message>
    <message>
        <source>You must not change retrieved delivery %1 data</source>
        <translation>Die geholten Angaben der Lieferung %1 dürfen nicht geändert werden</translation>
    </message>
    <message>
        <source>Tank Reading Date 2 must be later than the last Tank Reading date saved</source>
        <translation>Das Datum der Peilung 2 muss nach dem Datum der zuletzt gespeicherten Peilung liegen</translation>
    </message>
    <message>
        <source>Tankwise Results Log File Error</source>
        <translation>Tankwise – Fehler im Ergebnisprotokoll</translation>
    </message>
    <message>
        <source>Tankwise History Log File Error</source>
        <translation>Tankwise – Fehler im Verlaufsprotokoll</translation>
    </message>
    <message>
        <source>Tankwise Delivery Log File Error</source>
        <translation>Tankwise – Fehler im Lieferprotokoll</translation>
    </message>
    <message>
        <source>Its settings cannot be written.</source>
        <translation>Seine Einstellungen lassen sich nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>ProgramView</name>
    <message>
        <source>Tankwise logo</source>
        <translation>Tankwise-Logo</translation>
    </message>
</context>
<context>
    <name>StatementCommand</name>
    <message>
        <source>%1 is not a heating season (2024/25) or a year (2024)</source>
        <translation>%1 ist keine Heizperiode (2024/25) und kein Jahr (2024)</translation>
    </message>
    <message>
        <source>--statement needs --pdf FILE, the file to write</source>
        <translation>--statement braucht --pdf FILE, die zu schreibende Datei</translation>
    </message>
    <message>
        <source>the working folder %1 cannot be used</source>
        <translation>der Arbeitsordner %1 ist nicht nutzbar</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read the history or delivery log in %1</source>
        <translation>das Verlaufs- oder Lieferprotokoll in %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>no saved reading reaches into %1</source>
        <translation>keine gespeicherte Peilung reicht in %1</translation>
    </message>
</context>
<context>
    <name>StatementPainter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1, highest %2</source>
        <translation>%1, Höchstwert %2</translation>
    </message>
    <message>
        <source>Unable to write the file %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>StatementText</name>
    <message>
        <source>gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>amount of oil</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>heating season %1</source>
        <translation>Heizperiode %1</translation>
    </message>
    <message>
        <source>calendar year %1</source>
        <translation>Kalenderjahr %1</translation>
    </message>
    <message>
        <source>%1, %2 without %3</source>
        <translation>%1, %2 ohne %3</translation>
    </message>
    <message>
        <source>at the end of %1, worked out between the readings of %2 and %3</source>
        <translation>am Ende des %1, ermittelt zwischen den Peilungen vom %2 und %3</translation>
    </message>
    <message>
        <source>at the start of %1, worked out between the readings of %2 and %3</source>
        <translation>am Anfang des %1, ermittelt zwischen den Peilungen vom %2 und %3</translation>
    </message>
    <message>
        <source>the saved reading of %1</source>
        <translation>die gespeicherte Peilung vom %1</translation>
    </message>
    <message>
        <source>in proportion to the fitted use, %1 %2 a day plus %3 %2 per degree day</source>
        <translation>im Verhältnis zum angepassten Verbrauch, %1 %2 pro Tag plus %3 %2 je Gradtag</translation>
    </message>
    <message>
        <source>in proportion to the degree days</source>
        <translation>im Verhältnis der Gradtagzahlen</translation>
    </message>
    <message>
        <source>the same as %1 after allowing for the weather</source>
        <translation>witterungsbereinigt so viel wie %1</translation>
    </message>
    <message>
        <source>%1% less than %2 after allowing for the weather</source>
        <translation>witterungsbereinigt %1 % weniger als %2</translation>
    </message>
    <message>
        <source>%1% more than %2 after allowing for the weather</source>
        <translation>witterungsbereinigt %1 % mehr als %2</translation>
    </message>
    <message>
        <source>Heating oil statement %1</source>
        <translation>Heizöl-Abrechnung %1</translation>
    </message>
    <message>
        <source>Household: %1</source>
        <translation>Haushalt: %1</translation>
    </message>
    <message>
        <source>Period: %1 (%2)</source>
        <translation>Zeitraum: %1 (%2)</translation>
    </message>
    <message>
        <source>Made by Tankwise %1 on %2</source>
        <translation>Erstellt mit Tankwise %1 am %2</translation>
    </message>
    <message>
        <source>No saved readings reach into this period: there is nothing to state.</source>
        <translation>Keine gespeicherte Peilung reicht in diesen Zeitraum: es gibt nichts abzurechnen.</translation>
    </message>
    <message>
        <source>The saved readings cover %1 to %2 of this period; the figures are for those days.</source>
        <translation>Die gespeicherten Peilungen decken vom %1 bis %2 dieses Zeitraums ab; die Zahlen gelten für diese Tage.</translation>
    </message>
    <message>
        <source>Stock and deliveries</source>
        <translation>Bestand und Lieferungen</translation>
    </message>
    <message>
        <source>Opening stock</source>
        <translation>Anfangsbestand</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Geliefert</translation>
    </message>
    <message>
        <source>%1 in %2 delivery</source>
        <translation>%1 in %2 Lieferung</translation>
    </message>
    <message>
        <source>%1 in %2 deliveries</source>
        <translation>%1 in %2 Lieferungen</translation>
    </message>
    <message>
        <source>Closing stock</source>
        <translation>Endbestand</translation>
    </message>
    <message>
        <source>Use and cost</source>
        <translation>Verbrauch und Kosten</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Oil used</source>
        <translation>Verbrauchtes Heizöl</translation>
    </message>
    <message>
        <source>Cost before %1</source>
        <translation>Kosten ohne %1</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Kosten pro Tag</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Witterung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the year before: caption</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Degree days (%1 profile)</source>
        <translation>Gradtagzahlen (Profil %1)</translation>
    </message>
    <message>
        <source>%1 per 100 degree days</source>
        <translation>%1 je 100 Gradtage</translation>
    </message>
    <message>
        <source>Weather-normalised use</source>
        <translation>Witterungsbereinigter Verbrauch</translation>
    </message>
    <message>
        <source>Oil used in %1</source>
        <translation>Heizölverbrauch %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Veränderung</translation>
    </message>
    <message>
        <source>no saved readings for %1</source>
        <translation>keine gespeicherten Peilungen für %1</translation>
    </message>
    <message>
        <source>Deliveries</source>
        <translation>Lieferungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Liefergebühr</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Saved periods</source>
        <translation>Gespeicherte Zeiträume</translation>
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
        <source>Cost with %1</source>
        <translation>Kosten mit %1</translation>
    </message>
    <message>
        <source>not priced</source>
        <translation>ohne Preis</translation>
    </message>
    <message>
        <source>split</source>
        <translation>geteilt</translation>
    </message>
    <message>
        <source>Periods marked split run past the start or end of the statement; their oil is shared %1, and the stock at the cut is worked out the same way.</source>
        <translation>Als geteilt markierte Zeiträume reichen über Anfang oder Ende der Abrechnung hinaus; ihr Heizöl wird aufgeteilt %1, und der Bestand an der Schnittstelle wird ebenso ermittelt.</translation>
    </message>
    <message>
        <source>%1 saved period(s) had no value for the oil at their first reading; their cost is not included.</source>
        <translation>%1 gespeicherte(r) Zeitraum/Zeiträume hatte(n) bei der ersten Peilung keinen Wert für das Heizöl; ihre Kosten sind nicht enthalten.</translation>
    </message>
    <message>
        <source>Degree days are those of a normal year by the %1 profile; the weather-normalised use is the use such a year would have given.</source>
        <translation>Die Gradtagzahlen sind die eines Normaljahres nach dem Profil %1; der witterungsbereinigte Verbrauch ist der Verbrauch, den ein solches Jahr ergeben hätte.</translation>
    </message>
    <message>
        <source>Oil used per month (%1) and degree days</source>
        <translation>Heizölverbrauch pro Monat (%1) und Gradtagzahlen</translation>
    </message>
    <message>
        <source>Oil used (%1)</source>
        <translation>Verbrauchtes Heizöl (%1)</translation>
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
    <message>
        <source>%1 change history</source>
        <translation>Änderungsverlauf von %1</translation>
    </message>
    <message>
        <source>Download the latest version of %1</source>
        <translation>Die neueste Version von %1 herunterladen</translation>
    </message>
    <message>
        <source>You have the latest version of %1</source>
        <translation>Sie haben die neueste Version von %1</translation>
    </message>
    <message>
        <source>Click Known Issues to see any problems we are aware of.</source>
        <translation>Klicken Sie auf „Bekannte Probleme“, um die uns bekannten Probleme zu sehen.</translation>
    </message>
    <message>
        <source>Version %1 of %2 is available </source>
        <translation>Version %1 von %2 ist verfügbar </translation>
    </message>
    <message>
        <source>Click Download to get it</source>
        <translation>Klicken Sie zum Laden auf „Herunterladen“</translation>
    </message>
    <message>
        <source>Click History for change info and Known Issues for any problems.</source>
        <translation>Klicken Sie auf „Versionsgeschichte“ für die Änderungen und auf „Bekannte Probleme“ für Probleme.</translation>
    </message>
    <message>
        <source>You must uninstall %1 first.</source>
        <translation>Sie müssen %1 zuerst deinstallieren.</translation>
    </message>
    <message>
        <source>Unrecognised version of %1</source>
        <translation>Unbekannte Version von %1</translation>
    </message>
    <message>
        <source>Contact Hollyoak for assistance.</source>
        <translation>Wenden Sie sich für Hilfe an Hollyoak.</translation>
    </message>
    <message>
        <source>The web site&apos;s reply could not be read</source>
        <translation>Die Antwort der Webseite konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>tw::HistoryTableModel</name>
    <message>
        <source>Includes %1 %2 delivered</source>
        <translation>Davon %1 %2 geliefert</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Oil in tanks
(%1)</source>
        <translation>Heizöl im Tank
(%1)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Oil used
(%1)</source>
        <translation>Verbrauch
(%1)</translation>
    </message>
    <message>
        <source>Use per day
(%1)</source>
        <translation>Verbrauch pro Tag
(%1)</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Kosten pro Tag</translation>
    </message>
</context>
<context>
    <name>tw::LogWindow</name>
    <message>
        <source>Log as saved</source>
        <translation>Protokoll wie gespeichert</translation>
    </message>
    <message>
        <source>The log file as the program wrote it</source>
        <translation>Die Protokolldatei, wie das Programm sie geschrieben hat</translation>
    </message>
    <message>
        <source>Saved readings</source>
        <translation>Gespeicherte Peilungen</translation>
    </message>
    <message>
        <source>One row for each saved reading, with the period since the one before</source>
        <translation>Eine Zeile je gespeicherter Peilung, mit dem Zeitraum seit der vorigen</translation>
    </message>
    <message>
        <source>Ta&amp;ble and chart</source>
        <translation>&amp;Tabelle und Diagramm</translation>
    </message>
    <message>
        <source>&amp;Log as saved</source>
        <translation>&amp;Protokoll wie gespeichert</translation>
    </message>
    <message>
        <source>&amp;Open with...</source>
        <translation>Ö&amp;ffnen mit...</translation>
    </message>
    <message>
        <source>Open the log file with the desktop&apos;s own program for it</source>
        <translation>Die Protokolldatei mit dem Programm öffnen, das der Desktop dafür vorsieht</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV-&amp;Export...</translation>
    </message>
    <message>
        <source>Save the log as a spreadsheet file (CSV)</source>
        <translation>Das Protokoll als Tabellendatei (CSV) speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Calculate and save readings and deliveries from a spreadsheet file (CSV)</source>
        <translation>Peilungen und Lieferungen aus einer Tabellendatei (CSV) berechnen und speichern</translation>
    </message>
    <message>
        <source>&amp;Statement...</source>
        <translation>&amp;Abrechnung...</translation>
    </message>
    <message>
        <source>What a heating season or a year cost, ready to print or save as PDF</source>
        <translation>Was eine Heizperiode oder ein Jahr gekostet hat, zum Drucken oder als PDF</translation>
    </message>
    <message>
        <source>Oil to keep in the tanks, as a share of their capacity</source>
        <translation>Heizöl, das im Tank bleiben soll, als Anteil am Fassungsvermögen</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Days from placing an order to the delivery</source>
        <translation>Tage von der Bestellung bis zur Lieferung</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>How the heating need spreads over the year: Automatic takes Data/DegreeDays.csv when there is one, else the profile of your country</source>
        <translation>Wie sich der Heizbedarf über das Jahr verteilt: Automatisch nimmt Data/DegreeDays.csv, falls vorhanden, sonst das Profil Ihres Landes</translation>
    </message>
    <message>
        <source>&amp;Reserve:</source>
        <translation>&amp;Reserve:</translation>
    </message>
    <message>
        <source>Lead &amp;time:</source>
        <translation>&amp;Lieferzeit:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>Pr&amp;ofil:</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Show &amp;all</source>
        <translation>Alles &amp;zeigen</translation>
    </message>
    <message>
        <source>Show the whole history again. Drag across the chart to zoom into a stretch of time; a right-click steps back out; Ctrl with the mouse wheel or with + and - zooms too</source>
        <translation>Wieder den ganzen Verlauf zeigen. Über das Diagramm ziehen, um einen Zeitabschnitt zu vergrößern; ein Rechtsklick geht einen Schritt zurück; Strg mit dem Mausrad oder mit + und - vergrößert und verkleinert ebenfalls</translation>
    </message>
</context>
<context>
    <name>tw::StatementDialog</name>
    <message>
        <source>Tankwise Statement</source>
        <translation>Tankwise-Abrechnung</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>A heating season runs from 1 July to 30 June</source>
        <translation>Eine Heizperiode reicht vom 1. Juli bis zum 30. Juni</translation>
    </message>
    <message>
        <source>Heating season %1</source>
        <translation>Heizperiode %1</translation>
    </message>
    <message>
        <source>Calendar year %1</source>
        <translation>Kalenderjahr %1</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Statement preview</source>
        <translation>Vorschau der Abrechnung</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No saved calculations yet: save two readings first.</source>
        <translation>Noch keine gespeicherten Berechnungen: speichern Sie zuerst zwei Peilungen.</translation>
    </message>
    <message>
        <source>The history or delivery log cannot be read.</source>
        <translation>Das Verlaufs- oder Lieferprotokoll kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This may be a permissions problem.</source>
        <translation>Möglicherweise fehlen die Zugriffsrechte.</translation>
    </message>
    <message>
        <source>Tankwise statement %1</source>
        <translation>Tankwise-Abrechnung %1</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
</TS>
