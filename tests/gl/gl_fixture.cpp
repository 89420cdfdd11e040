#include "gl/gl_fixture.h"

#include <QApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <cstdlib>
#include <memory>

bool LoadGlewEntryPoints();

namespace {

QSurfaceFormat TestFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    return format;
}

struct Context {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<QOffscreenSurface> surface;
    std::unique_ptr<QOpenGLContext> context;
    bool ok = false;
};

// Never destroyed: the toolkit is gone by the time static objects would be.
Context& TheContext()
{
    static Context& c = *new Context;
    return c;
}

}  // namespace

bool MakeTestGLContext()
{
    Context& c = TheContext();
    if (c.context)
        return c.ok && c.context->makeCurrent(c.surface.get());
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    setenv("QT_XCB_GL_INTEGRATION", "xcb_glx", 0);
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "gl_tests";
        static char* argv[] = {name, nullptr};
        c.app = std::make_unique<QApplication>(argc, argv);
    }
    const QSurfaceFormat format = TestFormat();
    c.surface = std::make_unique<QOffscreenSurface>();
    c.surface->setFormat(format);
    c.surface->create();
    c.context = std::make_unique<QOpenGLContext>();
    c.context->setFormat(format);
    if (!c.context->create() || !c.context->makeCurrent(c.surface.get()))
        return false;
    c.ok = LoadGlewEntryPoints();
    return c.ok;
}

struct OtherTestGLContext::Parts {
    QOffscreenSurface surface;
    QOpenGLContext context;
};

OtherTestGLContext::OtherTestGLContext()
{
    if (!MakeTestGLContext())
        return;
    parts_ = std::make_unique<Parts>();
    parts_->surface.setFormat(TestFormat());
    parts_->surface.create();
    parts_->context.setFormat(TestFormat());
    ok_ = parts_->context.create() && parts_->context.makeCurrent(&parts_->surface);
}

OtherTestGLContext::~OtherTestGLContext()
{
    parts_.reset();
    MakeTestGLContext();
}
