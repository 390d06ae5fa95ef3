#pragma once
// The button control as a child window: it feeds the platform's mouse, focus, size and timer messages to
// `Command`, keeps the face image and draws the caption label over it.
#include <windows.h>

#include <memory>

#include "command.h"
#include "memory_image_win32.h"

namespace Vantor {

class CommandWindow : public CommandSite {
  public:
    // Creates the window at the pixel rectangle inside the parent and loads the stored properties. The
    // object must outlive the window.
    static std::unique_ptr<CommandWindow> Create(HWND parent, int id, const RECT& pixels,
                                                 const FontDesc& containerFont, const PropertyBag& stored);
    ~CommandWindow() override;
    CommandWindow(const CommandWindow&) = delete;
    CommandWindow& operator=(const CommandWindow&) = delete;

    HWND Handle() const { return window_; }
    Command& Control() { return command_; }

    void StartPointerWatch(uint32_t milliseconds) override;
    bool PointerOverControl() override;
    void PropertyChanged(const std::string& name) override;
    void Redraw() override;
    FontDesc ContainerFont() override { return containerFont_; }
    double TwipsPerPixelX() override;
    double TwipsPerPixelY() override;
    int32_t FaceWidth() override { return image_.Width(); }
    int32_t FaceHeight() override { return image_.Height(); }
    void DrawFace(Skin skin, bool gradientReversed) override;

  private:
    explicit CommandWindow(const FontDesc& containerFont);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void DrawCaption(HDC dc);
    void MouseButton(UINT message, WPARAM wParam, LPARAM lParam);
    void FollowEnabled();

    HWND window_ = nullptr;  // set when the window is created, before its first message is handled
    FontDesc containerFont_;
    MemoryImage image_;  // the face
    Command command_;
    HFONT font_ = nullptr;
    FontDesc fontMade_;
};

}  // namespace Vantor
