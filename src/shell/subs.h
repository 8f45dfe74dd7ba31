#pragma once
// Shared procedures of the game shell, used by every screen.
#include <cstdint>
#include <memory>

namespace Subs {

// Where random draws come from: one program-wide generator, seeded once at
// start-up; tests put in a scripted source.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int draw(int lo, int hi) = 0;  // uniform in lo..hi, lo <= hi
};
void seedRandom(std::uint32_t seed);
void setRandomSource(std::unique_ptr<RandomSource> source);  // nullptr: back to the generator

// A uniform integer in lo..hi inclusive; a high end below the low end draws
// the low end.
int randomInt(int lo, int hi);

// Sets Vars::appPath to the application folder.
void getAppPath();

// Plays music/<n>.mid when music is on; a track already open plays on.
void playMusic(int n);
void stopMusic();

// Plays sound/<file> when sound is on (one effect at a time).
void playSound(const char* file);
void playSnd0();
void playSnd2();
void playSnd4();
void playSnd5();
void playSnd6();
void playSnd10();
void playSnd11();
void playSnd12();
void playSnd13();
void playSnd14();
void playSnd16();
void playSnd17();
void playSnd1or21();
void playSnd19or22();

// Resets the game state to a new game's (the world map is not reloaded).
void initNewGame();

}  // namespace Subs
