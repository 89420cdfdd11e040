// The angelfish's and the clownfish's mesh parts hold together in a turn
// (see fish_mesh_checks.h).
#include "fish/fish_species03_meshes.h"
#include "fish/fish_species23_meshes.h"
#include "fish_mesh_checks.h"

#include <gtest/gtest.h>

namespace {

using namespace fish_mesh_checks;

TEST(FishMeshes, AngelfishPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto column = [](int first) { return [first](int c) { return float(first + c); }; };
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish03Body,
        {
            {"dorsal fin", At(g_Fish03Dorsal), 10, {0}, 10, column(0)},
            {"dorsal lobe", At(g_Fish03Dorsal), 10, {kFish03DorsalFinRows}, 5, column(0)},
            {"anal fin", At(g_Fish03Anal), 8, {0}, 8, column(7)},
            {"pectoral fin", At(g_Fish03Pectoral), 7, {0}, 7, fixed(4)},
            {"ventral filament", At(g_Fish03Ventral), 8, {0, 1}, 1, fixed(4)},
            {"tail, drawn 0.01 back", At(g_Fish03Tail), 15, {0}, 15, fixed(15), 0.01f},
            {"eye", At(g_Fish03Eye), 5, {0}, 5, fixed(1.5f)},
            {"upper jaw", At(g_Fish03UpperJaw), 6, {0, 1, 2}, 6, fixed(0)},
            {"lower jaw", At(g_Fish03LowerJaw), 6, {0, 1, 2}, 5, fixed(0)},
        });
}

TEST(FishMeshes, ClownfishPartsStandOverTheSegmentsWhoseBendTheyTake)
{
    auto fixed = [](float s) { return [s](int) { return s; }; };
    ExpectPartsStayOnTheBody(
        g_Fish23Body,
        {
            // The soft dorsal's column j takes the mean bend of 9 and 10
            // toward that of 11 and 12 over 9 columns; the anal fin's runs
            // from bend 9 toward 10 over 14.
            {"soft dorsal fin", At(g_Fish23SoftDorsal), 9, {0}, 9, [](int c) { return 9.5f + 2.0f * c / 9; }},
            {"anal fin", At(g_Fish23Anal), 14, {0}, 14, [](int c) { return 9.0f + c / 14.0f; }},
            {"pectoral fin", At(g_Fish23Pectoral), 6, {0}, 6, fixed(2)},
            {"pelvic fin", At(g_Fish23Pelvic), 8, {0}, 8, fixed(7)},
            // The outer root points of the tail take bend 12, the inner ones 13.
            {"tail", At(g_Fish23Tail), 20, {0}, 20, [](int c) { return c < 5 || c >= 15 ? 12.0f : 13.0f; }},
            {"eye", At(g_Fish23Eye), 9, {0}, 9, fixed(0)},
            {"upper jaw", At(g_Fish23UpperJaw), 4, {0, 1, 2, 3, 4, 5, 6}, 4, fixed(0)},
            {"lower jaw", At(g_Fish23LowerJaw), 4, {0, 1, 2, 3}, 4, fixed(0)},
        });
}

// The clownfish's spiny dorsal turns by one angle, bend 8, over all its
// columns: it stands round the fish's middle, where a turn moves it least,
// and no root drifts sideways out of the body's width.
TEST(FishMeshes, TheClownfishSpinyDorsalStaysWithinTheBodyInATurn)
{
    for (int c = 0; c < 14; ++c) {
        const FishVertex& p = g_Fish23Dorsal[0][c];
        const float under = SegmentUnder(g_Fish23Body, p.x);
        float halfWidth = 0.0f;
        for (const auto& row : g_Fish23Body)
            halfWidth = std::max(halfWidth, row[int(std::lround(under))].y);
        EXPECT_LT(DriftInTurn(8.0f, under, p), halfWidth) << c;
    }
}

}  // namespace
