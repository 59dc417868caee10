<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>app::About</name>
    <message>
        <source>Tallowmere %1
Small-business planning: businesses, their plans, reports and documents.

Free software under the MIT licence.
Copyright the Tallowmere authors.

Qt %2
SQLite %3

Data folder: %4</source>
        <translation>Tallowmere %1
Planung für kleine Unternehmen: Unternehmen, ihre Pläne, Berichte und Dokumente.

Freie Software unter der MIT-Lizenz.
Copyright die Autoren von Tallowmere.

Qt %2
SQLite %3

Datenordner: %4</translation>
    </message>
</context>
<context>
    <name>app::BusinessExport</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>app::BusinessInformationController</name>
    <message>
        <source>Business Currently In System: %1</source>
        <translation>Unternehmen im System: %1</translation>
    </message>
</context>
<context>
    <name>app::DailyBackup</name>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is a link; the daily backup goes only into a folder of its own there. Replace the link by a folder.</source>
        <translation>%1 ist eine Verknüpfung; die tägliche Sicherung wird nur in einem eigenen Ordner an dieser Stelle abgelegt. Ersetzen Sie die Verknüpfung durch einen Ordner.</translation>
    </message>
    <message>
        <source>%1 is not a folder; the daily backup needs a folder of that name.</source>
        <translation>%1 ist kein Ordner; die tägliche Sicherung braucht einen Ordner dieses Namens.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user; the daily backup goes only into a folder of your own.</source>
        <translation>Der Ordner %1 gehört einem anderen Benutzer; die tägliche Sicherung wird nur in einem eigenen Ordner abgelegt.</translation>
    </message>
    <message>
        <source>The backup folder %1 is dated after today (%2); it was kept and is not counted among the %3 days kept. The computer&apos;s clock may have been wrong when it was made.</source>
        <translation>Der Sicherungsordner %1 trägt ein Datum nach dem heutigen (%2); er wurde behalten und zählt nicht zu den %3 aufbewahrten Tagen. Vermutlich ging die Uhr des Computers falsch, als er angelegt wurde.</translation>
    </message>
    <message>
        <source>The backup %1 was made but cannot be marked as the program&apos;s: %2.</source>
        <translation>Die Sicherung %1 wurde erstellt, kann aber nicht als die des Programms gekennzeichnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>app::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Back Up...</source>
        <translation>&amp;Sichern...</translation>
    </message>
    <message>
        <source>&amp;Export Businesses...</source>
        <translation>Unternehmen &amp;exportieren...</translation>
    </message>
    <message>
        <source>Back Up Into Folder</source>
        <translation>In Ordner sichern</translation>
    </message>
    <message>
        <source>The folder %1 does not exist yet. Make it and back up into it?</source>
        <translation>Den Ordner %1 gibt es noch nicht. Soll er angelegt und die Sicherung darin gespeichert werden?</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>The businesses and the RSS items were backed up into %1.</source>
        <translation>Die Unternehmen und die RSS-Einträge wurden in %1 gesichert.</translation>
    </message>
    <message>
        <source>No backup was made. %1</source>
        <translation>Es wurde keine Sicherung erstellt. %1</translation>
    </message>
    <message>
        <source>Today&apos;s automatic backup could not be made: %1 Your data is as it was; File &gt; Back Up... makes a backup by hand.</source>
        <translation>Die heutige automatische Sicherung konnte nicht erstellt werden: %1 Ihre Daten sind unverändert; mit Datei &gt; Sichern... sichern Sie sie von Hand.</translation>
    </message>
    <message>
        <source>Export Businesses</source>
        <translation>Unternehmen exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Businesses.csv</source>
        <translation>Unternehmen.csv</translation>
    </message>
    <message>
        <source>The businesses were not exported. %1</source>
        <translation>Die Unternehmen wurden nicht exportiert. %1</translation>
    </message>
    <message>
        <source>1 business was exported to %1.</source>
        <translation>1 Unternehmen wurde nach %1 exportiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n businesses were exported to %1.</source>
        <translation>
            <numerusform>%n Unternehmen wurde nach %1 exportiert.</numerusform>
            <numerusform>%n Unternehmen wurden nach %1 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::GeneralInformation1</name>
    <message>
        <source>General Business Information</source>
        <translation>Allgemeine Unternehmensdaten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Planning Menu</source>
        <translation>Planung</translation>
    </message>
    <message>
        <source>&amp;Business</source>
        <translation>&amp;Unternehmen</translation>
    </message>
    <message>
        <source>Registered Agent...</source>
        <translation>&amp;Registrierter Vertreter...</translation>
    </message>
    <message>
        <source>Find Business...</source>
        <translation>Unternehmen &amp;suchen...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find the business whose name contains:</source>
        <translation>Unternehmen suchen, dessen Name Folgendes enthält:</translation>
    </message>
    <message>
        <source>Find Business</source>
        <translation>Unternehmen suchen</translation>
    </message>
    <message>
        <source>No business name contains &quot;%1&quot;.</source>
        <translation>Kein Unternehmensname enthält „%1“.</translation>
    </message>
    <message>
        <source>Edit Tempate</source>
        <translation>Vorlage bearbeiten</translation>
    </message>
    <message>
        <source>Upload Template</source>
        <translation>Vorlage importieren</translation>
    </message>
    <message>
        <source>&amp;Templates</source>
        <translation>&amp;Vorlagen</translation>
    </message>
    <message>
        <source>&amp;Edit Template...</source>
        <translation>Vorlage &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Upload Template...</source>
        <translation>Vorlage &amp;importieren...</translation>
    </message>
    <message>
        <source>General Business Information - %1</source>
        <translation>Allgemeine Unternehmensdaten - %1</translation>
    </message>
    <message>
        <source>The business resources page %1 could not be opened: no program on this computer is set up to open web pages, and the resource browser could not start. %2</source>
        <translation>Die Seite mit den Unternehmensressourcen %1 konnte nicht geöffnet werden: Auf diesem Computer ist kein Programm zum Öffnen von Webseiten eingerichtet, und der Ressourcen-Browser konnte nicht starten. %2</translation>
    </message>
    <message>
        <source>Re&amp;sources</source>
        <translation>&amp;Ressourcen</translation>
    </message>
    <message>
        <source>Resource Browser...</source>
        <translation>Ressourcen-&amp;Browser...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>&amp;Über Tallowmere</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>Über Tallowmere</translation>
    </message>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1

