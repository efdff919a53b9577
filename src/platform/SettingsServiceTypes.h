#pragma once

#include <cstdint>

namespace tintara {

// The icon a message box shows beside its text.
enum class MessageIcon { None, Warning, Error };

// The button sets the program uses. The first button is the default one, so "OK"
// when present and "&Yes" otherwise.
enum class MessageButtons { Ok, YesNo };

// How the user left a message box. Closed covers a box that could not be shown.
enum class MessageAnswer { Ok, Yes, No, Closed };

// An opened registry key as the desktop hands it out; 0 when none could be opened.
using RegistryKeyHandle = std::uint64_t;

}  // namespace tintara
