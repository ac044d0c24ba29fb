#pragma once
// The modal progress window of one device task. It opens the port, starts the
// worker and turns the worker's posted messages into its captions, the
// settings shown on the main window and its modal result: mrOk when the task
// succeeded, mrCancel when it failed, mrAbort when the user broke it off.
#include "Worktask.h"
#include "Xmodem.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QLabel;
class Serial;

constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;  // the user's cancel: no failure

// What the progress window hands over to the window that opened it (the main
// window implements it); found through the owner.
class WorkTaskHost {
 public:
  virtual ~WorkTaskHost() = default;
  // False when the reply was not taken: the task then ends as failed.
  virtual bool ShowDeviceConfig(const std::vector<std::string>& reply) = 0;
  virtual bool ShowLoggerConfig(const std::vector<std::string>& reply) = 0;
  virtual void SetStatusPanelText(int panel, const QString& text) = 0;
};

class TFormWorkTask : public QDialog {
  Q_OBJECT
 public:
  // Tasks without parameter text (1, 3 to 11). Throws the SerialException of
  // the port's open; the window is then not shown.
  TFormWorkTask(QWidget* owner, int taskCode, const QString& fileName, int port,
                const XModemTiming& timing = XModemTiming());
  // The two set tasks (0 and 2), with their parameter text.
  TFormWorkTask(QWidget* owner, int taskCode, const std::string& paramText, int port,
                const XModemTiming& timing = XModemTiming());
  ~TFormWorkTask() override;

  int ShowModal() { return exec(); }
  void done(int result) override;
  // Closing the window (its close box, Escape) cancels the task: the worker
  // breaks it off, and the window, still painted and answering, closes with
  // mrAbort once the worker has ended.
  void reject() override;
  // Why the task failed once ShowModal gave mrCancel (tfUserCancelled with
  // mrAbort); tfNone after success.
  TaskFailure Failure() const { return FailureCause; }

  // The worker's ::SplitReply, kept here for the window's callers.
  static void SplitReply(std::vector<std::string>& reply, const char* text) { ::SplitReply(reply, text); }

  QLabel* lblState = nullptr;
  QLabel* lblBytes = nullptr;
  QLabel* imgVendor = nullptr;

 protected:
  bool event(QEvent* e) override;

 private:
  void FormCreate();
  void StartTask(const std::string* paramText, const QString& fileName, int port,
                 const XModemTiming& timing);
  void WndProc(unsigned msg, uintptr_t wParam, intptr_t lParam);
  void Finish(int result);
  // Ends with mrCancel for the worker's cause, or for the one given; with
  // mrAbort when that is the user's cancel.
  void Fail();
  void Fail(TaskFailure cause);
  WorkTaskHost* Host() const;

  int TaskCode;
  std::unique_ptr<WorkTask> Worker;
  std::unique_ptr<WorkTaskParams> Params;
  std::unique_ptr<Serial> Port;
  std::unique_ptr<char[]> Buffer;
  std::string FileName;
  uint32_t ByteCount = 0;
  QString Captions[6];
  std::vector<std::string> Reply;
  std::mutex Lock;
  bool Finished = false;
  TaskFailure FailureCause = tfNone;
  bool CursorSet = false;
  bool CancelRequested = false;
};

// The line that tells the user why a task failed: fixed English texts, as
// the language files carry none. port: the COM port of tfNoPort.
QString TaskFailureText(TaskFailure cause, int port);

// Names the progress window while a device task runs; set and cleared by the
// handlers that create and delete it.
extern TFormWorkTask* FormWorkTask;
