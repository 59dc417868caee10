<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
Planification pour petites entreprises : entreprises, leurs plans, rapports et documents.

Logiciel libre sous licence MIT.
Copyright les auteurs de Tallowmere.

Qt %2
SQLite %3

Dossier des données : %4</translation>
    </message>
</context>
<context>
    <name>app::BusinessExport</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>app::BusinessInformationController</name>
    <message>
        <source>Business Currently In System: %1</source>
        <translation>Entreprises enregistrées : %1</translation>
    </message>
</context>
<context>
    <name>app::DailyBackup</name>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation>Impossible de créer le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Impossible de lire le dossier %1.</translation>
    </message>
    <message>
        <source>%1 is a link; the daily backup goes only into a folder of its own there. Replace the link by a folder.</source>
        <translation>%1 est un lien ; la sauvegarde quotidienne ne va que dans un dossier propre à cet endroit. Remplacez le lien par un dossier.</translation>
    </message>
    <message>
        <source>%1 is not a folder; the daily backup needs a folder of that name.</source>
        <translation>%1 n&apos;est pas un dossier ; la sauvegarde quotidienne a besoin d&apos;un dossier de ce nom.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user; the daily backup goes only into a folder of your own.</source>
        <translation>Le dossier %1 appartient à un autre utilisateur ; la sauvegarde quotidienne ne va que dans un dossier qui vous appartient.</translation>
    </message>
    <message>
        <source>The backup folder %1 is dated after today (%2); it was kept and is not counted among the %3 days kept. The computer&apos;s clock may have been wrong when it was made.</source>
        <translation>Le dossier de sauvegarde %1 est daté d&apos;après aujourd&apos;hui (%2) ; il a été conservé et ne compte pas parmi les %3 jours gardés. L&apos;horloge de l&apos;ordinateur était peut-être fausse lors de sa création.</translation>
    </message>
    <message>
        <source>The backup %1 was made but cannot be marked as the program&apos;s: %2.</source>
        <translation>La sauvegarde %1 a été faite, mais ne peut pas être marquée comme celle du programme : %2.</translation>
    </message>
</context>
<context>
    <name>app::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Back Up...</source>
        <translation>&amp;Sauvegarder...</translation>
    </message>
    <message>
        <source>&amp;Export Businesses...</source>
        <translation>&amp;Exporter les entreprises...</translation>
    </message>
    <message>
        <source>Back Up Into Folder</source>
        <translation>Sauvegarder dans le dossier</translation>
    </message>
    <message>
        <source>The folder %1 does not exist yet. Make it and back up into it?</source>
        <translation>Le dossier %1 n&apos;existe pas encore. Voulez-vous le créer et y enregistrer la sauvegarde ?</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>The businesses and the RSS items were backed up into %1.</source>
        <translation>Les entreprises et les éléments RSS ont été sauvegardés dans %1.</translation>
    </message>
    <message>
        <source>No backup was made. %1</source>
        <translation>Aucune sauvegarde n&apos;a été faite. %1</translation>
    </message>
    <message>
        <source>Today&apos;s automatic backup could not be made: %1 Your data is as it was; File &gt; Back Up... makes a backup by hand.</source>
        <translation>La sauvegarde automatique du jour n&apos;a pas pu être faite : %1 Vos données sont inchangées ; Fichier &gt; Sauvegarder... fait une sauvegarde à la main.</translation>
    </message>
    <message>
        <source>Export Businesses</source>
        <translation>Exporter les entreprises</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Businesses.csv</source>
        <translation>Entreprises.csv</translation>
    </message>
    <message>
        <source>The businesses were not exported. %1</source>
        <translation>Les entreprises n&apos;ont pas été exportées. %1</translation>
    </message>
    <message>
        <source>1 business was exported to %1.</source>
        <translation>1 entreprise a été exportée vers %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n businesses were exported to %1.</source>
        <translation>
            <numerusform>%n entreprise a été exportée vers %1.</numerusform>
            <numerusform>%n entreprises ont été exportées vers %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::GeneralInformation1</name>
    <message>
        <source>General Business Information</source>
        <translation>Informations générales sur l&apos;entreprise</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Planning Menu</source>
        <translation>Planification</translation>
    </message>
    <message>
        <source>&amp;Business</source>
        <translation>&amp;Entreprise</translation>
    </message>
    <message>
        <source>Registered Agent...</source>
        <translation>&amp;Agent enregistré...</translation>
    </message>
    <message>
        <source>Find Business...</source>
        <translation>&amp;Rechercher une entreprise...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find the business whose name contains:</source>
        <translation>Rechercher l&apos;entreprise dont le nom contient :</translation>
    </message>
    <message>
        <source>Find Business</source>
        <translation>Rechercher une entreprise</translation>
    </message>
    <message>
        <source>No business name contains &quot;%1&quot;.</source>
        <translation>Aucun nom d&apos;entreprise ne contient « %1 ».</translation>
    </message>
    <message>
        <source>Edit Tempate</source>
        <translation>Modifier le modèle</translation>
    </message>
    <message>
        <source>Upload Template</source>
        <translation>Importer un modèle</translation>
    </message>
    <message>
        <source>&amp;Templates</source>
        <translation>Mo&amp;dèles</translation>
    </message>
    <message>
        <source>&amp;Edit Template...</source>
        <translation>&amp;Modifier le modèle...</translation>
    </message>
    <message>
        <source>&amp;Upload Template...</source>
        <translation>&amp;Importer un modèle...</translation>
    </message>
    <message>
        <source>General Business Information - %1</source>
        <translation>Informations générales sur l&apos;entreprise - %1</translation>
    </message>
    <message>
        <source>The business resources page %1 could not be opened: no program on this computer is set up to open web pages, and the resource browser could not start. %2</source>
        <translation>La page des ressources pour entreprises %1 n&apos;a pas pu être ouverte : aucun programme de cet ordinateur n&apos;est configuré pour ouvrir les pages web, et le navigateur de ressources n&apos;a pas pu démarrer. %2</translation>
    </message>
    <message>
        <source>Re&amp;sources</source>
        <translation>Ress&amp;ources</translation>
    </message>
    <message>
        <source>Resource Browser...</source>
        <translation>&amp;Navigateur de ressources...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>À &amp;propos de Tallowmere</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>À propos de Tallowmere</translation>
    </message>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1

