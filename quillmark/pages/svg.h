// What every drawing of the pages is made of: an SVG text built element by
// element, its numbers to a tenth of a pixel, and the room its labels take,
// so that a label that would run into another is left out.
#pragma once

#include <string>
#include <vector>

namespace quill {

struct Px {
    double x = 0, y = 0; // pixels, y down
};

class Svg {
public:
    // The root element and a white page.
    Svg(double width, double height);
    // Closes the root element; the text is then complete.
    std::string finish();

    void raw(const std::string& element) { out_ += element; }
    void open(const std::string& group) { out_ += "<g " + group + ">\n"; }
    void close() { out_ += "</g>\n"; }
    void line(Px a, Px b, const std::string& attributes = "");
    void circle(Px c, double r, const std::string& attributes = "");
    void polyline(const std::vector<Px>& p, const std::string& attributes = "");
    void polygon(const std::vector<Px>& p, const std::string& attributes = "");
    // Text, escaped; anchor "start", "middle" or "end".
    void text(Px at, const std::string& text, const std::string& attributes = "", const char* anchor = "start");
    // A force: a line from tail to head with its arrowhead at the head.
    void arrow(Px tail, Px head, const std::string& attributes = "");
    // A moment: an arc about the point with its arrowhead, counter-clockwise
    // on the page where ccw.
    void turning_arrow(Px centre, double radius, bool ccw, const std::string& attributes = "");

private:
    std::string out_;
};

// "12.3": a pixel coordinate.
std::string px(double v);
// " x=\"..\" y=\"..\"".
std::string at_xy(Px p);

// The boxes taken by the labels placed so far.
class LabelSpace {
public:
    // Takes the box of a text of `chars` characters at `at` with the anchor
    // given, false (nothing taken) where it would overlap a box taken before.
    bool take(Px at, size_t chars, const char* anchor, double font = 11);
    void block(Px a, Px b); // a box nothing may be written on

private:
    struct Box {
        double x0, y0, x1, y1;
    };
    std::vector<Box> boxes_;
};

} // namespace quill
