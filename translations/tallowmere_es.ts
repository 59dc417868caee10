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
    <name>browser::BrowserLayout</name>
    <message>
        <source>The window is too small.</source>
        <translation>La ventana es demasiado pequeña.</translation>
    </message>
</context>
<context>
    <name>browser::FrmBrowser</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Resource Browser</source>
        <translation>Navegador de recursos</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>The resource browser has no page.</source>
        <translation>El navegador de recursos no tiene ninguna página.</translation>
    </message>
</context>
<context>
    <name>browser::WebAddress</name>
    <message>
        <source>No address was given.</source>
        <translation>No se indicó ninguna dirección.</translation>
    </message>
</context>
<context>
    <name>browser::WebView</name>
    <message>
        <source>The web engine could not be started.</source>
        <translation>No se pudo iniciar el motor web.</translation>
    </message>
    <message>
        <source>Save Download As</source>
        <translation>Guardar descarga como</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2</source>
        <translation>No se pudo guardar el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file was saved as %1.

Open it now?</source>
        <translation>El archivo se guardó como %1.

¿Abrirlo ahora?</translation>
    </message>
    <message>
        <source>No program on this computer opens %1. The file stays where it was saved.</source>
        <translation>Ningún programa de este equipo abre %1. El archivo se queda donde se guardó.</translation>
    </message>
</context>
<context>
    <name>documents::ArticlesWindow</name>
    <message>
        <source>Report Article Of Corporation</source>
        <translation>Informe – Escritura de constitución</translation>
    </message>
    <message>
        <source>1 field has no value: %1. They stay in the text as written, highlighted.</source>
        <translation>1 campo no tiene valor: %1. Se queda en el texto tal como está escrito, resaltado.</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Save as D&amp;ocument...</source>
        <translation>Guardar como d&amp;ocumento...</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copiar &amp;todo</translation>
    </message>
    <message>
        <source>Save as Document</source>
        <translation>Guardar como documento</translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation>Texto OpenDocument (*.odt)</translation>
    </message>
    <message numerus="yes">
        <source>%n fields have no value: %1. They stay in the text as written, highlighted.</source>
        <translation>
            <numerusform>%n campo no tiene valor: %1. Se queda en el texto tal como está escrito, resaltado.</numerusform>
            <numerusform>%n campos no tienen valor: %1. Se quedan en el texto tal como están escritos, resaltados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::BusinessReport</name>
    <message>
        <source>Business report, %1</source>
        <translation>Informe de la empresa, %1</translation>
    </message>
</context>
<context>
    <name>documents::EditorWindow</name>
    <message>
        <source>Merge fields</source>
        <translation>Campos de combinación</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Template text</source>
        <translation>Texto de la plantilla</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Field names the merge does not know</source>
        <translation>Nombres de campo que la combinación no conoce</translation>
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
        <translation>La plantilla %1 tiene cambios sin guardar. ¿Desea guardarlos?</translation>
    </message>
    <message>
        <source>... and %1 more names that are not merge fields.</source>
        <translation>... y %1 nombres más que no son campos de combinación.</translation>
    </message>
</context>
<context>
    <name>documents::FieldCheck</name>
    <message>
        <source>Line %1: %2: did you mean %3?</source>
        <translation>Línea %1: %2: ¿quería decir %3?</translation>
    </message>
    <message>
        <source>Line %1: %2 is not a merge field.</source>
        <translation>Línea %1: %2 no es un campo de combinación.</translation>
    </message>
</context>
<context>
    <name>documents::LVPrint</name>
    <message>
        <source>There is no list to print.</source>
        <translation>No hay ninguna lista que imprimir.</translation>
    </message>
</context>
<context>
    <name>documents::ListPrinter</name>
    <message>
        <source>ListView Control Sample Printout</source>
        <translation>Impresión de la lista</translation>
    </message>
    <message>
        <source>PAGE %1</source>
        <translation>PÁGINA %1</translation>
    </message>
</context>
<context>
    <name>documents::OpenDocument</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se ha podido escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>the document could not be made.</source>
        <translation>no se ha podido crear el documento.</translation>
    </message>
