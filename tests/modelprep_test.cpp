// modelprep end to end: dialogues answered from standard input, one answer a
// line, in a fresh directory; the exact input file and console of each type,
// the answers it refuses, its ends short of a complete dialogue, and round
// trips through the analysis programs to hand-checked results.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "harness.h"

using qmtest::ProgramDir;
using qmtest::RunResult;

namespace {

using Files = std::vector<std::string>;

const std::string menu = "\n Structural analysis program. \trev 0.09\n\n"
                         "Continuous Beam (limit 20 members and 21 joints) B\n"
                         "Plane Truss (limit 700 members and 200 joints) PT\n"
                         "Plane Frame (limit 700 members and 200 joints) PF\n"
                         "Grid (limit 700 members and 200 joints) G\n"
                         "Space Truss (limit 1000 members and 200 joints) ST\n"
                         "Space Frame (limit 1000 members and 200 joints) SF\n"
                         "\n\nwhat type of structure do you wish to design or check ? ";
const std::string units = "\n\n Global structure parameters \n\n\n\n unless otherwise stated, all units are :\n"
                          "\t\tkip -\t\t1000 pound\n\t\tksi -\t\tkip per square inch\n\t\tinches\n\t\tdegrees\n\n\n\n";
const std::string loads = "\n\nGlobal Load information\n Enter the number of loaded joints  = "
                          "\n Enter the number of loaded members = \n";
const std::string no_dummies = "Do you wish to enter any dummy members? successfully completed\n";
const std::string cut_short = "\n  dialogue not completed: end of input, nothing written\n";

// A plane truss of two members on two joints, the second member of area 0
// (the built-in section); 3.3 feet are 39.6 inches in single precision.
const std::string truss_answers = "pt\n2\n2\n2\n1\n0,0\n3.3,10\n1,2\n2.5\n29000\n50\n1.5,0.5\n2,1\n0\n"
                                  "1\n1,1\n1\n1\n2\n5,-10\n1\n1,2\n3,4\nn\n";
const std::string truss_file = "2,2,2,1\n0.000000,0.000000\n39.599998,120.000000\n"
                               "1,2,2.500000,29000,50,1.500000,0.500000\n2,1,2.940000,29000,36,2.050000,0.643000\n"
                               "1\n1,1\n1,1\n2\n5.000000,-10.000000\n1\n1.000000,2.000000,3.000000,4.000000\n0\n";
// The same answers where a planetr.in exists: "y" to replace it after the type.
const std::string truss_replacing = "pt\ny\n" + truss_answers.substr(3);
const std::string replace_question = "  planetr.in exists already. Replace it (y/n)? ";

// ---------------------------------------------------------------------------
// One complete dialogue per type: two members on two joints, the second of
// area 0, one restrained joint, one loaded joint, one loaded member.

struct TypeScript {
    const char* name;
    const char* in;          // the file written
    std::string answers;
    std::string choice;      // what the menu prints for the type answer
    std::string banner;
    std::string coordinates; // a joint's coordinate prompt up to its number
    std::string member;      // member 1's prompts after its area
    std::string restraint;   // joint 1's restraint prompts
    std::string joint_load;  // joint 2's load prompts
    std::string member_load; // member 1's load prompts
    std::string closing;     // a plane or space dialogue ends with a line end
    std::string file;
};

std::string console_of(const TypeScript& t)
{
    return menu + t.choice + "\n " + t.banner + "\n\n" + units +
           "enter the number of members : enter the number of joints : "
           "enter the number of number support restraints : enter the number of restrained joints : \n" +
           t.coordinates + "1 = " + t.coordinates + "2 = \n" +
           "\nenter the start joint and end joint for member 1 = enter the cross-sectional area for member 1 = " +
           t.member +
           "\nenter the start joint and end joint for member 2 = enter the cross-sectional area for member 2 = \n" +
           "\nenter the restrained joint number = " + t.restraint + "\n" + loads +
           "\nenter the loaded joint number = " + t.joint_load + "\n" + "\nenter the loaded member number = " +
           t.member_load + t.closing + no_dummies;
}

const std::string plane_xy = "enter the x and y coordinates in feet for joint ";
const std::string space_xyz = "enter the x, y and z coordinates in feet for joint ";
const std::string xyz_restraint = "enter the x, y and z restraints for joint 1 = ";

const TypeScript type_scripts[] = {
    {.name = "PlaneTruss", .in = "planetr.in", .answers = truss_answers, .choice = "\nplane  truss\n",
     .banner = "Preprocessor for PLANE TRUSS analysis. Created PLANETR.IN \trev 0.03", .coordinates = plane_xy,
     .member = " enter the Modulus of Elasticity (e) for member 1 in kips =  enter the yield strength (Fy) for "
               "member 1 in ksi : enter the x and y radius of gyration (rx, ry) for member 1 in inches = ",
     .restraint = "enter the x and y restraints for joint 1 = ", .joint_load = "enter the x and y loads for joint 2 = ",
     .member_load = "enter the x and y loads from member 1 for beginning joint = enter the x and y loads from "
                    "member 1 for ending joint = ",
     .closing = "\n", .file = truss_file},
    {.name = "PlaneFrame", .in = "planefr.in",
     .answers = "pf\n2\n2\n3\n1\n0,0\n3.3,10\n1,2\n2.5\n29000\n36\n1.5,2.5\n100\n20\n4\n2,1\n0\n1\n1,1,1\n1\n1\n"
                "2\n5,-10\n7\n1\n1,2\n3\n4,5\n6\nn\n",
     .choice = "\nplane  frame\n", .banner = "Preprocessor for PLANE FRAME analysis. Created PLANEFR.IN \trev 0.01",
     .coordinates = plane_xy,
     .member = "enter the Modulus of Elasticity (e) for member 1 in kips = enter the yield strength (Fy) for member "
               "1 in ksi : enter the y and z radius of gyration 1 = enter the Z-axis moment of inertia (Iz) member "
               "1 :  enter elastic section modulus (Sz = in^3) for member 1 =  enter shear area along member y (Awy "
               "= in^2) for member 1 = ",
     .restraint = xyz_restraint,
     .joint_load = "enter the x and y concentrated loads for joint 2 = enter the z moment load for joint 2 = ",
     .member_load = "enter the x and y concentrated loads from member 1 for start joint = enter the z moment load "
                    "from member 1 for start joint = enter the x and y concentrated loads from member 1 for end "
                    "joint = enter the z moment load from member 1 for end joint = ",
     .closing = "\n",
     .file = "2,2,3,1\n0.000000,0.000000\n39.599998,120.000000\n"
             "1,2,2.500000,100.000000,29000,36,1.500000,2.500000,20.000000,4.000000\n"
             "2,1,2.940000,12.300000,29000,36,0.643000,2.050000\n"
             "1\n1,1,1\n1,1\n2\n5.000000,-10.000000,7.000000\n"
             "1\n1.000000,2.000000,3.000000,4.000000,5.000000,6.000000\n0\n"},
    // The grid's loads are asked force first and written moments first.
    {.name = "Grid", .in = "grid.in",
     .answers = "g\n2\n2\n3\n1\n0,0\n3.3,10\n1,2\n2.5\n29000\n11000\n36\n1.5\n50\n100\n25\n3\n2,1\n0\n1\n1,1,1\n1\n1\n"
                "2\n3\n1,2\n1\n3\n1,2\n4,5\n6\nn\n",
     .choice = "\ngrid\n", .banner = "Preprocessor for GRID analysis. Created GRID.IN \trev 0.01",
     .coordinates = plane_xy,
     .member = "enter the Modulus of Elasticity (e) for member 1 in kips = enter the Modulus of Rigidity (g) for "
               "member 1 in kips = enter the yield strength (Fy) for member 1 in ksi : enter the torsion constant "
               "(J) for member 1 : enter the X-axis moment of inertia (Ix) for member 1 : enter the Y-axis moment "
               "of inertia (Iy) for member 1 :  enter elastic section modulus (Sy = in^3) for member 1 =  enter shear "
               "area along member z (Aw = in^2) for member 1 = ",
     .restraint = xyz_restraint,
     .joint_load = "enter the z concentrated load for joint 2 = enter the x and y moment loads for joint 2 = ",
     .member_load = "enter the z concentrated load from member 1 for start joint = enter the x and y moment loads "
                    "from member 1 for start joint = enter the x and y moment loads from member 1 for end joint = "
                    "enter the z concentrated load from member 1 for end joint = ",
     .closing = "",
     .file = "2,2,3,1\n0.000000,0.000000\n39.599998,120.000000\n"
             "1,2,2.500000,1.500000,100.000000,50.000000,29000,36,11000,25.000000,3.000000\n"
             "2,1,2.940000,1.220000,12.300000,0.114000,29000,36,11000\n"
             "1\n1,1,1\n1,1\n2\n1.000000,2.000000,3.000000\n"
             "1\n1.000000,2.000000,3.000000,4.000000,5.000000,6.000000\n0\n"},
    {.name = "SpaceTruss", .in = "spacetr.in",
     .answers = "ST\n2\n2\n3\n1\n0,0,0\n3.3,10,-2\n1,2\n2.5\n29000\n36\n1.5,2.5\n2,1\n0\n1\n1,1,1\n1\n1\n"
                "2\n1,2,3\n1\n1,2,3\n4,5,6\nn\n",
     .choice = "\nspace truss\n", .banner = "Preprocessor for SPACE TRUSS analysis. created SPACETR.IN \trev 0.01",
     .coordinates = space_xyz,
     .member = " enter the Modulus of Elasticity (e) for member 1 in kips =  enter the yield strength (Fy) for "
               "member 1 in ksi : enter the y and z radius of gyration 1 = ",
     .restraint = xyz_restraint, .joint_load = "enter the x,y,and z concentrated loads for joint 2 = ",
     .member_load = "enter the x, y and z concentrated loads for the beginning joint = enter the x, y and z "
                    "concentrated loads for the ending joint = ",
     .closing = "\n",
     .file = "2,2,3,1\n0.000000,0.000000,0.000000\n39.599998,120.000000,-24.000000\n"
             "1,2,2.500000,29000,36,1.500000,2.500000\n2,1,2.940000,29000,36,0.643000,2.050000\n"
             "1\n1,1,1\n1,1\n2\n1.000000,2.000000,3.000000\n"
             "1\n1.000000,2.000000,3.000000,4.000000,5.000000,6.000000\n0\n"},
    // Restraints are asked axis by axis and written translations first.
    {.name = "SpaceFrame", .in = "spacefr.in",
     .answers = "SF\n2\n2\n4\n1\n0,0,0\n3.3,10,-2\n1,2\n2.5\n29000\n36\n1.5\n100\n50\n0\n30\n5\n0\n11000\n1.5,2.5\n"
                "2,1\n0\n"
                "1\n1,0\n1,0\n1,1\n1\n1\n2\n1,2,3\n4,5,6\n1\n1,2,3\n4,5,6\n7,8,9\n10,11,12\nn\n",
     .choice = "\nspace frame\n", .banner = "Preprocessor for SPACE FRAME analysis. Created SPACEFR.IN \trev 0.02",
     .coordinates = space_xyz,
     .member = "enter the Modulus of Elasticity (e) for member 1 in kips = enter the yield strength (Fy) for member "
               "1 in ksi : enter the torsion constant (J) for member 1 : enter the X-axis moment of inertia (Ix) "
               "for member 1 : enter the Y-axis moment of inertia (Iy) for member 1 :  enter elastic section modulus "
               "about member y (Sy = in^3) for member 1 =  enter elastic section modulus about member z (Sz = "
               "in^3) for member 1 =  enter shear area along member y (Awy = in^2) for member 1 =  enter shear area "
               "along member z (Awz = in^2) for member 1 = enter Shear Modulus of "
               "Elasticity (g) for member 1 : enter the x and y radius of gyration (rx, ry) for member 1 in "
               "inches = ",
     .restraint = "enter the x translational and x rotational restraints for joint 1 = enter the y translational "
                  "and y rotational restraints for joint 1 = enter the z translational and z rotational restraints "
                  "for joint 1 = ",
     .joint_load = "enter the x, y and z concentrated loads for joint 2 = enter the x, y and z moment load for "
                   "joint 2 = ",
     .member_load = "enter the x, y and z concentrated loads for member 1 for start joint = enter the x, y and z "
                    "moment load for member 1 for start joint = enter the x, y and z concentrated loads for member "
                    "1 for end joint = enter the x, y and z moment load for member 1 for end joint = ",
     .closing = "\n",
     .file = "2,2,4,1\n0.000000,0.000000,0.000000\n39.599998,120.000000,-24.000000\n"
             "1,2,2.500000,1.500000,50.000000,100.000000,29000,11000,36,1.500000,2.500000,0.000000,30.000000,"
             "5.000000,0.000000\n"
             "2,1,2.940000,0.114000,1.220000,0.114000,29000,11000,36,2.050000,0.643000\n"
             "1\n1,1,1,0,0,1\n1,1\n2\n1.000000,2.000000,3.000000,4.000000,5.000000,6.000000\n"
             "1\n1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,7.000000,8.000000,9.000000,10.000000,"
             "11.000000,12.000000\n0\n"},
};

void PrintTo(const TypeScript& t, std::ostream* os) { *os << t.name; }

class ModelprepType : public ::testing::TestWithParam<TypeScript> {};

TEST_P(ModelprepType, WritesItsFileAndAsksItsQuestionsInOrder)
{
    const TypeScript& t = GetParam();
    ProgramDir dir;
    RunResult r = dir.run(MODELPREP, t.answers);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.errors, "");
    EXPECT_EQ(r.console, console_of(t));
    EXPECT_EQ(dir.files(), Files{t.in});
    EXPECT_EQ(dir.read(t.in), t.file);
}

