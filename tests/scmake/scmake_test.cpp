#include "scmake/scmake.h"

#include <gtest/gtest.h>

#include "platform/codec.h"
#include "platform/fake_system.h"
#include "platform/lnk/lnk_shell_link.h"
#include "tests/scmake/lnk_bytes.h"
#include "text/sjis.h"

namespace zunt {
namespace {

std::string J(const char* utf8) { return platform::Utf8ToCp932(utf8); }

// The nine properties, as a user of the component sees them.
struct Props {
  std::string scDir = {}, scName = {}, linkPath = {}, workDir = {};
  WNDSTATE wndState = WNDSTATE::Normal;
  std::uint16_t scKey = 0;
  std::string iconPath = {};
  std::int32_t iconNo = 0;
  std::string argument = {};
  bool operator==(const Props&) const = default;
};

void Assign(TSCMake& sc, const Props& p) {
  sc.SetSCDir(p.scDir);
  sc.SetSCName(p.scName);
  sc.SetLinkPath(p.linkPath);
  sc.SetWorkDir(p.workDir);
  sc.SetWndState(p.wndState);
  sc.SetSCKey(p.scKey);
  sc.SetIconPath(p.iconPath);
  sc.SetIconNo(p.iconNo);
  sc.SetArgument(p.argument);
}

Props Read(const TSCMake& sc) {
  return {sc.SCDir(), sc.SCName(),   sc.LinkPath(), sc.WorkDir(), sc.WndState(),
          sc.SCKey(), sc.IconPath(), sc.IconNo(),   sc.Argument()};
}

std::ostream& operator<<(std::ostream& os, const Props& p) {
  return os << platform::Cp932ToUtf8(p.scDir) << " | " << platform::Cp932ToUtf8(p.scName) << " | "
            << platform::Cp932ToUtf8(p.linkPath) << " | " << platform::Cp932ToUtf8(p.workDir)
            << " | " << static_cast<int>(p.wndState) << " | " << std::hex << p.scKey << std::dec
            << " | " << platform::Cp932ToUtf8(p.iconPath) << " | " << p.iconNo << " | "
            << platform::Cp932ToUtf8(p.argument);
}

class ScMake : public ::testing::Test {
 protected:
  ScMake() {
    system.AddFolder("C:\\Links");
    system.AddFolder(J("C:\\予定表"));
    system.AddFile("C:\\tools\\tool.exe", 1234);
  }

  const std::string& File(const std::string& path) { return system.files.at(path); }