</context>
<context>
    <name>documents::PageProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1: 1 page done.</source>
        <translation>%1: 1 página hecha.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln pages done.</source>
        <translation>
            <numerusform>%1: %Ln página hecha.</numerusform>
            <numerusform>%1: %Ln páginas hechas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::PrintOutput</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file %1 could not be written: it may only be read.</source>
        <translation>No se ha podido escribir el archivo %1: solo se puede leer.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se ha podido escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>La impresora %1 ha notificado un error.</translation>
    </message>
    <message>
        <source>The print job was aborted.</source>
        <translation>El trabajo de impresión se ha interrumpido.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. The file %2 was not written.</source>
        <translation>La impresión se ha detenido tras la página %1, como se pidió. No se ha escrito el archivo %2.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. Nothing was printed.</source>
        <translation>La impresión se ha detenido tras la página %1, como se pidió. No se ha impreso nada.</translation>
    </message>
    <message>
        <source>Printing was stopped after page %1, as asked. The pages made until then went to the printer %2; the rest was not printed.</source>
        <translation>La impresión se ha detenido tras la página %1, como se pidió. Las páginas hechas hasta entonces se enviaron a la impresora %2; el resto no se ha impreso.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Preparing the preview</source>
        <translation>Preparando la vista previa</translation>
    </message>
    <message>
        <source>The preview was stopped after page %1, as asked. Nothing was printed.</source>
        <translation>La vista previa se ha detenido tras la página %1, como se pidió. No se ha impreso nada.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Save Printout as PDF</source>
        <translation>Guardar la impresión como PDF</translation>
    </message>
</context>
<context>
    <name>documents::PrintPreviewDialog</name>
    <message>
        <source>Print Preview: %1</source>
        <translation>Vista previa de impresión: %1</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 página</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pages</source>
        <translation>
            <numerusform>%Ln página</numerusform>
            <numerusform>%Ln páginas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>documents::PrintSurface</name>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>La impresora no ha podido empezar una página nueva.</translation>
    </message>
    <message>
        <source>The printout could not be finished.</source>
        <translation>No se ha podido terminar la impresión.</translation>
    </message>
    <message>
        <source>Printing could not begin: the printer or the output file is not available.</source>
        <translation>No se ha podido empezar a imprimir: la impresora o el archivo de salida no están disponibles.</translation>
    </message>
</context>
<context>
    <name>documents::RecordRow</name>
    <message>
        <source>The query gave no column named %1.</source>
        <translation>La consulta no ha devuelto ninguna columna llamada %1.</translation>
    </message>
</context>
<context>
    <name>documents::ReportBuilder</name>
    <message>
        <source>Business Mission Statement</source>
        <translation>Declaración de misión de la empresa</translation>
    </message>
    <message>
        <source>Business Type</source>
        <translation>Tipo de empresa</translation>
    </message>
    <message>
        <source>Business Short Term Goals</source>
        <translation>Objetivos a corto plazo de la empresa</translation>
    </message>
    <message>
        <source>Business Long Term Goals</source>
        <translation>Objetivos a largo plazo de la empresa</translation>
    </message>
    <message>
        <source>General Business Information</source>
        <translation>Información general de la empresa</translation>
    </message>
    <message>
        <source>Business Employee Information</source>
        <translation>Empleados de la empresa</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Plan financiero</translation>
    </message>
    <message>
        <source>Year %1: revenue %2, net income %3, cash at the year&apos;s end %4</source>
        <translation>Año %1: ingresos %2, resultado neto %3, efectivo a final de año %4</translation>
    </message>
</context>
<context>
    <name>documents::ReportWindow</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>documents::SelectTemplateWindow</name>
    <message>
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Seleccionar plantilla</translation>
    </message>
    <message>
        <source>Nothing Selected Try Again</source>
        <translation>No se ha seleccionado nada; inténtelo de nuevo</translation>
    </message>
</context>
<context>
    <name>documents::TemplateMerge</name>
    <message>
        <source>Report: %1</source>
        <translation>Informe: %1</translation>
    </message>
</context>
<context>
    <name>documents::TemplateStore</name>
    <message>
        <source>There is no template named &quot;%1&quot;.</source>
        <translation>No hay ninguna plantilla llamada «%1».</translation>
    </message>
    <message>
        <source>No template is open.</source>
        <translation>No hay ninguna plantilla abierta.</translation>
    </message>
</context>
<context>
    <name>documents::TextDocumentWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
