#include "platform/glyph_outline.h"

#include <GL/glew.h>
#include <GL/glu.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <deque>
#include <string>

namespace {

std::string RegularFontFile()
{
    const std::string bold = PV_FONT_FILE;
    return bold.substr(0, bold.rfind('/') + 1) + "DejaVuSans.ttf";
}

// The face file for a weight, opened with its Unicode character map.
class FontFile {
public:
    explicit FontFile(int weight)
    {
        if (FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            return;
        }
        if (weight >= 600 || !Open(RegularFontFile()))
            Open(PV_FONT_FILE);
    }
    ~FontFile()
    {
        if (face_)
            FT_Done_Face(face_);
        if (library_)
            FT_Done_FreeType(library_);
    }
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    FT_Face face() const { return face_; }
    double emScale() const { return 1.0 / face_->units_per_EM; }

private:
    bool Open(const std::string& file)
    {
        if (FT_New_Face(library_, file.c_str(), 0, &face_) != 0) {
            face_ = nullptr;
            return false;
        }
        if (face_->units_per_EM == 0 || FT_Select_Charmap(face_, FT_ENCODING_UNICODE) != 0) {
            FT_Done_Face(face_);
            face_ = nullptr;
            return false;
        }
        return true;
    }

    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

// Finest flattening whatever the deviation asked, and the most segments per curve.
constexpr double kFinestDeviation = 0.001;
constexpr int kMaxCurveSegments = 16;

class Flattener {
public:
    Flattener(double scale, double deviation) : scale_(scale), tolerance_(std::max(deviation, kFinestDeviation)) {}

    // Fills the points and contours of `out`; false when the outline is broken.
    bool Run(FT_Outline* outline, GlyphOutline& out)
    {
        FT_Outline_Funcs funcs{};
        funcs.move_to = [](const FT_Vector* to, void* self) { return static_cast<Flattener*>(self)->MoveTo(*to); };
        funcs.line_to = [](const FT_Vector* to, void* self) { return static_cast<Flattener*>(self)->LineTo(*to); };
        funcs.conic_to = [](const FT_Vector* c, const FT_Vector* to, void* self) {
            return static_cast<Flattener*>(self)->ConicTo(*c, *to);
        };
        funcs.cubic_to = [](const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* self) {
            return static_cast<Flattener*>(self)->CubicTo(*c1, *c2, *to);
        };
        if (FT_Outline_Decompose(outline, &funcs, this) != 0)
            return false;
        EndContour();
        out.points = std::move(out_.points);
        out.contours = std::move(out_.contours);
        return true;
    }

private:
    struct Vec {
        double x, y;
    };
    Vec Em(const FT_Vector& v) const { return {v.x * scale_, v.y * scale_}; }

    int MoveTo(const FT_Vector& to)
    {
        EndContour();
        contour_.first = out_.points.size();
        Add(Em(to));
        return 0;
    }
    int LineTo(const FT_Vector& to)
    {
        Add(Em(to));
        return 0;
    }
    int ConicTo(const FT_Vector& control, const FT_Vector& to)
    {
        const Vec p0 = last_, p1 = Em(control), p2 = Em(to);
        // A chord over 1/n of the curve lies within |p0 - 2p1 + p2| / (4 n²) of it.
        const int n = Segments(std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y) / 4);
        for (int i = 1; i <= n; ++i) {
            const double t = double(i) / n, s = 1 - t;
            Add({s * s * p0.x + 2 * s * t * p1.x + t * t * p2.x, s * s * p0.y + 2 * s * t * p1.y + t * t * p2.y});
        }
        return 0;
    }
    int CubicTo(const FT_Vector& control1, const FT_Vector& control2, const FT_Vector& to)
    {
        const Vec p0 = last_, p1 = Em(control1), p2 = Em(control2), p3 = Em(to);
        const double bend = std::max(std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y),
                                     std::hypot(p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y));
        const int n = Segments(0.75 * bend);
        for (int i = 1; i <= n; ++i) {
            const double t = double(i) / n, s = 1 - t;
            const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
            Add({a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
        }
        return 0;
    }

    // Segments for a curve whose chords over 1/n of it deviate by at most error / n².
    int Segments(double error) const
    {
        const double n = std::ceil(std::sqrt(error / tolerance_));
        return std::clamp(static_cast<int>(n), 1, kMaxCurveSegments);
    }

    void Add(Vec p)
    {
        last_ = p;
        if (out_.points.size() > contour_.first) {
            const GlyphOutline::Point& prev = out_.points.back();
            if (prev[0] == p.x && prev[1] == p.y)
                return;
        }
        out_.points.push_back({p.x, p.y, 0.0});
    }

    // Drops the closing point that repeats the first, and contours without area.
    void EndContour()
    {
        auto& pts = out_.points;
        contour_.count = pts.size() - contour_.first;
        if (contour_.count > 1 && pts.back() == pts[contour_.first]) {
            pts.pop_back();
            --contour_.count;
        }
        if (contour_.count >= 3)
            out_.contours.push_back(contour_);
        else
            pts.resize(contour_.first);
        contour_ = {pts.size(), 0};
    }

    double scale_;
    double tolerance_;
    GlyphOutline out_;
    GlyphOutline::Contour contour_;
    Vec last_{0, 0};
};

// Fills the outline with the GLU tessellator: triangles, counter-clockwise seen from +z.
class Tessellator {
public:
    Tessellator() : tess_(gluNewTess())
    {
        if (!tess_)
            return;
        using Callback = _GLUfuncptr;
        gluTessCallback(tess_, GLU_TESS_BEGIN_DATA, reinterpret_cast<Callback>(&Begin));
        gluTessCallback(tess_, GLU_TESS_VERTEX_DATA, reinterpret_cast<Callback>(&AddVertex));
        gluTessCallback(tess_, GLU_TESS_COMBINE_DATA, reinterpret_cast<Callback>(&Combine));
        gluTessCallback(tess_, GLU_TESS_ERROR_DATA, reinterpret_cast<Callback>(&Error));
        // With an edge flag callback the tessellator emits independent triangles only.
        gluTessCallback(tess_, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<Callback>(&EdgeFlag));
        gluTessNormal(tess_, 0, 0, 1);
    }
    ~Tessellator()
    {
        if (tess_)
            gluDeleteTess(tess_);
    }
    Tessellator(const Tessellator&) = delete;
    Tessellator& operator=(const Tessellator&) = delete;

