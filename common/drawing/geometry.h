// Where every point of a drawing lies, with no output of its own: the joints
// in the structure's axes (a continuous beam's laid out along x), their
// projection onto the drawing plane, the deflection scale, each member's
// deflected curve and the page the whole fits on.
//
// A point (u, v) of the drawing plane, in inches, lies on the page at
// x = left + (u - umin) * inch, y = top + (vmax - v) * inch pixels. A plane
// structure is drawn in its plane (x to the right, y up); space structures
// and grids in a fixed axonometric view, a grid with its z translations
// vertical; a continuous beam as a line along x. The page holds the
// structure and its deflected shape, every point drawn finite.
#pragma once

#include <vector>

#include "drawing/layout.h"
#include "drawing/projection.h"
#include "model/model_core.h"
#include "solver/solution.h"

namespace qm {

constexpr double page_width = 960; // pixels

class DrawingGeometry {
public:
    DrawingGeometry(const DrawingLayout& layout, const ModelCore& s, const SolutionVectors& v);

    Vec joint(int j) const { return joint_[static_cast<size_t>(j)]; }
    // The values of a raw-order array at joint j for the degrees of freedom
    // dof (0: none, drawn as 0), e.g. the applied forces for the translations.
    Vec at_joint(const std::vector<float>& a, int j, const int (&dof)[3]) const
    {
        return {dof_value(a, j, dof[0]), dof_value(a, j, dof[1]), dof_value(a, j, dof[2])};
    }
    double dof_value(const std::vector<float>& a, int j, int k) const
    {
        return k == 0 ? 0.0 : a[static_cast<size_t>(s_.size.dofs_per_joint * (j - 1) + k)];
    }

    Point project(Vec p) const { return qm::project(layout_.view, p); }
    double px(Point p) const { return left_ + (p.u - umin_) * inch_; }
    double py(Point p) const { return top_ + (vmax_ - p.v) * inch_; }

    // Straight pieces a member's deflected curve is drawn with.
    int segments() const;
    // Member i's point at t (0 at the start, 1 at the end) on the deflected
    // shape at the drawing's scale, in the structure's axes.
    Vec deflected(int i, double t) const;

    // Displacements are drawn times scale (0: none drawn).
    double scale() const { return scale_; }
    double inch() const { return inch_; } // pixels per inch of the drawing plane
    double left() const { return left_; }
    double top() const { return top_; }
    double umin() const { return umin_; }
    double vmax() const { return vmax_; }
    double height() const { return height_; } // of the page, pixels

private:
    Vec translation(int j) const { return at_joint(v_.D, j, layout_.translation); }
    Vec rotation(int j) const { return at_joint(v_.D, j, layout_.rotation); }

    void place_joints();
    double deflection_scale();
    void fit_page();
    void member_axes(int i, Vec& y, Vec& z) const;
    Vec load_deflection(int i, double t) const;
    Vec displacement(int i, double t) const;

    const DrawingLayout& layout_;
    const ModelCore& s_;
    const SolutionVectors& v_;
    std::vector<Vec> joint_;
    double scale_ = 0;
    double umin_ = 0, vmax_ = 0, inch_ = 1, left_ = 0, top_ = 0, height_ = 0;
};

} // namespace qm
