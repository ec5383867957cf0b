// The configuration dialog's procedure, driven through a fake view as a person would use the
// dialog: what it shows for each state of config.cfg, what OK writes, and what every other
// command, key and the close box do.
#include "settings/config_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/about_dialog.h"
#include "settings/saver_settings.h"
#include "shell/entry.h"
#include "support/fake_dialog_view.h"
#include "support/fake_platform.h"
#include "support/recording_scene.h"

namespace frost {
namespace {

using namespace ConfigControl;
using testing::FakeDialogView;
using testing::ReadFileBytes;
using testing::ScopedFakePlatform;
using testing::TempDir;
using testing::WriteFileBytes;

constexpr const char* kDefaultPath = "/opt/frostmote\\scene\\data\\endcreds.mp3";

std::string Flags(const char (&bytes)[7]) {
  return std::string(bytes, 6);
}

class ConfigDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    os->settingsFile = File();
    os->installKey = {true, "/opt/frostmote"};
    // The second mode is 16:10 and not offered: the list holds three entries.
    os->displayModes = {
        {1024, 768, 32, 85}, {1280, 800, 32, 60}, {800, 600, 32, 60}, {1280, 1024, 32, 60}};
  }
  std::string File() const { return dir.File("config.cfg"); }
  void WriteConfig(const std::string& bytes) { WriteFileBytes(File(), bytes); }
  bool ConfigExists() const { return std::filesystem::exists(File()); }
  // Opens the dialog and presses OK; returns what was written.
  std::string OkBytes() {
    view.Command(kOk);
    return ReadFileBytes(File());
  }

  ScopedFakePlatform os;
  TempDir dir;
  FakeDialogView view{
      ConfigDialogProc, {kMp3Radio, kCdRadio, kNoSoundRadio}, {kDanceCheck, kFpsCheck}};
};

// --- Opening ---------------------------------------------------------------------------------

TEST_F(ConfigDialogTest, WithoutConfigFileShowsTheStartingValues) {
  EXPECT_FALSE(view.Init()) << "false keeps the focus where the procedure put it";
  EXPECT_EQ(view.focus, kOk);
  EXPECT_EQ(view.Control(kModeCombo).entries,
            (std::vector<std::string>{"1024 x 768 @ 32 - 85 Hertz", "800 x 600 @ 32 - 60 Hertz",
                                      "1280 x 1024 @ 32 - 60 Hertz"}));
  EXPECT_EQ(view.Control(kModeCombo).selection, 0);
  EXPECT_TRUE(view.Control(kMp3Radio).checked);
  EXPECT_FALSE(view.Control(kCdRadio).checked);
  EXPECT_FALSE(view.Control(kNoSoundRadio).checked);
  EXPECT_TRUE(view.Control(kDanceCheck).checked);
  EXPECT_FALSE(view.Control(kFpsCheck).checked);
  EXPECT_EQ(view.Control(kPathEdit).text, kDefaultPath);
  for (int id : {kPathEdit, kBrowse, kDanceCheck}) EXPECT_TRUE(view.Control(id).enabled) << id;
  EXPECT_TRUE(view.boxes.empty());
  EXPECT_FALSE(view.ended);
  EXPECT_FALSE(ConfigExists()) << "opening never writes";
}

TEST_F(ConfigDialogTest, StoredChoicesAreShown) {
  WriteConfig(Flags("\x02\x01\x00\x01\x00\x00") + "/music/snow.mp3");
  EXPECT_FALSE(view.Init());
  EXPECT_EQ(view.Control(kModeCombo).selection, 2);
  EXPECT_TRUE(view.Control(kMp3Radio).checked);
  EXPECT_FALSE(view.Control(kDanceCheck).checked);
  EXPECT_TRUE(view.Control(kFpsCheck).checked);
  EXPECT_EQ(view.Control(kPathEdit).text, "/music/snow.mp3");
  EXPECT_EQ(view.focus, kOk);
}

