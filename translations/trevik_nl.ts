<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation>De instellingen konden niet van het apparaat worden gelezen.</translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation>De instellingen konden niet naar het apparaat worden gestuurd.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status bar: the user cancelled the device transfer or command</extracomment>
        <translation>Geannuleerd</translation>
    </message>
</context>
<context>
    <name>GpxImport</name>
    <message>
        <source>Line %1, column %2: the file is not well-formed XML.</source>
        <translation>Regel %1, kolom %2: het bestand bevat geen goedgevormde XML.</translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation>Regel %1, kolom %2: het bestand is afgekapt.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation>Regel %1, kolom %2: niet-afgesloten token.</translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation>Regel %1, kolom %2: ongeldig teken.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation>Regel %1, kolom %2: onbekende codering.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation>Regel %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation>De codering %1 van het bestand is onbekend.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>Er is niet genoeg geheugen om het bestand te lezen.</translation>
    </message>
    <message>
        <source>The file cannot be read: it is not an ordinary file.</source>
        <translation>Het bestand kan niet worden gelezen: het is geen gewoon bestand.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation>verbinding gesloten</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>verbinding geweigerd</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host niet gevonden</translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation>proxy heeft de verbinding gesloten</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>proxy heeft de verbinding geweigerd</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>proxy niet gevonden</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>time-out</translation>
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
        <translation>geen HTTP-antwoord</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>bezet</translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation>ongeldige URL</translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation>ongeldige proxypoort</translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation>De tekstlengtes passen niet in het apparaatbestand.</translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation>Het apparaatbestand kan maximaal 255 categorieën bevatten.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation>Het apparaatbestand kan maximaal 65535 subcategorieën per categorie bevatten.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation>Het apparaatbestand kan maximaal 65535 bestemmingen per subcategorie bevatten.</translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation>Een positie past niet in het apparaatbestand: %1</translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation>De bestemmingen passen niet in één apparaatbestand.</translation>
    </message>
</context>
<context>
    <name>TAltChart</name>
    <message>
        <source>Distance</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation>Wachten op de hoogtedienst ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>geen antwoord</translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation>De hoogtedienst antwoordde met een fout (%1).</translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation>De hoogtedienst gaf geen antwoord (%1).</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;; %2 the time of day (hours:minutes:seconds) before which the program does not ask the service again by itself</extracomment>
        <translation>Storing bij hoogtedienst, niet vóór %2 weer automatisch opgevraagd: antwoord met een fout (%1)</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: gave no answer (%1)</source>
        <translation>Storing bij hoogtedienst, niet vóór %2 weer automatisch opgevraagd: geen antwoord (%1)</translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation>Deze desktop heeft geen apparaatbeheer. De seriële poort van het apparaat is een van /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* of /dev/rfcomm*; Zoeken vindt de poort, en het gebruikersaccount moet lid zijn van de groep dialout om de poort te kunnen openen.</translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation>Apparaatbeheer</translation>
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
            <numerusform>%n lege categorie of subcategorie is niet opgeslagen: %1. Het bestand bevat alleen categorieën en subcategorieën met bestemmingen.</numerusform>
            <numerusform>%n lege categorieën of subcategorieën zijn niet opgeslagen: %1. Het bestand bevat alleen categorieën en subcategorieën met bestemmingen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>%n bestemming zonder categorie of subcategorie is niet opgeslagen.</numerusform>
            <numerusform>%n bestemmingen zonder categorie of subcategorie zijn niet opgeslagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>%n categorie- of subcategorienaam is ingekort om in het bestand te passen: %1. Namen die alleen in het weggelaten deel verschillen, worden bij het openen van het bestand samengevoegd.</numerusform>
            <numerusform>%n categorie- of subcategorienamen zijn ingekort om in het bestand te passen: %1. Namen die alleen in het weggelaten deel verschillen, worden bij het openen van het bestand samengevoegd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>%n titel is ingekort om in het bestand te passen: %1.</numerusform>
            <numerusform>%n titels zijn ingekort om in het bestand te passen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>Informatie ingekort om in het bestand te passen bij %n bestemming: %1.</numerusform>
            <numerusform>Informatie ingekort om in het bestand te passen bij %n bestemmingen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>%n bestemming weggelaten: de categorie of subcategorie ervan staat niet in het bestand.</numerusform>
            <numerusform>%n bestemmingen weggelaten: hun categorie of subcategorie staat niet in het bestand.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation>Kies een waarde voor: %1</translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation>Er kan geen overdrachtsbestand worden aangemaakt.</translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation>Het overdrachtsbestand kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation>Het apparaat heeft een bestand gestuurd dat niet kan worden gelezen.</translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation>Waypointbestand van het apparaat: %1</translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation>De categorie “%1” heeft geen subcategorie. Voeg er eerst een toe met de categorie-editor.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Can not load image: %1</source>
        <translation>Afbeelding kan niet worden geladen: %1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>schrijffout</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>De instellingen konden niet worden opgeslagen in %1 (%2).</translation>
    </message>
    <message>
        <source>Can not load the map</source>
        <translation>De kaart kan niet worden geladen</translation>
    </message>
    <message>
        <source>The place search is not available.</source>
        <translation>Zoeken naar plaatsen is niet beschikbaar.</translation>
    </message>
    <message>
        <source>Can not write map page: %1</source>
        <extracomment>%1 is the reason the page file could not be written</extracomment>
        <translation>De kaartpagina kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>The map could not be loaded.</source>
        <translation>De kaart kon niet worden geladen.</translation>
    </message>
