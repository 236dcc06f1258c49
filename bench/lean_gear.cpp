// The gear's triangles without the repeated vertices between sub-steps: the benchmark's limit.
#include "lean_gear.h"

#include <GL/gl.h>

namespace {

const std::size_t verticesPerSubStep = 4;
const std::size_t repeatedPerSubStep = 2;

} // namespace

std::vector<Vertex3> leanStrip(const std::vector<Vertex3>& strip) {
    std::vector<Vertex3> lean;
    lean.reserve(strip.size() / repeatedPerSubStep + repeatedPerSubStep);
    for (std::size_t i = 0; i < strip.size(); ++i)
        if (i < verticesPerSubStep || i % verticesPerSubStep >= repeatedPerSubStep)
            lean.push_back(strip[i]);
    return lean;
}

// A list, not client arrays drawn each frame: the cluster draws the gear with glCallList, and a
// list keeps its vertices in one buffer object. Compiled from glVertex3f calls, the same list
// replays no faster than from this array.
unsigned buildLeanGearList(int tesselation) {
    GearMesh mesh = computeGearMesh(tesselation);
    GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glEnableClientState(GL_VERTEX_ARRAY);
    for (const auto& strip : mesh.strips) {
        std::vector<Vertex3> lean = leanStrip(strip);
        glVertexPointer(3, GL_FLOAT, sizeof(Vertex3), lean.data());
        glDrawArrays(GL_TRIANGLE_STRIP, 0, static_cast<GLsizei>(lean.size()));
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    glEndList();
    return list;
}
