// Where meshes send their vertices: OpenGL immediate mode by default; tests put
// a recorder in its place to count vertices and strips without a GPU.
#pragma once
#include <GL/glew.h>

class IVertexSink {
public:
    virtual ~IVertexSink() = default;
    virtual void Begin(GLenum mode) = 0;
    virtual void End() = 0;
    virtual void Normal(float x, float y, float z) = 0;
    virtual void TexCoord(float s, float t) = 0;
    // Texture coordinates of another texture unit (GL_TEXTURE0 + n).
    virtual void MultiTexCoord(GLenum unit, float s, float t) = 0;
    virtual void Color(float r, float g, float b) = 0;
    virtual void Vertex(float x, float y, float z) = 0;
};

// The sink in use.
IVertexSink& VertexSink();
// Replaces the sink (null: back to OpenGL); returns the one replaced.
IVertexSink* SetVertexSink(IVertexSink* sink);
