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
</TS>
