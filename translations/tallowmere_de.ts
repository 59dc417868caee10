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
    <name>browser::BrowserLayout</name>
    <message>
        <source>The window is too small.</source>
        <translation>Das Fenster ist zu klein.</translation>
    </message>
</context>
<context>
    <name>browser::FrmBrowser</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Resource Browser</source>
        <translation>Ressourcen-Browser</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>The resource browser has no page.</source>
        <translation>Der Ressourcen-Browser zeigt keine Seite.</translation>
    </message>
</context>
<context>
    <name>browser::WebAddress</name>
    <message>
        <source>No address was given.</source>
        <translation>Es wurde keine Adresse angegeben.</translation>
    </message>
</context>
<context>
    <name>browser::WebView</name>
    <message>
        <source>The web engine could not be started.</source>
        <translation>Die Web-Engine konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Save Download As</source>
        <translation>Download speichern unter</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The file was saved as %1.

Open it now?</source>
        <translation>Die Datei wurde als %1 gespeichert.

Jetzt öffnen?</translation>
    </message>
    <message>
        <source>No program on this computer opens %1. The file stays where it was saved.</source>
        <translation>Kein Programm auf diesem Computer öffnet %1. Die Datei bleibt, wo sie gespeichert wurde.</translation>
    </message>
</context>
<context>
    <name>documents::ArticlesWindow</name>
    <message>
        <source>Report Article Of Corporation</source>
        <translation>Bericht – Gründungsurkunde</translation>
    </message>
    <message>
        <source>1 field has no value: %1. They stay in the text as written, highlighted.</source>
        <translation>1 Feld hat keinen Wert: %1. Es bleibt so im Text stehen, wie es geschrieben ist, und ist hervorgehoben.</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Save as D&amp;ocument...</source>
        <translation>Als D&amp;okument speichern...</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <source>Save as Document</source>
        <translation>Als Dokument speichern</translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation>OpenDocument-Text (*.odt)</translation>
    </message>
    <message numerus="yes">
        <source>%n fields have no value: %1. They stay in the text as written, highlighted.</source>
        <translation>
            <numerusform>%n Feld hat keinen Wert: %1. Es bleibt so im Text stehen, wie es geschrieben ist, und ist hervorgehoben.</numerusform>
            <numerusform>%n Felder haben keinen Wert: %1. Sie bleiben so im Text stehen, wie sie geschrieben sind, und sind hervorgehoben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::BusinessReport</name>
    <message>
        <source>Business report, %1</source>
        <translation>Unternehmensbericht, %1</translation>
    </message>
</context>
<context>
    <name>documents::EditorWindow</name>
    <message>
        <source>Merge fields</source>
        <translation>Seriendruckfelder</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Vorlagentext</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Field names the merge does not know</source>
        <translation>Feldnamen, die der Seriendruck nicht kennt</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Editor: %1</source>
        <translation>Editor: %1</translation>
    </message>
    <message>
        <source>The template %1 has changes that are not saved. Save them?</source>
        <translation>Die Vorlage %1 hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>... and %1 more names that are not merge fields.</source>
        <translation>... und %1 weitere Namen, die keine Seriendruckfelder sind.</translation>
    </message>
</context>
<context>
    <name>documents::FieldCheck</name>
    <message>
        <source>Line %1: %2: did you mean %3?</source>
        <translation>Zeile %1: %2: Meinten Sie %3?</translation>
    </message>
    <message>
        <source>Line %1: %2 is not a merge field.</source>
        <translation>Zeile %1: %2 ist kein Seriendruckfeld.</translation>
    </message>
</context>
<context>
    <name>documents::LVPrint</name>
    <message>
        <source>There is no list to print.</source>
        <translation>Es gibt keine Liste zum Drucken.</translation>
    </message>
