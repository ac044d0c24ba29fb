<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation>Impossibile leggere le impostazioni dal dispositivo.</translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation>Impossibile inviare le impostazioni al dispositivo.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status bar: the user cancelled the device transfer or command</extracomment>
        <translation>Annullato</translation>
    </message>
</context>
<context>
    <name>GpxImport</name>
    <message>
        <source>Line %1, column %2: the file is not well-formed XML.</source>
        <translation>Riga %1, colonna %2: il file non è un XML ben formato.</translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation>Riga %1, colonna %2: il file è troncato.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation>Riga %1, colonna %2: elemento non chiuso.</translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation>Riga %1, colonna %2: carattere non valido.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation>Riga %1, colonna %2: codifica sconosciuta.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation>Riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation>La codifica %1 del file è sconosciuta.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>Memoria insufficiente per leggere il file.</translation>
    </message>
    <message>
        <source>The file cannot be read: it is not an ordinary file.</source>
        <translation>Impossibile leggere il file: non è un file normale.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation>connessione chiusa</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connessione rifiutata</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host non trovato</translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation>il proxy ha chiuso la connessione</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>il proxy ha rifiutato la connessione</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>proxy non trovato</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tempo scaduto</translation>
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
        <translation>nessuna risposta HTTP</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>occupato</translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation>URL non valido</translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation>porta del proxy non valida</translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation>Le lunghezze dei testi non sono compatibili con il file del dispositivo.</translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation>Il file del dispositivo può contenere al massimo 255 categorie.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation>Il file del dispositivo può contenere al massimo 65535 sottocategorie per categoria.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation>Il file del dispositivo può contenere al massimo 65535 destinazioni per sottocategoria.</translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation>Una posizione non può essere memorizzata nel file del dispositivo: %1</translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation>Le destinazioni non entrano in un unico file del dispositivo.</translation>
    </message>
</context>
<context>
    <name>TAltChart</name>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitudine</translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation>In attesa del servizio altimetrico ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation>Il servizio altimetrico ha risposto con un errore (%1).</translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation>Il servizio altimetrico non ha risposto (%1).</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;; %2 the time of day (hours:minutes:seconds) before which the program does not ask the service again by itself</extracomment>
        <translation>Problemi con il servizio altimetrico, nessuna nuova richiesta automatica prima delle %2: risposta con errore (%1)</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: gave no answer (%1)</source>
        <translation>Problemi con il servizio altimetrico, nessuna nuova richiesta automatica prima delle %2: nessuna risposta (%1)</translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation>Questo desktop non dispone di una gestione dispositivi. La porta seriale del dispositivo è una tra /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* o /dev/rfcomm*; il pulsante Cerca la trova e, per aprirla, il proprio utente deve far parte del gruppo dialout.</translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation>Gestione dispositivi</translation>
    </message>
