<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
Planificación para pequeñas empresas: empresas, sus planes, informes y documentos.

Software libre bajo la licencia MIT.
Copyright los autores de Tallowmere.

Qt %2
SQLite %3

Carpeta de datos: %4</translation>
    </message>
</context>
<context>
    <name>app::BusinessExport</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>app::BusinessInformationController</name>
    <message>
        <source>Business Currently In System: %1</source>
        <translation>Empresas en el sistema: %1</translation>
    </message>
</context>
<context>
    <name>app::DailyBackup</name>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is a link; the daily backup goes only into a folder of its own there. Replace the link by a folder.</source>
        <translation>%1 es un enlace; la copia de seguridad diaria solo se guarda en una carpeta propia en ese lugar. Sustituya el enlace por una carpeta.</translation>
    </message>
    <message>
        <source>%1 is not a folder; the daily backup needs a folder of that name.</source>
        <translation>%1 no es una carpeta; la copia de seguridad diaria necesita una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user; the daily backup goes only into a folder of your own.</source>
        <translation>La carpeta %1 pertenece a otro usuario; la copia de seguridad diaria solo se guarda en una carpeta propia.</translation>
    </message>
    <message>
        <source>The backup folder %1 is dated after today (%2); it was kept and is not counted among the %3 days kept. The computer&apos;s clock may have been wrong when it was made.</source>
        <translation>La carpeta de copia de seguridad %1 tiene una fecha posterior a hoy (%2); se ha conservado y no cuenta entre los %3 días que se guardan. Puede que el reloj del equipo estuviera mal cuando se creó.</translation>
    </message>
    <message>
        <source>The backup %1 was made but cannot be marked as the program&apos;s: %2.</source>
        <translation>La copia de seguridad %1 se ha hecho, pero no se puede marcar como del programa: %2.</translation>
    </message>
</context>
<context>
    <name>app::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Back Up...</source>
        <translation>&amp;Copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Export Businesses...</source>
        <translation>&amp;Exportar empresas...</translation>
    </message>
    <message>
        <source>Back Up Into Folder</source>
        <translation>Copia de seguridad en la carpeta</translation>
    </message>
    <message>
        <source>The folder %1 does not exist yet. Make it and back up into it?</source>
        <translation>La carpeta %1 aún no existe. ¿Desea crearla y guardar en ella la copia de seguridad?</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>The businesses and the RSS items were backed up into %1.</source>
        <translation>Se ha hecho una copia de seguridad de las empresas y los elementos RSS en %1.</translation>
    </message>
    <message>
        <source>No backup was made. %1</source>
        <translation>No se ha hecho ninguna copia de seguridad. %1</translation>
    </message>
    <message>
        <source>Today&apos;s automatic backup could not be made: %1 Your data is as it was; File &gt; Back Up... makes a backup by hand.</source>
        <translation>No se ha podido hacer la copia de seguridad automática de hoy: %1 Sus datos no han cambiado; Archivo &gt; Copia de seguridad... hace una copia a mano.</translation>
    </message>
    <message>
        <source>Export Businesses</source>
        <translation>Exportar empresas</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Businesses.csv</source>
        <translation>Empresas.csv</translation>
    </message>
    <message>
        <source>The businesses were not exported. %1</source>
        <translation>No se han exportado las empresas. %1</translation>
    </message>
    <message>
        <source>1 business was exported to %1.</source>
        <translation>Se ha exportado 1 empresa a %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n businesses were exported to %1.</source>
        <translation>
            <numerusform>Se ha exportado %n empresa a %1.</numerusform>
            <numerusform>Se han exportado %n empresas a %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::GeneralInformation1</name>
    <message>
        <source>General Business Information</source>
        <translation>Información general de la empresa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Planning Menu</source>
        <translation>Planificación</translation>
    </message>
    <message>
        <source>&amp;Business</source>
        <translation>&amp;Empresa</translation>
    </message>
    <message>
        <source>Registered Agent...</source>
        <translation>&amp;Agente registrado...</translation>
    </message>
    <message>
        <source>Find Business...</source>
        <translation>&amp;Buscar empresa...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find the business whose name contains:</source>
        <translation>Buscar la empresa cuyo nombre contiene:</translation>
    </message>
    <message>
        <source>Find Business</source>
        <translation>Buscar empresa</translation>
    </message>
    <message>
        <source>No business name contains &quot;%1&quot;.</source>
        <translation>Ningún nombre de empresa contiene «%1».</translation>
    </message>
    <message>
        <source>Edit Tempate</source>
        <translation>Editar plantilla</translation>
    </message>
    <message>
        <source>Upload Template</source>
        <translation>Importar plantilla</translation>
    </message>
    <message>
        <source>&amp;Templates</source>
        <translation>&amp;Plantillas</translation>
    </message>
    <message>
        <source>&amp;Edit Template...</source>
        <translation>&amp;Editar plantilla...</translation>
    </message>
    <message>
        <source>&amp;Upload Template...</source>
        <translation>&amp;Importar plantilla...</translation>
    </message>
    <message>
        <source>General Business Information - %1</source>
        <translation>Información general de la empresa - %1</translation>
    </message>
    <message>
        <source>The business resources page %1 could not be opened: no program on this computer is set up to open web pages, and the resource browser could not start. %2</source>
        <translation>No se ha podido abrir la página de recursos empresariales %1: ningún programa de este equipo está configurado para abrir páginas web y el navegador de recursos no ha podido iniciarse. %2</translation>
    </message>
    <message>
        <source>Re&amp;sources</source>
        <translation>&amp;Recursos</translation>
    </message>
    <message>
        <source>Resource Browser...</source>
        <translation>&amp;Navegador de recursos...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;About Tallowmere</source>
        <translation>&amp;Acerca de Tallowmere</translation>
    </message>
    <message>
        <source>About Tallowmere</source>
        <translation>Acerca de Tallowmere</translation>
    </message>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1