The resource browser, which holds a copy of it, could not start. %2</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Gesucht wurde in:
%1

Der Ressourcen-Browser, der eine Kopie davon enthält, konnte nicht starten. %2</translation>
    </message>
    <message>
        <source>The user guide %1 could not be opened: no program on this computer is set up to open web pages, and the resource browser could not start. %2</source>
        <translation>Das Benutzerhandbuch %1 konnte nicht geöffnet werden: Auf diesem Computer ist kein Programm zum Öffnen von Webseiten eingerichtet, und der Ressourcen-Browser konnte nicht starten. %2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Business Purpose</source>
        <translation>Unternehmenszweck</translation>
    </message>
    <message>
        <source>Business Type</source>
        <translation>Unternehmensart</translation>
    </message>
    <message>
        <source>Business Perspectives</source>
        <translation>Perspektiven</translation>
    </message>
    <message>
        <source>Employee Information</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Long Term Goals</source>
        <translation>Langfristige Ziele</translation>
    </message>
    <message>
        <source>Short Term Goals</source>
        <translation>Kurzfristige Ziele</translation>
    </message>
    <message>
        <source>Business Report</source>
        <translation>Unternehmensbericht</translation>
    </message>
    <message>
        <source>Business Resources</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <source>Manage RSS Feeds</source>
        <translation>RSS-Feeds verwalten</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Finanzplan</translation>
    </message>
</context>
<context>
    <name>app::InterruptedRestore</name>
    <message>
        <source>%1 Finish it now? Yes puts the backup&apos;s databases in place; No puts back the databases from before the restore.</source>
        <translation>%1 Jetzt abschließen? „Ja“ setzt die Datenbanken der Sicherung ein; „Nein“ stellt die Datenbanken von vor der Wiederherstellung zurück.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>%1 &quot;tallowmere-db restore --finish&quot; or &quot;--undo&quot; with the program folder tries again.</source>
        <translation>%1 Mit „tallowmere-db restore --finish“ oder „--undo“ und dem Programmordner versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>app::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Tallowmere will use the language you chose the next time it starts.</source>
        <translation>Tallowmere verwendet die gewählte Sprache beim nächsten Start.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>app::StartUp</name>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>records::FieldLabel</name>
    <message>
        <source>BusinessInformationId:</source>
        <translation>BusinessInformationId:</translation>
    </message>
    <message>
        <source>BusinessInformationDate:</source>
        <translation>BusinessInformationDate:</translation>
    </message>
    <message>
        <source>Busnines Name:</source>
        <translation>Firmenname:</translation>
    </message>
    <message>
        <source>Business Address One:</source>
        <translation>Adresse, Zeile 1:</translation>
    </message>
    <message>
        <source>Business Address Two:</source>
        <translation>Adresse, Zeile 2:</translation>
    </message>
    <message>
        <source>Business City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Business State:</source>
        <translation>Bundesland:</translation>
    </message>
    <message>
        <source>Business Zip:</source>
        <translation>Postleitzahl:</translation>
    </message>
    <message>
        <source>Business County:</source>
        <translation>Landkreis:</translation>
    </message>
    <message>
        <source>Business Phone Number:</source>
        <translation>Telefonnummer:</translation>
    </message>
    <message>
        <source>Business Fax Number:</source>
        <translation>Faxnummer:</translation>
    </message>
    <message>
        <source>Business Web Site URL:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Business E-mail Address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
</context>
<context>
    <name>records::RecordFormController</name>
    <message>
        <source>The form has no records: it is not loaded.</source>
        <translation>Das Formular hat keine Datensätze: Es ist nicht geladen.</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Neuer Datensatz</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
</context>
<context>
    <name>records::RecordFormWindow</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this record?</source>
        <translation>Möchten Sie die Änderungen an diesem Datensatz speichern?</translation>
    </message>
</context>
</TS>
