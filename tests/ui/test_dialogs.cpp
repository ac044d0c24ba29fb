// Every dialog and tool window: a title with the close button only (no
// minimise or maximise box), a fixed frame where the form has one, and room
// for its whole caption, in English and in German.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "Frmcateditor.h"
#include "Frmdesteditor.h"
#include "Frmgpsconverter.h"
#include "Frmgpximp.h"
#include "Frmlanguage.h"
#include "Frmnewversion.h"
#include "Frmpoieditor.h"
#include "Frmrouteeditor.h"
#include "Frmtrackeditor.h"
#include "Mainform.h"
#include "Trackstorage.h"
#include "Uibuild.h"
#include "Uitestenv.h"

namespace {

struct Look {
  QString name;
  Qt::WindowFlags flags;
  bool fixed = false;
  int width = 0;
  QString caption;
};

Look LookAt(QWidget& w) {
  return {w.objectName(), w.windowFlags(), w.minimumSize() == w.maximumSize(), w.width(), w.windowTitle()};
}

void ExpectCloseButtonOnly(const Look& look) {
  SCOPED_TRACE(look.name.toStdString());
  EXPECT_TRUE(look.flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_TRUE(look.flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(look.flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(look.flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(look.flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(look.caption.isEmpty());
  EXPECT_GE(look.width, uibuild::CaptionWidth(look.caption)) << look.caption.toStdString();
}

class DialogsTest : public ::testing::TestWithParam<const char*> {
 protected:
  DialogsTest() : env("dialogs") {
    for (const char* f : {"English.txt", "Deutsch.txt"})
      std::filesystem::copy_file(testenv::binDir() / f, std::filesystem::path(env.Exe().toStdString()) / f,
                                 std::filesystem::copy_options::overwrite_existing);
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\nLang=") +
                 QString::fromLatin1(GetParam()) + QStringLiteral("\r\n[SERIAL]\r\nPort=-1\r\n"));
    env.Start();
    main = std::make_unique<TFormMain>();
  }

  uitest::ProgramEnv env;
  std::unique_ptr<TFormMain> main;
};

TEST_P(DialogsTest, EveryFormHasACloseButtonOnlyAndItsWholeCaption) {
  TTrackList track;
  track.SetName(QStringLiteral("2024/05/03 14:00:00"));
  struct Form {
    std::function<std::unique_ptr<QWidget>()> make;
    bool fixed;
  } const forms[] = {
      {[&] { return std::make_unique<TFormLanguage>(main.get()); }, true},
      {[&] { return std::make_unique<TFormDestEditor>(0, 48.1, 11.5, main.get()); }, true},
      {[&] { return std::make_unique<TFormCatEditor>(main.get()); }, false},
      {[&] { return std::make_unique<TFormPoiEditor>(0, 48.1, 11.5, *main); }, true},
      {[&] { return std::make_unique<TFormGPSConverter>(main.get()); }, true},
      {[&] { return std::make_unique<TFormRouteEditor>(*main, 48.1, 11.5); }, true},
      {[&] { return std::make_unique<TFormTrackEditor>(&track, QIcon(), main.get()); }, true},
      {[&] { return std::make_unique<TGPXImpForm>(main.get()); }, true},
      {[&] { return std::make_unique<TFormNewVersion>(main.get()); }, true},
  };
  for (const Form& f : forms) {
    std::unique_ptr<QWidget> w = f.make();
    w->show();
    QCoreApplication::processEvents();
    const Look look = LookAt(*w);
    ExpectCloseButtonOnly(look);
    EXPECT_EQ(look.fixed, f.fixed) << look.name.toStdString();
    w->close();
  }
}

// The track editor shows a whole title of the longest kind, a date and time.
TEST_P(DialogsTest, TrackEditorShowsAWholeTitle) {
  TTrackList track;
  const QString title = QStringLiteral("2024/05/03 14:00:00");
  track.SetName(title);
  TFormTrackEditor editor(&track, QIcon(), main.get());
  editor.show();
  QCoreApplication::processEvents();
  QLineEdit* edit = editor.edtTitle;
  ASSERT_EQ(edit->text(), title);
  // With the cursor at the end, the first character is still in view.
  edit->setCursorPosition(int(title.size()));
  QCoreApplication::processEvents();
  EXPECT_EQ(edit->cursorPositionAt(QPoint(edit->contentsRect().left() + 5, edit->height() / 2)), 0);
  edit->setCursorPosition(0);
  EXPECT_LE(edit->fontMetrics().horizontalAdvance(title), edit->contentsRect().width() - 4);
}

// The desktop's own boxes: the favourite's name and a failed download.
TEST_P(DialogsTest, MessageAndInputBoxesFitTheirCaption) {
  UiServices::Install(nullptr);
  std::vector<Look> looks;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box || !box->isVisible()) return;
    QCoreApplication::processEvents();
    looks.push_back(LookAt(*box));
    if (auto* d = qobject_cast<QDialog*>(box)) d->reject();
  });
  poll.start(10);
  const QString caption = uibuild::Str(117);  // "Download"
  UiServices::Get().MessageBox(uibuild::Str(115), caption, UiServices::Icon::Error);
  UiServices::Get().InputText(QStringLiteral("Adding new Favorit"), QStringLiteral("Favorit name"), QString());
  poll.stop();
  UiServices::Install(&env.services);
  ASSERT_EQ(looks.size(), 2u);
  EXPECT_EQ(looks[0].caption, caption);
  EXPECT_EQ(looks[1].caption, QStringLiteral("Adding new Favorit"));
  for (const Look& look : looks) ExpectCloseButtonOnly(look);
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogsTest, ::testing::Values("0", "1"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param[0] == '0' ? "English" : "German");
                         });

}  // namespace