The resource browser, which holds a copy of it, could not start. %2</source>
        <translation>Le guide de l&apos;utilisateur est introuvable. Il a été cherché dans :
%1

Le navigateur de ressources, qui en contient une copie, n&apos;a pas pu démarrer. %2</translation>
    </message>
    <message>
        <source>The user guide %1 could not be opened: no program on this computer is set up to open web pages, and the resource browser could not start. %2</source>
        <translation>Le guide de l&apos;utilisateur %1 n&apos;a pas pu être ouvert : aucun programme de cet ordinateur n&apos;est configuré pour ouvrir les pages web, et le navigateur de ressources n&apos;a pas pu démarrer. %2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Business Purpose</source>
        <translation>Objet social</translation>
    </message>
    <message>
        <source>Business Type</source>
        <translation>Type d&apos;entreprise</translation>
    </message>
    <message>
        <source>Business Perspectives</source>
        <translation>Perspectives</translation>
    </message>
    <message>
        <source>Employee Information</source>
        <translation>Employés</translation>
    </message>
    <message>
        <source>Long Term Goals</source>
        <translation>Objectifs à long terme</translation>
    </message>
    <message>
        <source>Short Term Goals</source>
        <translation>Objectifs à court terme</translation>
    </message>
    <message>
        <source>Business Report</source>
        <translation>Rapport d&apos;entreprise</translation>
    </message>
    <message>
        <source>Business Resources</source>
        <translation>Ressources</translation>
    </message>
    <message>
        <source>Manage RSS Feeds</source>
        <translation>Gérer les flux RSS</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Plan financier</translation>
    </message>
</context>
<context>
    <name>app::InterruptedRestore</name>
    <message>
        <source>%1 Finish it now? Yes puts the backup&apos;s databases in place; No puts back the databases from before the restore.</source>
        <translation>%1 La terminer maintenant ? « Oui » met en place les bases de données de la sauvegarde ; « Non » remet les bases de données d&apos;avant la restauration.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>%1 &quot;tallowmere-db restore --finish&quot; or &quot;--undo&quot; with the program folder tries again.</source>
        <translation>%1 « tallowmere-db restore --finish » ou « --undo » avec le dossier du programme réessaie.</translation>
    </message>
</context>
<context>
    <name>app::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Tallowmere will use the language you chose the next time it starts.</source>
        <translation>Tallowmere utilisera la langue choisie au prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>app::StartUp</name>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>browser::BrowserLayout</name>
    <message>
        <source>The window is too small.</source>
        <translation>La fenêtre est trop petite.</translation>
    </message>
</context>
<context>
    <name>browser::FrmBrowser</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Resource Browser</source>
        <translation>Navigateur de ressources</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>The resource browser has no page.</source>
        <translation>Le navigateur de ressources n’affiche aucune page.</translation>
    </message>
</context>
<context>
    <name>browser::WebAddress</name>
    <message>
        <source>No address was given.</source>
        <translation>Aucune adresse n’a été indiquée.</translation>
    </message>
</context>
<context>
    <name>browser::WebView</name>
    <message>
        <source>The web engine could not be started.</source>
        <translation>Le moteur web n’a pas pu être démarré.</translation>
    </message>
    <message>
        <source>Save Download As</source>
        <translation>Enregistrer le téléchargement sous</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2</source>
        <translation>Le fichier %1 n’a pas pu être enregistré : %2</translation>
    </message>
    <message>
        <source>The file was saved as %1.

Open it now?</source>
        <translation>Le fichier a été enregistré sous %1.

L’ouvrir maintenant ?</translation>
    </message>
    <message>
        <source>No program on this computer opens %1. The file stays where it was saved.</source>
        <translation>Aucun programme de cet ordinateur n’ouvre %1. Le fichier reste là où il a été enregistré.</translation>
    </message>