</context>
<context>
    <name>plan::Decimal</name>
    <message>
        <source>A value of the plan is too large to be computed.</source>
        <translation>Un valor del plan es demasiado grande para poder calcularse.</translation>
    </message>
    <message>
        <source>A value of the plan is divided by zero.</source>
        <translation>Un valor del plan se divide entre cero.</translation>
    </message>
</context>
<context>
    <name>plan::Money</name>
    <message>
        <source>An amount of the plan is too large to be computed.</source>
        <translation>Un importe del plan es demasiado grande para poder calcularse.</translation>
    </message>
</context>
<context>
    <name>plan::Plan</name>
    <message>
        <source>Unit sales</source>
        <translation>Ventas por unidad</translation>
    </message>
    <message>
        <source>Recurring</source>
        <translation>Recurrente</translation>
    </message>
    <message>
        <source>Billable hours</source>
        <translation>Horas facturables</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Préstamo</translation>
    </message>
</context>
<context>
    <name>plan::PlanJson</name>
    <message>
        <source>must be a text</source>
        <translation>debe ser un texto</translation>
    </message>
    <message>
        <source>must be a decimal number written as a text, such as &quot;2.5&quot;</source>
        <translation>debe ser un número decimal escrito como texto, por ejemplo &quot;2.5&quot;</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>debe ser true o false</translation>
    </message>
    <message>
        <source>must be a list ([...])</source>
        <translation>debe ser una lista ([...])</translation>
    </message>
    <message>
        <source>holds more than %1 lines</source>
        <translation>contiene más de %1 líneas</translation>
    </message>
    <message>
        <source>%1 is not a field of a plan.</source>
        <translation>%1 no es un campo de un plan.</translation>
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
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>%1 must be an object ({...}).</source>
        <translation>%1 debe ser un objeto ({...}).</translation>
    </message>
    <message>
        <source>%1 is not a plan: %2 at byte %3.</source>
        <translation>%1 no es un plan: %2 en el byte %3.</translation>
    </message>
    <message>
        <source>%1 is not a plan: it holds no object ({...}).</source>
        <translation>%1 no es un plan: no contiene ningún objeto ({...}).</translation>
    </message>
</context>
<context>
    <name>plan::PlanRules</name>
    <message>
        <source>First month</source>
        <translation>Primer mes</translation>
    </message>
    <message>
        <source>Starting cash</source>
        <translation>Efectivo inicial</translation>
    </message>
    <message>
        <source>Income-tax rate (%)</source>
        <translation>Tipo impositivo (%)</translation>
    </message>
    <message>
        <source>Payroll burden (%)</source>
        <translation>Cargas sociales (%)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Mes de inicio</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Mes final</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>First quantity</source>
        <translation>Cantidad inicial</translation>
    </message>
    <message>
        <source>Monthly growth (%)</source>
        <translation>Crecimiento mensual (%)</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Churn (%)</source>
        <translation>Tasa de bajas (%)</translation>
    </message>
    <message>
        <source>Direct cost (%)</source>
        <translation>Coste directo (%)</translation>
    </message>
    <message>
        <source>Direct cost per unit</source>
        <translation>Coste directo por unidad</translation>
    </message>
    <message>
        <source>Employee</source>
        <translation>Empleado</translation>
    </message>
    <message>
        <source>Monthly salary</source>
        <translation>Salario mensual</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Annual interest (%)</source>
        <translation>Interés anual (%)</translation>
    </message>
    <message>
        <source>Term (months)</source>
        <translation>Plazo (meses)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Useful life (months)</source>
        <translation>Vida útil (meses)</translation>
    </message>
    <message>
        <source>%1 line %2: </source>
        <translation>%1, línea %2: </translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <translation>%1 admite como máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>%1 takes no tabs, line breaks or other control characters.</source>
        <translation>%1 no admite tabulaciones, saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>End month must not come before the start month.</source>
        <translation>El mes final no puede ser anterior al mes de inicio.</translation>
    </message>
    <message>
        <source>%1: a plan holds at most %2 lines of each kind.</source>
        <translation>%1: un plan admite como máximo %2 líneas de cada tipo.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 debe ser un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>%1 must be an amount from %2 to %3 with at most two decimals.</source>
        <translation>%1 debe ser un importe de %2 a %3 con dos decimales como máximo.</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3 with at most %4 decimals.</source>
        <translation>%1 debe ser un número de %2 a %3 con %4 decimales como máximo.</translation>
    </message>
    <message>
        <source>First month must be a month written YYYY-MM, such as 2027-01.</source>
        <translation>El primer mes debe escribirse con el formato YYYY-MM, por ejemplo 2027-01.</translation>
    </message>
    <message>
        <source>Kind must be &quot;Unit sales&quot;, &quot;Recurring&quot; or &quot;Billable hours&quot;.</source>
        <translation>El tipo debe ser «Ventas por unidad», «Recurrente» u «Horas facturables».</translation>
    </message>
    <message>
        <source>Kind must be &quot;Investment&quot; or &quot;Loan&quot;.</source>
        <translation>El tipo debe ser «Inversión» o «Préstamo».</translation>
    </message>
    <message>
        <source>Settings: </source>
        <translation>Configuración: </translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Financing</source>
        <translation>Financiación</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Activos</translation>
    </message>
