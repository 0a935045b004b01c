// The space truss's identity and report tables, in report order.
#include "truss3d.h"

namespace truss3d {

constexpr qm::ProgramTables tables = {
    .identity = {.program = "truss3d",
                 .structure = "space truss",
                 .type_name = "spacetr",
                 .html_title = "Space Truss analysis      rev %3.2f\n<BR>",
                 .text_title = "Space Truss analysis\t\t\trev %3.2f",
                 .revision = 0.13},
    .footer_on_error = true,
    .diagonal_failure = {.report_head = {"\nERROR\t0 on primary diagonal\n", "and entire array columns.\n",
                                         "Structure is indeterminante\n", nullptr},
                         .console = "\nERROR\t0 on primary diagonal\n",
                         .entry = "diagonal entry = %i\n",
                         .array_size = "array size = %i\n",
                         .counts = "%i,%i,%i,%i\n",
                         .tail = nullptr},
    .dof_names = {{"translation x", "translation y", "translation z", nullptr, nullptr, nullptr}},
    .loads =
        {
            .negative_count_lists = true,
            .joint_titles = "joint</TD><TD>force<sub>x</sub> (kips)</TD><TD>force<sub>y</sub> (kips)</TD><TD>force"
                            "<sub>z</sub> (kips)\n",
            .joint_row = " %3i</TD><TD>%8.3f</TD><TD>\n%8.3f</TD><TD>%8.3f\n</TD>\n</TR>\n",
            .member_heading = true,
            .member_titles = "member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)"
                             "</TD><TD>start force<sub>z</sub> (kips)</TD><TD>end force<sub>x</sub> (kips)</TD><TD>"
                             "end force<sub>y</sub> (kips)</TD><TD>end force<sub>z</sub> (kips)\n",
            .member_row = "%i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n"
                          "</TD>\n</TR>\n",
            .member_text_head = nullptr,
            .member_text_row = nullptr,
            .dummy_section = true,
        },
    .displacements =
        {
            .plain_heading = false,
            .titles = "joint</TD><TD>translation<sub>x</sub></TD><TD>translation<sub>y</sub></TD><TD>translation"
                      "<sub>z</sub></TD><TD>force<sub>x</sub></TD><TD>force<sub>y</sub></TD><TD>force<sub>z</sub>\n",
            .row = "%7.3f (inch)</TD><TD>%7.3f (inch)</TD><TD>%7.3f (inch)</TD><TD>%7.3f (kips)</TD><TD>%7.3f (kips)"
                   "</TD><TD>%7.3f (kips)\n",
            .degrees = {false, false, false},
        },
    .end_actions =
        {
            .titles = "member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)</TD><TD>"
                      "start force<sub>z</sub> (kips)</TD><TD>end force<sub>x</sub> (kips)</TD><TD>end force<sub>y"
                      "</sub> (kips)</TD><TD>end force<sub>z</sub> (kips)\n",
            .titles_end = "</TD>\n</TR>\n",
            .ending = "</TABLE>\n\n\n",
            .notes_opening = "",
            .after_notes = "",
        },
    // Six end actions per member: start force x (axial), start forces y and
    // z (shear), then the same at the end joint. One pair of labels at both
    // ends; the allowable table keeps the signed allowables.
    .check =
        {
            .nc = 6,
            .action = {qm::Action::shear, qm::Action::axial_start, qm::Action::shear, qm::Action::shear,
                       qm::Action::axial_end, qm::Action::shear, qm::Action::shear},
            .row = qm::check_row_opened,
            .labels = {.tension_start = " tension",
                       .compression_start = " compression",
                       .tension_end = " tension",
                       .compression_end = " compression",
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
    .csv = {.reactions_apart = false, .dummy_list = false, .final_newline = true},
    .summary = {.counts_line = true, .blank_lines = 3},
    .drawing = {.view = qm::View::space, .bending = false, .translation = {1, 2, 3}, .rotation = {0, 0, 0}},
};

static_assert(qm::formats_fit(tables), "a format of the tables does not take what its writer passes");

} // namespace truss3d
