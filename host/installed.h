#pragma once
// What the program installs at start for its modules to reach the system through: the real platform, or
// a test's fake. Reaching for one that nothing installed is a fault of the program's wiring, so it ends
// the process there, naming what was missing, instead of following a null pointer.
namespace Vantor_B {

[[noreturn]] void NothingInstalled(const char* what);

template <typename T>
class Installed {
  public:
    explicit constexpr Installed(const char* what) : what_(what) {}
    void Use(T& installed) { installed_ = &installed; }
    T& Get() const {
        if (installed_ == nullptr) {
            NothingInstalled(what_);
        }
        return *installed_;
    }

  private:
    const char* what_;
    T* installed_ = nullptr;
};

}  // namespace Vantor_B
