#pragma once
// The one way a page tells that a file could not be read or written.
#include <QString>
#include <functional>

class TMainFrame;

// String 168 with the file and the reason: "Failed: /data/a.zav\nPermission denied".
QString FileFailureText(const QString& path, const QString& reason);

// Message box of FileFailureText under `caption` (error icon), without
// touching the status bar.
void ShowFileFailure(const QString& caption, const QString& path, const QString& reason);

// Status panel 2 := string 168 alone and panel 3 := the reason (panel 2 is
// too narrow for more), then the message box of ShowFileFailure.
void ReportFileFailure(TMainFrame& frame, const QString& caption, const QString& path, const QString& reason);

// Runs a write of `path` under the busy cursor and keeps the system's error
// of it; when `write` fails, ReportFileFailure with the writer's own reason
// (when `ownReason` gives one) or else why the system could not write there.
bool WriteOrReport(TMainFrame& frame, const QString& caption, const QString& path,
                   const std::function<bool()>& write, const std::function<QString()>& ownReason = {});
