// The command-line runner murena-run, run as a separate process against the
// engine library built beside it.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRunner = fs::path(MURENA_BIN_DIR) / "murena-run";

struct ProcessResult {
  int exitCode = -1;
  std::string out, err;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs murena-run with `args` from `cwd`; the exit code is -1 when the
// runner did not end normally (a crash).
ProcessResult runRunner(const std::vector<std::string>& args, const fs::path& scratch, const fs::path& cwd = {}) {
  std::string command;
  if (!cwd.empty()) command += "cd " + shellQuoted(cwd.string()) + " && ";
  command += shellQuoted(kRunner.string());
  for (const std::string& arg : args) {
    command += ' ';
    command += shellQuoted(arg);
  }
  fs::path out = scratch / "runner.out", err = scratch / "runner.err";
  command += " >" + shellQuoted(out.string()) + " 2>" + shellQuoted(err.string());
  int status = std::system(command.c_str());
  ProcessResult result;
  // The shell reports a signal of its child as exit status 128 + signal.
  if (WIFEXITED(status) && WEXITSTATUS(status) < 128) result.exitCode = WEXITSTATUS(status);
  result.out = readFile(out);
  result.err = readFile(err);
  return result;
}

// A cantilever wall in English units: 40 increments of 6 in, excavation at
// 120 in, user earth pressure down to the excavation and three user p-y
// curves (at the excavation level, mid-embedment and the tip) forming a chain.
std::string cantileverDataFile() {
  std::ostringstream f;
  f << "Cantilever wall with user pressure and user p-y curves\r\n";
  f << "1 0\t1\t0\t1\t1 3 1 0 0\r\n";
  f << "40 6\t10\t1E-5\t120\t12\r\n";
  f << "0\t40\t1\t5.3E9\r\n";
  f << "0\r\n";
  f << "0\r\n";
  f << "2\r\n0\t0\r\n120\t33\r\n";
  const int nodes[] = {20, 30, 40};
  const double scales[] = {200, 1500, 3000};
  const double ys[] = {-2, -0.5, -0.1, 0, 0.1, 0.5, 2};
  const double shape[] = {1, 0.8, 0.4, 0, -0.4, -0.8, -1};
  for (int c = 0; c < 3; ++c) {
    f << nodes[c] << "\t7\t1\t1\r\n";
    for (int i = 0; i < 7; ++i) f << ys[i] << "\t" << scales[c] * shape[i] << "\r\n";
  }
  f << "0\r\n";
  return f.str();
}

// A wall whose excavation (600 in) lies below the bottom of its only soil
// layer (480 in): the earth-pressure module stops the run with a stop code,
// so the report never reaches "END OF ANALYSIS".
std::string stoppingDataFile() {
  return "Wall dug below the soil profile\r\n"
         "1 0\t1\t0\t2\t0 0 1 0 0\r\n"
         "120 6\t10\t1E-5\t600\t12\r\n"
         "0\t120\t1\t5.3E9\r\n"
         "0\r\n0\r\n"
         "600\t12\t12\t999\t999\t1\t1\t0\r\n"
         "0\t0\t0\t0\t0\t0\r\n"
         "0\r\n1\r\n4 480 \r\n0.0637 0.0  30 0.0  25 0 \r\n0.0637 0.0  30 0.0  25 0 \r\n"
         "0\r\n";
}

// A flat JSON object of strings, numbers, booleans and nulls.
struct JsonValue {
  enum Kind { kString, kNumber, kBool, kNull } kind = kNull;
  std::string text;
  double number = 0.0;
  bool flag = false;
};
using JsonObject = std::map<std::string, JsonValue>;

class FlatJsonParser {
 public:
  explicit FlatJsonParser(const std::string& text) : s_(text) {}

  bool parse(JsonObject& object) {
    if (!expect('{')) return false;
    if (peek() == '}') return ++i_, atEnd();
    while (true) {
      std::string key;
      JsonValue value;
      if (!string(key) || !expect(':') || !parseValue(value)) return false;
      if (object.count(key)) return false;
      object[key] = value;
      if (peek() == ',') { ++i_; continue; }
      return expect('}') && atEnd();
    }
  }

