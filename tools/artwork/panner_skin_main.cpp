// panner_skin_artwork FOLDER: draws the Corvelan panel's bitmaps and their
// resource script into FOLDER (effects/panner/resources in the repository).
#include "tools/artwork/panner_skin.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    if (!writePannerSkin(argv[1])) {
        std::fprintf(stderr, "cannot write the skin into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
