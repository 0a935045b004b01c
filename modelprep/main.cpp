// modelprep: asks, question by question, for one structure and writes it as
// the input file of the analysis program of its type.
#include "program.h"

int main(int argc, char** argv) { return modelprep::run(argc, argv); }
