// Malformed shortcut files: ReadLink fails with -1, reads nothing outside the file and changes
// no property.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/fake_system.h"
#include "platform/lnk/lnk_shell_link.h"
#include "scmake/scmake.h"
#include "tests/scmake/lnk_bytes.h"

namespace zunt {
namespace {

using lnkbytes::Put16;
using lnkbytes::Put32;
using lnkbytes::U32;

constexpr std::size_t kLinkInfo = lnkbytes::kHeaderSize;
constexpr std::uint32_t kHasIdList = 0x01;
constexpr std::uint32_t kNetworkLink = 0x02;

class CorruptLink : public ::testing::Test {
 protected:
  CorruptLink() {
    system.AddFolder("C:\\Links");
    Reset("good");
    EXPECT_EQ(sc.MakeLink(), 0);
    good = system.files.at("C:\\Links\\good.lnk");
    Reset("before");
  }

  void Reset(const char* name) {
    sc.SetSCDir("C:\\Links");
    sc.SetSCName(name);
    sc.SetLinkPath("C:\\tools\\tool.exe");
    sc.SetWorkDir("C:\\tools");
    sc.SetWndState(WNDSTATE::Maximize);
    sc.SetSCKey(0x4041);
    sc.SetIconPath("C:\\tool.ico");
    sc.SetIconNo(4);
    sc.SetArgument("-x");
  }

  // Offsets in the good file.
  std::uint32_t LinkInfoSize() const { return U32(good, kLinkInfo); }
  std::size_t LinkInfoField(std::size_t at) const { return kLinkInfo + at; }
  std::size_t Strings() const { return kLinkInfo + LinkInfoSize(); }
  std::size_t Terminal() const { return good.size() - 4; }
  // The count of the icon location, the last of the three strings (9 UTF-16 units).
  std::size_t LastString() const {
    std::size_t at = Strings();
    for (int skip = 0; skip < 2; ++skip) at += 2 + 2 * (U32(good, at) & 0xFFFF);
    return at;
  }

  // The good file with an item ID list of the given items before its LinkInfo.
  std::string WithIdList(const std::string& items) const {
    std::string file = good;
    Put32(file, lnkbytes::kFlags, U32(file, lnkbytes::kFlags) | kHasIdList);
    std::string list(2, '\0');
    Put16(list, 0, static_cast<std::uint32_t>(items.size()));
    return file.insert(kLinkInfo, list + items);
  }

  void ExpectRefused(const std::string& bytes, const std::string& what) {
    system.files["C:\\Links\\bad.lnk"] = bytes;
    EXPECT_EQ(sc.ReadLink("C:\\Links\\bad.lnk"), -1) << what;
    EXPECT_EQ(sc.SCName(), "before") << what;
    EXPECT_EQ(sc.SCDir(), "C:\\Links") << what;
    EXPECT_EQ(sc.LinkPath(), "C:\\tools\\tool.exe") << what;
    EXPECT_EQ(sc.WorkDir(), "C:\\tools") << what;
    EXPECT_EQ(sc.WndState(), WNDSTATE::Maximize) << what;
    EXPECT_EQ(sc.SCKey(), 0x4041) << what;
    EXPECT_EQ(sc.IconPath(), "C:\\tool.ico") << what;
    EXPECT_EQ(sc.IconNo(), 4) << what;
    EXPECT_EQ(sc.Argument(), "-x") << what;
    Reset("before");
  }

