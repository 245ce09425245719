#include "program.h"
#include "program_forms.h"

int main(int argc, char** argv) {
  return RunProgram(argc, argv, ProgramForms());
}
