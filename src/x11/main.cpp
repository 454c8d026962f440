// The program's entry point.

#include "x11/x11_program.h"

int main(int argc, char** argv) {
    return ostrel::x11::RunProgram(argc, argv);
}
