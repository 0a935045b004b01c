// The plane frame's identity and report tables, in report order.
#include "frame2d.h"

namespace frame2d {

static double flexural_rigidity(const qm::ModelCore& s, int i, qm::MemberAxis)
{
    const Section& sec = static_cast<const StructureModel&>(s).sec[i];
    return static_cast<double>(sec.E) * sec.Iz;
}

constexpr qm::ProgramTables tables = {
    .identity = {.program = "frame2d",
                 .structure = "plane frame",
                 .type_name = "planefr",
                 .html_title = "Plane Frame analysis      rev %3.2f\n<BR>",
                 .text_title = "Plane Frame analysis\t\t\trev %3.2f",
                 .revision = 0.12},
    // An error stop only closes the report: this program writes no footer.
    .footer_on_error = false,
    .diagonal_failure = qm::zero_diagonal_by_number,
    .dof_names = {{"translation x", "translation y", "rotation z", nullptr, nullptr, nullptr}},
    // A load count of zero or below means none.
    .loads =
        {
            .negative_count_lists = false,
            .joint_titles = "joint</TD><TD>force<sub>x</sub> (kips)</TD><TD>force<sub>y</sub> (kips)</TD><TD>moment"
                            "<sub>z</sub> (inch-kips)\n",
            .joint_row = " %3i</TD><TD>%8.3f</TD><TD>\n%8.3f</TD><TD>%8.3f\n</TD>\n</TR>\n",
            .member_heading = true,
            .member_titles = "member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)"
                             "</TD><TD>start moment<sub>z</sub> (inch-kips)</TD><TD>end force<sub>x</sub> (kips)</TD>"
                             "<TD>end force<sub>y</sub> (kips)</TD><TD>end moment<sub>z</sub> (inch-kips)\n",
            .member_row = "%i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n"
                          "</TD>\n</TR>\n",
            .member_text_head = nullptr,
            .member_text_row = nullptr,
            .dummy_section = true,
        },
    .displacements =
        {
            .plain_heading = false,
            .titles = "joint</TD><TD>displacement<sub>x</sub></TD><TD>displacement<sub>y</sub></TD><TD>moment<sub>z"
                      "</sub></TD><TD>support reaction<sub>x</sub></TD><TD>support reaction<sub>y</sub></TD><TD>"
                      "support reaction<sub>z</sub>\n",
            .row = "%8.3f (inch)</TD><TD>%8.3f (inch)</TD><TD>%8.3f (degrees)</TD><TD>%8.3f (kips)</TD><TD>%8.3f "
                   "(kips)</TD><TD>%8.3f (inch-kips)\n",
            .degrees = {false, false, true},
        },
    .end_actions =
        {
            .titles = "member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)</TD><TD>"
                      "start moment<sub>y</sub> (inch-kips)</TD><TD>end force<sub>x</sub> (kips)</TD><TD>end force"
                      "<sub>y</sub> (kips)</TD><TD>end moment<sub>y</sub> (inch-kips)\n",
            .titles_end = "</TD>\n</TR>\n",
            .ending = "</TABLE>\n\n\n",
            .notes_opening = "",
            .after_notes = "",
        },
    // End actions 1..6: start axial, start shear, start moment, end axial,
    // end shear, end moment. Every mark, compression included, passes only
    // when the allowable is strictly greater.
    .check =
        {
            .nc = 6,
            .action = {qm::Action::shear, qm::Action::axial_start, qm::Action::shear, qm::Action::moment,
                       qm::Action::axial_end, qm::Action::shear, qm::Action::moment},
            .row = qm::check_row_continued,
            .labels = {.tension_start = " tensile",
                       .compression_start = " compressive",
                       .tension_end = " tensile",
                       .compression_end = " compressive",
                       .shear = " shear",
                       .torsion = "",
                       .moment = " moment"},
            .compression_equal_passes = false,
            .limit_row = qm::limit_row_two_decimals,
            .ratios = {.moment_category = qm::moment_ratio,
                       .torsion_category = qm::no_category,
                       .absolute_axial = false,
                       .absolute_other = false,
                       .member1_sets = {1, 2, 3, 0, 0},
                       .summary_order = {qm::compressive, qm::tensile, qm::shear_ratio, qm::moment_ratio,
                                         qm::no_category}},
        },
    .csv = {.reactions_apart = false, .dummy_list = true, .final_newline = true},
    .summary = {.counts_line = false, .blank_lines = 1},
    .drawing = {.view = qm::View::plane,
                .bending = true,
                .translation = {1, 2, 0},
                .rotation = {0, 0, 3},
                .planes = {{.axis = qm::MemberAxis::y, .shear = {2, 5}, .moment = {3, 6}}},
                .flexural_rigidity = flexural_rigidity},
};

static_assert(qm::formats_fit(tables), "a format of the tables does not take what its writer passes");

} // namespace frame2d
