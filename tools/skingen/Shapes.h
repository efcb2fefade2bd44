#pragma once
// Smooth shapes for the skin pictures. gfx::Painter draws hard pixels, which is right for the
// program's own painting but makes round buttons and drawn icons look jagged; the skin is drawn
// once, so it can afford sixteen samples a pixel. Shapes are signed distances (negative inside,
// in pixels), which also gives soft shadows for free. Everything here is deterministic, because
// the generated files are committed and compared byte for byte.

#include "gfx/Image.h"

#include <functional>
#include <initializer_list>

namespace skingen {

// Signed distance from a point to the shape's edge, in pixels; negative inside.
using Shape = std::function<double(double x, double y)>;
// The colour of the paint at a point, for gradients.
using Paint = std::function<gfx::Pixel(double x, double y)>;

struct Vec {
    double x = 0;
    double y = 0;
};

Shape RoundedRect(double left, double top, double width, double height, double radius);
Shape Circle(double cx, double cy, double radius);
// A stroke of the given width between two points, with round ends.
Shape Segment(Vec a, Vec b, double width);
// A convex polygon, corners in either order.
Shape ConvexPolygon(std::initializer_list<Vec> corners);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape from, Shape cut);
// Only the edge band of the shape, width pixels wide, just inside it.
Shape Outline(Shape shape, double width);
Shape Moved(Shape shape, double dx, double dy);
// The program's motif: an eyedropper lying along the diagonal, tip at the lower left, bulb at the
// upper right, about 20 pixels long at scale 1.
Shape Eyedropper(Vec centre, double scale);

// Straight-alpha "over": src laid on dst.
gfx::Pixel Over(gfx::Pixel dst, gfx::Pixel src);
// a at t = 0, b at t = 1, every channel including alpha.
gfx::Pixel Mix(gfx::Pixel a, gfx::Pixel b, double t);
gfx::Pixel WithAlpha(gfx::Pixel pixel, int alpha);
gfx::Pixel Opaque(Colour colour);

// Lays the paint over every pixel the shape covers, weighted by how much of the pixel it covers.
void Fill(gfx::Image& image, Shape const& shape, Paint const& paint);
void Fill(gfx::Image& image, Shape const& shape, gfx::Pixel colour);
// A shadow: colour at full strength inside the shape, fading to nothing blur pixels outside.
void Shadow(gfx::Image& image, Shape const& shape, gfx::Pixel colour, double blur);
// A top-to-bottom gradient between two rows (clamped beyond them).
Paint VerticalGradient(double top, gfx::Pixel topColour, double bottom, gfx::Pixel bottomColour);

}
