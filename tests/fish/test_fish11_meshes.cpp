// The cuckoo catfish's mesh parts hold together in a turn (see fish_mesh_checks.h).
#include "fish/fish_species11_meshes.h"
#include "fish_mesh_checks.h"

#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, CuckooCatfishPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish11Body,
        {
            // The adipose fin's column c takes bend 7 + c / 2 (whole segments).
            {"adipose fin", At(g_Fish11Adipose), 19, {0}, 19, [](int c) { return 7.0f + c / 2; }},
            {"dorsal fin", At(g_Fish11Dorsal), 9, {0}, 9, fixed(5)},
            {"pectoral fin", At(g_Fish11Pectoral), 12, {1}, 12, fixed(3)},
            {"pelvic fin", At(g_Fish11Pelvic), 13, {1}, 13, fixed(6)},
            {"tail", At(g_Fish11Tail), 25, {1}, 25, fixed(16)},
            {"eye", At(g_Fish11Eye), 6, {0}, 6, fixed(0)},
            {"upper jaw", At(g_Fish11UpperJaw), 6, {0, 1, 2}, 6, fixed(0)},
            {"lower jaw", At(g_Fish11LowerJaw), 6, {0, 1, 2, 3}, 6, fixed(0)},
            {"barbel", At(g_Fish11Barbel), 4, {0, 1}, 1, fixed(0)},
            {"chin barbel", At(g_Fish11ChinBarbel), 4, {0, 1}, 1, fixed(0)},
        });
}

}  // namespace
