<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation>Die Einstellungen konnten nicht vom Gerät gelesen werden.</translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation>Die Einstellungen konnten nicht an das Gerät gesendet werden.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status bar: the user cancelled the device transfer or command</extracomment>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>GpxImport</name>
    <message>
        <source>Line %1, column %2: the file is not well-formed XML.</source>
        <translation>Zeile %1, Spalte %2: Die Datei ist kein wohlgeformtes XML.</translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation>Zeile %1, Spalte %2: Die Datei ist unvollständig.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation>Zeile %1, Spalte %2: nicht abgeschlossenes Element.</translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation>Zeile %1, Spalte %2: ungültiges Zeichen.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation>Zeile %1, Spalte %2: unbekannte Kodierung.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation>Die Kodierung %1 der Datei ist unbekannt.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>Zum Lesen der Datei ist nicht genug Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The file cannot be read: it is not an ordinary file.</source>
        <translation>Die Datei kann nicht gelesen werden: Es handelt sich nicht um eine normale Datei.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation>Proxy hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>Proxy hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>Proxy nicht gefunden</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeitüberschreitung</translation>
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
        <translation>keine HTTP-Antwort</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>beschäftigt</translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation>ungültige URL</translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation>ungültiger Proxy-Port</translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation>Die Textlängen passen nicht zur Gerätedatei.</translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation>Die Gerätedatei fasst höchstens 255 Kategorien.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation>Die Gerätedatei fasst höchstens 65535 Unterkategorien je Kategorie.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation>Die Gerätedatei fasst höchstens 65535 Ziele je Unterkategorie.</translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation>Eine Position passt nicht in die Gerätedatei: %1</translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation>Die Ziele passen nicht in eine einzige Gerätedatei.</translation>
    </message>
