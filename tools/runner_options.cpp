#include "tools/runner_options.h"

namespace murena::runner {

namespace {

// "--name VALUE" or "--name=VALUE" at args[i]: true when args[i] is the
// option (i then stands on its value); `problem` is set when the value is
// missing.
bool takeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name, std::string& value,
               std::string& problem) {
  const std::string& arg = args[i];
  if (arg.rfind(name + "=", 0) == 0) {
    value = arg.substr(name.size() + 1);
  } else if (arg == name) {
    if (i + 1 < args.size()) value = args[++i];
  } else {
    return false;
  }
  if (value.empty()) problem = name + " needs a value";
  return true;
}

}  // namespace

const char* const kUsageLine =
    "usage: murena-run [--workdir DIR] [--json] [--strict] [--verbose]\n"
    "                  [--graphs DIR [--graph-format png|svg|pdf]] [--xlsx FILE] FILE.mr5d...\n";

const char* const kHelpText =
    "usage: murena-run [--workdir DIR] [--json] [--strict] [--verbose]\n"
    "                  [--graphs DIR [--graph-format png|svg|pdf]] [--xlsx FILE] FILE.mr5d...\n"
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
    "  --graphs DIR   after a run that reached its end, write every result graph\n"
    "                 into DIR as <data file name>-<graph>.png (960 x 720 pixels)\n"
    "  --graph-format FORMAT\n"
    "                 png (default), svg (text kept as text) or pdf\n"
    "  --xlsx FILE    write the spreadsheet workbook of the result graphs (one\n"
    "                 data file only)\n"
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
    } else if (takeValue(args, i, "--graphs", options.graphsDir, problem) ||
               takeValue(args, i, "--xlsx", options.workbook, problem) ||
               takeValue(args, i, "--graph-format", options.graphFormat, problem)) {
      if (!problem.empty()) return std::nullopt;
    } else {
      problem = "unknown option " + arg;
      return std::nullopt;
    }
  }
  if (options.files.empty()) {
    problem = "no data file given";
    return std::nullopt;
  }
  if (options.graphFormat != "png" && options.graphFormat != "svg" && options.graphFormat != "pdf") {
    problem = "unknown graph format " + options.graphFormat + " (png, svg or pdf)";
    return std::nullopt;
  }
  if (!options.workbook.empty() && options.files.size() > 1) {
    problem = "--xlsx takes the graphs of one data file";
    return std::nullopt;
  }
  return options;
}

}  // namespace murena::runner
