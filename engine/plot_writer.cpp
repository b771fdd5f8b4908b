#include "engine/plot_writer.h"

#include <charconv>
#include <cmath>

#include "engine/report_line.h"

namespace murena {

std::string plotInteger(long long value) {
  std::string text(1, ' ');
  text += std::to_string(value);
  return text;
}

std::string plotReal(double value) {
  if (!std::isfinite(value)) value = 0.0;
  char buf[64];
  buf[0] = ' ';
  auto result = std::to_chars(buf + 1, buf + sizeof buf, value, std::chars_format::general, 9);
  for (char* p = buf; p != result.ptr; ++p)
    if (*p == 'e') *p = 'E';
  return std::string(buf, result.ptr);
}

std::string plotIntegers(std::initializer_list<long long> values) {
  std::string text;
  for (long long v : values) text += plotInteger(v);
  return text;
}

void writeResultRecord(RunContext& ctx) {
  const StationResults& res = ctx.results;
  ctx.plot << plotIntegers({ctx.resultSetCount, res.rowCount, ctx.plotUnits});
  for (int row = 1; row <= res.rowCount; ++row) {
    ctx.plot << Line().b(1).E(res.x[row], 13, 4).b(1).E(res.deflection[row], 13, 4).b(1).E(res.moment[row], 13, 4)
                    .b(1).E(res.shear[row], 13, 4).b(1).E(res.reaction[row], 13, 4).str();
  }
}

}  // namespace murena
