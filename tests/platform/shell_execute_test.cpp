#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/platform/host_test.h"

namespace platform {
namespace {

// A started program runs on its own; its output shows up when it is done.
std::optional<std::string> WaitForFile(const std::string& path) {
  for (int i = 0; i < 1000; ++i) {
    std::ifstream in(path);
    if (in) {
      std::stringstream s;
      s << in.rdbuf();
      return s.str();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::nullopt;
}

class ShellExecuteTest : public HostTest {
 protected:
  // A script that writes its arguments, one a line, to out (renamed into place when whole).
  std::string MakeRecorder(const std::string& name, const std::string& out) {
    const std::string path =
        tmp.CreateFile(name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + out + ".part'\nmv '" + out +
                                 ".part' '" + out + "'\n");
    chmod(path.c_str(), 0755);
    return path;
  }
};

TEST_F(ShellExecuteTest, RunsAProgramWithSplitParametersAndHostPaths) {
  tmp.CreateDir("日本");
  tmp.CreateFile("a😀b");
  MakeRecorder("run me.sh", tmp / "out");
  const std::string dir = Sys(tmp.path());
  const std::string parameters = "C:\\tmp\\ \"two words\" say\"\"x \"q\"\"q\" -v Z:\\unmapped " +
                                 dir + "\\" + Cp932("日本") + "\\ \"" + dir + "\\a?b\"";

  const ShellResult r = sys.ShellExecute(SysIn("run me.sh"), parameters);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.error, 0);
  EXPECT_EQ(WaitForFile(tmp / "out"), "/tmp/\ntwo words\nsayx\nq\"q\n-v\nZ:\\unmapped\n" +
                                          tmp.path() + "/日本/\n" + tmp.path() + "/a😀b\n");
}

TEST_F(ShellExecuteTest, BareNamesAreFoundOnPathAlsoWithoutExe) {
  tmp.CreateDir("bin");
  MakeRecorder("bin/zunt-test-tool", tmp / "out");
  ScopedEnv path("PATH", tmp / "bin:" + std::getenv("PATH"));
  ASSERT_EQ(chdir("/"), 0);

  EXPECT_TRUE(sys.ShellExecute("zunt-test-tool.EXE", "one").ok);
  EXPECT_EQ(WaitForFile(tmp / "out"), "one\n");
}

TEST_F(ShellExecuteTest, DocumentsAndFoldersOpenWithXdgOpen) {
  tmp.CreateDir("bin");
  tmp.CreateDir("folder");
  tmp.CreateFile("letter.txt", "text");
  MakeRecorder("bin/xdg-open", tmp / "opened");
  ScopedEnv path("PATH", tmp / "bin:" + std::getenv("PATH"));

  EXPECT_TRUE(sys.ShellExecute(SysIn("letter.txt"), "ignored").ok);
  EXPECT_EQ(WaitForFile(tmp / "opened"), tmp / "letter.txt\n");
  std::remove((tmp / "opened").c_str());
  EXPECT_TRUE(sys.ShellExecute(Sys(tmp.path()) + "\\FOLDER\\", "").ok);
  EXPECT_EQ(WaitForFile(tmp / "opened"), tmp / "folder/\n");
}

TEST_F(ShellExecuteTest, MissingFilesGiveErrorTwo) {
  ScopedEnv path("PATH", tmp.path());
  for (const std::string& file :
       {SysIn("missing.exe"), SysIn("missing"), std::string("no-such-program-zunt"),
        std::string("\\\\server\\share\\x.exe"), std::string()}) {
    const ShellResult r = sys.ShellExecute(file, "");
    EXPECT_FALSE(r.ok) << file;
    EXPECT_EQ(r.error, 2) << file;
  }
}

TEST_F(ShellExecuteTest, AProgramThatCannotBeStartedIsReported) {
  const std::string path = tmp.CreateFile("not-a-program",
                                          "\x7f"
                                          "ELF garbage");
  chmod(path.c_str(), 0755);
  const ShellResult r = sys.ShellExecute(SysIn("not-a-program"), "");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error, 0);
  EXPECT_NE(r.error, 2);
}

// Reads fields of /proc/<pid>/stat: parent and session.
bool ParentAndSession(pid_t pid, pid_t& parent, pid_t& session) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t close = all.rfind(')');
  if (close == std::string::npos) return false;
  std::istringstream rest(all.substr(close + 2));
  char state;
  pid_t group;
  return static_cast<bool>(rest >> state >> parent >> group >> session);
}

TEST_F(ShellExecuteTest, StartedProgramsAreNeitherOurChildrenNorInOurSession) {
  const std::string script = tmp.CreateFile(
      "wait.sh", "#!/bin/sh\necho $$ > '" + (tmp / "pid.part") + "'\nmv '" + (tmp / "pid.part") +
                     "' '" + (tmp / "pid") + "'\nexec sleep 30\n");
  chmod(script.c_str(), 0755);
  ASSERT_TRUE(sys.ShellExecute(SysIn("wait.sh"), "").ok);
  const std::optional<std::string> pidText = WaitForFile(tmp / "pid");
  ASSERT_TRUE(pidText);
  const pid_t pid = std::stoi(*pidText);

  // Nothing of ours is left to wait for: no zombie.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  pid_t parent = 0;
  pid_t session = 0;
  ASSERT_TRUE(ParentAndSession(pid, parent, session));
  EXPECT_NE(parent, getpid());
  EXPECT_NE(session, getsid(0));
  kill(pid, SIGTERM);
}

}  // namespace
}  // namespace platform