INSTANTIATE_TEST_SUITE_P(, ModelprepType, ::testing::ValuesIn(type_scripts),
                         [](const auto& row) { return std::string(row.param.name); });

// A beam of 2 members asks 2 lengths and no joint count (it has 3 joints, so
// joint 3 may be loaded); 10 feet are written as 120 inches. Member 2 has
// area 0: the beam's built-in section, Ix 12.3 and Sx 4.92.
TEST(ModelprepBeam, TwoMembersAskNoJointsAndWriteLengthsInInches)
{
    ProgramDir dir;
    RunResult r = dir.run(MODELPREP, "beam\n2\n3\n1\n29000\n36\n10\n2.5\n100\n20\n0\n3.3\n0\n1\n1,1\n1\n1\n3\n5,-10\n"
                                     "2\n1,2\n3,4\nn\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.read("beam.in"), "2,3,1,29000,36\n120.000000,100.000000,2.500000,20.000000\n"
                                   "39.599998,12.300000,2.940000,4.920000\n1\n1,1\n1,1\n"
                                   "3\n5.000000,-10.000000\n2\n1.000000,2.000000,3.000000,4.000000\n0\n");
    EXPECT_EQ(r.console,
              menu + "\n Preprocessor for BEAM analysis. created BEAM.IN \trev 0.06\n\n" + units +
                  "enter the number of members : enter the number of number support restraints : enter the number "
                  "of restrained joints :  enter the Modulus of Elasticity (e) in kips :  enter the yield strength "
                  "(Fy) in ksi : \n"
                  " enter the length in feet for member 1 =  enter cross-sectional area (in^2) for member 1 =  "
                  "enter Ix, the moment of inertia (in^4) for member 1 =  enter elastic section modulus (Sx = in^3) "
                  "for member 1 =  enter shear area of the web (Aw = in^2) for member 1 = \n"
                  " enter the length in feet for member 2 =  enter cross-sectional area (in^2) for member 2 = \n"
                  "\n enter the restrained joint number =  enter the shear and rotational restaints (1=restrained) "
                  "for joint 1 = \n" +
                  loads + "\n enter the loaded joint number =  enter the x concentrated and z moment loads (in kips) "
                          "for joint 3 = \n"
                          "\n enter the loaded member number =  enter the shear and rotational loads (in kips) for "
                          "joint 2 =  enter the shear and rotational loads (in kips) for joint 3 = " +
                  no_dummies);
}

