// The progress window of the device tasks, modal, against the simulator: every
// row of the task table end to end, the captions of the phases, the replies
// handed to the main window and the modal result.
#include "Apexception.h"
#include "Frmworktask.h"
#include "Portsandbox.h"
#include "Simdevice.h"
#include "Stringtable.h"
#include "Testenv.h"
#include "Transfertest.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace fs = std::filesystem;
using devsim::DeviceFile;

namespace {

constexpr int kPort = 6;

QApplication& App() {
  static int argc = 1;
  static char name[] = "test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: tearing it down among the other statics at exit crashes.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

size_t ThreadCount() {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/task")) ++n;
  return n;
}

XModemTiming Fast() { return transfertest::FastTiming(); }

std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 7 + i / 1024) & 0xFF);
  return s;
}

// The main window as the progress window sees it.
class FakeMain : public QWidget, public WorkTaskHost {
 public:
  std::vector<std::string> device, logger;
  int calls = 0;
  bool windowOpenAtCall = false;
  QString status1;

  bool ShowDeviceConfig(const std::vector<std::string>& reply) override { return Took(device, reply); }
  bool ShowLoggerConfig(const std::vector<std::string>& reply) override { return Took(logger, reply); }
  void SetStatusPanelText(int panel, const QString& text) override {
    if (panel == 1) status1 = text;
  }

 private:
  bool Took(std::vector<std::string>& to, const std::vector<std::string>& reply) {
    to = reply;
    ++calls;
    windowOpenAtCall = FormWorkTask && FormWorkTask->isVisible();
    return true;
  }
};

// Sees each posted message, lets the window handle it and notes the caption.
class Spy : public QObject {
 public:
  std::vector<unsigned> messages;
  std::vector<QString> captions;
  std::function<void(unsigned, uintptr_t)> after;

  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != WindowMessageEvent::EventType()) return false;
    auto* m = static_cast<WindowMessageEvent*>(e);
    const unsigned msg = m->Msg;
    const uintptr_t w = m->WParam;
    messages.push_back(msg);
    o->removeEventFilter(this);
    static_cast<QObject*>(o)->event(e);
    o->installEventFilter(this);
    if (msg == WM_TRANSFER_STATE) captions.push_back(static_cast<TFormWorkTask*>(o)->lblState->text());
    if (after) after(msg, w);
    return true;
  }
};

class FormWorkTaskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(table.LoadFromFile(QString::fromStdString((testenv::binDir() / "English.txt").string())));
    strTable = &table;
    devsim::DeviceState st;
    st.logger = {5, 10, 0, 35.5};
    st.device = {2, 20, 255, 30, -5, 1, 1};
    sim.setState(st);
    SetDevice();
    ports.link(kPort, sim.devicePath());
    sim.start();
    dir = testenv::scratchDir("formworktask");
  }
  void TearDown() override { strTable = nullptr; }

  void SetDevice(const devsim::XmodemFaults& f = devsim::XmodemFaults()) { device = uitest::SetFilePhase(sim, f); }
  // The device for the next task: silent to its command, or with faults in
  // the file phase.
  void Arrange(bool silent, const devsim::XmodemFaults& f) {
    if (silent) {
      devsim::Misbehaviour m;
      m.silent = true;
      m.count = 1;
      sim.misbehave(m);
    }
    SetDevice(f);
  }

  // Creates the window as a handler does, shows it modally, deletes it.
  int Run(std::unique_ptr<TFormWorkTask> window) {
    FormWorkTask = window.get();
    window->installEventFilter(&spy);
    // A window that never gets its message would hang the test.
    QTimer::singleShot(60000, window.get(), [w = window.get()] { w->done(-1); });
    int result = window->ShowModal();
    bytes = window->lblBytes->text();
    caption = window->lblState->text();
    failure = window->Failure();
    window.reset();
    FormWorkTask = nullptr;
    return result;
  }
  int RunFile(int code, const QString& file) {
    return Run(std::make_unique<TFormWorkTask>(&host, code, file, kPort, Fast()));
  }
  int RunParam(int code, const std::string& param) {
    return Run(std::make_unique<TFormWorkTask>(&host, code, param, kPort, Fast()));
  }
  QString Text(int n) { return table.GetString(n); }

  struct AppFirst {
    AppFirst() { App(); }
  } appFirst;  // before any widget member
  StrTable table;
  testenv::PortSandbox ports{"formworktask"};
  devsim::Simulator sim;
  std::shared_ptr<devsim::SimXmodem> device;
  FakeMain host;
  Spy spy;
  QString bytes, caption;
  TaskFailure failure = tfNone;  // the last window's
  fs::path dir;
};

