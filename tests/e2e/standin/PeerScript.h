#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace standin {

// Where a peer window's icon can be found by the program under test.
enum class IconSource {
  ClassIcons,  // the window class's small and large icon
  AllKinds,    // WM_GETICON answers ICON_SMALL, ICON_BIG and ICON_SMALL2
  SmallOnly,   // WM_GETICON answers ICON_SMALL only
  BigOnly,     // WM_GETICON answers ICON_BIG only
  Small2Only,  // WM_GETICON answers ICON_SMALL2 only
};

enum class PeerKind {
  WithIcon,
  NoIcon,  // no class icon and no WM_GETICON answer
  Stuck,   // no class icon; WM_GETICON from another thread is never answered
};

// One window of the peer script. Items read "<look><size>[:<source>]", where look is a
// colour name ("red") or a centre colour on a background ("yellowonblue"), size is the
// icon's edge in pixels (default 32) and source is "class" (default), "wmgeticon",
// "wmsmall", "wmbig" or "wmsmall2"; or one of the words "stuck" and "noicon".
struct PeerOrder {
  std::wstring name;
  PeerKind kind = PeerKind::WithIcon;
  COLORREF background = RGB(0, 0, 0);
  COLORREF centre = RGB(0, 0, 0);
  int size = 32;
  IconSource source = IconSource::ClassIcons;
};

struct PeerScript {
  std::vector<PeerOrder> peers;
  std::vector<std::wstring> rejected;  // items that could not be read
};

// "red16,stuck,yellowonblue32:wmgeticon": items separated by commas, spaces ignored.
PeerScript ParsePeerScript(std::wstring_view script);

}  // namespace standin