</context>
<context>
    <name>documents::ListPrinter</name>
    <message>
        <source>ListView Control Sample Printout</source>
        <translation>Listenausdruck</translation>
    </message>
    <message>
        <source>PAGE %1</source>
        <translation>SEITE %1</translation>
    </message>
</context>
<context>
    <name>documents::OpenDocument</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the document could not be made.</source>
        <translation>das Dokument konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>documents::PageProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1: 1 page done.</source>
        <translation>%1: 1 Seite fertig.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln pages done.</source>
        <translation>
            <numerusform>%1: %Ln Seite fertig.</numerusform>
            <numerusform>%1: %Ln Seiten fertig.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::PrintOutput</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The file %1 could not be written: it may only be read.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: Sie darf nur gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>Der Drucker %1 hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The print job was aborted.</source>
        <translation>Der Druckauftrag wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. The file %2 was not written.</source>
        <translation>Der Druck wurde wie gewünscht nach Seite %1 angehalten. Die Datei %2 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. Nothing was printed.</source>
        <translation>Der Druck wurde wie gewünscht nach Seite %1 angehalten. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. The pages made until then went to the printer %2; the rest was not printed.</source>
        <translation>Der Druck wurde wie gewünscht nach Seite %1 angehalten. Die bis dahin erstellten Seiten gingen an den Drucker %2; der Rest wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preparing the preview</source>
        <translation>Vorschau wird vorbereitet</translation>
    </message>
    <message>
        <source>The preview was stopped after page %1, as asked. Nothing was printed.</source>
        <translation>Die Vorschau wurde wie gewünscht nach Seite %1 angehalten. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Save Printout as PDF</source>
        <translation>Ausdruck als PDF speichern</translation>
    </message>
</context>
<context>
    <name>documents::PrintPreviewDialog</name>
    <message>
        <source>Print Preview: %1</source>
        <translation>Druckvorschau: %1</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pages</source>
        <translation>
            <numerusform>%Ln Seite</numerusform>
            <numerusform>%Ln Seiten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::PrintSurface</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The printout could not be finished.</source>
        <translation>Der Ausdruck konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Printing could not begin: the printer or the output file is not available.</source>
        <translation>Der Druck konnte nicht beginnen: Der Drucker oder die Ausgabedatei ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>documents::RecordRow</name>
    <message>
        <source>The query gave no column named %1.</source>
        <translation>Die Abfrage lieferte keine Spalte namens %1.</translation>
    </message>
</context>
<context>
    <name>documents::ReportBuilder</name>
    <message>
        <source>Business Mission Statement</source>
        <translation>Leitbild des Unternehmens</translation>
    </message>
    <message>
        <source>Business Type</source>
        <translation>Unternehmensart</translation>
    </message>
    <message>
        <source>Business Short Term Goals</source>
        <translation>Kurzfristige Ziele des Unternehmens</translation>
    </message>
    <message>
        <source>Business Long Term Goals</source>
        <translation>Langfristige Ziele des Unternehmens</translation>
    </message>
    <message>
        <source>General Business Information</source>
        <translation>Allgemeine Unternehmensangaben</translation>
    </message>
    <message>
        <source>Business Employee Information</source>
        <translation>Mitarbeiter des Unternehmens</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Finanzplan</translation>
    </message>
    <message>
        <source>Year %1: revenue %2, net income %3, cash at the year&apos;s end %4</source>
        <translation>Jahr %1: Umsatz %2, Nettoergebnis %3, liquide Mittel am Jahresende %4</translation>
    </message>
</context>
<context>
    <name>documents::ReportWindow</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>documents::SelectTemplateWindow</name>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Vorlage auswählen</translation>
    </message>
    <message>
        <source>Nothing Selected Try Again</source>
        <translation>Nichts ausgewählt – bitte erneut versuchen</translation>
    </message>
</context>
<context>
    <name>documents::TemplateMerge</name>
    <message>
        <source>Report: %1</source>
        <translation>Bericht: %1</translation>
    </message>
