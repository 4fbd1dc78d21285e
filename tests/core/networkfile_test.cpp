#include "reference.h"

#include "core/networkfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace trayeko;

namespace {

// A network as one line: node labels, then each link "from>to:weight" in order, then the ends.
std::string summary(const NetworkDocument& d)
{
    std::string text;
    for (int n = 1; n <= d.network.nodeCount(); ++n)
        text += (n > 1 ? "," : "") + d.network.nodeLabel(n);
    text += " |";
    for (const NetworkLink& l : d.network.links()) {
        char weight[32];
        std::snprintf(weight, sizeof weight, "%g", l.weight);
        text += " " + std::to_string(l.from) + ">" + std::to_string(l.to) + ":" + weight;
    }
    return text + " | " + std::to_string(d.start) + "-" + std::to_string(d.end);
}

std::string summary(const NetworkReadResult& r)
{
    return r.document ? summary(*r.document) : "refused: " + r.error;
}

struct EditRow
{
    const char* name;
    bool node; // removeNode, else removeLink
    int number;
    const char* expected;
    friend void PrintTo(const EditRow& row, std::ostream* os) { *os << row.name; }
};

class Edits : public testing::TestWithParam<EditRow>
{};

TEST_P(Edits, RemoveRenumbers)
{
    NetworkDocument d;
    for (const char* name : {"A", "B", "C", "D"})
        d.network.addNode(name);
    for (const NetworkLink& l : std::vector<NetworkLink>{
             {1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {4, 1, 4}, {1, 3, 5}, {4, 2, 6}})
        d.network.addLink(l.from, l.to, l.weight);
    const Network before = d.network;
    d.start = 1;
    d.end = GetParam().node ? 3 : 4;
    if (GetParam().node)
        d.network.removeNode(GetParam().number);
    else
        d.network.removeLink(GetParam().number);
    EXPECT_EQ(summary(d), GetParam().expected);
    EXPECT_EQ(before.linkCount(), 6) << "a copy keeps what it was given";
    for (const NetworkNode& n : d.network.nodes())
        EXPECT_EQ(n, d.network.node(n.number));
}

INSTANTIATE_TEST_SUITE_P(
    Network, Edits,
    testing::Values(EditRow{"firstNode", true, 1, "B,C,D | 1>2:2 2>3:3 3>1:6 | 1-3"},
                    EditRow{"middleNode", true, 2, "A,C,D | 2>3:3 3>1:4 1>2:5 | 1-3"},
                    EditRow{"lastNode", true, 4, "A,B,C | 1>2:1 2>3:2 1>3:5 | 1-3"},
                    EditRow{"firstLink", false, 1, "A,B,C,D | 2>3:2 3>4:3 4>1:4 1>3:5 4>2:6 | 1-4"},
                    EditRow{"lastLink", false, 6, "A,B,C,D | 1>2:1 2>3:2 3>4:3 4>1:4 1>3:5 | 1-4"}),
    reference::rowName);

TEST(NetworkEdits, MissingNumbersAreRefused)
{
    Network network(2);
    network.addLink(1, 2, 3);
    EXPECT_THROW(network.removeNode(3), std::out_of_range);
    EXPECT_THROW(network.removeNode(0), std::out_of_range);
    EXPECT_THROW(network.removeLink(2), std::out_of_range);
    EXPECT_EQ(network.linkCount(), 1);
}

// Every format the program reads gives back what it wrote.
NetworkDocument sample()
{
    NetworkDocument d;
    d.network.addNode("Pasar \"Baru\"; lama", 100.5, 200);
    d.network.addNode("", 3000, -40);
    d.network.addNode("Τ<&>;", 1e5, 0.125);
    d.network.addNode("Sekolah, SD", 0, 0);
    for (const NetworkLink& l : std::vector<NetworkLink>{
             {1, 2, 7}, {1, 3, 0.1}, {2, 1, 2.5}, {2, 4, -3}, {3, 4, 1e-7}, {4, 2, 123456789}})
        d.network.addLink(l.from, l.to, l.weight);
    d.start = 2;
    d.end = 4;
    d.title = "Ujian \"2025\" <akhir>";
    d.note = "Baris satu\nbaris dua, dengan ∞ & ;";
    return d;
}

struct RoundTripRow
{
    const char* name;
    NetworkFormat format;
    char separator;
    friend void PrintTo(const RoundTripRow& row, std::ostream* os) { *os << row.name; }
};

class RoundTrip : public testing::TestWithParam<RoundTripRow>
{};

TEST_P(RoundTrip, ReadsBackWhatItWrote)
{
    const NetworkDocument written = sample();
    const std::string text = writeNetwork(written, GetParam().format, GetParam().separator);
    const NetworkReadResult read = readNetwork(text, GetParam().format, GetParam().separator);
    ASSERT_TRUE(read.document) << read.error << "\n" << text;
    if (GetParam().format != NetworkFormat::Csv) {
        EXPECT_EQ(*read.document, written) << text;
        return;
    }
    // A table keeps the names and the weights only.
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(read.document->network.node(n).name, written.network.node(n).name);
    EXPECT_EQ(read.document->network.links(), written.network.links()) << text;
    EXPECT_NE(text.find(GetParam().separator == ',' ? ";0,1;" : ",0.1,"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Files, RoundTrip,
                         testing::Values(RoundTripRow{"json", NetworkFormat::Json, '.'},
                                         RoundTripRow{"graphml", NetworkFormat::GraphMl, '.'},
                                         RoundTripRow{"csvPoint", NetworkFormat::Csv, '.'},
                                         RoundTripRow{"csvComma", NetworkFormat::Csv, ','}),
                         reference::rowName);

struct ReadRow
{
    const char* name;
    NetworkFormat format;
    char separator;
    std::string text;
    std::string expected; // summary(), or "refused: " and the start of the reason
    friend void PrintTo(const ReadRow& row, std::ostream* os) { *os << row.name; }
};

class Reading : public testing::TestWithParam<ReadRow>
{};

TEST_P(Reading, GivesTheNetworkOrTheReason)
{
    const NetworkReadResult read =
        GetParam().name == std::string_view("pastedTabs")
            ? readPastedTable(GetParam().text, GetParam().separator)
            : readNetwork(GetParam().text, GetParam().format, GetParam().separator);
    const std::string got = summary(read);
    if (GetParam().expected.starts_with("refused: "))
        EXPECT_EQ(got.substr(0, GetParam().expected.size()), GetParam().expected);
    else
        EXPECT_EQ(got, GetParam().expected);
    EXPECT_EQ(read.document.has_value(), read.error.empty());
}

constexpr auto J = NetworkFormat::Json;
constexpr auto G = NetworkFormat::GraphMl;
constexpr auto C = NetworkFormat::Csv;

const std::string kJsonHead = R"({"format":"trayeko-network","version":1,)";
const std::string kGraphMlHead =
    R"(<?xml version='1.0' encoding='utf-8'?>
<graphml xmlns="http://graphml.graphdrawing.org/xmlns">
<key id="d0" for="edge" attr.name="weight" attr.type="double"/>
)";

// What networkx's write_graphml gives for a graph of string ids with a weight on each edge.
const std::string kNetworkx = kGraphMlHead + R"(<key id="d1" for="node" attr.name="x" attr.type="double"/>
<graph edgedefault="directed">
<node id="Stasiun"><data key="d1">10.5</data></node>
<node id="2"/>
<node id="Pasar"/>
<edge source="Stasiun" target="2"><data key="d0">7.5</data></edge>
<edge source="2" target="Pasar"><data key="d0">3</data></edge>
</graph></graphml>)";

// yEd: places and labels in its own graphics elements, the weight as the edge's label.
const std::string kYed = R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<graphml xmlns="http://graphml.graphdrawing.org/xmlns" xmlns:y="http://www.yworks.com/xml/graphml">
  <key for="node" id="d6" yfiles.type="nodegraphics"/>
  <key for="edge" id="d10" yfiles.type="edgegraphics"/>
  <graph edgedefault="directed" id="G">
    <node id="n0"><data key="d6"><y:ShapeNode><y:Geometry height="30.0" width="30.0" x="85.0" y="-15.0"/>
      <y:NodeLabel alignment="center">Alun-alun</y:NodeLabel></y:ShapeNode></data></node>
    <node id="n1"><data key="d6"><y:ShapeNode><y:Geometry height="30.0" width="40.0" x="0" y="0"/>
      <y:NodeLabel>
        Pasar
      </y:NodeLabel></y:ShapeNode></data></node>
    <edge id="e0" source="n0" target="n1"><data key="d10"><y:PolyLineEdge>
      <y:EdgeLabel>4.5</y:EdgeLabel></y:PolyLineEdge></data></edge>
    <edge id="e1" source="n1" target="n0"><data key="d10"><y:PolyLineEdge>
      <y:EdgeLabel>jalan tol</y:EdgeLabel></y:PolyLineEdge></data></edge>
  </graph>
</graphml>)";

std::string jsonWith(const std::string& rest)
{
    return kJsonHead + rest + "}";
}

std::string jsonNodes(int count)
{
    std::string nodes = R"("nodes":[)";
    for (int n = 1; n <= count; ++n)
        nodes += (n > 1 ? "," : "") + std::string(R"({"number":)") + std::to_string(n) + "}";
    return nodes + "]";
}

const std::string kThreeNodes = jsonNodes(3);

// ASCII text as spreadsheets save "Unicode text": UTF-16, little end first, with its mark.
std::string utf16(std::string_view ascii)
{
    std::string text = "\xFF\xFE";
    for (const char c : ascii)
        text += std::string{c, '\0'};
    return text;
}

std::vector<ReadRow> readRows()
{
    return {
        {"jsonMinimal", J, '.', jsonWith(kThreeNodes + R"(,"links":[{"from":1,"to":3,"weight":2.5}])"),
         "1,2,3 | 1>3:2.5 | 1-3"},
        {"jsonEnds", J, '.', jsonWith(kThreeNodes + R"(,"start":2,"end":1)"), "1,2,3 | | 2-1"},
        {"jsonOwnNumbers", J, '.',
         jsonWith(R"("nodes":[{"number":10,"name":"X"},{"number":4}],"links":[{"from":4,"to":10,"weight":1}],"end":4)"),
         "X,2 | 2>1:1 | 1-2"},
        {"networkx", G, '.', kNetworkx, "Stasiun,2,Pasar | 1>2:7.5 2>3:3 | 1-3"},
        {"networkxUndirected", G, '.',
         kGraphMlHead + R"(<graph edgedefault="undirected"><node id="0"/><node id="1"/>
<edge source="0" target="1"><data key="d0">2</data></edge></graph></graphml>)",
         "0,1 | 1>2:2 2>1:2 | 1-2"},
        {"networkxNoWeight", G, '.',
         kGraphMlHead + R"(<graph edgedefault="directed"><node id="1"/><node id="2"/>
<edge source="2" target="1"/></graph></graphml>)",
         "1,2 | 2>1:1 | 1-2"},
        {"yEd", G, '.', kYed, "Alun-alun,Pasar | 1>2:4.5 2>1:1 | 1-2"},
        {"latin1Declared", G, '.',
         "<?xml version='1.0' encoding='ISO-8859-1'?><graphml><graph><node id='Caf\xE9'/></graph></graphml>",
         "Café | | 1-1"},
        {"latin1Undeclared", G, '.', "<graphml><graph><node id='Caf\xE9'/></graph></graphml>",
         "refused: Berkas ini bukan teks UTF-8."},
        {"matrixSemicolonComma", C, '.', "\xEF\xBB\xBF;A;B;C\r\nA;0;1,5;\r\nB;-;0;2\r\nC;7;∞;0\r\n",
         "A,B,C | 1>2:1.5 2>3:2 3>1:7 | 1-3"},
        {"matrixPlainComma", C, '.', "0,4,\n,0,2.25\n1,,0\n", "1,2,3 | 1>2:4 2>3:2.25 3>1:1 | 1-3"},
        {"matrixTabs", C, '.', "\tX\tY\nX\t0\t3,5\nY\t~\t\n", "X,Y | 1>2:3.5 | 1-2"},
        {"matrixNumberedHeader", C, '.', ",1,2\n1,0,5\n2,6,0\n", "1,2 | 1>2:5 2>1:6 | 1-2"},
        {"matrixHeaderRowOnly", C, '.', "P,Q,R\n0,1,\n,0,\n2,,0\n", "P,Q,R | 1>2:1 3>1:2 | 1-3"},
        {"matrixQuotedNames", C, ',', "simpul;\"A;1\";\"B \"\"2\"\"\"\n\"A;1\";0;\"0,5\"\n\"B \"\"2\"\"\";;0\n",
         "A;1,B \"2\" | 1>2:0.5 | 1-2"},
        {"matrixLatin1", C, '.', ";Caf\xE9;X\nCaf\xE9;0;1\nX;1;0\n", "Café,X | 1>2:1 2>1:1 | 1-2"},
        {"edgeListHeader", C, '.', "dari;ke;bobot\nA;B;2,5\nB;C;1\n", "A,B,C | 1>2:2.5 2>3:1 | 1-3"},
        {"edgeListNumbers", C, '.', "1,2,7\n2,3,4\n1,3,9\n5,1,1\n",
         "1,2,3,4,5 | 1>2:7 2>3:4 1>3:9 5>1:1 | 1-5"},
        {"edgeListUserComma", C, ',', "from,to,weight\n1,2,\"0,5\"\n", "1,2 | 1>2:0.5 | 1-2"},
        {"edgeListNoWeights", C, '.', "asal,tujuan\nx,y\n", "x,y | 1>2:1 | 1-2"},
        {"edgeListMixedNames", C, '.', "1;x;2\nx;2;3\n", "1,x,2 | 1>2:2 2>3:3 | 1-3"},
        {"namesOneLine", J, '.', jsonWith(R"("nodes":[{"name":" A\tB\n"},{"name":"\r"}],"title":"a\r\nb\u0001")"),
         "A B,2 | | 1-2"},
        {"utf16Text", C, '.', utf16("\tA\tB\nA\t0\t2,5\nB\t\t0\n"), "A,B | 1>2:2.5 | 1-2"},
        {"pastedTabs", C, ',', "\tA\tB\nA\t0\t1,25\nB\t\t0\n", "A,B | 1>2:1.25 | 1-2"},

