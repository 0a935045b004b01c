// An action's diagram along the members, as engineers draw it on the
// structure: each member's ordinates stand off the member along a direction
// of its own axes (a moment's to the side in tension), filled, with its
// values at the ends and at each peak written beside it. The values go on
// the page largest first; one that would run into another is left out.
#pragma once

#include <string>
#include <vector>

#include "along/span_actions.h"
#include "pages/structure_view.h"

namespace quill {

// A member's diagram: ordinates at stations, a jump standing as two
// ordinates at one station; and the values worth writing.
struct MemberDiagram {
    int member = 0;
    std::vector<double> s, value; // inches, kips or inch-kips
    struct Label {
        double s, value;
        bool peak; // the member's largest or smallest
    };
    std::vector<Label> labels;
};

// The diagram of an action along member i: the ends, both sides of every
// jump, each piece followed closely enough to draw its curve; labelled at
// the ends, at the largest and the smallest value and at every turning
// point and corner in between.
MemberDiagram diagram_of(int member, const Piecewise& f);

// The kind of action a panel shows and which way it is drawn: its
// ordinates along member axis `axis` (1: y, 2: z), times `sense` (a
// moment about z, tension on its -y side, is drawn with sense -1).
struct DiagramStyle {
    int axis = 1;
    double sense = 1;
    Quantity quantity = Quantity::moment;
    const char* colour = "#1565c0";
    const char* name = "Mz"; // in the page's markup: data-action
    // Values written without their sign: a moment's side of the member
    // tells it.
    bool magnitudes = false;
};

// The largest magnitude of the diagrams' ordinates (0: none).
double largest_ordinate(const std::vector<MemberDiagram>& d);

// The diagrams of one panel drawn and labelled, `per` pixels per kip or
// inch-kip of ordinate.
void draw_diagrams(Svg& svg, LabelSpace& labels, const StructureView& v, const Frame& f,
                   const std::vector<MemberDiagram>& d, const DiagramStyle& style, double per);

// "10 px = 25 kip*ft": the scale of a panel's ordinates.
std::string ordinate_scale(const Model& s, const DiagramStyle& style, double per);

} // namespace quill