</context>
<context>
    <name>documents::TemplateStore</name>
    <message>
        <source>There is no template named &quot;%1&quot;.</source>
        <translation>Es gibt keine Vorlage namens „%1“.</translation>
    </message>
    <message>
        <source>No template is open.</source>
        <translation>Es ist keine Vorlage geöffnet.</translation>
    </message>
</context>
<context>
    <name>documents::TextDocumentWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
</context>
<context>
    <name>plan::Decimal</name>
    <message>
        <source>A value of the plan is too large to be computed.</source>
        <translation>Ein Wert des Plans ist zu groß, um berechnet zu werden.</translation>
    </message>
    <message>
        <source>A value of the plan is divided by zero.</source>
        <translation>Ein Wert des Plans wird durch null geteilt.</translation>
    </message>
</context>
<context>
    <name>plan::Money</name>
    <message>
        <source>An amount of the plan is too large to be computed.</source>
        <translation>Ein Betrag des Plans ist zu groß, um berechnet zu werden.</translation>
    </message>
</context>
<context>
    <name>plan::Plan</name>
    <message>
        <source>Unit sales</source>
        <translation>Stückverkauf</translation>
    </message>
    <message>
        <source>Recurring</source>
        <translation>Wiederkehrend</translation>
    </message>
    <message>
        <source>Billable hours</source>
        <translation>Abrechenbare Stunden</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Einlage</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Darlehen</translation>
    </message>
</context>
<context>
    <name>plan::PlanJson</name>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be a decimal number written as a text, such as &quot;2.5&quot;</source>
        <translation>muss eine als Text geschriebene Dezimalzahl sein, etwa &quot;2.5&quot;</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>must be a list ([...])</source>
        <translation>muss eine Liste sein ([...])</translation>
    </message>
    <message>
        <source>holds more than %1 lines</source>
        <translation>enthält mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>%1 is not a field of a plan.</source>
        <translation>%1 ist kein Feld eines Plans.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>%1 must be an object ({...}).</source>
        <translation>%1 muss ein Objekt sein ({...}).</translation>
    </message>
    <message>
        <source>%1 is not a plan: %2 at byte %3.</source>
        <translation>%1 ist kein Plan: %2 bei Byte %3.</translation>
    </message>
    <message>
        <source>%1 is not a plan: it holds no object ({...}).</source>
        <translation>%1 ist kein Plan: Die Datei enthält kein Objekt ({...}).</translation>
    </message>