        {"empty", J, '.', " \n\t\n", "refused: Berkas kosong."},
        {"binary", G, '.', std::string("<graphml>\0\x01", 11), "refused: Berkas ini bukan teks"},
        {"notUtf8", J, '.', "{\"format\":\"\xFF\"}", "refused: Berkas ini bukan teks UTF-8."},
        {"jsonTruncated", J, '.', jsonWith(kThreeNodes).substr(0, 60),
         "refused: JSON terpotong: berkas berakhir di tengah data (baris 1)"},
        {"jsonBroken", J, '.', "{\n\"format\":\n\"trayeko-network\",,\n}", "refused: JSON rusak pada baris 3."},
        {"jsonForeign", J, '.', R"({"nodes":[]})", "refused: Bukan berkas jaringan Trayeko"},
        {"jsonVersion", J, '.', R"({"format":"trayeko-network","version":2,"nodes":[]})",
         "refused: Berkas jaringan versi 2 tidak dikenal; program ini membaca versi 1."},
        {"jsonMissingNode", J, '.', jsonWith(kThreeNodes + R"(,"links":[{"from":1,"to":9,"weight":1}])"),
         "refused: jalur ke-1 di \"links\": menuju simpul 9 yang tidak ada."},
        {"jsonSelfLink", J, '.', jsonWith(kThreeNodes + R"(,"links":[{"from":2,"to":2,"weight":1}])"),
         "refused: jalur ke-1 di \"links\": jalur dari simpul \"2\" ke simpul itu sendiri."},
        {"jsonTwice", J, '.',
         jsonWith(kThreeNodes + R"(,"links":[{"from":1,"to":2,"weight":1},{"from":1,"to":2,"weight":3}])"),
         "refused: jalur ke-2 di \"links\": jalur kedua dari simpul \"1\" ke simpul \"2\""},
        {"jsonWeightText", J, '.', jsonWith(kThreeNodes + R"(,"links":[{"from":1,"to":2,"weight":"Infinity"}])"),
         "refused: jalur ke-1 di \"links\": bobot \"Infinity\" bukan bilangan berhingga."},
        {"jsonWeightHuge", J, '.', jsonWith(kThreeNodes + R"(,"links":[{"from":1,"to":2,"weight":1e999}])"),
         "refused: JSON berisi bilangan yang terlalu besar: bukan bilangan berhingga."},
        {"jsonTooMany", J, '.', jsonWith(jsonNodes(41)),
         "refused: Jaringan ini punya 41 simpul; jendela ini mengajarkan paling banyak 40 simpul."},
        {"jsonStartMissing", J, '.', jsonWith(kThreeNodes + R"(,"start":4)"),
         "refused: Simpul awal 4 tidak ada; jaringan ini punya simpul 1 sampai 3."},
        {"jsonDeep", J, '.', std::string(5000, '['), "refused: JSON ini bersarang terlalu dalam"},
        {"xmlTruncated", G, '.', kNetworkx.substr(0, kNetworkx.size() - 20),
         "refused: XML terpotong: berkas berakhir sebelum semua elemen ditutup (baris 10)."},
        {"xmlBroken", G, '.', "<graphml>\n<graph>\n<node id=\"1\"></edge>\n</graph></graphml>",
         "refused: XML rusak pada baris 3: tag penutup tidak cocok dengan tag pembukanya."},
        {"xmlForeign", G, '.', "<html><body/></html>", "refused: Bukan berkas GraphML: elemen akarnya <html>."},
        {"xmlMissingNode", G, '.',
         kGraphMlHead + "<graph>\n<node id=\"a\"/>\n<edge source=\"a\" target=\"b\"/></graph></graphml>",
         "refused: baris 6, elemen <edge>: jalur menuju simpul \"b\" yang tidak ada."},
        {"xmlWeightWord", G, '.',
         kGraphMlHead + "<graph><node id=\"a\"/><node id=\"b\"/>\n<edge source=\"a\" target=\"b\">"
                        "<data key=\"d0\">NaN</data></edge></graph></graphml>",
         "refused: baris 5, elemen <edge>: bobot jalur dari simpul \"a\" ke simpul \"b\" bukan bilangan berhingga."},
        {"xmlWeightNoNumber", G, '.',
         kGraphMlHead + "<graph><node id=\"a\"/><node id=\"b\"/>\n<edge source=\"a\" target=\"b\">\n"
                        "<data key=\"d0\">tujuh</data></edge></graph></graphml>",
         "refused: baris 6, elemen <data>: bobot \"tujuh\" bukan bilangan berhingga."},
        {"xmlDuplicateId", G, '.', kGraphMlHead + "<graph><node id=\"a\"/><node id=\"a\"/></graph></graphml>",
         "refused: baris 4, elemen <node>: id simpul \"a\" dipakai dua kali."},
        {"csvCellWord", C, '.', ";A;B;C;D\nA;0;1;;\nB;;0;x;\nC;;;0;\nD;;;;0\n",
         "refused: baris 3, kolom 4: \"x\" bukan bilangan."},
        {"csvDiagonal", C, '.', "0;1;2;3\n1;5;2;3\n1;2;0;3\n1;2;3;0\n",
         "refused: baris 2, kolom 2: jalur dari simpul 2 ke simpul itu sendiri"},
        {"csvInfinite", C, '.', "a;b;1e999\n", "refused: baris 1: bobot jalur dari simpul \"a\" ke simpul \"b\" bukan"},
        {"csvWeightWord", C, '.', "a;b;1\nb;a;dua\n", "refused: baris 2, kolom 3: bobot \"dua\" bukan bilangan."},
        {"csvOpenQuote", C, '.', "a;b;1\n\"b;a;2\n", "refused: baris 2: tanda kutip tidak ditutup"},
        {"csvTooMany", C, '.', "1;41;1\n", "refused: Jaringan ini punya 41 simpul"},
        {"csvShape", C, '.', "1;2;3;4;5\n1;2\n", "refused: Tabel 2 baris dan 5 kolom ini bukan matriks"},
        {"dot", NetworkFormat::Dot, '.', "digraph {}", "refused: Berkas DOT hanya ekspor"},
    };
}

