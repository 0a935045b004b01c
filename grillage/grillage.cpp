// The grid's identity and report tables, in report order.
#include "grillage.h"

namespace grillage {

// Members bend in the vertical plane, about member y (z cross x).
static double flexural_rigidity(const qm::ModelCore& s, int i, qm::MemberAxis)
{
    const Section& sec = static_cast<const StructureModel&>(s).sec[i];
    return static_cast<double>(sec.E) * sec.Iy;
}

constexpr qm::ProgramTables tables = {
    .identity = {.program = "grillage",
                 .structure = "grid",
                 .type_name = "grid",
                 .html_title = "Grid analysis      rev %3.2f\n<BR>",
                 .text_title = "Grid analysis\t\t\trev %3.2f",
                 .revision = 0.14},
    .footer_on_error = true,
    .diagonal_failure = qm::zero_diagonal_by_number,
    .dof_names = {{"rotation x", "rotation y", "translation z", nullptr, nullptr, nullptr}},
    // A load count of zero or below means none. The member loads have no
    // heading of their own; their table, whose titles are those of a plane
    // frame although the values are torsion, bending and force z, is followed
    // by the same values as plain text.
    .loads =
        {
            .negative_count_lists = false,
            .joint_titles = "joint</TD><TD>moment<sub>x</sub> (inch-kips)</TD><TD>moment<sub>y</sub> (inch-kips)"
                            "</TD><TD>force<sub>z</sub> (kips)\n",
            .joint_row = " %3i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n</TD>\n</TR>\n",
            .member_heading = false,
            .member_titles = "member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)"
                             "</TD><TD>start moment<sub>z</sub> (inch-kips)</TD><TD>end force<sub>x</sub> (kips)</TD>"
                             "<TD>end force<sub>y</sub> (kips)</TD><TD>end moment<sub>z</sub> (inch-kips)\n",
            .member_row = "%i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n"
                          "</TD>\n</TR>\n",
            .member_text_head = "-----------------------------------\n"
                                "member loads\n"
                                "            member start joint             member end joint\n"
                                "         x-moment    y-moment    z-force    x-moment     y-moment  z-force\n"
                                "member  inch-kips   inch-kips      kips    inch-kips    inch-kips    kips\n",
            .member_text_row = "%3i    %8.3f    %8.3f    %8.3f    %8.3f    %8.3f    %8.3f\n",
            .dummy_section = true,
        },
    .displacements =
        {
            .plain_heading = false,
            .titles = "joint</TD><TD>rotation<sub>x</sub></TD><TD>rotation<sub>y</sub></TD><TD>translation<sub>z"
                      "</sub></TD><TD>reaction moment<sub>x</sub></TD><TD>reaction moment<sub>y</sub></TD><TD>"
                      "reaction force<sub>z</sub>\n",
            .row = "%8.3f (degrees)</TD><TD>%8.3f (degrees)</TD><TD>%8.3f (inch)</TD><TD>%8.3f (inch-kips)</TD><TD>"
                   "%8.3f (inch-kips)</TD><TD>%8.3f (kips)\n",
            .degrees = {true, true, false},
        },
    // The table is left open: the report ends after the last limit row.
    .end_actions =
        {
            .titles = "member</TD><TD>start torsion<sub>x</sub> (inch-kips)</TD><TD>start bending<sub>y</sub> "
                      "(inch-kips)</TD><TD>start force<sub>z</sub> (kips)</TD><TD>end torsion<sub>x</sub> "
                      "(inch-kips)</TD><TD>end bending<sub>y</sub> (inch-kips)</TD><TD>end force<sub>z</sub> (kips)\n",
            .titles_end = "</TD>\n</TR>\n",
            .ending = "\n\n",
            .notes_opening = "</TABLE>\n",
            .after_notes = "",
        },
    // End actions 1..6: start torsion, start bending, start force z, then the
    // same at the end. No axial kinds; every mark passes only when the
    // allowable is strictly greater. Torsion ratios make the "rotation" line.
    .check =
        {
            .nc = 6,
            .action = {qm::Action::shear, qm::Action::torsion, qm::Action::moment, qm::Action::shear,
                       qm::Action::torsion, qm::Action::moment, qm::Action::shear},
            .row = qm::check_row_continued,
            .labels = {.tension_start = "",
                       .compression_start = "",
                       .tension_end = "",
                       .compression_end = "",
                       .shear = " shear",
                       .torsion = " torsion",
                       .moment = " moment"},
            .compression_equal_passes = false,
            .limit_row = qm::limit_row_two_decimals,
            .ratios = {.moment_category = qm::moment_ratio,
                       .torsion_category = qm::rotation_ratio,
                       .absolute_axial = false,
                       .absolute_other = false,
                       .member1_sets = {1, 2, 3, 0, 0},
                       .summary_order = {qm::shear_ratio, qm::moment_ratio, qm::rotation_ratio, qm::no_category}},
        },
    .csv = {.reactions_apart = false, .dummy_list = true, .final_newline = true},
    .summary = {.counts_line = false, .blank_lines = 1},
    .drawing = {.view = qm::View::grid,
                .bending = true,
                .translation = {0, 0, 3},
                .rotation = {1, 2, 0},
                .planes = {{.axis = qm::MemberAxis::z, .shear = {3, 6}, .moment = {2, 5}}},
                .flexural_rigidity = flexural_rigidity},
};

static_assert(qm::formats_fit(tables), "a format of the tables does not take what its writer passes");

} // namespace grillage
