#include "frontend/entry/word_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace murena {
namespace {

std::string readerMessage(void (*read)(TWordReader&), TWordReader& reader) {
  try {
    read(reader);
  } catch (const WordReaderError& e) {
    return e.message();
  }
  return {};
}

TEST(WordReader, ReadsItemsAcrossLinesAndWholeLines) {
  TWordReader r = TWordReader::fromText("New Wall\r\n  3\t 2.5   -1E-3\r\n\r\n 7 \r\nlast line  here\n");
  EXPECT_EQ(r.restOfLine(), "New Wall");
  EXPECT_EQ(r.itemCount(), 3);
  EXPECT_EQ(r.nextInteger(), 3);
  EXPECT_EQ(r.nextReal(), 2.5);
  EXPECT_EQ(r.nextReal(), -1e-3);
  EXPECT_EQ(r.lineNumber(), 3);        // stands on the next line after the last item
  EXPECT_EQ(r.nextInteger(), 7);       // the empty line is passed over
  EXPECT_EQ(r.restOfLine(), "last line  here");
  EXPECT_TRUE(r.atEnd());
  EXPECT_EQ(r.itemCount(), 0);
}

// Lines are trimmed before they are split: control characters at a line's
// ends (the end-of-file mark of an old file, a form feed) are no items.
TEST(WordReader, ControlCharactersAtLineEndsAreNoItems) {
  TWordReader r = TWordReader::fromText("7 \x1A\r\n\x0C" "8\x0C\r\n\x1A\r\n");
  EXPECT_EQ(r.itemCount(), 1);
  EXPECT_EQ(r.nextInteger(), 7);
  EXPECT_EQ(r.nextInteger(), 8);
  EXPECT_EQ(r.itemCount(), 0);
  EXPECT_THROW(r.nextReal(), WordReaderError);
}

TEST(WordReader, RestOfLineGivesTheWholeCurrentLine) {
  TWordReader r = TWordReader::fromText("1 2 3\nnext\n");
  EXPECT_EQ(r.nextInteger(), 1);
  EXPECT_EQ(r.restOfLine(), "1 2 3");
  EXPECT_EQ(r.restOfLine(), "next");
}

TEST(WordReader, MessagesCarryLineAndItem) {
  TWordReader r = TWordReader::fromText("1 2\n3 x 4.5\n2147483648 3.0 -2147483648\n");
  EXPECT_EQ(r.nextInteger(), 1);
  EXPECT_EQ(r.nextInteger(), 2);
  EXPECT_EQ(r.nextInteger(), 3);
  EXPECT_EQ(readerMessage([](TWordReader& w) { w.nextReal(); }, r),
            "Error on Line 2 Item 2\nA floating point number was expected but not found.");
  EXPECT_EQ(readerMessage([](TWordReader& w) { w.nextInteger(); }, r),
            "Error on Line 2 Item 2\nAn integer was expected but not found.");

  TWordReader ints = TWordReader::fromText("4.5 2147483648 3.0 -2147483648 1,5");
  EXPECT_EQ(readerMessage([](TWordReader& w) { w.nextInteger(); }, ints),
            "Error on Line 1 Item 1\nAn integer was expected but not found.");
  EXPECT_EQ(ints.nextReal(), 4.5);
  EXPECT_EQ(readerMessage([](TWordReader& w) { w.nextInteger(); }, ints),
            "Error on Line 1 Item 2\nAn integer was expected but not found.");
  EXPECT_EQ(ints.nextReal(), 2147483648.0);
  EXPECT_EQ(ints.nextInteger(), 3);  // no fractional part
  EXPECT_EQ(ints.nextInteger(), -2147483647 - 1);
  EXPECT_EQ(readerMessage([](TWordReader& w) { w.nextReal(); }, ints),
            "Error on Line 1 Item 5\nA floating point number was expected but not found.");
}

TEST(WordReader, PastTheEnd) {
  const char* const incomplete = "This file either invalid or incomplete.";
  TWordReader r = TWordReader::fromText("5\n\n   \n");
  EXPECT_EQ(r.nextInteger(), 5);
  EXPECT_EQ(readerMessage([](TWordReader& w) { w.nextReal(); }, r), incomplete);
  EXPECT_EQ(readerMessage([](TWordReader& w) { w.nextInteger(); }, r), incomplete);
  TWordReader empty = TWordReader::fromText("");
  EXPECT_TRUE(empty.atEnd());
  EXPECT_EQ(readerMessage([](TWordReader& w) { w.restOfLine(); }, empty), incomplete);
}

TEST(WordReader, LoadsFileAndReportsMissingFile) {
  const std::string path = ::testing::TempDir() + "word_reader_test.txt";
  {
    std::ofstream out(path, std::ios::binary);
    out << "Title\r\n1 2\r\n";
  }
  TWordReader r(path);
  EXPECT_EQ(r.restOfLine(), "Title");
  EXPECT_EQ(r.nextInteger() + r.nextInteger(), 3);
  std::remove(path.c_str());
  EXPECT_THROW(TWordReader{path}, WordReaderError);
}

}  // namespace
}  // namespace murena