TEST_F(ConfigDialogTest, EachStoredSourceChecksItsButton) {
  struct Case {
    std::uint8_t source;
    int checked;
    bool mp3ControlsEnabled;
  };
  // Sources outside the three known values show "Play MP3 File".
  for (const Case& c :
       {Case{1, kMp3Radio, true}, Case{2, kCdRadio, false}, Case{4, kNoSoundRadio, false},
        Case{0, kMp3Radio, true}, Case{3, kMp3Radio, true}, Case{255, kMp3Radio, true}}) {
    FakeDialogView fresh(ConfigDialogProc);
    std::string bytes = Flags("\x00\x00\x01\x00\x00\x00") + "a.mp3";
    bytes[1] = static_cast<char>(c.source);
    WriteConfig(bytes);
    fresh.Init();
    for (int radio : {kMp3Radio, kCdRadio, kNoSoundRadio}) {
      EXPECT_EQ(fresh.Control(radio).checked, radio == c.checked)
          << "source " << int{c.source} << ", radio " << radio;
    }
    for (int id : {kPathEdit, kBrowse, kDanceCheck}) {
      EXPECT_EQ(fresh.Control(id).enabled, c.mp3ControlsEnabled)
          << "source " << int{c.source} << ", control " << id;
    }
    EXPECT_TRUE(fresh.Control(kDanceCheck).checked) << "a greyed check box keeps its mark";
  }
}

TEST_F(ConfigDialogTest, StoredIndexPastTheListSelectsTheFirstEntry) {
  for (std::uint8_t index : {std::uint8_t{3}, std::uint8_t{200}, std::uint8_t{255}}) {
    FakeDialogView fresh(ConfigDialogProc);
    std::string bytes = Flags("\x00\x01\x01\x00\x00\x00") + "a.mp3";
    bytes[0] = static_cast<char>(index);
    WriteConfig(bytes);
    fresh.Init();
    EXPECT_EQ(fresh.Control(kModeCombo).selection, 0) << int{index};
    fresh.Command(kOk);
    EXPECT_EQ(ReadFileBytes(File())[0], '\0') << "OK stores the entry shown, " << int{index};
  }
}

TEST_F(ConfigDialogTest, FileThatCannotBeReadShowsTheStartingValues) {
  std::filesystem::create_directories(File());  // opens, but reading fails
  EXPECT_FALSE(view.Init());
  EXPECT_EQ(view.Control(kModeCombo).selection, 0);
  EXPECT_TRUE(view.Control(kMp3Radio).checked);
  EXPECT_TRUE(view.Control(kDanceCheck).checked);
  EXPECT_FALSE(view.Control(kFpsCheck).checked);
  EXPECT_EQ(view.Control(kPathEdit).text, kDefaultPath);
  EXPECT_TRUE(view.boxes.empty());
}

TEST_F(ConfigDialogTest, UnreadableInstallKeyEndsTheProgram) {
  os->installKey = {false, ""};
  WriteConfig(Flags("\x01\x02\x00\x01\x00\x00") + "kept.mp3");
  EXPECT_FALSE(view.Init());
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, "Cannot read registry entries\nPlease reinstall");
  EXPECT_EQ(view.boxes[0].caption, "Fatal error");
  EXPECT_EQ(view.boxes[0].icon, MessageIcon::Error);
  EXPECT_EQ(view.boxes[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.log, (std::vector<std::string>{"MessageBox Fatal error", "EndDialog 0"}))
      << "nothing is filled in";
}

TEST_F(ConfigDialogTest, ListOffersOnlyModesWhoseIndexFitsOneByte) {
  os->displayModes.assign(300, DisplayModeRecord{1024, 768, 32, 60});
  WriteConfig(Flags("\xFE\x01\x01\x00\x00\x00") + "a.mp3");
  view.Init();
  EXPECT_EQ(view.ComboCount(kModeCombo), 255);
  EXPECT_EQ(view.Control(kModeCombo).selection, 254);
  EXPECT_EQ(static_cast<unsigned char>(OkBytes()[0]), 254u);
}

// --- OK ----------------------------------------------------------------------------------------

