// Shortcut files written by MakeLink, read by another program: liblnk's lnkinfo.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/codec.h"
#include "platform/fake_system.h"
#include "platform/lnk/lnk_shell_link.h"
#include "scmake/scmake.h"
#include "tests/scmake/lnk_bytes.h"

extern char** environ;

namespace zunt {
namespace {

std::string J(const char* utf8) { return platform::Utf8ToCp932(utf8); }

// Runs a program with an argument vector; its standard output, or nullopt when it cannot start.
std::optional<std::string> RunProgram(std::vector<std::string> args) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  std::string out;
  char buf[4096];
  for (ssize_t n; started == 0 && (n = read(pipeFds[0], buf, sizeof buf)) > 0;) out.append(buf, n);
  close(pipeFds[0]);
  if (started != 0) return std::nullopt;
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) return std::nullopt;
  return out;
}

// "\tLocal path\t\t\t: C:\x" -> {"Local path", "C:\x"}
std::map<std::string, std::string> Fields(const std::string& report) {
  std::map<std::string, std::string> fields;
  std::size_t pos = 0;
  while (pos < report.size()) {
    std::size_t end = report.find('\n', pos);
    if (end == std::string::npos) end = report.size();
    const std::string line = report.substr(pos, end - pos);
    pos = end + 1;
    const std::size_t colon = line.find(": ");
    if (line.empty() || line[0] != '\t' || colon == std::string::npos) continue;
    std::string name = line.substr(1, colon - 1);
    name.erase(name.find_last_not_of('\t') + 1);
    fields.emplace(name, line.substr(colon + 2));
  }
  return fields;
}

TEST(LnkInfo, ReadsWhatMakeLinkWrites) {
  if (!RunProgram({"lnkinfo", "-V"})) GTEST_SKIP() << "lnkinfo is not installed (liblnk-utils)";
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zunt-lnkinfo-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);

  const std::string longText(1000, 'L');
  const struct {
    std::string target, workDir, args, icon;
    std::int32_t iconNo;
    WNDSTATE state;
    std::uint16_t key;
    std::uint32_t showCmd, hotkey;
  } cases[] = {
      {"C:\\tools\\tool.exe", "C:\\tools", "-a -b", "C:\\tools\\tool.ico", 1, WNDSTATE::Maximize,
       0x46 | 0x4000 | 0x8000, 3, 0x0646},
      // 表 and ソ end in the byte 0x5C.
      {J("C:\\予定表\\ソフト.exe"), J("C:\\予定表"), J("\"C:\\表\\a b.txt\""),
       J("C:\\ソ\\アイコン.dll"), -114, WNDSTATE::Minimize, 0x2070, 7, 0x0170},
      {"C:\\Program Files\\a b.exe", "C:\\Program Files", "one  two", "C:\\a b.ico", 0,
       WNDSTATE::Normal, 0, 5, 0},
      {"C:\\bare.exe", "", "", "", 0, WNDSTATE::Normal, 0, 5, 0},
      {"C:\\" + longText, "C:\\" + longText, longText, "C:\\" + longText, 2, WNDSTATE::Normal, 0, 5,
       0},
  };
  int n = 0;
  for (const auto& c : cases) {
    platform::FakeSystem system;
    system.AddFolder("C:\\Links");
    platform::LnkShellLinkService shell(system);
    TSCMake sc(shell);
    sc.SetSCDir("C:\\Links");
    sc.SetSCName("a");
    sc.SetLinkPath(c.target);
    sc.SetWorkDir(c.workDir);
    sc.SetArgument(c.args);
    sc.SetIconPath(c.icon);
    sc.SetIconNo(c.iconNo);
    sc.SetWndState(c.state);
    sc.SetSCKey(c.key);
    ASSERT_EQ(sc.MakeLink(), 0);
    const std::string bytes = system.files.at("C:\\Links\\a.lnk");
    // lnkinfo reports these two wrongly; they are checked where the format puts them.
    EXPECT_EQ(lnkbytes::U32(bytes, lnkbytes::kShowCmd), c.showCmd);
    EXPECT_EQ(lnkbytes::U16(bytes, lnkbytes::kHotkey), c.hotkey);

    const std::filesystem::path file = dir / ("case" + std::to_string(++n) + ".lnk");
    std::ofstream(file, std::ios::binary) << bytes;
    const auto report = RunProgram({"lnkinfo", "-c", "windows-932", file.string()});
    ASSERT_TRUE(report) << file;
    auto fields = Fields(*report);
    const std::string what = platform::Cp932ToUtf8(c.target);
    EXPECT_EQ(fields["Local path"], platform::Cp932ToUtf8(c.target)) << what;
    EXPECT_EQ(fields["Working directory"], platform::Cp932ToUtf8(c.workDir)) << what;
    EXPECT_EQ(fields["Command line arguments"], platform::Cp932ToUtf8(c.args)) << what;
    EXPECT_EQ(fields["Icon location"], platform::Cp932ToUtf8(c.icon)) << what;
    EXPECT_EQ(fields["Icon index"], std::to_string(c.iconNo)) << what;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zunt
