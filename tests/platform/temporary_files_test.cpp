// Writes and copies go through a temporary file beside the target; a run stopped at any step
// leaves the target old or new, and the next run removes what it left beside.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/io_error.h"
#include "platform/temporary_files.h"
#include "support/test_drive.h"

namespace tavi::platform {
namespace {

using testing::TestDrive;
using testing::TestDriveOptions;
using Names = std::vector<std::string>;

TEST(TemporaryNames, OnlyTheFullPatternIsOurs) {
  struct Case {
    const char* name;
    bool ours;
  };
  const Case cases[] = {
      {"SettingInf2.pdf.tavi-1220683210.tmp", true},
      {"Tavi Scan.lnk.tavi-857875130.tmp", true},
      {"x.tavi-0.tmp", true},
      {"x.tavi-12a.tmp", false},
      {"x.tavi-.tmp", false},
      {"x.tmp", false},
      {"x.tavi-12.tmp.bak", false},
      {".tavi-12.tmp", false},
      {"x.tavi-12.TMP", false},
      {"x.TAVI-12.tmp", false},
      {"x-12.tmp", false},
      {"x.tavi12.tmp", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isTemporaryName(c.name), c.ours) << c.name;
  }
  const std::string made = "datLimit.dat" + temporarySuffix();
  EXPECT_TRUE(isTemporaryName(made)) << made;
  EXPECT_NE(made, "datLimit.dat" + temporarySuffix());
}

TEST(TemporaryNames, TheSweepRemovesOurLeftOversAndNothingElse) {
  TestDrive drive;
  const Names leftOvers = {"datLimit.dat.tavi-1220683210.tmp", "Tavi Scan.lnk.tavi-857875130.tmp"};
  const Names others = {
      "datLimit.dat",      "x.tavi-12a.tmp", "x.tavi-.tmp",       "x.tmp",
      "x.tavi-12.tmp.bak", ".tavi-12.tmp",   "notes.tavi-12.txt", "x.tavi-12.tmp2"};
  for (const std::string& name : leftOvers)
    drive.write(R"(C:\KivTanOr5\)" + name, "left over");
  for (const std::string& name : others)
    drive.write(R"(C:\KivTanOr5\)" + name, "keep");
  // A folder of that name is no file of ours; neither is a left-over in another folder.
  drive.makeFolder(R"(C:\KivTanOr5\box.tavi-5.tmp)");
  drive.write(R"(C:\KivTanOr5\PrepSwich\DopButt211.dat.tavi-7.tmp)", "");

  drive.platform().removeTemporaryFiles(R"(C:\kivtanor5)");
  Names expected = others;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(drive.filesIn(R"(C:\KivTanOr5)"), expected);
  EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\box.tavi-5.tmp)"));
  EXPECT_TRUE(drive.exists(R"(C:\KivTanOr5\PrepSwich\DopButt211.dat.tavi-7.tmp)"));
  // A missing folder is nothing to do.
  EXPECT_NO_THROW(drive.platform().removeTemporaryFiles(R"(C:\NoSuchFolder)"));
}

struct Stopped {};

// The folder as a crash at one step of a write or copy leaves it.
struct Snapshot {
  WriteStep step;
  std::map<std::string, std::string> files;
};

constexpr char kFolder[] = R"(C:\KivTanOr5)";
constexpr char kTarget[] = R"(C:\KivTanOr5\datFontScale.dat)";

// The target's bytes and the names beside it; a temporary file being written may be open to
// its writer alone.
std::map<std::string, std::string> folderSeen(const TestDrive& drive) {
  std::map<std::string, std::string> files;
  for (const std::string& name : drive.filesIn(kFolder))
    files[name] = name == "datFontScale.dat" ? drive.read(kTarget) : "";
  return files;
}

// Every write and every copy, to an existing target and to a new one, stopped at each step:
// the target is never missing, never half written, and what stays beside it is ours to sweep.
TEST(TemporaryNames, AStopAtAnyStepLeavesTheTargetOldOrNew) {
  const std::string kNew(200 * 1024, 'n');
  for (const bool copying : {false, true}) {
    for (const bool existed : {true, false}) {
      for (const std::optional<WriteStep> stopAt :
           {std::optional<WriteStep>{}, std::optional{WriteStep::TemporaryCreated},
            std::optional{WriteStep::TemporaryWritten}, std::optional{WriteStep::SwappedIn}}) {
        SCOPED_TRACE(std::string(copying ? "copy" : "write") + (existed ? ", replacing" : ", new") +
                     ", stopped at step " + (stopAt ? std::to_string(int(*stopAt)) : "none"));
        std::vector<Snapshot> snapshots;
        TestDrive* watched = nullptr;
        TestDriveOptions options;
        options.atWriteStep = [&](std::string_view path, WriteStep step) {
          EXPECT_EQ(path, kTarget);
          snapshots.push_back({step, folderSeen(*watched)});
          if (stopAt == step) throw Stopped{};
        };
        TestDrive drive(options);
        watched = &drive;
        drive.write(R"(C:\Medium\datFontScale.dat)", kNew);
        if (existed) drive.write(kTarget, "old");
        const bool stopped = [&] {
          try {
            if (copying) {
              drive.platform().replaceFile(R"(C:\Medium\datFontScale.dat)", kTarget);
            } else {
              drive.platform().writeFile(kTarget, kNew);
            }
            return false;
          } catch (const Stopped&) {
            return true;
          }
        }();
        EXPECT_EQ(stopped, stopAt.has_value());

        const std::size_t steps = stopAt ? std::size_t(*stopAt) + 1 : 3;
        ASSERT_EQ(snapshots.size(), steps);
        for (std::size_t at = 0; at < steps; ++at) {
          const Snapshot& seen = snapshots[at];
          EXPECT_EQ(int(seen.step), int(at));
          const bool swapped = seen.step == WriteStep::SwappedIn;
          if (swapped || existed) {
            ASSERT_EQ(seen.files.count("datFontScale.dat"), 1u);
            EXPECT_EQ(seen.files.at("datFontScale.dat"), swapped ? kNew : "old");
          }
          for (const auto& [name, bytes] : seen.files) {
            if (name == "datFontScale.dat") continue;
            EXPECT_FALSE(swapped) << name << " stays beside the target";
            EXPECT_TRUE(name.starts_with("datFontScale.dat") && isTemporaryName(name)) << name;
          }
          EXPECT_EQ(seen.files.size(), swapped || !existed ? 1u : 2u)
              << ::testing::PrintToString(seen.files);
        }
        // A stopped write removes its temporary file as it unwinds; the target is untouched.
        const auto after = folderSeen(drive);
        const bool done = !stopAt || stopAt == WriteStep::SwappedIn;
        if (done) {
          EXPECT_EQ(after, (std::map<std::string, std::string>{{"datFontScale.dat", kNew}}));
        } else if (existed) {
          EXPECT_EQ(after, (std::map<std::string, std::string>{{"datFontScale.dat", "old"}}));
        } else {
          EXPECT_TRUE(after.empty()) << ::testing::PrintToString(after);
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavi::platform