// ---------------------------------------------------------------------------
// Numbers above the structure and the dummy-member count.

// A structure of 4 joints and 1 member: a restraint count of -1, a member
// ending at joint 9, a restrained joint 11, loaded joints 9 and 0 and a loaded member 2 are each
// named and asked again, and only the accepted numbers are written.
TEST(ModelprepNumbers, JointOrMemberOutsideTheStructureIsNamedAndAskedAgain)
{
    ProgramDir dir;
    RunResult r = dir.run(MODELPREP, "pt\n1\n4\n-1\n2\n1\n0,0\n1,0\n2,0\n3,0\n1,9\n1,2\n0\n11\n1\n1,1\n2\n1\n"
                                     "9\n0\n3\n1,2\n4\n3,4\n2\n1\n1,2\n3,4\nn\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.read("planetr.in"), "1,4,2,1\n0.000000,0.000000\n12.000000,0.000000\n24.000000,0.000000\n"
                                      "36.000000,0.000000\n1,2,2.940000,29000,36,2.050000,0.643000\n1\n1,1\n2,1\n"
                                      "3\n1.000000,2.000000\n4\n3.000000,4.000000\n"
                                      "1\n1.000000,2.000000,3.000000,4.000000\n0\n");
    EXPECT_NE(r.console.find("enter the number of number support restraints :   number of support restraints -1 "
                             "is outside 0..8\nenter the number of number support restraints : "),
              std::string::npos);
    EXPECT_NE(r.console.find("\nenter the start joint and end joint for member 1 =   joint 9 is outside 1..4\n"
                             "\nenter the start joint and end joint for member 1 = enter the cross-sectional area"),
              std::string::npos);
    EXPECT_NE(r.console.find("\nenter the restrained joint number =   joint 11 is outside 1..4\n"
                             "\nenter the restrained joint number = enter the x and y restraints for joint 1 = "),
              std::string::npos);
    EXPECT_NE(r.console.find("\nenter the loaded joint number =   joint 9 is outside 1..4\n"
                             "\nenter the loaded joint number =   joint 0 is outside 1..4\n"
                             "\nenter the loaded joint number = enter the x and y loads for joint 3 = "),
              std::string::npos);
    EXPECT_NE(r.console.find("\nenter the loaded member number =   member 2 is outside 1..1\n"
                             "\nenter the loaded member number = enter the x and y loads from member 1 for "
                             "beginning joint = "),
              std::string::npos);
}

