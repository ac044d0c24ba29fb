#include "Filefailure.h"

#include <cerrno>

#include "Busycursor.h"
#include "Folders.h"
#include "Mainframe.h"
#include "Uibuild.h"
#include "Uiservices.h"

using uibuild::Str;

QString FileFailureText(const QString& path, const QString& reason) {
  QString text = Str(168);
  if (!path.isEmpty()) text += QStringLiteral(": ") + path;
  if (!reason.isEmpty()) text += QLatin1Char('\n') + reason;
  return text;
}

void ShowFileFailure(const QString& caption, const QString& path, const QString& reason) {
  UiServices::Get().MessageBox(FileFailureText(path, reason), caption, UiServices::Icon::Error);
}

void ReportFileFailure(TMainFrame& frame, const QString& caption, const QString& path, const QString& reason) {
  frame.SetStatusText(2, Str(168));
  frame.SetStatusText(3, reason);
  ShowFileFailure(caption, path, reason);
}

bool WriteOrReport(TMainFrame& frame, const QString& caption, const QString& path,
                   const std::function<bool()>& write, const std::function<QString()>& ownReason) {
  bool ok = false;
  int error = 0;
  {
    BusyCursor busy;
    errno = 0;
    ok = write();
    error = errno;  // before the cursor's calls can touch it
  }
  if (ok) return true;
  QString reason = ownReason ? ownReason() : QString();
  if (reason.isEmpty()) reason = folders::WhyWriteFailed(path, error);
  ReportFileFailure(frame, caption, path, reason);
  return false;
}