The resource browser, which holds a copy of it, could not start. %2</source>
        <translation>No se ha encontrado la guía del usuario. Se ha buscado en:
%1

El navegador de recursos, que contiene una copia, no ha podido iniciarse. %2</translation>
    </message>
    <message>
        <source>The user guide %1 could not be opened: no program on this computer is set up to open web pages, and the resource browser could not start. %2</source>
        <translation>No se ha podido abrir la guía del usuario %1: ningún programa de este equipo está configurado para abrir páginas web y el navegador de recursos no ha podido iniciarse. %2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Business Purpose</source>
        <translation>Finalidad</translation>
    </message>
    <message>
        <source>Business Type</source>
        <translation>Tipo de empresa</translation>
    </message>
    <message>
        <source>Business Perspectives</source>
        <translation>Perspectivas</translation>
    </message>
    <message>
        <source>Employee Information</source>
        <translation>Empleados</translation>
    </message>
    <message>
        <source>Long Term Goals</source>
        <translation>Objetivos a largo plazo</translation>
    </message>
    <message>
        <source>Short Term Goals</source>
        <translation>Objetivos a corto plazo</translation>
    </message>
    <message>
        <source>Business Report</source>
        <translation>Informe de la empresa</translation>
    </message>
    <message>
        <source>Business Resources</source>
        <translation>Recursos</translation>
    </message>
    <message>
        <source>Manage RSS Feeds</source>
        <translation>Gestionar fuentes RSS</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Plan financiero</translation>
    </message>
</context>
<context>
    <name>app::InterruptedRestore</name>
    <message>
        <source>%1 Finish it now? Yes puts the backup&apos;s databases in place; No puts back the databases from before the restore.</source>
        <translation>%1 ¿Terminarla ahora? «Sí» pone en su lugar las bases de datos de la copia; «No» restablece las bases de datos de antes de la restauración.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>%1 &quot;tallowmere-db restore --finish&quot; or &quot;--undo&quot; with the program folder tries again.</source>
        <translation>%1 «tallowmere-db restore --finish» o «--undo» con la carpeta del programa lo intentan de nuevo.</translation>
    </message>
</context>
<context>
    <name>app::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Tallowmere will use the language you chose the next time it starts.</source>
        <translation>Tallowmere usará el idioma elegido la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
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
        <translation>Nombre de la empresa:</translation>
    </message>
    <message>
        <source>Business Address One:</source>
        <translation>Dirección, línea 1:</translation>
    </message>
    <message>
        <source>Business Address Two:</source>
        <translation>Dirección, línea 2:</translation>
    </message>
    <message>
        <source>Business City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>Business State:</source>
        <translation>Estado o provincia:</translation>
    </message>
    <message>
        <source>Business Zip:</source>
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>Business County:</source>
        <translation>Condado:</translation>
    </message>
    <message>
        <source>Business Phone Number:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Business Fax Number:</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>Business Web Site URL:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Business E-mail Address:</source>
        <translation>Correo electrónico:</translation>
    </message>
</context>
<context>
    <name>records::RecordFormController</name>
    <message>
        <source>The form has no records: it is not loaded.</source>
        <translation>El formulario no tiene registros: no está cargado.</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Nuevo registro</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Modificar registro</translation>
    </message>
</context>
<context>
    <name>records::RecordFormWindow</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Cance&amp;lar</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this record?</source>
        <translation>¿Desea guardar los cambios de este registro?</translation>
    </message>
</context>
</TS>
