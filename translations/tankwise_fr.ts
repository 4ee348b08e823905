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
</context>
</TS>