 private:
  char peek() {
    while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
    return i_ < s_.size() ? s_[i_] : '\0';
  }
  bool expect(char c) { return peek() == c ? (++i_, true) : false; }
  bool atEnd() { return peek() == '\0'; }
  bool literal(const char* word) {
    std::string w(word);
    if (s_.compare(i_, w.size(), w) != 0) return false;
    i_ += w.size();
    return true;
  }
  bool string(std::string& out) {
    if (!expect('"')) return false;
    while (i_ < s_.size()) {
      char c = s_[i_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') { out += c; continue; }
      if (i_ >= s_.size()) return false;
      char e = s_[i_++];
      switch (e) {
        case '"': case '\\': case '/': out += e; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u':
          if (i_ + 4 > s_.size()) return false;
          out += static_cast<char>(std::stoi(s_.substr(i_, 4), nullptr, 16));
          i_ += 4;
          break;
        default: return false;
      }
    }
    return false;
  }
  bool parseValue(JsonValue& v) {
    char c = peek();
    if (c == '"') { v.kind = JsonValue::kString; return string(v.text); }
    if (c == 't' || c == 'f') { v.kind = JsonValue::kBool; v.flag = c == 't'; return literal(c == 't' ? "true" : "false"); }
    if (c == 'n') { v.kind = JsonValue::kNull; return literal("null"); }
    std::size_t end = i_;
    while (end < s_.size() && std::string("+-.eE0123456789").find(s_[end]) != std::string::npos) ++end;
    if (end == i_) return false;
    std::string token = s_.substr(i_, end - i_);
    char* stop = nullptr;
    v.kind = JsonValue::kNumber;
    v.number = std::strtod(token.c_str(), &stop);
    i_ = end;
    return *stop == '\0';
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) result.push_back(line);
  return result;
}

// The largest deflection by magnitude of the plot data file's last result
// record, read independently of the runner: the rows after the last head of
// three integers, less the fictitious row below the tip.
double largestDeflection(const std::string& plotText) {
  std::vector<std::string> all = lines(plotText);
  std::size_t head = all.size();
  for (std::size_t i = all.size(); i-- > 0;) {
    std::istringstream in(all[i]);
    std::vector<std::string> items{std::istream_iterator<std::string>(in), {}};
    if (items.size() == 3 && items[1].find_first_not_of("0123456789") == std::string::npos) {
      head = i;
      break;
    }
  }
  double largest = 0.0;
  for (std::size_t i = head + 1; i + 1 < all.size(); ++i) {
    std::istringstream in(all[i]);
    double depth = 0, deflection = 0;
    in >> depth >> deflection;
    if (std::fabs(deflection) > std::fabs(largest)) largest = deflection;
  }
  return largest;
}

class MurenaRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "murena-run-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    wall_ = dir_ / "Cantilever Wall.mr5d";  // a blank in the name, as users write them
    std::ofstream(wall_, std::ios::binary) << cantileverDataFile();
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_, wall_;
};

TEST_F(MurenaRunTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},                         // no files
      {"--json"},                 // options but no files
      {"--bogus", wall_.string()},
      {wall_.string(), "-x"},
      {"--workdir"},              // missing folder
      {wall_.string(), "--workdir"},
  };
  for (const auto& args : cases) {
    ProcessResult r = runRunner(args, dir_);
    std::string shown;
    for (const auto& a : args) shown += a + " ";
    EXPECT_EQ(r.exitCode, 2) << shown;
    EXPECT_NE(r.err.find("usage: murena-run"), std::string::npos) << shown;
    EXPECT_FALSE(fs::exists(dir_ / "Cantilever Wall.mr5o")) << "no run on a usage error: " << shown;
  }
}

