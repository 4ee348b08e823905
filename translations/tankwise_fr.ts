<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Prog Name</source>
        <translation>Nom du programme</translation>
    </message>
    <message>
        <source>Visit the Tankwise web site</source>
        <translation>Visiter le site web de Tankwise</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Prog Version</source>
        <translation>Version du programme</translation>
    </message>
    <message>
        <source>Keeps track of the oil you burn and what it costs.</source>
        <translation>Suit le fioul que vous brûlez et ce qu’il vous coûte.</translation>
    </message>
    <message>
        <source>Close Tankwise About Screen</source>
        <translation>Fermer la fenêtre À propos de Tankwise</translation>
    </message>
    <message>
        <source>About Tankwise</source>
        <translation>À propos de Tankwise</translation>
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
        <translation>(ne pas importer)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tank A reading</source>
        <translation>Relevé cuve A</translation>
    </message>
    <message>
        <source>Tank B reading</source>
        <translation>Relevé cuve B</translation>
    </message>
    <message>
        <source>Amount delivered</source>
        <translation>Quantité livrée</translation>
    </message>
    <message>
        <source>Price per unit</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Delivery charge</source>
        <translation>Frais de livraison</translation>
    </message>
    <message>
        <source>Oil tax rate</source>
        <translation>Taux de TVA du fioul</translation>
    </message>
    <message>
        <source>Charge tax rate</source>
        <translation>Taux de TVA des frais de livraison</translation>
    </message>
    <message>
        <source>Oil value</source>
        <translation>Valeur du fioul</translation>
    </message>
    <message>
        <source>Reading date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Tankwise Import: %1</source>
        <translation>Importation Tankwise : %1</translation>
    </message>
    <message>
        <source>What does each column hold?</source>
        <translation>Que contient chaque colonne ?</translation>
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
        <translation>L&apos;option --folder demande le nom d&apos;un dossier.</translation>
    </message>
    <message>
        <source>The option --lang needs a language: de, fr or en.</source>
        <translation>L&apos;option --lang demande une langue : de, fr ou en.</translation>
    </message>
    <message>
        <source>The option --export-csv needs the folder to write the files into.</source>
        <translation>L&apos;option --export-csv demande le dossier où écrire les fichiers.</translation>
    </message>
    <message>
        <source>The option --import-csv needs the file to import.</source>
        <translation>L&apos;option --import-csv demande le fichier à importer.</translation>
    </message>
    <message>
        <source>The option --statement needs a heating season (2024/25) or a year (2024).</source>
        <translation>L&apos;option --statement demande une saison de chauffe (2024/25) ou une année (2024).</translation>
    </message>
    <message>
        <source>The option --pdf needs the name of the file to write.</source>
        <translation>L&apos;option --pdf demande le nom du fichier à écrire.</translation>
    </message>
    <message>
        <source>%1 is not a heating season (2024/25) or a year (2024).</source>
        <translation>%1 n&apos;est ni une saison de chauffe (2024/25) ni une année (2024).</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <source>The option --pdf goes with --statement SEASON.</source>
        <translation>L&apos;option --pdf va avec --statement SEASON.</translation>
    </message>
    <message>
        <source>The option --statement needs --pdf FILE, the file to write.</source>
        <translation>L&apos;option --statement demande --pdf FILE, le fichier à écrire.</translation>
    </message>
    <message>
        <source>work in PATH instead of the usual working folder</source>
        <translation>travailler dans PATH au lieu du dossier habituel</translation>
    </message>
    <message>
        <source>show the windows in German (de), French (fr) or English
(en) instead of the desktop&apos;s language</source>
        <translation>afficher les fenêtres en allemand (de), français (fr)
ou anglais (en) au lieu de la langue du bureau</translation>
    </message>
    <message>
        <source>write the three logs as CSV files into FOLDER (created
when missing) and end, without a window</source>
        <translation>écrire les trois journaux en fichiers CSV dans FOLDER
(créé s&apos;il manque) et terminer, sans fenêtre</translation>
    </message>
    <message>
        <source>calculate and save the readings and deliveries of a
spreadsheet file, all or none, and end, without a window;
--day-first or --month-first tells how to read dates
such as 03/04/2024</source>
        <translation>calculer et enregistrer les relevés et livraisons
d&apos;un fichier tableur, tous ou aucun, et terminer, sans
fenêtre ; --day-first ou --month-first indique comment
lire des dates comme 03/04/2024</translation>
    </message>
    <message>
        <source>print the heating-season forecast and end</source>
        <translation>afficher la prévision de la saison et terminer</translation>
    </message>
    <message>
        <source>write the statement of a heating season (2024/25) or a
calendar year (2024) as a PDF file and end</source>
        <translation>écrire le bilan d&apos;une saison de chauffe (2024/25) ou
d&apos;une année civile (2024) en fichier PDF et terminer</translation>
    </message>
    <message>
        <source>print this text and end</source>
        <translation>afficher ce texte et terminer</translation>
    </message>
    <message>
        <source>print the version and end</source>
        <translation>afficher la version et terminer</translation>
    </message>
    <message>
        <source>-InhibitErrorCheck, -InhibitCombCheck, -ShortUpdateTime
or -InhibitUpdate (see the help page)</source>
        <translation>-InhibitErrorCheck, -InhibitCombCheck, -ShortUpdateTime
ou -InhibitUpdate (voir la page d&apos;aide)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation :</translation>
    </message>
    <message>
        <source>The option --csv-style needs a style: portable or local.</source>
        <translation>L&apos;option --csv-style attend un style : portable ou local.</translation>
    </message>
    <message>
        <source>The option --csv-style goes with --export-csv FOLDER.</source>
        <translation>L&apos;option --csv-style s&apos;emploie avec --export-csv DOSSIER.</translation>
    </message>
    <message>
        <source>with --export-csv: portable (the default: commas, numbers
with a period, ISO dates) or local (the spreadsheet form
of the desktop&apos;s locale: in German and French semicolons,
decimal commas and dates as the locale writes them)</source>
        <translation>avec --export-csv : portable (par défaut : virgules,
nombres avec un point, dates ISO) ou local (la forme de
tableur des réglages régionaux : en allemand et en
français points-virgules, virgule décimale et dates telles
que les écrivent les réglages régionaux)</translation>
    </message>
</context>
<context>
    <name>CsvCommand</name>
    <message>
        <source>--export-csv needs the folder to write the files into</source>
        <translation>--export-csv demande le dossier où écrire les fichiers</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 row</source>
        <translation>%1 : %2 ligne</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1 : %2 lignes</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Oil in tanks</source>
        <translation>Fioul en cuve</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Oil used</source>
        <translation>Fioul consommé</translation>
    </message>
    <message>
        <source>Oil delivered</source>
        <translation>Fioul livré</translation>
    </message>
    <message>
        <source>Use per day</source>
        <translation>Consommation par jour</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Coût par jour</translation>
    </message>
    <message>
        <source>Tank A reading</source>
        <translation>Relevé cuve A</translation>
    </message>
    <message>
        <source>Tank B reading</source>
        <translation>Relevé cuve B</translation>
    </message>
    <message>
        <source>Oil value</source>
        <translation>Valeur du fioul</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Delivery charge</source>
        <translation>Frais de livraison</translation>
    </message>
    <message>
        <source>Oil tax rate</source>
        <translation>Taux de TVA</translation>
    </message>
    <message>
        <source>Charge tax rate</source>
        <translation>TVA livraison</translation>
    </message>
    <message>
        <source>Reading date</source>
        <translation>Fin de période</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Oil left</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <source>CO2 per day</source>
        <translation>CO2 par jour</translation>
    </message>
    <message>
        <source>Prediction months</source>
        <translation>Mois de prévision</translation>
    </message>
    <message>
        <source>Tanks empty</source>
        <translation>Cuve vide le</translation>
    </message>
    <message>
        <source>Predicted oil used</source>
        <translation>Consommation prévue</translation>
    </message>
    <message>
        <source>Predicted cost</source>
        <translation>Coût prévu</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>Forecast.ini cannot be read; the defaults are used.</source>
        <translation>Forecast.ini est illisible ; les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>DegreeDays.csv cannot be read.</source>
        <translation>DegreeDays.csv est illisible.</translation>
    </message>
    <message>
        <source>The history log cannot be read.</source>
        <translation>Le journal de l&apos;historique est illisible.</translation>
    </message>
    <message>
        <source>No reading to start from.</source>
        <translation>Aucun relevé de départ.</translation>
    </message>
    <message>
        <source>. Order by is set by Fill Up By %1 less %2 days&apos; lead time, which comes before the weather-aware date</source>
        <translation>. La date de commande est « Remplir avant » %1 moins %2 jours de délai de livraison, avant la date tenant compte de la météo</translation>
    </message>
    <message>
        <source>. Order by is set by the weather-aware date the tanks reach the reserve, less %1 days&apos; lead time</source>
        <translation>. La date de commande est la date, selon la météo, où la cuve atteint la réserve, moins %1 jours de délai de livraison</translation>
    </message>
    <message>
        <source>. From saved readings only.</source>
        <translation>. Uniquement à partir des relevés enregistrés.</translation>
    </message>
    <message>
        <source>Order by %1.</source>
        <translation>Commander avant le %1.</translation>
    </message>
    <message>
        <source>Unable to save the forecast settings to Data/Forecast.ini.</source>
        <translation>Impossible d’enregistrer les réglages de prévision dans Data/Forecast.ini.</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>britannique</translation>
    </message>
    <message>
        <source>degree day</source>
        <translation>degré-jour</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>‰ of the heating year</source>
        <translation>‰ de l’année de chauffe</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est absent.</translation>
    </message>
    <message>
        <source>%1 has &quot;%2&quot;, not a number, on line %3.</source>
        <translation>%1 contient « %2 » au lieu d’un nombre à la ligne %3.</translation>
    </message>
    <message>
        <source>%1 has a negative value on line %2.</source>
        <translation>%1 contient une valeur négative à la ligne %2.</translation>
    </message>
    <message>
        <source>%1 has a negative value.</source>
        <translation>%1 contient une valeur négative.</translation>
    </message>
    <message>
        <source>%1 has %2 monthly values, not 12.</source>
        <translation>%1 contient %2 valeurs mensuelles au lieu de 12.</translation>
    </message>
    <message>
        <source>%1 has more than 12 monthly values.</source>
        <translation>%1 contient plus de 12 valeurs mensuelles.</translation>
    </message>
    <message>
        <source>%1 has no heating month.</source>
        <translation>%1 ne contient aucun mois de chauffe.</translation>
    </message>
    <message>
        <source>No period with readings to fit.</source>
        <translation>Aucune période avec des relevés pour la prévision.</translation>
    </message>
    <message>
        <source>%1 The %2 profile is used.</source>
        <translation>%1 Le profil %2 est utilisé.</translation>
    </message>
    <message>
        <source>Forecast.ini: %1=%2 is not %3; the default is used.</source>
        <translation>Forecast.ini : %1=%2 n’est pas %3 ; la valeur par défaut est utilisée.</translation>
    </message>
    <message>
        <source>a percentage from 0 to %1</source>
        <translation>un pourcentage de 0 à %1</translation>
    </message>
    <message>
        <source>a whole number of days from 0 to %1</source>
        <translation>un nombre entier de jours de 0 à %1</translation>
    </message>
    <message>
        <source>Auto, UK, German or File</source>
        <translation>Auto, UK, German ou File</translation>
    </message>
    <message>
        <source>No forecast: %1</source>
        <translation>Pas de prévision : %1</translation>
    </message>
    <message>
        <source>Runs out %1</source>
        <translation>Vide le %1</translation>
    </message>
    <message>
        <source>Does not run out within ten years</source>
        <translation>Ne sera pas vide dans les dix ans</translation>
    </message>
    <message>
        <source>%1; %2 %3/day base + %4 %3 per %5</source>
        <translation>%1 ; base %2 %3/jour + %4 %3 par %5</translation>
    </message>
