// vomarin: the converter on the command line (see vomarin --help).
#include "cli/converter_command.h"

int main(int argc, char** argv) {
  return RunConverterCommand(std::vector<std::string>(argv + 1, argv + argc));
}
