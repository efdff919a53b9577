#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Types.h"
#include "widgets/Font.h"

namespace tintara {

class Canvas;
class Control;
class Form;

enum class MouseButton { Left, Right, Middle };

// Keys and buttons held while a mouse event happened.
struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool left = false;
  bool right = false;
  bool middle = false;
  friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

// An event handler that is told which control raised the event.
using NotifyEvent = std::function<void(Control& sender)>;
// A mouse event: the button, the shift state and the position in the sender's own
// coordinates.
using MouseEvent =
    std::function<void(Control& sender, MouseButton button, ShiftState shift, int x, int y)>;

// Docking within the parent's client area. Top-docked controls are stacked from the top
// in the order of their top edges, bottom-docked ones from the bottom in the order of
// their bottom edges, and a client-docked control takes what is left; each keeps its
// own height (width for none of them: docking stretches across).
enum class Align { None, Top, Bottom, Client };

enum class ControlKind { Form, Label, Image, Shape, Panel, CheckBox, Memo, Gradient };

// The common base of the toolkit's controls: plain objects holding their state and
// their events, realised on screen by a backend. Controls form a tree: a parent keeps
// its children in z-order (first = bottom) and each child's bounds are relative to its
// parent's client area. The tree does not own its nodes: the form's members are the
// controls, and a control leaving (destroyed) unhooks itself from its parent and its
// children.
class Control {
 public:
  Control() = default;
  virtual ~Control();
  // Handlers hold references to their controls, so a control stays where it is.
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  virtual ControlKind Kind() const = 0;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // --- the tree ---
  Control* Parent() const { return parent_; }
  // Puts the control on top of the new parent's children (nullptr: out of the tree).
  void SetParent(Control* parent);
  const std::vector<Control*>& Children() const { return children_; }
  void BringToFront();
  void SendToBack();
  // The form at the root of the tree, or nullptr.
  Form* OwnerForm() const;

  // --- geometry ---
  const Rect& Bounds() const { return bounds_; }
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  void SetBounds(const Rect& bounds);
  void SetBounds(int left, int top, int width, int height) {
    SetBounds({left, top, width, height});
  }
  Rect ClientRect() const { return {0, 0, bounds_.width, bounds_.height}; }
  // The bounds in the coordinates of the form's client area.
  Rect BoundsOnForm() const;
  Align GetAlign() const { return align_; }
  void SetAlign(Align align);

  // --- state ---
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible, and so is every parent up to the form (the form itself not counted).
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // --- look ---
  // The control's own font, or its parent's while it has none of its own.
  const Font& GetFont() const;
  void SetFont(const Font& font);
  // Gives the control a font of its own if needed and changes its colour only.
  void SetFontColor(TColor color);
  bool HasOwnFont() const { return font_.has_value(); }
  // The control's own colour, or its parent's while it has none (white at the root).
  TColor Color() const;
  void SetColor(TColor color);
  // A transparent control paints no background of its own.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // An opaque control paints every pixel of its bounds, so what lies beneath it there
  // need not be painted.
  bool Opaque() const { return opaque_; }

  // --- hints ---
  const std::u16string& Hint() const { return hint_; }
  void SetHint(std::u16string hint) { hint_ = std::move(hint); }
  bool ShowsHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }
  // Whether the hint presenter has anything to show for this control.
  bool WantsHint() const { return showHint_ && !hint_.empty(); }

  // --- mouse ---
  // Hit-testing passes through a control that is transparent to the mouse, so the
  // control below it (or its parent) receives the event.
  bool MouseTransparent() const { return mouseTransparent_; }
  void SetMouseTransparent(bool transparent) { mouseTransparent_ = transparent; }
  // The topmost showing, not mouse-transparent descendant under `p` (in this control's
  // client coordinates), the deepest one winning; this control itself when no child
  // is there; nullptr when p lies outside.
  Control* ControlAt(Point p);

  // --- focus ---
  virtual bool CanFocus() const { return false; }

  // --- events ---
  NotifyEvent OnClick;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  NotifyEvent OnMouseEnter;
  NotifyEvent OnMouseLeave;

  // What the form's input entry point runs; each fires the matching event. A press on
  // a control whose OnMouseDown is empty ends there: it does not reach the parent.
  virtual void Click();
  virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // --- painting ---
  // Paints the control in its own coordinates (origin at its top-left, clipped to its
  // bounds); the painter then paints the children above it.
  virtual void Paint(Canvas& canvas);
  // Realised by a native child window of the backend (check box, memo): the painter
  // skips it and the backend keeps the native window in line with its state.
  virtual bool IsNative() const { return false; }
  // Asks the form's window to repaint the control's area (or, for a native control,
  // to bring its native window in line). Does nothing before the window exists.
  void Invalidate();

  // Lays the docked children out again within the client area.
  void AlignControls();

  // The system's settings changed (colours, metrics): runs SettingsChanged over this
  // control and every descendant.
  void NotifySettingsChanged();

 protected:
  // The font changed (own or inherited); labels measure their text again.
  virtual void FontChanged() {}
  // Placed into a tree that has a realised form (labels measure their text then).
  virtual void Realized() {}
  // The realised form's window is about to go.
  virtual void Unrealized() {}
  // The system's settings changed; controls that follow them update.
  virtual void SettingsChanged() {}
  // Says whether the control paints every pixel of its bounds (see Opaque).
  void SetOpaque(bool opaque) { opaque_ = opaque; }
  // Runs Realized()/Unrealized() over this control and every descendant.
  void NotifyRealized(bool realized);
  // Moves without re-docking the siblings: used by the docking layout itself.
  void PlaceAt(const Rect& bounds);

 private:
  friend class Form;
  // Docks the children; at equal edges `placed`, the child whose change asked for the
  // layout, goes first.
  void AlignControls(const Control* placed);
  void DetachChild(Control* child);
  void NotifyFontChanged();
  void InvalidateRect(const Rect& rectOnForm);

  std::string name_;
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  Rect bounds_;
  Align align_ = Align::None;
  bool visible_ = true;
  bool enabled_ = true;
  std::optional<Font> font_;
  std::optional<TColor> color_;
  bool transparent_ = false;
  bool opaque_ = false;
  std::u16string hint_;
  bool showHint_ = false;
  bool mouseTransparent_ = false;
  bool aligning_ = false;
  bool isForm_ = false;
};

}  // namespace tintara
