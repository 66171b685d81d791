#pragma once
#include <string>
#include <vector>

struct Sound {
    std::string file;  // name under resources/
    int rate;          // samples per second
    int bits;          // 8 or 16
    std::vector<float> samples;  // mono, -1..1
};

// The cues: line.wav, yes.wav, no.wav, lost.wav and win.wav.
std::vector<Sound> makeSounds();
