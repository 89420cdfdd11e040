#include "platform/glaux.h"

#include "platform/gl_context_life.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <map>
#include <tuple>

namespace {

enum class Shape { SolidSphere, WireCylinder };

using ShapeKey = std::tuple<Shape, double, double>;

GLUquadric* Quadric()
{
    static GLUquadric* const quadric = gluNewQuadric();
    return quadric;
}

using ShapeLists = std::map<ShapeKey, GLuint>;

// The lists of the current context; a context's lists are forgotten when it
// ends (they end with it, and a later context may get its address).
ShapeLists& Lists()
{
    // Never destroyed: contexts may end after static objects are gone.
    static auto& byContext = *new std::map<const void*, ShapeLists>;
    const void* context = CurrentGlContext();
    const auto [found, added] = byContext.try_emplace(context);
    if (added)
        WhenGlContextEnds(context, [context] { byContext.erase(context); });
    return found->second;
}

void EmitSphere(double radius)
{
    GLUquadric* q = Quadric();
    if (!q)
        return;
    gluQuadricDrawStyle(q, GLU_FILL);
    gluQuadricNormals(q, GLU_SMOOTH);
    gluSphere(q, radius, 16, 16);
}

void EmitWireCylinder(double radius, double height)
{
    GLUquadric* q = Quadric();
    if (!q)
        return;
    gluQuadricDrawStyle(q, GLU_LINE);
    gluQuadricNormals(q, GLU_SMOOTH);
    // GLU builds the cylinder along +z from 0; turn +z onto +y and centre it.
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>(-height / 2.0));
    gluCylinder(q, radius, radius, height, 12, 2);
    glPopMatrix();
}

// Replays the cached list of key, or compiles it while drawing. Draws without
// a list when none can be made (no list names left, or a list is being
// compiled already, where a nested glNewList would fail).
template <typename Emit>
void DrawCached(const ShapeKey& key, Emit emit)
{
    ShapeLists& lists = Lists();
    const auto found = lists.find(key);
    if (found != lists.end()) {
        glCallList(found->second);
        return;
    }
    GLint compiling = 0;
    glGetIntegerv(GL_LIST_INDEX, &compiling);
    const GLuint list = compiling == 0 ? glGenLists(1) : 0;
    if (list == 0) {
        emit();
        return;
    }
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    emit();
    glEndList();
    lists.emplace(key, list);
}

}  // namespace

void auxSolidSphere(double radius)
{
    DrawCached({Shape::SolidSphere, radius, 0.0}, [radius] { EmitSphere(radius); });
}

void auxWireCylinder(double radius, double height)
{
    DrawCached({Shape::WireCylinder, radius, height}, [radius, height] { EmitWireCylinder(radius, height); });
}
