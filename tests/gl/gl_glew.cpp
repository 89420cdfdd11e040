#include <GL/glew.h>

bool LoadGlewEntryPoints()
{
    glewExperimental = GL_TRUE;
    const GLenum err = glewInit();
    return err == GLEW_OK || err == 4;  // 4: no GLX display reported, the entry points load anyway
}
