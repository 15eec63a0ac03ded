// SPDX-License-Identifier: MIT
// Desktop GL's selection mode, which WebGL and Emscripten's emulation lack, so that `pick` and the
// shell's walk of the hit records stay as they are. While selecting nothing is drawn: each
// glBegin to glEnd of the program is gathered (immediate.cpp), projected, and tested against the
// pick region as desktop GL's clipping tests it, so a press costs no read back and no drawing. A
// name-stack change after a primitive that reached the region writes the record of its names.
#include "platform/interpose.h"
#include "platform/web/clip.h"

#include <algorithm>
#include <vector>

namespace {

struct point {
    float x, y, depth = 0; // depth in the window's range, 0 to 1
};

struct selection {
    GLuint* buffer = nullptr;
    GLsizei capacity = 0;
    GLsizei wanted = 0; // the records' words, written while they fit
    GLint hits = 0;
    bool active = false;
    std::vector<GLuint> names;
    // The window depths of what reached the region since the name stack last changed: nothing
    // while the nearest is beyond the farthest.
    float nearest = 1, farthest = 0;
    std::vector<point> vertices; // a primitive's, projected; kept from press to press
} select_;

// Twice the signed area of the triangle abc: which side of the line ab c lies on.
float cross(point a, point b, point c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Whether the triangle reaches the pick region, which the pick matrix makes [-1, 1] on both axes:
// no axis of the two shapes' edges separates them. A triangle of no area reaches nothing.
bool reaches(point a, point b, point c)
{
    const auto [left, right] = std::minmax({ a.x, b.x, c.x });
    const auto [bottom, top] = std::minmax({ a.y, b.y, c.y });
    const float area = cross(a, b, c);
    if (right < -1 || left > 1 || top < -1 || bottom > 1 || area == 0)
        return false;
    const point corners[] = { { -1, -1 }, { 1, -1 }, { 1, 1 }, { -1, 1 } };
    const point edges[][2] = { { a, b }, { b, c }, { c, a } };
    for (const auto& edge : edges) {
        const auto outside
            = [&](point corner) { return cross(edge[0], edge[1], corner) * area < 0; };
        if (std::all_of(std::begin(corners), std::end(corners), outside))
            return false;
    }
    return true;
}

// The triangles of the three kinds of primitive the program draws (a polygon is a fan here).
bool primitiveReaches(GLenum mode, const std::vector<point>& v)
{
    const size_t n = v.size();
    for (size_t i = 0; mode == GL_TRIANGLES && i + 2 < n; i += 3)
        if (reaches(v[i], v[i + 1], v[i + 2]))
            return true;
    for (size_t i = 0; mode == GL_QUADS && i + 3 < n; i += 4)
        if (reaches(v[i], v[i + 1], v[i + 2]) || reaches(v[i], v[i + 2], v[i + 3]))
            return true;
    for (size_t i = 1; mode == GL_TRIANGLE_FAN && i + 1 < n; ++i)
        if (reaches(v[0], v[i], v[i + 1]))
            return true;
    return false;
}

// A primitive of the program, its x, y pairs in the model's coordinates: projected as the GL
// would, in normalised device coordinates, and tested.
void test(GLenum mode, const std::vector<GLfloat>& xy)
{
    GLfloat m[16], p[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    select_.vertices.clear();
    for (size_t v = 0; v + 1 < xy.size(); v += 2) {
        GLfloat clip[4];
        toClip(m, p, xy[v], xy[v + 1], clip);
        // The program draws in the plane z = 0, inside the view volume's depth.
        select_.vertices.push_back(
            { clip[0] / clip[3], clip[1] / clip[3], (clip[2] / clip[3] + 1) / 2 });
    }
    if (!primitiveReaches(mode, select_.vertices))
        return;
    for (const point& v : select_.vertices) {
        select_.nearest = std::min(select_.nearest, v.depth);
        select_.farthest = std::max(select_.farthest, v.depth);
    }
}

// As desktop GL counts the words, it writes what fits of a record and counts the rest.
void record(GLuint word)
{
    if (select_.wanted < select_.capacity)
        select_.buffer[select_.wanted] = word;
    ++select_.wanted;
}

GLuint depthWord(float depth) { return static_cast<GLuint>(depth * 4294967295.0); }

// Where desktop GL writes the record of the names that a change of the stack ends, if anything
// reached the region under them. Outside selection, as there, the name stack stays as it is.
bool endState()
{
    if (!select_.active)
        return false;
    if (select_.nearest <= select_.farthest) {
        record(static_cast<GLuint>(select_.names.size()));
        record(depthWord(select_.nearest));
        record(depthWord(select_.farthest));
        std::for_each(select_.names.begin(), select_.names.end(), record);
        ++select_.hits;
    }
    select_.nearest = 1;
    select_.farthest = 0;
    return true;
}

} // namespace

extern "C" {

void glSelectBuffer(GLsizei size, GLuint* buffer)
{
    select_.buffer = buffer;
    select_.capacity = size;
}

GLint glRenderMode(GLenum mode)
{
    GLint result = 0;
    if (endState())
        result = select_.wanted > select_.capacity ? -1 : select_.hits;
    select_.wanted = select_.hits = 0;
    select_.active = mode == GL_SELECT;
    select_.names.clear();
    gatherPrimitives(select_.active ? test : nullptr);
    return result;
}

void glInitNames()
{
    if (endState())
        select_.names.clear();
}

void glPushName(GLuint name)
{
    if (endState())
        select_.names.push_back(name);
}

void glPopName()
{
    if (endState() && !select_.names.empty())
        select_.names.pop_back();
}

void glLoadName(GLuint name)
{
    if (endState() && !select_.names.empty())
        select_.names.back() = name;
}

// As GLU computes it.
void gluPickMatrix(GLdouble x, GLdouble y, GLdouble width, GLdouble height, GLint* viewport)
{
    if (width <= 0 || height <= 0)
        return;
    glTranslatef(static_cast<GLfloat>((viewport[2] - 2 * (x - viewport[0])) / width),
        static_cast<GLfloat>((viewport[3] - 2 * (y - viewport[1])) / height), 0);
    glScalef(
        static_cast<GLfloat>(viewport[2] / width), static_cast<GLfloat>(viewport[3] / height), 1);
}

} // extern "C"
