#pragma once

namespace frost {

class SceneBase;

// Starts the music the settings ask for, on the main loop's first idle pass. On failure it has
// stopped the scene and told the user why, and the run ends with exit code 0.
bool StartMusic(SceneBase& scene);
// Stops the music and closes the sound library; harmless when nothing plays.
void StopMusic();

}  // namespace frost