TEST_F(FormWorkTaskTest, SettingsTasks) {
  struct Case {
    int code;
    const char* param;
    size_t deviceElements, loggerElements;
  };
  const Case cases[] = {
      {wtGetDeviceConfig, nullptr, 8, 0},
      {wtGetLoggerConfig, nullptr, 0, 9},
      {wtSetDeviceConfig, ",1,40,128,15,2,3,0", 0, 0},
      {wtSetLoggerConfig, ",7,0,25,0,3,0,1", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    host.device.clear();
    host.logger.clear();
    host.calls = 0;
    int result = c.param ? RunParam(c.code, c.param) : RunFile(c.code, QString());
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(host.device.size(), c.deviceElements);
    EXPECT_EQ(host.logger.size(), c.loggerElements);
    if (c.deviceElements) {
      EXPECT_EQ(host.device[0], "POEM103");
    }
    if (c.loggerElements) {
      EXPECT_EQ(host.logger[0], "POEM101");
      EXPECT_EQ(host.logger[8], "35.5");
    }
    // A reply reaches the main window while the progress window is still up.
    EXPECT_EQ(host.calls, c.deviceElements + c.loggerElements ? 1 : 0);
    if (host.calls) {
      EXPECT_TRUE(host.windowOpenAtCall);
    }
    EXPECT_EQ(caption, Text(149));  // no transfer phase
  }
  EXPECT_EQ(sim.state().logger.distance, 25);
  EXPECT_EQ(sim.state().device.backlight, 128);
}

TEST_F(FormWorkTaskTest, FileTasks) {
  struct Case {
    int code;
    DeviceFile file;
    bool upload;
  };
  const Case cases[] = {
      {wtUploadDestinations, DeviceFile::Destinations, true},
      {wtDownloadDestinations, DeviceFile::Destinations, false},
      {wtUploadWaypoints, DeviceFile::Waypoints, true},
      {wtDownloadWaypoints, DeviceFile::Waypoints, false},
      {wtUploadRoute, DeviceFile::Route, true},
      {wtDownloadRoute, DeviceFile::Route, false},
      {wtDownloadTrackLog, DeviceFile::TrackLog, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    spy.messages.clear();
    spy.captions.clear();
    const fs::path path = dir / ("TVQ_" + std::to_string(c.code));
    // An upload of 1024 bytes is two blocks; a download of 3000 bytes three.
    const std::string data = Pattern(c.upload ? 1024 : 3000);
    if (c.upload) {
      testenv::writeFile(path, data);
    } else {
      auto st = sim.state();
      st.file(c.file) = data;
      sim.setState(st);
    }
    EXPECT_EQ(RunFile(c.code, QString::fromStdString(path.string())), mrOk);
    const int blocks = c.upload ? 2 : 3;
    std::vector<QString> expected{Text(150)};
    for (int i = 0; i < blocks; ++i) expected.push_back(Text(152));
    if (!c.upload) expected.push_back(Text(153));  // EOT
    expected.push_back(Text(154));
    EXPECT_EQ(spy.captions, expected);
    EXPECT_EQ(bytes, QString::number(blocks * 1024) + " Bytes");
    EXPECT_EQ(spy.messages.back(), c.upload ? WM_TASK_SEND_DONE : WM_TASK_RECEIVE_DONE);
    if (c.upload) {
      std::string want = data + std::string(1024, '\xFF');
      EXPECT_TRUE(sim.state().file(c.file) == want);
    } else {
      EXPECT_EQ(fs::file_size(path), 3072u);
    }
  }
  EXPECT_EQ(host.calls, 0);
}

TEST_F(FormWorkTaskTest, TheEmptyEntryIsAnIllegalCommand) {
  sim.clearReceived();
  EXPECT_EQ(RunFile(wtReserved, QString()), mrCancel);
  EXPECT_EQ(host.status1, "Illegal command");
  EXPECT_TRUE(sim.received().empty());
}

TEST_F(FormWorkTaskTest, FailuresGiveCancel) {
  struct Case {
    const char* what;
    int code;
    bool silent;
    int cancelAtBlock;
    TaskFailure cause;
  };
  const Case cases[] = {
      {"get without reply", wtGetLoggerConfig, true, 0, tfNoReply},
      {"set without reply", wtSetLoggerConfig, true, 0, tfNoReply},
      {"download without reply", wtDownloadRoute, true, 0, tfNoReply},
      {"download cancelled by the device", wtDownloadTrackLog, false, 2, tfDeviceCancelled},
  };
  auto st = sim.state();
  st.file(DeviceFile::TrackLog) = Pattern(5000);
  sim.setState(st);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    host.calls = 0;
    Arrange(c.silent, {.CancelAtBlock = c.cancelAtBlock});
    const fs::path path = dir / "TVQ_fail";
    fs::remove(path);
    int result = c.code == wtSetLoggerConfig ? RunParam(c.code, ",1,0,1,0,1,0,1")
                                             : RunFile(c.code, QString::fromStdString(path.string()));
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(failure, c.cause);
    EXPECT_EQ(host.calls, 0);
    // A failed download leaves what came for the handler to read and remove.
    if (c.cancelAtBlock) {
      EXPECT_EQ(fs::file_size(path), 1024u);
    }
    sim.behave();
  }
}

// Closing the window mid-transfer breaks the transfer off towards the
// device: the window stays, answering, until the worker has ended, then
// gives mrAbort; deleting it does not wait for the rest of the file.
TEST_F(FormWorkTaskTest, ClosingMidTransferCancelsItTowardsTheDevice) {
  constexpr size_t kBlocks = 400;
  auto st = sim.state();
  st.file(DeviceFile::Waypoints) = Pattern(kBlocks * 1024);
  sim.setState(st);
  const size_t threads = ThreadCount();
  bool closed = false, stayed = false;
  spy.after = [&](unsigned msg, uintptr_t w) {
    if (msg != WM_TRANSFER_STATE || w != tsBlockOk || closed) return;
    closed = true;
    FormWorkTask->close();
    stayed = FormWorkTask->isVisible() && FormWorkTask->lblState->text() == "Cancelling ...";
  };
  const fs::path path = dir / "TVQ_close";
  auto window = std::make_unique<TFormWorkTask>(&host, wtDownloadWaypoints,
                                                QString::fromStdString(path.string()), kPort, Fast());
  FormWorkTask = window.get();
  window->installEventFilter(&spy);
  EXPECT_EQ(window->ShowModal(), mrAbort);
  EXPECT_EQ(window->Failure(), tfUserCancelled);
  EXPECT_TRUE(stayed);
  window.reset();
  FormWorkTask = nullptr;
  // The device heard the cancel and stopped sending.
  ASSERT_TRUE(device->WaitForTransfers(1, 5000));
  EXPECT_EQ(device->Succeeded.load(), 0);
  EXPECT_LT(device->PacketsSeen.load(), int(kBlocks / 4));
  EXPECT_LT(fs::file_size(path), kBlocks * 1024 / 4);
  // The line works for the next task; success leaves no cause behind.
  EXPECT_EQ(RunFile(wtGetLoggerConfig, QString()), mrOk);
  EXPECT_EQ(failure, tfNone);
  EXPECT_LE(ThreadCount(), threads);  // none left behind
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Escape in the window is the user's cancel, in the command phase and in the
// transfer, downloading and uploading: its own result, never the failure's;
// a device that hangs up stays a failure with its cause.
TEST_F(FormWorkTaskTest, TheUsersCancelIsToldApartFromAFailure) {
  constexpr size_t kBlocks = 400;
  auto st = sim.state();
  st.file(DeviceFile::TrackLog) = Pattern(kBlocks * 1024);
  sim.setState(st);
  const fs::path upload = dir / "TVQ_upload";
  testenv::writeFile(upload, Pattern(kBlocks * 1024));
  struct Case {
    const char* what;
    int code;
    bool silent;       // the device does not answer the command
    int escapeAt;      // Escape once the modal loop runs (0) or at this block; -1: never
    int hangUpAtBlock;
    int result;
    TaskFailure cause;
  } cases[] = {
      {"get, waiting for the reply", wtGetLoggerConfig, true, 0, 0, mrAbort, tfUserCancelled},
      {"set, waiting for the reply", wtSetDeviceConfig, true, 0, 0, mrAbort, tfUserCancelled},
      {"track log, mid-transfer", wtDownloadTrackLog, false, 1, 0, mrAbort, tfUserCancelled},
      {"upload, mid-transfer", wtUploadRoute, false, 1, 0, mrAbort, tfUserCancelled},
      // Last: the line does not come back.
      {"track log, the device hangs up", wtDownloadTrackLog, false, -1, 2, mrCancel, tfLineLost},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    host.calls = 0;
    Arrange(c.silent, {.HangUpAtBlock = c.hangUpAtBlock});
    int blocks = 0;
    bool pressed = false;
    const auto escape = [&] {
      if (pressed || !FormWorkTask) return;
      pressed = true;
      QTest::keyClick(FormWorkTask, Qt::Key_Escape);
    };
    spy.after = [&](unsigned msg, uintptr_t w) {
      if (msg == WM_TRANSFER_STATE && w == tsBlockOk && ++blocks == c.escapeAt) escape();
    };
    if (c.escapeAt == 0) QTimer::singleShot(0, escape);
    const fs::path path = c.code == wtUploadRoute ? upload : dir / "TVQ_cancel";
    const int result = c.code == wtSetDeviceConfig ? RunParam(c.code, ",1,40,128,15,2,3,0")
                                                   : RunFile(c.code, QString::fromStdString(path.string()));
    spy.after = nullptr;
    EXPECT_EQ(pressed, c.escapeAt >= 0);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(failure, c.cause);
    EXPECT_EQ(host.calls, 0);
    if (c.escapeAt > 0) {
      // Broken off towards the device, well before the end.
      ASSERT_TRUE(device->WaitForTransfers(1, 5000));
      EXPECT_EQ(device->Succeeded.load(), 0);
      EXPECT_LT(device->PacketsSeen.load(), int(kBlocks / 4));
    }
    sim.behave();
  }
}

TEST_F(FormWorkTaskTest, APortThatCannotBeOpenedThrowsAndRestoresTheCursor) {
  try {
    TFormWorkTask window(&host, wtGetLoggerConfig, QString(), 42, Fast());
    ADD_FAILURE() << "no exception";
  } catch (const SerialException& e) {
    EXPECT_EQ(e.Code, seOpenFailed);
    EXPECT_EQ(e.Value, 42);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FormWorkTaskTest, MessagesAreCheckedBeforeUse) {
  // A silent device keeps the task waiting while we post our own messages.
  devsim::Misbehaviour m;
  m.silent = true;
  m.count = 1;
  sim.misbehave(m);
  auto window = std::make_unique<TFormWorkTask>(&host, wtUploadRoute, QString("x"), kPort, Fast());
  // A set task on a second silent line, waiting at the same time, so that
  // both workers' waits overlap.
  devsim::Simulator other;
  other.misbehave(m);
  ports.link(kPort + 1, other.devicePath());
  other.start();
  auto setTask = std::make_unique<TFormWorkTask>(&host, wtSetLoggerConfig, std::string(",1,0,1,0,1,0,1"),
                                                 kPort + 1, Fast());
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  for (uintptr_t w : {uintptr_t(6), uintptr_t(99), uintptr_t(-1), uintptr_t(tsBlockOk)})
    PostWindowMessage(window.get(), WM_TRANSFER_STATE, w, 0);
  // A file task whose command could not be written.
  PostWindowMessage(window.get(), WM_TASK_COMMAND_DONE, 1, seWriteFile);
  // Anything but 0 is no success.
  PostWindowMessage(setTask.get(), WM_TASK_COMMAND_DONE, 2, 0);
  FormWorkTask = window.get();
  EXPECT_EQ(window->ShowModal(), mrCancel);
  EXPECT_EQ(window->lblState->text(), Text(152));
  EXPECT_EQ(window->lblBytes->text(), "1024 Bytes");
  EXPECT_EQ(host.status1, "Illegal command");
  QCoreApplication::sendPostedEvents(setTask.get());
  EXPECT_EQ(setTask->result(), mrCancel);
  window.reset();
  setTask.reset();
  FormWorkTask = nullptr;
  sim.behave();
}

TEST(FormWorkTaskSplit, SplitReplyIsTheWorkers) {
  std::vector<std::string> reply{"stale"};
  TFormWorkTask::SplitReply(reply, "POEM101,5,,10");
  EXPECT_EQ(reply, (std::vector<std::string>{"POEM101", "5", "", "10"}));
}

}  // namespace
