// The continuous beam's identity and report tables, in report order.
#include "girder.h"

namespace girder {

static double flexural_rigidity(const qm::ModelCore& s, int i, qm::MemberAxis)
{
    const StructureModel& beam = static_cast<const StructureModel&>(s);
    return static_cast<double>(beam.E) * beam.sec[i].Ix;
}

constexpr qm::ProgramTables tables = {
    .identity = {.program = "girder",
                 .structure = "continuous beam",
                 .type_name = "beam",
                 .html_title = "BEAM analysis      rev %3.2f\n<BR>",
                 .text_title = "BEAM analysis\t\t\trev %3.2f",
                 .revision = 0.17},
    .footer_on_error = true,
    // The beam's lines sit in table cells.
    .diagonal_failure =
        {
            .report_head = {"<TR>\n<TD>\n", "\nERROR</TD><TD>0 on primary diagonal<BR>\n",
                            "and entire array columns.<BR>\n", "Structure is indeterminante<BR>\n"},
            .console = "\nERROR\t0 on primary diagonal<BR>\n",
            .entry = "%i<BR>\n",
            .array_size = "array size =</TD><TD>%i\n",
            .counts = "%i,%i,%i,%i\n",
            .tail = "</TR>\n</TD>\n",
        },
    .dof_names = {{"translation", "rotation", nullptr, nullptr, nullptr, nullptr}},
    // A load count of zero or below means none.
    .loads =
        {
            .negative_count_lists = false,
            .joint_titles = "joint</TD><TD>force (kips)</TD><TD>moment (inch-kips)\n",
            .joint_row = " %3i</TD><TD>%8.3f</TD><TD>%8.3f\n</TD>\n</TR>\n",
            .member_heading = true,
            .member_titles = "member</TD><TD>start force (kips)</TD><TD>start moment (inch-kips)</TD><TD>end force "
                             "(kips)</TD><TD>end moment (inch-kips)\n",
            .member_row = "%i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n</TD>\n</TR>\n",
            .member_text_head = nullptr,
            .member_text_row = nullptr,
            .dummy_section = false,
        },
    .displacements =
        {
            .plain_heading = true,
            .titles = "joint</TD><TD>translation</TD><TD>rotation</TD><TD>force</TD><TD>moment\n",
            .row = "%7.2f (inches)</TD><TD>%7.2f (degrees)</TD><TD>%7.2f (kips)</TD><TD>%7.2f (inch-kip)\n",
            .degrees = {false, true},
        },
    // The member table is left open by its title row and closed, with the
    // document, by the beam's own lines.
    .end_actions =
        {
            .titles = "member</TD><TD>start force (kips)</TD><TD>start moment (inch-kips)</TD><TD>end force (kips)"
                      "</TD><TD>end moment (inch-kips)\n",
            .titles_end = "</TD>\n",
            .ending = "\n<BR>\n            </FONT>       </TD>\n</TR> </TABLE>\n",
            .notes_opening = "",
            .after_notes = "</BODY></HTML>\n",
        },
    // End actions 1..4: start force (shear), start moment, end force (shear),
    // end moment.
    .check =
        {
            .nc = 4,
            .action = {qm::Action::shear, qm::Action::shear, qm::Action::moment, qm::Action::shear, qm::Action::moment},
            .row = {.open = "<TR>\n<TD>\n%3i  </TD>\n", .value = "<TD>\n%9.2f", .close = "\n </TR>\n"},
            .labels = {.tension_start = "",
                       .compression_start = "",
                       .tension_end = "",
                       .compression_end = "",
                       .shear = " shear</FONT></B>",
                       .torsion = "",
                       .moment = " bending moment</FONT></B>"},
            .compression_equal_passes = false,
            .limit_row = {.open = "<TR>\n<TD>\nlimits</TD>\n", .cell = "<TD>%8.2f</TD>", .close = "\n\n</TR>\n</TD>\n"},
            .ratios = {.moment_category = qm::moment_ratio,
                       .torsion_category = qm::no_category,
                       .absolute_axial = false,
                       .absolute_other = false,
                       .member1_sets = {1, 2, 0, 0, 0},
                       .summary_order = {qm::shear_ratio, qm::moment_ratio, qm::no_category}},
        },
    .csv = {.reactions_apart = false, .dummy_list = false, .final_newline = true},
    .summary = {.counts_line = false, .blank_lines = 0},
    .drawing = {.view = qm::View::beam,
                .bending = true,
                .translation = {0, 1, 0},
                .rotation = {0, 0, 2},
                .planes = {{.axis = qm::MemberAxis::y, .shear = {1, 3}, .moment = {2, 4}}},
                .flexural_rigidity = flexural_rigidity},
};

static_assert(qm::formats_fit(tables), "a format of the tables does not take what its writer passes");

} // namespace girder
