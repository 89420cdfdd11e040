// A current GL context for tests that need one (an X display with GLX, e.g. Xvfb).
#pragma once
#include <memory>

// Creates (once) a hidden window with a compatibility-profile context, makes it
// current and loads the GL entry points. False when no context can be had.
bool MakeTestGLContext();

// Another context of the same kind, made current while it lives; the test
// context is current again once it is gone.
class OtherTestGLContext {
public:
    OtherTestGLContext();
    ~OtherTestGLContext();
    OtherTestGLContext(const OtherTestGLContext&) = delete;
    OtherTestGLContext& operator=(const OtherTestGLContext&) = delete;
    bool ok() const { return ok_; }

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    bool ok_ = false;
};
