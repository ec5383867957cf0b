// The About dialog's procedure: its return values, and the "visit" buttons that ask the
// browser for their page on every click while the dialog stays open.
#include "settings/about_dialog.h"

#include <gtest/gtest.h>

#include <set>

#include "support/fake_dialog_view.h"
#include "support/fake_platform.h"

namespace frost {
namespace {

using namespace AboutControl;
using testing::FakeDialogView;
using testing::ScopedFakePlatform;

constexpr int kVisitButtons[] = {kVisitAuthor, kVisitSkyArtist, kVisitSponsor, kVisitSoundLibrary,
                                 kVisitInstaller};

class AboutDialogTest : public ::testing::Test {
 protected:
  ScopedFakePlatform os;
  FakeDialogView view{AboutDialogProc};
};

TEST_F(AboutDialogTest, InitLeavesTheFocusToTheHost) {
  EXPECT_TRUE(view.Init());
  EXPECT_TRUE(view.log.empty());
  EXPECT_TRUE(os->calls.empty());
}

TEST_F(AboutDialogTest, EveryVisitClickOpensItsOwnPageAgain) {
  view.Init();
  for (int id : kVisitButtons) {
    EXPECT_FALSE(view.Command(id)) << id;
    EXPECT_FALSE(view.Command(id)) << id;
  }
  ASSERT_EQ(os->openedAddresses.size(), 10u);
  std::set<std::string> distinct;
  for (std::size_t i = 0; i < 10; i += 2) {
    EXPECT_EQ(os->openedAddresses[i], os->openedAddresses[i + 1]);
    EXPECT_EQ(os->openedAddresses[i], VisitAddress(kVisitButtons[i / 2]));
    EXPECT_EQ(os->openedAddresses[i].rfind("https://", 0), 0u) << os->openedAddresses[i];
    distinct.insert(os->openedAddresses[i]);
  }
  EXPECT_EQ(distinct.size(), 5u) << "each credit has a page of its own";
  EXPECT_EQ(os->openedAddresses[6], "https://www.mpg123.de/") << "the decoder under our sound";
  EXPECT_EQ(os->openedAddresses[8], "https://nsis.sourceforge.io/") << "the installer's maker";
  EXPECT_FALSE(view.ended) << "the dialog stays open";
}

TEST_F(AboutDialogTest, CloseBoxEndsWithOne) {
  view.Init();
  EXPECT_FALSE(view.Close());
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.result, 1);
  EXPECT_TRUE(os->openedAddresses.empty());
}

TEST_F(AboutDialogTest, EnterEscapeAndOtherIdsDoNothing) {
  view.Init();
  for (int id : {kEnterCommand, kEscapeCommand, 1001, 1006, 0}) {
    EXPECT_TRUE(view.Command(id)) << id;
    EXPECT_EQ(VisitAddress(id), nullptr) << id;
  }
  EXPECT_FALSE(view.Other());
  EXPECT_TRUE(os->openedAddresses.empty());
  EXPECT_FALSE(view.ended);
}

}  // namespace
}  // namespace frost