</context>
<context>
    <name>plan::PlanRules</name>
    <message>
        <source>First month</source>
        <translation>Erster Monat</translation>
    </message>
    <message>
        <source>Starting cash</source>
        <translation>Anfangsliquidität</translation>
    </message>
    <message>
        <source>Income-tax rate (%)</source>
        <translation>Ertragsteuersatz (%)</translation>
    </message>
    <message>
        <source>Payroll burden (%)</source>
        <translation>Lohnnebenkosten (%)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Startmonat</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Endmonat</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>First quantity</source>
        <translation>Anfangsmenge</translation>
    </message>
    <message>
        <source>Monthly growth (%)</source>
        <translation>Monatliches Wachstum (%)</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Churn (%)</source>
        <translation>Kündigungsrate (%)</translation>
    </message>
    <message>
        <source>Direct cost (%)</source>
        <translation>Direkte Kosten (%)</translation>
    </message>
    <message>
        <source>Direct cost per unit</source>
        <translation>Direkte Kosten je Einheit</translation>
    </message>
    <message>
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Monthly salary</source>
        <translation>Monatsgehalt</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Annual interest (%)</source>
        <translation>Jahreszins (%)</translation>
    </message>
    <message>
        <source>Term (months)</source>
        <translation>Laufzeit (Monate)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Useful life (months)</source>
        <translation>Nutzungsdauer (Monate)</translation>
    </message>
    <message>
        <source>%1 line %2: </source>
        <translation>%1, Zeile %2: </translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <translation>%1 darf höchstens %2 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>%1 takes no tabs, line breaks or other control characters.</source>
        <translation>%1 darf keine Tabulatoren, Zeilenumbrüche oder anderen Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>End month must not come before the start month.</source>
        <translation>Der Endmonat darf nicht vor dem Startmonat liegen.</translation>
    </message>
    <message>
        <source>%1: a plan holds at most %2 lines of each kind.</source>
        <translation>%1: Ein Plan enthält höchstens %2 Zeilen jeder Art.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>%1 must be an amount from %2 to %3 with at most two decimals.</source>
        <translation>%1 muss ein Betrag von %2 bis %3 mit höchstens zwei Nachkommastellen sein.</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3 with at most %4 decimals.</source>
        <translation>%1 muss eine Zahl von %2 bis %3 mit höchstens %4 Nachkommastellen sein.</translation>
    </message>
    <message>
        <source>First month must be a month written YYYY-MM, such as 2027-01.</source>
        <translation>Der erste Monat muss im Format YYYY-MM angegeben sein, etwa 2027-01.</translation>
    </message>
    <message>
        <source>Kind must be &quot;Unit sales&quot;, &quot;Recurring&quot; or &quot;Billable hours&quot;.</source>
        <translation>Die Art muss „Stückverkauf“, „Wiederkehrend“ oder „Abrechenbare Stunden“ sein.</translation>
    </message>
    <message>
        <source>Kind must be &quot;Investment&quot; or &quot;Loan&quot;.</source>
        <translation>Die Art muss „Einlage“ oder „Darlehen“ sein.</translation>
    </message>
    <message>
        <source>Settings: </source>
        <translation>Einstellungen: </translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Umsätze</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Financing</source>
        <translation>Finanzierung</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Anlagen</translation>
    </message>
</context>
<context>
    <name>plan::PlanStore</name>
    <message>
        <source>The stored plan is damaged: table %1, row %2, column %3: %4</source>
        <translation>Der gespeicherte Plan ist beschädigt: Tabelle %1, Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>The stored plan is damaged: table %1 holds more than %2 lines for one business.</source>
        <translation>Der gespeicherte Plan ist beschädigt: Die Tabelle %1 enthält mehr als %2 Zeilen für ein Unternehmen.</translation>
    </message>
    <message>
        <source>The stored plan is damaged: %1</source>
        <translation>Der gespeicherte Plan ist beschädigt: %1</translation>
    </message>
    <message>
        <source>The plan was not stored: %1</source>
        <translation>Der Plan wurde nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>plan::Statements</name>
    <message>
        <source>%1 line %2 (%3) grows too large to be computed; lower its growth or amounts.</source>
        <translation>%1, Zeile %2 (%3) wächst zu stark, um berechnet zu werden; senken Sie das Wachstum oder die Beträge.</translation>
    </message>
    <message>
        <source>The plan&apos;s amounts grow too large to be computed; lower its amounts or growth.</source>
        <translation>Die Beträge des Plans werden zu groß, um berechnet zu werden; senken Sie die Beträge oder das Wachstum.</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Umsatz</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Profit and loss</source>
        <translation>Gewinn- und Verlustrechnung</translation>
    </message>
    <message>
        <source>Direct costs</source>
        <translation>Direkte Kosten</translation>
    </message>
    <message>
        <source>Gross margin</source>
        <translation>Bruttomarge</translation>
    </message>
    <message>
        <source>Salaries</source>
        <translation>Gehälter</translation>
    </message>
    <message>
        <source>Payroll burden</source>
        <translation>Lohnnebenkosten</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Abschreibungen</translation>
    </message>
    <message>
        <source>Operating income</source>
        <translation>Betriebsergebnis</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Income before tax</source>
        <translation>Ergebnis vor Steuern</translation>
    </message>
    <message>
        <source>Income tax</source>
        <translation>Ertragsteuern</translation>
    </message>
    <message>
        <source>Net income</source>
        <translation>Nettoergebnis</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Kapitalflussrechnung</translation>
    </message>
    <message>
        <source>Asset purchases</source>
        <translation>Anlagenkäufe</translation>
    </message>
    <message>
        <source>Loans received</source>
        <translation>Erhaltene Darlehen</translation>
    </message>
    <message>
        <source>Principal repaid</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Einlagen</translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation>Netto-Cashflow</translation>
    </message>
    <message>
        <source>Cash at end of month</source>
        <translation>Liquide Mittel am Monatsende</translation>
    </message>
    <message>
        <source>Balance sheet</source>
        <translation>Bilanz</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Liquide Mittel</translation>
    </message>
    <message>
        <source>Fixed assets</source>
        <translation>Anlagevermögen</translation>
    </message>
    <message>
        <source>Total assets</source>
        <translation>Summe Aktiva</translation>
    </message>
    <message>
        <source>Loans outstanding</source>
        <translation>Darlehensverbindlichkeiten</translation>
    </message>
    <message>
        <source>Paid-in capital</source>
        <translation>Eingezahltes Kapital</translation>
    </message>
    <message>
        <source>Retained earnings</source>
        <translation>Gewinnrücklagen</translation>
    </message>
    <message>
        <source>Total liabilities and equity</source>
        <translation>Summe Passiva</translation>
    </message>