</context>
<context>
    <name>documents::ArticlesWindow</name>
    <message>
        <source>Report Article Of Corporation</source>
        <translation>Rapport – Statuts de la société</translation>
    </message>
    <message>
        <source>1 field has no value: %1. They stay in the text as written, highlighted.</source>
        <translation>1 champ n&apos;a pas de valeur : %1. Il reste dans le texte tel qu&apos;il est écrit, surligné.</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Save as D&amp;ocument...</source>
        <translation>Enregistrer comme d&amp;ocument...</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>Save as Document</source>
        <translation>Enregistrer comme document</translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation>Texte OpenDocument (*.odt)</translation>
    </message>
    <message numerus="yes">
        <source>%n fields have no value: %1. They stay in the text as written, highlighted.</source>
        <translation>
            <numerusform>%n champ n&apos;a pas de valeur : %1. Il reste dans le texte tel qu&apos;il est écrit, surligné.</numerusform>
            <numerusform>%n champs n&apos;ont pas de valeur : %1. Ils restent dans le texte tels qu&apos;ils sont écrits, surlignés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::BusinessReport</name>
    <message>
        <source>Business report, %1</source>
        <translation>Rapport d&apos;entreprise, %1</translation>
    </message>
</context>
<context>
    <name>documents::EditorWindow</name>
    <message>
        <source>Merge fields</source>
        <translation>Champs de fusion</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Texte du modèle</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Field names the merge does not know</source>
        <translation>Noms de champ que la fusion ne connaît pas</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Editor: %1</source>
        <translation>Éditeur : %1</translation>
    </message>
    <message>
        <source>The template %1 has changes that are not saved. Save them?</source>
        <translation>Le modèle %1 contient des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>... and %1 more names that are not merge fields.</source>
        <translation>... et %1 autres noms qui ne sont pas des champs de fusion.</translation>
    </message>
</context>
<context>
    <name>documents::FieldCheck</name>
    <message>
        <source>Line %1: %2: did you mean %3?</source>
        <translation>Ligne %1 : %2 : vouliez-vous dire %3 ?</translation>
    </message>
    <message>
        <source>Line %1: %2 is not a merge field.</source>
        <translation>Ligne %1 : %2 n&apos;est pas un champ de fusion.</translation>
    </message>
</context>
<context>
    <name>documents::LVPrint</name>
    <message>
        <source>There is no list to print.</source>
        <translation>Il n&apos;y a aucune liste à imprimer.</translation>
    </message>
</context>
<context>
    <name>documents::ListPrinter</name>
    <message>
        <source>ListView Control Sample Printout</source>
        <translation>Impression de la liste</translation>
    </message>
    <message>
        <source>PAGE %1</source>
        <translation>PAGE %1</translation>
    </message>
</context>
<context>
    <name>documents::OpenDocument</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>the document could not be made.</source>
        <translation>le document n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>documents::PageProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1: 1 page done.</source>
        <translation>%1 : 1 page terminée.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln pages done.</source>
        <translation>
            <numerusform>%1 : %Ln page terminée.</numerusform>
            <numerusform>%1 : %Ln pages terminées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::PrintOutput</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file %1 could not be written: it may only be read.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit : il est en lecture seule.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>L&apos;imprimante %1 a signalé une erreur.</translation>
    </message>
    <message>
        <source>The print job was aborted.</source>
        <translation>La tâche d&apos;impression a été interrompue.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. The file %2 was not written.</source>
        <translation>L&apos;impression a été arrêtée après la page %1, comme demandé. Le fichier %2 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. Nothing was printed.</source>
        <translation>L&apos;impression a été arrêtée après la page %1, comme demandé. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. The pages made until then went to the printer %2; the rest was not printed.</source>
        <translation>L&apos;impression a été arrêtée après la page %1, comme demandé. Les pages produites jusque-là ont été envoyées à l&apos;imprimante %2 ; le reste n&apos;a pas été imprimé.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Preparing the preview</source>
        <translation>Préparation de l&apos;aperçu</translation>
    </message>
    <message>
        <source>The preview was stopped after page %1, as asked. Nothing was printed.</source>
        <translation>L&apos;aperçu a été arrêté après la page %1, comme demandé. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Save Printout as PDF</source>
        <translation>Enregistrer l&apos;impression en PDF</translation>
    </message>
</context>
<context>
    <name>documents::PrintPreviewDialog</name>
    <message>
        <source>Print Preview: %1</source>
        <translation>Aperçu avant impression : %1</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pages</source>
        <translation>
            <numerusform>%Ln page</numerusform>
            <numerusform>%Ln pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::PrintSurface</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>The printout could not be finished.</source>
        <translation>L&apos;impression n&apos;a pas pu être terminée.</translation>
    </message>
    <message>
        <source>Printing could not begin: the printer or the output file is not available.</source>
        <translation>L&apos;impression n&apos;a pas pu commencer : l&apos;imprimante ou le fichier de sortie n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>documents::RecordRow</name>
    <message>
        <source>The query gave no column named %1.</source>
        <translation>La requête n&apos;a renvoyé aucune colonne nommée %1.</translation>
    </message>
