// Start-up probe of the real program: runs it exactly as main() does and reports the
// first paint of the exercise window.
#include "FirstPaintClock.h"

#include "app/Program.h"

namespace {

// Called by the application's constructor, before the window is built.
void watchExerciseWindow()
{
    bench::watchFirstPaint("gyakorlat1");
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchExerciseWindow)

int main(int argc, char *argv[])
{
    return runProgram(argc, argv);
}