    // Empty when the tessellator fails.
    std::vector<GlyphOutline::Point> Fill(GlyphOutline& outline, GLenum windingRule)
    {
        triangles_.clear();
        combined_.clear();
        failed_ = !tess_;
        if (failed_)
            return {};
        gluTessProperty(tess_, GLU_TESS_WINDING_RULE, windingRule);
        gluTessBeginPolygon(tess_, this);
        for (const GlyphOutline::Contour& c : outline.contours) {
            gluTessBeginContour(tess_);
            for (size_t i = c.first; i < c.first + c.count; ++i)
                gluTessVertex(tess_, outline.points[i].data(), outline.points[i].data());
            gluTessEndContour(tess_);
        }
        gluTessEndPolygon(tess_);
        if (failed_ || triangles_.size() % 3 != 0)
            return {};
        for (size_t i = 0; i < triangles_.size(); i += 3) {
            const GlyphOutline::Point &a = triangles_[i], &b = triangles_[i + 1], &c = triangles_[i + 2];
            if ((b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]) < 0)
                std::swap(triangles_[i + 1], triangles_[i + 2]);
        }
        return std::move(triangles_);
    }

private:
    static void Begin(GLenum type, void* self)
    {
        if (type != GL_TRIANGLES)
            static_cast<Tessellator*>(self)->failed_ = true;
    }
    static void AddVertex(void* vertex, void* self)
    {
        const GLdouble* p = static_cast<const GLdouble*>(vertex);
        static_cast<Tessellator*>(self)->triangles_.push_back({p[0], p[1], 0.0});
    }
    static void Combine(GLdouble coords[3], void* /*vertices*/[4], GLfloat /*weights*/[4], void** out, void* self)
    {
        auto& combined = static_cast<Tessellator*>(self)->combined_;
        combined.push_back({coords[0], coords[1], coords[2]});
        *out = combined.back().data();
    }
    static void Error(GLenum /*error*/, void* self) { static_cast<Tessellator*>(self)->failed_ = true; }
    static void EdgeFlag(GLboolean /*flag*/, void* /*self*/) {}

    GLUtesselator* tess_;
    std::vector<GlyphOutline::Point> triangles_;
    std::deque<GlyphOutline::Point> combined_;  // stable addresses for the tessellator
    bool failed_ = false;
};

}  // namespace

struct GlyphFace::Impl {
    explicit Impl(int weight) : file(weight) {}
    FontFile file;
    Tessellator tessellator;
};

GlyphFace::GlyphFace(int weight) : impl_(std::make_unique<Impl>(weight)) {}
GlyphFace::~GlyphFace() = default;

bool GlyphFace::loaded() const { return impl_->file.face() != nullptr; }

bool GlyphFace::Load(char32_t ch, double deviation, GlyphOutline& out)
{
    out = {};
    FT_Face face = impl_->file.face();
    if (!face)
        return false;
    const FT_UInt index = FT_Get_Char_Index(face, ch);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return false;

    FT_Outline* outline = &face->glyph->outline;
    const double scale = impl_->file.emScale();
    if (Flattener(scale, deviation).Run(outline, out) && !out.contours.empty()) {
        out.fillsRight = FT_Outline_Get_Orientation(outline) != FT_ORIENTATION_POSTSCRIPT;
        out.triangles = impl_->tessellator.Fill(out, outline->flags & FT_OUTLINE_EVEN_ODD_FILL
                                                         ? GLU_TESS_WINDING_ODD
                                                         : GLU_TESS_WINDING_NONZERO);
    }
    FT_BBox box{};
    if (outline->n_points > 0)
        FT_Outline_Get_BBox(outline, &box);
    out.xMin = box.xMin * scale;
    out.yMin = box.yMin * scale;
    out.xMax = box.xMax * scale;
    out.yMax = box.yMax * scale;
    out.advance = face->glyph->metrics.horiAdvance * scale;
    return true;
}

double GlyphFace::MissingGlyphAdvance()
{
    FT_Face face = impl_->file.face();
    if (!face || FT_Load_Glyph(face, 0, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0)
        return 0;
    return face->glyph->metrics.horiAdvance * impl_->file.emScale();
}
