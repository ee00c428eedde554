#include "app/sound_player.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

bool MultimediaLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// No sound server here, as on CI: sound switched on loads the library, says
// once that the game stays silent, and plays nothing.
TEST(Sound, TheSoundsLoadOnlyWhenSwitchedOnAndNoOutputMeansSilence) {
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    SoundPlayer player({QStringLiteral("/nonexistent/libtarvo-othello-sound.so"),
                        QStringLiteral(TARVO_SOUND_LIBRARY)});
    player.OnEvent(event::GameOver{});
    EXPECT_FALSE(MultimediaLoaded()) << "sound off loads nothing";
    testing::internal::CaptureStderr();
    player.SetEnabled(true);
    player.SetEnabled(false);
    player.SetEnabled(true);
    player.OnEvent(event::MovePlayed{Black, 3, 5, {}});
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Tarvo Othello: no audio output was found, so the game stays silent.\n");
    EXPECT_TRUE(player.loaded());
    EXPECT_TRUE(MultimediaLoaded());
    EXPECT_FALSE(player.audible());

    SoundPlayer missing({QStringLiteral("/nonexistent/libtarvo-othello-sound.so")});
    testing::internal::CaptureStderr();
    missing.SetEnabled(true);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("the sounds could not be loaded"),
              std::string::npos);
    EXPECT_FALSE(missing.audible());
}

} // namespace
} // namespace tarvo
