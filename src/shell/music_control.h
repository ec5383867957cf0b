// Which music a full-screen run plays, from its settings, and what happens when it cannot.
#pragma once

namespace frost {

class SceneBase;

// Starts the music the settings ask for, on the main loop's first idle pass. On failure it has
// stopped the scene and told the user why, and the run ends with exit code 0.
bool StartMusic(SceneBase& scene);
// Stops the music and closes the sound library; nothing at all with no sound.
void StopMusic();

}  // namespace frost
