#include "platform/glew_loader.h"

#include <GL/glew.h>

bool LoadGlEntryPoints()
{
    static bool loaded = false;
    if (loaded)
        return true;
    glewExperimental = GL_TRUE;
    const GLenum err = glewInit();
    // 4 (no GLX display) is reported when the display is not GLEW's own; the
    // entry points load all the same.
    loaded = (err == GLEW_OK || err == 4);
    return loaded;
}
