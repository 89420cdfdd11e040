// The guppy's mesh parts hold together in a turn (see fish_mesh_checks.h).
#include "fish/fish_species02_meshes.h"
#include "fish_mesh_checks.h"

#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, GuppyPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish02Body,
        {
            // The dorsal fin's columns 0 to 5 take bends 17 to 22 (its
            // trailing columns take the tail's, 21, and ride with the tail).
            {"dorsal fin", At(g_Fish02Dorsal), 9, {0}, 6, [](int c) { return 17.0f + c; }},
            {"pectoral fin", At(g_Fish02Pectoral), 9, {0}, 9, fixed(12)},
            {"pelvic fin", At(g_Fish02Pelvic), 7, {0}, 7, fixed(16)},
            {"tail", At(g_Fish02Tail), 37, {0}, 37, fixed(21)},
            {"jaw", At(g_Fish02Jaw), 6, {0, 1, 2, 3, 4, 5}, 6, fixed(0)},
            {"brow", At(g_Fish02Brow), 4, {0, 1, 2, 3, 4, 5}, 4, fixed(0)},
        });
}

}  // namespace
