#pragma once
// The questions asked before work that is in no file and not on the device
// would be thrown away: by a command that replaces or clears a collection,
// or by closing the program. With nothing unsaved nothing is asked.
namespace unsaved {

enum class Command {
  OpenDestinations,  // the open clears destinations and categories
  DeleteAllDestinations,
  ClearWaypoints,
  ClearRoute,
  RouteFromTrack,
  ImportGpx,         // replaces every track
  DownloadTrackLog,  // replaces every track
  ClearTracks,
};

// True when the command may go on: its collection holds nothing unsaved, or
// the user answered Yes.
bool MayDiscard(Command command);
// True when the program may close: nothing is unsaved, or the user answered
// Yes to the one question that names every collection with changes.
bool MayClose();

}  // namespace unsaved
