// A model as the pages draw it: its joints in the structure's axes (a
// continuous beam's along x), each member's axes, their projection onto the
// drawing plane as the suite's drawings project them, and the panels that
// stand one below the other on a page, each the whole structure at the same
// scale with room around it for the diagrams and their values.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "drawing/projection.h"
#include "file/model.h"
#include "pages/svg.h"

namespace quill {

class StructureView {
public:
    explicit StructureView(const Model& s);

    const Model& model() const { return s_; }
    qm::View view() const { return view_; }
    qm::Vec joint(int j) const { return joint_[static_cast<size_t>(j)]; }
    // Member i's axis a (0: x, 1: y, 2: z) in the structure's axes.
    qm::Vec axis(int i, int a) const { return axes_[static_cast<size_t>(i)][static_cast<size_t>(a)]; }
    // The point of member i at s inches from its start joint.
    qm::Vec at(int i, double s) const;
    qm::Point project(qm::Vec p) const { return qm::project(view_, p); }
    // A vector of the structure in member i's axes (x, y, z components).
    qm::Vec in_global(int i, double x, double y, double z) const;

    // The extent of the projected joints, inches.
    double umin = 0, umax = 0, vmin = 0, vmax = 0;

private:
    const Model& s_;
    qm::View view_;
    std::vector<qm::Vec> joint_;
    std::vector<std::array<qm::Vec, 3>> axes_;
};

// Where one panel puts the drawing plane on the page.
struct Frame {
    double left = 0, top = 0, umin = 0, vmax = 0, scale = 1; // scale: pixels per inch
    Px at(qm::Point p) const { return {left + (p.u - umin) * scale, top + (vmax - p.v) * scale}; }
};

// Panels of one width and height: the structure fills the width within the
// margins that its diagrams stick out into.
class Panels {
public:
    explicit Panels(const StructureView& v);

    double width() const { return width_; }
    double height() const { return height_; }
    // The largest ordinate of a diagram, pixels.
    double ordinate() const { return ordinate_; }
    // Panel k's frame, its top `first` pixels down the page.
    Frame frame(int k, double first) const;
    // The top of panel k's heading.
    double top(int k, double first) const { return first + k * height_; }

    static constexpr double heading = 34; // pixels above the structure's room

private:
    const StructureView& v_;
    double width_ = 960, height_ = 0, ordinate_ = 0, scale_ = 1, pad_ = 0;
};

// The structure in a panel: its members, its supports and, where asked and
// where there is room, the names of its joints and members.
void draw_structure(Svg& svg, LabelSpace& labels, const StructureView& v, const Frame& f, bool names);

// A panel's heading line and a line below it.
void draw_heading(Svg& svg, double top, double width, const std::string& title, const std::string& note);

// The page's title lines: the model's title and what the page shows.
void draw_title(Svg& svg, const Model& s, const std::string& what, const std::string& units);

// A bar of a round length in the model's length unit, about 100 pixels
// long, its right end at `right`.
void draw_length_scale(Svg& svg, const Model& s, const Frame& f, Px right);

// "forces in kip, moments in kip*ft, lengths in ft": the units a drawing
// writes its values in.
std::string units_line(const Model& s);

} // namespace quill
