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
  int caption;  // string number of the page's name
  QString text;
};

Question QuestionFor(Command command) {
  switch (command) {
    case Command::OpenDestinations:
      return {destStorage, 0,
              QCoreApplication::translate(
                  "unsaved",
                  "The destinations and categories hold changes that are not saved to a file or sent to the "
                  "device. Opening the file replaces all of them, your own categories included.\n\n"
                  "Open the file anyway?")};
    case Command::DeleteAllDestinations:
      return {destStorage, 0,
              QCoreApplication::translate(
                  "unsaved",
                  "The destinations and categories hold changes that are not saved to a file or sent to the "
                  "device.\n\nDelete all destinations and categories anyway?")};
    case Command::ClearWaypoints:
      return {poiStorage, 1,
              QCoreApplication::translate(
                  "unsaved",
                  "The waypoints hold changes that are not saved to a file or sent to the device.\n\n"
                  "Delete all waypoints anyway?")};
    case Command::ClearRoute:
      return {
          routeStorage, 2,
          QCoreApplication::translate("unsaved",
                                      "The route holds changes that are not saved to a file or sent to the device.\n\n"
                                      "Delete the whole route anyway?")};
    case Command::RouteFromTrack:
      return {routeStorage, 2,
              QCoreApplication::translate(
                  "unsaved",
                  "The route holds changes that are not saved to a file or sent to the device. The route "
                  "made from the track replaces it.\n\nReplace the route anyway?")};
    case Command::ImportGpx:
      return {trackStorage, 3,
              QCoreApplication::translate(
                  "unsaved",
                  "The tracks hold changes that are not saved to a file. Importing the GPX file replaces "
                  "every track.\n\nImport the file anyway?")};
    case Command::DownloadTrackLog:
      return {trackStorage, 3,
              QCoreApplication::translate(
                  "unsaved",
                  "The tracks hold changes that are not saved to a file. The downloaded track log replaces "
                  "every track.\n\nDownload the track log anyway?")};
    case Command::ClearTracks:
      break;
  }
  return {trackStorage, 3,
          QCoreApplication::translate(
              "unsaved", "The tracks hold changes that are not saved to a file.\n\nDelete all tracks anyway?")};
}

bool AnsweredYes(const QString& text, const QString& caption) {
  return UiServices::Get().MessageBox(text, caption, UiServices::Icon::Question, UiServices::Buttons::YesNo) ==
         UiServices::Yes;
}

}  // namespace

bool MayDiscard(Command command) {
  const Question q = QuestionFor(command);
  return !q.mark.HasUnsavedChanges() || AnsweredYes(q.text, Str(q.caption));
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
