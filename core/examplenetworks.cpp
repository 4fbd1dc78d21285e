#include "core/examplenetworks.h"

#include "core/demonetwork.h"

namespace trayeko {

namespace {

struct Place
{
    const char* name;
    double x;
    double y;
};

NetworkDocument document(std::vector<Place> places, std::vector<NetworkLink> links, int start,
                         int end, std::string title, std::string note)
{
    NetworkDocument d;
    for (const Place& p : places)
        d.network.addNode(p.name, p.x, p.y);
    for (const NetworkLink& l : links)
        d.network.addLink(l.from, l.to, l.weight);
    d.start = start;
    d.end = end;
    d.title = std::move(title);
    d.note = std::move(note);
    return d;
}

// Roads both ways but one, weighed in minutes. The direct road from the square to the school is
// the obvious answer and not the fastest.
NetworkDocument townMap()
{
    std::vector<NetworkLink> links;
    const auto road = [&](int a, int b, double minutes) {
        links.push_back({a, b, minutes});
        links.push_back({b, a, minutes});
    };
    road(1, 3, 6);
    links.push_back({3, 2, 4}); // one-way street from the station to the market
    road(1, 2, 3);
    road(1, 5, 2);
    road(1, 4, 11);
    road(5, 6, 4);
    road(6, 4, 3);
    road(2, 7, 5);
    road(7, 6, 7);
    road(3, 7, 8);
    return document({{"Alun-alun", 3000, 1700},
                     {"Pasar", 1800, 500},
                     {"Stasiun", 500, 1700},
                     {"Sekolah", 5500, 1700},
                     {"Masjid Raya", 3600, 3000},
                     {"Rumah Sakit", 4900, 3000},
                     {"Terminal", 3600, 400}},
                    links, 3, 4, "Peta kota",
                    "Bobot jalur adalah waktu tempuh dalam menit; jalan dari Stasiun ke Pasar "
                    "satu arah. Tugas: cari rute tercepat dari Stasiun ke Sekolah. Jalan langsung "
                    "dari Alun-alun ke Sekolah ternyata bukan yang tercepat.");
}

NetworkDocument mostLinks()
{
    return document({{"", 400, 2600},
                     {"", 1300, 900},
                     {"", 2700, 300},
                     {"", 4100, 300},
                     {"", 5100, 900},
                     {"", 5800, 2600}},
                    {{1, 2, 2}, {2, 3, 2}, {3, 4, 2}, {4, 5, 2}, {5, 6, 2},
                     {1, 6, 12}, {1, 3, 5}, {3, 6, 7}, {2, 5, 8}, {1, 4, 9}},
                    1, 6, "Rute terpendek, jalur terbanyak",
                    "Rute terpendek dari simpul 1 ke simpul 6 melewati jalur paling banyak: "
                    "sedikit jalur tidak berarti jarak pendek. Bandingkan total jarak setiap "
                    "rute, bukan banyaknya jalur.");
}

NetworkDocument equalRoutes()
{
    return document({{"", 500, 1750},
                     {"", 2000, 500},
                     {"", 2000, 3000},
                     {"", 3600, 1750},
                     {"", 4600, 3000},
                     {"", 5700, 1750}},
                    {{1, 2, 3}, {1, 3, 5}, {2, 4, 6}, {3, 4, 4}, {2, 3, 4},
                     {4, 6, 2}, {3, 5, 7}, {5, 6, 3}, {4, 5, 2}},
                    1, 6, "Dua rute sama pendek",
                    "Dari simpul 1 ke simpul 6 ada dua rute yang sama pendek, lewat simpul 2 "
                    "atau lewat simpul 3. Perhatikan rute mana yang dipilih metode ini dan "
                    "mengapa; keduanya benar.");
}

// Dijkstra fixes node 2 at 2 in its second step; the way round through node 3 and the link of
// weight -4 comes to 1, and everything behind node 2 is too long by one as well.
NetworkDocument tooEarly()
{
    return document({{"", 500, 1750},
                     {"", 2500, 500},
                     {"", 2500, 3000},
                     {"", 4300, 500},
                     {"", 5700, 1750}},
                    {{1, 2, 2}, {1, 3, 5}, {3, 2, -4}, {2, 4, 3}, {4, 5, 2}},
                    1, 5, "Dijkstra menetapkan terlalu cepat",
                    "Jalur dari simpul 3 ke simpul 2 berbobot negatif. Dijkstra menetapkan "
                    "simpul 2 dengan jarak 2 sebelum melihat rute 1 \u2192 3 \u2192 2 yang "
                    "hanya 1, sehingga jarak ke simpul 4 dan 5 juga salah. Bandingkan dengan "
                    "Bellman\u2013Ford (Ctrl+B).");
}

// The cycle 2 -> 3 -> 4 -> 2 weighs -1 altogether: every round of it shortens the way to node 5
// once more, so there is no shortest route at all.
NetworkDocument negativeCycle()
{
    return document({{"", 500, 1750},
                     {"", 2200, 1750},
                     {"", 3600, 500},
                     {"", 3600, 3000},
                     {"", 5500, 1750}},
                    {{1, 2, 2}, {2, 3, 1}, {3, 4, -3}, {4, 2, 1}, {4, 5, 2}},
                    1, 5, "Siklus negatif",
                    "Siklus 2 \u2192 3 \u2192 4 \u2192 2 berbobot total -1: setiap putaran "
                    "memperpendek jarak ke simpul 5, jadi tidak ada rute terpendek. "
                    "Bellman\u2013Ford menemukan siklus ini pada putaran tambahannya.");
}

} // namespace

std::vector<ExampleNetwork> exampleNetworks()
{
    NetworkDocument demo;
    demo.network = demoNetwork(defaultWeights());
    demo.start = kStartNode;
    demo.end = kEndNode;
    demo.title = "Jaringan peraga";
    demo.note = "Jaringan tujuh simpul dari jendela Dijkstra dan Floyd, dengan bobot awalnya. "
                "Tugas: cari rute terpendek dari simpul 1 ke simpul 7.";
    return {{"Jaringan &peraga", std::move(demo)},
            {"Peta &kota", townMap()},
            {"Rute terpendek, jalur &terbanyak", mostLinks()},
            {"&Dua rute sama pendek", equalRoutes()},
            {"Dijkstra menetapkan terlalu &cepat", tooEarly()},
            {"&Siklus negatif", negativeCycle()}};
}

} // namespace trayeko
