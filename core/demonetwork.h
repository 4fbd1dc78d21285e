#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace trayeko {

/// @brief Number of nodes and of one-way links of the demonstration network.
inline constexpr int kNodeCount = 7;
inline constexpr int kLinkCount = 14;
inline constexpr int kStartNode = 1;
inline constexpr int kEndNode = 7;

/// @brief A point in twips (1440 per inch), relative to the drawing frame's top-left corner.
struct TwipPoint
{
    int x = 0;
    int y = 0;
};

/// @brief A named straight line of the drawing (a link segment or an arrowhead stroke).
struct NamedLine
{
    std::string_view name;
    TwipPoint from;
    TwipPoint to;
};

/// @brief One node: its circle control, the circle's top-left corner, and its number label.
struct NodeInfo
{
    int number;
    std::string_view shapeName;  ///< "Shape1" ... "Shape7"
    TwipPoint circle;            ///< top-left of the kNodeDiameter square
    std::string_view labelName;  ///< "Label1" ... "Label7"
    TwipPoint label;             ///< top-left of the kNumberLabelSize square
};

/// @brief One one-way link with everything needed to compute with it and to draw it.
struct LinkInfo
{
    int number;                         ///< 1 ... 14
    std::string_view weightBox;         ///< "j1" ... "j14"
    int fromNode;
    int toNode;
    std::array<NamedLine, 2> segments;  ///< link 10 and 12 use both, the others only the first
    int segmentCount;
    TwipPoint head;                     ///< the arrow's point
    std::array<NamedLine, 2> barbs;     ///< the two arrowhead strokes, from head to barb point
    TwipPoint weightBoxPos;             ///< top-left of the kWeightBoxWidth x kWeightBoxHeight box
    int defaultWeight;

    std::span<const NamedLine> lines() const { return {segments.data(), size_t(segmentCount)}; }
};

inline constexpr int kNodeDiameter = 735;
inline constexpr int kNumberLabelSize = 495;
inline constexpr int kWeightBoxWidth = 375;
inline constexpr int kWeightBoxHeight = 285;

/// @brief The node table, node 1 first.
const std::array<NodeInfo, kNodeCount>& demoNodes();

/// @brief The link table, link 1 first.
const std::array<LinkInfo, kLinkCount>& demoLinks();

/// @brief The link with number @p k (1 ... 14).
const LinkInfo& demoLink(int k);

/// @brief The link from @p fromNode to @p toNode, or nullptr where there is none.
const LinkInfo* findLink(int fromNode, int toNode);

/// @brief The fourteen link weights, weight k at index k - 1.
using LinkWeights = std::array<double, kLinkCount>;

/// @brief The default weights 7, 6, 8, 1, 2, 4, 4, 4, 5, 16, 1, 15, 6, 8.
LinkWeights defaultWeights();

/// @brief The default weight of link @p k as the integer text the windows write ("7", "16").
std::string defaultWeightText(int k);

/// @brief Reads fourteen box texts with parseLeadingNumber.
LinkWeights readLinkWeights(std::span<const std::string, kLinkCount> texts);

/// @brief One row of the legend: a right-aligned caption and its sample.
struct LegendRow
{
    std::string_view labelName;
    std::string_view caption;
    TwipPoint labelPos;  ///< top-left of the kLegendLabelWidth x kLegendLabelHeight label
};

inline constexpr int kLegendLabelWidth = 975;
inline constexpr int kLegendLabelHeight = 255;

/// @brief How one window shows the drawing: the Floyd window shifts the network and its legend
/// left and names the third legend row differently.
struct DrawingVariant
{
    int frameWidth;    ///< size of the frame that holds the drawing, in twips
    int frameHeight;
    int networkShift;  ///< added to every horizontal coordinate of nodes, links and boxes
    int legendShift;   ///< added to every horizontal coordinate of the legend
    std::string_view pathCaption;  ///< caption of the third legend row
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
    std::string_view boxName;  ///< "Text1": 255 x 195
    TwipPoint boxPos;
    int boxWidth;
    int boxHeight;
    std::string_view circleName;  ///< "Shape8": 255 x 255
    TwipPoint circlePos;
    int circleDiameter;
    std::array<NamedLine, 3> arrow;  ///< Line3, Line4, Line5
};
const LegendSamples& legendSamples();

/// @brief Caption of the drawing frame, "Pencarian Jalur".
inline constexpr std::string_view kFrameCaption = "Pencarian Jalur";

/// @brief Colours as 32-bit values in the layout 0x00BBGGRR (red in the lowest byte).
namespace colours {
inline constexpr std::uint32_t biru = 0x00FF8080;   ///< light blue, start/end and inner nodes
inline constexpr std::uint32_t pink = 0x00FFC0FF;   ///< the neutral node colour
inline constexpr std::uint32_t hitam = 0x00000000;  ///< black, the neutral line colour
inline constexpr std::uint32_t merah = 0x000000FF;  ///< red, lines and boxes of a shown route
inline constexpr std::uint32_t white = 0x00FFFFFF;  ///< the neutral weight-box colour
inline constexpr std::uint32_t frameBack = 0x00C0FFC0;
inline constexpr std::uint32_t frameCaption = 0x00C00000;
inline constexpr std::uint32_t legendText = 0x000000C0;
} // namespace colours

} // namespace trayeko