</context>
<context>
    <name>TFormWorkTask</name>
    <message>
        <source>Cancelling ...</source>
        <translation>Bezig met annuleren ...</translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation>Het apparaat heeft niet op tijd geantwoord.</translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation>Het apparaat gaf een onverwacht antwoord.</translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation>Het apparaat heeft de gegevens geweigerd.</translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation>De gegevens van het apparaat zijn beschadigd aangekomen.</translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation>Het apparaat heeft de overdracht afgebroken.</translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation>De verbinding met het apparaat is verbroken.</translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation>Het overdrachtsbestand kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation>Het overdrachtsbestand kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation>Het antwoord van het apparaat kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>De overdracht is geannuleerd.</translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation>COM %1 kon niet worden geopend.</translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation>De apparaattaak is mislukt.</translation>
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
        <translation>Kleur</translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation>Een favoriet moet een naam hebben zonder “;”.</translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation>Wachten op de versiecontrole ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>geen antwoord</translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation>De versiecontrole is mislukt: %1</translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation>Het bestand %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation>Er bestaat al een routepunt met deze titel.</translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation>Er is geen track aangevinkt, dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Dit is geen bestand.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation>Het bestand is afgekapt; de volledige tracks vóór dat punt zijn ingelezen.</translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation>Het bestand bevat geen volledige track.</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>%n track opgeslagen.</numerusform>
            <numerusform>%n tracks opgeslagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>%n niet-aangevinkte track niet opgeslagen.</numerusform>
            <numerusform>%n niet-aangevinkte tracks niet opgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation>Geen veilige tijdelijke map voor het KML-bestand.</translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation>De desktop kon het bestand niet openen.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Het bestand kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation>GPX-import geannuleerd</translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>Het bestand bevat geen track of route, dus de tracks blijven behouden. %n waypoint uit het bestand is toegevoegd.</numerusform>
            <numerusform>Het bestand bevat geen track of route, dus de tracks blijven behouden. %n waypoints uit het bestand zijn toegevoegd.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation>Dit is geen bestand.</translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation>één record afgekapt aan het einde van het bestand (%1 van de 16 bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>%n onleesbaar (geen geldige tijd, een positie voorbij 90 graden breedte of 180 graden lengte, of een pictogramnummer zonder afbeelding)</numerusform>
            <numerusform>%n onleesbaar (geen geldige tijd, een positie voorbij 90 graden breedte of 180 graden lengte, of een pictogramnummer zonder afbeelding)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>%n uit dezelfde seconde als een eerder waypoint</numerusform>
            <numerusform>%n uit dezelfde seconde als een eerder waypoint</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>%n record weggelaten: %1.</numerusform>
            <numerusform>%n records weggelaten: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>Er kon geen waypoint worden gelezen. %1 De aanwezige waypoints blijven ongewijzigd.</translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>%n waypoint gelezen. %1</numerusform>
            <numerusform>%n waypoints gelezen. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%n van de %1 waypoints kon niet in het apparaatbestand worden geschreven (een tijd of positie die het bestand niet kan bevatten) en is weggelaten.</numerusform>
            <numerusform>%n van de %1 waypoints konden niet in het apparaatbestand worden geschreven (een tijd of positie die het bestand niet kan bevatten) en zijn weggelaten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation>Geen enkel programma op deze desktop kon de webpagina openen. Het adres, om in een webbrowser te kopiëren:

%1</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation>De breedtegraad moet een getal tussen -90 en 90 graden zijn.</translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation>De lengtegraad moet een getal tussen -180 en 180 graden zijn.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation>De breedtegraad moet tussen -90 en 90 graden liggen.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation>De lengtegraad moet tussen -180 en 180 graden liggen.</translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation>het versiebestand is leeg</translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation>het versiebestand is geen tekst</translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation>het versiebestand bevat geen buildnummer</translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>Het bestand is leeg.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation>Regel %1 kon niet worden gelezen: het is geen tekst.</translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation>Het bestand is afgekapt na regel %1: de slotregel ZAVEOF ontbreekt.</translation>
    </message>
    <message>
        <source>The file is not a ZAV destination file: its first line is not a ZAV header.</source>
        <translation>Het bestand is geen ZAV-bestemmingsbestand: de eerste regel is geen ZAV-header.</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation>Geen ruimte meer op de schijf</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Bewerking niet toegestaan</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Alleen-lezen bestandssysteem</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is een map</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Is geen map</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Bestandsnaam is te lang</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Bestand is te groot</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Invoer-/uitvoerfout</translation>
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
        <translation>De bestemmingen en categorieën bevatten wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd. Het openen van het bestand vervangt ze allemaal, ook de zelf aangemaakte categorieën.

Het bestand toch openen?</translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation>De bestemmingen en categorieën bevatten wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd.

Alle bestemmingen en categorieën toch verwijderen?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation>De waypoints bevatten wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd.

Alle waypoints toch verwijderen?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation>De route bevat wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd.

De hele route toch verwijderen?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation>De route bevat wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd. De route die uit de track wordt gemaakt, vervangt deze.

De route toch vervangen?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation>De tracks bevatten wijzigingen die niet in een bestand zijn opgeslagen. Het importeren van het GPX-bestand vervangt alle tracks.

Het bestand toch importeren?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation>De tracks bevatten wijzigingen die niet in een bestand zijn opgeslagen. De gedownloade tracklog vervangt alle tracks.

De tracklog toch downloaden?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation>De tracks bevatten wijzigingen die niet in een bestand zijn opgeslagen.

Alle tracks toch verwijderen?</translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation>Deze onderdelen bevatten wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd:

%1

Het programma sluiten en de wijzigingen verliezen?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Niet-opgeslagen wijzigingen</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them.

Open the file anyway?</source>
        <translation>De waypoints bevatten wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd. Het openen van het bestand vervangt ze allemaal.

Het bestand toch openen?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. The waypoints from the device replace all of them.

Download the waypoints anyway?</source>
        <translation>De waypoints bevatten wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd. De waypoints van het apparaat vervangen ze allemaal.

De waypoints toch downloaden?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. Opening the file replaces it.

Open the file anyway?</source>
        <translation>De route bevat wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd. Het openen van het bestand vervangt deze.

Het bestand toch openen?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route from the device replaces it.

Download the route anyway?</source>
        <translation>De route bevat wijzigingen die niet in een bestand zijn opgeslagen of naar het apparaat zijn gestuurd. De route van het apparaat vervangt deze.

De route toch downloaden?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Opening the track file replaces every track.

Open the file anyway?</source>
        <translation>De tracks bevatten wijzigingen die niet in een bestand zijn opgeslagen. Het openen van het trackbestand vervangt alle tracks.

Het bestand toch openen?</translation>
    </message>
</context>
</TS>