</context>
<context>
    <name>documents::ReportBuilder</name>
    <message>
        <source>Business Mission Statement</source>
        <translation>Énoncé de mission de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Business Type</source>
        <translation>Type d&apos;entreprise</translation>
    </message>
    <message>
        <source>Business Short Term Goals</source>
        <translation>Objectifs à court terme de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Business Long Term Goals</source>
        <translation>Objectifs à long terme de l&apos;entreprise</translation>
    </message>
    <message>
        <source>General Business Information</source>
        <translation>Informations générales sur l&apos;entreprise</translation>
    </message>
    <message>
        <source>Business Employee Information</source>
        <translation>Employés de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Plan financier</translation>
    </message>
    <message>
        <source>Year %1: revenue %2, net income %3, cash at the year&apos;s end %4</source>
        <translation>Année %1 : chiffre d&apos;affaires %2, résultat net %3, trésorerie en fin d&apos;année %4</translation>
    </message>
</context>
<context>
    <name>documents::ReportWindow</name>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>documents::SelectTemplateWindow</name>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>Nothing Selected Try Again</source>
        <translation>Aucune sélection, réessayez</translation>
    </message>
</context>
<context>
    <name>documents::TemplateMerge</name>
    <message>
        <source>Report: %1</source>
        <translation>Rapport : %1</translation>
    </message>
</context>
<context>
    <name>documents::TemplateStore</name>
    <message>
        <source>There is no template named &quot;%1&quot;.</source>
        <translation>Aucun modèle ne porte le nom « %1 ».</translation>
    </message>
    <message>
        <source>No template is open.</source>
        <translation>Aucun modèle n&apos;est ouvert.</translation>
    </message>
</context>
<context>
    <name>documents::TextDocumentWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
</context>
<context>
    <name>plan::Decimal</name>
    <message>
        <source>A value of the plan is too large to be computed.</source>
        <translation>Une valeur du plan est trop grande pour être calculée.</translation>
    </message>
    <message>
        <source>A value of the plan is divided by zero.</source>
        <translation>Une valeur du plan est divisée par zéro.</translation>
    </message>
</context>
<context>
    <name>plan::Money</name>
    <message>
        <source>An amount of the plan is too large to be computed.</source>
        <translation>Un montant du plan est trop grand pour être calculé.</translation>
    </message>
</context>
<context>
    <name>plan::Plan</name>
    <message>
        <source>Unit sales</source>
        <translation>Ventes à l&apos;unité</translation>
    </message>
    <message>
        <source>Recurring</source>
        <translation>Récurrent</translation>
    </message>
    <message>
        <source>Billable hours</source>
        <translation>Heures facturables</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Apport</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Emprunt</translation>
    </message>
</context>
<context>
    <name>plan::PlanJson</name>
    <message>
        <source>must be a text</source>
        <translation>doit être un texte</translation>
    </message>
    <message>
        <source>must be a decimal number written as a text, such as &quot;2.5&quot;</source>
        <translation>doit être un nombre décimal écrit sous forme de texte, par exemple &quot;2.5&quot;</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>doit être true ou false</translation>
    </message>
    <message>
        <source>must be a list ([...])</source>
        <translation>doit être une liste ([...])</translation>
    </message>
    <message>
        <source>holds more than %1 lines</source>
        <translation>contient plus de %1 lignes</translation>
    </message>
    <message>
        <source>%1 is not a field of a plan.</source>
        <translation>%1 n&apos;est pas un champ d&apos;un plan.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est manquant.</translation>
    </message>
    <message>
        <source>%1 must be an object ({...}).</source>
        <translation>%1 doit être un objet ({...}).</translation>
    </message>
    <message>
        <source>%1 is not a plan: %2 at byte %3.</source>
        <translation>%1 n&apos;est pas un plan : %2 à l&apos;octet %3.</translation>
    </message>
    <message>
        <source>%1 is not a plan: it holds no object ({...}).</source>
        <translation>%1 n&apos;est pas un plan : le fichier ne contient aucun objet ({...}).</translation>
    </message>
