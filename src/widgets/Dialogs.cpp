#include "widgets/Dialogs.h"

namespace tintara {

std::optional<TColor> ColorDialog::Execute() {
  const std::optional<TColor> chosen =
      owner_.Backend().RunColorDialog(owner_.Handle(), color_, customColors_);
  if (chosen) color_ = *chosen;
  return chosen;
}

std::optional<std::u16string> SaveDialog::Execute() {
  SaveDialogRequest request;
  request.owner = owner_.Handle();
  request.filter = filter_;
  request.defaultExt = defaultExt_;
  request.fileName = fileName_;
  std::optional<std::u16string> chosen = owner_.Backend().RunSaveDialog(request);
  if (chosen) fileName_ = *chosen;
  return chosen;
}

}  // namespace tintara
