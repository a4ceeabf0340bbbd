#pragma once

#include <string>

namespace vernik {

// Plays a sound file to its end before returning. Spelled speech reads
// through one; the program's is the media player, tests give one that
// records what it is asked to play.
class SoundSink {
  public:
    virtual ~SoundSink() = default;
    virtual void playToEnd(const std::string& file) = 0;
};

}  // namespace vernik
