#pragma once

#include <string_view>

#include "platform/DesktopServices.h"

namespace tintara {

// The kinds of the program's own message boxes; the kind fixes caption and icon.
enum class MessageKind { Warning, Error };

inline constexpr std::u16string_view kWarningCaption = u"Warning";
inline constexpr std::u16string_view kErrorCaption = u"Error";

// Shows a modal box of that kind: "Warning" with the warning icon, or "Error" with the
// error icon.
MessageAnswer ShowMessage(DesktopServices& desktop, MessageKind kind, std::u16string_view text,
                          MessageButtons buttons);

}  // namespace tintara