</context>
<context>
    <name>plan::PlanStore</name>
    <message>
        <source>The stored plan is damaged: table %1, row %2, column %3: %4</source>
        <translation>El plan guardado está dañado: tabla %1, fila %2, columna %3: %4</translation>
    </message>
    <message>
        <source>The stored plan is damaged: table %1 holds more than %2 lines for one business.</source>
        <translation>El plan guardado está dañado: la tabla %1 contiene más de %2 líneas para una empresa.</translation>
    </message>
    <message>
        <source>The stored plan is damaged: %1</source>
        <translation>El plan guardado está dañado: %1</translation>
    </message>
    <message>
        <source>The plan was not stored: %1</source>
        <translation>El plan no se ha guardado: %1</translation>
    </message>
</context>
<context>
    <name>plan::Statements</name>
    <message>
        <source>%1 line %2 (%3) grows too large to be computed; lower its growth or amounts.</source>
        <translation>%1, línea %2 (%3) crece demasiado para poder calcularse; reduzca su crecimiento o sus importes.</translation>
    </message>
    <message>
        <source>The plan&apos;s amounts grow too large to be computed; lower its amounts or growth.</source>
        <translation>Los importes del plan crecen demasiado para poder calcularse; reduzca sus importes o su crecimiento.</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Profit and loss</source>
        <translation>Cuenta de resultados</translation>
    </message>
    <message>
        <source>Direct costs</source>
        <translation>Costes directos</translation>
    </message>
    <message>
        <source>Gross margin</source>
        <translation>Margen bruto</translation>
    </message>
    <message>
        <source>Salaries</source>
        <translation>Salarios</translation>
    </message>
    <message>
        <source>Payroll burden</source>
        <translation>Cargas sociales</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Amortización</translation>
    </message>
    <message>
        <source>Operating income</source>
        <translation>Resultado de explotación</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Income before tax</source>
        <translation>Resultado antes de impuestos</translation>
    </message>
    <message>
        <source>Income tax</source>
        <translation>Impuesto sobre beneficios</translation>
    </message>
    <message>
        <source>Net income</source>
        <translation>Resultado neto</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Asset purchases</source>
        <translation>Compras de activos</translation>
    </message>
    <message>
        <source>Loans received</source>
        <translation>Préstamos recibidos</translation>
    </message>
    <message>
        <source>Principal repaid</source>
        <translation>Capital amortizado</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Inversiones</translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation>Flujo de caja neto</translation>
    </message>
    <message>
        <source>Cash at end of month</source>
        <translation>Efectivo a final de mes</translation>
    </message>
    <message>
        <source>Balance sheet</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Fixed assets</source>
        <translation>Inmovilizado</translation>
    </message>
    <message>
        <source>Total assets</source>
        <translation>Total activo</translation>
    </message>
    <message>
        <source>Loans outstanding</source>
        <translation>Préstamos pendientes</translation>
    </message>
    <message>
        <source>Paid-in capital</source>
        <translation>Capital desembolsado</translation>
    </message>
    <message>
        <source>Retained earnings</source>
        <translation>Resultados acumulados</translation>
    </message>
    <message>
        <source>Total liabilities and equity</source>
        <translation>Total patrimonio neto y pasivo</translation>
    </message>
</context>
<context>
    <name>plan::ui::ChartModule</name>
    <message>
        <source>The program part %1 (%2) draws no charts.</source>
        <translation>El componente del programa %1 (%2) no dibuja gráficos.</translation>
    </message>
