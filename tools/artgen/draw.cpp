#include "draw.h"

#include <cmath>

namespace {
const double kPi = 3.14159265358979323846;

double segmentDistance(double px, double py, Point a, Point b)
{
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    double ex = a.x + t * dx - px, ey = a.y + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

std::vector<Point> starPoints(double cx, double cy, int corners, double inner, double outer, double turn)
{
    std::vector<Point> points;
    int n = inner == outer ? corners : corners * 2;
    for (int i = 0; i < n; ++i) {
        double r = (i % 2 == 0 || inner == outer) ? outer : inner;
        double angle = (turn - 90) * kPi / 180 + 2 * kPi * i / n;
        points.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
    }
    return points;
}
}

Shape circle(double cx, double cy, double r)
{
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape ellipse(double cx, double cy, double rx, double ry)
{
    return [=](double x, double y) {
        double u = (x - cx) / rx, v = (y - cy) / ry;
        return u * u + v * v <= 1;
    };
}

Shape ring(double cx, double cy, double inner, double outer)
{
    return subtract(circle(cx, cy, outer), circle(cx, cy, inner));
}

Shape box(double x0, double y0, double x1, double y1)
{
    return [=](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
}

Shape roundedBox(double x0, double y0, double x1, double y1, double radius)
{
    return [=](double x, double y) {
        double dx = x < x0 + radius ? x0 + radius - x : (x > x1 - radius ? x - (x1 - radius) : 0);
        double dy = y < y0 + radius ? y0 + radius - y : (y > y1 - radius ? y - (y1 - radius) : 0);
        return x >= x0 && x <= x1 && y >= y0 && y <= y1 && dx * dx + dy * dy <= radius * radius;
    };
}

Shape polygon(std::vector<Point> points)
{
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point& a = points[i];
            const Point& b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside;
    };
}

Shape star(double cx, double cy, int spikes, double inner, double outer, double turnDegrees)
{
    return polygon(starPoints(cx, cy, spikes, inner, outer, turnDegrees));
}

Shape regular(double cx, double cy, int corners, double r, double turnDegrees)
{
    return polygon(starPoints(cx, cy, corners, r, r, turnDegrees));
}

Shape segment(double x0, double y0, double x1, double y1, double halfWidth)
{
    return [=](double x, double y) { return segmentDistance(x, y, {x0, y0}, {x1, y1}) <= halfWidth; };
}

Shape polyline(const std::vector<Point>& points, double halfWidth)
{
    return [=](double x, double y) {
        for (std::size_t i = 1; i < points.size(); ++i)
            if (segmentDistance(x, y, points[i - 1], points[i]) <= halfWidth)
                return true;
        return false;
    };
}

Shape heart(double cx, double cy, double size)
{
    return [=](double x, double y) {
        double u = (x - cx) / size, v = -(y - cy) / size + 0.2;
        double a = u * u + v * v - 1;
        return a * a * a - u * u * v * v * v <= 0;
    };
}

Shape unite(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}

Shape subtract(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape intersect(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}

Shape moved(Shape s, double dx, double dy)
{
    return [=](double x, double y) { return s(x - dx, y - dy); };
}

void paint(Image& image, const Shape& shape, const std::function<Rgba(double x, double y)>& colourAt)
{
    const double unit = image.scale();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (shape((x + 0.5) / unit, (y + 0.5) / unit))
                image.blend(x, y, colourAt((x + 0.5) / unit, (y + 0.5) / unit));
}

void fill(Image& image, const Shape& shape, Rgba colour)
{
    paint(image, shape, [&](double, double) { return colour; });
}

void fillOutlined(Image& image, const Shape& shape, Rgba colour, Rgba outline, double width)
{
    auto grown = [&](double x, double y) {
        for (int k = 0; k < 8; ++k) {
            double angle = k * kPi / 4;
            if (shape(x + width * std::cos(angle), y + width * std::sin(angle)))
                return true;
        }
        return shape(x, y);
    };
    fill(image, grown, outline);
    fill(image, shape, colour);
}
