<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation>Les paramètres n&apos;ont pas pu être lus depuis l&apos;appareil.</translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation>Les paramètres n&apos;ont pas pu être envoyés à l&apos;appareil.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status bar: the user cancelled the device transfer or command</extracomment>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>GpxImport</name>
    <message>
        <source>Line %1, column %2: the file is not well-formed XML.</source>
        <translation>Ligne %1, colonne %2 : le fichier n&apos;est pas un XML bien formé.</translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation>Ligne %1, colonne %2 : le fichier est tronqué.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation>Ligne %1, colonne %2 : élément XML non terminé.</translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation>Ligne %1, colonne %2 : caractère non valide.</translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation>Ligne %1, colonne %2 : encodage inconnu.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation>Ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation>L&apos;encodage %1 du fichier est inconnu.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>La mémoire est insuffisante pour lire le fichier.</translation>
    </message>
    <message>
        <source>The file cannot be read: it is not an ordinary file.</source>
        <translation>Impossible de lire le fichier : ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation>connexion fermée</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>hôte introuvable</translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation>le proxy a fermé la connexion</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>le proxy a refusé la connexion</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>proxy introuvable</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>délai dépassé</translation>
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
        <translation>aucune réponse HTTP</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>occupé</translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation>URL non valide</translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation>port de proxy non valide</translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation>Les longueurs des textes ne conviennent pas au fichier de l&apos;appareil.</translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation>Le fichier de l&apos;appareil peut contenir au plus 255 catégories.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation>Le fichier de l&apos;appareil peut contenir au plus 65535 sous-catégories par catégorie.</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation>Le fichier de l&apos;appareil peut contenir au plus 65535 destinations par sous-catégorie.</translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation>Une position ne peut pas être enregistrée dans le fichier de l&apos;appareil : %1</translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation>Les destinations ne tiennent pas dans un seul fichier de l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>TAltChart</name>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation>Attente du service d&apos;altitude ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation>Le service d&apos;altitude a renvoyé une erreur (%1).</translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation>Le service d&apos;altitude n&apos;a pas répondu (%1).</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;; %2 the time of day (hours:minutes:seconds) before which the program does not ask the service again by itself</extracomment>
        <translation>Échec du service d&apos;altitude, pas de nouvelle interrogation automatique avant %2 : erreur renvoyée (%1)</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: gave no answer (%1)</source>
        <translation>Échec du service d&apos;altitude, pas de nouvelle interrogation automatique avant %2 : aucune réponse (%1)</translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation>Cet environnement de bureau n&apos;a pas de gestionnaire de périphériques. Le port série de l&apos;appareil est l&apos;un de /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* ou /dev/rfcomm* ; le bouton Rechercher le trouve, et votre utilisateur doit faire partie du groupe dialout pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation>Gestionnaire de périphériques</translation>
    </message>
