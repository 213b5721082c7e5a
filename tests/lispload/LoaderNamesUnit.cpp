// The loader's name rules, compiled into the test program: the loader module links them
// privately, so the tests build the same source.
#include "lispload/LoaderNames.cpp"
