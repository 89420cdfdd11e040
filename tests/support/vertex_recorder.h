// A vertex sink that records what a mesh sends, for tests.
#pragma once
#include "gfx/vertex_sink.h"

#include <array>
#include <vector>

struct RecordedVertex {
    std::array<float, 3> position{};
    std::array<float, 3> normal{};
    std::array<float, 2> texCoord{};
    std::array<float, 2> texCoord1{};  // texture unit 1
};

struct RecordedPrimitive {
    GLenum mode = 0;
    std::vector<RecordedVertex> vertices;
};

class VertexRecorder : public IVertexSink {
public:
    VertexRecorder() { m_previous = SetVertexSink(this); }
    ~VertexRecorder() override { SetVertexSink(m_previous); }

    void Begin(GLenum mode) override { primitives.push_back(RecordedPrimitive{mode, {}}); }
    void End() override {}
    void Normal(float x, float y, float z) override { m_current.normal = {x, y, z}; }
    void TexCoord(float s, float t) override { m_current.texCoord = {s, t}; }
    void MultiTexCoord(GLenum unit, float s, float t) override
    {
        if (unit == GL_TEXTURE0)
            m_current.texCoord = {s, t};
        else
            m_current.texCoord1 = {s, t};
    }
    void Color(float r, float g, float b) override { colors.push_back({r, g, b}); }
    void Vertex(float x, float y, float z) override
    {
        m_current.position = {x, y, z};
        if (primitives.empty())
            primitives.push_back(RecordedPrimitive{});
        primitives.back().vertices.push_back(m_current);
    }

    size_t VertexCount() const
    {
        size_t n = 0;
        for (const auto& p : primitives)
            n += p.vertices.size();
        return n;
    }

    std::vector<RecordedPrimitive> primitives;
    std::vector<std::array<float, 3>> colors;

private:
    RecordedVertex m_current;
    IVertexSink* m_previous = nullptr;
};