</context>
<context>
    <name>TDestPage</name>
    <message>
        <source>%1 in %2</source>
        <comment>a sub-category in its category</comment>
        <translation>%1 dans %2</translation>
    </message>
    <message numerus="yes">
        <source>%n empty category(ies) or sub-category(ies) not saved: %1. The file holds only those with destinations.</source>
        <extracomment>%1 lists the categories and sub-categories.</extracomment>
        <translation>
            <numerusform>%n catégorie ou sous-catégorie vide non enregistrée : %1. Le fichier ne contient que celles qui ont des destinations.</numerusform>
            <numerusform>%n catégories ou sous-catégories vides non enregistrées : %1. Le fichier ne contient que celles qui ont des destinations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>%n destination sans catégorie ni sous-catégorie non enregistrée.</numerusform>
            <numerusform>%n destinations sans catégorie ni sous-catégorie non enregistrées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>%n nom de catégorie ou de sous-catégorie raccourci pour tenir dans le fichier : %1. Les noms qui ne diffèrent que par la partie coupée n&apos;en forment plus qu&apos;un à la réouverture du fichier.</numerusform>
            <numerusform>%n noms de catégorie ou de sous-catégorie raccourcis pour tenir dans le fichier : %1. Les noms qui ne diffèrent que par la partie coupée n&apos;en forment plus qu&apos;un à la réouverture du fichier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>%n titre raccourci pour tenir dans le fichier : %1.</numerusform>
            <numerusform>%n titres raccourcis pour tenir dans le fichier : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>Information raccourcie pour tenir dans le fichier pour %n destination : %1.</numerusform>
            <numerusform>Information raccourcie pour tenir dans le fichier pour %n destinations : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>%n destination ignorée : sa catégorie ou sa sous-catégorie ne figure pas dans le fichier.</numerusform>
            <numerusform>%n destinations ignorées : leur catégorie ou sous-catégorie ne figure pas dans le fichier.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation>Veuillez choisir une valeur pour : %1</translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation>Impossible de créer un fichier de transfert.</translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation>Impossible d&apos;écrire le fichier de transfert : %1</translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation>L&apos;appareil a envoyé un fichier illisible.</translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation>Fichier des points de passage de l&apos;appareil : %1</translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation>La catégorie « %1 » n&apos;a aucune sous-catégorie. Ajoutez-en d&apos;abord une avec l&apos;éditeur de catégories.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Can not load image: %1</source>
        <translation>Impossible de charger l&apos;image : %1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1 (%2).</translation>
    </message>
    <message>
        <source>Can not load the map</source>
        <translation>Impossible de charger la carte</translation>
    </message>
    <message>
        <source>The place search is not available.</source>
        <translation>La recherche de lieux n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Can not write map page: %1</source>
        <extracomment>%1 is the reason the page file could not be written</extracomment>
        <translation>Impossible d&apos;écrire la page de la carte : %1</translation>
    </message>
    <message>
        <source>The map could not be loaded.</source>
        <translation>La carte n&apos;a pas pu être chargée.</translation>
    </message>
</context>
<context>
    <name>TFormWorkTask</name>
    <message>
        <source>Cancelling ...</source>
        <translation>Annulation ...</translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation>L&apos;appareil n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation>L&apos;appareil a envoyé une réponse inattendue.</translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation>L&apos;appareil a refusé les données.</translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation>Les données de l&apos;appareil sont arrivées endommagées.</translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation>L&apos;appareil a interrompu le transfert.</translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation>La connexion avec l&apos;appareil a été perdue.</translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation>Le fichier de transfert n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation>Le fichier de transfert n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation>La réponse de l&apos;appareil n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Le transfert a été annulé.</translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation>Le port COM %1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation>L&apos;opération avec l&apos;appareil a échoué.</translation>
    </message>
</context>
<context>
    <name>TGoogleHtml</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is why a folder cannot be written, %2 the folder</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>TProgramPage</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation>Un favori doit avoir un nom sans « ; ».</translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation>Attente de la vérification de version ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation>La vérification de version a échoué : %1</translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation>Un point d&apos;itinéraire portant ce titre existe déjà.</translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation>Aucune trace n&apos;est cochée, rien n&apos;a donc été écrit.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation>Le fichier est tronqué ; les traces complètes situées avant la coupure ont été lues.</translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation>Le fichier ne contient aucune trace complète.</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>%n trace enregistrée.</numerusform>
            <numerusform>%n traces enregistrées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>%n trace non cochée n&apos;a pas été enregistrée.</numerusform>
            <numerusform>%n traces non cochées n&apos;ont pas été enregistrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation>Aucun dossier temporaire sûr pour le fichier KML.</translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation>L&apos;environnement de bureau n&apos;a pas pu ouvrir le fichier.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation>Import GPX annulé</translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>Le fichier ne contient ni trace ni itinéraire, les traces sont donc conservées. %n point de passage du fichier a été ajouté.</numerusform>
            <numerusform>Le fichier ne contient ni trace ni itinéraire, les traces sont donc conservées. %n points de passage du fichier ont été ajoutés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation>un enregistrement tronqué à la fin du fichier (%1 de ses 16 octets)</translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>%n illisible (heure non valide, position au-delà de 90 degrés de latitude ou de 180 degrés de longitude, ou numéro d&apos;icône sans image)</numerusform>
            <numerusform>%n illisibles (heure non valide, position au-delà de 90 degrés de latitude ou de 180 degrés de longitude, ou numéro d&apos;icône sans image)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>%n daté de la même seconde qu&apos;un point de passage précédent</numerusform>
            <numerusform>%n datés de la même seconde qu&apos;un point de passage précédent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>%n enregistrement ignoré : %1.</numerusform>
            <numerusform>%n enregistrements ignorés : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>Aucun point de passage n&apos;a pu être lu. %1 Les points de passage existants restent inchangés.</translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>%n point de passage lu. %1</numerusform>
            <numerusform>%n points de passage lus. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%n point de passage sur %1 n&apos;a pas pu être écrit dans le fichier de l&apos;appareil (heure ou position qu&apos;il ne peut pas contenir) et a été ignoré.</numerusform>
            <numerusform>%n points de passage sur %1 n&apos;ont pas pu être écrits dans le fichier de l&apos;appareil (heure ou position qu&apos;il ne peut pas contenir) et ont été ignorés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation>Aucun programme de cet environnement de bureau n&apos;a pu ouvrir la page web. Son adresse, à copier dans un navigateur web :