</context>
<context>
    <name>TAltChart</name>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation>Warten auf den Höhendienst ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation>Der Höhendienst hat mit einem Fehler geantwortet (%1).</translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation>Der Höhendienst hat nicht geantwortet (%1).</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;; %2 the time of day (hours:minutes:seconds) before which the program does not ask the service again by itself</extracomment>
        <translation>Höhendienst gestört, automatische Abfrage erst wieder ab %2: Antwort mit Fehler (%1)</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: gave no answer (%1)</source>
        <translation>Höhendienst gestört, automatische Abfrage erst wieder ab %2: keine Antwort (%1)</translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation>Diese Arbeitsumgebung hat keinen Geräte-Manager. Die serielle Schnittstelle des Geräts ist eine von /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* oder /dev/rfcomm*; „Suchen“ findet sie, und um sie zu öffnen, muss Ihr Benutzer in der Gruppe dialout sein.</translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation>Geräte-Manager</translation>
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
            <numerusform>%n leere Kategorie bzw. Unterkategorie wurde nicht gespeichert: %1. Die Datei enthält nur Kategorien und Unterkategorien mit Zielen.</numerusform>
            <numerusform>%n leere Kategorien bzw. Unterkategorien wurden nicht gespeichert: %1. Die Datei enthält nur Kategorien und Unterkategorien mit Zielen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>%n Ziel ohne Kategorie oder Unterkategorie wurde nicht gespeichert.</numerusform>
            <numerusform>%n Ziele ohne Kategorie oder Unterkategorie wurden nicht gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>%n Kategorie- bzw. Unterkategoriename wurde gekürzt gespeichert, damit er in die Datei passt: %1. Namen, die sich nur im abgeschnittenen Teil unterscheiden, werden beim Öffnen der Datei zu einem zusammengelegt.</numerusform>
            <numerusform>%n Kategorie- bzw. Unterkategorienamen wurden gekürzt gespeichert, damit sie in die Datei passen: %1. Namen, die sich nur im abgeschnittenen Teil unterscheiden, werden beim Öffnen der Datei zu einem zusammengelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>%n Titel wurde gekürzt gespeichert, damit er in die Datei passt: %1.</numerusform>
            <numerusform>%n Titel wurden gekürzt gespeichert, damit sie in die Datei passen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>Die Information von %n Ziel wurde gekürzt gespeichert, damit sie in die Datei passt: %1.</numerusform>
            <numerusform>Die Informationen von %n Zielen wurden gekürzt gespeichert, damit sie in die Datei passen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>%n Ziel ausgelassen: Seine Kategorie oder Unterkategorie ist nicht in der Datei enthalten.</numerusform>
            <numerusform>%n Ziele ausgelassen: Ihre Kategorie oder Unterkategorie ist nicht in der Datei enthalten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation>Bitte einen Wert wählen für: %1</translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation>Es kann keine Übertragungsdatei angelegt werden.</translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation>Die Übertragungsdatei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation>Das Gerät hat eine Datei gesendet, die nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation>Wegpunktdatei des Geräts: %1</translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation>Die Kategorie „%1“ hat keine Unterkategorie. Bitte zuerst im Kategorie-Editor eine hinzufügen.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Can not load image: %1</source>
        <translation>Das Bild kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>Can not load the map</source>
        <translation>Die Karte kann nicht geladen werden</translation>
    </message>
    <message>
        <source>The place search is not available.</source>
        <translation>Die Ortssuche ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Can not write map page: %1</source>
        <extracomment>%1 is the reason the page file could not be written</extracomment>
        <translation>Die Kartenseite kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The map could not be loaded.</source>
        <translation>Die Karte konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>TFormWorkTask</name>
    <message>
        <source>Cancelling ...</source>
        <translation>Wird abgebrochen ...</translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation>Das Gerät hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation>Das Gerät hat eine unerwartete Antwort gesendet.</translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation>Das Gerät hat die Daten abgelehnt.</translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation>Die Daten vom Gerät sind beschädigt angekommen.</translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation>Das Gerät hat die Übertragung abgebrochen.</translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation>Die Verbindung zum Gerät ist abgebrochen.</translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation>Die Übertragungsdatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation>Die Übertragungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation>Die Antwort des Geräts konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation>COM %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation>Der Gerätevorgang ist fehlgeschlagen.</translation>
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
        <translation>Farbe</translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation>Ein Favorit braucht einen Namen ohne „;“.</translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation>Warten auf die Versionsprüfung ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation>Die Versionsprüfung ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation>Ein Routenpunkt mit diesem Titel existiert bereits.</translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation>Kein Track ist angehakt, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Dies ist keine Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation>Die Datei ist unvollständig; die vollständigen Tracks vor dem Abbruch wurden gelesen.</translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation>Die Datei enthält keinen vollständigen Track.</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>%n Track gespeichert.</numerusform>
            <numerusform>%n Tracks gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>%n nicht angehakter Track nicht gespeichert.</numerusform>
            <numerusform>%n nicht angehakte Tracks nicht gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation>Kein sicherer temporärer Ordner für die KML-Datei.</translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation>Die Arbeitsumgebung konnte die Datei nicht öffnen.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation>GPX-Import abgebrochen</translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>Die Datei enthält weder einen Track noch eine Route, daher bleiben die Tracks erhalten. %n Wegpunkt aus der Datei wurde hinzugefügt.</numerusform>
            <numerusform>Die Datei enthält weder einen Track noch eine Route, daher bleiben die Tracks erhalten. %n Wegpunkte aus der Datei wurden hinzugefügt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation>Dies ist keine Datei.</translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation>ein unvollständiger Datensatz am Dateiende (%1 seiner 16 Bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>%n unlesbar (keine gültige Zeit, eine Position jenseits von 90 Grad Breite oder 180 Grad Länge oder eine Symbolnummer ohne Bild)</numerusform>
            <numerusform>%n unlesbar (keine gültige Zeit, eine Position jenseits von 90 Grad Breite oder 180 Grad Länge oder eine Symbolnummer ohne Bild)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>%n aus derselben Sekunde wie ein früherer Wegpunkt</numerusform>
            <numerusform>%n aus derselben Sekunde wie ein früherer Wegpunkt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>%n Datensatz ausgelassen: %1.</numerusform>
            <numerusform>%n Datensätze ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>Es konnte kein Wegpunkt gelesen werden. %1 Die vorhandenen Wegpunkte bleiben unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>%n Wegpunkt gelesen. %1</numerusform>
            <numerusform>%n Wegpunkte gelesen. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%n von %1 Wegpunkten konnte nicht in die Gerätedatei geschrieben werden (eine Zeit oder Position, die sie nicht aufnehmen kann) und wurde ausgelassen.</numerusform>
            <numerusform>%n von %1 Wegpunkten konnten nicht in die Gerätedatei geschrieben werden (eine Zeit oder Position, die sie nicht aufnehmen kann) und wurden ausgelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation>Kein Programm dieser Arbeitsumgebung konnte die Webseite öffnen. Die Adresse zum Kopieren in einen Webbrowser:

%1</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation>Der Breitengrad muss eine Zahl zwischen -90 und 90 Grad sein.</translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation>Der Längengrad muss eine Zahl zwischen -180 und 180 Grad sein.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation>Der Breitengrad muss zwischen -90 und 90 Grad liegen.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation>Der Längengrad muss zwischen -180 und 180 Grad liegen.</translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation>die Versionsdatei ist leer</translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation>die Versionsdatei ist keine Textdatei</translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation>die Versionsdatei enthält keine Build-Nummer</translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation>Zeile %1 konnte nicht gelesen werden: Der Inhalt ist kein Text.</translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation>Die Datei endet vorzeitig nach Zeile %1: Die Schlusszeile ZAVEOF fehlt.</translation>
    </message>
    <message>
        <source>The file is not a ZAV destination file: its first line is not a ZAV header.</source>
        <translation>Die Datei ist keine ZAV-Zieldatei: Die erste Zeile ist kein ZAV-Kopf.</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation>Kein Speicherplatz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
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
        <translation>Die Ziele und Kategorien enthalten Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden. Das Öffnen der Datei ersetzt sie alle, auch Ihre eigenen Kategorien.

Die Datei trotzdem öffnen?</translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation>Die Ziele und Kategorien enthalten Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden.

Trotzdem alle Ziele und Kategorien löschen?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation>Die Wegpunkte enthalten Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden.

Trotzdem alle Wegpunkte löschen?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation>Die Route enthält Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden.

Trotzdem die ganze Route löschen?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation>Die Route enthält Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden. Die aus dem Track erzeugte Route ersetzt sie.

Die Route trotzdem ersetzen?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation>Die Tracks enthalten Änderungen, die nicht in einer Datei gespeichert wurden. Das Importieren der GPX-Datei ersetzt alle Tracks.

Die Datei trotzdem importieren?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation>Die Tracks enthalten Änderungen, die nicht in einer Datei gespeichert wurden. Die heruntergeladene Trackaufzeichnung ersetzt alle Tracks.

Die Trackaufzeichnung trotzdem herunterladen?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation>Die Tracks enthalten Änderungen, die nicht in einer Datei gespeichert wurden.

Trotzdem alle Tracks löschen?</translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation>Folgendes enthält Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden:

%1

Das Programm schließen und die Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them.

Open the file anyway?</source>
        <translation>Die Wegpunkte enthalten Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden. Das Öffnen der Datei ersetzt sie alle.

Die Datei trotzdem öffnen?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. The waypoints from the device replace all of them.

Download the waypoints anyway?</source>
        <translation>Die Wegpunkte enthalten Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden. Die Wegpunkte vom Gerät ersetzen sie alle.

Die Wegpunkte trotzdem herunterladen?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. Opening the file replaces it.

Open the file anyway?</source>
        <translation>Die Route enthält Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden. Das Öffnen der Datei ersetzt sie.

Die Datei trotzdem öffnen?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route from the device replaces it.

Download the route anyway?</source>
        <translation>Die Route enthält Änderungen, die weder in einer Datei gespeichert noch an das Gerät gesendet wurden. Die Route vom Gerät ersetzt sie.

Die Route trotzdem herunterladen?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Opening the track file replaces every track.

Open the file anyway?</source>
        <translation>Die Tracks enthalten Änderungen, die nicht in einer Datei gespeichert wurden. Das Öffnen der Trackdatei ersetzt alle Tracks.

Die Datei trotzdem öffnen?</translation>
    </message>
</context>
</TS>
