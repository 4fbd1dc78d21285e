"""GraphML that networkx writes opens in the program, and what the program saves networkx reads
back as the same graph. Run by ctest with the converter built beside the core tests; exits 77
(skipped) where networkx is not installed."""

import json
import os
import subprocess
import sys
import tempfile

try:
    import networkx as nx
except ImportError:
    sys.exit(77)

convert = sys.argv[1]
scratch = tempfile.TemporaryDirectory()  # removed when the script ends
work = scratch.name


def path(name):
    return os.path.join(work, name)


def run(source, target):
    subprocess.run([convert, path(source), path(target)], check=True)


def named_edges(graph):
    """Edges as (from name, to name, weight), nodes named by their 'name' or their id."""
    label = {n: str(graph.nodes[n].get("name", n)) for n in graph.nodes}
    return sorted((label[a], label[b], float(w)) for a, b, w in graph.edges(data="weight"))


failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}:\n  got    {got}\n  wanted {wanted}")


# networkx writes a graph of named nodes with places and weights; the program opens it and
# saves it (its own GraphML), and networkx reads that back as the same graph.
g = nx.DiGraph()
g.add_node("Stasiun", x=500.0, y=1700.0)
g.add_node("Pasar", x=1800.0, y=500.5)
g.add_node("Sekolah & SD", x=5500.0, y=1700.0)
g.add_edge("Stasiun", "Pasar", weight=4.0)
g.add_edge("Pasar", "Stasiun", weight=2.5)
g.add_edge("Pasar", "Sekolah & SD", weight=11.0)
g.add_edge("Stasiun", "Sekolah & SD", weight=0.125)
nx.write_graphml(g, path("networkx.graphml"))
run("networkx.graphml", "saved.graphml")
h = nx.read_graphml(path("saved.graphml"))
expect("nodes", sorted(str(h.nodes[n].get("name", n)) for n in h.nodes), sorted(g.nodes))
expect("edges", named_edges(h), named_edges(g))
expect("directed", h.is_directed(), True)
for n in h.nodes:
    name = h.nodes[n]["name"]
    expect(f"place of {name}", (h.nodes[n]["x"], h.nodes[n]["y"]),
           (g.nodes[name]["x"], g.nodes[name]["y"]))

# An undirected networkx graph of numbered nodes opens as a link each way.
u = nx.Graph()
u.add_weighted_edges_from([(0, 1, 3), (1, 2, 4.5)])
nx.write_graphml(u, path("undirected.graphml"))
run("undirected.graphml", "undirected.json")
with open(path("undirected.json"), encoding="utf-8") as f:
    opened = json.load(f)
expect("undirected links",
       sorted((l["from"], l["to"], l["weight"]) for l in opened["links"]),
       [(1, 2, 3), (2, 1, 3), (2, 3, 4.5), (3, 2, 4.5)])

# The program's own file saved as GraphML: networkx reads the same network, and what networkx
# writes of it opens in the program as the network it came from.
own = {
    "format": "trayeko-network", "version": 1, "title": "Peta \"kota\"", "note": "Tugas: 1 → 3",
    "start": 2, "end": 3,
    "nodes": [{"number": 1, "name": "Alun-alun", "x": 3000, "y": 1700},
              {"number": 2, "name": "", "x": 1.5, "y": -2},
              {"number": 3, "name": "Pasar", "x": 0, "y": 0}],
    "links": [{"from": 1, "to": 2, "weight": 7}, {"from": 2, "to": 3, "weight": 0.5},
              {"from": 3, "to": 1, "weight": -2}],
}
with open(path("own.trayeko.json"), "w", encoding="utf-8") as f:
    json.dump(own, f, ensure_ascii=False)
run("own.trayeko.json", "own.graphml")
r = nx.read_graphml(path("own.graphml"))
expect("own nodes", list(r.nodes), ["1", "2", "3"])
expect("own edges", sorted((a, b, w) for a, b, w in r.edges(data="weight")),
       [("1", "2", 7.0), ("2", "3", 0.5), ("3", "1", -2.0)])
expect("own graph data", {k: r.graph[k] for k in ("title", "note", "start", "end")},
       {k: own[k] for k in ("title", "note", "start", "end")})
nx.write_graphml(r, path("networkx-own.graphml"))
run("networkx-own.graphml", "back.trayeko.json")
with open(path("back.trayeko.json"), encoding="utf-8") as f:
    back = json.load(f)
expect("own network back", back, own)

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
