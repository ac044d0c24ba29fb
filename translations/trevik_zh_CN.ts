<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GpxImport</name>
    <message>
        <source>Line %1, column %2: the file is not well-formed XML.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read: it is no ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>host not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP %1 %2</source>
        <extracomment>%1 the HTTP status number, %2 the server&apos;s reason phrase</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no HTTP reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAltChart</name>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation service failing: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation service failing: gave no answer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormCatEditor</name>
    <message>
        <source>Category editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormGPSConverter</name>
    <message>
        <source>Latitude Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude DMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude DMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate arrows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destinations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVX Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (USBMode) - </source>
        <extracomment>The window title in portable mode: the product&apos;s name, then the file&apos;s name follows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not load image: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormNewVersion</name>
    <message>
        <source>New Version: </source>
        <extracomment>Followed by the new version&apos;s name, e.g. 2.0.1.55.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the download page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormPoiEditor</name>
    <message>
        <source>Icon</source>
        <extracomment>The label of the waypoint&apos;s picture choice.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormTrackEditor</name>
    <message>
        <source>Track Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormWorkTask</name>
    <message>
        <source>Cancelling ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrmSplash</name>
    <message>
        <source>Vers. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n.a.</source>
        <extracomment>No port probed yet.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgramPage</name>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center selected point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoZoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BoostMode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different Trackcolors </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto select all entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trackpoint list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for new version at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>%1 Days %2:%3:%4</source>
        <extracomment>Track&apos;s total time: %1 whole days, then hours, minutes and seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 M</source>
        <extracomment>Metres</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>Milliseconds per playback step</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NMEA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Earth...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTrackPointModel</name>
    <message>
        <source>Lat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is no ZAV destination file: its first line is no ZAV header.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>unsaved</name>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them, your own categories included.

Open the file anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
