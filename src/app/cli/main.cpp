#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_app.h"
#include "app/cli/subcommand.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  try {
    return kestro::cli::RunCli(arguments, std::cout, std::cerr);
  } catch (const std::exception& failure) {
    std::cerr << "kestro-cli: " << failure.what() << "\n";
    return kestro::cli::kExitFailed;
  }
}
