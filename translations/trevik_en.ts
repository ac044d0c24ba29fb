<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>TDestPage</name>
    <message numerus="yes">
        <source>%n empty category(ies) or sub-category(ies) not saved: %1. The file holds only those with destinations.</source>
        <extracomment>%1 lists the categories and sub-categories.</extracomment>
        <translation>
            <numerusform>%n empty category or sub-category not saved: %1. The file holds only those with destinations.</numerusform>
            <numerusform>%n empty categories or sub-categories not saved: %1. The file holds only those with destinations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>%n destination without a category or sub-category not saved.</numerusform>
            <numerusform>%n destinations without a category or sub-category not saved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>%n category or sub-category name shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</numerusform>
            <numerusform>%n category or sub-category names shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>%n title shortened to fit the file: %1.</numerusform>
            <numerusform>%n titles shortened to fit the file: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>Information text shortened to fit the file for %n destination: %1.</numerusform>
            <numerusform>Information text shortened to fit the file for %n destinations: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>%n destination left out: its category or sub-category is not in the file.</numerusform>
            <numerusform>%n destinations left out: their category or sub-category is not in the file.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>%n track saved.</numerusform>
            <numerusform>%n tracks saved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>%n unchecked track not saved.</numerusform>
            <numerusform>%n unchecked tracks not saved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>The file holds no track or route, so the tracks are kept. %n waypoint from the file was added.</numerusform>
            <numerusform>The file holds no track or route, so the tracks are kept. %n waypoints from the file were added.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</numerusform>
            <numerusform>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>%n of the same second as an earlier waypoint</numerusform>
            <numerusform>%n of the same second as an earlier waypoint</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>%n record left out: %1.</numerusform>
            <numerusform>%n records left out: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>%n waypoint read. %1</numerusform>
            <numerusform>%n waypoints read. %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%n of %1 waypoints could not be written to the device file (a time or position it cannot hold) and was left out.</numerusform>
            <numerusform>%n of %1 waypoints could not be written to the device file (a time or position it cannot hold) and were left out.</numerusform>
        </translation>
    </message>
</context>
</TS>
