// Shared pieces of the tests on the real file system.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/codec.h"
#include "platform/linux/linux_system.h"
#include "tests/support/temp_dir.h"

namespace platform {

// Sets an environment variable (nullopt: removes it) for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
    tzset();
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
    tzset();
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A temporary folder and the system over the real mount table; the current folder is put
// back afterwards.
class HostTest : public ::testing::Test {
 protected:
  HostTest() : cwd_(get_current_dir_name()) {}
  ~HostTest() override {
    if (cwd_ && chdir(cwd_) != 0) ADD_FAILURE() << "cannot return to " << cwd_;
    free(cwd_);
  }

  // The system path of a host path.
  std::string Sys(std::string_view hostPath) { return sys.SystemPath(hostPath); }
  // The system path of the temporary folder followed by a system name or pattern.
  std::string SysIn(std::string_view name) { return Sys(tmp.path()) + "\\" + std::string(name); }

  testing_support::TempDir tmp;
  LinuxSystem sys{0, nullptr, {}};

 private:
  char* cwd_;
};

// Code page 932 text of a UTF-8 literal.
inline std::string Cp932(std::string_view utf8) { return Utf8ToCp932(utf8); }

}  // namespace platform