INSTANTIATE_TEST_SUITE_P(Files, Reading, testing::ValuesIn(readRows()), reference::rowName);

TEST(NetworkFiles, FormatFromTheFileName)
{
    const std::vector<std::pair<std::string, std::optional<NetworkFormat>>> rows{
        {"kelas.trayeko.json", J}, {"A.JSON", J},        {"peta.graphml", G}, {"x.XML", G},
        {"tabel.csv", C},          {"tempel.txt", C},    {"g.dot", NetworkFormat::Dot},
        {"g.Gv", NetworkFormat::Dot}, {"gambar.png", {}}, {".json", {}},       {"csv", {}}};
    for (const auto& [name, format] : rows)
        EXPECT_EQ(formatForFileName(name), format) << name;
}

// What a window may hold but XML cannot carry is written as blanks, never as a broken file.
TEST(NetworkFiles, GraphMlWithoutControlCharacters)
{
    NetworkDocument d = sample();
    d.network.setNodeName(2, "a\x01" "b");
    d.title = "x\ry\x02";
    const NetworkReadResult read = readNetwork(writeNetwork(d, G), G);
    ASSERT_TRUE(read.document) << read.error;
    EXPECT_EQ(read.document->network.node(2).name, "a b");
    EXPECT_EQ(read.document->title, "xy ");
}

TEST(NetworkFiles, DotForGraphviz)
{
    const std::string dot = writeNetwork(sample(), NetworkFormat::Dot);
    EXPECT_TRUE(dot.starts_with("digraph \"Ujian \\\"2025\\\" <akhir>\" {\n")) << dot;
    for (const char* line : {"  1 [label=\"1\", xlabel=\"Pasar \\\"Baru\\\"; lama\", pos=\"0.0698,-0.1389!\"];",
                             "  2 [label=\"2\", pos=\"2.0833,0.0278!\"];", "  2 -> 4 [label=\"-3\"];"})
        EXPECT_NE(dot.find(line), std::string::npos) << line << "\n" << dot;
    EXPECT_TRUE(dot.ends_with("}\n"));
}

} // namespace
