<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation>No se ha podido leer la configuración del dispositivo.</translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation>No se ha podido enviar la configuración al dispositivo.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status bar: the user cancelled the device transfer or command</extracomment>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>GpxImport</name>
    <message>
        <source>Line %1, column %2: the file is not well-formed XML.</source>
        <translation>Línea %1, columna %2: el archivo no es XML bien formado.</translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation>Línea %1, columna %2: el archivo está incompleto.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation>Línea %1, columna %2: elemento sin cerrar.</translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation>Línea %1, columna %2: carácter no válido.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation>Línea %1, columna %2: codificación desconocida.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation>Línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation>La codificación %1 del archivo es desconocida.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>No hay memoria suficiente para leer el archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read: it is not an ordinary file.</source>
        <translation>No se puede leer el archivo: no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation>conexión cerrada</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>servidor no encontrado</translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation>el proxy cerró la conexión</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>el proxy rechazó la conexión</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>proxy no encontrado</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tiempo de espera agotado</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>HTTP %1 %2</source>
        <extracomment>%1 the HTTP status number, %2 the server&apos;s reason phrase</extracomment>
        <translation>HTTP %1 %2</translation>
    </message>
    <message>
        <source>no HTTP reply</source>
        <translation>sin respuesta HTTP</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>ocupado</translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation>URL no válida</translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation>puerto de proxy no válido</translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation>La longitud de los textos no cabe en el archivo del dispositivo.</translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation>El archivo del dispositivo admite como máximo 255 categorías.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation>El archivo del dispositivo admite como máximo 65535 subcategorías por categoría.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation>El archivo del dispositivo admite como máximo 65535 destinos por subcategoría.</translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation>Una posición no cabe en el archivo del dispositivo: %1</translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation>Los destinos no caben en un solo archivo del dispositivo.</translation>
    </message>
</context>
<context>
    <name>TAltChart</name>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation>Esperando al servicio de altitudes ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation>El servicio de altitudes ha respondido con un error (%1).</translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation>El servicio de altitudes no ha respondido (%1).</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;; %2 the time of day (hours:minutes:seconds) before which the program does not ask the service again by itself</extracomment>
        <translation>Fallo del servicio de altitudes, no se volverá a consultar automáticamente antes de las %2: ha respondido con un error (%1)</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: gave no answer (%1)</source>
        <translation>Fallo del servicio de altitudes, no se volverá a consultar automáticamente antes de las %2: no ha respondido (%1)</translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation>Este escritorio no tiene administrador de dispositivos. El puerto serie del dispositivo es uno de /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* o /dev/rfcomm*; Buscar lo encuentra, y su usuario debe pertenecer al grupo dialout para abrirlo.</translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation>Administrador de dispositivos</translation>
    </message>
</context>
<context>
    <name>TDestPage</name>
    <message>
        <source>%1 in %2</source>
        <comment>a sub-category in its category</comment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n empty category(ies) or sub-category(ies) not saved: %1. The file holds only those with destinations.</source>
        <extracomment>%1 lists the categories and sub-categories.</extracomment>
        <translation>
            <numerusform>%n categoría o subcategoría vacía no guardada: %1. El archivo solo contiene las que tienen destinos.</numerusform>
            <numerusform>%n categorías o subcategorías vacías no guardadas: %1. El archivo solo contiene las que tienen destinos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>%n destino sin categoría ni subcategoría no guardado.</numerusform>
            <numerusform>%n destinos sin categoría ni subcategoría no guardados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>%n nombre de categoría o subcategoría acortado para que quepa en el archivo: %1. Los nombres que solo se diferencian en la parte recortada se convierten en uno solo al volver a abrir el archivo.</numerusform>
            <numerusform>%n nombres de categoría o subcategoría acortados para que quepan en el archivo: %1. Los nombres que solo se diferencian en la parte recortada se convierten en uno solo al volver a abrir el archivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>%n título acortado para que quepa en el archivo: %1.</numerusform>
            <numerusform>%n títulos acortados para que quepan en el archivo: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>Información acortada para que quepa en el archivo en %n destino: %1.</numerusform>
            <numerusform>Información acortada para que quepa en el archivo en %n destinos: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>%n destino omitido: su categoría o subcategoría no está en el archivo.</numerusform>
            <numerusform>%n destinos omitidos: su categoría o subcategoría no está en el archivo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation>Elija un valor para: %1</translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation>No se puede crear un archivo de transferencia.</translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation>No se puede escribir el archivo de transferencia: %1</translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation>El dispositivo ha enviado un archivo que no se puede leer.</translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation>Archivo de puntos de ruta del dispositivo: %1</translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation>La categoría «%1» no tiene ninguna subcategoría. Añada primero una con el editor de categorías.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Can not load image: %1</source>
        <translation>No se puede cargar la imagen: %1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>No se ha podido guardar la configuración en %1 (%2).</translation>
    </message>
    <message>
        <source>Can not load the map</source>
        <translation>No se puede cargar el mapa</translation>
    </message>
    <message>
        <source>The place search is not available.</source>
        <translation>La búsqueda de lugares no está disponible.</translation>
    </message>
    <message>
        <source>Can not write map page: %1</source>
        <extracomment>%1 is the reason the page file could not be written</extracomment>
        <translation>No se puede escribir la página del mapa: %1</translation>
    </message>
    <message>
        <source>The map could not be loaded.</source>
        <translation>No se ha podido cargar el mapa.</translation>
    </message>
