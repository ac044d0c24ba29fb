#pragma once
// Work that is in no file and not on the device is not thrown away unasked.
// Every command that loads into a collection, replaces or clears it goes
// through RunCommand, which asks when the command would lose unsaved work
// and marks the collection by what the command leaves it holding; closing
// the program asks once for all of them.
#include <functional>

namespace unsaved {

enum class Command {
  OpenDestinations,  // the open clears destinations and categories
  AddDestinationsFile,  // an open while no destination is held: the file's join the categories
  DownloadDestinations,  // the device's destinations join those held
  DeleteAllDestinations,
  OpenWaypoints,
  DownloadWaypoints,
  ClearWaypoints,
  OpenRoute,
  DownloadRoute,
  ClearRoute,
  RouteFromTrack,
  OpenTracks,
  ImportGpx,         // replaces every track
  DownloadTrackLog,  // replaces every track
  ClearTracks,
};

// What a command leaves its collection holding.
enum class Holds {
  Loaded,  // just what it read from a file or the device
  Other,   // as it was (it failed or was cancelled), emptied, or anything else
};

// Runs a command on its collection. A command that replaces or clears the
// collection first asks when the collection holds unsaved work; on No
// nothing runs and the answer is false. After the run the collection counts
// as saved when it holds just what was loaded, or, for a command that adds
// to it, when it held nothing unsaved before.
bool RunCommand(Command command, const std::function<Holds()>& run);

// True when the program may close: nothing is unsaved, or the user answered
// Yes to the one question that names every collection with changes.
bool MayClose();

}  // namespace unsaved