TEST_F(ConfigDialogTest, OkWithoutConfigFileWritesTheDefaults) {
  view.Init();
  EXPECT_TRUE(view.Command(kOk));
  EXPECT_EQ(ReadFileBytes(File()), Flags("\x00\x01\x01\x00\x00\x00") + kDefaultPath);
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, 1);
  EXPECT_TRUE(view.boxes.empty());

  // A host with '/' paths shows and stores the default music in its own form.
  os->pathSeparator = '/';
  std::filesystem::remove(File());
  FakeDialogView linuxView{ConfigDialogProc, {kMp3Radio}, {kDanceCheck, kFpsCheck}};
  linuxView.Init();
  EXPECT_EQ(linuxView.Control(kPathEdit).text, "/opt/frostmote/scene/data/endcreds.mp3");
  linuxView.Command(kOk);
  EXPECT_EQ(ReadFileBytes(File()),
            Flags("\x00\x01\x01\x00\x00\x00") + "/opt/frostmote/scene/data/endcreds.mp3");
}

TEST_F(ConfigDialogTest, OkStoresWhatTheControlsShow) {
  view.Init();
  view.Control(kModeCombo).selection = 2;
  view.Click(kFpsCheck);
  view.Click(kDanceCheck);
  view.Control(kPathEdit).text = "/home/me/Music/storm.mp3";
  EXPECT_EQ(OkBytes(), Flags("\x02\x01\x00\x01\x00\x00") + "/home/me/Music/storm.mp3");
}

TEST_F(ConfigDialogTest, AudioCdKeepsTheDanceMarkAndStoresItWithSourceTwo) {
  view.Init();
  view.Click(kCdRadio);
  for (int id : {kPathEdit, kBrowse, kDanceCheck}) EXPECT_FALSE(view.Control(id).enabled) << id;
  EXPECT_TRUE(view.Control(kDanceCheck).checked);
  EXPECT_FALSE(view.Click(kDanceCheck)) << "a greyed check box cannot be clicked";
  EXPECT_EQ(OkBytes(), Flags("\x00\x02\x01\x00\x00\x00") + kDefaultPath);
}

TEST_F(ConfigDialogTest, SwitchingSourcesGreysAndRestoresTheMp3Controls) {
  view.Init();
  view.Click(kNoSoundRadio);
  for (int id : {kPathEdit, kBrowse, kDanceCheck}) EXPECT_FALSE(view.Control(id).enabled) << id;
  view.Click(kMp3Radio);
  for (int id : {kPathEdit, kBrowse, kDanceCheck}) EXPECT_TRUE(view.Control(id).enabled) << id;
  view.Click(kNoSoundRadio);
  EXPECT_EQ(OkBytes()[1], '\x04');
}

TEST_F(ConfigDialogTest, OkClearsTheReservedFlags) {
  WriteConfig(Flags("\x01\x01\x01\x00\x07\x09") + "a.mp3");
  view.Init();
  EXPECT_EQ(OkBytes(), Flags("\x01\x01\x01\x00\x00\x00") + "a.mp3");
}

TEST_F(ConfigDialogTest, EmptyModeListStores255) {
  os->displayModes = {{1920, 1080, 32, 60}, {1024, 768, 16, 60}};
  view.Init();
  EXPECT_EQ(view.ComboCount(kModeCombo), 0);
  EXPECT_EQ(view.Control(kModeCombo).selection, -1);
  EXPECT_EQ(OkBytes(), Flags("\xFF\x01\x01\x00\x00\x00") + kDefaultPath);
}

TEST_F(ConfigDialogTest, TypedPathIsCutTo1999BytesAndLoadsBackWhole) {
  view.Init();
  view.Control(kPathEdit).text = std::string(2500, 'p');
  EXPECT_EQ(OkBytes(), Flags("\x00\x01\x01\x00\x00\x00") + std::string(1999, 'p'));

  FakeDialogView reopened(ConfigDialogProc);
  reopened.Init();
  EXPECT_EQ(reopened.Control(kPathEdit).text, std::string(1999, 'p'));

  // A Windows code page: 0x80 (the euro sign in 1252) is a whole character, not a continuation.
  view.encoding = TextEncoding::SingleByte;
  view.Control(kPathEdit).text = "C:\\" + std::string(2100, '\x80');
  EXPECT_EQ(OkBytes(), Flags("\x00\x01\x01\x00\x00\x00") + "C:\\" + std::string(1996, '\x80'));
}