// A dummy count not below the 5 members is refused until it is (2), and a
// dummy member 6 is named and asked again; then the count and the two member
// numbers are written a line each.
TEST(ModelprepNumbers, DummyCountIsAskedAgainUntilBelowTheMembers)
{
    ProgramDir dir;
    RunResult r = dir.run(MODELPREP, "pt\n5\n2\n0\n0\n0,0\n1,0\n1,2\n0\n1,2\n0\n1,2\n0\n1,2\n0\n1,2\n0\n0\n0\n"
                                     "Yes\n5\n2\n3\n6\n5\n");
    EXPECT_EQ(r.status, 0);
    std::string file = dir.read("planetr.in");
    EXPECT_EQ(file.substr(file.rfind("0,0\n")), "0,0\n2\n3\n5\n");
    const std::string dialogue_end =
        "Do you wish to enter any dummy members?  Enter the total number of dummy members = "
        " The maximum number of members in the structure is = 5\n"
        " the total number of dummy members should be less than 5\n"
        " Re-enter the total number of dummy members =  Enter dummy member number 1 =  Enter dummy member number 2 = "
        "  member 6 is outside 1..5\n Enter dummy member number 2 = successfully completed\n";
    EXPECT_EQ(r.console.substr(r.console.find("Do you")), dialogue_end);
}

