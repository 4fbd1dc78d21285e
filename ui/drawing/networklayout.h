#pragma once

#include "core/demonetwork.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace trayeko::ui {

// The picture of the demonstration network as the windows draw it: where every node, link line,
// arrowhead and weight box stands (in twips, relative to the drawing frame's top-left corner),
// the design names of those elements, the legend and the colours. The network itself (which
// link joins which nodes, the default weights) is the core's.

/// @brief A point in twips (1440 per inch).
struct TwipPoint
{
    int x = 0;
    int y = 0;
};

// A point of the layout in the drawing's logical pixels, shifted right by @p shift twips.
inline QPointF pointPx(TwipPoint p, int shift = 0)
{
    return {double(p.x + shift) / 15.0, double(p.y) / 15.0};
}

// The @p width x @p height twips rectangle at @p topLeft in logical pixels, unrounded, so that
// drawings keep the design's fractions of a pixel.
inline QRectF rectPx(TwipPoint topLeft, int shift, int width, int height)
{
    return {pointPx(topLeft, shift), QSizeF(width / 15.0, height / 15.0)};
}

/// @brief A named straight line of the drawing (a link segment or an arrowhead stroke).
struct NamedLine
{
    std::string_view name;
    TwipPoint from;
    TwipPoint to;
};

/// @brief One node: its circle control, the circle's top-left corner, and its number label.
struct NodeLayout
{
    int number;
    std::string_view shapeName; ///< "Shape1" ... "Shape7"
    TwipPoint circle;           ///< top-left of the kNodeDiameter square
    std::string_view labelName; ///< "Label1" ... "Label7"
    TwipPoint label;            ///< top-left of the kNumberLabelSize square
};

/// @brief How one link is drawn: its line segments, its arrowhead and its weight box.
struct LinkLayout
{
    int number;                        ///< 1 ... 14, as in the core's link table
    std::string_view weightBox;        ///< "j1" ... "j14"
    std::array<NamedLine, 2> segments; ///< link 10 and 12 use both, the others only the first
    int segmentCount;
    TwipPoint head;                 ///< the arrow's point
    std::array<NamedLine, 2> barbs; ///< the two arrowhead strokes, from head to barb point
    TwipPoint weightBoxPos;         ///< top-left of the kWeightBoxWidth x kWeightBoxHeight box

    std::span<const NamedLine> lines() const { return {segments.data(), size_t(segmentCount)}; }
};

inline constexpr int kNodeDiameter = 735;
inline constexpr int kNumberLabelSize = 495;
inline constexpr int kWeightBoxWidth = 375;
inline constexpr int kWeightBoxHeight = 285;

/// @brief The node pictures, node 1 first.
const std::array<NodeLayout, kNodeCount>& nodeLayouts();

/// @brief The link pictures, link 1 first.
const std::array<LinkLayout, kLinkCount>& linkLayouts();

/// @brief The picture of link @p k (1 ... 14).
const LinkLayout& linkLayout(int k);

/// @brief One row of the legend: a right-aligned caption and its sample.
struct LegendRow
{
    std::string_view labelName;
    std::string_view caption;
    TwipPoint labelPos; ///< top-left of the kLegendLabelWidth x kLegendLabelHeight label
};

inline constexpr int kLegendLabelWidth = 975;
inline constexpr int kLegendLabelHeight = 255;

/// @brief How one window shows the drawing: the Floyd window shifts the network and its legend
/// left and names the third legend row differently.
struct DrawingVariant
{
    int frameWidth; ///< size of the frame that holds the drawing, in twips
    int frameHeight;
    int networkShift; ///< added to every horizontal coordinate of nodes, links and boxes
    int legendShift;  ///< added to every horizontal coordinate of the legend
    std::string_view pathCaption; ///< caption of the third legend row
};

/// @brief The Dijkstra window's drawing: frame 8895 x 5775, no shift, "Jalur         =".
const DrawingVariant& dijkstraDrawing();

/// @brief The Floyd window's drawing: frame 8175 x 5655, network 360 twips left, legend at 6360,
/// "Lintasan   =".
const DrawingVariant& floydDrawing();

/// @brief The legend of the Dijkstra window's drawing (apply legendShift and pathCaption of the
/// variant). Rows: distance ("Jarak       ="), node ("Simpul      ="), path.
const std::array<LegendRow, 3>& legendRows();

/// @brief Legend samples, unshifted: the empty read-only box, the sample circle, the arrow.
struct LegendSamples
{
    std::string_view boxName; ///< "Text1": 255 x 195
    TwipPoint boxPos;
    int boxWidth;
    int boxHeight;
    std::string_view circleName; ///< "Shape8": 255 x 255
    TwipPoint circlePos;
    int circleDiameter;
    std::array<NamedLine, 3> arrow; ///< Line3, Line4, Line5
};
const LegendSamples& legendSamples();

/// @brief Caption of the drawing frame, "Pencarian Jalur".
inline constexpr std::string_view kFrameCaption = "Pencarian Jalur";

/// @brief Colours as 32-bit values in the layout 0x00BBGGRR (red in the lowest byte).
namespace colours {
inline constexpr std::uint32_t routeNode = 0x00FF8080;   ///< "biru": start, end and inner nodes
inline constexpr std::uint32_t neutralNode = 0x00FFC0FF; ///< "pink": a node off the route
inline constexpr std::uint32_t neutralLine = 0x00000000; ///< "hitam": a link line off the route
inline constexpr std::uint32_t route = 0x000000FF;       ///< "merah": lines and boxes of a route
inline constexpr std::uint32_t neutralBox = 0x00FFFFFF;  ///< white, a weight box off the route
inline constexpr std::uint32_t frameBack = 0x00C0FFC0;
inline constexpr std::uint32_t frameCaption = 0x00C00000;
inline constexpr std::uint32_t legendText = 0x000000C0;
} // namespace colours

// The colours of the drawing's elements as the lessons name them (Indonesian in brackets).
QColor routeNodeColor();   // light blue ("biru"): nodes 1 and 7 always, inner nodes of a route
QColor neutralNodeColor(); // "pink": the other nodes
QColor neutralLineColor(); // black ("hitam"): link lines off the route
QColor routeColor();       // red ("merah"): link lines and weight boxes of the route
QColor neutralBoxColor();  // white: weight boxes off the route

} // namespace trayeko::ui