</context>
<context>
    <name>plan::ui::ChartModule</name>
    <message>
        <source>The program part %1 (%2) draws no charts.</source>
        <translation>Der Programmteil %1 (%2) zeichnet keine Diagramme.</translation>
    </message>
</context>
<context>
    <name>plan::ui::ChartsPage</name>
    <message>
        <source>The charts cannot be shown. %1</source>
        <translation>Die Diagramme können nicht angezeigt werden. %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::KeyFigures</name>
    <message>
        <source>Gross margin: %1</source>
        <translation>Bruttomarge: %1</translation>
    </message>
    <message>
        <source>none (no revenue)</source>
        <translation>keine (kein Umsatz)</translation>
    </message>
    <message>
        <source>Break-even month: %1</source>
        <translation>Break-even-Monat: %1</translation>
    </message>
    <message>
        <source>%1 (month %2)</source>
        <translation>%1 (Monat %2)</translation>
    </message>
    <message>
        <source>not within the plan</source>
        <translation>nicht innerhalb des Plans</translation>
    </message>
    <message>
        <source>Revenue needed to break even in year 1: %1</source>
        <translation>Umsatz für den Break-even im 1. Jahr: %1</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <translation>%1 pro Monat</translation>
    </message>
    <message>
        <source>none (no gross margin in year 1)</source>
        <translation>keiner (keine Bruttomarge im 1. Jahr)</translation>
    </message>
    <message>
        <source>Lowest cash: %1 in %2</source>
        <translation>Niedrigste Liquidität: %1 im %2</translation>
    </message>
    <message>
        <source>Cash runs out in %1</source>
        <translation>Die Liquidität ist im %1 erschöpft</translation>
    </message>
