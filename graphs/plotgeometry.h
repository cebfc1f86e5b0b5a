// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plot area's geometry in its user scale: (0, 100) at the top left,
// (100, 0) at the bottom right. The diode current stands on the upper
// baseline, the voltages on the lower one; each curve's peak is drawn a full
// scale above its baseline. The drawing, the readout, the graph window and
// the command line's picture all take their sizes and colours from here.

namespace graphs {

inline constexpr double FullScale = 48;
inline constexpr double CurrentBaseline = 50;
inline constexpr double VoltageBaseline = 0.1;

// The plot area's inner pixels at scale 1, inside a sunken border.
inline constexpr int PlotWidth = 989;
inline constexpr int PlotHeight = 581;
inline constexpr int PlotBorder = 2;

// The graph window, laid out in twips: 15 to a pixel at scale 1.
inline constexpr int TwipsPerPixel = 15;
inline constexpr int WindowWidth = 17580;
inline constexpr int WindowHeight = 9420;
inline constexpr int PlotLeft = 360; // the plot area's outer top left corner
inline constexpr int PlotTop = 240;

// The legend beside the plot: a mark of each baseline's colour, a line of
// LegendMarkPixels centred on its row, and the text that names it.
struct LegendMark {
    int left;
    int right;
    int row;
};
struct LegendText {
    int left;
    int top;
    int width;
};
inline constexpr int LegendMarkPixels = 4;
// One line of a legend text, in the window and on the page alike; the page
// gives a name that wraps three of them.
inline constexpr int LegendTextHeight = 255;
inline constexpr LegendMark CurrentMark{15240, 15600, 2400};
inline constexpr LegendMark LoadMark{15360, 15600, 6240};
inline constexpr LegendText CurrentText{15720, 2280, 1695};
inline constexpr LegendText LoadText{15720, 6120, 1815};

// The curves' colours and the background, as 0xRRGGBB.
inline constexpr unsigned CurrentColour = 0xFF0000;  // diode current, red
inline constexpr unsigned HalfWaveColour = 0x00FF00; // half-wave without capacitor, green
inline constexpr unsigned LoadColour = 0x0000FF;     // load voltage, blue
inline constexpr unsigned BackgroundColour = 0xFFE0C0;

} // namespace graphs
