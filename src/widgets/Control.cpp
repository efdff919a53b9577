#include "widgets/Control.h"

#include <algorithm>

#include "widgets/Canvas.h"
#include "widgets/Form.h"

namespace tintara {
namespace {

// A white surface when nothing up the tree has a colour of its own.
constexpr TColor kDefaultColor = 0xFFFFFF;

const Font& DefaultFont() {
  static const Font font;
  return font;
}

}  // namespace

Control::~Control() {
  // A form forgets its controls itself; by now its own members are gone.
  if (!isForm_) {
    if (Form* form = OwnerForm()) form->ForgetControl(*this);
  }
  for (Control* child : children_) child->parent_ = nullptr;
  if (parent_ != nullptr) parent_->DetachChild(this);
}

void Control::DetachChild(Control* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void Control::SetParent(Control* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) {
    Control* old = parent_;
    InvalidateRect(BoundsOnForm());
    old->DetachChild(this);
    parent_ = nullptr;
    old->AlignControls();
  }
  if (parent != nullptr) {
    parent_ = parent;
    parent->children_.push_back(this);
    parent->AlignControls(this);
    if (Form* form = OwnerForm(); form != nullptr && form->HandleAllocated()) NotifyRealized(true);
    Invalidate();
  }
}

void Control::BringToFront() {
  if (parent_ == nullptr) return;
  auto& siblings = parent_->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  siblings.push_back(this);
  Invalidate();
}

void Control::SendToBack() {
  if (parent_ == nullptr) return;
  auto& siblings = parent_->children_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  siblings.insert(siblings.begin(), this);
  Invalidate();
}

Form* Control::OwnerForm() const {
  const Control* node = this;
  while (node->parent_ != nullptr) node = node->parent_;
  // Not a virtual call: this runs from destructors too.
  return node->isForm_ ? static_cast<Form*>(const_cast<Control*>(node)) : nullptr;
}

Rect Control::BoundsOnForm() const {
  if (isForm_) return ClientRect();
  Rect r = bounds_;
  for (const Control* p = parent_; p != nullptr && !p->isForm_; p = p->parent_) {
    r = r.Offset(p->bounds_.left, p->bounds_.top);
  }
  return r;
}

void Control::SetBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  const Rect before = BoundsOnForm();
  PlaceAt(bounds);
  InvalidateRect(before);
  if (parent_ != nullptr && align_ != Align::None) parent_->AlignControls(this);
}

void Control::PlaceAt(const Rect& bounds) {
  const bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  bounds_ = bounds;
  if (resized) AlignControls();
  Invalidate();
}

void Control::SetAlign(Align align) {
  if (align == align_) return;
  align_ = align;
  if (parent_ != nullptr) parent_->AlignControls(this);
}

void Control::AlignControls() {
  AlignControls(nullptr);
}

void Control::AlignControls(const Control* placed) {
  if (aligning_) return;
  aligning_ = true;
  Rect free = ClientRect();
  auto docked = [this](Align which) {
    std::vector<Control*> list;
    for (Control* c : children_) {
      if (c->align_ == which && c->visible_) list.push_back(c);
    }
    return list;
  };
  std::vector<Control*> tops = docked(Align::Top);
  std::stable_sort(tops.begin(), tops.end(), [placed](const Control* a, const Control* b) {
    return a->Top() < b->Top() || (a->Top() == b->Top() && a == placed);
  });
  for (Control* c : tops) {
    c->PlaceAt({free.left, free.top, free.width, c->Height()});
    free.top += c->Height();
    free.height -= c->Height();
  }
  std::vector<Control*> bottoms = docked(Align::Bottom);
  std::stable_sort(bottoms.begin(), bottoms.end(), [placed](const Control* a, const Control* b) {
    const int aBottom = a->Top() + a->Height();
    const int bBottom = b->Top() + b->Height();
    return aBottom > bBottom || (aBottom == bBottom && a == placed);
  });
  for (Control* c : bottoms) {
    free.height -= c->Height();
    c->PlaceAt({free.left, free.Bottom(), free.width, c->Height()});
  }
  for (Control* c : docked(Align::Client)) c->PlaceAt(free);
  aligning_ = false;
}

void Control::SetVisible(bool visible) {
  if (isForm_) {
    Form* form = static_cast<Form*>(this);
    if (visible) {
      form->Show();
    } else {
      form->Hide();
    }
    return;
  }
  if (visible == visible_) return;
  const Rect area = BoundsOnForm();
  visible_ = visible;
  InvalidateRect(area);
  Invalidate();
  if (parent_ != nullptr && align_ != Align::None) parent_->AlignControls(this);
}

bool Control::Showing() const {
  for (const Control* c = this; c != nullptr && !c->isForm_; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
}

const Font& Control::GetFont() const {
  if (font_) return *font_;
  if (parent_ != nullptr) return parent_->GetFont();
  return DefaultFont();
}

void Control::SetFont(const Font& font) {
  font_ = font;
  NotifyFontChanged();
}

void Control::SetFontColor(TColor color) {
  Font font = GetFont();
  if (font_ && font.color == color) return;
  font.color = color;
  font_ = font;
  // Only the colour changed: no new measuring, just a repaint.
  Invalidate();
}

void Control::NotifyFontChanged() {
  FontChanged();
  Invalidate();
  for (Control* child : children_) {
    if (!child->font_) child->NotifyFontChanged();
  }
}

TColor Control::Color() const {
  if (color_) return *color_;
  if (parent_ != nullptr) return parent_->Color();
  return kDefaultColor;
}

void Control::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

void Control::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

Control* Control::ControlAt(Point p) {
  if (!ClientRect().Contains(p)) return nullptr;
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control* child = *it;
    if (!child->visible_ || child->mouseTransparent_) continue;
    Control* hit = child->ControlAt({p.x - child->Left(), p.y - child->Top()});
    if (hit != nullptr) return hit;
  }
  return this;
}

void Control::Click() {
  if (OnClick) OnClick(*this);
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void Control::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(*this);
}

void Control::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(*this);
}

void Control::Paint(Canvas& /*canvas*/) {}

void Control::Invalidate() {
  Form* form = OwnerForm();
  if (form == nullptr || form->window_ == nullptr) return;
  if (IsNative()) {
    form->window_->NativeControlChanged(*this);
  } else if (Showing()) {
    form->window_->Invalidate(BoundsOnForm());
  }
}

void Control::InvalidateRect(const Rect& rectOnForm) {
  Form* form = OwnerForm();
  if (form == nullptr || form->window_ == nullptr || IsNative()) return;
  form->window_->Invalidate(rectOnForm);
}

void Control::NotifySettingsChanged() {
  SettingsChanged();
  for (Control* child : children_) child->NotifySettingsChanged();
}

void Control::NotifyRealized(bool realized) {
  if (realized) {
    Realized();
  } else {
    Unrealized();
  }
  for (Control* child : children_) child->NotifyRealized(realized);
}

}  // namespace tintara