</context>
<context>
    <name>plan::ui::LineTable</name>
    <message>
        <source>%1 must not be empty.</source>
        <translation>%1 darf nicht leer sein.</translation>
    </message>
    <message>
        <source>(employee %1, no longer listed)</source>
        <translation>(Mitarbeiter %1, nicht mehr verzeichnet)</translation>
    </message>
    <message>
        <source>%1 must be one of the business&apos;s employees (Employee Information), or empty.</source>
        <translation>%1 muss einer der Mitarbeiter des Unternehmens sein (Mitarbeiter) oder leer bleiben.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>One-off</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>One-off must be Yes (the amount in the start month only) or No.</source>
        <translation>Einmalig muss Ja (der Betrag nur im Startmonat) oder Nein sein.</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Umsätze</translation>
    </message>
    <message>
        <source>Revenue stream %1</source>
        <translation>Umsatzquelle %1</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Role %1</source>
        <translation>Rolle %1</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Expense %1</source>
        <translation>Ausgabe %1</translation>
    </message>
    <message>
        <source>Financing</source>
        <translation>Finanzierung</translation>
    </message>
    <message>
        <source>Financing %1</source>
        <translation>Finanzierung %1</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>Asset %1</source>
        <translation>Anlage %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::LinesPage</name>
    <message>
        <source>Add revenue line</source>
        <translation>Umsatzzeile hinzufügen</translation>
    </message>
    <message>
        <source>Delete revenue line</source>
        <translation>Umsatzzeile löschen</translation>
    </message>
    <message>
        <source>Add people line</source>
        <translation>Personalzeile hinzufügen</translation>
    </message>
    <message>
        <source>Delete people line</source>
        <translation>Personalzeile löschen</translation>
    </message>
    <message>
        <source>Add expenses line</source>
        <translation>Ausgabenzeile hinzufügen</translation>
    </message>
    <message>
        <source>Delete expenses line</source>
        <translation>Ausgabenzeile löschen</translation>
    </message>
    <message>
        <source>Add financing line</source>
        <translation>Finanzierungszeile hinzufügen</translation>
    </message>
    <message>
        <source>Delete financing line</source>
        <translation>Finanzierungszeile löschen</translation>
    </message>
    <message>
        <source>Add assets line</source>
        <translation>Anlagenzeile hinzufügen</translation>
    </message>
    <message>
        <source>Delete assets line</source>
        <translation>Anlagenzeile löschen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>Zeilen: %1</translation>
    </message>
    <message>
        <source>Choose the line to delete first.</source>
        <translation>Wählen Sie zuerst die zu löschende Zeile aus.</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanCharts</name>
    <message>
        <source>Month of the plan</source>
        <translation>Planmonat</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Umsatz</translation>
    </message>
    <message>
        <source>Total costs</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>Per month</source>
        <translation>Pro Monat</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Cash at end of month</source>
        <translation>Liquide Mittel am Monatsende</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Liquide Mittel</translation>
    </message>
    <message>
        <source>Fixed costs</source>
        <translation>Fixkosten</translation>
    </message>
    <message>
        <source>Monthly sales volume (revenue, year 1&apos;s mix)</source>
        <translation>Monatliches Absatzvolumen (Umsatz, Mix des 1. Jahres)</translation>
    </message>
    <message>
        <source>Revenue and total costs per month</source>
        <translation>Umsatz und Gesamtkosten pro Monat</translation>
    </message>
    <message>
        <source>Cash at the end of each month</source>
        <translation>Liquide Mittel am Ende jedes Monats</translation>
    </message>
    <message>
        <source>Break-even: revenue and costs over volume</source>
        <translation>Break-even: Umsatz und Kosten nach Volumen</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanPrintout</name>
    <message>
        <source>Year %1</source>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>First month: %1</source>
        <translation>Erster Monat: %1</translation>
    </message>
    <message>
        <source>Starting cash: %1</source>
        <translation>Anfangsliquidität: %1</translation>
    </message>
    <message>
        <source>Income-tax rate: %1</source>
        <translation>Ertragsteuersatz: %1</translation>
    </message>
    <message>
        <source>Payroll burden: %1</source>
        <translation>Lohnnebenkosten: %1</translation>
    </message>
    <message>
        <source>Lines: %1, %2, %3, %4, %5</source>
        <translation>Zeilen: %1, %2, %3, %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n revenue streams</source>
        <translation>
            <numerusform>%n Umsatzquelle</numerusform>
            <numerusform>%n Umsatzquellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people</source>
        <translation>
            <numerusform>%n Person</numerusform>
            <numerusform>%n Personen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n expenses</source>
        <translation>
            <numerusform>%n Ausgabe</numerusform>
            <numerusform>%n Ausgaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n financing</source>
        <translation>
            <numerusform>%n Finanzierung</numerusform>
            <numerusform>%n Finanzierungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n assets</source>
        <translation>
            <numerusform>%n Anlage</numerusform>
            <numerusform>%n Anlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Key figures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>The printout of the financial plan could not be started.</source>
        <translation>Der Ausdruck des Finanzplans konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The printout of the financial plan could not be finished.</source>
        <translation>Der Ausdruck des Finanzplans konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanSession</name>
    <message>
        <source>Employee %1</source>
        <translation>Mitarbeiter %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanWindow</name>
    <message>
        <source>Financial Plan - %1</source>
        <translation>Finanzplan - %1</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Finanzplan</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Export Statements...</source>
        <translation>Finanzberichte &amp;exportieren...</translation>
    </message>
    <message>
        <source>Financial plan</source>
        <translation>Finanzplan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Statements</source>
        <translation>Finanzberichte</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>What was typed last could not be stored, so the window stays open: %1</source>
        <translation>Die letzte Eingabe konnte nicht gespeichert werden, daher bleibt das Fenster geöffnet: %1</translation>
    </message>
    <message>
        <source>Financial Plan - %1, %2</source>
        <translation>Finanzplan - %1, %2</translation>
    </message>
    <message>
        <source>The financial plan cannot be printed with its charts. %1</source>
        <translation>Der Finanzplan kann nicht mit seinen Diagrammen gedruckt werden. %1</translation>
    </message>
    <message>
        <source>Export Statements</source>
        <translation>Finanzberichte exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Statements - %1</source>
        <translation>Finanzberichte - %1</translation>
    </message>
    <message>
        <source>The statements could not be written to %1: %2</source>
        <translation>Die Finanzberichte konnten nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The statements were written to %1.</source>
        <translation>Die Finanzberichte wurden nach %1 geschrieben.</translation>
    </message>