// ---------------------------------------------------------------------------
// Answers that cannot be read are named and asked again, and so is a number
// with anything after it ("2abc", "1,2x") or a fraction where a whole number
// is asked (29000.5 for E): a typo is not cut down to a number. The last
// answer needs no line end. The file is the clean one.

TEST(ModelprepAnswers, UnreadableAnswerIsNamedAndAskedAgain)
{
    ProgramDir dir;
    RunResult r = dir.run(MODELPREP, "\npt\n\ntwo\n4294967296\n010\n2\n2abc\n2\n2\n1\n0,0\n3.3 10\nnan,1\n3.3,inf\n"
                                     "1e39,0\n3.3,10\n1;2\n1,2x\n1,2\nx\n2.5\n29000.5\n29000\n50\n1.5,0.5\n2,1\n0\n1\n1,1\n1\n1\n2\n5,-10\n"
                                     "1\n1,2\n3,4\n\nn");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.read("planetr.in"), truss_file);
    EXPECT_EQ(qmtest::count_of(r.console, "  expected a word\n"), 2);
    EXPECT_EQ(qmtest::count_of(r.console, "  expected a whole number\n"), 6);
    EXPECT_EQ(qmtest::count_of(r.console, "  expected 2 numbers separated by commas\n"), 4);
    EXPECT_EQ(qmtest::count_of(r.console, "  expected 2 whole numbers separated by commas\n"), 2);
    EXPECT_EQ(qmtest::count_of(r.console, "  expected a number\n"), 1);
    EXPECT_NE(r.console.find("enter the number of members :   expected a whole number\nenter the number of members : "),
              std::string::npos);
}

// The answer streams kept for the fuzzer, and what it once found, end with
// status 0 or 1 and nothing on standard error.
TEST(ModelprepAnswers, KeptAnswerStreamsCompleteOrStopCleanly)
{
    for (const auto& entry : std::filesystem::directory_iterator(std::string(FUZZ_CORPUS_DIR) + "/modelprep")) {
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        ProgramDir dir;
        RunResult r = dir.run(MODELPREP, std::string(std::istreambuf_iterator<char>(in), {}));
        EXPECT_TRUE(r.status == 0 || r.status == 1) << r.status;
        EXPECT_EQ(r.errors, "");
    }
}