</context>
<context>
    <name>plan::PlanRules</name>
    <message>
        <source>First month</source>
        <translation>Premier mois</translation>
    </message>
    <message>
        <source>Starting cash</source>
        <translation>Trésorerie initiale</translation>
    </message>
    <message>
        <source>Income-tax rate (%)</source>
        <translation>Taux d&apos;imposition (%)</translation>
    </message>
    <message>
        <source>Payroll burden (%)</source>
        <translation>Charges sociales (%)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Mois de début</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Mois de fin</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>First quantity</source>
        <translation>Quantité initiale</translation>
    </message>
    <message>
        <source>Monthly growth (%)</source>
        <translation>Croissance mensuelle (%)</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Churn (%)</source>
        <translation>Taux d&apos;attrition (%)</translation>
    </message>
    <message>
        <source>Direct cost (%)</source>
        <translation>Coût direct (%)</translation>
    </message>
    <message>
        <source>Direct cost per unit</source>
        <translation>Coût direct par unité</translation>
    </message>
    <message>
        <source>Employee</source>
        <translation>Employé</translation>
    </message>
    <message>
        <source>Monthly salary</source>
        <translation>Salaire mensuel</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Annual interest (%)</source>
        <translation>Intérêt annuel (%)</translation>
    </message>
    <message>
        <source>Term (months)</source>
        <translation>Durée (mois)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Useful life (months)</source>
        <translation>Durée d&apos;utilisation (mois)</translation>
    </message>
    <message>
        <source>%1 line %2: </source>
        <translation>%1, ligne %2 : </translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <translation>%1 accepte au plus %2 caractères.</translation>
    </message>
    <message>
        <source>%1 takes no tabs, line breaks or other control characters.</source>
        <translation>%1 n&apos;accepte ni tabulations, ni sauts de ligne, ni autres caractères de contrôle.</translation>
    </message>
    <message>
        <source>End month must not come before the start month.</source>
        <translation>Le mois de fin ne peut pas précéder le mois de début.</translation>
    </message>
    <message>
        <source>%1: a plan holds at most %2 lines of each kind.</source>
        <translation>%1 : un plan contient au plus %2 lignes de chaque type.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 doit être un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>%1 must be an amount from %2 to %3 with at most two decimals.</source>
        <translation>%1 doit être un montant de %2 à %3 avec au plus deux décimales.</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3 with at most %4 decimals.</source>
        <translation>%1 doit être un nombre de %2 à %3 avec au plus %4 décimales.</translation>
    </message>
    <message>
        <source>First month must be a month written YYYY-MM, such as 2027-01.</source>
        <translation>Le premier mois doit être écrit au format YYYY-MM, par exemple 2027-01.</translation>
    </message>
    <message>
        <source>Kind must be &quot;Unit sales&quot;, &quot;Recurring&quot; or &quot;Billable hours&quot;.</source>
        <translation>Le type doit être « Ventes à l&apos;unité », « Récurrent » ou « Heures facturables ».</translation>
    </message>
    <message>
        <source>Kind must be &quot;Investment&quot; or &quot;Loan&quot;.</source>
        <translation>Le type doit être « Apport » ou « Emprunt ».</translation>
    </message>
    <message>
        <source>Settings: </source>
        <translation>Paramètres : </translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Financing</source>
        <translation>Financement</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Immobilisations</translation>
    </message>
</context>
<context>
    <name>plan::PlanStore</name>
    <message>
        <source>The stored plan is damaged: table %1, row %2, column %3: %4</source>
        <translation>Le plan enregistré est endommagé : table %1, ligne %2, colonne %3 : %4</translation>
    </message>
    <message>
        <source>The stored plan is damaged: table %1 holds more than %2 lines for one business.</source>
        <translation>Le plan enregistré est endommagé : la table %1 contient plus de %2 lignes pour une entreprise.</translation>
    </message>
    <message>
        <source>The stored plan is damaged: %1</source>
        <translation>Le plan enregistré est endommagé : %1</translation>
    </message>
    <message>
        <source>The plan was not stored: %1</source>
        <translation>Le plan n&apos;a pas été enregistré : %1</translation>
    </message>
</context>
<context>
    <name>plan::Statements</name>
    <message>
        <source>%1 line %2 (%3) grows too large to be computed; lower its growth or amounts.</source>
        <translation>%1, ligne %2 (%3) : les montants deviennent trop grands pour être calculés ; réduisez la croissance ou les montants.</translation>
    </message>
    <message>
        <source>The plan&apos;s amounts grow too large to be computed; lower its amounts or growth.</source>
        <translation>Les montants du plan deviennent trop grands pour être calculés ; réduisez les montants ou la croissance.</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Chiffre d&apos;affaires</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Profit and loss</source>
        <translation>Compte de résultat</translation>
    </message>
    <message>
        <source>Direct costs</source>
        <translation>Coûts directs</translation>
    </message>
    <message>
        <source>Gross margin</source>
        <translation>Marge brute</translation>
    </message>
    <message>
        <source>Salaries</source>
        <translation>Salaires</translation>
    </message>
    <message>
        <source>Payroll burden</source>
        <translation>Charges sociales</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Amortissements</translation>
    </message>
    <message>
        <source>Operating income</source>
        <translation>Résultat d&apos;exploitation</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Income before tax</source>
        <translation>Résultat avant impôt</translation>
    </message>
    <message>
        <source>Income tax</source>
        <translation>Impôt sur le résultat</translation>
    </message>
    <message>
        <source>Net income</source>
        <translation>Résultat net</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Asset purchases</source>
        <translation>Achats d&apos;immobilisations</translation>
    </message>
    <message>
        <source>Loans received</source>
        <translation>Emprunts reçus</translation>
    </message>
    <message>
        <source>Principal repaid</source>
        <translation>Capital remboursé</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Apports</translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation>Flux de trésorerie net</translation>
    </message>
    <message>
        <source>Cash at end of month</source>
        <translation>Trésorerie en fin de mois</translation>
    </message>
    <message>
        <source>Balance sheet</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Trésorerie</translation>
    </message>
    <message>
        <source>Fixed assets</source>
        <translation>Immobilisations</translation>
    </message>
    <message>
        <source>Total assets</source>
        <translation>Total de l&apos;actif</translation>
    </message>
    <message>
        <source>Loans outstanding</source>
        <translation>Emprunts restant dus</translation>
    </message>
    <message>
        <source>Paid-in capital</source>
        <translation>Capital versé</translation>
    </message>
    <message>
        <source>Retained earnings</source>
        <translation>Résultats cumulés</translation>
    </message>
    <message>
        <source>Total liabilities and equity</source>
        <translation>Total du passif</translation>
    </message>
