#include "app/program.h"

#include <memory>

#include "app/zunt1.h"
#include "lists/zuninput.h"
#include "ui/backend.h"

namespace zunt {

int RunProgram(ui::Backend& backend, const Services& services) {
  try {
    auto FrmZunt = std::make_unique<TFrmZunt>(backend, services);
    auto FrmInput = std::make_unique<TFrmInput>(backend, *FrmZunt);
    FrmZunt->FrmInput = FrmInput.get();
    backend.Run(*FrmZunt);
  } catch (const std::exception& e) {
    backend.ShowError(e.what());
  }
  return 0;
}

}  // namespace zunt
