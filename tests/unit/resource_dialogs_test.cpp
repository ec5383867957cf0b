// The Windows dialog templates the build writes from the dialog tables: what the Windows program
// shows, control for control (class, whole style word, id, place, text).
#include "resource_dialogs.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace frost {
namespace {

std::string Generated(const std::string& table) {
  std::ifstream in(std::string(FROST_RESOURCES_DIR) + "/dialogs/" + table);
  std::stringstream text;
  text << in.rdbuf();
  DialogTemplateData dialog;
  std::string error;
  EXPECT_TRUE(ParseDialogTemplate(text.str(), dialog, error)) << table << ": " << error;
  return dialogrc::ResourceDialog(dialog);
}

TEST(ResourceDialogs, AboutTemplateIsTheClassicDialogWithFlatVisitButtons) {
  EXPECT_EQ(
      Generated("about.dialog"),
      "109 DIALOG 0, 0, 163, 73\n"
      "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
      "CAPTION \"About\"\n"
      "FONT 8, \"MS Sans Serif\"\n"
      "BEGIN\n"
      "    CONTROL \"Frostmote 3D snow globe\\nFree to share and enjoy\", -1, 0x82 /* Static */, "
      "SS_LEFT | WS_GROUP | WS_CHILD | WS_VISIBLE, 33, 5, 102, 17\n"
      "    CONTROL \"Code, models, music: our team\\nSky maps: our own generator\\nTested by "
      "the Snowfield Lab\\nSound: FSOUND on libmpg123\\nInstaller: NSIS\", -1, "
      "0x82 /* Static */, SS_LEFT | WS_GROUP | WS_CHILD | WS_VISIBLE, 5, 27, 128, 41\n"
      "    CONTROL \"visit\", 1000, 0x80 /* Button */, BS_PUSHBUTTON | BS_FLAT | WS_CHILD | "
      "WS_VISIBLE, 136, 28, 22, 8\n"
      "    CONTROL \"visit\", 1002, 0x80 /* Button */, BS_PUSHBUTTON | BS_FLAT | WS_CHILD | "
      "WS_VISIBLE, 136, 36, 22, 8\n"
      "    CONTROL \"visit\", 1003, 0x80 /* Button */, BS_PUSHBUTTON | BS_FLAT | WS_CHILD | "
      "WS_VISIBLE, 136, 44, 22, 8\n"
      "    CONTROL 104, -1, 0x82 /* Static */, SS_ICON | WS_CHILD | WS_VISIBLE, 5, 3, 21, 20\n"
      "    CONTROL \"visit\", 1004, 0x80 /* Button */, BS_PUSHBUTTON | BS_FLAT | WS_CHILD | "
      "WS_VISIBLE, 136, 52, 22, 8\n"
      "    CONTROL \"visit\", 1005, 0x80 /* Button */, BS_PUSHBUTTON | BS_FLAT | WS_CHILD | "
      "WS_VISIBLE, 136, 60, 22, 8\n"
      "END\n");
}

TEST(ResourceDialogs, ConfigurationTemplateKeepsEveryPlaceStyleAndTabStop) {
  const std::string script = Generated("configuration.dialog");
  EXPECT_EQ(script.rfind("101 DIALOGEX 0, 0, 279, 122\n", 0), 0u) << script;
  int controls = 0;
  for (std::size_t at = script.find("CONTROL "); at != std::string::npos;
       at = script.find("CONTROL ", at + 1)) {
    ++controls;
  }
  EXPECT_EQ(controls, 21);
  for (const char* line : {
           "CAPTION \"Frostmote Configuration\"\n",
           "CONTROL \"OK\", 1, 0x80 /* Button */, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_CHILD | "
           "WS_VISIBLE, "
           "-57, 0, 50, 110\n",
           "CONTROL \"OK\", 1000, 0x80 /* Button */, BS_PUSHBUTTON | WS_TABSTOP | WS_CHILD | "
           "WS_VISIBLE, "
           "218, 104, 56, 14\n",
           "CONTROL \"Play MP3 File\", 1006, 0x80 /* Button */, BS_AUTORADIOBUTTON | WS_GROUP | "
           "WS_TABSTOP | WS_CHILD | WS_VISIBLE, 99, 42, 56, 8\n",
           "CONTROL \"Play Audio CD\", 1007, 0x80 /* Button */, BS_AUTORADIOBUTTON | WS_TABSTOP | "
           "WS_CHILD | WS_VISIBLE, 159, 42, 58, 8\n",
           "CONTROL \"\", 1009, 0x81 /* Edit */, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP "
           "| "
           "WS_CHILD | WS_VISIBLE, 100, 55, 112, 12\n",
           "CONTROL \"\", -1, 0x82 /* Static */, SS_BLACKFRAME | SS_SUNKEN | WS_CHILD | "
           "WS_VISIBLE, 4, 5, "
           "84, 76\n",
           "CONTROL \"Video Options\", -1, 0x80 /* Button */, BS_GROUPBOX | WS_CHILD | WS_VISIBLE, "
           "94, 2, "
           "179, 27\n",
           "CONTROL \"Frostmote\\n3D OpenGL ScreenSaver\\n\\nFree to share and enjoy\", -1, "
           "0x82 /* Static */, SS_CENTER | WS_GROUP | WS_CHILD | WS_VISIBLE, 5, 85, 81, 34\n",
           "CONTROL \"\", 1021, 0x85 /* ComboBox */, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | "
           "WS_CHILD | WS_VISIBLE, 163, 11, 104, 59\n",
           "CONTROL \"Button21\", 1022, 0x80 /* Button */, BS_OWNERDRAW | BS_FLAT | WS_CHILD | "
           "WS_VISIBLE, "
           "88, 5, 6, 6\n",
           "CONTROL \"Show FPS\", 1025, 0x80 /* Button */, BS_AUTOCHECKBOX | WS_TABSTOP | WS_CHILD "
           "| "
           "WS_VISIBLE, 221, 86, 47, 9\n",
           "CONTROL 111, -1, 0x82 /* Static */, SS_BITMAP | WS_CHILD | WS_VISIBLE, 5, 6, 81, 74\n",
       }) {
    EXPECT_NE(script.find(line), std::string::npos) << line;
  }
}

TEST(ResourceDialogs, TextsAreWrittenInTheResourceCompilersQuoting) {
  DialogTemplateData dialog;
  std::string error;
  ASSERT_TRUE(
      ParseDialogTemplate("dialog 7 0 0 10 10 \"Say \\\"hi\\\"\"\nfont 8 \"Sans\"\n"
                          "ltext - 1 2 3 4 \"C:\\\\Music\\nnext\"\n",
                          dialog, error))
      << error;
  const std::string script = dialogrc::ResourceDialog(dialog);
  EXPECT_NE(script.find("CAPTION \"Say \"\"hi\"\"\"\n"), std::string::npos) << script;
  EXPECT_NE(script.find("CONTROL \"C:\\\\Music\\nnext\", -1,"), std::string::npos) << script;
}

}  // namespace
}  // namespace frost