</context>
<context>
    <name>plan::ui::SettingsPage</name>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>plan::ui::StatementModel</name>
    <message>
        <source>Year %1</source>
        <translation>Jahr %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::StatementsPage</name>
    <message>
        <source>Show all 36 &amp;months</source>
        <translation>Alle 36 &amp;Monate anzeigen</translation>
    </message>
    <message>
        <source>Show all 36 months</source>
        <translation>Alle 36 Monate anzeigen</translation>
    </message>
</context>
<context>
    <name>records::BusinessPerspective</name>
    <message>
        <source>Business Perspective</source>
        <translation>Unternehmensperspektive</translation>
    </message>
</context>
<context>
    <name>records::BusinessPurpose</name>
    <message>
        <source>Business Purpose</source>
        <translation>Unternehmenszweck</translation>
    </message>
</context>
<context>
    <name>records::BusinessType</name>
    <message>
        <source>Business Type</source>
        <translation>Unternehmensart</translation>
    </message>
</context>
<context>
    <name>records::DetailForms</name>
    <message>
        <source>Mission Statements Associated With Business: %1</source>
        <translation>Leitbilder des Unternehmens: %1</translation>
    </message>
    <message>
        <source>Business Types Associated With Business: %1</source>
        <translation>Unternehmensarten des Unternehmens: %1</translation>
    </message>
    <message>
        <source>Perspectives Associated with Business: %1</source>
        <translation>Perspektiven des Unternehmens: %1</translation>
    </message>
    <message>
        <source>Employees Associated With Business: %1</source>
        <translation>Mitarbeiter des Unternehmens: %1</translation>
    </message>
    <message>
        <source>Long Term Goals Associated With Business: %1</source>
        <translation>Langfristige Ziele des Unternehmens: %1</translation>
    </message>
    <message>
        <source>Short Term Goals Associated With Business: %1</source>
        <translation>Kurzfristige Ziele des Unternehmens: %1</translation>
    </message>
    <message>
        <source>Registered Agents Associated With Business: %1</source>
        <translation>Registrierte Vertreter des Unternehmens: %1</translation>
    </message>