</context>
<context>
    <name>plan::ui::ChartsPage</name>
    <message>
        <source>The charts cannot be shown. %1</source>
        <translation>No se pueden mostrar los gráficos. %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::KeyFigures</name>
    <message>
        <source>Gross margin: %1</source>
        <translation>Margen bruto: %1</translation>
    </message>
    <message>
        <source>none (no revenue)</source>
        <translation>ninguno (sin ingresos)</translation>
    </message>
    <message>
        <source>Break-even month: %1</source>
        <translation>Mes del punto de equilibrio: %1</translation>
    </message>
    <message>
        <source>%1 (month %2)</source>
        <translation>%1 (mes %2)</translation>
    </message>
    <message>
        <source>not within the plan</source>
        <translation>fuera del plan</translation>
    </message>
    <message>
        <source>Revenue needed to break even in year 1: %1</source>
        <translation>Ingresos necesarios para el punto de equilibrio en el año 1: %1</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <translation>%1 al mes</translation>
    </message>
    <message>
        <source>none (no gross margin in year 1)</source>
        <translation>ninguno (sin margen bruto en el año 1)</translation>
    </message>
    <message>
        <source>Lowest cash: %1 in %2</source>
        <translation>Efectivo mínimo: %1 en %2</translation>
    </message>
    <message>
        <source>Cash runs out in %1</source>
        <translation>El efectivo se agota en %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::LineTable</name>
    <message>
        <source>%1 must not be empty.</source>
        <translation>%1 no puede estar vacío.</translation>
    </message>
    <message>
        <source>(employee %1, no longer listed)</source>
        <translation>(empleado %1, ya no figura en la lista)</translation>
    </message>
    <message>
        <source>%1 must be one of the business&apos;s employees (Employee Information), or empty.</source>
        <translation>%1 debe ser uno de los empleados de la empresa (Empleados) o quedar vacío.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>One-off</source>
        <translation>Puntual</translation>
    </message>
    <message>
        <source>One-off must be Yes (the amount in the start month only) or No.</source>
        <translation>Puntual debe ser Sí (el importe solo en el mes de inicio) o No.</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Revenue stream %1</source>
        <translation>Fuente de ingresos %1</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Role %1</source>
        <translation>Puesto %1</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Expense %1</source>
        <translation>Gasto %1</translation>
    </message>
    <message>
        <source>Financing</source>
        <translation>Financiación</translation>
    </message>
    <message>
        <source>Financing %1</source>
        <translation>Financiación %1</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>Activos</translation>
    </message>
    <message>
        <source>Asset %1</source>
        <translation>Activo %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::LinesPage</name>
    <message>
        <source>Add revenue line</source>
        <translation>Añadir línea de ingresos</translation>
    </message>
    <message>
        <source>Delete revenue line</source>
        <translation>Borrar línea de ingresos</translation>
    </message>
    <message>
        <source>Add people line</source>
        <translation>Añadir línea de personal</translation>
    </message>
    <message>
        <source>Delete people line</source>
        <translation>Borrar línea de personal</translation>
    </message>
    <message>
        <source>Add expenses line</source>
        <translation>Añadir línea de gastos</translation>
    </message>
    <message>
        <source>Delete expenses line</source>
        <translation>Borrar línea de gastos</translation>
    </message>
    <message>
        <source>Add financing line</source>
        <translation>Añadir línea de financiación</translation>
    </message>
    <message>
        <source>Delete financing line</source>
        <translation>Borrar línea de financiación</translation>
    </message>
    <message>
        <source>Add assets line</source>
        <translation>Añadir línea de activos</translation>
    </message>
    <message>
        <source>Delete assets line</source>
        <translation>Borrar línea de activos</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>Líneas: %1</translation>
    </message>
    <message>
        <source>Choose the line to delete first.</source>
        <translation>Elija primero la línea que desea borrar.</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanCharts</name>
    <message>
        <source>Month of the plan</source>
        <translation>Mes del plan</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Total costs</source>
        <translation>Costes totales</translation>
    </message>
    <message>
        <source>Per month</source>
        <translation>Al mes</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Cash at end of month</source>
        <translation>Efectivo a final de mes</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Fixed costs</source>
        <translation>Costes fijos</translation>
    </message>
    <message>
        <source>Monthly sales volume (revenue, year 1&apos;s mix)</source>
        <translation>Volumen de ventas mensual (ingresos, combinación del año 1)</translation>
    </message>
    <message>
        <source>Revenue and total costs per month</source>
        <translation>Ingresos y costes totales al mes</translation>
    </message>
    <message>
        <source>Cash at the end of each month</source>
        <translation>Efectivo al final de cada mes</translation>
    </message>
    <message>
        <source>Break-even: revenue and costs over volume</source>
        <translation>Punto de equilibrio: ingresos y costes según el volumen</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanPrintout</name>
    <message>
        <source>Year %1</source>
        <translation>Año %1</translation>
    </message>
    <message>
        <source>First month: %1</source>
        <translation>Primer mes: %1</translation>
    </message>
    <message>
        <source>Starting cash: %1</source>
        <translation>Efectivo inicial: %1</translation>
    </message>
    <message>
        <source>Income-tax rate: %1</source>
        <translation>Tipo impositivo: %1</translation>
    </message>
    <message>
        <source>Payroll burden: %1</source>
        <translation>Cargas sociales: %1</translation>
    </message>
    <message>
        <source>Lines: %1, %2, %3, %4, %5</source>
        <translation>Líneas: %1, %2, %3, %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n revenue streams</source>
        <translation>
            <numerusform>%n fuente de ingresos</numerusform>
            <numerusform>%n fuentes de ingresos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people</source>
        <translation>
            <numerusform>%n persona</numerusform>
            <numerusform>%n personas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n expenses</source>
        <translation>
            <numerusform>%n gasto</numerusform>
            <numerusform>%n gastos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n financing</source>
        <translation>
            <numerusform>%n financiación</numerusform>
            <numerusform>%n financiaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n assets</source>
        <translation>
            <numerusform>%n activo</numerusform>
            <numerusform>%n activos</numerusform>
        </translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Key figures</source>
        <translation>Cifras clave</translation>
    </message>
    <message>
        <source>The printout of the financial plan could not be started.</source>
        <translation>No se ha podido iniciar la impresión del plan financiero.</translation>
    </message>
    <message>
        <source>The printout of the financial plan could not be finished.</source>
        <translation>No se ha podido terminar la impresión del plan financiero.</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanSession</name>
    <message>
        <source>Employee %1</source>
        <translation>Empleado %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::PlanWindow</name>
    <message>
        <source>Financial Plan - %1</source>
        <translation>Plan financiero - %1</translation>
    </message>
    <message>
        <source>Financial Plan</source>
        <translation>Plan financiero</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Export Statements...</source>
        <translation>&amp;Exportar estados financieros...</translation>
    </message>
    <message>
        <source>Financial plan</source>
        <translation>Plan financiero</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Statements</source>
        <translation>Estados financieros</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>What was typed last could not be stored, so the window stays open: %1</source>
        <translation>No se ha podido guardar lo último que se escribió, así que la ventana sigue abierta: %1</translation>
    </message>
    <message>
        <source>Financial Plan - %1, %2</source>
        <translation>Plan financiero - %1, %2</translation>
    </message>
    <message>
        <source>The financial plan cannot be printed with its charts. %1</source>
        <translation>El plan financiero no se puede imprimir con sus gráficos. %1</translation>
    </message>
    <message>
        <source>Export Statements</source>
        <translation>Exportar estados financieros</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statements - %1</source>
        <translation>Estados financieros - %1</translation>
    </message>
    <message>
        <source>The statements could not be written to %1: %2</source>
        <translation>No se han podido escribir los estados financieros en %1: %2</translation>
    </message>
    <message>
        <source>The statements were written to %1.</source>
        <translation>Los estados financieros se han escrito en %1.</translation>
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
        <translation>Año %1</translation>
    </message>