  platform::FakeSystem system;
  platform::LnkShellLinkService shell{system};
  TSCMake sc{shell};
};

TEST_F(ScMake, NineValuesRoundTripThroughAFile) {
  const std::string longText(5000, 'x');  // far past the shell's old 260-byte buffers
  const Props cases[] = {
      {"C:\\Links", "tool", "C:\\tools\\tool.exe", "C:\\tools", WNDSTATE::Maximize,
       0x46 | 0x4000 | 0x8000, "C:\\tools\\tool.exe", 2, "/a /b"},
      {J("C:\\予定表"), J("ソ表"), J("C:\\予定表\\ソ表.txt"), J("C:\\予定表"), WNDSTATE::Minimize,
       0x70, J("C:\\表\\icons.dll"), -114, J("\"C:\\ソ\\a b.txt\" /x")},
      {"C:\\Links", "with blank", "C:\\Program Files\\a b.exe", "C:\\Program Files",
       WNDSTATE::Normal, 0x2041, "C:\\Program Files\\a b.ico", 0, "one two  three"},
      {"C:\\Links", "bare", "C:\\tools\\tool.exe", "", WNDSTATE::Normal, 0, "", 0, ""},
      {"C:\\Links", "long", "C:\\tools\\" + longText, longText, WNDSTATE::Normal, 0x41,
       "C:\\" + longText, 7, longText},
      {"C:\\", "rooted", "C:\\tools\\tool.exe", "", WNDSTATE::Maximize, 0, "", 0, ""},
  };
  for (const Props& p : cases) {
    Assign(sc, p);
    ASSERT_EQ(sc.MakeLink(), 0) << p;

    const std::string sep = text::EndsWithBackslash(p.scDir) ? "" : "\\";
    TSCMake reader(shell);
    ASSERT_EQ(reader.ReadLink(p.scDir + sep + p.scName + ".lnk"), 0) << p;
    EXPECT_EQ(Read(reader), p);
  }
}

TEST_F(ScMake, RootFolderGivesADoubledBackslashThatNamesTheRootFile) {
  Assign(sc, {"C:\\", "Tool", "C:\\tools\\tool.exe"});
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_TRUE(system.files.count("C:\\Tool.lnk"));

  TSCMake reader(shell);
  ASSERT_EQ(reader.ReadLink("C:\\Tool.lnk"), 0);
  EXPECT_EQ(reader.SCDir(), "C:\\");
  EXPECT_EQ(reader.SCName(), "Tool");
  EXPECT_EQ(reader.LinkPath(), "C:\\tools\\tool.exe");
}

TEST_F(ScMake, FreshInstanceWritesShowCommandZero) {
  EXPECT_EQ(sc.WndState(), WNDSTATE::Normal);
  EXPECT_EQ(sc.SCKey(), 0);
  sc.SetSCDir("D:\\Links");
  sc.SetSCName("readme.txt");
  sc.SetLinkPath("C:\\tools\\tool.exe");
  system.AddFolder("D:\\Links");
  ASSERT_EQ(sc.MakeLink(), 0);
  const std::string& file = File("D:\\Links\\readme.txt.lnk");  // keeps the target's extension
  EXPECT_EQ(lnkbytes::U32(file, lnkbytes::kShowCmd), 0u);
  EXPECT_EQ(lnkbytes::U16(file, lnkbytes::kHotkey), 0u);
}

TEST_F(ScMake, WndStateIsWrittenInTheShellsForm) {
  const struct {
    WNDSTATE state;
    std::uint32_t stored;
  } cases[] = {{WNDSTATE::Normal, 5}, {WNDSTATE::Maximize, 3}, {WNDSTATE::Minimize, 7}};
  Assign(sc, {"C:\\Links", "a", "C:\\tools\\tool.exe"});
  for (const auto& c : cases) {
    sc.SetWndState(c.state);
    ASSERT_EQ(sc.MakeLink(), 0);
    EXPECT_EQ(lnkbytes::U32(File("C:\\Links\\a.lnk"), lnkbytes::kShowCmd), c.stored);
  }
}

TEST_F(ScMake, ShowCommandAndHotkeyReadFromAFileAreWrittenBackAsStored) {
  Assign(sc, {"C:\\Links", "a", "C:\\tools\\tool.exe"});
  ASSERT_EQ(sc.MakeLink(), 0);
  std::string file = File("C:\\Links\\a.lnk");
  lnkbytes::Put32(file, lnkbytes::kShowCmd, 1);      // SW_SHOWNORMAL
  lnkbytes::Put16(file, lnkbytes::kHotkey, 0x0946);  // Shift, extended key, F
  system.files["C:\\Links\\b.lnk"] = file;

  ASSERT_EQ(sc.ReadLink("C:\\Links\\b.lnk"), 0);
  EXPECT_EQ(sc.WndState(), WNDSTATE::Normal);
  EXPECT_EQ(sc.SCKey(), 0x2046);
  sc.SetSCName("c");
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_EQ(lnkbytes::U32(File("C:\\Links\\c.lnk"), lnkbytes::kShowCmd), 1u);
  EXPECT_EQ(lnkbytes::U16(File("C:\\Links\\c.lnk"), lnkbytes::kHotkey), 0x0946u);
}

TEST_F(ScMake, HotkeyOfModifiersAloneIsClearedOnlyByAMakeLinkThatRuns) {
  Assign(sc, {"C:\\Links", "a", "C:\\tools\\tool.exe"});
  ASSERT_EQ(sc.MakeLink(), 0);
  std::string file = File("C:\\Links\\a.lnk");
  lnkbytes::Put16(file, lnkbytes::kHotkey, 0x0300);  // Shift+Ctrl, no key
  system.files["C:\\Links\\mods.lnk"] = file;
  ASSERT_EQ(sc.ReadLink("C:\\Links\\mods.lnk"), 0);
  EXPECT_EQ(sc.SCKey(), 0x6000);

  sc.SetLinkPath("");
  system.files.clear();
  EXPECT_EQ(sc.MakeLink(), -1);
  EXPECT_EQ(sc.SCKey(), 0x6000);

  sc.SetLinkPath("C:\\tools\\tool.exe");
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_EQ(sc.SCKey(), 0);
  EXPECT_EQ(lnkbytes::U16(File("C:\\Links\\mods.lnk"), lnkbytes::kHotkey), 0u);
}

TEST_F(ScMake, MakeLinkNeedsNameFolderAndTarget) {
  const Props full{"C:\\Links", "a", "C:\\tools\\tool.exe"};
  for (std::string Props::*empty : {&Props::scName, &Props::scDir, &Props::linkPath}) {
    Props p = full;
    p.*empty = "";
    Assign(sc, p);
    EXPECT_EQ(sc.MakeLink(), -1);
    EXPECT_TRUE(system.files.empty());
  }
}

TEST_F(ScMake, SaveFailuresAreNegativeAndLeaveNoFile) {
  Assign(sc, {"C:\\Missing", "a", "C:\\tools\\tool.exe"});
  EXPECT_EQ(sc.MakeLink(), platform::kEPathNotFound);
  sc.SetSCDir("E:\\");  // no such drive
  EXPECT_EQ(sc.MakeLink(), platform::kEPathNotFound);
  system.unwritable.push_back("C:\\Links\\a.lnk");
  sc.SetSCDir("C:\\Links");
  EXPECT_EQ(sc.MakeLink(), platform::kEAccessDenied);
  sc.SetArgument(std::string(0x10000, 'a'));  // more than a shortcut file can hold
  sc.SetSCName("b");
  EXPECT_EQ(sc.MakeLink(), platform::kEInvalidArg);
  EXPECT_TRUE(system.files.empty());
}

TEST_F(ScMake, ReadLinkTakesOnlyTheLnkExtension) {
  Assign(sc, {"C:\\x", "Tool", "C:\\tools\\tool.exe"});
  system.AddFolder("C:\\x");
  ASSERT_EQ(sc.MakeLink(), 0);
  const std::string link = File("C:\\x\\Tool.lnk");
  for (const char* name : {"C:\\x\\Tool", "C:\\x\\Tool.lnk.bak"}) system.files[name] = link;
  system.files["C:\\x\\Tool.LNK"] = link;

  TSCMake reader(shell);
  const Props before{"D:\\old",     "old", "D:\\old.exe", "D:\\", WNDSTATE::Maximize, 0x41,
                     "D:\\old.ico", 3,     "-old"};
  Assign(reader, before);
  EXPECT_EQ(reader.ReadLink("C:\\x\\Tool"), -1);
  EXPECT_EQ(reader.ReadLink("C:\\x\\Tool.lnk.bak"), -1);
  EXPECT_EQ(Read(reader), before);
  ASSERT_EQ(reader.ReadLink("C:\\x\\Tool.LNK"), 0);
  EXPECT_EQ(reader.SCName(), "Tool");
  EXPECT_EQ(reader.SCDir(), "C:\\x");
  EXPECT_EQ(reader.LinkPath(), "C:\\tools\\tool.exe");
}

TEST_F(ScMake, HeaderCarriesTheTargetsAttributesWhenItExists) {
  Assign(sc, {"C:\\Links", "a", "C:\\tools\\tool.exe"});
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_EQ(lnkbytes::U32(File("C:\\Links\\a.lnk"), lnkbytes::kAttributes), 0x20u);
  EXPECT_EQ(lnkbytes::U32(File("C:\\Links\\a.lnk"), lnkbytes::kFileSize), 1234u);
  sc.SetLinkPath("C:\\tools");
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_EQ(lnkbytes::U32(File("C:\\Links\\a.lnk"), lnkbytes::kAttributes), 0x10u);
  sc.SetLinkPath("C:\\gone.exe");
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_EQ(lnkbytes::U32(File("C:\\Links\\a.lnk"), lnkbytes::kAttributes), 0u);
}

TEST_F(ScMake, RelativeTargetIsMadeAbsoluteAgainstTheCurrentFolder) {
  system.currentDir = "C:\\tools";
  Assign(sc, {"C:\\Links", "a", "tool.exe"});
  ASSERT_EQ(sc.MakeLink(), 0);
  ASSERT_EQ(sc.ReadLink("C:\\Links\\a.lnk"), 0);
  EXPECT_EQ(sc.LinkPath(), "C:\\tools\\tool.exe");
}

TEST(ScMakeService, EachInstanceInitialisesOnceAndUninitialisesOnce) {
  platform::FakeSystem system;
  platform::LnkShellLinkService shell(system);
  {
    TSCMake a(shell);
    TSCMake b(shell);
    EXPECT_EQ(shell.Initializations(), 2);
    EXPECT_EQ(shell.Uninitializations(), 0);
  }
  EXPECT_EQ(shell.Initializations(), 2);
  EXPECT_EQ(shell.Uninitializations(), 2);
  std::unique_ptr<platform::ShellLink> link;
  EXPECT_EQ(shell.CreateShellLink(link), platform::kCoENotInitialized);
}

// A link service whose object creation or interface query fails.
class FailingService : public platform::ShellLinkService {
 public:
  platform::HResult createResult = platform::kSOk;
  platform::HResult queryResult = platform::kSOk;
  int created = 0;

