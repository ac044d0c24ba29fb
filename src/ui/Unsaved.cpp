#include "Unsaved.h"

#include <QCoreApplication>
#include <QStringList>

#include "Deststorage.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Trackstorage.h"
#include "Uibuild.h"
#include "Uiservices.h"

namespace unsaved {

using uibuild::Str;

namespace {

struct Question {
  const ChangeMark& mark;
  int caption;       // string number of the page's name
  const char* text;  // null: the command adds, and nothing is lost
};

Question QuestionFor(Command command) {
  switch (command) {
    case Command::OpenDestinations:
      return {destStorage, 0,
              QT_TRANSLATE_NOOP("unsaved",
                                "The destinations and categories hold changes that are not saved to a file or sent to "
                                "the device. Opening the file replaces all of them, your own categories "
                                "included.\n\nOpen the file anyway?")};
    case Command::AddDestinationsFile:
    case Command::DownloadDestinations:
      return {destStorage, 0, nullptr};
    case Command::DeleteAllDestinations:
      return {destStorage, 0,
              QT_TRANSLATE_NOOP("unsaved",
                                "The destinations and categories hold changes that are not saved to a file or sent to "
                                "the device.\n\nDelete all destinations and categories anyway?")};
    case Command::OpenWaypoints:
      return {poiStorage, 1,
              QT_TRANSLATE_NOOP("unsaved",
                                "The waypoints hold changes that are not saved to a file or sent to the device. "
                                "Opening the file replaces all of them.\n\nOpen the file anyway?")};
    case Command::DownloadWaypoints:
      return {poiStorage, 1,
              QT_TRANSLATE_NOOP("unsaved",
                                "The waypoints hold changes that are not saved to a file or sent to the device. The "
                                "waypoints from the device replace all of them.\n\nDownload the waypoints anyway?")};
    case Command::ClearWaypoints:
      return {poiStorage, 1,
              QT_TRANSLATE_NOOP("unsaved",
                                "The waypoints hold changes that are not saved to a file or sent to the "
                                "device.\n\nDelete all waypoints anyway?")};
    case Command::OpenRoute:
      return {routeStorage, 2,
              QT_TRANSLATE_NOOP("unsaved",
                                "The route holds changes that are not saved to a file or sent to the device. Opening "
                                "the file replaces it.\n\nOpen the file anyway?")};
    case Command::DownloadRoute:
      return {routeStorage, 2,
              QT_TRANSLATE_NOOP("unsaved",
                                "The route holds changes that are not saved to a file or sent to the device. The "
                                "route from the device replaces it.\n\nDownload the route anyway?")};
    case Command::ClearRoute:
      return {routeStorage, 2,
              QT_TRANSLATE_NOOP("unsaved",
                                "The route holds changes that are not saved to a file or sent to the "
                                "device.\n\nDelete the whole route anyway?")};
    case Command::RouteFromTrack:
      return {routeStorage, 2,
              QT_TRANSLATE_NOOP("unsaved",
                                "The route holds changes that are not saved to a file or sent to the device. The "
                                "route made from the track replaces it.\n\nReplace the route anyway?")};
    case Command::OpenTracks:
      return {trackStorage, 3,
              QT_TRANSLATE_NOOP("unsaved",
                                "The tracks hold changes that are not saved to a file. Opening the track file "
                                "replaces every track.\n\nOpen the file anyway?")};
    case Command::ImportGpx:
      return {trackStorage, 3,
              QT_TRANSLATE_NOOP("unsaved",
                                "The tracks hold changes that are not saved to a file. Importing the GPX file "
                                "replaces every track.\n\nImport the file anyway?")};
    case Command::DownloadTrackLog:
      return {trackStorage, 3,
              QT_TRANSLATE_NOOP("unsaved",
                                "The tracks hold changes that are not saved to a file. The downloaded track log "
                                "replaces every track.\n\nDownload the track log anyway?")};
    case Command::ClearTracks:
      break;
  }
  return {trackStorage, 3, QT_TRANSLATE_NOOP("unsaved",
                                "The tracks hold changes that are not saved to a file.\n\nDelete all tracks anyway?")};
}

bool AnsweredYes(const QString& text, const QString& caption) {
  return UiServices::Get().MessageBox(text, caption, UiServices::Icon::Question, UiServices::Buttons::YesNo) ==
         UiServices::Yes;
}

}  // namespace

bool RunCommand(Command command, const std::function<Holds()>& run) {
  const Question q = QuestionFor(command);
  const bool adds = q.text == nullptr;
  const bool wasSaved = !q.mark.HasUnsavedChanges();
  if (!adds && !wasSaved && !AnsweredYes(QCoreApplication::translate("unsaved", q.text), Str(q.caption)))
    return false;
  // What was added to saved work is in files or on the device as a whole.
  if (run() == Holds::Loaded && (!adds || wasSaved)) q.mark.MarkSaved();
  return true;
}

bool MayClose() {
  // Each collection by its page's name, from the language file.
  const ChangeMark* marks[] = {&destStorage, &poiStorage, &routeStorage, &trackStorage};
  QStringList changed;
  for (int i = 0; i < 4; ++i)
    if (marks[i]->HasUnsavedChanges()) changed << Str(i);
  if (changed.isEmpty()) return true;
  return AnsweredYes(
      QCoreApplication::translate("unsaved",
                                  "These hold changes that are not saved to a file or sent to the device:\n\n%1\n\n"
                                  "Close the program and lose them?")
          .arg(changed.join(QLatin1Char('\n'))),
      QCoreApplication::translate("unsaved", "Unsaved changes"));
}

}  // namespace unsaved