TEST_F(ConfigDialogTest, CutNeverSplitsACharacter) {
  constexpr TextEncoding kUtf8 = TextEncoding::Utf8;
  EXPECT_EQ(CutTypedPath(std::string(1999, 'a'), kUtf8), std::string(1999, 'a'));
  // "é" is two bytes, "❄" three: the cut falls inside them and drops them whole.
  EXPECT_EQ(CutTypedPath(std::string(1998, 'a') + "\xC3\xA9", kUtf8), std::string(1998, 'a'));
  EXPECT_EQ(CutTypedPath(std::string(1997, 'a') + "\xE2\x9D\x84" + "b", kUtf8),
            std::string(1997, 'a'));
  EXPECT_EQ(CutTypedPath(std::string(1997, 'a') + "\xC3\xA9" + "b", kUtf8),
            std::string(1997, 'a') + "\xC3\xA9");
}

TEST_F(ConfigDialogTest, FailedSaveSaysSoClosesAndKeepsThePreviousFile) {
  const std::string previous = Flags("\x01\x04\x00\x01\x00\x00") + "old.mp3";
  WriteConfig(previous);
  // The temporary file beside config.cfg cannot be created.
  std::filesystem::create_directories(File() + ".new");
  view.Init();
  view.Click(kMp3Radio);
  EXPECT_TRUE(view.Command(kOk));
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].text, "Configuration save failed");
  EXPECT_EQ(view.boxes[0].caption, "Error");
  EXPECT_EQ(view.boxes[0].icon, MessageIcon::Error);
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, 1);
  EXPECT_EQ(ReadFileBytes(File()), previous);
}

// --- Other commands, keys and the close box ---------------------------------------------------

TEST_F(ConfigDialogTest, CancelAndTheCloseBoxCloseWithoutSaving) {
  const std::string previous = Flags("\x01\x02\x00\x01\x00\x00") + "old.mp3";
  WriteConfig(previous);
  view.Init();
  view.Click(kMp3Radio);
  EXPECT_TRUE(view.Command(kCancel));
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, 1);

  FakeDialogView closed(ConfigDialogProc);
  closed.Init();
  EXPECT_TRUE(closed.Close());
  EXPECT_TRUE(closed.ended);
  EXPECT_EQ(closed.result, 1);
  EXPECT_EQ(ReadFileBytes(File()), previous);
}

TEST_F(ConfigDialogTest, EnterEscapeAndOtherIdsDoNothing) {
  view.Init();
  view.log.clear();
  for (int id : {kEnterCommand, kEscapeCommand, kPathEdit, kModeCombo, kDanceCheck, kFpsCheck, 0,
                 1005, 65535}) {
    EXPECT_TRUE(view.Command(id)) << id;
  }
  EXPECT_TRUE(view.log.empty());
  EXPECT_FALSE(view.ended);
  EXPECT_FALSE(ConfigExists());
}

TEST_F(ConfigDialogTest, OtherMessagesAreNotHandled) {
  EXPECT_FALSE(view.Other());
  EXPECT_TRUE(view.log.empty());
}

TEST_F(ConfigDialogTest, BrowseAsksForAnExistingMp3AndTakesTheChoice) {
  view.Init();
  view.fileChoices = {std::string("/music/chosen.mp3"), std::nullopt};
  EXPECT_TRUE(view.Command(kBrowse));
  ASSERT_EQ(view.fileRequests.size(), 1u);
  const FileOpenRequest& request = view.fileRequests[0];
  EXPECT_EQ(request.title, "Open MP3 File");
  EXPECT_EQ(request.filterDescription, "MP3 files (*.mp3)");
  EXPECT_EQ(request.filterPattern, "*.mp3");
  EXPECT_EQ(request.bufferSize, 256u);
  EXPECT_TRUE(request.fileMustExist);
  EXPECT_EQ(view.Control(kPathEdit).text, "/music/chosen.mp3");

  view.Command(kBrowse);  // cancelled
  EXPECT_EQ(view.Control(kPathEdit).text, "/music/chosen.mp3");
  EXPECT_FALSE(view.ended);
}

