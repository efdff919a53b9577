#include "widgets/MessageBoxes.h"

namespace tintara {

MessageAnswer ShowMessage(DesktopServices& desktop, MessageKind kind, std::u16string_view text,
                          MessageButtons buttons) {
  const bool warning = kind == MessageKind::Warning;
  return desktop.ShowMessageBox(warning ? kWarningCaption : kErrorCaption, text,
                                warning ? MessageIcon::Warning : MessageIcon::Error, buttons);
}

}  // namespace tintara