</context>
<context>
    <name>plan::ui::StatementsPage</name>
    <message>
        <source>Show all 36 &amp;months</source>
        <translation>Mostrar los 36 &amp;meses</translation>
    </message>
    <message>
        <source>Show all 36 months</source>
        <translation>Mostrar los 36 meses</translation>
    </message>
</context>
<context>
    <name>records::BusinessPerspective</name>
    <message>
        <source>Business Perspective</source>
        <translation>Perspectiva de la empresa</translation>
    </message>
</context>
<context>
    <name>records::BusinessPurpose</name>
    <message>
        <source>Business Purpose</source>
        <translation>Finalidad</translation>
    </message>
</context>
<context>
    <name>records::BusinessType</name>
    <message>
        <source>Business Type</source>
        <translation>Tipo de empresa</translation>
    </message>
</context>
<context>
    <name>records::DetailForms</name>
    <message>
        <source>Mission Statements Associated With Business: %1</source>
        <translation>Declaraciones de misión de la empresa: %1</translation>
    </message>
    <message>
        <source>Business Types Associated With Business: %1</source>
        <translation>Tipos de empresa asociados: %1</translation>
    </message>
    <message>
        <source>Perspectives Associated with Business: %1</source>
        <translation>Perspectivas de la empresa: %1</translation>
    </message>
    <message>
        <source>Employees Associated With Business: %1</source>
        <translation>Empleados de la empresa: %1</translation>
    </message>
    <message>
        <source>Long Term Goals Associated With Business: %1</source>
        <translation>Objetivos a largo plazo de la empresa: %1</translation>
    </message>
    <message>
        <source>Short Term Goals Associated With Business: %1</source>
        <translation>Objetivos a corto plazo de la empresa: %1</translation>
    </message>
    <message>
        <source>Registered Agents Associated With Business: %1</source>
        <translation>Agentes registrados de la empresa: %1</translation>
    </message>
