// Reads a network file and writes it in another format, each chosen by the file's extension, as
// the program opens and saves them: what tests outside C++ (networkx) check the files with.
//
//   networkfile_convert IN OUT

#include "core/networkfile.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: networkfile_convert IN OUT\n";
        return 2;
    }
    const auto in = trayeko::formatForFileName(argv[1]);
    const auto out = trayeko::formatForFileName(argv[2]);
    if (!in || !out) {
        std::cerr << "unknown file extension\n";
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    std::ostringstream content;
    content << input.rdbuf();
    const trayeko::NetworkReadResult read = trayeko::readNetwork(content.str(), *in);
    if (!read.document) {
        std::cerr << argv[1] << ": " << read.error << "\n";
        return 1;
    }
    std::ofstream output(argv[2], std::ios::binary);
    output << trayeko::writeNetwork(*read.document, *out);
    return output.good() ? 0 : 1;
}
