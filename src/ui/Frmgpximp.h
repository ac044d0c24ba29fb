#pragma once
// The GPX import window: counters of the waypoints, tracks and routes read
// so far and how much of the file has been read. Not modal: the main window
// repaints and reacts while a big file is read. Closing it (or Escape)
// cancels the import.
#include <QDialog>
#include <QElapsedTimer>

#include <stdexcept>

#include "Gpximport.h"

class QLabel;
class QProgressBar;

// Thrown out of the import when the user closed the window.
class GpxImportCancelled : public std::runtime_error {
 public:
  GpxImportCancelled() : std::runtime_error("cancelled") {}
};

class TGPXImpForm : public QDialog, public GpxImportProgress {
  Q_OBJECT
 public:
  explicit TGPXImpForm(QWidget* owner);
  ~TGPXImpForm() override;

  void Show() override;
  void Update(int waypoints, int tracks, int routes, std::int64_t bytesRead, std::int64_t bytesTotal) override;
  void ProcessEvents() override;
  void Hide() override;

  bool Cancelled() const { return cancelled_; }
  void reject() override;

  QLabel* imgPicture;
  QLabel *lblTracks, *lblRoutes, *lblWpt;
  QProgressBar* ProgressBar1;
  QProgressBar* Gauge1;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  static void SetCounter(QLabel* label, const char* caption, int n);
  static constexpr int kEventIntervalMs = 50;
  QElapsedTimer sinceEvents_;
  bool cancelled_ = false;
  bool thrown_ = false;
  bool hidden_ = false;
};

// The window while an import runs, else null.
extern TGPXImpForm* GPXImpForm;
