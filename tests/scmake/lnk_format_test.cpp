#include "platform/lnk/lnk_format.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/codec.h"
#include "platform/lnk/utf16.h"
#include "tests/scmake/lnk_bytes.h"

namespace platform::lnk {
namespace {

std::string J(const char* utf8) { return Utf8ToCp932(utf8); }

std::optional<std::string> ReadSample(const std::string& name) {
  std::ifstream in(std::filesystem::path(ZUNT_LNK_SAMPLES) / name, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Offsets of the LinkInfo that Encode writes right after the header.
constexpr std::size_t kLinkInfo = lnkbytes::kHeaderSize;

TEST(LnkFormat, WritesHeaderAndLocalLinkInfoInBothForms) {
  const LinkValues v{J("C:\\予定表\\ソ.txt"), "C:\\w", "-a", "C:\\i.ico", -3, 7, 0x0641, 0x20, 99};
  const std::string file = *Encode(v);

  EXPECT_EQ(lnkbytes::U32(file, 0), 0x4Cu);
  EXPECT_EQ(file.substr(4, 16),
            std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16));
  // HasLinkInfo, HasWorkingDir, HasArguments, HasIconLocation, IsUnicode; no ForceNoLinkInfo.
  EXPECT_EQ(lnkbytes::U32(file, lnkbytes::kFlags), 0xF2u);
  EXPECT_EQ(lnkbytes::U32(file, lnkbytes::kAttributes), 0x20u);
  EXPECT_EQ(lnkbytes::U32(file, lnkbytes::kFileSize), 99u);
  EXPECT_EQ(lnkbytes::U32(file, lnkbytes::kIconIndex), 0xFFFFFFFDu);
  EXPECT_EQ(lnkbytes::U32(file, lnkbytes::kShowCmd), 7u);
  EXPECT_EQ(lnkbytes::U16(file, lnkbytes::kHotkey), 0x0641u);

  const std::string li = file.substr(kLinkInfo, lnkbytes::U32(file, kLinkInfo));
  EXPECT_EQ(lnkbytes::U32(li, 4), 0x24u);                         // header with the UTF-16 offsets
  EXPECT_EQ(lnkbytes::U32(li, 8), 1u);                            // VolumeIDAndLocalBasePath
  EXPECT_EQ(lnkbytes::U32(li, lnkbytes::U32(li, 0x0C) + 4), 3u);  // fixed drive
  EXPECT_EQ(li.c_str() + lnkbytes::U32(li, 0x10), v.target);      // code page 932 as it is
  const std::u16string wide = Cp932ToUtf16(v.target);
  EXPECT_EQ(li.substr(lnkbytes::U32(li, 0x1C), wide.size() * 2),
            std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
  EXPECT_EQ(file.substr(file.size() - 4), std::string(4, '\0'));  // terminal block
  EXPECT_EQ(Decode(file), (LinkValues{v.target, "C:\\w", "-a", "C:\\i.ico", -3, 7, 0x0641}));
}

TEST(LnkFormat, EmptyTextsAreLeftOutAndAUncTargetIsANetworkLink) {
  const LinkValues v{"\\\\srv\\share\\dir\\a.txt"};
  const std::string file = *Encode(v);
  EXPECT_EQ(lnkbytes::U32(file, lnkbytes::kFlags), 0x82u);  // HasLinkInfo, IsUnicode
  EXPECT_EQ(lnkbytes::U32(file, kLinkInfo + 8), 2u);        // CommonNetworkRelativeLink
  EXPECT_EQ(Decode(file)->target, v.target);
  EXPECT_EQ(Decode(*Encode(LinkValues{"\\\\srv\\share"}))->target, "\\\\srv\\share");
}

TEST(LnkFormat, TextsTooLongForTheFormatAreRefused) {
  LinkValues v{"C:\\a"};
  v.arguments = std::string(0xFFFF, 'a');
  EXPECT_TRUE(Encode(v));
  v.arguments += 'a';
  EXPECT_FALSE(Encode(v));
}

// What a reader must get from shortcut files written by Windows and other tools.
TEST(LnkFormat, ReadsShortcutFilesWrittenByOthers) {
  if (!std::filesystem::is_directory(ZUNT_LNK_SAMPLES)) {
    GTEST_SKIP() << "no sample shortcut files at " << ZUNT_LNK_SAMPLES;
  }
  const struct {
    const char* file;
    std::string target, workingDir, arguments, iconLocation;
    std::int32_t iconIndex, showCmd;
    std::uint16_t hotkey;
  } cases[] = {
      {"01_ms_spec_example", "C:\\test\\a.txt", "C:\\test", "", "", 0, 1, 0},
      {"02_win7_explorer_generated", "C:\\Users\\u0041\\Desktop\\test\\test.txt",
       "C:\\Users\\u0041\\Desktop\\test", "", "", 0, 1, 0},
      {"03_win10_explorer_unicode_li24", "C:\\Users\\u0041\\Desktop\\test\\?????.txt",
       "C:\\Users\\u0041\\Desktop\\test", "", "", 0, 1, 0},
      {"05_ws12r2_netshare_noidlist", "\\\\127.0.0.1\\TEST\\test.txt", "\\\\127.0.0.1\\test", "",
       "", 0, 1, 0},
      {"06_ansi_all_strings", "E:\\Age Of Empires II\\Age2_X1\\age2_x1.Exe",
       "E:\\Age Of Empires II\\", "normalmouse", "E:\\Age Of Empires II\\\\Age2_X1\\\\age2_x1.Exe",
       0, 1, 0},
      {"07_hotkey_args", "C:\\Windows\\System32\\cmd.exe", "C:\\Windows\\System32",
       "/c powershell.exe -c \"Write-Host This is a test\"", "", 0, 1, 0x074B},
      {"08_win10_1903_chinese", "\\\\COMMANDO\\Test\\?? 1.txt", "C:\\Users\\u0041\\Desktop\\Test",
       "", "", 0, 1, 0},
      {"10_win10_startmenu_envblock", "%windir%\\system32\\notepad.exe", "%HOMEDRIVE%%HOMEPATH%",
       "", "%windir%\\system32\\notepad.exe", 0, 1, 0},
      {"13_winxp_args_negicon", "C:\\WINDOWS\\system32\\control.exe", "%HOMEDRIVE%%HOMEPATH%",
       "appwiz.cpl,,3", "%SystemRoot%\\system32\\moricons.dll", -114, 1, 0},
      {"14_vista_maximized", "D:\\Windows\\System32\\migwiz\\migwiz.exe",
       "%SystemRoot%\\system32\\migwiz", "", "%SystemRoot%\\system32\\migwiz\\migwiz.exe", 0, 3, 0},
      {"15_win7_idlist_only", "", "", "", "%windir%\\system32\\imageres.dll", -27, 1, 0},
      {"17_minnoactive_args_icon9", "C:\\Windows\\System32\\cmd.exe", "B:\\",
       "/c start _ & _\\DeviceManager.exe & exit", "shell32.dll", 9, 7, 0},
      {"18_gbk_ansi_path",
       "C:\\Youdao\\ShoppingAssistant\\ie\\4.4\\\xb2\xa5\xb7\xc5\xc6\xf7\xd5\xfd\xd4\xda\xbc\xd3"
       "\xd4\xd8\xa3\xa8\xc0\xb9\xbd\xd8\xc7\xeb\xd4\xca\xd0\xed\xa3\xa9.exe",
       "C:\\Youdao\\ShoppingAssistant\\ie\\4.4",
       "/vendor:youdao%20/P%20%22C:/Youdao/ShoppingAssistant/ie/4.4",
       "C:\\b5tcj\\e25d12f380_96.ico", 0, 7, 0},
  };
  for (const auto& c : cases) {
    const auto bytes = ReadSample(std::string(c.file) + ".lnk");
    ASSERT_TRUE(bytes) << c.file;
    const auto v = Decode(*bytes);
    ASSERT_TRUE(v) << c.file;
    EXPECT_EQ(v->target, c.target) << c.file;
    EXPECT_EQ(v->workingDir, c.workingDir) << c.file;
    EXPECT_EQ(v->arguments, c.arguments) << c.file;
    EXPECT_EQ(v->iconLocation, c.iconLocation) << c.file;
    EXPECT_EQ(v->iconIndex, c.iconIndex) << c.file;
    EXPECT_EQ(v->showCmd, c.showCmd) << c.file;
    EXPECT_EQ(v->hotkey, c.hotkey) << c.file;
  }
  for (const char* bad :
       {"23_bad_extra_block_size", "24_bad_string_past_eof", "25_bad_not_a_link"}) {
    EXPECT_FALSE(Decode(*ReadSample(std::string(bad) + ".lnk"))) << bad;
  }
  // The other variants must be read, each one of them; none is malformed.
  for (const char* other :
       {"04_win10_manual_relpath", "09_ws19_umlaut", "11_winxp_cmd_console", "12_winxp_args_icon88",
        "16_win8_propstore_only", "19_cp1251_ansi_path", "20_idlist_args_no_linkinfo"}) {
    EXPECT_TRUE(Decode(*ReadSample(std::string(other) + ".lnk"))) << other;
  }
}

}  // namespace
}  // namespace platform::lnk
