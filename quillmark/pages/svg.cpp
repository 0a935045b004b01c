#include "pages/svg.h"

#include <cmath>
#include <cstdio>

#include "pages/text.h"

namespace quill {

std::string px(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", std::fabs(v) < 0.05 ? 0.0 : v);
    return buf;
}

std::string at_xy(Px p)
{
    return " x=\"" + px(p.x) + "\" y=\"" + px(p.y) + "\"";
}

namespace {

std::string points(const std::vector<Px>& p)
{
    std::string out;
    for (size_t k = 0; k < p.size(); ++k)
        out += (k ? " " : "") + px(p[k].x) + "," + px(p[k].y);
    return out;
}

std::string with_space(const std::string& attributes)
{
    return attributes.empty() ? attributes : " " + attributes;
}

} // namespace

Svg::Svg(double width, double height)
{
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           px(width) + "\" height=\"" + px(height) + "\" viewBox=\"0 0 " + px(width) + " " + px(height) +
           "\" font-family=\"sans-serif\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
}

std::string Svg::finish()
{
    out_ += "</svg>\n";
    return std::move(out_);
}

void Svg::line(Px a, Px b, const std::string& attributes)
{
    out_ += "<line x1=\"" + px(a.x) + "\" y1=\"" + px(a.y) + "\" x2=\"" + px(b.x) + "\" y2=\"" + px(b.y) + "\"" +
            with_space(attributes) + "/>\n";
}

void Svg::circle(Px c, double r, const std::string& attributes)
{
    out_ += "<circle cx=\"" + px(c.x) + "\" cy=\"" + px(c.y) + "\" r=\"" + px(r) + "\"" + with_space(attributes) + "/>\n";
}

void Svg::polyline(const std::vector<Px>& p, const std::string& attributes)
{
    out_ += "<polyline points=\"" + points(p) + "\"" + with_space(attributes) + "/>\n";
}

void Svg::polygon(const std::vector<Px>& p, const std::string& attributes)
{
    out_ += "<polygon points=\"" + points(p) + "\"" + with_space(attributes) + "/>\n";
}

void Svg::text(Px at, const std::string& text, const std::string& attributes, const char* anchor)
{
    out_ += "<text" + at_xy(at) + (std::string(anchor) == "start" ? "" : " text-anchor=\"" + std::string(anchor) + "\"") +
            with_space(attributes) + ">" + html_escape(text) + "</text>\n";
}

void Svg::arrow(Px tail, Px head, const std::string& attributes)
{
    double dx = head.x - tail.x, dy = head.y - tail.y, d = std::hypot(dx, dy);
    if (!(d > 0))
        return;
    double ux = dx / d, uy = dy / d, k = std::min(7.0, 0.6 * d);
    Px back = {head.x - k * ux, head.y - k * uy};
    out_ += "<g" + with_space(attributes) + "><line x1=\"" + px(tail.x) + "\" y1=\"" + px(tail.y) + "\" x2=\"" +
            px(back.x) + "\" y2=\"" + px(back.y) + "\"/><path stroke=\"none\" d=\"M" + px(head.x) + " " + px(head.y) +
            " L" + px(back.x - 0.45 * k * uy) + " " + px(back.y + 0.45 * k * ux) + " L" + px(back.x + 0.45 * k * uy) +
            " " + px(back.y - 0.45 * k * ux) + " Z\"/></g>\n";
}

void Svg::turning_arrow(Px c, double r, bool ccw, const std::string& attributes)
{
    // Three quarters of a circle that ends at the right of the point, moving
    // up (counter-clockwise on the page) or down; the head at its end.
    Px start = {c.x, ccw ? c.y - r : c.y + r}, end = {c.x + r, c.y};
    double ty = ccw ? -1 : 1;
    out_ += "<g" + with_space(attributes) + "><path fill=\"none\" d=\"M" + px(start.x) + " " + px(start.y) + " A" +
            px(r) + " " + px(r) + " 0 1 " + (ccw ? "0 " : "1 ") + px(end.x) + " " + px(end.y) +
            "\"/><path stroke=\"none\" d=\"M" + px(end.x) + " " + px(end.y + 3 * ty) + " L" + px(end.x - 4) + " " +
            px(end.y - 4 * ty) + " L" + px(end.x + 4) + " " + px(end.y - 4 * ty) + " Z\"/></g>\n";
}

bool LabelSpace::take(Px at, size_t chars, const char* anchor, double font)
{
    double w = 0.6 * font * static_cast<double>(chars), h = font;
    std::string a = anchor;
    double x0 = a == "start" ? at.x : a == "end" ? at.x - w : at.x - w / 2;
    Box b = {x0 - 1, at.y - h, x0 + w + 1, at.y + 0.25 * h};
    for (const Box& o : boxes_)
        if (b.x0 < o.x1 && o.x0 < b.x1 && b.y0 < o.y1 && o.y0 < b.y1)
            return false;
    boxes_.push_back(b);
    return true;
}

void LabelSpace::block(Px a, Px b)
{
    boxes_.push_back({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
}

} // namespace quill