TEST_F(MurenaRunTest, FilesThatCannotRunAreFailedRunsNotCrashes) {
  // The engine keeps 255 characters of each path: a longer one would send
  // its output files elsewhere, so the runner refuses it.
  fs::path deep = dir_ / std::string(250, 'd');
  fs::create_directories(deep);
  fs::copy_file(wall_, deep / "w.mr5d");
  struct Case {
    fs::path file;
    const char* message;
  };
  const Case cases[] = {
      {dir_ / "nowhere.mr5d", "no such data file"},
      {dir_, "not a regular file"},
      {deep / "w.mr5d", "longer than 255 characters"},
  };
  for (const Case& c : cases) {
    ProcessResult r = runRunner({c.file.string()}, dir_);
    EXPECT_EQ(r.exitCode, 1) << c.file;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;

    ProcessResult json = runRunner({"--json", c.file.string()}, dir_);
    EXPECT_EQ(json.exitCode, 1) << c.file;
    JsonObject object;
    ASSERT_TRUE(FlatJsonParser(json.out).parse(object)) << json.out;
    EXPECT_FALSE(object["ok"].flag);
    EXPECT_NE(object["error"].text.find(c.message), std::string::npos) << json.out;
  }
  EXPECT_FALSE(fs::exists(deep / "w.mr5o"));
}

