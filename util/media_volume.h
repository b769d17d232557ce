#pragma once
// The linear volume of scripts (0 ... 10000) on an attenuation scale in
// hundredths of a decibel (-10000 silence ... 0 full), as DirectShow takes
// it: 2000 x log10(volume / 10000), rounded; 0 and below are silence.

namespace vx {

long LinearToAttenuation(int volume);

}  // namespace vx
