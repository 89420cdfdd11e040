// The German blue ram's mesh parts hold together in a turn (see fish_mesh_checks.h).
#include "fish/fish_species05_meshes.h"
#include "fish_mesh_checks.h"

#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, BlueRamPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto column = [](float first) { return [first](int c) { return first + c; }; };
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish05Body,
        {
            // The dorsal fin's column c takes the mean bend of 2 + c and 3 + c
            // (its root is row 1); the anal fin's column c bend 6 + c.
            {"dorsal fin", At(g_Fish05Dorsal), 11, {1}, 11, column(2.5f)},
            {"anal fin", At(g_Fish05Anal), 6, {0}, 6, column(6)},
            // The pectoral's root is its last column; the pelvic roots are its
            // second row's first five points.
            {"pectoral fin", At(g_Fish05Pectoral) + 7, 8, {0, 1}, 1, fixed(3)},
            {"pelvic fin", At(g_Fish05Pelvic), 15, {1}, 5, fixed(3)},
            // Both tail roots serve columns of bend 13; the edge of column 0
            // takes bend 12.
            {"tail", At(g_Fish05Tail), 6, {0}, 2, fixed(13)},
            {"tail's first edge point", At(g_Fish05Tail) + 6, 6, {0}, 1, fixed(12)},
            {"eye", At(g_Fish05Eye), 9, {0}, 5, fixed(1)},
            {"upper head", At(g_Fish05UpperHead), 4, {0, 1, 2, 3, 4, 5}, 4, fixed(0)},
            {"lower head", At(g_Fish05LowerHead), 4, {0, 1, 2, 3}, 4, fixed(0)},
        });
}

}  // namespace