</context>
<context>
    <name>records::EmployeeInformation</name>
    <message>
        <source> Employees Information</source>
        <translation>Mitarbeiter</translation>
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
    <message>
        <source>Perspective Identification:</source>
        <translation>Perspektiven-Nr.:</translation>
    </message>
    <message>
        <source>Perspective Date (Added):</source>
        <translation>Perspektive angelegt am:</translation>
    </message>
    <message>
        <source>Business Identification:</source>
        <translation>Unternehmens-Nr.:</translation>
    </message>
    <message>
        <source>Business Concept:</source>
        <translation>Geschäftsidee:</translation>
    </message>
    <message>
        <source>Type Of Customers:</source>
        <translation>Kundengruppe:</translation>
    </message>
    <message>
        <source>Method To Reach Target:</source>
        <translation>Weg zur Zielgruppe:</translation>
    </message>
    <message>
        <source>Reason For Business Market:</source>
        <translation>Grund für den Markt:</translation>
    </message>
    <message>
        <source>Purpose Identification:</source>
        <translation>Zweck-Nr.:</translation>
    </message>
    <message>
        <source>Purpose Date (Added):</source>
        <translation>Zweck angelegt am:</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Zweck:</translation>
    </message>
    <message>
        <source>Type Identification</source>
        <translation>Art-Nr.</translation>
    </message>
    <message>
        <source>Type Date (Added):</source>
        <translation>Art angelegt am:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Agent Identification:</source>
        <translation>Vertreter-Nr.:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Middle Name:</source>
        <translation>Zweiter Vorname:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>Address One:</source>
        <translation>Adresse, Zeile 1:</translation>
    </message>
    <message>
        <source>Address Two:</source>
        <translation>Adresse, Zeile 2:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Bundesland:</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>Postleitzahl:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Telefonnummer:</translation>
    </message>
    <message>
        <source>Fax Number:</source>
        <translation>Faxnummer:</translation>
    </message>
    <message>
        <source>E-mail Address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
</context>
<context>
    <name>records::GridColumn</name>
    <message>
        <source>EmpyoleeId</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>EmployeeDate</source>
        <translation>Angelegt am</translation>
    </message>
    <message>
        <source>BusinessInformationId</source>
        <translation>Unternehmens-Nr.</translation>
    </message>
    <message>
        <source>EmployeeFirstName</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>EmployeeMiddleName</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>EmployeeLastName</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>EmployeePosition</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>EmployeeQualifications</source>
        <translation>Qualifikationen</translation>
    </message>
    <message>
        <source>BusinessLongTermGoalID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>BusinessLongTermGoalDate</source>
        <translation>Angelegt am</translation>
    </message>
    <message>
        <source>BusinessLongTermGoal</source>
        <translation>Langfristiges Ziel</translation>
    </message>
    <message>
        <source>BusinessShortTermGoalID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>BusinessShortTermGoalDate</source>
        <translation>Angelegt am</translation>
    </message>
    <message>
        <source>BusinessShortTermGoal</source>
        <translation>Kurzfristiges Ziel</translation>
    </message>
</context>
<context>
    <name>records::LongTermGoals</name>
    <message>
        <source>Business Long Term Goal</source>
        <translation>Langfristige Ziele</translation>
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
<context>
    <name>records::RegisteredAgent</name>
    <message>
        <source>Registered Agent</source>
        <translation>Registrierter Vertreter</translation>
    </message>
</context>
<context>
    <name>records::ShortTermGoals</name>
    <message>
        <source>Business Short Term Goal</source>
        <translation>Kurzfristige Ziele</translation>
    </message>
</context>
</TS>
