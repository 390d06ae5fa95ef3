#pragma once
// The system facilities the host's logic uses: window look-ups and animation, cursor, message box, files,
// profile, program start, timers and process end. Implemented by Win32HostPlatform (host/win32), faked by
// tests/host's FakeHostPlatform. Texts are UTF-8; the Windows implementation converts them at its edge.
#include <cstdint>
#include <optional>
#include <string>

namespace Vantor_B {

struct WindowRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct HostPlatform {
    virtual ~HostPlatform() = default;

    // The command-line arguments without the program's own name, read afresh on every call.
    virtual std::string ArgumentText() = 0;
    // The folder of the running host program, without a trailing backslash.
    virtual std::string HostFolder() = 0;

    // A top-level window, visible or hidden, with exactly this title exists.
    virtual bool TopLevelWindowExists(const std::string& title) = 0;
    // Window handles as the system's own; one from the command line is 32-bit, sign-extended.
    virtual bool IsWindow(intptr_t window) = 0;
    // False (rectangle untouched) when the window's rectangle cannot be read.
    virtual bool GetWindowRect(intptr_t window, WindowRect& rect) = 0;
    // The system's animation of a window opening from or closing into a rectangle, in screen pixels.
    virtual void DrawAnimatedRects(intptr_t window, int32_t animation, const WindowRect& from,
                                   const WindowRect& to) = 0;
    virtual double TwipsPerPixelX() = 0;
    virtual double TwipsPerPixelY() = 0;
    // Returns the new cursor display count.
    virtual int32_t ShowCursor(bool show) = 0;
    // Modal, OK button only, no icon.
    virtual void ShowMessage(const std::string& text, const std::string& title) = 0;

    virtual bool CanOpenForReading(const std::string& path) = 0;
    // The path as the code-page functions (profile, media control, sound) take it: itself where the
    // system code page writes every character, else its short (8.3) form; nothing where the volume gives
    // it no short form the code page writes. An existing file's short form; a file still to be made
    // gets its folder's.
    virtual std::optional<std::string> CodePagePath(const std::string& path) = 0;
    // The long form of an existing path, so a stored short path shows by its name; else the path itself.
    virtual std::string LongPath(const std::string& path) = 0;
    // The value up to its first NUL, as the platform puts it into a buffer of bufferSize bytes.
    virtual std::string ReadProfileValue(const std::string& section, const std::string& key,
                                         const std::string& path, uint32_t bufferSize) = 0;
    virtual int32_t WriteProfileValue(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& path) = 0;

    // Starts the program with no arguments in a normal window. Returns as soon as a top-level window with
    // the given title exists, the program has ended, or 10 s have passed, so that a watch for that window
    // cannot miss a program that is still starting.
    virtual void StartProgram(const std::string& path, const std::string& windowTitle) = 0;

    // A timer of the window, which then gets a tick of that id every interval; false when the system
    // gives none. Starting a running timer again restarts its countdown.
    virtual bool StartTimer(intptr_t window, int id, uint32_t intervalMs) = 0;
    virtual void StopTimer(intptr_t window, int id) = 0;

    // Ends the whole process at once; the Windows implementation does not return.
    virtual void EndProcess() = 0;
};

}  // namespace Vantor_B
