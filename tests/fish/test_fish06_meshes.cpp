// The lyretail killifish's mesh parts hold together in a turn (see fish_mesh_checks.h).
#include "fish/fish_species06_meshes.h"
#include "fish_mesh_checks.h"

#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, KillifishPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    // The rear fins take, column by column, the bend of one segment or the
    // mean of two (a half segment).
    auto listed = [](std::vector<float> segments) { return [segments](int c) { return segments[c]; }; };
    ExpectPartsStayOnTheBody(
        g_Fish06Body,
        {
            {"dorsal fin", At(g_Fish06Dorsal), 9, {0}, 9, listed({5, 5.5f, 6, 6, 6.5f, 6.5f, 6.5f, 7, 7})},
            {"anal fin", At(g_Fish06Anal), 7, {0}, 7, listed({4, 5, 5, 6, 6.5f, 7, 7})},
            {"tail", At(g_Fish06Tail), 9, {1}, 9, listed({7, 7.5f, 8, 8, 8, 8, 8, 7.5f, 7})},
            {"pectoral fin", At(g_Fish06Pectoral), 6, {0, 1}, 1, fixed(1)},
            {"pelvic fin", At(g_Fish06Pelvic), 5, {0, 1}, 1, fixed(3)},
            {"eye", At(g_Fish06Eye), 5, {0, 1, 2}, 5, fixed(0)},
            {"gill cover", At(g_Fish06Gill), 4, {0, 1}, 4, fixed(0)},
            {"upper jaw", At(g_Fish06UpperJaw), 5, {0, 1, 2}, 5, fixed(0)},
            {"lower jaw", At(g_Fish06LowerJaw), 5, {0, 1, 2}, 5, fixed(0)},
        });
}

}  // namespace