</context>
<context>
    <name>ForecastChart</name>
    <message>
        <source>Order now, due %1</source>
        <translation>Commander sans tarder, échéance %1</translation>
    </message>
    <message>
        <source>Order by %1</source>
        <translation>Commander avant le %1</translation>
    </message>
    <message>
        <source>Runs out %1</source>
        <translation>À sec le %1</translation>
    </message>
</context>
<context>
    <name>ForecastCommand</name>
    <message>
        <source>the working folder %1 cannot be used: it is not a folder that can be read</source>
        <translation>le dossier de travail %1 est inutilisable : ce n&apos;est pas un dossier lisible</translation>
    </message>
    <message>
        <source>the working folder %1 cannot be used: it does not exist</source>
        <translation>le dossier de travail %1 est inutilisable : il n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>%1 per day</source>
        <translation>%1 par jour</translation>
    </message>
    <message>
        <source>Oil in tanks (%1)</source>
        <translation>Fioul en cuve (%1)</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>Reserve %1 %2</source>
        <translation>Réserve %1 %2</translation>
    </message>
    <message>
        <source>Oil in tanks</source>
        <translation>Fioul en cuve</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prévision</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Coût par jour</translation>
    </message>
    <message>
        <source>Cost per day (%1)</source>
        <translation>Coût par jour (%1)</translation>
    </message>
    <message>
        <source>Delivery</source>
        <translation>Livraison</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>%1: starting reading</source>
        <translation>%1 : relevé de départ</translation>
    </message>
    <message>
        <source>%1 to %2: %3 days, %4 used</source>
        <translation>du %1 au %2 : %3 jours, %4 consommés</translation>
    </message>
    <message>
        <source>%1, costing %2</source>
        <translation>%1, pour un coût de %2</translation>
    </message>
    <message>
        <source>%1, %2 delivery</source>
        <translation>%1, %2 livraison</translation>
    </message>
    <message>
        <source>%1, %2 deliveries</source>
        <translation>%1, %2 livraisons</translation>
    </message>
    <message>
        <source>Already in the logs: %1 readings, %2 deliveries</source>
        <translation>Déjà dans les journaux : %1 relevés, %2 livraisons</translation>
    </message>
    <message>
        <source>--import-csv needs the file to import</source>
        <translation>--import-csv demande le fichier à importer</translation>
    </message>
    <message>
        <source>Tankwise is running in %1: import from its History window, or close it first</source>
        <translation>Tankwise tourne dans %1 : importez depuis sa fenêtre Historique, ou fermez-le d&apos;abord</translation>
    </message>
    <message>
        <source>the dates could be day first or month first: add --day-first or --month-first</source>
        <translation>les dates peuvent commencer par le jour ou par le mois : ajoutez --day-first ou --month-first</translation>
    </message>
    <message>
        <source>Nothing new to import</source>
        <translation>Rien de nouveau à importer</translation>
    </message>
    <message>
        <source>nothing imported</source>
        <translation>rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>Imported %1 period</source>
        <translation>%1 période importée</translation>
    </message>
    <message>
        <source>Imported %1 periods</source>
        <translation>%1 périodes importées</translation>
    </message>
</context>
<context>
    <name>ImportCsv</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 « %2 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a date</source>
        <translation>%1 « %2 » n&apos;est pas une date</translation>
    </message>
    <message>
        <source>No date column and no reading or amount column among the headers %1</source>
        <translation>Aucune colonne de date ni de relevé ou de quantité parmi les en-têtes %1</translation>
    </message>
    <message>
        <source>The date</source>
        <translation>La date</translation>
    </message>
    <message>
        <source>The row has no date</source>
        <translation>La ligne n&apos;a pas de date</translation>
    </message>
    <message>
        <source>Tank A&apos;s reading</source>
        <translation>Le relevé de la cuve A</translation>
    </message>
    <message>
        <source>Tank B&apos;s reading</source>
        <translation>Le relevé de la cuve B</translation>
    </message>
    <message>
        <source>The oil value</source>
        <translation>La valeur du fioul</translation>
    </message>
    <message>
        <source>The amount</source>
        <translation>La quantité</translation>
    </message>
    <message>
        <source>The price</source>
        <translation>Le prix</translation>
    </message>
    <message>
        <source>The delivery has no price</source>
        <translation>La livraison n&apos;a pas de prix</translation>
    </message>
    <message>
        <source>The delivery charge</source>
        <translation>Les frais de livraison</translation>
    </message>
    <message>
        <source>The tax rate</source>
        <translation>Le taux de TVA</translation>
    </message>
    <message>
        <source>The charge&apos;s tax rate</source>
        <translation>Le taux de TVA des frais de livraison</translation>
    </message>
    <message>
        <source>The reading date</source>
        <translation>La date du relevé</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>Tank Reading Date 2 must be later than the last Tank Reading date saved</source>
        <translation>La date du relevé 2 doit être postérieure à celle du dernier relevé enregistré</translation>
    </message>
    <message>
        <source>A reading of the same day is on line %1</source>
        <translation>Un relevé du même jour figure à la ligne %1</translation>
    </message>
    <message>
        <source>The delivery is dated on or before the last saved reading</source>
        <translation>La livraison est datée du jour du dernier relevé enregistré ou avant</translation>
    </message>
    <message>
        <source>No pair of readings holds this delivery</source>
        <translation>Aucune paire de relevés n&apos;encadre cette livraison</translation>
    </message>
    <message>
        <source>A period holds two deliveries at most: a reading is needed between this one and those on lines %1 and %2</source>
        <translation>Une période compte au plus deux livraisons : il faut un relevé entre celle-ci et celles des lignes %1 et %2</translation>
    </message>
