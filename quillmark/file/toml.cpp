// The one translation unit that compiles the TOML reader; every other file
// includes its declarations only.
#define TOML_IMPLEMENTATION
#include <toml++/toml.h>
