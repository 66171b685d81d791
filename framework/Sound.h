#pragma once
// The sound cues: WAVE resources of the program, played from memory.

// Starts WAVE resource lpszName and returns at once; a cue still playing is cut
// off. Silent when there is no such resource or no sound device.
void PlayWaveResource(const char* lpszName);

// Tests watch the cues: the observer hears the name of each cue started.
using SoundObserver = void (*)(const char* lpszName);
void SetSoundObserver(SoundObserver observer); // nullptr: nobody listens