</context>
<context>
    <name>ImportRun</name>
    <message>
        <source>The period could not be saved</source>
        <translation>La période n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>Get Last does not give back the reading of %1 on its own</source>
        <translation>« Reprendre le dernier » ne redonne pas le relevé du %1 seul</translation>
    </message>
    <message>
        <source>The history or delivery log cannot be read</source>
        <translation>Le journal historique ou celui des livraisons est illisible</translation>
    </message>
    <message>
        <source>The program ended: %1</source>
        <translation>Le programme s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>No temporary folder for the preview</source>
        <translation>Aucun dossier temporaire pour l&apos;aperçu</translation>
    </message>
    <message>
        <source>%1 (the logs could not all be put back as they were)</source>
        <translation>%1 (les journaux n&apos;ont pas tous pu être remis en l&apos;état)</translation>
    </message>
    <message>
        <source>%1 gals</source>
        <translation>%1 gallons</translation>
    </message>
    <message>
        <source>%1 litres</source>
        <translation>%1 litres</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>gallons</source>
        <translation>gallons</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litres</translation>
    </message>
    <message>
        <source>no lines skipped</source>
        <translation>aucune ligne ignorée</translation>
    </message>
    <message>
        <source>1 line skipped (damaged or not readable): line %1</source>
        <translation>1 ligne ignorée (abîmée ou illisible) : ligne %1</translation>
    </message>
    <message>
        <source>%1 lines skipped (damaged or not readable): lines %2</source>
        <translation>%1 lignes ignorées (abîmées ou illisibles) : lignes %2</translation>
    </message>
    <message>
        <source>Tankwise Results Log</source>
        <translation>Journal des résultats Tankwise</translation>
    </message>
    <message>
        <source>Tankwise History</source>
        <translation>Historique Tankwise</translation>
    </message>
    <message>
        <source>Tankwise Deliveries</source>
        <translation>Livraisons Tankwise</translation>
    </message>
    <message>
        <source>%1 report</source>
        <translation>%1 rapport</translation>
    </message>
    <message>
        <source>%1 reports</source>
        <translation>%1 rapports</translation>
    </message>
    <message>
        <source>%1 reading</source>
        <translation>%1 relevé</translation>
    </message>
    <message>
        <source>%1 readings</source>
        <translation>%1 relevés</translation>
    </message>
    <message>
        <source>%1 delivery</source>
        <translation>%1 livraison</translation>
    </message>
    <message>
        <source>%1 deliveries</source>
        <translation>%1 livraisons</translation>
    </message>
    <message>
        <source>Unable to read the log file %1.</source>
        <translation>Impossible de lire le journal %1.</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Spreadsheet in this language (*.csv)</source>
        <translation>Tableur dans cette langue (*.csv)</translation>
    </message>
    <message>
        <source>Portable CSV: commas, periods, ISO dates (*.csv)</source>
        <translation>CSV portable : virgules, points décimaux, dates ISO (*.csv)</translation>
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
        <translation>Visiter le site web de Tankwise</translation>
    </message>
    <message>
        <source>Oil Use Cost Calculator</source>
        <translation>Consommation et coût du fioul</translation>
    </message>
    <message>
        <source>Readings &amp;&amp; Deliveries</source>
        <translation>Relevés &amp;&amp; livraisons</translation>
    </message>
    <message>
        <source>Tank Readings</source>
        <translation>Relevés de la cuve</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tank A</source>
        <translation>Cuve A</translation>
    </message>
    <message>
        <source>Tank B</source>
        <translation>Cuve B</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Central heating</source>
        <translation>Chauffage central</translation>
    </message>
    <message>
        <source>HW</source>
        <translation>ECS</translation>
    </message>
    <message>
        <source>Water heating</source>
        <translation>Eau chaude sanitaire</translation>
    </message>
    <message>
        <source>Reading &amp;1:</source>
        <translation>Relevé &amp;1 :</translation>
    </message>
    <message>
        <source>Reading &amp;2:</source>
        <translation>Relevé &amp;2 :</translation>
    </message>
    <message>
        <source>Deliveries</source>
        <translation>Livraisons</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Litres Added</source>
        <translation>Litres livrés</translation>
    </message>
    <message>
        <source>Oil Cost per litre</source>
        <translation>Prix du fioul par litre</translation>
    </message>
    <message>
        <source>Delivery Charge</source>
        <translation>Frais de livraison</translation>
    </message>
    <message>
        <source>Delivery 1:</source>
        <translation>Livraison 1 :</translation>
    </message>
    <message>
        <source>Delivery 2:</source>
        <translation>Livraison 2 :</translation>
    </message>
    <message>
        <source>Price o&amp;f oil in tank:</source>
        <translation>Pri&amp;x du fioul en cuve :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes :</translation>
    </message>
    <message>
        <source>Tan&amp;k &amp;&amp; Oil Data</source>
        <translation>C&amp;uve et fioul</translation>
    </message>
    <message>
        <source>Tank &amp;&amp; Oil Data</source>
        <translation>Cuve et fioul</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Décalage jauge :</translation>
    </message>
    <message>
        <source>Vol</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Tank A:</source>
        <translation>Cuve A :</translation>
    </message>
    <message>
        <source>Tank A Offset</source>
        <translation>Décalage de la jauge de la cuve A</translation>
    </message>
    <message>
        <source>Tank B:</source>
        <translation>Cuve B :</translation>
    </message>
    <message>
        <source>Tank B Offset</source>
        <translation>Décalage de la jauge de la cuve B</translation>
    </message>
    <message>
        <source>Oil VAT:</source>
        <translation>TVA fioul :</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Del VAT:</source>
        <translation>TVA livraison :</translation>
    </message>
    <message>
        <source>C&amp;O2:</source>
        <translation>C&amp;O2 :</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>&amp;Prediction:</source>
        <translation>Pré&amp;vision :</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>Inches:</source>
        <translation>Pouces :</translation>
    </message>
    <message>
        <source>Gallons:</source>
        <translation>Gallons :</translation>
    </message>
    <message>
        <source>Pounds:</source>
        <translation>Livres :</translation>
    </message>
    <message>
        <source>Auto Save:</source>
        <translation>Enregistrement auto :</translation>
    </message>
    <message>
        <source>On Top:</source>
        <translation>Au premier plan :</translation>
    </message>
    <message>
        <source>Auto Check:</source>
        <translation>Vérification auto :</translation>
    </message>
    <message>
        <source>No History:</source>
        <translation>Sans historique :</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Total Litres</source>
        <translation>Litres au total</translation>
    </message>
    <message>
        <source>Cost (inc Del)</source>
        <translation>Coût (livraison incl.)</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Cost (inc VAT)</source>
        <translation>Coût TTC</translation>
    </message>
    <message>
        <source>CO2 Kg Generated</source>
        <translation>CO2 émis (kg)</translation>
    </message>
    <message>
        <source>Actual:</source>
        <translation>Réel :</translation>
    </message>
    <message>
        <source>Predict:</source>
        <translation>Prévision :</translation>
    </message>
    <message>
        <source>Gallons/Day:</source>
        <translation>Gallons/jour :</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Reste :</translation>
    </message>
    <message>
        <source>Gal</source>
        <translation>gal</translation>
    </message>
    <message>
        <source>Cost /Day:</source>
        <translation>Coût/jour :</translation>
    </message>
    <message>
        <source>Fill Up By</source>
        <translation>Remplir avant le</translation>
    </message>
    <message>
        <source>CO2 Kg/Day:</source>
        <translation>CO2 kg/jour :</translation>
    </message>
    <message>
        <source>Order By</source>
        <translation>Commander avant le</translation>
    </message>
    <message>
        <source>Forecast:</source>
        <translation>Prévision saison :</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>&amp;Get Last</source>
        <translation>&amp;Reprendre le dernier</translation>
    </message>
    <message>
        <source>Sa&amp;ve Data</source>
        <translation>Enre&amp;gistrer les données</translation>
    </message>
    <message>
        <source>Reset &amp;Data</source>
        <translation>Réinitiali&amp;ser les données</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>Résul&amp;tats</translation>
    </message>
    <message>
        <source>His&amp;tory</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Del&amp;iveries</source>
        <translation>&amp;Livraisons</translation>
    </message>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archiver</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mise à jour</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Added:</source>
        <translation>Livré :</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Litres/Day:</source>
        <translation>Litres/jour :</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallons</translation>
    </message>
    <message>
        <source>Amount of oil left in gallons</source>
        <translation>Fioul restant en gallons</translation>
    </message>
    <message>
        <source>Amount of oil left in litres</source>
        <translation>Fioul restant en litres</translation>
    </message>
    <message>
        <source>Oil Cost per Gallon</source>
        <translation>Prix du fioul par gallon</translation>
    </message>
    <message>
        <source>Oil Cost per Litre</source>
        <translation>Prix du fioul par litre</translation>
    </message>
    <message>
        <source>Gallons Added</source>
        <translation>Gallons livrés</translation>
    </message>
    <message>
        <source>Total Gallons</source>
        <translation>Gallons au total</translation>
    </message>
    <message>
        <source>Total number of gallons used</source>
        <translation>Nombre total de gallons consommés</translation>
    </message>
    <message>
        <source>Total number of litres used</source>
        <translation>Nombre total de litres consommés</translation>
    </message>
    <message>
        <source>Total number of gallons predicted</source>
        <translation>Nombre total de gallons prévus</translation>
    </message>
    <message>
        <source>Total number of litres predicted</source>
        <translation>Nombre total de litres prévus</translation>
    </message>
    <message>
        <source>Number gallons added (1 - 9999)</source>
        <translation>Gallons livrés (1 - 9999)</translation>
    </message>
    <message>
        <source>Number litres added (1 - 9999)</source>
        <translation>Litres livrés (1 - 9999)</translation>
    </message>
    <message>
        <source>Gallons of oil used per day</source>
        <translation>Fioul consommé par jour, en gallons</translation>
    </message>
    <message>
        <source>Litres of oil used per day</source>
        <translation>Fioul consommé par jour, en litres</translation>
    </message>
    <message>
        <source>The price paid for the oil already in the tank at Tank Reading 1, per gallon before VAT: costs can then be worked out from the first calculation</source>
        <translation>Le prix payé pour le fioul déjà en cuve au relevé 1, par gallon hors TVA : les coûts sont alors calculés dès le premier calcul</translation>
    </message>
    <message>
        <source>The price paid for the oil already in the tank at Tank Reading 1, per litre before VAT: costs can then be worked out from the first calculation</source>
        <translation>Le prix payé pour le fioul déjà en cuve au relevé 1, par litre hors TVA : les coûts sont alors calculés dès le premier calcul</translation>
    </message>
    <message>
        <source>Tank A Capacity (100 - 9999)</source>
        <translation>Capacité de la cuve A (100 - 9999)</translation>
    </message>
    <message>
        <source>Tank B Capacity (Empty or 100 - 9999)</source>
        <translation>Capacité de la cuve B (vide ou 100 - 9999)</translation>
    </message>
    <message>
        <source>Tank A Depth (Empty or 10 - 300)</source>
        <translation>Hauteur de la cuve A (vide ou 10 - 300)</translation>
    </message>
    <message>
        <source>Tank B Depth (Empty or 10 - 300)</source>
        <translation>Hauteur de la cuve B (vide ou 10 - 300)</translation>
    </message>
    <message>
        <source>Tank A Shape</source>
        <translation>Forme de la cuve A</translation>
    </message>
    <message>
        <source>Tank B Shape</source>
        <translation>Forme de la cuve B</translation>
    </message>
    <message>
        <source>Tank A Offset ((Empty or 0.1 to 10.0)</source>
        <translation>Décalage de la jauge de la cuve A (vide ou 0,1 à 10,0)</translation>
    </message>
    <message>
        <source>Tank B Offset ((Empty or 0.1 to 10.0)</source>
        <translation>Décalage de la jauge de la cuve B (vide ou 0,1 à 10,0)</translation>
    </message>
    <message>
        <source>Enter Tank B Reading in litres if ticked and cm if unticked</source>
        <translation>Coché : relevé de la cuve B en litres, sinon en cm</translation>
    </message>
    <message>
        <source>CO2 Conversion Factor (0.50 to 10.00 )</source>
        <translation>Facteur de conversion CO2 (0,50 à 10,00)</translation>
    </message>
    <message>
        <source>Prediction period in months  (0 ( No Prediction) or between 1 and 12)</source>
        <translation>Période de prévision en mois (0 = aucune prévision, sinon de 1 à 12)</translation>
    </message>
    <message>
        <source>Work in inches instead of centimetre if ticked</source>
        <translation>Coché : travailler en pouces au lieu de centimètres</translation>
    </message>
    <message>
        <source>Work in gallons instead of litres if ticked</source>
        <translation>Coché : travailler en gallons au lieu de litres</translation>
    </message>
    <message>
        <source>Work in pounds instead of kilograms if ticked</source>
        <translation>Coché : travailler en livres au lieu de kilogrammes</translation>
    </message>
    <message>
        <source>Save result to log files when Calculate clicked ( provided no errors occur)</source>
        <translation>Enregistrer le résultat dans les journaux à chaque calcul (s’il n’y a pas d’erreur)</translation>
    </message>
    <message>
        <source>Set Tankwise to run on top</source>
        <translation>Garder Tankwise au premier plan</translation>
    </message>
    <message>
        <source>Enable automatic check for new version</source>
        <translation>Rechercher automatiquement une nouvelle version</translation>
    </message>
    <message>
        <source>If ticked history and delivery logs will not be updated when saving</source>
        <translation>Coché : l’historique et le journal des livraisons ne sont pas mis à jour à l’enregistrement</translation>
    </message>
    <message>
        <source>Tank Reading 1 date (empty or a valid date more than 3 days earlier than Tank Reading 2)</source>
        <translation>Date du relevé 1 (vide ou une date valide plus de 3 jours avant le relevé 2)</translation>
    </message>
    <message>
        <source>Tank Reading 2 date (empty or a valid date more than 3 days later than Tank Reading 1)</source>
        <translation>Date du relevé 2 (vide ou une date valide plus de 3 jours après le relevé 1)</translation>
    </message>
    <message>
        <source>Central Heating on if ticked</source>
        <translation>Coché : chauffage en marche</translation>
    </message>
    <message>
        <source>Water heating on if ticked</source>
        <translation>Coché : production d’eau chaude en marche</translation>
    </message>
    <message>
        <source>Delivery 1 date (empty or a valid date between or the same as either Tank Reading 1 or Tank Reading 2)</source>
        <translation>Date de la livraison 1 (vide ou une date valide du relevé 1 au relevé 2 inclus)</translation>
    </message>
    <message>
        <source>Delivery 2 date (empty or a valid date between or the same as either Tank Reading 1 or Tank Reading 2)</source>
        <translation>Date de la livraison 2 (vide ou une date valide du relevé 1 au relevé 2 inclus)</translation>
    </message>
    <message>
        <source>Delivery 1 amount of oil delivered ( 0 or between 100 and Available Tank Capacity)</source>
        <translation>Quantité de fioul de la livraison 1 (0, ou de 100 à la place libre en cuve)</translation>
    </message>
    <message>
        <source>Delivery 2 amount of oil delivered ( 0 or between 100 and Available Tank Capacity)</source>
        <translation>Quantité de fioul de la livraison 2 (0, ou de 100 à la place libre en cuve)</translation>
    </message>
    <message>
        <source>Notes relating to calculation (max 75 characters)</source>
        <translation>Notes sur le calcul (75 caractères au plus)</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Nombre de jours</translation>
    </message>
    <message>
        <source>Number of days in prediction period</source>
        <translation>Nombre de jours de la période de prévision</translation>
    </message>
    <message>
        <source>Total Cost (less VAT)</source>
        <translation>Coût total HT</translation>
    </message>
    <message>
        <source>Predicted Total Cost (less VAT)</source>
        <translation>Coût total prévu HT</translation>
    </message>
    <message>
        <source>Total Cost (inc VAT)</source>
        <translation>Coût total TTC</translation>
    </message>
    <message>
        <source>Predicted Total Cost (inc VAT)</source>
        <translation>Coût total prévu TTC</translation>
    </message>
    <message>
        <source>Amount of CO2 generated in Kg</source>
        <translation>CO2 émis en kg</translation>
    </message>
    <message>
        <source>Predicted amount of CO2 generated in Kg</source>
        <translation>CO2 prévu en kg</translation>
    </message>
    <message>
        <source>Oil used per day</source>
        <translation>Fioul consommé par jour</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Coût par jour</translation>
    </message>
    <message>
        <source>Cost per day predicted</source>
        <translation>Coût par jour prévu</translation>
    </message>
    <message>
        <source>Predicted date tank(s) empty</source>
        <translation>Date prévue où la cuve sera vide</translation>
    </message>
    <message>
        <source>Date to order oil by, so it comes before the reserve is reached</source>
        <translation>Date limite de commande du fioul, pour qu’il arrive avant d’entamer la réserve</translation>
    </message>
    <message>
        <source>The date the tanks run dry and the use fitted to the saved readings</source>
        <translation>La date où la cuve sera vide et la consommation déduite des relevés enregistrés</translation>
    </message>
    <message>
        <source>Calculate results</source>
        <translation>Calculer les résultats</translation>
    </message>
    <message>
        <source>Save results  (each result can only be saved once)</source>
        <translation>Enregistrer les résultats (chaque résultat une seule fois)</translation>
    </message>
    <message>
        <source>Clear all tank readings, deliveries and results</source>
        <translation>Effacer tous les relevés, livraisons et résultats</translation>
    </message>
    <message>
        <source>Retrieve last tank readings and deliveries saved</source>
        <translation>Reprendre les derniers relevés et livraisons enregistrés</translation>
    </message>
    <message>
        <source>View results log (it will not be updated while open)</source>
        <translation>Afficher le journal des résultats</translation>
    </message>
    <message>
        <source>View tank readings history (it will not be updated while open)</source>
        <translation>Afficher l’historique des relevés</translation>
    </message>
    <message>
        <source>View oil delivery history (it will not be updated while open)</source>
        <translation>Afficher l’historique des livraisons de fioul</translation>
    </message>
    <message>
        <source>Archive Tankwise results log file and create new one</source>
        <translation>Archiver le journal des résultats et en commencer un nouveau</translation>
    </message>
    <message>
        <source>Save Tank &amp; Oil Data</source>
        <translation>Enregistrer les données de cuve et de fioul</translation>
    </message>
    <message>
        <source>Reset Tank &amp; Oil Data</source>
        <translation>Réinitialiser les données de cuve et de fioul</translation>
    </message>
    <message>
        <source>Check the Hollyoak web site for the latest version of Tankwise</source>
        <translation>Chercher la dernière version de Tankwise sur le site web</translation>
    </message>
    <message>
        <source>Tankwise help</source>
        <translation>Aide de Tankwise</translation>
    </message>
    <message>
        <source>About Tankwise</source>
        <translation>À propos de Tankwise</translation>
    </message>
    <message>
        <source>Close Tankwise</source>
        <translation>Quitter Tankwise</translation>
    </message>
    <message>
        <source>Cylindrical (H)</source>
        <translation>Cylindrique horizontale</translation>
    </message>
    <message>
        <source>Cylindrical (V)</source>
        <translation>Cylindrique verticale</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangulaire</translation>
    </message>
    <message>
        <source>Results Log File Archived</source>
        <translation>Journal des résultats archivé</translation>
    </message>
    <message>
        <source>Results Log File Cleared</source>
        <translation>Journal des résultats vidé</translation>
    </message>
    <message>
        <source>Data Cleared</source>
        <translation>Saisies effacées</translation>
    </message>
    <message>
        <source>Last Saved Data Restored</source>
        <translation>Dernières valeurs enregistrées reprises</translation>
    </message>
    <message>
        <source>No Previous Readings Or Deliveries To Restore</source>
        <translation>Aucun relevé ni livraison antérieurs à reprendre</translation>
    </message>
    <message>
        <source>Data Restored</source>
        <translation>Données réinitialisées</translation>
    </message>
    <message>
        <source>No Calculation Saved</source>
        <translation>Aucun calcul enregistré</translation>
    </message>
    <message>
        <source>Calculation Not Saved</source>
        <translation>Calcul non enregistré</translation>
    </message>
    <message>
        <source>Calculation Saved</source>
        <translation>Calcul enregistré</translation>
    </message>
    <message>
        <source>Tank And Oil Data Saved</source>
        <translation>Données de cuve et de fioul enregistrées</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Oil %1:</source>
        <translation>%1 fioul :</translation>
    </message>
    <message>
        <source>Del %1:</source>
        <translation>%1 livraison :</translation>
    </message>
    <message>
        <source>Delivery %1 Rate (0 or between 1 and 50%)</source>
        <translation>Taux de %1 sur les frais de livraison (0 ou de 1 à 50 %)</translation>
    </message>
    <message>
        <source>Oil %1 Rate (0 or between 1 and 50%)</source>
        <translation>Taux de %1 sur le fioul (0 ou de 1 à 50 %)</translation>
    </message>
    <message>
        <source>Delivery cost for delivery %1 ( 0 or between 5 and 100)</source>
        <translation>Frais de livraison de la livraison %1 (0 ou de 5 à 100)</translation>
    </message>
    <message>
        <source>Delivery cost for delivery %1 less %2 ( 0 or between 5 and 100)</source>
        <translation>Frais de livraison de la livraison %1 hors %2 (0 ou de 5 à 100)</translation>
    </message>
    <message>
        <source>Oil cost for delivery %1 (0 or between 0.10 and 9.99)</source>
        <translation>Prix du fioul de la livraison %1 (0 ou de 0,10 à 9,99)</translation>
    </message>
    <message>
        <source>Oil cost for delivery %1 less %2 (0 or between 0.10 and 9.99)</source>
        <translation>Prix du fioul de la livraison %1 hors %2 (0 ou de 0,10 à 9,99)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>Cost (inc %1)</source>
        <translation>Coût (%1 incl.)</translation>
    </message>
    <message>
        <source>Total Cost (inc %1)</source>
        <translation>Coût total (%1 incl.)</translation>
    </message>
    <message>
        <source>Predicted Total Cost</source>
        <translation>Coût total prévu</translation>
    </message>
    <message>
        <source>Predicted Total Cost (inc %1)</source>
        <translation>Coût total prévu (%1 incl.)</translation>
    </message>
    <message>
        <source>Total Cost before %1 (including delivery costs)</source>
        <translation>Coût total hors %1 (frais de livraison inclus)</translation>
    </message>
    <message>
        <source>Predicted Total Cost before %1 (including delivery costs)</source>
        <translation>Coût total prévu hors %1 (frais de livraison inclus)</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>%1 totale</translation>
    </message>
    <message>
        <source>Total %1 Cost (including delivery %1)</source>
        <translation>%1 totale (%1 sur la livraison incluse)</translation>
    </message>
    <message>
        <source>Total Predicted %1 Cost (including delivery %1)</source>
        <translation>%1 totale prévue (%1 sur la livraison incluse)</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>gals</source>
        <translation>gallons</translation>
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
        <translation>gallons</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litres</translation>
    </message>
    <message>
        <source>Enter Tank %1 Readings in %2 if ticked and %3 if unticked</source>
        <translation>Coché : relevés de la cuve %1 en %2, sinon en %3</translation>
    </message>
    <message>
        <source>CO2 %1 Generated</source>
        <translation>CO2 émis (%1)</translation>
    </message>
    <message>
        <source>CO2 %1/Day:</source>
        <translation>CO2 %1/jour :</translation>
    </message>
    <message>
        <source>CO2 generated daily in %1</source>
        <translation>CO2 émis par jour, en %1</translation>
    </message>
    <message>
        <source>Amount of CO2 generated in %1</source>
        <translation>CO2 émis en %1</translation>
    </message>
    <message>
        <source>Predicted amount of CO2 generated in %1</source>
        <translation>CO2 prévu en %1</translation>
    </message>
    <message>
        <source>Tank %1 (%2)</source>
        <translation>Cuve %1 (%2)</translation>
    </message>
    <message>
        <source>Costs Not Calculated</source>
        <translation>Coûts non calculés</translation>
    </message>
    <message>
        <source>First Use Calculated</source>
        <translation>Première consommation calculée</translation>
    </message>
    <message>
        <source>The forecast uses saved readings only: save this calculation to see when to order oil</source>
        <translation>La prévision ne repose que sur les relevés enregistrés : enregistrez ce calcul pour savoir quand commander du fioul</translation>
    </message>
    <message>
        <source>Last Saved Data Restored; 1 damaged line at the end of %1 skipped</source>
        <translation>Dernières valeurs enregistrées reprises ; 1 ligne endommagée à la fin de %1 ignorée</translation>
    </message>
    <message>
        <source>Last Saved Data Restored; %1 damaged lines at the end of %2 skipped</source>
        <translation>Dernières valeurs enregistrées reprises ; %1 lignes endommagées à la fin de %2 ignorées</translation>
    </message>
    <message>
        <source>%1 Records Imported</source>
        <translation>%1 enregistrements importés</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Archive Tankwise Results Log File</source>
        <translation>Tankwise – Archiver le journal des résultats</translation>
    </message>
    <message>
        <source>Do you want to archive the log file?
To Archive the results log file and create a new one click Yes
To Clear the results log file without archiving it click No
Click Cancel to return</source>
        <translation>Voulez-vous archiver le journal ?
Oui : archiver le journal des résultats et en créer un nouveau
Non : vider le journal des résultats sans l’archiver
Annuler : revenir</translation>
    </message>
    <message>
        <source>There is no data to archive!
Results log file not archived.</source>
        <translation>Il n’y a rien à archiver !
Journal des résultats non archivé.</translation>
    </message>
    <message>
        <source>Tankwise Create New Log File</source>
        <translation>Tankwise – Créer un nouveau journal</translation>
    </message>
    <message>
        <source>Are you sure you want to create a new results log file?</source>
        <translation>Voulez-vous vraiment créer un nouveau journal des résultats ?</translation>
    </message>
    <message>
        <source>Unable to archive the results log file %1.</source>
        <translation>Impossible d’archiver le journal des résultats %1.</translation>
    </message>
    <message>
        <source>This may be a permissions problem.</source>
        <translation>Il s’agit peut-être d’un problème de droits d’accès.</translation>
    </message>
    <message>
        <source>The amount of oil remaining is more than there should be</source>
        <translation>Il reste plus de fioul dans la cuve qu’il ne devrait</translation>
    </message>
    <message>
        <source>Tankwise Data Error</source>
        <translation>Tankwise – Erreur de données</translation>
    </message>
    <message>
        <source>The data has not changed
since the last calculation</source>
        <translation>Les saisies n’ont pas changé
depuis le dernier calcul</translation>
    </message>
    <message>
        <source>Notes cannot hold %1: the log files have no code for these characters</source>
        <translation>Les notes ne peuvent pas contenir %1 : les journaux ne savent pas enregistrer ces caractères</translation>
    </message>
    <message>
        <source>Unable to read from the log file %1.</source>
        <translation>Impossible de lire le journal %1.</translation>
    </message>
    <message>
        <source>Tankwise Error</source>
        <translation>Tankwise – Erreur</translation>
    </message>
    <message>
        <source>Unable to launch Browser.</source>
        <translation>Impossible de lancer le navigateur.</translation>
    </message>
    <message>
        <source>A program error has occured
Error Number: 0
Error description: %1</source>
        <translation>Une erreur du programme s’est produite
Numéro d’erreur : 0
Description : %1</translation>
    </message>
    <message>
        <source>Tankwise Help File Error</source>
        <translation>Tankwise – Erreur du fichier d’aide</translation>
    </message>
    <message>
        <source>The help file is either missing or
corrupted. Reinstall the program
to correct the error.</source>
        <translation>Le fichier d’aide est absent ou
endommagé. Réinstallez le programme
pour corriger l’erreur.</translation>
    </message>
    <message>
        <source>Unable to opem the help file.</source>
        <translation>Impossible d’ouvrir le fichier d’aide.</translation>
    </message>
    <message>
        <source>Calculation Error</source>
        <translation>erreur de calcul</translation>
    </message>
    <message>
        <source>Check Data Error</source>
        <translation>erreur de vérification des saisies</translation>
    </message>
    <message>
        <source>Check Default Error</source>
        <translation>erreur de vérification des données de cuve</translation>
    </message>
    <message>
        <source>Clear Actual Data Error</source>
        <translation>erreur d’effacement des résultats</translation>
    </message>
    <message>
        <source>Clear Input Data Error</source>
        <translation>erreur d’effacement des saisies</translation>
    </message>
    <message>
        <source>Clear Predict Data Error</source>
        <translation>erreur d’effacement de la prévision</translation>
    </message>
    <message>
        <source>Config Read Error</source>
        <translation>erreur de lecture de la configuration</translation>
    </message>
    <message>
        <source>Currency Format Error</source>
        <translation>erreur de format monétaire</translation>
    </message>
    <message>
        <source>Generate Delivery Log Error</source>
        <translation>erreur de création du journal des livraisons</translation>
    </message>
    <message>
        <source>Generate History Log Error</source>
        <translation>erreur de création du journal de l’historique</translation>
    </message>
    <message>
        <source>Generate Log 1 Error</source>
        <translation>erreur de création du journal des résultats</translation>
    </message>
    <message>
        <source>History Log File Read Error</source>
        <translation>erreur de lecture du journal de l’historique</translation>
    </message>
    <message>
        <source>Loading Error</source>
        <translation>erreur au démarrage</translation>
    </message>
    <message>
        <source>Save Config Error</source>
        <translation>erreur d’enregistrement de la configuration</translation>
    </message>
    <message>
        <source>Tidy Input Error</source>
        <translation>erreur de mise en forme des saisies</translation>
    </message>
    <message>
        <source>Tidy Output Error</source>
        <translation>erreur de mise en forme des résultats</translation>
    </message>
    <message>
        <source>Tankwise Fatal Error</source>
        <translation>Tankwise – Erreur fatale</translation>
    </message>
    <message>
        <source>Error Number %1
A Fatal %2 Has Occurred
The Program Will Now Terminate</source>
        <translation>Numéro d’erreur %1
Une %2 fatale s’est produite
Le programme va maintenant se fermer</translation>
    </message>
    <message>
        <source>Tankwise %1 Directory Error</source>
        <translation>Tankwise – Erreur du dossier %1</translation>
    </message>
    <message>
        <source>The %1 directory does not exist.
To restore the %1 directory
reinstall the program.
The program will now terminate.</source>
        <translation>Le dossier %1 n’existe pas.
Pour rétablir le dossier %1,
réinstallez le programme.
Le programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Tankwise %1 File Error</source>
        <translation>Tankwise – Erreur du fichier « %1 »</translation>
    </message>
    <message>
        <source>The %1 file is either missing or
corrupted. Delete the %1 file if
it exists and restart the program.</source>
        <translation>Le fichier « %1 » est absent ou
endommagé. Supprimez le fichier « %1 »
s’il existe et redémarrez le programme.</translation>
    </message>
    <message>
        <source>Unable to read from log file %1.</source>
        <translation>Impossible de lire le journal %1.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Tankwise Import</source>
        <translation>Tankwise – Importation</translation>
    </message>
    <message>
        <source>The dates in this file could be day first or month first.
Are they day first, as 31/12/2024 rather than 12/31/2024?</source>
        <translation>Les dates de ce fichier peuvent commencer par le jour ou par le mois.
Commencent-elles par le jour, comme 31/12/2024 plutôt que 12/31/2024 ?</translation>
    </message>
    <message>
        <source>Nothing has been imported.</source>
        <translation>Rien n’a été importé.</translation>
    </message>
    <message>
        <source>Nothing new to import.</source>
        <translation>Rien de nouveau à importer.</translation>
    </message>
    <message>
        <source>Save these %1 records?</source>
        <translation>Enregistrer ces %1 enregistrements ?</translation>
    </message>
    <message>
        <source>The program will now terminate.</source>
        <translation>Le programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Tankwise Command Line Error</source>
        <translation>Tankwise – Erreur de ligne de commande</translation>
    </message>
    <message>
        <source>Tankwise Working Folder Error</source>
        <translation>Tankwise – Erreur du dossier de travail</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be used.</source>
        <translation>Le dossier de travail %1 est inutilisable.</translation>
    </message>
    <message>
        <source>Tankwise Already Running</source>
        <translation>Tankwise – Déjà en cours</translation>
    </message>
    <message>
        <source>Tankwise is already running in the working folder
%1.</source>
        <translation>Tankwise est déjà en cours dans le dossier de travail
%1.</translation>
    </message>
    <message>
        <source>Tankwise cannot mark the working folder
%1 as in use:
%2.</source>
        <translation>Tankwise ne peut pas marquer le dossier de travail
%1 comme occupé :
%2.</translation>
    </message>
    <message>
        <source>You can start anyway and look at your logs, but nothing
can be saved until this is put right. Start anyway?</source>
        <translation>Vous pouvez démarrer quand même et consulter vos journaux, mais rien
ne pourra être enregistré tant que ce n’est pas réglé. Démarrer quand même ?</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written: %2.</source>
        <translation>Le dossier de travail %1 est protégé en écriture : %2.</translation>
    </message>
    <message>
        <source>Unable to write to the log file %1.</source>
        <translation>Impossible d’écrire dans le journal %1.</translation>
    </message>
    <message>
        <source>Tankwise Log File Error</source>
        <translation>Tankwise – Erreur de journal</translation>
    </message>
    <message>
        <source>Unable to create the log files in %1.</source>
        <translation>Impossible de créer les journaux dans %1.</translation>
    </message>
    <message>
        <source>The results log file is either missing
or corrupted. Delete the log file 
%1 if it exists and restart
the program.</source>
        <translation>Le journal des résultats est absent
ou endommagé. Supprimez le journal
%1 s’il existe et redémarrez
le programme.</translation>
    </message>
    <message>
        <source>The history log file is either missing
or corrupted. Delete the log file 
%1 if it exists and restart
the program.</source>
        <translation>Le journal de l’historique est absent
ou endommagé. Supprimez le journal
%1 s’il existe et redémarrez
le programme.</translation>
    </message>
    <message>
        <source>The delivery log file is either missing
or corrupted. Delete the log file 
%1 if it exists and restart
the program.</source>
        <translation>Le journal des livraisons est absent
ou endommagé. Supprimez le journal
%1 s’il existe et redémarrez
le programme.</translation>
    </message>
    <message>
        <source>Unable to write to the log file</source>
        <translation>Impossible d’écrire dans ce journal :</translation>
    </message>
    <message>
        <source>Unable to write to the log files</source>
        <translation>Impossible d’écrire dans ces journaux :</translation>
    </message>
    <message>
        <source>Nothing has been saved.</source>
        <translation>Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Save the calculation before leaving?</source>
        <translation>Enregistrer le calcul avant de quitter ?</translation>
    </message>
    <message>
        <source>Tankwise Configuration File Error</source>
        <translation>Tankwise – Erreur du fichier de configuration</translation>
    </message>
    <message>
        <source>The configuration file is missing or corrupted.</source>
        <translation>Le fichier de configuration est absent ou endommagé.</translation>
    </message>
    <message>
        <source>Reinstall the program to restore the file.</source>
        <translation>Réinstallez le programme pour rétablir le fichier.</translation>
    </message>
    <message>
        <source>Tankwise Save Data Error</source>
        <translation>Tankwise – Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>No history or delivery data saved</source>
        <translation>Ni historique ni livraison enregistrés</translation>
    </message>
    <message>
        <source>Tankwise Save Data</source>
        <translation>Tankwise – Enregistrement</translation>
    </message>
    <message>
        <source>No history data will be saved
To save history results click
Cancel, reset the No History 
check box and click Save again</source>
        <translation>Aucun historique ne sera enregistré.
Pour enregistrer l’historique, cliquez sur
« Annuler », décochez « Sans historique »
puis cliquez à nouveau sur « Enregistrer ».</translation>
    </message>
    <message>
        <source>Unable to write to the configuration file %1.</source>
        <translation>Impossible d’écrire dans le fichier de configuration %1.</translation>
    </message>
    <message>
        <source>Updater Log File Error</source>
        <translation>Tankwise – Erreur du journal de mise à jour</translation>
    </message>
    <message>
        <source>Unable to create the log file %1.</source>
        <translation>Impossible de créer le journal %1.</translation>
    </message>
    <message>
        <source>log</source>
        <translation>journal</translation>
    </message>
    <message>
        <source>Updater Log File Write Error</source>
        <translation>Tankwise – Erreur d’écriture du journal de mise à jour</translation>
    </message>
    <message>
        <source>Unable to open the log file %1.</source>
        <translation>Impossible d’ouvrir le journal %1.</translation>
    </message>
    <message>
        <source>Unable to run Notepad
Check that it exists and
is working properly.</source>
        <translation>Impossible de lancer un programme d’affichage.
Vérifiez qu’il est installé
et qu’il fonctionne correctement.</translation>
    </message>
    <message>
        <source>Unable to write the file %1.</source>
        <translation>Impossible d’écrire le fichier %1.</translation>
    </message>
    <message>
        <source>Tankwise Export Error</source>
        <translation>Tankwise – Erreur d’exportation</translation>
    </message>
    <message>
        <source>It is a file, not a folder.</source>
        <translation>C’est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>It cannot be created.</source>
        <translation>Il ne peut pas être créé.</translation>
    </message>
    <message>
        <source>It cannot be written.</source>
        <translation>Il est protégé en écriture.</translation>
    </message>
    <message>
        <source>The program&apos;s files cannot be copied into it.</source>
        <translation>Les fichiers du programme ne peuvent pas y être copiés.</translation>
    </message>
    <message>
        <source>Date 2 must be at least 3 days later than Date 1</source>
        <translation>La date 2 doit être au moins 3 jours après la date 1</translation>
    </message>
    <message>
        <source>Delivery Date 1 cannot be earlier than Tank Reading 1 Date</source>
        <translation>La date de la livraison 1 ne peut pas précéder la date du relevé 1</translation>
    </message>
    <message>
        <source>Delivery Date 1 cannot be later than Tank Reading 2 Date</source>
        <translation>La date de la livraison 1 ne peut pas suivre la date du relevé 2</translation>
    </message>
    <message>
        <source>Delivery Date 2 cannot be earlier than Tank Reading 1 Date</source>
        <translation>La date de la livraison 2 ne peut pas précéder la date du relevé 1</translation>
    </message>
    <message>
        <source>Delivery Date 2 cannot be later than Tank Reading 2 Date</source>
        <translation>La date de la livraison 2 ne peut pas suivre la date du relevé 2</translation>
    </message>
    <message>
        <source>Delivery Date 2 cannot be earlier than Delivery Date 1</source>
        <translation>La date de la livraison 2 ne peut pas précéder celle de la livraison 1</translation>
    </message>
    <message>
        <source>Delivery 1 Date, Litres Added and Oil Cost must all be either set or empty</source>
        <translation>La date, la quantité livrée et le prix du fioul de la livraison 1 doivent être tous remplis ou tous vides</translation>
    </message>
    <message>
        <source>Delivery 2 Date, Litres Added and Oil Cost must all be either set or empty</source>
        <translation>La date, la quantité livrée et le prix du fioul de la livraison 2 doivent être tous remplis ou tous vides</translation>
    </message>
    <message>
        <source>Tank Reading Date 1 must be set</source>
        <translation>La date du relevé 1 doit être remplie</translation>
    </message>
    <message>
        <source>Tank Reading Date 2 must be set</source>
        <translation>La date du relevé 2 doit être remplie</translation>
    </message>
    <message>
        <source>Tank A Reading 1 must be set if Tank Reading Date 1 is set</source>
        <translation>Le relevé 1 de la cuve A doit être rempli si la date du relevé 1 est remplie</translation>
    </message>
    <message>
        <source>Tank A Reading 2 must be set if Tank Reading Date 2 is set</source>
        <translation>Le relevé 2 de la cuve A doit être rempli si la date du relevé 2 est remplie</translation>
    </message>
    <message>
        <source>Tank B Reading 1 must be set if Tank B Reading 2 is set</source>
        <translation>Le relevé 1 de la cuve B doit être rempli si le relevé 2 de la cuve B est rempli</translation>
    </message>
    <message>
        <source>Tank B Reading 2 must be set if Tank B Reading 1 is set</source>
        <translation>Le relevé 2 de la cuve B doit être rempli si le relevé 1 de la cuve B est rempli</translation>
    </message>
    <message>
        <source>Tank A Reading 1 must be less than or equal to Tank A Depth plus Offset</source>
        <translation>Le relevé 1 de la cuve A ne peut pas dépasser la hauteur de la cuve A plus le décalage de la jauge</translation>
    </message>
    <message>
        <source>Tank A Reading 2 must be less than or equal to Tank A Depth plus Offset</source>
        <translation>Le relevé 2 de la cuve A ne peut pas dépasser la hauteur de la cuve A plus le décalage de la jauge</translation>
    </message>
    <message>
        <source>Tank B Reading 1 must be less than or equal to Tank B Depth plus Offset</source>
        <translation>Le relevé 1 de la cuve B ne peut pas dépasser la hauteur de la cuve B plus le décalage de la jauge</translation>
    </message>
    <message>
        <source>Tank B Reading 2 must be less than or equal to Tank B Depth plus Offset</source>
        <translation>Le relevé 2 de la cuve B ne peut pas dépasser la hauteur de la cuve B plus le décalage de la jauge</translation>
    </message>
    <message>
        <source>Tank A Reading 1 must be less than or equal to Tank A Capacity</source>
        <translation>Le relevé 1 de la cuve A ne peut pas dépasser la capacité de la cuve A</translation>
    </message>
    <message>
        <source>Tank A Reading 2 must be less than or equal to Tank A Capacity</source>
        <translation>Le relevé 2 de la cuve A ne peut pas dépasser la capacité de la cuve A</translation>
    </message>
    <message>
        <source>Tank B Reading 1 must be less than or equal to Tank B Capacity</source>
        <translation>Le relevé 1 de la cuve B ne peut pas dépasser la capacité de la cuve B</translation>
    </message>
    <message>
        <source>Tank B Reading 2 must be less than or equal to Tank B Capacity</source>
        <translation>Le relevé 2 de la cuve B ne peut pas dépasser la capacité de la cuve B</translation>
    </message>
    <message>
        <source>Tank A Readings cannot be set if Tank A Capacity is not set</source>
        <translation>Les relevés de la cuve A ne sont possibles que si la capacité de la cuve A est remplie</translation>
    </message>
    <message>
        <source>Tank B Readings cannot be set if Tank B Capacity is not set</source>
        <translation>Les relevés de la cuve B ne sont possibles que si la capacité de la cuve B est remplie</translation>
    </message>
    <message>
        <source>Tank Reading Date 1 plus number months to predict forward must be greater than or equal to Tank Reading Date 2</source>
        <translation>La date du relevé 1 plus le nombre de mois de prévision doit atteindre au moins la date du relevé 2</translation>
    </message>
    <message>
        <source>The amount of oil added is greater than the capacity of the tank(s)</source>
        <translation>La quantité de fioul livrée dépasse la capacité de la ou des cuves</translation>
    </message>
    <message>
        <source>Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099</source>
        <translation>La date du relevé 1 doit être comprise entre le 1er janvier 2000 et le 28 décembre 2099</translation>
    </message>
    <message>
        <source>Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099</source>
        <translation>La date du relevé 2 doit être comprise entre le 4 janvier 2000 et le 31 décembre 2099</translation>
    </message>
    <message>
        <source>Delivery Date 1 must be between 1st Jan 2000 and 31st Dec 2099</source>
        <translation>La date de la livraison 1 doit être comprise entre le 1er janvier 2000 et le 31 décembre 2099</translation>
    </message>
    <message>
        <source>Delivery Date 2 must be between 1st Jan 2000 and 31st Dec 2099</source>
        <translation>La date de la livraison 2 doit être comprise entre le 1er janvier 2000 et le 31 décembre 2099</translation>
    </message>
    <message>
        <source>Tank A Reading 1</source>
        <translation>Le relevé 1 de la cuve A</translation>
    </message>
    <message>
        <source>Tank A Reading 2</source>
        <translation>Le relevé 2 de la cuve A</translation>
    </message>
    <message>
        <source>Tank B Reading 1</source>
        <translation>Le relevé 1 de la cuve B</translation>
    </message>
    <message>
        <source>Tank B Reading 2</source>
        <translation>Le relevé 2 de la cuve B</translation>
    </message>
    <message>
        <source>Delivery 1 oil added must be either empty or between 100 and 9999</source>
        <translation>La quantité de la livraison 1 doit être vide ou comprise entre 100 et 9999</translation>
    </message>
    <message>
        <source>Delivery 2 oil added must be either empty or between 100 and 9999</source>
        <translation>La quantité de la livraison 2 doit être vide ou comprise entre 100 et 9999</translation>
    </message>
    <message>
        <source>Delivery 1 oil cost must be either empty or between 0.10 and 9.99</source>
        <translation>Le prix du fioul de la livraison 1 doit être vide ou compris entre 0,10 et 9,99</translation>
    </message>
    <message>
        <source>Delivery 2 oil cost must be either empty or between 0.10 and 9.99</source>
        <translation>Le prix du fioul de la livraison 2 doit être vide ou compris entre 0,10 et 9,99</translation>
    </message>
    <message>
        <source>Delivery Charge 1 must be either empty or between 5 and 100</source>
        <translation>Les frais de livraison 1 doivent être vides ou compris entre 5 et 100</translation>
    </message>
    <message>
        <source>Delivery Charge 2 must be either empty or between 5 and 100</source>
        <translation>Les frais de livraison 2 doivent être vides ou compris entre 5 et 100</translation>
    </message>
    <message>
        <source>Price of oil in tank must be either empty or between 0.10 and 9.99</source>
        <translation>Le prix du fioul en cuve doit être vide ou compris entre 0,10 et 9,99</translation>
    </message>
    <message>
        <source>Tank Reading Date %1 must be a valid date</source>
        <translation>La date du relevé %1 doit être une date valide</translation>
    </message>
    <message>
        <source>%1 must be between 0 and 9999</source>
        <translation>%1 doit être compris entre 0 et 9999</translation>
    </message>
    <message>
        <source>%1 must be between 0 and 300</source>
        <translation>%1 doit être compris entre 0 et 300</translation>
    </message>
    <message>
        <source>Delivery Date %1 must be empty or a valid date</source>
        <translation>La date de la livraison %1 doit être vide ou une date valide</translation>
    </message>
    <message>
        <source>No Tank Readings or Deliveries to Calculate</source>
        <translation>Aucun relevé ni livraison à calculer</translation>
    </message>
    <message>
        <source>%1 Key Errors</source>
        <translation>%1 erreurs de clé</translation>
    </message>
    <message>
        <source>%1 Section Errors</source>
        <translation>%1 erreurs de section</translation>
    </message>
    <message>
        <source>%1 Value Errors</source>
        <translation>%1 erreurs de valeur</translation>
    </message>
    <message>
        <source>The configuration file is corrupted.</source>
        <translation>Le fichier de configuration est endommagé.</translation>
    </message>
    <message>
        <source>Auto Save must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>« Enregistrement auto » doit valoir &apos;1&apos; ou &apos;2&apos;</translation>
    </message>
    <message>
        <source>Run On Top must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>« Au premier plan » doit valoir &apos;1&apos; ou &apos;2&apos;</translation>
    </message>
    <message>
        <source>Tank A volume must be 1 or 2</source>
        <translation>Le volume de la cuve A doit valoir 1 ou 2</translation>
    </message>
    <message>
        <source>Tank B volume must be 1 or 2</source>
        <translation>Le volume de la cuve B doit valoir 1 ou 2</translation>
    </message>
    <message>
        <source>Enable inches must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>« Pouces » doit valoir &apos;1&apos; ou &apos;2&apos;</translation>
    </message>
    <message>
        <source>Enable gallons must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>« Gallons » doit valoir &apos;1&apos; ou &apos;2&apos;</translation>
    </message>
    <message>
        <source>Enable pounds must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>« Livres » doit valoir &apos;1&apos; ou &apos;2&apos;</translation>
    </message>
    <message>
        <source>Update Enable must be &apos;1&apos; or &apos;2&apos;</source>
        <translation>« Vérification auto » doit valoir &apos;1&apos; ou &apos;2&apos;</translation>
    </message>
    <message>
        <source>Tank A Capacity must be between 100 and 9999</source>
        <translation>La capacité de la cuve A doit être comprise entre 100 et 9999</translation>
    </message>
    <message>
        <source>Tank B Capacity must be empty or between 100 and 9999</source>
        <translation>La capacité de la cuve B doit être vide ou comprise entre 100 et 9999</translation>
    </message>
    <message>
        <source>Tank A Depth must be empty or between 10 and 300</source>
        <translation>La hauteur de la cuve A doit être vide ou comprise entre 10 et 300</translation>
    </message>
    <message>
        <source>Tank B Depth must be empty or between 10 and 300</source>
        <translation>La hauteur de la cuve B doit être vide ou comprise entre 10 et 300</translation>
    </message>
    <message>
        <source>Tank A Depth must be set if Tank A measured in %1</source>
        <translation>La hauteur de la cuve A doit être remplie si la cuve A est jaugée en %1</translation>
    </message>
    <message>
        <source>Tank B Depth must be set if Tank B measured in %1</source>
        <translation>La hauteur de la cuve B doit être remplie si la cuve B est jaugée en %1</translation>
    </message>
    <message>
        <source>Tank B Capacity must be set if Tank B depth is set</source>
        <translation>La capacité de la cuve B doit être remplie si la hauteur de la cuve B est remplie</translation>
    </message>
    <message>
        <source>Tank A Shape must be 0 or 1</source>
        <translation>La forme de la cuve A doit valoir 0 ou 1</translation>
    </message>
    <message>
        <source>Tank B Shape must be 0 or 1</source>
        <translation>La forme de la cuve B doit valoir 0 ou 1</translation>
    </message>
    <message>
        <source>Prediction Period must be either empty or between 1 and 12 months</source>
        <translation>La période de prévision doit être vide ou comprise entre 1 et 12 mois</translation>
    </message>
    <message>
        <source>Delivery %1 Rate must be 0 or between 1 and 50%</source>
        <translation>Le taux de %1 sur les frais de livraison doit valoir 0 ou être compris entre 1 et 50 %</translation>
    </message>
    <message>
        <source>Oil %1 Rate must be 0 or between 1 and 50%</source>
        <translation>Le taux de %1 sur le fioul doit valoir 0 ou être compris entre 1 et 50 %</translation>
    </message>
    <message>
        <source>Oil and delivery %1 Rates must both be either set or zero</source>
        <translation>Les taux de %1 sur le fioul et sur la livraison doivent être tous deux remplis ou nuls</translation>
    </message>
    <message>
        <source>The CO2 Conversion Rate must be between 0.50 and 10.00</source>
        <translation>Le facteur de conversion CO2 doit être compris entre 0,50 et 10,00</translation>
    </message>
    <message>
        <source>Tank A Offset must be either empty or between 0.1 and 10.0</source>
        <translation>Le décalage de la jauge de la cuve A doit être vide ou compris entre 0,1 et 10,0</translation>
    </message>
    <message>
        <source>Tank B Offset must be either empty or between 0.1 and 10.0</source>
        <translation>Le décalage de la jauge de la cuve B doit être vide ou compris entre 0,1 et 10,0</translation>
    </message>
    <message>
        <source>Delivery %1 date must be later than last delivery date saved</source>
        <translation>La date de la livraison %1 doit suivre celle de la dernière livraison enregistrée</translation>
    </message>
    <message>
        <source>You must not change retrieved delivery %1 data</source>
        <translation>Les données reprises de la livraison %1 ne doivent pas être modifiées</translation>
    </message>
    <message>
        <source>Tank Reading Date 2 must be later than the last Tank Reading date saved</source>
        <translation>La date du relevé 2 doit suivre celle du dernier relevé enregistré</translation>
    </message>
    <message>
        <source>Tankwise Results Log File Error</source>
        <translation>Tankwise – Erreur du journal des résultats</translation>
    </message>
    <message>
        <source>Tankwise History Log File Error</source>
        <translation>Tankwise – Erreur du journal de l’historique</translation>
    </message>
    <message>
        <source>Tankwise Delivery Log File Error</source>
        <translation>Tankwise – Erreur du journal des livraisons</translation>
    </message>
    <message>
        <source>Its settings cannot be written.</source>
        <translation>Ses réglages ne peuvent pas être écrits.</translation>
    </message>
</context>
<context>
    <name>ProgramView</name>
    <message>
        <source>Tankwise logo</source>
        <translation>Logo Tankwise</translation>
    </message>
</context>
<context>
    <name>StatementCommand</name>
    <message>
        <source>%1 is not a heating season (2024/25) or a year (2024)</source>
        <translation>%1 n&apos;est ni une saison de chauffe (2024/25) ni une année (2024)</translation>
    </message>
    <message>
        <source>--statement needs --pdf FILE, the file to write</source>
        <translation>--statement demande --pdf FILE, le fichier à écrire</translation>
    </message>
    <message>
        <source>the working folder %1 cannot be used</source>
        <translation>le dossier de travail %1 est inutilisable</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>cannot read the history or delivery log in %1</source>
        <translation>impossible de lire le journal historique ou le journal des livraisons dans %1</translation>
    </message>
    <message>
        <source>no saved reading reaches into %1</source>
        <translation>aucun relevé enregistré ne couvre %1</translation>
    </message>
</context>
<context>
    <name>StatementPainter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1, highest %2</source>
        <translation>%1, maximum %2</translation>
    </message>
    <message>
        <source>Unable to write the file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>StatementText</name>
    <message>
        <source>gallons</source>
        <translation>gallons</translation>
    </message>
    <message>
        <source>litres</source>
        <translation>litres</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallons</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>amount of oil</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>heating season %1</source>
        <translation>saison de chauffe %1</translation>
    </message>
    <message>
        <source>calendar year %1</source>
        <translation>année civile %1</translation>
    </message>
    <message>
        <source>%1, %2 without %3</source>
        <translation>%1, %2 hors %3</translation>
    </message>
    <message>
        <source>at the end of %1, worked out between the readings of %2 and %3</source>
        <translation>à la fin du %1, déduit des relevés du %2 et du %3</translation>
    </message>
    <message>
        <source>at the start of %1, worked out between the readings of %2 and %3</source>
        <translation>au début du %1, déduit des relevés du %2 et du %3</translation>
    </message>
    <message>
        <source>the saved reading of %1</source>
        <translation>le relevé enregistré du %1</translation>
    </message>
    <message>
        <source>in proportion to the fitted use, %1 %2 a day plus %3 %2 per degree day</source>
        <translation>au prorata de la consommation ajustée, %1 %2 par jour plus %3 %2 par degré-jour</translation>
    </message>
    <message>
        <source>in proportion to the degree days</source>
        <translation>au prorata des degrés-jours</translation>
    </message>
    <message>
        <source>the same as %1 after allowing for the weather</source>
        <translation>autant que %1 à météo égale</translation>
    </message>
    <message>
        <source>%1% less than %2 after allowing for the weather</source>
        <translation>%1 % de moins que %2 à météo égale</translation>
    </message>
    <message>
        <source>%1% more than %2 after allowing for the weather</source>
        <translation>%1 % de plus que %2 à météo égale</translation>
    </message>
    <message>
        <source>Heating oil statement %1</source>
        <translation>Bilan fioul %1</translation>
    </message>
    <message>
        <source>Household: %1</source>
        <translation>Foyer : %1</translation>
    </message>
    <message>
        <source>Period: %1 (%2)</source>
        <translation>Période : %1 (%2)</translation>
    </message>
    <message>
        <source>Made by Tankwise %1 on %2</source>
        <translation>Établi par Tankwise %1 le %2</translation>
    </message>
    <message>
        <source>No saved readings reach into this period: there is nothing to state.</source>
        <translation>Aucun relevé enregistré ne couvre cette période : il n&apos;y a rien à établir.</translation>
    </message>
    <message>
        <source>The saved readings cover %1 to %2 of this period; the figures are for those days.</source>
        <translation>Les relevés enregistrés couvrent du %1 au %2 de cette période ; les chiffres portent sur ces jours.</translation>
    </message>
    <message>
        <source>Stock and deliveries</source>
        <translation>Stock et livraisons</translation>
    </message>
    <message>
        <source>Opening stock</source>
        <translation>Stock d&apos;ouverture</translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation>Livré</translation>
    </message>
    <message>
        <source>%1 in %2 delivery</source>
        <translation>%1 en %2 livraison</translation>
    </message>
    <message>
        <source>%1 in %2 deliveries</source>
        <translation>%1 en %2 livraisons</translation>
    </message>
    <message>
        <source>Closing stock</source>
        <translation>Stock de clôture</translation>
    </message>
    <message>
        <source>Use and cost</source>
        <translation>Consommation et coût</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Oil used</source>
        <translation>Fioul consommé</translation>
    </message>
    <message>
        <source>Cost before %1</source>
        <translation>Coût hors %1</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Coût par jour</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the year before: caption</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Degree days (%1 profile)</source>
        <translation>Degrés-jours (profil %1)</translation>
    </message>
    <message>
        <source>%1 per 100 degree days</source>
        <translation>%1 pour 100 degrés-jours</translation>
    </message>
    <message>
        <source>Weather-normalised use</source>
        <translation>Consommation corrigée du climat</translation>
    </message>
    <message>
        <source>Oil used in %1</source>
        <translation>Fioul consommé en %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>no saved readings for %1</source>
        <translation>aucun relevé enregistré pour %1</translation>
    </message>
    <message>
        <source>Deliveries</source>
        <translation>Livraisons</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Frais de livraison</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Saved periods</source>
        <translation>Périodes enregistrées</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Cost with %1</source>
        <translation>Coût avec %1</translation>
    </message>
    <message>
        <source>not priced</source>
        <translation>sans prix</translation>
    </message>
    <message>
        <source>split</source>
        <translation>partagée</translation>
    </message>
    <message>
        <source>Periods marked split run past the start or end of the statement; their oil is shared %1, and the stock at the cut is worked out the same way.</source>
        <translation>Les périodes marquées partagée débordent du début ou de la fin du bilan ; leur fioul est réparti %1, et le stock à la coupure est déduit de la même façon.</translation>
    </message>
    <message>
        <source>%1 saved period(s) had no value for the oil at their first reading; their cost is not included.</source>
        <translation>%1 période(s) enregistrée(s) sans valeur du fioul à leur premier relevé ; leur coût n&apos;est pas compris.</translation>
    </message>
    <message>
        <source>Degree days are those of a normal year by the %1 profile; the weather-normalised use is the use such a year would have given.</source>
        <translation>Les degrés-jours sont ceux d&apos;une année normale selon le profil %1 ; la consommation corrigée du climat est celle qu&apos;aurait donnée une telle année.</translation>
    </message>
    <message>
        <source>Oil used per month (%1) and degree days</source>
        <translation>Fioul consommé par mois (%1) et degrés-jours</translation>
    </message>
    <message>
        <source>Oil used (%1)</source>
        <translation>Fioul consommé (%1)</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Update check</source>
        <translation>Recherche de mise à jour</translation>
    </message>
    <message>
        <source>How the check for a newer version went</source>
        <translation>Résultat de la recherche d’une version plus récente</translation>
    </message>
    <message>
        <source>Newest version</source>
        <translation>Dernière version</translation>
    </message>
    <message>
        <source>The newest version of Tankwise the web site offers</source>
        <translation>La dernière version de Tankwise proposée sur le site web</translation>
    </message>
    <message>
        <source>Message from the web site</source>
        <translation>Message du site web</translation>
    </message>
    <message>
        <source>What the web site says about the newest version</source>
        <translation>Ce que dit le site web de la dernière version</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Télécharger</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Known Issues</source>
        <translation>&amp;Problèmes connus</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 Update Check</source>
        <translation>%1 – Recherche de mise à jour</translation>
    </message>
    <message>
        <source>Please Wait - Checking for the latest version</source>
        <translation>Veuillez patienter – recherche de la dernière version</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Close %1 update check</source>
        <translation>Fermer la recherche de mise à jour de %1</translation>
    </message>
    <message>
        <source>%1 website</source>
        <translation>Site web de %1</translation>
    </message>
    <message>
        <source>%1 known issues</source>
        <translation>Problèmes connus de %1</translation>
    </message>
    <message>
        <source>Unable to contact web site - try later</source>
        <translation>Site web injoignable – réessayez plus tard</translation>
    </message>
    <message>
        <source>Getting latest version of %1</source>
        <translation>Récupération de la dernière version de %1</translation>
    </message>
    <message>
        <source>Unable to contact web site</source>
        <translation>Site web injoignable</translation>
    </message>
    <message>
        <source>%1 change history</source>
        <translation>Historique des modifications de %1</translation>
    </message>
    <message>
        <source>Download the latest version of %1</source>
        <translation>Télécharger la dernière version de %1</translation>
    </message>
    <message>
        <source>You have the latest version of %1</source>
        <translation>Vous avez la dernière version de %1</translation>
    </message>
    <message>
        <source>Click Known Issues to see any problems we are aware of.</source>
        <translation>Cliquez sur « Problèmes connus » pour voir les problèmes dont nous avons connaissance.</translation>
    </message>
    <message>
        <source>Version %1 of %2 is available </source>
        <translation>La version %1 de %2 est disponible </translation>
    </message>
    <message>
        <source>Click Download to get it</source>
        <translation>Cliquez sur « Télécharger » pour l’obtenir</translation>
    </message>
    <message>
        <source>Click History for change info and Known Issues for any problems.</source>
        <translation>Cliquez sur « Historique » pour les modifications et sur « Problèmes connus » pour les problèmes.</translation>
    </message>
    <message>
        <source>You must uninstall %1 first.</source>
        <translation>Vous devez d’abord désinstaller %1.</translation>
    </message>
    <message>
        <source>Unrecognised version of %1</source>
        <translation>Version de %1 non reconnue</translation>
    </message>
    <message>
        <source>Contact Hollyoak for assistance.</source>
        <translation>Contactez Hollyoak pour obtenir de l’aide.</translation>
    </message>
    <message>
        <source>The web site&apos;s reply could not be read</source>
        <translation>La réponse du site web est illisible</translation>
    </message>
</context>
<context>
    <name>tw::HistoryTableModel</name>
    <message>
        <source>Includes %1 %2 delivered</source>
        <translation>Dont %1 %2 livrés</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Oil in tanks
(%1)</source>
        <translation>Fioul en cuve
(%1)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Oil used
(%1)</source>
        <translation>Consommation
(%1)</translation>
    </message>
    <message>
        <source>Use per day
(%1)</source>
        <translation>Par jour
(%1)</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Coût par jour</translation>
    </message>
</context>
<context>
    <name>tw::LogWindow</name>
    <message>
        <source>Log as saved</source>
        <translation>Journal tel qu&apos;enregistré</translation>
    </message>
    <message>
        <source>The log file as the program wrote it</source>
        <translation>Le journal tel que le programme l&apos;a écrit</translation>
    </message>
    <message>
        <source>Saved readings</source>
        <translation>Relevés enregistrés</translation>
    </message>
    <message>
        <source>One row for each saved reading, with the period since the one before</source>
        <translation>Une ligne par relevé enregistré, avec la période depuis le précédent</translation>
    </message>
    <message>
        <source>Ta&amp;ble and chart</source>
        <translation>&amp;Tableau et graphique</translation>
    </message>
    <message>
        <source>&amp;Log as saved</source>
        <translation>&amp;Journal tel qu&apos;enregistré</translation>
    </message>
    <message>
        <source>&amp;Open with...</source>
        <translation>&amp;Ouvrir avec...</translation>
    </message>
    <message>
        <source>Open the log file with the desktop&apos;s own program for it</source>
        <translation>Ouvrir le journal avec le programme prévu par le bureau</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Save the log as a spreadsheet file (CSV)</source>
        <translation>Enregistrer le journal en fichier tableur (CSV)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Calculate and save readings and deliveries from a spreadsheet file (CSV)</source>
        <translation>Calculer et enregistrer des relevés et livraisons d&apos;un fichier tableur (CSV)</translation>
    </message>
    <message>
        <source>&amp;Statement...</source>
        <translation>&amp;Bilan...</translation>
    </message>
    <message>
        <source>What a heating season or a year cost, ready to print or save as PDF</source>
        <translation>Ce qu&apos;a coûté une saison de chauffe ou une année, à imprimer ou enregistrer en PDF</translation>
    </message>
    <message>
        <source>Oil to keep in the tanks, as a share of their capacity</source>
        <translation>Fioul à garder en cuve, en part de sa capacité</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Days from placing an order to the delivery</source>
        <translation>Jours entre la commande et la livraison</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>How the heating need spreads over the year: Automatic takes Data/DegreeDays.csv when there is one, else the profile of your country</source>
        <translation>Comment le besoin de chauffage se répartit sur l&apos;année : Automatique prend Data/DegreeDays.csv s&apos;il existe, sinon le profil de votre pays</translation>
    </message>
    <message>
        <source>&amp;Reserve:</source>
        <translation>&amp;Réserve :</translation>
    </message>
    <message>
        <source>Lead &amp;time:</source>
        <translation>&amp;Délai de livraison :</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil :</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prévision</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Show &amp;all</source>
        <translation>Tout &amp;afficher</translation>
    </message>
    <message>
        <source>Show the whole history again. Drag across the chart to zoom into a stretch of time; a right-click steps back out; Ctrl with the mouse wheel or with + and - zooms too</source>
        <translation>Afficher de nouveau tout l&apos;historique. Faites glisser la souris sur le graphique pour agrandir une période ; un clic droit revient d&apos;un cran en arrière ; Ctrl avec la molette ou avec + et - agrandit et réduit aussi</translation>
    </message>
</context>
<context>
    <name>tw::StatementDialog</name>
    <message>
        <source>Tankwise Statement</source>
        <translation>Bilan Tankwise</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>A heating season runs from 1 July to 30 June</source>
        <translation>Une saison de chauffe va du 1er juillet au 30 juin</translation>
    </message>
    <message>
        <source>Heating season %1</source>
        <translation>Saison de chauffe %1</translation>
    </message>
    <message>
        <source>Calendar year %1</source>
        <translation>Année civile %1</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>Statement preview</source>
        <translation>Aperçu du bilan</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No saved calculations yet: save two readings first.</source>
        <translation>Pas encore de calcul enregistré : enregistrez d&apos;abord deux relevés.</translation>
    </message>
    <message>
        <source>The history or delivery log cannot be read.</source>
        <translation>Le journal historique ou celui des livraisons est illisible.</translation>
    </message>
    <message>
        <source>This may be a permissions problem.</source>
        <translation>Il s&apos;agit peut-être d&apos;un problème de droits d&apos;accès.</translation>
    </message>
    <message>
        <source>Tankwise statement %1</source>
        <translation>Bilan Tankwise %1</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
</TS>
