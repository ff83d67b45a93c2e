// The program's entry at a terminal.
#include "program/command_line.hpp"

int main(int argc, char* argv[]) { return pruefer::runProgram(argc, argv); }
