#include "command.h"

#include <limits>

namespace Vantor {
namespace {

constexpr int64_t TrueValue = -1;
constexpr int64_t OpaqueStyle = 1;

template <typename T>
bool Fits(int64_t value) {
    return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

}  // namespace

void Command::Initialize() {
    buttonState_ = ButtonState::Normal;
    site_.StartPointerWatch(TmrMouseInterval);
}

uint8_t Command::Visible() {
    if (!opaque_) {
        return 0;
    }
    ResetLook();
    return 255;
}

void Command::SetVisible(uint8_t New_Visible) {
    opaque_ = New_Visible != 0;
    if (opaque_) {
        ResetLook();
    }
    site_.Redraw();
    site_.PropertyChanged("Visible");
}

uint32_t Command::FontColour() {
    const uint32_t colour = label_.colour;
    ResetLook();
    return colour;
}

void Command::SetFontColour(uint32_t New_FontColour) {
    label_.colour = New_FontColour;
    ResetLook();
    site_.Redraw();
    site_.PropertyChanged("FontColour");
}

bool Command::Enabled() {
    if (firstRun_ == 0) {
        ResetLook();
        firstRun_ = 1;
        enabled_ = true;
    }
    const bool result = enabled_;
    ApplyEnabledLook();
    return result;
}

void Command::SetEnabled(bool New_Enabled) {
    enabled_ = New_Enabled;
    site_.PropertyChanged("Enabled");
    ApplyEnabledLook();
}

void Command::SetCaption(const std::string& New_Caption) {
    label_.text = New_Caption;
    site_.Redraw();
    site_.PropertyChanged("Caption");
}

void Command::SetFont(const FontDesc& New_Font) {
    label_.font = New_Font;
    site_.Redraw();
    site_.PropertyChanged("Font");
}

void Command::GotFocus() {
    if (!enabled_) {
        return;
    }
    if (buttonState_ != ButtonState::HighLight) {
        Enter(ButtonState::Selected, Skin::Selected);
    } else {
        // Focus taken by a press while the pointer is over the button.
        Enter(ButtonState::HighLightSelect, Skin::Pressed);
    }
}

void Command::LostFocus() {
    if (!enabled_) {
        return;
    }
    if (buttonState_ != ButtonState::Normal) {
        Enter(ButtonState::Normal, Skin::Normal);
    }
}

void Command::MouseDown(int button, int, float, float) {
    if (!enabled_) {
        return;
    }
    if (button == LeftButton) {
        leftHeld_ = true;
        PaintFace(Skin::Pressed);
    }
}

void Command::MouseMove(int, int, float, float) {
    if (!enabled_) {
        return;
    }
    if (buttonState_ == ButtonState::Normal) {
        Enter(ButtonState::HighLight, Skin::HighLight);
    }
    // A pointer that comes back while the left button is still held stays in Selected.
    if (buttonState_ == ButtonState::Selected && !leftHeld_) {
        Enter(ButtonState::HighLightSelect, Skin::HighLightSelect);
    }
}

void Command::MouseUp(int button, int, float, float) {
    if (!enabled_) {
        return;
    }
    if (button == LeftButton) {
        leftHeld_ = false;
        if (buttonState_ == ButtonState::HighLight) {
            PaintFace(Skin::Normal);
        }
        if (buttonState_ == ButtonState::HighLightSelect) {
            PaintFace(Skin::HighLightSelect);
        }
    }
    // Dragged off before the release: no click.
    if (buttonState_ != ButtonState::Selected && Click) {
        Click();
    }
}

void Command::TmrMouse_Timer() {
    if (!site_.PointerOverControl()) {
        PointerLeft();
    }
}

void Command::ReadProperties(const PropertyBag& bag) {
    if (const auto enabled = NumberOf(bag.ReadProperty("Enabled", TrueValue))) {
        enabled_ = *enabled != 0;
    }
    if (const auto caption = TextOf(bag.ReadProperty("Caption", DefaultCaption))) {
        label_.text = *caption;
    }
    const PropertyValue font = bag.ReadProperty("Font", site_.ContainerFont());
    if (const auto* stored = std::get_if<FontDesc>(&font)) {
        label_.font = *stored;
    }
    if (const auto firstRun = NumberOf(bag.ReadProperty("FirstRun", "1"));
        firstRun && Fits<uint8_t>(*firstRun)) {
        firstRun_ = static_cast<uint8_t>(*firstRun);
    }
    if (const auto colour = NumberOf(bag.ReadProperty("FontColour", "0"));
        colour && *colour >= std::numeric_limits<int32_t>::min() && Fits<uint32_t>(*colour)) {
        label_.colour = static_cast<uint32_t>(*colour);
    }
    if (const auto style = NumberOf(bag.ReadProperty("Visible", "1"));
        style && (*style == 0 || *style == 1)) {
        opaque_ = *style == OpaqueStyle;
    }
    site_.Redraw();
    ResetLook();
}

void Command::WriteProperties(PropertyBag& bag) {
    bag.WriteProperty("Enabled", enabled_ ? TrueValue : 0, TrueValue);
    bag.WriteProperty("Caption", label_.text, DefaultCaption);
    bag.WriteProperty("FirstRun", static_cast<int64_t>(firstRun_), "1");
    bag.WriteProperty("Font", label_.font, site_.ContainerFont());
    bag.WriteProperty("FontColour", static_cast<int64_t>(label_.colour), "0");
    bag.WriteProperty("Visible", opaque_ ? OpaqueStyle : 0, "1");
    ResetLook();
}

void Command::PaintFace(Skin skin) {
    switch (buttonState_) {
        case ButtonState::Normal:
        case ButtonState::Selected:
            gradientReversed_ = false;
            break;
        case ButtonState::HighLight:
            gradientReversed_ = true;
            break;
        case ButtonState::HighLightSelect:
        case ButtonState::Uninitialised:
            break;  // keeps the direction of the state before
    }
    site_.DrawFace(skin, gradientReversed_);
    const float height = static_cast<float>(site_.FaceHeight() * site_.TwipsPerPixelY());
    label_.top = (height - CaptionLabel::Height - 20) / 2;
    label_.left = 0;
    label_.width = static_cast<float>(site_.FaceWidth() * site_.TwipsPerPixelX());
}

void Command::PointerLeft() {
    if (!enabled_) {
        return;
    }
    if (buttonState_ == ButtonState::HighLight) {
        Enter(ButtonState::Normal, Skin::Normal);
    }
    if (buttonState_ == ButtonState::HighLightSelect) {
        Enter(ButtonState::Selected, Skin::Selected);
    }
}

void Command::ApplyEnabledLook() {
    PaintFace(enabled_ ? Skin::Normal : Skin::Disable);
    label_.enabled = enabled_;
    site_.Redraw();
}

void Command::ResetLook() {
    if (!enabled_) {
        return;
    }
    label_.enabled = true;
    if (firstRun_ == 0) {
        label_.colour = 0;
    }
    PaintFace(Skin::Normal);
}

void Command::Enter(ButtonState state, Skin skin) {
    buttonState_ = state;
    PaintFace(skin);
}

}  // namespace Vantor
