// Playback goes through a real sound server and the keys through a real X
// display: this program starts its own PulseAudio server with a null sink
// (whose monitor records what was played) and its own Xvfb display.
#include "SoundServer.h"
#include "fakes/PulseAudioService.h"
#include "fakes/XvfbDisplay.h"
#include "keyboard/RealKeyboardTest.h"
#include "shell/ApplicationIdentity.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <optional>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    std::optional<zyn::test::PulseAudioService> pulse;
    if (zyn::test::withoutSoundServer()) {
        // Nothing listens there, and a named server is never spawned.
        qputenv("PULSE_SERVER", "unix:/nonexistent/zyn-no-sound-server");
        zyn::test::soundServerProblem() = QStringLiteral("this run has no sound server");
    } else {
        pulse.emplace();
        zyn::test::soundServerProblem() = pulse->why();
    }
    const zyn::test::XvfbDisplay display;
    zyn::test::RealKeyboardTest::useDisplay(display);
    QApplication app(argc, argv);
    zyn::identifyApplication();
    return RUN_ALL_TESTS();
}
