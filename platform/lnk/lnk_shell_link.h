// The shell link service on this platform: link objects that read and write shortcut files in
// the Windows format through the system's file services.
#pragma once

#include "platform/shell_link.h"
#include "platform/system.h"

namespace platform {

class LnkShellLinkService : public ShellLinkService {
 public:
  explicit LnkShellLinkService(System& system) : system_(system) {}

  void Initialize() override;
  void Uninitialize() override;
  // Fails with CO_E_NOTINITIALIZED while no initialisation is outstanding.
  HResult CreateShellLink(std::unique_ptr<ShellLink>& link) override;

  // What was asked of it, for checking that every user pairs its calls.
  int Initializations() const { return initializations_; }
  int Uninitializations() const { return uninitializations_; }

 private:
  System& system_;
  int initializations_ = 0;
  int uninitializations_ = 0;
};

}  // namespace platform
