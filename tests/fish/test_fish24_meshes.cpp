// The peacock bass's mesh parts hold together in a turn (see fish_mesh_checks.h).
#include "fish/fish_species24_meshes.h"
#include "fish_mesh_checks.h"

#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, PeacockBassPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    // Three-angle fins: a segment, the mean of it and the next twice, the next twice.
    auto threeAngles = [](float first) {
        return [first](int c) { return first + (c == 0 ? 0.0f : c < 3 ? 0.5f : 1.0f); };
    };
    ExpectPartsStayOnTheBody(
        g_Fish24Body,
        {
            {"spiny dorsal fin", At(g_Fish24SpinyDorsal), 4, {0}, 4, fixed(6)},
            {"soft dorsal fin", At(g_Fish24SoftDorsal), 5, {0}, 5, threeAngles(8)},
            {"anal fin", At(g_Fish24Anal), 5, {0}, 5, threeAngles(7)},
            // Paired fins and the tail keep their root row last.
            {"pectoral fin", At(g_Fish24Pectoral), 5, {1}, 5, fixed(4)},
            {"pelvic fin", At(g_Fish24Pelvic), 3, {1}, 3, fixed(5)},
            {"tail", At(g_Fish24Tail), 11, {1}, 11, [](int c) { return c < 2 || c >= 9 ? 10.0f : 11.0f; }},
            {"eye", At(g_Fish24Eye), 5, {0}, 5, fixed(0)},
            {"upper jaw", At(g_Fish24UpperJaw), 10, {0, 1, 2}, 10, fixed(0)},
            {"lower jaw", At(g_Fish24LowerJaw), 7, {0, 1, 2}, 7, fixed(0)},
        });
}

}  // namespace