  void Initialize() override {}
  void Uninitialize() override {}
  platform::HResult CreateShellLink(std::unique_ptr<platform::ShellLink>& link) override;
};

class NoFileLink : public platform::ShellLink {
 public:
  explicit NoFileLink(platform::HResult r) : result_(r) {}
  void SetPath(std::string_view) override {}
  void SetWorkingDirectory(std::string_view) override {}
  void SetShowCmd(std::int32_t) override {}
  void SetHotkey(std::uint16_t) override {}
  void SetIconLocation(std::string_view, std::int32_t) override {}
  void SetArguments(std::string_view) override {}
  std::string GetPath() const override { return "X"; }
  std::string GetWorkingDirectory() const override { return "X"; }
  std::int32_t GetShowCmd() const override { return 3; }
  std::uint16_t GetHotkey() const override { return 0x41; }
  std::string GetIconLocation(std::int32_t& index) const override {
    index = 9;
    return "X";
  }
  std::string GetArguments() const override { return "X"; }
  platform::HResult QueryPersistFile(platform::PersistFile*&) override { return result_; }

 private:
  platform::HResult result_;
};

platform::HResult FailingService::CreateShellLink(std::unique_ptr<platform::ShellLink>& link) {
  ++created;
  if (createResult < 0) return createResult;
  link = std::make_unique<NoFileLink>(queryResult);
  return platform::kSOk;
}

TEST(ScMakeService, ServiceFailuresPassThroughMakeLinkAndFailReadLink) {
  const platform::HResult kClassNotRegistered = static_cast<platform::HResult>(0x80040154);
  const Props before{"C:\\Links", "a",         "C:\\t.exe", "C:\\", WNDSTATE::Minimize,
                     0x41,        "C:\\i.ico", 1,           "-x"};
  const struct {
    platform::HResult create, query;
  } cases[] = {{kClassNotRegistered, platform::kSOk}, {platform::kSOk, platform::kENoInterface}};
  for (const auto& c : cases) {
    FailingService service;
    service.createResult = c.create;
    service.queryResult = c.query;
    TSCMake sc(service);
    Assign(sc, before);
    EXPECT_EQ(sc.MakeLink(), c.create < 0 ? c.create : c.query);
    EXPECT_EQ(sc.ReadLink("C:\\Links\\a.lnk"), -1);
    EXPECT_EQ(Read(sc), before);
  }
  FailingService service;
  TSCMake sc(service);
  EXPECT_EQ(sc.MakeLink(), -1);
  EXPECT_EQ(service.created, 0);  // a missing property creates no object
}

}  // namespace
}  // namespace zunt