</context>
<context>
    <name>plan::ui::ChartModule</name>
    <message>
        <source>The program part %1 (%2) draws no charts.</source>
        <translation>Le module du programme %1 (%2) ne dessine aucun graphique.</translation>
    </message>
</context>
<context>
    <name>plan::ui::ChartsPage</name>
    <message>
        <source>The charts cannot be shown. %1</source>
        <translation>Les graphiques ne peuvent pas être affichés. %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::KeyFigures</name>
    <message>
        <source>Gross margin: %1</source>
        <translation>Marge brute : %1</translation>
    </message>
    <message>
        <source>none (no revenue)</source>
        <translation>aucune (pas de chiffre d&apos;affaires)</translation>
    </message>
    <message>
        <source>Break-even month: %1</source>
        <translation>Mois du point mort : %1</translation>
    </message>
    <message>
        <source>%1 (month %2)</source>
        <translation>%1 (mois %2)</translation>
    </message>
    <message>
        <source>not within the plan</source>
        <translation>hors de la durée du plan</translation>
    </message>
    <message>
        <source>Revenue needed to break even in year 1: %1</source>
        <translation>Chiffre d&apos;affaires nécessaire au point mort en année 1 : %1</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <translation>%1 par mois</translation>
    </message>
    <message>
        <source>none (no gross margin in year 1)</source>
        <translation>aucun (pas de marge brute en année 1)</translation>
    </message>
    <message>
        <source>Lowest cash: %1 in %2</source>
        <translation>Trésorerie la plus basse : %1 en %2</translation>
    </message>
    <message>
        <source>Cash runs out in %1</source>
        <translation>La trésorerie est épuisée en %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::LineTable</name>
    <message>
        <source>%1 must not be empty.</source>
        <translation>%1 ne doit pas être vide.</translation>
    </message>
    <message>
        <source>(employee %1, no longer listed)</source>
        <translation>(employé %1, qui ne figure plus dans la liste)</translation>
    </message>
    <message>
        <source>%1 must be one of the business&apos;s employees (Employee Information), or empty.</source>
        <translation>%1 doit être l&apos;un des employés de l&apos;entreprise (Employés) ou rester vide.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>One-off</source>
        <translation>Ponctuel</translation>
    </message>
    <message>
        <source>One-off must be Yes (the amount in the start month only) or No.</source>
        <translation>Ponctuel doit être Oui (le montant seulement au mois de début) ou Non.</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Revenue stream %1</source>
        <translation>Source de revenus %1</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Role %1</source>
        <translation>Poste %1</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Expense %1</source>
        <translation>Dépense %1</translation>
    </message>
    <message>
        <source>Financing</source>
        <translation>Financement</translation>
    </message>
    <message>
        <source>Financing %1</source>
        <translation>Financement %1</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Immobilisations</translation>
    </message>
    <message>
        <source>Asset %1</source>
        <translation>Immobilisation %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::LinesPage</name>
    <message>
        <source>Add revenue line</source>
        <translation>Ajouter une ligne de revenus</translation>
    </message>
    <message>
        <source>Delete revenue line</source>
        <translation>Supprimer la ligne de revenus</translation>
    </message>
    <message>
        <source>Add people line</source>
        <translation>Ajouter une ligne de personnel</translation>
    </message>
    <message>
        <source>Delete people line</source>
        <translation>Supprimer la ligne de personnel</translation>
    </message>
    <message>
        <source>Add expenses line</source>
        <translation>Ajouter une ligne de dépenses</translation>
    </message>
    <message>
        <source>Delete expenses line</source>
        <translation>Supprimer la ligne de dépenses</translation>
    </message>
    <message>
        <source>Add financing line</source>
        <translation>Ajouter une ligne de financement</translation>
    </message>
    <message>
        <source>Delete financing line</source>
        <translation>Supprimer la ligne de financement</translation>
    </message>
    <message>
        <source>Add assets line</source>
        <translation>Ajouter une ligne d&apos;immobilisations</translation>
    </message>
    <message>
        <source>Delete assets line</source>
        <translation>Supprimer la ligne d&apos;immobilisations</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>Lignes : %1</translation>
    </message>
    <message>
        <source>Choose the line to delete first.</source>
        <translation>Choisissez d&apos;abord la ligne à supprimer.</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanCharts</name>
    <message>
        <source>Month of the plan</source>
        <translation>Mois du plan</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Chiffre d&apos;affaires</translation>
    </message>
    <message>
        <source>Total costs</source>
        <translation>Coûts totaux</translation>
    </message>
    <message>
        <source>Per month</source>
        <translation>Par mois</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Cash at end of month</source>
        <translation>Trésorerie en fin de mois</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Trésorerie</translation>
    </message>
    <message>
        <source>Fixed costs</source>
        <translation>Coûts fixes</translation>
    </message>
    <message>
        <source>Monthly sales volume (revenue, year 1&apos;s mix)</source>
        <translation>Volume mensuel des ventes (chiffre d&apos;affaires, répartition de l&apos;année 1)</translation>
    </message>
    <message>
        <source>Revenue and total costs per month</source>
        <translation>Chiffre d&apos;affaires et coûts totaux par mois</translation>
    </message>
    <message>
        <source>Cash at the end of each month</source>
        <translation>Trésorerie à la fin de chaque mois</translation>
    </message>
    <message>
        <source>Break-even: revenue and costs over volume</source>
        <translation>Point mort : chiffre d&apos;affaires et coûts selon le volume</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanPrintout</name>
    <message>
        <source>Year %1</source>
        <translation>Année %1</translation>
    </message>
    <message>
        <source>First month: %1</source>
        <translation>Premier mois : %1</translation>
    </message>
    <message>
        <source>Starting cash: %1</source>
        <translation>Trésorerie initiale : %1</translation>
    </message>
    <message>
        <source>Income-tax rate: %1</source>
        <translation>Taux d&apos;imposition : %1</translation>
    </message>
    <message>
        <source>Payroll burden: %1</source>
        <translation>Charges sociales : %1</translation>
    </message>
    <message>
        <source>Lines: %1, %2, %3, %4, %5</source>
        <translation>Lignes : %1, %2, %3, %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n revenue streams</source>
        <translation>
            <numerusform>%n source de revenus</numerusform>
            <numerusform>%n sources de revenus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people</source>
        <translation>
            <numerusform>%n personne</numerusform>
            <numerusform>%n personnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n expenses</source>
        <translation>
            <numerusform>%n dépense</numerusform>
            <numerusform>%n dépenses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n financing</source>
        <translation>
            <numerusform>%n financement</numerusform>
            <numerusform>%n financements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n assets</source>
        <translation>
            <numerusform>%n immobilisation</numerusform>
            <numerusform>%n immobilisations</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Key figures</source>
        <translation>Indicateurs clés</translation>
    </message>
    <message>
        <source>The printout of the financial plan could not be started.</source>
        <translation>L&apos;impression du plan financier n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The printout of the financial plan could not be finished.</source>
        <translation>L&apos;impression du plan financier n&apos;a pas pu être terminée.</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanSession</name>
    <message>
        <source>Employee %1</source>
        <translation>Employé %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanWindow</name>
    <message>
        <source>Financial Plan - %1</source>
        <translation>Plan financier - %1</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Plan financier</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Export Statements...</source>
        <translation>&amp;Exporter les états financiers...</translation>
    </message>
    <message>
        <source>Financial plan</source>
        <translation>Plan financier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Statements</source>
        <translation>États financiers</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>What was typed last could not be stored, so the window stays open: %1</source>
        <translation>La dernière saisie n&apos;a pas pu être enregistrée ; la fenêtre reste donc ouverte : %1</translation>
    </message>
    <message>
        <source>Financial Plan - %1, %2</source>
        <translation>Plan financier - %1, %2</translation>
    </message>
    <message>
        <source>The financial plan cannot be printed with its charts. %1</source>
        <translation>Le plan financier ne peut pas être imprimé avec ses graphiques. %1</translation>
    </message>
    <message>
        <source>Export Statements</source>
        <translation>Exporter les états financiers</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statements - %1</source>
        <translation>États financiers - %1</translation>
    </message>
    <message>
        <source>The statements could not be written to %1: %2</source>
        <translation>Les états financiers n&apos;ont pas pu être écrits dans %1 : %2</translation>
    </message>
    <message>
        <source>The statements were written to %1.</source>
        <translation>Les états financiers ont été écrits dans %1.</translation>
    </message>