// ---------------------------------------------------------------------------
// End of input before the dialogue is complete.

std::string first_lines(const std::string& text, size_t n)
{
    size_t end = 0;
    for (size_t k = 0; k < n; ++k)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

// Cut short anywhere (before the type, in the counts, the joints, the
// members, the loads, at the dummy question), nothing is written: an
// existing file stays as it was, no temporary file is left, the status is 1.
TEST(ModelprepEndOfInput, LeavesAnExistingFileAsItWas)
{
    for (size_t cut : {0, 1, 2, 7, 14, 20, 24}) {
        SCOPED_TRACE("answers given: " + std::to_string(cut));
        ProgramDir dir;
        dir.write("planetr.in", "earlier\n");
        RunResult r = dir.run(MODELPREP, first_lines(truss_replacing, cut));
        EXPECT_EQ(r.status, 1);
        ASSERT_GE(r.console.size(), cut_short.size());
        EXPECT_EQ(r.console.substr(r.console.size() - cut_short.size()), cut_short);
        EXPECT_EQ(dir.files(), Files{"planetr.in"});
        EXPECT_EQ(dir.read("planetr.in"), "earlier\n");
    }
    ProgramDir empty;
    EXPECT_EQ(empty.run(MODELPREP, first_lines(truss_answers, 13)).status, 1);
    EXPECT_EQ(empty.files(), Files{});
}

// ---------------------------------------------------------------------------
// The type answer and the file.

// An unknown type is named and the type asked again; the menu's labels, in
// any case and with a hyphen for the blank, are understood.
TEST(ModelprepMenu, UnknownTypeIsAskedAgainAndMenuLabelsAreUnderstood)
{
    ProgramDir dir;
    RunResult r = dir.run(MODELPREP, "sx\nplank\nQ\n");
    EXPECT_EQ(r.status, 1);
    const std::string again = "  expected B, PT, PF, G, ST or SF, or a type named in the menu\n"
                              "\n\nwhat type of structure do you wish to design or check ? ";
    EXPECT_EQ(r.console, menu + "\nspace unknown x sx\n" + again + "\nplane  unknown l plank\n" + again +
                             "\ndefault\n" + again + cut_short);
    EXPECT_EQ(dir.files(), Files{});
    const std::pair<std::string, std::string> labels[] = {
        {"Plane Frame", "PLANE FRAME"}, {"plane truss", "PLANE TRUSS"}, {"space frame", "SPACE FRAME"},
        {"Space-Truss", "SPACE TRUSS"}, {"grid", "GRID"},               {"continuous beam", "BEAM"}};
    for (const auto& [label, banner] : labels) {
        RunResult l = dir.run(MODELPREP, "x\n" + label + "\n");
        EXPECT_EQ(qmtest::count_of(l.console, again), 1) << label;
        EXPECT_NE(l.console.find("Preprocessor for " + banner + " analysis."), std::string::npos) << label;
    }
}

// A directory in the file's place: refused before any question.
TEST(ModelprepFiles, FileThatCannotBeOpenedIsRefusedAtOnce)
{
    ProgramDir dir;
    std::filesystem::create_directory(dir.path() + "/planetr.in");
    RunResult r = dir.run(MODELPREP, truss_answers);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, menu + "\nplane  truss\n  trouble opening planetr.in\n");
}

// The file system takes no bytes (a file-size limit of 0): the earlier file
// stays and no temporary file is left.
TEST(ModelprepFiles, FailedWriteLeavesTheEarlierFile)
{
    ProgramDir dir;
    dir.write("planetr.in", "earlier\n");
    RunResult r = dir.run(MODELPREP, truss_replacing, "trap '' XFSZ; ulimit -f 0;");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console.substr(r.console.rfind("? ")), "?   trouble writing planetr.in\n");
    EXPECT_EQ(dir.files(), Files{"planetr.in"});
    EXPECT_EQ(dir.read("planetr.in"), "earlier\n");
}

