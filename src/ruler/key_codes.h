// The virtual-key codes the ruler window acts on.
#pragma once

namespace vardek::keys {

inline constexpr int kSpace = 32;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kB = 66;
inline constexpr int kC = 67;
inline constexpr int kG = 71;
inline constexpr int kH = 72;
inline constexpr int kN = 78;
inline constexpr int kV = 86;
inline constexpr int kZ = 90;
inline constexpr int kF1 = 112;

}  // namespace vardek::keys