%1</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation>La latitude doit être un nombre compris entre -90 et 90 degrés.</translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation>La longitude doit être un nombre compris entre -180 et 180 degrés.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation>La latitude doit être comprise entre -90 et 90 degrés.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation>La longitude doit être comprise entre -180 et 180 degrés.</translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation>le fichier de version est vide</translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation>le fichier de version n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation>le fichier de version ne contient aucun numéro de compilation</translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation>La ligne %1 n&apos;a pas pu être lue : ce n&apos;est pas du texte.</translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation>Le fichier est tronqué après la ligne %1 : sa ligne de fin ZAVEOF manque.</translation>
    </message>
    <message>
        <source>The file is not a ZAV destination file: its first line is not a ZAV header.</source>
        <translation>Ce n&apos;est pas un fichier de destinations ZAV : sa première ligne n&apos;est pas un en-tête ZAV.</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation>Plus d&apos;espace disponible sur le disque</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
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
        <translation>Les destinations et les catégories contiennent des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil. L&apos;ouverture du fichier les remplace toutes, y compris vos propres catégories.

Ouvrir le fichier quand même ?</translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation>Les destinations et les catégories contiennent des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil.

Supprimer quand même toutes les destinations et catégories ?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation>Les points de passage contiennent des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil.

Supprimer quand même tous les points de passage ?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation>L&apos;itinéraire contient des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil.

Supprimer quand même tout l&apos;itinéraire ?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation>L&apos;itinéraire contient des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil. L&apos;itinéraire créé depuis la trace le remplace.

Remplacer quand même l&apos;itinéraire ?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation>Les traces contiennent des modifications qui n&apos;ont pas été enregistrées dans un fichier. L&apos;import du fichier GPX remplace toutes les traces.

Importer quand même le fichier ?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation>Les traces contiennent des modifications qui n&apos;ont pas été enregistrées dans un fichier. Le journal des traces reçu remplace toutes les traces.

Recevoir quand même le journal des traces ?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation>Les traces contiennent des modifications qui n&apos;ont pas été enregistrées dans un fichier.

Supprimer quand même toutes les traces ?</translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation>Les éléments suivants contiennent des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil :

%1

Fermer le programme et les perdre ?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them.

Open the file anyway?</source>
        <translation>Les points de passage contiennent des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil. L&apos;ouverture du fichier les remplace tous.

Ouvrir le fichier quand même ?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. The waypoints from the device replace all of them.

Download the waypoints anyway?</source>
        <translation>Les points de passage contiennent des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil. Les points de passage de l&apos;appareil les remplacent tous.

Recevoir quand même les points de passage ?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. Opening the file replaces it.

Open the file anyway?</source>
        <translation>L&apos;itinéraire contient des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil. L&apos;ouverture du fichier le remplace.

Ouvrir le fichier quand même ?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route from the device replaces it.

Download the route anyway?</source>
        <translation>L&apos;itinéraire contient des modifications qui n&apos;ont été ni enregistrées dans un fichier ni envoyées à l&apos;appareil. L&apos;itinéraire de l&apos;appareil le remplace.

Recevoir quand même l&apos;itinéraire ?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Opening the track file replaces every track.

Open the file anyway?</source>
        <translation>Les traces contiennent des modifications qui n&apos;ont pas été enregistrées dans un fichier. L&apos;ouverture du fichier de traces remplace toutes les traces.

Ouvrir le fichier quand même ?</translation>
    </message>
</context>
</TS>
