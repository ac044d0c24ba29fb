#include "Filefailure.h"

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