TEST_F(MurenaRunTest, GoodRunPrintsItsSummaryAndRestoresTheDirectory) {
  fs::path cwd = dir_ / "elsewhere";
  fs::create_directories(cwd);
  // A relative file name is taken from the caller's directory.
  ProcessResult r = runRunner({"../Cantilever Wall.mr5d"}, dir_, cwd);
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("solution closed"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("units             : English"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("largest deflection: "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(" in at depth "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(" lbs-in at depth "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find((dir_ / "Cantilever Wall.mr5o").string()), std::string::npos) << r.out;
  EXPECT_NE(r.out.find((dir_ / "Cantilever Wall.mr5p").string()), std::string::npos) << r.out;
  EXPECT_NE(readFile(dir_ / "Cantilever Wall.mr5o").find("     END OF ANALYSIS"), std::string::npos);
  // The engine's scratch files stay in the runner's own temporary folder.
  EXPECT_TRUE(fs::is_empty(cwd));
  EXPECT_FALSE(fs::exists(dir_ / "NAMES.dat"));
}

TEST_F(MurenaRunTest, WorkdirGetsTheRunControlFile) {
  fs::path work = dir_ / "work" / "sub";  // created by the runner
  ProcessResult r = runRunner({"--workdir", work.string(), wall_.string()}, dir_);
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  std::string stem = (dir_ / "Cantilever Wall").string();
  EXPECT_EQ(readFile(work / "NAMES.dat"), "2015.5.12\n\n\n0\n" + wall_.string() + "\n" + stem + ".mr5o\n" + stem +
                                              ".mr5p\n" + stem + ".mr5r\n");
}

TEST_F(MurenaRunTest, JsonGivesOneObjectPerFileInOrder) {
  fs::path missing = dir_ / "missing.mr5d";
  ProcessResult r = runRunner({"--json", wall_.string(), missing.string()}, dir_);
  EXPECT_EQ(r.exitCode, 1) << "one run failed";
  std::vector<std::string> objects = lines(r.out);
  ASSERT_EQ(objects.size(), 2u) << r.out;

  JsonObject good, bad;
  ASSERT_TRUE(FlatJsonParser(objects[0]).parse(good)) << objects[0];
  ASSERT_TRUE(FlatJsonParser(objects[1]).parse(bad)) << objects[1];
  EXPECT_EQ(good["file"].text, wall_.string());
  EXPECT_EQ(bad["file"].text, missing.string());
  EXPECT_TRUE(good["ok"].flag);
  EXPECT_FALSE(bad["ok"].flag);

  ASSERT_EQ(good["iterations"].kind, JsonValue::kNumber) << objects[0];
  EXPECT_GE(good["iterations"].number, 1);
  EXPECT_LE(good["iterations"].number, 100);
  EXPECT_TRUE(good["closed"].flag);
  EXPECT_EQ(good["units"].text, "English");
  EXPECT_EQ(good["lengthUnit"].text, "in");
  EXPECT_EQ(good["momentUnit"].text, "lbs-in");
  EXPECT_EQ(good["report"].text, (dir_ / "Cantilever Wall.mr5o").string());
  EXPECT_EQ(good["plot"].text, (dir_ / "Cantilever Wall.mr5p").string());
  for (const char* field : {"maxDeflection", "maxDeflectionDepth", "maxMoment", "maxMomentDepth", "maxShear",
                            "maxShearDepth"})
    EXPECT_EQ(good[field].kind, JsonValue::kNumber) << field;

  // The pressure pushes the free top away from the soil: the top moves most.
  double expected = largestDeflection(readFile(dir_ / "Cantilever Wall.mr5p"));
  EXPECT_NE(expected, 0.0);
  EXPECT_DOUBLE_EQ(good["maxDeflection"].number, expected);
  EXPECT_DOUBLE_EQ(good["maxDeflectionDepth"].number, 0.0);
  // The wall is 240 in long; every extreme lies on it.
  for (const char* depth : {"maxMomentDepth", "maxShearDepth"}) {
    EXPECT_GE(good[depth].number, 0.0) << depth;
    EXPECT_LE(good[depth].number, 240.0) << depth;
  }
}

TEST_F(MurenaRunTest, RunThatStopsEarlyNamesItsStopAndTheOthersStillRun) {
  fs::path stopping = dir_ / "stopping.mr5d";
  std::ofstream(stopping, std::ios::binary) << stoppingDataFile();
  ProcessResult r = runRunner({"--json", stopping.string(), wall_.string()}, dir_);
  EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
  std::vector<std::string> objects = lines(r.out);
  ASSERT_EQ(objects.size(), 2u) << r.out;
  JsonObject stopped, good;
  ASSERT_TRUE(FlatJsonParser(objects[0]).parse(stopped)) << objects[0];
  ASSERT_TRUE(FlatJsonParser(objects[1]).parse(good)) << objects[1];
  EXPECT_FALSE(stopped["ok"].flag);
  EXPECT_FALSE(stopped["endOfAnalysis"].flag);
  EXPECT_EQ(stopped["iterations"].kind, JsonValue::kNull);
  EXPECT_EQ(stopped["stopCode"].text, "1") << objects[0];
  EXPECT_NE(stopped["error"].text.find("stop code 1: the excavation level"), std::string::npos) << objects[0];
  EXPECT_NE(r.err.find("below the bottom of the soil profile"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::exists(dir_ / "stopping.mr5o")) << "the report written before the stop stays";
  EXPECT_TRUE(good["ok"].flag) << "a stop in one run leaves the next run untouched";
  EXPECT_EQ(good["stopCode"].kind, JsonValue::kNull);
}

// Changes one item of the cantilever's data file: line `line` (0-based), item
// `item` (0-based, items separated by blanks or tabs) becomes `value`.
std::string cantileverWith(int line, int item, const std::string& value) {
  std::vector<std::string> all = lines(cantileverDataFile());
  std::string& text = all[line];
  std::size_t start = 0;
  for (int i = 0; i < item; ++i) start = text.find_first_of(" \t", start) + 1;
  std::size_t end = text.find_first_of(" \t\r", start);
  text.replace(start, end - start, value);
  std::string joined;
  for (const std::string& l : all) joined += l + "\n";
  return joined;
}

// Runs that reach END OF ANALYSIS but must not pass for good ones: an input
// error in the report, and results that do not fit their fields.
TEST_F(MurenaRunTest, InputErrorsAndUnusableResultsFail) {
  struct Case {
    const char* name;
    std::string data;
    const char* error;
  };
  const Case cases[] = {
      {"restraints out of order",
       "Restraints out of order\n1 2\t1\t0\t0\t0 0 1 0 0\n20 6\t10\t1E-5\t0\t12\n1\t5\t0\t0\n1\t3\t0\t0\n"
       "0\t20\t1\t1E9\n0\n0\n0\n",
       "ERROR STOP -- STATIONS NOT IN ORDER"},
      {"garbage", "this is not a data file\n", "ERROR -- "},
      {"empty", "", "ERROR -- "},
      {"truncated", cantileverDataFile().substr(0, 80), "ERROR -- "},
      {"tiny increment", cantileverWith(2, 1, "1E-300"), "INCREMENT LENGTH OUTSIDE"},
      {"huge increment", cantileverWith(2, 1, "1E300"), "INCREMENT LENGTH OUTSIDE"},
  };
  for (const Case& c : cases) {
    fs::path file = dir_ / "bad.mr5d";
    std::ofstream(file, std::ios::binary) << c.data;
    ProcessResult text = runRunner({file.string()}, dir_);
    EXPECT_EQ(text.exitCode, 1) << c.name << "\n" << text.out;
    EXPECT_NE(text.out.find("  error             : "), std::string::npos) << c.name << "\n" << text.out;
    EXPECT_NE(text.out.find(c.error), std::string::npos) << c.name << "\n" << text.out;
    EXPECT_NE(text.err.find(c.error), std::string::npos) << c.name << "\n" << text.err;
    EXPECT_EQ(text.out.find("solution closed"), std::string::npos) << c.name << "\n" << text.out;

    ProcessResult json = runRunner({"--json", file.string()}, dir_);
    JsonObject object;
    ASSERT_TRUE(FlatJsonParser(json.out).parse(object)) << json.out;
    EXPECT_FALSE(object["ok"].flag) << c.name;
    EXPECT_FALSE(object["closed"].flag) << c.name;
    EXPECT_NE(object["error"].text.find(c.error), std::string::npos) << c.name << "\n" << json.out;
  }
}

TEST_F(MurenaRunTest, ExceededDeflectionWarnsAndStrictMakesItExitThree) {
  fs::path file = dir_ / "soft.mr5d";
  std::ofstream(file, std::ios::binary) << cantileverWith(2, 2, "0.01");  // allowable deflection 0.01 in
  ProcessResult plain = runRunner({file.string()}, dir_);
  EXPECT_EQ(plain.exitCode, 0) << plain.out << plain.err;
  EXPECT_NE(plain.out.find("allowable deflection exceeded"), std::string::npos) << plain.out;
  EXPECT_NE(plain.out.find("  warning           : the deflection exceeded the maximum allowable deflection"),
            std::string::npos)
      << plain.out;
  EXPECT_NE(plain.err.find("warning: the deflection exceeded"), std::string::npos) << plain.err;

  ProcessResult strict = runRunner({"--strict", "--json", file.string(), wall_.string()}, dir_);
  EXPECT_EQ(strict.exitCode, 3) << strict.out << strict.err;
  JsonObject object;
  ASSERT_TRUE(FlatJsonParser(lines(strict.out)[0]).parse(object)) << strict.out;
  EXPECT_TRUE(object["ok"].flag);
  EXPECT_TRUE(object["deflectionExceeded"].flag);
  EXPECT_FALSE(object["closed"].flag);
  EXPECT_NE(object["warning"].text.find("exceeded"), std::string::npos);

  EXPECT_EQ(runRunner({"--strict", wall_.string()}, dir_).exitCode, 0) << "a closed run passes --strict";
  fs::path missing = dir_ / "missing.mr5d";
  EXPECT_EQ(runRunner({"--strict", file.string(), missing.string()}, dir_).exitCode, 1) << "a failure outranks 3";
}

TEST_F(MurenaRunTest, OutputsOfAnEarlierRunAreNeverListedAsThisRuns) {
  // A runner beside which there is no engine library: the engine cannot run,
  // and the stale outputs of an earlier run must not pass for its results.
  fs::path lonely = dir_ / "bin";
  fs::create_directories(lonely);
  fs::copy_file(kRunner, lonely / "murena-run");
  for (const char* ext : {".mr5o", ".mr5p", ".mr5r"}) {
    fs::path stale = wall_;
    std::ofstream(stale.replace_extension(ext)) << "stale output\n     END OF ANALYSIS\n";
  }
  std::string command = shellQuoted((lonely / "murena-run").string()) + " --json " + shellQuoted(wall_.string()) +
                        " >" + shellQuoted((dir_ / "out").string()) + " 2>/dev/null";
  int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  JsonObject object;
  ASSERT_TRUE(FlatJsonParser(readFile(dir_ / "out")).parse(object)) << readFile(dir_ / "out");
  EXPECT_NE(object["error"].text.find("cannot load the engine"), std::string::npos);
  for (const char* field : {"report", "plot", "runNotes"}) EXPECT_EQ(object[field].kind, JsonValue::kNull) << field;
  for (const char* ext : {".mr5o", ".mr5p", ".mr5r"}) {
    fs::path stale = wall_;
    EXPECT_FALSE(fs::exists(stale.replace_extension(ext))) << ext;
  }
}

TEST_F(MurenaRunTest, EngineConsoleGoesToTheRunNotesOrWithVerboseToStandardError) {
  fs::path example = fs::path(MURENA_SOURCE_DIR) / "examples/cantilever_sand_english.mr5d";
  if (!fs::exists(example)) GTEST_SKIP() << "no generated-curve example";
  fs::path file = dir_ / "generated.mr5d";
  fs::copy_file(example, file);

  ProcessResult quiet = runRunner({file.string()}, dir_);
  ASSERT_EQ(quiet.exitCode, 0) << quiet.out << quiet.err;
  EXPECT_EQ(quiet.err, "") << "a good run prints only its summary";
  EXPECT_EQ(quiet.out.find("READ SOIL DATA"), std::string::npos);
  EXPECT_NE(quiet.out.find("  run notes         : " + (dir_ / "generated.mr5r").string()), std::string::npos)
      << quiet.out;
  std::string notes = readFile(dir_ / "generated.mr5r");
  EXPECT_NE(notes.find("ITERATION MONITOR DATA"), std::string::npos);
  std::size_t heading = notes.find("ENGINE CONSOLE MESSAGES");
  ASSERT_NE(heading, std::string::npos) << notes;
  EXPECT_NE(notes.find(" READ SOIL DATA....", heading), std::string::npos) << notes;

  ProcessResult verbose = runRunner({"--verbose", file.string()}, dir_);
  EXPECT_EQ(verbose.exitCode, 0);
  EXPECT_NE(verbose.err.find(" READ SOIL DATA...."), std::string::npos) << verbose.err;
  EXPECT_EQ(verbose.out.find("READ SOIL DATA"), std::string::npos) << "the summary stays clean";
}

TEST_F(MurenaRunTest, HelpAndVersion) {
  ProcessResult help = runRunner({"--help"}, dir_);
  EXPECT_EQ(help.exitCode, 0);
  for (const char* part : {"--workdir", "--json", "--strict", "--verbose", "--version", ".mr5o", ".mr5p", ".mr5r",
                           "Exit status", "  3  "})
    EXPECT_NE(help.out.find(part), std::string::npos) << part;
  ProcessResult version = runRunner({"--version"}, dir_);
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "murena-run 2015.5.12\n");
}

TEST_F(MurenaRunTest, EveryExampleReachesTheEndOfAnalysis) {
  fs::path examples = fs::path(MURENA_SOURCE_DIR) / "examples";
  std::vector<std::string> args = {"--json"};
  if (fs::is_directory(examples)) {
    for (const auto& entry : fs::directory_iterator(examples)) {
      if (entry.path().extension() != ".mr5d") continue;
      fs::path copy = dir_ / entry.path().filename();
      fs::copy_file(entry.path(), copy);
      args.push_back(copy.string());
    }
  }
  if (args.size() == 1) GTEST_SKIP() << "no examples yet";
  ProcessResult r = runRunner(args, dir_);
  EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
  for (const std::string& line : lines(r.out)) {
    JsonObject object;
    ASSERT_TRUE(FlatJsonParser(line).parse(object)) << line;
    EXPECT_TRUE(object["ok"].flag) << line;
    EXPECT_EQ(object["iterations"].kind, JsonValue::kNumber) << line;
  }
}

}  // namespace
