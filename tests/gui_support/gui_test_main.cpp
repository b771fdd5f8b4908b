// Main of the window test programs: a QApplication for GoogleTest.  Listing
// the tests (at build time) needs no display.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QApplication>
#include <cstring>
#include <memory>

#include "frontend/entry/ui/numeric_locale.h"

// On an X display Qt talks to the session bus; what libdbus keeps for the
// life of the process is not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

// On an X display libxkbcommon-x11 copies key names out of the server's
// replies with strndup, and those names are not zero-terminated: with strict
// string checks AddressSanitizer's strndup reads on to a terminator that is
// not there.  Its own bounded copy is sound, so strndup is left unchecked.
extern "C" const char* __asan_default_options() { return "intercept_strndup=0"; }

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  bool listing = false;
  for (int i = 1; i < argc; ++i) listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
  if (listing) return RUN_ALL_TESTS();
#ifdef MURENA_GUI_PREFER_XCB
  // Programs whose tests draw with OpenGL use the X display when there is one.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    // Mesa's software driver holds some of its allocations only from its own
    // data; unloaded before the leak checker runs at exit, they would be
    // reported as leaks.  Keep it loaded.
    for (const char* driver : {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", "/usr/lib64/dri/swrast_dri.so",
                               "/usr/lib/dri/swrast_dri.so"})
      if (dlopen(driver, RTLD_LAZY | RTLD_NODELETE) != nullptr) break;
  }
#endif
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  murena::ui::keepDecimalPointInNumbers();  // as the programs do
  return RUN_ALL_TESTS();
}
