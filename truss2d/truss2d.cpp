// The plane truss's identity and report tables, in report order.
#include "truss2d.h"

namespace truss2d {

constexpr qm::ProgramTables tables = {
    .identity = {.program = "truss2d",
                 .structure = "plane truss",
                 .type_name = "planetr",
                 .html_title = "Plane Truss analysis      rev %3.2f\n<BR>",
                 .text_title = "Plane Truss analysis\t\t\trev %3.2f",
                 .revision = 0.14},
    .footer_on_error = true,
    .diagonal_failure = qm::zero_diagonal_by_number,
    .dof_names = {{"translation x", "translation y", nullptr, nullptr, nullptr, nullptr}},
    .loads =
        {
            .negative_count_lists = true,
            .joint_titles = "joint</TD><TD>force<sub>x</sub> (kips)</TD><TD>force<sub>y</sub> (kips)\n",
            .joint_row = " %3i</TD><TD>%8.3f</TD><TD>%8.3f\n</TD>\n</TR>\n",
            .member_heading = true,
            .member_titles = "member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)"
                             "</TD><TD>end force<sub>x</sub> (kips)</TD><TD>end force<sub>y</sub> (kips)\n",
            .member_row = "%i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n</TD>\n</TR>\n",
            .member_text_head = nullptr,
            .member_text_row = nullptr,
            .dummy_section = true,
        },
    .displacements =
        {
            .plain_heading = false,
            .titles = "joint</TD><TD>translation<sub>x</sub></TD><TD>translation<sub>y</sub></TD><TD>support force"
                      "<sub>x</sub></TD><TD>support force<sub>y</sub>\n",
            .row = "%7.3f (inch)</TD><TD>%7.3f (inch)</TD><TD>%7.3f (kips)</TD><TD>%7.3f (kips)\n",
            .degrees = {false, false},
        },
    .end_actions =
        {
            .titles = "member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)</TD><TD>"
                      "end force<sub>x</sub> (kips)</TD><TD>end force<sub>y</sub> (kips)\n",
            .titles_end = "</TD>\n</TR>\n",
            .ending = "</TABLE>\n\n\n",
            .notes_opening = "",
            .after_notes = "",
        },
    // Four end actions per member: start force x (axial), start force y
    // (shear), end force x (axial), end force y (shear).
    .check =
        {
            .nc = 4,
            .action = {qm::Action::shear, qm::Action::axial_start, qm::Action::shear, qm::Action::axial_end,
                       qm::Action::shear},
            .row = qm::check_row_opened,
            .labels = {.tension_start = " tension",
                       .compression_start = " compression",
                       .tension_end = " tensile",
                       .compression_end = " compressive",
                       .shear = " shear",
                       .torsion = "",
                       .moment = ""},
            .compression_equal_passes = true,
            .limit_row = qm::limit_row_three_decimals,
            .ratios = {.moment_category = qm::no_category,
                       .torsion_category = qm::no_category,
                       .absolute_axial = false,
                       .absolute_other = true,
                       .member1_sets = {1, 2, 0, 0, 0},
                       .summary_order = {qm::compressive, qm::tensile, qm::shear_ratio, qm::no_category}},
        },
    .csv = {.reactions_apart = false, .dummy_list = true, .final_newline = true},
    .summary = {.counts_line = true, .blank_lines = 1},
    .drawing = {.view = qm::View::plane, .bending = false, .translation = {1, 2, 0}, .rotation = {0, 0, 0}},
};

static_assert(qm::formats_fit(tables), "a format of the tables does not take what its writer passes");

} // namespace truss2d
