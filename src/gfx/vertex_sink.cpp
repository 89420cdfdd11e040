#include "gfx/vertex_sink.h"

namespace {

class GLVertexSink : public IVertexSink {
public:
    void Begin(GLenum mode) override { glBegin(mode); }
    void End() override { glEnd(); }
    void Normal(float x, float y, float z) override { glNormal3f(x, y, z); }
    void TexCoord(float s, float t) override { glTexCoord2f(s, t); }
    void MultiTexCoord(GLenum unit, float s, float t) override { glMultiTexCoord2f(unit, s, t); }
    void Color(float r, float g, float b) override { glColor3f(r, g, b); }
    void Vertex(float x, float y, float z) override { glVertex3f(x, y, z); }
};

GLVertexSink g_glSink;
IVertexSink* g_sink = &g_glSink;

}  // namespace

IVertexSink& VertexSink() { return *g_sink; }

IVertexSink* SetVertexSink(IVertexSink* sink)
{
    IVertexSink* old = g_sink == &g_glSink ? nullptr : g_sink;
    g_sink = sink ? sink : &g_glSink;
    return old;
}