</context>
<context>
    <name>TDestPage</name>
    <message>
        <source>%1 in %2</source>
        <comment>a sub-category in its category</comment>
        <translation>%1 in %2</translation>
    </message>
    <message numerus="yes">
        <source>%n empty category(ies) or sub-category(ies) not saved: %1. The file holds only those with destinations.</source>
        <extracomment>%1 lists the categories and sub-categories.</extracomment>
        <translation>
            <numerusform>%n categoria o sottocategoria vuota non salvata: %1. Il file contiene solo quelle con destinazioni.</numerusform>
            <numerusform>%n categorie o sottocategorie vuote non salvate: %1. Il file contiene solo quelle con destinazioni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>%n destinazione senza categoria né sottocategoria non salvata.</numerusform>
            <numerusform>%n destinazioni senza categoria né sottocategoria non salvate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>%n nome di categoria o sottocategoria accorciato per rientrare nel file: %1. I nomi che differiscono solo nella parte tagliata diventano uno solo alla riapertura del file.</numerusform>
            <numerusform>%n nomi di categoria o sottocategoria accorciati per rientrare nel file: %1. I nomi che differiscono solo nella parte tagliata diventano uno solo alla riapertura del file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>%n titolo accorciato per rientrare nel file: %1.</numerusform>
            <numerusform>%n titoli accorciati per rientrare nel file: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>Informazioni accorciate per rientrare nel file per %n destinazione: %1.</numerusform>
            <numerusform>Informazioni accorciate per rientrare nel file per %n destinazioni: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>%n destinazione esclusa: la sua categoria o sottocategoria non è presente nel file.</numerusform>
            <numerusform>%n destinazioni escluse: la loro categoria o sottocategoria non è presente nel file.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation>Scegliere un valore per: %1</translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation>Impossibile creare un file di trasferimento.</translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation>Impossibile scrivere il file di trasferimento: %1</translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation>Il dispositivo ha inviato un file illeggibile.</translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation>File dei waypoint del dispositivo: %1</translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation>La categoria «%1» non ha sottocategorie. Aggiungerne prima una con l&apos;editor categorie.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Can not load image: %1</source>
        <translation>Impossibile caricare l&apos;immagine: %1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>errore di scrittura</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>Impossibile salvare le impostazioni in %1 (%2).</translation>
    </message>
    <message>
        <source>Can not load the map</source>
        <translation>Impossibile caricare la mappa</translation>
    </message>
    <message>
        <source>The place search is not available.</source>
        <translation>La ricerca di luoghi non è disponibile.</translation>
    </message>
    <message>
        <source>Can not write map page: %1</source>
        <extracomment>%1 is the reason the page file could not be written</extracomment>
        <translation>Impossibile scrivere la pagina della mappa: %1</translation>
    </message>
    <message>
        <source>The map could not be loaded.</source>
        <translation>Non è stato possibile caricare la mappa.</translation>
    </message>
</context>
<context>
    <name>TFormWorkTask</name>
    <message>
        <source>Cancelling ...</source>
        <translation>Annullamento ...</translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation>Il dispositivo non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation>Il dispositivo ha dato una risposta inattesa.</translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation>Il dispositivo ha rifiutato i dati.</translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation>I dati del dispositivo sono arrivati danneggiati.</translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation>Il dispositivo ha interrotto il trasferimento.</translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation>La connessione con il dispositivo si è interrotta.</translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation>Impossibile leggere il file di trasferimento.</translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation>Impossibile scrivere il file di trasferimento.</translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation>Impossibile leggere la risposta del dispositivo.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Il trasferimento è stato annullato.</translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation>Impossibile aprire COM %1.</translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation>L&apos;operazione sul dispositivo non è riuscita.</translation>
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
        <translation>Colore</translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation>Un preferito deve avere un nome senza «;».</translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation>In attesa del controllo della versione ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation>Controllo della versione non riuscito: %1</translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation>Esiste già un punto del percorso con questo titolo.</translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation>Nessuna traccia è spuntata, quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Questo non è un file.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation>Il file è troncato; sono state lette le tracce complete che precedono il punto di interruzione.</translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation>Il file non contiene alcuna traccia completa.</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>%n traccia salvata.</numerusform>
            <numerusform>%n tracce salvate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>%n traccia non spuntata non è stata salvata.</numerusform>
            <numerusform>%n tracce non spuntate non sono state salvate.</numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation>Nessuna cartella temporanea sicura per il file KML.</translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation>Il desktop non è riuscito ad aprire il file.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation>Importazione GPX annullata</translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>Il file non contiene né tracce né percorsi, quindi le tracce restano invariate. È stato aggiunto %n waypoint dal file.</numerusform>
            <numerusform>Il file non contiene né tracce né percorsi, quindi le tracce restano invariate. Sono stati aggiunti %n waypoint dal file.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation>Questo non è un file.</translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation>un record troncato alla fine del file (%1 dei suoi 16 byte)</translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>%n illeggibile (orario non valido, posizione oltre 90 gradi di latitudine o 180 gradi di longitudine, oppure numero di icona senza immagine)</numerusform>
            <numerusform>%n illeggibili (orario non valido, posizione oltre 90 gradi di latitudine o 180 gradi di longitudine, oppure numero di icona senza immagine)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>%n nello stesso secondo di un waypoint precedente</numerusform>
            <numerusform>%n nello stesso secondo di un waypoint precedente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>%n record escluso: %1.</numerusform>
            <numerusform>%n record esclusi: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>Non è stato possibile leggere alcun waypoint. %1 I waypoint presenti restano invariati.</translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>%n waypoint letto. %1</numerusform>
            <numerusform>%n waypoint letti. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%n waypoint su %1 non è stato scritto nel file del dispositivo (orario o posizione non supportati dal file) ed è stato escluso.</numerusform>
            <numerusform>%n waypoint su %1 non sono stati scritti nel file del dispositivo (orario o posizione non supportati dal file) e sono stati esclusi.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation>Nessun programma su questo desktop è riuscito ad aprire la pagina web. Ecco l&apos;indirizzo della pagina, da copiare in un browser:

