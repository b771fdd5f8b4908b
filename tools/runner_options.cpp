#include "tools/runner_options.h"

namespace murena::runner {

const char* const kUsageLine = "usage: murena-run [--workdir DIR] [--json] [--strict] [--verbose] FILE.mr5d...\n";

const char* const kHelpText =
    "usage: murena-run [--workdir DIR] [--json] [--strict] [--verbose] FILE.mr5d...\n"
    "       murena-run --help | --version\n"
    "\n"
    "Runs the analysis engine Murena2015_DLL.so (from this program's folder) on each\n"
    "input data file and prints a summary of every run.\n"
    "\n"
    "Outputs, written beside each data file (earlier ones are removed first):\n"
    "  FILE.mr5o   the report\n"
    "  FILE.mr5p   the plot data file\n"
    "  FILE.mr5r   the run notes: the iteration monitor, then the engine's console\n"
    "              messages under \"ENGINE CONSOLE MESSAGES\"\n"
    "\n"
    "Options:\n"
    "  --workdir DIR  folder for NAMES.dat and the engine's scratch files (created\n"
    "                 when missing, kept); without it each run uses a fresh\n"
    "                 temporary folder that is removed afterwards\n"
    "  --json         one JSON object per file and line instead of the text summary\n"
    "  --strict       a run that did not close within the tolerance or exceeded the\n"
    "                 allowable deflection makes the exit status 3\n"
    "  --verbose      also show the engine's console messages on standard error\n"
    "  --help         show this text\n"
    "  --version      show the version\n"
    "\n"
    "Exit status:\n"
    "  0  every run reached END OF ANALYSIS with finite results that fit their fields\n"
    "     (a run that did not close or exceeded the allowable deflection is still 0,\n"
    "     with a warning, unless --strict is given)\n"
    "  1  a run failed: an input error in the report (\"ERROR --\", \"ERROR STOP --\",\n"
    "     \"TOO MUCH DATA FOR AVAILABLE STORAGE\"), a stop of the soil models (named\n"
    "     with its meaning), results that are not finite or overflow their fields, a\n"
    "     missing or unusable file, or an engine that cannot be loaded\n"
    "  2  usage error\n"
    "  3  with --strict: no run failed, but one did not close or exceeded the\n"
    "     allowable deflection\n"
    "Failures and warnings are also told on standard error.\n";

std::optional<RunnerOptions> parseRunnerOptions(const std::vector<std::string>& args, std::string& problem) {
  RunnerOptions options;
  bool filesOnly = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (filesOnly || arg.empty() || arg[0] != '-' || arg == "-") {
      options.files.push_back(arg);
    } else if (arg == "--") {
      filesOnly = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--strict") {
      options.strict = true;
    } else if (arg == "--verbose" || arg == "-v") {
      options.verbose = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
      return options;
    } else if (arg == "--version") {
      options.version = true;
      return options;
    } else if (arg == "--workdir") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        problem = "--workdir needs a folder";
        return std::nullopt;
      }
      options.workdir = args[++i];
    } else if (arg.rfind("--workdir=", 0) == 0 && arg.size() > 10) {
      options.workdir = arg.substr(10);
    } else {
      problem = "unknown option " + arg;
      return std::nullopt;
    }
  }
  if (options.files.empty()) {
    problem = "no data file given";
    return std::nullopt;
  }
  return options;
}

}  // namespace murena::runner