  platform::FakeSystem system;
  platform::LnkShellLinkService shell{system};
  TSCMake sc{shell};
  std::string good;
};

TEST_F(CorruptLink, TheUnchangedFilesAreRead) {
  const std::string item("\x06\x00\x1F\x50\x01\x02", 6);
  for (const std::string& file : {good, WithIdList(item + std::string(2, '\0'))}) {
    TSCMake reader(shell);
    system.files["C:\\Links\\ok.lnk"] = file;
    ASSERT_EQ(reader.ReadLink("C:\\Links\\ok.lnk"), 0);
    EXPECT_EQ(reader.LinkPath(), "C:\\tools\\tool.exe");
    EXPECT_EQ(reader.Argument(), "-x");
  }
}

TEST_F(CorruptLink, EveryTruncationIsRefused) {
  const std::string withIdList = WithIdList(std::string("\x04\x00\x01\x02\x00\x00", 6));
  for (const std::string* file : {&std::as_const(good), &withIdList}) {
    for (std::size_t size = 0; size < file->size(); ++size) {
      ExpectRefused(file->substr(0, size), "truncated to " + std::to_string(size));
    }
  }
}

TEST_F(CorruptLink, SizesCountsAndOffsetsOutsideTheirStructureAreRefused) {
  const std::uint32_t liSize = LinkInfoSize();
  const std::uint32_t past = 0xFFFFFFF0;
  const struct {
    const char* what;
    std::function<void(std::string&)> damage;
  } cases[] = {
      {"header size", [](std::string& f) { Put32(f, 0, 0x4D); }},
      {"class id", [](std::string& f) { f[19] = 0x47; }},
      {"LinkInfo size past the end", [&](std::string& f) { Put32(f, kLinkInfo, past); }},
      {"LinkInfo size one past the end",
       [&](std::string& f) {
         Put32(f, kLinkInfo, static_cast<std::uint32_t>(f.size() - kLinkInfo + 1));
       }},
      {"LinkInfo size below its header", [&](std::string& f) { Put32(f, kLinkInfo, 0x10); }},
      {"LinkInfo header size past it",
       [&](std::string& f) { Put32(f, LinkInfoField(4), liSize + 4); }},
      {"LinkInfo header size too small", [&](std::string& f) { Put32(f, LinkInfoField(4), 8); }},
      {"VolumeID offset past LinkInfo",
       [&](std::string& f) { Put32(f, LinkInfoField(0x0C), past); }},
      {"VolumeID size past LinkInfo",
       [&](std::string& f) { Put32(f, LinkInfoField(U32(f, LinkInfoField(0x0C))), liSize); }},
      {"UTF-16 base path offset past LinkInfo",
       [&](std::string& f) { Put32(f, LinkInfoField(0x1C), liSize); }},
      {"UTF-16 base path without its NUL",
       [&](std::string& f) { Put32(f, LinkInfoField(0x1C), liSize - 1); }},
      {"code page base path offset past LinkInfo",
       [&](std::string& f) {
         Put32(f, LinkInfoField(0x1C), 0);
         Put32(f, LinkInfoField(0x10), past);
       }},
      {"suffix offset past LinkInfo", [&](std::string& f) { Put32(f, LinkInfoField(0x18), past); }},
      {"UTF-16 suffix offset past LinkInfo",
       [&](std::string& f) { Put32(f, LinkInfoField(0x20), liSize + 2); }},
      {"network link offset past LinkInfo",
       [&](std::string& f) {
         Put32(f, LinkInfoField(8), 1 | kNetworkLink);
         Put32(f, LinkInfoField(0x14), liSize);
       }},
      {"network link size past LinkInfo",
       [&](std::string& f) {
         Put32(f, LinkInfoField(8), kNetworkLink);
         Put32(f, LinkInfoField(0x14), 0x24);
         Put32(f, LinkInfoField(0x24), liSize);
       }},
      {"network name offset past its link",
       [&](std::string& f) {
         Put32(f, LinkInfoField(8), kNetworkLink);
         Put32(f, LinkInfoField(0x14), 0x24);
         Put32(f, LinkInfoField(0x24), 0x14);
         Put32(f, LinkInfoField(0x24 + 8), 0x100);
       }},
      {"string count past the end", [&](std::string& f) { Put16(f, Strings(), 0xFFFF); }},
      {"last string one unit longer", [&](std::string& f) { Put16(f, LastString(), 10); }},
      {"extra data size 1", [&](std::string& f) { Put32(f, Terminal(), 1); }},
      {"extra data size 2", [&](std::string& f) { Put32(f, Terminal(), 2); }},
      {"extra data size 3", [&](std::string& f) { Put32(f, Terminal(), 3); }},
      {"extra data size 4, no room for its signature",
       [&](std::string& f) { Put32(f, Terminal(), 4); }},
      {"extra data past the end", [&](std::string& f) { Put32(f, Terminal(), 8); }},
      {"extra data size huge", [&](std::string& f) { Put32(f, Terminal(), past); }},
      {"environment block of the wrong size",
       [&](std::string& f) {
         std::string block(16, '\0');
         Put32(block, 0, 16);
         Put32(block, 4, 0xA0000001);
         f.insert(Terminal(), block);
       }},
  };
  for (const auto& c : cases) {
    std::string file = good;
    c.damage(file);
    ExpectRefused(file, c.what);
  }
}

TEST_F(CorruptLink, ItemIdListsThatDoNotFitAreRefused) {
  const struct {
    const char* what;
    std::string items;
  } cases[] = {
      {"no terminal ID", std::string("\x04\x00\x01\x02", 4)},
      {"item past the list", std::string("\x09\x00\x01\x02\x00\x00", 6)},
      {"item of size 1", std::string("\x01\x00\x00\x00", 4)},
      {"empty list", std::string()},
  };
  for (const auto& c : cases) ExpectRefused(WithIdList(c.items), c.what);

  std::string sizePastEnd = WithIdList(std::string(2, '\0'));
  Put16(sizePastEnd, kLinkInfo, 0xFFFF);
  ExpectRefused(sizePastEnd, "list size past the end");
}

}  // namespace
}  // namespace zunt
