#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <sstream>

#include "tests/platform/host_test.h"

namespace platform {
namespace {

// Collects what went wrong, in a form that also crosses a process boundary.
class Failures {
 public:
  void Expect(bool ok, const char* what) {
    if (!ok) text_ << what << "\n";
  }
  std::string Text() const { return text_.str(); }

 private:
  std::ostringstream text_;
};

// Root may read and write everything, which would hide what these checks are about: as root
// they run in a child process under the unprivileged user "nobody" (65534).
void RunUnprivileged(const std::function<std::string()>& check) {
  if (geteuid() != 0) {
    EXPECT_EQ(check(), "");
    return;
  }
  EXPECT_EXIT(
      {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) {
          std::fputs("cannot become nobody", stderr);
          _exit(2);
        }
        const std::string failures = check();
        std::fputs(failures.c_str(), stderr);
        _exit(failures.empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

std::string CheckPermissions() {
  Failures f;
  testing_support::TempDir tmp;
  LinuxSystem sys(0, nullptr, {});
  const std::string dir = sys.SystemPath(tmp.path());
  tmp.CreateDir("locked");
  tmp.CreateFile("locked/a.txt", "a");
  tmp.CreateDir("noread");
  tmp.CreateFile("ro.txt", "old");
  tmp.CreateFile("rw.txt", "rw");
  tmp.CreateDir("rodir");
  chmod((tmp / "locked").c_str(), 0);
  chmod((tmp / "noread").c_str(), 0300);
  chmod((tmp / "ro.txt").c_str(), 0444);
  chmod((tmp / "rodir").c_str(), 0555);

  f.Expect(sys.FindFirst(dir + "\\locked\\*.*", faAnyFile) == nullptr, "locked folder listed");
  f.Expect(!sys.SetCurrentDir(dir + "\\locked"), "locked folder made current");
  f.Expect(sys.FindFirst(dir + "\\noread\\*.*", faAnyFile) == nullptr, "unreadable listed");
  f.Expect(!sys.SetCurrentDir(dir + "\\noread"), "unreadable folder made current");
  f.Expect(!sys.ReadWholeFile(dir + "\\locked\\a.txt"), "file in locked folder read");

  const auto attrOf = [&](const char* name) -> std::uint32_t {
    auto search = sys.FindFirst(dir + "\\" + name, faAnyFile, kReadOnly);
    SearchRec rec;
    return search && search->Next(rec) ? rec.attr : 0xFFFF;
  };
  f.Expect(attrOf("ro.txt") == (faArchive | faReadOnly), "ro.txt not read-only");
  f.Expect(attrOf("rw.txt") == faArchive, "rw.txt not a plain writable file");
  f.Expect(attrOf("rodir") == (faDirectory | faReadOnly), "rodir not read-only");

  f.Expect(!sys.WriteWholeFile(dir + "\\ro.txt", "new"), "read-only file replaced");
  f.Expect(sys.ReadWholeFile(dir + "\\ro.txt") == "old", "read-only file changed");
  f.Expect(!sys.WriteWholeFile(dir + "\\rodir\\new.txt", "new"), "wrote into read-only folder");
  f.Expect(sys.FindFirst(dir + "\\rodir\\*", faAnyFile & ~faDirectory) == nullptr,
           "something was left in the read-only folder");
  return f.Text();
}

TEST(Permissions, UnreadableFoldersAndReadOnlyFilesAreRespected) {
  RunUnprivileged(CheckPermissions);
}

}  // namespace
}  // namespace platform
