#include "ui/drawing/networklayout.h"

#include "ui/support/bgr.h"

#include <stdexcept>

namespace trayeko::ui {

namespace {

constexpr LinkLayout link(int k, std::string_view box, NamedLine a, NamedLine b, int segments,
                          TwipPoint head, NamedLine barb1, NamedLine barb2, TwipPoint boxPos)
{
    return {k, box, {a, b}, segments, head, {barb1, barb2}, boxPos};
}

constexpr NamedLine none{};

} // namespace

const std::array<NodeLayout, kNodeCount>& nodeLayouts()
{
    static constexpr std::array<NodeLayout, kNodeCount> nodes{{
        {1, "Shape1", {480, 2760}, "Label1", {600, 2880}},
        {2, "Shape2", {2880, 720}, "Label2", {3000, 840}},
        {3, "Shape3", {2880, 2760}, "Label3", {3000, 2880}},
        {4, "Shape4", {2880, 4800}, "Label4", {3000, 4920}},
        {5, "Shape5", {5400, 1800}, "Label5", {5520, 1920}},
        {6, "Shape6", {5400, 3720}, "Label6", {5520, 3840}},
        {7, "Shape7", {7680, 2760}, "Label7", {7800, 2880}},
    }};
    return nodes;
}

const std::array<LinkLayout, kLinkCount>& linkLayouts()
{
    // Each arrowhead is two strokes from the head point to its barb points.
    static constexpr std::array<LinkLayout, kLinkCount> links{{
        link(1, "j1", {"lj1", {1080, 2880}, {3000, 1320}}, none, 1, {3000, 1320},
             {"Line25", {3000, 1320}, {2760, 1320}}, {"Line26", {3000, 1320}, {3000, 1560}},
             {1800, 2040}),
        link(2, "j2", {"lj2", {1200, 3120}, {2880, 3120}}, none, 1, {2880, 3120},
             {"Line41", {2880, 3120}, {2640, 3000}}, {"Line42", {2880, 3120}, {2640, 3240}},
             {1800, 3000}),
        link(3, "j3", {"lj3", {960, 3480}, {2880, 5040}}, none, 1, {2880, 5040},
             {"Line39", {2880, 5040}, {2760, 4800}}, {"Line40", {2880, 5040}, {2640, 5040}},
             {1800, 4200}),
        link(4, "j4", {"lj4", {3240, 1440}, {3240, 2760}}, none, 1, {3240, 2760},
             {"Line27", {3240, 2760}, {3120, 2520}}, {"Line28", {3240, 2760}, {3360, 2520}},
             {3000, 2040}),
        link(5, "j5", {"lj5", {3240, 3480}, {3240, 4800}}, none, 1, {3240, 4800},
             {"Line29", {3240, 4800}, {3120, 4560}}, {"Line30", {3240, 4800}, {3360, 4560}},
             {3000, 3960}),
        link(6, "j6", {"lj6", {3600, 1200}, {5400, 2040}}, none, 1, {5400, 2040},
             {"Line31", {5400, 2040}, {5280, 1800}}, {"Line32", {5400, 2040}, {5160, 2160}},
             {4320, 1440}),
        link(7, "j7", {"lj7", {3600, 3000}, {5400, 2280}}, none, 1, {5400, 2280},
             {"Line1", {5400, 2280}, {5160, 2280}}, {"Line2", {5400, 2280}, {5280, 2520}},
             {4320, 2520}),
        link(8, "j8", {"lj8", {3600, 3240}, {5400, 3960}}, none, 1, {5400, 3960},
             {"Line33", {5400, 3960}, {5280, 3720}}, {"Line34", {5400, 3960}, {5160, 4080}},
             {4320, 3480}),
        link(9, "j9", {"lj9", {3600, 5040}, {5400, 4200}}, none, 1, {5400, 4200},
             {"Line35", {5400, 4200}, {5160, 4200}}, {"Line36", {5400, 4200}, {5280, 4440}},
             {4320, 4440}),
        link(10, "j10", {"lj10a", {840, 2760}, {3000, 360}}, {"lj10b", {3360, 360}, {7920, 2760}},
             2, {7920, 2760}, {"Line17", {7920, 2760}, {7800, 2520}},
             {"Line18", {7920, 2760}, {7680, 2760}}, {3000, 240}),
        // Link 11 runs upwards, from node 6 to node 5: its head is at its first point.
        link(11, "j11", {"lj11", {5760, 2520}, {5760, 3720}}, none, 1, {5760, 2520},
             {"Line37", {5760, 2520}, {5640, 2760}}, {"Line38", {5760, 2520}, {5880, 2760}},
             {5520, 3000}),
        link(12, "j12", {"lj12a", {3600, 5280}, {5640, 4680}},
             {"lj12b", {6000, 4560}, {7920, 3480}}, 2, {7920, 3480},
             {"Line23", {7920, 3480}, {7680, 3480}}, {"Line24", {7920, 3480}, {7800, 3720}},
             {5640, 4560}),
        link(13, "j13", {"lj13", {6120, 2280}, {7680, 3000}}, none, 1, {7680, 3000},
             {"Line19", {7680, 3000}, {7560, 2760}}, {"Line20", {7680, 3000}, {7440, 3120}},
             {6720, 2520}),
        link(14, "j14", {"lj14", {6120, 3960}, {7680, 3240}}, none, 1, {7680, 3240},
             {"Line21", {7680, 3240}, {7440, 3240}}, {"Line22", {7680, 3240}, {7560, 3480}},
             {6720, 3480}),
    }};
    return links;
}

const LinkLayout& linkLayout(int k)
{
    if (k < 1 || k > kLinkCount)
        throw std::out_of_range("link number");
    return linkLayouts()[size_t(k - 1)];
}

const DrawingVariant& dijkstraDrawing()
{
    static constexpr DrawingVariant v{8895, 5775, 0, 0, "Jalur         ="};
    return v;
}

const DrawingVariant& floydDrawing()
{
    static constexpr DrawingVariant v{8175, 5655, -360, -840, "Lintasan   ="};
    return v;
}

const std::array<LegendRow, 3>& legendRows()
{
    static constexpr std::array<LegendRow, 3> rows{{
        {"Label25", "Jarak       =", {7200, 240}},
        {"Label29", "Simpul      =", {7200, 600}},
        {"Label26", "Jalur         =", {7200, 960}},
    }};
    return rows;
}

const LegendSamples& legendSamples()
{
    static constexpr LegendSamples s{
        "Text1",
        {8520, 240},
        255,
        195,
        "Shape8",
        {8520, 600},
        255,
        {{{"Line3", {8280, 1080}, {8760, 1080}},
          {"Line4", {8640, 960}, {8760, 1080}},
          {"Line5", {8640, 1200}, {8760, 1080}}}},
    };
    return s;
}

QColor routeNodeColor()
{
    return fromBgr(colours::routeNode);
}

QColor neutralNodeColor()
{
    return fromBgr(colours::neutralNode);
}

QColor neutralLineColor()
{
    return fromBgr(colours::neutralLine);
}

QColor routeColor()
{
    return fromBgr(colours::route);
}

QColor neutralBoxColor()
{
    return fromBgr(colours::neutralBox);
}

} // namespace trayeko::ui
