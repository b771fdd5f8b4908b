// Malformed texts never crash or hang: every failure is one of the layer's
// messages.  Deterministic mutations of valid texts, not timed.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "frontend/entry/column_stream.h"
#include "frontend/entry/curve_import.h"
#include "frontend/entry/expression_evaluator.h"
#include "frontend/entry/word_reader.h"

namespace murena {
namespace {

const char* const kValid = R"(object NewSoil: TGridTable
  Identifier = 19
  Caption = 'Soil Layers'
  MinRows = 1
  MaxRows = 10
  Col = [
    3
    0 ('Soil Type') True False ('Soft Clay' 'Sand')
    2 ('Depth at' 'Bottom') True False False 'FLOATCOLUMN2' 'L2' 0.0
    3 ('Edit Soil' 'Parameters') True False 'FLEXCOLUMN2' (19 19)
  ]
end
object PYCurve2: TGridTableChart
  Identifier = 38
  MinRows = 2
  Col = [
    2
    2 ('y') True False False 'FLOATCOLUMN2' 'L' 0.0
    2 ('p') True False False 'FLOATCOLUMN2' 'F/L' 0.0
    False False 0 1 0 0
  ]
end
)";

std::string mutate(std::string text, std::mt19937& random) {
  static const std::string alphabet = "()[]'=:#-+.eE019 \n\tTrueFalseobjectendCol";
  const int edits = 1 + static_cast<int>(random() % 4);
  for (int k = 0; k < edits && !text.empty(); ++k) {
    const size_t pos = random() % text.size();
    switch (random() % 3) {
      case 0: text.erase(pos, 1 + random() % 8); break;
      case 1: text.insert(pos, 1, alphabet[random() % alphabet.size()]); break;
      default: text[pos] = alphabet[random() % alphabet.size()]; break;
    }
  }
  return text;
}

TEST(MalformedText, DefinitionsFailOnlyWithStreamMessages) {
  const std::string valid = kValid;
  std::mt19937 random(12345);
  for (size_t cut = 0; cut <= valid.size(); ++cut) {
    TGridTableRegistry tables;
    TGridTableChartRegistry charts;
    try {
      TableDefinitions defs = readTableDefinitions(valid.substr(0, cut), tables, charts);
      for (const auto& entry : defs.entries()) entry.second->setRowCount(entry.second->minRows());
    } catch (const StreamError&) {
    }
  }
  for (int round = 0; round < 3000; ++round) {
    TGridTableRegistry tables;
    TGridTableChartRegistry charts;
    try {
      TableDefinitions defs = readTableDefinitions(mutate(valid, random), tables, charts);
      for (const auto& entry : defs.entries()) {
        entry.second->setRowCount(entry.second->minRows() + 1);
        if (entry.second->columnCount() > 0) entry.second->setInteger(0, 0, 2);
      }
    } catch (const StreamError&) {
    } catch (const TableError&) {  // a mutated column kind asked for the wrong data
    }
  }
}

TEST(MalformedText, EvaluatorFailsOnlyWithEntryMessages) {
  static const std::string alphabet = "0123456789.+-*/^%&|=!()$eEpisqrtabcfx ,";
  std::mt19937 random(777);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    try {
      evaluateExpression(text);
    } catch (const EntryError&) {
    }
  }
}

TEST(MalformedText, WordReaderAndImportFailOnlyWithTheirMessages) {
  std::mt19937 random(99);
  static const std::string alphabet = "0123456789.-eE x,\t\r\n";
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 60);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    TWordReader reader = TWordReader::fromText(text);
    try {
      for (int i = 0; i < 100; ++i) {
        if (i % 3 == 0) reader.nextInteger();
        else if (i % 3 == 1) reader.nextReal();
        else reader.restOfLine();
      }
    } catch (const WordReaderError&) {
    }
    TGridTableChartRegistry charts;
    TGridTableChart curve(charts);
    curve.setMinRows(2);
    curve.setMaxRows(17);
    curve.addColumn(std::make_unique<TFloatColumn>("L"));
    curve.addColumn(std::make_unique<TFloatColumn>("F/L"));
    curve.setRowCount(2);
    const int filled = importCurveText(curve, text);
    EXPECT_LE(filled, 17);
    EXPECT_GE(curve.rowCount(), 2);
  }
}

}  // namespace
}  // namespace murena
