// An offscreen colour and depth target for GL tests: render into it, read the
// picture back with the top row first.
#pragma once
#include <GL/glew.h>

#include <QImage>

class OffscreenTarget {
public:
    OffscreenTarget(int width, int height) : m_width(width), m_height(height)
    {
        glGenFramebuffers(1, &m_fbo);
        glGenRenderbuffers(2, m_rb);
        glBindRenderbuffer(GL_RENDERBUFFER, m_rb[0]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, m_rb[1]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_rb[0]);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_rb[1]);
    }
    ~OffscreenTarget()
    {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(2, m_rb);
        glDeleteFramebuffers(1, &m_fbo);
    }
    OffscreenTarget(const OffscreenTarget&) = delete;
    OffscreenTarget& operator=(const OffscreenTarget&) = delete;

    bool Complete() const { return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE; }
    QImage Read() const
    {
        QImage image(m_width, m_height, QImage::Format_RGBA8888);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
        return image.mirrored();
    }

private:
    int m_width, m_height;
    GLuint m_fbo = 0;
    GLuint m_rb[2] = {0, 0};
};
