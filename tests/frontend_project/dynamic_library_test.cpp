// Loading a library by its path, looking up its entry, and the failures.
#include <gtest/gtest.h>

#include "frontend/project/dynamic_library.h"
#include "frontend/project/engine_binding.h"

namespace murena {
namespace {

TEST(DynamicLibraryTest, MissingLibraryIsNotLocatedAndStaysClosed) {
  TDynamicLibrary library("/nonexistent/folder/Murena2015_DLL.so");
  try {
    library.open();
    FAIL() << "no exception";
  } catch (const EFileNotFoundError& e) {
    EXPECT_STREQ(e.what(), "Library could not be located");
  }
  EXPECT_FALSE(library.isOpen());
  try {
    library.procedureAddress("_IMURENA");
    FAIL() << "no exception";
  } catch (const EDLLNotOpenError& e) {
    EXPECT_STREQ(e.what(), "Library is not open");
  }
  const EDLLError& init = EInitError();
  EXPECT_STREQ(init.what(), "Library failed to properly initialize");
}

TEST(DynamicLibraryTest, EngineLibraryLoadsAndAnswersItsEntry) {
  TDynamicLibrary library(MURENA_BIN_DIR "/Murena2015_DLL.so");
  library.open();
  ASSERT_TRUE(library.isOpen());
  EXPECT_NE(library.procedureAddress("_IMURENA"), nullptr);
  EXPECT_EQ(library.procedureAddress("NoSuchEntry"), nullptr);
  library.open();  // already open: nothing
  library.setPath("/elsewhere.so");
  EXPECT_FALSE(library.isOpen());

  TLibraryEngine engine;
  engine.load(MURENA_BIN_DIR "/Murena2015_DLL.so");
  EXPECT_EQ(engine.callEntry(11), 1) << "a wrong interface number is refused";
  engine.unload();
  EXPECT_THROW(engine.callEntry(12), EDLLNotOpenError);
}

TEST(DynamicLibraryTest, LibraryWithoutTheEntryIsNoEngine) {
  TLibraryEngine engine;
  EXPECT_THROW(engine.load("libm.so.6"), EDLLError);  // not a path: not located
  // A real library without the entry.
  EXPECT_THROW(engine.load("/lib/x86_64-linux-gnu/libm.so.6"), EDLLError);
}

}  // namespace
}  // namespace murena