</context>
<context>
    <name>TFormWorkTask</name>
    <message>
        <source>Cancelling ...</source>
        <translation>Cancelando ...</translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation>El dispositivo no ha respondido a tiempo.</translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation>El dispositivo ha dado una respuesta inesperada.</translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation>El dispositivo ha rechazado los datos.</translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation>Los datos del dispositivo han llegado dañados.</translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation>El dispositivo ha interrumpido la transferencia.</translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation>Se ha perdido la conexión con el dispositivo.</translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation>No se ha podido leer el archivo de transferencia.</translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation>No se ha podido escribir el archivo de transferencia.</translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation>No se ha podido leer la respuesta del dispositivo.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Se ha cancelado la transferencia.</translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation>No se ha podido abrir COM %1.</translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation>La tarea del dispositivo ha fallado.</translation>
    </message>
</context>
<context>
    <name>TGoogleHtml</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is why a folder cannot be written, %2 the folder</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TProgramPage</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation>Un favorito necesita un nombre sin «;».</translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation>Esperando la comprobación de versión ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation>La comprobación de versión ha fallado: %1</translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation>Ya existe un punto de ruta con este título.</translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation>No hay ningún track marcado, así que no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation>El archivo está incompleto; se han leído los tracks completos anteriores al corte.</translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation>El archivo no contiene ningún track completo.</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>%n track guardado.</numerusform>
            <numerusform>%n tracks guardados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>%n track no marcado no se ha guardado.</numerusform>
            <numerusform>%n tracks no marcados no se han guardado.</numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation>No hay ninguna carpeta temporal segura para el archivo KML.</translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation>El escritorio no ha podido abrir el archivo.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se ha podido leer el archivo.</translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation>Importación GPX cancelada</translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>El archivo no contiene ningún track ni ninguna ruta, así que se conservan los tracks. Se ha añadido %n punto de ruta del archivo.</numerusform>
            <numerusform>El archivo no contiene ningún track ni ninguna ruta, así que se conservan los tracks. Se han añadido %n puntos de ruta del archivo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation>un registro incompleto al final del archivo (%1 de sus 16 bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>%n ilegible (sin hora válida, con una posición más allá de 90 grados de latitud o 180 grados de longitud, o con un número de icono sin imagen)</numerusform>
            <numerusform>%n ilegibles (sin hora válida, con una posición más allá de 90 grados de latitud o 180 grados de longitud, o con un número de icono sin imagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>%n con el mismo segundo que un punto de ruta anterior</numerusform>
            <numerusform>%n con el mismo segundo que un punto de ruta anterior</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>%n registro omitido: %1.</numerusform>
            <numerusform>%n registros omitidos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>No se ha podido leer ningún punto de ruta. %1 Los puntos de ruta existentes se mantienen sin cambios.</translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>%n punto de ruta leído. %1</numerusform>
            <numerusform>%n puntos de ruta leídos. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%n de los %1 puntos de ruta no se ha podido escribir en el archivo del dispositivo (una hora o posición que no admite) y se ha omitido.</numerusform>
            <numerusform>%n de los %1 puntos de ruta no se han podido escribir en el archivo del dispositivo (una hora o posición que no admite) y se han omitido.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation>Ningún programa de este escritorio ha podido abrir la página web. La dirección de la página, para copiarla en un navegador:

%1</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation>La latitud debe ser un número entre -90 y 90 grados.</translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation>La longitud debe ser un número entre -180 y 180 grados.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation>La latitud debe estar entre -90 y 90 grados.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation>La longitud debe estar entre -180 y 180 grados.</translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation>el archivo de versión está vacío</translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation>el archivo de versión no es de texto</translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation>el archivo de versión no contiene ningún número de compilación</translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation>No se ha podido leer la línea %1: no es texto.</translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation>El archivo está incompleto tras la línea %1: falta su línea final ZAVEOF.</translation>
    </message>
    <message>
        <source>The file is not a ZAV destination file: its first line is not a ZAV header.</source>
        <translation>El archivo no es un archivo de destinos ZAV: su primera línea no es una cabecera ZAV.</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation>No queda espacio en el disco</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
</context>
<context>
    <name>uibuild</name>
    <message>
        <source>, </source>
        <extracomment>Put between the items of a list inside a sentence (&quot;a, b, c&quot;).</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>unsaved</name>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them, your own categories included.

Open the file anyway?</source>
        <translation>Los destinos y las categorías tienen cambios que no se han guardado en un archivo ni enviado al dispositivo. Al abrir el archivo se sustituyen todos, incluidas sus propias categorías.

¿Abrir el archivo de todos modos?</translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation>Los destinos y las categorías tienen cambios que no se han guardado en un archivo ni enviado al dispositivo.

¿Eliminar todos los destinos y categorías de todos modos?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation>Los puntos de ruta tienen cambios que no se han guardado en un archivo ni enviado al dispositivo.

¿Eliminar todos los puntos de ruta de todos modos?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation>La ruta tiene cambios que no se han guardado en un archivo ni enviado al dispositivo.

¿Eliminar toda la ruta de todos modos?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation>La ruta tiene cambios que no se han guardado en un archivo ni enviado al dispositivo. La ruta generada desde el track la sustituye.

¿Sustituir la ruta de todos modos?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation>Los tracks tienen cambios que no se han guardado en un archivo. Al importar el archivo GPX se sustituyen todos los tracks.

¿Importar el archivo de todos modos?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation>Los tracks tienen cambios que no se han guardado en un archivo. El registro de tracks recibido sustituye todos los tracks.

¿Recibir el registro de tracks de todos modos?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation>Los tracks tienen cambios que no se han guardado en un archivo.

¿Eliminar todos los tracks de todos modos?</translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation>Estos elementos tienen cambios que no se han guardado en un archivo ni enviado al dispositivo:

%1

¿Cerrar el programa y perderlos?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them.

Open the file anyway?</source>
        <translation>Los puntos de ruta tienen cambios que no se han guardado en un archivo ni enviado al dispositivo. Al abrir el archivo se sustituyen todos.

¿Abrir el archivo de todos modos?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. The waypoints from the device replace all of them.

Download the waypoints anyway?</source>
        <translation>Los puntos de ruta tienen cambios que no se han guardado en un archivo ni enviado al dispositivo. Los puntos de ruta del dispositivo los sustituyen todos.

¿Recibir los puntos de ruta de todos modos?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. Opening the file replaces it.

Open the file anyway?</source>
        <translation>La ruta tiene cambios que no se han guardado en un archivo ni enviado al dispositivo. Al abrir el archivo se sustituye.

¿Abrir el archivo de todos modos?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route from the device replaces it.

Download the route anyway?</source>
        <translation>La ruta tiene cambios que no se han guardado en un archivo ni enviado al dispositivo. La ruta del dispositivo la sustituye.

¿Recibir la ruta de todos modos?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Opening the track file replaces every track.

Open the file anyway?</source>
        <translation>Los tracks tienen cambios que no se han guardado en un archivo. Al abrir el archivo de tracks se sustituyen todos los tracks.

¿Abrir el archivo de todos modos?</translation>
    </message>
</context>
</TS>
