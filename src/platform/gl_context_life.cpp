#include "platform/gl_context_life.h"

#include <QOpenGLContext>

const void* CurrentGlContext() { return QOpenGLContext::currentContext(); }

void WhenGlContextEnds(const void* context, std::function<void()> done)
{
    auto* qt = const_cast<QOpenGLContext*>(static_cast<const QOpenGLContext*>(context));
    if (!qt)
        return;
    QObject::connect(qt, &QOpenGLContext::aboutToBeDestroyed, qt, std::move(done), Qt::DirectConnection);
}
