#include "widgets/CheckBox.h"

#include "widgets/Form.h"

namespace tintara {

void CheckBox::SetCaption(std::u16string caption) {
  caption_ = std::move(caption);
  Invalidate();
}

void CheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Invalidate();
  if (OnClick) OnClick(*this);
}

void CheckBox::Click() {
  if (Form* form = OwnerForm()) form->SetActiveControl(this);
  Toggle();
}

}  // namespace tintara