</context>
<context>
    <name>plan::ui::SettingsPage</name>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
</context>
<context>
    <name>plan::ui::StatementModel</name>
    <message>
        <source>Year %1</source>
        <translation>Année %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::StatementsPage</name>
    <message>
        <source>Show all 36 &amp;months</source>
        <translation>Afficher les 36 &amp;mois</translation>
    </message>
    <message>
        <source>Show all 36 months</source>
        <translation>Afficher les 36 mois</translation>
    </message>
</context>
<context>
    <name>records::BusinessPerspective</name>
    <message>
        <source>Business Perspective</source>
        <translation>Perspective de l&apos;entreprise</translation>
    </message>
</context>
<context>
    <name>records::BusinessPurpose</name>
    <message>
        <source>Business Purpose</source>
        <translation>Objet social</translation>
    </message>
</context>
<context>
    <name>records::BusinessType</name>
    <message>
        <source>Business Type</source>
        <translation>Type d&apos;entreprise</translation>
    </message>
</context>
<context>
    <name>records::DetailForms</name>
    <message>
        <source>Mission Statements Associated With Business: %1</source>
        <translation>Énoncés de mission de l&apos;entreprise : %1</translation>
    </message>
    <message>
        <source>Business Types Associated With Business: %1</source>
        <translation>Types d&apos;entreprise associés : %1</translation>
    </message>
    <message>
        <source>Perspectives Associated with Business: %1</source>
        <translation>Perspectives de l&apos;entreprise : %1</translation>
    </message>
    <message>
        <source>Employees Associated With Business: %1</source>
        <translation>Employés de l&apos;entreprise : %1</translation>
    </message>
    <message>
        <source>Long Term Goals Associated With Business: %1</source>
        <translation>Objectifs à long terme de l&apos;entreprise : %1</translation>
    </message>
    <message>
        <source>Short Term Goals Associated With Business: %1</source>
        <translation>Objectifs à court terme de l&apos;entreprise : %1</translation>
    </message>
    <message>
        <source>Registered Agents Associated With Business: %1</source>
        <translation>Agents enregistrés de l&apos;entreprise : %1</translation>
    </message>
