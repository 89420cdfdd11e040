// The zebra danio's mesh parts hold together in a turn (see fish_mesh_checks.h).
#include "fish/fish_species07_meshes.h"
#include "fish_mesh_checks.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, DanioPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    // The fins behind the middle take, column by column, the bend of one
    // segment or the mean of two (a half segment).
    auto listed = [](std::vector<float> segments) { return [segments](int c) { return segments[c]; }; };
    ExpectPartsStayOnTheBody(
        g_Fish07Body,
        {
            {"upper jaw", At(g_Fish07UpperJaw), 5, {0, 1, 2, 3}, 5, fixed(0)},
            {"lower jaw", At(g_Fish07LowerJaw), 5, {0, 1}, 5, fixed(0)},
            {"dorsal fin", At(g_Fish07Dorsal), 8, {1}, 8, listed({5, 5, 6, 6, 6, 6.5f, 6.5f, 6.5f})},
            {"pectoral fin", At(g_Fish07Pectoral), 9, {0, 1}, 1, fixed(1)},
            {"pelvic fin", At(g_Fish07Pelvic), 8, {0, 1}, 1, fixed(5.5f)},
            {"anal fin", At(g_Fish07Anal), 7, {1}, 7, listed({8, 8, 8, 7.5f, 7.5f, 7, 7})},
            {"tail", At(g_Fish07Tail), 13, {1}, 13, fixed(11)},
            {"eye", At(g_Fish07Eye), 5, {0, 1, 2}, 5, fixed(0)},
            {"rostral barbel", At(g_Fish07RostralBarbel), 4, {0}, 1, fixed(0)},
            {"maxillary barbel", At(g_Fish07MaxillaryBarbel), 4, {0}, 1, fixed(0)},
        });
}

}  // namespace
