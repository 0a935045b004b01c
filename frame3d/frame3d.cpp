// The space frame's identity and report tables, in report order.
#include "frame3d.h"

namespace frame3d {

// Bending along member y is about member z, along member z about member y.
static double flexural_rigidity(const qm::ModelCore& s, int i, qm::MemberAxis axis)
{
    const Section& sec = static_cast<const StructureModel&>(s).sec[i];
    return static_cast<double>(sec.E) * (axis == qm::MemberAxis::y ? sec.iz : sec.iy);
}

constexpr qm::ProgramTables tables = {
    .identity = {.program = "frame3d",
                 .structure = "space frame",
                 .type_name = "spacefr",
                 .html_title = "Space Frame analysis      rev %3.2f\n<BR>",
                 .text_title = "Space Frame analysis\t\t\trev %3.2f",
                 .revision = 0.22},
    .footer_on_error = true,
    .diagonal_failure = {.report_head = {"\nERROR\t0 on primary diagonal\n", "and entire array columns.\n",
                                         "Structure is indeterminate\n", nullptr},
                         .console = "\nERROR\t0 on primary diagonal\n",
                         .entry = "diagonal entry = %i\n",
                         .array_size = "array size = %i\n",
                         .counts = "%i,%i,%i,%i\n",
                         .tail = nullptr},
    .dof_names = {{"translation x", "translation y", "translation z", "rotation x", "rotation y", "rotation z"}},
    .loads =
        {
            .negative_count_lists = true,
            .joint_titles = "joint</TD><TD>force<sub>x</sub><BR> (kips)</TD><TD>force<sub>y</sub><BR> (kips)</TD><TD>"
                            "force<sub>z</sub><BR> (kips)</TD><TD>moment<sub>x</sub><BR> (inch-kips)</TD><TD>moment"
                            "<sub>y</sub><BR> (inch-kips)</TD><TD>moment<sub>z</sub><BR> (inch-kips)\n",
            .joint_row = " %3i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n"
                         "</TD>\n</TR>\n",
            .member_heading = true,
            .member_titles =
                "member</TD><TD>start force<sub>x</sub> axial (kips)</TD><TD>start force<sub>y</sub> shear (kips)"
                "</TD><TD>start force<sub>z</sub> shear (kips)</TD>"
                "<TD>start moment<sub>x</sub> torsion (kips)</TD><TD>start moment<sub>y</sub> bending (kips)</TD>"
                "<TD>start moment<sub>z</sub> bending (kips)</TD>"
                "<TD>end force<sub>x</sub> axial (kips)</TD><TD>end force<sub>y</sub> shear (kips)</TD><TD>end "
                "force<sub>z</sub> shear (kips)</TD>"
                "<TD>end moment<sub>x</sub> torsion (kips)</TD><TD>end moment<sub>y</sub> bending (kips)</TD><TD>"
                "end moment<sub>z</sub> bending (kips)\n",
            .member_row = "%i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                          "</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                          "</TD></TR>\n",
            .member_text_head = nullptr,
            .member_text_row = nullptr,
            .dummy_section = true,
        },
    .displacements =
        {
            .plain_heading = false,
            .titles = "joint</TD><TD>translation<sub>x</sub><BR> (inch)</TD><TD>translation<sub>y</sub><BR> (inch)"
                      "</TD><TD>translation<sub>z</sub><BR> (inch)</TD><TD>rotation<sub>x</sub><BR> (degrees)</TD>"
                      "<TD>rotation<sub>y</sub><BR> (degrees)</TD><TD>rotation<sub>z</sub><BR> (degrees)</TD><TD>\n"
                      "support force<sub>x</sub><BR> (kips)</TD><TD>support force<sub>y</sub><BR> (kips)</TD><TD>"
                      "support force<sub>z</sub><BR> (kips)</TD><TD>support<BR> moment<sub>x</sub><BR> (inch-kips)"
                      "</TD><TD>support<BR> moment<sub>y</sub><BR> (inch-kips)</TD><TD>support<BR> moment<sub>z"
                      "</sub><BR> (inch-kips)\n",
            .row = "%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f\n"
                   "</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f\n",
            .degrees = {false, false, false, true, true, true},
        },
    .end_actions =
        {
            .titles = "member</TD><TD>start force<sub>x</sub><BR> (kips)</TD><TD>start force<sub>y</sub><BR> (kips)"
                      "</TD><TD>start force<sub>z</sub><BR> (kips)</TD><TD>start moment<sub>x</sub><BR> (inch-kips))"
                      "</TD><TD>start moment<sub>y</sub><BR> (inch-kips)</TD><TD>start moment<sub>z</sub><BR> "
                      "(inch-kips)\n"
                      "&nbsp;</TD><TD>end force<sub>x</sub><BR> (kips)</TD><TD>end force<sub>y</sub><BR> (kips)</TD>"
                      "<TD>end force<sub>z</sub><BR> (kips)</TD><TD>end moment<sub>x</sub><BR> (inch-kips))</TD><TD>"
                      "end moment<sub>y</sub><BR> (inch-kips)</TD><TD>end moment<sub>z</sub><BR> (inch-kips)\n",
            .titles_end = "</TD>\n</TR>\n",
            .ending = "",
            .notes_opening = "</TABLE>\n",
            .after_notes = "",
        },
    .check =
        {
            .nc = 12,
            .action = {qm::Action::shear, qm::Action::axial_start, qm::Action::shear, qm::Action::shear_z,
                       qm::Action::torsion, qm::Action::moment_y, qm::Action::moment, qm::Action::axial_end,
                       qm::Action::shear, qm::Action::shear_z, qm::Action::torsion, qm::Action::moment_y,
                       qm::Action::moment},
            .row = qm::check_row_continued,
            .labels = {.tension_start = "<BR> tension",
                       .compression_start = "<BR> compression",
                       .tension_end = "<BR> tension",
                       .compression_end = "<BR> compression",
                       .shear = "<BR> shear",
                       .torsion = "<BR> torsion",
                       .moment = "<BR> moment"},
            .compression_equal_passes = true,
            .limit_row = qm::limit_row_two_decimals,
            .ratios = {.moment_category = qm::moment_ratio,
                       .torsion_category = qm::rotation_ratio,
                       .absolute_axial = true,
                       .absolute_other = true,
                       .member1_sets = {1, 2, 4, 5, 0},
                       .summary_order = {qm::compressive, qm::tensile, qm::shear_ratio,
                                         qm::moment_ratio, qm::rotation_ratio, qm::no_category}},
        },
    .csv = {.reactions_apart = true, .dummy_list = true, .final_newline = false},
    .summary = {.counts_line = false, .blank_lines = 1},
    .drawing = {.view = qm::View::space,
                .bending = true,
                .translation = {1, 2, 3},
                .rotation = {4, 5, 6},
                .planes = {{.axis = qm::MemberAxis::y, .shear = {2, 8}, .moment = {6, 12}},
                           {.axis = qm::MemberAxis::z, .shear = {3, 9}, .moment = {5, 11}}},
                .flexural_rigidity = flexural_rigidity},
};

static_assert(qm::formats_fit(tables), "a format of the tables does not take what its writer passes");

} // namespace frame3d
