#include "core/graphlayout.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace trayeko;

namespace {

struct AnswerRow
{
    const char* name;
    const char* json;
    int nodeCount;
    std::vector<std::pair<double, double>> places; // empty: refused
    const char* reason;                             // a part of the refusal's text
};

class ReadLayoutAnswer : public testing::TestWithParam<AnswerRow>
{
};

TEST_P(ReadLayoutAnswer, GivesPlacesOrAReason)
{
    const AnswerRow& row = GetParam();
    std::string error;
    const auto places = readLayoutAnswer(row.json, row.nodeCount, &error);
    if (row.places.empty() && row.nodeCount > 0) {
        EXPECT_FALSE(places);
        EXPECT_NE(error.find(row.reason), std::string::npos) << error;
    } else {
        ASSERT_TRUE(places) << error;
        EXPECT_EQ(*places, row.places);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReadLayoutAnswer,
    testing::Values(
        AnswerRow{"nodes in any order, y turned downwards, a pinned one and a subgraph",
                  R"({"objects":[{"name":"cluster"},{"name":"2","pos":"90.5,80"},
                      {"name":"1","pos":"18,-79.25!"}]})",
                  2, {{18, 79.25}, {90.5, -80}}, ""},
        AnswerRow{"no nodes", R"({"name":"jaringan"})", 0, {}, ""},
        AnswerRow{"nodes beyond the network are none of ours",
                  R"({"objects":[{"name":"1","pos":"1,2"},{"name":"3","pos":"x"},
                      {"name":"01x","pos":"5,5"}]})",
                  1, {{1, -2}}, ""},
        AnswerRow{"truncated", R"({"objects":[{"name":"1","pos":"1,)", 1, {}, "JSON"},
        AnswerRow{"not an object", "[1,2]", 1, {}, "JSON"},
        AnswerRow{"binary", "\x01\x02\xff", 1, {}, "JSON"},
        AnswerRow{"a node missing", R"({"objects":[{"name":"1","pos":"1,2"}]})", 2, {},
                  "simpul 2"},
        AnswerRow{"no objects at all", R"({"bb":"0,0,1,1"})", 1, {}, "simpul 1"},
        AnswerRow{"a place without a comma", R"({"objects":[{"name":"1","pos":"12"}]})", 1, {},
                  "simpul 1"},
        AnswerRow{"a place beyond a double", R"({"objects":[{"name":"1","pos":"1e999,0"}]})",
                  1, {}, "simpul 1"},
        AnswerRow{"a place as numbers", R"({"objects":[{"name":"1","pos":[1,2]}]})", 1, {},
                  "simpul 1"}),
    [](const testing::TestParamInfo<AnswerRow>& info) {
        std::string name;
        for (const char* c = info.param.name; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(LayoutRequest, NamesNodesByNumberAndEachPairOfNodesOnce)
{
    Network network;
    network.addNode("Pasar\" -> 9; \"", 0, 0); // a name never reaches Graphviz
    network.addNode();
    network.addNode();
    network.addLink(1, 2, 4);
    network.addLink(2, 1, 3);
    network.addLink(3, 1, 1);
    const std::string dot = layoutRequest(network);
    EXPECT_EQ(dot.find("Pasar"), std::string::npos);
    EXPECT_NE(dot.find("  3;\n"), std::string::npos);
    EXPECT_NE(dot.find("1 -> 2;"), std::string::npos);
    EXPECT_EQ(dot.find("2 -> 1;"), std::string::npos);
    EXPECT_NE(dot.find("3 -> 1;"), std::string::npos);
}

// Where Graphviz is installed, its real answer reads back: every node placed, no two alike.
TEST(LayoutRequest, NeatoPlacesEveryNodeWhereInstalled)
{
    if (std::system("neato -V > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "Graphviz is not installed";
    Network network(6);
    for (int node = 1; node < 6; ++node)
        network.addLink(node, node + 1, 1);
    network.addLink(6, 1, 1);
    const std::string file = testing::TempDir() + "graphlayout_request.dot";
    FILE* out = std::fopen(file.c_str(), "w");
    ASSERT_TRUE(out);
    std::fputs(layoutRequest(network).c_str(), out);
    std::fclose(out);
    FILE* in = popen(("neato -Tjson " + file).c_str(), "r");
    ASSERT_TRUE(in);
    std::string json;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
        json.append(buffer, n);
    ASSERT_EQ(pclose(in), 0);
    std::string error;
    const auto places = readLayoutAnswer(json, 6, &error);
    ASSERT_TRUE(places) << error;
    for (size_t a = 0; a < places->size(); ++a)
        for (size_t b = a + 1; b < places->size(); ++b)
            EXPECT_NE((*places)[a], (*places)[b]);
}

} // namespace
