// A stand-in engine library for window tests: its entry reads NAMES.dat from
// the current directory like the engine, writes a report and a plot data
// file that ends half way, and refuses the run (returns 1) when the data
// file's name contains "refuse".
#include <cstdint>
#include <fstream>
#include <string>

extern "C" __attribute__((visibility("default"))) std::int32_t _IMURENA(std::int32_t interfaceNumber) {
  std::ifstream names("NAMES.dat");
  std::string lines[8];
  for (std::string& line : lines) {
    std::getline(names, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
  if (interfaceNumber != 12 || lines[4].find("refuse") != std::string::npos) return 1;
  std::ofstream(lines[5]) << "     END OF ANALYSIS\n";
  std::ofstream(lines[6]) << "2\n0 0 0 0\n";  // two earth-pressure points announced, one given
  return 0;
}
