#pragma once
#include "image.h"

#include <functional>
#include <vector>

// A region of the plane: true for points inside. Pixel (x, y) is sampled at its centre (x + 0.5, y + 0.5),
// divided by the picture's scale.
using Shape = std::function<bool(double x, double y)>;

struct Point {
    double x, y;
};

Shape circle(double cx, double cy, double r);
Shape ellipse(double cx, double cy, double rx, double ry);
Shape ring(double cx, double cy, double inner, double outer);
Shape box(double x0, double y0, double x1, double y1);
Shape roundedBox(double x0, double y0, double x1, double y1, double radius);
Shape polygon(std::vector<Point> points);
Shape star(double cx, double cy, int spikes, double inner, double outer, double turnDegrees);
Shape regular(double cx, double cy, int corners, double r, double turnDegrees);
Shape segment(double x0, double y0, double x1, double y1, double halfWidth);
Shape polyline(const std::vector<Point>& points, double halfWidth);
Shape heart(double cx, double cy, double size);
Shape unite(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape moved(Shape s, double dx, double dy);

void fill(Image& image, const Shape& shape, Rgba colour);
// Fills the shape with a colour computed per pixel centre.
void paint(Image& image, const Shape& shape, const std::function<Rgba(double x, double y)>& colourAt);
// Draws the shape, then a darker outline of the given width around it.
void fillOutlined(Image& image, const Shape& shape, Rgba colour, Rgba outline, double width);
