// Entry point of the GoogleTest binaries that need the toolkit: the tests run inside a started
// wx application (on the Xvfb display the test runner provides).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new wxApp());
  if (!wxEntryStart(argc, argv)) {
    fprintf(stderr, "no display for the toolkit\n");
    return 1;
  }
  wxTheApp->CallOnInit();
  int result = RUN_ALL_TESTS();
  wxEntryCleanup();
  return result;
}