TEST_F(ConfigDialogTest, BrowseRefusesAPathLongerThanItsBuffer) {
  view.Init();
  const std::string fits = "/" + std::string(250, 'm') + ".mp3";  // 255 characters
  const std::string tooLong = "/" + std::string(251, 'm') + ".mp3";
  view.fileChoices = {fits, tooLong};
  view.Command(kBrowse);
  EXPECT_EQ(view.Control(kPathEdit).text, fits);
  view.Command(kBrowse);
  EXPECT_EQ(view.Control(kPathEdit).text, fits) << "not a shortened path";
}

TEST_F(ConfigDialogTest, AboutOpensTheAboutDialogOwnedByThisOne) {
  view.Init();
  EXPECT_TRUE(view.Command(kAbout));
  ASSERT_EQ(view.childDialogs.size(), 1u);
  EXPECT_EQ(view.childDialogs[0], DialogTemplate::About);
  EXPECT_EQ(view.childProcs[0], &AboutDialogProc);
  EXPECT_FALSE(view.ended);
}

TEST_F(ConfigDialogTest, HotSpotAsksAndAnswersBothWays) {
  view.Init();
  view.answers = {MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::No, MessageAnswer::Ok};
  EXPECT_TRUE(view.Command(kHotSpot));
  EXPECT_TRUE(view.Command(kHotSpot));
  ASSERT_EQ(view.boxes.size(), 4u);
  for (std::size_t i : {0u, 2u}) {
    EXPECT_EQ(view.boxes[i].text, "AHhaHAh! Brumbly is a farter!");
    EXPECT_EQ(view.boxes[i].caption, "Did you know?");
    EXPECT_EQ(view.boxes[i].buttons, MessageButtons::YesNo);
    EXPECT_EQ(view.boxes[i].icon, MessageIcon::Question);
  }
  EXPECT_EQ(view.boxes[1].text, "No news is good news...");
  EXPECT_EQ(view.boxes[1].caption, "Good");
  EXPECT_EQ(view.boxes[1].icon, MessageIcon::Information);
  EXPECT_EQ(view.boxes[3].text, "You are warned:\nstay away from his stinking butt!");
  EXPECT_EQ(view.boxes[3].caption, "Now you know...");
  EXPECT_EQ(view.boxes[3].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(view.ended);
  EXPECT_FALSE(ConfigExists());
}

// --- Shown by the entry ------------------------------------------------------------------------

TEST_F(ConfigDialogTest, ConfigureRunSavesWhatTheUserChoseAndEndsWithZero) {
  os->commandLine = "frostmote.scr /c:77";
  os->dialogDriver = [](DialogTemplate, DialogProc proc) {
    FakeDialogView dialog(proc, {kMp3Radio, kCdRadio, kNoSoundRadio}, {kDanceCheck, kFpsCheck});
    dialog.Init();
    dialog.Click(kNoSoundRadio);
    dialog.Click(kOk);
    return dialog.result;
  };
  testing::RecordingScene scene;
  EXPECT_EQ(SaverMain(scene, 0), 0);
  ASSERT_EQ(os->dialogs.size(), 1u);
  EXPECT_EQ(os->dialogs[0].id, DialogTemplate::Configuration);
  EXPECT_EQ(os->dialogs[0].parent, 77u) << "owned by the window the command line names";
  EXPECT_EQ(ReadFileBytes(File()), Flags("\x00\x04\x01\x00\x00\x00") + kDefaultPath);
  EXPECT_EQ(scene.log, "") << "no scene in the configure run";
}

}  // namespace
}  // namespace frost
