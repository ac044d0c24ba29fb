#pragma once
// The temporary KML file that the globe viewer commands write and open with
// the desktop: "KVXFile.kml" in a folder of this user's own below the
// temporary folder (TEMP, else TMPDIR, else /tmp). The folder is created
// with mode 0700 and refused when it is not a real folder of this user that
// only this user can enter, so nobody else can plant or redirect the file;
// the file itself is replaced by rename.
#include <QString>

#include <functional>

// The temporary folder that the environment names.
QString TempBaseFolder();

// The user's own folder below it, created when missing; empty when it cannot
// be created or is not safe to use.
QString TempKmlFolder();

// The full path of "KVXFile.kml" in that folder; empty as above.
QString TempKmlPath();

// Lets write produce the file at the temporary path and, when it succeeds,
// opens the file with the desktop (the opener's result is not examined).
// False when there is no safe folder or write failed; nothing is opened then.
bool WriteAndOpenTempKml(const std::function<bool(const QString& path)>& write);