</context>
<context>
    <name>records::EmployeeInformation</name>
    <message>
        <source> Employees Information</source>
        <translation>Empleados</translation>
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
    <message>
        <source>Perspective Identification:</source>
        <translation>N.º de perspectiva:</translation>
    </message>
    <message>
        <source>Perspective Date (Added):</source>
        <translation>Fecha de la perspectiva (alta):</translation>
    </message>
    <message>
        <source>Business Identification:</source>
        <translation>N.º de empresa:</translation>
    </message>
    <message>
        <source>Business Concept:</source>
        <translation>Concepto de negocio:</translation>
    </message>
    <message>
        <source>Type Of Customers:</source>
        <translation>Tipo de clientes:</translation>
    </message>
    <message>
        <source>Method To Reach Target:</source>
        <translation>Forma de llegar al público:</translation>
    </message>
    <message>
        <source>Reason For Business Market:</source>
        <translation>Motivo del mercado:</translation>
    </message>
    <message>
        <source>Purpose Identification:</source>
        <translation>N.º de finalidad:</translation>
    </message>
    <message>
        <source>Purpose Date (Added):</source>
        <translation>Fecha de la finalidad (alta):</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Finalidad:</translation>
    </message>
    <message>
        <source>Type Identification</source>
        <translation>N.º de tipo</translation>
    </message>
    <message>
        <source>Type Date (Added):</source>
        <translation>Fecha del tipo (alta):</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Agent Identification:</source>
        <translation>N.º de agente:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Middle Name:</source>
        <translation>Segundo nombre:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>Address One:</source>
        <translation>Dirección, línea 1:</translation>
    </message>
    <message>
        <source>Address Two:</source>
        <translation>Dirección, línea 2:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Estado o provincia:</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Fax Number:</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>E-mail Address:</source>
        <translation>Correo electrónico:</translation>
    </message>
</context>
<context>
    <name>records::GridColumn</name>
    <message>
        <source>EmpyoleeId</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>EmployeeDate</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>BusinessInformationId</source>
        <translation>N.º de empresa</translation>
    </message>
    <message>
        <source>EmployeeFirstName</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>EmployeeMiddleName</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>EmployeeLastName</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>EmployeePosition</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>EmployeeQualifications</source>
        <translation>Cualificaciones</translation>
    </message>
    <message>
        <source>BusinessLongTermGoalID</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>BusinessLongTermGoalDate</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>BusinessLongTermGoal</source>
        <translation>Objetivo a largo plazo</translation>
    </message>
    <message>
        <source>BusinessShortTermGoalID</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>BusinessShortTermGoalDate</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>BusinessShortTermGoal</source>
        <translation>Objetivo a corto plazo</translation>
    </message>
</context>
<context>
    <name>records::LongTermGoals</name>
    <message>
        <source>Business Long Term Goal</source>
        <translation>Objetivos a largo plazo</translation>
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
<context>
    <name>records::RegisteredAgent</name>
    <message>
        <source>Registered Agent</source>
        <translation>Agente registrado</translation>
    </message>
</context>
<context>
    <name>records::ShortTermGoals</name>
    <message>
        <source>Business Short Term Goal</source>
        <translation>Objetivos a corto plazo</translation>
    </message>
</context>
</TS>