// An existing file is replaced on "y" only; any other answer (none, "n",
// "replace") keeps it and ends the program at once, status 0.
TEST(ModelprepFiles, ExistingFileIsReplacedOnlyOnYes)
{
    for (const std::string no : {"", "n", "replace"}) {
        ProgramDir dir;
        dir.write("planetr.in", "earlier\n");
        RunResult r = dir.run(MODELPREP, "pt\n" + no + "\n" + truss_answers.substr(3));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.console, menu + "\nplane  truss\n" + replace_question + "  planetr.in kept, nothing written\n");
        EXPECT_EQ(dir.files(), Files{"planetr.in"});
        EXPECT_EQ(dir.read("planetr.in"), "earlier\n");
    }
    ProgramDir dir;
    dir.write("planetr.in", "earlier\n");
    RunResult r = dir.run(MODELPREP, truss_replacing);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.console.find("\nplane  truss\n" + replace_question + "\n Preprocessor"), std::string::npos);
    EXPECT_EQ(dir.read("planetr.in"), truss_file);
}

// ---------------------------------------------------------------------------
// Arguments: a folder to write in; --help and --version print and touch
// nothing; an unknown option, a missing folder or a second one is refused
// with a usage line on standard error and status 1, before any question.

TEST(ModelprepArguments, FolderHelpVersionAndRefusals)
{
    ProgramDir dir;
    std::filesystem::create_directory(dir.path() + "/model");
    RunResult r = dir.run(MODELPREP, truss_answers, "", "model");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.read("model/planetr.in"), truss_file);
    RunResult help = dir.run(MODELPREP, truss_answers, "", "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.console.rfind("usage: modelprep [FOLDER]\n", 0), 0u);
    EXPECT_NE(help.console.find("man modelprep"), std::string::npos);
    RunResult version = dir.run(MODELPREP, "", "", "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.console, std::regex("modelprep \\(quillmark-frames\\) [0-9]+\\.[0-9]+\\.[0-9]+, "
                                                             "rev 0\\.09\n")))
        << version.console;
    for (const char* refused : {"--bogus", "-x", "nowhere", "model model"}) {
        RunResult b = dir.run(MODELPREP, truss_answers, "", refused);
        EXPECT_EQ(b.status, 1) << refused;
        EXPECT_EQ(b.console, "") << refused;
        EXPECT_NE(b.errors.find("\nusage: modelprep"), std::string::npos) << refused;
    }
    EXPECT_EQ(dir.files(), Files{"model"});
}

// ---------------------------------------------------------------------------
// Round trips: the file a dialogue writes is read by the analysis program,
// whose result matches a hand formula. A program not yet in the tree is a
// row left out.

struct RoundTrip {
    const char* name;
    const char* program;
    std::string stem; // of the input and CSV files
    std::string answers;
    int csv_line, csv_field; // of the checked result
    double expected;
};

// Cantilever 10 ft (120 in) long, E 29000, I 100, 1 kip at the tip against
// the axis: tip deflection -P L^3 / (3 E I).
const double tip = -1.0 * 120 * 120 * 120 / (3 * 29000.0 * 100);
// Two bars from supports at (0, 0) and (8, 0) ft to (4, 3) ft, 10 kips down at
// the apex: each bar carries P / (2 sin a) = 10 / (2 * 3/5) in compression
// (the end force x of member 1, negative).
const double bar = -10 / (2 * 0.6);