</context>
<context>
    <name>records::EmployeeInformation</name>
    <message>
        <source> Employees Information</source>
        <translation>Employés</translation>
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
        <translation>Nom de l&apos;entreprise :</translation>
    </message>
    <message>
        <source>Business Address One:</source>
        <translation>Adresse, ligne 1 :</translation>
    </message>
    <message>
        <source>Business Address Two:</source>
        <translation>Adresse, ligne 2 :</translation>
    </message>
    <message>
        <source>Business City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Business State:</source>
        <translation>État ou province :</translation>
    </message>
    <message>
        <source>Business Zip:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Business County:</source>
        <translation>Comté :</translation>
    </message>
    <message>
        <source>Business Phone Number:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Business Fax Number:</source>
        <translation>Télécopie :</translation>
    </message>
    <message>
        <source>Business Web Site URL:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Business E-mail Address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Perspective Identification:</source>
        <translation>N° de perspective :</translation>
    </message>
    <message>
        <source>Perspective Date (Added):</source>
        <translation>Date de la perspective (ajout) :</translation>
    </message>
    <message>
        <source>Business Identification:</source>
        <translation>N° d&apos;entreprise :</translation>
    </message>
    <message>
        <source>Business Concept:</source>
        <translation>Concept commercial :</translation>
    </message>
    <message>
        <source>Type Of Customers:</source>
        <translation>Type de clients :</translation>
    </message>
    <message>
        <source>Method To Reach Target:</source>
        <translation>Moyen d&apos;atteindre la cible :</translation>
    </message>
    <message>
        <source>Reason For Business Market:</source>
        <translation>Raison du marché :</translation>
    </message>
    <message>
        <source>Purpose Identification:</source>
        <translation>N° d&apos;objet :</translation>
    </message>
    <message>
        <source>Purpose Date (Added):</source>
        <translation>Date de l&apos;objet (ajout) :</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Objet :</translation>
    </message>
    <message>
        <source>Type Identification</source>
        <translation>N° de type</translation>
    </message>
    <message>
        <source>Type Date (Added):</source>
        <translation>Date du type (ajout) :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Agent Identification:</source>
        <translation>N° d&apos;agent :</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Middle Name:</source>
        <translation>Deuxième prénom :</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Address One:</source>
        <translation>Adresse, ligne 1 :</translation>
    </message>
    <message>
        <source>Address Two:</source>
        <translation>Adresse, ligne 2 :</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>État ou province :</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Fax Number:</source>
        <translation>Télécopie :</translation>
    </message>
    <message>
        <source>E-mail Address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
</context>
<context>
    <name>records::GridColumn</name>
    <message>
        <source>EmpyoleeId</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>EmployeeDate</source>
        <translation>Date d&apos;ajout</translation>
    </message>
    <message>
        <source>BusinessInformationId</source>
        <translation>N° d&apos;entreprise</translation>
    </message>
    <message>
        <source>EmployeeFirstName</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>EmployeeMiddleName</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>EmployeeLastName</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>EmployeePosition</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>EmployeeQualifications</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>BusinessLongTermGoalID</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>BusinessLongTermGoalDate</source>
        <translation>Date d&apos;ajout</translation>
    </message>
    <message>
        <source>BusinessLongTermGoal</source>
        <translation>Objectif à long terme</translation>
    </message>
    <message>
        <source>BusinessShortTermGoalID</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>BusinessShortTermGoalDate</source>
        <translation>Date d&apos;ajout</translation>
    </message>
    <message>
        <source>BusinessShortTermGoal</source>
        <translation>Objectif à court terme</translation>
    </message>
</context>
<context>
    <name>records::LongTermGoals</name>
    <message>
        <source>Business Long Term Goal</source>
        <translation>Objectifs à long terme</translation>
    </message>
</context>
<context>
    <name>records::RecordFormController</name>
    <message>
        <source>The form has no records: it is not loaded.</source>
        <translation>Le formulaire n&apos;a pas d&apos;enregistrements : il n&apos;est pas chargé.</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Nouvel enregistrement</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Modification de l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>records::RecordFormWindow</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;ler</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this record?</source>
        <translation>Voulez-vous enregistrer les modifications de cet enregistrement ?</translation>
    </message>
</context>
<context>
    <name>records::RegisteredAgent</name>
    <message>
        <source>Registered Agent</source>
        <translation>Agent enregistré</translation>
    </message>
</context>
<context>
    <name>records::ShortTermGoals</name>
    <message>
        <source>Business Short Term Goal</source>
        <translation>Objectifs à court terme</translation>
    </message>
</context>
</TS>
