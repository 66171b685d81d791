#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace {
const double kPi = 3.14159265358979323846;

// Loudness that every cue is brought to (root mean square), and the highest peak allowed.
const double kTargetRms = 0.2;
const double kPeakLimit = 0.92;

double noteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

struct Voice {
    std::vector<double> harmonics;  // strength of the 1st, 2nd, 3rd ... partial
    double attack;                  // seconds
    double decay;                   // exponential decay per second
    double vibrato;                 // depth as a fraction of the frequency, at 5 Hz
};

const Voice kBell{{1, 0.35, 0.12, 0.05}, 0.004, 7, 0};
const Voice kMallet{{1, 0.5, 0.22, 0.1}, 0.006, 3.2, 0};
const Voice kSoftReed{{1, 0.15, 0.45, 0.08, 0.2}, 0.01, 9, 0};
const Voice kHorn{{1, 0.6, 0.35, 0.2, 0.1}, 0.07, 0.6, 0.008};

class Track {
public:
    Track(int rate, double seconds) : m_rate(rate), m_samples(std::size_t(std::lround(rate * seconds)), 0.0f) {}

    // Adds one note; it rises over the voice's attack, decays, and is faded out over its last 40 ms.
    void note(double start, double length, double frequency, double gain, const Voice& voice, double glide = 0)
    {
        double phase = 0;
        const double release = std::min(0.04, length / 3);
        for (std::size_t i = std::size_t(start * m_rate); i < m_samples.size(); ++i) {
            double t = double(i) / m_rate - start;
            if (t >= length)
                break;
            double f = frequency * (1 + glide * t / length) * (1 + voice.vibrato * std::sin(2 * kPi * 5 * t));
            phase += 2 * kPi * f / m_rate;
            double envelope = std::min(1.0, t / voice.attack) * std::exp(-voice.decay * t) *
                              std::min(1.0, (length - t) / release);
            double value = 0;
            for (std::size_t k = 0; k < voice.harmonics.size(); ++k)
                if (f * (k + 1) < m_rate / 2.0)
                    value += voice.harmonics[k] * std::sin(phase * double(k + 1));
            m_samples[i] += float(gain * envelope * value);
        }
    }

    // Brings the cue to the common loudness, keeps its peaks in range and fades both ends to silence.
    std::vector<float> finish() const
    {
        std::vector<float> out = m_samples;
        double sum = 0, peak = 0;
        for (float s : out) {
            sum += double(s) * s;
            peak = std::max(peak, double(std::fabs(s)));
        }
        double gain = std::min(kTargetRms / std::sqrt(sum / out.size()), kPeakLimit / peak);
        const std::size_t fadeIn = std::size_t(0.003 * m_rate), fadeOut = std::size_t(0.015 * m_rate);
        for (std::size_t i = 0; i < out.size(); ++i) {
            double edge = std::min({1.0, double(i) / fadeIn, double(out.size() - 1 - i) / fadeOut});
            out[i] = float(out[i] * gain * edge);
        }
        return out;
    }

private:
    int m_rate;
    std::vector<float> m_samples;
};

// A tile is picked: a short, light click rising in pitch.
std::vector<float> yes()
{
    Track t(22050, 0.08);
    t.note(0, 0.08, noteFrequency(81), 1, {{1, 0.2}, 0.003, 30, 0}, 0.5);
    return t.finish();
}

// A pair is joined: a quick rising sparkle of four bell notes.
std::vector<float> line()
{
    Track t(22050, 0.55);
    const int notes[4] = {84, 88, 91, 96};
    for (int k = 0; k < 4; ++k)
        t.note(0.06 * k, 0.55 - 0.06 * k, noteFrequency(notes[k]), 1 - 0.12 * k, kBell);
    return t.finish();
}

// Not a pair: two low, soft notes falling.
std::vector<float> no()
{
    Track t(11025, 0.24);
    t.note(0, 0.11, noteFrequency(57), 1, kSoftReed);
    t.note(0.11, 0.13, noteFrequency(52), 1, kSoftReed, -0.03);
    return t.finish();
}

// Won: a bright rising tune that ends on a full major chord.
std::vector<float> win()
{
    Track t(11025, 3.95);
    struct Step {
        double start, length;
        int note;
    };
    const Step tune[] = {{0.0, 0.2, 72},  {0.18, 0.2, 76}, {0.36, 0.2, 79}, {0.54, 0.45, 84}, {0.99, 0.2, 81},
                         {1.17, 0.45, 84}, {1.62, 0.2, 79}, {1.8, 0.2, 81}, {1.98, 0.2, 83}};
    for (const Step& s : tune)
        t.note(s.start, s.length, noteFrequency(s.note), 0.9, kMallet);
    // The chord is strummed, so that its notes do not all peak at once.
    const int chord[] = {60, 64, 67, 72, 84};
    for (int k = 0; k < 5; ++k)
        t.note(2.16 + 0.03 * k, 1.79 - 0.03 * k, noteFrequency(chord[k]), k == 4 ? 0.7 : 0.4, {{1, 0.5, 0.22, 0.1}, 0.01, 1.6, 0});
    for (const Step& s : {Step{0, 0.54, 48}, Step{0.54, 0.9, 53}, Step{1.44, 0.72, 55}, Step{2.16, 1.79, 48}})
        t.note(s.start, s.length, noteFrequency(s.note), 0.5, kMallet);
    return t.finish();
}

// No pair left: a slow horn line sliding down, the last note held and wavering.
std::vector<float> lost()
{
    Track t(11025, 3.6);
    const int notes[4] = {67, 66, 65, 64};
    for (int k = 0; k < 3; ++k)
        t.note(0.55 * k, 0.55, noteFrequency(notes[k]), 1, kHorn);
    t.note(1.65, 1.95, noteFrequency(notes[3]), 1, {{1, 0.6, 0.35, 0.2, 0.1}, 0.07, 0.9, 0.02}, -0.02);
    t.note(1.65, 1.95, noteFrequency(40), 0.5, {{1, 0.4, 0.2}, 0.1, 0.9, 0});
    return t.finish();
}
}

std::vector<Sound> makeSounds()
{
    return {{"line.wav", 22050, 8, line()},
            {"yes.wav", 22050, 8, yes()},
            {"no.wav", 11025, 8, no()},
            {"lost.wav", 11025, 16, lost()},
            {"win.wav", 11025, 16, win()}};
}