const std::vector<RoundTrip> round_trips = {
#ifdef FRAME3D
    // The answer "Ix" is the space frame's iz, for bending in the x-y plane.
    {.name = "SpaceFrameCantilever", .program = FRAME3D, .stem = "spacefr",
     .answers = "SF\n1\n2\n6\n1\n0,0,0\n10,0,0\n1,2\n10\n29000\n36\n1\n100\n50\n0\n0\n0\n0\n11000\n2,2\n1\n1,1\n1,1\n1,1\n"
                "1\n0\n"
                "2\n0,-1,0\n0,0,0\nn\n",
     .csv_line = 2, .csv_field = 2, .expected = tip},
#endif
#ifdef FRAME2D
    {.name = "PlaneFrameCantilever", .program = FRAME2D, .stem = "planefr",
     .answers = "PF\n1\n2\n3\n1\n0,0\n10,0\n1,2\n10\n29000\n36\n2,2\n100\n0\n4.37\n1\n1,1,1\n1\n0\n2\n0,-1\n0\nn\n",
     .csv_line = 2, .csv_field = 2, .expected = tip},
#endif
#ifdef TRUSS2D
    {.name = "PlaneTrussBarForce", .program = TRUSS2D, .stem = "planetr",
     .answers = "PT\n2\n3\n4\n2\n0,0\n4,3\n8,0\n1,2\n2\n29000\n36\n1,1\n2,3\n2\n29000\n36\n1,1\n1\n1,1\n3\n1,1\n"
                "1\n0\n2\n0,-10\nn\n",
     .csv_line = 4, .csv_field = 3, .expected = bar},
#endif
#ifdef TRUSS3D
    // The same two bars, the apex held in z.
    {.name = "SpaceTrussBarForce", .program = TRUSS3D, .stem = "spacetr",
     .answers = "ST\n2\n3\n7\n3\n0,0,0\n4,3,0\n8,0,0\n1,2\n2\n29000\n36\n1,1\n2,3\n2\n29000\n36\n1,1\n1\n1,1,1\n"
                "2\n0,0,1\n3\n1,1,1\n1\n0\n2\n0,-10,0\nn\n",
     .csv_line = 4, .csv_field = 4, .expected = bar},
#endif
#ifdef GRILLAGE
    // The grid bends about Iy; the load is a force in z.
    {.name = "GridCantilever", .program = GRILLAGE, .stem = "grid",
     .answers = "G\n1\n2\n3\n1\n0,0\n10,0\n1,2\n10\n29000\n11000\n36\n1\n50\n100\n0\n0\n1\n1,1,1\n1\n0\n2\n-1\n0,0\nn\n",
     .csv_line = 2, .csv_field = 3, .expected = tip},
#endif
#ifdef GIRDER
    {.name = "BeamCantilever", .program = GIRDER, .stem = "beam",
     .answers = "B\n1\n2\n1\n29000\n36\n10\n10\n100\n20\n0\n1\n1,1\n1\n0\n2\n-1,0\nn\n",
     .csv_line = 2, .csv_field = 1, .expected = tip},
#endif
};

void PrintTo(const RoundTrip& t, std::ostream* os) { *os << t.name; }

class ModelprepRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(ModelprepRoundTrip, AnalysisReadsTheFileAndAgreesWithTheHandValue)
{
    const RoundTrip& t = GetParam();
    ProgramDir dir;
    ASSERT_EQ(dir.run(MODELPREP, t.answers).status, 0);
    RunResult r = dir.run(t.program);
    ASSERT_EQ(r.status, 0) << r.console;
    EXPECT_EQ(r.console, "successfully completed\n");
    double result = qmtest::csv_value(dir.read(t.stem + ".csv"), t.csv_line, t.csv_field);
    EXPECT_NEAR(result, t.expected, 1e-4 * std::abs(t.expected));
}

INSTANTIATE_TEST_SUITE_P(, ModelprepRoundTrip, ::testing::ValuesIn(round_trips),
                         [](const auto& row) { return std::string(row.param.name); });

// ---------------------------------------------------------------------------
// At a terminal: the truss dialogue typed in full, then typed again and
// ended with Ctrl-D at its last question.

TEST(ModelprepAtATerminal, TypedDialogueWritesTheFileAndCtrlDLeavesIt)
{
    if (std::system("command -v tmux > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "tmux is not installed";
    ProgramDir dir;
    const std::string tmux = "tmux -S '" + dir.path() + "/tmux.socket' ";
    auto type = [&](const std::string& lines) {
        for (size_t at = 0, end; (end = lines.find('\n', at)) != std::string::npos; at = end + 1)
            std::system((tmux + "send-keys -l '" + lines.substr(at, end - at) + "' \\; send-keys Enter").c_str());
    };
    auto shows = [&](const std::string& text) {
        for (int k = 0; k < 200; ++k, std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
            std::system((tmux + "capture-pane -p -J -S - > '" + dir.path() + "/screen.txt'").c_str());
            if (dir.read("screen.txt").find(text) != std::string::npos)
                return true;
        }
        return false;
    };
    dir.write("session.sh", std::string("'") + MODELPREP + "'; echo status=$?; '" + MODELPREP +
                                "'; echo status=$?; sleep 60\n");
    EXPECT_EQ(std::system((tmux + "new-session -d -x 150 -y 50 -c '" + dir.path() + "' 'sh session.sh'").c_str()), 0);
    type(truss_answers);
    EXPECT_TRUE(shows("successfully completed\nstatus=0"));
    EXPECT_EQ(dir.read("planetr.in"), truss_file);
    type(truss_replacing.substr(0, truss_replacing.rfind("n\n")));
    std::system((tmux + "send-keys C-d").c_str());
    EXPECT_TRUE(shows("? \n  dialogue not completed: end of input, nothing written\nstatus=1"));
    EXPECT_EQ(dir.read("planetr.in"), truss_file);
    std::system((tmux + "kill-server").c_str());
}

} // namespace
