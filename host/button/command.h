#pragma once
// The user control `Command` (type name "Vantor.Command"): the host's owner-drawn push button. This is
// its interaction logic; the window, the timer and the drawing of the face come from the platform.
#include <cstdint>
#include <functional>
#include <string>

#include "button_state.h"
#include "font_desc.h"
#include "property_bag.h"

namespace Vantor {

inline constexpr char CommandTypeName[] = "Vantor.Command";
// A new button's caption, and the caption that saving leaves out and loading falls back to.
inline constexpr char DefaultCaption[] = "Command";
inline constexpr uint32_t TmrMouseInterval = 100;  // milliseconds

// Mouse button codes of the mouse handlers.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;

// The constituent caption label `LblMsg`. Position and width in twips; the height is never changed.
struct CaptionLabel {
    static constexpr float Height = 195;
    std::string text = DefaultCaption;
    FontDesc font = DialogFont();
    uint32_t colour = 0;
    bool enabled = true;
    float left = 0;
    float top = 90;
    float width = 1635;
};

// What the control needs from its window and its container. Implemented by CommandWindow, faked by
// tests/button's FakeSite.
class CommandSite {
  public:
    virtual ~CommandSite() = default;
    // Enables the pointer-watch timer `TmrMouse` with this interval.
    virtual void StartPointerWatch(uint32_t milliseconds) = 0;
    // The window under the pointer is the control's own.
    virtual bool PointerOverControl() = 0;
    // Tells the container that a persisted property changed.
    virtual void PropertyChanged(const std::string& name) = 0;
    // The caption label or the background style changed and must be shown again.
    virtual void Redraw() = 0;
    // The face's size in pixels.
    virtual int32_t FaceWidth() = 0;
    virtual int32_t FaceHeight() = 0;
    // Draws the whole face into the control's persistent image and shows it: the gradient (shade on top
    // when reversed) and the frame cut from the skin.
    virtual void DrawFace(Skin skin, bool gradientReversed) = 0;
    virtual FontDesc ContainerFont() = 0;
    virtual double TwipsPerPixelX() = 0;
    virtual double TwipsPerPixelY() = 0;
};

class Command {
  public:
    explicit Command(CommandSite& site) : site_(site) {}

    // Public members, as a container sees them.
    void Initialize();
    uint8_t Visible();
    void SetVisible(uint8_t New_Visible);
    uint32_t FontColour();
    void SetFontColour(uint32_t New_FontColour);
    bool Enabled();
    void SetEnabled(bool New_Enabled);
    const std::string& Caption() const { return label_.text; }
    void SetCaption(const std::string& New_Caption);
    const FontDesc& Font() const { return label_.font; }
    void SetFont(const FontDesc& New_Font);
    std::function<void()> Click;

    // Handlers called by the platform.
    void GotFocus();
    void LostFocus();
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void Resize() { ApplyEnabledLook(); }
    void TmrMouse_Timer();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);

    // What the platform shows.
    const CaptionLabel& Label() const { return label_; }
    bool Opaque() const { return opaque_; }
    ButtonState State() const { return buttonState_; }
    // The Enabled field, read without the property's redraw.
    bool EnabledNow() const { return enabled_; }
    bool GradientReversed() const { return gradientReversed_; }

  private:
    void PaintFace(Skin skin);
    void PointerLeft();
    void ApplyEnabledLook();
    void ResetLook();
    void Enter(ButtonState state, Skin skin);

    CommandSite& site_;
    bool gradientReversed_ = false;
    uint8_t firstRun_ = 0;
    bool enabled_ = false;
    ButtonState buttonState_ = ButtonState::Uninitialised;
    bool leftHeld_ = false;
    bool opaque_ = true;
    CaptionLabel label_;
};

}  // namespace Vantor