%1</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation>La latitudine deve essere un numero compreso tra -90 e 90 gradi.</translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation>La longitudine deve essere un numero compreso tra -180 e 180 gradi.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation>La latitudine deve essere compresa tra -90 e 90 gradi.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation>La longitudine deve essere compresa tra -180 e 180 gradi.</translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation>il file della versione è vuoto</translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation>il file della versione non è un file di testo</translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation>il file della versione non contiene un numero di build</translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation>Impossibile leggere la riga %1: non è testo.</translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation>Il file è troncato dopo la riga %1: manca la riga finale ZAVEOF.</translation>
    </message>
    <message>
        <source>The file is not a ZAV destination file: its first line is not a ZAV header.</source>
        <translation>Il file non è un file di destinazioni ZAV: la prima riga non è un&apos;intestazione ZAV.</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation>Spazio su disco esaurito</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operazione non consentita</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system di sola lettura</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o cartella inesistente</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome del file troppo lungo</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>File troppo grande</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di input/output</translation>
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
        <translation>Le destinazioni e le categorie contengono modifiche non salvate in un file né inviate al dispositivo. Aprendo il file verranno tutte sostituite, comprese le categorie create dall&apos;utente.

Aprire comunque il file?</translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation>Le destinazioni e le categorie contengono modifiche non salvate in un file né inviate al dispositivo.

Eliminare comunque tutte le destinazioni e le categorie?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation>I waypoint contengono modifiche non salvate in un file né inviate al dispositivo.

Eliminare comunque tutti i waypoint?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation>Il percorso contiene modifiche non salvate in un file né inviate al dispositivo.

Eliminare comunque l&apos;intero percorso?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation>Il percorso contiene modifiche non salvate in un file né inviate al dispositivo. Il percorso generato dalla traccia lo sostituirà.

Sostituire comunque il percorso?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation>Le tracce contengono modifiche non salvate in un file. L&apos;importazione del file GPX sostituirà tutte le tracce.

Importare comunque il file?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation>Le tracce contengono modifiche non salvate in un file. Il registro delle tracce ricevuto sostituirà tutte le tracce.

Ricevere comunque il registro delle tracce?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation>Le tracce contengono modifiche non salvate in un file.

Eliminare comunque tutte le tracce?</translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation>Le seguenti sezioni contengono modifiche non salvate in un file né inviate al dispositivo:

%1

Chiudere il programma e perderle?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them.

Open the file anyway?</source>
        <translation>I waypoint contengono modifiche non salvate in un file né inviate al dispositivo. Aprendo il file verranno tutti sostituiti.

Aprire comunque il file?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. The waypoints from the device replace all of them.

Download the waypoints anyway?</source>
        <translation>I waypoint contengono modifiche non salvate in un file né inviate al dispositivo. I waypoint del dispositivo li sostituiranno tutti.

Ricevere comunque i waypoint?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. Opening the file replaces it.

Open the file anyway?</source>
        <translation>Il percorso contiene modifiche non salvate in un file né inviate al dispositivo. Aprendo il file verrà sostituito.

Aprire comunque il file?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route from the device replaces it.

Download the route anyway?</source>
        <translation>Il percorso contiene modifiche non salvate in un file né inviate al dispositivo. Il percorso del dispositivo lo sostituirà.

Ricevere comunque il percorso?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Opening the track file replaces every track.

Open the file anyway?</source>
        <translation>Le tracce contengono modifiche non salvate in un file. L&apos;apertura del file delle tracce sostituirà tutte le tracce.

Aprire comunque il file?</translation>
    </message>
</context>
</TS>
