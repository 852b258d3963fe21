// Build tool: turns the help text into the resource the programs embed.
//
//   scramble_text help.txt help.bin
//
// The text gets CR LF line ends (the help edit control breaks lines only there) and the end
// mark, and is stored scrambled. Built with the host's compiler even in a cross build, since
// it runs during the build.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "help_text.h"

namespace {

// Any fixed key will do; this one keeps the build reproducible.
constexpr uint8_t kHelpKey[4] = {0xB7, 0x1D, 0x6E, 0x93};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: scramble_text help.txt help.bin\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "scramble_text: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();

    const std::vector<uint8_t> resource = BuildHelpResource(text.str(), kHelpKey);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(resource.data()), static_cast<std::streamsize>(resource.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "scramble_text: cannot write %s\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
