// Glyph outlines of the DejaVu Sans faces as polygons in em units: curves
// flattened into line segments, the filled area cut into triangles by the GLU
// tessellator. Needs no GL context.
#pragma once
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

struct GlyphOutline {
    using Point = std::array<double, 3>;  // z is 0: the tessellator takes three coordinates
    struct Contour {
        size_t first = 0, count = 0;
    };
    std::vector<Point> points;  // corners of the contours, each closed from its last point to its first
    std::vector<Contour> contours;
    std::vector<Point> triangles;  // the filled area, counter-clockwise seen from +z; empty if it failed
    bool fillsRight = true;        // the inside lies right of a contour's direction (TrueType)
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // black box
    double advance = 0;
};

class GlyphFace {
public:
    // The regular face for weights below 600 (the bold one when that is missing), else the bold one.
    explicit GlyphFace(int weight);
    ~GlyphFace();
    GlyphFace(const GlyphFace&) = delete;
    GlyphFace& operator=(const GlyphFace&) = delete;

    bool loaded() const;
    // False when the face has no glyph for the character. Curves stay within
    // `deviation` em of the true ones (never coarser than 1/16 of a curve,
    // never finer than 0.001 em).
    bool Load(char32_t ch, double deviation, GlyphOutline& out);
    // The advance of the glyph the face draws for characters it lacks.
    double MissingGlyphAdvance();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
